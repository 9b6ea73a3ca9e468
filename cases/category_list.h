// The list of category names offered by the save, search and category
// dialogs: section "classes" of dat/bzinit.ini, key "count" and keys "1" …
// "count", one name each (at most 12 bytes, six Chinese characters). The list
// is independent of the cases: a case may carry a category the list lacks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/base/ini_file.h"

// What the category chooser and the search dialog show for a missing key;
// the category editor and the main window read a missing key as empty.
inline constexpr std::string_view kMissingCategoryText = "临时保存";

// A "count" beyond this is taken as damage and read as this many.
constexpr int kMaxCategories = 1000;

// Category names compare without regard to ASCII letter case.
bool SameCategoryName(std::string_view a, std::string_view b);

// The names of keys "1" … "count" in order, a missing key read as
// missingText.
std::vector<std::string> ReadCategoryList(const IniFile& ini, std::string_view missingText);

// Appends the name as key count + 1 unless a key already holds it. False
// only when the settings file could not be written.
bool AppendCategory(IniFile& ini, std::string_view name);

// Overwrites the first key whose value is the old name. False only when the
// settings file could not be written.
bool RenameCategory(IniFile& ini, std::string_view oldName, std::string_view newName);

// Writes the names to keys "1" … n and sets "count" to n, in one write; keys
// above n stay in the file, unread. False when it could not be written.
bool RewriteCategoryList(IniFile& ini, const std::vector<std::string>& names);
