#pragma once

#include <cstdint>

namespace glyph
{

/// Most rack slots the game keeps for the current player.
constexpr int kMaxRackSlots = 30;

/// A tile of the current player's rack as the board widget moves it: while `placed` is 1 it
/// lies on the board at (row, column) in the current turn.
struct RackSlot {
    char letter = 0;      ///< 'A'..'Z' or '[' for a joker
    char jokerLetter = 0; ///< the letter a joker is made to stand for, 0 if none
    std::uint8_t placed = 0;
    std::uint8_t row = 0;
    std::uint8_t column = 0;
};

} // namespace glyph
