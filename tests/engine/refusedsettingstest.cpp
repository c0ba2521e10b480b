// A command that reads the settings afresh (New Game, Open, Preferences Apply) and is refused
// leaves the game in progress as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/gamerules.h"
#include "support/dicbytes.h"
#include "support/rulesfixture.h"

using glyph::test::GameInProgress;

namespace
{

/// Everything of the game in progress that its settings shape: board, size, both premium
/// grids, the letter set, the dictionary, the rules with their history and racks, the bonus
/// and the time.
std::string gameState(const glyph::Game& game)
{
    std::string text = std::to_string(game.rows()) + "x" + std::to_string(game.columns()) + " ";
    for (int row = 1; row <= glyph::kMaxBoardSize; ++row)
        for (int column = 1; column <= glyph::kMaxBoardSize; ++column) {
            const glyph::Square& square = game.board()[row][column];
            text += square.letter != 0 ? square.letter : '.';
            text +=
                std::to_string(game.letterMultiplier(row, column) * 10 + game.wordMultiplier(row, column));
        }
    for (int k = 0; k < glyph::kLetterCount; ++k) {
        const glyph::LetterSet::Entry& entry = game.letterSet().entryAt(k);
        text += " " + std::to_string(entry.count) + "/" + std::to_string(entry.value) + "/" +
                std::to_string(entry.vowel);
    }
    text += " words " + std::to_string(game.dictionary().nodeCount()) +
            (game.dictionary().contains("CAT") ? " CAT" : " no CAT");
    const glyph::GameRules* rules = game.rules();
    text += " history " + std::to_string(rules->history().size()) + " at " +
            std::to_string(rules->historyPosition());
    for (const glyph::Player& player : rules->players())
        text += std::string(" ") + player.name + ":" + player.rack + ":" + std::to_string(player.score);
    return text + " bonus " + std::to_string(game.bonus()) + " time " + std::to_string(game.time());
}

/// The stored choices a saved game and the New Game window replace.
std::string storedChoices(const glyph::Preferences& preferences)
{
    return preferences.string("GameSetKey") + "|" + preferences.string("GameDictionaryKey") + "|" +
           preferences.string("GameClassicTimeKey") + "|" + preferences.string("GameBonusKey");
}

/// Runs Apply as the preferences window does, after the change has been stored.
bool apply(GameInProgress& fixture)
{
    bool sizeKept = false;
    return fixture.game->reloadSettingsKeepingGame(sizeKept);
}

/// Starts a two-player game with the stored settings, as the New Game window does.
bool newGame(GameInProgress& fixture)
{
    std::vector<glyph::Player> players(2);
    players[0].setName("New");
    players[1].setName("One");
    return fixture.game->startNewGame(players, glyph::kClassicGameType);
}

struct RefusedCommand {
    const char* what;
    /// Changes the stored settings (and may Apply them), then runs the command to be refused.
    std::function<bool(GameInProgress&)> run;
    /// The stored choices are the game's again afterwards (Apply stores them for the next game).
    bool keepsStoredChoices;
};

} // namespace

TEST(RefusedSettings, LeaveTheGameInProgressAndItsStoredChoicesAsTheyWere)
{
    const auto store = [](GameInProgress& fixture, const char* key, const std::string& value) {
        fixture.preferences->setString(key, value);
    };
    const std::vector<RefusedCommand> commands = {
        {"Open needing a larger board than the one stored, which the game did not take",
         [&](GameInProgress& fixture) {
             EXPECT_TRUE(fixture.rules->save(fixture.dir.file("own.tc")));
             fixture.preferences->setInteger("TableRowsKey", 7);
             fixture.preferences->setInteger("TableColumnsKey", 7);
             EXPECT_TRUE(apply(fixture));
             fixture.view.warnings.clear();
             return fixture.rules->load(fixture.dir.file("own.tc"));
         },
         true},
        {"Open naming a missing set, after premium squares the game did not take",
         [&](GameInProgress& fixture) {
             EXPECT_TRUE(fixture.rules->save(fixture.dir.file("own.tc")));
             store(fixture, "MultiWordsX2Key", "");
             store(fixture, "MultiLettersX2Key", "1 1 |");
             EXPECT_TRUE(apply(fixture));
             std::string bytes = fixture.dir.read("own.tc");
             const std::string set = fixture.dir.file("test.set");
             bytes.replace(bytes.find(set), set.size(), fixture.dir.file("gone.set"));
             return fixture.rules->load(fixture.dir.write("gone.tc", bytes));
         },
         true},
        {"New Game with a set too small for two players",
         [&](GameInProgress& fixture) {
             store(fixture, "GameSetKey", fixture.dir.write("tiny.set", "1 1 1\n"));
             return newGame(fixture);
         },
         false},
        {"New Game with a file that is no dictionary",
         [&](GameInProgress& fixture) {
             store(fixture, "GameDictionaryKey", fixture.dir.write("no.dic", "not a dictionary"));
             return newGame(fixture);
         },
         false},
        {"New Game with a dictionary cut short",
         [&](GameInProgress& fixture) {
             store(fixture, "GameDictionaryKey",
                   fixture.dir.write("short.dic", glyph::test::dicHeader("x", 1, 5, 20)));
             return newGame(fixture);
         },
         false},
        {"Apply of a set that is gone",
         [&](GameInProgress& fixture) {
             store(fixture, "GameSetKey", fixture.dir.file("gone.set"));
             fixture.preferences->setInteger("GameBonusKey", 10);
             return apply(fixture);
         },
         false},
        {"Apply of a dictionary cut short",
         [&](GameInProgress& fixture) {
             store(fixture, "GameDictionaryKey",
                   fixture.dir.write("short.dic", glyph::test::dicHeader("x", 1, 5, 20)));
             return apply(fixture);
         },
         false},
    };
    for (const RefusedCommand& command : commands) {
        GameInProgress fixture;
        const glyph::GameRules* rules = fixture.game->rules();
        const std::string before = gameState(*fixture.game);
        const std::string choices = storedChoices(*fixture.preferences);
        EXPECT_FALSE(command.run(fixture)) << command.what;
        EXPECT_EQ(fixture.view.warnings.size(), 1u) << command.what;
        EXPECT_EQ(fixture.game->rules(), rules) << command.what;
        EXPECT_EQ(gameState(*fixture.game), before) << command.what;
        if (command.keepsStoredChoices) {
            EXPECT_EQ(storedChoices(*fixture.preferences), choices) << command.what;
        }
        // The game goes on: the next move is scored with the game's own squares and values.
        fixture.setRack(fixture.rules->currentPlayerIndex(), "SXYZQJK");
        EXPECT_TRUE(fixture.play(glyph::test::makeMove(true, 8, 7, "CATS"))) << command.what;
    }
}
