#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "aitable.h"
#include "bruteforcefinder.h"
#include "engine/gamerules.h"

using glyph::LuaHost;
using glyph::Move;
using glyph::test::AiTable;
using glyph::test::makePlayer;
using glyph::test::moveKey;

namespace
{

class LuaHostTest : public ::testing::Test
{
protected:
    LuaHostTest() { table.write(8, 7, "AT", true); }

    LuaHost& host() { return scriptHost(table.game()); }
    const glyph::Player& player(int index)
    {
        return table.game().rules()->players()[static_cast<std::size_t>(index)];
    }

    AiTable table{{"AT", "TA", "TAT", "ATT", "TT", "EAT", "TEA", "ATE"}};
};

} // namespace

TEST_F(LuaHostTest, AnEmptyProfilePlaysTheBestMoveAfterTheThinkingNotice)
{
    table.start({makePlayer("Ann", table.writeProfile("Empty.cpu", ""), "ATE")});
    const Move solution = host().computerTurn(player(0));
    const Move best = *moveGenerator(table.game()).moveAt(0);
    EXPECT_FALSE(solution.isPass());
    EXPECT_EQ(moveKey(solution), moveKey(best));
    ASSERT_EQ(table.view().notices.size(), 1u);
    EXPECT_EQ(table.view().notices[0], "\nPlease Wait...\n\n  Ann is thinking  \n\n");
    EXPECT_EQ(table.view().hiddenNotices, 1);
    // A fast turn waits out the rest of the 1.5 s.
    ASSERT_EQ(table.view().waits.size(), 1u);
    EXPECT_GT(table.view().waits[0], 1000);
    EXPECT_LE(table.view().waits[0], 1500);
}

TEST_F(LuaHostTest, APassShowsThePasedNotice)
{
    table.start(
        {makePlayer("Bob", table.writeProfile("Pass.cpu", "SetSolution(1, 8, 8, 0, '', '')"), "ATE")});
    const Move solution = host().computerTurn(player(0));
    EXPECT_TRUE(solution.isPass());
    ASSERT_EQ(table.view().notices.size(), 2u);
    EXPECT_EQ(table.view().notices[1], "\n\n  Bob  PASED  \n\n\n");
    EXPECT_EQ(table.view().hiddenNotices, 2);
    ASSERT_EQ(table.view().waits.size(), 2u);
    EXPECT_EQ(table.view().waits[1], 1500);
}

TEST_F(LuaHostTest, ASlowTurnIsNotKeptWaiting)
{
    host().setRunTimeLimit(std::chrono::milliseconds(5000));
    const std::string slow = "local t = os.clock() while os.clock() - t < 1.6 do end";
    table.start({makePlayer("Cy", table.writeProfile("Slow.cpu", slow), "ATE")});
    host().computerTurn(player(0));
    EXPECT_TRUE(table.view().waits.empty());
}

TEST_F(LuaHostTest, AScriptChoosesAnotherMoveFromTheList)
{
    table.start(
        {makePlayer("Di", table.writeProfile("Last.cpu", "SetSolution(MoveAt(MovesNumber() - 1))"), "ATE")});
    const Move solution = host().computerTurn(player(0));
    const glyph::MoveGenerator& generator = moveGenerator(table.game());
    EXPECT_EQ(moveKey(solution), moveKey(*generator.moveAt(generator.size() - 1)));
}

TEST_F(LuaHostTest, AFailingProfileKeepsTheSolutionAsItWasWhenItStopped)
{
    table.start(
        {makePlayer("Ed", table.writeProfile("Broken.cpu", "SetSolution(MoveAt(1)) error('boom')"), "ATE"),
         makePlayer("Flo", "Missing.cpu", "ATE")});
    const Move chosen = host().computerTurn(player(0));
    EXPECT_EQ(moveKey(chosen), moveKey(*moveGenerator(table.game()).moveAt(1)));
    const Move best = host().computerTurn(player(1));
    EXPECT_EQ(moveKey(best), moveKey(*moveGenerator(table.game()).moveAt(0)));
    EXPECT_TRUE(table.view().scriptOutput.empty());
}

TEST_F(LuaHostTest, GlobalsStayFromOneScriptToTheNext)
{
    table.start({makePlayer("Gus", table.writeProfile("Set.cpu", "shared = (shared or 0) + 1"), "ATE"),
                 makePlayer("Hal", table.writeProfile("Read.cpu", "Debug('seen', shared)"), "ATE")});
    host().computerTurn(player(0));
    host().computerTurn(player(1));
    ASSERT_EQ(table.view().scriptOutput.size(), 1u);
    EXPECT_EQ(table.view().scriptOutput[0], "seen 1");
    ASSERT_TRUE(host().runText("Debug(shared + 1)"));
    EXPECT_EQ(table.view().scriptOutput.back(), "2");
}

TEST_F(LuaHostTest, RunTextReportsErrorsWithTheChunkText)
{
    EXPECT_FALSE(host().runText("x = = 1"));
    ASSERT_EQ(table.view().scriptOutput.size(), 1u);
    EXPECT_EQ(table.view().scriptOutput[0].rfind("Error: [string \"x = = 1\"]:1:", 0), 0u)
        << table.view().scriptOutput[0];
    EXPECT_FALSE(host().runText("local t = nil\nreturn t.x"));
    EXPECT_EQ(table.view().scriptOutput.back().rfind("Error: [string \"local t = nil...\"]:2:", 0), 0u)
        << table.view().scriptOutput.back();
    EXPECT_FALSE(host().runText("error({})"));
    EXPECT_EQ(table.view().scriptOutput.back(), "Error: (error object is a table value)");
    EXPECT_TRUE(host().runText("return 1"));
}

TEST_F(LuaHostTest, RunFileAnswersFalseWhenItFailed)
{
    EXPECT_FALSE(host().runFile(table.file("Nothing.cpu")));
    EXPECT_TRUE(host().runFile(table.file(table.writeProfile("Fine.cpu", "fine = true"))));
    EXPECT_TRUE(table.view().scriptOutput.empty());
}

TEST_F(LuaHostTest, OnlyTheListedLibrariesAreOpen)
{
    ASSERT_TRUE(
        host().runText("Debug(type(coroutine), type(table), type(io), type(os), type(string), type(math),"
                       " type(debug), type(require), type(package), type(utf8))"));
    EXPECT_EQ(table.view().scriptOutput.back(), "table table table table table table table nil nil nil");
}

TEST_F(LuaHostTest, ARunawayScriptIsStoppedAndTheTurnPlaysTheSolutionSoFar)
{
    host().setRunTimeLimit(std::chrono::milliseconds(200));
    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    EXPECT_FALSE(host().runText("while true do end"));
    ASSERT_EQ(table.view().scriptOutput.size(), 1u);
    EXPECT_NE(table.view().scriptOutput[0].find("stopped"), std::string::npos)
        << table.view().scriptOutput[0];
    EXPECT_EQ(table.view().scriptOutput[0].rfind("Error: ", 0), 0u);

    // Catching the error does not let the script go on.
    EXPECT_FALSE(host().runText("while true do pcall(function() while true do end end) end"));
    // Nor does running in a coroutine.
    EXPECT_FALSE(host().runText("coroutine.wrap(function() while true do end end)()"));

    const std::string runaway = "SetSolution(MoveAt(1)) while true do end";
    table.start({makePlayer("Ivy", table.writeProfile("Runaway.cpu", runaway), "ATE")});
    const Move solution = host().computerTurn(player(0));
    EXPECT_EQ(moveKey(solution), moveKey(*moveGenerator(table.game()).moveAt(1)));
    EXPECT_EQ(table.view().scriptOutput.back().rfind("Error: ", 0), 0u);
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(5));

    // The host is usable afterwards.
    EXPECT_TRUE(host().runText("Debug('after')"));
    EXPECT_EQ(table.view().scriptOutput.back(), "after");
}

TEST_F(LuaHostTest, PlaySolutionExchangesWhenTheScriptAskedForIt)
{
    table.start({makePlayer("Jo", table.writeProfile("Swap.cpu", "ExchangeLetters(PlayerRack())"), "ATE"),
                 makePlayer("Kim", "", "EEE")});
    const int bagBefore = table.game().rules()->bag().total();
    const Move solution = host().computerTurn(player(0));
    EXPECT_TRUE(solution.isPass());
    EXPECT_EQ(host().exchangeLetters(), "ATE");
    EXPECT_TRUE(host().playSolution(solution));
    EXPECT_EQ(table.game().rules()->currentPlayerIndex(), 1);
    EXPECT_EQ(table.game().rules()->passCount(), 0);
    EXPECT_EQ(table.game().rules()->bag().total(), bagBefore + 3 - 7);
    EXPECT_EQ(std::string(player(0).rack).size(), 7u);
}
