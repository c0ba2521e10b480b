#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/board.h"
#include "base/datafolders.h"
#include "base/letterset.h"
#include "dictionary/dictionary.h"
#include "engine/computerplayers.h"
#include "engine/move.h"
#include "engine/rackslot.h"

namespace glyph
{

class GameRules;
class GameView;
class Preferences;
struct Player;

/// The game object: settings read from the preferences (board size, premium squares, letter
/// set, dictionary, bonus, time), the board, the rack slots of the current player, and the
/// rules object that holds the game in progress. It reports to the window through the view.
class Game
{
public:
    /// Builds the members and loads the settings at once (`loadSettings`), finding the data
    /// names of the preferences ("Sets/English.set") in `folders` (by default the working folder).
    Game(Preferences& preferences, GameView& view, DataFolders folders = {});
    ~Game();
    Game(const Game&) = delete;
    /// A game with this one's settings, dictionary, letter set and board, reporting to `view`,
    /// without rules, rack slots or computer players: for work on another thread that must
    /// not touch the game the window shows.
    std::unique_ptr<Game> copySettings(GameView& view) const;
    Game& operator=(const Game&) = delete;

    /// Reads size, bonus, time, premium squares, letter set and dictionary from the
    /// preferences, in that order; false when the set or the dictionary cannot be loaded.
    bool loadSettings();
    /// Stores a board size in the preferences for `loadSettings`: premium squares in the
    /// standard layout follow the size (as the preferences window does), a layout of the
    /// user's own stays as it is.
    void storeBoardSize(int rows, int columns);
    /// `loadSettings` for a game in progress: the board is put back afterwards; once tiles are
    /// laid the game keeps its premium squares, and when the stored size would cut off a tile
    /// of the board or of the history, or move the centre square once tiles are laid, it keeps
    /// its size (`sizeKept` true). The stored settings wait for the next game. False as
    /// loadSettings, and then a game in progress keeps all its settings as they were.
    bool reloadSettingsKeepingGame(bool& sizeKept);
    /// Takes over another game's position and settings: board, size, premium squares, letter
    /// set, bonus and time, and its dictionary (copied only when it changed since the last
    /// copy). No rules are copied. A search on another thread works on such a copy.
    void copyPositionFrom(const Game& other);
    /// Puts back what `loadSettings` replaces (board, size, premium squares, letter set,
    /// dictionary, bonus, time) from a copy made by `copySettings` before a command that is
    /// then refused.
    void restoreSettings(const Game& copy);
    /// Fills the rack slots from the current player's rack (none placed, nothing selected).
    void reloadRackSlots();

    /// The folders that the data names of the preferences are found in.
    const DataFolders& folders() const { return m_folders; }

    Preferences& preferences() { return m_preferences; }
    const Preferences& preferences() const { return m_preferences; }
    GameView& view() { return m_view; }
    Dictionary& dictionary() { return m_dictionary; }
    const Dictionary& dictionary() const { return m_dictionary; }
    const LetterSet& letterSet() const { return m_letterSet; }
    LetterSet& letterSet() { return m_letterSet; }
    /// The computer players attached to this game (move generator and profile host), or null
    /// when none are attached (the engine itself never needs them).
    ComputerPlayers* computerPlayers() { return m_computerPlayers.get(); }
    const ComputerPlayers* computerPlayers() const { return m_computerPlayers.get(); }
    /// Attaches the computer players; they are destroyed with the game, before its dictionary.
    void setComputerPlayers(std::unique_ptr<ComputerPlayers> players)
    {
        m_computerPlayers = std::move(players);
    }

    /// The rules in use, or null before one is given.
    GameRules* rules() { return m_rules.get(); }
    const GameRules* rules() const { return m_rules.get(); }
    /// Replaces the rules object (the old one is deleted first).
    void setRules(std::unique_ptr<GameRules> rules);
    /// Starts a new game the one way every caller does: the settings afresh from the
    /// preferences (an empty board), new rules of the game type, then the players seated in
    /// this order. False, with the reason already reported, when the settings cannot be loaded,
    /// the type is unknown or the rules refuse the players; the game in progress then stays as
    /// it was, settings, board and rules.
    bool startNewGame(const std::vector<Player>& players, unsigned char gameType);

    Board& board() { return m_board; }
    const Board& board() const { return m_board; }
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    int letterMultiplier(int row, int column) const { return m_letterMultipliers[row][column]; }
    int wordMultiplier(int row, int column) const { return m_wordMultipliers[row][column]; }
    /// True when the square lies on the board and holds a tile.
    bool isOccupied(int row, int column) const;
    /// Largest seven-tile bonus and largest minutes per player taken from the preferences.
    static constexpr int kMaxBonus = 1'000'000;
    static constexpr int kMaxMinutes = 100'000;

    /// Seven-tile bonus, 0..kMaxBonus.
    int bonus() const { return m_bonus; }
    /// Minutes of playing time each player gets, 0..kMaxMinutes.
    int time() const { return m_time; }

    std::array<RackSlot, kMaxRackSlots>& rackSlots() { return m_rackSlots; }
    const std::array<RackSlot, kMaxRackSlots>& rackSlots() const { return m_rackSlots; }
    int rackSlotCount() const { return m_rackSlotCount; }
    int selectedSlot() const { return m_selectedSlot; }
    void setSelectedSlot(int slot) { m_selectedSlot = slot; }
    /// The tiles placed this turn, gathered when a human move is built.
    const std::vector<RackSlot>& placedTiles() const { return m_placedTiles; }

    // Moves: building, scoring, laying and notation.

    /// Builds and scores the move made by the rack slots placed this turn; false when they
    /// form no move (none placed, not in one line, a gap, too short, not touching).
    bool buildHumanMove(Move& out);
    /// Sets move.score for laying it on `board` (the board before the move is laid).
    void computeScore(Move& move, const Board& board) const;
    /// Writes the move's new letters on the board (jokers with their letters and flags).
    void layMove(const Move& move, Board& board) const;
    /// The rack with the letters that the move lays removed (its kept letters).
    std::string keptLetters(const std::string& rack, const Move& move) const;
    /// Marks the rack slots that the move lays as placed on their squares.
    void showMoveInRackSlots(const Move& move);
    /// Notation "(H4)CAT", "(4H)CAT" or "PAS / CHANGE"; `newTiles` receives the tiles laid.
    std::string moveText(const Move& move, const Board& board, int* newTiles = nullptr) const;

private:
    /// The copy made by copySettings.
    Game(const Game& other, GameView& view);
    /// Copies board, size, premium squares, letter set, bonus and time, not the dictionary.
    void copyLayoutFrom(const Game& other);

    Preferences& m_preferences;
    GameView& m_view;
    DataFolders m_folders;
    std::vector<RackSlot> m_placedTiles;
    Dictionary m_dictionary;
    std::unique_ptr<ComputerPlayers> m_computerPlayers;
    // The dictionary and generation that m_dictionary was last copied from.
    const Dictionary* m_copiedDictionary = nullptr;
    std::uint64_t m_copiedGeneration = 0;
    Board m_board{};
    int m_rows = 15;
    int m_columns = 15;
    MultiplierGrid m_letterMultipliers{};
    MultiplierGrid m_wordMultipliers{};
    LetterSet m_letterSet;
    std::unique_ptr<GameRules> m_rules;
    int m_selectedSlot = -1;
    int m_rackSlotCount = 0;
    std::array<RackSlot, kMaxRackSlots> m_rackSlots{};
    int m_bonus = 50;
    int m_time = 25;
};

} // namespace glyph
