#include "richtext/rich_document.h"

namespace richtext {

std::string PlainText(const RichDocument& doc, std::string_view lineEnd) {
    std::string out;
    for (const Paragraph& p : doc.paragraphs) {
        for (const TextRun& run : p.runs) out += run.text;
        out += lineEnd;
    }
    return out;
}

RichDocument DocumentFromText(std::string_view utf8, const CharFormat& chars,
                              const ParagraphFormat& paragraph) {
    RichDocument doc;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t end = utf8.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = utf8.size();
        Paragraph& p = doc.paragraphs.emplace_back();
        p.format = paragraph;
        AppendText(p, utf8.substr(pos, end - pos), chars);
        pos = end;
        if (pos < utf8.size() && utf8[pos] == '\r') ++pos;
        if (pos < utf8.size() && utf8[pos] == '\n') ++pos;
    }
    return doc;
}

void AppendText(Paragraph& paragraph, std::string_view utf8, const CharFormat& format) {
    if (utf8.empty()) return;
    if (!paragraph.runs.empty() && paragraph.runs.back().format == format) {
        paragraph.runs.back().text += utf8;
        return;
    }
    paragraph.runs.push_back({std::string(utf8), format});
}

}  // namespace richtext
