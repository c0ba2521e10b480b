#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "base/letters.h"
#include "support/rulesfixture.h"

using glyph::Move;
using glyph::test::makeMove;
using glyph::test::putWord;
using glyph::test::RulesFixture;

namespace
{

/// Letter counts that fill exactly two racks: A2 C1 D1 E2 G1 O2 S1 T2 X2.
constexpr std::array<int, 27> kFourteenTiles = {2, 0, 1, 1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0,
                                                2, 0, 0, 0, 1, 2, 0, 0, 0, 2, 0, 0, 0};
/// Letter counts that leave 6 tiles in the bag after two racks: the fourteen plus ESTATE.
constexpr std::array<int, 27> kTwentyTiles = {3, 0, 1, 1, 4, 0, 1, 0, 0, 0, 0, 0, 0, 0,
                                              2, 0, 0, 0, 2, 4, 0, 0, 0, 2, 0, 0, 0};

/// Scores the move on the current board and plays it.
bool play(RulesFixture& fixture, Move move)
{
    fixture.game->computeScore(move, fixture.game->board());
    return fixture.rules->playMove(move);
}

const glyph::Player& player(RulesFixture& fixture, int index)
{
    return fixture.rules->players()[index];
}

} // namespace

TEST(GameClassic, StartDealsRacksSetsClocksAndTakesTheFirstSnapshot)
{
    RulesFixture idle;
    EXPECT_FALSE(idle.rules->playMove(makeMove(true, 8, 7, "CAT", "", 12))) << "no game in progress";
    EXPECT_FALSE(idle.rules->passOrExchange("", ""));
    idle.rules->tickClock();
    EXPECT_TRUE(idle.rules->history().empty() && idle.view.warnings.empty());

    RulesFixture fixture;
    fixture.start({"Ann", "Bob", "Cid"});
    EXPECT_TRUE(fixture.rules->inProgress());
    EXPECT_EQ(fixture.rules->currentPlayerIndex(), 0);
    EXPECT_EQ(fixture.rules->round(), 1);
    EXPECT_EQ(fixture.rules->bag().total(), 100 - 21);
    for (const auto& seat : fixture.rules->players()) {
        EXPECT_EQ(std::string(seat.rack).size(), 7u);
        EXPECT_EQ(seat.timeLeft, 25 * 60);
    }
    ASSERT_EQ(fixture.rules->history().size(), 1u);
    EXPECT_TRUE(fixture.rules->history()[0].move.isPass());
    EXPECT_EQ(fixture.game->rackSlotCount(), 7);
    EXPECT_TRUE(fixture.rules->playMove(makeMove(true, 8, 7, "CAT")));
    EXPECT_TRUE(fixture.view.warnings.empty()) << "a move scored 0 is a silent pass";
    EXPECT_EQ(fixture.rules->passCount(), 1);
}

TEST(GameClassic, GameEndsWhenTheBagIsEmptyAndARackEmpties)
{
    RulesFixture fixture(glyph::test::kTestWords, kFourteenTiles);
    fixture.start({"Ann", "Bob"});
    ASSERT_EQ(fixture.rules->bag().total(), 0);
    fixture.setRack(0, "CATS");
    fixture.rules->players()[1].setRack("OX");

    ASSERT_TRUE(play(fixture, makeMove(true, 8, 7, "CAT")));
    EXPECT_EQ(player(fixture, 0).score, 12);
    EXPECT_STREQ(player(fixture, 0).rack, "S");
    EXPECT_FALSE(fixture.rules->isGameOver()) << "bag empty but no rack empty";
    ASSERT_TRUE(play(fixture, makeMove(false, 8, 9, "TO")));
    EXPECT_EQ(player(fixture, 1).score, 2);
    EXPECT_EQ(fixture.rules->round(), 2);
    EXPECT_EQ(fixture.view.gameOverDialogs, 0);

    ASSERT_TRUE(play(fixture, makeMove(true, 8, 7, "CATS")));
    EXPECT_TRUE(fixture.rules->isGameOver());
    EXPECT_EQ(fixture.view.gameOverDialogs, 1);
    EXPECT_EQ(player(fixture, 0).score, 12 + 6 + 8) << "Ann takes Bob's X";
    EXPECT_EQ(player(fixture, 1).score, 2 - 8);

    EXPECT_FALSE(fixture.rules->playMove(makeMove(true, 10, 9, "OX", "", 9)));
    EXPECT_FALSE(fixture.rules->passOrExchange("", ""));
    EXPECT_EQ(fixture.view.gameOverDialogs, 3) << "playing on only shows the dialog again";
    EXPECT_EQ(fixture.rules->history().size(), 4u);
    EXPECT_EQ(player(fixture, 1).score, -6) << "penalties are taken once";
}

TEST(GameClassic, PassesEndTheGameAndAnExchangeStartsTheCountAgain)
{
    RulesFixture fixture;
    fixture.start({"Ann", "Bob"});
    fixture.setRack(0, "CAT");
    fixture.rules->players()[1].setRack("DOGXYZQ");
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    ASSERT_TRUE(fixture.rules->passOrExchange("DOG", "XYZQ"));
    EXPECT_EQ(fixture.rules->passCount(), 0);
    EXPECT_EQ(std::string(player(fixture, 1).rack).substr(3), "XYZQ") << "kept letters stay at the end";
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
        EXPECT_FALSE(fixture.rules->isGameOver());
    }
    fixture.rules->players()[1].setRack("DOG");
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    EXPECT_TRUE(fixture.rules->isGameOver()) << "three passes in a row end a two-player game";
    EXPECT_EQ(fixture.view.gameOverDialogs, 1);
    EXPECT_EQ(player(fixture, 0).score, -5);
    EXPECT_EQ(player(fixture, 1).score, -5);
}

TEST(GameClassic, ExchangeIsRefusedWithFewerThanSevenInTheBagOrLettersNotInTheRack)
{
    RulesFixture fixture(glyph::test::kTestWords, kTwentyTiles);
    fixture.start({"Ann", "Bob"});
    ASSERT_EQ(fixture.rules->bag().total(), 6);
    EXPECT_FALSE(fixture.rules->canExchange());
    const std::string rack = player(fixture, 0).rack;
    EXPECT_FALSE(fixture.rules->passOrExchange(rack.substr(0, 1), rack.substr(1)));

    RulesFixture full;
    full.start({"Ann", "Bob"});
    full.setRack(0, "CATSXYZ");
    EXPECT_FALSE(full.rules->passOrExchange("QQ", "CATSX")) << "letters the player does not hold";
    for (RulesFixture* refused : {&fixture, &full}) {
        EXPECT_EQ(refused->rules->currentPlayerIndex(), 0);
        EXPECT_EQ(refused->rules->history().size(), 1u);
    }
    EXPECT_STREQ(player(fixture, 0).rack, rack.c_str());
    EXPECT_STREQ(player(full, 0).rack, "CATSXYZ");
}

TEST(GameClassic, FinalScoringGivesThePenaltiesToTheLastPlayerWithNothingLeft)
{
    RulesFixture fixture;
    fixture.start({"Ann", "Bob", "Cid"});
    const auto scoreRacks = [&](const std::array<const char*, 3>& racks, int score) {
        for (int i = 0; i < 3; ++i) {
            fixture.rules->players()[i].setRack(racks[i]);
            fixture.rules->players()[i].score = score;
        }
        fixture.rules->finalScoring();
        return std::array<int, 3>{player(fixture, 0).score, player(fixture, 1).score,
                                  player(fixture, 2).score};
    };
    EXPECT_EQ(scoreRacks({"C", "[", "TOGA"}, 0), (std::array<int, 3>{-3, 8, -5})) << "a joker costs nothing";
    EXPECT_EQ(scoreRacks({"", "", "C"}, 10), (std::array<int, 3>{10, 13, 7}))
        << "only the last finisher is paid";
}

TEST(GameClassic, HistoryNavigationClampsAndPlayingFromAnEarlierPositionTakesBackTheRest)
{
    RulesFixture fixture;
    fixture.start({"Ann", "Bob"});
    fixture.setRack(0, "CATXXXX");
    fixture.rules->players()[1].setRack("SOXXXXX");
    ASSERT_TRUE(play(fixture, makeMove(true, 8, 7, "CAT")));
    const auto afterCat = fixture.game->board();
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));

    const std::size_t refreshes = fixture.view.refreshes.size();
    fixture.rules->goFirst();
    EXPECT_EQ(fixture.game->board(), glyph::Board{});
    EXPECT_EQ(fixture.view.refreshes.size(), refreshes + 1);
    fixture.rules->goPrevious();
    EXPECT_EQ(fixture.rules->historyPosition(), 0);
    fixture.rules->goTo(99);
    EXPECT_EQ(fixture.rules->historyPosition(), 3);
    fixture.rules->goNext();
    EXPECT_EQ(fixture.rules->historyPosition(), 3);
    EXPECT_EQ(fixture.rules->passCount(), 2);
    EXPECT_EQ(fixture.rules->round(), 2);
    fixture.rules->goTo(-4);
    EXPECT_EQ(fixture.rules->historyPosition(), 0);

    fixture.rules->goTo(1);
    EXPECT_EQ(fixture.game->board(), afterCat);
    EXPECT_EQ(fixture.rules->currentPlayerIndex(), 1);
    EXPECT_STREQ(player(fixture, 1).rack, "SOXXXXX");
    ASSERT_TRUE(play(fixture, makeMove(true, 8, 7, "CATS")));
    EXPECT_EQ(fixture.rules->historyPosition(), 2);
    EXPECT_EQ(fixture.rules->history().size(), 3u);
    EXPECT_EQ(fixture.game->board()[8][10].letter, 'S');
}

TEST(GameClassic, ClockCountsDownWarnsOnceAndStandsStillWhilePausedOrAfterTheGame)
{
    RulesFixture fixture;
    fixture.start({"Ann", "Bob"});
    auto& ann = fixture.rules->players()[0];
    ann.timeLeft = 2;
    fixture.view.isPaused = true;
    fixture.rules->tickClock();
    EXPECT_EQ(ann.timeLeft, 2);
    fixture.view.isPaused = false;
    for (int tick = 0; tick < 3; ++tick)
        fixture.rules->tickClock();
    EXPECT_EQ(ann.timeLeft, 0);
    EXPECT_EQ(fixture.view.warnings, std::vector<std::string>{"Ann is out of time!!!"});
    EXPECT_EQ(fixture.rules->currentPlayerIndex(), 0) << "running out of time does not end the turn";
    EXPECT_EQ(fixture.rules->players()[1].timeLeft, 25 * 60);

    for (int pass = 0; pass < 3; ++pass)
        fixture.rules->passOrExchange("", "");
    ASSERT_TRUE(fixture.rules->isGameOver());
    fixture.rules->tickClock();
    EXPECT_EQ(player(fixture, 1).timeLeft, 25 * 60);
}

TEST(GameClassic, TimesAndBonusesFromThePreferencesAreClamped)
{
    RulesFixture fixture;
    fixture.preferences->setInteger("GameClassicTimeKey", 2147483647);
    fixture.preferences->setInteger("GameBonusKey", 2147483647);
    ASSERT_TRUE(fixture.game->loadSettings());
    fixture.start({"Ann", "Bob"});
    EXPECT_EQ(fixture.rules->players()[0].timeLeft, glyph::Game::kMaxMinutes * 60);
    EXPECT_EQ(fixture.game->bonus(), glyph::Game::kMaxBonus);
    fixture.preferences->setInteger("GameClassicTimeKey", -5);
    fixture.preferences->setInteger("GameBonusKey", -5);
    ASSERT_TRUE(fixture.game->loadSettings());
    EXPECT_EQ(fixture.game->time(), 0);
    EXPECT_EQ(fixture.game->bonus(), 0);
}
