// The styling of the report view: headings and blocks are found by their
// marker texts. The positions of the rules are those of a GBK text control
// (a Chinese character counts 2, a line end "\r\n" 2); they are turned into
// character positions of the text at the end.
#include <algorithm>
#include <string_view>

#include "engine/chart/report_style.h"

namespace {

// Positions of a report three ways: byte offset in the UTF-8 text, GBK
// position and character index. A mark every 64 bytes keeps each
// conversion to a short scan.
class ReportPositions {
public:
    explicit ReportPositions(const std::string& text) : text_(text) {
        // One pass over the bytes: a UTF-8 continuation byte adds nothing,
        // every other byte starts a character.
        Point p{0, 0, 0};
        for (int next = 0, size = static_cast<int>(text.size()); p.utf8 < size; ++p.utf8) {
            unsigned char c = static_cast<unsigned char>(text[p.utf8]);
            bool continuation = (c & 0xC0) == 0x80;
            if (continuation) continue;
            if (p.utf8 >= next) {
                marks_.push_back(p);
                next = p.utf8 + kMarkStep;
            }
            p.gbk += c < 0x80 ? 1 : 2;
            ++p.character;
        }
        end_ = p;
    }

    // Position of the first occurrence of `marker` at or after position
    // `from`, or −1; −1 for a `from` of −1.
    int Find(std::string_view marker, int from) const {
        if (from < 0) return -1;
        std::size_t offset = text_.find(marker, FirstAtOrAfter(from).utf8);
        if (offset == std::string::npos) return -1;
        return AtOffset(static_cast<int>(offset)).gbk;
    }

    // The characters covered by the positions [start, start + length): a
    // character partly inside counts.
    void ToCharacters(int start, int length, int& first, int& count) const {
        Point begin = LastAtOrBefore(start);
        first = begin.character;
        count = FirstAtOrAfter(start + length).character - first;
    }

private:
    static constexpr int kMarkStep = 64;
    struct Point {
        int utf8, gbk, character;
    };

    // Moves to the next character. Every character of a report (valid
    // UTF-8) is a GBK character: one byte when ASCII, else two.
    void Step(Point& p) const {
        unsigned char c = static_cast<unsigned char>(text_[p.utf8]);
        int n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        p.utf8 = std::min<int>(p.utf8 + n, static_cast<int>(text_.size()));
        p.gbk += c < 0x80 ? 1 : 2;
        ++p.character;
    }

    template <typename Before>
    Point MarkBefore(Before before) const {
        auto it = std::partition_point(marks_.begin(), marks_.end(), before);
        return it == marks_.begin() ? marks_.front() : *(it - 1);
    }

    // The first character that starts at or after GBK position g (or the end).
    Point FirstAtOrAfter(int g) const {
        if (marks_.empty()) return end_;
        Point p = MarkBefore([g](const Point& m) { return m.gbk <= g; });
        while (p.gbk < g && p.utf8 < end_.utf8) Step(p);
        return p.gbk < g ? end_ : p;
    }

    // The character that holds GBK position g.
    Point LastAtOrBefore(int g) const {
        if (marks_.empty()) return end_;
        Point p = MarkBefore([g](const Point& m) { return m.gbk <= g; });
        for (Point next = p; next.utf8 < end_.utf8; p = next) {
            Step(next);
            if (next.gbk > g) break;
        }
        return p;
    }

    Point AtOffset(int offset) const {
        Point p = MarkBefore([offset](const Point& m) { return m.utf8 <= offset; });
        while (p.utf8 < offset) Step(p);
        return p;
    }

    const std::string& text_;
    std::vector<Point> marks_;
    Point end_;
};

StyleSpan Style(bool hasSize, int sizeDelta, SpanColour colour, bool bold) {
    StyleSpan s;
    s.hasSize = hasSize;
    s.sizeDelta = sizeDelta;
    s.colour = colour;
    s.hasBold = bold;
    s.bold = bold;
    return s;
}

const StyleSpan kHeading = Style(true, 0, SpanColour::Blue, true);
const StyleSpan kSmaller = Style(true, -1, SpanColour::Default, false);

}  // namespace

std::vector<StyleSpan> ReportStyleSpans(const std::string& report) {
    ReportPositions pos(report);
    std::vector<StyleSpan> spans;
    // Applies the style to [start, start + length) when every marker the
    // range was computed from was found.
    auto select = [&](std::initializer_list<int> markers, int start, int length, StyleSpan style) {
        for (int m : markers)
            if (m < 0) return;
        if (start < 0 || length <= 0) return;
        pos.ToCharacters(start, length, style.start, style.length);
        if (style.length > 0) spans.push_back(style);
    };
    auto find = [&](std::string_view marker, int from) { return pos.Find(marker, from); };
    auto plus = [](int p, int n) { return p < 0 ? -1 : p + n; };
    using C = SpanColour;

    // 甲命: heading, red pillar block, a smaller 胎元 … line.
    select({}, 0, 10, kHeading);
    int e = find("造  ", 80), k = find("藏干", 80);
    select({e, k}, e - 2, k - e + 2, Style(false, 0, C::Red, false));
    int h = find("☆胎元", 90), m = find("乙命八字：", h);
    select({h, m}, h, m - h + 1, kSmaller);
    // 乙命: the whole chart green, heading, blue pillar block, smaller 胎元 … part.
    int a = find("婚姻配对分析：", m);
    select({m, a}, m, a - m, Style(false, 0, C::Green, false));
    select({m}, m, 10, kHeading);
    int A = find("造  ", m), Cz = find("藏干", A);
    select({A, Cz}, A - 2, Cz - A + 2, Style(false, 0, C::Blue, false));
    int E = find("☆胎元", plus(Cz, 2)), G = find("婚姻配对分析：", E);
    select({E, G}, E, G - E, kSmaller);
    // The comparison: blue and smaller, its heading, the index large and red.
    int s = find("----------", G);
    select({G, s}, G, s - G, Style(true, -1, C::Blue, false));
    select({G}, G, 14, kHeading);
    int N = find("婚配指数", G), P = find("分", N);
    select({N, P}, N, P - N + 2, Style(true, 4, C::Red, true));
    // The readings: 甲命 black, 乙命 green, smaller, with bold headings.
    int U = find("甲命性格", P), V = find("乙命性格", U);
    select({U, V}, U, V - U, Style(true, -1, C::Black, false));
    int Y = find(")", U);
    select({U, Y}, U, Y - U + 1, Style(true, -1, C::Black, true));
    int c = find("甲命婚姻", Y), z = find(")", c);
    select({c, z}, c, z - c + 1, Style(true, -1, C::Black, true));
    int k2 = find("乙命性格", z), f = find("※软件开发商", k2);
    select({k2, f}, k2, f - k2, Style(true, -1, C::Green, false));
    int o = find(")", k2);
    select({k2, o}, k2, o - k2 + 1, Style(true, -1, C::Green, true));
    int q = find("乙命婚姻", o), r = find(")", q);
    select({q, r}, q, r - q + 1, Style(true, -1, C::Green, true));
    return spans;
}
