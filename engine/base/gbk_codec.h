// The file boundary between the program's UTF-8 text and the GBK bytes of
// every data file (settings, places, cases, strokes, comments). Byte widths
// that the files and the report layout speak of ("at most 12 bytes", chart
// columns) are GBK widths: a Chinese character counts 2, ASCII 1.
// Text of other character sets (the Big5 or Western bytes of a rich-text
// file written elsewhere) is decoded here too.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gbk {

// GBK bytes to UTF-8. A byte sequence that is not valid GBK becomes U+FFFD.
std::string ToUtf8(std::string_view gbkBytes);

// UTF-8 to GBK bytes. A character GBK lacks (or broken UTF-8) becomes "?".
std::string FromUtf8(std::string_view utf8);

// The characters of the text that GBK cannot hold (한국😀), each once, in
// the order they first appear; empty when the whole text can be stored.
std::string Unstorable(std::string_view utf8);
// The one message for text refused for such characters, naming them:
// "“한국😀”无法保存：数据文件用GBK编码，容不下这些字符，请删去或改用别的字。"
std::string UnstorableMessage(std::string_view characters);

// Number of bytes the text takes in GBK.
std::size_t Width(std::string_view utf8);

// The longest prefix of the text whose GBK form has at most maxBytes bytes,
// cut on a character boundary.
std::string Truncate(std::string_view utf8, std::size_t maxBytes);

// Text of a fixed-size, NUL-terminated GBK field (reads up to the first NUL
// or the end of the field, whichever comes first).
std::string ReadField(const char* field, std::size_t size);

// Writes the text into a fixed-size GBK field: cut to size − 1 bytes on a
// character boundary, NUL-terminated and NUL-padded to the end.
void WriteField(char* field, std::size_t size, std::string_view utf8);

template <std::size_t N>
std::string ReadField(const char (&field)[N]) { return ReadField(field, N); }
template <std::size_t N>
void WriteField(char (&field)[N], std::string_view utf8) { WriteField(field, N, utf8); }

}  // namespace gbk

namespace codec {

// Bytes of the character set that iconv knows by this name ("BIG5",
// "CP1252", "MACINTOSH") to UTF-8. A byte sequence the set does not define
// becomes U+FFFD; nothing when iconv does not know the set.
std::optional<std::string> ToUtf8(std::string_view bytes, std::string_view charset);

}  // namespace codec
