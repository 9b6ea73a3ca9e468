// What the window needs to render a computed report: the style spans of the
// report view and the content of the chart picture. Plain data, no toolkit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class SpanColour : uint8_t { Default, Black, Red, Blue, Green };

// One styling step over the report text. start and length count characters
// (Unicode code points) of the text, "\r" and "\n" one each. sizeDelta is
// relative to the report view's font size; hasSize false leaves the size
// alone. The window applies the spans in order over the default format (font
// size, black, no style): a later span overrides an earlier one.
struct StyleSpan {
    int start = 0;
    int length = 0;
    bool hasSize = false;
    int sizeDelta = 0;
    SpanColour colour = SpanColour::Default;
    bool hasBold = false;
    bool bold = false;
};

// The side picture: both persons' sex word (乾造/坤造), their four pillar
// names (year first) and the truncated marriage index.
struct ChartPicture {
    bool valid = false;
    std::string sexWord[2];
    std::string pillars[2][4];
    int marriageIndex = 0;
};

// Styling of a finished report: the headings and blocks are found by their
// marker texts; a step whose markers are missing is skipped.
std::vector<StyleSpan> ReportStyleSpans(const std::string& reportUtf8);
