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
    QAction* undo = AddItem(menu, "TmUndo", "撤销", [v] { v->undo(); });
    menu->addSeparator();
    QAction* copy = AddItem(menu, "TmCopy", "复制", [v] { v->copy(); });
    QAction* paste = AddItem(menu, "TmPaste", "粘帖", [v] { v->paste(); });
    QAction* cut = AddItem(menu, "TmCut", "剪切", [v] { v->cut(); });
    QAction* remove = AddItem(menu, "TmDelete", "删除", [v] { v->textCursor().removeSelectedText(); });
    AddItem(menu, "TmSelectAll", "全选", [v] { v->selectAll(); });
    menu->addSeparator();
    QAction* restyle = AddItem(menu, "TmSetText", "设置选中文本", [v] { RestyleSelection(*v, v->window()); });
    menu->addSeparator();
    AddItem(menu, "TmLoadReport", "导入命稿", [v] { ImportReport(*v, v->window()); });
    AddItem(menu, "TmSaveAs", "另存为", [v] { SaveReportAs(*v, v->window()); });
    AddItem(menu, "TmPrint", "打印", [v] { PrintReport(*v, v->window()); });
    AddItem(menu, "TmExportPdf", "导出PDF", [v] { ExportReportPdf(*v, v->window()); });

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
