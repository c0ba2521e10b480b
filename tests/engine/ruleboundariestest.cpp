// The rules at their edges: table-driven placement cases around a word on the board, the first
// and last row and column, the smallest and largest boards, and the bag counts at which the
// rules change (exactly seven tiles to exchange, one tile left before the end).
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "support/rulesfixture.h"

using glyph::Move;
using glyph::test::makeMove;
using glyph::test::putWord;
using glyph::test::RulesFixture;

namespace
{

/// Whether the rules play the move from the current player's rack: a refused move is turned
/// into a pass.
bool plays(RulesFixture& fixture, Move move, const std::string& rack)
{
    fixture.setRack(fixture.rules->currentPlayerIndex(), rack);
    fixture.game->computeScore(move, fixture.game->board());
    return fixture.rules->playMove(move) && !fixture.rules->history().back().move.isPass();
}

void resize(RulesFixture& fixture, int rows, int columns)
{
    fixture.preferences->setInteger("TableRowsKey", rows);
    fixture.preferences->setInteger("TableColumnsKey", columns);
    ASSERT_TRUE(fixture.game->loadSettings());
}

} // namespace

TEST(RuleBoundaries, MovesAroundAWordOnTheBoard)
{
    struct Case {
        const char* note;
        Move move;
        const char* rack;
        const char* warning; // nullptr when the move is played
    };
    const char* const kRefused = ""; // refused by the dictionary: the text is checked elsewhere
    // CAT across on the centre line (8,7..9) and AT in the bottom-right corner (15,14..15).
    const Case cases[] = {
        {"parallel below, cross words AT and TO", makeMove(true, 9, 8, "TO"), "TO", nullptr},
        {"parallel above, cross words TA and AT", makeMove(true, 7, 8, "TA"), "TA", nullptr},
        {"parallel, cross word AO is no word", makeMove(true, 9, 8, "OX"), "OX", kRefused},
        {"runs on into the C after its end", makeMove(true, 8, 5, "GO"), "GO", kRefused},
        {"follows the T before its start", makeMove(true, 8, 10, "SO"), "SO", kRefused},
        {"extends CAT", makeMove(true, 8, 7, "CATS"), "S", nullptr},
        {"extends CAT with a joker", makeMove(true, 8, 7, "CAT[", "S"), "[", nullptr},
        {"joker the rack does not hold", makeMove(true, 8, 7, "CAT[", "S"), "S",
         "Move (H7)CATs needs letters that are not in the rack"},
        {"letters the rack does not hold", makeMove(false, 8, 9, "TAX"), "AT",
         "Move (9H)TAX needs letters that are not in the rack"},
        {"down through the board's T", makeMove(false, 7, 9, "ATE"), "AE", nullptr},
        {"word not in the dictionary", makeMove(true, 8, 7, "CATA"), "A", "Word CATA is NOT in dictionary"},
        {"disagrees with the board's A", makeMove(true, 8, 7, "COTS"), "OS",
         "Move (H7)COTS does not agree with the tiles on the board"},
        {"part of a longer word", makeMove(true, 8, 8, "AT"), "AT",
         "Move (H8)AT does not cover the whole word on the board"},
        {"touches nothing", makeMove(true, 2, 2, "TO"), "TO",
         "Move (B2)TO does not touch the tiles on the board"},
        {"first row and column, touching nothing", makeMove(false, 1, 1, "AT"), "AT", kRefused},
        {"lays no tile", makeMove(true, 8, 7, "CAT"), "CAT", "Move (H7)CAT lays no tile"},
        {"jokers that do not match", makeMove(true, 9, 9, "[O", ""), "[O", "Move (I9)?O is not well formed"},
        {"down into the last row and column", makeMove(false, 14, 15, "AT"), "A", nullptr},
        {"across ending on the last column", makeMove(true, 15, 13, "EAT"), "E", nullptr},
        {"across one past the last column", makeMove(true, 15, 14, "ATE"), "E",
         "Move (O14)ATE does not fit on the board"},
        {"down one past the last row", makeMove(false, 14, 14, "TAX"), "TX", kRefused},
    };
    for (const Case& c : cases) {
        RulesFixture fixture;
        fixture.start({"Ann", "Bob"});
        putWord(fixture.game->board(), true, 8, 7, "CAT");
        putWord(fixture.game->board(), true, 15, 14, "AT");
        const auto boardBefore = fixture.game->board();
        EXPECT_EQ(plays(fixture, c.move, c.rack), c.warning == nullptr) << c.note;
        if (c.warning == nullptr)
            continue;
        // A refused move is a pass that changes nothing else.
        ASSERT_EQ(fixture.view.warnings.size(), 1u) << c.note;
        if (*c.warning != 0) {
            EXPECT_EQ(fixture.view.warnings[0], c.warning) << c.note;
        }
        EXPECT_EQ(fixture.game->board(), boardBefore) << c.note;
        EXPECT_STREQ(fixture.rules->players()[0].rack, c.rack) << c.note;
        EXPECT_EQ(fixture.rules->players()[0].score, 0) << c.note;
        EXPECT_EQ(fixture.rules->passCount(), 1) << c.note;
        EXPECT_EQ(fixture.rules->currentPlayerIndex(), 1) << c.note;
    }
}

TEST(RuleBoundaries, BoardSizesFromOneToTwentyNineWithTheirEdges)
{
    RulesFixture fixture;
    // Sizes outside 1..29 fall back to 15.
    const std::array<std::array<int, 2>, 5> sizes = {{{0, 15}, {1, 1}, {29, 29}, {30, 15}, {-1, 15}}};
    for (const auto& [asked, used] : sizes) {
        resize(fixture, asked, 2);
        EXPECT_EQ(fixture.game->rows(), used) << asked;
        resize(fixture, 2, asked);
        EXPECT_EQ(fixture.game->columns(), used) << asked;
    }
    // Occupancy stops exactly at the edges of every size.
    for (const int size : {1, 2, 15, 29}) {
        resize(fixture, size, size);
        for (const auto& [row, column] :
             std::array<std::array<int, 2>, 4>{{{1, 1}, {1, size}, {size, 1}, {size, size}}})
            fixture.game->board()[row][column] = {'A', 0};
        fixture.game->board()[size + 1][1] = {'A', 0};
        fixture.game->board()[1][size + 1] = {'A', 0};
        for (const auto& [row, column] :
             std::array<std::array<int, 2>, 4>{{{1, 1}, {1, size}, {size, 1}, {size, size}}})
            EXPECT_TRUE(fixture.game->isOccupied(row, column)) << size << ": " << row << "," << column;
        EXPECT_FALSE(fixture.game->isOccupied(size + 1, 1)) << size;
        EXPECT_FALSE(fixture.game->isOccupied(1, size + 1)) << size;
        EXPECT_FALSE(fixture.game->isOccupied(0, 1)) << size;
    }

    // A 1 x 1 board holds no word; on 29 x 29 the first move crosses (15,15) and the last row
    // and column take tiles.
    resize(fixture, 1, 1);
    fixture.start({"Ann", "Bob"});
    EXPECT_FALSE(plays(fixture, makeMove(true, 1, 1, "AT"), "AT"));
    EXPECT_FALSE(plays(fixture, makeMove(true, 1, 1, "A"), "AT"));
    resize(fixture, 29, 29);
    fixture.start({"Ann", "Bob"}); // refused moves count as passes: start afresh
    EXPECT_FALSE(plays(fixture, makeMove(true, 8, 7, "AT"), "AT"));
    EXPECT_TRUE(plays(fixture, makeMove(true, 15, 14, "AT"), "AT"));
    putWord(fixture.game->board(), false, 16, 15, "OTATTATTATTATT"); // down to row 29
    EXPECT_TRUE(plays(fixture, makeMove(true, 29, 14, "AT"), "A")) << "ends on the last row";
    putWord(fixture.game->board(), true, 20, 16, "TATTATTATTATTA"); // across to column 29
    EXPECT_TRUE(plays(fixture, makeMove(false, 19, 29, "TA"), "T")) << "ends on the last column";
    EXPECT_FALSE(plays(fixture, makeMove(false, 28, 28, "ATE"), "ATE")) << "one past the last row";
}

TEST(RuleBoundaries, ExchangeNeedsSevenTilesInTheBag)
{
    // 21 tiles: two racks of seven leave exactly seven in the bag.
    constexpr std::array<int, 27> kTwentyOne = {5, 0, 2, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                3, 0, 0, 0, 2, 5, 0, 0, 0, 1, 0, 0, 0};
    RulesFixture fixture(glyph::test::kTestWords, kTwentyOne);
    fixture.start({"Ann", "Bob"});
    ASSERT_EQ(fixture.rules->bag().total(), 7);
    EXPECT_TRUE(fixture.rules->canExchange());
    const std::string rack = fixture.rules->players()[0].rack;
    ASSERT_TRUE(fixture.rules->passOrExchange(rack.substr(0, 7), ""));
    EXPECT_EQ(fixture.rules->bag().total(), 7);
    EXPECT_EQ(fixture.rules->currentPlayerIndex(), 1);
}

TEST(RuleBoundaries, TheLastTileIsDrawnAndTheGameEndsWhenARackEmpties)
{
    // 15 tiles: one stays in the bag after the deal.
    constexpr std::array<int, 27> kFifteen = {4, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                              2, 0, 0, 0, 2, 4, 0, 0, 0, 1, 0, 0, 0};
    RulesFixture fixture(glyph::test::kTestWords, kFifteen);
    fixture.start({"Ann", "Bob"});
    ASSERT_EQ(fixture.rules->bag().total(), 1);
    fixture.setRack(0, "CAT");
    fixture.rules->players()[1].setRack("SO");
    Move cat = makeMove(true, 8, 7, "CAT");
    fixture.game->computeScore(cat, fixture.game->board());
    ASSERT_TRUE(fixture.rules->playMove(cat));
    EXPECT_EQ(fixture.rules->bag().total(), 0);
    EXPECT_EQ(std::string(fixture.rules->players()[0].rack).size(), 1u) << "the last tile is drawn";
    EXPECT_FALSE(fixture.rules->isGameOver()) << "no rack is empty";
    Move so = makeMove(false, 8, 10, "SO");
    fixture.game->computeScore(so, fixture.game->board());
    ASSERT_TRUE(fixture.rules->playMove(so));
    EXPECT_TRUE(fixture.rules->isGameOver());
    EXPECT_EQ(fixture.view.gameOverDialogs, 1);
}
