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

TEST(BoardGeometry, PremiumListSetsEachEntryAndSkipsBadOnes)
{
    MultiplierGrid grid = ones();
    geometry::applyPremiumList("1 4 |2 |x 3 |3 5 7 | 6  9 |-1 2 |4 -2 ||", grid, 2);
    EXPECT_EQ(grid[1][4], 2);
    EXPECT_EQ(grid[3][5], 2);
    EXPECT_EQ(grid[6][9], 2);
    int changed = 0;
    for (const auto& row : grid)
        for (int m : row)
            changed += m != 1;
    EXPECT_EQ(changed, 3);
}

TEST(BoardGeometry, EntriesBeyondTheBoardStayInsideTheStorage)
{
    MultiplierGrid grid = ones();
    geometry::applyPremiumList("20 3 |40 33 |", grid, 3);
    EXPECT_EQ(grid[20][3], 3); // outside a 15 x 15 board, never played
    EXPECT_EQ(grid[8][1], 3);  // 40 and 33 wrap into the 32 x 32 storage
    geometry::applyPremiumList("", grid, 2);
    EXPECT_EQ(grid[20][3], 3);
}

TEST(BoardGeometry, CentreSquareIsTheLowerMiddleForEvenSizes)
{
    EXPECT_EQ(geometry::centreRow(15), 8);
    EXPECT_EQ(geometry::centreColumn(15), 8);
    EXPECT_EQ(geometry::centreRow(14), 8);
    EXPECT_EQ(geometry::centreColumn(14), 8);
    EXPECT_EQ(geometry::centreRow(1), 1);
    EXPECT_EQ(geometry::centreRow(29), 15);
    EXPECT_EQ(geometry::rowName(8), 'H');
    EXPECT_EQ(geometry::rowName(1), 'A');
}
