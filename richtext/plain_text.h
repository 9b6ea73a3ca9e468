// Reports as plain text files. Reading takes what users have: GBK (what the
// program and Windows Notepad write), UTF-8 with or without a byte-order
// mark, and UTF-16 with a byte-order mark. Writing gives GBK with "\r\n".
#pragma once

#include <string>
#include <string_view>

namespace richtext {

enum class TextEncoding { Gbk, Utf8, Utf16LE, Utf16BE };

// Without a byte-order mark, bytes that are well-formed UTF-8 are UTF-8
// (Chinese GBK text practically never is) and anything else is GBK.
TextEncoding DetectTextEncoding(std::string_view bytes);

// The file's text as UTF-8, without its byte-order mark; line ends kept.
std::string DecodeTextFile(std::string_view bytes);

// UTF-8 text as GBK bytes with every line ending in "\r\n"; characters
// GBK lacks become "?".
std::string EncodeTextFile(std::string_view utf8);

}  // namespace richtext
