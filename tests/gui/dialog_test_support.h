// Shared by the dialog tests: pressing a dialog's button by name, a file's
// bytes, and the check of one shown message.
#pragma once

#include <QPushButton>
#include <QTest>
#include <string>

#include "app/scripted_messages.h"
#include "engine/file_util.h"
#include "gui_fixture.h"

inline void Click(QWidget* dialog, const char* button) { Child<QPushButton>(dialog, button)->click(); }

// The file's bytes; empty when it cannot be read.
inline std::string FileBytes(const std::string& path) {
    std::string bytes;
    fileutil::ReadAll(path, bytes);
    return bytes;
}

inline void CheckMessage(const ShownMessage& shown, const QString& text, const QString& caption, MessageIcon icon) {
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.caption, caption);
    QCOMPARE(shown.icon, icon);
}
