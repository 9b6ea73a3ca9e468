#include "tools/conception_chart.h"

#include <algorithm>
#include <array>

namespace conception {

namespace {

// One row per age from 18, one character per lunar month from the first.
constexpr std::array<std::string_view, kLastAge - kFirstAge + 1> kChart = {
    "女男女男男男男男男男男男",  // 18
    "男女男女女男男男男男女女",  // 19
    "女男女男男男男男男女男男",  // 20
    "男女女女女女女女女女女女",  // 21
    "女男男女男女女男女女女女",  // 22
    "男男女男男女男女男男男女",  // 23
    "男女男男女男男女女女女女",  // 24
    "女男男女女男女男男男男男",  // 25
    "男女男女女男女男女女女女",  // 26
    "女男女男女女男男男男女男",  // 27
    "男女男女女女男男男男女女",  // 28
    "女男女女男男男男男女女女",  // 29
    "男女女女女女女女女女男男",  // 30
    "男女男女女女女女女女女男",  // 31
    "男女男女女女女女女女女男",  // 32
    "女男女男女女女男女女女男",  // 33
    "男女男女女女女女女女男男",  // 34
    "男男女男女女女男女女男男",  // 35
    "女男男女男女女女男男男男",  // 36
    "男女男男女男女男女男女男",  // 37
    "女男女男男女男女男女男女",  // 38
    "男女男男男女女男女男女女",  // 39
    "女男女男女男男女男女男女",  // 40
    "男女男女男女男男女男女男",  // 41
    "女男女男女男女男男女男女",  // 42
    "男女男女男女男女男男男男",  // 43
    "男男女男男男女男女男女女",  // 44
    "女男男女女女男女男女男男",  // 45
};
constexpr std::size_t kCharBytes = 3;  // 男 and 女 in UTF-8
constexpr std::string_view kBoy = "男";
static_assert(std::ranges::all_of(kChart, [](std::string_view row) { return row.size() == 12 * kCharBytes; }));

}  // namespace

Child Predict(int age, int month) {
    if (!IsChartAge(age) || month < 1 || month > 12) return Child::Unknown;
    const std::string_view row = kChart[age - kFirstAge];
    return row.substr((month - 1) * kCharBytes, kCharBytes) == kBoy ? Child::Boy : Child::Girl;
}

std::string_view ChildText(Child child) {
    switch (child) {
    case Child::Boy: return "生男孩";
    case Child::Girl: return "生女孩";
    case Child::Unknown: break;
    }
    return {};
}

}  // namespace conception
