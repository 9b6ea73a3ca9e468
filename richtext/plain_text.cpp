#include "richtext/plain_text.h"

#include "engine/base/gbk_codec.h"
#include "richtext/utf8.h"

namespace richtext {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEBom = "\xFF\xFE";
constexpr std::string_view kUtf16BEBom = "\xFE\xFF";

std::string DecodeUtf16(std::string_view bytes, bool littleEndian) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    auto unit = [&](std::size_t i) -> char32_t {
        unsigned char a = static_cast<unsigned char>(bytes[i]);
        unsigned char b = static_cast<unsigned char>(bytes[i + 1]);
        return littleEndian ? a | (b << 8) : (a << 8) | b;
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, cp);  // a lone surrogate becomes U+FFFD
    }
    if (bytes.size() % 2 != 0) AppendUtf8(out, kReplacement);
    return out;
}

}  // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) return TextEncoding::Utf8;
    if (bytes.starts_with(kUtf16LEBom)) return TextEncoding::Utf16LE;
    if (bytes.starts_with(kUtf16BEBom)) return TextEncoding::Utf16BE;
    return IsWellFormedUtf8(bytes, true) ? TextEncoding::Utf8 : TextEncoding::Gbk;
}

std::string DecodeTextFile(std::string_view bytes) {
    switch (DetectTextEncoding(bytes)) {
    case TextEncoding::Utf8:
        if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
        return ToWellFormedUtf8(bytes);
    case TextEncoding::Utf16LE: return DecodeUtf16(bytes.substr(2), true);
    case TextEncoding::Utf16BE: return DecodeUtf16(bytes.substr(2), false);
    case TextEncoding::Gbk: break;
    }
    return gbk::ToUtf8(bytes);
}

std::string EncodeTextFile(std::string_view utf8) {
    std::string lines;
    lines.reserve(utf8.size() + utf8.size() / 16);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        char c = utf8[i];
        if (c == '\r' || c == '\n') {
            lines += "\r\n";
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else {
            lines += c;
        }
    }
    return gbk::FromUtf8(lines);
}

}  // namespace richtext
