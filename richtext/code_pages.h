// Windows code pages of the byte text in rich-text files. Every code page
// (GBK, Big5, the Western and other national ones) is decoded by the
// program's codec module; invalid bytes become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace richtext {

inline constexpr int kCodePageGbk = 936;
inline constexpr int kCodePageWestern = 1252;

// The code page of a font's \fcharset; documentCodePage for the
// "default" character set (1) and for sets this program does not know.
int CodePageOfCharset(int charset, int documentCodePage);

std::string DecodeCodePage(int codePage, std::string_view bytes);

}  // namespace richtext
