#include "richtext/code_pages.h"

#include <optional>
#include <string>

#include "engine/base/gbk_codec.h"

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

// The name iconv gives a Windows code page.
std::string CharsetOfCodePage(int codePage) {
    return codePage == 10000 ? "MACINTOSH" : "CP" + std::to_string(codePage);
}

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
    std::optional<std::string> text = codec::ToUtf8(bytes, CharsetOfCodePage(codePage));
    return text ? *std::move(text) : std::string(bytes.size(), '?');  // a code page iconv lacks
}

}  // namespace richtext
