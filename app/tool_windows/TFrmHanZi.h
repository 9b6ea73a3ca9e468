// "姓名与五行": the name tool. The stroke count and element of one character,
// the five grids (五格) of a full name with their elements, and the list of
// all characters of one element. Output goes to one memo.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class RadioGroup;

class TFrmHanZi : public QDialog {
    Q_OBJECT
public:
    // programFolder: the folder holding dat/hzlen.dat. A missing stroke
    // table is announced once; the window opens anyway.
    explicit TFrmHanZi(const std::string& programFolder, QWidget* parent = nullptr);

    void BtowgClick();     // "求五格"
    void BtoWordClick();   // "计算"
    void BtoSearchClick(); // "字库查找"

private:
    void BuildControls();
    void ShowFailure(const std::string& message);

    std::string strokeFile_;

    QRadioButton* RdoDang;
    QRadioButton* RdoFu;
    QLineEdit* LedtName;
    RadioGroup* RgpElement;
    QLineEdit* LedtWord;
    QPlainTextEdit* Memo1;
};
