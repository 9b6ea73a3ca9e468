#include "engine/base/text_format.h"

#include <cstdarg>
#include <cstdio>

#include "engine/base/gbk_codec.h"

std::string Format(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, n);
    std::string out(static_cast<std::size_t>(n), '\0');
    va_start(args, format);
    std::vsnprintf(out.data(), out.size() + 1, format, args);
    va_end(args);
    return out;
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string out(text);
    std::size_t w = gbk::Width(text);
    if (w < width) out.append(width - w, ' ');
    return out;
}

void ReplaceLastChar(std::string& text, std::string_view with) {
    if (text.empty()) return;
    std::size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    text.replace(start, std::string::npos, with);
}
