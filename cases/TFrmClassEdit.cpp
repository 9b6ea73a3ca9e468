#include "cases/TFrmClassEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/memo_text.h"
#include "app/message_box.h"
#include "app/write_failure.h"
#include "cases/category_list.h"
#include "engine/gbk_codec.h"

namespace {

// Six Chinese characters.
constexpr std::size_t kMaxCategoryBytes = 12;

}  // namespace

TFrmClassEdit::TFrmClassEdit(IniFile& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("FrmClassEdit"));
    setWindowTitle(QStringLiteral("类别编辑"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QString text;
    for (const std::string& name : ReadCategoryList(settings_, "")) text += QString::fromStdString(name) + u'\n';
    Memo1->setPlainText(text);

    auto* save = new QPushButton(QStringLiteral("保存"), this);
    save->setObjectName(QStringLiteral("BtnSave"));
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("BtnCancel"));
    for (QPushButton* b : {save, cancel}) b->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &TFrmClassEdit::BtnSaveClick);
    connect(cancel, &QPushButton::clicked, this, &TFrmClassEdit::BtnCancelClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
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
