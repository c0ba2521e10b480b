// The shipped Romanian game: its letter set, the dictionary the build makes from hunspell-ro,
// and computer games played on them.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/toolrun.h"

using glyph::test::quoted;
using glyph::test::ToolRun;

TEST(RomanianGame, SetHoldsAHundredTilesAndTheDictionaryKnowsFoldedWords)
{
    std::ifstream set(GLYPH_DIST_DIR "/Sets/Romana.set");
    int tiles = 0;
    int lines = 0;
    for (int count, value, vowel; set >> count >> value >> vowel; ++lines)
        tiles += count;
    EXPECT_EQ(lines, 27);
    EXPECT_EQ(tiles, 100);

    glyph::test::TempDir dir;
    const std::string lookup = "lookup " + quoted(GLYPH_DIST_DIR "/Dictionaries/Romana.dic") + " ";
    // casă, țară, încă, șarpe, pâine, învățătoare: diacritics folded to the set's letters.
    ToolRun run = glyph::test::glyphdict(dir, lookup + "casa tara inca sarpe paine invatatoare");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    // Not there: proper names, words the set cannot spell even with its jokers (k, e, y, w: three
    // letters the set lacks), and words of more than 15 letters.
    run = glyph::test::glyphdict(dir, lookup + "bucuresti keyword neabacterianului");
    EXPECT_EQ(run.out, "bucuresti no\nkeyword no\nneabacterianului no\n");
}

TEST(RomanianGame, ComputerPlayersFinishCheckedGames)
{
    glyph::test::TempDir dir;
    std::string setup = "mkdir -p " + quoted(dir.file("game/Games")) + " && cd " + quoted(dir.file("game"));
    for (const char* data : {"Sets", "Dictionaries", "Profiles"})
        setup += " && ln -s " + quoted(std::string(GLYPH_DIST_DIR "/") + data) + " " + data;
    setup += " && printf 'GameDictionaryKey\\nDictionaries/Romana.dic\\nGameSetKey\\nSets/Romana.set\\n' "
             "> Preferences.ini && " +
             quoted(GLYPH_DIST_DIR "/glyphplay") +
             " selfplay --games 4 --players Greedy.cpu,Strategist.cpu --seed 3 --check";
    const ToolRun run = glyph::test::runTool(dir, setup);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("4 games in"), std::string::npos) << run.out;
    EXPECT_TRUE(run.err.empty()) << run.err;
}
