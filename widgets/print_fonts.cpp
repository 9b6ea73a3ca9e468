#include "widgets/print_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QRawFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <vector>

#include "widgets/sfnt_copy.h"

namespace {

// The radical blocks: CJK Radicals Supplement and Kangxi Radicals.
bool IsRadical(uint32_t c) { return c >= 0x2E80 && c <= 0x2FDF; }

// Drops every radical that shares its glyph with another character; false
// when there is none.
bool DropSharedRadicals(sfnt::CharacterMap& map) {
    QHash<uint16_t, int> users;
    for (const auto& entry : map) ++users[entry.second];
    bool dropped = false;
    for (auto it = map.begin(); it != map.end();) {
        if (IsRadical(it->first) && users.value(it->second) > 1) {
            it = map.erase(it);
            dropped = true;
        } else {
            ++it;
        }
    }
    return dropped;
}

// Every table a font of either outline kind may carry, but the signature,
// which a changed font no longer matches.
const char* const kTables[] = {"BASE", "CFF ", "CFF2", "COLR", "CPAL", "GDEF", "GPOS", "GSUB", "HVAR", "JSTF",
                               "LTSH", "MATH", "MVAR", "OS/2", "STAT", "VDMX", "VORG", "VVAR", "avar", "cvar",
                               "cvt ", "fpgm", "fvar", "gasp", "glyf", "gvar", "hdmx", "head", "hhea", "hmtx",
                               "kern", "loca", "maxp", "meta", "post", "prep", "vhea", "vmtx"};

// The face as a font file with the shared radicals left out of its map and
// the family renamed; empty when the face needs no copy.
QByteArray CopyWithoutSharedRadicals(const QRawFont& face, const QString& family, const QString& style) {
    sfnt::CharacterMap map = sfnt::ReadCharacterMap(face.fontTable("cmap"));
    if (!DropSharedRadicals(map)) return {};
    std::map<QByteArray, QByteArray> tables;
    for (const char* tag : kTables) {
        QByteArray table = face.fontTable(tag);
        if (!table.isEmpty()) tables[tag] = table;
    }
    if (!tables.count("head") || !tables.count("maxp")) return {};
    tables["cmap"] = sfnt::CharacterMapTable(map);
    tables["name"] = sfnt::NameTable(family, style);
    return sfnt::AssembleFont(tables);
}

// The installed face for Chinese text of `family` at this weight, when it
// is that family's own (not one that Qt falls back to).
QRawFont FaceOf(const QString& family, QFont::Weight weight) {
    QFont font(family);
    font.setWeight(weight);
    const QRawFont face = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
    return face.isValid() && face.familyName() == family ? face : QRawFont();
}

// Makes and installs the print copy of an installed family; its own name
// when it needs none or none could be installed.
QString MakePrintCopy(const QString& family) {
    const QString copy = kPrintCopyPrefix + family;
    bool installed = false;
    const QRawFont regular = FaceOf(family, QFont::Normal);
    const QRawFont bold = FaceOf(family, QFont::Bold);
    const bool hasBold = bold.isValid() && bold.weight() > regular.weight();
    for (const auto& [face, style] : {std::pair{regular, QStringLiteral("Regular")}, std::pair{bold, QStringLiteral("Bold")}}) {
        if (!face.isValid() || (style == QStringLiteral("Bold") && !hasBold)) continue;
        const QByteArray data = CopyWithoutSharedRadicals(face, copy, style);
        if (!data.isEmpty() && QFontDatabase::addApplicationFontFromData(data) >= 0) installed = true;
    }
    return installed ? copy : family;
}

}  // namespace

QString PrintFamily(const QFont& font) {
    const QRawFont face = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
    if (!face.isValid()) return font.family();
    const QString family = face.familyName();
    static QHash<QString, QString> printFamilies;
    auto it = printFamilies.find(family);
    if (it == printFamilies.end()) it = printFamilies.insert(family, MakePrintCopy(family));
    return it.value();
}

QStringList PrintFamilies(const QFont& font) {
    const QString chinese = PrintFamily(font);
    // A Latin face the user chose keeps its letters; its Chinese comes from
    // the copy of the fallback rather than from the fallback itself.
    if (QFontDatabase::writingSystems(QFontInfo(font).family()).contains(QFontDatabase::SimplifiedChinese))
        return {chinese};
    return {font.family(), chinese};
}

std::unique_ptr<QTextDocument> PrintableCopy(const QTextDocument& document, int start, int end) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    if (start >= 0) {
        copy->clear();
        QTextCursor part(const_cast<QTextDocument*>(&document));
        part.setPosition(start);
        part.setPosition(end, QTextCursor::KeepAnchor);
        QTextCursor(copy.get()).insertFragment(part.selection());
    }
    const QFont base = document.defaultFont();
    struct Run {
        int start, length;
        QStringList families;
    };
    std::vector<Run> runs;
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            runs.push_back({fragment.position(), fragment.length(),
                            PrintFamilies(fragment.charFormat().font().resolve(base))});
        }
    QTextCursor cursor(copy.get());
    for (const Run& run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.start + run.length, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setFontFamilies(run.families);
        cursor.mergeCharFormat(format);
    }
    QFont printBase = base;
    printBase.setFamilies(PrintFamilies(base));
    copy->setDefaultFont(printBase);
    return copy;
}
