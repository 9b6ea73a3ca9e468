// "测怀孕": the traditional boy-or-girl chart by the mother's nominal age
// (虚岁) and the lunar month of conception.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

class TFrmHuaiYun : public QDialog {
    Q_OBJECT
public:
    explicit TFrmHuaiYun(QWidget* parent = nullptr);

    void BtnCalcClick();  // "计算"

private:
    QLineEdit* LedtArg;
    QComboBox* CboMonth;
    QLabel* StxtOut;
};
