#include "app/main/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {

// How much of the top strip must show for the window to count as visible.
constexpr int kGrabWidth = 100;
constexpr int kGrabHeight = 30;

int Clamped(int value, int low, int high) { return high < low ? low : std::clamp(value, low, high); }

}  // namespace

QPoint OnScreenPosition(QPoint saved, QSize size, const QList<QRect>& screens) {
    if (screens.isEmpty()) return saved;
    const QRect strip(saved, QSize(size.width(), std::min(size.height(), kGrabHeight)));
    const int wantWidth = std::min(kGrabWidth, size.width());
    for (const QRect& screen : screens) {
        const QRect shown = screen.intersected(strip);
        // The title bar must not be above the screen's top either.
        if (shown.width() >= wantWidth && shown.height() > 0 && saved.y() >= screen.top()) return saved;
    }
    const QRect& primary = screens.first();
    return {Clamped(saved.x(), primary.left(), primary.right() + 1 - size.width()),
            Clamped(saved.y(), primary.top(), primary.bottom() + 1 - size.height())};
}

QPoint OnScreenPosition(QPoint saved, QSize size) {
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen()) screens.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) screens.append(screen->availableGeometry());
    return OnScreenPosition(saved, size, screens);
}
