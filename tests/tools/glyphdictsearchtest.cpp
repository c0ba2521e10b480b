#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <utility>

#include "support/toolrun.h"

using glyph::test::glyphdict;
using glyph::test::quoted;
using glyph::test::TempDir;
using glyph::test::ToolRun;

namespace
{

// Tile values 1 for every letter but C (3) and V (4); vowels A E I O U.
std::string letterSetText()
{
    std::string text;
    for (char c = 'A'; c <= '['; ++c) {
        const int value = c == 'C' ? 3 : c == 'V' ? 4 : c == '[' ? 0 : 1;
        const bool vowel = c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U';
        text += "1 " + std::to_string(value) + (vowel ? " 1\n" : " 0\n");
    }
    return text;
}

// Every line but the last (the total and the time), and the last line alone.
std::pair<std::string, std::string> rowsAndTotal(const std::string& out)
{
    const std::size_t lastLine = out.rfind('\n', out.size() - 2);
    if (lastLine == std::string::npos)
        return {"", out};
    return {out.substr(0, lastLine + 1), out.substr(lastLine + 1)};
}

class GlyphdictSearch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "Dictionaries");
        std::filesystem::create_directories(dir.path() / "Sets");
        const std::string list = dir.write("words.txt", "a\nact\ncat\ncats\ncot\nlevel\nnoon\ntact\nvat\n");
        dic = quoted(dir.file("Dictionaries/words.dic"));
        const ToolRun built = glyphdict(dir, "build " + quoted(list) + " " + dic);
        ASSERT_EQ(built.status, 0) << built.err;
        set = quoted(dir.write("Sets/English.set", letterSetText()));
    }

    TempDir dir;
    std::string dic;
    std::string set;
};

} // namespace

TEST_F(GlyphdictSearch, AnagramListsRowsThenTheTotal)
{
    const ToolRun run = glyphdict(dir, "anagram " + dic + " TAC --set " + set);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto [rows, total] = rowsAndTotal(run.out);
    EXPECT_EQ(rows, "ACT\t5\t1\t2\t3\nCAT\t5\t1\t2\t3\n");
    EXPECT_EQ(total.rfind("Total: 2\t", 0), 0u) << total;
    EXPECT_NE(total.find(" sec\n"), std::string::npos) << total;
}

TEST_F(GlyphdictSearch, SearchHonoursTheLimitAndCountsEveryMatch)
{
    const ToolRun run = glyphdict(dir, "search " + dic + " '*' --limit 2 --set " + set);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto [rows, total] = rowsAndTotal(run.out);
    EXPECT_EQ(rows, "A\t1\t1\t0\t1\nACT\t5\t1\t2\t3\n");
    EXPECT_EQ(total.rfind("Total: 9\t", 0), 0u) << total;
}

TEST_F(GlyphdictSearch, AdvancedAppliesEveryFilter)
{
    ToolRun run = glyphdict(dir, "advanced " + dic +
                                     " '?AT*' --min-length 3 --max-length 4 --min-value 4 --max-value 6 "
                                     "--forced T --optional CATV --banned S --set " +
                                     set);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(rowsAndTotal(run.out).first, "CAT\t5\t1\t2\t3\nVAT\t6\t1\t2\t3\n");

    run = glyphdict(dir, "advanced " + dic +
                             " '*' --min-length 2 --max-length 15 --max-value 100 --palindrome "
                             "--set " +
                             set);
    EXPECT_EQ(rowsAndTotal(run.out).first, "LEVEL\t8\t2\t3\t5\nNOON\t4\t2\t2\t4\n");

    // Without upper bounds nothing passes.
    run = glyphdict(dir, "advanced " + dic + " '*' --set " + set);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Total: 0\t", 0), 0u) << run.out;
}

TEST_F(GlyphdictSearch, PalindromesComeLongestFirst)
{
    const ToolRun run = glyphdict(dir, "palindromes " + dic + " --set " + set);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto [rows, total] = rowsAndTotal(run.out);
    EXPECT_EQ(rows, "LEVEL\t8\t2\t3\t5\nNOON\t4\t2\t2\t4\nA\t1\t1\t0\t1\n");
    EXPECT_EQ(total.rfind("Total: 3\t", 0), 0u) << total;
}

TEST_F(GlyphdictSearch, LetterSetDefaultsToTheOneBesideTheDictionaryFolder)
{
    const ToolRun run = glyphdict(dir, "anagram " + dic + " VAT");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(rowsAndTotal(run.out).first, "VAT\t6\t1\t2\t3\n");
}

TEST_F(GlyphdictSearch, SpeedPrintsRatesAndTheNumberOfMeasurements)
{
    const ToolRun run = glyphdict(dir, "speed " + dic + " --seconds 0");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind(" Current ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find(" words/s \n Average "), std::string::npos) << run.out;
    EXPECT_EQ(rowsAndTotal(run.out).second.rfind("Total: 1\t", 0), 0u) << run.out;
}

TEST_F(GlyphdictSearch, BadArgumentsAndFilesFailWithAMessage)
{
    ToolRun run = glyphdict(dir, "search " + dic + " CAT --bogus 1");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("unknown option --bogus"), std::string::npos) << run.err;
    EXPECT_EQ(glyphdict(dir, "anagram " + dic).status, 2);
    EXPECT_EQ(glyphdict(dir, "advanced " + dic + " '*' --limit").status, 2);

    run = glyphdict(dir, "anagram " + quoted(dir.file("none.dic")) + " TAC");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Can't open"), std::string::npos) << run.err;

    run = glyphdict(dir, "anagram " + dic + " TAC --set " + quoted(dir.file("none.set")));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Can't open"), std::string::npos) << run.err;
}

TEST(GlyphdictDataFolder, SearchOutsideTheGameFolderUsesTheLetterSetBesideTheProgram)
{
    // A dictionary alone in a folder with no Sets/ near it, searched from that folder.
    TempDir dir;
    const std::string list = dir.write("words.txt", "cat\nact\ntack\n");
    ASSERT_EQ(glyphdict(dir, "build " + quoted(list) + " " + quoted(dir.file("my.dic"))).status, 0);
    const ToolRun run = glyph::test::runTool(dir, "cd " + quoted(dir.path().string()) + " && " +
                                                      quoted(std::string(GLYPH_DIST_DIR) + "/glyphdict") +
                                                      " search my.dic CAT");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("CAT\t", 0), 0u) << run.out;
    EXPECT_EQ(run.err.find("Can't open"), std::string::npos) << run.err;
}
