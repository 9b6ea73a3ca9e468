#include "cli/output.h"

#include <cstdio>

std::string UnixLines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

int ErrorExit(int status, const std::string& message) {
    std::string lines = UnixLines(message);
    if (lines.empty() || lines.back() != '\n') lines += '\n';
    std::fputs(lines.c_str(), stderr);
    return status;
}

int UsageExit(const char* usage) { return ErrorExit(2, std::string("用法：marivo-cli ") + usage); }
