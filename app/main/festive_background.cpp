#include "app/main/festive_background.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 500;
constexpr int kRollTop = kHeight - 66;

// Paper: warm light red in the middle, deeper towards the edges, with a
// fixed sprinkle of fibres so that it reads as paper.
void PaintPaper(QPainter& p) {
    QLinearGradient across(0, 0, kWidth, 0);
    across.setColorAt(0.0, QColor(214, 72, 56));
    across.setColorAt(0.18, QColor(246, 196, 172));
    across.setColorAt(0.82, QColor(246, 196, 172));
    across.setColorAt(1.0, QColor(214, 72, 56));
    p.fillRect(0, 0, kWidth, kHeight, across);
    unsigned seed = 20240101u;
    p.setPen(QColor(225, 120, 100, 90));
    for (int i = 0; i < 420; ++i) {
        seed = seed * 1103515245u + 12345u;
        int x = static_cast<int>((seed >> 8) % kWidth);
        seed = seed * 1103515245u + 12345u;
        int y = static_cast<int>((seed >> 8) % kHeight);
        p.drawLine(x, y, x + 2, y + 1);
    }
    p.setPen(QPen(QColor(180, 30, 30), 3));
    p.drawRect(1, 1, kWidth - 3, kHeight - 3);
    p.setPen(QPen(QColor(222, 170, 60), 1));
    p.drawRect(5, 5, kWidth - 11, kHeight - 11);
}

// A dry brush stroke: a thick swelling band with a ragged tail, in thin ink
// so that the names written over it stay legible.
void PaintBrushStroke(QPainter& p) {
    QPainterPath stroke;
    stroke.moveTo(14, 40);
    stroke.cubicTo(30, 22, 70, 18, 104, 30);
    stroke.cubicTo(108, 33, 106, 39, 100, 40);
    stroke.cubicTo(74, 36, 44, 40, 22, 52);
    stroke.cubicTo(12, 56, 8, 46, 14, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 12, 10, 100));
    p.drawPath(stroke);
    p.setPen(QPen(QColor(20, 12, 10, 80), 1.2));
    for (int i = 0; i < 6; ++i) p.drawLine(QPointF(96 - i * 3, 31 + i), QPointF(112 - i * 2, 34 + i * 1.5));
    QPainterPath drop;
    drop.addEllipse(QPointF(106, 48), 3.5, 2.5);
    p.fillPath(drop, QColor(20, 12, 10, 90));
}

// One scroll roll: a red cylinder with gold rims and a row of gold dots.
void PaintRoll(QPainter& p, int top) {
    QLinearGradient shade(0, top, 0, top + 22);
    shade.setColorAt(0.0, QColor(120, 10, 10));
    shade.setColorAt(0.45, QColor(235, 60, 45));
    shade.setColorAt(1.0, QColor(110, 8, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(8, top, kWidth - 16, 22), 4, 4);
    p.setBrush(QColor(226, 180, 70));
    p.drawRect(QRectF(8, top + 2, 5, 18));
    p.drawRect(QRectF(kWidth - 13, top + 2, 5, 18));
    for (int x = 22; x < kWidth - 18; x += 12) p.drawEllipse(QPointF(x, top + 11), 2.2, 2.2);
    QRadialGradient knob(QPointF(4, top + 11), 6);
    knob.setColorAt(0.0, QColor(250, 220, 130));
    knob.setColorAt(1.0, QColor(170, 120, 30));
    p.setBrush(knob);
    p.drawEllipse(QPointF(5, top + 11), 5, 7);
    knob.setCenter(QPointF(kWidth - 4, top + 11));
    knob.setFocalPoint(QPointF(kWidth - 4, top + 11));
    p.setBrush(knob);
    p.drawEllipse(QPointF(kWidth - 5, top + 11), 5, 7);
}

QImage Paint() {
    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintPaper(p);
    PaintBrushStroke(p);
    PaintRoll(p, kRollTop);
    PaintRoll(p, kRollTop + 28);
    return image;
}

}  // namespace

const QImage& FestiveBackground() {
    static const QImage image = Paint();
    return image;
}

int FestiveBackgroundHeight() { return kHeight; }
int FestiveRollTop() { return kRollTop; }
