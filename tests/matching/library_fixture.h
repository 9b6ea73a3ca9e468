// A small case library for the partner ranking: a few dozen cases of both
// sexes in two categories, some deleted, a person stored twice, a person
// whose stored date does not exist, and a last slot cut short on disk.
#pragma once

#include <filesystem>
#include <string>

#include "cases/MDataBase.h"
#include "cases/case_record.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "tests/engine/birth_records.h"

namespace fixture {

constexpr int kCases = 36;
constexpr int kDeleted[] = {4, 17, 29};
constexpr int kTwiceFirst = 6, kTwiceAgain = 21;  // 乙命 of both is the same woman
constexpr int kBadDate = 11;                      // its 乙命 was born on 2 月 30 日
constexpr int kCutShort = kCases - 1;             // the last slot, cut short on disk

inline CasePerson Person(const char* name, bool male, int year, int month, int day, int hour, int minute, bool lunar) {
    BirthData b = Birth(0, male, year, month, day, hour, minute);
    gbk::WriteField(b.name, name);
    b.lunar = lunar ? 1 : 0;
    return CasePersonFrom(b);
}

// Case k: mostly a man as 甲命 and a woman as 乙命, every fifth the other
// way round and every seventh two men; births spread over a century.
inline CaseRecord CaseOf(int k) {
    CaseRecord r{};
    gbk::WriteField(r.category, k % 3 == 0 ? "朋友" : "客户");
    std::string nameA = "甲" + std::to_string(k), nameB = "乙" + std::to_string(k);
    bool maleA = k % 5 != 0, maleB = k % 7 == 0 || k % 5 == 0;
    r.a = Person(nameA.c_str(), maleA, 1930 + (k * 7) % 80, 1 + k % 12, 1 + (k * 5) % 28, (k * 3) % 24, (k * 11) % 60,
                 k % 4 == 0);
    r.b = Person(nameB.c_str(), maleB, 1935 + (k * 13) % 75, 1 + (k * 7) % 12, 1 + (k * 3) % 28, (k * 5) % 24,
                 (k * 17) % 60, k % 6 == 1);
    if (k == kTwiceAgain) r.b = CaseOf(kTwiceFirst).b;
    if (k == kBadDate) {
        r.b.month = 2;
        r.b.day = 30;
        r.b.lunar = 0;
    }
    return r;
}

// The library under programFolder, with its settings file.
inline void WriteLibrary(const std::string& programFolder, const std::string& settings) {
    std::filesystem::create_directories(programFolder + "/dat");
    fileutil::WriteAtomically(programFolder + "/dat/bzinit.ini", settings);
    MDataBase store;
    store.Open(programFolder, 0);
    for (int k = 0; k < kCases; ++k) {
        CaseRecord r = CaseOf(k);
        store.AddCase(r);
    }
    for (int k : kDeleted) store.DeleteCase(k);
    const std::string data = programFolder + "/dat/bazi0.dat";
    std::filesystem::resize_file(data, std::filesystem::file_size(data) - 100);
}

// The person the library is ranked for.
inline BirthData Chosen() { return Named(Birth(0, true, 1984, 3, 15, 9, 40), "求偶者"); }

}  // namespace fixture
