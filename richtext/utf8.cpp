#include "richtext/utf8.h"

namespace richtext {
namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Decodes the complete sequence of length n at pos (its lead byte already
// checked); false when it is malformed: a missing continuation byte, an
// overlong form, a surrogate, beyond U+10FFFF.
bool Decode(std::string_view s, std::size_t pos, std::size_t n, char32_t& cp) {
    const auto* b = reinterpret_cast<const unsigned char*>(s.data() + pos);
    switch (n) {
    case 1:
        cp = b[0];
        return true;
    case 2:
        cp = ((b[0] & 0x1Fu) << 6) | (b[1] & 0x3Fu);
        return IsContinuation(b[1]);
    case 3:
        cp = ((b[0] & 0x0Fu) << 12) | ((b[1] & 0x3Fu) << 6) | (b[2] & 0x3Fu);
        return IsContinuation(b[1]) && IsContinuation(b[2]) && cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF);
    case 4:
        cp = ((b[0] & 0x07u) << 18) | ((b[1] & 0x3Fu) << 12) | ((b[2] & 0x3Fu) << 6) | (b[3] & 0x3Fu);
        return IsContinuation(b[1]) && IsContinuation(b[2]) && IsContinuation(b[3]) && cp >= 0x10000 &&
               cp <= 0x10FFFF;
    default:
        return false;
    }
}

}  // namespace

std::size_t Utf8SequenceLength(unsigned char b) {
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0;
}

char32_t NextCodePoint(std::string_view utf8, std::size_t& pos) {
    std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(utf8[pos]));
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

std::string ToWellFormedUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) AppendUtf8(out, NextCodePoint(bytes, pos));
    return out;
}

bool IsWellFormedUtf8(std::string_view bytes, bool allowCutEnd) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        unsigned char b = static_cast<unsigned char>(bytes[pos]);
        if (b < 0x80) {
            ++pos;
            continue;
        }
        std::size_t n = Utf8SequenceLength(b);
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
