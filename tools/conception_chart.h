// The traditional boy-or-girl chart (清宫珍藏生男生女预计法): by the mother's
// nominal age (虚岁, 18 to 45) and the lunar month of conception (1 to 12).
#pragma once

#include <string_view>

namespace conception {

inline constexpr int kFirstAge = 18;
inline constexpr int kLastAge = 45;

constexpr bool IsChartAge(int age) { return age >= kFirstAge && age <= kLastAge; }

enum class Child { Girl, Boy, Unknown };

// The chart's entry; Unknown for an age or month outside the chart.
Child Predict(int age, int month);

// "生男孩" or "生女孩"; empty for Unknown.
std::string_view ChildText(Child child);

}  // namespace conception
