// The main window's category and listing commands of the case tree:
// "增加类别", "修改类名", "删除类别", "编辑类别文件", "查找", "显示全部命例",
// "展开" and "收缩".
#include <QInputDialog>
#include <QTreeWidget>
#include <cstring>

#include "app/main/TFrmMain.h"
#include "app/library/case_tree.h"
#include "widgets/long_work.h"
#include "widgets/messages/message_box.h"
#include "widgets/messages/write_failure.h"
#include "app/case_dialogs/TFrmClassEdit.h"
#include "app/case_dialogs/TFrmSearch.h"
#include "widgets/gbk_input_limit.h"
#include "cases/category_list.h"
#include "engine/base/gbk_codec.h"
#include "engine/base/ini_file.h"

namespace {

// Six Chinese characters.
constexpr std::size_t kCategoryNameBytes = 12;

const QString kHint = QStringLiteral("提示");
const QString kCaseFiles = QStringLiteral("dat/bazi0.dat");

}  // namespace

QString TFrmMain::AskCategoryName(const QString& title, const QString& prompt, const QString& initial) {
    bool ok = false;
    const QString name = QInputDialog::getText(this, title, prompt, QLineEdit::Normal, initial, &ok).trimmed();
    if (!ok) return {};
    if (name.isEmpty() || gbk::Width(name.toStdString()) > kCategoryNameBytes) {
        Messages().Plain(this, QStringLiteral("类别名不能为空，并且最多可以有6个汉字！"));
        return {};
    }
    if (!StorableInGbk(this, {name})) return {};
    return name;
}

void TFrmMain::TmAddClassClick() {
    const QString name =
        AskCategoryName(QStringLiteral("新建类别"), QStringLiteral("请输入新建类别名："), QStringLiteral("新类别"));
    if (name.isEmpty()) return;
    if (QTreeWidgetItem* existing = FindCategoryNode(*Tree, name)) {
        Messages().Notice(this, QStringLiteral("已有这个类别了！"), kHint, MessageIcon::Warning);
        Tree->setCurrentItem(existing);
        return;
    }
    CategoryNode(*Tree, name);
    Written(this, AppendCategory(*settings_, name.toStdString()), kSettingsFileName);
}

void TFrmMain::TmRenameClassClick() {
    QTreeWidgetItem* node = SelectedNode(*Tree);
    if (!node || NodeLevel(node) != 1) return;
    const QString oldName = node->text(0);
    const QString name =
        AskCategoryName(QStringLiteral("修改类别名"), QStringLiteral("请输入新的类别名："), oldName);
    if (name.isEmpty()) return;
    if (QTreeWidgetItem* existing = FindCategoryNode(*Tree, name)) {
        Messages().Notice(this, QStringLiteral("已有这个类别了，请另起一个名称！"), kHint, MessageIcon::Warning);
        Tree->setCurrentItem(existing);
        return;
    }
    bool written = true;
    for (int i = 0; i < node->childCount(); ++i) {
        const int number = CaseNumberOfLabel(node->child(i)->text(0));
        CaseRecord record;
        if (!store_.ReadCase(number, record)) continue;
        gbk::WriteField(record.category, name.toStdString());
        written = store_.WriteCase(number, record) && written;
        if (CaseRecord* onScreen = CaseOnScreen(number))
            std::memcpy(onScreen->category, record.category, sizeof record.category);
    }
    StoreWritten(this, store_, written, kCaseFiles);
    Written(this, RenameCategory(*settings_, oldName.toStdString(), name.toStdString()), kSettingsFileName);
    node->setText(0, name);
}

void TFrmMain::TmDeleteClassClick() {
    QTreeWidgetItem* node = SelectedNode(*Tree);
    if (!node || NodeLevel(node) != 1) return;
    if (!Messages().Ask(this, QStringLiteral("确定要删除“") + node->text(0) + QStringLiteral("”这个类别吗？"),
                        QStringLiteral("注意"), MessageIcon::Warning))
        return;
    bool deleted = true;
    bool caseOnScreen = false;
    for (int i = 0; i < node->childCount(); ++i) {
        const int number = CaseNumberOfLabel(node->child(i)->text(0));
        deleted = store_.DeleteCase(number) && deleted;
        caseOnScreen = caseOnScreen || CaseOnScreen(number);
    }
    StoreWritten(this, store_, deleted, kCaseFiles);
    delete node;
    // As when the case on screen is deleted by itself.
    if (caseOnScreen) LeaveSavedCase();
}

void TFrmMain::TmEditClassFileClick() {
    TFrmClassEdit dialog(*settings_, this);
    dialog.exec();
}

void TFrmMain::TmFindClick() {
    TFrmSearch dialog(store_, *settings_, searchCriteria, this);
    dialog.exec();
    if (dialog.ShowResult()) FillTree(dialog.Result());
}

void TFrmMain::TmShowAllClick() {
    if (store_.CaseCount() == 0) {
        Messages().Plain(this, QStringLiteral("没有记录，无从查找。"));
        return;
    }
    std::vector<int> numbers;
    {
        LongWork work(this, QStringLiteral("正在查找命例……"), LongWork::Cancel::NotOffered);
        work.RunInWorker([&] { store_.FindCases(SearchCriteria{}, numbers); });
    }
    if (numbers.empty())
        Messages().Notice(this, QStringLiteral("没有找到符合条件的命例。"), QStringLiteral("信息"),
                          MessageIcon::Information);
    else
        FillTree(numbers);
}

void TFrmMain::TmExpandClick() {
    if (QTreeWidgetItem* node = SelectedNode(*Tree); node && NodeLevel(node) != 2) ExpandFully(node, true);
}

void TFrmMain::TmCollapseClick() {
    if (QTreeWidgetItem* node = SelectedNode(*Tree); node && NodeLevel(node) != 2) ExpandFully(node, false);
}
