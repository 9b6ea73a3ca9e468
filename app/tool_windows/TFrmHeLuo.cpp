#include "app/tool_windows/TFrmHeLuo.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "widgets/fonts.h"

namespace {

QColor ToQt(heluo::Rgb c) { return QColor(c.r, c.g, c.b); }

// The diagrams place a text by the top left of its cell, a cell one em high
// (as in 宋体, whose ascent and descent add up to the em). Fonts with taller
// line metrics keep their ascent-to-descent proportion within the em, so
// the labels sit where they sit in 宋体 and clear the dots beside them.
int CellHeight(const QFont& font) { return QFontInfo(font).pixelSize(); }

qreal CellAscent(const QFont& font) {
    const QFontMetricsF m(font);
    return CellHeight(font) * m.ascent() / (m.ascent() + m.descent());
}

QLabel* SwitchLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setCursor(Qt::PointingHandCursor);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #0000ff"));
    return label;
}

}  // namespace

// The picture: a cleared 450 × 450 canvas with one diagram on it. Pixel
// coordinates address pixel centres, so 1-pixel lines fall on whole pixels.
class TFrmHeLuo::Picture : public QWidget {
public:
    Picture(const QFont& font, QWidget* parent) : QWidget(parent), font_(font) {
        setObjectName(QStringLiteral("img1"));
        setFixedSize(heluo::kPictureSize, heluo::kPictureSize);
    }
    void Show(heluo::Diagram diagram) {
        diagram_ = std::move(diagram);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.save();
        p.translate(0.5, 0.5);
        PaintCanvas(p);
        PaintStrokes(p);
        PaintDots(p);
        p.restore();
        PaintTexts(p);
    }

private:
    void PaintCanvas(QPainter& p) const {
        p.setPen(QPen(ToQt(heluo::kBlack), 1));
        p.setBrush(ToQt(heluo::kBackground));
        p.drawRect(QRectF(0, 0, heluo::kPictureSize - 1, heluo::kPictureSize - 1));
    }
    void PaintStrokes(QPainter& p) const {
        p.setBrush(Qt::NoBrush);
        for (const heluo::Circle& c : diagram_.circles) {
            p.setPen(QPen(ToQt(c.colour), 1));
            p.drawEllipse(QPointF(c.centre.x, c.centre.y), c.radius, c.radius);
        }
        for (const heluo::Arc& a : diagram_.arcs) {
            p.setPen(QPen(ToQt(a.colour), 1));
            const QRectF box(a.centre.x - a.radius, a.centre.y - a.radius, 2 * a.radius, 2 * a.radius);
            p.drawArc(box, qRound(a.startDegrees * 16), qRound(a.spanDegrees * 16));
        }
        for (const heluo::Line& l : diagram_.lines) {
            p.setPen(QPen(ToQt(l.colour), 1));
            p.drawLine(QPointF(l.from.x, l.from.y), QPointF(l.to.x, l.to.y));
        }
    }
    void PaintDots(QPainter& p) const {
        for (const heluo::Dot& d : diagram_.dots) {
            p.setPen(QPen(ToQt(d.colour), 1));
            p.setBrush(ToQt(d.colour));
            p.drawEllipse(QPointF(d.centre.x, d.centre.y), heluo::kDotRadius, heluo::kDotRadius);
        }
    }
    void PaintTexts(QPainter& p) const {
        for (const heluo::Text& t : diagram_.texts) {
            QFont font = font_;
            font.setPointSize(t.pointSize);
            p.setFont(font);
            p.setPen(ToQt(t.colour));
            p.drawText(QPointF(t.topLeft.x, t.topLeft.y + CellAscent(font)), QString::fromStdString(t.text));
        }
    }

    QFont font_;
    heluo::Diagram diagram_;
};

TFrmHeLuo::TFrmHeLuo(QWidget* parent)
    : QDialog(parent), font_(FontNamed(kDefaultFontName, heluo::kTextPointSize)) {
    setObjectName(QStringLiteral("FrmHeLuo"));
    setWindowTitle(QStringLiteral("河图与洛书"));
    const QFontMetrics metrics(font_);
    textSize_ = {metrics.horizontalAdvance(QStringLiteral("字")), CellHeight(font_)};

    Label1 = SwitchLabel(this, "Label1", QStringLiteral("河图"));
    Label2 = SwitchLabel(this, "Label2", QStringLiteral("洛书"));
    Label1->installEventFilter(this);
    Label2->installEventFilter(this);
    img1 = new Picture(font_, this);

    auto* layout = new QVBoxLayout(this);
    auto* switches = new QHBoxLayout;
    switches->addWidget(Label1);
    switches->addSpacing(24);
    switches->addWidget(Label2);
    switches->addStretch();
    layout->addLayout(switches);
    layout->addWidget(img1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Label1Click();
}

TFrmHeLuo::~TFrmHeLuo() = default;

void TFrmHeLuo::Label1Click() { img1->Show(heluo::HeTu(textSize_)); }

void TFrmHeLuo::Label2Click() { img1->Show(heluo::LuoShu(textSize_)); }

bool TFrmHeLuo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Label1) Label1Click();
        if (watched == Label2) Label2Click();
    }
    return QDialog::eventFilter(watched, event);
}
