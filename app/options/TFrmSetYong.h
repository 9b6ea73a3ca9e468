// "设定用神": for each person of the couple on screen, the engine's verdicts
// — the score of each ten god, the groups taken for 用神, 喜神, 忌神, 仇神 and
// 闲神, and the day master's strength class — shown on a tab of its own
// ("甲命用神", "乙命用神") for the user to change. After "重新分析" the main
// window hands both blocks to CBaZiEx::RecomputeWithSettings.
#pragma once

#include <QDialog>

#include "engine/symbols/records.h"

class QLabel;
class QLineEdit;
class QTabWidget;
class RadioGroup;

class TFrmSetYong : public QDialog {
    Q_OBJECT
public:
    // The blocks of 甲命 and 乙命 as CBaZiEx::ReadUsefulGodSettings filled them.
    TFrmSetYong(const UsefulGodSettings& a, const UsefulGodSettings& b, QWidget* parent = nullptr);

    // The block of person 0 (甲命) or 1 (乙命); after "重新分析" the user's.
    const UsefulGodSettings& Settings(int person) const { return blocks_[person]; }

    void BtnOkClick();      // "重新分析": check and store both tabs, close with OK
    void BtnCancelClick();  // "取消"

private:
    // The controls of one person's tab.
    struct PersonTab {
        QWidget* page = nullptr;
        QLabel* labels[10] = {};
        QLineEdit* scores[10] = {};
        RadioGroup* gods[5] = {};  // 用神 喜神 忌神 仇神 闲神
        RadioGroup* strength = nullptr;  // 日元
    };

    QWidget* BuildTab(int person);
    void FillTab(int person);
    // Checks the tab's scores and stores the tab into its block; false after
    // showing the fault (with the tab brought to the front).
    bool StoreTab(int person);
    void Refuse(int person, const QString& text, QLineEdit* focus);

    UsefulGodSettings blocks_[2];
    PersonTab tabs_[2];
    QTabWidget* PageControl1;
};
