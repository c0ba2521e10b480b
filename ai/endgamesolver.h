#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/move.h"

namespace glyph
{

class Game;
class PositionCopy;

/// Plays the end of a two-player game exactly once the bag is empty and both racks are known:
/// a search of the final spread (negamax with alpha-beta, moves tried best-first, iterative
/// deepening and a table of the positions seen), by the rules' ending: a player who goes out
/// gains the points of the other rack, which its holder loses; when the passes in a row reach
/// three, each loses the points of its own tiles and a player holding tiles worth nothing gains
/// the other's.
class EndgameSolver
{
public:
    struct Result {
        Move move;               ///< the best move found (the pass record when passing is best)
        int value = 0;           ///< the spread it leads to, from the mover's side
        bool exact = false;      ///< true when the search finished: the value is the game's
        int depth = 0;           ///< turns ahead of the last finished iteration
        long long positions = 0; ///< positions searched
    };
    /// Passes in a row that end a game of two.
    static constexpr int kEndingPasses = 3;

    /// Searches on `copy`, which takes over the game's position.
    EndgameSolver(const Game& game, PositionCopy& copy);
    /// The best move for `rack` against `opponentRack` with `passes` passes in a row so far;
    /// stops at the deadline or the stop flag with the best move of the last finished depth.
    Result
    solve(const std::string& rack, const std::string& opponentRack, int passes,
          std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max(),
          const std::atomic<bool>* stop = nullptr);

    /// What the end by passes brings the mover, holding tiles worth `mover` against `other`.
    static int passEnding(int mover, int other);

private:
    enum class Bound : std::uint8_t { Exact, Lower, Upper };
    struct Entry {
        std::uint64_t key = 0;
        std::int32_t value = 0;
        std::int16_t depth = -1;
        std::int16_t best = -1;
        Bound bound = Bound::Exact;
        std::uint8_t complete = 0;
    };
    /// A move of a node's list with the key it is tried by.
    struct Choice {
        Move move;
        int order;
        int index;
    };

    int search(int depth, int alpha, int beta, int side, int passes, bool& complete, int* bestIndex);
    std::vector<Choice> choices(int side, int preferred);
    int playChoice(const Choice& choice, int depth, int alpha, int beta, int side, int passes,
                   bool& complete);
    std::uint64_t key(int side, int passes) const;
    bool outOfTime();
    int rackValue(const std::string& rack) const;

    const Game& m_game;
    PositionCopy& m_copy;
    std::string m_racks[2];
    std::uint64_t m_boardKey = 0;
    std::vector<Entry> m_table;
    std::chrono::steady_clock::time_point m_deadline;
    const std::atomic<bool>* m_stop = nullptr;
    bool m_aborted = false;
    long long m_positions = 0;
};

} // namespace glyph
