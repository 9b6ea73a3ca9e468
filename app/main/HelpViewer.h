// The help documents shown in a window of the program itself, for a
// desktop that has no program for HTML files: a text browser on the
// shipped page, whose links lead to other pages and anchors beside it.
#pragma once

#include <QTextBrowser>

class HelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    // The page `path` (an HTML file of dat/, GBK or UTF-8) in a window of
    // its own beside `owner`.
    HelpViewer(const QString& path, QWidget* owner);

    // The viewer of this page that `owner` has open, or a new one; shown
    // and raised.
    static HelpViewer* Open(const QString& path, QWidget* owner);

    QVariant loadResource(int type, const QUrl& name) override;
};
