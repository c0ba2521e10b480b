#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/dictionary.h"
#include "support/dicbytes.h"
#include "support/recordingview.h"

using glyph::Dictionary;
using glyph::test::allWords;
using glyph::test::dicBytes;
using glyph::test::dicHeader;
using glyph::test::exampleDicBytes;
using glyph::test::node;
using glyph::test::RecordingView;
using glyph::test::TempDir;
using Words = std::vector<std::string>;

namespace
{

// A dictionary of a single word of `length` letters A, one node list per letter.
std::vector<glyph::DawgNode> chainOfLetters(std::uint32_t length)
{
    std::vector<glyph::DawgNode> nodes{glyph::test::kRootNode};
    for (std::uint32_t i = 1; i <= length; ++i)
        nodes.push_back(node('A', true, i == length, i == length ? 0 : i + 1));
    return nodes;
}

class DictionaryLoad : public ::testing::Test
{
protected:
    // Loads hand-made bytes; expects a failure with exactly the one given warning.
    void expectRefused(const std::string& bytes, const char* format)
    {
        const std::string path = dir.write("bad.dic", bytes);
        view.warnings.clear();
        EXPECT_FALSE(dictionary.load(path, true));
        ASSERT_EQ(view.warnings.size(), 1u);
        char expected[1024];
        std::snprintf(expected, sizeof expected, format, path.c_str());
        EXPECT_EQ(view.warnings[0], expected);
    }

    void expectCorrupted(const std::string& bytes)
    {
        expectRefused(bytes, "Corrupted data in %s file");
        EXPECT_TRUE(dictionary.fileName().empty());
        EXPECT_EQ(dictionary.nodeCount(), 0u);
        EXPECT_EQ(dictionary.wordCount(), 0u);
        EXPECT_EQ(dictionary.nodes(), nullptr);
        EXPECT_FALSE(dictionary.contains("AN"));
        EXPECT_TRUE(allWords(dictionary).empty());
    }

    TempDir dir;
    RecordingView view;
    Dictionary dictionary{view};
};

} // namespace

TEST(Dictionary, UnloadedDictionaryHasDefaultsFindsNothingAndWalksNothing)
{
    RecordingView view;
    Dictionary dictionary(view);
    EXPECT_EQ(dictionary.fileName(), "");
    EXPECT_EQ(dictionary.author(), "Glyphmosaic");
    EXPECT_EQ(dictionary.wordCount(), 0u);
    EXPECT_EQ(dictionary.nodeCount(), 0u);
    EXPECT_EQ(dictionary.nodes(), nullptr);
    EXPECT_FALSE(dictionary.contains("A"));
    EXPECT_TRUE(allWords(dictionary).empty());
    dictionary.forEachWord(nullptr, nullptr);
    EXPECT_TRUE(view.warnings.empty());
}

TEST_F(DictionaryLoad, ExampleFileLoadsWithItsHeaderAndArray)
{
    const std::string path = dir.write("example.dic", exampleDicBytes());
    ASSERT_TRUE(dictionary.load(path));
    EXPECT_TRUE(view.warnings.empty());
    EXPECT_EQ(dictionary.fileName(), path);
    EXPECT_EQ(dictionary.author(), "Glyphmosaic");
    EXPECT_EQ(dictionary.wordCount(), 3u);
    ASSERT_EQ(dictionary.nodeCount(), 6u);
    const std::vector<glyph::DawgNode> expected{0x04000001, 0x00000004, 0x40000004,
                                                0x9C000005, 0x6E000000, 0x04000004};
    EXPECT_EQ(std::vector<glyph::DawgNode>(dictionary.nodes(), dictionary.nodes() + 6), expected);
    const glyph::DawgNode t = dictionary.nodes()[3];
    EXPECT_EQ(glyph::letter(t), 'T');
    EXPECT_TRUE(glyph::isLast(t));
    EXPECT_FALSE(glyph::isEndOfWord(t));
    EXPECT_EQ(glyph::childIndex(t), 5u);
    EXPECT_TRUE(glyph::isEndOfWord(dictionary.nodes()[4]));
}

TEST_F(DictionaryLoad, ExampleAnswersEveryLookup)
{
    ASSERT_TRUE(dictionary.load(dir.write("example.dic", exampleDicBytes())));
    for (const char* word : {"AN", "IN", "TAN"})
        EXPECT_TRUE(dictionary.contains(word)) << word;
    for (const char* word : {"A", "TA", "ANT", "B", "Z", "", "an", "N", "TANS", "\xC1N", "A\xFF"})
        EXPECT_FALSE(dictionary.contains(word)) << word;
}

TEST_F(DictionaryLoad, ExampleWalksInAlphabeticalOrderAndPassesTheContext)
{
    ASSERT_TRUE(dictionary.load(dir.write("example.dic", exampleDicBytes())));
    EXPECT_EQ(allWords(dictionary), (Words{"AN", "IN", "TAN"}));
    dictionary.forEachWord(nullptr, nullptr); // runs for its cost alone
}

TEST_F(DictionaryLoad, WordThatAlsoHasLongerExtensionsIsFoundAndReportedBothWays)
{
    // AN, ANT, AT: N is an end of word with a child list [T].
    const std::vector<glyph::DawgNode> nodes{glyph::test::kRootNode, node('A', true, false, 2),
                                             node('N', false, true, 4), node('T', true, true, 0),
                                             node('T', true, true, 0)};
    ASSERT_TRUE(dictionary.load(dir.write("ant.dic", dicBytes(nodes, 3))));
    EXPECT_TRUE(dictionary.contains("AN"));
    EXPECT_TRUE(dictionary.contains("ANT"));
    EXPECT_TRUE(dictionary.contains("AT"));
    EXPECT_FALSE(dictionary.contains("ANTS"));
    EXPECT_EQ(allWords(dictionary), (Words{"AN", "ANT", "AT"}));
}

TEST_F(DictionaryLoad, SamePathIsNotReadAgainUnlessForced)
{
    const std::string path = dir.write("same.dic", exampleDicBytes());
    ASSERT_TRUE(dictionary.load(path));
    dir.write("same.dic", "not a dictionary");
    EXPECT_TRUE(dictionary.load(path));
    EXPECT_TRUE(view.warnings.empty());
    EXPECT_TRUE(dictionary.contains("TAN"));

    EXPECT_FALSE(dictionary.load(path, true));
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0], "Invalid " + path + " file");

    dir.write("same.dic", dicBytes({glyph::test::kRootNode, node('B', true, true, 0)}, 1, "Me"));
    EXPECT_TRUE(dictionary.load(path, true));
    EXPECT_EQ(dictionary.author(), "Me");
    EXPECT_TRUE(dictionary.contains("B"));
    EXPECT_FALSE(dictionary.contains("TAN"));
}

TEST_F(DictionaryLoad, MissingFileIsReportedAndKeepsTheLoadedDictionary)
{
    const std::string good = dir.write("good.dic", exampleDicBytes());
    ASSERT_TRUE(dictionary.load(good));
    const std::string missing = dir.file("missing.dic");
    EXPECT_FALSE(dictionary.load(missing));
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0], "Can't open " + missing + " for reading");
    EXPECT_EQ(dictionary.fileName(), good);
    EXPECT_EQ(allWords(dictionary), (Words{"AN", "IN", "TAN"}));
}

TEST_F(DictionaryLoad, EmptyPathBeforeAnyLoadIsAFailureNotTheSamePath)
{
    EXPECT_FALSE(dictionary.load(""));
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0], "Can't open  for reading");
}

TEST_F(DictionaryLoad, BadSignatureKeepsTheOldDictionaryUsable)
{
    const std::string good = dir.write("good.dic", exampleDicBytes());
    ASSERT_TRUE(dictionary.load(good));
    std::string bytes = exampleDicBytes();
    bytes[0] = 'g';
    expectRefused(bytes, "Invalid %s file");
    bytes = exampleDicBytes();
    bytes[11] = '!'; // no terminator after the name
    expectRefused(bytes, "Invalid %s file");
    expectRefused("Glyph!", "Invalid %s file");
    EXPECT_EQ(dictionary.fileName(), good);
    EXPECT_EQ(dictionary.nodeCount(), 6u);
    EXPECT_TRUE(dictionary.contains("TAN"));
    EXPECT_EQ(allWords(dictionary), (Words{"AN", "IN", "TAN"}));
}

TEST_F(DictionaryLoad, SignatureIsComparedAsTextUpToItsTerminator)
{
    std::string bytes = exampleDicBytes();
    bytes[0] = 'G';
    bytes[11] = '\0';
    ASSERT_TRUE(dictionary.load(dir.write("ok.dic", bytes)));
    EXPECT_TRUE(dictionary.contains("AN"));
}

TEST_F(DictionaryLoad, TruncatedFileIsCorruptedAndLeavesNothingLoaded)
{
    const std::string whole = exampleDicBytes();
    const std::string good = dir.write("good.dic", whole);
    // Inside the signature, just short of a whole header, and one byte short of the nodes.
    for (const std::size_t length : {std::size_t{4}, std::size_t{55}, whole.size() - 1}) {
        SCOPED_TRACE(length);
        ASSERT_TRUE(dictionary.load(good, true));
        expectCorrupted(whole.substr(0, length));
        // The failed path is read again rather than taken as already loaded.
        view.warnings.clear();
        EXPECT_FALSE(dictionary.load(dir.file("bad.dic")));
        EXPECT_EQ(view.warnings.size(), 1u);
    }
    ASSERT_TRUE(dictionary.load(dir.write("whole.dic", whole)));
}

TEST_F(DictionaryLoad, HeaderWithNodeCountFiveAndNoDataIsCorrupted)
{
    expectCorrupted(dicHeader("Glyphmosaic", 0, 5, 20));
}

TEST_F(DictionaryLoad, DataSizeBeyondTheNodeCountIsCorrupted)
{
    std::string bytes =
        dicHeader("Glyphmosaic", 3, 6, 28) + exampleDicBytes().substr(56) + std::string(4, '\0');
    expectCorrupted(bytes);
    expectCorrupted(dicHeader("Glyphmosaic", 0, 0xFFFFFFFFu, 0xFFFFFFFCu));
}

TEST_F(DictionaryLoad, ChildIndexesAtOrBeyondTheNodeCountAreCorrupted)
{
    using glyph::test::kRootNode;
    expectCorrupted(dicBytes({kRootNode, node('A', true, true, 2)}));
    expectCorrupted(dicBytes({kRootNode, node('A', true, false, 0x1FFFFFF)}));
    // The array holds more bytes than the node count announces: still out of range.
    expectCorrupted(dicHeader("x", 1, 2, 8) + dicBytes({kRootNode, node('A', true, false, 2), 0}).substr(56));
}

TEST_F(DictionaryLoad, MalformedArraysAreCorrupted)
{
    using glyph::test::kRootNode;
    expectCorrupted(dicBytes({}));
    expectCorrupted(dicBytes({kRootNode}));
    expectCorrupted(dicBytes({0x04000002, node('A', true, true, 0), node('B', true, true, 0)}));
    expectCorrupted(dicBytes({0x00000001, node('A', true, true, 0)}));
    // A list without its last flag runs off the end of the array.
    expectCorrupted(dicBytes({kRootNode, node('A', false, true, 0), node('B', false, true, 0)}));
    // Lists must ascend, each letter once, or look-ups would miss words that the walk reports.
    expectCorrupted(dicBytes({kRootNode, node('C', false, true, 0), node('A', true, true, 0)}));
    expectCorrupted(dicBytes({kRootNode, node('A', false, true, 0), node('A', true, true, 0)}));
    // Letter codes 26 to 31 do not name a letter.
    expectCorrupted(
        dicBytes({kRootNode, (26u << 27) | glyph::test::kLastFlag | glyph::test::kEndOfWordFlag}));
}

TEST_F(DictionaryLoad, CyclesAreCorrupted)
{
    using glyph::test::kRootNode;
    // A's child list is the first-letter list itself: AAAA... never ends.
    expectCorrupted(dicBytes({kRootNode, node('A', true, true, 1)}));
    // B points back into the middle of the first-letter list, whose C leads to B again.
    expectCorrupted(dicBytes(
        {kRootNode, node('A', false, false, 3), node('C', true, false, 3), node('B', true, true, 2)}));
    // Without the way back from C it is a sound dictionary of AB and ABC.
    ASSERT_TRUE(
        dictionary.load(dir.write("ok.dic", dicBytes({kRootNode, node('A', false, false, 3),
                                                      node('C', true, true, 0), node('B', true, true, 2)}))));
    EXPECT_EQ(allWords(dictionary), (Words{"AB", "ABC", "C"}));
    // A list whose second entry leads back to its first entry.
    expectCorrupted(dicBytes(
        {kRootNode, node('A', true, false, 2), node('B', false, true, 0), node('C', true, false, 2)}));
}

TEST_F(DictionaryLoad, PathsOfThirtyNineLettersLoadButDeeperOnesAreCorrupted)
{
    ASSERT_TRUE(dictionary.load(dir.write("deep.dic", dicBytes(chainOfLetters(39), 1))));
    const std::string longest(39, 'A');
    EXPECT_TRUE(dictionary.contains(longest.c_str()));
    EXPECT_FALSE(dictionary.contains((longest + "A").c_str()));
    EXPECT_EQ(allWords(dictionary), Words{longest});
    expectCorrupted(dicBytes(chainOfLetters(40), 1));
    expectCorrupted(dicBytes(chainOfLetters(1000), 1));
}

namespace
{

// `levels` lists [A, B] whose two entries share the next level: 2^levels words of `levels`
// letters from 2 x levels nodes.
std::vector<glyph::DawgNode> binaryLevels(std::uint32_t levels)
{
    std::vector<glyph::DawgNode> nodes{glyph::test::kRootNode};
    for (std::uint32_t level = 0; level < levels; ++level) {
        const auto child = static_cast<std::uint32_t>(level + 1 < levels ? nodes.size() + 2 : 0);
        nodes.push_back(node('A', false, level + 1 == levels, child));
        nodes.push_back(node('B', true, level + 1 == levels, child));
    }
    return nodes;
}

} // namespace

TEST_F(DictionaryLoad, SharedListsLoadAndWalkWhenTheirTreeCouldBeBuilt)
{
    ASSERT_TRUE(dictionary.load(dir.write("wide.dic", dicBytes(binaryLevels(12)))));
    EXPECT_TRUE(dictionary.contains(std::string(12, 'B').c_str()));
    EXPECT_TRUE(dictionary.contains((std::string(5, 'A') + std::string(7, 'B')).c_str()));
    EXPECT_FALSE(dictionary.contains(std::string(11, 'B').c_str()));
    const Words words = allWords(dictionary);
    ASSERT_EQ(words.size(), 4096u);
    EXPECT_EQ(words.front(), std::string(12, 'A'));
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
}

TEST_F(DictionaryLoad, SharedListsExpandingBeyondAnyBuildableTreeAreCorrupted)
{
    // 2^39 words from 78 nodes: a walk would never end.
    expectCorrupted(dicBytes(binaryLevels(39)));
    // 22 levels expand to 8,388,606 tree nodes, just past the builder's 8,388,352.
    expectCorrupted(dicBytes(binaryLevels(22)));
    ASSERT_TRUE(dictionary.load(dir.write("ok.dic", dicBytes(binaryLevels(21)))));
}

TEST_F(DictionaryLoad, AuthorFieldWithoutTerminatorStopsAtItsEnd)
{
    std::string bytes = exampleDicBytes();
    for (std::size_t i = 12; i < 44; ++i)
        bytes[i] = 'x';
    ASSERT_TRUE(dictionary.load(dir.write("author.dic", bytes)));
    EXPECT_EQ(dictionary.author(), std::string(32, 'x'));
}

TEST_F(DictionaryLoad, FoldersFifosAndDevicesAreNotOpenedAsDictionaries)
{
    ASSERT_TRUE(dictionary.load(dir.write("ok.dic", exampleDicBytes())));
    ASSERT_EQ(::mkfifo(dir.file("fifo.dic").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.file("folder.dic"));
    for (const std::string& path : {dir.file("fifo.dic"), dir.file("folder.dic"), std::string("/dev/zero")}) {
        view.warnings.clear();
        EXPECT_FALSE(dictionary.load(path, true)) << path;
        ASSERT_EQ(view.warnings.size(), 1u) << path;
        EXPECT_EQ(view.warnings[0], "Can't open " + path + " for reading");
        EXPECT_TRUE(dictionary.contains("TAN")) << "the loaded dictionary stays";
    }
}
