// Charts built by hand for the reading tests. The four pillars give the
// stems and branches, the ten gods and groups, the growth stages, the
// seasonal states and the counts; what the analysis would score (powers,
// strength grade, the five gods, stars, relations, patterns) is set by the
// test, so that each test shows the quantities its rules read.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include "engine/symbols/records.h"
#include "engine/symbols/stars.h"
#include "engine/symbols/symbols.h"
#include "reading/chart_terms.h"
#include "engine/chart/chart_readings.h"
#include "tests/common/pillar_number.h"

class ChartFixture {
public:
    // pillars: four names separated by blanks, year first, e.g. "甲子 丙寅 戊辰 庚申".
    ChartFixture(std::string_view pillars, bool male, int person = 0) {
        std::memset(&chart, 0, sizeof chart);
        std::memset(&birth, 0, sizeof birth);
        birth.male = male ? 1 : 0;
        birth.person = static_cast<uint8_t>(person);
        int16_t* slots[4] = {&chart.yearPillar, &chart.monthPillar, &chart.dayPillar, &chart.hourPillar};
        for (int p = 0; p < 4; ++p) *slots[p] = static_cast<int16_t>(PillarNumber(pillars.substr(p * 7, 6)));
        FillRecords();
        for (int16_t& pattern : chart.patterns) pattern = -1;
        chart.specialPattern = -1;
        chart.yinTotal = chart.yangTotal = 100;
        for (int e = 0; e < 5; ++e) chart.elementOrder[e] = static_cast<uint8_t>(e);
        Gods(kGroupBiJie, kGroupYin, kGroupGuanSha, kGroupCai);
    }

    // The groups of 用神, 喜神, 忌神, 仇神; the favour of every stem and
    // branch follows from them.
    ChartFixture& Gods(int yong, int xi, int ji, int chou) {
        const int groups[4] = {yong, xi, ji, chou};
        for (int i = 0; i < 4; ++i) chart.godGroups[i] = static_cast<uint8_t>(groups[i]);
        chart.godGroups[4] = static_cast<uint8_t>(10 - yong - xi - ji - chou);
        for (int p = 0; p < 4; ++p) {
            chart.stemInfo[p].favour = FavourOf(chart.stemInfo[p].group);
            chart.branchInfo[p].favour = FavourOf(chart.branchInfo[p].group);
        }
        return *this;
    }
    ChartFixture& Grade(int grade) {
        chart.strengthGrade = static_cast<uint8_t>(grade);
        return *this;
    }
    ChartFixture& Power(GodOrGroup k, int power) {
        (k.god >= 0 ? chart.godScore[k.god] : chart.groupScore[k.group]) = static_cast<int16_t>(power);
        return *this;
    }
    ChartFixture& Star(int pillar, ::Star star) {
        chart.stars[pillar][star] = 1;
        return *this;
    }
    ChartFixture& Relation(int pillar, RelationSlot slot, int code) {
        chart.branchInfo[pillar].relation[slot] = static_cast<int16_t>(code);
        return *this;
    }
    ChartFixture& Combination(int pillar, int code) {
        chart.stemInfo[pillar].combination = static_cast<int16_t>(code);
        return *this;
    }
    ChartFixture& YinYang(int yin, int yang) {
        chart.yinTotal = static_cast<int16_t>(yin);
        chart.yangTotal = static_cast<int16_t>(yang);
        return *this;
    }

    ReadingContext Context() const { return {chart, birth, 1}; }

    ChartData chart;
    BirthData birth;

private:
    uint8_t FavourOf(uint8_t group) const {
        if (group == chart.godGroups[0] || group == chart.godGroups[1]) return 0;
        if (group == chart.godGroups[2] || group == chart.godGroups[3]) return 1;
        return 2;
    }

    void FillRecords() {
        const int16_t pillars[4] = {chart.yearPillar, chart.monthPillar, chart.dayPillar, chart.hourPillar};
        const int day = sym::StemOf(chart.dayPillar);
        const int monthElement = sym::kBranchElement[sym::BranchOf(chart.monthPillar)];
        for (int p = 0; p < 4; ++p) {
            const int stem = sym::StemOf(pillars[p]), branch = sym::BranchOf(pillars[p]);
            StemInfo& s = chart.stemInfo[p];
            s.god = s.group = 255;
            if (p != 2) {
                s.god = static_cast<uint8_t>(sym::TenGod(day, stem));
                s.group = s.god / 2;
                ++chart.stemGodCount[s.god];
                ++chart.stemGroupCount[s.group];
                ++chart.godCountVisible[s.god];
                ++chart.godCountAll[s.god];
            }
            s.growth = static_cast<uint8_t>(sym::GrowthStage(stem, branch));
            s.season = static_cast<uint8_t>(sym::SeasonalState(sym::kStemElement[stem], monthElement));
            s.combination = -1;
            ++chart.elementCount[sym::kStemElement[stem]];

            BranchInfo& b = chart.branchInfo[p];
            b.god = static_cast<uint8_t>(sym::TenGod(day, sym::kBranchMainStem[branch]));
            b.group = b.god / 2;
            ++chart.branchGodCount[b.god];
            ++chart.godCountVisible[b.god];
            for (int i = 0; i < 3; ++i) b.hiddenGod[i] = b.hiddenGroup[i] = 255;
            for (int i = 0; i < sym::HiddenStemCount(branch); ++i) {
                b.hiddenGod[i] = static_cast<uint8_t>(sym::TenGod(day, sym::HiddenStem(branch, i)));
                b.hiddenGroup[i] = b.hiddenGod[i] / 2;
                ++chart.hiddenGodCount[b.hiddenGod[i]];
                ++chart.godCountAll[b.hiddenGod[i]];
            }
            b.season = static_cast<uint8_t>(sym::SeasonalState(sym::kBranchElement[branch], monthElement));
            for (int16_t& r : b.relation) r = -1;
            ++chart.elementCount[sym::kBranchElement[branch]];
        }
        for (int g = 0; g < 10; ++g) {
            chart.groupCountVisible[g / 2] += chart.godCountVisible[g];
            chart.groupCountAll[g / 2] += chart.godCountAll[g];
            chart.branchGroupCount[g / 2] += chart.branchGodCount[g];
            chart.hiddenGroupCount[g / 2] += chart.hiddenGodCount[g];
        }
    }
};
