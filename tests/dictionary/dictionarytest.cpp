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
using glyph::test::kRootNode;
using glyph::test::node;
using Words = std::vector<std::string>;

namespace
{

// A dictionary of a single word of `length` letters A, one node list per letter.
std::vector<glyph::DawgNode> chainOfLetters(std::uint32_t length)
{
    std::vector<glyph::DawgNode> nodes{kRootNode};
    for (std::uint32_t i = 1; i <= length; ++i)
        nodes.push_back(node('A', true, i == length, i == length ? 0 : i + 1));
    return nodes;
}

// `levels` lists [A, B] whose two entries share the next level: 2^levels words of `levels`
// letters from 2 x levels nodes.
std::vector<glyph::DawgNode> binaryLevels(std::uint32_t levels)
{
    std::vector<glyph::DawgNode> nodes{kRootNode};
    for (std::uint32_t level = 0; level < levels; ++level) {
        const auto child = static_cast<std::uint32_t>(level + 1 < levels ? nodes.size() + 2 : 0);
        nodes.push_back(node('A', false, level + 1 == levels, child));
        nodes.push_back(node('B', true, level + 1 == levels, child));
    }
    return nodes;
}

class DictionaryLoad : public ::testing::Test
{
protected:
    // Loads a path that must be refused and returns the one warning given.
    std::string refusal(const std::string& path)
    {
        view.warnings.clear();
        EXPECT_FALSE(dictionary.load(path, true)) << path;
        return view.warnings.size() == 1 ? view.warnings[0]
                                         : std::to_string(view.warnings.size()) + " warnings";
    }

    glyph::test::TempDir dir;
    glyph::test::RecordingView view;
    Dictionary dictionary{view};
};

} // namespace

TEST_F(DictionaryLoad, SoundEdgeCasesWalkTheWordsThatLookUpFinds)
{
    const std::pair<std::vector<glyph::DawgNode>, Words> cases[] = {
        // N ends a word and has a child list.
        {{kRootNode, node('A', true, false, 2), node('N', false, true, 4), node('T', true, true, 0),
          node('T', true, true, 0)},
         {"AN", "ANT", "AT"}},
        // A one-letter word, and B's list pointing back into the middle of the first-letter list.
        {{kRootNode, node('A', false, false, 3), node('C', true, true, 0), node('B', true, true, 2)},
         {"AB", "ABC", "C"}},
        {chainOfLetters(39), {std::string(39, 'A')}}, // the deepest path a dictionary may hold
    };
    for (const auto& [nodes, words] : cases) {
        ASSERT_TRUE(dictionary.load(dir.write("sound.dic", dicBytes(nodes)), true));
        EXPECT_EQ(allWords(dictionary), words);
        // Each word is found, and a letter more or less is found exactly when that is a word too.
        for (const std::string& word : words) {
            EXPECT_TRUE(dictionary.contains(word.c_str())) << word;
            for (const std::string& other :
                 {word.substr(0, word.size() - 1), word + "A", word + "C", word + "T"})
                EXPECT_EQ(dictionary.contains(other.c_str()),
                          std::count(words.begin(), words.end(), other) == 1)
                    << other;
        }
    }
    // Shared lists expanding to the largest tree a builder could make.
    EXPECT_TRUE(dictionary.load(dir.write("ok.dic", dicBytes(binaryLevels(21)))));
    // An author field without terminator stops at its end.
    std::string bytes = exampleDicBytes();
    std::fill(bytes.begin() + 12, bytes.begin() + 44, 'x');
    ASSERT_TRUE(dictionary.load(dir.write("author.dic", bytes)));
    EXPECT_EQ(dictionary.author(), std::string(32, 'x'));
}

TEST_F(DictionaryLoad, ExampleLoadsAndUnreadableOrForeignFilesKeepIt)
{
    EXPECT_FALSE(dictionary.contains("A")) << "nothing loaded yet";
    EXPECT_FALSE(dictionary.load("")) << "an empty path is no path already loaded";
    const std::string good = dir.write("good.dic", exampleDicBytes());
    ASSERT_TRUE(dictionary.load(good));
    EXPECT_EQ(dictionary.author(), "Glyphmosaic");
    EXPECT_EQ(dictionary.wordCount(), 3u);
    EXPECT_EQ(dictionary.nodeCount(), 6u);
    for (const char* word : {"TAN", "", "an", "TA", "\xC1N", "A\xFF"})
        EXPECT_EQ(dictionary.contains(word), std::string(word) == "TAN") << word;
    ASSERT_EQ(::mkfifo(dir.file("fifo.dic").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.file("folder.dic"));
    for (const std::string& path :
         {dir.file("missing.dic"), dir.file("fifo.dic"), dir.file("folder.dic"), std::string("/dev/zero")})
        EXPECT_EQ(refusal(path), "Can't open " + path + " for reading");
    std::string bytes = exampleDicBytes();
    bytes[11] = '!'; // no terminator after the signature
    const std::string noTerminator = dir.write("bad.dic", bytes);
    EXPECT_EQ(refusal(noTerminator), "Invalid " + noTerminator + " file");
    const std::string foreign = dir.write("foreign.dic", "Glyph!");
    EXPECT_EQ(refusal(foreign), "Invalid " + foreign + " file");
    EXPECT_EQ(dictionary.fileName(), good);
    EXPECT_EQ(allWords(dictionary), (Words{"AN", "IN", "TAN"}));

    // The same path is not read again unless forced.
    dir.write("good.dic", "not a dictionary");
    EXPECT_TRUE(dictionary.load(good));
    EXPECT_TRUE(dictionary.contains("TAN"));
    EXPECT_EQ(refusal(good), "Invalid " + good + " file");
}

TEST_F(DictionaryLoad, CorruptedFilesAreRefusedAndLeaveNothingLoaded)
{
    const std::string whole = exampleDicBytes();
    const std::string good = dir.write("good.dic", whole);
    const std::string files[] = {
        // Cut inside the signature, short of a whole header, one byte short of the nodes.
        whole.substr(0, 4), whole.substr(0, 55), whole.substr(0, whole.size() - 1),
        // Counts that the file cannot hold or that disagree.
        dicHeader("Glyphmosaic", 0, 5, 20), dicHeader("Glyphmosaic", 0, 0xFFFFFFFFu, 0xFFFFFFFCu),
        dicHeader("Glyphmosaic", 3, 6, 28) + whole.substr(56) + std::string(4, '\0'),
        // Child indexes at or beyond the node count, also when more bytes follow.
        dicBytes({kRootNode, node('A', true, true, 2)}),
        dicBytes({kRootNode, node('A', true, false, 0x1FFFFFF)}),
        dicHeader("x", 1, 2, 8) + dicBytes({kRootNode, node('A', true, false, 2), 0}).substr(56),
        // No first-letter list, or a root entry that is not last or points elsewhere.
        dicBytes({}), dicBytes({kRootNode}),
        dicBytes({0x04000002, node('A', true, true, 0), node('B', true, true, 0)}),
        dicBytes({0x00000001, node('A', true, true, 0)}),
        // A list running off the end, lists out of order or with a letter twice, letter code 26.
        dicBytes({kRootNode, node('A', false, true, 0), node('B', false, true, 0)}),
        dicBytes({kRootNode, node('C', false, true, 0), node('A', true, true, 0)}),
        dicBytes({kRootNode, node('A', false, true, 0), node('A', true, true, 0)}),
        dicBytes({kRootNode, (26u << 27) | glyph::test::kLastFlag | glyph::test::kEndOfWordFlag}),
        // Cycles: through the first-letter list, through the middle of it, within one list.
        dicBytes({kRootNode, node('A', true, true, 1)}),
        dicBytes(
            {kRootNode, node('A', false, false, 3), node('C', true, false, 3), node('B', true, true, 2)}),
        dicBytes(
            {kRootNode, node('A', true, false, 2), node('B', false, true, 0), node('C', true, false, 2)}),
        // Paths deeper than 39 letters, and shared lists expanding past the largest buildable tree.
        dicBytes(chainOfLetters(40), 1), dicBytes(binaryLevels(22)), dicBytes(binaryLevels(39))};
    const std::string bad = dir.file("bad.dic");
    for (const std::string& bytes : files) {
        SCOPED_TRACE(&bytes - files);
        ASSERT_TRUE(dictionary.load(good, true));
        EXPECT_EQ(refusal(dir.write("bad.dic", bytes)), "Corrupted data in " + bad + " file");
        EXPECT_TRUE(dictionary.fileName().empty());
        EXPECT_EQ(dictionary.nodes(), nullptr);
        EXPECT_EQ(dictionary.wordCount(), 0u);
        EXPECT_FALSE(dictionary.contains("AN"));
        // The failed path is read again rather than taken as already loaded.
        EXPECT_FALSE(dictionary.load(bad));
    }
}

// The English dictionary shipped in dist/: a list made for word games, not a spelling list full of
// abbreviations that the computer players would lay for big scores.
TEST_F(DictionaryLoad, ShippedEnglishHoldsTheGameTwoLetterWordsAndNoAbbreviations)
{
    ASSERT_TRUE(dictionary.load(GLYPH_DIST_DIR "/Dictionaries/English.dic"));
    EXPECT_GT(dictionary.wordCount(), 200000u);
    for (const char* word : {"QI", "ZA", "XU", "AA", "ZO", "QUIXOTIC"})
        EXPECT_TRUE(dictionary.contains(word)) << word;
    for (const char* abbreviation : {"BD", "CF", "QT", "QL", "HP", "TV"})
        EXPECT_FALSE(dictionary.contains(abbreviation)) << abbreviation;
}
