#include <gtest/gtest.h>

#include "engine/game.h"
#include "engine/gameclassic.h"
#include "engine/gamerules.h"
#include "preferences/preferences.h"
#include "support/dicbytes.h"
#include "support/recordingview.h"

using namespace glyph;
using glyph::test::RecordingView;
using glyph::test::TempDir;

namespace
{

/// Classic rules with players seated directly, so that a rack is in play.
class SeatedRules : public GameClassic
{
public:
    SeatedRules(Game& game, const std::vector<Player>& players, int current) : GameClassic(game)
    {
        m_players = players;
        m_current = current;
    }
};

/// A folder with a letter set and a dictionary, and preferences that point at them.
struct GameFiles {
    TempDir dir;
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

TEST(Game, ConstructionLoadsEverySettingWithoutWarnings)
{
    GameFiles files;
    RecordingView view;
    Game game(files.prefs, view);
    EXPECT_TRUE(view.warnings.empty());
    EXPECT_EQ(game.rows(), 15);
    EXPECT_EQ(game.columns(), 15);
    EXPECT_EQ(game.bonus(), 50);
    EXPECT_EQ(game.time(), 25);
    EXPECT_EQ(game.wordMultiplier(8, 8), 2);
    EXPECT_EQ(game.wordMultiplier(1, 1), 3);
    EXPECT_EQ(game.letterMultiplier(2, 6), 3);
    EXPECT_EQ(game.letterMultiplier(1, 4), 2);
    EXPECT_EQ(game.letterMultiplier(8, 8), 1);
    EXPECT_EQ(game.letterSet().entry('B').count, 3);
    EXPECT_EQ(game.letterSet().entry('C').value, 4);
    EXPECT_TRUE(game.dictionary().contains("TAN"));
    EXPECT_EQ(game.selectedSlot(), -1);
    EXPECT_EQ(game.rackSlotCount(), 0);
    EXPECT_EQ(game.rules(), nullptr);
}

TEST(Game, SettingsComeFromThePreferencesAndLaterListsWin)
{
    GameFiles files;
    files.prefs.setInteger("TableRowsKey", 11);
    files.prefs.setInteger("TableColumnsKey", 9);
    files.prefs.setInteger("GameBonusKey", 35);
    files.prefs.setInteger("GameClassicTimeKey", 10);
    files.prefs.setString("MultiLettersX2Key", "2 2 |3 3 |");
    files.prefs.setString("MultiLettersX3Key", "3 3 |");
    files.prefs.setString("MultiWordsX2Key", "2 2 |4 4 |");
    files.prefs.setString("MultiWordsX3Key", "4 4 |");
    RecordingView view;
    Game game(files.prefs, view);
    EXPECT_EQ(game.rows(), 11);
    EXPECT_EQ(game.columns(), 9);
    EXPECT_EQ(game.bonus(), 35);
    EXPECT_EQ(game.time(), 10);
    EXPECT_EQ(game.letterMultiplier(2, 2), 2);
    EXPECT_EQ(game.wordMultiplier(2, 2), 2); // one square may carry both
    EXPECT_EQ(game.letterMultiplier(3, 3), 3);
    EXPECT_EQ(game.wordMultiplier(4, 4), 3);
    EXPECT_EQ(game.wordMultiplier(1, 1), 1); // the default lists are gone
}

TEST(Game, MissingSetFailsBeforeTheDictionaryIsLoaded)
{
    GameFiles files;
    const std::string missing = files.dir.file("None.set");
    files.prefs.setString("GameSetKey", missing);
    files.prefs.setInteger("TableRowsKey", 13);
    RecordingView view;
    Game game(files.prefs, view);
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0], "Can't open " + missing + " for reading");
    EXPECT_EQ(game.rows(), 13); // the steps before the set have run
    EXPECT_EQ(game.letterSet().entry('A').count, 0);
    EXPECT_FALSE(game.dictionary().contains("TAN"));
    EXPECT_FALSE(game.loadSettings());
}

TEST(Game, MissingDictionaryFailsAfterTheSetIsLoaded)
{
    GameFiles files;
    const std::string missing = files.dir.file("None.dic");
    files.prefs.setString("GameDictionaryKey", missing);
    RecordingView view;
    Game game(files.prefs, view);
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0], "Can't open " + missing + " for reading");
    EXPECT_EQ(game.letterSet().entry('A').count, 2);
    files.prefs.setString("GameDictionaryKey", files.dicPath);
    EXPECT_TRUE(game.loadSettings());
}

TEST(Game, LoadSettingsClearsTheBoardAndOccupancyStopsAtTheEdges)
{
    GameFiles files;
    files.prefs.setInteger("TableRowsKey", 10);
    RecordingView view;
    Game game(files.prefs, view);
    game.board()[8][8] = {'A', 0};
    game.board()[11][3] = {'B', 0}; // below a 10-row board
    game.board()[0][0] = {'C', 0};
    EXPECT_TRUE(game.isOccupied(8, 8));
    EXPECT_FALSE(game.isOccupied(11, 3));
    EXPECT_FALSE(game.isOccupied(0, 0));
    EXPECT_FALSE(game.isOccupied(8, 9));
    EXPECT_FALSE(game.isOccupied(-1, 8));
    ASSERT_TRUE(game.loadSettings());
    EXPECT_FALSE(game.isOccupied(8, 8));
    EXPECT_EQ(game.board()[11][3].letter, 0);
}

TEST(Game, ReloadRackSlotsFillsFromTheCurrentPlayer)
{
    GameFiles files;
    RecordingView view;
    Game game(files.prefs, view);
    std::vector<Player> players(2);
    players[0].setRack("AB");
    players[1].setRack("QU[T");
    game.setRules(std::make_unique<SeatedRules>(game, players, 1));
    game.rackSlots()[5] = {'Z', 0, 1, 3, 3};
    game.setSelectedSlot(2);
    game.reloadRackSlots();
    EXPECT_EQ(view.erasures, 1);
    EXPECT_EQ(game.rackSlotCount(), 4);
    EXPECT_EQ(game.selectedSlot(), -1);
    const std::string letters{game.rackSlots()[0].letter, game.rackSlots()[1].letter,
                              game.rackSlots()[2].letter, game.rackSlots()[3].letter};
    EXPECT_EQ(letters, "QU[T");
    for (const RackSlot& slot : game.rackSlots()) {
        EXPECT_EQ(slot.placed, 0);
        EXPECT_EQ(slot.jokerLetter, 0);
    }
    EXPECT_EQ(game.rackSlots()[5].letter, 0);
}

TEST(Game, ReloadRackSlotsWithoutAGameGivesAnEmptyRackAndKeepsWithinTheSlots)
{
    GameFiles files;
    RecordingView view;
    Game game(files.prefs, view);
    game.reloadRackSlots();
    EXPECT_EQ(game.rackSlotCount(), 0);
    game.setRules(createRules(0, game));
    game.reloadRackSlots();
    EXPECT_EQ(game.rackSlotCount(), 0);
    EXPECT_EQ(view.erasures, 2);

    std::vector<Player> players(1);
    players[0].setRack(std::string(31, 'E')); // more tiles than there are slots
    game.setRules(std::make_unique<SeatedRules>(game, players, 0));
    game.reloadRackSlots();
    EXPECT_EQ(game.rackSlotCount(), kMaxRackSlots);
}

TEST(GameRules, FactoryMakesTheClassicRulesWithNoGameInProgress)
{
    GameFiles files;
    RecordingView view;
    Game game(files.prefs, view);
    std::unique_ptr<GameRules> rules = createRules(0, game);
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(rules->name(), "Game Classic");
    EXPECT_FALSE(rules->inProgress());
    EXPECT_STREQ(rules->currentPlayer().name, "");
    EXPECT_STREQ(rules->currentPlayer().rack, "");
    EXPECT_EQ(createRules(kGameTypeEnd, game), nullptr);
    EXPECT_EQ(createRules(7, game), nullptr);
}

TEST(GameRules, EmptySeatStaysEmptyWhateverACallerWroteIntoIt)
{
    GameFiles files;
    RecordingView view;
    Game game(files.prefs, view);
    game.setRules(createRules(0, game));
    game.rules()->currentPlayer().setRack("ABC");
    game.rules()->currentPlayer().score = 12;
    EXPECT_STREQ(game.rules()->currentPlayer().rack, "");
    EXPECT_EQ(game.rules()->currentPlayer().score, 0);
}
