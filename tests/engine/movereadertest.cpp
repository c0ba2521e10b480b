#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/rulesfixture.h"

using glyph::Move;
using glyph::test::makeMove;
using glyph::test::putWord;
using glyph::test::RulesFixture;

namespace
{

/// A started two-player game whose first player holds `rack`.
struct Placing : RulesFixture {
    explicit Placing(const std::string& rack)
    {
        start({"Ann", "Bob"});
        setRack(0, rack);
    }

    /// Puts the rack slot holding `letter` (the first one not yet placed) on (row, column).
    void place(char letter, int row, int column, char jokerLetter = 0)
    {
        for (int i = 0; i < game->rackSlotCount(); ++i) {
            auto& slot = game->rackSlots()[i];
            if (slot.letter == letter && !slot.placed) {
                slot.placed = 1;
                slot.row = static_cast<std::uint8_t>(row);
                slot.column = static_cast<std::uint8_t>(column);
                slot.jokerLetter = jokerLetter;
                return;
            }
        }
        FAIL() << "no free slot holds " << letter;
    }
};

} // namespace

TEST(BuildHumanMove, ReadsAcrossOverTheCentreAndScoresIt)
{
    Placing p("CATSXYZ");
    p.place('T', 8, 9);
    p.place('C', 8, 7);
    p.place('A', 8, 8);
    Move move;
    ASSERT_TRUE(p.game->buildHumanMove(move));
    EXPECT_EQ(move.horiz, 1);
    EXPECT_EQ(move.lin, 8);
    EXPECT_EQ(move.col, 7);
    EXPECT_STREQ(move.word, "CAT");
    EXPECT_EQ(move.score, 12);
    EXPECT_EQ(p.game->placedTiles().size(), 3u);
}

TEST(BuildHumanMove, ExtendsOverBoardTilesAndRecordsJokers)
{
    Placing p("S[XYZQQ");
    putWord(p.game->board(), false, 6, 8, "CAT");
    p.place('[', 5, 8, 'O');
    p.place('S', 9, 8);
    Move move;
    ASSERT_TRUE(p.game->buildHumanMove(move));
    EXPECT_EQ(move.horiz, 0);
    EXPECT_EQ(move.lin, 5);
    EXPECT_EQ(move.col, 8);
    EXPECT_STREQ(move.word, "[CATS");
    EXPECT_STREQ(move.jokers, "O");
}

TEST(BuildHumanMove, SingleTileReadsAcrossFirstThenDown)
{
    Placing across("SXYZQQQ");
    putWord(across.game->board(), true, 8, 7, "CAT");
    putWord(across.game->board(), false, 6, 10, "TO");
    across.place('S', 8, 10);
    Move move;
    ASSERT_TRUE(across.game->buildHumanMove(move));
    EXPECT_EQ(move.horiz, 1);
    EXPECT_STREQ(move.word, "CATS");

    Placing down("SXYZQQQ");
    putWord(down.game->board(), false, 7, 8, "TO");
    down.place('S', 9, 8);
    ASSERT_TRUE(down.game->buildHumanMove(move));
    EXPECT_EQ(move.horiz, 0);
    EXPECT_STREQ(move.word, "TOS");
}

TEST(BuildHumanMove, PlacementsThatGiveNoMove)
{
    Move move;
    {
        Placing nothing("CATSXYZ");
        EXPECT_FALSE(nothing.game->buildHumanMove(move)) << "nothing placed";
    }
    {
        Placing twoRows("CATSXYZ");
        twoRows.place('C', 8, 8);
        twoRows.place('A', 9, 9);
        EXPECT_FALSE(twoRows.game->buildHumanMove(move)) << "different rows and columns";
        EXPECT_TRUE(move.isPass());
    }
    {
        Placing gap("CATSXYZ");
        gap.place('C', 8, 7);
        gap.place('T', 8, 9);
        EXPECT_FALSE(gap.game->buildHumanMove(move)) << "a gap between the tiles";
    }
    {
        Placing alone("CATSXYZ");
        alone.place('C', 8, 8);
        EXPECT_FALSE(alone.game->buildHumanMove(move)) << "one letter on an empty board";
    }
    {
        Placing apart("CATSXYZ");
        putWord(apart.game->board(), true, 8, 7, "CAT");
        apart.place('A', 2, 2);
        apart.place('T', 2, 3);
        EXPECT_FALSE(apart.game->buildHumanMove(move)) << "not touching a tile once the centre is taken";
    }
}

TEST(MoveText, WritesAcrossAsRowColumnAndDownAsColumnRow)
{
    RulesFixture fixture;
    const glyph::Board empty{};
    EXPECT_EQ(fixture.game->moveText(makeMove(true, 8, 4, "CAT"), empty), "(H4)CAT");
    EXPECT_EQ(fixture.game->moveText(makeMove(false, 8, 4, "CAT"), empty), "(4H)CAT");
    EXPECT_EQ(fixture.game->moveText(makeMove(true, 1, 12, "[A[", "CT"), empty), "(A12)cAt");
    EXPECT_EQ(fixture.game->moveText(Move{}, empty), "PAS / CHANGE");
}

TEST(MoveText, CountsOnlyTheTilesTheMoveLays)
{
    RulesFixture fixture;
    glyph::Board board{};
    putWord(board, true, 8, 7, "CAT");
    int laid = -1;
    fixture.game->moveText(makeMove(true, 8, 7, "CATS"), board, &laid);
    EXPECT_EQ(laid, 1);
    fixture.game->moveText(Move{}, board, &laid);
    EXPECT_EQ(laid, 0);
}

TEST(MoveLetters, KeptLettersLoseOnlyTheLaidTilesJokersAsJokers)
{
    RulesFixture fixture;
    putWord(fixture.game->board(), true, 8, 7, "CAT");
    const Move move = makeMove(true, 8, 6, "[CATS", "S");
    EXPECT_EQ(fixture.game->keptLetters("SA[S[T", move), "AS[T");
}

TEST(MoveLetters, LayingWritesNewTilesAndJokerFlagsOnly)
{
    RulesFixture fixture;
    glyph::Board board{};
    putWord(board, true, 8, 7, "C?AT");
    fixture.game->layMove(makeMove(true, 8, 6, "[CATS", "S"), board);
    EXPECT_EQ(board[8][6], (glyph::Square{'S', 1}));
    EXPECT_EQ(board[8][8], (glyph::Square{'A', 1}));
    EXPECT_EQ(board[8][10], (glyph::Square{'S', 0}));
    EXPECT_EQ(board[8][11], glyph::Square{});
}

TEST(MoveLetters, ShowingAMoveMarksTheRackSlotsItLays)
{
    Placing p("TAS[CXX");
    putWord(p.game->board(), true, 8, 7, "CAT");
    p.place('X', 1, 1);
    const int erasuresBefore = p.view.erasures;
    p.game->showMoveInRackSlots(makeMove(false, 7, 10, "[S", "A"));
    EXPECT_EQ(p.view.erasures, erasuresBefore + 1);
    int placed = 0;
    for (int i = 0; i < p.game->rackSlotCount(); ++i) {
        const auto& slot = p.game->rackSlots()[i];
        if (!slot.placed)
            continue;
        ++placed;
        if (slot.letter == '[') {
            EXPECT_EQ(slot.row, 7);
            EXPECT_EQ(slot.jokerLetter, 'A');
        } else {
            EXPECT_EQ(slot.letter, 'S');
            EXPECT_EQ(slot.row, 8);
            EXPECT_EQ(slot.column, 10);
        }
    }
    EXPECT_EQ(placed, 2) << "the earlier placed X is taken back";
}
