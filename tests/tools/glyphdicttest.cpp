#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/dicbytes.h"
#include "support/toolrun.h"

using glyph::test::glyphdict;
using glyph::test::quoted;
using glyph::test::TempDir;
using glyph::test::ToolRun;

TEST(Glyphdict, BuildsLooksUpEditsListsAndDescribesADictionary)
{
    TempDir dir;
    const std::string list = dir.write("words.txt", "tan\nan\nin\n");
    const std::string dic = quoted(dir.file("x.dic"));
    ToolRun run = glyphdict(dir, "build " + quoted(list) + " " + dic + " --author Me");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Writing to file..."), std::string::npos);
    EXPECT_EQ(dir.read("words.txt"), "AN\nIN\nTAN\n");

    run = glyphdict(dir, "lookup " + dic + " an TAN ta qzx");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "an yes\nTAN yes\nta no\nqzx no\n");
    EXPECT_EQ(glyphdict(dir, "lookup " + dic + " an in").status, 0);

    ASSERT_EQ(glyphdict(dir, "add " + dic + " bat Zebra").status, 0);
    ASSERT_EQ(glyphdict(dir, "delete " + dic + " an").status, 0);
    run = glyphdict(dir, "list " + dic);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "BAT\nIN\nTAN\nZEBRA\n");

    run = glyphdict(dir, "info " + dic);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Author: Me\n"), std::string::npos);
    EXPECT_NE(run.out.find("Words: 4\n"), std::string::npos);
}

TEST(Glyphdict, EditsWriteAFreshFileAndRefuseWhatTheyCannotStore)
{
    TempDir dir;
    const std::string list = dir.write("words.txt", "AN\nCAT\nIN\nTAN\nTO\n");
    const std::string dic = quoted(dir.file("x.dic"));
    ASSERT_EQ(glyphdict(dir, "build " + quoted(list) + " " + dic).status, 0);

    ToolRun run = glyphdict(dir, "lookup " + dic + " an1 in");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "an1 no\nin yes\n") << "a word with a digit is no word";

    const std::string thirty(30, 'Q');
    run = glyphdict(dir, "add " + dic + " " + thirty);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err, "glyphdict: not a word of 1 to 29 letters A-Z: " + thirty + "\n");
    ASSERT_EQ(glyphdict(dir, "add " + dic + " " + thirty.substr(1)).status, 0);

    // Several words out of order; the old file, under a second name, keeps its bytes.
    const std::string before = dir.read("x.dic");
    std::filesystem::create_hard_link(dir.file("x.dic"), dir.file("old.dic"));
    ASSERT_EQ(glyphdict(dir, "delete " + dic + " to an cat").status, 0);
    EXPECT_EQ(glyphdict(dir, "list " + dic).out, "IN\n" + thirty.substr(1) + "\nTAN\n");
    EXPECT_EQ(dir.read("old.dic"), before);
}

TEST(Glyphdict, ErrorsAreOneLineOnStderrWithANonZeroStatus)
{
    TempDir dir;
    ToolRun run = glyphdict(dir, "lookup " + quoted(dir.file("none.dic")) + " cat");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "glyphdict: Can't open " + dir.file("none.dic") + " for reading\n");
    EXPECT_EQ(run.out, "");

    const std::string bad = dir.write("bad.dic", "Not a dictionary at all");
    run = glyphdict(dir, "add " + quoted(bad) + " cat");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "glyphdict: Invalid " + bad + " file\n");
    EXPECT_EQ(dir.read("bad.dic"), "Not a dictionary at all");

    run = glyphdict(dir, "add " + quoted(bad) + " 3d");
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err, "glyphdict: not a word of 1 to 29 letters A-Z: 3d\n");

    run = glyphdict(dir, "frobnicate");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("unknown command"), std::string::npos);
    EXPECT_NE(glyphdict(dir, "lookup").status, 0);
}

TEST(Glyphdict, HelpListsEveryCommand)
{
    TempDir dir;
    const ToolRun run = glyphdict(dir, "--help");
    EXPECT_EQ(run.status, 0);
    for (const char* name : {"build", "add", "delete", "lookup", "list", "info"})
        EXPECT_NE(run.out.find(std::string("  ") + name + " "), std::string::npos) << name;
}

TEST(Glyphdict, EditsRefuseWordsThatAreNotAllLettersAndWriteNothing)
{
    TempDir dir;
    const std::string list = dir.write("words.txt", "cat\ncats\nxylo\n");
    const std::string dic = dir.file("e.dic");
    ASSERT_EQ(glyphdict(dir, "build " + quoted(list) + " " + quoted(dic)).status, 0);
    const std::string before = dir.read("e.dic");
    for (const char* word : {"cat's", "xylo-phonic", "caf\xc3\xa9", "a b"}) {
        const char* command = std::string(word) == "cat's" ? "delete " : "add ";
        const ToolRun run = glyphdict(dir, command + quoted(dic) + " dog " + quoted(word));
        EXPECT_NE(run.status, 0) << word;
        EXPECT_EQ(run.err, "glyphdict: not a word of 1 to 29 letters A-Z: " + std::string(word) + "\n");
        EXPECT_EQ(dir.read("e.dic"), before) << word;
    }
    EXPECT_EQ(glyphdict(dir, "delete " + quoted(dic) + " Cat").status, 0) << "letters of either case";
    EXPECT_EQ(glyphdict(dir, "list " + quoted(dic)).out, "CATS\nXYLO\n");
}

TEST(Glyphdict, FailsWhenItsOutputCannotBeWrittenOrItsInputIsNoFile)
{
    TempDir dir;
    const std::string list = dir.write("words.txt", "cat\ndog\n");
    const std::string dic = dir.file("e.dic");
    ASSERT_EQ(glyphdict(dir, "build " + quoted(list) + " " + quoted(dic)).status, 0);
    const std::string tool = std::string("\"") + GLYPH_DIST_DIR + "/glyphdict\" ";
    for (const std::string& arguments : {"list " + quoted(dic), "info " + quoted(dic),
                                         "lookup " + quoted(dic) + " cat", std::string("--help")}) {
        const ToolRun run = glyph::test::runTool(dir, "( " + tool + arguments + " > /dev/full )");
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.err.rfind("glyphdict: cannot write to standard output", 0), 0u) << arguments << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }

    // Folders and devices as word lists or dictionaries: one line and a failure, no abort.
    for (const std::string& arguments :
         {"build /tmp " + quoted(dir.file("out.dic")), "build /dev/zero " + quoted(dir.file("out.dic")),
          std::string("list /tmp"), "add " + quoted(dir.path().string()) + " cat"}) {
        const ToolRun run = glyphdict(dir, arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << run.err;
        EXPECT_EQ(run.err.rfind("glyphdict: ", 0), 0u) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.dic")));
}
