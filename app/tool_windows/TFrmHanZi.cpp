#include "app/tool_windows/TFrmHanZi.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/RadioGroup.h"
#include "widgets/gbk_input_limit.h"
#include "widgets/messages/message_box.h"
#include "engine/base/file_util.h"
#include "tools/CHanZi.h"
#include "tools/name_grids.h"
#include "tools/stroke_file.h"
#include "widgets/paste_guard.h"

namespace {

constexpr std::size_t kNameBytes = 8;  // at most four characters
constexpr std::size_t kWordBytes = 2;  // one character

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* Edit(QWidget* parent, const char* name, std::size_t maxBytes) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    LimitToGbkBytes(*edit, maxBytes);
    return edit;
}

}  // namespace

TFrmHanZi::TFrmHanZi(const std::string& programFolder, QWidget* parent)
    : QDialog(parent), strokeFile_(strokes::StrokeFilePath(programFolder)) {
    setObjectName(QStringLiteral("FrmHanZi"));
    setWindowTitle(QStringLiteral("姓名与五行"));
    BuildControls();
    if (!fileutil::ReadableFile(strokeFile_))
        Messages().Notice(this, QString::fromUtf8(strokes::kStrokeFileMissing), kAppTitle, MessageIcon::Warning);
}

void TFrmHanZi::BuildControls() {
    RdoDang = new QRadioButton(QStringLiteral("单姓"), this);
    RdoDang->setObjectName(QStringLiteral("RdoDang"));
    RdoFu = new QRadioButton(QStringLiteral("复姓"), this);
    RdoFu->setObjectName(QStringLiteral("RdoFu"));
    auto* surnameKind = new QButtonGroup(this);
    surnameKind->addButton(RdoDang);
    surnameKind->addButton(RdoFu);
    RdoDang->setChecked(true);
    LedtName = Edit(this, "LedtName", kNameBytes);
    auto* grids = Button(this, "Btowg", QStringLiteral("求五格"));

    RgpElement = new RadioGroup(QStringLiteral("五行"),
                                {QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("火"),
                                 QStringLiteral("土"), QStringLiteral("金")},
                                5, this);
    RgpElement->setObjectName(QStringLiteral("RgpElement"));
    RgpElement->SetItemIndex(0);
    auto* search = Button(this, "BtoSearch", QStringLiteral("字库查找"));

    LedtWord = Edit(this, "LedtWord", kWordBytes);
    LedtWord->setMaximumWidth(60);
    auto* word = Button(this, "BtoWord", QStringLiteral("计算"));

    Memo1 = new QPlainTextEdit(this);
    GuardPaste(*Memo1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMinimumSize(420, 260);

    connect(grids, &QPushButton::clicked, this, &TFrmHanZi::BtowgClick);
    connect(word, &QPushButton::clicked, this, &TFrmHanZi::BtoWordClick);
    connect(search, &QPushButton::clicked, this, &TFrmHanZi::BtoSearchClick);

    auto* layout = new QGridLayout(this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(RdoDang);
    nameRow->addWidget(RdoFu);
    nameRow->addWidget(new QLabel(QStringLiteral("姓名"), this));
    nameRow->addWidget(LedtName);
    nameRow->addWidget(grids);
    layout->addLayout(nameRow, 0, 0);
    auto* wordRow = new QHBoxLayout;
    wordRow->addWidget(new QLabel(QStringLiteral("单字"), this));
    wordRow->addWidget(LedtWord);
    wordRow->addWidget(word);
    wordRow->addStretch();
    layout->addLayout(wordRow, 1, 0);
    auto* elementRow = new QHBoxLayout;
    elementRow->addWidget(RgpElement);
    elementRow->addWidget(search);
    layout->addLayout(elementRow, 2, 0);
    layout->addWidget(Memo1, 3, 0);
}

void TFrmHanZi::ShowFailure(const std::string& message) {
    Messages().Notice(this, QString::fromStdString(message), QStringLiteral("错误"), MessageIcon::Error);
}

void TFrmHanZi::BtowgClick() {
    CHanZi hanzi(strokeFile_);
    NameGrids grids;
    const std::string name = LedtName->text().toStdString();
    if (!hanzi.CalcGrids(RdoDang->isChecked(), name, grids)) {
        ShowFailure(hanzi.LastMessage());
        return;
    }
    Memo1->setPlainText(QString::fromStdString(GridText(name, grids)));
}

void TFrmHanZi::BtoWordClick() {
    CHanZi hanzi(strokeFile_);
    const std::string word = LedtWord->text().toStdString();
    const int count = hanzi.StrokesOf(word);
    if (count == 0) {
        ShowFailure(hanzi.LastMessage());
        return;
    }
    Memo1->setPlainText(QString::fromStdString(CharacterText(word, count)));
}

void TFrmHanZi::BtoSearchClick() {
    Memo1->setPlainText(QString::fromStdString(ListByElement(strokeFile_, RgpElement->ItemIndex())));
}
