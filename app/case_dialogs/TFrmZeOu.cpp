#include "app/case_dialogs/TFrmZeOu.h"

#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cstring>
#include <set>

#include "widgets/messages/message_box.h"
#include "widgets/messages/save_file_dialog.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"

using namespace matching;

namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

QPushButton* Button(QWidget* parent, const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);  // Enter chooses the row, it presses no button
    return button;
}

QSpinBox* Spin(QWidget* parent, const char* name, int low, int high, int value) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

// The columns that hold numbers sort as numbers.
constexpr int kRankColumn = 0, kIndexColumn = 1;

}  // namespace

TFrmZeOu::TFrmZeOu(std::string programFolder, const BirthData& person, QWidget* parent)
    : QDialog(parent), programFolder_(std::move(programFolder)), person_(person) {
    setObjectName(QStringLiteral("FrmZeOu"));
    setWindowTitle(QStringLiteral("择偶排行"));
    BuildLayout();
    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &TFrmZeOu::PollRanking);
}

TFrmZeOu::~TFrmZeOu() { control_.cancel = true; }  // the ranking thread is joined with its member

void TFrmZeOu::BuildLayout() {
    LblPerson = new QLabel(this);
    LblPerson->setObjectName(QStringLiteral("LblPerson"));
    Candidate shown;
    std::memcpy(shown.name, person_.name, sizeof shown.name - 1);
    shown.year = person_.year;
    shown.month = person_.month;
    shown.day = person_.day;
    shown.hour = person_.hour;
    shown.minute = person_.minute;
    shown.lunar = person_.lunar;
    shown.leap = person_.leap;
    shown.male = person_.male;
    LblPerson->setText(QStringLiteral("为 %1（%2，%3）在案例库中排行异性配偶")
                           .arg(Q(NameText(shown)), Q(SexText(shown)), Q(BirthText(shown))));

    BtnRank = Button(this, "BtnRank", "择偶排行");
    BtnCancel = Button(this, "BtnCancel", "取消");
    BtnCancel->setEnabled(false);
    PgbRank = new QProgressBar(this);
    PgbRank->setObjectName(QStringLiteral("PgbRank"));
    PgbRank->setValue(0);
    connect(BtnRank, &QPushButton::clicked, this, &TFrmZeOu::BtnRankClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmZeOu::BtnCancelClick);
    auto* top = new QHBoxLayout;
    top->addWidget(BtnRank);
    top->addWidget(PgbRank, 1);
    top->addWidget(BtnCancel);

    SpnMinIndex = Spin(this, "SpnMinIndex", 0, 99, 0);
    SpnYearFrom = Spin(this, "SpnYearFrom", -850, 2100, -850);
    SpnYearTo = Spin(this, "SpnYearTo", -850, 2100, 2100);
    CboCategory = new QComboBox(this);
    CboCategory->setObjectName(QStringLiteral("CboCategory"));
    CboCategory->addItem(QStringLiteral("全部类别"));
    for (QSpinBox* spin : {SpnMinIndex, SpnYearFrom, SpnYearTo})
        connect(spin, &QSpinBox::valueChanged, this, &TFrmZeOu::ShowRows);
    connect(CboCategory, &QComboBox::currentIndexChanged, this, &TFrmZeOu::ShowRows);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("最低指数"), this));
    filters->addWidget(SpnMinIndex);
    filters->addWidget(new QLabel(QStringLiteral("出生年份"), this));
    filters->addWidget(SpnYearFrom);
    filters->addWidget(new QLabel(QStringLiteral("至"), this));
    filters->addWidget(SpnYearTo);
    filters->addWidget(new QLabel(QStringLiteral("类别"), this));
    filters->addWidget(CboCategory, 1);

    const std::vector<std::string> captions = ColumnCaptions();
    GrdRank = new QTableWidget(0, static_cast<int>(captions.size()), this);
    GrdRank->setObjectName(QStringLiteral("GrdRank"));
    QStringList headers;
    for (const std::string& c : captions) headers << Q(c);
    GrdRank->setHorizontalHeaderLabels(headers);
    GrdRank->verticalHeader()->hide();
    GrdRank->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GrdRank->setSelectionBehavior(QAbstractItemView::SelectRows);
    GrdRank->setSelectionMode(QAbstractItemView::SingleSelection);
    GrdRank->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    GrdRank->horizontalHeader()->setStretchLastSection(true);
    GrdRank->setSortingEnabled(true);
    connect(GrdRank, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ChooseRow(row); });

    LblSummary = new QLabel(this);
    LblSummary->setObjectName(QStringLiteral("LblSummary"));
    BtnCsv = Button(this, "BtnCsv", "导出CSV");
    BtnText = Button(this, "BtnText", "导出文本");
    BtnCsv->setEnabled(false);
    BtnText->setEnabled(false);
    connect(BtnCsv, &QPushButton::clicked, this, &TFrmZeOu::BtnCsvClick);
    connect(BtnText, &QPushButton::clicked, this, &TFrmZeOu::BtnTextClick);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(LblSummary, 1);
    bottom->addWidget(BtnCsv);
    bottom->addWidget(BtnText);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LblPerson);
    layout->addLayout(top);
    layout->addLayout(filters);
    layout->addWidget(GrdRank, 1);
    layout->addLayout(bottom);
    resize(900, 560);
}

void TFrmZeOu::BtnRankClick() {
    if (Running()) return;
    control_.cancel = false;
    control_.slotsDone = 0;
    control_.slotsTotal = 0;
    finished_ = false;
    BtnRank->setEnabled(false);
    BtnCancel->setEnabled(true);
    LblSummary->setText(QStringLiteral("排行中……"));
    RankingRequest request;
    request.programFolder = programFolder_;
    request.person = person_;
    ranking_ = std::jthread([this, request] {
        pending_ = RankPartners(request, &control_);
        finished_ = true;
    });
    timer_->start();
}

void TFrmZeOu::BtnCancelClick() { control_.cancel = true; }

void TFrmZeOu::PollRanking() {
    PgbRank->setMaximum(std::max(1, control_.slotsTotal.load()));
    PgbRank->setValue(control_.slotsDone.load());
    if (finished_) FinishRanking();
}

void TFrmZeOu::FinishRanking() {
    timer_->stop();
    ranking_.join();
    ranking_ = std::jthread();
    result_ = std::move(pending_);
    pending_ = RankingResult{};
    BtnRank->setEnabled(true);
    BtnCancel->setEnabled(false);
    if (!result_.ok) {
        LblSummary->setText(QString());
        Messages().Notice(this, Q(result_.error), QStringLiteral("择偶排行"), MessageIcon::Information);
        return;
    }
    PgbRank->setValue(PgbRank->maximum());
    FillCategories();
    ShowRows();
}

void TFrmZeOu::FillCategories() {
    std::set<std::string> names;
    for (const std::vector<Candidate>* list : {&result_.ranked, &result_.unchartable})
        for (const Candidate& c : *list) names.insert(CategoryText(c));
    const QSignalBlocker block(CboCategory);
    CboCategory->clear();
    CboCategory->addItem(QStringLiteral("全部类别"));
    for (const std::string& name : names) CboCategory->addItem(Q(name));
}

void TFrmZeOu::ShowRows() {
    RankingFilter filter;
    filter.minIndex = SpnMinIndex->value();
    filter.fromYear = SpnYearFrom->value();
    filter.toYear = SpnYearTo->value();
    if (CboCategory->currentIndex() > 0) filter.category = CboCategory->currentText().toStdString();
    rows_ = FilteredRows(result_, filter);

    GrdRank->setSortingEnabled(false);
    GrdRank->clearContents();
    GrdRank->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const std::vector<std::string> cells = RowCells(rows_[r]);
        for (int col = 0; col < static_cast<int>(cells.size()); ++col) {
            auto* item = new QTableWidgetItem;
            bool number = (col == kRankColumn || col == kIndexColumn) && rows_[r].candidate->charted;
            if (number)
                item->setData(Qt::DisplayRole, std::stoi(cells[col]));
            else
                item->setText(Q(cells[col]));
            if (col == kRankColumn) item->setData(Qt::UserRole, r);
            GrdRank->setItem(r, col, item);
        }
    }
    GrdRank->setSortingEnabled(true);
    GrdRank->sortByColumn(kRankColumn, Qt::AscendingOrder);
    LblSummary->setText(Q(SummaryLine(result_)));
    BtnCsv->setEnabled(result_.ok);
    BtnText->setEnabled(result_.ok);
}

void TFrmZeOu::ChooseRow(int row) {
    QTableWidgetItem* item = GrdRank->item(row, kRankColumn);
    if (!item) return;
    const Candidate& c = *rows_[static_cast<std::size_t>(item->data(Qt::UserRole).toInt())].candidate;
    chosenNumber_ = c.number;
    chosenSide_ = c.side;
    accept();
}

void TFrmZeOu::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && GrdRank->currentRow() >= 0) {
        ChooseRow(GrdRank->currentRow());
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrmZeOu::reject() {
    // Closing stops a running ranking first; the library is left as it was.
    control_.cancel = true;
    if (Running()) ranking_.join();
    timer_->stop();
    QDialog::reject();
}

void TFrmZeOu::Export(const QString& title, const QString& caption, const QString& extension, const std::string& bytes) {
    const ChosenFile file = ChooseSaveFile(this, title, {{caption, extension}});
    if (file.path.isEmpty()) return;
    if (!fileutil::WriteAtomically(QFile::encodeName(file.path).toStdString(), bytes)) {
        Messages().Notice(this, QStringLiteral("无法写入文件：%1").arg(file.path), QStringLiteral("错误"),
                          MessageIcon::Error);
        return;
    }
    Messages().Plain(this, QStringLiteral("已保存！"));
}

void TFrmZeOu::BtnCsvClick() {
    Export(QStringLiteral("导出CSV"), QStringLiteral("CSV格式"), QStringLiteral(".csv"), ListAsCsv(rows_, result_));
}

void TFrmZeOu::BtnTextClick() {
    Export(QStringLiteral("导出文本"), QStringLiteral("文本格式"), QStringLiteral(".txt"), ListAsText(rows_, result_));
}
