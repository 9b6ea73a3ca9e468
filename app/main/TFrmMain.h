// The main window: the case tree on the left, the report view in the middle,
// the chart picture on the right and the two birth input panels with the
// compute button across the bottom. It owns the settings file, the chart
// engine and the birth records of the couple on screen.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cases/MDataBase.h"
#include "cases/case_record.h"
#include "cases/search_criteria.h"
#include "engine/symbols/records.h"

class BirthPanel;
class CBaZiEx;
class ChartPictureWidget;
class IniFile;
class QAction;
class QMenu;
class QPushButton;
class QSplitter;
class QTextEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

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

    // ---- The case library: the case tree, its popup menu PopMingLi, the
    // menu "文件(&F)" and the buttons "存新"/"存旧" and "新建"
    // (case_menus.cpp, case_commands.cpp, category_commands.cpp,
    // library_commands.cpp).
    bool SavedCaseMode() const { return savedCaseMode; }
    int SavedCaseNumber() const { return savedCaseNumber; }
    const MDataBase& Store() const { return store_; }

    // Stores the couple on screen: over the saved case it came from, or as
    // a new case under a category chosen in "分类保存".
    void SaveCase();
    // When a saved case is on screen and its report was edited, offers to
    // save it first.
    void OfferSaveEdited();
    // Rebuilds the tree from the live cases among these record numbers.
    void FillTree(const std::vector<int>& numbers);
    // The record number of the selected case node; −1 when no case is selected.
    int SelectedCaseNumber() const;
    // Enables PopMingLi's items for the selected node and rebuilds "移动到";
    // false when no node is selected.
    bool UpdatePopMingLi();

    void TmViewCaseClick();        // "查看命例", double-click
    void TmEditCaseClick();        // "编辑命例"
    void MoveCaseTo(int categoryPosition, const QString& category);  // "移动到" ▸ category
    void TmDeleteCaseClick();      // "删除命例"
    void TmAddClassClick();        // "增加类别"
    void TmRenameClassClick();     // "修改类名"
    void TmDeleteClassClick();     // "删除类别"
    void TmEditClassFileClick();   // "编辑类别文件"
    void TmFindClick();            // "查找"
    void TmShowAllClick();         // "显示全部命例"
    void TmExpandClick();          // "展开"
    void TmCollapseClick();        // "收缩"
    void BtoNewClick();            // "新建"
    void TmImportClick();          // "导入历史记录"
    void TmExportClick();          // "导出历史记录"
    void TmClearClick();           // "清除历史记录"
    void TmZeOuClick();            // "择偶排行": partners for the person of the 甲命 panel
    // ---- end of the case library

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

    // ---- The menus beside "文件(&F)" (main_menus.cpp) and the button
    // "设定用神" (useful_god_command.cpp); the report view's popup menu is
    // BuildReportPopup's (report_popup.cpp).
    void BuildToolMenus();
    QToolButton* BuildSetButton();
    void TBtoSyongClick();   // "设定用神": recompute with the user's useful god
    void TmPingYuClick();    // "八字断语"
    void TmHeLuoClick();     // "河洛图像"
    void TmZhiShiClick();    // "相关知识"
    void TmfangtuiClick();   // "反推八字"
    void TmHuaiYunClick();   // "测怀孕"
    void TmTestNameClick();  // "巧猜姓氏"
    void TmHanZiClick();     // "姓名与五行"
    void TmDiLiClick();      // "经纬度设置"
    void TmWnlClick();       // "万年历"
    void TmDefaultClick();   // "命稿设置" ▸ "默认"
    void TmFontClick();      // "命稿设置" ▸ "字体设置"
    void TmColorClick();     // "命稿设置" ▸ "背景色设置"
    void TmSetClick();       // "排盘设置"
    void TmEndInfoClick();   // "命稿结尾信息"
    void TmHelpClick();      // "软件帮助"
    // ---- end of the menus

    // ---- The case library (see above).
    void BuildCaseMenus(QMenu* file);
    QWidget* BuildCaseButtons();
    void TreeContextMenu(const QPoint& position);
    void SaveOverSavedCase();
    void SaveNewCase();
    void ViewSavedCase(int number);
    // The saved case's stored report into the emptied view; false when it
    // has none (or it cannot be read) and the report is to be computed.
    bool LoadSavedReport();
    // As "新建": the view emptied, no saved case and no chart on screen.
    void LeaveSavedCase();
    // "存旧" in blue while a saved case is on screen, else "存新" in black.
    void ShowSaveButtonAs(bool savedCase);
    // currentCase, when the saved case on screen is the record n.
    CaseRecord* CaseOnScreen(int number);
    // A new category name typed into an input box, trimmed and checked;
    // empty when cancelled or refused.
    QString AskCategoryName(const QString& title, const QString& prompt, const QString& initial);
    // Before the library is cleared or replaced: the planned backup folder
    // ("" when there is nothing to back up) and the copy itself.
    std::string PlanBackup() const;
    bool BackUp(const std::string& folder);
    // After the library was cleared or replaced: the program must restart.
    void CloseAfterLibraryChange(const QString& notice, const std::string& backupFolder);
    // ---- end of the case library

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

    // ---- The case library.
    MDataBase store_;
    bool savedCaseMode = false;
    int savedCaseNumber = -1;
    std::string savedCaseFile;
    SearchCriteria searchCriteria{};
    QMenu* PopMingLi;
    QMenu* moveMenu_;
    QToolButton* SbtoSave;
    QToolButton* BtoNew;
    // ---- end of the case library

    QTreeWidget* Tree;
    QSplitter* Splitter1;
    QTextEdit* Redtbazi;
    ChartPictureWidget* ImgBaZi;
    BirthPanel* panelA_;
    BirthPanel* panelB_;
    QToolButton* SbtoSet;
    QPushButton* BtnPai;
};
