#include <gtest/gtest.h>

#include <string>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "aitable.h"
#include "bruteforcefinder.h"

namespace
{

// A game in progress with A,T on the centre line and the first player holding "AT[".
class ExportedFunctions : public ::testing::Test
{
protected:
    ExportedFunctions()
    {
        table.start({glyph::test::makePlayer("Ann", "", "AT["), glyph::test::makePlayer("Bob", "", "EEE")});
        glyph::test::putWord(table.game->board(), true, 8, 7, "AT");
        table.put(7, 8, 'T', true);
        moveGenerator(*table.game).generate("AT[");
    }

    // Runs the text and returns the one line it printed with Debug.
    std::string printed(const std::string& text)
    {
        table.view.scriptOutput.clear();
        EXPECT_TRUE(host().runText(text)) << text;
        EXPECT_EQ(table.view.scriptOutput.size(), 1u) << text;
        return table.view.scriptOutput.empty() ? std::string() : table.view.scriptOutput.back();
    }

    glyph::LuaHost& host() { return scriptHost(*table.game); }

    glyph::test::AiTable table{{"AT", "TA", "TAT", "ATT", "TT"}};
};

} // namespace

TEST_F(ExportedFunctions, NoFunctionRaisesErrorsOnArgumentsOfAnyType)
{
    EXPECT_EQ(printed("MoveAt('x') MoveAt({}) TableLetter('a', nil) FindMoveWithScore(0/0) SetSolution()"
                      " SetSolution(nil, nil, nil, nil, nil, nil) Debug(MoveAt(1e300))"),
              "");
}

TEST_F(ExportedFunctions, SetSolutionNeedsExactlySixValuesAndCutsThemToTheirFields)
{
    ASSERT_TRUE(host().runText("SetSolution(1, 8, 8, 5, 'AT') SetSolution(1, 8, 8, 5, 'AT', '', 7)"));
    EXPECT_TRUE(host().solution().isPass());
    ASSERT_TRUE(host().runText("SetSolution(true, 7.9, -3.9, 12.5, 'T[T', 'A')"));
    EXPECT_EQ(glyph::test::moveKey(host().solution()),
              glyph::test::moveKey(glyph::test::makeMove(false, -3, 7, "T[T", "A", 12)));
    ASSERT_TRUE(host().runText("SetSolution(2, 300, 8, 1e20, {}, nil)"));
    EXPECT_EQ(host().solution().horiz, 1);
    // A huge score is cut to a size that a player's total can add up without overflowing.
    EXPECT_GE(host().solution().score, 10000);
    EXPECT_LE(host().solution().score, INT32_MAX / 1000);
    EXPECT_STREQ(host().solution().word, "");
    ASSERT_TRUE(host().runText("SetSolution(1, 1, 1, 0, string.rep('A', 40), 42)"));
    EXPECT_EQ(std::string(host().solution().word), std::string(29, 'A'));
    EXPECT_STREQ(host().solution().jokers, "42");
}

TEST_F(ExportedFunctions, MoveAtAndFindMoveWithScoreReadTheListFromTheBestAndNothingOutsideIt)
{
    const glyph::MoveGenerator& generator = moveGenerator(*table.game);
    const glyph::Move& best = *generator.moveAt(0);
    const std::string bestText = std::to_string(best.horiz) + " " + std::to_string(best.col) + " " +
                                 std::to_string(best.lin) + " " + std::to_string(best.score) + " " +
                                 best.word + " " + best.jokers;
    EXPECT_EQ(printed("Debug(MovesNumber(), MoveAt(0))"), std::to_string(generator.size()) + " " + bestText);
    EXPECT_EQ(printed("Debug(FindMoveWithScore(1000))"), bestText);
    EXPECT_EQ(
        printed("Debug(select('#', MoveAt(MovesNumber())), select('#', MoveAt(-1)), select('#', MoveAt()),"
                " select('#', FindMoveWithScore()))"),
        "0 0 0 0");
    EXPECT_EQ(printed("local a = {MoveAt(1.9)} local b = {MoveAt(1)} Debug(a[5] == b[5] and a[2] == b[2])"),
              "true");
    EXPECT_EQ(printed("Debug(FindMoveWithScore(-1))"), "1 -1 -1 0  ");
    moveGenerator(*table.game).generate("QQ");
    EXPECT_EQ(printed("Debug(MovesNumber(), MoveAt(0))"), "1 1 -1 -1 0  ") << "only the pass record";
}

TEST_F(ExportedFunctions, TableLetterPlayerRackAndBagLettersNumberReadTheGame)
{
    table.put(15, 1, 'Z');
    table.put(1, 15, 'Q', true);
    table.put(15, 15, 'X');
    table.put(16, 16, 'K'); // beyond the 15 x 15 board
    const std::string squares =
        "local function s(l, c) local t, j = TableLetter(l, c) return t .. ':' .. tostring(j) end "
        "Debug(s(8, 7), s(7, 8), s(1, 1), s(15, 1), s(1, 15), s(15, 15), s(16, 16), s(30, 30))";
    EXPECT_EQ(printed(squares), "A:false T:true :false Z:false Q:true X:false :false :false");
    EXPECT_EQ(printed("Debug(select('#', TableLetter(0, 1)), select('#', TableLetter(31, 1)),"
                      " select('#', TableLetter(1, 0)), select('#', TableLetter(1)))"),
              "0 0 0 0");
    EXPECT_EQ(printed("Debug(PlayerRack(), BagLettersNumber())"),
              "AT[ " + std::to_string(table.rules->bag().total()));
}

TEST_F(ExportedFunctions, LetterPointsAddsUpTheValuesTheSetGivesTheLetters)
{
    // Every letter in both cases and the joker both ways, against the set's own values;
    // anything else counts nothing.
    const glyph::LetterSet& set = table.game->letterSet();
    std::string letters = "[? 1-\xC3\xA9";
    int expected = 2 * set.entry(glyph::kJoker).value;
    for (char code = 'A'; code <= 'Z'; ++code) {
        letters += {code, static_cast<char>(code - 'A' + 'a')};
        expected += 2 * set.entry(code).value;
    }
    ASSERT_NE(expected, 0);
    EXPECT_EQ(printed("Debug(LetterPoints('" + letters + "'))"), std::to_string(expected));
    EXPECT_EQ(printed("Debug(LetterPoints(''), LetterPoints(7), LetterPoints())"), "0 0 0");
}

TEST_F(ExportedFunctions, ExchangeLettersTakesOnlyRackLettersWhileTheBagHoldsSevenTiles)
{
    EXPECT_EQ(
        printed("Debug(ExchangeLetters('AQ'), ExchangeLetters('AA'), ExchangeLetters(''), ExchangeLetters(5),"
                " ExchangeLetters(), ExchangeLetters('A\\0QQ'))"),
        "false false false false false false");
    EXPECT_TRUE(host().exchangeLetters().empty());
    EXPECT_EQ(printed("Debug(ExchangeLetters('a?'))"), "true");
    EXPECT_EQ(host().exchangeLetters(), "A[");
    EXPECT_TRUE(host().solution().isPass());
    ASSERT_TRUE(host().runText("SetSolution(MoveAt(0))"));
    EXPECT_TRUE(host().exchangeLetters().empty()) << "a move set later replaces the exchange";

    // Played, the exchange gives the letters back and refills the rack.
    ASSERT_TRUE(host().runText("ExchangeLetters('a?')"));
    const int bagBefore = table.rules->bag().total();
    EXPECT_TRUE(host().playSolution(host().solution()));
    EXPECT_EQ(table.rules->bag().total(), bagBefore + 2 - 6);
    while (table.rules->bag().total() > 6)
        table.rules->bag().draw(table.rules->bag().total() - 6);
    EXPECT_EQ(printed("Debug(ExchangeLetters(PlayerRack()))"), "false") << "six tiles in the bag";
}
