// The position editor's rules: tiles the set can supply, racks of seven, clamped numbers, and
// no edits to a game that has ended; and the tiles a player cannot see.
#include <gtest/gtest.h>

#include <array>

#include "engine/positionedit.h"
#include "engine/unseentiles.h"
#include "support/rulesfixture.h"

using glyph::Player;
using glyph::PositionEdit;
using Problem = PositionEdit::Problem;

TEST(PositionEdit, RefusesTilesTheSetCannotSupplyClampsNumbersAndLeavesAnEndedGameAlone)
{
    glyph::test::RulesFixture fixture; // one Q, one Z, two jokers
    EXPECT_EQ(PositionEdit(*fixture.game).check(*fixture.game), Problem::NoGame);
    fixture.start({"Ann", "Bob"});
    fixture.setRack(0, "QAB");
    const std::string racks =
        std::string(fixture.rules->players()[0].rack) + fixture.rules->players()[1].rack;
    const int bag = fixture.rules->bag().total();
    const glyph::Board board = fixture.game->board();

    const struct {
        std::string rack0, rack1;
        std::vector<glyph::Square> squares; // laid along row 8 from column 1
        Problem problem;
        char letter;
        int available;
    } cases[] = {
        {"QQQQQQQ", "", {}, Problem::TooManyTiles, 'Q', 1},
        {"Z", "Z", {}, Problem::TooManyTiles, 'Z', 1},
        {"", "", {{'Z', 0}, {'Z', 0}}, Problem::TooManyTiles, 'Z', 1},
        {"[", "", {{'A', 1}, {'E', 1}}, Problem::TooManyTiles, glyph::kJoker, 2},
        {"AAAAAAAA", "", {}, Problem::RackTooLong, 0, 0},
        // A Z on the board counts once, not as Z and joker; a joker's letter is not its own tile.
        {"", "QE", {{'Z', 0}, {'Q', 1}, {'A', 1}}, Problem::None, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rack0 + "/" + c.rack1);
        PositionEdit edit(*fixture.game);
        edit.seats()[0].rack = c.rack0;
        edit.seats()[1].rack = c.rack1;
        for (std::size_t i = 0; i < c.squares.size(); ++i)
            edit.board()[8][1 + static_cast<int>(i)] = c.squares[i];
        EXPECT_EQ(edit.check(*fixture.game), c.problem);
        EXPECT_EQ(edit.problemLetter(), c.letter);
        EXPECT_EQ(edit.problemAvailable(), c.available);
        EXPECT_EQ(edit.problemSeat(), c.problem == Problem::RackTooLong ? 0 : -1);
        if (c.problem == Problem::None)
            continue;
        EXPECT_FALSE(edit.apply(*fixture.game));
        EXPECT_EQ(std::string(fixture.rules->players()[0].rack) + fixture.rules->players()[1].rack, racks);
        EXPECT_EQ(fixture.rules->bag().total(), bag);
        EXPECT_TRUE(fixture.game->board() == board);
    }

    // Numbers clamped, the bag recomputed.
    PositionEdit edit(*fixture.game);
    ASSERT_EQ(edit.seats().size(), 2u);
    edit.seats()[0] = {"Zoe", "CAT[", 5'000'000'000'000LL, -99'999'999'999LL};
    edit.seats()[1] = {"Bob", "", -5'000'000'000'000LL, 12};
    edit.board()[8][8] = {'D', 0};
    edit.board()[8][9] = {'O', 1};
    edit.board()[30][30] = {'X', 0}; // beyond the board: dropped, not counted
    ASSERT_TRUE(edit.apply(*fixture.game));
    const Player& zoe = fixture.rules->players()[0];
    EXPECT_STREQ(zoe.name, "Zoe");
    EXPECT_STREQ(zoe.rack, "CAT[");
    EXPECT_EQ(zoe.score, Player::kMaxScore);
    EXPECT_EQ(zoe.timeLeft, -Player::kMaxSeconds);
    EXPECT_EQ(fixture.rules->players()[1].score, -Player::kMaxScore);
    EXPECT_EQ(fixture.rules->players()[1].timeLeft, 12);
    EXPECT_EQ(fixture.game->board()[30][30].letter, 0);
    EXPECT_EQ(fixture.rules->bag().total(), 100 - 4 - 2);

    // Three passes in a row end a game of two; it stays ended.
    for (int pass = 0; pass < 3; ++pass)
        fixture.rules->passOrExchange("", "");
    ASSERT_TRUE(fixture.rules->isGameOver());
    PositionEdit late(*fixture.game);
    late.seats()[0].rack = "A";
    EXPECT_EQ(late.check(*fixture.game), Problem::GameOver);
    EXPECT_FALSE(late.apply(*fixture.game));
    EXPECT_STREQ(fixture.rules->players()[0].rack, "CAT[");
}

TEST(PositionEdit, AndTheTimeUsedAtAPositionSurviveSteppingThroughTheHistoryAndASave)
{
    glyph::test::RulesFixture fixture;
    fixture.start({"Ann", "Bob"});
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    // Racks and a board the set always supplies, whatever the deal.
    PositionEdit edit(*fixture.game);
    edit.seats()[0].rack = "EEE";
    edit.seats()[1].rack = "CAT";
    edit.seats()[1].score = 77;
    edit.board()[8][8] = glyph::Square{'E', 0};
    ASSERT_TRUE(edit.apply(*fixture.game));
    fixture.rules->players()[0].timeLeft -= 10; // Ann thinks ten seconds
    std::vector<Player> edited = fixture.rules->players();
    const glyph::Board board = fixture.game->board();
    auto expectEdited = [&](const char* when) {
        SCOPED_TRACE(when);
        for (std::size_t i = 0; i < edited.size(); ++i) {
            EXPECT_EQ(fixture.rules->players()[i].score, edited[i].score);
            EXPECT_STREQ(fixture.rules->players()[i].rack, edited[i].rack);
            EXPECT_EQ(fixture.rules->players()[i].timeLeft, edited[i].timeLeft);
        }
        EXPECT_TRUE(fixture.game->board() == board);
    };
    fixture.rules->goPrevious();
    EXPECT_FALSE(fixture.game->board() == board);
    fixture.rules->goNext();
    expectEdited("stepped back and forth");
    fixture.rules->players()[0].timeLeft -= 5; // and five more before saving
    edited[0].timeLeft -= 5;
    ASSERT_TRUE(fixture.rules->save(fixture.dir.file("edited.tc")));
    fixture.start({"Zed", "Yan"});
    ASSERT_TRUE(fixture.rules->load(fixture.dir.file("edited.tc")));
    fixture.rules->goLast();
    expectEdited("saved and loaded");
}

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
}
