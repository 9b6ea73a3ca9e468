// The surname guessing game (巧猜姓氏). Every surname of a fixed list of 127
// has a number from 1 to 127; the game shows seven tables, the one for bit 6
// first and bit 0 last, each holding the 64 surnames whose number has that
// bit set. The player says of each table whether the own surname is in it,
// and the answers spell the surname's number in base 2.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace surname {

inline constexpr int kSurnameCount = 127;
inline constexpr int kTables = 7;
inline constexpr int kTableSize = 64;  // an 8 × 8 grid

// The surname with a number 1 … 127; empty for any other number.
std::string_view SurnameOf(int number);

class SurnameGame {
public:
    SurnameGame() { Start(); }

    // A new game: the first table is on show.
    void Start();
    // The answer to the table on show ("有" true, "没有" false); ignored once
    // the game is over.
    void Answer(bool inTable);

    bool Over() const { return tablesLeft_ == 0; }
    // Tables still to answer, the one on show included: 7 for the first.
    int TablesLeft() const { return tablesLeft_; }
    // The surnames of the table on show, in increasing number, row by row.
    std::array<std::string_view, kTableSize> Table() const;
    // The number the answers spell so far; the surname's when the game is over.
    int Number() const { return number_; }

private:
    void Step(bool inTable);

    int tablesLeft_ = 0;
    int weight_ = 0;  // what a "有" to the table on show adds
    int number_ = 0;
};

}  // namespace surname
