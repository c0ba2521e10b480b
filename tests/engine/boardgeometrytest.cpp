#include <gtest/gtest.h>

#include "engine/boardgeometry.h"
#include "preferences/preferences.h"
#include "support/tempdir.h"

using namespace glyph;

namespace
{

MultiplierGrid ones()
{
    MultiplierGrid grid;
    for (auto& row : grid)
        row.fill(1);
    return grid;
}

} // namespace

TEST(BoardGeometry, PremiumListSetsEachGoodEntryInsideTheStorage)
{
    MultiplierGrid grid = ones();
    geometry::applyPremiumList("1 4 |2 |x 3 |3 5 7 | 6  9 |-1 2 |4 -2 |20 3 |40 33 ||", grid, 2);
    EXPECT_EQ(grid[1][4] + grid[3][5] + grid[6][9], 6);
    EXPECT_EQ(grid[20][3], 2) << "outside a 15 x 15 board, never played";
    EXPECT_EQ(grid[8][1], 2) << "40 and 33 wrap into the 32 x 32 storage";
    int changed = 0;
    for (const auto& row : grid)
        for (int m : row)
            changed += m != 1;
    EXPECT_EQ(changed, 5);
}

TEST(BoardGeometry, CentreSquareIsTheLowerMiddleForEvenSizes)
{
    for (const auto& [size, centre] : {std::pair{15, 8}, {14, 8}, {1, 1}, {29, 15}})
        EXPECT_EQ(geometry::centreRow(size) * 100 + geometry::centreColumn(size), centre * 101) << size;
    EXPECT_EQ(geometry::rowName(8), 'H');
}
