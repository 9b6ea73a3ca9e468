// A person's birth data typed as a SPEC: the defaults, every key, and the
// faults named in the message.
#include <gtest/gtest.h>

#include <string>

#include "engine/chart/birth_spec.h"
#include "engine/base/gbk_codec.h"

namespace {

const IniDocument& Places() {
    static const IniDocument places = IniDocument::Load(std::string(MARIVO_SOURCE_DIR) + "/dat/dili.ini");
    return places;
}

TEST(BirthSpec, DefaultsForEachPerson) {
    BirthData b;
    std::string error;
    ASSERT_TRUE(ParseSpec("date=1985-07-16,time=10:30", 1, Places(), b, error)) << error;
    EXPECT_EQ(b.person, 1);
    EXPECT_EQ(b.male, 0);  // 乙命 is a woman unless said otherwise
    EXPECT_EQ(gbk::ReadField(b.name), "某人");
    EXPECT_EQ(gbk::ReadField(b.place), "未知");
    EXPECT_EQ(b.province, 34);  // 未知地
    EXPECT_FLOAT_EQ(b.longitude, 120.0f);
    EXPECT_FLOAT_EQ(b.latitude, 30.0f);
    EXPECT_EQ(b.lunar, 0);
    EXPECT_EQ(b.year, 1985);
    EXPECT_EQ(b.month, 7);
    EXPECT_EQ(b.day, 16);
    EXPECT_EQ(b.hour, 10);
    EXPECT_EQ(b.minute, 30);
    ASSERT_TRUE(ParseSpec("date=1985-07-16,time=10:30", 0, Places(), b, error));
    EXPECT_EQ(b.male, 1);
}

TEST(BirthSpec, EveryKey) {
    BirthData b;
    std::string error;
    ASSERT_TRUE(ParseSpec("name=张三,sex=女,date=-120-3-4,time=23:05,cal=农历,leap=1,lon=116.5,lat=39.9,place=北京市-东城区", 0, Places(), b,
                          error))
        << error;
    EXPECT_EQ(gbk::ReadField(b.name), "张三");
    EXPECT_EQ(b.male, 0);
    EXPECT_EQ(b.year, -119);  // 120 BC, kept astronomically
    EXPECT_EQ(b.lunar, 1);
    EXPECT_EQ(b.leap, 1);
    EXPECT_FLOAT_EQ(b.longitude, 116.5f);
    EXPECT_FLOAT_EQ(b.latitude, 39.9f);
    EXPECT_EQ(gbk::ReadField(b.place), "北京市-东城区");
}

TEST(BirthSpec, FaultsAreNamed) {
    const struct {
        const char* spec;
        const char* error;
    } cases[] = {
        {"date=1985-07-16", "缺少键 \"time\""},
        {"time=10:30", "缺少键 \"date\""},
        {"date=0-07-16,time=10:30", "无效的 date \"0-07-16\""},
        {"date=1985-07-16,time=24:00", "无效的 time \"24:00\""},
        {"date=1985-07-16,time=10:30,sex=男人", "无效的 sex \"男人\""},
        {"date=1985-07-16,time=10:30,name=张三李四王五赵六", "无效的 name \"张三李四王五赵六\""},
        {"date=1985-07-16,time=10:30,lon=181", "无效的 lon \"181\""},
        {"date=1985-07-16,time=10:30,colour=red", "没有这个键 \"colour\""},
        {"date=1985-07-16,time", "应为 key=value，却是 \"time\""},
    };
    for (const auto& c : cases) {
        BirthData b;
        std::string error;
        EXPECT_FALSE(ParseSpec(c.spec, 0, Places(), b, error)) << c.spec;
        EXPECT_EQ(error, c.error) << c.spec;
    }
}

}  // namespace
