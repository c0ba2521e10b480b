#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ai/leavevalues.h"
#include "ai/movegenerator.h"
#include "engine/move.h"

namespace glyph
{

class Game;
class GameRules;
struct HistoryEntry;

/// Looks at every turn of a game's history: the move played, the best move the generator
/// finds for that rack on that board by score and by equity (score + the value of the letters
/// kept, weighed as the Strategist profile weighs them), what the turn gave away, a missed
/// seven-tile move and the words not in the dictionary. It lays each position on the game's
/// board while it works and puts the board back; nothing else may use the game meanwhile (the
/// window analyses on a copy made by `Game::copySettings`).
class GameAnalysis
{
public:
    /// One turn: history entry `turn` (from 1) and the position before it.
    struct Turn {
        int turn = 0;
        int player = 0;
        std::string rack;
        /// The move played (the pass record for a pass or exchange).
        Move played;
        /// "pass", "exchange" or "play"; a withdrawn move is "withdrawn".
        std::string kind;
        /// The letters given up by an exchange.
        std::string exchanged;
        double playedEquity = 0;
        Move bestByScore;
        Move bestByEquity;
        double bestEquity = 0;
        /// Best score less the score played (negative when a phony outscored every real move).
        int pointsLost = 0;
        double equityLost = 0;
        /// A move laying all seven tiles was there and the one played did not.
        bool missedSeven = false;
        /// Words the move played (or withdrew) formed that the dictionary lacks.
        std::vector<std::string> phonies;
    };

    /// What one player gave away over the game.
    struct Summary {
        int turns = 0;
        long long pointsLost = 0;
        double equityLost = 0;
        int missedSevens = 0;
        int phonies = 0;
        double averagePointsLost() const
        {
            return turns == 0 ? 0.0 : static_cast<double>(pointsLost) / turns;
        }
        double averageEquityLost() const { return turns == 0 ? 0.0 : equityLost / turns; }
    };

    /// Called after each turn with the turns done and the total; returning false stops the analysis.
    using Progress = std::function<bool(int done, int total)>;

    /// Weighs leaves with `leaves` (those of the game's letter set: `leaveValues(game)`).
    GameAnalysis(Game& game, const LeaveValues& leaves);

    /// Analyses every turn of the rules' history in order; stops early (with the turns done
    /// so far) when `progress` says so.
    std::vector<Turn> analyse(const GameRules& rules, const Progress& progress = {});
    /// The same for a history (the start snapshot first).
    std::vector<Turn> analyse(const std::vector<HistoryEntry>& history, const Progress& progress = {});
    /// Analyses history entry `index` (1 to the last).
    Turn analyseTurn(const GameRules& rules, int index);
    Turn analyseTurn(const std::vector<HistoryEntry>& history, int index);
    /// What keeping `letters` is worth with `bagTiles` in the bag, as the Strategist weighs
    /// it: the leave value, scaled down when the bag holds fewer than seven tiles, and with
    /// the bag empty twice the points of the letters, taken away (going out, keeping nothing,
    /// is worth a bonus).
    double leaveWorth(const std::string& letters, int bagTiles) const;
    /// Per player, over the turns given.
    static std::vector<Summary> summarise(const std::vector<Turn>& turns, int players);

private:
    double equityOf(const Move& move, const std::string& rack, int bagTiles) const;
    int tilesLaid(const Move& move) const;
    std::vector<std::string> missingWords(const Move& move) const;

    Game& m_game;
    LeaveValues m_leaves;
    MoveGenerator m_generator;
};

} // namespace glyph
