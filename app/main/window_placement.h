// Where a window saved at some position reopens. Screens change between
// runs (a second monitor unplugged, a smaller resolution), so a saved
// position can lie far off every screen; the window then comes back onto
// the primary screen instead of opening where nobody can see it.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// The saved position when enough of the window (its top strip, where the
// title bar is grabbed) lies on one of the screens; otherwise the position
// moved just as far as needed to bring the window within the first
// (primary) screen's area, its top-left corner first when it is too big.
QPoint OnScreenPosition(QPoint saved, QSize size, const QList<QRect>& screens);

// The same for the screens of the running session (their free areas).
QPoint OnScreenPosition(QPoint saved, QSize size);
