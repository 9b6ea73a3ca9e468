#include "cases/category_list.h"

#include <algorithm>

namespace {

constexpr std::string_view kSection = "classes";
constexpr std::string_view kCount = "count";

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int CountOf(const IniDocument& doc) {
    return std::clamp(doc.ReadInteger(kSection, kCount, 0), 0, kMaxCategories);
}

// The key 1 … count whose value is the name, or 0.
int KeyHolding(const IniDocument& doc, std::string_view name) {
    int count = CountOf(doc);
    for (int k = 1; k <= count; ++k) {
        std::string value;
        if (doc.Find(kSection, std::to_string(k), value) && SameCategoryName(value, name)) return k;
    }
    return 0;
}

}  // namespace

bool SameCategoryName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

std::vector<std::string> ReadCategoryList(const IniFile& ini, std::string_view missingText) {
    IniDocument doc = ini.Snapshot();
    int count = CountOf(doc);
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) names.push_back(doc.ReadString(kSection, std::to_string(k), missingText));
    return names;
}

bool AppendCategory(IniFile& ini, std::string_view name) {
    IniDocument doc = ini.Snapshot();
    if (KeyHolding(doc, name) != 0) return true;
    int count = CountOf(doc) + 1;
    doc.WriteString(kSection, std::to_string(count), name);
    doc.WriteString(kSection, kCount, std::to_string(count));
    return doc.Save(ini.FileName());
}

bool RenameCategory(IniFile& ini, std::string_view oldName, std::string_view newName) {
    IniDocument doc = ini.Snapshot();
    int key = KeyHolding(doc, oldName);
    if (key == 0) return true;
    doc.WriteString(kSection, std::to_string(key), newName);
    return doc.Save(ini.FileName());
}

bool RewriteCategoryList(IniFile& ini, const std::vector<std::string>& names) {
    IniDocument doc = ini.Snapshot();
    for (std::size_t i = 0; i < names.size(); ++i) doc.WriteString(kSection, std::to_string(i + 1), names[i]);
    doc.WriteString(kSection, kCount, std::to_string(names.size()));
    return doc.Save(ini.FileName());
}
