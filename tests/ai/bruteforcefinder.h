#pragma once

#include <set>
#include <string>
#include <vector>

#include "engine/move.h"

namespace glyph
{
class Game;
}

namespace glyph::test
{

/// Finds every move by trying each dictionary word on each stretch of each line of the board,
/// independently of the move generator: the word must agree with the tiles it covers, the
/// new letters must come from the rack (each joker choice listed), every cross word must be
/// a word, and the move must touch a tile (or, on the first move, lie across the centre with
/// at most six letters to its left). Moves are scored with the game's computeScore.
std::vector<Move> bruteForceMoves(const Game& game, const std::set<std::string>& words,
                                  const std::string& rack);

/// A comparable text of a move: direction, square, word, jokers and score.
std::string moveKey(const Move& move);

} // namespace glyph::test
