// "巧猜姓氏": the surname guessing game. Seven tables of 64 surnames are shown
// one after the other; the player answers "有" or "没有" to each, and the
// window names the surname the answers spell.
#pragma once

#include <QDialog>

#include "tools/surname_game.h"

class QLabel;
class QPushButton;
class QTableWidget;

class TFrmTestName : public QDialog {
    Q_OBJECT
public:
    explicit TFrmTestName(QWidget* parent = nullptr);

    void BtnYesClick();    // "有"
    void BtnNoClick();     // "没有"
    void BtnAgainClick();  // "重来"

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    // Shows the table on show, or the result once the game is over.
    void ShowState();

    surname::SurnameGame game_;

    QTableWidget* strbjx;
    QLabel* Panel1;
    QPushButton* BtnYes;
    QPushButton* BtnNo;
};
