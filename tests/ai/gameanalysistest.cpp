#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/gameanalysis.h"
#include "ai/luahost.h"
#include "aitable.h"
#include "base/random.h"
#include "engine/gcgimporter.h"
#include "support/rulesfixture.h"

using glyph::GameAnalysis;
using glyph::test::RulesFixture;

namespace
{

/// Ann, holding `rack`, plays `move` as the first turn of a game on `words`: that turn, analysed.
GameAnalysis::Turn analysedFirstTurn(const std::vector<std::string>& words, const std::string& rack,
                                     const glyph::Move& move)
{
    RulesFixture f(words);
    f.start({"Ann", "Bob"});
    f.setRack(0, rack);
    f.rules->amendSnapshot();
    EXPECT_TRUE(f.play(move));
    const glyph::Board board = f.game->board();
    const auto turns =
        GameAnalysis(*f.game, glyph::LeaveValues::handWritten(f.game->letterSet())).analyse(*f.rules);
    EXPECT_EQ(f.game->board(), board) << "the analysis leaves the board as it was";
    EXPECT_EQ(turns.size(), 1u);
    return turns.empty() ? GameAnalysis::Turn{} : turns[0];
}

} // namespace

TEST(GameAnalysis, FindsAMissedSevenTileMoveAndWhatTheTurnGaveAway)
{
    const glyph::Move cat = glyph::test::makeMove(true, 8, 7, "CAT");
    const GameAnalysis::Turn turn =
        analysedFirstTurn({"AT", "CAT", "CATS", "ACT", "ACTRESS", "CASTERS", "RECASTS"}, "ACTRESS", cat);
    EXPECT_EQ(turn.rack, "ACTRESS");
    EXPECT_TRUE(turn.missedSeven);
    EXPECT_GT(turn.bestByScore.score, 50);
    EXPECT_EQ(turn.pointsLost, turn.bestByScore.score - 12);
    EXPECT_GE(turn.equityLost, 0.0);
    const auto summary = GameAnalysis::summarise({turn}, 2);
    EXPECT_EQ(summary[0].missedSevens, 1);
    EXPECT_EQ(summary[0].pointsLost, turn.pointsLost);
    EXPECT_EQ(summary[1].turns, 0);

    // Six tiles are no seven-tile move.
    const GameAnalysis::Turn six = analysedFirstTurn({"CAT", "CRATES"}, "CRATESZ", cat);
    EXPECT_FALSE(six.missedSeven);
    EXPECT_GT(six.pointsLost, 0);

    // Playing the seven misses nothing, and the summary counts only the turns that missed one.
    const GameAnalysis::Turn played = analysedFirstTurn({"ACTRESS", "CASTERS", "RECASTS"}, "ACTRESS",
                                                        glyph::test::makeMove(true, 8, 2, "ACTRESS"));
    EXPECT_FALSE(played.missedSeven);
    EXPECT_EQ(GameAnalysis::summarise({played}, 2)[0].missedSevens, 0);
}

TEST(GameAnalysis, MarksWordsNotInTheDictionaryAndStopsWhenAsked)
{
    RulesFixture f;
    glyph::GcgImporter importer(*f.game);
    ASSERT_TRUE(importer.importText("#player1 ann Ann\n#player2 bob Bob\n"
                                    ">ann: ACT?QJX 8G CAT +12 12\n"
                                    ">bob: ODGEEEE I8 .O +2 2\n"
                                    ">ann: ?QJXEEE 9I .EE +9 21\n"
                                    ">ann: ?QJXEEE -- -9 12\n"
                                    ">bob: DGEEEER 10I GE +5 7\n"))
        << importer.error();
    GameAnalysis analysis(*f.game, glyph::LeaveValues::handWritten(f.game->letterSet()));
    int calls = 0;
    const auto stopped = analysis.analyse(*f.game->rules(), [&](int done, int total) {
        EXPECT_EQ(total, 4);
        EXPECT_EQ(done, ++calls);
        return done < 2;
    });
    EXPECT_EQ(stopped.size(), 2u);

    const auto turns = analysis.analyse(*f.game->rules());
    ASSERT_EQ(turns.size(), 4u);
    EXPECT_TRUE(turns[0].phonies.empty());
    EXPECT_EQ(turns[2].kind, "withdrawn");
    EXPECT_EQ(turns[2].phonies, std::vector<std::string>{"OEE"});
    EXPECT_EQ(turns[3].phonies, (std::vector<std::string>{"GE", "TOG"}));
    EXPECT_EQ(GameAnalysis::summarise(turns, 2)[1].phonies, 2);

    // One tile that makes a word only across the play: its one letter along it is no word to look up.
    RulesFixture single;
    glyph::GcgImporter singleImporter(*single.game);
    ASSERT_TRUE(singleImporter.importText("#player1 ann Ann\n#player2 bob Bob\n"
                                          ">ann: ACTEEEE 8H CAT +10 10\n"
                                          ">bob: TOGEEEE 9I T +2 2\n"))
        << singleImporter.error();
    const auto singleTurns =
        GameAnalysis(*single.game, glyph::LeaveValues::handWritten(single.game->letterSet()))
            .analyse(*single.game->rules());
    ASSERT_EQ(singleTurns.size(), 2u);
    EXPECT_EQ(singleTurns[1].phonies, std::vector<std::string>{});
}

TEST(GameAnalysis, TheBestMoveByScoreOrTheStrategistsMoveGivesNothingAway)
{
    // Ann plays the best score, Bob is the Strategist: neither gives anything away by its own
    // measure (the analysis weighs leaves as the Strategist does, with the bag empty too, when
    // it plays the end without its search), and no turn does better than the best equity.
    RulesFixture f;
    f.preferences->setString("GameDictionaryKey", GLYPH_DIST_DIR "/Dictionaries/English.dic");
    ASSERT_TRUE(f.game->loadSettings());
    glyph::attachAiPlayers(*f.game);
    glyph::LuaHost& host = glyph::scriptHost(*f.game);
    host.setProfileFolder(GLYPH_DIST_DIR "/Profiles/");
    ASSERT_TRUE(host.runText("StrategistEndgameMilliseconds = 0"));
    const std::vector<glyph::Player> players = {glyph::test::makePlayer("Ann", "", ""),
                                                glyph::test::makePlayer("Bob", "Strategist.cpu", "")};
    glyph::MoveGenerator& generator = glyph::moveGenerator(*f.game);
    int plays = 0;
    int emptyBagPlays = 0;
    for (int game = 0; game < 4; ++game) {
        // Fixed deals, so that the plays after the bag runs out are as many on every run.
        glyph::random::seed(static_cast<std::uint32_t>(21 + game));
        f.game->board() = glyph::Board{};
        f.rules->start(players);
        for (int turn = 0; turn < 80 && !f.rules->isGameOver(); ++turn) {
            if (f.rules->currentPlayerIndex() == 0) {
                f.rules->playMove(generator.generate(f.rules->currentPlayer().rack));
                continue;
            }
            const glyph::Move chosen = host.chooseMove(f.rules->currentPlayer());
            ASSERT_TRUE(host.lastError().empty()) << host.lastError();
            host.playSolution(chosen);
        }
        GameAnalysis analysis(*f.game, glyph::leaveValues(*f.game));
        for (const GameAnalysis::Turn& turn : analysis.analyse(*f.rules)) {
            // The best move is sought among plays: an exchange that keeps a better leave can beat it.
            if (turn.kind != "play")
                continue;
            EXPECT_GE(turn.bestEquity, turn.playedEquity - 1e-9) << turn.turn;
            ++plays;
            if (turn.player == 0) {
                EXPECT_EQ(turn.pointsLost, 0) << turn.turn;
                EXPECT_EQ(turn.bestByScore.score, turn.played.score) << turn.turn;
                continue;
            }
            EXPECT_NEAR(turn.equityLost, 0.0, 1e-6) << "game " << game << " turn " << turn.turn;
            emptyBagPlays += f.rules->history()[static_cast<std::size_t>(turn.turn - 1)].bag.total() == 0;
        }
    }
    EXPECT_GT(plays, 40);
    EXPECT_GT(emptyBagPlays, 3);
}
