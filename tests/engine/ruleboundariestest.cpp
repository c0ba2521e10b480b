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

struct Case {
    const char* note;
    Move move;
    const char* rack;
    bool ok;
};

} // namespace

TEST(RuleBoundaries, MovesAroundAWordOnTheBoard)
{
    // CAT across on the centre line (8,7..9) and AT in the bottom-right corner (15,14..15).
    const Case cases[] = {
        {"parallel, cross words AT and TO", makeMove(true, 9, 8, "TO"), "TO", true},
        {"parallel, cross word AO is no word", makeMove(true, 9, 8, "OX"), "OX", false},
        {"runs on into the C after its end", makeMove(true, 8, 5, "GO"), "GO", false},
        {"follows the T before its start", makeMove(true, 8, 10, "SO"), "SO", false},
        {"extends CAT", makeMove(true, 8, 7, "CATS"), "S", true},
        {"extends CAT with a joker", makeMove(true, 8, 7, "CAT[", "S"), "[", true},
        {"joker the rack does not hold", makeMove(true, 8, 7, "CAT[", "S"), "S", false},
        {"letter the rack does not hold", makeMove(true, 8, 7, "CATS"), "T", false},
        {"down through the board's T", makeMove(false, 7, 9, "ATE"), "AE", true},
        {"disagrees with the board's A", makeMove(true, 8, 7, "COAT"), "O", false},
        {"touches nothing", makeMove(true, 1, 1, "TO"), "TO", false},
        {"first row and column, touching nothing", makeMove(false, 1, 1, "AT"), "AT", false},
        {"lays no tile", makeMove(true, 8, 7, "CAT"), "CAT", false},
        {"down into the last row and column", makeMove(false, 14, 15, "AT"), "A", true},
        {"across ending on the last column", makeMove(true, 15, 13, "EAT"), "E", true},
        {"across one past the last column", makeMove(true, 15, 14, "ATE"), "E", false},
        {"down one past the last row", makeMove(false, 14, 14, "TAX"), "TX", false},
    };
    for (const Case& c : cases) {
        RulesFixture fixture;
        fixture.start({"Ann", "Bob"});
        putWord(fixture.game->board(), true, 8, 7, "CAT");
        putWord(fixture.game->board(), true, 15, 14, "AT");
        EXPECT_EQ(plays(fixture, c.move, c.rack), c.ok) << c.note;
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
