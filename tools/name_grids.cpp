#include "tools/name_grids.h"

#include "engine/base/gbk_codec.h"
#include "engine/symbols/symbols.h"
#include "tools/stroke_file.h"

namespace {

// Element number by the last digit of a number.
constexpr int kElementOfDigit[10] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 0};

int ElementNumberOf(int number) { return kElementOfDigit[(number % 10 + 10) % 10]; }

std::string GridLine(const char* grid, int value) {
    return std::string(grid) + std::to_string(value) + "画,五行属" + std::string(ElementOfNumber(value)) + "。";
}

}  // namespace

std::string_view ElementOfNumber(int number) { return sym::kElementNames[ElementNumberOf(number)]; }

void ComputeGrids(bool singleSurname, NameGrids& g) {
    const auto& c = g.strokes;
    const int n = g.characters;
    int total = 0;
    for (int i = 0; i < n; ++i) total += c[i];
    g.zongGe = static_cast<std::int16_t>(total);
    if (singleSurname) {
        g.tianGe = static_cast<std::int16_t>(c[0] + 1);
        g.renGe = static_cast<std::int16_t>(c[0] + c[1]);
        g.diGe = static_cast<std::int16_t>(n == 2 ? c[1] + 1 : c[1] + c[2]);
        g.waiGe = static_cast<std::int16_t>(n == 2 ? 2 : total + 1 - g.renGe);
    } else {
        g.tianGe = static_cast<std::int16_t>(c[0] + c[1]);
        g.renGe = static_cast<std::int16_t>(c[1] + c[2]);
        g.diGe = static_cast<std::int16_t>(n == 3 ? c[2] + 1 : c[2] + c[3]);
        g.waiGe = static_cast<std::int16_t>(n == 3 ? total + 1 - g.renGe : total - g.renGe);
    }
}

std::string GridText(std::string_view name, const NameGrids& g) {
    const std::string bytes = gbk::FromUtf8(name);
    std::string text = "姓名:" + std::string(name) + "\n";
    for (int i = 0; i < g.characters; ++i)
        text += gbk::ToUtf8(std::string_view(bytes).substr(2 * i, 2)) + ":" + std::to_string(g.strokes[i]) + "画 ";
    text += "\n\n" + GridLine("天格", g.tianGe) + "\n\n";
    text += GridLine("地格", g.diGe) + "\n\n";
    text += GridLine("人格", g.renGe) + "\n\n";
    text += GridLine("总格", g.zongGe) + "\n\n";
    text += GridLine("外格", g.waiGe);
    return text;
}

std::string CharacterText(std::string_view character, int strokes) {
    return std::string(character) + "字:" + std::to_string(strokes) + "画,五行属:" +
           std::string(ElementOfNumber(strokes)) + "。";
}

std::string ListByElement(const std::string& strokeFile, int element) {
    if (element < 0 || element > 4) return {};
    std::string text = "属" + std::string(sym::kElementNames[element]) + "的汉字:\n";
    int listed = 0;
    for (const strokes::StrokeRecord& r : strokes::ReadAllRecords(strokeFile)) {
        if (r.count <= 0 || ElementNumberOf(r.count) != element) continue;
        text += gbk::ToUtf8(std::string_view(reinterpret_cast<const char*>(r.code), 2)) + " ";
        if (++listed % 10 == 0) text += "\n";
    }
    return text;
}
