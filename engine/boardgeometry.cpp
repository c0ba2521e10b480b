#include "engine/boardgeometry.h"

#include <string_view>

#include "base/textscan.h"

namespace glyph::geometry
{

void applyPremiumList(const std::string& list, MultiplierGrid& grid, int multiplier)
{
    std::string_view rest = list;
    while (!rest.empty()) {
        const std::size_t bar = rest.find('|');
        std::string_view piece = rest.substr(0, bar);
        rest.remove_prefix(bar == std::string_view::npos ? rest.size() : bar + 1);
        int row = 0;
        int column = 0;
        if (!textscan::readInt(piece, row) || !textscan::readInt(piece, column))
            continue;
        // Negative numbers cannot name a square; larger ones wrap into the 32 x 32 storage,
        // where anything beyond the board size is never played.
        if (row < 0 || column < 0)
            continue;
        grid[row % kBoardCells][column % kBoardCells] = multiplier;
    }
}

} // namespace glyph::geometry
