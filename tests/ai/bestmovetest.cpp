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
using glyph::test::AiTable;
using glyph::test::moveKey;
using glyph::test::randomLetters;

namespace
{

std::string randomSquares(std::mt19937& random, int rows, int columns, int count)
{
    std::string text;
    for (; count > 0; --count)
        text += std::to_string(1 + random() % rows) + " " + std::to_string(1 + random() % columns) + " |";
    return text;
}

LeaveValues randomLeaves(std::mt19937& random, const glyph::LetterSet& set)
{
    LeaveValues leaves = LeaveValues::handWritten(set);
    std::uniform_real_distribution<double> value(-12.0, 12.0);
    for (int code = 0; code < glyph::kLetterCount; ++code) {
        leaves.setTileValue(code, value(random));
        leaves.setDuplicateValue(code, value(random));
    }
    for (int vowels = 0; vowels <= LeaveValues::kMaxBalance; ++vowels)
        for (int consonants = 0; consonants <= LeaveValues::kMaxBalance; ++consonants)
            leaves.setBalanceValue(vowels, consonants, value(random));
    for (int first = 0; first < glyph::kLetterCount; ++first)
        for (int second = first + 1; second < glyph::kLetterCount; ++second)
            leaves.setPairValue(first, second, value(random));
    return leaves;
}

// The best of the full list by score plus the value of the letters each move keeps.
double bestEquityOfList(const glyph::Game& game, const MoveGenerator& generator, const std::string& rack,
                        const LeaveValues& leaves, std::set<std::string>& bestKeys)
{
    double best = 0;
    bool found = false;
    std::vector<std::pair<double, std::string>> scored;
    for (const Move& move : generator.moves()) {
        if (move.isPass() || move.score <= 0)
            continue;
        const double equity = move.score + leaves.value(game.keptLetters(rack, move));
        scored.emplace_back(equity, moveKey(move));
        if (!found || equity > best)
            best = equity;
        found = true;
    }
    for (const auto& [equity, key] : scored)
        if (std::fabs(equity - best) < 1e-9)
            bestKeys.insert(key);
    return best;
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
    AiTable table(std::vector<std::string>(words.begin(), words.end()), rows, columns);
    table.preferences->setString("MultiWordsX2Key",
                                 randomSquares(random, rows, columns, rows * columns / 12));
    table.preferences->setString("MultiWordsX3Key",
                                 randomSquares(random, rows, columns, rows * columns / 20));
    table.preferences->setString("MultiLettersX2Key",
                                 randomSquares(random, rows, columns, rows * columns / 10));
    table.preferences->setString("MultiLettersX3Key",
                                 randomSquares(random, rows, columns, rows * columns / 15));
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
            if (random() % 2 == 0)
                rack[0] = '[';
        }
        const LeaveValues leaves = randomLeaves(random, game.letterSet());
        const std::string where = std::to_string(rows) + "x" + std::to_string(columns) + " turn " +
                                  std::to_string(turn) + " rack " + rack;

        const Move byScore = generator.bestMove(rack);
        const Move byEquity = generator.bestMove(rack, leaves);
        const double equity = generator.bestEquity();
        const Move top = generator.generate(rack);
        ASSERT_EQ(moveKey(byScore), moveKey(top)) << where;

        std::set<std::string> bestKeys;
        const double expected = bestEquityOfList(game, generator, rack, leaves, bestKeys);
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
