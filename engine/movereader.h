#pragma once

#include <vector>

#include "base/board.h"
#include "engine/move.h"
#include "engine/moveplacement.h"
#include "engine/rackslot.h"

namespace glyph
{

/// Reads the tiles a human has placed this turn as one move: across first, then down.
namespace movereader
{

/// Fills `out` with the word the placed tiles make with the board's tiles (score untouched);
/// false when they are not in one line, leave a gap, make fewer than 2 letters, or neither
/// touch a tile nor may open the game (`centreEmpty`).
bool read(const std::vector<RackSlot>& placed, const Board& board, const placement::Extent& extent,
          bool centreEmpty, Move& out);

} // namespace movereader
} // namespace glyph
