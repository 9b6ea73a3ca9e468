#include "richtext/rtf_writer.h"

#include <algorithm>
#include <cstdio>

#include "engine/base/gbk_codec.h"
#include "richtext/utf8.h"

namespace richtext {
namespace {

// Appends RTF tokens, putting the one space that ends a control word only
// where literal text follows it.
class RtfOut {
public:
    explicit RtfOut(std::size_t sizeHint) { out_.reserve(sizeHint); }

    void Word(const char* word) {
        out_ += '\\';
        out_ += word;
        needSpace_ = true;
    }
    void Word(const char* word, int value) {
        Word(word);
        out_ += std::to_string(value);
    }
    void Raw(std::string_view text) {
        out_ += text;
        needSpace_ = false;
    }
    void Literal(std::string_view text) {
        if (needSpace_) out_ += ' ';
        out_ += text;
        needSpace_ = false;
    }
    // Bytes of the code page as \'hh escapes.
    void HexBytes(const char* bytes, std::size_t count) {
        static constexpr char kHex[] = "0123456789abcdef";
        for (std::size_t i = 0; i < count; ++i) {
            unsigned char b = static_cast<unsigned char>(bytes[i]);
            const char escape[4] = {'\\', '\'', kHex[b >> 4], kHex[b & 15]};
            out_.append(escape, 4);
        }
        needSpace_ = false;
    }
    // \uN takes a signed 16-bit number; "?" is what older readers show instead.
    void Unicode(char32_t unit) {
        out_ += "\\u";
        out_ += std::to_string(static_cast<int16_t>(static_cast<uint16_t>(unit)));
        out_ += '?';
        needSpace_ = false;
    }

    // Text of one run: ASCII as it is (with \, { and } escaped), characters
    // of GBK as their bytes, the rest as Unicode escapes. Malformed UTF-8 is
    // written as U+FFFD.
    void Text(std::string_view utf8) {
        const std::size_t mark = out_.size();
        const bool needSpace = needSpace_;
        if (TextOfWellFormed(utf8)) return;
        out_.resize(mark);
        needSpace_ = needSpace;
        TextOfWellFormed(ToWellFormedUtf8(utf8));
    }

    std::string Take() { return std::move(out_); }

private:
    // False, with part of the text written, when the text is malformed.
    bool TextOfWellFormed(std::string_view utf8) {
        // Each character is one GBK byte (ASCII), two, or "?" for one GBK lacks.
        const std::string gbkBytes = gbk::FromUtf8(utf8);
        std::size_t g = 0;
        for (std::size_t pos = 0; pos < utf8.size();) {
            if (g >= gbkBytes.size()) return false;
            unsigned char lead = static_cast<unsigned char>(utf8[pos]);
            if (lead < 0x80) {
                Ascii(static_cast<char>(lead));
                ++pos;
                ++g;
                continue;
            }
            unsigned char b = static_cast<unsigned char>(gbkBytes[g]);
            if (b == '?') {
                std::size_t start = pos;
                char32_t cp = NextCodePoint(utf8, pos);
                if (pos - start == 1) return false;  // a non-ASCII character takes two bytes or more
                UnicodeCharacter(cp);
                ++g;
                continue;
            }
            // The codec took the character: a well-formed sequence.
            std::size_t length = Utf8SequenceLength(lead);
            if (length == 0 || pos + length > utf8.size()) return false;
            std::size_t width = b >= 0x81 && b <= 0xFE && g + 1 < gbkBytes.size() ? 2 : 1;
            HexBytes(gbkBytes.data() + g, width);
            g += width;
            pos += length;
        }
        return true;
    }

    void Ascii(char c) {
        if (c == '\\' || c == '{' || c == '}') {
            Raw(std::string{'\\', c});
        } else if (c == '\t') {
            Word("tab");
        } else if (c == '\n') {
            Word("line");
        } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            Literal(std::string_view(&c, 1));
        }
    }
    void UnicodeCharacter(char32_t cp) {
        if (cp < 0x10000) return Unicode(cp);
        cp -= 0x10000;
        Unicode(0xD800 + (cp >> 10));
        Unicode(0xDC00 + (cp & 0x3FF));
    }

    std::string out_;
    bool needSpace_ = false;
};

// Index of value in list, appended when missing.
template <typename T>
int IndexOf(std::vector<T>& list, const T& value) {
    auto it = std::find(list.begin(), list.end(), value);
    if (it != list.end()) return static_cast<int>(it - list.begin());
    list.push_back(value);
    return static_cast<int>(list.size()) - 1;
}

std::string FamilyOrDefault(const std::string& family) {
    return family.empty() ? std::string(kDefaultFontFamily) : family;
}

class RtfWriter {
public:
    explicit RtfWriter(const RichDocument& doc) : doc_(doc), body_(EstimatedSize(doc)) {}

    std::string Write() {
        for (const Paragraph& p : doc_.paragraphs) WriteParagraph(p);
        // The tables come first but are known only after the body.
        std::string out = body_.Take();
        out.insert(0, Header());
        out += "}\r\n";
        return out;
    }

private:
    static std::size_t EstimatedSize(const RichDocument& doc) {
        // Room for the tables, and about what a Chinese text takes: a
        // character of three UTF-8 bytes becomes \'hh\'hh.
        std::size_t n = 1024;
        for (const Paragraph& p : doc.paragraphs) {
            n += 32;
            for (const TextRun& r : p.runs) n += r.text.size() * 3 + 24;
        }
        return n;
    }

    void WriteParagraph(const Paragraph& p) {
        body_.Word("pard");
        if (p.format.alignment == Alignment::Centre) body_.Word("qc");
        if (p.format.alignment == Alignment::Right) body_.Word("qr");
        if (p.format.alignment == Alignment::Justify) body_.Word("qj");
        if (p.format.leftIndent != 0) body_.Word("li", p.format.leftIndent);
        if (p.format.firstLineIndent != 0) body_.Word("fi", p.format.firstLineIndent);
        for (const TextRun& run : p.runs) {
            WriteFormatChanges(run.format);
            body_.Text(run.text);
        }
        body_.Word("par");
        body_.Raw("\r\n");
    }

    // Only what differs from the text before, as the rich-text control does.
    void WriteFormatChanges(const CharFormat& f) {
        int font = IndexOf(fonts_, FamilyOrDefault(f.fontFamily));
        int colour = IndexOf(colours_, f.colour) + 1;  // entry 0 is the automatic colour
        bool first = !started_;
        started_ = true;
        if (first || font != font_) body_.Word("f", font);
        if (first || f.halfPoints != current_.halfPoints) body_.Word("fs", f.halfPoints);
        if (first || colour != colour_) body_.Word("cf", colour);
        if (first ? f.bold : f.bold != current_.bold) body_.Word(f.bold ? "b" : "b0");
        if (first ? f.italic : f.italic != current_.italic) body_.Word(f.italic ? "i" : "i0");
        if (first ? f.underline : f.underline != current_.underline) body_.Word(f.underline ? "ul" : "ulnone");
        if (first ? f.strikeOut : f.strikeOut != current_.strikeOut) body_.Word(f.strikeOut ? "strike" : "strike0");
        current_ = f;
        font_ = font;
        colour_ = colour;
    }

    std::string Header() {
        if (fonts_.empty()) fonts_.push_back(kDefaultFontFamily);
        RtfOut h(512);
        h.Raw("{");
        h.Word("rtf1");
        h.Word("ansi");
        h.Word("ansicpg", 936);
        h.Word("deff", 0);
        h.Word("deflang", 1033);
        h.Word("deflangfe", 2052);
        h.Raw("{");
        h.Word("fonttbl");
        for (std::size_t i = 0; i < fonts_.size(); ++i) {
            h.Raw("{");
            h.Word("f", static_cast<int>(i));
            h.Word("fnil");
            h.Word("fcharset", 134);
            std::string name = fonts_[i];
            std::erase(name, ';');
            h.Text(name);
            h.Raw(";}");
        }
        h.Raw("}\r\n{");
        h.Word("colortbl");
        h.Literal(";");
        for (const Colour& c : colours_) {
            h.Word("red", c.red);
            h.Word("green", c.green);
            h.Word("blue", c.blue);
            h.Raw(";");
        }
        h.Raw("}\r\n{\\*");
        h.Word("generator");
        h.Literal("Marivo;}");
        h.Word("viewkind", 4);
        h.Word("uc", 1);
        h.Raw("\r\n");
        return h.Take();
    }

    const RichDocument& doc_;
    RtfOut body_;
    std::vector<std::string> fonts_;
    std::vector<Colour> colours_;
    CharFormat current_;
    int font_ = -1;
    int colour_ = -1;
    bool started_ = false;
};

}  // namespace

std::string WriteRtf(const RichDocument& doc) { return RtfWriter(doc).Write(); }

}  // namespace richtext
