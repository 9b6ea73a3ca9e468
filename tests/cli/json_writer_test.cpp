#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <limits>

TEST(JsonWriter, FloatsAreTheShortestTextThatReadsBack) {
    struct Case { float value; const char* text; };
    const Case cases[] = {{87.9f, "87.9"}, {90.0f, "90"}, {120.0f, "120"}, {116.46667f, "116.46667"},
                          {-0.5f, "-0.5"}, {std::numeric_limits<float>::quiet_NaN(), "null"}};
    for (const Case& c : cases) EXPECT_EQ(JsonFloat(c.value), c.text) << c.text;
}

TEST(JsonWriter, StringsAreEscaped) {
    EXPECT_EQ(JsonString("甲\"\\\r\n\t\x01"), "\"甲\\\"\\\\\\r\\n\\t\\u0001\"");
}
