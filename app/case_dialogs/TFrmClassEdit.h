// "类别编辑": the category list (section "classes" of dat/bzinit.ini) as
// plain lines, one category per line. "保存" rewrites the list from the
// lines; the categories that saved cases carry stay as they are.
#pragma once

#include <QDialog>

class IniFile;
class QPlainTextEdit;

class TFrmClassEdit : public QDialog {
    Q_OBJECT
public:
    // settings: the program's one settings object on dat/bzinit.ini.
    explicit TFrmClassEdit(IniFile& settings, QWidget* parent = nullptr);

    void BtnSaveClick();    // "保存": check every line, write the list, close
    void BtnCancelClick();  // "取消": close without writing

private:
    IniFile& settings_;
    QPlainTextEdit* Memo1;
};
