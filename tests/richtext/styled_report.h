// A report styled as the computed ones are, for the tests of the rich-text
// converters: coloured chart blocks, smaller readings, a large red index
// line, bold headings, a first-line indent, other fonts and alignments,
// underlined and struck-out text, and characters GBK lacks.
#pragma once

#include "richtext/rich_document.h"

namespace richtext {

inline CharFormat Styled(Colour colour, int halfPoints, bool bold) {
    CharFormat f;
    f.colour = colour;
    f.halfPoints = halfPoints;
    f.bold = bold;
    return f;
}

inline RichDocument StyledReport() {
    const ParagraphFormat indented{Alignment::Left, 0, 300};
    RichDocument doc;
    auto add = [&](std::vector<TextRun> runs, ParagraphFormat format = {}) {
        doc.paragraphs.push_back({std::move(runs), format});
    };
    add({{"甲命八字：", Styled(kBlue, 24, true)}, {"张三 (男)", Styled(kBlack, 24, false)}}, indented);
    add({{"乾造  庚午  辛巳  壬子  丁未", Styled(kRed, 24, false)}}, indented);
    add({{"☆胎元：壬申\t命宫：甲戌", Styled(kBlack, 22, false)}}, indented);
    add({}, indented);
    add({{"乙命八字：", Styled(kBlue, 24, true)}, {"李四", Styled(kGreen, 24, false)}}, indented);
    add({{"婚配指数87分", Styled(kRed, 32, true)}}, {Alignment::Centre, 0, 0});
    CharFormat other = Styled(kBlack, 20, false);
    other.fontFamily = "Times New Roman";
    other.italic = true;
    CharFormat underlined = other;
    underlined.italic = false;
    underlined.underline = true;
    CharFormat struck = underlined;
    struck.underline = false;
    struck.strikeOut = true;
    add({{"Braces {} and \\ backslash; ", other}, {"underlined", underlined}, {" struck out", struck}},
        {Alignment::Right, 720, -360});
    // Characters GBK lacks: Korean, a rare ideograph beyond the BMP, an emoji.
    add({{"한글 𠀀 😀 €", Styled(kGreen, 22, false)}, {"乙命性格(仅供参考)", Styled(kGreen, 22, true)}},
        {Alignment::Justify, 0, 300});
    return doc;
}

}  // namespace richtext
