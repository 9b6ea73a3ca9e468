// The hints that close each person's two reading chapters, under their
// resource numbers.
#include "reading/reading_texts.h"

const std::vector<ReadingTextEntry>& AnalysisTexts() {
    static const std::vector<ReadingTextEntry> texts = {
        {906, "提示：个人性格除禀受天赋外，与后天环境的影响也有很大的关系，包括社会环境、时代背景等。"},
        {909, "提示：看婚姻除看个人八字外，还须合看双方八字，才能下最终判断，大致喜生和，不喜克害。"},
    };
    return texts;
}
