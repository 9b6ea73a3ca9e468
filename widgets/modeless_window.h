// Tool windows that stay beside the window that opened them (modeless and
// deleted when closed): asking for one while it is open brings that same
// window to the front instead of opening a second one.
#pragma once

#include <QWidget>

// The window of type W that `owner` has open, or a new one from `make`;
// shown, raised and activated either way.
template <typename W, typename Make>
W* OpenModeless(QWidget* owner, Make make) {
    W* window = nullptr;
    // A closed window is on its way out; only an open one is reused.
    for (W* child : owner->findChildren<W*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible()) window = child;
    if (!window) window = make();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
