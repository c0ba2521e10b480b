#pragma once

#include <array>
#include <string>

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
/// The tiles of such counts spelt out in code order ('[' for jokers; a negative count as none).
std::string letters(const std::array<int, kLetterCount>& counts);

} // namespace unseentiles
} // namespace glyph
