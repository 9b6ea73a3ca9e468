#include "app/main/ChartPictureWidget.h"

#include <QPainter>

#include "app/main/festive_background.h"
#include "widgets/fonts.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// Text whose top-left corner lies at (x, y).
QFont PillarFont() { return FontNamed(kDefaultFontName, 16); }

QFont IndexFont() {
    // The index keeps the bold of the pillars above it.
    QFont font = FontNamed(kDefaultFontName, 11);
    font.setBold(true);
    return font;
}

// The top of the marriage index line, below 乙命's fourth pillar.
int IndexTop(int ch) { return 2 * ch + 43 + 4 * (ch + 20); }

// A little paper between the index and the upper roll.
constexpr int kRollMargin = 4;

void TextAt(QPainter& p, int x, int y, const QString& text) {
    p.drawText(x, y + p.fontMetrics().ascent(), text);
}

// One person's column: "甲命"/"乙命", the sex word, then the four pillars
// (bold), each ch + 20 below the one before.
void PaintPerson(QPainter& p, const ChartPicture& picture, int person, int x, int ch) {
    TextAt(p, x, 8, person == 0 ? QStringLiteral("甲命") : QStringLiteral("乙命"));
    TextAt(p, x, ch + 13, QString::fromStdString(picture.sexWord[person]));
    QFont bold = p.font();
    bold.setBold(true);
    p.save();
    p.setFont(bold);
    for (int i = 0; i < 4; ++i)
        TextAt(p, x, 2 * ch + 43 + i * (ch + 20), QString::fromStdString(picture.pillars[person][i]));
    p.restore();
}

}  // namespace

ChartPictureWidget::ChartPictureWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ImgBaZi"));
    setFixedWidth(118);
    setMinimumHeight((TextBottom() + kRollMargin) * FestiveBackgroundHeight() / FestiveRollTop() + 1);
}

int ChartPictureWidget::TextBottom() {
    return IndexTop(QFontMetrics(PillarFont()).height()) + QFontMetrics(IndexFont()).height();
}

int ChartPictureWidget::RollTop() const { return height() * FestiveRollTop() / FestiveBackgroundHeight(); }

void ChartPictureWidget::SetPicture(const ChartPicture& picture) {
    picture_ = picture;
    update();
}

void ChartPictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), FestiveBackground());
    if (!picture_.valid) return;
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(PillarFont());
    const int cw = p.fontMetrics().horizontalAdvance(QStringLiteral("正"));
    const int ch = p.fontMetrics().height();
    p.setPen(kRed);
    PaintPerson(p, picture_, 0, 2, ch);
    p.setPen(kBlue);
    PaintPerson(p, picture_, 1, 2 + 3 * cw, ch);
    p.setFont(IndexFont());
    p.setPen(kRed);
    TextAt(p, 5, IndexTop(ch), QStringLiteral("婚配指数=%1分").arg(picture_.marriageIndex));
}
