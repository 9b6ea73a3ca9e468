// Shared by the dialog tests: pressing a dialog's button by name and the
// check of one shown message.
#pragma once

#include <QPushButton>
#include <QTest>
#include "widgets/messages/scripted_messages.h"
#include "gui_fixture.h"

inline void Click(QWidget* dialog, const char* button) { Child<QPushButton>(dialog, button)->click(); }

inline void CheckMessage(const ShownMessage& shown, const QString& text, const QString& caption, MessageIcon icon) {
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.caption, caption);
    QCOMPARE(shown.icon, icon);
}
