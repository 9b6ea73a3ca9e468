// Every message box and Yes/No question of the program goes through one
// interface, so that tests can see each message and answer each question.
// Windows call Messages(); a test installs a ScriptedMessages for its run.
#pragma once

#include <QString>

class QWidget;

// The application title, also the caption of plain notices.
inline const QString kAppTitle = QStringLiteral("澄岚八字合婚V1.0");

enum class MessageIcon { None, Information, Warning, Error };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A notice with an OK button.
    virtual void Notice(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) = 0;
    // A Yes/No question; true for Yes. defaultYes chooses the button that
    // Enter presses.
    virtual bool Ask(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon,
                     bool defaultYes = true) = 0;

    // A plain notice ("设置完成", "已保存！"): the application title as caption, no icon.
    void Plain(QWidget* parent, const QString& text) { Notice(parent, text, kAppTitle, MessageIcon::None); }
};

// The boxes windows use; QMessageBox unless a test has installed others.
MessageBoxes& Messages();

// While alive, Messages() returns `boxes` (tests).
class MessageBoxesOverride {
public:
    explicit MessageBoxesOverride(MessageBoxes& boxes);
    ~MessageBoxesOverride();
    MessageBoxesOverride(const MessageBoxesOverride&) = delete;
    MessageBoxesOverride& operator=(const MessageBoxesOverride&) = delete;

private:
    MessageBoxes* previous_;
};
