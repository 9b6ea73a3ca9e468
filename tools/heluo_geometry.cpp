#include "tools/heluo_geometry.h"

#include <array>
#include <cmath>
#include <numbers>

namespace heluo {

namespace {

constexpr Point kCentre{kPictureSize / 2, kPictureSize / 2};
constexpr int kOuterRadius = 220;      // the border circle, (5, 5) to (445, 445)
constexpr double kGroupSpan = 45.0;    // a direction's dots spread over 45°
constexpr const char* kNumerals[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

struct Direction {
    int dx, dy;    // one pixel outwards on the screen
    double angle;  // the middle of its 45° span
};
constexpr Direction kWest{1, 0, 0};
constexpr Direction kSouth{0, -1, 90};
constexpr Direction kEast{-1, 0, 180};
constexpr Direction kNorth{0, 1, 270};

Rgb ColourOf(int number) { return number % 2 ? kRed : kBlack; }

Point Offset(Point p, int dx, int dy) { return {p.x + dx, p.y + dy}; }
Point Along(Direction d, int distance) { return Offset(kCentre, d.dx * distance, d.dy * distance); }

Point AtPolar(double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {static_cast<int>(std::lround(kCentre.x + radius * std::cos(a))),
            static_cast<int>(std::lround(kCentre.y - radius * std::sin(a)))};
}

void AddText(Diagram& d, Point topLeft, std::string text) {
    d.texts.push_back({topLeft, std::move(text), kBlack, kTextPointSize});
}

// A text centred on a point.
void AddCentredText(Diagram& d, Point centre, std::string text, TextSize ts) {
    AddText(d, Offset(centre, -ts.width / 2, -ts.height / 2), std::move(text));
}

void AddTitle(Diagram& d, const char* title) {
    d.texts.push_back({{6, 6}, title, kTitleColour, kTitlePointSize});
}

// "一天", "四地": the numeral with heaven or earth.
std::string NumberLabel(int number) { return std::string(kNumerals[number]) + (number % 2 ? "天" : "地"); }

// A direction's group of `count` dots at a radius: the first at the start of
// the span and the rest evenly spaced to its end; a single dot in the middle.
// Every group of more than one dot lies on its arc.
void AddGroup(Diagram& d, Direction dir, int radius, int count, Rgb colour) {
    const double start = dir.angle - kGroupSpan / 2;
    if (count == 1) {
        d.dots.push_back({AtPolar(radius, dir.angle), colour});
        return;
    }
    d.arcs.push_back({kCentre, radius, start, kGroupSpan, colour});
    for (int i = 0; i < count; ++i) d.dots.push_back({AtPolar(radius, start + kGroupSpan * i / (count - 1)), colour});
}

// A label at a distance in a direction, moved so that it sits outside that
// point: above it in the south, left of it in the east, centred on the
// direction's line in the south and north (and below the point for the outer
// labels of the north). In the east and below the north the label would end
// right at the dots of the group beyond it; it keeps a few pixels from them.
void AddDirectionLabel(Diagram& d, Direction dir, int distance, std::string text, TextSize ts, bool outer) {
    constexpr int kRoom = 3;
    Point p = Along(dir, distance);
    if (dir.dy < 0) p = Offset(p, -ts.width, -2 * ts.height);
    if (dir.dx < 0) p = Offset(p, -2 * ts.width + kRoom, 0);
    if (dir.dy > 0) p = Offset(p, -ts.width, outer ? ts.height - kRoom : 0);
    AddText(d, p, std::move(text));
}

void AddBorder(Diagram& d, int innerRadius) {
    d.circles.push_back({kCentre, kOuterRadius, kBlack});
    d.circles.push_back({kCentre, innerRadius, kBlack});
}

// He Tu's centre: five red dots (the centre and one on each short red
// spoke) inside a ring of ten black dots. The ring's 十地 is written on the
// horizontal axis just outside the ring: between its dots and the spokes'
// there is no room for two characters.
void AddHeTuCentre(Diagram& d, TextSize ts) {
    constexpr int kRing = 50;
    d.dots.push_back({kCentre, kRed});
    for (Direction dir : {kWest, kSouth, kEast, kNorth}) {
        d.lines.push_back({Along(dir, 6), Along(dir, 21), kRed});
        d.dots.push_back({Along(dir, 18), kRed});
    }
    for (int i = 0; i < 10; ++i) d.dots.push_back({AtPolar(kRing, 36.0 * i), kBlack});
    const int clear = kRing + kDotRadius + 3;
    AddText(d, Offset(kCentre, -clear - 2 * ts.width, -ts.height / 2), "十地");
    AddText(d, Offset(kCentre, clear, -ts.height / 2), "十地");
    AddText(d, Offset(kCentre, -18, -18), "五  天");
}

// Luo Shu's centre: 五 黄 under a small red circle holding 土, and a short
// red spoke with one red dot at its end in each direction.
void AddLuoShuCentre(Diagram& d, TextSize ts) {
    const int smallRadius = (ts.width + 10) / 2;
    d.circles.push_back({kCentre, smallRadius, kRed});
    AddCentredText(d, kCentre, "土", ts);
    AddText(d, Offset(kCentre, -22, 30), "五   黄");
    for (Direction dir : {kWest, kSouth, kEast, kNorth}) {
        const int inner = dir.dx ? ts.width : ts.height;  // clear of the centre's text
        d.lines.push_back({Along(dir, inner), Along(dir, inner + 35), kRed});
        d.dots.push_back({Along(dir, inner + 36), kRed});
    }
}

struct LuoShuCardinal {
    Direction dir;
    int number;
    const char* element;
    const char* star;
};
constexpr std::array<LuoShuCardinal, 4> kCardinals = {{
    {kWest, 7, "金", "七赤"},
    {kSouth, 9, "火", "九紫"},
    {kEast, 3, "木", "三碧"},
    {kNorth, 1, "水", "一白"},
}};

struct LuoShuCorner {
    double angle;
    int number;
    const char* star;
    int rows;
};
constexpr std::array<LuoShuCorner, 4> kCorners = {{
    {45, 2, "二黑", 1},   // south-west, up right
    {135, 4, "四绿", 2},  // south-east, up left
    {225, 8, "八白", 2},  // north-east, down left
    {315, 6, "六白", 2},  // north-west, down right
}};

// A corner's star name is centred at this radius, five degrees past the
// corner: inside its rows of dots (the innermost of 八白 lies at 165) and
// clear of the centre's circle, as the cardinal names lie inside theirs.
constexpr int kCornerNameRadius = 140;

// A corner's dots: rows running inwards along a ray from radius 210 in steps
// of 15, the second row 10° beyond the first. Where there are two rows,
// neighbouring dots of a row are joined, and the innermost dots of the two
// rows too.
void AddCorner(Diagram& d, const LuoShuCorner& c, TextSize ts) {
    const int perRow = c.number / c.rows;
    for (int row = 0; row < c.rows; ++row) {
        const double angle = c.angle + 10.0 * row;
        for (int i = 0; i < perRow; ++i) {
            const int radius = 210 - 15 * i;
            d.dots.push_back({AtPolar(radius, angle), kBlack});
            if (c.rows > 1 && i + 1 < perRow)
                d.lines.push_back({AtPolar(radius - 6, angle), AtPolar(radius - 12, angle), kBlack});
        }
    }
    if (c.rows > 1) {
        const int innermost = 225 - 15 * perRow;
        d.lines.push_back({AtPolar(innermost, c.angle), AtPolar(innermost, c.angle + 10), kBlack});
    }
    AddText(d, Offset(AtPolar(kCornerNameRadius, c.angle + 5), -ts.width, -ts.height / 2), c.star);
}

}  // namespace

Diagram HeTu(TextSize ts) {
    Diagram d;
    AddTitle(d, "河图");
    AddBorder(d, 50);
    AddHeTuCentre(d, ts);
    struct Group {
        Direction dir;
        int inner;  // the inner number; the outer one is 5 more
    };
    for (Group g : {Group{kWest, 4}, Group{kSouth, 2}, Group{kEast, 3}, Group{kNorth, 1}}) {
        const int outer = g.inner + 5;
        AddGroup(d, g.dir, 140, g.inner, ColourOf(g.inner));
        AddGroup(d, g.dir, 200, outer, ColourOf(outer));
        AddDirectionLabel(d, g.dir, 110, NumberLabel(g.inner), ts, false);
        AddDirectionLabel(d, g.dir, 170, NumberLabel(outer), ts, true);
    }
    return d;
}

Diagram LuoShu(TextSize ts) {
    Diagram d;
    AddTitle(d, "洛书");
    AddBorder(d, 90);
    AddLuoShuCentre(d, ts);
    const int smallRadius = (ts.width + 10) / 2;
    for (const LuoShuCardinal& c : kCardinals) {
        d.circles.push_back({Along(c.dir, 130), smallRadius, kRed});
        AddCentredText(d, Along(c.dir, 130), c.element, ts);
        AddGroup(d, c.dir, 200, c.number, kRed);
        AddDirectionLabel(d, c.dir, 170, c.star, ts, false);
    }
    for (const LuoShuCorner& c : kCorners) AddCorner(d, c, ts);
    return d;
}

}  // namespace heluo
