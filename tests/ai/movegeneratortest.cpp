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
using glyph::test::putWord;
using glyph::test::bruteForceMoves;
using glyph::test::moveKey;

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

// Random words over a few letters, so that boards and racks meet many of them.
std::set<std::string> randomWords(std::mt19937& random, int count, int maxLength, const std::string& alphabet)
{
    std::set<std::string> words;
    std::uniform_int_distribution<int> length(1, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    while (static_cast<int>(words.size()) < count) {
        std::string word;
        for (int n = length(random); n > 0; --n)
            word += alphabet[pick(random)];
        words.insert(word);
    }
    return words;
}

std::string randomRack(std::mt19937& random, const std::string& alphabet)
{
    std::string rack;
    const int size = std::uniform_int_distribution<int>(0, 7)(random);
    for (int i = 0; i < size; ++i) {
        const bool joker = std::uniform_int_distribution<int>(0, 9)(random) == 0;
        rack += joker ? '['
                      : alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
    }
    return rack;
}

// Scatters tiles (some jokers) over the board, always covering the centre square.
void scatterTiles(std::mt19937& random, AiTable& table, const std::string& alphabet, int percent)
{
    glyph::Game& game = *table.game;
    for (int row = 1; row <= game.rows(); ++row)
        for (int column = 1; column <= game.columns(); ++column)
            if (std::uniform_int_distribution<int>(0, 99)(random) < percent)
                table.put(
                    row, column,
                    alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)],
                    std::uniform_int_distribution<int>(0, 7)(random) == 0);
    table.put(game.rows() / 2 + 1, game.columns() / 2 + 1, alphabet[0]);
}

void expectSameMovesAsBruteForce(int rows, int columns, int positions, unsigned seed, bool firstMove)
{
    std::mt19937 random(seed);
    const std::string alphabet = "AEST";
    const std::set<std::string> words = randomWords(random, 120, 6, alphabet);
    AiTable table(std::vector<std::string>(words.begin(), words.end()), rows, columns);
    for (int n = 0; n < positions; ++n) {
        table.game->board() = glyph::Board{};
        if (!firstMove)
            scatterTiles(random, table, alphabet, 25);
        const std::string rack = randomRack(random, alphabet);
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

TEST(MoveGenerator, FirstMoveListsOnlyAcrossWordsOverTheCentreOnAnyBoardSize)
{
    expectSameMovesAsBruteForce(15, 15, 30, 11, true);
    expectSameMovesAsBruteForce(5, 20, 20, 12, true);
    expectSameMovesAsBruteForce(4, 3, 20, 13, true);
    expectSameMovesAsBruteForce(9, 1, 20, 14, true);
    expectSameMovesAsBruteForce(29, 29, 10, 15, true);

    // Seven-letter words reach six squares left of the centre, and no further.
    AiTable wide({"ABCDEFG", "BCDEFGA"});
    moveGenerator(*wide.game).generate("ABCDEFG");
    std::set<std::string> found;
    for (const Move& move : moveGenerator(*wide.game).moves())
        found.insert(std::to_string(move.horiz) + std::to_string(move.lin) + "," + std::to_string(move.col) +
                     move.word);
    for (int column = 2; column <= 8; ++column)
        EXPECT_EQ(found.count("18," + std::to_string(column) + "ABCDEFG"), 1u) << column;
    EXPECT_EQ(found.size(), 1u + 2 * 7) << "both words at seven places, and the pass";
}

TEST(MoveGenerator, ListsAWordAsLongAsTheWidestBoard)
{
    const std::string longWord = "ABCDEFGHIJKLMNOPQRSTUVWXYZABC";
    ASSERT_EQ(longWord.size(), 29u);
    AiTable table({longWord, "AB"}, 29, 29);
    putWord(table.game->board(), true, 15, 1, longWord.substr(0, 28));
    const Move best = moveGenerator(*table.game).generate("C[");
    EXPECT_EQ(std::string(best.word), longWord);
    EXPECT_EQ(best.col, 1);
    EXPECT_EQ(best.lin, 15);
    std::set<std::string> found;
    for (const Move& move : moveGenerator(*table.game).moves())
        found.insert(std::string(move.word) + "/" + move.jokers);
    EXPECT_TRUE(found.count(longWord + "/"));
    EXPECT_TRUE(found.count(longWord.substr(0, 28) + "[/C"));
}

TEST(MoveGenerator, ListsBothTheLetterAndTheJokerVersionOfAWord)
{
    AiTable table({"AB", "BA"});
    moveGenerator(*table.game).generate("AB[");
    std::set<std::string> found;
    for (const Move& move : moveGenerator(*table.game).moves())
        found.insert(std::string(move.word) + "/" + move.jokers);
    for (const char* expected : {"AB/", "[B/A", "A[/B", "BA/", "[A/B", "B[/A"})
        EXPECT_TRUE(found.count(expected)) << expected;
}

TEST(MoveGenerator, ListsAOneTileMoveOnceAcrossAndOnceDownWithTheSameScore)
{
    // A T at (8,9) makes AT across and ET down.
    AiTable table({"AT", "ET"});
    table.put(8, 8, 'A');
    table.put(7, 9, 'E');
    MoveGenerator& generator = moveGenerator(*table.game);
    generator.generate("T");
    int across = -1;
    int down = -1;
    for (int i = 0; i < generator.size(); ++i) {
        const Move& move = *generator.moveAt(i);
        if (move.horiz == 1 && move.lin == 8 && move.col == 8 && std::string(move.word) == "AT")
            across = i;
        if (move.horiz == 0 && move.lin == 7 && move.col == 9 && std::string(move.word) == "ET")
            down = i;
    }
    ASSERT_GE(across, 0);
    ASSERT_GE(down, 0);
    EXPECT_LT(across, down);
    EXPECT_EQ(generator.moveAt(across)->score, generator.moveAt(down)->score);
    EXPECT_GT(generator.moveAt(across)->score, 0);
}

TEST(MoveGenerator, SortsByScoreKeepingTheOrderOfEqualScoresAndThePassBeforeZeroScores)
{
    // Board tiles that are jokers score nothing, so a joker laid beside them scores 0.
    AiTable table({"AT", "TA", "QAT"});
    table.put(8, 7, 'A', true);
    table.put(8, 8, 'T', true);
    MoveGenerator& generator = moveGenerator(*table.game);
    const Move best = generator.generate("Q[");
    const auto& moves = generator.moves();
    for (std::size_t i = 1; i < moves.size(); ++i)
        EXPECT_GE(moves[i - 1].score, moves[i].score);
    EXPECT_NE(std::string(best.word).find('Q'), std::string::npos) << best.word;
    auto pass = std::find_if(moves.begin(), moves.end(), [](const Move& move) { return move.isPass(); });
    ASSERT_NE(pass, moves.end());
    for (auto it = moves.begin(); it != pass; ++it)
        EXPECT_GT(it->score, 0);
    ASSERT_NE(pass + 1, moves.end());
    for (auto it = pass + 1; it != moves.end(); ++it)
        EXPECT_EQ(it->score, 0) << it->word;

    // Only the joker: nothing scores, so the pass record comes first and is returned.
    const Move onlyJoker = generator.generate("[");
    EXPECT_TRUE(onlyJoker.isPass());
    EXPECT_EQ(onlyJoker.col, -1);
    EXPECT_GT(generator.size(), 1);
    // Equal scores keep the order of the search: across moves before down moves.
    bool seenDown = false;
    for (int i = 1; i < generator.size(); ++i) {
        seenDown = seenDown || generator.moveAt(i)->horiz == 0;
        EXPECT_FALSE(seenDown && generator.moveAt(i)->horiz == 1);
    }
}

TEST(MoveGenerator, AnEmptyRackOrNoMoveGivesThePassRecordOnly)
{
    AiTable table({"AT"});
    table.put(8, 8, 'A');
    MoveGenerator& generator = moveGenerator(*table.game);
    EXPECT_TRUE(generator.generate("").isPass());
    ASSERT_EQ(generator.size(), 1);
    EXPECT_TRUE(generator.moveAt(0)->isPass());
    EXPECT_EQ(generator.moveAt(1), nullptr);
    EXPECT_EQ(generator.moveAt(-1), nullptr);
    generator.generate("QQ");
    EXPECT_EQ(generator.size(), 1);
}

TEST(MoveGenerator, WithoutADictionaryGivesThePassRecordOnly)
{
    AiTable table({"AT"});
    glyph::Preferences preferences(table.dir.file("Other.ini"), &table.view);
    preferences.setString("GameSetKey", table.game->preferences().string("GameSetKey"));
    preferences.setString("GameDictionaryKey", table.dir.file("Missing.dic"));
    glyph::Game bare(preferences, table.view);
    glyph::attachAiPlayers(bare);
    ASSERT_EQ(bare.dictionary().nodes(), nullptr);
    bare.board()[8][8] = glyph::Square{'A', 0};
    EXPECT_TRUE(moveGenerator(bare).generate("AT").isPass());
    EXPECT_EQ(moveGenerator(bare).size(), 1);
}

TEST(MoveGenerator, IgnoresTilesLeftBeyondTheBoardSize)
{
    // A game loaded with a smaller board may keep tiles outside it; they must not be extended.
    AiTable table({"AT", "ATE"}, 9, 9);
    putWord(table.game->board(), true, 5, 8, "AT");
    table.put(5, 10, 'E');
    moveGenerator(*table.game).generate("E");
    for (const Move& move : moveGenerator(*table.game).moves())
        EXPECT_NE(std::string(move.word), "ATE") << moveKey(move);
}

TEST(MoveGenerator, KeepsTheListUntilTheNextGenerateOrClear)
{
    AiTable table({"AT", "TA"});
    MoveGenerator& generator = moveGenerator(*table.game);
    const Move best = generator.generate("AT");
    const int size = generator.size();
    ASSERT_GT(size, 1);
    table.put(8, 8, 'T');
    EXPECT_EQ(generator.size(), size);
    EXPECT_EQ(moveKey(*generator.moveAt(0)), moveKey(best));
    EXPECT_EQ(moveKey(generator.findMoveWithScore(1000)), moveKey(best));
    EXPECT_TRUE(generator.findMoveWithScore(-1).isPass());
    const Move lower = generator.findMoveWithScore(best.score - 1);
    EXPECT_LT(lower.score, best.score);
    generator.clear();
    EXPECT_EQ(generator.size(), 0);
}
