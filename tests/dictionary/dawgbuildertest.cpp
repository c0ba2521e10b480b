#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "dictionary/dawgbuilder.h"
#include "dictionary/dictionary.h"
#include "support/dicbytes.h"
#include "support/dicfilewriter.h"
#include "support/recordingview.h"

using glyph::DawgBuilder;
using glyph::DawgNode;
using glyph::Dictionary;
using glyph::test::allWords;
using Words = std::vector<std::string>;

namespace
{

// A deliberately plain builder to hold the real one to: a letter tree of the words, where each
// child list becomes the first one met that spells the same letters, ends of words and lists
// below it. The first-letter list always starts with A and is never shared.
class PlainBuilder
{
public:
    std::string build(const Words& words, const std::string& author)
    {
        Tree root;
        root.children['A'];
        for (const std::string& word : words) {
            Tree* tree = &root;
            for (char c : word)
                tree = &tree->children[c];
            tree->endOfWord = true;
        }
        number(root.children, false);
        return glyph::test::dicBytes(m_nodes, static_cast<std::uint32_t>(words.size()), author.substr(0, 29));
    }

private:
    struct Tree {
        bool endOfWord = false;
        std::map<char, Tree> children;
    };

    static std::string spell(const std::map<char, Tree>& list)
    {
        std::string text;
        for (const auto& [letter, tree] : list)
            text += letter + std::string(tree.endOfWord ? "." : "") + "(" + spell(tree.children) + ")";
        return text;
    }

    // Gives the list's entries their places, list by list, and returns the first place.
    std::uint32_t number(const std::map<char, Tree>& list, bool shared)
    {
        const std::string text = spell(list);
        if (shared && m_places.count(text) != 0)
            return m_places[text];
        const auto first = static_cast<std::uint32_t>(m_nodes.size());
        if (shared)
            m_places[text] = first;
        for (const auto& [letter, tree] : list)
            m_nodes.push_back(glyph::test::node(letter, &tree == &list.rbegin()->second, tree.endOfWord, 0));
        std::uint32_t place = first;
        for (const auto& [letter, tree] : list) {
            if (!tree.children.empty())
                m_nodes[place] |= number(tree.children, true);
            ++place;
        }
        return first;
    }

    std::vector<DawgNode> m_nodes{glyph::test::kRootNode};
    std::map<std::string, std::uint32_t> m_places;
};

std::string lines(const Words& words)
{
    std::string text;
    for (const std::string& word : words)
        text += word + "\n";
    return text;
}

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
        words.insert(word + endings[random() % endings.size()]);
    }
    return Words(words.begin(), words.end());
}

class Builder : public ::testing::Test
{
protected:
    // Builds the list text into out.dic; returns the builder's result.
    bool buildFrom(const std::string& text, const std::string& author = "Owner")
    {
        builder.setSourcePath(dir.write("list.txt", text));
        builder.setDestinationPath(dir.file("out.dic"));
        builder.setAuthor(author);
        return builder.buildFromWordList();
    }

    // The words of out.dic, which must load without a warning.
    Words builtWords()
    {
        EXPECT_TRUE(dictionary.load(dir.file("out.dic"), true));
        EXPECT_TRUE(view.warnings.empty());
        return allWords(dictionary);
    }

    glyph::test::TempDir dir;
    glyph::test::RecordingView view;
    Dictionary dictionary{view};
    DawgBuilder builder;
};

} // namespace

TEST_F(Builder, OutputMatchesThePlainBuilderByteForByte)
{
    ASSERT_TRUE(buildFrom("an\nin\ntan\n", "Glyphmosaic"));
    EXPECT_EQ(dir.read("out.dic"), glyph::test::exampleDicBytes());
    const std::string longAuthor(40, 'w'); // cut to 29 characters
    for (const auto& [seed, count, alphabet] :
         {std::tuple{1u, 3000, 5}, std::tuple{2u, 4000, 26}, std::tuple{3u, 2000, 3}, std::tuple{4u, 50, 26},
          std::tuple{5u, 0, 1}}) {
        SCOPED_TRACE(seed);
        const Words words = randomWords(seed, count, alphabet);
        ASSERT_TRUE(buildFrom(lines(words), longAuthor));
        EXPECT_EQ(dir.read("out.dic"), PlainBuilder().build(words, longAuthor));
        EXPECT_EQ(builtWords(), words);
        EXPECT_EQ(dictionary.nodeCount(), builder.nodesNow());
    }
}

TEST_F(Builder, WordListIsCutAtNonLettersAndRewrittenSortedOnlyWhenItIsNot)
{
    const std::string q14(14, 'Q'), b29(29, 'B'), z20(20, 'Z'), cab = "CA" + std::string(18, 'B');
    const std::string dashes = "abc" + std::string(3000, '-') + "xyz";
    const struct {
        std::string list;
        int boardDimension;
        bool rewritten; // as the words, one a line
        Words words;
    } cases[] = {
        {"zebra\nApple\nqqqqqqqqqqqqqqq\napple\n\n3D\n" + q14 + "\nmango tree\ndon't\nZEBRA\n",
         15,
         true,
         {"APPLE", "DON", "MANGO", q14, "ZEBRA"}},
        {"caf\xC3\xA9\r\ncar\nCat\nCAT\n", 15, false, {"CAF", "CAR", "CAT"}},
        {"dog\nzebra\ncat\nhorse\nmouse\nox\n", 5, true, {"CAT", "DOG", "OX"}},
        // A sorted list keeps words of up to 29 letters, whatever the board.
        {"a\n" + b29 + "\n" + std::string(30, 'C') + "\nhello world\n3D\n\nzoo\n",
         15,
         false,
         {"A", b29, "HELLO", "ZOO"}},
        {dashes + "\nable\n" + std::string(2000, 'k') + "\nmoon\nzulu\n",
         15,
         false,
         {"ABC", "ABLE", "MOON", "ZULU"}},
        {"zulu\n" + dashes + "\n" + std::string(150, 'k') + "\nmoon\nable\n",
         15,
         true,
         {"ABC", "ABLE", "MOON", "ZULU"}},
        // Long words are left out of the order check but inserted: Z... comes before CAT.
        {"bat\n" + z20 + "\ncat\nca" + std::string(18, 'b') + "\n", 15, false, {"BAT", cab, "CAT", z20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.substr(0, 20));
        builder.setBoardDimension(c.boardDimension);
        ASSERT_TRUE(buildFrom(c.list));
        EXPECT_EQ(dir.read("list.txt"), c.rewritten ? lines(c.words) : c.list);
        EXPECT_EQ(builtWords(), c.words);
        for (const std::string& word : c.words)
            EXPECT_TRUE(dictionary.contains(word.c_str())) << word;
    }
}

TEST_F(Builder, FailedOrStoppedBuildsKeepTheOldFile)
{
    // 40,000 distinct five-letter words: far more than one block of 32,767 nodes holds.
    std::string many;
    for (int i = 0; i < 40000; ++i) {
        for (int power = 26 * 26 * 26 * 26; power > 0; power /= 26)
            many += static_cast<char>('A' + i / power % 26);
        many += '\n';
    }
    DawgBuilder small(1);
    small.setSourcePath(dir.write("many.txt", many));
    dir.write("out.dic", "old contents");
    dir.write("list.txt", "cat\ncats\nrat\nrats\n");
    ASSERT_EQ(::mkfifo(dir.file("fifo.txt").c_str(), 0600), 0);
    auto expectNothingWritten = [this](DawgBuilder& failing, const std::string& why) {
        failing.setDestinationPath(dir.file("out.dic"));
        EXPECT_FALSE(failing.buildFromWordList()) << why;
        EXPECT_EQ(dir.read("out.dic"), "old contents") << why;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4) << why;
    };
    expectNothingWritten(small, "too many nodes");
    for (const std::string& source :
         {dir.file("none.txt"), dir.file("fifo.txt"), dir.path().string(), std::string("/dev/zero")}) {
        builder.setSourcePath(source);
        expectNothingWritten(builder, source);
    }
    builder.setSourcePath(dir.file("list.txt"));
    builder.setStatusListener([this](const std::string& status) {
        if (status.rfind("Compacting", 0) == 0)
            builder.requestAbort();
    });
    expectNothingWritten(builder, "stopped while compacting");
    // A stop is forgotten at the start of the next run; a full pool is emptied.
    builder.setStatusListener(nullptr);
    EXPECT_TRUE(buildFrom("cat\n"));
    EXPECT_FALSE(builder.abortRequested());
    small.setSourcePath(dir.file("list.txt"));
    EXPECT_TRUE(small.buildFromWordList());
    builder.setDestinationPath(dir.file("no/such/folder/out.dic"));
    EXPECT_FALSE(builder.buildFromWordList());
}

TEST_F(Builder, EditsGiveTheFileOfTheResultingList)
{
    // A dictionary whose header claims no words, holding words longer than the board and than new
    // words may be, up to the 39 letters a loaded dictionary can hold.
    const std::string m17 = std::string(16, 'M') + "S", n29(29, 'N'), p30(30, 'P'), q39(39, 'Q');
    ASSERT_TRUE(
        glyph::test::DicFileWriter::write(dir.file("out.dic"), {"CAT", "CATS", "DOG", m17, n29, p30, q39}));
    std::string bytes = dir.read("out.dic");
    std::fill(bytes.begin() + 44, bytes.begin() + 48, '\0');
    dir.write("out.dic", bytes);
    ASSERT_TRUE(dictionary.load(dir.file("out.dic"), true));
    ASSERT_EQ(dictionary.wordCount(), 0u);
    builder.setDestinationPath(dir.file("out.dic"));
    builder.setAuthor("Owner");

    // Words out of order, and words that are refused.
    ASSERT_TRUE(
        builder.addWords(dictionary, {"ZOO", "CA", "ANT", "DOGS", "", "lower", "AB1", std::string(30, 'X')}));
    const Words added{"ANT", "CA", "CAT", "CATS", "DOG", "DOGS", m17, n29, p30, q39, "ZOO"};
    EXPECT_EQ(dir.read("out.dic"), PlainBuilder().build(added, "Owner"));
    EXPECT_EQ(builtWords(), added);
    ASSERT_TRUE(builder.deleteWords(dictionary, {"ZOO", "cats", n29, "CA", "DO", "ANT"}));
    const Words left{"CAT", "CATS", "DOG", "DOGS", m17, p30, q39};
    EXPECT_EQ(dir.read("out.dic"), PlainBuilder().build(left, "Owner"));
    EXPECT_EQ(builtWords(), left);
    builder.setAuthor("Someone else");
    ASSERT_TRUE(builder.deleteWords(dictionary, {"HORSE"}));
    EXPECT_EQ(dir.read("out.dic"), PlainBuilder().build(left, "Someone else"));
    // An unloaded dictionary contributes nothing.
    Dictionary empty(view);
    ASSERT_TRUE(builder.addWords(empty, {"OX"}));
    EXPECT_EQ(builtWords(), Words{"OX"});
}
