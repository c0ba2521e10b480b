#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/board.h"

namespace glyph
{

class LetterSet;
struct Player;

/// The undrawn tiles, as counts per letter and as a shuffled sequence drawn in order.
/// Its 1,116-byte image is stored in history snapshots and saved games.
class Bag
{
public:
    static constexpr int kImageSize = 1116;
    static constexpr int kMaxTiles = 999;
    static constexpr int kMaxDraw = 29;

    /// Sets the counts from the letter set and rebuilds.
    void fillFromLetterSet(const LetterSet& set);
    /// The number of tiles a bag filled from the set holds.
    static int tilesIn(const LetterSet& set);
    /// How many seats a bag filled from the set serves at least one tile each, as the racks
    /// are dealt whole, seat after seat: a game may seat no more players.
    static int seatsServed(const LetterSet& set);
    /// Regenerates the sequence from the counts and shuffles it.
    void rebuild();
    /// Draws up to n (at most 29) tiles in sequence order; returns them as a string.
    std::string draw(int n);
    /// Puts a tile 'A'..'[' back and rebuilds; other codes are ignored.
    void returnTile(char letter);
    /// Takes a tile 'A'..'[' out if one is left and rebuilds; false otherwise.
    bool removeTile(char letter);
    /// Refills from the set, then removes every rack tile and every tile on the board.
    void recomputeFromBoard(const LetterSet& set, const std::vector<Player>& players, const Board& board,
                            int rows, int columns);

    int total() const { return m_total; }
    int count(int index) const { return m_counts[index]; }
    int next() const { return m_next; }
    const std::array<char, 1000>& sequence() const { return m_sequence; }

    void writeImage(std::uint8_t* out) const;
    /// Reads a 1,116-byte image; false (and the bag unchanged) when it is inconsistent.
    bool readImage(const std::uint8_t* in);

private:
    std::int32_t m_total = 0;
    std::array<std::int32_t, kLetterCount> m_counts{};
    std::int32_t m_next = 0;
    std::array<char, 1000> m_sequence{};
};

} // namespace glyph
