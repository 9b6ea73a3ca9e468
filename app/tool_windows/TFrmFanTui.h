// "从八字反求出生日期": the reverse pillar search. The user picks the stem and
// branch of the year, month, day and hour pillars and a start year; "反推"
// checks that the pillars can stand together and writes the first birth
// moment at or after the start year that carries them into the memo, which
// keeps the results of every search made while the dialog is open.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "engine/calendar/CYiDate.h"
#include "engine/chart/pillars.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class UpDownButtons;

class TFrmFanTui : public QDialog {
    Q_OBJECT
public:
    // pillars: the sexagenary numbers of the year, month, day and hour of the
    // chart computed last (all 0, four times 癸亥, before the first
    // computation); male: the sex of 甲命. The start year is 1950.
    TFrmFanTui(const uint8_t pillars[4], bool male, QWidget* parent = nullptr);
    ~TFrmFanTui() override;

    void BtnchaClick();  // "反推"
    void UpyearClick(int position);

private:
    void BuildControls();
    void PreFill(const uint8_t pillars[4], bool male);
    // The start year message, with the focus back in the year box.
    void RefuseStartYear();
    void Search();

    CYiDate cal_;
    FourPillars pillars_{};          // the pillars last checked
    std::optional<CalDate> found_;  // the moment last found

    QComboBox* cbotian[4];
    QComboBox* cbodi[4];
    QRadioButton* Rdona1;
    QRadioButton* Rdonv1;
    QLineEdit* Edtyear;
    UpDownButtons* Upyear;
    QPushButton* Btncha;
    QPlainTextEdit* Memo1;
};
