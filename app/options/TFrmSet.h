// "命稿预测选项设置": the report options of section "set" of dat/bzinit.ini —
// pillar layout, the late 子 hour, the birth time as the birthplace's clock
// time (summer time deducted), the time basis, the 命宫 rule, the scale
// of the marriage index, the changed-pattern rule, the save prompt and the
// report's left margin. The chart engine reads them anew at every
// computation, so a change shows in the next report.
#pragma once

#include <QDialog>

class IniFile;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class RadioGroup;

class TFrmSet : public QDialog {
    Q_OBJECT
public:
    // settings: the program's one settings object on dat/bzinit.ini.
    explicit TFrmSet(IniFile& settings, QWidget* parent = nullptr);

    void BtnokClick();      // "确定": check the margin, write every key, close
    void BtncancelClick();  // "取消": close without writing

private:
    void BuildControls();
    void FormShow();

    IniFile& settings_;

    QRadioButton* RdoHengPai;
    QRadioButton* RdoShuPai;
    QCheckBox* chkzishi;
    QCheckBox* ChkLocalClock;
    QComboBox* CboSelDate;
    RadioGroup* RdoMingGong;
    QCheckBox* ChkScore;
    QCheckBox* ChkBianGe;
    QCheckBox* ChkSave;
    QLineEdit* LedtLeftPos;
};
