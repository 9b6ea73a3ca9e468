#include "reading/personality.h"

std::string PersonalityChapter(const ReadingContext& context) {
    ChartTerms t(context);
    return PersonalityOpening(t) + PersonalitySayings(t) + "\r\n";
}
