#include "richtext/rtf_keywords.h"

#include <algorithm>
#include <iterator>

namespace richtext {
namespace {

struct Entry {
    std::string_view word;
    RtfKeyword keyword;
};

using K = RtfKeyword;

// Sorted by word for binary search.
constexpr Entry kKeywords[] = {
    {"ab", K::AssociatedBold}, {"af", K::AssociatedFont}, {"afs", K::AssociatedFontSize},
    {"aftncn", K::SkippedDestination}, {"aftnsep", K::SkippedDestination},
    {"aftnsepc", K::SkippedDestination}, {"ai", K::AssociatedItalic},
    {"annotation", K::SkippedDestination},
    {"ansi", K::Ansi}, {"ansicpg", K::AnsiCodePage}, {"atnauthor", K::SkippedDestination},
    {"atnid", K::SkippedDestination}, {"author", K::SkippedDestination}, {"b", K::Bold},
    {"bin", K::Binary}, {"blue", K::Blue}, {"bullet", K::Bullet}, {"buptim", K::SkippedDestination},
    {"cell", K::Cell}, {"cf", K::ColourIndex}, {"colortbl", K::ColourTable},
    {"comment", K::SkippedDestination}, {"company", K::SkippedDestination}, {"cpg", K::FontCodePage},
    {"creatim", K::SkippedDestination}, {"datafield", K::SkippedDestination}, {"dbch", K::DoubleByteText},
    {"deff", K::DefaultFont}, {"do", K::SkippedDestination}, {"doccomm", K::SkippedDestination},
    {"docvar", K::SkippedDestination}, {"emdash", K::EmDash}, {"emspace", K::EmSpace},
    {"endash", K::EnDash}, {"enspace", K::EnSpace}, {"f", K::Font}, {"fcharset", K::FontCharset},
    {"fi", K::FirstIndent}, {"filetbl", K::SkippedDestination}, {"fldinst", K::SkippedDestination},
    {"fonttbl", K::FontTable}, {"footer", K::SkippedDestination}, {"footerf", K::SkippedDestination},
    {"footerl", K::SkippedDestination}, {"footerr", K::SkippedDestination},
    {"footnote", K::SkippedDestination}, {"fs", K::FontSize}, {"ftncn", K::SkippedDestination},
    {"ftnsep", K::SkippedDestination}, {"ftnsepc", K::SkippedDestination},
    {"generator", K::SkippedDestination}, {"green", K::Green}, {"header", K::SkippedDestination},
    {"headerf", K::SkippedDestination}, {"headerl", K::SkippedDestination},
    {"headerr", K::SkippedDestination}, {"hich", K::HighAnsiText}, {"i", K::Italic}, {"info", K::SkippedDestination},
    {"keywords", K::SkippedDestination}, {"ldblquote", K::LeftDoubleQuote}, {"li", K::LeftIndent},
    {"lin", K::LeftIndent}, {"line", K::Line}, {"listoverridetable", K::SkippedDestination},
    {"listtable", K::SkippedDestination}, {"loch", K::LowAnsiText}, {"lquote", K::LeftQuote},
    {"ltrch", K::LeftToRightText}, {"ltrmark", K::LeftToRightMark},
    {"mac", K::Mac}, {"manager", K::SkippedDestination}, {"nestcell", K::Cell}, {"nestrow", K::Row},
    {"nonshppict", K::SkippedDestination}, {"object", K::SkippedDestination},
    {"operator", K::SkippedDestination}, {"par", K::Paragraph}, {"pard", K::ParagraphDefault},
    {"pc", K::Pc}, {"pca", K::Pca}, {"pict", K::SkippedDestination}, {"plain", K::Plain},
    {"pn", K::SkippedDestination}, {"pntxta", K::SkippedDestination},
    {"pntxtb", K::SkippedDestination}, {"printim", K::SkippedDestination},
    {"private", K::SkippedDestination}, {"qc", K::AlignCentre}, {"qd", K::AlignJustify},
    {"qj", K::AlignJustify}, {"ql", K::AlignLeft}, {"qmspace", K::QuarterEmSpace},
    {"qr", K::AlignRight}, {"rdblquote", K::RightDoubleQuote}, {"red", K::Red},
    {"revtbl", K::SkippedDestination}, {"revtim", K::SkippedDestination}, {"row", K::Row},
    {"rquote", K::RightQuote}, {"rsidtbl", K::SkippedDestination}, {"rtlch", K::RightToLeftText},
    {"rtlmark", K::RightToLeftMark},
    {"rxe", K::SkippedDestination}, {"sect", K::Section}, {"shp", K::SkippedDestination},
    {"shpinst", K::SkippedDestination}, {"shprslt", K::SkippedDestination},
    {"strike", K::StrikeOut}, {"striked", K::StrikeOut},  // single and double strike-out
    {"stylesheet", K::SkippedDestination}, {"subject", K::SkippedDestination}, {"tab", K::Tab},
    {"tc", K::SkippedDestination}, {"tcn", K::SkippedDestination}, {"template", K::SkippedDestination},
    {"title", K::SkippedDestination}, {"txe", K::SkippedDestination}, {"u", K::Unicode},
    {"uc", K::UnicodeSkip}, {"ul", K::Underline}, {"uld", K::Underline}, {"uldash", K::Underline},
    {"uldashd", K::Underline}, {"uldashdd", K::Underline}, {"uldb", K::Underline},
    {"ulhwave", K::Underline}, {"ulldash", K::Underline}, {"ulnone", K::UnderlineNone},
    {"ulth", K::Underline}, {"ulthd", K::Underline}, {"ulthdash", K::Underline},
    {"ulthdashd", K::Underline}, {"ulthdashdd", K::Underline}, {"ulthldash", K::Underline},
    {"ululdbwave", K::Underline}, {"ulw", K::Underline}, {"ulwave", K::Underline},
    {"userprops", K::SkippedDestination}, {"v", K::Hidden}, {"xe", K::SkippedDestination},
    {"xmlnstbl", K::SkippedDestination}, {"zwj", K::ZeroWidthJoiner}, {"zwnj", K::ZeroWidthNonJoiner},
};

static_assert(std::is_sorted(std::begin(kKeywords), std::end(kKeywords),
                             [](const Entry& a, const Entry& b) { return a.word < b.word; }));

}  // namespace

RtfKeyword LookupRtfKeyword(std::string_view word) {
    auto it = std::lower_bound(std::begin(kKeywords), std::end(kKeywords), word,
                               [](const Entry& e, std::string_view w) { return e.word < w; });
    return it != std::end(kKeywords) && it->word == word ? it->keyword : K::Unknown;
}

}  // namespace richtext
