#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/player.h"
#include "preferences/preferences.h"
#include "support/recordingview.h"

namespace glyph::test
{

/// The node array of a plain letter tree holding the words (one list per node, none shared).
std::vector<DawgNode> letterTreeNodes(const std::vector<std::string>& words);

/// A game set up in a folder of its own: a small dictionary of the given words, a letter set
/// with the usual English values, a board of the given size with a few premium squares.
class AiTable
{
public:
    AiTable(const std::vector<std::string>& words, int rows = 15, int columns = 15);

    ~AiTable();
    AiTable(const AiTable&) = delete;
    AiTable& operator=(const AiTable&) = delete;

    Game& game() { return *m_game; }
    RecordingView& view() { return m_view; }
    /// Path of a file in the table's own folder (removed with the table).
    std::string file(const std::string& name) const;
    /// Writes a file into the table's folder and returns its path.
    std::string writeFile(const std::string& name, const std::string& bytes) const;
    /// Puts a tile on the board (a joker standing for the letter when `joker` is true).
    void put(int row, int column, char letter, bool joker = false);
    /// Writes the letters of a word on the board from (row, column), across or down.
    void write(int row, int column, const std::string& word, bool across);
    /// Starts a classic game with these players (name, profile file, rack after dealing).
    void start(const std::vector<Player>& players);
    /// Writes a profile file into the table's folder and returns its file name.
    std::string writeProfile(const std::string& name, const std::string& text);

private:
    std::string m_folder;
    RecordingView m_view;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<Game> m_game;
};

/// A player record for tests.
Player makePlayer(const std::string& name, const std::string& profile, const std::string& rack);

} // namespace glyph::test
