// "河图与洛书": what the picture shows, counted on the painted pixels. A dot is
// a filled circle; lines, arcs and character strokes are thin. So the dots
// are the blobs of pixels of one exact colour that are thick enough to hold
// a square well wider than any line. The picture is painted at four times
// the pixels, where a dot is 28 pixels across and a line 4.
//
// With MARIVO_HELUO_PNG=<folder> the test also saves both diagrams as PNG
// files there, to look at them.
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <cmath>
#include <vector>

#include "widgets/fonts.h"
#include "gui_fixture.h"
#include "app/tool_windows/TFrmHeLuo.h"
#include "tools/heluo_geometry.h"

namespace {

constexpr int kScale = 4;

QImage Painted(QWidget* picture, qreal ratio) {
    QImage image(picture->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    picture->render(&image);
    return image;
}

// Centres (in picture pixels) of the blobs of `colour` that hold a square of
// side 2 × half + 1.
std::vector<QPointF> Dots(const QImage& image, QColor colour, int half) {
    const int w = image.width(), h = image.height();
    const QRgb want = colour.rgb();
    // summed-area table of the pixels of exactly that colour
    std::vector<int> sums((w + 1) * (h + 1), 0);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            sums[(y + 1) * (w + 1) + x + 1] = (line[x] == want) + sums[y * (w + 1) + x + 1] +
                                              sums[(y + 1) * (w + 1) + x] - sums[y * (w + 1) + x];
    }
    const int side = 2 * half + 1;
    std::vector<char> core(w * h, 0);
    for (int y = half; y < h - half; ++y)
        for (int x = half; x < w - half; ++x) {
            const int x0 = x - half, y0 = y - half, x1 = x + half + 1, y1 = y + half + 1;
            core[y * w + x] = sums[y1 * (w + 1) + x1] - sums[y0 * (w + 1) + x1] - sums[y1 * (w + 1) + x0] +
                                  sums[y0 * (w + 1) + x0] == side * side;
        }
    std::vector<QPointF> centres;
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (!core[start]) continue;
        double sx = 0, sy = 0;
        int n = 0;
        stack.push_back(start);
        core[start] = 0;
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            sx += p % w;
            sy += p / w;
            ++n;
            for (int q : {p - 1, p + 1, p - w, p + w})
                if (q >= 0 && q < w * h && core[q]) {
                    core[q] = 0;
                    stack.push_back(q);
                }
        }
        const qreal ratio = image.devicePixelRatio();
        centres.push_back({(sx / n + 0.5) / ratio, (sy / n + 0.5) / ratio});
    }
    return centres;
}

int Within(const std::vector<QPointF>& dots, double from, double to) {
    int n = 0;
    for (const QPointF& d : dots) {
        const double r = std::hypot(d.x() - 225.5, d.y() - 225.5);
        n += r >= from && r < to;
    }
    return n;
}

// The cells of a label's characters (blanks take room but no ink), placed
// as the window places them: each character as wide as the font advances it,
// the cell as high as the font's em.
std::vector<QRectF> CharacterCells(const heluo::Text& t, const QFont& font) {
    const QFontMetricsF metrics(font);
    const QString text = QString::fromStdString(t.text);
    std::vector<QRectF> cells;
    qreal x = t.topLeft.x;
    for (const QChar c : text) {
        const qreal advance = metrics.horizontalAdvance(c);
        if (c != u' ') cells.emplace_back(x, t.topLeft.y, advance, QFontInfo(font).pixelSize());
        x += advance;
    }
    return cells;
}

// Points every half pixel along what the diagram strokes and fills: lines,
// arcs, circles and the rims of the dots; but not the circles that hold a
// label (土 金 火 木 水 in their small circles), whose centre lies in `label`.
std::vector<QPointF> InkPoints(const heluo::Diagram& d, const QRectF& label) {
    std::vector<QPointF> points;
    const auto around = [&](heluo::Point c, double radius, double from, double span) {
        const int steps = std::max(8, static_cast<int>(std::abs(span) * radius * M_PI / 90));
        for (int i = 0; i <= steps; ++i) {
            const double a = (from + span * i / steps) * M_PI / 180;
            points.emplace_back(c.x + radius * std::cos(a), c.y - radius * std::sin(a));
        }
    };
    for (const heluo::Circle& c : d.circles)
        if (!label.contains(QPointF(c.centre.x, c.centre.y))) around(c.centre, c.radius, 0, 360);
    for (const heluo::Arc& a : d.arcs) around(a.centre, a.radius, a.startDegrees, a.spanDegrees);
    for (const heluo::Dot& dot : d.dots) around(dot.centre, heluo::kDotRadius, 0, 360);
    for (const heluo::Line& l : d.lines) {
        const double length = std::hypot(l.to.x - l.from.x, l.to.y - l.from.y);
        const int steps = std::max(1, static_cast<int>(2 * length));
        for (int i = 0; i <= steps; ++i)
            points.emplace_back(l.from.x + (l.to.x - l.from.x) * double(i) / steps,
                                l.from.y + (l.to.y - l.from.y) * double(i) / steps);
    }
    return points;
}

// What overlaps in a diagram: a label's character cell that a stroke or a
// dot runs through (with a pixel of room all round), or that another
// label's cell covers. Empty when the picture is clean.
QStringList Overlaps(const heluo::Diagram& d, const QFont& font) {
    QStringList found;
    std::vector<std::pair<QString, QRectF>> cells;
    for (std::size_t i = 1; i < d.texts.size(); ++i)  // the title stands apart
        for (const QRectF& cell : CharacterCells(d.texts[i], font))
            cells.emplace_back(QString::fromStdString(d.texts[i].text), cell);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QRectF room = cells[i].second.adjusted(-1, -1, 1, 1);
        for (const QPointF& p : InkPoints(d, cells[i].second))
            if (room.contains(p)) {
                found << QStringLiteral("%1 over (%2, %3)").arg(cells[i].first).arg(p.x()).arg(p.y());
                break;
            }
        for (std::size_t j = i + 1; j < cells.size(); ++j)
            if (cells[j].first != cells[i].first && room.intersects(cells[j].second))
                found << cells[i].first + QStringLiteral(" over ") + cells[j].first;
    }
    return found;
}

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kBackground(226, 235, 179);

}  // namespace

class HeLuoPictureTest : public QObject {
    Q_OBJECT

    static QWidget* Picture(TFrmHeLuo& w) { return Child<QWidget>(&w, "img1"); }
    static std::vector<QPointF> RedDots(TFrmHeLuo& w) { return Dots(Painted(Picture(w), kScale), kRed, 5); }
    static std::vector<QPointF> BlackDots(TFrmHeLuo& w) { return Dots(Painted(Picture(w), kScale), kBlack, 5); }
    static void Click(TFrmHeLuo& w, const char* label) { QTest::mouseClick(Child<QLabel>(&w, label), Qt::LeftButton); }

    static void CheckHeTu(TFrmHeLuo& w) {
        const auto red = RedDots(w), black = BlackDots(w);
        QCOMPARE(red.size() + black.size(), 55u);
        QCOMPARE(red.size(), 25u);                 // 1 3 5 7 9
        QCOMPARE(black.size(), 30u);               // 2 4 6 8 10
        QCOMPARE(Within(red, 0, 25), 5);           // the centre five
        QCOMPARE(Within(black, 45, 55), 10);       // the ring of ten
        QCOMPARE(Within(red, 135, 145), 1 + 3);    // inner heaven numbers
        QCOMPARE(Within(black, 135, 145), 2 + 4);  // inner earth numbers
        QCOMPARE(Within(red, 195, 205), 7 + 9);
        QCOMPARE(Within(black, 195, 205), 6 + 8);
    }
    static void CheckLuoShu(TFrmHeLuo& w) {
        const auto red = RedDots(w), black = BlackDots(w);
        QCOMPARE(Within(red, 0, 90), 4);            // around the centre circle
        QCOMPARE(Within(red, 195, 205), 20);        // 7 9 3 1
        QCOMPARE(red.size(), 24u);
        QCOMPARE(black.size(), 20u);                // 2 4 8 6 in the corners
        QCOMPARE(Within(black, 160, 215), 20);
    }

private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void opensOnHeTuAndSwitchesByTheLabels() {
        TFrmHeLuo w;
        QCOMPARE(w.windowTitle(), QStringLiteral("河图与洛书"));
        QCOMPARE(Picture(w)->size(), QSize(450, 450));
        CheckHeTu(w);
        Click(w, "Label2");
        CheckLuoShu(w);
        Click(w, "Label1");
        CheckHeTu(w);
    }

    void titlesInBlueOnTheClearedPicture() {
        TFrmHeLuo w;
        for (const char* label : {"Label1", "Label2"}) {
            Click(w, label);
            const QImage image = Painted(Picture(w), 1);
            QCOMPARE(image.pixelColor(0, 200), kBlack);       // the border
            QCOMPARE(image.pixelColor(3, 3), kBackground);
            int blue = 0;
            for (int y = 6; y < 30; ++y)
                for (int x = 6; x < 50; ++x) blue += image.pixelColor(x, y) == QColor(0, 0, 255);
            QVERIFY2(blue > 20, label);
        }
    }

    // Lines fall on whole pixels at every whole pixel ratio: the left spoke of
    // He Tu's centre (y = 225) fills its pixel rows exactly, and the rows
    // around it keep the background.
    void sharpAtEveryPixelRatio() {
        TFrmHeLuo w;
        for (int ratio : {1, 2, 3}) {
            const QImage image = Painted(Picture(w), ratio);
            const int x = 212 * ratio;  // on the spoke from 204 to 219
            for (int dy = 0; dy < ratio; ++dy) QCOMPARE(image.pixelColor(x, 225 * ratio + dy), kRed);
            QCOMPARE(image.pixelColor(x, 225 * ratio - 1), kBackground);
            QCOMPARE(image.pixelColor(x, 226 * ratio), kBackground);
            for (int dx = 0; dx < ratio; ++dx) QCOMPARE(image.pixelColor(dx, 100 * ratio), kBlack);
            QCOMPARE(image.pixelColor(ratio, 100 * ratio), kBackground);
        }
    }

    // With the font the window draws in, no label touches a dot, a line, an
    // arc or another label, in either diagram.
    void labelsLeaveRoomForEverythingElse() {
        const QFont font = FontNamed(kDefaultFontName, heluo::kTextPointSize);
        const heluo::TextSize size{QFontMetrics(font).horizontalAdvance(QStringLiteral("字")),
                                   QFontInfo(font).pixelSize()};
        QCOMPARE(Overlaps(heluo::HeTu(size), font).join(QStringLiteral("; ")), QString());
        QCOMPARE(Overlaps(heluo::LuoShu(size), font).join(QStringLiteral("; ")), QString());
    }

    void savePicturesWhenAsked() {
        const QString folder = qEnvironmentVariable("MARIVO_HELUO_PNG");
        if (folder.isEmpty()) QSKIP("MARIVO_HELUO_PNG not set");
        TFrmHeLuo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const struct {
            const char* label;
            const char* name;
        } diagrams[] = {{"Label1", "hetu"}, {"Label2", "luoshu"}};
        for (const auto& d : diagrams) {
            Click(w, d.label);
            QVERIFY(w.grab().save(folder + QStringLiteral("/%1-window.png").arg(QLatin1String(d.name))));
            QVERIFY(Painted(Picture(w), 2).save(folder + QStringLiteral("/%1-x2.png").arg(QLatin1String(d.name))));
        }
    }
};

QTEST_MAIN(HeLuoPictureTest)
#include "heluo_picture_test.moc"
