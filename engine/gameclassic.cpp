#include "engine/gameclassic.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "base/atomicfile.h"
#include "base/letters.h"
#include "base/regularfile.h"
#include "engine/boardgeometry.h"
#include "engine/game.h"
#include "engine/gameview.h"
#include "engine/moveplacement.h"
#include "engine/savedgame.h"
#include "engine/savedsettings.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"

namespace glyph
{

namespace
{

constexpr int kSecondsPerMinute = 60;

/// Message for a saved game that cannot be read back whole.
const char* const kDamagedFile = "Corrupted data in %s file";

placement::Extent extentOf(const Game& game)
{
    return {game.rows(), game.columns()};
}

/// A new rack: fresh tiles up to seven, followed by the kept letters.
std::string refilledRack(Bag& bag, const std::string& kept)
{
    if (static_cast<int>(kept.size()) >= kRackSize)
        return kept;
    return bag.draw(kRackSize - static_cast<int>(kept.size())) + kept;
}

/// The move's word with jokers replaced by their letters, the move otherwise unchanged.
Move spelled(const Move& move)
{
    Move copy = move;
    const std::string word = placement::spelledWord(move);
    std::fill(std::begin(copy.word), std::end(copy.word), 0);
    word.copy(copy.word, std::min(word.size(), sizeof copy.word - 1));
    return copy;
}

/// The cross word through the empty square at `index` of the move, with the move's letter in it.
std::string crossWord(const Game& game, const Move& move, int index)
{
    const int dRow = move.horiz ? 1 : 0;
    const int dColumn = move.horiz ? 0 : 1;
    const int row = placement::rowAt(move, index);
    const int column = placement::columnAt(move, index);
    const placement::Run run =
        placement::runThrough(game.board(), extentOf(game), row, column, dRow, dColumn);
    std::string word;
    for (int i = 0, r = run.row, c = run.column; i < run.length; ++i, r += dRow, c += dColumn)
        word += (r == row && c == column) ? move.word[index] : game.board()[r][c].letter;
    return word;
}

/// The board size a saved game's tiles take up: the last row and column holding a tile.
struct TileExtent {
    int rows = 0;
    int columns = 0;
};

/// Counts a history entry's tiles per letter (board jokers as jokers) into `used` and widens
/// `extent` to its tiles; false when a rack holds more than seven tiles or a tile lies outside
/// the largest board.
bool countTiles(const HistoryEntry& entry, std::array<int, kLetterCount>& used, TileExtent& extent)
{
    for (const Player& player : entry.players) {
        const std::size_t length = strnlen(player.rack, sizeof player.rack);
        if (length > static_cast<std::size_t>(kRackSize))
            return false;
        for (std::size_t i = 0; i < length; ++i)
            ++used[static_cast<std::size_t>(player.rack[i] - 'A')];
    }
    for (int row = 0; row < kBoardCells; ++row)
        for (int column = 0; column < kBoardCells; ++column) {
            const Square& square = entry.board[row][column];
            if (square.letter == 0)
                continue;
            if (row < 1 || row > kMaxBoardSize || column < 1 || column > kMaxBoardSize)
                return false;
            extent.rows = std::max(extent.rows, row);
            extent.columns = std::max(extent.columns, column);
            ++used[static_cast<std::size_t>(square.joker ? kLetterCount - 1 : square.letter - 'A')];
        }
    return true;
}

/// True when every position of the history could arise with this letter set: racks of at most
/// seven tiles, tiles on the board's squares only, and no letter on racks and board together
/// more often than the set holds it. `extent` receives the board size the tiles need.
bool isPossibleHistory(const LetterSet& set, const std::vector<HistoryEntry>& history, TileExtent& extent)
{
    for (const HistoryEntry& entry : history) {
        std::array<int, kLetterCount> used{};
        if (!countTiles(entry, used, extent))
            return false;
        for (int k = 0; k < kLetterCount; ++k)
            if (used[static_cast<std::size_t>(k)] > set.entryAt(k).count)
                return false;
    }
    return true;
}

} // namespace

GameClassic::GameClassic(Game& game) : GameRules(game) {}

std::string GameClassic::name() const
{
    return "Game Classic";
}

bool GameClassic::start(const std::vector<Player>& players)
{
    if (players.empty() || static_cast<int>(players.size()) > kMaxPlayers)
        return false;
    // A seat dealt no tile would have gone out before the first turn: a game over unscored.
    const int seats = static_cast<int>(players.size());
    if (seats > Bag::seatsServed(m_game.letterSet())) {
        showWarning(m_game.view(), "The letter set has %d tiles: too few for %d players",
                    Bag::tilesIn(m_game.letterSet()), seats);
        return false;
    }
    m_bag.fillFromLetterSet(m_game.letterSet());
    m_players = players;
    for (Player& player : m_players) {
        player.setRack(m_bag.draw(kRackSize));
        player.timeLeft = m_game.time() * kSecondsPerMinute;
    }
    m_current = 0;
    if (!m_replaying)
        m_game.reloadRackSlots();
    m_historyPosition = -1;
    m_passCount = 0;
    m_round = 1;
    addHistory(Move{});
    return true;
}

bool GameClassic::playMove(const Move& move)
{
    if (!inProgress())
        return false;
    if (isGameOver()) {
        showGameOver();
        return false;
    }
    if (move.score == 0)
        return passOrExchange("", "");
    MoveProblem problem = placementProblem(move);
    if (problem.ok())
        problem = validateMove(move);
    if (!problem.ok()) {
        // Shown through its format, which the view translates, rather than as finished text.
        showWarning(m_game.view(), problem.format(), problem.detail.c_str());
        // Checked before playing, a person's faulty move is only refused; a computer player's
        // profile could repeat its faulty choice for ever, so its turn is lost as always.
        if (!currentPlayer().isComputer() && m_game.preferences().integer(keys::kCheckBeforePlaying) == 1)
            return false;
        return passOrExchange("", "");
    }

    layCheckedMove(move);
    return true;
}

bool GameClassic::playRecordedMove(const Move& move, MoveProblem& problem)
{
    problem = {};
    if (!inProgress() || isGameOver()) {
        problem = {MoveProblem::Kind::LaysNoTile, m_game.moveText(move, m_game.board())};
        return false;
    }
    problem = placementProblem(move);
    const bool firstMove =
        !m_game.isOccupied(geometry::centreRow(m_game.rows()), geometry::centreColumn(m_game.columns()));
    if (problem.ok() && firstMove)
        problem = validateFirstMove(spelled(move));
    if (!problem.ok())
        return false;
    layCheckedMove(move);
    return true;
}

void GameClassic::layCheckedMove(const Move& move)
{
    // The rules score every move themselves: whoever proposed it (a profile too) may claim any score.
    Move scored = move;
    m_game.computeScore(scored, m_game.board());
    Player& player = currentPlayer();
    const std::string kept = m_game.keptLetters(player.rack, scored);
    m_game.layMove(scored, m_game.board());
    player.addScore(scored.score);
    player.setRack(refilledRack(m_bag, kept));
    m_passCount = 0;
    nextPlayer();
    addHistory(scored);
}

MoveProblem GameClassic::placementProblem(const Move& move)
{
    const Player& player = currentPlayer();
    const bool firstMove =
        !m_game.isOccupied(geometry::centreRow(m_game.rows()), geometry::centreColumn(m_game.columns()));
    const MoveProblem::Kind kind =
        placement::placementProblem(move, m_game.board(), extentOf(m_game), player.rack, firstMove);
    if (kind == MoveProblem::Kind::None)
        return {};
    return {kind, m_game.moveText(move, m_game.board())};
}

bool GameClassic::passOrExchange(const std::string& letters, const std::string& kept)
{
    if (!inProgress())
        return false;
    if (isGameOver()) {
        showGameOver();
        return false;
    }
    const bool exchange = !letters.empty();
    if (exchange && (!canExchange() || !letters::isAnagram(letters + kept, currentPlayer().rack)))
        return false;

    ++m_passCount;
    if (exchange) {
        currentPlayer().setRack(refilledRack(m_bag, kept));
        m_passCount = 0;
        for (char letter : letters)
            m_bag.returnTile(letter);
    }
    nextPlayer();
    addHistory(Move{});
    if (exchange)
        m_history.back().exchanged = letters;
    return true;
}

void GameClassic::nextPlayer()
{
    if (!inProgress())
        return;
    if (m_current == static_cast<int>(m_players.size()) - 1) {
        m_current = 0;
        m_round = std::min(m_round + 1, HistoryEntry::kMaxRound);
    } else {
        ++m_current;
    }
    if (m_replaying) {
        if (isGameOver())
            finalScoring();
        return;
    }
    m_game.reloadRackSlots();
    if (isGameOver()) {
        m_game.view().refresh(false);
        finalScoring();
        showGameOver();
        m_game.view().refresh(false);
    }
}

bool GameClassic::isGameOver() const
{
    if (!inProgress())
        return false;
    if (m_passCount >= static_cast<int>(m_players.size()) + 1)
        return true;
    if (m_bag.total() > 0)
        return false;
    for (const Player& player : m_players)
        if (player.hasNoTiles())
            return true;
    return false;
}

bool GameClassic::canExchange() const
{
    return m_bag.total() >= kRackSize;
}

void GameClassic::finalScoring()
{
    int total = 0;
    Player* finisher = nullptr;
    for (Player& player : m_players) {
        const int penalty = letters::stringValue(m_game.letterSet(), player.rack);
        player.addScore(-penalty);
        total += penalty;
        if (player.hasNoTiles())
            finisher = &player;
    }
    if (finisher)
        finisher->addScore(total);
}

void GameClassic::showGameOver()
{
    m_game.view().showGameOver();
}

void GameClassic::tickClock()
{
    if (!inProgress() || isGameOver() || m_game.view().paused())
        return;
    Player& player = currentPlayer();
    if (player.timeLeft <= 0)
        return;
    if (--player.timeLeft == 0)
        showWarning(m_game.view(), "%s is out of time!!!", player.name);
}

// Validation --------------------------------------------------------------------------------

MoveProblem GameClassic::validateMove(const Move& move)
{
    using Kind = MoveProblem::Kind;
    const Move copy = spelled(move);
    if (!m_game.dictionary().contains(copy.word))
        return {Kind::UnknownWord, copy.word};
    if (!m_game.isOccupied(geometry::centreRow(m_game.rows()), geometry::centreColumn(m_game.columns())))
        return validateFirstMove(copy);

    const placement::Extent extent = extentOf(m_game);
    const int length = placement::wordLength(copy);
    for (int i = 0; i < length; ++i) {
        if (placement::isOccupied(m_game.board(), extent, placement::rowAt(copy, i),
                                  placement::columnAt(copy, i)))
            continue;
        const std::string cross = crossWord(m_game, copy, i);
        if (cross.size() > 1 && !m_game.dictionary().contains(cross.c_str()))
            return {copy.horiz ? Kind::UnknownWord : Kind::UnknownCrossWordOfDownMove, cross};
    }
    return {};
}

MoveProblem GameClassic::validateFirstMove(const Move& move)
{
    using Kind = MoveProblem::Kind;
    const std::string word(move.word, placement::wordLength(move));
    const int length = static_cast<int>(word.size());
    const int centreRow = geometry::centreRow(m_game.rows());
    const int centreColumn = geometry::centreColumn(m_game.columns());
    if (length < 2)
        return {Kind::FirstWordTooShort, word};
    if (move.horiz && move.lin != centreRow)
        return {Kind::FirstWordOffCentreLine, word};
    if (!move.horiz && move.col != centreColumn)
        return {Kind::FirstWordOffCentreColumn, word};
    const int start = move.horiz ? move.col : move.lin;
    const int centre = move.horiz ? centreColumn : centreRow;
    if (start > centre || centre >= start + length)
        return {Kind::FirstWordMissesCentre, word};
    return {};
}

// History -----------------------------------------------------------------------------------

void GameClassic::addHistory(const Move& move)
{
    ++m_historyPosition;
    m_history.resize(m_historyPosition);
    HistoryEntry entry;
    entry.players = m_players;
    entry.board = m_game.board();
    entry.bag = m_bag;
    entry.move = move;
    entry.round = m_round;
    entry.currentPlayer = m_current;
    entry.passCount = m_passCount;
    m_history.push_back(std::move(entry));
}

void GameClassic::restoreHistory()
{
    if (m_historyPosition < 0 || m_historyPosition >= static_cast<int>(m_history.size()))
        return;
    const HistoryEntry& entry = m_history[m_historyPosition];
    m_game.board() = entry.board;
    m_bag = entry.bag;
    m_players = entry.players;
    m_passCount = entry.passCount;
    m_current = entry.currentPlayer;
    m_round = entry.round;
}

void GameClassic::showPosition(int index)
{
    if (m_history.empty())
        return;
    const int last = static_cast<int>(m_history.size()) - 1;
    m_historyPosition = std::clamp(index, 0, last);
    restoreHistory();
    m_game.reloadRackSlots();
    m_game.view().refresh(false);
}

void GameClassic::stepTo(int index)
{
    // The time used at the position left stays used when the game comes back to it.
    keepClocks();
    showPosition(index);
}

void GameClassic::goFirst()
{
    stepTo(0);
}

void GameClassic::goLast()
{
    stepTo(static_cast<int>(m_history.size()) - 1);
}

void GameClassic::goPrevious()
{
    stepTo(m_historyPosition - 1);
}

void GameClassic::goNext()
{
    stepTo(m_historyPosition + 1);
}

void GameClassic::goTo(int index)
{
    stepTo(index);
}

// Saved games -------------------------------------------------------------------------------

bool GameClassic::writeHistoryEntry(std::ostream& file, const HistoryEntry& entry)
{
    return savedgame::writeEntry(file, entry);
}

bool GameClassic::readHistoryEntry(std::istream& file, HistoryEntry& entry)
{
    return savedgame::readEntry(file, entry);
}

bool GameClassic::save(const std::string& fileName)
{
    if (!inProgress())
        return false;
    const Preferences& preferences = m_game.preferences();
    if (!canBeLoadedBack(preferences)) {
        showWarning(m_game.view(), "Can't write to %s", fileName.c_str());
        return false;
    }
    keepClocks();
    std::ostringstream text;
    char line[64];
    std::snprintf(line, sizeof line, "%d players\n", static_cast<int>(m_players.size()));
    text << line << preferences.string(keys::kGameDictionary) << '\n'
         << preferences.string(keys::kGameSet) << '\n';
    std::snprintf(line, sizeof line, "%d time\n%d bonus\n%d history\n",
                  preferences.integer(keys::kGameClassicTime), preferences.integer(keys::kGameBonus),
                  static_cast<int>(m_history.size()));
    text << line;
    for (const HistoryEntry& entry : m_history)
        if (!writeHistoryEntry(text, entry))
            return false;
    if (static_cast<long long>(text.tellp()) > savedgame::kMaxFileBytes) {
        showWarning(m_game.view(), "Can't write to %s", fileName.c_str());
        return false;
    }
    return writeFileAtomically(fileName, text.str());
}

bool GameClassic::canBeLoadedBack(const Preferences& preferences) const
{
    auto isLine = [](const std::string& text) {
        return text.size() <= static_cast<std::size_t>(savedgame::kMaxLineLength) &&
               text.find_first_of("\n\r\b") == std::string::npos;
    };
    return !m_players.empty() && static_cast<int>(m_players.size()) <= kMaxPlayers &&
           isLine(preferences.string(keys::kGameDictionary)) && isLine(preferences.string(keys::kGameSet));
}

bool GameClassic::writeFileAtomically(const std::string& fileName, const std::string& bytes)
{
    switch (glyph::writeFileAtomically(fileName, bytes)) {
    case WriteResult::Written:
        return true;
    case WriteResult::NotCreated:
        showWarning(m_game.view(), "Can't open %s for writing", fileName.c_str());
        return false;
    case WriteResult::NotWritten:
        break;
    }
    showWarning(m_game.view(), "Can't write to %s", fileName.c_str());
    return false;
}

bool GameClassic::load(const std::string& fileName)
{
    // Only a regular file is a saved game; a folder, FIFO or device is refused unread.
    RegularFile file(fileName);
    if (file.status() != RegularFile::Status::Read) {
        showWarning(m_game.view(), "Can't open %s for reading", fileName.c_str());
        return false;
    }
    std::string bytes;
    if (file.readAll(savedgame::kMaxFileBytes, bytes) != RegularFile::Status::Read) {
        showWarning(m_game.view(), kDamagedFile, fileName.c_str());
        return false;
    }
    return loadBytes(bytes, fileName);
}

bool GameClassic::loadBytes(const std::string& bytes, const std::string& fileName)
{
    SavedGameContents contents;
    if (!parseSavedGame(bytes, contents)) {
        showWarning(m_game.view(), kDamagedFile, fileName.c_str());
        return false;
    }

    Preferences& preferences = m_game.preferences();
    const SavedSettings previous = SavedSettings::read(preferences);
    const std::unique_ptr<Game> kept = m_game.copySettings(m_game.view());
    preferences.setString(keys::kGameDictionary, contents.dictionary);
    preferences.setString(keys::kGameSet, contents.letterSet);
    // Stored as the game uses them, so that the next save writes no value the game ignored.
    preferences.setInteger(keys::kGameClassicTime, std::clamp(contents.time, 0, Game::kMaxMinutes));
    preferences.setInteger(keys::kGameBonus, std::clamp(contents.bonus, 0, Game::kMaxBonus));
    // The file does not hold the board size, so the tiles tell the size the game needs; the
    // positions must be possible with the game's letter set.
    TileExtent extent;
    bool loaded = m_game.loadSettings();
    if (loaded && !isPossibleHistory(m_game.letterSet(), contents.history, extent)) {
        showWarning(m_game.view(), kDamagedFile, fileName.c_str());
        loaded = false;
    } else if (loaded && (extent.rows > m_game.rows() || extent.columns > m_game.columns())) {
        showWarning(m_game.view(), "%s needs a board of at least %d x %d squares", fileName.c_str(),
                    std::max(extent.rows, m_game.rows()), std::max(extent.columns, m_game.columns()));
        loaded = false;
    }
    if (!loaded) {
        // The game in progress goes on as it was, and so do the stored choices.
        previous.write(preferences);
        m_game.restoreSettings(*kept);
        return false;
    }

    m_players.assign(contents.players, Player{});
    m_history = std::move(contents.history);
    // The players are the file's now, not those of a position shown: no clocks to keep.
    showPosition(0);
    return true;
}

bool GameClassic::parseSavedGame(const std::string& bytes, SavedGameContents& contents)
{
    std::istringstream in(bytes);
    std::string line;
    std::size_t pos = 0;
    if (!savedgame::readLine(in, line) || !savedgame::scanInteger(line, pos, contents.players) ||
        contents.players < 1 || contents.players > kMaxPlayers)
        return false;
    if (!savedgame::readLine(in, contents.dictionary) || !savedgame::readLine(in, contents.letterSet))
        return false;
    int history = 0;
    if (!readNumberLine(in, contents.time) || !readNumberLine(in, contents.bonus) ||
        !readNumberLine(in, history))
        return false;

    // Every entry takes at least its fixed records, so the file's size bounds the count.
    const long long remaining = static_cast<long long>(bytes.size()) - static_cast<long long>(in.tellg());
    if (history < 1 || history > remaining / savedgame::minEntrySize(contents.players))
        return false;
    contents.history.resize(history);
    for (HistoryEntry& entry : contents.history) {
        entry.players.assign(contents.players, Player{});
        if (!readHistoryEntry(in, entry))
            return false;
    }
    return in.peek() == std::char_traits<char>::eof();
}

bool GameClassic::readNumberLine(std::istream& in, int& value)
{
    std::string line;
    std::size_t pos = 0;
    return savedgame::readLine(in, line) && savedgame::scanInteger(line, pos, value);
}

} // namespace glyph
