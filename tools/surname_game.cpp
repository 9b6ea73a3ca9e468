#include "tools/surname_game.h"

namespace surname {

namespace {

// The surnames by number, 1 first; every one is a single character of three
// UTF-8 bytes.
constexpr std::string_view kSurnames =
    "白赵张包鲍谢郑周蔡曹岑熊徐晁陈程褚朱楚崔"
    "戴邓许丁董窦薛杜段樊范方严阎冯曾傅高甘葛耿龚巩章顾关郭韩郝何"
    "贺洪胡华黄尤纪杨贾江姜蒋金孔赖姚郎叶雷游李云连梁廖林刘柳卢鲁"
    "陆吕罗余马毛梅俞苗倪牛潘庞彭袁岳戚齐祁钱乔秦邱任阮邵沈施石史"
    "宋苏孙汤唐陶田王万卫韦魏温吴伍肖萧";
constexpr std::size_t kBytesPerName = 3;
static_assert(kSurnames.size() == kSurnameCount * kBytesPerName);

}  // namespace

std::string_view SurnameOf(int number) {
    if (number < 1 || number > kSurnameCount) return {};
    return kSurnames.substr((number - 1) * kBytesPerName, kBytesPerName);
}

void SurnameGame::Start() {
    number_ = 0;
    weight_ = 1 << kTables;  // halved before the first table is on show
    tablesLeft_ = kTables + 1;
    Step(false);
}

void SurnameGame::Answer(bool inTable) {
    if (!Over()) Step(inTable);
}

// The answer counts for the table on show; then the next table, that of the
// next lower bit, comes on show.
void SurnameGame::Step(bool inTable) {
    --tablesLeft_;
    if (inTable) number_ += weight_;
    weight_ /= 2;
}

std::array<std::string_view, kTableSize> SurnameGame::Table() const {
    std::array<std::string_view, kTableSize> table{};
    if (Over()) return table;
    const int bit = 1 << (tablesLeft_ - 1);
    int k = 0;
    for (int n = 1; n <= kSurnameCount; ++n)
        if (n & bit) table[k++] = SurnameOf(n);
    return table;
}

}  // namespace surname
