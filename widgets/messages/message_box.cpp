#include "widgets/messages/message_box.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// The program's texts end lines with "\r\n"; a label wants "\n".
QString Shown(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

class QtMessageBoxes : public MessageBoxes {
public:
    void Notice(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) override {
        QMessageBox box(ToQt(icon), caption, Shown(text), QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    bool Ask(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon,
             bool defaultYes) override {
        QMessageBox box(ToQt(icon), caption, Shown(text), QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
};

MessageBoxes* current = nullptr;

}  // namespace

MessageBoxes& Messages() {
    static QtMessageBoxes qtBoxes;
    return current ? *current : qtBoxes;
}

MessageBoxesOverride::MessageBoxesOverride(MessageBoxes& boxes) : previous_(current) { current = &boxes; }

MessageBoxesOverride::~MessageBoxesOverride() { current = previous_; }
