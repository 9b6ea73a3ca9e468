// The comment library dat/bzpingyu.dat: short reading comments in thirteen
// fixed categories, one section per category. A section's key "tol" holds
// the number of comments, the keys "1" … "tol" the comments, one line each.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/base/ini_file.h"

namespace comments {

inline constexpr int kCategoryCount = 13;
extern const std::array<std::string_view, kCategoryCount> kCategories;

// The most comments a category shows: a damaged count does not make the
// viewer build an endless text.
inline constexpr int kMaxComments = 9999;

// The comment file: the program folder's own copy, else the shipped one.
std::string CommentFilePath(std::string_view programFolder);

// A category's comments as the viewer shows them, "1:…\n2:…\n", numbered
// 1 … tol; a missing comment shows as a blank, a missing "tol" as no line.
std::string CategoryText(const IniDocument& commentFile, std::string_view category);

}  // namespace comments
