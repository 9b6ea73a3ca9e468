// Message boxes for tests: every notice and question is recorded, and each
// question takes the next prepared answer (No when none is left).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "widgets/messages/message_box.h"

struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    bool question = false;
    bool defaultYes = true;
};

class ScriptedMessages : public MessageBoxes {
public:
    ScriptedMessages() : override_(*this) {}

    void Notice(QWidget*, const QString& text, const QString& caption, MessageIcon icon) override {
        shown.append({text, caption, icon, false, true});
    }
    bool Ask(QWidget*, const QString& text, const QString& caption, MessageIcon icon, bool defaultYes) override {
        shown.append({text, caption, icon, true, defaultYes});
        return answers.isEmpty() ? false : answers.takeFirst();
    }

    // The texts of the messages shown, in order.
    QStringList Texts() const {
        QStringList texts;
        for (const ShownMessage& m : shown) texts << m.text;
        return texts;
    }

    QList<ShownMessage> shown;
    QList<bool> answers;

private:
    MessageBoxesOverride override_;
};
