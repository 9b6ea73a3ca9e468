#include "reading/reading_texts.h"

const std::vector<ReadingTextEntry>& MarriageTexts() {
    static const std::vector<ReadingTextEntry> texts = {};
    return texts;
}
