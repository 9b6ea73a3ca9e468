// The RTF control words the reader acts on; every other word is ignored
// together with its number (\lang, \sa, \sb, \viewkind, \rtlch, …).
#pragma once

#include <string_view>

namespace richtext {

enum class RtfKeyword {
    Unknown,
    // A destination whose content is not report text (pictures, embedded
    // objects, headers and footers, style sheet, document info, …).
    SkippedDestination,
    FontTable, ColourTable,
    // Document code page.
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont,
    // Font table entries and the colour table.
    Font, FontCharset, FontCodePage, Red, Green, Blue,
    // Character formatting.
    Plain, FontSize, ColourIndex, Bold, Italic, Underline, UnderlineNone, StrikeOut, Hidden,
    // Which kind of text follows, and the properties of East Asian text.
    LowAnsiText, HighAnsiText, DoubleByteText, RightToLeftText, LeftToRightText,
    AssociatedFont, AssociatedFontSize, AssociatedBold, AssociatedItalic,
    Unicode, UnicodeSkip, Binary,
    // Paragraph formatting.
    ParagraphDefault, AlignLeft, AlignCentre, AlignRight, AlignJustify, LeftIndent, FirstIndent,
    // Breaks and special characters.
    Paragraph, Line, Section, Tab, Cell, Row,
    EmDash, EnDash, Bullet, LeftQuote, RightQuote, LeftDoubleQuote, RightDoubleQuote,
    EmSpace, EnSpace, QuarterEmSpace, ZeroWidthJoiner, ZeroWidthNonJoiner, LeftToRightMark, RightToLeftMark,
};

RtfKeyword LookupRtfKeyword(std::string_view word);

}  // namespace richtext
