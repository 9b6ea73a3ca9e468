#include "widgets/messages/save_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "widgets/messages/message_box.h"

QString WithExtension(const QString& chosen, const QString& extension) {
    return chosen.endsWith(extension, Qt::CaseInsensitive) ? chosen : chosen + extension;
}

ChosenFile ChooseSaveFile(QWidget* parent, const QString& title, const QList<SaveFilter>& filters) {
    QStringList nameFilters;
    for (const SaveFilter& filter : filters)
        nameFilters << filter.caption + QStringLiteral(" (*") + filter.extension + u')';
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog would ask about the name typed, not about the file written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(nameFilters);
    dialog.selectNameFilter(nameFilters.value(0));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};

    ChosenFile chosen;
    chosen.filter = std::max(0, static_cast<int>(nameFilters.indexOf(dialog.selectedNameFilter())));
    chosen.path = WithExtension(dialog.selectedFiles().first(), filters[chosen.filter].extension);
    const QFileInfo file(chosen.path);
    if (file.exists() &&
        !Messages().Ask(parent, file.fileName() + QStringLiteral(" 已存在。\r\n要替换它吗？"),
                        QStringLiteral("确认另存为"), MessageIcon::Warning, false))
        return {};
    return chosen;
}
