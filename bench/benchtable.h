#pragma once
// The game the benchmarks play on: the shipped English set, dictionary and profiles of the dist
// folder, with the computer players attached and the preferences kept in the temporary folder.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "engine/game.h"
#include "engine/gameclassic.h"
#include "engine/gameview.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"

namespace glyph::bench
{

class BenchTable
{
public:
    BenchTable()
        : m_preferences((std::filesystem::temp_directory_path() / "glyph-bench-Preferences.ini").string(),
                        &m_view)
    {
        const std::string dist = GLYPH_DIST_DIR;
        m_preferences.setString(keys::kGameSet, dist + "/Sets/English.set");
        m_preferences.setString(keys::kGameDictionary, dist + "/Dictionaries/English.dic");
        m_game = std::make_unique<Game>(m_preferences, m_view);
        attachAiPlayers(*m_game);
        scriptHost(*m_game).setProfileFolder(dist + "/Profiles/");
    }
    Game& game() { return *m_game; }

private:
    NullView m_view;
    Preferences m_preferences;
    std::unique_ptr<Game> m_game;
};

/// Starts a new classic game of two players on the game's settings and returns its rules.
inline GameRules& startTwoPlayerGame(Game& game)
{
    game.loadSettings();
    game.setRules(std::make_unique<GameClassic>(game));
    std::vector<Player> players(2);
    players[0].setName("One");
    players[1].setName("Two");
    game.rules()->start(players);
    return *game.rules();
}

} // namespace glyph::bench
