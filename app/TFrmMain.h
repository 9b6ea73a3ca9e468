// The main window: the case tree on the left, the report view in the middle,
// the chart picture on the right and the two birth input panels with the
// compute button across the bottom. It owns the settings file, the chart
// engine and the birth records of the couple on screen.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>

#include "cases/case_record.h"
#include "engine/records.h"

class BirthPanel;
class CBaZiEx;
class ChartPictureWidget;
class IniFile;
class QPushButton;
class QSplitter;
class QTextEdit;
class QTreeWidget;

class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: the folder holding dat/; empty for the executable's folder.
    explicit TFrmMain(std::string programFolder = {}, QWidget* parent = nullptr);
    ~TFrmMain() override;

    const std::string& ProgramFolder() const { return programFolder_; }
    bool ChartReady() const { return chartReady; }
    const BirthData& InputA() const { return inputA; }
    const BirthData& InputB() const { return inputB; }
    const CaseRecord& CurrentCase() const { return currentCase; }
    void LastPillars(uint8_t out[4]) const;
    CBaZiEx* Engine() const { return engine_.get(); }

    // "测算": reads both panels, runs the engine and shows the report.
    void BtnPaiClick();
    // After a successful computation: the report with its styling in the
    // view (unless the engine's showReport is 0, which leaves the view as it
    // is) and the chart picture.
    void ShowEngineResult();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void BuildLayout();
    void BuildMenus();
    void RestoreWindowState();
    void SaveWindowState();
    void TmDiLiClick();

    std::string programFolder_;
    std::unique_ptr<IniFile> settings_;
    std::unique_ptr<CBaZiEx> engine_;
    bool shown_ = false;
    bool closed_ = false;

    BirthData inputA{};
    BirthData inputB{};
    CaseRecord currentCase{};
    bool chartReady = false;
    uint8_t lastPillars[4] = {0, 0, 0, 0};

    QTreeWidget* Tree;
    QSplitter* Splitter1;
    QTextEdit* Redtbazi;
    ChartPictureWidget* ImgBaZi;
    BirthPanel* panelA_;
    BirthPanel* panelB_;
    QPushButton* BtnPai;
};
