// The report view's modified flag says whether the user has changed the
// report on screen (typing, cutting, pasting, deleting, restyling) since a
// saved case was loaded or saved. The program's own writes into the view
// (the computed report, the "in progress" line) are no such change: they
// leave the flag as it was.
#pragma once

#include <QTextDocument>
#include <QTextEdit>

// While alive, writes into the view do not change its modified flag.
class ProgramWrite {
public:
    explicit ProgramWrite(QTextEdit& view) : document_(view.document()), modified_(document_->isModified()) {}
    ~ProgramWrite() { document_->setModified(modified_); }
    ProgramWrite(const ProgramWrite&) = delete;
    ProgramWrite& operator=(const ProgramWrite&) = delete;

private:
    QTextDocument* document_;
    bool modified_;
};
