#pragma once

#include <array>

#include "base/board.h"

namespace glyph
{

class GameRules;

/// The tiles a player cannot see: those in the bag and those on the other players' racks.
namespace unseentiles
{

/// Per letter 'A'..'Z' then the joker: the bag's tiles plus the racks of every player but
/// `player` (all racks when `player` names no seat).
std::array<int, kLetterCount> counts(const GameRules& rules, int player);

} // namespace unseentiles
} // namespace glyph
