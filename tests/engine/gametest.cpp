#include <gtest/gtest.h>

#include "engine/boardgeometry.h"
#include "engine/gamerules.h"
#include "support/dicbytes.h"
#include "support/rulesfixture.h"

using namespace glyph;
using glyph::test::RecordingView;

namespace
{

/// A folder with a letter set and a dictionary, and preferences that point at them.
struct GameFiles {
    test::TempDir dir;
    std::string setPath = dir.write("Small.set", "2 1 1\n3 3 0\n1 4 0\n");
    std::string dicPath = dir.write("Small.dic", test::exampleDicBytes());
    Preferences prefs{dir.file("Preferences.ini")};

    GameFiles()
    {
        prefs.setString("GameSetKey", setPath);
        prefs.setString("GameDictionaryKey", dicPath);
    }
};

} // namespace

TEST(Game, SettingsComeFromThePreferencesAndLaterPremiumListsWin)
{
    GameFiles files;
    RecordingView view;
    Game game(files.prefs, view);
    EXPECT_TRUE(view.warnings.empty());
    EXPECT_EQ(game.rows() * 100 + game.columns(), 1515) << "a 15 x 15 board by default";
    EXPECT_EQ(game.wordMultiplier(1, 1), 3);
    EXPECT_EQ(game.letterMultiplier(2, 6), 3);
    EXPECT_EQ(game.letterSet().entry('C').value, 4);
    EXPECT_TRUE(game.dictionary().contains("TAN"));

    files.prefs.setInteger("TableRowsKey", 11);
    files.prefs.setInteger("TableColumnsKey", 9);
    files.prefs.setInteger("GameBonusKey", 35);
    files.prefs.setInteger("GameClassicTimeKey", 10);
    files.prefs.setString("MultiLettersX2Key", "2 2 |3 3 |");
    files.prefs.setString("MultiLettersX3Key", "3 3 |");
    files.prefs.setString("MultiWordsX2Key", "2 2 |4 4 |");
    files.prefs.setString("MultiWordsX3Key", "4 4 |");
    game.board()[8][8] = {'A', 0};
    ASSERT_TRUE(game.loadSettings());
    EXPECT_EQ(game.board()[8][8].letter, 0) << "new settings clear the board";
    EXPECT_EQ(game.rows(), 11);
    EXPECT_EQ(game.columns(), 9);
    EXPECT_EQ(game.bonus(), 35);
    EXPECT_EQ(game.time(), 10);
    // One square may carry both kinds; a later list wins; the default lists are gone.
    EXPECT_EQ(game.letterMultiplier(2, 2) * 10 + game.wordMultiplier(2, 2), 22);
    EXPECT_EQ(game.letterMultiplier(3, 3) * 10 + game.wordMultiplier(4, 4), 33);
    EXPECT_EQ(game.wordMultiplier(1, 1), 1);
}

TEST(Game, AStoredBoardSizeTakesTheStandardLayoutAlongAndLeavesAUsersOwn)
{
    GameFiles files;
    RecordingView view;
    Game game(files.prefs, view);
    // The shipped 15 x 15 layout follows the size: on 29 x 29 the centre is a start square
    // again, not the shipped corner's triple word.
    game.storeBoardSize(29, 29);
    ASSERT_TRUE(game.loadSettings());
    EXPECT_EQ(game.rows() * 100 + game.columns(), 2929);
    EXPECT_EQ(game.wordMultiplier(15, 15), 2);
    const geometry::PremiumLists stored{
        files.prefs.string("MultiLettersX2Key"), files.prefs.string("MultiLettersX3Key"),
        files.prefs.string("MultiWordsX2Key"), files.prefs.string("MultiWordsX3Key")};
    EXPECT_TRUE(geometry::isStandardLayout(stored, 29, 29));
    game.storeBoardSize(7, 5);
    ASSERT_TRUE(game.loadSettings());
    EXPECT_EQ(game.wordMultiplier(4, 3), 2) << "the centre of 7 x 5";

    files.prefs.setString("MultiWordsX3Key", "2 2 |");
    game.storeBoardSize(11, 11);
    ASSERT_TRUE(game.loadSettings());
    EXPECT_EQ(files.prefs.string("MultiWordsX3Key"), "2 2 |") << "a layout of the user's own";
    EXPECT_EQ(game.wordMultiplier(2, 2), 3);
    EXPECT_EQ(game.rows() * 100 + game.columns(), 1111);
}

TEST(Game, AMissingSetStopsBeforeTheDictionaryAndAMissingDictionaryAfterTheSet)
{
    for (const char* key : {"GameSetKey", "GameDictionaryKey"}) {
        GameFiles files;
        const std::string missing = files.dir.file("None");
        files.prefs.setString(key, missing);
        files.prefs.setInteger("TableRowsKey", 13);
        RecordingView view;
        Game game(files.prefs, view);
        EXPECT_EQ(view.warnings, std::vector<std::string>{"Can't open " + missing + " for reading"});
        EXPECT_EQ(game.rows(), 13) << "the steps before have run";
        const bool setMissing = std::string(key) == "GameSetKey";
        EXPECT_EQ(game.letterSet().entry('A').count, setMissing ? 0 : 2);
        EXPECT_FALSE(game.dictionary().contains("TAN"));
        EXPECT_FALSE(game.loadSettings());
    }
}

TEST(Game, RackSlotsFillFromTheCurrentPlayerWithinTheSlots)
{
    test::RulesFixture fixture;
    fixture.start({"Ann", "Bob"});
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    Game& game = *fixture.game;
    game.rackSlots()[5] = {'Z', 0, 1, 3, 3};
    game.setSelectedSlot(2);
    fixture.setRack(1, "QU[T");
    EXPECT_EQ(game.selectedSlot(), -1);
    std::string letters;
    for (const RackSlot& slot : game.rackSlots())
        letters += slot.placed == 0 && slot.letter != 0 ? slot.letter : '.';
    EXPECT_EQ(letters.substr(0, 6), "QU[T..");
    fixture.setRack(1, std::string(31, 'E')); // more tiles than there are slots
    EXPECT_EQ(game.rackSlotCount(), kMaxRackSlots);
}

TEST(ShowWarning, CutsAMessageLongerThanItsBuffer)
{
    RecordingView view;
    glyph::showWarning(view, "Word %s is NOT in dictionary", std::string(5000, 'x').c_str());
    EXPECT_EQ(view.warnings, std::vector<std::string>{"Word " + std::string(1018, 'x')});
}
