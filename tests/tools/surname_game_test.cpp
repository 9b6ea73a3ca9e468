// The surname game: the seven tables by bit, and the number the answers spell.
#include <gtest/gtest.h>

#include <set>

#include "tools/surname_game.h"

namespace {

using surname::SurnameGame;

// Plays one game: answers[k] is the answer to the (k+1)-th table shown.
SurnameGame Play(const std::array<bool, 7>& answers) {
    SurnameGame game;
    for (bool a : answers) game.Answer(a);
    return game;
}

TEST(SurnameGame, AnswersSpellTheNumberHighBitFirst) {
    struct Case {
        std::array<bool, 7> answers;
        int number;
        const char* surname;
    } cases[] = {
        {{true, false, false, false, false, false, false}, 64, "孔"},
        {{true, true, true, true, true, true, true}, 127, "萧"},
        {{false, false, false, false, false, false, true}, 1, "白"},
        {{false, false, false, false, false, true, false}, 2, "赵"},
        {{false, true, false, true, false, false, false}, 40, "葛"},
        {{false, false, false, false, false, false, false}, 0, ""},
    };
    for (const Case& c : cases) {
        SurnameGame game = Play(c.answers);
        EXPECT_TRUE(game.Over());
        EXPECT_EQ(game.Number(), c.number);
        EXPECT_EQ(surname::SurnameOf(game.Number()), c.surname);
    }
}

TEST(SurnameGame, EachTableHoldsThe64NamesWithItsBit) {
    SurnameGame game;
    for (int tablesLeft = 7; tablesLeft >= 1; --tablesLeft) {
        ASSERT_EQ(game.TablesLeft(), tablesLeft);
        const int bit = 1 << (tablesLeft - 1);
        const auto table = game.Table();
        int k = 0;
        for (int n = 1; n <= surname::kSurnameCount; ++n)
            if (n & bit) {
                EXPECT_EQ(table[k], surname::SurnameOf(n)) << "bit " << bit << " cell " << k;
                ++k;
            }
        EXPECT_EQ(k, 64);
        game.Answer(false);
    }
    EXPECT_TRUE(game.Over());
    EXPECT_EQ(game.Table()[0], "");
}

TEST(SurnameGame, AnswersAfterTheEndAreIgnoredUntilARestart) {
    SurnameGame game = Play({true, false, false, false, false, false, false});
    game.Answer(true);
    EXPECT_EQ(game.Number(), 64);
    game.Start();
    EXPECT_FALSE(game.Over());
    EXPECT_EQ(game.Number(), 0);
    EXPECT_EQ(game.TablesLeft(), 7);
    EXPECT_EQ(game.Table()[0], surname::SurnameOf(64));
}

TEST(SurnameGame, ListHas127DistinctSurnames) {
    std::set<std::string_view> names;
    for (int n = 1; n <= 127; ++n) names.insert(surname::SurnameOf(n));
    EXPECT_EQ(names.size(), 127u);
    EXPECT_EQ(surname::SurnameOf(20), "崔");
    EXPECT_EQ(surname::SurnameOf(50), "何");
    EXPECT_EQ(surname::SurnameOf(80), "鲁");
    EXPECT_EQ(surname::SurnameOf(110), "史");
    EXPECT_EQ(surname::SurnameOf(0), "");
    EXPECT_EQ(surname::SurnameOf(128), "");
}

}  // namespace
