#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/leavevalues.h"
#include "ai/movegenerator.h"
#include "aitable.h"
#include "bruteforcefinder.h"

using glyph::LeaveValues;
using glyph::Move;
using glyph::MoveGenerator;
using glyph::test::moveKey;
using glyph::test::randomLetters;

namespace
{

// The keys of the moves of the full list with the best score plus value of the letters kept.
std::set<std::string> bestOfList(const glyph::Game& game, const MoveGenerator& generator,
                                 const std::string& rack, const LeaveValues& leaves, double& best)
{
    const auto equity = [&](const Move& move) {
        return move.score + leaves.value(game.keptLetters(rack, move));
    };
    best = -1e300;
    for (const Move& move : generator.moves())
        if (move.score > 0)
            best = std::max(best, equity(move));
    std::set<std::string> keys;
    for (const Move& move : generator.moves())
        if (move.score > 0 && std::fabs(equity(move) - best) < 1e-9)
            keys.insert(moveKey(move));
    return keys;
}

// Positions built by playing: each turn lays the best move (or takes a few tiles back), so
// the generator's kept cross-checks are updated around the changes; a generator that
// computes everything afresh must list the same moves.
void expectBestMatchesTopOfList(int rows, int columns, int turns, unsigned seed)
{
    std::mt19937 random(seed);
    std::set<std::string> words;
    while (words.size() < 150)
        words.insert(randomLetters(random, 1 + static_cast<int>(random() % 6)));
    // Some seven-letter words, and racks made of them, so that moves earn the bonus.
    std::vector<std::string> longWords;
    while (longWords.size() < 12) {
        longWords.push_back(randomLetters(random, 7));
        words.insert(longWords.back());
    }
    glyph::test::AiTable table(std::vector<std::string>(words.begin(), words.end()), rows, columns);
    for (const auto& [key, squaresPer] :
         {std::pair{"MultiWordsX2Key", 12}, std::pair{"MultiWordsX3Key", 20},
          std::pair{"MultiLettersX2Key", 10}, std::pair{"MultiLettersX3Key", 15}}) {
        std::string squares;
        for (int n = rows * columns / squaresPer; n > 0; --n)
            squares +=
                std::to_string(1 + random() % rows) + " " + std::to_string(1 + random() % columns) + " |";
        table.preferences->setString(key, squares);
    }
    table.preferences->setInteger("GameBonusKey", static_cast<int>(random() % 60));
    ASSERT_TRUE(table.game->loadSettings());
    // Tile values of either sign, a joker worth something now and then.
    for (int code = 0; code < glyph::kLetterCount; ++code)
        table.game->letterSet().entryAt(code).value =
            static_cast<std::int16_t>(static_cast<int>(random() % 14) - 3);
    glyph::Game& game = *table.game;
    MoveGenerator& generator = moveGenerator(game);
    for (int turn = 0; turn < turns; ++turn) {
        std::string rack = randomLetters(random, static_cast<int>(random() % 8), "AEST", 6);
        if (random() % 3 == 0) {
            rack = longWords[random() % longWords.size()];
            std::shuffle(rack.begin(), rack.end(), random);
            // One joker or two: a seven-tile move then needs a word with any letters in their place.
            if (random() % 2 == 0)
                rack[0] = '[';
            if (random() % 4 == 0)
                rack[1] = '[';
        }
        LeaveValues leaves = glyph::test::randomLeaveValues(random, game.letterSet(), 12.0);
        glyph::test::addRandomCorrections(random, leaves, "AEST", 12.0, 60);
        const std::string where = std::to_string(rows) + "x" + std::to_string(columns) + " turn " +
                                  std::to_string(turn) + " rack " + rack;

        const Move byScore = generator.bestMove(rack);
        const Move byEquity = generator.bestMove(rack, leaves);
        const double equity = generator.bestEquity();
        const Move top = generator.generate(rack);
        ASSERT_EQ(moveKey(byScore), moveKey(top)) << where;

        double expected = 0;
        const std::set<std::string> bestKeys = bestOfList(game, generator, rack, leaves, expected);
        if (bestKeys.empty()) {
            EXPECT_TRUE(byEquity.isPass()) << where;
        } else {
            EXPECT_NEAR(equity, expected, 1e-9) << where;
            EXPECT_EQ(bestKeys.count(moveKey(byEquity)), 1u) << where << " " << moveKey(byEquity);
        }

        MoveGenerator fresh(game);
        fresh.generate(rack);
        ASSERT_EQ(fresh.size(), generator.size()) << where;
        for (int k = 0; k < fresh.size(); ++k)
            ASSERT_EQ(moveKey(*fresh.moveAt(k)), moveKey(*generator.moveAt(k))) << where;

        // Lay a move, or now and then take a few tiles back or lay a stray one.
        if (random() % 5 == 0) {
            for (int k = 0; k < 3; ++k)
                table.game->board()[1 + random() % rows][1 + random() % columns] = glyph::Square{};
        } else if (random() % 7 == 0) {
            table.put(1 + static_cast<int>(random() % rows), 1 + static_cast<int>(random() % columns),
                      "AEST"[random() % 4], random() % 3 == 0);
        } else if (!top.isPass()) {
            game.layMove(top, game.board());
        }
    }
}

} // namespace

TEST(BestMove, IsTheTopOfTheFullListByScoreAndByLeaveOnEveryBoardShape)
{
    expectBestMatchesTopOfList(15, 15, 60, 11);
    expectBestMatchesTopOfList(7, 7, 40, 12);
    expectBestMatchesTopOfList(5, 20, 40, 13);
    expectBestMatchesTopOfList(20, 5, 40, 14);
    expectBestMatchesTopOfList(9, 1, 20, 15);
    expectBestMatchesTopOfList(1, 9, 20, 16);
    expectBestMatchesTopOfList(29, 29, 60, 17);
    expectBestMatchesTopOfList(2, 3, 20, 18);
}

// A rack of seven tiles spells a word only with the letters its jokers stand for: the bound that
// rules out the seven-tile moves spelling no word must try every letter in their place, the same
// one for both jokers too.
TEST(BestMove, FindsTheSevenTileMoveWhateverLettersTheJokersStandFor)
{
    // Short words too, so that the search has a move in hand to prune with before the long one.
    glyph::test::AiTable table({"ZANZIBAR", "AB", "AN", "AR", "BA", "NA", "ZA"});
    table.put(8, 8, 'A');
    MoveGenerator& generator = moveGenerator(*table.game);
    const std::string tiles = "ZNZIBAR"; // the word less the A on the board
    for (std::size_t i = 0; i < tiles.size(); ++i)
        for (std::size_t j = i; j < tiles.size(); ++j) {
            std::string rack = tiles;
            rack[i] = '[';
            rack[j] = '[';
            const Move top = generator.generate(rack);
            ASSERT_GE(top.score, table.game->bonus()) << rack;
            EXPECT_EQ(moveKey(generator.bestMove(rack)), moveKey(top)) << rack;
        }
}
