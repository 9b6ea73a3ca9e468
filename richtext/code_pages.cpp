#include "richtext/code_pages.h"

#include <iconv.h>

#include <cerrno>
#include <string>

#include "engine/gbk_codec.h"

namespace richtext {
namespace {

struct CharsetCodePage {
    int charset;
    int codePage;
};

// Windows character sets (LOGFONT lfCharSet) and the code page of each.
constexpr CharsetCodePage kCharsets[] = {
    {0, 1252},   {2, 1252},   {77, 10000}, {128, 932},  {129, 949},  {134, 936},  {136, 950},  {161, 1253},
    {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},
    {238, 1250}, {255, 437},
};

// One iconv descriptor, reopened when another code page is asked for:
// a document seldom mixes more than two.
class LegacyDecoder {
public:
    ~LegacyDecoder() { Close(); }

    std::string Decode(int codePage, std::string_view bytes) {
        if (!Open(codePage)) return std::string(bytes.size(), '?');
        std::string out;
        out.reserve(bytes.size() * 2);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char buffer[512];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr - buffer);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                out += "\xEF\xBF\xBD";  // a byte the code page does not define
                ++in;
                --inLeft;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    bool Open(int codePage) {
        if (codePage == codePage_) return cd_ != kInvalid;
        Close();
        codePage_ = codePage;
        std::string name = codePage == 10000 ? "MACINTOSH" : "CP" + std::to_string(codePage);
        cd_ = iconv_open("UTF-8", name.c_str());
        return cd_ != kInvalid;
    }

    void Close() {
        if (cd_ != kInvalid) iconv_close(cd_);
        cd_ = kInvalid;
    }

    static inline const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);
    iconv_t cd_ = kInvalid;
    int codePage_ = 0;
};

}  // namespace

int CodePageOfCharset(int charset, int documentCodePage) {
    for (const CharsetCodePage& c : kCharsets)
        if (c.charset == charset) return c.codePage;
    return documentCodePage;
}

std::string DecodeCodePage(int codePage, std::string_view bytes) {
    bool ascii = true;
    for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(bytes);
    if (codePage == kCodePageGbk) return gbk::ToUtf8(bytes);
    thread_local LegacyDecoder decoder;
    return decoder.Decode(codePage, bytes);
}

}  // namespace richtext
