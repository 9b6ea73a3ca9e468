// Fonts. "宋体" is the program's default font; the chart text lines its
// columns up in GBK widths, so it needs a font in which a Chinese character
// is exactly twice as wide as an ASCII one. Where "宋体" is not installed it
// stands for such a CJK font. A font the user chose is used as chosen.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

inline const QString kDefaultFontName = QStringLiteral("宋体");

// Makes "宋体" resolve to an installed CJK font of that kind (once, at start).
void InstallFontSubstitutes();

// A font by its stored name (e.g. "宋体") and size in points (12 for a size
// of 0 or less, at most 200).
QFont FontNamed(const QString& name, int pointSize);

// Whether the report's columns stay aligned in this family: a Chinese
// character exactly as wide as two ASCII ones, and every ASCII character
// as wide as any other.
bool LinesUpColumns(const QString& family);

// The installed families for the report, those that line up the columns
// first (each group in the database's order).
struct FontChoices {
    QStringList aligned;
    QStringList others;
};
FontChoices ReportFontChoices();
