#include "app/tool_windows/TFrmWnl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "widgets/UpDownButtons.h"
#include "widgets/fonts.h"
#include "widgets/messages/message_box.h"
#include "widgets/modeless_window.h"

namespace {

const QColor kPaleYellow(255, 255, 200);
const QColor kWeekdayGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kDayBlue(0, 0, 255);
const QColor kMarkerGreen(0, 128, 0);

// The sheet is drawn in design pixels of 450 × 330: 7 × 7 cells of 64 × 47.
constexpr int kSheetWidth = 450;
constexpr int kSheetHeight = 330;
constexpr int kCellWidth = kSheetWidth / wnl::kColumns;
constexpr int kCellHeight = kSheetHeight / wnl::kRows;

const QString kYearRange = QStringLiteral("年份在1900-2050之间");

// The sheet's font at a size in points, held in pixels (at 96 dots per
// inch) so the texts keep their place in the cells on every screen.
QFont SheetFont(int points) {
    QFont font = FontNamed(kDefaultFontName, points);
    font.setPixelSize(points * 4 / 3);
    return font;
}

// The sheet font at a size, made smaller, as far as it stays legible, until
// the text fits a cell with a little room on both sides ("闰十一月初五" is six
// characters wide, more than a cell holds at the lunar texts' size).
QFont FittingFont(int points, const QString& text) {
    constexpr int kRoom = kCellWidth - 4, kSmallestPixels = 7;
    QFont font = SheetFont(points);
    while (font.pixelSize() > kSmallestPixels && QFontMetrics(font).horizontalAdvance(text) > kRoom)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QComboBox* NumberBox(QWidget* parent, const char* name, int first, int last, const QString& unit) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (int i = first; i <= last; ++i) box->addItem(QString::number(i) + unit);
    box->setMaxVisibleItems(16);
    return box;
}

QPlainTextEdit* Memo(QWidget* parent, const char* name, int lines) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setReadOnly(true);
    memo->setFont(SheetFont(10));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int margins = 2 * (memo->frameWidth() + static_cast<int>(memo->document()->documentMargin()));
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * lines + margins + 6);
    return memo;
}

// The current local time, within the calendar's years.
CalDate Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const int year = std::clamp(now.date().year(), wnl::kFirstYear, wnl::kLastYear);
    return {static_cast<int16_t>(year), static_cast<int16_t>(now.date().month()),
            static_cast<int16_t>(now.date().day()), static_cast<int16_t>(now.time().hour()),
            static_cast<int16_t>(now.time().minute())};
}

}  // namespace

// The month sheet: weekday names on top, then the days with their lunar
// dates, the selected day framed. Painted as vectors, so it stays sharp at
// any device pixel ratio.
class MonthSheetView : public QWidget {
public:
    explicit MonthSheetView(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Img1"));
        setFixedSize(kSheetWidth, kSheetHeight);
        setFont(SheetFont(9));
    }

    void Show(const wnl::MonthSheet& sheet, int selectedDay) {
        sheet_ = &sheet;
        selectedDay_ = selectedDay;
        update();
    }

    std::function<void(int x, int y)> leftClick;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(0, 0, kSheetWidth, kSheetHeight, kPaleYellow);
        p.setPen(Qt::black);
        for (int k = 1; k <= 6; ++k) {
            p.drawLine(0, k * kCellHeight, kSheetWidth, k * kCellHeight);
            p.drawLine(k * kCellWidth, 0, k * kCellWidth, kSheetHeight);
        }
        p.setFont(SheetFont(13));
        for (int column = 0; column < wnl::kColumns; ++column) {
            p.setPen(column < 5 ? kWeekdayGreen : kRed);
            p.drawText(Cell(0, column), Qt::AlignCenter, Text(wnl::WeekdayHead(column)));
        }
        if (!sheet_) return;
        for (const wnl::DayCell& d : sheet_->days) PaintDay(p, d);
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && leftClick)
            leftClick(event->position().toPoint().x(), event->position().toPoint().y());
    }

private:
    static QRect Cell(int row, int column) {
        return {column * kCellWidth, row * kCellHeight, kCellWidth, kCellHeight};
    }

    void PaintDay(QPainter& p, const wnl::DayCell& d) const {
        const QRect cell = Cell(d.row, d.column);
        const QRect upper(cell.x(), cell.y(), kCellWidth, kCellHeight / 2);
        const QRect lower(cell.x(), cell.y() + kCellHeight / 2, kCellWidth, kCellHeight / 2);
        p.setPen(d.termDay ? kRed : kDayBlue);
        p.setFont(FittingFont(d.termDay ? 10 : 14, Text(d.upper)));
        p.drawText(upper, Qt::AlignCenter, Text(d.upper));
        p.setFont(FittingFont(9, Text(d.lower)));
        p.drawText(lower, Qt::AlignCenter, Text(d.lower));
        if (d.day == selectedDay_) {
            QPen marker(kMarkerGreen, 3, Qt::DashLine);
            p.setPen(marker);
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell.adjusted(2, 2, -1, -1));
        }
    }

    const wnl::MonthSheet* sheet_ = nullptr;
    int selectedDay_ = 0;
};

TFrmWnl* TFrmWnl::Open(QWidget* owner) {
    return OpenModeless<TFrmWnl>(owner, [owner] { return new TFrmWnl(owner); });
}

TFrmWnl::TFrmWnl(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmWnl"));
    setWindowTitle(QStringLiteral("澄岚万年历(1900-2050年)"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kPaleYellow);
    setPalette(colours);
    setAutoFillBackground(true);
    BuildControls();
    SetMoment(Now());
    Redraw();
}

TFrmWnl::~TFrmWnl() = default;

void TFrmWnl::BuildControls() {
    EdtYear = new QLineEdit(this);
    EdtYear->setObjectName(QStringLiteral("EdtYear"));
    EdtYear->setMaxLength(4);
    EdtYear->setFixedWidth(48);
    UdYear = new UpDownButtons(0, wnl::kLastYear - wnl::kFirstYear, this);
    UdYear->setObjectName(QStringLiteral("UdYear"));
    cbom = NumberBox(this, "cbom", 1, 12, QStringLiteral("月"));
    cbod = NumberBox(this, "cbod", 1, 31, QStringLiteral("日"));
    cbos = NumberBox(this, "cbos", 0, 23, QStringLiteral("时"));
    cbomin = NumberBox(this, "cbomin", 0, 59, QStringLiteral("分"));
    chkjq = new QCheckBox(QStringLiteral("节气换月"), this);
    chkjq->setObjectName(QStringLiteral("chkjq"));
    chkjq->setChecked(true);
    Img1 = new MonthSheetView(this);
    Img1->leftClick = [this](int x, int y) { Img1Click(x, y); };
    labtitle = new QLabel(this);
    labtitle->setObjectName(QStringLiteral("labtitle"));
    labtitle->setFont(SheetFont(14));
    labxiao = new QLabel(this);
    labxiao->setObjectName(QStringLiteral("labxiao"));
    labxiao->setFont(SheetFont(14));
    memjie1 = Memo(this, "memjie1", 1);
    memjie2 = Memo(this, "memjie2", 1);
    memgz = Memo(this, "memgz", 4);
    auto* previous = new QPushButton(QStringLiteral("上一月"), this);
    previous->setObjectName(QStringLiteral("BitBtn2"));
    auto* next = new QPushButton(QStringLiteral("下一月"), this);
    next->setObjectName(QStringLiteral("BitBtn1"));
    auto* now = new QPushButton(QStringLiteral("当前时间"), this);
    now->setObjectName(QStringLiteral("sbtnnow"));
    // Enter belongs to the year box, not to a button.
    for (QPushButton* b : {previous, next, now}) b->setAutoDefault(false);

    connect(UdYear, &UpDownButtons::Clicked, this, &TFrmWnl::UdYearClick);
    connect(EdtYear, &QLineEdit::returnPressed, this, &TFrmWnl::EdtYearEnter);
    for (QComboBox* box : {cbom, cbod, cbos, cbomin})
        connect(box, &QComboBox::currentIndexChanged, this, &TFrmWnl::Redraw);
    connect(chkjq, &QCheckBox::toggled, this, &TFrmWnl::Redraw);
    connect(previous, &QPushButton::clicked, this, &TFrmWnl::BitBtn2Click);
    connect(next, &QPushButton::clicked, this, &TFrmWnl::BitBtn1Click);
    connect(now, &QPushButton::clicked, this, &TFrmWnl::SbtnnowClick);

    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(4);
    inputs->addWidget(EdtYear);
    inputs->addWidget(UdYear);
    inputs->addWidget(new QLabel(QStringLiteral("年"), this));
    for (QWidget* w : {static_cast<QWidget*>(cbom), static_cast<QWidget*>(cbod), static_cast<QWidget*>(cbos),
                       static_cast<QWidget*>(cbomin)})
        inputs->addWidget(w);
    inputs->addSpacing(8);
    inputs->addWidget(chkjq);
    inputs->addStretch();

    auto* side = new QVBoxLayout;
    side->addWidget(labtitle);
    side->addWidget(labxiao);
    side->addWidget(new QLabel(QStringLiteral("本月节气"), this));
    side->addWidget(memjie1);
    side->addWidget(memjie2);
    side->addWidget(new QLabel(QStringLiteral("四柱"), this));
    side->addWidget(memgz);
    side->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addStretch();
    buttons->addWidget(now);

    auto* grid = new QGridLayout(this);
    grid->addLayout(inputs, 0, 0, 1, 2);
    grid->addWidget(Img1, 1, 0);
    grid->addLayout(side, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 150);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TFrmWnl::SetMoment(const CalDate& moment) {
    const QSignalBlocker blockMonth(cbom), blockDay(cbod), blockHour(cbos), blockMinute(cbomin);
    EdtYear->setText(QString::number(moment.year));
    cbom->setCurrentIndex(moment.month - 1);
    cbod->setCurrentIndex(moment.day - 1);
    cbos->setCurrentIndex(moment.hour);
    cbomin->setCurrentIndex(moment.minute);
}

CalDate TFrmWnl::MomentInBoxes() const {
    bool isNumber = false;
    const int year = EdtYear->text().toInt(&isNumber);  // not a number counts as 0
    return {static_cast<int16_t>(isNumber ? year : 0), static_cast<int16_t>(cbom->currentIndex() + 1),
            static_cast<int16_t>(cbod->currentIndex() + 1), static_cast<int16_t>(cbos->currentIndex()),
            static_cast<int16_t>(cbomin->currentIndex())};
}

void TFrmWnl::Redraw() {
    const CalDate moment = MomentInBoxes();
    switch (wnl::CheckMoment(moment)) {
    case wnl::MomentFault::YearOutOfRange:
        Messages().Notice(this, kYearRange, QStringLiteral("年份不对"), MessageIcon::Error);
        return;
    case wnl::MomentFault::DayBeyondMonth:
        Messages().Notice(this, QStringLiteral("不存在这个日期，请重新输入！"), QStringLiteral("日期不对"),
                          MessageIcon::Information);
        return;
    case wnl::MomentFault::None: break;
    }
    UdYear->SetPosition(moment.year - wnl::kFirstYear);
    shown_ = moment;
    sheet_ = wnl::LayOutMonth(cal_, moment, chkjq->isChecked());
    Img1->Show(sheet_, moment.day);
    labtitle->setText(Text(sheet_.title));
    labxiao->setText(Text(sheet_.animal));
    memjie1->setPlainText(Text(sheet_.firstTerm));
    memjie2->setPlainText(Text(sheet_.secondTerm));
    memgz->setPlainText(Text(sheet_.pillarsText));
}

void TFrmWnl::UdYearClick(int position) {
    EdtYear->setText(QString::number(position + wnl::kFirstYear));
    Redraw();
}

void TFrmWnl::EdtYearEnter() {
    bool isNumber = false;
    const int year = EdtYear->text().toInt(&isNumber);
    if (isNumber && year >= wnl::kFirstYear && year <= wnl::kLastYear) {
        Redraw();
        return;
    }
    Messages().Notice(this, kYearRange, QStringLiteral("错误"), MessageIcon::Error);
    EdtYear->setFocus();
}

void TFrmWnl::ShowMonthStart(int year, int month) {
    CalDate moment = MomentInBoxes();
    moment.year = static_cast<int16_t>(year);
    moment.month = static_cast<int16_t>(month);
    moment.day = 1;
    SetMoment(moment);
    Redraw();
}

void TFrmWnl::BitBtn2Click() {
    if (shown_.year == wnl::kFirstYear && shown_.month == 1) return;
    if (shown_.month == 1) ShowMonthStart(shown_.year - 1, 12);
    else ShowMonthStart(shown_.year, shown_.month - 1);
}

void TFrmWnl::BitBtn1Click() {
    if (shown_.year == wnl::kLastYear && shown_.month == 12) return;
    if (shown_.month == 12) ShowMonthStart(shown_.year + 1, 1);
    else ShowMonthStart(shown_.year, shown_.month + 1);
}

void TFrmWnl::SbtnnowClick() {
    SetMoment(Now());
    Redraw();
}

void TFrmWnl::Img1Click(int x, int y) {
    // Only the 7 × 7 cells count; the strip beyond the last column is no cell.
    if (x < 0 || y < 0 || x / kCellWidth >= wnl::kColumns || y / kCellHeight >= wnl::kRows) return;
    const int cell = (y / kCellHeight) * wnl::kColumns + x / kCellWidth - wnl::kColumns;
    if (cell < sheet_.firstColumn || cell >= sheet_.firstColumn + sheet_.daysInMonth) return;
    const QSignalBlocker blockDay(cbod);
    cbod->setCurrentIndex(cell - sheet_.firstColumn);
    Redraw();
}
