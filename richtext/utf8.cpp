#include "richtext/utf8.h"

namespace richtext {
namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Length of a sequence that starts with b, 0 for a byte that cannot start one.
std::size_t SequenceLength(unsigned char b) {
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0;
}

// Decodes the complete sequence of length n at pos; false when it is
// malformed (a missing continuation byte, overlong, a surrogate, too large).
bool Decode(std::string_view s, std::size_t pos, std::size_t n, char32_t& cp) {
    auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[pos + i]); };
    cp = n == 1 ? b(0) : b(0) & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        if (!IsContinuation(b(i))) return false;
        cp = (cp << 6) | (b(i) & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    return cp >= kMinimum[n] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

}  // namespace

char32_t NextCodePoint(std::string_view utf8, std::size_t& pos) {
    std::size_t n = SequenceLength(static_cast<unsigned char>(utf8[pos]));
    char32_t cp = 0;
    if (n == 0 || pos + n > utf8.size() || !Decode(utf8, pos, n, cp)) {
        ++pos;
        return kReplacement;
    }
    pos += n;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsWellFormedUtf8(std::string_view bytes, bool allowCutEnd) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        unsigned char b = static_cast<unsigned char>(bytes[pos]);
        if (b < 0x80) {
            ++pos;
            continue;
        }
        std::size_t n = SequenceLength(b);
        if (n == 0) return false;
        if (pos + n > bytes.size()) {
            // Cut off: well-formed only if what is there is a valid beginning.
            if (!allowCutEnd) return false;
            for (std::size_t i = pos + 1; i < bytes.size(); ++i)
                if (!IsContinuation(static_cast<unsigned char>(bytes[i]))) return false;
            return true;
        }
        char32_t cp = 0;
        if (!Decode(bytes, pos, n, cp)) return false;
        pos += n;
    }
    return true;
}

}  // namespace richtext
