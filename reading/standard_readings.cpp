#include "reading/standard_readings.h"

#include "reading/couple/couple_compare.h"
#include "reading/marriage_chapter.h"
#include "reading/personality.h"
#include "reading/reading_texts.h"

namespace {

// A chapter and the line that closes it (resource texts 906 and 909).
std::string WithClosingLine(std::string chapter, int closingText) {
    return chapter + "※" + ReadingText(closingText) + "※\r\n\r\n";
}

class Standard final : public ChartReadings {
public:
    std::string Personality(const ReadingContext& context) const override {
        return WithClosingLine(PersonalityChapter(context), 906);
    }
    std::string Marriage(const ReadingContext& context) const override {
        return WithClosingLine(MarriageChapter(context), 909);
    }
    CoupleComparison CompareCouple(const ChartData& a, bool maleA, const ChartData& b, bool maleB,
                                   bool bonus) const override {
        return couple::CompareCharts(a, maleA, b, maleB, bonus);
    }
};

}  // namespace

const ChartReadings& StandardReadings() {
    static const Standard readings;
    return readings;
}
