#include "app/tool_windows/TFrmFanTui.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/UpDownButtons.h"
#include "widgets/messages/message_box.h"
#include "engine/symbols/symbols.h"
#include "tools/reverse_search.h"

namespace {

constexpr int kFirstStartYear = -849;  // astronomical: 850 BC
constexpr int kLastStartYear = 2100;
constexpr int kDefaultStartYear = 1950;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Items 甲 … 癸 (item i is stem (i + 1) mod 10) or 子 … 亥 (branch (i + 1) mod 12).
QComboBox* NameBox(QWidget* parent, const QString& name, const char* const* names, int count) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (int i = 0; i < count; ++i) box->addItem(QString::fromUtf8(names[(i + 1) % count]));
    return box;
}

}  // namespace

TFrmFanTui::TFrmFanTui(const uint8_t pillars[4], bool male, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmFanTui"));
    setWindowTitle(QStringLiteral("从八字反求出生日期"));
    BuildControls();
    PreFill(pillars, male);
}

TFrmFanTui::~TFrmFanTui() = default;

void TFrmFanTui::BuildControls() {
    auto* pillarGrid = new QGridLayout;
    pillarGrid->addWidget(new QLabel(QStringLiteral("天干"), this), 1, 0);
    pillarGrid->addWidget(new QLabel(QStringLiteral("地支"), this), 2, 0);
    for (int i = 0; i < 4; ++i) {
        auto* heading = new QLabel(QString::fromUtf8(reverse::kPillarNames[i]) + QStringLiteral("柱"), this);
        heading->setAlignment(Qt::AlignCenter);
        pillarGrid->addWidget(heading, 0, i + 1);
        cbotian[i] = NameBox(this, QStringLiteral("cbotian%1").arg(i), sym::kStemNames, 10);
        cbodi[i] = NameBox(this, QStringLiteral("cbodi%1").arg(i), sym::kBranchNames, 12);
        pillarGrid->addWidget(cbotian[i], 1, i + 1);
        pillarGrid->addWidget(cbodi[i], 2, i + 1);
    }

    // The sex is shown as the main window has it; the search does not use it.
    Rdona1 = new QRadioButton(QStringLiteral("男"), this);
    Rdona1->setObjectName(QStringLiteral("Rdona1"));
    Rdonv1 = new QRadioButton(QStringLiteral("女"), this);
    Rdonv1->setObjectName(QStringLiteral("Rdonv1"));
    auto* sex = new QButtonGroup(this);
    sex->addButton(Rdona1);
    sex->addButton(Rdonv1);

    Edtyear = new QLineEdit(this);
    Edtyear->setObjectName(QStringLiteral("Edtyear"));
    Edtyear->setMaxLength(4);
    Edtyear->setFixedWidth(52);
    Upyear = new UpDownButtons(kFirstStartYear, kLastStartYear, this);
    Upyear->setObjectName(QStringLiteral("Upyear"));
    connect(Upyear, &UpDownButtons::Clicked, this, &TFrmFanTui::UpyearClick);

    Btncha = new QPushButton(QStringLiteral("反推"), this);
    Btncha->setObjectName(QStringLiteral("Btncha"));
    Btncha->setDefault(true);
    connect(Btncha, &QPushButton::clicked, this, &TFrmFanTui::BtnchaClick);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setMinimumHeight(140);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("性别"), this));
    row->addWidget(Rdona1);
    row->addWidget(Rdonv1);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("起始年"), this));
    row->addWidget(Edtyear);
    row->addWidget(Upyear);
    row->addStretch();
    row->addWidget(Btncha);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pillarGrid);
    layout->addLayout(row);
    layout->addWidget(Memo1);
}

void TFrmFanTui::PreFill(const uint8_t pillars[4], bool male) {
    for (int i = 0; i < 4; ++i) {
        cbotian[i]->setCurrentIndex((sym::StemOf(pillars[i]) + 9) % 10);
        cbodi[i]->setCurrentIndex((sym::BranchOf(pillars[i]) + 11) % 12);
    }
    (male ? Rdona1 : Rdonv1)->setChecked(true);
    Upyear->SetPosition(kDefaultStartYear);
    UpyearClick(kDefaultStartYear);
}

void TFrmFanTui::UpyearClick(int position) { Edtyear->setText(QString::number(DisplayYear(position))); }

void TFrmFanTui::RefuseStartYear() {
    Messages().Notice(this, Text(reverse::kStartYearMessage), Text(reverse::kStartYearCaption),
                      MessageIcon::Warning);
    Edtyear->setFocus();
}

void TFrmFanTui::BtnchaClick() {
    const int typed = reverse::TypedYear(Edtyear->text().toStdString());
    if (!reverse::StartYearAccepted(typed)) {
        RefuseStartYear();
        return;
    }
    reverse::StemBranch picked[4];
    for (int i = 0; i < 4; ++i) picked[i] = {(cbotian[i]->currentIndex() + 1) % 10, (cbodi[i]->currentIndex() + 1) % 12};
    const reverse::PillarCheck check = reverse::CheckPillars(picked);
    if (check.failed >= 0) {
        Messages().Notice(this, Text(reverse::InvalidPillarMessage(check.failed)),
                          Text(reverse::kInvalidPillarCaption), MessageIcon::Error);
        return;
    }
    pillars_ = check.pillars;
    // The spin button keeps its own range; the year box stays as typed.
    Upyear->SetPosition(reverse::AstronomicalYear(typed));
    Search();
}

void TFrmFanTui::Search() {
    const int typed = reverse::TypedYear(Edtyear->text().toStdString());
    if (!reverse::StartYearSearchable(typed)) {
        RefuseStartYear();
        return;
    }
    found_ = reverse::FirstMatch(cal_, pillars_, reverse::AstronomicalYear(typed));
    if (!found_) {
        Memo1->setPlainText(Text(reverse::kNoMatchText) + QStringLiteral("\n\n"));
        return;
    }
    Memo1->moveCursor(QTextCursor::End);
    Memo1->insertPlainText(Text(reverse::kMatchHeading) + QStringLiteral("\n") + Text(reverse::MatchText(*found_)) +
                           Text(reverse::SummerClockText(*found_)) + QStringLiteral("\n\n"));
    Memo1->moveCursor(QTextCursor::End);
}
