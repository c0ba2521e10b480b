#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/toolrun.h"

using glyph::test::quoted;
using glyph::test::TempDir;
using glyph::test::ToolRun;

namespace
{

// Runs glyphplay from `folder` (dist/, where the relative data paths hold, unless given).
ToolRun glyphplay(const TempDir& dir, const std::string& arguments,
                  const std::string& folder = GLYPH_DIST_DIR)
{
    return glyph::test::runTool(dir, "( cd " + quoted(folder) + " && " + quoted(GLYPH_DIST_DIR "/glyphplay") +
                                         " " + arguments + " )");
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        result.push_back(line);
    return result;
}

} // namespace

TEST(Glyphplay, PlaysCheckedGamesSavesTheLastAndListsAndTestsItsPositions)
{
    TempDir dir;
    const std::string saved = quoted(dir.file("last.tc"));
    ToolRun run = glyphplay(
        dir, "selfplay --games 3 --players Greedy.cpu,Strategist.cpu --seed 5 --check --save " + saved);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const std::vector<std::string> summary = lines(run.out);
    ASSERT_EQ(summary.size(), 3u) << run.out;
    EXPECT_EQ(summary[0].rfind("player 1 Greedy.cpu: wins ", 0), 0u) << summary[0];
    EXPECT_EQ(summary[1].rfind("player 2 Strategist.cpu: wins ", 0), 0u) << summary[1];
    EXPECT_NE(summary[2].find("games per second"), std::string::npos);

    run = glyphplay(dir, "moves " + saved + " --entry 2");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> moves = lines(run.out);
    // Each line "notation score", highest score first, the pass among them.
    EXPECT_TRUE(std::is_sorted(moves.rbegin(), moves.rend(), [](const std::string& a, const std::string& b) {
        return std::stoi(a.substr(a.rfind(' '))) < std::stoi(b.substr(b.rfind(' ')));
    })) << run.out;
    EXPECT_NE(std::find(moves.begin(), moves.end(), "PAS / CHANGE 0"), moves.end()) << run.out;

    const std::string script =
        dir.write("Say.cpu", "Debug('moves', MovesNumber())\nSetSolution(MoveAt(0))\n");
    run = glyphplay(dir, "script " + quoted(script) + " " + saved + " --entry 2");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "moves " + std::to_string(moves.size()) + "\nbest: " + moves[0] +
                           "\nsolution: " + moves[0] + "\n");
}

TEST(Glyphplay, RefusesBadArgumentsAndFilesWithAStatusAndOneLine)
{
    // Started from a folder without data, it uses the data beside it and keeps file arguments
    // relative to the folder it was started from.
    TempDir dir;
    const std::string folder = dir.path().string();
    ASSERT_EQ(
        glyphplay(dir, "selfplay --games 1 --players Greedy.cpu,Greedy.cpu --save one.tc", folder).status, 0);
    EXPECT_FALSE(glyphplay(dir, "moves one.tc --entry 0", folder).out.empty());
    const std::string saved = quoted(dir.file("one.tc"));
    const std::string broken = quoted(dir.write("Broken.cpu", "local x = = 1\n"));
    ToolRun run = glyphplay(dir, "script " + broken + " " + saved);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.rfind("Error: [string \"local x = = 1...\"]:1:", 0), 0u) << run.out;

    for (const char* arguments :
         {"", "selfplay --games 0 --players Greedy.cpu,Greedy.cpu",
          "selfplay --games 2x --players Greedy.cpu,Greedy.cpu", "selfplay --games 2 --players Greedy.cpu",
          "selfplay --players Greedy.cpu,Greedy.cpu --rows 30 --cols 5"})
        EXPECT_EQ(glyphplay(dir, arguments).status, 2) << arguments;
    std::string many = "Greedy.cpu";
    for (int i = 1; i < 150; ++i)
        many += ",Greedy.cpu";
    run = glyphplay(dir, "selfplay --games 1 --players " + many + " --save " + quoted(dir.file("x.tc")));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "glyphplay: 150 players given, a game seats at most 143\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.tc")));

    const std::string profile = quoted(dir.write("Pass.cpu", "\n"));
    for (const std::string& arguments :
         {std::string("selfplay --games 2 --players Greedy.cpu,Nobody.cpu"),
          "moves " + saved + " --entry 9999", std::string("moves /tmp"), std::string("moves /dev/zero"),
          "script /tmp " + saved, "script " + profile + " /tmp", "script /dev/zero " + saved,
          "moves " + saved + " > /dev/full"}) {
        run = glyphplay(dir, arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << run.err;
    }
}

TEST(Glyphplay, ShippedProfilesEndEveryGameWhateverTheBoardShape)
{
    // Narrow boards block quickly; there an exchange (which is no pass) could go on forever.
    TempDir dir;
    const std::string shapes[] = {"1 --cols 1",  "1 --cols 29", "29 --cols 1", "2 --cols 2",
                                  "29 --cols 3", "28 --cols 5", "5 --cols 28", "15 --cols 15"};
    for (const std::string& shape : shapes) {
        const ToolRun run =
            glyphplay(dir, "selfplay --games 2 --players Strategist.cpu,Greedy.cpu,Strategist.cpu "
                           "--seed 3 --check --rows " +
                               shape);
        EXPECT_EQ(run.status, 0) << shape << "\n" << run.out << run.err;
    }
    const ToolRun mixed =
        glyphplay(dir, "selfplay --games 2 --players Strategist.cpu,Beginner.cpu,Greedy.cpu,"
                       "Strategist.cpu --seed 3 --check --rows 3 --cols 29");
    EXPECT_EQ(mixed.status, 0) << mixed.out << mixed.err;
}

// The shipped Romanian game: the dictionary the build makes from hunspell-ro, and computer games
// played on it with its letter set.
TEST(RomanianGame, DictionaryKnowsFoldedWordsAndComputerPlayersFinishCheckedGames)
{
    TempDir dir;
    const std::string lookup = "lookup " + quoted(GLYPH_DIST_DIR "/Dictionaries/Romana.dic") + " ";
    // casă, țară, încă, șarpe, pâine, învățătoare: diacritics folded to the set's letters.
    EXPECT_EQ(glyph::test::glyphdict(dir, lookup + "casa tara inca sarpe paine invatatoare").status, 0);
    // Not there: proper names, words the set cannot spell even with its jokers (k, e, y, w: three
    // letters the set lacks), and words of more than 15 letters.
    EXPECT_EQ(glyph::test::glyphdict(dir, lookup + "bucuresti keyword neabacterianului").out,
              "bucuresti no\nkeyword no\nneabacterianului no\n");

    std::filesystem::create_directories(dir.path() / "game/Games");
    for (const char* data : {"Sets", "Dictionaries", "Profiles"})
        std::filesystem::create_directory_symlink(std::string(GLYPH_DIST_DIR "/") + data,
                                                  dir.path() / "game" / data);
    dir.write("game/Preferences.ini",
              "GameDictionaryKey\nDictionaries/Romana.dic\nGameSetKey\nSets/Romana.set\n");
    const ToolRun run = glyphplay(
        dir, "selfplay --games 4 --players Greedy.cpu,Strategist.cpu --seed 3 --check", dir.file("game"));
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("4 games in"), std::string::npos) << run.out;
    EXPECT_TRUE(run.err.empty()) << run.err;
}
