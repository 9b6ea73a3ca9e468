// 择偶排行: every person of the opposite sex in the case library ranked by
// the marriage index (婚配指数) they would make with one chosen person.
//
// The index of a pair is the one the full couple report gives (the chosen
// person as 甲命, the stored person as 乙命, the same engine and settings),
// computed without the report's texts: each stored person's chart is built
// once and only as far as the index reads it, the chosen person's chart once
// for the whole ranking. The store is read in one streaming pass while a
// pool of threads charts the persons, so memory holds only a few batches of
// records and the compact results. The ranking never writes.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/symbols/records.h"

namespace matching {

// What the comparison finds between the two year pillars and the two day
// pillars, and between the useful gods: the codes of couple::
// YearPillarRelation, and the number of 用神/喜神 pairs in harmony (0..4).
struct PairFacts {
    int8_t yearStems = -1, yearBranches = -1;
    int8_t dayStems = -1, dayBranches = -1;
    int8_t harmonious = 0;
    const char* nineStars = nullptr;  // the 九星 pairing's name; none for a star 5 or a same-sex pair
};

// One stored person as the ranking lists them.
struct Candidate {
    float index = 0;       // 婚配指数 with the chosen person
    int32_t number = 0;    // case number
    uint8_t side = 0;      // 0 the case's 甲命, 1 its 乙命
    bool charted = false;  // false: the stored birth cannot be charted (无法排盘)
    // The birth data as stored (name and category GBK, NUL-terminated).
    char name[12] = {};
    char category[15] = {};
    int16_t year = 0, month = 0, day = 0, hour = 0, minute = 0;  // year astronomical
    uint8_t lunar = 0, leap = 0, male = 0;
    float longitude = 0, latitude = 0;
    PairFacts facts;
};

struct RankingRequest {
    std::string programFolder;            // dat/bzinit.ini and the case store
    BirthData person{};                   // the chosen person
    std::vector<std::string> categories;  // only these (UTF-8); empty: all
    unsigned threads = 0;                 // 0: one per core
};

// Shared with a window or a terminal while the ranking runs: progress to
// read, cancel to set.
struct RankingControl {
    std::atomic<int> slotsDone{0};
    std::atomic<int> slotsTotal{0};
    std::atomic<bool> cancel{false};
};

struct RankingResult {
    bool ok = false;            // false: `error` says why nothing was ranked
    std::string error;
    bool cancelled = false;     // stopped by RankingControl::cancel
    std::vector<Candidate> ranked;       // best first: index, then case number and side
    std::vector<Candidate> unchartable;  // 无法排盘, by case number
    int compared = 0;    // persons of the opposite sex charted and compared
    int duplicates = 0;  // the same person stored again (same name, birth data and sex)
    int deleted = 0;     // deleted cases passed over
    int damaged = 0;     // slots that could not be read whole or hold no sound record
};

RankingResult RankPartners(const RankingRequest& request, RankingControl* control = nullptr);

}  // namespace matching
