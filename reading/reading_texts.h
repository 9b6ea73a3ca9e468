// The long reading texts, each under its fixed resource number. The texts
// live beside the chapters that use them; this is the one lookup over all.
#pragma once

#include <vector>

struct ReadingTextEntry {
    int id;
    const char* text;
};

// The text of a resource number; "" for a number that has no text.
const char* ReadingText(int id);

// The tables of the chapters, each in the file of its chapter.
const std::vector<ReadingTextEntry>& AnalysisTexts();
const std::vector<ReadingTextEntry>& PersonalityTexts();
const std::vector<ReadingTextEntry>& MarriageTexts();
