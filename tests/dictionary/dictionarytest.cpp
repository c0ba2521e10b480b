// Reading, looking up and walking ".dic" files, and building and editing them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "dictionary/dawgbuilder.h"
#include "dictionary/dawgvalidator.h"
#include "support/readonlyfolder.h"
#include "support/searchfixture.h"

using glyph::DawgBuilder;
using glyph::DawgNode;
using glyph::test::allWords;
using glyph::test::dicBytes;
using glyph::test::DicFileWriter;
using glyph::test::dicHeader;
using glyph::test::exampleDicBytes;
using glyph::test::kRootNode;
using glyph::test::node;
using Words = std::vector<std::string>;

namespace
{

// `count` levels of lists [A], or [A, B] whose entries share the next level: one word of `count`
// letters, or 2^count words from 2 x count nodes.
std::vector<DawgNode> levels(std::uint32_t count, bool shared)
{
    std::vector<DawgNode> nodes{kRootNode};
    for (std::uint32_t level = 1; level <= count; ++level) {
        const auto child = static_cast<std::uint32_t>(level < count ? nodes.size() + (shared ? 2 : 1) : 0);
        if (shared)
            nodes.push_back(node('A', false, level == count, child));
        nodes.push_back(node(shared ? 'B' : 'A', true, level == count, child));
    }
    return nodes;
}

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

class DictionaryFiles : public glyph::test::DictionaryFixture
{
protected:
    // Loads a path that must be refused and returns the one warning given.
    std::string refusal(const std::string& file)
    {
        view.warnings.clear();
        EXPECT_FALSE(dictionary.load(file, true)) << file;
        return view.warnings.size() == 1 ? view.warnings[0]
                                         : std::to_string(view.warnings.size()) + " warnings";
    }

    // Builds the list text into out.dic; returns the builder's result.
    bool buildFrom(const std::string& text, const std::string& author = "Owner")
    {
        builder.setSourcePath(folder.write("list.txt", text));
        builder.setDestinationPath(folder.file("out.dic"));
        builder.setAuthor(author);
        return builder.buildFromWordList();
    }

    // The words of out.dic, which must load.
    Words builtWords()
    {
        EXPECT_TRUE(dictionary.load(folder.file("out.dic"), true));
        return allWords(dictionary);
    }

    DawgBuilder builder;
};

} // namespace

TEST_F(DictionaryFiles, LoadsTheExampleAndRefusesUnreadableOrCorruptedFiles)
{
    EXPECT_FALSE(dictionary.load("")) << "an empty path is no path already loaded";
    const std::string whole = exampleDicBytes();
    const std::string good = folder.write("good.dic", whole);
    ASSERT_TRUE(dictionary.load(good));
    for (const char* word : {"TAN", "", "an", "TA", "\xC1N", "A\xFF"})
        EXPECT_EQ(dictionary.contains(word), std::string(word) == "TAN") << word;
    for (const std::string& path :
         {folder.file("missing.dic"), folder.path().string(), std::string("/dev/zero")})
        EXPECT_EQ(refusal(path), "Can't open " + path + " for reading");
    // No terminator after the signature.
    const std::string noTerminator = folder.write("bad.dic", whole.substr(0, 11) + "!" + whole.substr(12));
    EXPECT_EQ(refusal(noTerminator), "Invalid " + noTerminator + " file");
    EXPECT_EQ(allWords(dictionary), (Words{"AN", "IN", "TAN"}));

    // The same path is not read again unless forced.
    folder.write("good.dic", "not a dictionary");
    EXPECT_TRUE(dictionary.load(good));
    EXPECT_EQ(refusal(good), "Invalid " + good + " file");

    // An author field without terminator stops at its end.
    ASSERT_TRUE(dictionary.load(
        folder.write("author.dic", whole.substr(0, 12) + std::string(32, 'x') + whole.substr(44))));
    EXPECT_EQ(dictionary.author(), std::string(32, 'x'));
    // Shared lists expanding to the largest tree a builder could make.
    EXPECT_TRUE(dictionary.load(folder.write("wide.dic", dicBytes(levels(21, true)))));
    // A path as deep as the deepest allowed (deeper is refused below).
    EXPECT_TRUE(dictionary.load(folder.write("deep.dic", dicBytes(levels(39, false)))));

    const std::string files[] = {
        // Cut inside the signature, short of a whole header, one byte short of the nodes.
        whole.substr(0, 4), whole.substr(0, 55), whole.substr(0, whole.size() - 1),
        // Counts that the file cannot hold or that disagree.
        dicHeader("Glyphmosaic", 0, 5, 20), dicHeader("Glyphmosaic", 0, 0xFFFFFFFFu, 0xFFFFFFFCu),
        dicHeader("Glyphmosaic", 3, 6, 28) + whole.substr(56) + std::string(4, '\0'),
        // No first-letter list, or a root entry that is not last or points elsewhere.
        dicBytes({}), dicBytes({kRootNode}),
        dicBytes({0x04000002, node('A', true, true, 0), node('B', true, true, 0)}),
        dicBytes({0x00000001, node('A', true, true, 0)}),
        // A list running off the end, lists out of order or with a letter twice, letter code 26.
        dicBytes({kRootNode, node('A', false, true, 0), node('B', false, true, 0)}),
        dicBytes({kRootNode, node('C', false, true, 0), node('A', true, true, 0)}),
        dicBytes({kRootNode, node('A', false, true, 0), node('A', true, true, 0)}),
        dicBytes({kRootNode, (26u << 27) | glyph::test::kLastFlag | glyph::test::kEndOfWordFlag}),
        // Cycles: through the first-letter list, and through the middle of it.
        dicBytes({kRootNode, node('A', true, true, 1)}),
        dicBytes(
            {kRootNode, node('A', false, false, 3), node('C', true, false, 3), node('B', true, true, 2)}),
        // Paths deeper than 39 letters, and shared lists expanding past the largest buildable tree.
        dicBytes(levels(40, false)), dicBytes(levels(22, true))};
    const std::string bad = folder.file("bad.dic");
    for (const std::string& bytes : files) {
        SCOPED_TRACE(&bytes - files);
        ASSERT_TRUE(dictionary.load(folder.write("good.dic", whole), true));
        EXPECT_EQ(refusal(folder.write("bad.dic", bytes)), "Corrupted data in " + bad + " file");
        EXPECT_TRUE(dictionary.fileName().empty());
        EXPECT_EQ(dictionary.nodes(), nullptr);
        // The failed path is read again rather than taken as already loaded.
        EXPECT_FALSE(dictionary.load(bad));
    }
    // A child at the node count is refused even when the memory after the nodes would read as
    // a sound list (in a file, that memory is past the end of what was read: checked here, as a
    // file would be read out of bounds).
    const std::vector<glyph::DawgNode> past = {kRootNode, node('A', true, false, 2),
                                               node('B', true, true, 0)};
    EXPECT_TRUE(glyph::DawgValidator::isSound(past.data(), 3));
    EXPECT_FALSE(glyph::DawgValidator::isSound(past.data(), 2));
}

TEST_F(DictionaryFiles, BuildsMatchThePlainBuilderAndUnsortedListsAreRewrittenKeepingEveryLine)
{
    ASSERT_TRUE(buildFrom("an\nin\ntan\n", "Glyphmosaic"));
    EXPECT_EQ(folder.read("out.dic"), exampleDicBytes());
    // Lines that are no words, to stay where they are in a list the build sorts.
    const Words others{
        "# my words",           "cat's", "ice-cream", "r\xC3\xA9sum\xC3\xA9", std::string(34, 'L'),
        std::string(3000, '-'), "3D",    ""};
    const std::string longAuthor(40, 'w'); // cut to 29 characters
    std::mt19937 random(11);
    for (const auto& [seed, count, alphabet] :
         {std::tuple{1u, 3000, 5}, std::tuple{2u, 4000, 26}, std::tuple{3u, 2000, 3}, std::tuple{4u, 50, 26},
          std::tuple{5u, 0, 1}}) {
        SCOPED_TRACE(seed);
        // The words in mixed case, some twice, shuffled among the other lines.
        const Words words = randomWords(seed, count, alphabet);
        Words list;
        for (const std::string& word : words) {
            std::string line = word;
            if (random() % 2 == 0)
                std::transform(line.begin(), line.end(), line.begin(), [](char c) { return c - 'A' + 'a'; });
            list.push_back(line);
            if (random() % 10 == 0)
                list.push_back(word);
        }
        list.insert(list.end(), others.begin(), others.end());
        std::shuffle(list.begin(), list.end(), random);
        ASSERT_TRUE(buildFrom(lines(list), longAuthor));
        EXPECT_EQ(folder.read("out.dic"), DicFileWriter::bytes(words, longAuthor));
        EXPECT_EQ(builtWords(), words);
        EXPECT_EQ(builder.linesLeftOut(), others.size() - 1);
        // Each word is found, and a letter more or less is found exactly when that is a word too.
        for (const std::string& word : words)
            for (const std::string& other : {word, word.substr(0, word.size() - 1), word + "A", word + "S"})
                EXPECT_EQ(dictionary.contains(other.c_str()),
                          std::binary_search(words.begin(), words.end(), other));

        // The list rewritten: the same lines, the other lines where they were, the words in order.
        const std::string rewritten = folder.read("list.txt");
        std::istringstream stream(rewritten);
        Words read;
        for (std::string line; std::getline(stream, line);)
            read.push_back(line);
        ASSERT_EQ(read.size(), list.size());
        EXPECT_TRUE(std::is_permutation(read.begin(), read.end(), list.begin()));
        std::string previous;
        for (std::size_t i = 0; i < read.size(); ++i) {
            const std::string word = DawgBuilder::listWord(read[i]);
            if (word.empty()) {
                EXPECT_EQ(read[i], list[i]);
            } else {
                EXPECT_LE(previous, word);
                previous = word;
            }
        }
        // The next build finds the list sorted and leaves it alone.
        ASSERT_TRUE(buildFrom(rewritten));
        EXPECT_EQ(folder.read("list.txt"), rewritten);
    }

    // A line is a word when, without blanks and line ends around it, it is 1 to 29 letters; a
    // sorted list (other lines aside) is left as it is, whatever its case and duplicates.
    const std::string b29(29, 'B'), c30(30, 'C'), mark = "\xEF\xBB\xBF";
    const struct {
        std::string list;
        std::string rewritten; // empty when the list stays as it was
        Words words;
        unsigned leftOut;
    } cases[] = {
        {"caf\xC3\xA9\r\ncar\r\nCat\nCAT\n", "", {"CAR", "CAT"}, 1},
        {"a\n" + b29 + "\n" + c30 + "\nhello world\n3D\n\n \t\nzoo\n", "", {"A", b29, "ZOO"}, 3},
        {"zulu\n  moon\t\nable", "able\n  moon\t\nzulu\n", {"ABLE", "MOON", "ZULU"}, 0},
        // A UTF-8 byte-order mark before the first word is no part of it, and stays first.
        {mark + "apple\nbanana\ncherry\n", "", {"APPLE", "BANANA", "CHERRY"}, 0},
        {mark + "zebra\ncat\n", mark + "cat\nzebra\n", {"CAT", "ZEBRA"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.substr(0, 20));
        ASSERT_TRUE(buildFrom(c.list));
        EXPECT_EQ(folder.read("list.txt"), c.rewritten.empty() ? c.list : c.rewritten);
        EXPECT_EQ(builder.linesLeftOut(), c.leftOut);
        EXPECT_EQ(builtWords(), c.words);
        EXPECT_EQ(dictionary.wordCount(), c.words.size()) << "a word given twice counts once";
    }
}

TEST_F(DictionaryFiles, FailedOrStoppedBuildsKeepTheOldFile)
{
    // 40,000 words need far more nodes than one block of 32,767 holds.
    DawgBuilder small(1);
    small.setSourcePath(folder.write("many.txt", lines(randomWords(6, 40000, 26))));
    folder.write("out.dic", "old contents");
    folder.write("list.txt", "cat\ncats\nrat\nrats\n");
    using Failure = DawgBuilder::Failure;
    auto expectNothingWritten = [this](DawgBuilder& failing, Failure why) {
        SCOPED_TRACE(static_cast<int>(why));
        failing.setDestinationPath(folder.file("out.dic"));
        EXPECT_FALSE(failing.buildFromWordList());
        EXPECT_EQ(failing.failure(), why);
        EXPECT_EQ(folder.read("out.dic"), "old contents");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
    };
    expectNothingWritten(small, Failure::FullPool);
    for (const std::string& source :
         {folder.file("none.txt"), folder.path().string(), std::string("/dev/zero")}) {
        SCOPED_TRACE(source);
        builder.setSourcePath(source);
        expectNothingWritten(builder, Failure::UnreadableSource);
    }
    builder.setSourcePath(folder.file("list.txt"));
    builder.setStatusListener([this](const std::string& status) {
        if (status.rfind("Compacting", 0) == 0)
            builder.requestAbort();
    });
    expectNothingWritten(builder, Failure::Stopped);
    // A stop holds until it is cleared, also for a run that had not begun when it was asked
    // for: that run touches nothing, not even an unsorted list.
    builder.setStatusListener(nullptr);
    folder.write("list.txt", "rats\nrat\ncats\ncat\n");
    expectNothingWritten(builder, Failure::Stopped);
    EXPECT_EQ(folder.read("list.txt"), "rats\nrat\ncats\ncat\n");
    // Once cleared, the next run builds; a full pool is emptied.
    builder.clearAbortRequest();
    EXPECT_TRUE(buildFrom("cat\n"));
    EXPECT_EQ(builder.failure(), Failure::None);
    small.setSourcePath(folder.file("list.txt"));
    EXPECT_TRUE(small.buildFromWordList());
    builder.setDestinationPath(folder.file("no/such/folder/out.dic"));
    EXPECT_FALSE(builder.buildFromWordList());
    EXPECT_EQ(builder.failure(), Failure::UnwritableDestination);
}

TEST_F(DictionaryFiles, AnUnsortedListThatCannotBeRewrittenIsBuiltAsItsWordsSortedAndStaysAsItWas)
{
    const std::string list = "zebra\n# pets\ncat\ndog\ncat\n";
    const std::filesystem::path locked = folder.path() / "locked";
    const glyph::test::ReadOnlyFolder readOnly(
        locked, [&](const std::filesystem::path& path) { std::ofstream(path / "list.txt") << list; });
    if (!readOnly.isLocked())
        GTEST_SKIP() << "no folder this user cannot write (root where no tmpfs may be mounted)";
    builder.setSourcePath((locked / "list.txt").string());
    builder.setDestinationPath(folder.file("out.dic"));
    builder.setAuthor("Owner");
    ASSERT_TRUE(builder.buildFromWordList()) << static_cast<int>(builder.failure());
    EXPECT_TRUE(builder.listLeftUnsorted());
    EXPECT_EQ(builder.linesLeftOut(), 1u);
    EXPECT_EQ(folder.read("out.dic"), DicFileWriter::bytes({"CAT", "DOG", "ZEBRA"}, "Owner"));
    EXPECT_EQ(folder.read("locked/list.txt"), list);
    // A list that could be rewritten, or needed no rewriting, says nothing of the kind.
    ASSERT_TRUE(buildFrom(list));
    EXPECT_FALSE(builder.listLeftUnsorted());
    EXPECT_EQ(folder.read("list.txt"), "cat\n# pets\ncat\ndog\nzebra\n");
}

TEST_F(DictionaryFiles, EditsGiveTheFileOfTheResultingList)
{
    // A header that claims no words; words longer than the board, than new words, up to 39 letters.
    const std::string m17 = std::string(16, 'M') + "S", n29(29, 'N'), p30(30, 'P'), q39(39, 'Q');
    ASSERT_TRUE(DicFileWriter::write(folder.file("out.dic"), {"CAT", "CATS", "DOG", m17, n29, p30, q39}));
    const std::string bytes = folder.read("out.dic");
    ASSERT_TRUE(dictionary.load(
        folder.write("out.dic", bytes.substr(0, 44) + std::string(4, '\0') + bytes.substr(48)), true));
    builder.setDestinationPath(folder.file("out.dic"));
    builder.setAuthor("Owner");

    // Words out of order, words already there or given twice (counted once), and words refused.
    ASSERT_TRUE(builder.addWords(
        dictionary, {"ZOO", "CA", "ANT", "DOGS", "CAT", "ZOO", "", "lower", "AB1", std::string(30, 'X')}));
    const Words added{"ANT", "CA", "CAT", "CATS", "DOG", "DOGS", m17, n29, p30, q39, "ZOO"};
    EXPECT_EQ(folder.read("out.dic"), DicFileWriter::bytes(added, "Owner"));
    EXPECT_EQ(builtWords(), added); // and the edits go on from the file as written
    ASSERT_TRUE(builder.deleteWords(dictionary, {"ZOO", "cats", n29, "CA", "DO", "ANT", "HORSE"}));
    const Words left{"CAT", "CATS", "DOG", "DOGS", m17, p30, q39};
    EXPECT_EQ(folder.read("out.dic"), DicFileWriter::bytes(left, "Owner"));
    // An unloaded dictionary contributes nothing.
    glyph::Dictionary empty(view);
    ASSERT_TRUE(builder.addWords(empty, {"OX"}));
    EXPECT_EQ(builtWords(), Words{"OX"});
}
