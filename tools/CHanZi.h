// The stroke dictionary of the name tool: stroke counts of single Chinese
// characters from the stroke table, and the five grids (五格) of a full name.
// A window makes one for each command; on failure the object keeps a text
// that says why.
#pragma once

#include <string>
#include <string_view>

#include "tools/name_grids.h"

class CHanZi {
public:
    // strokeFile: the path of dat/hzlen.dat.
    explicit CHanZi(std::string strokeFile) : path_(std::move(strokeFile)) {}

    // The stroke count of one character (UTF-8; exactly 2 bytes in GBK), or
    // 0 when it has none: a text of another width ("请输入一个汉字"), a
    // character outside the table, a stored 0, or a stroke file that cannot
    // be read.
    int StrokesOf(std::string_view text);

    // The grids of a full name (UTF-8): a single surname (单姓) takes one or
    // two given-name characters, a compound surname (复姓) likewise. False
    // with the failure text set when the name is not such a name or a
    // character has no stroke count.
    bool CalcGrids(bool singleSurname, std::string_view name, NameGrids& grids);

    const std::string& LastMessage() const { return lastMessage_; }

private:
    // StrokesOf on GBK bytes already known to be two.
    int StrokesOfCode(unsigned char first, unsigned char second);
    // Set the failure text; false, resp. 0 strokes.
    bool Fail(std::string_view message);
    int NoStrokes(std::string_view message);

    std::string path_;
    std::string lastMessage_;
};
