#include "engine/base/gbk_codec.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

// One converter per direction, opened once per thread and reset before use:
// opening iconv costs far more than converting a report line.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; on a sequence it cannot take it calls
    // onBad(in, left), which returns how many input bytes to skip and
    // appends its replacement to out.
    template <typename OnBad>
    std::string Run(std::string_view input, OnBad onBad) {
        std::string out;
        if (!IsOpen()) return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.reserve(input.size() * 3 / 2 + 8);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr - buffer);
            if (rc != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (a sequence cut off at the end of the input).
            std::size_t skip = onBad(in, inLeft, out);
            in += skip;
            inLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

Converter& ToUtf8Converter() {
    thread_local Converter c("UTF-8", "GBK");
    return c;
}

Converter& FromUtf8Converter() {
    thread_local Converter c("GBK", "UTF-8");
    return c;
}

// The converter from the character set asked for last, reopened when
// another is asked for: a document seldom mixes more than two.
Converter* ToUtf8ConverterFrom(std::string_view charset) {
    thread_local std::string name;
    thread_local std::unique_ptr<Converter> c;
    if (!c || name != charset) {
        name = charset;
        c = std::make_unique<Converter>("UTF-8", name.c_str());
    }
    return c->IsOpen() ? c.get() : nullptr;
}

// Decoding to UTF-8: a byte that does not start a valid sequence becomes U+FFFD.
std::size_t ReplaceBadByte(const char*, std::size_t, std::string& out) {
    out += "\xEF\xBF\xBD";
    return 1;
}

// Length of the UTF-8 sequence that starts with byte b (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char b) {
    if (b >= 0xF0 && b < 0xF8) return 4;
    if (b >= 0xE0) return b < 0xF0 ? 3 : 1;
    if (b >= 0xC0) return 2;
    return 1;
}

}  // namespace

namespace gbk {

std::string ToUtf8(std::string_view gbkBytes) { return ToUtf8Converter().Run(gbkBytes, ReplaceBadByte); }

std::string FromUtf8(std::string_view utf8) {
    return FromUtf8Converter().Run(utf8, [](const char* in, std::size_t left, std::string& out) {
        out += '?';
        std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(*in));
        // Skip the continuation bytes that really follow, never past the end.
        std::size_t skip = 1;
        while (skip < n && skip < left && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) ++skip;
        return skip;
    });
}

std::string Unstorable(std::string_view utf8) {
    std::string found;
    FromUtf8Converter().Run(utf8, [&found](const char* in, std::size_t left, std::string&) {
        std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(*in));
        std::size_t take = 1;
        while (take < n && take < left && (static_cast<unsigned char>(in[take]) & 0xC0) == 0x80) ++take;
        const std::string_view character(in, take);
        if (found.find(character) == std::string::npos) found += character;
        return take;
    });
    return found;
}

std::string UnstorableMessage(std::string_view characters) {
    return "“" + std::string(characters) + "”无法保存：数据文件用GBK编码，容不下这些字符，请删去或改用别的字。";
}

std::size_t Width(std::string_view utf8) {
    std::size_t ascii = 0;
    while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
    if (ascii == utf8.size()) return ascii;
    return ascii + FromUtf8(utf8.substr(ascii)).size();
}

std::string Truncate(std::string_view utf8, std::size_t maxBytes) {
    std::size_t used = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(utf8[pos]));
        if (pos + n > utf8.size()) n = utf8.size() - pos;
        std::size_t w = n == 1 ? 1 : Width(utf8.substr(pos, n));
        if (used + w > maxBytes) break;
        used += w;
        pos += n;
    }
    return std::string(utf8.substr(0, pos));
}

std::string ReadField(const char* field, std::size_t size) {
    std::size_t len = 0;
    while (len < size && field[len] != '\0') ++len;
    return ToUtf8(std::string_view(field, len));
}

void WriteField(char* field, std::size_t size, std::string_view utf8) {
    if (size == 0) return;
    std::string bytes = FromUtf8(Truncate(utf8, size - 1));
    // Broken UTF-8 can still come out longer; cut between GBK characters.
    std::size_t keep = 0;
    while (keep < bytes.size()) {
        std::size_t n = static_cast<unsigned char>(bytes[keep]) >= 0x81 ? 2 : 1;
        if (keep + n > size - 1) break;
        keep += n;
    }
    bytes.resize(keep);
    std::memset(field, 0, size);
    std::memcpy(field, bytes.data(), bytes.size());
}

}  // namespace gbk

namespace codec {

std::optional<std::string> ToUtf8(std::string_view bytes, std::string_view charset) {
    Converter* c = ToUtf8ConverterFrom(charset);
    if (c == nullptr) return std::nullopt;
    return c->Run(bytes, ReplaceBadByte);
}

}  // namespace codec
