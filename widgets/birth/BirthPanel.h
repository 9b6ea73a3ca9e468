// One birth input panel of the main window's bottom bar (甲命 or 乙命):
// name, year with its arrows, month, day, hour, minute, solar or lunar date
// with the leap-month flag, sex, and the birthplace as province and city
// with the coordinate lists of the province's cities.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <string>

#include "cases/case_record.h"
#include "engine/symbols/records.h"
#include "engine/places/place_list.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class UpDownButtons;

// Years are stored astronomically (1 BC is 0) and shown without a year 0.
inline int ShownYear(int storedYear) { return storedYear <= 0 ? storedYear - 1 : storedYear; }
inline int StoredYear(int shownYear) { return shownYear < 0 ? shownYear + 1 : shownYear; }

class BirthPanel : public QWidget {
    Q_OBJECT
public:
    // person 0 is 甲命, 1 is 乙命; placeFile is the path of dat/dili.ini.
    BirthPanel(int person, std::string placeFile, QWidget* parent = nullptr);

    // Start-up: the combo items, then the current local date and time with
    // "未知地" as the place.
    void FillCombos();
    void SetToNow(const QDateTime& now);

    // The birthplace from the settings: the province (the first one when the
    // index lies outside the list), its cities, then the city (the first one
    // when the index is not below the city count).
    void SelectPlace(int province, int city);
    int ProvinceIndex() const;
    int CityIndex() const;

    // Rebuilds the city combo and the coordinate lists for the chosen province.
    void ProvinceChanged();

    // A person of a saved case into the controls: date, calendar, leap flag,
    // sex, name, then the province with its cities and the city (the first
    // one when the stored index is not below the city count).
    void ShowPerson(const CasePerson& person);

    // The sex chosen: "男" rather than "女".
    bool Male() const;

    // Checks the name and the year and fills the record; on a fault shows its
    // message, focuses the offending box and returns false.
    bool ReadPanel(BirthData& birth);

private:
    void BuildControls();
    void UpDyearClick(int position);
    QString PersonWord() const;

    int person_;
    std::string placeFile_;
    places::CityChoice cities_;

    QLabel* heading_;
    QLineEdit* Edtname;
    QLineEdit* EdtYear;
    UpDownButtons* UpDyear;
    QComboBox* cbom;
    QComboBox* cbod;
    QComboBox* cbos;
    QComboBox* cbomin;
    QComboBox* CboLi;
    QCheckBox* Chkrun;
    QRadioButton* Rdona;
    QRadioButton* Rdonv;
    QButtonGroup* sex_;
    QComboBox* cbodiZ;
    QComboBox* cbodiC;
};
