#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ai/leavevalues.h"
#include "base/board.h"
#include "engine/move.h"

namespace glyph
{

class Game;
class GameRules;
class PositionCopy;

/// Looks ahead from a position: each candidate move is played, then the next `plies - 1`
/// turns are played by every player's best move by equity, over many rounds; in each round the
/// opponents' racks and the bag are one shuffle of the tiles the player cannot see, the same for
/// every candidate. A candidate is worth the points it gains over the opponents plus the value of
/// the player's last leave less that of the opponents' (shared out as their points are), on
/// average. Once the bag is empty, a leave is worth minus twice the points of its tiles, for
/// choosing a move as for the end of the look-ahead. An exchange may be weighed with the moves:
/// it scores nothing, and the player draws what a move laying as many tiles would have drawn.
/// Rounds run on several threads, each with its own position copy; every round is seeded from
/// the seed and its number alone and candidates are dropped only between fixed batches of
/// rounds, so a given number of rounds gives the same result whatever the threads.
class Simulator
{
public:
    /// The position and what the player knows of it.
    struct Setup {
        std::vector<Move> candidates; ///< moves that lay tiles, in their order of preference
        /// Letters of the rack to exchange, as one more candidate after the moves (none when
        /// empty). They go back to the bag after the player draws, at its bottom, so that the
        /// other players draw the same tiles as after a move.
        std::string exchange;
        std::string rack;                       ///< the player's rack
        std::vector<int> opponentRacks;         ///< tiles on each opponent's rack, in turn order
        std::array<int, kLetterCount> unseen{}; ///< bag and opponents' racks, per letter code
        int plies = 2;
        std::uint32_t seed = 0;
        /// When set, the player's score less the best opponent's: a round is then worth mostly
        /// its chance of winning the game from there (see winChance), the spread breaking ties.
        std::optional<int> lead;
        /// What the first opponent probably kept (see RackInference), each as often as it is
        /// likely: a round puts one of them on that opponent's rack before the random tiles.
        /// Empty for racks drawn uniformly.
        std::vector<std::string> opponentLeaves;
    };
    /// When to stop: the first of the deadline, the stop flag and the number of rounds.
    struct Limits {
        std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
        const std::atomic<bool>* stop = nullptr;
        int rounds = kMaxRounds;
        int threads = 1;
    };
    /// A candidate's standing after the rounds it played.
    struct Result {
        Move move; ///< a pass for the exchange
        bool exchange = false;
        double mean = 0;
        double deviation = 0;
        int rounds = 0;
        bool dropped = false;
    };
    /// Rounds played together before candidates are compared and the clearly worse dropped.
    static constexpr int kBatchRounds = 8;
    /// Rounds a candidate plays before it may be dropped.
    static constexpr int kMinimumRounds = 24;
    /// Standard errors of the difference (round by round) by which a candidate must trail the
    /// leader to be dropped.
    static constexpr double kDropMargin = 4.0;
    static constexpr int kMaxRounds = 1'000'000;
    /// What a whole game won is worth, in points, when a round is valued for winning.
    static constexpr double kWinWorth = 1000;

    Simulator(const Game& game, const LeaveValues& leaves,
              std::vector<std::unique_ptr<PositionCopy>>& copies);
    /// The candidates a run weighs: the moves, and the exchange when there is one.
    static std::size_t candidateCount(const Setup& setup);
    /// Plays rounds until a limit is reached or one candidate is left; returns the rounds played.
    int run(const Setup& setup, const Limits& limits);
    /// The candidates, best first: those still in play by their mean, then the dropped ones.
    const std::vector<Result>& results() const { return m_results; }

    /// The value of one candidate in one round, on `copy` (whose board is set to the game's):
    /// for tests and for the threads.
    double playOut(PositionCopy& copy, const Setup& setup, int candidate, int round) const;
    /// The score of the player in `seat` less the best of the opponents' (0 alone at the table).
    static int leadOf(const GameRules& rules, int seat);
    /// The chance of winning with this lead when `tilesLeft` tiles are still to be played
    /// (in the bag and on the racks); with none left the game is over and the lead decides.
    static double winChance(double lead, int tilesLeft);
    /// The shuffle of the unseen tiles that a round deals from: the opponents' racks first,
    /// in turn order, then the bag in drawing order; with `opponentLeaves`, one of them
    /// (picked by the round's draw) opens the deal.
    static std::string deal(const Setup& setup, int round);
    /// The candidates a look-ahead starts from: the `count` moves of `moves` that lay tiles,
    /// best by score plus the value of what they keep of `rack`, ties in list order.
    static std::vector<Move> bestByEquity(const std::vector<Move>& moves, const Game& game,
                                          const LeaveValues& leaves, const std::string& rack, int count);

private:
    void playBatch(const Setup& setup, const Limits& limits, int first, int count,
                   std::vector<std::vector<double>>& values, std::vector<char>& done);
    void tally(const std::vector<double>& values);
    bool dropTrailing();
    double playSpread(PositionCopy& copy, const Setup& setup, int candidate, int round, int& tilesLeft) const;
    double leaveWorth(const std::string& leave, bool bagHasTiles) const;
    void rank();

    const Game& m_game;
    const LeaveValues& m_leaves;
    /// What tiles held are worth once the bag is empty: each costs twice its points.
    LeaveValues m_stuckLeaves;
    std::vector<std::unique_ptr<PositionCopy>>& m_copies;
    std::vector<Result> m_results;
    std::vector<double> m_sums;
    /// Sums of the products of two candidates' values in the same round, [k * count + j] for
    /// k <= j (the diagonal holds the squares).
    std::vector<double> m_products;
};

} // namespace glyph
