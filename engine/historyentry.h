#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/board.h"
#include "engine/bag.h"
#include "engine/move.h"
#include "engine/player.h"
#include "engine/recordevent.h"

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
    /// The letters given up when the turn was an exchange (empty otherwise, and in snapshots
    /// read from saved games, which do not store them).
    std::string exchanged;
    /// Events of a game record that came after the turn, in record order (not saved in .tc files).
    std::vector<RecordEvent> events;
};

} // namespace glyph
