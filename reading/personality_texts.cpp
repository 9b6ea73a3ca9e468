#include "reading/reading_texts.h"

const std::vector<ReadingTextEntry>& PersonalityTexts() {
    static const std::vector<ReadingTextEntry> texts = {};
    return texts;
}
