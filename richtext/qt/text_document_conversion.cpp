#include "richtext/qt/text_document_conversion.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace richtext {
namespace {

QTextBlockFormat ToBlockFormat(const ParagraphFormat& p) {
    QTextBlockFormat f;
    switch (p.alignment) {
    case Alignment::Left: f.setAlignment(Qt::AlignLeft); break;
    case Alignment::Centre: f.setAlignment(Qt::AlignHCenter); break;
    case Alignment::Right: f.setAlignment(Qt::AlignRight); break;
    case Alignment::Justify: f.setAlignment(Qt::AlignJustify); break;
    }
    f.setLeftMargin(p.leftIndent / kTwipsPerPixel);
    f.setTextIndent(p.firstLineIndent / kTwipsPerPixel);
    return f;
}

QTextCharFormat ToCharFormat(const CharFormat& c) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{QString::fromStdString(c.fontFamily)});
    f.setFontPointSize(c.halfPoints / 2.0);
    f.setForeground(QColor(c.colour.red, c.colour.green, c.colour.blue));
    f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(c.italic);
    f.setFontUnderline(c.underline);
    f.setFontStrikeOut(c.strikeOut);
    return f;
}

int Twips(double pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerPixel)); }

ParagraphFormat FromBlockFormat(const QTextBlockFormat& f, double indentWidth) {
    ParagraphFormat p;
    Qt::Alignment horizontal = f.alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter) p.alignment = Alignment::Centre;
    if (horizontal & Qt::AlignRight) p.alignment = Alignment::Right;
    if (horizontal & Qt::AlignJustify) p.alignment = Alignment::Justify;
    p.leftIndent = Twips(f.leftMargin() + f.indent() * indentWidth);
    p.firstLineIndent = Twips(f.textIndent());
    return p;
}

CharFormat FromCharFormat(const QTextCharFormat& f, const QFont& base) {
    CharFormat c;
    QStringList families = f.fontFamilies().toStringList();
    c.fontFamily = (families.isEmpty() || families.first().isEmpty() ? base.family() : families.first()).toStdString();
    double points = f.fontPointSize() > 0 ? f.fontPointSize() : base.pointSizeF();
    c.halfPoints = points > 0 ? static_cast<int>(std::lround(points * 2)) : 24;
    if (f.foreground().style() != Qt::NoBrush) {
        QColor colour = f.foreground().color();
        c.colour = {static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                    static_cast<uint8_t>(colour.blue())};
    }
    c.bold = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::DemiBold : base.bold();
    c.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : base.italic();
    c.underline = f.hasProperty(QTextFormat::TextUnderlineStyle) || f.hasProperty(QTextFormat::FontUnderline)
                      ? f.fontUnderline()
                      : base.underline();
    c.strikeOut = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : base.strikeOut();
    return c;
}

}  // namespace

void FillTextDocument(const RichDocument& doc, QTextDocument& out) {
    out.clear();
    QTextCursor cursor(&out);
    cursor.beginEditBlock();
    for (std::size_t i = 0; i < doc.paragraphs.size(); ++i) {
        const Paragraph& p = doc.paragraphs[i];
        if (i == 0) {
            cursor.setBlockFormat(ToBlockFormat(p.format));
        } else {
            cursor.insertBlock(ToBlockFormat(p.format));
        }
        for (const TextRun& run : p.runs) cursor.insertText(QString::fromStdString(run.text), ToCharFormat(run.format));
    }
    cursor.endEditBlock();
}

RichDocument DocumentFromTextDocument(const QTextDocument& doc) {
    RichDocument result;
    const QFont base = doc.defaultFont();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        Paragraph* p = &result.paragraphs.emplace_back();
        p->format = FromBlockFormat(block.blockFormat(), doc.indentWidth());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            const CharFormat format = FromCharFormat(fragment.charFormat(), base);
            const QStringList lines = fragment.text().remove(QChar::ObjectReplacementCharacter).split(QChar::LineSeparator);
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (i > 0) {
                    ParagraphFormat same = p->format;
                    p = &result.paragraphs.emplace_back();
                    p->format = same;
                }
                AppendText(*p, lines[i].toStdString(), format);
            }
        }
    }
    // A text document always holds one block; an empty one is no paragraph.
    if (result.paragraphs.size() == 1 && result.paragraphs[0].runs.empty()) result.paragraphs.clear();
    return result;
}

}  // namespace richtext
