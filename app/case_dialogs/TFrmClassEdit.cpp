#include "app/case_dialogs/TFrmClassEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "widgets/dialog_controls.h"
#include "widgets/memo_text.h"
#include "widgets/messages/message_box.h"
#include "widgets/messages/write_failure.h"
#include "widgets/gbk_input_limit.h"
#include "cases/category_list.h"
#include "engine/base/gbk_codec.h"
#include "widgets/paste_guard.h"

namespace {

// Six Chinese characters.
constexpr std::size_t kMaxCategoryBytes = 12;

}  // namespace

TFrmClassEdit::TFrmClassEdit(IniFile& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("FrmClassEdit"));
    setWindowTitle(QStringLiteral("类别编辑"));

    Memo1 = Named(new QPlainTextEdit(this), "Memo1");
    GuardPaste(*Memo1);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QString text;
    for (const std::string& name : ReadCategoryList(settings_, "")) text += QString::fromStdString(name) + u'\n';
    Memo1->setPlainText(text);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    AddButton(this, buttons, QStringLiteral("保存"), "BtnSave", &TFrmClassEdit::BtnSaveClick);
    AddButton(this, buttons, QStringLiteral("取消"), "BtnCancel", &TFrmClassEdit::BtnCancelClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("一行一个类别，类别名最长6个汉字"), this));
    layout->addWidget(Memo1);
    layout->addLayout(buttons);
}

void TFrmClassEdit::BtnSaveClick() {
    const QStringList lines = MemoLines(Memo1->toPlainText());
    if (lines.isEmpty()) {
        Messages().Plain(this, QStringLiteral("类别不能为空"));
        return;
    }
    if (!StorableInGbk(this, {Memo1->toPlainText()})) return;
    std::vector<std::string> names;
    for (const QString& line : lines) {
        const std::string name = line.trimmed().toStdString();
        if (name.empty() || gbk::Width(name) > kMaxCategoryBytes) {
            Messages().Plain(this, QStringLiteral("第%1行类别名不合规定，不能加入。").arg(names.size() + 1));
            return;
        }
        names.push_back(name);
    }
    if (Written(this, RewriteCategoryList(settings_, names), kSettingsFileName)) accept();
}

void TFrmClassEdit::BtnCancelClick() { reject(); }
