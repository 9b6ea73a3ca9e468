// "择偶排行": every person of the opposite sex in the case library ranked as
// a partner for one person, in a sortable list with filters, progress and a
// cancel button; double-click or Enter on a row chooses that person, and
// the list can be exported as CSV or text. The ranking runs on threads of
// its own while the window stays responsive; it never writes to the library.
#pragma once

#include <QDialog>
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "matching/partner_ranking.h"
#include "matching/ranking_view.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

class TFrmZeOu : public QDialog {
    Q_OBJECT
public:
    TFrmZeOu(std::string programFolder, const BirthData& person, QWidget* parent = nullptr);
    ~TFrmZeOu() override;

    // After the dialog was accepted: the chosen case and side (0 甲命, 1 乙命).
    int ChosenNumber() const { return chosenNumber_; }
    int ChosenSide() const { return chosenSide_; }
    // The ranking as last finished (empty before).
    const matching::RankingResult& Result() const { return result_; }
    bool Running() const { return ranking_.joinable(); }

    void BtnRankClick();     // "择偶排行": starts the ranking
    void BtnCancelClick();   // "取消": stops it
    void BtnCsvClick();      // "导出CSV"
    void BtnTextClick();     // "导出文本"

    // Closing stops a running ranking first.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildLayout();
    void PollRanking();
    void FinishRanking();
    void FillCategories();
    void ShowRows();
    void ChooseRow(int row);
    void Export(const QString& title, const QString& caption, const QString& extension, const std::string& bytes);

    std::string programFolder_;
    BirthData person_;
    matching::RankingControl control_;
    matching::RankingResult result_;
    matching::RankingResult pending_;
    std::atomic<bool> finished_{false};
    std::jthread ranking_;
    std::vector<matching::RankingRow> rows_;
    int chosenNumber_ = -1;
    int chosenSide_ = 0;

    QLabel* LblPerson;
    QPushButton* BtnRank;
    QPushButton* BtnCancel;
    QProgressBar* PgbRank;
    QSpinBox* SpnMinIndex;
    QSpinBox* SpnYearFrom;
    QSpinBox* SpnYearTo;
    QComboBox* CboCategory;
    QTableWidget* GrdRank;
    QLabel* LblSummary;
    QPushButton* BtnCsv;
    QPushButton* BtnText;
    QTimer* timer_;
};
