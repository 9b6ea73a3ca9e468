// "八字断语": a read-only viewer of the comment library dat/bzpingyu.dat. The
// user picks a category on the left and reads its numbered comments on the
// right. The window is modeless, stays on top and is deleted when closed;
// while it is open, asking for it again brings the same window to the front.
#pragma once

#include <QDialog>
#include <string>

class QListWidget;
class QPlainTextEdit;

class TFrmPingYu : public QDialog {
    Q_OBJECT
public:
    // The comment library that `owner` has open, brought to the front, or a
    // new one.
    static TFrmPingYu* Open(const std::string& programFolder, QWidget* owner);

    // programFolder: the folder holding dat/bzpingyu.dat. Without that file
    // the category list stays empty.
    explicit TFrmPingYu(const std::string& programFolder, QWidget* parent = nullptr);

    void lstselClick();  // a category chosen

private:
    std::string commentFile_;
    QListWidget* lstsel;
    QPlainTextEdit* Memlst;
};
