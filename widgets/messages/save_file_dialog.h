// The save-file dialog of the report commands ("另存为", "导出PDF"). Each
// filter stands for one extension, which is added to the chosen name, and
// the file that will really be written is the one asked about before it is
// replaced.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

struct SaveFilter {
    QString caption;    // "Rtf格式"
    QString extension;  // ".rtf"
};

// The chosen name with the extension appended, unless it already ends in
// it (letter case aside): "命稿" and "命稿.rtf" both give "命稿.rtf".
QString WithExtension(const QString& chosen, const QString& extension);

struct ChosenFile {
    QString path;  // empty when the user cancelled
    int filter = 0;
};

// Shows the dialog (first filter preselected) and, when the file to be
// written exists, asks before replacing it; an answer No cancels.
ChosenFile ChooseSaveFile(QWidget* parent, const QString& title, const QList<SaveFilter>& filters);
