// The main window's menus beside "文件(&F)": the knowledge and tool windows,
// the report's looks and options, and the help documents.
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>

#include "widgets/birth/BirthPanel.h"
#include "app/options/TFrmEndfo.h"
#include "app/main/TFrmMain.h"
#include "app/options/TFrmSet.h"
#include "app/main/help_documents.h"
#include "widgets/menu_items.h"
#include "widgets/messages/message_box.h"
#include "app/report/report_appearance.h"
#include "app/tool_windows/TFrmDiLi.h"
#include "app/tool_windows/TFrmFanTui.h"
#include "app/tool_windows/TFrmHanZi.h"
#include "app/tool_windows/TFrmHeLuo.h"
#include "app/tool_windows/TFrmHuaiYun.h"
#include "app/tool_windows/TFrmPingYu.h"
#include "app/tool_windows/TFrmTestName.h"
#include "app/tool_windows/TFrmWnl.h"

namespace {

// A modal dialog lives from its menu command to its closing.
template <typename Dialog, typename... Args>
void ShowModal(Args&&... args) {
    Dialog dialog(std::forward<Args>(args)...);
    dialog.exec();
}

}  // namespace

void TFrmMain::BuildToolMenus() {
    AddMenuItems(AddNamedMenu(menuBar(), "MenuKnowledge", "命理知识(&S)"), this, {
        {"TmPingYu", "八字断语(&B)", &TFrmMain::TmPingYuClick},
        {"TmHeLuo", "河洛图像(&H)", &TFrmMain::TmHeLuoClick},
        {"TmZhiShi", "相关知识(&X)", &TFrmMain::TmZhiShiClick},
    });
    AddMenuItems(AddNamedMenu(menuBar(), "MenuTools", "辅助工具(&T)"), this, {
        {"Tmfangtui", "反推八字(&F)", &TFrmMain::TmfangtuiClick},
        {"TmHuaiYun", "测怀孕(&C)", &TFrmMain::TmHuaiYunClick},
        {"TmTestName", "巧猜姓氏(&Q)", &TFrmMain::TmTestNameClick},
        {"TmHanZi", "姓名与五行(&X)", &TFrmMain::TmHanZiClick},
        {},
        {"TmDiLi", "经纬度设置(&J)", &TFrmMain::TmDiLiClick},
        {"TmWnl", "万年历(&W)", &TFrmMain::TmWnlClick},
    });
    QMenu* options = AddNamedMenu(menuBar(), "MenuOptions", "选项(&O)");
    QMenu* looks = AddNamedMenu(options, "MenuReportLooks", "命稿设置(&M)");
    AddMenuItems(looks, this, {
        {"TmDefault", "默认(&D)", &TFrmMain::TmDefaultClick},
        {"TmFont", "字体设置(&F)", &TFrmMain::TmFontClick},
        {"TmColor", "背景色设置(&B)", &TFrmMain::TmColorClick},
    });
    AddMenuItems(options, this, {
        {"TmSet", "排盘设置(&P)", &TFrmMain::TmSetClick},
        {"TmEndInfo", "命稿结尾信息(&E)", &TFrmMain::TmEndInfoClick},
    });
    QAction* help = AddMenuItem(AddNamedMenu(menuBar(), "MenuHelp", "帮助(&H)"), "TmHelp", "软件帮助(&H)");
    SetStandardKeys(help, QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, &TFrmMain::TmHelpClick);
}

void TFrmMain::TmPingYuClick() { TFrmPingYu::Open(programFolder_, this); }
void TFrmMain::TmHeLuoClick() { ShowModal<TFrmHeLuo>(this); }
void TFrmMain::TmZhiShiClick() { ShowHelpDocument(programFolder_, kKnowledgeDocument, this); }

// The reverse search starts from the pillars of the chart computed last
// (乙命's after a computation; four 癸亥 before the first) and 甲命's sex.
void TFrmMain::TmfangtuiClick() { ShowModal<TFrmFanTui>(lastPillars, panelA_->Male(), this); }
void TFrmMain::TmHuaiYunClick() { ShowModal<TFrmHuaiYun>(this); }
void TFrmMain::TmTestNameClick() { ShowModal<TFrmTestName>(this); }
void TFrmMain::TmHanZiClick() { ShowModal<TFrmHanZi>(programFolder_, this); }
void TFrmMain::TmDiLiClick() { ShowModal<TFrmDiLi>(programFolder_, this); }
void TFrmMain::TmWnlClick() { TFrmWnl::Open(this); }

// The looks change the view at once and reach the settings file when the
// window closes.
void TFrmMain::TmDefaultClick() {
    ResetReportLooks(*Redtbazi);
    Messages().Plain(this, QStringLiteral("设置完成"));
}

void TFrmMain::TmFontClick() {
    if (ChooseReportFont(*Redtbazi, this)) Messages().Plain(this, QStringLiteral("设置完成"));
}

void TFrmMain::TmColorClick() {
    if (ChooseReportBackground(*Redtbazi, this)) Messages().Plain(this, QStringLiteral("设置完成"));
}

void TFrmMain::TmSetClick() { ShowModal<TFrmSet>(*settings_, this); }
void TFrmMain::TmEndInfoClick() { ShowModal<TFrmEndfo>(programFolder_, *settings_, this); }
void TFrmMain::TmHelpClick() { ShowHelpDocument(programFolder_, kProgramHelpDocument, this); }
