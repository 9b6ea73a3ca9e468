#include "cases/case_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "cases/store_layout.h"
#include "engine/base/gbk_codec.h"
#include "hand_built.h"

namespace {

const handbuilt::Person kWife{"张丽", 1990, 5, 3, 12, 30, 1, 1, 0, 10, 2, 120.5f, 30.25f, "浙江-杭州"};
const handbuilt::Person kHusband{"欧阳明", -99, 12, 31, 23, 59, 0, 0, 1, 34, 0, 116.0f, 39.5f, "未知"};

std::string Bytes(const CaseBytes& b) { return std::string(reinterpret_cast<const char*>(b.data()), b.size()); }

TEST(CaseRecord, ReadsEveryFieldOfARecordLaidOutByHand) {
    const std::string raw = handbuilt::Record(7, false, "同事", "第一行\r\n第二行", kWife, kHusband);
    CaseRecord r = DecodeCase(reinterpret_cast<const unsigned char*>(raw.data()));

    EXPECT_EQ(r.number, 7);
    EXPECT_EQ(r.deleted, 0);
    EXPECT_EQ(gbk::ReadField(r.category), "同事");
    EXPECT_EQ(gbk::ReadField(r.note), "第一行\r\n第二行");
    struct Check { const CasePerson& got; const handbuilt::Person& want; };
    for (const Check& c : {Check{r.a, kWife}, Check{r.b, kHusband}}) {
        SCOPED_TRACE(c.want.name);
        EXPECT_EQ(gbk::ReadField(c.got.name), c.want.name);
        EXPECT_EQ(c.got.year, c.want.year);
        EXPECT_EQ(c.got.month, c.want.month);
        EXPECT_EQ(c.got.day, c.want.day);
        EXPECT_EQ(c.got.hour, c.want.hour);
        EXPECT_EQ(c.got.minute, c.want.minute);
        EXPECT_EQ(c.got.lunar, c.want.lunar);
        EXPECT_EQ(c.got.leap, c.want.leap);
        EXPECT_EQ(c.got.male, c.want.male);
        EXPECT_EQ(c.got.province, c.want.province);
        EXPECT_EQ(c.got.city, c.want.city);
        EXPECT_EQ(c.got.longitude, c.want.longitude);
        EXPECT_EQ(c.got.latitude, c.want.latitude);
        EXPECT_EQ(gbk::ReadField(c.got.place), c.want.place);
    }
    // Written back, the record is the same 1256 bytes.
    EXPECT_EQ(Bytes(EncodeCase(r)), raw);
}

TEST(CaseRecord, KeepsTheBytesOfTextFieldsAsStored) {
    // An earlier program may leave stray bytes after the NUL and bytes that
    // are not valid GBK; reading and writing back must not change them.
    std::string raw = handbuilt::Record(0, true, "类", "x", kWife, kHusband);
    raw[5 + 4] = '\0';
    raw[5 + 6] = 'Z';           // after the name's NUL
    raw[17 + 2] = '\xFF';       // not GBK
    CaseRecord r = DecodeCase(reinterpret_cast<const unsigned char*>(raw.data()));
    EXPECT_EQ(r.deleted, 1);
    EXPECT_EQ(Bytes(EncodeCase(r)), raw);
}

TEST(CaseRecord, TextFieldsAreCutTerminatedAndPadded) {
    CaseRecord r{};
    std::memset(&r.a.name, 'Q', sizeof r.a.name);
    gbk::WriteField(r.a.name, "司马相如如意");  // 12 bytes: only five characters fit with the NUL
    gbk::WriteField(r.category, "一二三四五六七八");
    CaseBytes b = EncodeCase(r);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[5]), 12), gbk::FromUtf8("司马相如如") + '\0' + '\0');
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[17]), 15),
              gbk::FromUtf8("一二三四五六七") + '\0');
}

TEST(CaseRecord, NumbersAreLittleEndianAtTheirOffsets) {
    CaseRecord r{};
    r.number = 0x01020304;
    r.b.year = -2;
    r.b.longitude = 1.0f;  // 0x3F800000
    CaseBytes b = EncodeCase(r);
    EXPECT_EQ(handbuilt::GetLE(Bytes(b), 0, 4), 0x01020304u);
    EXPECT_EQ(handbuilt::GetLE(Bytes(b), 1196, 2), 0xFFFEu);
    EXPECT_EQ(handbuilt::GetLE(Bytes(b), 1216, 4), 0x3F800000u);
}

TEST(CaseRecord, PersonIsCopiedFromTheBirthInput) {
    BirthData in{};
    in.person = 1;
    gbk::WriteField(in.name, "王五");
    in.year = 1980; in.month = 2; in.day = 29; in.hour = 7; in.minute = 5;
    in.lunar = 1; in.leap = 0; in.male = 1; in.province = 3; in.city = 4;
    in.longitude = 121.5f; in.latitude = 31.0f;
    gbk::WriteField(in.place, "上海-浦东");
    CasePerson p = CasePersonFrom(in);
    EXPECT_EQ(gbk::ReadField(p.name), "王五");
    EXPECT_EQ(gbk::ReadField(p.place), "上海-浦东");
    EXPECT_EQ(p.year, 1980);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.minute, 5);
    EXPECT_EQ(p.lunar, 1);
    EXPECT_EQ(p.male, 1);
    EXPECT_EQ(p.city, 4);
    EXPECT_EQ(p.longitude, 121.5f);
}

TEST(StoreHeader, LayoutAndAddressing) {
    HeaderBytes fresh = EncodeHeader(FreshHeader(0));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(fresh.data()), 20), handbuilt::Header(0, 0, 0, 1));

    std::string raw = handbuilt::Header(123456, 31, 1, 3);
    StoreHeader h = DecodeHeader(reinterpret_cast<const unsigned char*>(raw.data()));
    EXPECT_EQ(h.slotCount, 123456);
    EXPECT_EQ(h.deletedCount, 31);
    EXPECT_EQ(h.reuse, 1);
    EXPECT_EQ(h.fileCount, 3);

    struct Case { int32_t slot; int file; off_t offset; };
    const Case cases[] = {{0, 0, 20}, {1, 0, 1276}, {49999, 0, 20 + 49999LL * 1256},
                          {50000, 1, 0}, {100001, 2, 1256}};
    for (const Case& c : cases) {
        SlotAddress at = AddressOf(c.slot);
        EXPECT_EQ(at.file, c.file) << c.slot;
        EXPECT_EQ(at.offset, c.offset) << c.slot;
    }
}

TEST(StoreHeader, DamagedCountsAreMendedForUse) {
    struct Case {
        StoreHeader raw;
        int32_t onDisk;
        StoreHeader want;
    };
    const Case cases[] = {
        {{0, 10, 3, 1, 1}, 99, {0, 10, 3, 1, 1}},          // sound: kept
        {{0, -5, -3, 1, -1}, 7, {0, 7, 0, 0, 1}},          // negative counts
        {{0, 60000, 70000, 0, 1}, 0, {0, 60000, 60000, 0, 2}},  // too many deleted, too few files
        {{0, 10, 0, 1, 1}, 0, {0, 10, 0, 0, 1}},           // reuse without deleted slots
        {{0, 2000000000, 0, 0, 5}, 3, {0, 3, 0, 0, 5}},    // beyond what 16-bit file counts address
    };
    for (const Case& c : cases) {
        StoreHeader h = Trusted(c.raw, c.onDisk);
        EXPECT_EQ(h.slotCount, c.want.slotCount) << c.raw.slotCount;
        EXPECT_EQ(h.deletedCount, c.want.deletedCount) << c.raw.slotCount;
        EXPECT_EQ(h.reuse, c.want.reuse) << c.raw.slotCount;
        EXPECT_EQ(h.fileCount, c.want.fileCount) << c.raw.slotCount;
    }
}

}  // namespace
