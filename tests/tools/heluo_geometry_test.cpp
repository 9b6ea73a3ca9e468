// The drawing data of He Tu and Luo Shu: dots by colour and group, arcs,
// lines and where the labels sit. (The window test counts what is painted.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tools/heluo_geometry.h"

namespace {

using namespace heluo;

constexpr TextSize kText{13, 17};
constexpr Point kCentre{225, 225};

int Count(const Diagram& d, Rgb colour) {
    return static_cast<int>(std::count_if(d.dots.begin(), d.dots.end(), [&](const Dot& dot) { return dot.colour == colour; }));
}

double Radius(Point p) { return std::hypot(p.x - kCentre.x, p.y - kCentre.y); }

// Dots of a colour whose distance from the centre lies in [from, to).
int CountWithin(const Diagram& d, Rgb colour, double from, double to) {
    return static_cast<int>(std::count_if(d.dots.begin(), d.dots.end(), [&](const Dot& dot) {
        return dot.colour == colour && Radius(dot.centre) >= from && Radius(dot.centre) < to;
    }));
}

bool HasText(const Diagram& d, const char* text, Point topLeft) {
    return std::any_of(d.texts.begin(), d.texts.end(),
                       [&](const Text& t) { return t.text == text && t.topLeft == topLeft; });
}

bool HasDot(const Diagram& d, Point p, Rgb colour) {
    return std::any_of(d.dots.begin(), d.dots.end(), [&](const Dot& dot) { return dot.centre == p && dot.colour == colour; });
}

TEST(HeTu, FiftyFiveDotsOneToTen) {
    const Diagram d = HeTu(kText);
    EXPECT_EQ(d.dots.size(), 55u);
    EXPECT_EQ(Count(d, kRed), 1 + 3 + 5 + 7 + 9);
    EXPECT_EQ(Count(d, kBlack), 2 + 4 + 6 + 8 + 10);
    // centre five inside the ring of ten; the inner numbers at 140, the outer at 200
    EXPECT_EQ(CountWithin(d, kRed, 0, 30), 5);
    EXPECT_EQ(CountWithin(d, kBlack, 49, 51), 10);
    EXPECT_EQ(CountWithin(d, kRed, 139, 141), 1 + 3);
    EXPECT_EQ(CountWithin(d, kBlack, 139, 141), 2 + 4);
    EXPECT_EQ(CountWithin(d, kRed, 199, 201), 7 + 9);
    EXPECT_EQ(CountWithin(d, kBlack, 199, 201), 6 + 8);
    EXPECT_TRUE(HasDot(d, kCentre, kRed));
    EXPECT_TRUE(HasDot(d, {225, 365}, kRed));  // 1 alone in the north, on the middle of its span
    EXPECT_TRUE(HasDot(d, {410, 302}, kRed));  // 9 in the west starts at 337.5°
    EXPECT_TRUE(HasDot(d, {410, 148}, kRed));  // … and ends at 22.5°
    EXPECT_TRUE(HasDot(d, {225, 25}, kRed));   // 7 in the south has one at the top
}

TEST(HeTu, ArcsLinesAndLabels) {
    const Diagram d = HeTu(kText);
    ASSERT_EQ(d.circles.size(), 2u);
    EXPECT_EQ(d.circles[0].radius, 220);
    EXPECT_EQ(d.circles[1].radius, 50);
    // every group but the single dot of 1 has its arc
    EXPECT_EQ(d.arcs.size(), 7u);
    for (const Arc& a : d.arcs) {
        EXPECT_EQ(a.spanDegrees, 45.0);
        EXPECT_FALSE(a.radius == 140 && a.startDegrees == 247.5) << "no arc for the north's 1";
    }
    EXPECT_EQ(d.lines.size(), 4u);
    EXPECT_EQ(d.texts.size(), 12u);
    EXPECT_EQ(d.texts[0].text, "河图");
    EXPECT_EQ(d.texts[0].topLeft, (Point{6, 6}));
    EXPECT_EQ(d.texts[0].colour, kTitleColour);
    EXPECT_EQ(d.texts[0].pointSize, 14);
    // 十地 beside the ring's dots at 180° and 0°, three pixels clear of them
    EXPECT_TRUE(HasText(d, "十地", {225 - 56 - 26, 225 - 8}));
    EXPECT_TRUE(HasText(d, "十地", {225 + 56, 225 - 8}));
    EXPECT_TRUE(HasText(d, "五  天", {207, 207}));
    EXPECT_TRUE(HasText(d, "四地", {335, 225}));             // west: no shift
    EXPECT_TRUE(HasText(d, "九天", {395, 225}));
    EXPECT_TRUE(HasText(d, "二地", {225 - 13, 115 - 34}));   // south: up 2h, left w
    EXPECT_TRUE(HasText(d, "七天", {225 - 13, 55 - 34}));
    EXPECT_TRUE(HasText(d, "三天", {115 - 26 + 3, 225}));    // east: left 2w, less 3 of room
    EXPECT_TRUE(HasText(d, "八地", {55 - 26 + 3, 225}));
    EXPECT_TRUE(HasText(d, "一天", {225 - 13, 335}));        // north: left w
    EXPECT_TRUE(HasText(d, "六地", {225 - 13, 395 + 17 - 3}));  // … the outer one also down h, less 3
}

TEST(LuoShu, RedAndBlackDots) {
    const Diagram d = LuoShu(kText);
    EXPECT_EQ(d.dots.size(), 44u);
    EXPECT_EQ(CountWithin(d, kRed, 0, 90), 4);  // one at the end of each spoke
    EXPECT_EQ(CountWithin(d, kRed, 199, 201), 7 + 9 + 3 + 1);
    EXPECT_EQ(Count(d, kRed), 24);
    EXPECT_EQ(Count(d, kBlack), 2 + 4 + 8 + 6);
    EXPECT_TRUE(HasDot(d, {225 + 13 + 36, 225}, kRed));  // horizontal spokes by the width of 字
    EXPECT_TRUE(HasDot(d, {225, 225 - 17 - 36}, kRed));  // vertical ones by its height
    EXPECT_TRUE(HasDot(d, {225, 425}, kRed));            // 1 alone in the north
    EXPECT_TRUE(HasDot(d, {373, 77}, kBlack));           // 2 at 45°, radius 210 …
    EXPECT_TRUE(HasDot(d, {363, 87}, kBlack));           // … and 195
}

TEST(LuoShu, CirclesArcsJoinsAndLabels) {
    const Diagram d = LuoShu(kText);
    // border, the radius-90 circle, the centre's and the four elements' small red circles
    ASSERT_EQ(d.circles.size(), 7u);
    EXPECT_EQ(d.circles[1].radius, 90);
    for (std::size_t i = 2; i < 7; ++i) {
        EXPECT_EQ(d.circles[i].radius, (13 + 10) / 2);
        EXPECT_EQ(d.circles[i].colour, kRed);
    }
    EXPECT_EQ(d.circles[3].centre, (Point{355, 225}));
    EXPECT_EQ(d.arcs.size(), 3u);  // not for the north's 1
    int red = 0, black = 0;
    for (const Line& l : d.lines) (l.colour == kRed ? red : black)++;
    EXPECT_EQ(red, 4);
    EXPECT_EQ(black, (1 + 1 + 1) + (3 + 3 + 1) + (2 + 2 + 1));  // none at 45°
    EXPECT_EQ(d.texts.size(), 15u);
    EXPECT_EQ(d.texts[0].text, "洛书");
    EXPECT_TRUE(HasText(d, "土", {225 - 6, 225 - 8}));
    EXPECT_TRUE(HasText(d, "金", {355 - 6, 225 - 8}));
    EXPECT_TRUE(HasText(d, "五   黄", {203, 255}));
    EXPECT_TRUE(HasText(d, "七赤", {395, 225}));
    EXPECT_TRUE(HasText(d, "九紫", {212, 21}));
    EXPECT_TRUE(HasText(d, "三碧", {29 + 3, 225}));
    EXPECT_TRUE(HasText(d, "一白", {212, 395}));
    // the corner names centred at radius 140, 5° past the corner: (315, 118)
    // at 50°, (118, 135) at 140°, (135, 332) at 230°, (332, 315) at 320°
    EXPECT_TRUE(HasText(d, "二黑", {315 - 13, 118 - 8}));
    EXPECT_TRUE(HasText(d, "四绿", {118 - 13, 135 - 8}));
    EXPECT_TRUE(HasText(d, "八白", {135 - 13, 332 - 8}));
    EXPECT_TRUE(HasText(d, "六白", {332 - 13, 315 - 8}));
}

}  // namespace
