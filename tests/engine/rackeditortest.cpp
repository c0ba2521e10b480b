// Rack handling and keyboard play: reordering, taking back, typing words onto the board, and
// reading the move the placed tiles make.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "engine/rackeditor.h"
#include "support/rulesfixture.h"

using glyph::Move;
using glyph::RackEditor;
using glyph::test::makeMove;
using glyph::test::putWord;
using glyph::test::RulesFixture;
using Typed = RackEditor::Typed;

namespace
{

std::string rackText(const glyph::Game& game)
{
    std::string text;
    for (int i = 0; i < game.rackSlotCount(); ++i)
        text += game.rackSlots()[i].letter;
    return text;
}

int placedCount(const glyph::Game& game)
{
    return static_cast<int>(std::count_if(game.rackSlots().begin(), game.rackSlots().end(),
                                          [](const glyph::RackSlot& slot) { return slot.placed != 0; }));
}

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

TEST(RackEditor, ShufflesAndSortsTheRackAndTakesEveryLaidTileBack)
{
    Placing fixture("T[CAZEA");
    RackEditor editor(*fixture.game);
    editor.click(8, 8);
    ASSERT_EQ(editor.type('Z', false), Typed::Laid);
    editor.alphabetize();
    EXPECT_EQ(rackText(*fixture.game), "AACETZ[");
    // The laid Z went along with its slot.
    EXPECT_EQ(fixture.game->rackSlots()[5].placed * 100 + fixture.game->rackSlots()[5].column, 108);
    bool moved = false;
    for (int round = 0; round < 20; ++round) {
        editor.shuffle();
        std::string letters = rackText(*fixture.game);
        moved = moved || letters != "AACETZ[";
        std::sort(letters.begin(), letters.end());
        EXPECT_EQ(letters, "AACETZ[");
        EXPECT_EQ(placedCount(*fixture.game), 1);
        EXPECT_EQ(fixture.game->selectedSlot(), -1);
    }
    EXPECT_TRUE(moved);
    editor.click(9, 8);
    ASSERT_EQ(editor.type('A', false), Typed::Laid);
    EXPECT_EQ(editor.takeBackAll(), 2);
    EXPECT_EQ(placedCount(*fixture.game), 0);
    EXPECT_FALSE(editor.backspace());

    // Tiles swapped in the rack keep Backspace's order: the tile typed last comes back first.
    fixture.setRack(0, "ABCDEFG");
    editor.click(8, 8);
    ASSERT_EQ(editor.type('A', false), Typed::Laid);
    ASSERT_EQ(editor.type('B', false), Typed::Laid);
    editor.swap(1, 3);
    editor.swap(3, 2);
    EXPECT_EQ(rackText(*fixture.game), "ADBCEFG");
    EXPECT_EQ(fixture.game->selectedSlot(), 2);
    ASSERT_TRUE(editor.backspace());
    EXPECT_FALSE(fixture.game->rackSlots()[2].placed) << "the B, typed last";
    EXPECT_TRUE(fixture.game->rackSlots()[0].placed);
}

TEST(RackEditor, TypedLettersMakeTheMoveAcrossOrDownThroughTheTilesOnTheBoard)
{
    Placing fixture("CTS[OGE");
    fixture.game->board()[8][8] = {'A', 0};
    RackEditor editor(*fixture.game);
    editor.click(8, 7);
    EXPECT_EQ(editor.type('C', false), Typed::Laid);
    EXPECT_EQ(editor.cursorColumn(), 9) << "past the A on the board";
    EXPECT_EQ(editor.type('X', false), Typed::NoTile);
    EXPECT_EQ(editor.type('T', false), Typed::Laid);
    EXPECT_EQ(editor.type('S', true), Typed::Laid); // the joker, standing for S
    glyph::Move move;
    ASSERT_TRUE(fixture.game->buildHumanMove(move));
    EXPECT_EQ(fixture.game->moveText(move, fixture.game->board()), "(H7)CATs");
    // Backspace takes the tiles back last first, and the cursor with them.
    EXPECT_TRUE(editor.backspace());
    EXPECT_TRUE(editor.backspace());
    EXPECT_EQ(editor.cursorColumn(), 9);
    EXPECT_EQ(placedCount(*fixture.game), 1);
    editor.takeBackAll();

    // A second click on the same square switches to down; S then goes below the A.
    editor.click(7, 8);
    editor.click(7, 8);
    EXPECT_FALSE(editor.across());
    EXPECT_EQ(editor.type('A', false), Typed::NoTile);
    editor.moveCursor(-1, 0);
    EXPECT_EQ(editor.cursorRow(), 6);
    editor.moveCursor(1, 0);
    EXPECT_EQ(editor.type('T', false), Typed::Laid);
    EXPECT_EQ(editor.cursorRow(), 9);
    EXPECT_EQ(editor.type('O', false), Typed::Laid);
    ASSERT_TRUE(fixture.game->buildHumanMove(move));
    EXPECT_EQ(fixture.game->moveText(move, fixture.game->board()), "(8G)TAO");
    // A tile dragged back since is skipped by Backspace, which takes the one typed before it.
    fixture.game->rackSlots()[4].placed = 0; // the O
    EXPECT_TRUE(editor.backspace());
    EXPECT_EQ(placedCount(*fixture.game), 0);

    // At the edge the cursor stays on the last square, which then holds a tile.
    editor.click(15, 15);
    EXPECT_EQ(editor.type('G', false), Typed::Laid);
    EXPECT_EQ(editor.cursorRow(), 15);
    EXPECT_EQ(editor.type('E', false), Typed::Occupied);
    editor.moveCursor(5, 5);
    EXPECT_EQ(editor.cursorRow() * 100 + editor.cursorColumn(), 1515);
}

TEST(BuildHumanMove, ReadsTheWordThePlacedTilesMakeWithTheBoard)
{
    using Placed = std::tuple<char, int, int, char>; // a rack letter laid on (row, column) as a joker letter
    const struct {
        const char* rack;
        std::vector<Move> board; // words already on the board
        std::vector<Placed> placed;
        const char* expected; // the move's text and score, "" when the tiles make no move
    } cases[] = {
        {"CATSXYZ", {}, {{'T', 8, 9, 0}, {'C', 8, 7, 0}, {'A', 8, 8, 0}}, "(H7)CAT 12"},
        {"S[XYZQQ", {makeMove(false, 6, 8, "CAT")}, {{'[', 5, 8, 'O'}, {'S', 9, 8, 0}}, "(8E)oCATS 6"},
        {"SXYZQQQ",
         {makeMove(true, 8, 7, "CAT"), makeMove(false, 6, 10, "TO")},
         {{'S', 8, 10, 0}},
         "(H7)CATS 9"},
        {"SXYZQQQ", {makeMove(false, 7, 8, "TO")}, {{'S', 9, 8, 0}}, "(8G)TOS 3"},
        {"CATSXYZ", {}, {}, ""},
        {"CATSXYZ", {}, {{'C', 8, 8, 0}, {'A', 9, 9, 0}}, ""},
        {"CATSXYZ", {}, {{'C', 8, 7, 0}, {'T', 8, 9, 0}}, ""},
        {"CATSXYZ", {}, {{'C', 8, 8, 0}}, ""},
        {"CATSXYZ", {makeMove(true, 8, 7, "CAT")}, {{'A', 2, 2, 0}, {'T', 2, 3, 0}}, ""},
    };
    for (const auto& c : cases) {
        Placing p(c.rack);
        for (const Move& word : c.board)
            putWord(p.game->board(), word.horiz, word.lin, word.col, word.word);
        for (const auto& [letter, row, column, jokerLetter] : c.placed)
            p.place(letter, row, column, jokerLetter);
        Move move;
        const bool built = p.game->buildHumanMove(move);
        const std::string text = p.game->moveText(move, p.game->board()) + " " + std::to_string(move.score);
        EXPECT_EQ(built ? text : "", c.expected) << c.rack;
        EXPECT_EQ(built, !move.isPass()) << c.rack;
    }
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
    // A profile's move may hold anything: bytes that are no letter and a row off the board show
    // as '?'.
    EXPECT_EQ(fixture.game->moveText(makeMove(true, 40, 120, "A\xFFT[[",
                                              "\x80"
                                              "E"),
                                     board),
              "(?120)A?T?e");
    EXPECT_EQ(fixture.game->moveText(makeMove(false, 0, 3, "AT"), board), "(3?)AT");
    fixture.game->layMove(move, board);
    EXPECT_EQ(board[8][6], (glyph::Square{'S', 1}));
    EXPECT_EQ(board[8][8], (glyph::Square{'A', 1}));
    EXPECT_EQ(board[8][10], (glyph::Square{'S', 0}));
    EXPECT_EQ(board[8][11], glyph::Square{});
}
