#include "app/report/report_popup.h"

#include <QMenu>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>

#include "widgets/menu_items.h"
#include "app/report/report_appearance.h"
#include "app/report/report_files.h"
#include "app/report/report_printing.h"
#include "widgets/paste_guard.h"

namespace {

QAction* AddItem(QMenu* menu, const char* name, const char* text, std::function<void()> action) {
    QAction* item = AddMenuItem(menu, name, text);
    QObject::connect(item, &QAction::triggered, menu, std::move(action));
    return item;
}

}  // namespace

QMenu* BuildReportPopup(QTextEdit& view) {
    auto* menu = new QMenu(&view);
    menu->setObjectName(QStringLiteral("PopupRdtsend"));
    QTextEdit* v = &view;
    QAction* undo = AddItem(menu, "TmUndo", "撤销(&U)", [v] { v->undo(); });
    menu->addSeparator();
    QAction* copy = AddItem(menu, "TmCopy", "复制(&C)", [v] { v->copy(); });
    QAction* paste = AddItem(menu, "TmPaste", "粘帖(&V)", [v] { v->paste(); });
    QAction* cut = AddItem(menu, "TmCut", "剪切(&T)", [v] { v->cut(); });
    QAction* remove = AddItem(menu, "TmDelete", "删除(&D)", [v] { v->textCursor().removeSelectedText(); });
    AddItem(menu, "TmSelectAll", "全选(&L)", [v] { v->selectAll(); });
    menu->addSeparator();
    QAction* restyle = AddItem(menu, "TmSetText", "设置选中文本(&F)", [v] { RestyleSelection(*v, v->window()); });
    menu->addSeparator();
    AddItem(menu, "TmLoadReport", "导入命稿(&I)", [v] { ImportReport(*v, v->window()); });
    QAction* saveAs = AddItem(menu, "TmSaveAs", "另存为(&A)", [v] { SaveReportAs(*v, v->window()); });
    QAction* print = AddItem(menu, "TmPrint", "打印(&P)", [v] { PrintReport(*v, v->window()); });
    AddItem(menu, "TmExportPdf", "导出PDF(&E)", [v] { ExportReportPdf(*v, v->window()); });
    SetStandardKeys(saveAs, QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    SetStandardKeys(print, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));

    QObject::connect(menu, &QMenu::aboutToShow, menu, [=] {
        const bool selection = v->textCursor().hasSelection();
        undo->setEnabled(v->document()->isUndoAvailable());
        for (QAction* item : {copy, cut, remove, restyle}) item->setEnabled(selection);
        paste->setEnabled(ClipboardHasData() && v->canPaste());
    });
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&view, &QWidget::customContextMenuRequested, menu,
                     [menu, v](const QPoint& position) { menu->exec(v->viewport()->mapToGlobal(position)); });
    return menu;
}
