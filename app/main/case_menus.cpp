// The main window's case library controls: the menu "文件(&F)", the tree's
// popup menu PopMingLi with its enabling rules and the "移动到" submenu, and
// the buttons "存新"/"存旧" and "新建".
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/main/TFrmMain.h"
#include "app/library/case_tree.h"
#include "widgets/menu_items.h"

namespace {

// A right click opens the popup menu for the selected node without
// selecting the node under the mouse.
class RightClickKeepsSelection : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

// A menu caption shows "&" as it is.
QString Caption(QString text) { return text.replace(u'&', QStringLiteral("&&")); }

}  // namespace

void TFrmMain::BuildCaseMenus(QMenu* file) {
    QAction* save = AddMenuItem(file, "TmSave", "保存八字(&S)");
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, &TFrmMain::SaveCase);
    // The report's own file commands, the same as in its popup menu.
    for (const char* name : {"TmSaveAs", "TmExportPdf", "TmPrint"})
        file->addAction(findChild<QAction*>(QString::fromLatin1(name)));
    AddMenuItems(file, this, {
        {},
        {"TmImport", "导入历史记录(&I)", &TFrmMain::TmImportClick},
        {"TmExport", "导出历史记录(&O)", &TFrmMain::TmExportClick},
        {"TmClear", "清除历史记录(&C)", &TFrmMain::TmClearClick},
        {},
        {"TmZeOu", "择偶排行(&R)", &TFrmMain::TmZeOuClick},
        {},
    });
    QAction* exit = AddMenuItem(file, "TmExit", "退出(&X)");
    SetStandardKeys(exit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    PopMingLi = new QMenu(this);
    PopMingLi->setObjectName(QStringLiteral("PopMingLi"));
    AddMenuItems(PopMingLi, this, {
        {"TmViewCase", "查看命例(&V)", &TFrmMain::TmViewCaseClick},
        {"TmEditCase", "编辑命例(&E)", &TFrmMain::TmEditCaseClick},
    });
    // "移动到" lists the other categories, filled when the menu opens.
    moveMenu_ = AddNamedMenu(PopMingLi, "MenuMoveTo", "移动到(&M)");
    moveMenu_->menuAction()->setObjectName(QStringLiteral("TmMoveCase"));
    AddMenuItems(PopMingLi, this, {
        {"TmDeleteCase", "删除命例(&D)", &TFrmMain::TmDeleteCaseClick},
        {},
        {"TmAddClass", "增加类别(&A)", &TFrmMain::TmAddClassClick},
        {"TmRenameClass", "修改类名(&R)", &TFrmMain::TmRenameClassClick},
        {"TmDeleteClass", "删除类别(&L)", &TFrmMain::TmDeleteClassClick},
        {"TmEditClassFile", "编辑类别文件(&W)", &TFrmMain::TmEditClassFileClick},
        {},
        {"TmFind", "查找(&F)", &TFrmMain::TmFindClick},
        {"TmShowAll", "显示全部命例(&S)", &TFrmMain::TmShowAllClick},
        {"TmPopZeOu", "择偶排行(&Z)", &TFrmMain::TmZeOuClick},
        {},
        {"TmExpand", "展开(&X)", &TFrmMain::TmExpandClick},
        {"TmCollapse", "收缩(&C)", &TFrmMain::TmCollapseClick},
    });

    // Ctrl+F searches from anywhere in the window; Delete removes the
    // selected case while the tree has the focus (in the report view it
    // deletes text).
    QAction* find = findChild<QAction*>(QStringLiteral("TmFind"));
    SetStandardKeys(find, QKeySequence::Find, QKeySequence(Qt::CTRL | Qt::Key_F));
    addAction(find);
    QAction* remove = findChild<QAction*>(QStringLiteral("TmDeleteCase"));
    SetStandardKeys(remove, QKeySequence::Delete, QKeySequence(Qt::Key_Delete));
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    Tree->addAction(remove);

    // Long case labels scroll sideways instead of being cut short.
    Tree->header()->setStretchLastSection(false);
    Tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    Tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Tree, &QWidget::customContextMenuRequested, this, &TFrmMain::TreeContextMenu);
    Tree->viewport()->installEventFilter(new RightClickKeepsSelection(Tree));
    connect(Tree, &QTreeWidget::itemDoubleClicked, this, &TFrmMain::TmViewCaseClick);
}

QWidget* TFrmMain::BuildCaseButtons() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 3, 0, 3);
    layout->setSpacing(2);
    SbtoSave = new QToolButton(column);
    SbtoSave->setObjectName(QStringLiteral("SbtoSave"));
    SbtoSave->setToolTip(QStringLiteral("保存八字"));
    BtoNew = new QToolButton(column);
    BtoNew->setText(QStringLiteral("新建"));
    BtoNew->setObjectName(QStringLiteral("BtoNew"));
    BtoNew->setToolTip(QStringLiteral("新建命例"));
    // Small buttons beside "测算", so that the bar stays as narrow as the panels allow.
    for (QToolButton* button : {SbtoSave, BtoNew}) {
        button->setFixedSize(30, 24);
        layout->addWidget(button);
    }
    connect(SbtoSave, &QToolButton::clicked, this, &TFrmMain::SaveCase);
    connect(BtoNew, &QToolButton::clicked, this, &TFrmMain::BtoNewClick);
    ShowSaveButtonAs(false);
    return column;
}

void TFrmMain::ShowSaveButtonAs(bool savedCase) {
    SbtoSave->setText(savedCase ? QStringLiteral("存旧") : QStringLiteral("存新"));
    QPalette palette = SbtoSave->palette();
    palette.setColor(QPalette::ButtonText, savedCase ? QColor(0, 0, 255) : QColor(0, 0, 0));
    SbtoSave->setPalette(palette);
}

void TFrmMain::TreeContextMenu(const QPoint& position) {
    if (UpdatePopMingLi()) PopMingLi->exec(Tree->viewport()->mapToGlobal(position));
}

bool TFrmMain::UpdatePopMingLi() {
    QTreeWidgetItem* node = SelectedNode(*Tree);
    if (!node) return false;
    const int level = NodeLevel(node);
    auto enable = [this](const char* name, bool on) {
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(on);
    };
    for (const char* name : {"TmViewCase", "TmEditCase", "TmMoveCase", "TmDeleteCase"}) enable(name, level == 2);
    for (const char* name : {"TmRenameClass", "TmDeleteClass"}) enable(name, level == 1);
    for (const char* name : {"TmExpand", "TmCollapse"}) enable(name, level != 2);

    moveMenu_->clear();
    if (level != 2) return true;
    QTreeWidgetItem* root = RootNode(*Tree);
    for (int i = 0; i < root->childCount(); ++i) {
        QTreeWidgetItem* category = root->child(i);
        if (category == node->parent()) continue;
        const QString name = category->text(0);
        connect(moveMenu_->addAction(Caption(name)), &QAction::triggered, this,
                [this, i, name] { MoveCaseTo(i, name); });
    }
    return true;
}
