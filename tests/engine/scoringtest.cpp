#include <gtest/gtest.h>

#include <functional>

#include "support/rulesfixture.h"

using glyph::Board;
using glyph::Move;
using glyph::test::makeMove;
using glyph::test::putWord;

// Test board: word x2 at (8,8), word x3 at (9,11), letter x2 at (8,9), letter x3 at (7,10).
// Values: A1 B3 C3 D2 E1 F4 G2 O1 S1 T1 X8, joker 0; bonus 50.
TEST(Scoring, TableOfMoves)
{
    struct Case {
        const char* what;
        std::function<void(Board&)> setUp;
        Move move;
        int expected;
    };
    const Case cases[] = {
        {"first word doubled by the centre, T on letter x2", [](Board&) {}, makeMove(true, 8, 7, "CAT"),
         (3 + 1 + 1 * 2) * 2},
        {"premiums under board tiles count nothing", [](Board& b) { putWord(b, true, 8, 7, "CAT"); },
         makeMove(true, 8, 7, "CATS"), 3 + 1 + 1 + 1},
        {"cross word adds board tiles plus the new letter", [](Board& b) { putWord(b, true, 8, 7, "CAT"); },
         makeMove(false, 7, 10, "TO"), /* cross CATO */ (3 + 1 + 1 + 1) + /* TO, T on L3 */ (1 * 3 + 1)},
        {"cross word through a word premium multiplies it", [](Board& b) { putWord(b, false, 7, 11, "AT"); },
         makeMove(true, 9, 10, "SO"),
         /* cross ATO on W3 */ (1 + 1 + 1) * 3 + /* SO times W3 */ (1 + 1) * 3},
        {"joker laid from the rack scores its set value", [](Board&) {}, makeMove(true, 8, 7, "C[T", "A"),
         (3 + 0 + 1 * 2) * 2},
        {"joker already on the board scores nothing", [](Board& b) { putWord(b, true, 8, 7, "C?AT"); },
         makeMove(true, 8, 7, "CATS"), 3 + 0 + 1 + 1},
        {"single new letter scores only its cross word, through a board joker",
         [](Board& b) { putWord(b, false, 8, 11, "?A"); }, makeMove(true, 9, 11, "T"), (0 + 1) * 3},
        {"seven new tiles earn the bonus", [](Board&) {}, makeMove(true, 8, 2, "ABCDEFG"),
         (1 + 3 + 3 + 2 + 1 + 4 + 2) * 2 + 50},
        {"six new tiles do not", [](Board&) {}, makeMove(true, 8, 3, "BCDEFG"), (3 + 3 + 2 + 1 + 4 + 2) * 2},
        {"seven new tiles around a board tile earn the bonus once",
         [](Board& b) { putWord(b, true, 8, 5, "D"); }, makeMove(true, 8, 2, "ABCDEFGO"),
         (1 + 3 + 3 + 2 + 1 + 4 + 2 + 1 * 2) * 2 + 50},
        {"eight new tiles earn no bonus", [](Board&) {}, makeMove(true, 8, 2, "ABCDEFGO"),
         (1 + 3 + 3 + 2 + 1 + 4 + 2 + 1 * 2) * 2},
        {"an empty word scores nothing", [](Board&) {}, Move{}, 0},
    };
    glyph::test::RulesFixture fixture; // its own board stays empty: the score comes from the board given
    for (const Case& c : cases) {
        Board board{};
        c.setUp(board);
        Move move = c.move;
        move.score = -1;
        fixture.game->computeScore(move, board);
        EXPECT_EQ(move.score, c.expected) << c.what;
    }
}
