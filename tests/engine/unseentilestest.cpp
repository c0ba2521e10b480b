// The tiles a player cannot see.
#include <gtest/gtest.h>

#include <array>

#include "engine/unseentiles.h"
#include "support/rulesfixture.h"

TEST(UnseenTiles, AreTheSetLessTheBoardAndTheOwnRackForEverySeat)
{
    glyph::test::RulesFixture fixture;
    fixture.start({"Ann", "Bob", "Cy"});
    fixture.game->board()[8][8] = {'E', 0};
    fixture.game->board()[8][9] = {'T', 1};
    // Racks set whole, so that no dealt joker makes more jokers than the set holds.
    fixture.giveRacks({"QZ[", "EEEB", "AATB"});
    auto& rules = *fixture.rules;
    for (int seat = 0; seat < 3; ++seat) {
        const auto unseen = glyph::unseentiles::counts(rules, seat);
        // Every tile of the set is on the board, on this seat's rack or unseen.
        std::array<int, glyph::kLetterCount> expected{};
        for (int k = 0; k < glyph::kLetterCount; ++k)
            expected[k] = fixture.game->letterSet().entryAt(k).count;
        --expected['E' - 'A'];
        --expected[glyph::kJoker - 'A'];
        for (const char* code = rules.players()[seat].rack; *code != 0; ++code)
            --expected[*code - 'A'];
        EXPECT_EQ(unseen, expected) << seat;
    }
    // Ann's Q, Z and jokers are unseen by the others, not by her.
    EXPECT_EQ(glyph::unseentiles::counts(rules, 0)['Q' - 'A'], 0);
    EXPECT_EQ(glyph::unseentiles::counts(rules, 1)['Q' - 'A'], 1);
}
