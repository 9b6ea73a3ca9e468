// Splits RTF bytes into tokens: group braces, control words with their
// numbers, control symbols, \'hh bytes and stretches of plain text.
// Every call consumes input, so a reader built on it always ends; numbers
// are clamped and \bin data is stepped over within the input's bounds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace richtext {

struct RtfToken {
    enum class Kind : uint8_t { End, GroupOpen, GroupClose, Word, Symbol, HexBytes, Text };
    Kind kind = Kind::End;
    std::string_view word;    // Word: its letters; empty for a word too long to be one
    bool hasParam = false;    // Word: a number followed it
    int param = 0;            // Word: the number, clamped to 32 bits
    unsigned char byte = 0;   // Symbol: the character
    // Text: bytes without braces, backslashes or line breaks. HexBytes: the
    // values of a row of \'hh escapes, valid until the next call.
    std::string_view text;
};

class RtfScanner {
public:
    explicit RtfScanner(std::string_view input) : in_(input) {}

    // The next token. Line breaks are no text in RTF and are dropped; the
    // binary data after \binN is skipped and only the word is returned.
    RtfToken Next();

    // Steps over the rest of the current group, through its closing brace
    // (or to the end of a damaged file), nested groups included.
    void SkipGroup();

private:
    RtfToken ReadControl();
    void ReadWord(RtfToken& t);
    void SkipBinary(int64_t count);
    bool ReadHexByte();

    std::string_view in_;
    std::size_t pos_ = 0;
    std::string hexBytes_;
};

}  // namespace richtext
