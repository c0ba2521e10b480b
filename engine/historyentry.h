#pragma once

#include <cstdint>
#include <vector>

#include "base/board.h"
#include "engine/bag.h"
#include "engine/move.h"
#include "engine/player.h"

namespace glyph
{

/// A snapshot of the game after one turn (or at the start), with the move that led to it.
struct HistoryEntry {
    /// Rounds stop at this number, as scores stop at theirs, so that counting on never wraps.
    static constexpr std::int32_t kMaxRound = 1'000'000'000;

    std::vector<Player> players;
    Board board{};
    Bag bag;
    Move move;
    std::int32_t round = 1;
    std::int32_t currentPlayer = 0;
    std::int32_t passCount = 0;
};

} // namespace glyph
