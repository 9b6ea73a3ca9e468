// One saved case as it lies in the case files: 1256 bytes, little-endian,
// text fields GBK, NUL-terminated and NUL-padded. Person A's (甲命's) fields
// are spread over the front and the middle of the record, person B's (乙命's)
// form one block at the end. The in-memory record keeps the text fields as
// the GBK bytes of the file, so a case read and written back keeps every byte
// of its texts (convert with gbk::ReadField / gbk::WriteField).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/symbols/records.h"

// One person of a saved case; the values of the compute command's BirthData.
struct CasePerson {
    char name[12];       // at most 10 bytes are entered
    int16_t year;        // astronomical: 0 is 1 BC, shown as year − 1 when ≤ 0
    int16_t month;       // lunar month when `lunar` is set
    int16_t day;
    int16_t hour;
    int16_t minute;
    uint8_t lunar;       // 1: the date is a lunar date
    uint8_t leap;        // 1: leap month (meaningful only with `lunar`)
    uint8_t male;        // 1 male, 0 female
    int16_t province;    // index in the province list
    int16_t city;        // index within that province
    float longitude;     // degrees
    float latitude;      // degrees
    char place[32];      // "province-city" or "未知"
};

struct CaseRecord {
    int32_t number;      // equals the slot the record is stored in
    uint8_t deleted;     // 1 deleted, 0 live
    char category[15];   // at most 13 bytes are entered
    char note[1092];     // 附加信息, "\r\n" line ends
    CasePerson a;        // 甲命
    CasePerson b;        // 乙命
};

constexpr std::size_t kCaseRecordSize = 1256;
using CaseBytes = std::array<unsigned char, kCaseRecordSize>;

// Where the fields lie within the 1256 bytes. Each person has a name field,
// a 28-byte block of numbers (same inner layout for both) and a place field.
namespace caselayout {

constexpr std::size_t kNumber = 0;
constexpr std::size_t kDeleted = 4;
constexpr std::size_t kCategory = 17;
constexpr std::size_t kNote = 60;

struct PersonFields {
    std::size_t name;
    std::size_t numbers;
    std::size_t place;
};
constexpr PersonFields kPersonA{5, 32, 1152};
constexpr PersonFields kPersonB{1184, 1196, 1224};

// Offsets inside a person's block of numbers.
constexpr std::size_t kYear = 0;
constexpr std::size_t kMonth = 2;
constexpr std::size_t kDay = 4;
constexpr std::size_t kHour = 6;
constexpr std::size_t kMinute = 8;
constexpr std::size_t kLunar = 10;
constexpr std::size_t kLeap = 11;
constexpr std::size_t kMale = 12;
constexpr std::size_t kProvince = 14;
constexpr std::size_t kCity = 16;
constexpr std::size_t kLongitude = 20;
constexpr std::size_t kLatitude = 24;

}  // namespace caselayout

// The 1256 bytes of a record; reserved bytes are zero.
CaseBytes EncodeCase(const CaseRecord& record);
// The record held by 1256 bytes.
CaseRecord DecodeCase(const unsigned char* bytes);

// A person of a case from the birth input of the compute command.
CasePerson CasePersonFrom(const BirthData& birth);
// The birth input of the compute command from a person of a case, for the
// input slot `person` (0 甲命, 1 乙命).
BirthData BirthDataFrom(const CasePerson& stored, int person);
