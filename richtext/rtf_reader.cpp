#include "richtext/rtf_reader.h"

#include <algorithm>
#include <map>
#include <vector>

#include "richtext/code_pages.h"
#include "richtext/rtf_keywords.h"
#include "richtext/rtf_scanner.h"
#include "richtext/utf8.h"

namespace richtext {
namespace {

// Deeper groups than this are skipped whole: no real report nests that far,
// and the state stack stays small whatever a damaged file holds.
constexpr std::size_t kMaxDepth = 200;
// Limits of the values a report can use (Word's own limits).
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxIndent = 31680;
constexpr int kMaxUnicodeSkip = 16;
// Font and colour tables beyond any real document's are read and dropped.
constexpr std::size_t kMaxTableEntries = 4096;

enum class Destination : uint8_t { Text, FontTable, ColourTable };

struct CharState {
    int font = -1;  // \f number; -1 is the document's default font
    int halfPoints = 24;
    int colour = 0;  // colour table index; an index without an entry is black
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool hidden = false;
    // East Asian text (what follows \dbch, until \loch or \hich) may have a
    // font, size, bold and italic of its own, given by \af, \afs, \ab and
    // \ai as LibreOffice writes them; unset ones are those above. After
    // \rtlch these words are for right-to-left text, which reports lack.
    bool doubleByte = false;
    bool rightToLeft = false;
    int asianFont = -1;
    int asianHalfPoints = 0;
    int8_t asianBold = -1;
    int8_t asianItalic = -1;
};

struct GroupState {
    Destination destination = Destination::Text;
    CharState chars;
    ParagraphFormat paragraph;
    int unicodeSkip = 1;  // \ucN: how many fallback characters follow each \uN
};

struct FontEntry {
    std::string name;  // UTF-8
    int charset = -1;
    int codePage = 0;
    bool nameDone = false;
};

int Clamp(int value, int lo, int hi) { return std::max(lo, std::min(value, hi)); }

// Control characters are no text in RTF; the tab is written as \tab but
// taken as it is too.
bool IsControlCharacter(char32_t c) { return (c < 0x20 && c != '\t') || c == 0x7F; }

class RtfReader {
public:
    explicit RtfReader(std::string_view bytes) : scanner_(bytes) { stack_.emplace_back(); }

    RichDocument Read() {
        while (!finished_) {
            RtfToken t = scanner_.Next();
            switch (t.kind) {
            case RtfToken::Kind::End: finished_ = true; break;
            case RtfToken::Kind::GroupOpen: OpenGroup(); break;
            case RtfToken::Kind::GroupClose: CloseGroup(); break;
            case RtfToken::Kind::Word: Word(t); break;
            case RtfToken::Kind::Symbol: Symbol(static_cast<char>(t.byte)); break;
            case RtfToken::Kind::HexBytes:
            case RtfToken::Kind::Text: Bytes(t.text); break;
            }
        }
        EndParagraph(false);
        return std::move(doc_);
    }

private:
    GroupState& State() { return stack_.back(); }
    bool AtRootLevel() const { return stack_.size() <= 2; }

    void OpenGroup() {
        Flush();
        fallbackLeft_ = 0;
        if (stack_.size() > kMaxDepth) return scanner_.SkipGroup();
        stack_.push_back(stack_.back());
    }

    void CloseGroup() {
        Flush();
        fallbackLeft_ = 0;
        if (stack_.size() == 1) return;  // a closing brace too many
        if (State().destination == Destination::FontTable) FinishFontName();
        if (stack_.size() == 2) EndParagraph(false);  // in the formats of the document's end
        stack_.pop_back();
        if (stack_.size() == 1) finished_ = true;  // the document's own group is closed
    }

    // The rest of the group is no text of the report.
    void SkipDestination() {
        Flush();
        if (AtRootLevel()) return;  // never throw away the whole document
        fallbackLeft_ = 0;
        scanner_.SkipGroup();
        stack_.pop_back();
    }

    // Characters that stand for a \uN in readers without Unicode.
    bool SkipFallback() {
        if (fallbackLeft_ == 0) return false;
        --fallbackLeft_;
        return true;
    }

    void Symbol(char c) {
        if (SkipFallback()) return;
        switch (c) {
        case '\\': case '{': case '}': Bytes(std::string_view(&c, 1)); break;
        case '~': CodePoint(0x00A0); break;
        case '_': CodePoint(0x2011); break;
        case '*': SkipDestination(); break;
        default: break;  // \- optional hyphen, \: index entry, broken \'h, …
        }
    }

    // Literal or \'hh bytes, in the code page of the current font.
    void Bytes(std::string_view bytes) {
        while (!bytes.empty() && fallbackLeft_ > 0) {
            bytes.remove_prefix(1);
            --fallbackLeft_;
        }
        switch (State().destination) {
        case Destination::Text:
            if (!State().chars.hidden) pending_ += bytes;
            break;
        case Destination::FontTable:
            for (char c : bytes) {
                if (c == ';') {
                    FinishFontName();
                } else if (!CurrentFont().nameDone) {
                    pending_ += c;
                }
            }
            break;
        case Destination::ColourTable:
            for (char c : bytes)
                if (c == ';') {
                    if (colours_.size() < kMaxTableEntries) colours_.push_back(nextColour_);
                    nextColour_ = kBlack;
                }
            break;
        }
    }

    void Word(const RtfToken& t) {
        Flush();
        if (SkipFallback()) return;
        RtfKeyword k = LookupRtfKeyword(t.word);
        if (State().destination == Destination::FontTable && FontTableWord(k, t.param)) return;
        if (State().destination == Destination::ColourTable && ColourTableWord(k, t.param)) return;
        if (DocumentWord(k, t.param) || CharacterWord(k, t) || ParagraphWord(k, t.param)) return;
        TextWord(k);
    }

    bool FontTableWord(RtfKeyword k, int param) {
        switch (k) {
        case RtfKeyword::Font:
            FinishFontName();
            currentFont_ = param;
            CurrentFont() = FontEntry{};
            return true;
        case RtfKeyword::FontCharset: CurrentFont().charset = param; return true;
        case RtfKeyword::FontCodePage: CurrentFont().codePage = param; return true;
        default:
            // Skipped groups and Unicode characters are handled as in the text.
            return k != RtfKeyword::SkippedDestination && k != RtfKeyword::Unicode &&
                   k != RtfKeyword::UnicodeSkip;
        }
    }

    bool ColourTableWord(RtfKeyword k, int param) {
        uint8_t value = static_cast<uint8_t>(Clamp(param, 0, 255));
        switch (k) {
        case RtfKeyword::Red: nextColour_.red = value; return true;
        case RtfKeyword::Green: nextColour_.green = value; return true;
        case RtfKeyword::Blue: nextColour_.blue = value; return true;
        default: return k != RtfKeyword::SkippedDestination;
        }
    }

    bool DocumentWord(RtfKeyword k, int param) {
        switch (k) {
        case RtfKeyword::SkippedDestination: SkipDestination(); return true;
        case RtfKeyword::FontTable: State().destination = Destination::FontTable; return true;
        case RtfKeyword::ColourTable:
            State().destination = Destination::ColourTable;
            colours_.clear();
            nextColour_ = kBlack;
            return true;
        case RtfKeyword::Ansi: documentCodePage_ = kCodePageWestern; return true;
        case RtfKeyword::Mac: documentCodePage_ = 10000; return true;
        case RtfKeyword::Pc: documentCodePage_ = 437; return true;
        case RtfKeyword::Pca: documentCodePage_ = 850; return true;
        case RtfKeyword::AnsiCodePage:
            if (param > 0 && param < 65536) documentCodePage_ = param;
            return true;
        case RtfKeyword::DefaultFont: defaultFont_ = param; return true;
        default: return false;
        }
    }

    bool CharacterWord(RtfKeyword k, const RtfToken& t) {
        CharState& c = State().chars;
        bool on = !t.hasParam || t.param != 0;
        switch (k) {
        case RtfKeyword::Plain: c = CharState{}; return true;
        case RtfKeyword::Font: c.font = std::max(t.param, 0); return true;
        case RtfKeyword::FontSize: c.halfPoints = t.param > 0 ? Clamp(t.param, 2, kMaxHalfPoints) : 24; return true;
        case RtfKeyword::ColourIndex: c.colour = std::max(t.param, 0); return true;
        case RtfKeyword::Bold: c.bold = on; return true;
        case RtfKeyword::Italic: c.italic = on; return true;
        case RtfKeyword::Underline: c.underline = on; return true;
        case RtfKeyword::UnderlineNone: c.underline = false; return true;
        case RtfKeyword::StrikeOut: c.strikeOut = on; return true;
        case RtfKeyword::Hidden: c.hidden = on; return true;
        case RtfKeyword::LowAnsiText:
        case RtfKeyword::HighAnsiText: c.doubleByte = false; return true;
        case RtfKeyword::DoubleByteText: c.doubleByte = true; return true;
        case RtfKeyword::RightToLeftText: c.rightToLeft = true; return true;
        case RtfKeyword::LeftToRightText: c.rightToLeft = false; return true;
        case RtfKeyword::AssociatedFont:
        case RtfKeyword::AssociatedFontSize:
        case RtfKeyword::AssociatedBold:
        case RtfKeyword::AssociatedItalic: AsianWord(k, t, c); return true;
        case RtfKeyword::Unicode:
            // A negative number is the upper half of the 16-bit range.
            if (t.param >= -32768 && t.param <= 65535) CodePoint(t.param < 0 ? t.param + 65536 : t.param);
            fallbackLeft_ = State().unicodeSkip;
            return true;
        case RtfKeyword::UnicodeSkip: State().unicodeSkip = t.hasParam ? Clamp(t.param, 0, kMaxUnicodeSkip) : 1; return true;
        default: return false;
        }
    }

    static void AsianWord(RtfKeyword k, const RtfToken& t, CharState& c) {
        if (!c.doubleByte || c.rightToLeft) return;
        bool on = !t.hasParam || t.param != 0;
        switch (k) {
        case RtfKeyword::AssociatedFont: c.asianFont = std::max(t.param, 0); break;
        case RtfKeyword::AssociatedFontSize: c.asianHalfPoints = t.param > 0 ? Clamp(t.param, 2, kMaxHalfPoints) : 0; break;
        case RtfKeyword::AssociatedBold: c.asianBold = on; break;
        case RtfKeyword::AssociatedItalic: c.asianItalic = on; break;
        default: break;
        }
    }

    bool ParagraphWord(RtfKeyword k, int param) {
        ParagraphFormat& p = State().paragraph;
        switch (k) {
        case RtfKeyword::ParagraphDefault: p = ParagraphFormat{}; return true;
        case RtfKeyword::AlignLeft: p.alignment = Alignment::Left; return true;
        case RtfKeyword::AlignCentre: p.alignment = Alignment::Centre; return true;
        case RtfKeyword::AlignRight: p.alignment = Alignment::Right; return true;
        case RtfKeyword::AlignJustify: p.alignment = Alignment::Justify; return true;
        case RtfKeyword::LeftIndent: p.leftIndent = Clamp(param, -kMaxIndent, kMaxIndent); return true;
        case RtfKeyword::FirstIndent: p.firstLineIndent = Clamp(param, -kMaxIndent, kMaxIndent); return true;
        default: return false;
        }
    }

    // Breaks and characters named by a control word.
    void TextWord(RtfKeyword k) {
        switch (k) {
        case RtfKeyword::Paragraph:
        case RtfKeyword::Line:
        case RtfKeyword::Section: EndParagraph(true); break;
        case RtfKeyword::Row: EndParagraph(true, true); break;
        case RtfKeyword::Tab:
        case RtfKeyword::Cell: CodePoint('\t'); break;
        case RtfKeyword::EmDash: CodePoint(0x2014); break;
        case RtfKeyword::EnDash: CodePoint(0x2013); break;
        case RtfKeyword::Bullet: CodePoint(0x2022); break;
        case RtfKeyword::LeftQuote: CodePoint(0x2018); break;
        case RtfKeyword::RightQuote: CodePoint(0x2019); break;
        case RtfKeyword::LeftDoubleQuote: CodePoint(0x201C); break;
        case RtfKeyword::RightDoubleQuote: CodePoint(0x201D); break;
        case RtfKeyword::EmSpace: CodePoint(0x2003); break;
        case RtfKeyword::EnSpace: CodePoint(0x2002); break;
        case RtfKeyword::QuarterEmSpace: CodePoint(0x2005); break;
        case RtfKeyword::ZeroWidthJoiner: CodePoint(0x200D); break;
        case RtfKeyword::ZeroWidthNonJoiner: CodePoint(0x200C); break;
        case RtfKeyword::LeftToRightMark: CodePoint(0x200E); break;
        case RtfKeyword::RightToLeftMark: CodePoint(0x200F); break;
        default: break;
        }
    }

    // One character given by number; \uN pairs of UTF-16 surrogates join.
    void CodePoint(char32_t cp) {
        Flush();
        if (IsControlCharacter(cp)) return;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            highSurrogate_ = cp;
            return;
        }
        if (cp >= 0xDC00 && cp <= 0xDFFF) {
            if (highSurrogate_ == 0) return;
            cp = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (cp - 0xDC00);
        }
        highSurrogate_ = 0;
        std::string utf8;
        AppendUtf8(utf8, cp);
        Emit(utf8);
    }

    // Decodes the bytes collected since the last control word or brace.
    void Flush() {
        if (pending_.empty()) return;
        int codePage = State().destination == Destination::FontTable ? CodePageOf(CurrentFont())
                                                                      : CodePageOf(FontOfText());
        std::string utf8 = DecodeCodePage(codePage, pending_);
        pending_.clear();
        // Bytes 0x00-0x1F of UTF-8 are always whole characters.
        std::erase_if(utf8, [](char c) { return IsControlCharacter(static_cast<unsigned char>(c)); });
        highSurrogate_ = 0;  // a surrogate half followed by text stands alone
        Emit(utf8);
    }

    void Emit(std::string_view utf8) {
        switch (State().destination) {
        case Destination::Text:
            if (!State().chars.hidden) AppendText(paragraph_, utf8, Format());
            break;
        case Destination::FontTable:
            if (!CurrentFont().nameDone) CurrentFont().name += utf8;
            break;
        case Destination::ColourTable: break;
        }
    }

    // The paragraph's format is the one in force at its end, as RTF has it.
    // A row of a table ends on the tab that closed its last cell.
    void EndParagraph(bool markSeen, bool tableRow = false) {
        Flush();
        if (State().destination != Destination::Text && markSeen) return;
        if (!markSeen && paragraph_.runs.empty()) return;  // nothing after the last mark
        if (tableRow && !paragraph_.runs.empty() && paragraph_.runs.back().text.ends_with('\t')) {
            paragraph_.runs.back().text.pop_back();
            if (paragraph_.runs.back().text.empty()) paragraph_.runs.pop_back();
        }
        paragraph_.format = State().paragraph;
        doc_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }

    void FinishFontName() {
        Flush();
        FontEntry& f = CurrentFont();
        while (!f.name.empty() && f.name.back() == ' ') f.name.pop_back();
        f.nameDone = true;
    }

    FontEntry& CurrentFont() {
        auto it = fonts_.find(currentFont_);
        if (it != fonts_.end()) return it->second;
        return fonts_.size() < kMaxTableEntries ? fonts_[currentFont_] : droppedFont_;
    }

    const FontEntry* FontOfText() const {
        const CharState& c = stack_.back().chars;
        if (c.doubleByte && c.asianFont >= 0)
            if (auto it = fonts_.find(c.asianFont); it != fonts_.end()) return &it->second;
        auto it = fonts_.find(c.font < 0 ? defaultFont_ : c.font);
        return it == fonts_.end() ? nullptr : &it->second;
    }

    int CodePageOf(const FontEntry* f) const {
        if (f == nullptr) return documentCodePage_;
        if (f->codePage > 0 && f->codePage < 65536) return f->codePage;
        return f->charset < 0 ? documentCodePage_ : CodePageOfCharset(f->charset, documentCodePage_);
    }
    int CodePageOf(const FontEntry& f) const { return CodePageOf(&f); }

    CharFormat Format() const {
        const CharState& c = stack_.back().chars;
        CharFormat f;
        const FontEntry* font = FontOfText();
        if (font != nullptr && !font->name.empty()) f.fontFamily = font->name;
        const bool asian = c.doubleByte;
        f.halfPoints = asian && c.asianHalfPoints > 0 ? c.asianHalfPoints : c.halfPoints;
        if (c.colour < static_cast<int>(colours_.size())) f.colour = colours_[c.colour];
        f.bold = asian && c.asianBold >= 0 ? c.asianBold != 0 : c.bold;
        f.italic = asian && c.asianItalic >= 0 ? c.asianItalic != 0 : c.italic;
        f.underline = c.underline;
        f.strikeOut = c.strikeOut;
        return f;
    }

    RtfScanner scanner_;
    std::vector<GroupState> stack_;  // the bottom entry stands outside the document's group
    bool finished_ = false;

    int documentCodePage_ = kCodePageWestern;
    int defaultFont_ = 0;
    std::map<int, FontEntry> fonts_;
    int currentFont_ = 0;
    FontEntry droppedFont_;  // stands for the entries of a full font table
    std::vector<Colour> colours_;
    Colour nextColour_ = kBlack;

    std::string pending_;  // bytes not yet decoded
    int fallbackLeft_ = 0;
    char32_t highSurrogate_ = 0;

    RichDocument doc_;
    Paragraph paragraph_;
};

}  // namespace

bool LooksLikeRtf(std::string_view bytes) {
    std::size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

bool ReadRtf(std::string_view bytes, RichDocument& doc) {
    doc = RichDocument{};
    if (!LooksLikeRtf(bytes)) return false;
    bytes.remove_prefix(bytes.find('{'));
    doc = RtfReader(bytes).Read();
    return true;
}

}  // namespace richtext
