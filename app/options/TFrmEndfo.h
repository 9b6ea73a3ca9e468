// "编辑尾部信息": the closing text dat/EndInfo.txt that the chart engine
// appends, line by line, to every report while "加入到命稿尾部" (set/endinfo
// of dat/bzinit.ini) is ticked.
#pragma once

#include <QDialog>
#include <string>

class IniFile;
class QCheckBox;
class QPlainTextEdit;

class TFrmEndfo : public QDialog {
    Q_OBJECT
public:
    // programFolder: the folder holding dat/; settings: the program's one
    // settings object on dat/bzinit.ini.
    TFrmEndfo(const std::string& programFolder, IniFile& settings, QWidget* parent = nullptr);

    void BtnokClick();      // "确定": refuse an empty text, else write the file and the flag, close
    void BtncancelClick();  // "取消": close without writing

private:
    void BuildControls();
    void FormShow();

    std::string textFile_;
    IniFile& settings_;

    QPlainTextEdit* Memo1;
    QCheckBox* ChkAuto;
};
