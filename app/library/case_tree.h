// The case tree of the main window: the root "命例", one node per category
// (in the order of their first case), and under each category its cases,
// labelled "<name>  农闰1990-5-3|17" — person A's (甲命's) name, the calendar
// of the date, the shown date, and after the last "|" the record number by
// which every case command finds its case.
#pragma once

#include <QIcon>
#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

#include "cases/case_record.h"

class MDataBase;
class QTreeWidget;
class QTreeWidgetItem;

// The pictures of the tree's nodes.
enum TreeImage { kImageFemale = 0, kImageMale = 1, kImageCategory = 2, kImageRoot = 3 };
QIcon TreeImageIcon(int image);

// The case label of a record stored as number n.
QString CaseLabel(const CaseRecord& record, int number);
// The record number of a case label: the number after its last "|", −1
// when there is none.
int CaseNumberOfLabel(const QString& label);

// 0 for the root, 1 for a category, 2 for a case.
int NodeLevel(const QTreeWidgetItem* node);

// Told how far a fill has come, `done` of `total` steps; false asks it to
// stop, which it does while the cases are still being read.
using FillProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Rebuilds the tree from the live cases among the record numbers, in list
// order; categories whose names differ only in letter case share a node.
// The root is expanded one level. False when the progress asked to stop:
// the tree is then left as it was.
bool FillCaseTree(QTreeWidget& tree, const MDataBase& store, const std::vector<int>& numbers,
                  const FillProgress& progress = {});

// The root node (the tree always has one after FillCaseTree).
QTreeWidgetItem* RootNode(const QTreeWidget& tree);
// The category node of that name, letter case ignored; nullptr when none.
QTreeWidgetItem* FindCategoryNode(const QTreeWidget& tree, const QString& name);
// That category node, added at the end of the root when missing.
QTreeWidgetItem* CategoryNode(QTreeWidget& tree, const QString& name);
// Adds a case node at the end of the category.
QTreeWidgetItem* AddCaseNode(QTreeWidgetItem* category, const CaseRecord& record, int number);
// The label and picture of a case node from its record.
void SetCaseNode(QTreeWidgetItem* node, const CaseRecord& record, int number);
// The first case node of that record number; nullptr when none.
QTreeWidgetItem* FindCaseNode(const QTreeWidget& tree, int number);
// The selected node; nullptr when none.
QTreeWidgetItem* SelectedNode(const QTreeWidget& tree);
// Expands or collapses the node and every node below it.
void ExpandFully(QTreeWidgetItem* node, bool expand);
