// The pieces of an OpenType font file (one face, as its tables) that a
// derived copy of an installed font needs: its character map read and
// written, a naming table of its own, and the tables put together into a
// font file. Only what the print copies of print_fonts.h use.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>

namespace sfnt {

// Code point → glyph, from a 'cmap' table: its full-Unicode subtable
// (format 12) when it has one, else its BMP subtable (format 4). Empty
// when neither can be read.
using CharacterMap = std::map<uint32_t, uint16_t>;
CharacterMap ReadCharacterMap(const QByteArray& cmap);

// A 'cmap' table holding the map as one full-Unicode subtable.
QByteArray CharacterMapTable(const CharacterMap& map);

// A 'name' table naming the family and its style ("Regular", "Bold").
QByteArray NameTable(const QString& family, const QString& style);

// A font file from its tables, by tag ("head", "CFF ", …).
QByteArray AssembleFont(const std::map<QByteArray, QByteArray>& tables);

}  // namespace sfnt
