#pragma once

#include <string>
#include <vector>

#include "engine/historyentry.h"

namespace glyph
{

class Game;
class GameRules;

/// Writes a game's whole history as a GCG record, the plain-text game record that other
/// programs read: the players, one line per turn with the rack, the move, its score and the
/// running total, the passes, exchanges, withdrawn moves, challenge bonuses, time penalties
/// and notes, and the end-of-game rack points. Coordinates as GCG writes them: across "8D"
/// (row, then column letter), down "D8"; columns after Z are AA, AB, AC.
class GcgWriter
{
public:
    explicit GcgWriter(const Game& game) : m_game(game) {}

    /// The record of the rules' history, UTF-8; `title` goes to #title (the players' names
    /// joined by " vs " when empty). The history must hold at least the start snapshot.
    std::string write(const GameRules& rules, const std::string& title = {}) const;

    /// Column name: 1 "A" ... 26 "Z", 27 "AA", 28 "AB", ...
    static std::string columnName(int column);
    /// "8D" for an across move, "D8" for a down move.
    static std::string coordinates(const Move& move);
    /// The seat names used after ">": each name with blanks and ":" made "_", "player N" when
    /// that leaves nothing, and "_N" added when an earlier seat already has it.
    static std::vector<std::string> nicknames(const std::vector<Player>& players);
    /// True when the snapshot's turn was an exchange (a pass record that reset the pass count).
    static bool isExchange(const HistoryEntry& entry);
    /// The letters given up in an exchange: as stored, or for a snapshot read from a saved
    /// game, what the racks and the bag before show: the rack before less the kept letters
    /// that follow the tiles drawn from the bag in its order (or, for racks not in drawing
    /// order, less the letters the rack after holds).
    static std::string exchangedLetters(const HistoryEntry& before, const HistoryEntry& after, int player);

private:
    /// Running totals as the record's lines add them up.
    using Totals = std::vector<long long>;

    /// Up to `count` of the tiles the bag gives next, in drawing order.
    static std::string upcomingTiles(const Bag& bag, int count);
    /// Lines that bring each running total to the player's score in `after` where the two
    /// differ: points a saved game keeps in the scores without the event that gave them.
    std::string scoreCorrections(const HistoryEntry& after, const std::vector<std::string>& nicks,
                                 Totals& totals) const;
    /// The #rack lines of the racks that the end lines do not give.
    std::string rackLines(const HistoryEntry& last) const;

    /// The lines of the turn that led from `before` to `after` and of the events after it;
    /// a time penalty of the `last` turn is left to the end lines.
    std::string turnLines(const HistoryEntry& before, const HistoryEntry& after, bool last,
                          const std::vector<std::string>& nicks, Totals& totals) const;
    std::string eventLine(const RecordEvent& event, const HistoryEntry& after,
                          const std::vector<std::string>& nicks, Totals& totals) const;
    std::string playText(const Move& move, const HistoryEntry& before) const;
    std::string endLines(const GameRules& rules, const std::vector<std::string>& nicks, Totals& totals) const;
    bool isOver(const HistoryEntry& last) const;

    const Game& m_game;
};

} // namespace glyph
