#include "reading/reading_texts.h"

#include <unordered_map>

const char* ReadingText(int id) {
    static const std::unordered_map<int, const char*> table = [] {
        std::unordered_map<int, const char*> all;
        for (const auto* chapter : {&AnalysisTexts(), &PersonalityTexts(), &MarriageTexts()})
            for (const ReadingTextEntry& e : *chapter) all.emplace(e.id, e.text);
        return all;
    }();
    auto it = table.find(id);
    return it == table.end() ? "" : it->second;
}
