#include "app/main/ChartPictureWidget.h"

#include <QPainter>

#include "app/main/festive_background.h"
#include "widgets/fonts.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// Text whose top-left corner lies at (x, y).
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
}

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
    p.setFont(FontNamed(kDefaultFontName, 16));
    const int cw = p.fontMetrics().horizontalAdvance(QStringLiteral("正"));
    const int ch = p.fontMetrics().height();
    p.setPen(kRed);
    PaintPerson(p, picture_, 0, 2, ch);
    p.setPen(kBlue);
    PaintPerson(p, picture_, 1, 2 + 3 * cw, ch);
    // The index keeps the bold of the pillars above it.
    QFont index = FontNamed(kDefaultFontName, 11);
    index.setBold(true);
    p.setFont(index);
    p.setPen(kRed);
    TextAt(p, 5, 2 * ch + 43 + 4 * (ch + 20), QStringLiteral("婚配指数=%1分").arg(picture_.marriageIndex));
}
