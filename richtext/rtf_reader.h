// Reads RTF report files: those this program writes and those Windows'
// rich-text control, WordPad, Word and LibreOffice write. The text and its
// character and paragraph formats are kept; pictures, embedded objects,
// headers, footers and other non-text parts are skipped; table cells become
// tab-separated text. A damaged file is read as far as it is sound.
#pragma once

#include <string_view>

#include "richtext/rich_document.h"

namespace richtext {

// Whether the bytes begin as an RTF file does ("{\rtf", maybe after blanks).
bool LooksLikeRtf(std::string_view bytes);

// False when the bytes are not RTF at all; doc is then left empty.
bool ReadRtf(std::string_view bytes, RichDocument& doc);

}  // namespace richtext
