#include "tools/comment_library.h"

#include <algorithm>

#include "engine/base/file_util.h"
#include "engine/base/data_folder.h"

namespace comments {

const std::array<std::string_view, kCategoryCount> kCategories = {
    "性格", "职业", "财运", "官运", "婚姻", "学业", "祖业", "父母兄姐", "子女", "名气", "病伤", "仪表", "僧佛艺术",
};

std::string CommentFilePath(std::string_view programFolder) {
    return datafolder::ShippedFile(programFolder, "dat/bzpingyu.dat");
}

std::string CategoryText(const IniDocument& commentFile, std::string_view category) {
    const int count = std::min(commentFile.ReadInteger(category, "tol", 0), kMaxComments);
    std::string text;
    for (int n = 1; n <= count; ++n) {
        const std::string key = std::to_string(n);
        text += key + ":" + commentFile.ReadString(category, key, " ") + "\n";
    }
    return text;
}

}  // namespace comments
