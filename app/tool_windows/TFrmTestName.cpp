#include "app/tool_windows/TFrmTestName.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "widgets/messages/message_box.h"

namespace {

constexpr int kGridSide = 8;
constexpr int kCellWidth = 45;
constexpr int kCellHeight = 30;

}  // namespace

TFrmTestName::TFrmTestName(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmTestName"));
    setWindowTitle(QStringLiteral("巧猜姓氏"));
    BuildControls();
    BtnAgainClick();
}

void TFrmTestName::BuildControls() {
    strbjx = new QTableWidget(kGridSide, kGridSide, this);
    strbjx->setObjectName(QStringLiteral("strbjx"));
    strbjx->horizontalHeader()->hide();
    strbjx->verticalHeader()->hide();
    strbjx->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    strbjx->verticalHeader()->setDefaultSectionSize(kCellHeight);
    strbjx->setEditTriggers(QAbstractItemView::NoEditTriggers);
    strbjx->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strbjx->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * strbjx->frameWidth();
    strbjx->setFixedSize(kGridSide * kCellWidth + frame, kGridSide * kCellHeight + frame);
    for (int row = 0; row < kGridSide; ++row)
        for (int column = 0; column < kGridSide; ++column) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            strbjx->setItem(row, column, cell);
        }

    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setMinimumHeight(26);

    BtnYes = new QPushButton(QStringLiteral("有"), this);
    BtnYes->setObjectName(QStringLiteral("BtnYes"));
    BtnYes->setDefault(true);
    BtnNo = new QPushButton(QStringLiteral("没有"), this);
    BtnNo->setObjectName(QStringLiteral("BtnNo"));
    BtnNo->setAutoDefault(false);
    auto* again = new QPushButton(QStringLiteral("重来"), this);
    again->setObjectName(QStringLiteral("BtnAgain"));
    again->setAutoDefault(false);
    connect(BtnYes, &QPushButton::clicked, this, &TFrmTestName::BtnYesClick);
    connect(BtnNo, &QPushButton::clicked, this, &TFrmTestName::BtnNoClick);
    connect(again, &QPushButton::clicked, this, &TFrmTestName::BtnAgainClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("回答下表中有否你的姓"), this));
    layout->addWidget(strbjx);
    layout->addWidget(Panel1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnYes);
    buttons->addWidget(BtnNo);
    buttons->addWidget(again);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFrmTestName::BtnAgainClick() {
    game_.Start();
    BtnYes->setEnabled(true);
    BtnNo->setEnabled(true);
    ShowState();
}

void TFrmTestName::BtnYesClick() {
    game_.Answer(true);
    ShowState();
}

void TFrmTestName::BtnNoClick() {
    game_.Answer(false);
    ShowState();
}

void TFrmTestName::ShowState() {
    if (!game_.Over()) {
        Panel1->setText(QStringLiteral("倒数 第%1 张表").arg(game_.TablesLeft()));
        const auto table = game_.Table();
        for (int k = 0; k < surname::kTableSize; ++k)
            strbjx->item(k / kGridSide, k % kGridSide)->setText(QString::fromUtf8(table[k].data(), table[k].size()));
        if (game_.TablesLeft() < surname::kTables) strbjx->setFocus();
        return;
    }
    BtnYes->setEnabled(false);
    BtnNo->setEnabled(false);
    const std::string_view name = surname::SurnameOf(game_.Number());
    if (name.empty()) {
        Messages().Notice(this, QStringLiteral("你的姓不在本字库中!"), QStringLiteral("意外"), MessageIcon::Warning);
        return;
    }
    const QString result = QStringLiteral("你姓:") + QString::fromUtf8(name.data(), name.size());
    Panel1->setText(result);
    Messages().Notice(this, result, QStringLiteral("猜中"), MessageIcon::Information);
}

// Escape answers "没有" while the game runs, as a cancel button does; after
// the result it closes the window.
void TFrmTestName::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && BtnNo->isEnabled()) {
        BtnNo->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
