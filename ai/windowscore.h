#pragma once

#include <algorithm>
#include <array>

#include "base/board.h"

namespace glyph
{

/// The squares a move lays its tiles on, gathered one by one, with what bounds their score: the
/// rack's dearest tiles paired with the largest letter multipliers (for the main word) and
/// with the largest letter times word multipliers of the squares with a cross word, or else
/// the dearest tile that fits each square; the cross words' own tiles count exactly.
class WindowScore
{
    /// A window holds at most a rack's tiles (larger racks are not bounded).
    using Multipliers = std::array<int, kRackSize + 1>;

public:
    /// `tileValues`: the rack's tile values, dearest first, with room for a window of a rack.
    explicit WindowScore(const int* tileValues) : m_tileValues(tileValues) {}

    /// Adds a square: its multipliers, whether a cross word runs through it and the points of
    /// that word's board tiles, and the dearest rack tile that may lie on it.
    void add(int letterMultiplier, int wordMultiplier, bool hasCross, int cross, int dearestTile)
    {
        m_letters += insertSorted(m_letterMultipliers, letterMultiplier);
        const int crossMultiplier = hasCross ? letterMultiplier * wordMultiplier : 0;
        m_cross += insertSorted(m_crossMultipliers, crossMultiplier);
        ++m_count;
        m_wordProduct *= wordMultiplier;
        m_fixedCross += hasCross ? static_cast<long long>(cross) * wordMultiplier : 0;
        m_dearestLetters += static_cast<long long>(dearestTile) * letterMultiplier;
        m_dearestCross += static_cast<long long>(dearestTile) * crossMultiplier;
    }

    /// At most what the squares gathered so far score with the board's tiles worth `board` in
    /// the main word (not counted when the main word is a single tile).
    long long bound(long long board, bool mainWord) const
    {
        const long long main = mainWord ? m_wordProduct * (board + std::min(m_letters, m_dearestLetters)) : 0;
        return main + m_fixedCross + std::min(m_cross, m_dearestCross);
    }

private:
    /// Inserts a multiplier into its list, largest first, and returns by how much the sum of
    /// the dearest tiles times the multipliers in that order grows: each multiplier moved one
    /// place down now meets the next cheaper tile.
    long long insertSorted(Multipliers& values, int value) const
    {
        long long growth = 0;
        int k = m_count;
        for (; k > 0 && values[static_cast<std::size_t>(k - 1)] < value; --k) {
            const int moved = values[static_cast<std::size_t>(k - 1)];
            values[static_cast<std::size_t>(k)] = moved;
            growth += static_cast<long long>(m_tileValues[k] - m_tileValues[k - 1]) * moved;
        }
        values[static_cast<std::size_t>(k)] = value;
        return growth + static_cast<long long>(m_tileValues[k]) * value;
    }

    const int* m_tileValues;
    Multipliers m_letterMultipliers{};
    Multipliers m_crossMultipliers{};
    int m_count = 0;
    long long m_wordProduct = 1;
    long long m_fixedCross = 0;
    long long m_dearestLetters = 0;
    long long m_dearestCross = 0;
    long long m_letters = 0; ///< the dearest tiles times the letter multipliers, largest first
    long long m_cross = 0;   ///< the same with the cross words' multipliers
};

} // namespace glyph
