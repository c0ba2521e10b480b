// The analysis of a game's turns: the best moves against the moves played, missed seven-tile moves and words
// not in the dictionary.
#include <gtest/gtest.h>

#include <string>

#include "ai/gameanalysis.h"
#include "ai/rackleave.h"
#include "engine/gcgimporter.h"
#include "support/rulesfixture.h"

using glyph::GameAnalysis;
using glyph::RackLeave;
using glyph::test::RulesFixture;

TEST(GameAnalysis, FindsAMissedSevenTileMoveAndWhatTheTurnGaveAway)
{
    RulesFixture f({"AT", "CAT", "CATS", "ACT", "ACTRESS", "CASTERS", "RECASTS"});
    f.start({"Ann", "Bob"});
    f.setRack(0, "ACTRESS");
    f.rules->amendSnapshot();
    glyph::Move cat = glyph::test::makeMove(true, 8, 7, "CAT");
    f.game->computeScore(cat, f.game->board());
    ASSERT_TRUE(f.rules->playMove(cat));
    const glyph::Board board = f.game->board();

    GameAnalysis analysis(*f.game);
    const auto turns = analysis.analyse(*f.rules);
    ASSERT_EQ(turns.size(), 1u);
    const GameAnalysis::Turn& turn = turns[0];
    EXPECT_EQ(turn.kind, "play");
    EXPECT_EQ(turn.rack, "ACTRESS");
    EXPECT_TRUE(turn.missedSeven);
    EXPECT_GT(turn.bestByScore.score, 50);
    EXPECT_EQ(turn.pointsLost, turn.bestByScore.score - cat.score);
    EXPECT_GE(turn.equityLost, 0.0);
    EXPECT_TRUE(turn.phonies.empty());
    EXPECT_EQ(f.game->board(), board);
    const auto summary = GameAnalysis::summarise(turns, 2);
    EXPECT_EQ(summary[0].missedSevens, 1);
    EXPECT_EQ(summary[0].pointsLost, turn.pointsLost);
    EXPECT_EQ(summary[1].turns, 0);

    // Six tiles are no seven-tile move.
    RulesFixture six({"CAT", "CRATES"});
    six.start({"Ann", "Bob"});
    six.setRack(0, "CRATESZ");
    six.rules->amendSnapshot();
    ASSERT_TRUE(six.rules->playMove(cat));
    const GameAnalysis::Turn sixTurn = GameAnalysis(*six.game).analyseTurn(*six.rules, 1);
    EXPECT_FALSE(sixTurn.missedSeven);
    EXPECT_GT(sixTurn.pointsLost, 0);
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
    GameAnalysis analysis(*f.game);
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
}

TEST(GameAnalysis, TheBestMoveByScoreOrByEquityGivesNothingAway)
{
    // Ann plays the best score, Bob the best score plus leave; neither gives anything away by
    // its own measure, and no turn does better than the best equity.
    RulesFixture f;
    f.preferences->setString("GameDictionaryKey", GLYPH_DIST_DIR "/Dictionaries/English.dic");
    ASSERT_TRUE(f.game->loadSettings());
    f.start({"Ann", "Bob"});
    glyph::MoveGenerator generator(*f.game);
    for (int turn = 0; turn < 30 && !f.rules->isGameOver(); ++turn) {
        const std::string rack = f.rules->currentPlayer().rack;
        glyph::Move chosen = generator.generate(rack);
        double best = -1e9;
        for (const glyph::Move& move : generator.moves()) {
            const double equity =
                move.score + RackLeave::value(f.game->keptLetters(rack, move), f.rules->bag().total());
            if (f.rules->currentPlayerIndex() == 1 && !move.isPass() && equity > best) {
                best = equity;
                chosen = move;
            }
        }
        f.rules->playMove(chosen);
    }
    GameAnalysis analysis(*f.game);
    int plays = 0;
    for (const GameAnalysis::Turn& turn : analysis.analyse(*f.rules)) {
        EXPECT_GE(turn.bestEquity, turn.playedEquity - 1e-9) << turn.turn;
        if (turn.kind != "play")
            continue;
        ++plays;
        if (turn.player == 0) {
            EXPECT_EQ(turn.pointsLost, 0) << turn.turn;
            EXPECT_EQ(turn.bestByScore.score, turn.played.score) << turn.turn;
        } else {
            EXPECT_NEAR(turn.equityLost, 0.0, 1e-9) << turn.turn;
        }
    }
    EXPECT_GT(plays, 10);
}
