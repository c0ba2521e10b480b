#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "dictionary/dawgbuilder.h"
#include "dictionary/dictionary.h"
#include "pairwiseoracle.h"
#include "support/dicbytes.h"
#include "support/dicfilewriter.h"
#include "support/recordingview.h"

using glyph::DawgBuilder;
using glyph::Dictionary;
using glyph::test::allWords;
using glyph::test::RecordingView;
using glyph::test::TempDir;
using Words = std::vector<std::string>;

namespace
{

std::string lines(const Words& words)
{
    std::string text;
    for (const std::string& word : words)
        text += word + "\n";
    return text;
}

class Builder : public ::testing::Test
{
protected:
    // Builds the list text into out.dic; returns the builder's result.
    bool buildFrom(const std::string& text, const std::string& author = "Tester")
    {
        builder.setSourcePath(dir.write("list.txt", text));
        builder.setDestinationPath(dir.file("out.dic"));
        builder.setAuthor(author);
        return builder.buildFromWordList();
    }

    void loadOutput()
    {
        ASSERT_TRUE(dictionary.load(dir.file("out.dic"), true));
        ASSERT_TRUE(view.warnings.empty());
    }

    bool outputExists() const { return std::filesystem::exists(dir.file("out.dic")); }

    std::vector<std::string> leftovers() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    RecordingView view;
    Dictionary dictionary{view};
    DawgBuilder builder;
};

} // namespace

TEST(WordNormalisation, UpperCasesAndCutsAtTheFirstNonLetter)
{
    char dont[] = "don't";
    EXPECT_EQ(DawgBuilder::normalizeWord(dont), 3u);
    EXPECT_STREQ(dont, "DON");
    char zebra[] = "Zebra crossing";
    EXPECT_EQ(DawgBuilder::normalizeWord(zebra), 5u);
    EXPECT_STREQ(zebra, "ZEBRA");
    EXPECT_EQ(DawgBuilder::normalizedWord("hello world"), "HELLO");
    EXPECT_EQ(DawgBuilder::normalizedWord("3D"), "");
    EXPECT_EQ(DawgBuilder::normalizedWord(""), "");
    EXPECT_EQ(DawgBuilder::normalizedWord("caf\xC3\xA9"), "CAF");
    EXPECT_EQ(DawgBuilder::normalizedWord("word\r"), "WORD");
}

TEST_F(Builder, ExampleListGivesTheExampleFileByteForByte)
{
    ASSERT_TRUE(buildFrom("an\nin\ntan\n", "Glyphmosaic"));
    EXPECT_EQ(dir.read("out.dic"), glyph::test::exampleDicBytes());
    EXPECT_EQ(builder.wordsInserted(), 3u);
    EXPECT_EQ(builder.nodesNow(), 6u);
    EXPECT_EQ(builder.nodesCreated(), 7u); // root, N under A, I, N under I, T, A and N under T
    EXPECT_EQ(leftovers(), (Words{"list.txt", "out.dic"}));
}

TEST_F(Builder, EmptyListGivesTheRootAndABareA)
{
    ASSERT_TRUE(buildFrom(""));
    const std::string bytes = dir.read("out.dic");
    EXPECT_EQ(bytes, glyph::test::dicBytes({0x04000001, 0x04000000}, 0, "Tester"));
    loadOutput();
    EXPECT_TRUE(allWords(dictionary).empty());
    EXPECT_FALSE(dictionary.contains("A"));
}

TEST_F(Builder, EqualNeighboursAreNotResortedAndCountTwice)
{
    const std::string text = "car\nCat\nCAT\n";
    ASSERT_TRUE(buildFrom(text));
    EXPECT_EQ(dir.read("list.txt"), text);
    EXPECT_EQ(builder.wordsInserted(), 3u);
    loadOutput();
    EXPECT_EQ(dictionary.wordCount(), 3u);
    EXPECT_EQ(allWords(dictionary), (Words{"CAR", "CAT"}));
}

TEST_F(Builder, UnsortedListIsRewrittenSortedOnceWithoutLongWords)
{
    const std::string fifteen(15, 'q');
    const std::string fourteen(14, 'q');
    ASSERT_TRUE(
        buildFrom("zebra\nApple\n" + fifteen + "\napple\n\n3D\n" + fourteen + "\nmango tree\nZEBRA\n"));
    EXPECT_EQ(dir.read("list.txt"), "APPLE\nMANGO\n" + std::string(14, 'Q') + "\nZEBRA\n");
    EXPECT_EQ(builder.wordsInserted(), 4u);
    loadOutput();
    EXPECT_EQ(allWords(dictionary), (Words{"APPLE", "MANGO", std::string(14, 'Q'), "ZEBRA"}));
    EXPECT_EQ(leftovers(), (Words{"list.txt", "out.dic"}));
}

TEST_F(Builder, BoardDimensionSetsTheLengthLimitOfASortedList)
{
    builder.setBoardDimension(5);
    ASSERT_TRUE(buildFrom("dog\nzebra\ncat\nhorse\nmouse\nox\n"));
    EXPECT_EQ(dir.read("list.txt"), "CAT\nDOG\nOX\n");
    loadOutput();
    EXPECT_EQ(allWords(dictionary), (Words{"CAT", "DOG", "OX"}));
}

TEST_F(Builder, SortedListKeepsWordsUpToTwentyNineLetters)
{
    const std::string longest(29, 'B');
    const std::string tooLong(30, 'C');
    ASSERT_TRUE(buildFrom("a\n" + longest + "\n" + tooLong + "\nhello world\n3D\n\nzoo\n"));
    EXPECT_EQ(builder.wordsInserted(), 4u);
    loadOutput();
    EXPECT_EQ(allWords(dictionary), (Words{"A", longest, "HELLO", "ZOO"}));
}

TEST_F(Builder, LongLinesDoNotCostTheRestOfTheList)
{
    const std::string longLine = "abc" + std::string(3000, '-') + "xyz";
    ASSERT_TRUE(buildFrom("able\n" + longLine + "\n" + std::string(2000, 'k') + "\nmoon\nzulu\n"));
    loadOutput();
    EXPECT_EQ(allWords(dictionary), (Words{"ABC", "ABLE", "MOON", "ZULU"}));
    // The same lines in an unsorted list, which is rewritten.
    ASSERT_TRUE(buildFrom("zulu\n" + longLine + "\n" + std::string(150, 'k') + "\nmoon\nable\n"));
    EXPECT_EQ(dir.read("list.txt"), "ABC\nABLE\nMOON\nZULU\n");
}

TEST_F(Builder, IdenticalEndingsShareOneList)
{
    ASSERT_TRUE(buildFrom("cat\ncats\nrat\nrats\n"));
    loadOutput();
    // Root, [A C R], the shared [A] under C and R, [T] and [S].
    EXPECT_EQ(dictionary.nodeCount(), 7u);
    EXPECT_EQ(allWords(dictionary), (Words{"CAT", "CATS", "RAT", "RATS"}));
    const glyph::DawgNode* nodes = dictionary.nodes();
    EXPECT_EQ(glyph::childIndex(nodes[2]), glyph::childIndex(nodes[3])); // C and R
    const glyph::DawgNode a = nodes[glyph::childIndex(nodes[2])];
    const glyph::DawgNode t = nodes[glyph::childIndex(a)];
    EXPECT_EQ(glyph::letter(t), 'T');
    EXPECT_TRUE(glyph::isEndOfWord(t));
    EXPECT_NE(glyph::childIndex(t), 0u);
}

TEST_F(Builder, ListOutOfOrderAfterTheCheckStillGivesAscendingLists)
{
    // Long words are left out of the order check but inserted: ZZ... comes before CAT here.
    ASSERT_TRUE(buildFrom("bat\n" + std::string(20, 'z') + "\ncat\nca" + std::string(18, 'b') + "\n"));
    loadOutput();
    EXPECT_EQ(allWords(dictionary), (Words{"BAT", "CA" + std::string(18, 'B'), "CAT", std::string(20, 'Z')}));
    EXPECT_TRUE(dictionary.contains("CAT"));
    EXPECT_TRUE(dictionary.contains(std::string(20, 'Z').c_str()));
}

TEST_F(Builder, MissingSourceOrUnwritableDestinationFails)
{
    builder.setSourcePath(dir.file("none.txt"));
    builder.setDestinationPath(dir.file("out.dic"));
    EXPECT_FALSE(builder.buildFromWordList());
    EXPECT_FALSE(outputExists());
    builder.setSourcePath(dir.write("list.txt", "cat\n"));
    builder.setDestinationPath(dir.file("no/such/folder/out.dic"));
    EXPECT_FALSE(builder.buildFromWordList());
}

TEST_F(Builder, StopDuringCompactionWritesNothingAndKeepsTheOldFile)
{
    dir.write("out.dic", "old contents");
    std::vector<std::string> statuses;
    builder.setStatusListener([&](const std::string& status) {
        statuses.push_back(status);
        if (status.rfind("Compacting", 0) == 0)
            builder.requestAbort();
    });
    EXPECT_FALSE(buildFrom("cat\ncats\nrat\nrats\n"));
    EXPECT_EQ(dir.read("out.dic"), "old contents");
    EXPECT_EQ(leftovers(), (Words{"list.txt", "out.dic"}));
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.back(), "Compacting(0%)...");

    // The flag is cleared at the start of the next run.
    builder.setStatusListener(nullptr);
    EXPECT_TRUE(buildFrom("cat\n"));
    EXPECT_FALSE(builder.abortRequested());
}

TEST_F(Builder, StopRequestedBeforeTheRunIsForgotten)
{
    builder.requestAbort();
    EXPECT_TRUE(buildFrom("cat\n"));
}

TEST_F(Builder, ExhaustedPoolFailsWithoutTouchingTheDestination)
{
    DawgBuilder small(1); // one block of 32,767 nodes
    dir.write("out.dic", "old contents");
    // 40,000 distinct five-letter words in ascending order: far more than 32,767 nodes.
    Words words;
    for (int i = 0; i < 40000; ++i) {
        std::string word(5, 'A');
        for (int position = 4, rest = i; position >= 0; --position, rest /= 26)
            word[position] = static_cast<char>('A' + rest % 26);
        words.push_back(word);
    }
    small.setSourcePath(dir.write("list.txt", lines(words)));
    small.setDestinationPath(dir.file("out.dic"));
    EXPECT_FALSE(small.buildFromWordList());
    EXPECT_EQ(dir.read("out.dic"), "old contents");
    EXPECT_EQ(leftovers(), (Words{"list.txt", "out.dic"}));
    // The same builder succeeds on a list that fits.
    small.setSourcePath(dir.write("list.txt", "cat\n"));
    EXPECT_TRUE(small.buildFromWordList());
}

class BuilderEdits : public Builder
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(buildFrom("cat\ncats\ndog\n", "Owner"));
        loadOutput();
        original = dir.read("out.dic");
        builder.setDestinationPath(dir.file("out.dic"));
        builder.setAuthor("Owner");
    }

    std::string original;
};

TEST_F(BuilderEdits, AddingASmallerFirstLetterKeepsEveryWord)
{
    ASSERT_TRUE(buildFrom("cat\n"));
    loadOutput();
    ASSERT_TRUE(builder.addWords(dictionary, {"BAT"}));
    loadOutput();
    EXPECT_TRUE(dictionary.contains("BAT"));
    EXPECT_TRUE(dictionary.contains("CAT"));
    EXPECT_EQ(allWords(dictionary), (Words{"BAT", "CAT"}));
}

TEST_F(BuilderEdits, AddedWordsAreMergedInOrderAndBadOnesRefused)
{
    const std::string tooLong(30, 'X');
    ASSERT_TRUE(builder.addWords(dictionary, {"ZOO", "CA", "ANT", "DOGS", "", "lower", "AB1", tooLong}));
    EXPECT_EQ(builder.wordsInserted(), 7u);
    loadOutput();
    EXPECT_EQ(allWords(dictionary), (Words{"ANT", "CA", "CAT", "CATS", "DOG", "DOGS", "ZOO"}));
    EXPECT_EQ(dictionary.author(), "Owner");
}

TEST_F(BuilderEdits, AddingGivesTheSameFileAsBuildingTheWholeList)
{
    ASSERT_TRUE(builder.addWords(dictionary, {"BAT", "COT", "DOT"}));
    const std::string added = dir.read("out.dic");
    ASSERT_TRUE(buildFrom("bat\ncat\ncats\ncot\ndog\ndot\n", "Owner"));
    EXPECT_EQ(added, dir.read("out.dic"));
}

TEST_F(BuilderEdits, DeletingRemovesExactlyTheListedWords)
{
    ASSERT_TRUE(builder.deleteWords(dictionary, {"CAT", "cats", "DO"}));
    EXPECT_EQ(builder.wordsInserted(), 2u);
    loadOutput();
    EXPECT_EQ(allWords(dictionary), (Words{"CATS", "DOG"}));
}

TEST_F(BuilderEdits, DeletingAMissingWordRewritesTheSameDictionary)
{
    ASSERT_TRUE(builder.deleteWords(dictionary, {"HORSE"}));
    EXPECT_EQ(dir.read("out.dic"), original);
    builder.setAuthor("Someone else");
    ASSERT_TRUE(builder.deleteWords(dictionary, {"HORSE"}));
    const std::string renamed = dir.read("out.dic");
    EXPECT_EQ(renamed.substr(56), original.substr(56));
    EXPECT_EQ(renamed.substr(12, 12), std::string("Someone else"));
}

TEST_F(BuilderEdits, UnloadedDictionaryGivesOnlyTheNewWords)
{
    Dictionary empty(view);
    ASSERT_TRUE(builder.addWords(empty, {"OX"}));
    loadOutput();
    EXPECT_EQ(allWords(dictionary), Words{"OX"});
    ASSERT_TRUE(builder.deleteWords(empty, {"OX"}));
    loadOutput();
    EXPECT_TRUE(allWords(dictionary).empty());
}

TEST_F(Builder, AuthorIsCutToTwentyNineCharacters)
{
    ASSERT_TRUE(buildFrom("cat\n", std::string(40, 'w')));
    const std::string bytes = dir.read("out.dic");
    EXPECT_EQ(bytes.substr(12, 29), std::string(29, 'w'));
    EXPECT_EQ(bytes.substr(41, 3), std::string(3, '\0'));
}

namespace
{

// Words over a few letters with shared stems and endings, so that many lists are equal.
Words randomWords(unsigned seed, int count, int alphabet)
{
    std::mt19937 random(seed);
    const Words endings{"", "S", "ED", "ING", "ER", "ERS", "LY"};
    std::set<std::string> words;
    while (static_cast<int>(words.size()) < count) {
        std::string word;
        for (int n = 1 + static_cast<int>(random() % 6); n > 0; --n)
            word += static_cast<char>('A' + random() % alphabet);
        word += endings[random() % endings.size()];
        words.insert(word);
    }
    return Words(words.begin(), words.end());
}

} // namespace

TEST_F(Builder, OutputMatchesThePairwiseComparisonByteForByte)
{
    for (const auto& [seed, count, alphabet] : {std::tuple{1u, 3000, 5}, std::tuple{2u, 4000, 26},
                                                std::tuple{3u, 2000, 3}, std::tuple{4u, 50, 26}}) {
        SCOPED_TRACE(seed);
        const Words words = randomWords(seed, count, alphabet);
        ASSERT_TRUE(buildFrom(lines(words), "Oracle"));
        const std::string expected = glyph::test::PairwiseOracle().build(words, "Oracle");
        EXPECT_EQ(dir.read("out.dic"), expected);
        loadOutput();
        EXPECT_EQ(allWords(dictionary), words);
        EXPECT_EQ(dictionary.nodeCount(), builder.nodesNow());
    }
}

TEST_F(BuilderEdits, EditsKeepEveryWordWhateverTheHeaderCountSays)
{
    // A dictionary whose header claims no words although its graph holds three.
    std::string bytes = dir.read("out.dic");
    std::fill(bytes.begin() + 44, bytes.begin() + 48, '\0');
    const std::string zeroCount = dir.write("zero.dic", bytes);
    ASSERT_TRUE(dictionary.load(zeroCount, true));
    ASSERT_EQ(dictionary.wordCount(), 0u);
    builder.setDestinationPath(zeroCount);

    ASSERT_TRUE(builder.addWords(dictionary, {"EMU"}));
    ASSERT_TRUE(dictionary.load(zeroCount, true));
    EXPECT_EQ(allWords(dictionary), (Words{"CAT", "CATS", "DOG", "EMU"}));
    EXPECT_EQ(dictionary.wordCount(), 4u) << "the header counts the words again";

    std::fill(bytes.begin() + 44, bytes.begin() + 48, '\0');
    ASSERT_TRUE(dictionary.load(dir.write("zero.dic", bytes), true));
    ASSERT_TRUE(builder.deleteWords(dictionary, {"DOG"}));
    ASSERT_TRUE(dictionary.load(zeroCount, true));
    EXPECT_EQ(allWords(dictionary), (Words{"CAT", "CATS"}));
}

TEST_F(BuilderEdits, EditsKeepWordsAsLongAsADictionaryMayHold)
{
    // Words longer than the board (15 and more letters) and longer than new words may be
    // (30 and more), up to the 39 letters a loaded dictionary can hold.
    const Words longWords = {std::string(15, 'L'), std::string(16, 'M') + "S", std::string(29, 'N'),
                             std::string(30, 'P'), std::string(DawgBuilder::kMaxStoredLength, 'Q')};
    const std::string path = dir.file("long.dic");
    ASSERT_TRUE(glyph::test::DicFileWriter::write(path, longWords));
    ASSERT_TRUE(dictionary.load(path, true));
    ASSERT_EQ(allWords(dictionary), longWords);
    builder.setDestinationPath(path);

    ASSERT_TRUE(builder.addWords(dictionary, {"CAT"}));
    ASSERT_TRUE(dictionary.load(path, true));
    Words expected = longWords;
    expected.insert(expected.begin(), "CAT");
    EXPECT_EQ(allWords(dictionary), expected);

    ASSERT_TRUE(builder.deleteWords(dictionary, {"CAT", std::string(29, 'N')}));
    ASSERT_TRUE(dictionary.load(path, true));
    expected.erase(std::find(expected.begin(), expected.end(), std::string(29, 'N')));
    expected.erase(expected.begin());
    EXPECT_EQ(allWords(dictionary), expected);
}

TEST_F(Builder, AWordListMustBeARegularFile)
{
    ASSERT_EQ(::mkfifo(dir.file("fifo.txt").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.file("folder.txt"));
    for (const std::string& source :
         {dir.file("fifo.txt"), dir.file("folder.txt"), std::string("/dev/zero")}) {
        builder.setSourcePath(source);
        builder.setDestinationPath(dir.file("out.dic"));
        EXPECT_FALSE(builder.buildFromWordList()) << source;
        EXPECT_FALSE(outputExists()) << source;
    }
}
