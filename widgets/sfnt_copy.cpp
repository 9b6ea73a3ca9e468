#include "widgets/sfnt_copy.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace sfnt {
namespace {

// Big-endian reads that give 0 outside the data.
uint32_t Read(const QByteArray& data, qsizetype at, int bytes) {
    if (at < 0 || at + bytes > data.size()) return 0;
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | static_cast<uint8_t>(data[at + i]);
    return value;
}
uint32_t U16(const QByteArray& d, qsizetype at) { return Read(d, at, 2); }
uint32_t U32(const QByteArray& d, qsizetype at) { return Read(d, at, 4); }

void Put16(QByteArray& out, uint32_t value) {
    out.append(static_cast<char>(value >> 8)).append(static_cast<char>(value));
}
void Put32(QByteArray& out, uint32_t value) {
    Put16(out, value >> 16);
    Put16(out, value & 0xFFFF);
}

void ReadFormat12(const QByteArray& d, qsizetype at, CharacterMap& map) {
    const uint32_t groups = U32(d, at + 12);
    for (uint32_t i = 0; i < groups && at + 16 + 12 * (i + 1) <= d.size(); ++i) {
        const qsizetype g = at + 16 + 12 * i;
        const uint32_t first = U32(d, g), last = std::min<uint32_t>(U32(d, g + 4), 0x10FFFF);
        for (uint32_t c = first, glyph = U32(d, g + 8); c <= last && c >= first; ++c, ++glyph)
            if (glyph && glyph <= 0xFFFF) map[c] = static_cast<uint16_t>(glyph);
    }
}

void ReadFormat4(const QByteArray& d, qsizetype at, CharacterMap& map) {
    const uint32_t segments = U16(d, at + 6) / 2;
    const qsizetype ends = at + 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments,
                    ranges = deltas + 2 * segments;
    for (uint32_t i = 0; i < segments; ++i) {
        const uint32_t first = U16(d, starts + 2 * i), last = U16(d, ends + 2 * i);
        const uint32_t delta = U16(d, deltas + 2 * i), range = U16(d, ranges + 2 * i);
        for (uint32_t c = first; c <= last && c != 0xFFFF; ++c) {
            uint32_t glyph = c;
            if (range) {
                glyph = U16(d, ranges + 2 * i + range + 2 * (c - first));
                if (!glyph) continue;
            }
            glyph = (glyph + delta) & 0xFFFF;
            if (glyph) map[c] = static_cast<uint16_t>(glyph);
        }
    }
}

// The sum of the data as big-endian 32-bit words, the last one padded.
uint32_t Checksum(const QByteArray& data) {
    uint32_t sum = 0;
    const qsizetype whole = data.size() / 4 * 4;
    for (qsizetype i = 0; i < whole; i += 4) sum += U32(data, i);
    uint32_t last = 0;
    for (qsizetype i = whole; i < whole + 4; ++i) last = (last << 8) | (i < data.size() ? static_cast<uint8_t>(data[i]) : 0);
    return whole < data.size() ? sum + last : sum;
}

}  // namespace

CharacterMap ReadCharacterMap(const QByteArray& cmap) {
    qsizetype full = -1, bmp = -1;
    const uint32_t records = U16(cmap, 2);
    for (uint32_t i = 0; i < records; ++i) {
        const uint32_t platform = U16(cmap, 4 + 8 * i), encoding = U16(cmap, 6 + 8 * i);
        const qsizetype at = U32(cmap, 8 + 8 * i);
        const bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
        if (!unicode) continue;
        if (U16(cmap, at) == 12 && full < 0) full = at;
        if (U16(cmap, at) == 4 && bmp < 0) bmp = at;
    }
    CharacterMap map;
    if (full >= 0) ReadFormat12(cmap, full, map);
    else if (bmp >= 0) ReadFormat4(cmap, bmp, map);
    return map;
}

QByteArray CharacterMapTable(const CharacterMap& map) {
    struct Group {
        uint32_t first, last, glyph;
    };
    std::vector<Group> groups;
    for (const auto& [c, glyph] : map) {
        if (!groups.empty() && groups.back().last + 1 == c &&
            groups.back().glyph + (c - groups.back().first) == glyph)
            groups.back().last = c;
        else
            groups.push_back({c, c, glyph});
    }
    // One subtable, right after the header, named twice: as Unicode's own
    // full map and as Windows' full-Unicode map. Without the first, a
    // reader may build a map of its own from the glyph names and prefer it.
    QByteArray out;
    Put16(out, 0);  // version
    Put16(out, 2);
    for (const auto [platform, encoding] : {std::pair{0, 4}, std::pair{3, 10}}) {
        Put16(out, platform);
        Put16(out, encoding);
        Put32(out, 4 + 8 * 2);
    }
    Put16(out, 12);
    Put16(out, 0);
    Put32(out, static_cast<uint32_t>(16 + 12 * groups.size()));
    Put32(out, 0);  // language
    Put32(out, static_cast<uint32_t>(groups.size()));
    for (const Group& g : groups) {
        Put32(out, g.first);
        Put32(out, g.last);
        Put32(out, g.glyph);
    }
    return out;
}

QByteArray NameTable(const QString& family, const QString& style) {
    QString postScript;
    for (QChar c : family + u'-' + style)
        if (c.unicode() > 32 && c.unicode() < 127) postScript += c;
    const std::pair<int, QString> names[] = {
        {1, family}, {2, style}, {3, family + u' ' + style}, {4, family + u' ' + style}, {6, postScript}};
    const int count = static_cast<int>(std::size(names));
    QByteArray records, strings;
    for (const auto& [id, text] : names) {
        const qsizetype offset = strings.size();
        for (QChar c : text) Put16(strings, c.unicode());
        Put16(records, 3);       // Windows,
        Put16(records, 1);       // Unicode BMP,
        Put16(records, 0x0409);  // the language every reader knows
        Put16(records, id);
        Put16(records, static_cast<uint32_t>(strings.size() - offset));
        Put16(records, static_cast<uint32_t>(offset));
    }
    QByteArray out;
    Put16(out, 0);
    Put16(out, count);
    Put16(out, 6 + 12 * count);
    return out + records + strings;
}

QByteArray AssembleFont(const std::map<QByteArray, QByteArray>& tables) {
    const uint32_t count = static_cast<uint32_t>(tables.size());
    uint32_t power = 1, log = 0;
    while (power * 2 <= count) power *= 2, ++log;
    QByteArray out;
    Put32(out, tables.count("CFF ") || tables.count("CFF2") ? 0x4F54544F /* OTTO */ : 0x00010000);
    Put16(out, count);
    Put16(out, power * 16);
    Put16(out, log);
    Put16(out, count * 16 - power * 16);
    QByteArray body;
    qsizetype head = -1;
    const qsizetype bodyStart = 12 + 16 * count;
    for (const auto& [tag, data] : tables) {  // a std::map keeps the tags sorted
        QByteArray table = data;
        if (tag == "head" && table.size() >= 12) {
            table.replace(8, 4, QByteArray(4, '\0'));  // the file's checksum, set below
            head = bodyStart + body.size();
        }
        out.append(tag.left(4).leftJustified(4, ' '));
        Put32(out, Checksum(table));
        Put32(out, static_cast<uint32_t>(bodyStart + body.size()));
        Put32(out, static_cast<uint32_t>(table.size()));
        body.append(table).append(QByteArray((4 - table.size() % 4) % 4, '\0'));
    }
    out.append(body);
    if (head >= 0) {
        const uint32_t adjustment = 0xB1B0AFBA - Checksum(out);
        QByteArray value;
        Put32(value, adjustment);
        out.replace(head + 8, 4, value);
    }
    return out;
}

}  // namespace sfnt
