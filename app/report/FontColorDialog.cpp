#include "app/report/FontColorDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/dialog_controls.h"
#include "widgets/fonts.h"

namespace {

// The sixteen standard colours, as the desktop's font dialog names them.
const struct {
    const char* name;
    QRgb rgb;
} kColours[] = {
    {"黑色", 0x000000},   {"褐红色", 0x800000}, {"绿色", 0x008000}, {"橄榄色", 0x808000},
    {"深蓝色", 0x000080}, {"紫色", 0x800080},   {"深青色", 0x008080}, {"灰色", 0x808080},
    {"银色", 0xC0C0C0},   {"红色", 0xFF0000},   {"酸橙色", 0x00FF00}, {"黄色", 0xFFFF00},
    {"蓝色", 0x0000FF},   {"紫红色", 0xFF00FF}, {"水绿色", 0x00FFFF}, {"白色", 0xFFFFFF},
};

// Item i of the style list: bit 0 italic, bit 1 bold.
const char* const kStyles[] = {"常规", "倾斜", "粗体", "粗偏斜体"};

const int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
// The largest size the report view takes.
constexpr int kMaxSize = 200;

const QString kSampleText = QStringLiteral("八字合婚 AaBbYyZz");
// The sample keeps its place; a large size is shown scaled down to it.
constexpr int kSampleWidth = 240;
constexpr int kSampleHeight = 80;

const QString kUnalignedMark = QStringLiteral("（不等宽）");

// The font at the largest size up to its own at which the sample fits.
QFont FittingSample(QFont font) {
    while (font.pointSize() > 6) {
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(kSampleText) <= kSampleWidth - 8 && metrics.height() <= kSampleHeight - 8) break;
        font.setPointSize(font.pointSize() - 1);
    }
    return font;
}

QIcon Swatch(const QColor& colour) {
    QPixmap pixmap(24, 12);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

}  // namespace

FontColorDialog::FontColorDialog(const QFont& font, const QColor& colour, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("字体"));
    BuildControls();
    Preset(font, colour);
}

void FontColorDialog::BuildControls() {
    CboFont = Named(new QComboBox(this), "CboFont");
    FillFonts();
    LabFontWarning = Named(new QLabel(QStringLiteral("此字体的汉字不是字母的两倍宽，命稿的排盘各列将对不齐。"), this),
                           "LabFontWarning");
    LabFontWarning->setWordWrap(true);
    QPalette warning = LabFontWarning->palette();
    warning.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    LabFontWarning->setPalette(warning);
    CboStyle = Named(new QComboBox(this), "CboStyle");
    for (const char* style : kStyles) CboStyle->addItem(QString::fromUtf8(style));
    CboSize = Named(new QComboBox(this), "CboSize");
    CboSize->setEditable(true);
    CboSize->setInsertPolicy(QComboBox::NoInsert);
    CboSize->lineEdit()->setValidator(new QIntValidator(1, kMaxSize, CboSize));
    for (int size : kSizes) CboSize->addItem(QString::number(size));

    auto* effects = new QGroupBox(QStringLiteral("效果"), this);
    ChkStrikeOut = Named(new QCheckBox(QStringLiteral("删除线(&K)"), effects), "ChkStrikeOut");
    ChkUnderline = Named(new QCheckBox(QStringLiteral("下划线(&U)"), effects), "ChkUnderline");
    CboColour = Named(new QComboBox(effects), "CboColour");
    for (const auto& c : kColours) CboColour->addItem(Swatch(QColor(c.rgb)), QString::fromUtf8(c.name), QColor(c.rgb));
    auto* effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(ChkStrikeOut);
    effectsLayout->addWidget(ChkUnderline);
    effectsLayout->addWidget(new QLabel(QStringLiteral("颜色(&C):"), effects));
    effectsLayout->addWidget(CboColour);

    auto* sampleBox = new QGroupBox(QStringLiteral("示例"), this);
    LabSample = Named(new QLabel(kSampleText, sampleBox), "LabSample");
    LabSample->setAlignment(Qt::AlignCenter);
    LabSample->setFixedSize(kSampleWidth, kSampleHeight);
    (new QVBoxLayout(sampleBox))->addWidget(LabSample);

    auto* buttons = new QDialogButtonBox(this);
    Named(buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole), "BtnOk")->setDefault(true);
    Named(buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole), "BtnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    const struct {
        const char* caption;
        QWidget* control;
    } columns[] = {{"字体(&F):", CboFont}, {"字形(&Y):", CboStyle}, {"大小(&S):", CboSize}};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromUtf8(columns[i].caption), this);
        label->setBuddy(columns[i].control);
        grid->addWidget(label, 0, i);
        grid->addWidget(columns[i].control, 1, i);
    }
    grid->setColumnStretch(0, 1);
    grid->addWidget(LabFontWarning, 2, 0, 1, 3);
    grid->addWidget(effects, 3, 0);
    grid->addWidget(sampleBox, 3, 1, 1, 2);
    grid->addWidget(buttons, 4, 0, 1, 3);

    for (QComboBox* combo : {CboFont, CboStyle, CboColour})
        connect(combo, &QComboBox::currentIndexChanged, this, &FontColorDialog::ShowSample);
    connect(CboSize, &QComboBox::currentTextChanged, this, &FontColorDialog::ShowSample);
    for (QCheckBox* check : {ChkStrikeOut, ChkUnderline}) connect(check, &QCheckBox::toggled, this, &FontColorDialog::ShowSample);
}

// The fonts that line up the columns, then (after a separator) the others,
// marked; each name is shown in its own font.
void FontColorDialog::FillFonts() {
    const FontChoices choices = ReportFontChoices();
    auto add = [this](const QString& family, const QString& text) {
        CboFont->addItem(text, family);
        CboFont->setItemData(CboFont->count() - 1, QFont(family), Qt::FontRole);
    };
    for (const QString& family : choices.aligned) add(family, family);
    if (!choices.aligned.isEmpty() && !choices.others.isEmpty()) CboFont->insertSeparator(CboFont->count());
    for (const QString& family : choices.others) add(family, family + kUnalignedMark);
}

// The family itself, else the installed font it stands for ("宋体").
void FontColorDialog::SelectFamily(const QString& family) {
    int index = CboFont->findData(family);
    if (index < 0) index = CboFont->findData(QFontInfo(QFont(family)).family());
    CboFont->setCurrentIndex(std::max(index, 0));
}

QString FontColorDialog::ChosenFamily() const { return CboFont->currentData().toString(); }

void FontColorDialog::Preset(const QFont& font, const QColor& colour) {
    SelectFamily(font.family());
    presetFamily_ = font.family();
    shownFamily_ = ChosenFamily();
    CboStyle->setCurrentIndex((font.italic() ? 1 : 0) + (font.bold() ? 2 : 0));
    presetSize_ = std::clamp(font.pointSize() > 0 ? font.pointSize() : 12, 1, kMaxSize);
    CboSize->setCurrentText(QString::number(presetSize_));
    ChkStrikeOut->setChecked(font.strikeOut());
    ChkUnderline->setChecked(font.underline());
    int index = CboColour->findData(colour.isValid() ? colour : QColor(Qt::black));
    if (index < 0) {
        CboColour->addItem(Swatch(colour), QStringLiteral("自定义"), colour);
        index = CboColour->count() - 1;
    }
    CboColour->setCurrentIndex(index);
    ShowSample();
}

QFont FontColorDialog::SelectedFont() const {
    // A name that stands for an installed font ("宋体") stays as it was
    // unless the user picked another font.
    QFont font(ChosenFamily() == shownFamily_ ? presetFamily_ : ChosenFamily());
    const int size = CboSize->currentText().toInt();
    // An emptied size box keeps the size the dialog was opened with.
    font.setPointSize(size >= 1 && size <= kMaxSize ? size : presetSize_);
    font.setItalic(CboStyle->currentIndex() & 1);
    font.setBold(CboStyle->currentIndex() & 2);
    font.setStrikeOut(ChkStrikeOut->isChecked());
    font.setUnderline(ChkUnderline->isChecked());
    return font;
}

QColor FontColorDialog::SelectedColour() const { return CboColour->currentData().value<QColor>(); }

void FontColorDialog::ShowSample() {
    LabSample->setFont(FittingSample(SelectedFont()));
    LabFontWarning->setVisible(!LinesUpColumns(ChosenFamily()));
    QPalette palette = LabSample->palette();
    palette.setColor(QPalette::WindowText, SelectedColour());
    LabSample->setPalette(palette);
}
