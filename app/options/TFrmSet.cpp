#include "app/options/TFrmSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/RadioGroup.h"
#include "widgets/dialog_controls.h"
#include "widgets/messages/message_box.h"
#include "widgets/number_input.h"
#include "widgets/messages/write_failure.h"
#include "engine/base/ini_file.h"

namespace {

constexpr std::string_view kSection = "set";
constexpr int kMaxLeftMargin = 500;

const char* Flag(bool on) { return on ? "1" : "0"; }

}  // namespace

TFrmSet::TFrmSet(IniFile& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("FrmSet"));
    setWindowTitle(QStringLiteral("命稿预测选项设置"));
    BuildControls();
    FormShow();
}

void TFrmSet::BuildControls() {
    auto* pillars = new QGroupBox(QStringLiteral("八字设置"), this);
    RdoHengPai = Named(new QRadioButton(QStringLiteral("八字横排"), pillars), "RdoHengPai");
    RdoShuPai = Named(new QRadioButton(QStringLiteral("八字竖排"), pillars), "RdoShuPai");
    chkzishi = Named(new QCheckBox(QStringLiteral("区分夜子时、和早子时"), pillars), "chkzishi");
    auto* pillarLayout = new QGridLayout(pillars);
    pillarLayout->addWidget(RdoHengPai, 0, 0);
    pillarLayout->addWidget(RdoShuPai, 0, 1);
    pillarLayout->addWidget(chkzishi, 1, 0, 1, 2);

    ChkLocalClock =
        Named(new QCheckBox(QStringLiteral("出生时间按当地钟表时间（自动扣除夏令时）"), this), "ChkLocalClock");
    CboSelDate = Named(new QComboBox(this), "CboSelDate");
    CboSelDate->addItems({QStringLiteral("北京时间"), QStringLiteral("真太阳时"), QStringLiteral("地方时")});
    const QStringList lifePalaceRules = {QStringLiteral("按节入起"), QStringLiteral("按中气起")};
    RdoMingGong = Named(new RadioGroup(QStringLiteral("命宫起法"), lifePalaceRules, 2, this), "RdoMingGong");
    ChkScore = Named(new QCheckBox(QStringLiteral("婚配指数高分制"), this), "ChkScore");
    ChkBianGe = Named(new QCheckBox(QStringLiteral("变格时按格局取用神"), this), "ChkBianGe");
    ChkSave = Named(new QCheckBox(QStringLiteral("提示保存"), this), "ChkSave");
    LedtLeftPos = Named(new QLineEdit(this), "LedtLeftPos");
    LedtLeftPos->setMaxLength(3);
    LedtLeftPos->setFixedWidth(48);

    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(new QLabel(QStringLiteral("使用时间"), this));
    timeRow->addWidget(CboSelDate);
    timeRow->addStretch();
    auto* marginRow = new QHBoxLayout;
    marginRow->addWidget(new QLabel(QStringLiteral("文本左边距离"), this));
    marginRow->addWidget(LedtLeftPos);
    marginRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    AddButton(this, buttons, QStringLiteral("确定"), "Btnok", &TFrmSet::BtnokClick)->setDefault(true);
    AddButton(this, buttons, QStringLiteral("取消"), "Btncancel", &TFrmSet::BtncancelClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pillars);
    layout->addWidget(ChkLocalClock);
    layout->addLayout(timeRow);
    layout->addWidget(RdoMingGong);
    layout->addWidget(ChkScore);
    layout->addWidget(ChkBianGe);
    layout->addWidget(ChkSave);
    layout->addLayout(marginRow);
    layout->addLayout(buttons);
}

void TFrmSet::FormShow() {
    const IniDocument ini = settings_.Snapshot();
    chkzishi->setChecked(ini.ReadBool(kSection, "zishi", false));
    ChkBianGe->setChecked(ini.ReadBool(kSection, "biange", true));
    // The engine takes 1 as 按中气起 and any other value as 按节入起.
    RdoMingGong->SetItemIndex(ini.ReadInteger(kSection, "mgong", 0) == 1 ? 1 : 0);
    (ini.ReadInteger(kSection, "pai", 0) == 0 ? RdoHengPai : RdoShuPai)->setChecked(true);
    ChkLocalClock->setChecked(ini.ReadBool(kSection, "localclock", true));
    const int timeBasis = ini.ReadInteger(kSection, "idate", 0);
    CboSelDate->setCurrentIndex(timeBasis >= 0 && timeBasis < CboSelDate->count() ? timeBasis : 0);
    LedtLeftPos->setText(QString::number(ini.ReadInteger(kSection, "leftpos", 0)));
    ChkSave->setChecked(ini.ReadBool(kSection, "save", false));
    ChkScore->setChecked(ini.ReadBool(kSection, "bscore", false));
}

void TFrmSet::BtnokClick() {
    const int leftMargin = NumberOr(LedtLeftPos->text(), -1);
    if (leftMargin < 0 || leftMargin > kMaxLeftMargin) {
        Messages().Notice(this, QStringLiteral("文本左边距离在0-500之间"), QStringLiteral("输入错误"), MessageIcon::Error);
        LedtLeftPos->setFocus();
        return;
    }
    // All keys in one write: the file holds either the old or the new options.
    IniDocument ini = settings_.Snapshot();
    ini.WriteString(kSection, "leftpos", std::to_string(leftMargin));
    ini.WriteString(kSection, "zishi", Flag(chkzishi->isChecked()));
    ini.WriteString(kSection, "biange", Flag(ChkBianGe->isChecked()));
    ini.WriteString(kSection, "mgong", std::to_string(RdoMingGong->ItemIndex()));
    ini.WriteString(kSection, "pai", RdoHengPai->isChecked() ? "0" : "1");
    ini.WriteString(kSection, "idate", std::to_string(CboSelDate->currentIndex()));
    ini.WriteString(kSection, "save", Flag(ChkSave->isChecked()));
    ini.WriteString(kSection, "bscore", Flag(ChkScore->isChecked()));
    ini.WriteString(kSection, "localclock", Flag(ChkLocalClock->isChecked()));
    if (Written(this, ini.Save(settings_.FileName()), kSettingsFileName)) accept();
}

void TFrmSet::BtncancelClick() { reject(); }
