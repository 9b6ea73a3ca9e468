// libFuzzer target for the report file readers (built by scripts/fuzz-richtext,
// not by the normal build). Besides never crashing, hanging or running out of
// memory, whatever the RTF reader makes of the input must write and read back
// to the same text and paragraph formats.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace {

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    richtext::DecodeTextFile(bytes);

    richtext::RichDocument doc;
    if (!richtext::ReadRtf(bytes, doc)) return 0;
    const std::string text = richtext::PlainText(doc);
    // Every input byte gives at most one character of three UTF-8 bytes.
    Check(text.size() <= 3 * size, "text grows at most threefold");

    richtext::RichDocument back;
    Check(richtext::ReadRtf(richtext::WriteRtf(doc), back), "written RTF is RTF");
    Check(richtext::PlainText(back) == text, "text survives writing");
    Check(back.paragraphs.size() == doc.paragraphs.size(), "paragraphs survive writing");
    for (std::size_t i = 0; i < doc.paragraphs.size(); ++i)
        Check(back.paragraphs[i].format == doc.paragraphs[i].format, "paragraph formats survive writing");
    return 0;
}
