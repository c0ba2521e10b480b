// The shipped Romanian game: its letter set, the dictionary the build makes from hunspell-ro,
// and computer games played on them.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/toolrun.h"

using glyph::test::TempDir;
using glyph::test::ToolRun;

namespace
{

const std::string kDist = GLYPH_DIST_DIR;

} // namespace

TEST(RomanianGame, SetHoldsAHundredTilesAndTheDictionaryKnowsFoldedWords)
{
    std::ifstream set(kDist + "/Sets/Romana.set");
    int tiles = 0;
    int lines = 0;
    for (int count, value, vowel; set >> count >> value >> vowel; ++lines)
        tiles += count;
    EXPECT_EQ(lines, 27);
    EXPECT_EQ(tiles, 100);

    TempDir dir;
    // casă, țară, încă, șarpe, pâine, învățătoare: diacritics folded to the set's letters.
    ToolRun run = glyph::test::glyphdict(
        dir, "lookup \"" + kDist + "/Dictionaries/Romana.dic\" casa tara inca sarpe paine invatatoare");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    // Not there: proper names, words the set cannot spell even with its jokers (k, e, y, w: three
    // letters the set lacks), and words of more than 15 letters.
    for (const char* absent : {"bucuresti", "keyword", "neabacterianului"}) {
        run = glyph::test::glyphdict(dir, "lookup \"" + kDist + "/Dictionaries/Romana.dic\" " + absent);
        EXPECT_NE(run.status, 0) << absent;
    }
}

TEST(RomanianGame, ComputerPlayersFinishCheckedGames)
{
    TempDir dir;
    const std::string folder = dir.file("game");
    std::string setup = "mkdir -p \"" + folder + "/Games\" && cd \"" + folder + "\"";
    for (const char* data : {"Sets", "Dictionaries", "Profiles"})
        setup += std::string(" && ln -s \"") + kDist + "/" + data + "\" " + data;
    setup += " && printf 'GameDictionaryKey\\nDictionaries/Romana.dic\\nGameSetKey\\nSets/Romana.set\\n' "
             "> Preferences.ini";
    const ToolRun run = glyph::test::runTool(
        dir, setup + " && \"" + kDist +
                 "/glyphplay\" selfplay --games 4 --players Greedy.cpu,Strategist.cpu --seed 3 --check");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("4 games in"), std::string::npos) << run.out;
    EXPECT_TRUE(run.err.empty()) << run.err;
}
