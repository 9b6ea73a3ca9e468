#include "app/main/HelpViewer.h"

#include <QFile>
#include <QUrl>

#include "richtext/plain_text.h"

HelpViewer::HelpViewer(const QString& path, QWidget* owner) : QTextBrowser(owner) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setOpenExternalLinks(true);
    resize(760, 600);
    setSource(QUrl::fromLocalFile(path));
    setWindowTitle(documentTitle().isEmpty() ? QStringLiteral("帮助") : documentTitle());
}

HelpViewer* HelpViewer::Open(const QString& path, QWidget* owner) {
    HelpViewer* viewer = nullptr;
    // A closed window is on its way out; only an open one is reused.
    for (HelpViewer* child : owner->findChildren<HelpViewer*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && child->property("page").toString() == path) viewer = child;
    if (!viewer) {
        viewer = new HelpViewer(path, owner);
        viewer->setProperty("page", path);
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

// The pages are GBK like every file of dat/ (or UTF-8); the browser would
// read them by their charset line, which not every Qt build understands.
QVariant HelpViewer::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::HtmlResource || !name.isLocalFile()) return QTextBrowser::loadResource(type, name);
    QFile file(name.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return QString::fromStdString(richtext::DecodeTextFile(std::string_view(bytes.constData(), bytes.size())));
}
