#pragma once

#include <string>

#include "base/board.h"

namespace glyph
{

/// Board geometry helpers: premium lists, the centre square and coordinate text.
namespace geometry
{

/// Sets grid[row % 32][column % 32] = multiplier for each "row column |" entry of the list;
/// entries without two numbers are skipped.
void applyPremiumList(const std::string& list, MultiplierGrid& grid, int multiplier);
/// Row of the centre square: rows / 2 + 1.
inline int centreRow(int rows)
{
    return rows / 2 + 1;
}
/// Column of the centre square: columns / 2 + 1.
inline int centreColumn(int columns)
{
    return columns / 2 + 1;
}
/// Row name: 'A' for row 1, 'B' for row 2, ...
inline char rowName(int row)
{
    return static_cast<char>('A' + row - 1);
}

} // namespace geometry
} // namespace glyph
