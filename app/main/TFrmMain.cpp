#include "app/main/TFrmMain.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <numeric>

#include "widgets/birth/BirthPanel.h"
#include "app/main/ChartPictureWidget.h"
#include "widgets/fonts.h"
#include "widgets/menu_items.h"
#include "widgets/messages/message_box.h"
#include "app/report/report_appearance.h"
#include "app/report/report_modified.h"
#include "app/report/report_popup.h"
#include "app/report/report_rendering.h"
#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/base/file_util.h"
#include "engine/base/ini_file.h"
#include "engine/places/place_list.h"
#include "widgets/paste_guard.h"
#include "app/main/window_placement.h"

namespace {

constexpr int kMinTreeWidth = 30;
// A first run opens at a size at which the report and the chart picture
// are readable and which fits a 1366 × 768 screen with its panel.
constexpr int kFirstRunWidth = 1120;
constexpr int kFirstRunHeight = 660;

// The program folder, always with a trailing "/".
std::string FolderWithSlash(std::string folder) {
    if (folder.empty()) folder = fileutil::ProgramFolder();
    if (folder.back() != '/') folder += '/';
    return folder;
}

int StateValue(Qt::WindowStates state) {
    if (state & Qt::WindowMinimized) return 1;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return 2;
    return 0;
}

}  // namespace

TFrmMain::TFrmMain(std::string programFolder, QWidget* parent)
    : QMainWindow(parent), programFolder_(FolderWithSlash(std::move(programFolder))) {
    setWindowTitle(kAppTitle);
    QFont font(kDefaultFontName);
    font.setPixelSize(12);
    setFont(font);
    BuildLayout();
    BuildMenus();
    FormCreate();
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::BuildLayout() {
    Tree = new QTreeWidget(this);
    Tree->setObjectName(QStringLiteral("Tree"));
    Tree->setHeaderHidden(true);
    Tree->setIndentation(19);
    Tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tree->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("命例")}));

    Redtbazi = new QTextEdit(this);
    GuardPaste(*Redtbazi);
    Redtbazi->setObjectName(QStringLiteral("Redtbazi"));
    Redtbazi->setAcceptRichText(true);
    Redtbazi->setTabChangesFocus(false);
    Redtbazi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Redtbazi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The selection stays visible while the view has no focus.
    QPalette palette = Redtbazi->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    Redtbazi->setPalette(palette);
    BuildReportPopup(*Redtbazi);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->addWidget(Tree);
    Splitter1->addWidget(Redtbazi);
    // A wider window widens the report, not the tree.
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setChildrenCollapsible(false);
    Tree->setMinimumWidth(kMinTreeWidth);

    ImgBaZi = new ChartPictureWidget(this);

    auto* upper = new QHBoxLayout;
    upper->setContentsMargins(0, 0, 0, 0);
    upper->setSpacing(0);
    upper->addWidget(Splitter1, 1);
    upper->addWidget(ImgBaZi);

    const std::string placeFile = places::PlaceFilePath(programFolder_);
    panelA_ = new BirthPanel(0, placeFile, this);
    panelB_ = new BirthPanel(1, placeFile, this);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    BtnPai = new QPushButton(QStringLiteral("测算"), this);
    BtnPai->setObjectName(QStringLiteral("BtnPai"));
    BtnPai->setFixedSize(56, 32);
    connect(BtnPai, &QPushButton::clicked, this, &TFrmMain::BtnPaiClick);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("InputBar"));
    bar->setFixedHeight(56);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(2, 0, 2, 0);
    barLayout->setSpacing(4);
    barLayout->addWidget(panelA_);
    barLayout->addWidget(rule);
    barLayout->addWidget(panelB_);
    barLayout->addStretch();
    barLayout->addWidget(BuildCaseButtons());
    // "设定用神" under "测算", so that the bar grows no wider.
    auto* computeColumn = new QVBoxLayout;
    computeColumn->setContentsMargins(0, 1, 0, 1);
    computeColumn->setSpacing(2);
    computeColumn->addWidget(BtnPai);
    computeColumn->addWidget(BuildSetButton());
    barLayout->addLayout(computeColumn);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(upper, 1);
    layout->addWidget(bar);
    setCentralWidget(central);
}

void TFrmMain::BuildMenus() {
    BuildCaseMenus(AddNamedMenu(menuBar(), "MenuFile", "文件(&F)"));
    BuildToolMenus();
}

// The program folder is fixed at construction.
void TFrmMain::FormCreate() { Redtbazi->clear(); }

void TFrmMain::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TFrmMain::FormShow() {
    const QDateTime now = QDateTime::currentDateTime();
    for (BirthPanel* panel : {panelA_, panelB_}) {
        panel->FillCombos();
        panel->SetToNow(now);
    }
    settings_ = std::make_unique<IniFile>(fileutil::Join(programFolder_, "dat/bzinit.ini"));
    RestoreWindowState();
    engine_ = std::make_unique<CBaZiEx>(programFolder_, StandardReadings());
    // The case library: at start the tree shows the live cases among the
    // first 300 record numbers; "显示全部命例" lists them all.
    store_.Open(programFolder_, 0);
    std::vector<int> firstNumbers(300);
    std::iota(firstNumbers.begin(), firstNumbers.end(), 0);
    FillTree(firstNumbers);
}

void TFrmMain::RestoreWindowState() {
    const IniDocument ini = settings_->Snapshot();
    resize(ini.ReadInteger("winpos", "width", kFirstRunWidth), ini.ReadInteger("winpos", "height", kFirstRunHeight));
    move(OnScreenPosition({ini.ReadInteger("winpos", "left", 10), ini.ReadInteger("winpos", "top", 10)}, size()));
    switch (ini.ReadInteger("winpos", "state", 0)) {
    case 1: setWindowState(Qt::WindowMinimized); break;
    case 2: setWindowState(Qt::WindowMaximized); break;
    default: setWindowState(Qt::WindowNoState); break;
    }
    const int tree = std::max(kMinTreeWidth, ini.ReadInteger("winpos", "treewid", 180));
    centralWidget()->layout()->activate();
    Splitter1->setSizes({tree, std::max(1, Splitter1->width() - Splitter1->handleWidth() - tree)});

    Redtbazi->setFont(StoredReportFont(ini));
    SetReportBackground(*Redtbazi, FromWindowsColor(ini.ReadInteger("minggao", "bcolor", kDefaultBackground)));

    panelA_->SelectPlace(ini.ReadInteger("winpos", "sheng", 0), ini.ReadInteger("winpos", "shi", 0));
    panelB_->SelectPlace(ini.ReadInteger("winpos", "sheng2", 0), ini.ReadInteger("winpos", "shi2", 0));
}

void TFrmMain::closeEvent(QCloseEvent* event) {
    if (!closed_ && shown_) {
        closed_ = true;
        FormClose();
    }
    QMainWindow::closeEvent(event);
}

void TFrmMain::FormClose() {
    OfferSaveEdited();
    SaveWindowState();
    settings_.reset();
    engine_.reset();
}

void TFrmMain::SaveWindowState() {
    IniFile& ini = *settings_;
    const int state = StateValue(windowState());
    // Only the normal-state geometry is kept, so that it survives a run
    // that ended maximised.
    if (state == 0) {
        ini.WriteInteger("winpos", "left", x());
        ini.WriteInteger("winpos", "top", y());
        ini.WriteInteger("winpos", "width", width());
        ini.WriteInteger("winpos", "height", height());
    }
    ini.WriteInteger("winpos", "treewid", Splitter1->sizes().value(0, Tree->width()));
    ini.WriteInteger("winpos", "state", state);
    const QFont font = Redtbazi->font();
    ini.WriteString("minggao", "fname", font.family().toStdString());
    ini.WriteInteger("minggao", "fsize", font.pointSize());
    ini.WriteInteger("minggao", "bcolor", ToWindowsColor(ReportBackground(*Redtbazi)));
    ini.WriteInteger("winpos", "sheng", panelA_->ProvinceIndex());
    ini.WriteInteger("winpos", "shi", panelA_->CityIndex());
    ini.WriteInteger("winpos", "sheng2", panelB_->ProvinceIndex());
    ini.WriteInteger("winpos", "shi2", panelB_->CityIndex());
}

void TFrmMain::LastPillars(uint8_t out[4]) const {
    for (int i = 0; i < 4; ++i) out[i] = lastPillars[i];
}

void TFrmMain::BtnPaiClick() {
    chartReady = false;
    if (!engine_) return;
    if (!panelA_->ReadPanel(inputA) || !panelB_->ReadPanel(inputB)) return;
    if (inputA.male == inputB.male &&
        !Messages().Ask(this,
                        QStringLiteral("甲命和乙命的性别相同，一般情况下是一男一女不同的，确定无误要继续运算吗？"),
                        QStringLiteral("性别相同！"), MessageIcon::Information))
        return;
    OfferSaveEdited();

    {
        const ProgramWrite write(*Redtbazi);
        ShowPlainReport(*Redtbazi, QStringLiteral("婚配运算中.............."));
    }
    currentCase.a = CasePersonFrom(inputA);
    currentCase.b = CasePersonFrom(inputB);
    engine_->showReport = 1;
    // A disabled button hands its focus on to the next control, "存新",
    // where the next Space or Enter would store a case; the report view is
    // a harmless place for it.
    Redtbazi->setFocus();
    BtnPai->setEnabled(false);
    const bool ok = engine_->ComputeCouple(inputA, inputB);
    BtnPai->setEnabled(true);
    if (!ok) {
        Messages().Notice(this, QString::fromStdString(engine_->errorText), QStringLiteral("错误"),
                          MessageIcon::Error);
        return;
    }
    ShowEngineResult();
    engine_->LastPillars(lastPillars);
    chartReady = true;
    if (engine_->PromptSaveSetting()) SaveCase();
}

void TFrmMain::ShowEngineResult() {
    const ProgramWrite write(*Redtbazi);
    if (engine_->showReport)
        ShowStyledReport(*Redtbazi, engine_->viewText, engine_->viewSpans, engine_->viewLeftIndent);
    ImgBaZi->SetPicture(engine_->picture);
}
