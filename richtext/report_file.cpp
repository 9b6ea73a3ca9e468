#include "richtext/report_file.h"

#include <filesystem>
#include <system_error>

#include "engine/base/file_util.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace richtext {

bool LoadReportFile(const std::string& path, RichDocument& doc, const CharFormat& textFormat) {
    doc = RichDocument{};
    std::error_code ec;
    std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxReportFileBytes) return false;
    std::string bytes;
    if (!fileutil::ReadAll(path, bytes)) return false;
    if (ReadRtf(bytes, doc)) return true;
    doc = DocumentFromText(DecodeTextFile(bytes), textFormat);
    return true;
}

bool SaveReportRtf(const std::string& path, const RichDocument& doc) {
    return fileutil::WriteAtomically(path, WriteRtf(doc));
}

bool SaveReportText(const std::string& path, const RichDocument& doc) {
    return fileutil::WriteAtomically(path, EncodeTextFile(PlainText(doc, "\r\n")));
}

}  // namespace richtext
