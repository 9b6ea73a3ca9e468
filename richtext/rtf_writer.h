// Writes the report as RTF the way Windows' rich-text control writes Chinese
// text, so that WordPad, Word and LibreOffice open it: code page 936, fonts
// with the GB2312 character set, Chinese as GBK byte pairs (\'hh\'hh) and
// characters GBK lacks as Unicode escapes (\uN?).
#pragma once

#include <string>

#include "richtext/rich_document.h"

namespace richtext {

std::string WriteRtf(const RichDocument& doc);

}  // namespace richtext
