#include "cases/case_record.h"

#include <algorithm>
#include <cstring>

#include "cases/little_endian.h"
#include "engine/base/gbk_codec.h"

namespace {

using caselayout::PersonFields;

void EncodePerson(const CasePerson& p, const PersonFields& at, unsigned char* out) {
    std::memcpy(out + at.name, p.name, sizeof p.name);
    unsigned char* n = out + at.numbers;
    le::PutI16(n + caselayout::kYear, p.year);
    le::PutI16(n + caselayout::kMonth, p.month);
    le::PutI16(n + caselayout::kDay, p.day);
    le::PutI16(n + caselayout::kHour, p.hour);
    le::PutI16(n + caselayout::kMinute, p.minute);
    n[caselayout::kLunar] = p.lunar;
    n[caselayout::kLeap] = p.leap;
    n[caselayout::kMale] = p.male;
    le::PutI16(n + caselayout::kProvince, p.province);
    le::PutI16(n + caselayout::kCity, p.city);
    le::PutFloat(n + caselayout::kLongitude, p.longitude);
    le::PutFloat(n + caselayout::kLatitude, p.latitude);
    std::memcpy(out + at.place, p.place, sizeof p.place);
}

CasePerson DecodePerson(const unsigned char* in, const PersonFields& at) {
    CasePerson p{};
    std::memcpy(p.name, in + at.name, sizeof p.name);
    const unsigned char* n = in + at.numbers;
    p.year = le::GetI16(n + caselayout::kYear);
    p.month = le::GetI16(n + caselayout::kMonth);
    p.day = le::GetI16(n + caselayout::kDay);
    p.hour = le::GetI16(n + caselayout::kHour);
    p.minute = le::GetI16(n + caselayout::kMinute);
    p.lunar = n[caselayout::kLunar];
    p.leap = n[caselayout::kLeap];
    p.male = n[caselayout::kMale];
    p.province = le::GetI16(n + caselayout::kProvince);
    p.city = le::GetI16(n + caselayout::kCity);
    p.longitude = le::GetFloat(n + caselayout::kLongitude);
    p.latitude = le::GetFloat(n + caselayout::kLatitude);
    std::memcpy(p.place, in + at.place, sizeof p.place);
    return p;
}

}  // namespace

CaseBytes EncodeCase(const CaseRecord& record) {
    CaseBytes bytes{};
    unsigned char* out = bytes.data();
    le::PutI32(out + caselayout::kNumber, record.number);
    out[caselayout::kDeleted] = record.deleted;
    std::memcpy(out + caselayout::kCategory, record.category, sizeof record.category);
    std::memcpy(out + caselayout::kNote, record.note, sizeof record.note);
    EncodePerson(record.a, caselayout::kPersonA, out);
    EncodePerson(record.b, caselayout::kPersonB, out);
    return bytes;
}

CaseRecord DecodeCase(const unsigned char* bytes) {
    CaseRecord record{};
    record.number = le::GetI32(bytes + caselayout::kNumber);
    record.deleted = bytes[caselayout::kDeleted];
    std::memcpy(record.category, bytes + caselayout::kCategory, sizeof record.category);
    std::memcpy(record.note, bytes + caselayout::kNote, sizeof record.note);
    record.a = DecodePerson(bytes, caselayout::kPersonA);
    record.b = DecodePerson(bytes, caselayout::kPersonB);
    return record;
}

CasePerson CasePersonFrom(const BirthData& birth) {
    CasePerson p{};
    gbk::WriteField(p.name, gbk::ReadField(birth.name));
    p.year = birth.year;
    p.month = birth.month;
    p.day = birth.day;
    p.hour = birth.hour;
    p.minute = birth.minute;
    p.lunar = birth.lunar;
    p.leap = birth.leap;
    p.male = birth.male;
    p.province = birth.province;
    p.city = birth.city;
    p.longitude = birth.longitude;
    p.latitude = birth.latitude;
    gbk::WriteField(p.place, gbk::ReadField(birth.place));
    return p;
}

BirthData BirthDataFrom(const CasePerson& stored, int person) {
    // Both records hold their texts as GBK bytes: they are copied as they
    // are, up to the end of the shorter field, leaving a NUL at the end.
    BirthData b{};
    b.person = static_cast<uint8_t>(person);
    std::memcpy(b.name, stored.name, std::min(sizeof b.name - 1, sizeof stored.name));
    b.year = stored.year;
    b.month = stored.month;
    b.day = stored.day;
    b.hour = stored.hour;
    b.minute = stored.minute;
    b.lunar = stored.lunar;
    b.leap = stored.leap;
    b.male = stored.male;
    b.province = stored.province;
    b.city = stored.city;
    b.longitude = stored.longitude;
    b.latitude = stored.latitude;
    std::memcpy(b.place, stored.place, sizeof b.place - 1);
    return b;
}
