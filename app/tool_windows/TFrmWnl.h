// "澄岚万年历": the perpetual calendar. One Gregorian month of 1900–2050 as a
// sheet of days with their lunar dates, the month's 节 and 中气, and the four
// pillars of the selected moment. It is modeless and stays above the window
// that opened it; closing it ends it, so the next opening starts afresh at
// the current time.
#pragma once

#include <QDialog>

#include "engine/calendar/CYiDate.h"
#include "tools/month_sheet.h"

class MonthSheetView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class UpDownButtons;

class TFrmWnl : public QDialog {
    Q_OBJECT
public:
    // The calendar that `owner` has open, brought to the front, or a new one.
    static TFrmWnl* Open(QWidget* owner);

    explicit TFrmWnl(QWidget* parent = nullptr);
    ~TFrmWnl() override;

    // Draws the month of the moment in the boxes and its side texts anew;
    // a year outside 1900–2050 or a day beyond the month is refused with a
    // message and the sheet stays as it was.
    void Redraw();
    void UdYearClick(int position);
    void EdtYearEnter();
    void BitBtn2Click();  // "上一月"
    void BitBtn1Click();  // "下一月"
    void SbtnnowClick();  // "当前时间"
    void Img1Click(int x, int y);  // left button on the sheet, in its design pixels

private:
    void BuildControls();
    // Puts a moment into the boxes without redrawing.
    void SetMoment(const CalDate& moment);
    void ShowMonthStart(int year, int month);
    CalDate MomentInBoxes() const;

    CYiDate cal_;
    wnl::MonthSheet sheet_;  // of the last redraw
    CalDate shown_;          // its moment

    QLineEdit* EdtYear;
    UpDownButtons* UdYear;
    QComboBox* cbom;
    QComboBox* cbod;
    QComboBox* cbos;
    QComboBox* cbomin;
    QCheckBox* chkjq;
    MonthSheetView* Img1;
    QLabel* labtitle;
    QLabel* labxiao;
    QPlainTextEdit* memjie1;
    QPlainTextEdit* memjie2;
    QPlainTextEdit* memgz;
};
