// "查找命例": picks saved cases by person A's (甲命's) sex, birth-year range,
// name, category and birth province. The conditions are the main window's
// SearchCriteria, so the dialog shows the last search's conditions again;
// after "查找" or "全部" found cases and the user agreed to show them, the
// dialog closes with ShowResult() set and Result() holding their numbers.
#pragma once

#include <QDialog>
#include <vector>

#include "cases/search_criteria.h"

class IniFile;
class MDataBase;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class RadioGroup;

class TFrmSearch : public QDialog {
    Q_OBJECT
public:
    // settings: the program's settings object (its category list);
    // criteria: the main window's conditions, changed by every search.
    TFrmSearch(const MDataBase& store, const IniFile& settings, SearchCriteria& criteria, QWidget* parent = nullptr);

    // Whether the main window is to show Result() in its case tree.
    bool ShowResult() const { return showResult_; }
    // The record numbers found, in ascending order.
    const std::vector<int>& Result() const { return result_; }

    void BtnFindClick();   // "查找"
    void BtnAllClick();    // "全部": clear every condition and search
    void BtnCloseClick();  // "关闭"

private:
    void BuildControls();
    void FormShow();
    // Takes the conditions from the controls and searches; true when the
    // found cases are to be shown.
    bool RunSearch();
    // The year boxes into the criteria; false after showing the fault.
    bool ReadYears();
    // False when the user cancelled the search.
    bool FindCases();

    const MDataBase& store_;
    const IniFile& settings_;
    SearchCriteria& criteria_;
    std::vector<int> result_;
    bool showResult_ = false;

    RadioGroup* RdoSex;
    QLineEdit* LedtY1;
    QLineEdit* LedtY2;
    QComboBox* CboFenLei;
    QCheckBox* ChkClass;
    QLineEdit* Edtname;
    QCheckBox* ChkName;
    QComboBox* cbodiZ;
    QProgressBar* Animate1;
    QPushButton* buttons_[3];
};
