// UTF-8 code points for the rich-text and plain-text converters.
#pragma once

#include <string>
#include <string_view>

namespace richtext {

inline constexpr char32_t kReplacement = 0xFFFD;

// Decodes the code point at pos and moves pos past it. A byte that does not
// start a well-formed sequence (overlong, surrogate, beyond U+10FFFF, cut
// off) gives U+FFFD and moves pos by one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

void AppendUtf8(std::string& out, char32_t codePoint);

// Length of the sequence that a lead byte starts (1 for ASCII), 0 for a byte
// that starts none.
std::size_t Utf8SequenceLength(unsigned char lead);

// The text with every malformed sequence replaced by U+FFFD.
std::string ToWellFormedUtf8(std::string_view bytes);

// Whether every sequence is well-formed; a sequence cut off at the very end
// counts as well-formed when allowCutEnd is set (a file truncated mid-character).
bool IsWellFormedUtf8(std::string_view bytes, bool allowCutEnd);

}  // namespace richtext
