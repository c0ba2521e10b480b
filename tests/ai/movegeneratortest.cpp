#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/movegenerator.h"
#include "aitable.h"
#include "bruteforcefinder.h"

using glyph::Move;
using glyph::MoveGenerator;
using glyph::test::AiTable;
using glyph::test::bruteForceMoves;
using glyph::test::moveKey;
using glyph::test::putWord;
using glyph::test::randomLetters;

namespace
{

std::vector<std::string> keys(const std::vector<Move>& moves, bool withPass)
{
    std::vector<std::string> result;
    for (const Move& move : moves)
        if (withPass || !move.isPass())
            result.push_back(moveKey(move));
    std::sort(result.begin(), result.end());
    return result;
}

void expectSameMovesAsBruteForce(int rows, int columns, int positions, unsigned seed, bool firstMove)
{
    std::mt19937 random(seed);
    std::set<std::string> words; // so many short words that boards and racks meet many of them
    while (words.size() < 120)
        words.insert(randomLetters(random, 1 + static_cast<int>(random() % 6)));
    AiTable table(std::vector<std::string>(words.begin(), words.end()), rows, columns);
    for (int n = 0; n < positions; ++n) {
        // A quarter of the squares (some jokers) and the centre square hold tiles.
        table.game->board() = glyph::Board{};
        for (int row = 1; row <= rows && !firstMove; ++row)
            for (int column = 1; column <= columns; ++column)
                if (random() % 4 == 0)
                    table.put(row, column, randomLetters(random, 1)[0], random() % 8 == 0);
        if (!firstMove)
            table.put(rows / 2 + 1, columns / 2 + 1, 'A');
        const std::string rack = randomLetters(random, static_cast<int>(random() % 8), "AEST", 10);
        MoveGenerator& generator = moveGenerator(*table.game);
        generator.generate(rack);
        const std::vector<Move> expected = bruteForceMoves(*table.game, words, rack);
        ASSERT_EQ(keys(generator.moves(), false), keys(expected, true))
            << rows << "x" << columns << " position " << n << " rack " << rack;
        EXPECT_EQ(std::count_if(generator.moves().begin(), generator.moves().end(),
                                [](const Move& move) { return move.isPass(); }),
                  1);
    }
}

} // namespace

TEST(MoveGenerator, ListsExactlyTheMovesABruteForceSearchFinds)
{
    expectSameMovesAsBruteForce(15, 15, 40, 1, false);
    expectSameMovesAsBruteForce(7, 7, 40, 2, false);
    expectSameMovesAsBruteForce(5, 20, 30, 3, false);
    expectSameMovesAsBruteForce(20, 5, 30, 4, false);
    expectSameMovesAsBruteForce(9, 1, 30, 5, false);
    expectSameMovesAsBruteForce(1, 9, 30, 6, false);
    expectSameMovesAsBruteForce(29, 29, 6, 7, false);
}

// Words over the centre square: across, and down too unless the board and its premium squares
// are the same turned over along the diagonal (then a word down only mirrors one across).
TEST(MoveGenerator, FirstMoveListsWordsOverTheCentreAndDownOnlyWhereThatDiffers)
{
    expectSameMovesAsBruteForce(15, 15, 30, 11, true);
    expectSameMovesAsBruteForce(5, 20, 20, 12, true);
    expectSameMovesAsBruteForce(4, 3, 20, 13, true);
    expectSameMovesAsBruteForce(9, 1, 20, 14, true);
    expectSameMovesAsBruteForce(29, 29, 10, 15, true);

    // Seven-letter words reach six squares left of the centre, and no further.
    AiTable wide({"ABCDEFG", "BCDEFGA"});
    moveGenerator(*wide.game).generate("ABCDEFG");
    const std::vector<Move> expected = bruteForceMoves(*wide.game, {"ABCDEFG", "BCDEFGA"}, "ABCDEFG");
    EXPECT_EQ(keys(moveGenerator(*wide.game).moves(), false), keys(expected, true));

    // A triple word above the centre of a square board: the best first move goes down over it.
    AiTable lopsided({"CAT", "TAC"});
    for (const char* key : {"MultiLettersX2Key", "MultiLettersX3Key", "MultiWordsX2Key"})
        lopsided.preferences->setString(key, "");
    lopsided.preferences->setString("MultiWordsX3Key", "6 8 |");
    ASSERT_TRUE(lopsided.game->loadSettings());
    const Move top = moveGenerator(*lopsided.game).generate("ACT");
    EXPECT_EQ(keys(moveGenerator(*lopsided.game).moves(), false),
              keys(bruteForceMoves(*lopsided.game, {"CAT", "TAC"}, "ACT"), true));
    EXPECT_FALSE(top.horiz);
    EXPECT_EQ(top.lin * 100 + top.col, 608);
}

TEST(MoveGenerator, ListsAWordAsLongAsTheWidestBoard)
{
    const std::string longWord = "ABCDEFGHIJKLMNOPQRSTUVWXYZABC";
    AiTable table({longWord, "AB"}, 29, 29);
    putWord(table.game->board(), true, 15, 1, longWord.substr(0, 28));
    // Not against the brute-force finder: with a joker on the widest board it takes minutes
    // under the sanitizers.
    const Move best = moveGenerator(*table.game).generate("C[");
    EXPECT_EQ(std::string(best.word), longWord);
    std::set<std::string> found;
    for (const Move& move : moveGenerator(*table.game).moves())
        found.insert(std::string(move.word) + "/" + move.jokers);
    EXPECT_TRUE(found.count(longWord.substr(0, 28) + "[/C"));
}

TEST(MoveGenerator, OrdersByScoreThenSearchOrderWithThePassBeforeTheZeroScores)
{
    // A T at (8,9) makes AT across and ET down, with the same score: across comes first.
    AiTable table({"AT", "ET"});
    table.put(8, 8, 'A');
    table.put(7, 9, 'E');
    MoveGenerator& generator = moveGenerator(*table.game);
    generator.generate("T");
    const auto indexOf = [&](int horiz, const std::string& word) {
        const auto& moves = generator.moves();
        return static_cast<int>(
            std::find_if(moves.begin(), moves.end(),
                         [&](const Move& move) { return move.horiz == horiz && move.word == word; }) -
            moves.begin());
    };
    const int across = indexOf(1, "AT");
    const int down = indexOf(0, "ET");
    ASSERT_TRUE(across < generator.size() && down < generator.size());
    EXPECT_LT(across, down);
    EXPECT_EQ(generator.moveAt(across)->score, generator.moveAt(down)->score);

    // Board tiles that are jokers score nothing, so a joker laid beside them scores 0.
    AiTable jokers({"AT", "TA", "QAT"});
    jokers.put(8, 7, 'A', true);
    jokers.put(8, 8, 'T', true);
    MoveGenerator& sorted = moveGenerator(*jokers.game);
    const Move best = sorted.generate("Q[");
    EXPECT_NE(std::string(best.word).find('Q'), std::string::npos) << best.word;
    const auto& moves = sorted.moves();
    const auto pass =
        std::find_if(moves.begin(), moves.end(), [](const Move& move) { return move.isPass(); });
    ASSERT_TRUE(pass != moves.end() && pass + 1 != moves.end());
    for (auto it = moves.begin(); it != moves.end(); ++it) {
        EXPECT_EQ(it->score > 0, it < pass) << moveKey(*it);
        EXPECT_TRUE(it == moves.begin() || (it - 1)->score >= it->score) << moveKey(*it);
    }

    // The list stays as it is until the next generate or clear.
    jokers.put(9, 9, 'T');
    EXPECT_EQ(moveKey(*sorted.moveAt(0)), moveKey(best));
    EXPECT_EQ(moveKey(sorted.findMoveWithScore(best.score)), moveKey(best)) << "at or below the score";
    // Reordered (as the searches leave it), the list still gives the highest score at or below
    // the one asked for, the first of equal scores.
    std::vector<Move> reordered(moves.rbegin(), moves.rend());
    sorted.replaceMoves(reordered);
    for (const Move& asked : reordered) {
        const Move found = sorted.findMoveWithScore(asked.score);
        const auto first = std::find_if(reordered.begin(), reordered.end(),
                                        [&](const Move& move) { return move.score == asked.score; });
        EXPECT_EQ(moveKey(found), moveKey(*first)) << asked.score;
    }
    EXPECT_TRUE(sorted.findMoveWithScore(-1).isPass());
    // Only a joker: nothing scores, so the pass record comes first and is returned.
    jokers.game->board()[9][9] = {};
    EXPECT_TRUE(sorted.generate("[").isPass());
    EXPECT_GT(sorted.size(), 1);
    sorted.clear();
    EXPECT_EQ(sorted.size(), 0);
}

TEST(MoveGenerator, GivesThePassAloneWithoutADictionaryAndIgnoresTilesBeyondTheBoard)
{
    // A game loaded with a smaller board may keep tiles outside it; they must not be extended.
    AiTable table({"AT", "ATE"}, 9, 9);
    putWord(table.game->board(), true, 5, 8, "ATE");
    moveGenerator(*table.game).generate("E");
    for (const Move& move : moveGenerator(*table.game).moves())
        EXPECT_NE(std::string(move.word), "ATE") << moveKey(move);

    glyph::Preferences preferences(table.dir.file("Other.ini"), &table.view);
    preferences.setString("GameSetKey", table.game->preferences().string("GameSetKey"));
    preferences.setString("GameDictionaryKey", table.dir.file("Missing.dic"));
    glyph::Game bare(preferences, table.view);
    glyph::attachAiPlayers(bare);
    bare.board()[8][8] = glyph::Square{'A', 0};
    EXPECT_TRUE(moveGenerator(bare).generate("AT").isPass());
    EXPECT_EQ(moveGenerator(bare).size(), 1);
}

TEST(MoveGenerator, UsesADictionaryReloadedIntoTheSameObject)
{
    // The generator keeps its own copy of the graph and of the cross-checks: a dictionary loaded
    // into the game's dictionary object must be the one the next generation uses.
    AiTable table({"AT"});
    table.put(8, 8, 'A');
    MoveGenerator& generator = moveGenerator(*table.game);
    EXPECT_EQ(std::string(generator.generate("T").word), "AT");
    glyph::test::DicFileWriter::write(table.dir.file("other.dic"), {"TA"});
    ASSERT_TRUE(table.game->dictionary().load(table.dir.file("other.dic"), true));
    EXPECT_EQ(std::string(generator.generate("T").word), "TA");
}

TEST(MoveGenerator, OrdersScoresWiderThanTheCountingSortHighestFirst)
{
    // With an A worth 1000 the scores span more than the counting sort takes.
    AiTable table({"AA", "AAA", "AAAA", "AAAAA", "AAAAAA", "AAAAAAA"});
    std::string set = glyph::test::letterSetText();
    set.replace(0, set.find('\n'), "9 1000 1");
    table.dir.write("test.set", set);
    table.game->loadSettings();
    MoveGenerator& generator = moveGenerator(*table.game);
    ASSERT_GT(generator.generate("AAAAAAA").score, 10000);
    const auto& moves = generator.moves();
    EXPECT_TRUE(std::is_sorted(moves.begin(), moves.end(),
                               [](const Move& a, const Move& b) { return a.score > b.score; }));
    EXPECT_TRUE(moves.back().isPass());
}
