#pragma once

#include <string>

#include "base/board.h"

namespace glyph
{

class Preferences;

/// Board geometry helpers: premium lists, the centre square and coordinate text.
namespace geometry
{

/// Board size played when the stored one is not a playable size.
constexpr int kDefaultBoardSize = 15;

/// The board size a stored size key gives: its number when 1 to kMaxBoardSize, else
/// kDefaultBoardSize (also when missing or not a number).
int storedBoardSize(const Preferences& preferences, const char* key);

/// The four premium lists of a board as the preferences store them, one per kind.
struct PremiumLists {
    std::string lettersX2;
    std::string lettersX3;
    std::string wordsX2;
    std::string wordsX3;

    bool operator==(const PremiumLists&) const = default;
};

/// Sets grid[row][column] = multiplier for each "row column |" entry of the list; entries
/// without two numbers, or naming a line or column outside 1 to kMaxBoardSize, are skipped.
void applyPremiumList(const std::string& list, MultiplierGrid& grid, int multiplier);
/// Fills both grids with 1, then applies the lists: letters x2, x3, words x2, x3.
void applyPremiumLists(const PremiumLists& lists, MultiplierGrid& letters, MultiplierGrid& words);
/// The standard layout of a board of rows x columns: the shipped lists for 15 x 15; for another
/// size the standard pattern centred on the board and mirrored, so that it is symmetric both
/// ways (a smaller board keeps the middle of the pattern, a larger one reflects it at its
/// edges, and the two middle lines of an even size both take the pattern's middle line).
PremiumLists standardLayout(int rows, int columns);
/// True when the lists give every square of rows x columns the multipliers of standardLayout.
bool isStandardLayout(const PremiumLists& lists, int rows, int columns);
/// The lists of the grids' squares within rows x columns, row by row, followed by the entries of
/// `stored` outside that area: editing a smaller board cuts nothing off the stored lists.
PremiumLists listsKeepingOutside(const MultiplierGrid& letters, const MultiplierGrid& words, int rows,
                                 int columns, const PremiumLists& stored);
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
