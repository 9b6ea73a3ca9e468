#include "tools/CHanZi.h"

#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "tools/stroke_file.h"

namespace {

const char* const kInvalidName = "单姓：名1-2位，复姓：名1-2位,无效的姓名";
const char* const kNotChinese = "必须输入汉字";
const char* const kNameStrokeMissing = "找不到其中一个汉字的笔划";
const char* const kOneCharacter = "请输入一个汉字";
// A single character without a stroke count (outside the table, a stored 0,
// a table too short for it).
const char* const kCharacterUnknown = "字库中没有这个汉字的笔划";

}  // namespace

bool CHanZi::Fail(std::string_view message) {
    lastMessage_ = message;
    return false;
}

int CHanZi::NoStrokes(std::string_view message) {
    lastMessage_ = message;
    return 0;
}

int CHanZi::StrokesOf(std::string_view text) {
    const std::string bytes = gbk::FromUtf8(text);
    if (bytes.size() != 2) return NoStrokes(kOneCharacter);
    return StrokesOfCode(static_cast<unsigned char>(bytes[0]), static_cast<unsigned char>(bytes[1]));
}

int CHanZi::StrokesOfCode(unsigned char first, unsigned char second) {
    strokes::StrokeRecord record;
    const int index = strokes::RecordIndex(first, second);
    if (index < 0) return NoStrokes(kCharacterUnknown);
    if (!strokes::ReadRecord(path_, index, record))
        return NoStrokes(fileutil::ReadableFile(path_) ? kCharacterUnknown : strokes::kStrokeFileMissing);
    // The record names its character: a damaged table gives no count rather
    // than another character's.
    if (record.code[0] != first || record.code[1] != second || record.count <= 0) return NoStrokes(kCharacterUnknown);
    return record.count;
}

bool CHanZi::CalcGrids(bool singleSurname, std::string_view name, NameGrids& grids) {
    const std::string bytes = gbk::FromUtf8(name);
    const int n = static_cast<int>(bytes.size() / 2);
    if (n < 2 || bytes.size() % 2 != 0) return Fail(kInvalidName);
    for (char b : bytes)
        if (static_cast<unsigned char>(b) < 0xA0) return Fail(kNotChinese);
    // A single surname takes 2 or 3 characters in all, a compound one 3 or 4.
    if (singleSurname ? n > 3 : (n < 3 || n > kMaxNameCharacters)) return Fail(kInvalidName);
    NameGrids g;
    g.characters = n;
    for (int i = 0; i < n; ++i) {
        const int count =
            StrokesOfCode(static_cast<unsigned char>(bytes[2 * i]), static_cast<unsigned char>(bytes[2 * i + 1]));
        if (count == 0) return Fail(kNameStrokeMissing);
        g.strokes[i] = static_cast<std::int16_t>(count);
    }
    ComputeGrids(singleSurname, g);
    grids = g;
    return true;
}
