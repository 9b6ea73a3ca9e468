#include "app/case_dialogs/TFrmFenLei.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "widgets/category_combo.h"
#include "widgets/dialog_controls.h"
#include "widgets/memo_text.h"
#include "widgets/messages/message_box.h"
#include "widgets/paste_guard.h"
#include "widgets/gbk_input_limit.h"

namespace {

constexpr std::size_t kNoteBytes = 801;

}  // namespace

TFrmFenLei::TFrmFenLei(const IniFile& settings, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmFenLei"));
    setWindowTitle(QStringLiteral("分类保存"));

    CboFenLei = CategoryCombo(this, settings);
    CboFenLei->setCurrentIndex(CboFenLei->count() > 0 ? 0 : -1);

    Memo1 = Named(new QPlainTextEdit(QStringLiteral("备注:"), this), "Memo1");
    GuardPaste(*Memo1);
    LimitMemoToGbkBytes(*Memo1, kNoteBytes);

    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(new QLabel(QStringLiteral("保存类别"), this));
    categoryRow->addWidget(CboFenLei, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    AddButton(this, buttons, QStringLiteral("确定"), "BtnOk", &TFrmFenLei::BtnOkClick);
    AddButton(this, buttons, QStringLiteral("取消"), "BtnCancel", &TFrmFenLei::BtnCancelClick);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(categoryRow);
    layout->addWidget(new QLabel(QStringLiteral("附加信息"), this));
    layout->addWidget(Memo1);
    layout->addLayout(buttons);
}

void TFrmFenLei::Refuse(const QString& text, QWidget* focus) {
    Messages().Notice(this, text, QStringLiteral("错误"), MessageIcon::Error);
    focus->setFocus();
}

void TFrmFenLei::BtnOkClick() {
    category_ = CboFenLei->currentText().trimmed().toStdString();
    note_ = WithCrLf(Memo1->toPlainText().trimmed());
    if (category_.empty())
        Refuse(QStringLiteral("类别名不能为空"), CboFenLei);
    else if (note_.empty())
        Refuse(QStringLiteral("附加信息不能为空"), Memo1);
    else if (StorableInGbk(this, {CboFenLei->currentText(), Memo1->toPlainText()}))
        accept();
}

void TFrmFenLei::BtnCancelClick() { reject(); }
