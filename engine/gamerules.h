#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/bag.h"
#include "engine/historyentry.h"
#include "engine/move.h"
#include "engine/moveproblem.h"
#include "engine/player.h"

namespace glyph
{

class Game;

/// Most players a game may seat: a full bag holds at most 999 tiles, which deals a rack of 7
/// to 142 seats (a 143rd would get five tiles). Starting, saving and loading all keep to it.
constexpr int kMaxPlayers = Bag::kMaxTiles / kRackSize;

/// The rules of a game type together with the game in progress: bag, players, turn, round,
/// pass count and history. The `Game` owns one; a new game replaces it.
class GameRules
{
public:
    explicit GameRules(Game& game) : m_game(game) {}
    virtual ~GameRules() = default;

    /// Deals the racks and starts a game with these players, in this order.
    virtual bool start(const std::vector<Player>& players) = 0;
    /// Name of the rules, shown in the caption and in the saved-game filter.
    virtual std::string name() const = 0;
    virtual void finalScoring() = 0;
    virtual void showGameOver() = 0;
    virtual bool isGameOver() const = 0;
    virtual bool canExchange() const = 0;
    virtual void nextPlayer() = 0;
    /// Validates, lays and scores a move; a refused move counts as a pass, except a person's move
    /// while "CheckBeforePlayingKey" is 1: then it returns false and nothing changes.
    virtual bool playMove(const Move& move) = 0;
    /// Passes (letters empty) or exchanges letters, keeping `kept`.
    virtual bool passOrExchange(const std::string& letters, const std::string& kept) = 0;
    virtual bool load(const std::string& fileName) = 0;
    virtual bool save(const std::string& fileName) = 0;
    virtual void goFirst() = 0;
    virtual void goLast() = 0;
    virtual void goPrevious() = 0;
    virtual void goNext() = 0;
    virtual void goTo(int index) = 0;
    /// What is wrong with the move against the dictionary and the first-move rules (nothing
    /// when `ok()`); shows nothing: `playMove` shows the problem's message.
    virtual MoveProblem validateMove(const Move& move) = 0;
    /// The first-move rules alone: two letters at least, on the centre line or column, across
    /// the centre square.
    virtual MoveProblem validateFirstMove(const Move& move) = 0;
    virtual void addHistory(const Move& move) = 0;
    virtual void restoreHistory() = 0;
    virtual bool writeHistoryEntry(std::ostream& file, const HistoryEntry& entry) = 0;
    virtual bool readHistoryEntry(std::istream& file, HistoryEntry& entry) = 0;
    /// The once-a-second clock: takes a second from the player to move unless the game is
    /// over, the view is paused or the time is used up; warns once when it reaches 0.
    virtual void tickClock() = 0;
    /// Lays a move of a game record: the placement and first-move rules apply, the dictionary
    /// does not (records hold phonies), and the move keeps its score. Shows nothing. False,
    /// with `problem` saying why and nothing changed, when the move cannot be laid or no game
    /// is in progress or the game is over (then `problem` is LaysNoTile).
    virtual bool playRecordedMove(const Move& move, MoveProblem& problem) = 0;

    /// While set, turns neither redraw the view, reload the rack slots nor show the game-over
    /// dialog: a game record is being replayed by rules that are not yet the game's.
    void setReplaying(bool on) { m_replaying = on; }
    /// Stores the players, the bag and the board as they stand into the snapshot at the history
    /// position (after a game record's reader has put the recorded racks in place of the drawn
    /// ones, or the position was edited), so that stepping away and back, or a save, keeps them.
    void amendSnapshot();
    /// Stores the players' clocks as they stand into the snapshot at the history position:
    /// the time used at a position stays used when the history is stepped through or saved.
    void keepClocks();
    /// Appends an event of a game record to the snapshot at the history position.
    void addRecordEvent(const RecordEvent& event);

    /// True once `start` or a load has seated players.
    bool inProgress() const { return m_current >= 0 && m_current < static_cast<int>(m_players.size()); }
    /// The player to move, or an empty player when no game is in progress.
    const Player& currentPlayer() const;
    Player& currentPlayer();
    int currentPlayerIndex() const { return m_current; }
    const std::vector<Player>& players() const { return m_players; }
    std::vector<Player>& players() { return m_players; }
    const Bag& bag() const { return m_bag; }
    Bag& bag() { return m_bag; }
    int round() const { return m_round; }
    int passCount() const { return m_passCount; }
    const std::vector<HistoryEntry>& history() const { return m_history; }
    int historyPosition() const { return m_historyPosition; }

protected:
    Game& m_game;
    Bag m_bag;
    std::vector<Player> m_players;
    int m_current = -1;
    int m_round = 1;
    int m_passCount = 0;
    std::vector<HistoryEntry> m_history;
    int m_historyPosition = -1;
    bool m_replaying = false;
};

/// One row of the game-type table that the new-game dialog lists; the row with code 1 ends it.
struct GameType {
    unsigned char code;
    const char* displayName;
};

/// Type code of the classic game, the one game type there is.
constexpr unsigned char kClassicGameType = 0;
/// Type code of the end row of the game-type table.
constexpr unsigned char kGameTypeEnd = 1;
/// The game-type table: {kClassicGameType, "Tabulo Classic"}, then the end row {1, "Last"}.
extern const GameType kGameTypes[];

/// Creates the rules object of a game type (kClassicGameType: "Game Classic"); null for an
/// unknown code.
std::unique_ptr<GameRules> createRules(unsigned char typeCode, Game& game);

} // namespace glyph
