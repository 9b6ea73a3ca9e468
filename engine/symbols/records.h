// The plain records that cross the engine, the readings, the windows and the
// case store. Each is a fixed-size record that is zeroed and copied whole.
//
// Number conventions:
// - sexagenary number: 1 = 甲子 … 59 = 壬戌, stored modulo 60 (癸亥 = 0);
//   stem = number % 10 (1 甲 … 9 壬, 0 癸), branch = number % 12 (1 子 … 11 戌, 0 亥);
// - element: 0 水, 1 木, 2 火, 3 土, 4 金, each generating the next;
// - element code: element × 2, + 1 for yang;
// - ten god: 0 比肩 … 9 正印; group = ten god / 2 (0 比劫 … 4 印枭);
// - years are astronomical (1 BC = 0) and shown as y − 1 when y ≤ 0.
#pragma once

#include <cstdint>

#include "engine/calendar/cal_date.h"

// One person's birth input.
struct BirthData {
    uint8_t person;      // 0 = 甲命, 1 = 乙命
    char name[13];       // GBK, NUL-terminated (the input box takes at most 10 bytes)
    int16_t year;        // astronomical, −849..2100
    int16_t month;       // lunar month number when `lunar` is set
    int16_t day;
    int16_t hour;
    int16_t minute;
    uint8_t lunar;       // 1: the date fields are a lunar date
    uint8_t leap;        // 1: that lunar month is the leap month
    uint8_t male;        // 1 male (乾造), 0 female (坤造)
    int16_t province;    // index in the province list; the last, "未知地", means no place
    int16_t city;        // index in that province's city list
    float longitude;     // degrees east (120.0 when no place is given)
    float latitude;      // degrees north (30.0 when no place is given)
    char place[32];      // "province-city" or "未知"; GBK, NUL-terminated
};

// One person's ten-god scores, useful-god groups and strength class, as the
// useful-god dialog shows and changes them.
struct UsefulGodSettings {
    int16_t score[10];   // per ten god
    int16_t group[5];    // group 0..4 chosen for 用神, 喜神, 忌神, 仇神, 闲神
    uint8_t strengthClass;
    int16_t dayStem;     // 0..9
};

// Per pillar: what its stem is to the day master.
struct StemInfo {
    uint8_t god;          // ten god, 255 for the day stem
    uint8_t group;        // group, 255 for the day stem
    uint8_t growth;       // growth stage of the stem on its own branch
    uint8_t season;       // 0 旺 1 相 2 休 3 囚 4 死
    int16_t combination;  // stem-combination code, −1 none
    uint8_t favour;       // 0 喜用, 1 忌仇, 2 neither
};

// Per pillar: what its branch is to the day master.
struct BranchInfo {
    uint8_t god;             // ten god of the main hidden stem
    uint8_t group;
    uint8_t hiddenGod[3];    // ten gods of the hidden stems, 255 where fewer
    uint8_t hiddenGroup[3];
    uint8_t season;          // seasonal state of the branch's main element
    uint8_t favour;
    int16_t relation[8];     // relation codes, −1 none
};

// One person's computed chart.
struct ChartData {
    int16_t yearPillar, monthPillar, dayPillar, hourPillar;
    uint8_t nayin[4];                 // na-yin element of each pillar
    uint8_t codeCount[10];            // per element code: 4 stems and 4 branches
    uint8_t codeCountHidden[10];      // per element code: 4 stems and every hidden stem
    uint8_t elementCount[5], elementCountHidden[5];
    uint8_t godCountVisible[10];      // 3 non-day stems and the main hidden stem of each branch
    uint8_t godCountAll[10];          // 3 non-day stems and every hidden stem
    uint8_t groupCountVisible[5], groupCountAll[5];
    uint8_t stemGodCount[10];         // 3 non-day stems
    uint8_t stemGroupCount[5];
    uint8_t branchGodCount[10];       // main hidden stems of the 4 branches
    uint8_t hiddenGodCount[10];       // every hidden stem of the 4 branches
    uint8_t branchGroupCount[5], hiddenGroupCount[5];
    int16_t dayMasterTotal;           // 日主综合得分
    int16_t codeScore[10];
    int16_t godScore[10];
    int16_t elementScore[5];
    int16_t groupScore[5];
    uint8_t elementOrder[5], groupOrder[5];
    uint8_t codeOrder[10], godOrder[10];
    int16_t yinTotal, yangTotal;
    int16_t seasonScore;
    uint8_t strengthGrade;            // 0 weakest .. 6 strongest
    uint8_t strengthClass;            // 0 从旺 1 太弱 2 偏弱 3 平和 4 偏旺 5 太旺 6 从弱
    int16_t patterns[4];              // ordinary patterns, ended by −1
    int16_t specialPattern;           // 0..16 or −1
    uint8_t zodiacSign;               // 0 白羊 .. 11 双鱼
    uint8_t lifePalace;               // sexagenary number of 命宫
    uint8_t fetalOrigin;              // sexagenary number of 胎元
    uint8_t luckStartAge;             // nominal age of the first luck pillar
    uint8_t gods[5];                  // element of 用神, 喜神, 忌神, 仇神, 闲神
    uint8_t godGroups[5];             // group of each, counted from the day master
    uint8_t stars[4][31];             // spirit-star flags per pillar
    StemInfo stemInfo[4];
    BranchInfo branchInfo[4];
    uint8_t era;                      // 0 上元 1 中元 2 下元
    int16_t lifeNumber;               // 1..9
};
