// The report as styled text, independent of any toolkit: paragraphs made of
// runs of equally formatted text. The RTF and plain-text files and the
// report view's text document all convert to and from this model.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace richtext {

struct Colour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Colour&) const = default;
};

// The colours of the report: standard red, blue, green (half intensity) and black.
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kGreen{0, 128, 0};

// The report view's own font.
inline constexpr const char* kDefaultFontFamily = "宋体";

struct CharFormat {
    std::string fontFamily = kDefaultFontFamily;  // UTF-8
    int halfPoints = 24;                          // font size in half-points (24 = 12 pt)
    Colour colour = kBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const CharFormat&) const = default;
};

struct TextRun {
    std::string text;  // UTF-8, no line breaks; may hold tabs
    CharFormat format;
    bool operator==(const TextRun&) const = default;
};

enum class Alignment : uint8_t { Left, Centre, Right, Justify };

// Indents in twips (1/1440 inch), as rich-text files count them.
struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int firstLineIndent = 0;  // relative to leftIndent; negative hangs
    bool operator==(const ParagraphFormat&) const = default;
};

struct Paragraph {
    std::vector<TextRun> runs;
    ParagraphFormat format;
    bool operator==(const Paragraph&) const = default;
};

struct RichDocument {
    std::vector<Paragraph> paragraphs;
    bool operator==(const RichDocument&) const = default;
};

// The text of the document, every paragraph followed by lineEnd.
std::string PlainText(const RichDocument& doc, std::string_view lineEnd = "\n");

// One paragraph per line of the text ("\r\n", "\n" or a lone "\r" end a
// line; a last line without an ending is a paragraph too), all in one format.
RichDocument DocumentFromText(std::string_view utf8, const CharFormat& chars = {},
                              const ParagraphFormat& paragraph = {});

// Appends text to the paragraph, joining it to the last run when that run
// has the same format.
void AppendText(Paragraph& paragraph, std::string_view utf8, const CharFormat& format);

}  // namespace richtext
