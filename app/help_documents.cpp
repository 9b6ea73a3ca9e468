#include "app/help_documents.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "engine/data_folder.h"

QString HelpDocumentPath(const std::string& programFolder, const QString& name) {
    for (const char* extension : {".chm", ".html"}) {
        const std::string path = datafolder::ShippedFile(programFolder, "dat/" + name.toStdString() + extension);
        if (QFileInfo(QString::fromStdString(path)).isFile()) return QString::fromStdString(path);
    }
    return {};
}

bool OpenHelpDocument(const std::string& programFolder, const QString& name) {
    const QString path = HelpDocumentPath(programFolder, name);
    return !path.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
