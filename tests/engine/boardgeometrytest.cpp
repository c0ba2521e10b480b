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

TEST(BoardGeometry, DefaultListsGiveTheStandardBoardSquareBySquare)
{
    // W3 word x3, W2 word x2, L3 letter x3, L2 letter x2, . plain; rows A..O.
    const char* const layout[15] = {
        "W3 .  .  L2 .  .  .  W3 .  .  .  L2 .  .  W3", ".  W2 .  .  .  L3 .  .  .  L3 .  .  .  W2 .",
        ".  .  W2 .  .  .  L2 .  L2 .  .  .  W2 .  .",  "L2 .  .  W2 .  .  .  L2 .  .  .  W2 .  .  L2",
        ".  .  .  .  W2 .  .  .  .  .  W2 .  .  .  .",  ".  L3 .  .  .  L3 .  .  .  L3 .  .  .  L3 .",
        ".  .  L2 .  .  .  L2 .  L2 .  .  .  L2 .  .",  "W3 .  .  L2 .  .  .  W2 .  .  .  L2 .  .  W3",
        ".  .  L2 .  .  .  L2 .  L2 .  .  .  L2 .  .",  ".  L3 .  .  .  L3 .  .  .  L3 .  .  .  L3 .",
        ".  .  .  .  W2 .  .  .  .  .  W2 .  .  .  .",  "L2 .  .  W2 .  .  .  L2 .  .  .  W2 .  .  L2",
        ".  .  W2 .  .  .  L2 .  L2 .  .  .  W2 .  .",  ".  W2 .  .  .  L3 .  .  .  L3 .  .  .  W2 .",
        "W3 .  .  L2 .  .  .  W3 .  .  .  L2 .  .  W3",
    };
    test::TempDir dir;
    Preferences prefs(dir.file("Preferences.ini"));
    MultiplierGrid letterGrid = ones();
    MultiplierGrid wordGrid = ones();
    geometry::applyPremiumList(prefs.string("MultiLettersX2Key"), letterGrid, 2);
    geometry::applyPremiumList(prefs.string("MultiLettersX3Key"), letterGrid, 3);
    geometry::applyPremiumList(prefs.string("MultiWordsX2Key"), wordGrid, 2);
    geometry::applyPremiumList(prefs.string("MultiWordsX3Key"), wordGrid, 3);
    for (int row = 1; row <= 15; ++row) {
        for (int column = 1; column <= 15; ++column) {
            const std::string cell(layout[row - 1] + (column - 1) * 3, 2);
            int letter = 1;
            int word = 1;
            if (cell[0] == 'L')
                letter = cell[1] - '0';
            if (cell[0] == 'W')
                word = cell[1] - '0';
            EXPECT_EQ(letterGrid[row][column], letter) << geometry::rowName(row) << column;
            EXPECT_EQ(wordGrid[row][column], word) << geometry::rowName(row) << column;
        }
    }
    for (int i = 0; i < kBoardCells; ++i) {
        for (int j = 0; j < kBoardCells; ++j) {
            if (i > 15 || j > 15 || i == 0 || j == 0) {
                EXPECT_EQ(letterGrid[i][j], 1);
                EXPECT_EQ(wordGrid[i][j], 1);
            }
        }
    }
}
