#pragma once

#include "base/board.h"
#include "engine/move.h"

namespace glyph
{

class Game;

/// Move scoring: letter values with the premiums of the squares a move newly covers, the
/// cross words it makes, and the bonus for laying seven tiles.
namespace scoring
{

/// Points of laying `move` on `board` (the board before the move), with the game's size,
/// premium squares, letter values and bonus; 0 for an empty word.
int moveScore(const Game& game, const Move& move, const Board& board);

} // namespace scoring
} // namespace glyph
