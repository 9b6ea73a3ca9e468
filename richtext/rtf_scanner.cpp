#include "richtext/rtf_scanner.h"

#include <algorithm>
#include <climits>

namespace richtext {
namespace {

// Control words are at most 32 letters and numbers at most 10 digits; what
// goes beyond is read over without growing anything.
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxDigits = 10;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

RtfToken RtfScanner::Next() {
    RtfToken t;
    while (pos_ < in_.size()) {
        char c = in_[pos_];
        switch (c) {
        case '{':
            ++pos_;
            t.kind = RtfToken::Kind::GroupOpen;
            return t;
        case '}':
            ++pos_;
            t.kind = RtfToken::Kind::GroupClose;
            return t;
        case '\\':
            ++pos_;
            return ReadControl();
        case '\r':
        case '\n':
            ++pos_;
            continue;
        default: {
            std::size_t start = pos_;
            while (pos_ < in_.size() && in_[pos_] != '{' && in_[pos_] != '}' && in_[pos_] != '\\' &&
                   in_[pos_] != '\r' && in_[pos_] != '\n')
                ++pos_;
            t.kind = RtfToken::Kind::Text;
            t.text = in_.substr(start, pos_ - start);
            return t;
        }
        }
    }
    return t;
}

RtfToken RtfScanner::ReadControl() {
    RtfToken t;
    if (pos_ >= in_.size()) return t;  // a lone backslash ends the file
    char c = in_[pos_];
    if (IsLetter(c)) {
        ReadWord(t);
        return t;
    }
    ++pos_;
    if (c == '\'') {
        // Chinese text is rows of \'hh: they make one token.
        hexBytes_.clear();
        if (ReadHexByte()) {
            while (pos_ + 1 < in_.size() && in_[pos_] == '\\' && in_[pos_ + 1] == '\'') {
                pos_ += 2;
                if (!ReadHexByte()) {
                    pos_ -= 2;  // the broken one is a token of its own
                    break;
                }
            }
            t.kind = RtfToken::Kind::HexBytes;
            t.text = hexBytes_;
            return t;
        }
        // A broken \'h: its one good digit goes with it, nothing is made of it.
        if (pos_ < in_.size() && HexValue(in_[pos_]) >= 0) ++pos_;
        t.kind = RtfToken::Kind::Symbol;
        t.byte = '\'';
        return t;
    }
    // A backslash before a line break is a paragraph mark.
    if (c == '\r' || c == '\n') {
        t.kind = RtfToken::Kind::Word;
        t.word = "par";
        return t;
    }
    t.kind = RtfToken::Kind::Symbol;
    t.byte = static_cast<unsigned char>(c);
    return t;
}

void RtfScanner::ReadWord(RtfToken& t) {
    std::size_t start = pos_;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
    t.kind = RtfToken::Kind::Word;
    if (pos_ - start <= kMaxWordLength) t.word = in_.substr(start, pos_ - start);

    bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1]);
    if (negative) ++pos_;
    int64_t value = 0;
    int digits = 0;
    while (pos_ < in_.size() && IsDigit(in_[pos_])) {
        if (digits++ < kMaxDigits) value = value * 10 + (in_[pos_] - '0');
        ++pos_;
    }
    if (digits > 0) {
        t.hasParam = true;
        value = std::min<int64_t>(value, INT_MAX);
        t.param = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting space belongs to the word
    if (t.word == "bin" && t.hasParam) SkipBinary(t.param);
}

// Reads the two hex digits after \' into hexBytes_; false (reading nothing)
// when they are not two hex digits.
bool RtfScanner::ReadHexByte() {
    int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
    int lo = hi >= 0 && pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
    if (lo < 0) return false;
    pos_ += 2;
    hexBytes_ += static_cast<char>(hi * 16 + lo);
    return true;
}

void RtfScanner::SkipBinary(int64_t count) {
    if (count <= 0) return;
    pos_ += static_cast<std::size_t>(std::min<int64_t>(count, static_cast<int64_t>(in_.size() - pos_)));
}

void RtfScanner::SkipGroup() {
    std::size_t depth = 1;
    while (pos_ < in_.size()) {
        char c = in_[pos_++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0) return;
        } else if (c == '\\' && pos_ < in_.size()) {
            if (IsLetter(in_[pos_])) {
                RtfToken t;
                ReadWord(t);  // steps over \bin data, whose bytes may look like braces
            } else {
                ++pos_;  // \{ \} \\ and the like are no braces
            }
        }
    }
}

}  // namespace richtext
