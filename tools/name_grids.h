// Name numerology: the five grids (五格) of a Chinese name, computed from the
// stroke counts of its characters, and the element (五行) of a number by its
// last digit: 1, 2 木; 3, 4 火; 5, 6 土; 7, 8 金; 9, 0 水.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kMaxNameCharacters = 4;

struct NameGrids {
    std::int16_t tianGe = 0;  // 天格
    std::int16_t diGe = 0;    // 地格
    std::int16_t renGe = 0;   // 人格
    std::int16_t zongGe = 0;  // 总格
    std::int16_t waiGe = 0;   // 外格
    int characters = 0;       // 2 … 4
    std::array<std::int16_t, kMaxNameCharacters> strokes{};  // per character, in name order
};

// The element name (水 木 火 土 金) of a number by its last digit.
std::string_view ElementOfNumber(int number);

// Fills the five grids from grids.characters and grids.strokes. A single
// surname has 2 or 3 characters, a compound surname 3 or 4 (checked by the
// caller).
void ComputeGrids(bool singleSurname, NameGrids& grids);

// The text the name tool shows for a name and its grids:
// "姓名:张三\n张:7画 三:3画 \n\n天格8画,五行属金。\n\n…外格2画,五行属木。"
std::string GridText(std::string_view name, const NameGrids& grids);

// The text for one character: "啊字:10画,五行属:水。"
std::string CharacterText(std::string_view character, int strokes);

// Every character of the stroke table whose stroke count belongs to the
// element (0 水, 1 木, 2 火, 3 土, 4 金), in table order, each followed by a
// blank and ten to a line, after the heading "属水的汉字:\n". Only the
// heading when the table cannot be read; empty for an element outside 0 … 4.
std::string ListByElement(const std::string& strokeFile, int element);
