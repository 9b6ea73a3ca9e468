#include "app/main/help_documents.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "engine/base/data_folder.h"
#include "app/main/HelpViewer.h"

namespace {

// dat/<name><extension> when that file exists, else empty.
QString ExistingFile(const std::string& programFolder, const QString& name, const char* extension) {
    const QString path =
        QString::fromStdString(datafolder::ShippedFile(programFolder, "dat/" + name.toStdString() + extension));
    return QFileInfo(path).isFile() ? path : QString();
}

}  // namespace

QString HelpDocumentPath(const std::string& programFolder, const QString& name) {
    const QString compiled = ExistingFile(programFolder, name, ".chm");
    return compiled.isEmpty() ? ExistingFile(programFolder, name, ".html") : compiled;
}

bool OpenHelpDocument(const std::string& programFolder, const QString& name) {
    const QString path = HelpDocumentPath(programFolder, name);
    return !path.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ShowHelpDocument(const std::string& programFolder, const QString& name, QWidget* owner) {
    if (OpenHelpDocument(programFolder, name)) return;
    const QString page = ExistingFile(programFolder, name, ".html");
    if (!page.isEmpty()) HelpViewer::Open(page, owner);
}
