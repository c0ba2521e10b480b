#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "support/toolrun.h"

using glyph::test::TempDir;
using glyph::test::ToolRun;

namespace
{

// Runs glyphplay in dist/, where the relative data paths hold, capturing both outputs.
ToolRun glyphplay(const TempDir& dir, const std::string& arguments)
{
    return glyph::test::runTool(dir,
                                std::string("cd \"") + GLYPH_DIST_DIR + "\" && ./glyphplay " + arguments);
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
    const std::string saved = dir.file("last.tc");
    ToolRun run =
        glyphplay(dir, "selfplay --games 3 --players Greedy.cpu,Strategist.cpu --seed 5 --check --save \"" +
                           saved + "\"");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const std::vector<std::string> summary = lines(run.out);
    ASSERT_EQ(summary.size(), 3u) << run.out;
    EXPECT_EQ(summary[0].rfind("player 1 Greedy.cpu: wins ", 0), 0u) << summary[0];
    EXPECT_EQ(summary[1].rfind("player 2 Strategist.cpu: wins ", 0), 0u) << summary[1];
    EXPECT_NE(summary[2].find("games per second"), std::string::npos);

    run = glyphplay(dir, "moves \"" + saved + "\" --entry 2");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> moves = lines(run.out);
    ASSERT_GE(moves.size(), 2u);
    // Highest score first, the pass among the moves, each line "notation score".
    int previous = 1 << 30;
    bool pass = false;
    for (const std::string& line : moves) {
        const std::size_t blank = line.rfind(' ');
        ASSERT_NE(blank, std::string::npos) << line;
        const int score = std::stoi(line.substr(blank + 1));
        EXPECT_LE(score, previous) << line;
        previous = score;
        pass = pass || line == "PAS / CHANGE 0";
    }
    EXPECT_TRUE(pass);

    const std::string script =
        dir.write("Say.cpu", "Debug('moves', MovesNumber())\nSetSolution(MoveAt(0))\n");
    run = glyphplay(dir, "script \"" + script + "\" \"" + saved + "\" --entry 2");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> output = lines(run.out);
    ASSERT_EQ(output.size(), 3u) << run.out;
    EXPECT_EQ(output[0], "moves " + std::to_string(moves.size()));
    EXPECT_EQ(output[1], "best: " + moves[0]);
    EXPECT_EQ(output[2], "solution: " + moves[0]);
}

TEST(Glyphplay, ReportsScriptErrorsAndRefusesBadArguments)
{
    TempDir dir;
    const std::string saved = dir.file("one.tc");
    ASSERT_EQ(
        glyphplay(dir, "selfplay --games 1 --players Greedy.cpu,Greedy.cpu --save \"" + saved + "\"").status,
        0);
    const std::string broken = dir.write("Broken.cpu", "local x = = 1\n");
    ToolRun run = glyphplay(dir, "script \"" + broken + "\" \"" + saved + "\"");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.rfind("Error: [string \"local x = = 1...\"]:1:", 0), 0u) << run.out;

    EXPECT_EQ(glyphplay(dir, "").status, 2);
    EXPECT_EQ(glyphplay(dir, "selfplay --games 0 --players Greedy.cpu,Greedy.cpu").status, 2);
    EXPECT_EQ(glyphplay(dir, "selfplay --games 2x --players Greedy.cpu,Greedy.cpu").status, 2);
    EXPECT_EQ(glyphplay(dir, "selfplay --games 2 --players Greedy.cpu").status, 2);
    run = glyphplay(dir, "selfplay --games 2 --players Greedy.cpu,Nobody.cpu");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Nobody.cpu"), std::string::npos);
    EXPECT_EQ(glyphplay(dir, "moves \"" + saved + "\" --entry 9999").status, 1);
}

TEST(Glyphplay, ShippedProfilesEndEveryGameWhateverTheBoardShape)
{
    // Narrow boards block quickly; there an exchange (which is no pass) could go on forever.
    TempDir dir;
    const char* const shapes[] = {"1 1", "1 29", "29 1", "2 2", "3 29", "29 3", "28 5", "5 28", "15 15"};
    auto play = [&dir](const std::string& players, int rows, int columns) {
        return glyphplay(dir, "selfplay --games 2 --players " + players + " --seed 3 --check --rows " +
                                  std::to_string(rows) + " --cols " + std::to_string(columns));
    };
    for (const char* shape : shapes) {
        std::istringstream numbers(shape);
        int rows = 0;
        int columns = 0;
        numbers >> rows >> columns;
        const ToolRun run = play("Strategist.cpu,Greedy.cpu,Strategist.cpu", rows, columns);
        EXPECT_EQ(run.status, 0) << rows << " x " << columns << "\n" << run.out << run.err;
    }
    const ToolRun mixed = play("Strategist.cpu,Beginner.cpu,Greedy.cpu,Strategist.cpu", 3, 29);
    EXPECT_EQ(mixed.status, 0) << mixed.out << mixed.err;
    // A shape outside the boards the game has is refused.
    EXPECT_EQ(glyphplay(dir, "selfplay --players Greedy.cpu,Greedy.cpu --rows 30 --cols 5").status, 2);
}

TEST(Glyphplay, RefusesFilesThatAreNotGamesOrProfilesWithOneLine)
{
    TempDir dir;
    const std::string saved = dir.file("one.tc");
    ASSERT_EQ(
        glyphplay(dir, "selfplay --games 1 --players Greedy.cpu,Greedy.cpu --save \"" + saved + "\"").status,
        0);
    const std::string profile = dir.write("Pass.cpu", "\n");
    for (const std::string& arguments :
         {std::string("moves /tmp"), std::string("moves /dev/zero"), "script /tmp \"" + saved + "\"",
          "script \"" + profile + "\" /tmp", "script /dev/zero \"" + saved + "\""}) {
        const ToolRun run = glyphplay(dir, arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << run.err;
        EXPECT_EQ(run.err.find("terminate"), std::string::npos) << run.err;
    }

    const ToolRun full =
        glyph::test::runTool(dir, std::string("( cd \"") + GLYPH_DIST_DIR + "\" && ./glyphplay moves \"" +
                                      saved + "\" > /dev/full )");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err.rfind("glyphplay: cannot write to standard output", 0), 0u) << full.err;
}

TEST(Glyphplay, RefusesMorePlayersThanAGameSeats)
{
    TempDir dir;
    std::string many = "Greedy.cpu";
    for (int i = 1; i < 150; ++i)
        many += ",Greedy.cpu";
    const ToolRun run =
        glyphplay(dir, "selfplay --games 1 --players " + many + " --save \"" + dir.file("x.tc") + "\"");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "glyphplay: 150 players given, a game seats at most 143\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.tc")));
}

TEST(Glyphplay, StartedFromAFolderWithoutDataUsesTheDataBesideItAndKeepsFileArguments)
{
    TempDir dir;
    const ToolRun run =
        glyph::test::runTool(dir, "cd \"" + dir.path().string() + "\" && \"" + GLYPH_DIST_DIR +
                                      "/glyphplay\" selfplay --games 1 --players "
                                      "Greedy.cpu,Greedy.cpu --seed 4 --save game.tc");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    // The saved game lands in the folder it was started from, not beside the program.
    EXPECT_TRUE(std::ifstream(dir.file("game.tc")).good());
    const ToolRun moves =
        glyph::test::runTool(dir, "cd \"" + dir.path().string() + "\" && \"" + GLYPH_DIST_DIR +
                                      "/glyphplay\" moves game.tc --entry 0");
    ASSERT_EQ(moves.status, 0) << moves.err;
    EXPECT_FALSE(moves.out.empty());
}
