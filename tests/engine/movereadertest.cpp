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

TEST(BuildHumanMove, ReadsTheWordThePlacedTilesMakeWithTheBoard)
{
    struct Word {
        bool horiz;
        int row, column;
        const char* letters;
    };
    struct Placed {
        char letter;
        int row, column;
        char jokerLetter;
    };
    struct Case {
        const char* rack;
        std::vector<Word> board;
        std::vector<Placed> placed;
        const char* expected; // the move's text, "" when the tiles make no move
    };
    const Case cases[] = {
        {"CATSXYZ", {}, {{'T', 8, 9, 0}, {'C', 8, 7, 0}, {'A', 8, 8, 0}}, "(H7)CAT"},
        {"S[XYZQQ", {{false, 6, 8, "CAT"}}, {{'[', 5, 8, 'O'}, {'S', 9, 8, 0}}, "(8E)oCATS"},
        {"SXYZQQQ", {{true, 8, 7, "CAT"}, {false, 6, 10, "TO"}}, {{'S', 8, 10, 0}}, "(H7)CATS"},
        {"SXYZQQQ", {{false, 7, 8, "TO"}}, {{'S', 9, 8, 0}}, "(8G)TOS"},
        {"CATSXYZ", {}, {}, ""},
        {"CATSXYZ", {}, {{'C', 8, 8, 0}, {'A', 9, 9, 0}}, ""},
        {"CATSXYZ", {}, {{'C', 8, 7, 0}, {'T', 8, 9, 0}}, ""},
        {"CATSXYZ", {}, {{'C', 8, 8, 0}}, ""},
        {"CATSXYZ", {{true, 8, 7, "CAT"}}, {{'A', 2, 2, 0}, {'T', 2, 3, 0}}, ""},
    };
    for (const Case& c : cases) {
        Placing p(c.rack);
        for (const Word& word : c.board)
            putWord(p.game->board(), word.horiz, word.row, word.column, word.letters);
        for (const Placed& tile : c.placed)
            p.place(tile.letter, tile.row, tile.column, tile.jokerLetter);
        Move move;
        const bool built = p.game->buildHumanMove(move);
        EXPECT_EQ(built ? p.game->moveText(move, p.game->board()) : "", c.expected) << c.rack;
        EXPECT_EQ(built, !move.isPass()) << c.rack;
    }
    Placing scored("CATSXYZ");
    for (const auto& [letter, column] : {std::pair{'C', 7}, {'A', 8}, {'T', 9}})
        scored.place(letter, 8, column);
    Move move;
    ASSERT_TRUE(scored.game->buildHumanMove(move));
    EXPECT_EQ(move.score, 12) << "the move comes scored";
}

TEST(MoveLetters, LayingKeepingAndCountingTakeOnlyTheNewTilesJokersAsJokers)
{
    RulesFixture fixture;
    glyph::Board& board = fixture.game->board();
    putWord(board, true, 8, 7, "C?AT");
    const Move move = makeMove(true, 8, 6, "[CATS", "S");
    EXPECT_EQ(fixture.game->keptLetters("SA[S[T", move), "AS[T");
    // The move's text itself shows in the rules' warnings and the move list, checked there.
    int laid = -1;
    fixture.game->moveText(move, board, &laid);
    EXPECT_EQ(laid, 2);
    fixture.game->layMove(move, board);
    EXPECT_EQ(board[8][6], (glyph::Square{'S', 1}));
    EXPECT_EQ(board[8][8], (glyph::Square{'A', 1}));
    EXPECT_EQ(board[8][10], (glyph::Square{'S', 0}));
    EXPECT_EQ(board[8][11], glyph::Square{});
}
