// printf-style formatting into std::string, and padding of chart columns,
// whose widths are GBK bytes (a Chinese character counts 2).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text that snprintf would write for this format and these arguments.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text followed by blanks up to `width` GBK bytes (a text that is
// already as wide or wider is returned as it is).
std::string PadRight(std::string_view text, std::size_t width);

// Replaces the last character of a non-empty text (a whole UTF-8 sequence,
// such as the final "，" of a list) by `with`.
void ReplaceLastChar(std::string& text, std::string_view with);
