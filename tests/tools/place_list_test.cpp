#include "engine/places/place_list.h"

#include <gtest/gtest.h>

#include "engine/base/gbk_codec.h"

namespace {

IniDocument PlaceFile(std::string_view utf8) { return IniDocument::Parse(gbk::FromUtf8(utf8)); }

TEST(PlaceList, ProvinceListIsFixedAndEndsWithNoPlace) {
    EXPECT_EQ(places::kProvinces[0], "福建省");
    EXPECT_EQ(places::kProvinces[8], "黑龙江省");
    EXPECT_EQ(places::kProvinces[31], "台湾省");
    EXPECT_EQ(places::kProvinces[33], "澳门");
    EXPECT_EQ(places::kProvinces[places::kNoPlaceProvince], "未知地");
    for (std::string_view name : places::kProvinces) EXPECT_LE(gbk::Width(name), 8u) << name;
}

TEST(PlaceList, ValuesReadAsDegreesAndMinutes) {
    struct Case {
        const char* text;
        bool wellFormed;
        float longitude, latitude;
    } cases[] = {
        {"116:28*39:54", true, 116.4667f, 39.9f},
        {"-120:30*30:0", true, -119.5f, 30.0f},
        {" 118 : 5 * 24:30", true, 118.0833f, 24.5f},
        {"120:0*30:0", true, 120.0f, 30.0f},
        // hand-edited damage: read as 120° E, 30° N
        {"", false, 120.0f, 30.0f},
        {"116.5*39.9", false, 120.0f, 30.0f},
        {"116:28", false, 120.0f, 30.0f},
        {"116:28*", false, 120.0f, 30.0f},
        {"abc:1*2:3", false, 120.0f, 30.0f},
        {"99999999999:0*1:0", false, 120.0f, 30.0f},
    };
    for (const Case& c : cases) {
        places::PlaceValue v;
        EXPECT_EQ(places::ParsePlaceValue(c.text, v), c.wellFormed) << c.text;
        v = places::ReadPlaceValue(c.text);
        EXPECT_NEAR(places::DecimalDegrees(v.longitudeDegrees, v.longitudeMinutes), c.longitude, 1e-4) << c.text;
        EXPECT_NEAR(places::DecimalDegrees(v.latitudeDegrees, v.latitudeMinutes), c.latitude, 1e-4) << c.text;
    }
    EXPECT_EQ(places::DecimalDegrees(116, 28), static_cast<float>(116.0L + 28.0L / 60.0L));
}

TEST(PlaceList, CitiesInFileOrderWithDefaultsForBadValues) {
    IniDocument file = PlaceFile(
        "[福建省]\r\n福州市=119:18*26:5\r\n厦门市=\r\n坏值=12*3\r\n漳州市=117:39*24:31\r\n"
        "[北京市]\r\n");
    auto cities = places::ReadCities(file, 0);
    ASSERT_EQ(cities.size(), 4u);
    EXPECT_EQ(cities[0].name, "福州市");
    EXPECT_FLOAT_EQ(cities[0].longitude, places::DecimalDegrees(119, 18));
    EXPECT_EQ(cities[1].name, "厦门市");
    EXPECT_FLOAT_EQ(cities[1].longitude, 120.0f);
    EXPECT_FLOAT_EQ(cities[2].latitude, 30.0f);
    EXPECT_EQ(cities[3].name, "漳州市");
    EXPECT_FLOAT_EQ(cities[3].latitude, places::DecimalDegrees(24, 31));

    EXPECT_TRUE(places::ReadCities(file, 1).empty());   // section without keys
    EXPECT_TRUE(places::ReadCities(file, 2).empty());   // no section
    EXPECT_TRUE(places::ReadCities(file, 34).empty());  // 未知地
    EXPECT_TRUE(places::ReadCities(file, -1).empty());
    EXPECT_TRUE(places::ReadCities(file, 35).empty());
}

TEST(PlaceList, PanelFallsBackToNoPlace) {
    IniDocument file = PlaceFile("[福建省]\r\n福州市=119:18*26:5\r\n[北京市]\r\n");
    places::CityChoice fujian = places::PanelCities(file, 0);
    EXPECT_FALSE(fujian.noPlace);
    EXPECT_EQ(places::PlaceText(fujian, 0, 0), "福建省-福州市");

    for (int province : {1, 2, 34}) {
        places::CityChoice none = places::PanelCities(file, province);
        ASSERT_EQ(none.cities.size(), 1u);
        EXPECT_TRUE(none.noPlace);
        EXPECT_EQ(none.cities[0].name, "未知地");
        EXPECT_FLOAT_EQ(none.cities[0].longitude, 120.0f);
        EXPECT_FLOAT_EQ(none.cities[0].latitude, 30.0f);
        EXPECT_EQ(places::PlaceText(none, province, 0), "未知");
    }
}

TEST(PlaceList, EditorInputChecks) {
    struct Case {
        const char *lonDeg, *lonMin, *latDeg, *latMin;
        places::PlaceInputError error;
        const char* written;
    } cases[] = {
        {"179", "59", "89", "59", places::PlaceInputError::None, "179:59*89:59"},
        {"-179", "0", "-89", "0", places::PlaceInputError::None, "-179:0*-89:0"},
        {"-120", "30", "30", "0", places::PlaceInputError::None, "-120:30*30:0"},
        {"012", " 05", "7", "08", places::PlaceInputError::None, "12:5*7:8"},
        {"180", "0", "30", "0", places::PlaceInputError::Longitude, nullptr},
        {"-180", "0", "30", "0", places::PlaceInputError::Longitude, nullptr},
        {"120", "60", "30", "0", places::PlaceInputError::Longitude, nullptr},
        {"120", "-1", "30", "0", places::PlaceInputError::Longitude, nullptr},
        {"东经", "0", "30", "0", places::PlaceInputError::Longitude, nullptr},
        {"120", "", "30", "0", places::PlaceInputError::Longitude, nullptr},
        {"180", "0", "90", "0", places::PlaceInputError::Longitude, nullptr},  // longitude first
        {"120", "0", "90", "0", places::PlaceInputError::Latitude, nullptr},
        {"120", "0", "-90", "0", places::PlaceInputError::Latitude, nullptr},
        {"120", "0", "30", "60", places::PlaceInputError::Latitude, nullptr},
        {"120", "0", "x", "0", places::PlaceInputError::Latitude, nullptr},
    };
    for (const Case& c : cases) {
        places::PlaceValue v;
        places::PlaceInputError e = places::CheckPlaceInput(c.lonDeg, c.lonMin, c.latDeg, c.latMin, v);
        EXPECT_EQ(e, c.error) << c.lonDeg << " " << c.lonMin << " " << c.latDeg << " " << c.latMin;
        if (c.written) {
            EXPECT_EQ(places::FormatPlaceValue(v), c.written);
        }
    }
}

// The shipped place file: every section of the list, no empty province, keys
// within the editor's 10 bytes and every value well formed.
TEST(PlaceList, ShippedPlaceFileIsSound) {
    IniDocument file = IniDocument::Load(places::PlaceFilePath(MARIVO_SOURCE_DIR));
    for (int p = 0; p < places::kNoPlaceProvince; ++p) {
        std::string_view section = places::kProvinces[p];
        std::vector<std::string> keys = file.ReadSection(section);
        EXPECT_FALSE(keys.empty()) << section;
        for (const std::string& key : keys) {
            EXPECT_LE(gbk::Width(key), places::kMaxCityNameBytes) << key;
            places::PlaceValue v;
            EXPECT_TRUE(places::ParsePlaceValue(file.ReadString(section, key, ""), v)) << key;
            EXPECT_TRUE(v.longitudeDegrees >= 73 && v.longitudeDegrees <= 135) << key;
            EXPECT_TRUE(v.latitudeDegrees >= 3 && v.latitudeDegrees <= 54) << key;
        }
    }
    EXPECT_EQ(file.ReadString("北京市", "东城区", ""), "116:25*39:55");
    EXPECT_EQ(file.ReadSection("台湾省").front(), "台北市");
}

// Each province is led by its capital, each municipality by the district of
// its government; the places of today carry today's names.
TEST(PlaceList, ShippedPlacesStartWithTheCapitalAndUseTodaysNames) {
    IniDocument file = IniDocument::Load(places::PlaceFilePath(MARIVO_SOURCE_DIR));
    const char* const capitals[places::kNoPlaceProvince] = {
        "福州市", "东城区", "和平区", "石家庄市", "太原市", "呼和浩特市", "沈阳市", "长春市", "哈尔滨市",
        "黄浦区", "南京市", "杭州市", "合肥市", "南昌市", "济南市", "郑州市", "武汉市", "长沙市",
        "广州市", "南宁市", "海口市", "成都市", "渝中区", "贵阳市", "昆明市", "拉萨市", "西安市",
        "兰州市", "西宁市", "银川市", "乌鲁木齐市", "台北市", "中西区", "花地玛堂区",
    };
    for (int p = 0; p < places::kNoPlaceProvince; ++p)
        EXPECT_EQ(file.ReadSection(places::kProvinces[p]).front(), capitals[p]) << places::kProvinces[p];
    const struct { const char* province; const char* before; const char* now; } renamed[] = {
        {"重庆市", "梁平县", "梁平区"}, {"重庆市", "武隆县", "武隆区"}, {"浙江省", "临安市", "临安区"},
        {"山东省", "即墨市", "即墨区"}, {"福建省", "长乐市", "长乐区"}, {"青海省", "湟中县", "湟中区"},
    };
    std::string value;
    for (const auto& r : renamed) {
        EXPECT_FALSE(file.Find(r.province, r.before, value)) << r.before;
        EXPECT_TRUE(file.Find(r.province, r.now, value)) << r.now;
    }
}

}  // namespace
