#include "reading/personality.h"

#include "engine/CBaZiEx.h"

std::string PersonalityChapter(const ReadingContext& context) {
    ChartTerms t(context);
    return PersonalityOpening(t) + PersonalitySayings(t) + "\r\n";
}

void CBaZiEx::ReadPersonality() { readingsText += PersonalityChapter({chart, current, lunarDate.day}); }
