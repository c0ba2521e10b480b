#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "support/toolrun.h"

using glyph::test::quoted;
using glyph::test::ToolRun;

namespace
{

class Glyphdict : public ::testing::Test
{
protected:
    // A game folder with Dictionaries/words.dic built from an unsorted list, and Sets/English.set
    // whose values are 1 for every letter but C (3) and V (4).
    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "Dictionaries");
        std::filesystem::create_directories(dir.path() / "Sets");
        std::string set;
        for (char c = 'A'; c <= '['; ++c)
            set += std::string("1 ") + "113111111111111111111411110"[c - 'A'] +
                   (std::strchr("AEIOU", c) ? " 1\n" : " 0\n");
        dir.write("Sets/English.set", set);
        const std::string list = dir.write("words.txt", "tan\nan\nin\nact\ncat\nlevel\nnoon\nvat\n");
        const ToolRun built = run("build " + quoted(list) + " " + dic + " --author Me");
        ASSERT_EQ(built.status, 0) << built.err;
        EXPECT_NE(built.err.find("Writing to file..."), std::string::npos) << "progress goes to stderr";
        EXPECT_EQ(dir.read("words.txt"), "ACT\nAN\nCAT\nIN\nLEVEL\nNOON\nTAN\nVAT\n");
    }

    ToolRun run(const std::string& arguments) { return glyph::test::glyphdict(dir, arguments); }

    // What a search printed, up to the time on its last line ("Total: N\t00:000 sec").
    std::string searched(const std::string& arguments)
    {
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_TRUE(result.out.ends_with(" sec\n")) << result.out;
        return result.out.substr(0, result.out.rfind('\t'));
    }

    glyph::test::TempDir dir;
    const std::string dic = quoted(dir.file("Dictionaries/words.dic"));
};

} // namespace

TEST_F(Glyphdict, LooksUpEditsListsAndDescribesADictionary)
{
    ToolRun result = run("lookup " + dic + " an TAN ta an1 qzx");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "an yes\nTAN yes\nta no\nan1 no\nqzx no\n");
    EXPECT_EQ(run("lookup " + dic + " an in").status, 0);

    // Words out of order and of either case; the old file, under a second name, keeps its bytes.
    const std::string before = dir.read("Dictionaries/words.dic");
    std::filesystem::create_hard_link(dir.file("Dictionaries/words.dic"), dir.file("old.dic"));
    const std::string q29(29, 'Q');
    ASSERT_EQ(run("add " + dic + " Zebra bat " + q29).status, 0);
    ASSERT_EQ(run("delete " + dic + " vat level Cat noon").status, 0);
    EXPECT_EQ(dir.read("old.dic"), before);
    result = run("list " + dic);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "ACT\nAN\nBAT\nIN\n" + q29 + "\nTAN\nZEBRA\n");
    result = run("info " + dic);
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("Author: Me\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Words: 7\n"), std::string::npos) << result.out;

    // A word the dictionary cannot store stops the whole edit.
    const std::string edited = dir.read("Dictionaries/words.dic");
    for (const std::string& word : {std::string(30, 'Q'), std::string("cat's"), std::string("caf\xc3\xa9"),
                                    std::string("a b"), std::string("3d")}) {
        for (const char* command : {"add ", "delete "}) {
            result = run(command + dic + " dog " + quoted(word));
            EXPECT_EQ(result.status, 2) << word;
            EXPECT_EQ(result.err, "glyphdict: not a word of 1 to 29 letters A-Z: " + word + "\n");
        }
    }
    EXPECT_EQ(dir.read("Dictionaries/words.dic"), edited);
}

TEST_F(Glyphdict, SearchesPrintRowsAndTheTotalOfEveryMatch)
{
    const std::string set = " --set " + quoted(dir.file("Sets/English.set"));
    const std::pair<std::string, std::string> cases[] = {
        {"anagram " + dic + " TAC" + set, "ACT\t5\t1\t2\t3\nCAT\t5\t1\t2\t3\nTotal: 2"},
        {"search " + dic + " '*' --limit 2" + set, "ACT\t5\t1\t2\t3\nAN\t2\t1\t1\t2\nTotal: 8"},
        {"advanced " + dic +
             " '?AT*' --min-length 3 --max-length 4 --min-value 4 --max-value 6 --forced T "
             "--optional CATV --banned S" +
             set,
         "CAT\t5\t1\t2\t3\nVAT\t6\t1\t2\t3\nTotal: 2"},
        {"palindromes " + dic + set, "LEVEL\t8\t2\t3\t5\nNOON\t4\t2\t2\t4\nTotal: 2"},
        // Without --set, the letter set beside the dictionary's folder.
        {"anagram " + dic + " VAT", "VAT\t6\t1\t2\t3\nTotal: 1"},
    };
    for (const auto& [arguments, output] : cases)
        EXPECT_EQ(searched(arguments), output) << arguments;
    const std::string speed = searched("speed " + dic + " --seconds 0");
    EXPECT_TRUE(speed.starts_with(" Current ") && speed.ends_with("\nTotal: 1")) << speed;

    // A dictionary in a folder with no Sets/ near it, searched from there, uses the letter set
    // beside the program.
    std::filesystem::create_directories(dir.path() / "a/b");
    std::filesystem::copy_file(dir.file("Dictionaries/words.dic"), dir.file("a/b/words.dic"));
    const ToolRun outside =
        glyph::test::runTool(dir, "cd " + quoted(dir.file("a/b")) + " && " +
                                      quoted(GLYPH_DIST_DIR "/glyphdict") + " search words.dic CAT");
    EXPECT_EQ(outside.out.substr(0, 12), "CAT\t5\t1\t2\t3\n") << outside.err;
}

TEST_F(Glyphdict, ErrorsAreOneLineOnStderrWithANonZeroStatus)
{
    const std::string none = dir.file("none.dic");
    const std::string bad = dir.write("bad.dic", "Not a dictionary at all");
    const std::string tool = quoted(std::string(GLYPH_DIST_DIR) + "/glyphdict") + " ";
    const struct {
        std::string arguments;
        int status;
        std::string message; // the start of stderr, one line when the status is 1
    } cases[] = {
        {"lookup " + quoted(none) + " cat", 1, "glyphdict: Can't open " + none + " for reading\n"},
        {"add " + quoted(bad) + " cat", 1, "glyphdict: Invalid " + bad + " file\n"},
        {"anagram " + dic + " TAC --set " + quoted(dir.file("none.set")), 1, "glyphdict: Can't open"},
        {"frobnicate", 2, "glyphdict: unknown command"},
        {"search " + dic + " CAT --bogus 1", 2, "glyphdict: unknown option --bogus"},
        {"anagram " + dic, 2, "usage: glyphdict anagram DIC LETTERS"},
        {"advanced " + dic + " '*' --limit", 2, ""},
        {"build /tmp " + quoted(dir.file("out.dic")), 1, "glyphdict: "},
        {"build /dev/zero " + quoted(dir.file("out.dic")), 1, "glyphdict: "},
        {"list /tmp", 1, "glyphdict: "},
        {"add " + quoted(dir.path().string()) + " cat", 1, "glyphdict: "},
    };
    for (const auto& c : cases) {
        const ToolRun result = run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_EQ(result.err.rfind(c.message, 0), 0u) << c.arguments << ": " << result.err;
        EXPECT_TRUE(c.status != 1 || std::count(result.err.begin(), result.err.end(), '\n') == 1)
            << result.err;
    }
    EXPECT_EQ(dir.read("bad.dic"), "Not a dictionary at all");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.dic")));

    for (const std::string& arguments :
         {"list " + dic, "info " + dic, "lookup " + dic + " cat", std::string("--help")}) {
        const ToolRun result = glyph::test::runTool(dir, "( " + tool + arguments + " > /dev/full )");
        EXPECT_EQ(result.status, 1) << arguments;
        EXPECT_EQ(result.err.rfind("glyphdict: cannot write to standard output", 0), 0u) << result.err;
    }
    const ToolRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* name :
         {"build", "add", "delete", "lookup", "list", "info", "search", "anagram", "speed"})
        EXPECT_NE(help.out.find(std::string("  ") + name + " "), std::string::npos) << name;
}
