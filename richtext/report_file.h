// Report files: the saved case reports (bazi_f/<n>.rtf), and the RTF or
// plain-text files that the user saves and loads from the report view.
#pragma once

#include <cstddef>
#include <string>

#include "richtext/rich_document.h"

namespace richtext {

// Far beyond any report (a full report is about 100 KB); larger files are
// refused rather than read into memory.
inline constexpr std::size_t kMaxReportFileBytes = 64u << 20;

// Reads an RTF file, or else a plain text file whose lines become
// paragraphs in textFormat. False when the file cannot be read or is too large.
bool LoadReportFile(const std::string& path, RichDocument& doc, const CharFormat& textFormat = {});

// Both replace the file atomically: a failed write leaves the old file whole.
bool SaveReportRtf(const std::string& path, const RichDocument& doc);
bool SaveReportText(const std::string& path, const RichDocument& doc);

}  // namespace richtext
