#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ai/endgamesolver.h"
#include "ai/movegenerator.h"
#include "ai/positioncopy.h"
#include "aitable.h"
#include "base/letters.h"
#include "bruteforcefinder.h"

using glyph::EndgameSolver;
using glyph::Move;
using glyph::test::AiTable;
using glyph::test::moveKey;

namespace
{

std::string randomTiles(std::mt19937& random, int count)
{
    return glyph::test::randomLetters(random, count, "AEINST", 9);
}

/// A board of the small test words with a few of them laid by the best move of random racks.
std::unique_ptr<AiTable> randomEnding(std::mt19937& random, int turns)
{
    std::set<std::string> words;
    while (words.size() < 90)
        words.insert(glyph::test::randomLetters(random, 2 + static_cast<int>(random() % 3), "AEINST"));
    auto table = std::make_unique<AiTable>(std::vector<std::string>(words.begin(), words.end()), 9, 9);
    glyph::Game& game = *table->game;
    for (int turn = 0; turn < turns; ++turn) {
        const Move move = moveGenerator(game).bestMove(randomTiles(random, 5));
        if (!move.isPass())
            game.layMove(move, game.board());
    }
    return table;
}

int rackValue(const glyph::Game& game, const std::string& rack)
{
    return glyph::letters::stringValue(game.letterSet(), rack);
}

/// The end by passes as the rules score it: each player loses the points of the tiles held.
int passesEnd(const glyph::Game& game, const std::string& mover, const std::string& other)
{
    return rackValue(game, other) - rackValue(game, mover);
}

int plainSearch(glyph::Game& game, std::string racks[2], int side, int passes, long long& positions);

/// What passing is worth to `side`, both sides playing their best after it.
int passValue(glyph::Game& game, std::string racks[2], int side, int passes, long long& positions)
{
    return passes + 1 >= EndgameSolver::kEndingPasses
               ? passesEnd(game, racks[side], racks[1 - side])
               : -plainSearch(game, racks, 1 - side, passes + 1, positions);
}

/// What laying `move` is worth to `side`, both sides playing their best after it.
int moveValue(glyph::Game& game, std::string racks[2], int side, const Move& move, long long& positions)
{
    const std::string rack = racks[side];
    const std::string kept = game.keptLetters(rack, move);
    const glyph::Board before = game.board();
    game.layMove(move, game.board());
    int value = move.score + 2 * rackValue(game, racks[1 - side]);
    if (!kept.empty()) {
        racks[side] = kept;
        value = move.score - plainSearch(game, racks, 1 - side, 0, positions);
        racks[side] = rack;
    }
    game.board() = before;
    return value;
}

/// Every line of play to the end, without pruning, ordering or memory: the final spread from
/// the mover's side when both sides play their best.
int plainSearch(glyph::Game& game, std::string racks[2], int side, int passes, long long& positions)
{
    ++positions;
    glyph::MoveGenerator& generator = moveGenerator(game);
    generator.generate(racks[side]);
    const std::vector<Move> moves = generator.moves();
    int best = passValue(game, racks, side, passes, positions);
    for (const Move& move : moves)
        if (!move.isPass())
            best = std::max(best, moveValue(game, racks, side, move, positions));
    return best;
}

} // namespace

TEST(EndgameSolver, AgreesWithAPlainFullSearchOnSmallEndings)
{
    std::mt19937 random(2511);
    int searched = 0;
    for (int trial = 0; trial < 40; ++trial) {
        auto table = randomEnding(random, 1 + static_cast<int>(random() % 3));
        glyph::Game& game = *table->game;
        std::string racks[2] = {randomTiles(random, 1 + static_cast<int>(random() % 2)),
                                randomTiles(random, 1 + static_cast<int>(random() % 3))};
        const int passes = static_cast<int>(random() % 3);
        const std::string where = "trial " + std::to_string(trial) + " racks " + racks[0] + "/" + racks[1] +
                                  " passes " + std::to_string(passes);
        long long positions = 0;
        const int expected = plainSearch(game, racks, 0, passes, positions);
        if (positions > 200000)
            continue;
        ++searched;
        glyph::PositionCopy copy;
        EndgameSolver solver(game, copy);
        const EndgameSolver::Result result = solver.solve(racks[0], racks[1], passes);
        ASSERT_TRUE(result.exact) << where;
        EXPECT_EQ(result.value, expected) << where;
        // The move named is worth what the solver says.
        const int value = result.move.isPass() ? passValue(game, racks, 0, passes, positions)
                                               : moveValue(game, racks, 0, result.move, positions);
        EXPECT_EQ(value, expected) << where << " move " << moveKey(result.move);
    }
    EXPECT_GE(searched, 25);
}

TEST(EndgameSolver, PromisesTheSpreadTheRulesGiveWhenBothSidesFollowIt)
{
    std::mt19937 random(77);
    for (int trial = 0; trial < 12; ++trial) {
        auto table = randomEnding(random, 2);
        glyph::Game& game = *table->game;
        glyph::GameClassic& rules = *table->rules;
        table->start(
            {glyph::test::makePlayer("One", "", randomTiles(random, 2 + static_cast<int>(random() % 2))),
             glyph::test::makePlayer("Two", "", randomTiles(random, 2 + static_cast<int>(random() % 2)))});
        while (rules.bag().total() > 0)
            rules.bag().draw(glyph::Bag::kMaxDraw);
        const std::string where = "trial " + std::to_string(trial) + " racks " + rules.players()[0].rack +
                                  "/" + rules.players()[1].rack;
        glyph::PositionCopy copy;
        const EndgameSolver::Result first =
            EndgameSolver(game, copy).solve(rules.players()[0].rack, rules.players()[1].rack, 0);
        ASSERT_TRUE(first.exact) << where;
        const int before = rules.players()[0].score - rules.players()[1].score;
        for (int turn = 0; turn < 40 && !rules.isGameOver(); ++turn) {
            const int mover = rules.currentPlayerIndex();
            const EndgameSolver::Result step =
                EndgameSolver(game, copy)
                    .solve(rules.players()[mover].rack, rules.players()[1 - mover].rack, rules.passCount());
            if (step.move.isPass())
                rules.passOrExchange("", rules.players()[mover].rack);
            else
                ASSERT_TRUE(rules.playMove(step.move)) << where;
        }
        ASSERT_TRUE(rules.isGameOver()) << where;
        EXPECT_EQ(rules.players()[0].score - rules.players()[1].score - before, first.value) << where;
    }
}

// Neither can move: the game ends on passes and each loses the points of the tiles held. A lone
// joker is a tile held, not a player gone out, so its holder gains nothing.
TEST(EndgameSolver, ScoresAnEndOnPassesAsTheRulesDoWithAJokerAlone)
{
    AiTable table({"CAT"});
    glyph::GameClassic& rules = *table.rules;
    table.start({glyph::test::makePlayer("One", "", "["), glyph::test::makePlayer("Two", "", "QZ")});
    while (rules.bag().total() > 0)
        rules.bag().draw(glyph::Bag::kMaxDraw);
    glyph::PositionCopy copy;
    const EndgameSolver::Result result = EndgameSolver(*table.game, copy).solve("[", "QZ", 0);
    ASSERT_TRUE(result.exact);
    EXPECT_TRUE(result.move.isPass());
    for (int turn = 0; turn < 10 && !rules.isGameOver(); ++turn)
        rules.passOrExchange("", rules.currentPlayer().rack);
    ASSERT_TRUE(rules.isGameOver());
    EXPECT_EQ(rules.players()[0].score - rules.players()[1].score, result.value);
    EXPECT_EQ(result.value, rackValue(*table.game, "QZ"));
}

// Stopped at once, the solver still names a legal move: the best of one look at each, where
// a move that does not go out is worth its score less what the tiles left would cost.
TEST(EndgameSolver, StoppedAtOnceStillGivesTheBestMoveOfOneLookAhead)
{
    std::mt19937 random(5);
    auto table = randomEnding(random, 3);
    glyph::Game& game = *table->game;
    const std::string rack = "AEINST[";
    const std::string other = "AEINSTE";
    const std::atomic<bool> stop{true};
    glyph::PositionCopy copy;
    const EndgameSolver::Result result =
        EndgameSolver(game, copy).solve(rack, other, 0, std::chrono::steady_clock::time_point::min(), &stop);
    EXPECT_FALSE(result.exact);
    EXPECT_EQ(result.depth, 1);
    glyph::MoveGenerator& generator = moveGenerator(game);
    generator.generate(rack);
    int best = -EndgameSolver::passEnding(rackValue(game, other), rackValue(game, rack));
    int chosen = result.move.isPass() ? best : INT_MIN;
    for (const Move& move : generator.moves()) {
        if (move.isPass())
            continue;
        const std::string kept = game.keptLetters(rack, move);
        const int value = kept.empty() ? move.score + 2 * rackValue(game, other)
                                       : move.score - passesEnd(game, other, kept);
        best = std::max(best, value);
        if (moveKey(move) == moveKey(result.move))
            chosen = value;
    }
    EXPECT_EQ(result.value, best);
    EXPECT_EQ(chosen, best) << moveKey(result.move);
}
