#include "widgets/paste_guard.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

bool ClipboardHasData(QClipboard::Mode mode) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
    return data && !data->formats().isEmpty();
}

namespace {

// Swallows the paste gestures that would read an empty clipboard.
class PasteGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
                !ClipboardHasData(QClipboard::Clipboard))
                return true;
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                QGuiApplication::clipboard()->supportsSelection() && !ClipboardHasData(QClipboard::Selection))
                return true;
            break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void GuardPaste(QWidget& textBox) {
    auto* guard = new PasteGuard(&textBox);
    textBox.installEventFilter(guard);
    // Mouse events arrive at the box's viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&textBox)) area->viewport()->installEventFilter(guard);
}
