#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/board.h"
#include "engine/move.h"

namespace glyph
{

class GameRules;
class LeaveValues;
class PositionCopy;

/// What an opponent probably kept, read from the move they just played. A player who plays
/// about the best move by score plus leave tells something by it: a short move for few points
/// says the tiles kept were worth keeping. Racks for the opponent's last turn are drawn at
/// random from the tiles the player cannot see (with the tiles that move laid), and a draw is
/// kept when the move played would have been within `kTolerance` of that rack's best move by
/// equity. The tiles the kept draws left on the rack follow the chances of what the opponent
/// holds now, given what they played; the look-ahead deals them instead of uniform racks.
class RackInference
{
public:
    /// The opponent's last turn, as anyone at the table saw it.
    struct Turn {
        Board before{};    ///< the board before the move
        Move move;         ///< the move, tiles laid
        int rackSize = 0;  ///< tiles on the opponent's rack before it
        int bagBefore = 0; ///< tiles in the bag before it
    };
    /// How far below the best equity (in points) a move may be and still count as chosen.
    static constexpr double kTolerance = 2.0;
    /// Draws tried at most, and kept at most: with a cap on tries rather than on time alone
    /// the result is the same on any machine.
    static constexpr int kMaxTries = 1000;
    static constexpr int kMaxKept = 100;
    /// Fewer kept draws than this say too little (the opponent plays by another rule, or the
    /// move was unusual): no inference.
    static constexpr int kMinKept = 8;

    /// The leaves kept by the draws that explain the move, each as often as it was drawn and
    /// kept (so, sampled by their chance); empty when there is nothing to infer: the move laid
    /// no tile, emptied the rack or was played with fewer than seven tiles in the bag (leaves
    /// weigh less then), or too few draws explain it. `unseen` counts the tiles the player
    /// cannot see now, per letter code. Uses `copy`'s board and generator.
    static std::vector<std::string> keptLeaves(PositionCopy& copy, const LeaveValues& leaves,
                                               const Turn& turn, const std::array<int, kLetterCount>& unseen,
                                               std::uint32_t seed,
                                               std::chrono::steady_clock::time_point deadline);

    /// The turn just played, when a game of two players has one: the opponent of the player to
    /// move laid tiles last. Reads only what the table saw (the rack's size, not its tiles).
    static std::optional<Turn> opponentsLastTurn(const GameRules& rules);
    /// The tiles `move` lays on `board` (jokers as '['), in the order of the word.
    static std::string laidTiles(const Move& move, const Board& board);
};

} // namespace glyph
