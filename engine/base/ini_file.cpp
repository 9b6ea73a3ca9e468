#include "engine/base/ini_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <unordered_set>

#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"

namespace {

std::string_view Trim(std::string_view s) {
    const char* blanks = " \t\r";
    std::size_t b = s.find_first_not_of(blanks);
    if (b == std::string_view::npos) return {};
    std::size_t e = s.find_last_not_of(blanks);
    return s.substr(b, e - b + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// "[name]" → name; false for any other line.
bool SectionName(std::string_view line, std::string_view& name) {
    std::string_view t = Trim(line);
    if (t.size() < 2 || t.front() != '[') return false;
    std::size_t close = t.find(']');
    if (close == std::string_view::npos) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

// "key=value" → key and value (blanks trimmed, one pair of enclosing quotes
// removed); false for comments and lines without "=".
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';') return false;
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos || eq == 0) return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return !key.empty();
}

// Whole-text integer: optional sign, decimal digits, or hexadecimal after
// "0x" or "$". Anything else (also an out-of-range number) gives false.
bool ParseInteger(std::string_view text, int& out) {
    std::string s(Trim(text));
    if (s.empty()) return false;
    std::size_t pos = 0;
    bool negative = false;
    if (s[pos] == '-' || s[pos] == '+') negative = s[pos++] == '-';
    int base = 10;
    if (s.compare(pos, 2, "0x") == 0 || s.compare(pos, 2, "0X") == 0) {
        base = 16;
        pos += 2;
    } else if (pos < s.size() && s[pos] == '$') {
        base = 16;
        pos += 1;
    }
    if (pos >= s.size()) return false;
    for (std::size_t i = pos; i < s.size(); ++i) {
        char c = s[i];
        bool digit = (c >= '0' && c <= '9') ||
                     (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (!digit) return false;
    }
    errno = 0;
    long long v = std::strtoll(s.c_str() + pos, nullptr, base);
    if (errno == ERANGE) return false;
    if (negative) v = -v;
    // Hexadecimal text may spell a negative 32-bit value (0xFFFFFFFF = -1).
    if (base == 16 && !negative && v > INT_MAX && v <= static_cast<long long>(UINT_MAX))
        v = static_cast<int>(static_cast<unsigned>(v));
    if (v < INT_MIN || v > INT_MAX) return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument doc;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view raw = bytes.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        doc.lines_.push_back({std::string(raw), gbk::ToUtf8(raw)});
        start = end + 1;
    }
    return doc;
}

IniDocument IniDocument::Load(const std::string& path) {
    std::string bytes;
    if (!fileutil::ReadAll(path, bytes)) return {};
    return Parse(bytes);
}

std::string IniDocument::Serialize() const {
    std::string out;
    for (const Line& l : lines_) {
        out += l.raw;
        out += "\r\n";
    }
    return out;
}

bool IniDocument::Save(const std::string& path) const {
    return fileutil::WriteAtomically(path, Serialize());
}

IniDocument::Line IniDocument::MakeLine(std::string_view utf8) {
    return {gbk::FromUtf8(utf8), std::string(utf8)};
}

int IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (SectionName(lines_[i].text, name) && SameName(name, section)) return static_cast<int>(i);
    }
    return -1;
}

int IniDocument::SectionEnd(int s) const {
    std::string_view name;
    for (std::size_t i = static_cast<std::size_t>(s) + 1; i < lines_.size(); ++i)
        if (SectionName(lines_[i].text, name)) return static_cast<int>(i);
    return static_cast<int>(lines_.size());
}

int IniDocument::FindKey(int s, std::string_view key) const {
    int end = SectionEnd(s);
    for (int i = s + 1; i < end; ++i) {
        std::string_view k, v;
        if (KeyValue(lines_[i].text, k, v) && SameName(k, key)) return i;
    }
    return -1;
}

bool IniDocument::Find(std::string_view section, std::string_view key, std::string& value) const {
    int s = FindSection(section);
    if (s < 0) return false;
    int i = FindKey(s, key);
    if (i < 0) return false;
    std::string_view k, v;
    KeyValue(lines_[i].text, k, v);
    value.assign(v);
    return true;
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    std::string value;
    return Find(section, key, value) ? value : std::string(def);
}

int IniDocument::ReadInteger(std::string_view section, std::string_view key, int def) const {
    std::string value;
    int n = 0;
    return Find(section, key, value) && ParseInteger(value, n) ? n : def;
}

bool IniDocument::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::vector<std::string> IniDocument::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    for (auto& [key, value] : ReadSectionValues(section)) keys.push_back(std::move(key));
    return keys;
}

std::vector<std::pair<std::string, std::string>> IniDocument::ReadSectionValues(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    int s = FindSection(section);
    if (s < 0) return entries;
    // One pass over the section, however many keys it has (a province of the
    // place file may hold tens of thousands).
    std::unordered_set<std::string> seen;
    int end = SectionEnd(s);
    for (int i = s + 1; i < end; ++i) {
        std::string_view k, v;
        if (!KeyValue(lines_[i].text, k, v)) continue;
        std::string folded(k);
        for (char& c : folded)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (seen.insert(std::move(folded)).second) entries.emplace_back(k, v);
    }
    return entries;
}

std::vector<std::string> IniDocument::ReadSections() const {
    std::vector<std::string> names;
    for (const Line& l : lines_) {
        std::string_view name;
        if (SectionName(l.text, name)) names.emplace_back(name);
    }
    return names;
}

bool IniDocument::SectionExists(std::string_view section) const { return FindSection(section) >= 0; }

void IniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + std::string(value);
    int s = FindSection(section);
    if (s < 0) {
        lines_.push_back(MakeLine("[" + std::string(section) + "]"));
        lines_.push_back(MakeLine(line));
        return;
    }
    int i = FindKey(s, key);
    if (i >= 0) {
        lines_[i] = MakeLine(line);
        return;
    }
    // A new key goes after the last non-blank line of its section.
    int at = SectionEnd(s);
    while (at - 1 > s && Trim(lines_[at - 1].text).empty()) --at;
    lines_.insert(lines_.begin() + at, MakeLine(line));
}

void IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    int s = FindSection(section);
    if (s < 0) return;
    int i = FindKey(s, key);
    if (i >= 0) lines_.erase(lines_.begin() + i);
}

void IniDocument::EraseSection(std::string_view section) {
    int s = FindSection(section);
    if (s < 0) return;
    lines_.erase(lines_.begin() + s, lines_.begin() + SectionEnd(s));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    return Snapshot().ReadString(section, key, def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    return Snapshot().ReadInteger(section, key, def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return Snapshot().ReadBool(section, key, def);
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
    return Snapshot().ReadSection(section);
}

std::vector<std::string> IniFile::ReadSections() const { return Snapshot().ReadSections(); }

bool IniFile::SectionExists(std::string_view section) const { return Snapshot().SectionExists(section); }

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    IniDocument doc = Snapshot();
    doc.WriteString(section, key, value);
    return doc.Save(path_);
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
    IniDocument doc = Snapshot();
    doc.DeleteKey(section, key);
    return doc.Save(path_);
}

bool IniFile::EraseSection(std::string_view section) {
    IniDocument doc = Snapshot();
    doc.EraseSection(section);
    return doc.Save(path_);
}
