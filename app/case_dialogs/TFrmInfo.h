// "命例信息": edits person A's (甲命's) birth data, name and the note of a
// saved case, on a copy of its record. After OK the main window writes
// Record() back with MDataBase::WriteCase. Person A's coordinates and place
// text and the whole of person B keep their stored values.
#pragma once

#include <QDialog>
#include <string>

#include "cases/case_record.h"
#include "engine/places/place_list.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class UpDownButtons;

class TFrmInfo : public QDialog {
    Q_OBJECT
public:
    // programFolder: the folder holding dat/dili.ini; record: the case as
    // MDataBase::ReadCase gave it.
    TFrmInfo(const std::string& programFolder, const CaseRecord& record, QWidget* parent = nullptr);

    // The record with the user's changes (after OK).
    const CaseRecord& Record() const { return record_; }

    void cbodiZClick();     // a province chosen: its cities, the first selected
    void BtnSaveClick();    // "保存"
    void BtnCloseClick();   // "关闭"

private:
    void BuildControls();
    void FormShow();
    void UpDyearClick(int position);
    // The checks of "保存" before the note, and the birth data into the record.
    bool StoreBirthData();

    std::string placeFile_;
    CaseRecord record_;

    QLineEdit* Edtname;
    QLineEdit* EdtYear;
    UpDownButtons* UpDyear;
    QComboBox* cbom;
    QComboBox* cbod;
    QComboBox* cbos;
    QComboBox* cbomin;
    QRadioButton* Rdogl;
    QRadioButton* Rdonl;
    QCheckBox* Chkrun;
    QRadioButton* Rdona;
    QRadioButton* Rdonv;
    QComboBox* cbodiZ;
    QComboBox* cbodiC;
    QPlainTextEdit* Memo1;
};
