// Settings files in the Windows private-profile format, stored as GBK:
//   [section]
//   key=value
// Section and key names are compared without regard to ASCII letter case; a
// missing file, section or key gives the caller's default; integers are
// written as decimal text and booleans as 0 or 1 (read back as integer ≠ 0).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A parsed settings file held in memory. Lines the program does not touch
// (comments, unknown sections, odd lines) are written back byte for byte.
class IniDocument {
public:
    // Reads the file; a missing or unreadable file gives an empty document.
    static IniDocument Load(const std::string& path);
    // Parses GBK file contents.
    static IniDocument Parse(std::string_view gbkBytes);

    // Writes the document by replacing the file atomically (a sibling temp
    // file renamed over it), so a crash never leaves half a settings file.
    bool Save(const std::string& path) const;
    std::string Serialize() const;  // GBK bytes, "\r\n" line ends

    bool Find(std::string_view section, std::string_view key, std::string& value) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    std::vector<std::string> ReadSection(std::string_view section) const;  // keys, file order
    // Every key of the section with its value, in file order; a key written
    // twice counts once, with its first value (as ReadString finds it).
    std::vector<std::pair<std::string, std::string>> ReadSectionValues(std::string_view section) const;
    std::vector<std::string> ReadSections() const;
    bool SectionExists(std::string_view section) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

private:
    struct Line {
        std::string raw;    // GBK bytes as read (or as built), without line end
        std::string text;   // the same line in UTF-8
    };
    // Index of the "[section]" line, or -1.
    int FindSection(std::string_view section) const;
    // End of the section that starts at line s: the next section line or the end.
    int SectionEnd(int s) const;
    int FindKey(int s, std::string_view key) const;
    static Line MakeLine(std::string_view utf8);

    std::vector<Line> lines_;
};

// A settings file on disk: every read opens and parses the file, every write
// reaches the file at once, so a value written by one window is seen by the
// next reader (the chart engine reads the file anew at every computation).
class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}
    const std::string& FileName() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    std::vector<std::string> ReadSection(std::string_view section) const;
    std::vector<std::string> ReadSections() const;
    bool SectionExists(std::string_view section) const;

    // Each returns false when the file could not be written.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool EraseSection(std::string_view section);

    IniDocument Snapshot() const { return IniDocument::Load(path_); }

private:
    std::string path_;
};
