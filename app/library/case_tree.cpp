#include "app/library/case_tree.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTreeWidget>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "widgets/birth/BirthPanel.h"
#include "cases/MDataBase.h"
#include "cases/category_list.h"
#include "engine/base/gbk_codec.h"

namespace {

const QString kRootText = QStringLiteral("命例");

// A person: head and body in the colour of the sex.
void DrawPerson(QPainter& p, const QColor& colour, bool skirt) {
    p.setBrush(colour);
    p.drawEllipse(QRectF(5, 1, 6, 6));
    QPainterPath body;
    if (skirt) {
        body.moveTo(8, 7.5);
        body.lineTo(13, 15);
        body.lineTo(3, 15);
    } else {
        body.addRoundedRect(QRectF(4, 8, 8, 7), 2, 2);
    }
    p.drawPath(body);
}

void DrawFolder(QPainter& p) {
    p.setBrush(QColor(230, 180, 50));
    QPainterPath folder;
    folder.moveTo(1, 3);
    folder.lineTo(6, 3);
    folder.lineTo(8, 5);
    folder.lineTo(15, 5);
    folder.lineTo(15, 14);
    folder.lineTo(1, 14);
    folder.closeSubpath();
    p.drawPath(folder);
}

void DrawBook(QPainter& p) {
    p.setBrush(QColor(150, 30, 30));
    p.drawRoundedRect(QRectF(2, 1, 12, 14), 1.5, 1.5);
    p.setPen(QPen(QColor(240, 220, 160), 1.2));
    p.drawLine(QPointF(5, 5), QPointF(11, 5));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
}

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// Category names are one node when they differ only in the case of ASCII letters.
std::string CategoryKey(std::string name) {
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

QTreeWidgetItem* NewNode(const QString& text, const QIcon& icon) {
    auto* node = new QTreeWidgetItem(QStringList{text});
    node->setIcon(0, icon);
    return node;
}

}  // namespace

QIcon TreeImageIcon(int image) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    switch (image) {
    case kImageFemale: DrawPerson(p, QColor(230, 90, 140), true); break;
    case kImageMale: DrawPerson(p, QColor(60, 110, 210), false); break;
    case kImageCategory: DrawFolder(p); break;
    default: DrawBook(p); break;
    }
    return QIcon(pixmap);
}

QString CaseLabel(const CaseRecord& record, int number) {
    const CasePerson& a = record.a;
    QString label = Utf8(gbk::ReadField(a.name));
    label += a.lunar ? QStringLiteral("  农") : QStringLiteral("  公");
    if (a.lunar && a.leap) label += QStringLiteral("闰");
    // Formatted at once: the tree of a whole store makes tens of thousands.
    char date[64];
    std::snprintf(date, sizeof date, "%d-%d-%d|%d", ShownYear(a.year), a.month, a.day, number);
    label += QLatin1StringView(date);
    return label;
}

int CaseNumberOfLabel(const QString& label) {
    const qsizetype bar = label.lastIndexOf(u'|');
    if (bar < 0) return -1;
    bool ok = false;
    const int number = label.mid(bar + 1).toInt(&ok);
    return ok && number >= 0 ? number : -1;
}

int NodeLevel(const QTreeWidgetItem* node) {
    int level = 0;
    for (const QTreeWidgetItem* p = node->parent(); p; p = p->parent()) ++level;
    return level;
}

bool FillCaseTree(QTreeWidget& tree, const MDataBase& store, const std::vector<int>& numbers,
                  const FillProgress& progress) {
    const std::array<QIcon, 4> images = {TreeImageIcon(0), TreeImageIcon(1), TreeImageIcon(2), TreeImageIcon(3)};
    // Reading the cases is the first half of the work, putting the nodes in
    // the second; progress is told every few thousand cases.
    constexpr std::size_t kStep = 4096;
    const std::size_t total = 2 * numbers.size();
    std::size_t read = 0;
    bool stopped = false;

    // The nodes are built apart from the tree and put in at once: one
    // insertion per category instead of one per case.
    struct Category {
        QTreeWidgetItem* node;
        QList<QTreeWidgetItem*> cases;
    };
    std::vector<Category> categories;
    std::unordered_map<std::string, std::size_t> byKey;
    store.ReadCases(numbers, [&](int number, const CaseRecord& record) {
        if (stopped) return;
        if (++read % kStep == 0 && progress && !progress(read, total)) {
            stopped = true;
            return;
        }
        const std::string name = gbk::ReadField(record.category);
        auto [it, added] = byKey.try_emplace(CategoryKey(name), categories.size());
        if (added) categories.push_back({NewNode(Utf8(name), images[kImageCategory]), {}});
        categories[it->second].cases.append(
            NewNode(CaseLabel(record, number), images[record.a.male ? kImageMale : kImageFemale]));
    });

    if (stopped) {
        for (Category& category : categories) {
            qDeleteAll(category.cases);
            delete category.node;
        }
        return false;
    }

    tree.setUpdatesEnabled(false);
    tree.clear();
    QTreeWidgetItem* root = NewNode(kRootText, images[kImageRoot]);
    std::size_t placed = numbers.size();
    for (Category& category : categories) {
        // In slices, so that the progress moves while a large category goes in.
        for (qsizetype from = 0; from < category.cases.size(); from += kStep) {
            category.node->addChildren(category.cases.mid(from, kStep));
            placed += std::min<std::size_t>(kStep, category.cases.size() - from);
            if (progress) progress(placed, total);
        }
        root->addChild(category.node);
    }
    tree.addTopLevelItem(root);
    root->setExpanded(true);
    tree.setUpdatesEnabled(true);
    return true;
}

QTreeWidgetItem* RootNode(const QTreeWidget& tree) { return tree.topLevelItem(0); }

QTreeWidgetItem* FindCategoryNode(const QTreeWidget& tree, const QString& name) {
    QTreeWidgetItem* root = RootNode(tree);
    if (!root) return nullptr;
    const std::string wanted = name.toStdString();
    for (int i = 0; i < root->childCount(); ++i)
        if (SameCategoryName(root->child(i)->text(0).toStdString(), wanted)) return root->child(i);
    return nullptr;
}

QTreeWidgetItem* CategoryNode(QTreeWidget& tree, const QString& name) {
    if (QTreeWidgetItem* found = FindCategoryNode(tree, name)) return found;
    QTreeWidgetItem* node = NewNode(name, TreeImageIcon(kImageCategory));
    RootNode(tree)->addChild(node);
    return node;
}

QTreeWidgetItem* AddCaseNode(QTreeWidgetItem* category, const CaseRecord& record, int number) {
    auto* node = new QTreeWidgetItem(category);
    SetCaseNode(node, record, number);
    return node;
}

void SetCaseNode(QTreeWidgetItem* node, const CaseRecord& record, int number) {
    node->setText(0, CaseLabel(record, number));
    node->setIcon(0, TreeImageIcon(record.a.male ? kImageMale : kImageFemale));
}

QTreeWidgetItem* FindCaseNode(const QTreeWidget& tree, int number) {
    QTreeWidgetItem* root = RootNode(tree);
    if (!root) return nullptr;
    for (int i = 0; i < root->childCount(); ++i) {
        QTreeWidgetItem* category = root->child(i);
        for (int j = 0; j < category->childCount(); ++j)
            if (CaseNumberOfLabel(category->child(j)->text(0)) == number) return category->child(j);
    }
    return nullptr;
}

QTreeWidgetItem* SelectedNode(const QTreeWidget& tree) { return tree.selectedItems().value(0, nullptr); }

void ExpandFully(QTreeWidgetItem* node, bool expand) {
    // Cases have no children: only the nodes above them are opened or closed.
    if (node->childCount() == 0) return;
    node->setExpanded(expand);
    for (int i = 0; i < node->childCount(); ++i) ExpandFully(node->child(i), expand);
}
