// The two classical number diagrams as drawing data: 河图 (He Tu, the numbers
// 1 to 10 as groups of dots by direction) and 洛书 (Luo Shu, the magic square
// 1 to 9 as dot groups with the nine-star names). Directions keep the
// traditional orientation: south at the top, east on the left. Odd (heaven,
// 天) numbers are red, even (earth, 地) numbers black.
//
// Coordinates are pixels of a 450 × 450 picture with its origin at the top
// left; angles are degrees counter-clockwise from the right, so the point at
// radius r and angle θ is (cx + r cos θ, cy − r sin θ), to the nearest pixel.
#pragma once

#include <string>
#include <vector>

namespace heluo {

struct Rgb {
    unsigned char r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kTitleColour{0, 0, 255};
inline constexpr Rgb kBackground{226, 235, 179};

inline constexpr int kPictureSize = 450;
inline constexpr int kDotRadius = 3;
inline constexpr int kTitlePointSize = 14;
inline constexpr int kTextPointSize = 10;

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Circle {  // an outline
    Point centre;
    int radius = 0;
    Rgb colour;
};

struct Arc {  // part of a circle, from startDegrees over spanDegrees counter-clockwise
    Point centre;
    int radius = 0;
    double startDegrees = 0, spanDegrees = 0;
    Rgb colour;
};

struct Line {
    Point from, to;
    Rgb colour;
};

struct Dot {  // a filled circle of radius kDotRadius
    Point centre;
    Rgb colour;
};

struct Text {
    Point topLeft;  // of the text's cell
    std::string text;
    Rgb colour;
    int pointSize = kTextPointSize;
};

struct Diagram {
    std::vector<Circle> circles;
    std::vector<Arc> arcs;
    std::vector<Line> lines;
    std::vector<Dot> dots;
    std::vector<Text> texts;  // the title first
};

// The width and height of the character "字" in the picture font: the labels
// are placed by it.
struct TextSize {
    int width = 0, height = 0;
};

Diagram HeTu(TextSize textSize);
Diagram LuoShu(TextSize textSize);

}  // namespace heluo
