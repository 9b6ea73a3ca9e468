// "分类保存": asked when a newly computed couple is saved as a case — the
// category it is filed under (one of the category list, or typed) and its
// note (附加信息). After OK the main window puts Category() and Note() into
// the new CaseRecord and adds it to the store.
#pragma once

#include <QDialog>
#include <string>

class IniFile;
class QComboBox;
class QPlainTextEdit;

class TFrmFenLei : public QDialog {
    Q_OBJECT
public:
    // settings: the program's settings object (its category list).
    explicit TFrmFenLei(const IniFile& settings, QWidget* parent = nullptr);

    // After OK: the category and the note (with "\r\n" line ends), UTF-8,
    // without surrounding blanks.
    const std::string& Category() const { return category_; }
    const std::string& Note() const { return note_; }

    void BtnOkClick();      // "确定"
    void BtnCancelClick();  // "取消"

private:
    void Refuse(const QString& text, QWidget* focus);

    std::string category_;
    std::string note_;

    QComboBox* CboFenLei;
    QPlainTextEdit* Memo1;
};
