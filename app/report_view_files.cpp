#include "app/report_view_files.h"

#include <QTextEdit>
#include <cmath>

#include "richtext/qt/text_document_conversion.h"
#include "richtext/report_file.h"

bool WriteReportFile(const QTextEdit& view, const std::string& path) {
    return richtext::SaveReportRtf(path, richtext::DocumentFromTextDocument(*view.document()));
}

bool LoadReportFileInto(QTextEdit& view, const std::string& path) {
    richtext::CharFormat plain;
    plain.fontFamily = view.font().family().toStdString();
    if (view.font().pointSizeF() > 0) plain.halfPoints = static_cast<int>(std::lround(view.font().pointSizeF() * 2));
    richtext::RichDocument doc;
    if (!richtext::LoadReportFile(path, doc, plain)) return false;
    richtext::FillTextDocument(doc, *view.document());
    return true;
}
