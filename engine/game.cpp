#include "engine/game.h"

#include <algorithm>
#include <utility>

#include "engine/boardgeometry.h"
#include "engine/gamerules.h"
#include "engine/gameview.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"

namespace glyph
{

namespace
{

geometry::PremiumLists premiumLists(const Preferences& preferences)
{
    return {preferences.string(keys::kMultiLettersX2), preferences.string(keys::kMultiLettersX3),
            preferences.string(keys::kMultiWordsX2), preferences.string(keys::kMultiWordsX3)};
}

/// True when a tile lies beyond rows x columns.
bool holdsTileOutside(const Board& board, int rows, int columns)
{
    for (int row = 1; row < kBoardCells; ++row)
        for (int column = 1; column < kBoardCells; ++column)
            if (board[row][column].letter != 0 && (row > rows || column > columns))
                return true;
    return false;
}

} // namespace

Game::Game(Preferences& preferences, GameView& view, DataFolders folders)
    : m_preferences(preferences), m_view(view), m_folders(std::move(folders)), m_dictionary(view)
{
    m_selectedSlot = -1;
    m_rackSlotCount = 0;
    loadSettings();
}

Game::Game(const Game& other, GameView& view)
    : m_preferences(other.m_preferences), m_view(view), m_folders(other.m_folders), m_dictionary(view),
      m_board(other.m_board), m_rows(other.m_rows), m_columns(other.m_columns),
      m_letterMultipliers(other.m_letterMultipliers), m_wordMultipliers(other.m_wordMultipliers),
      m_letterSet(other.m_letterSet), m_bonus(other.m_bonus), m_time(other.m_time)
{
    m_dictionary.copyFrom(other.m_dictionary);
}

std::unique_ptr<Game> Game::copySettings(GameView& view) const
{
    return std::unique_ptr<Game>(new Game(*this, view));
}

Game::~Game()
{
    // The rules and the computer players refer to the game, so they go first; the other
    // members follow in reverse order.
    m_rules.reset();
    m_computerPlayers.reset();
}

void Game::copyLayoutFrom(const Game& other)
{
    m_board = other.m_board;
    m_rows = other.m_rows;
    m_columns = other.m_columns;
    m_letterMultipliers = other.m_letterMultipliers;
    m_wordMultipliers = other.m_wordMultipliers;
    m_letterSet = other.m_letterSet;
    m_bonus = other.m_bonus;
    m_time = other.m_time;
}

void Game::copyPositionFrom(const Game& other)
{
    copyLayoutFrom(other);
    if (m_copiedDictionary != &other.m_dictionary || m_copiedGeneration != other.m_dictionary.generation()) {
        m_dictionary.copyFrom(other.m_dictionary);
        m_copiedDictionary = &other.m_dictionary;
        m_copiedGeneration = other.m_dictionary.generation();
    }
}

void Game::restoreSettings(const Game& copy)
{
    copyLayoutFrom(copy);
    // Only a dictionary that was replaced or emptied is copied back, so that what the move
    // generator derived from the one in use stays valid.
    if (m_dictionary.fileName() != copy.m_dictionary.fileName())
        m_dictionary.copyFrom(copy.m_dictionary);
}

bool Game::loadSettings()
{
    m_rows = geometry::storedBoardSize(m_preferences, keys::kTableRows);
    m_columns = geometry::storedBoardSize(m_preferences, keys::kTableColumns);
    // Clamped so that a clock in seconds and a score with the bonus cannot overflow.
    m_bonus = std::clamp(m_preferences.integer(keys::kGameBonus, m_bonus), 0, kMaxBonus);
    m_time = std::clamp(m_preferences.integer(keys::kGameClassicTime, m_time), 0, kMaxMinutes);

    m_board = Board{};
    geometry::applyPremiumLists(premiumLists(m_preferences), m_letterMultipliers, m_wordMultipliers);

    if (!m_letterSet.load(m_folders.find(m_preferences.string(keys::kGameSet)), m_view))
        return false;
    return m_dictionary.load(m_folders.find(m_preferences.string(keys::kGameDictionary)));
}

void Game::storeBoardSize(int rows, int columns)
{
    const int storedRows = geometry::storedBoardSize(m_preferences, keys::kTableRows);
    const int storedColumns = geometry::storedBoardSize(m_preferences, keys::kTableColumns);
    if (geometry::isStandardLayout(premiumLists(m_preferences), storedRows, storedColumns)) {
        const geometry::PremiumLists lists = geometry::standardLayout(rows, columns);
        m_preferences.setString(keys::kMultiLettersX2, lists.lettersX2);
        m_preferences.setString(keys::kMultiLettersX3, lists.lettersX3);
        m_preferences.setString(keys::kMultiWordsX2, lists.wordsX2);
        m_preferences.setString(keys::kMultiWordsX3, lists.wordsX3);
    }
    m_preferences.setInteger(keys::kTableRows, rows);
    m_preferences.setInteger(keys::kTableColumns, columns);
}

bool Game::reloadSettingsKeepingGame(bool& sizeKept)
{
    const std::unique_ptr<Game> kept = copySettings(m_view);
    const bool loaded = loadSettings();
    m_board = kept->m_board;
    sizeKept = false;
    if (m_rules == nullptr || !m_rules->inProgress())
        return loaded;
    // A set or dictionary that cannot be loaded must not take the game's own away.
    if (!loaded) {
        restoreSettings(*kept);
        return false;
    }
    const int rows = kept->m_rows;
    const int columns = kept->m_columns;
    // Once tiles are laid, a board that cuts one off, or whose centre square moves (the first
    // move would seem not made), cannot carry this game on.
    bool laid = holdsTileOutside(m_board, 0, 0);
    bool cutOff = holdsTileOutside(m_board, m_rows, m_columns);
    for (const HistoryEntry& entry : m_rules->history()) {
        laid = laid || holdsTileOutside(entry.board, 0, 0);
        cutOff = cutOff || holdsTileOutside(entry.board, m_rows, m_columns);
    }
    const bool centreMoves = geometry::centreRow(m_rows) != geometry::centreRow(rows) ||
                             geometry::centreColumn(m_columns) != geometry::centreColumn(columns);
    if (cutOff || (laid && centreMoves)) {
        m_rows = rows;
        m_columns = columns;
        sizeKept = true;
    }
    // Premium squares already played on keep the value they were played for: once tiles are
    // laid, the new layout waits for the next game.
    if (laid) {
        m_letterMultipliers = kept->m_letterMultipliers;
        m_wordMultipliers = kept->m_wordMultipliers;
    }
    return loaded;
}

void Game::reloadRackSlots()
{
    m_view.erasePlacedTiles();
    static const Player kNoPlayer;
    const GameRules* rules = m_rules.get();
    const Player& player = rules != nullptr ? rules->currentPlayer() : kNoPlayer;
    const char* rack = player.rack;
    const int length = static_cast<int>(std::find(rack, rack + sizeof player.rack, '\0') - rack);
    m_rackSlotCount = std::min(length, kMaxRackSlots);
    m_rackSlots.fill(RackSlot{});
    for (int i = 0; i < m_rackSlotCount; ++i)
        m_rackSlots[i].letter = rack[i];
    m_selectedSlot = -1;
}

void Game::setRules(std::unique_ptr<GameRules> rules)
{
    m_rules.reset();
    m_rules = std::move(rules);
}

bool Game::startNewGame(const std::vector<Player>& players, unsigned char gameType)
{
    // The game in progress is replaced only once the new one has started.
    const std::unique_ptr<Game> kept = copySettings(m_view);
    std::unique_ptr<GameRules> rules = loadSettings() ? createRules(gameType, *this) : nullptr;
    if (rules != nullptr) {
        // The new rules are in place while they start, as they deal the racks to the slots.
        std::swap(m_rules, rules);
        if (m_rules->start(players))
            return true;
        std::swap(m_rules, rules);
    }
    restoreSettings(*kept);
    return false;
}

bool Game::isOccupied(int row, int column) const
{
    return row >= 1 && row <= m_rows && column >= 1 && column <= m_columns &&
           m_board[row][column].letter != 0;
}

} // namespace glyph
