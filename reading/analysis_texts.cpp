#include "reading/reading_texts.h"

const std::vector<ReadingTextEntry>& AnalysisTexts() {
    static const std::vector<ReadingTextEntry> texts = {};
    return texts;
}
