#include "app/report/report_view_files.h"

#include <QTextEdit>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "richtext/qt/text_document_conversion.h"
#include "richtext/report_file.h"

bool WriteReportFile(const QTextEdit& view, const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
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
