// Fonts for pages whose text must stay searchable. Qt's PDF writer names
// each glyph in the file's text layer by the lowest code point that the
// font maps to it; CJK fonts such as Noto Sans CJK give the Kangxi radicals
// (U+2F00 …) and the supplementary radicals (U+2E80 …) the very glyphs of
// the ideographs 八, 日, 生, 人 …, so a PDF of the report would carry ⼋, ⽇,
// ⽣, ⼈ in place of the characters printed. Printing therefore uses a copy
// of each such font whose character map leaves those radicals out (the
// report never writes a radical); the glyphs are the font's own.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QTextDocument;
class QFont;

// Families of the print copies begin with this, so that font choosers can
// leave them out.
inline const QString kPrintCopyPrefix = QStringLiteral("Marivo Print ");

// The family to print `font` with: the print copy of the installed font
// that it resolves to, or that font's own family when it maps no radical
// to a shared glyph (or no copy can be made). Copies are made once per run.
QString PrintFamily(const QFont& font);

// The families to print a text of `font` with: the print family of a CJK
// font; a Latin font first and the print family for its Chinese after it.
QStringList PrintFamilies(const QFont& font);

// A copy of the document (or of its part from `start` to `end`, when
// given) whose text is set in the print families.
std::unique_ptr<QTextDocument> PrintableCopy(const QTextDocument& document, int start = -1, int end = -1);
