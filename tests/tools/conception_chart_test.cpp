// The boy-or-girl chart by the mother's nominal age and the lunar month.
#include <gtest/gtest.h>

#include "tools/conception_chart.h"

namespace {

using conception::Child;
using conception::Predict;

TEST(ConceptionChart, CellsOfTheChart) {
    struct Case {
        int age, month;
        Child child;
    } cases[] = {
        {18, 1, Child::Girl}, {18, 2, Child::Boy},  {18, 12, Child::Boy}, {21, 1, Child::Boy},
        {22, 2, Child::Boy},  {30, 11, Child::Boy}, {30, 10, Child::Girl}, {38, 12, Child::Girl},
        {45, 1, Child::Girl}, {45, 12, Child::Boy}, {44, 6, Child::Boy},   {33, 8, Child::Boy},
    };
    for (const Case& c : cases) EXPECT_EQ(Predict(c.age, c.month), c.child) << c.age << "/" << c.month;
    for (int month = 2; month <= 12; ++month) EXPECT_EQ(Predict(21, month), Child::Girl) << month;
}

TEST(ConceptionChart, AgeAndMonthBounds) {
    EXPECT_FALSE(conception::IsChartAge(17));
    EXPECT_TRUE(conception::IsChartAge(18));
    EXPECT_TRUE(conception::IsChartAge(45));
    EXPECT_FALSE(conception::IsChartAge(46));
    EXPECT_FALSE(conception::IsChartAge(0));
    for (auto [age, month] : {std::pair{17, 1}, {46, 1}, {0, 1}, {30, 0}, {30, 13}})
        EXPECT_EQ(Predict(age, month), Child::Unknown) << age << "/" << month;
}

TEST(ConceptionChart, Texts) {
    EXPECT_EQ(conception::ChildText(Child::Boy), "生男孩");
    EXPECT_EQ(conception::ChildText(Child::Girl), "生女孩");
    EXPECT_EQ(conception::ChildText(Child::Unknown), "");
}

}  // namespace
