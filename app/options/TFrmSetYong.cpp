#include "app/options/TFrmSetYong.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "widgets/RadioGroup.h"
#include "widgets/dialog_controls.h"
#include "widgets/messages/message_box.h"
#include "widgets/number_input.h"
#include "engine/symbols/symbols.h"

namespace {

constexpr int kMinScoreSum = 36;
constexpr int kMaxScore = 999;
const char* const kGodGroupNames[5] = {"RdoYong", "RdoXi", "RdoJi", "RdoChou", "RdoXian"};

// The names of 乙命's controls end in "2": Ledt02 … Ledt92, RdoYong2, RdoRi2.
QString ControlName(const QString& base, int person) { return person == 0 ? base : base + u'2'; }

int DayStemOf(const UsefulGodSettings& block) { return sym::StemOf(block.dayStem); }

// "比劫-火" … "印枭-木" for a 丙 day master: each group with its element.
QStringList GroupItems(int dayStem) {
    const int element = sym::kStemElement[dayStem];
    QStringList items;
    for (int i = 0; i < 5; ++i)
        items << QString::fromUtf8(sym::kTenGodNames[10 + i]) + u'-' +
                     QString::fromUtf8(sym::kElementNames[(element + i) % 5]);
    return items;
}

// "比肩丙火": the ten god, its stem and the stem's element.
QString ScoreLabel(int dayStem, int tenGod) {
    const int stem = sym::StemOfTenGod(dayStem, tenGod);
    return QString::fromUtf8(sym::kTenGodNames[tenGod]) + QString::fromUtf8(sym::kStemNames[stem]) +
           QString::fromUtf8(sym::kElementNames[sym::kStemElement[stem]]);
}

QStringList StrengthItems() {
    QStringList items;
    for (const char* name : sym::kStrengthNames) items << QString::fromUtf8(name);
    return items;
}

}  // namespace

TFrmSetYong::TFrmSetYong(const UsefulGodSettings& a, const UsefulGodSettings& b, QWidget* parent)
    : QDialog(parent), blocks_{a, b} {
    setObjectName(QStringLiteral("FrmSetYong"));
    setWindowTitle(QStringLiteral("设定用神"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(BuildTab(0), QStringLiteral("甲命用神"));
    PageControl1->addTab(BuildTab(1), QStringLiteral("乙命用神"));
    FillTab(0);
    FillTab(1);

    auto* note = new QLabel(QStringLiteral("重设以上参数将改变软件的判断。"), this);
    note->setStyleSheet(QStringLiteral("color: #0000FF;"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(note);
    bottom->addStretch();
    AddButton(this, bottom, QStringLiteral("重新分析"), "BtnOk", &TFrmSetYong::BtnOkClick)->setDefault(true);
    AddButton(this, bottom, QStringLiteral("取消"), "BtnCancel", &TFrmSetYong::BtnCancelClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(bottom);
}

QWidget* TFrmSetYong::BuildTab(int person) {
    PersonTab& tab = tabs_[person];
    tab.page = new QWidget;

    // Five columns of two: column k holds ten gods 2k (top) and 2k + 1.
    auto* scoreGrid = new QGridLayout;
    for (int i = 0; i < 10; ++i) {
        tab.labels[i] = new QLabel(tab.page);
        tab.scores[i] = new QLineEdit(tab.page);
        tab.scores[i]->setObjectName(ControlName(QStringLiteral("Ledt%1").arg(i), person));
        tab.scores[i]->setMaxLength(3);
        tab.scores[i]->setFixedWidth(40);
        tab.labels[i]->setBuddy(tab.scores[i]);
        scoreGrid->addWidget(tab.labels[i], i % 2, 2 * (i / 2), Qt::AlignRight);
        scoreGrid->addWidget(tab.scores[i], i % 2, 2 * (i / 2) + 1);
    }

    auto* godRow = new QHBoxLayout;
    for (int g = 0; g < 5; ++g) {
        tab.gods[g] = new RadioGroup(QString::fromUtf8(sym::kFiveGodNames[g]), {}, 1, tab.page);
        tab.gods[g]->setObjectName(ControlName(QString::fromLatin1(kGodGroupNames[g]), person));
        godRow->addWidget(tab.gods[g]);
    }
    tab.strength = new RadioGroup(QStringLiteral("日元"), StrengthItems(), 7, tab.page);
    tab.strength->setObjectName(ControlName(QStringLiteral("RdoRi"), person));

    auto* layout = new QVBoxLayout(tab.page);
    layout->addLayout(scoreGrid);
    layout->addLayout(godRow);
    layout->addWidget(tab.strength);
    return tab.page;
}

void TFrmSetYong::FillTab(int person) {
    const UsefulGodSettings& block = blocks_[person];
    PersonTab& tab = tabs_[person];
    const int dayStem = DayStemOf(block);
    const QStringList items = GroupItems(dayStem);
    for (int g = 0; g < 5; ++g) {
        tab.gods[g]->SetItems(items);
        tab.gods[g]->SetItemIndex(block.group[g]);
    }
    tab.strength->SetItemIndex(block.strengthClass);
    for (int i = 0; i < 10; ++i) {
        tab.labels[i]->setText(ScoreLabel(dayStem, i));
        tab.scores[i]->setText(QString::number(block.score[i]));
    }
}

void TFrmSetYong::Refuse(int person, const QString& text, QLineEdit* focus) {
    // The fault may lie on the tab that is not showing: bring it forward.
    PageControl1->setCurrentIndex(person);
    Messages().Notice(this, text, QStringLiteral("分数无效"), MessageIcon::Error);
    focus->setFocus();
}

bool TFrmSetYong::StoreTab(int person) {
    UsefulGodSettings& block = blocks_[person];
    PersonTab& tab = tabs_[person];
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const int score = NumberOr(tab.scores[i]->text(), -1);
        if (score < 0 || score > kMaxScore) {
            Refuse(person, QStringLiteral("请输入0至999之间的数"), tab.scores[i]);
            return false;
        }
        block.score[i] = static_cast<int16_t>(score);
        sum += score;
    }
    if (sum < kMinScoreSum) {
        Refuse(person, QStringLiteral("十神之和不能小于36"), tab.scores[0]);
        return false;
    }
    for (int g = 0; g < 5; ++g) block.group[g] = static_cast<int16_t>(tab.gods[g]->ItemIndex());
    block.strengthClass = static_cast<uint8_t>(tab.strength->ItemIndex());
    return true;
}

void TFrmSetYong::BtnOkClick() {
    if (StoreTab(0) && StoreTab(1)) accept();
}

void TFrmSetYong::BtnCancelClick() { reject(); }
