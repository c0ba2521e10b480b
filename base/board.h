#pragma once

#include <array>
#include <cstdint>

namespace glyph
{

/// Storage size of the board in each direction; squares are numbered from 1, so index 0 and
/// the indices beyond the board size stay empty.
constexpr int kBoardCells = 32;
/// Largest board the preferences allow in each direction.
constexpr int kMaxBoardSize = 29;
/// Tiles a rack holds in play.
constexpr int kRackSize = 7;
/// Letters 'A'..'Z'.
constexpr int kAlphabetSize = 26;
/// Letters 'A'..'Z' and the joker.
constexpr int kLetterCount = 27;
/// Internal code of the joker (blank tile): the character after 'Z'.
constexpr char kJoker = '[';
/// Index of the joker among the kLetterCount letter counts ('A' is 0).
constexpr int kJokerIndex = kJoker - 'A';
static_assert(kJokerIndex == kLetterCount - 1);

/// One board square: the letter ('A'..'Z', 0 = empty) and whether the tile is a joker
/// standing for that letter.
struct Square {
    char letter = 0;
    std::uint8_t joker = 0;

    bool operator==(const Square&) const = default;
};

/// The board cells, indexed [row][column].
using Board = std::array<std::array<Square, kBoardCells>, kBoardCells>;

/// A multiplier grid (1, 2 or 3 per square), indexed [row][column].
using MultiplierGrid = std::array<std::array<std::int32_t, kBoardCells>, kBoardCells>;

/// Byte size of a board in saved games and history snapshots.
constexpr int kBoardImageSize = kBoardCells * kBoardCells * 2;

} // namespace glyph
