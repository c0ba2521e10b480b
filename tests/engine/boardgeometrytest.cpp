// Premium layouts: lists read into the grid, the centre, the standard layout of every board size,
// and lists kept whole across sizes.
#include <gtest/gtest.h>

#include "base/standardpremiums.h"
#include "engine/boardgeometry.h"
#include "support/rulesfixture.h"

using glyph::MultiplierGrid;
using namespace glyph::geometry;

namespace
{

struct Grids {
    MultiplierGrid letters;
    MultiplierGrid words;
};

Grids gridsOf(const PremiumLists& lists)
{
    Grids grids;
    applyPremiumLists(lists, grids.letters, grids.words);
    return grids;
}

const PremiumLists kShipped{glyph::standardpremiums::kLettersX2, glyph::standardpremiums::kLettersX3,
                            glyph::standardpremiums::kWordsX2, glyph::standardpremiums::kWordsX3};

} // namespace

TEST(BoardGeometry, TheStandardLayoutOfEverySizeIsTheShippedPatternCentredAndMirrored)
{
    EXPECT_EQ(standardLayout(15, 15), kShipped);
    const Grids shipped = gridsOf(kShipped);
    for (int rows = 1; rows <= glyph::kMaxBoardSize; ++rows) {
        for (int columns = 1; columns <= glyph::kMaxBoardSize; ++columns) {
            SCOPED_TRACE(std::to_string(rows) + " x " + std::to_string(columns));
            const PremiumLists lists = standardLayout(rows, columns);
            const Grids grids = gridsOf(lists);
            EXPECT_TRUE(isStandardLayout(lists, rows, columns));
            for (const std::string* list :
                 {&lists.lettersX2, &lists.lettersX3, &lists.wordsX2, &lists.wordsX3})
                EXPECT_LE(list->size(), 1023u);
            EXPECT_EQ(grids.words[centreRow(rows)][centreColumn(columns)], 2) << "the star";
            // Odd sizes line the middles up, so the board is a window on the shipped pattern
            // (reflected at its edges beyond it); every size mirrors both ways.
            const int rowShift = 8 - centreRow(rows);
            const int columnShift = 8 - centreColumn(columns);
            for (int row = 1; row <= rows; ++row) {
                for (int column = 1; column <= columns; ++column) {
                    const int letter = grids.letters[row][column];
                    const int word = grids.words[row][column];
                    EXPECT_TRUE(letter == 1 || word == 1);
                    EXPECT_EQ(letter, grids.letters[rows + 1 - row][column]);
                    EXPECT_EQ(letter, grids.letters[row][columns + 1 - column]);
                    EXPECT_EQ(word, grids.words[rows + 1 - row][columns + 1 - column]);
                    const int line = row + rowShift;
                    const int place = column + columnShift;
                    if (rows % 2 == 1 && columns % 2 == 1 && line >= 1 && line <= 15 && place >= 1 &&
                        place <= 15) {
                        EXPECT_EQ(letter, shipped.letters[line][place]);
                        EXPECT_EQ(word, shipped.words[line][place]);
                    }
                }
            }
            // Outside the board nothing is listed.
            EXPECT_EQ(grids.words[rows + 1][1] + grids.letters[1][columns + 1], 2);
        }
    }
    // An edited square is no longer the standard layout, in whatever order the lists are.
    EXPECT_TRUE(isStandardLayout({kShipped.lettersX2, kShipped.lettersX3, kShipped.wordsX2,
                                  "15 15 |1 1 |1 8 |1 15 |8 1 |8 15 |15 1 |15 8 |"},
                                 15, 15));
    EXPECT_FALSE(isStandardLayout(
        {kShipped.lettersX2, kShipped.lettersX3, kShipped.wordsX2 + "7 8 |", kShipped.wordsX3}, 15, 15));
}

TEST(BoardGeometry, ListsEditedOnASmallerBoardKeepTheSquaresBeyondIt)
{
    Grids edited = gridsOf(kShipped);
    edited.words[1][1] = 1;   // inside 9 x 9: edited
    edited.letters[2][2] = 2; // inside: added
    edited.words[15][15] = 1; // outside 9 x 9: not the dialog's to change
    const Grids result = gridsOf(listsKeepingOutside(edited.letters, edited.words, 9, 9, kShipped));
    const Grids shipped = gridsOf(kShipped);
    for (int row = 1; row <= 15; ++row) {
        for (int column = 1; column <= 15; ++column) {
            const bool inside = row <= 9 && column <= 9;
            EXPECT_EQ(result.letters[row][column], (inside ? edited : shipped).letters[row][column]);
            EXPECT_EQ(result.words[row][column], (inside ? edited : shipped).words[row][column]);
        }
    }
    // Unedited, the round trip through any size gives the same squares.
    for (int size = 1; size <= 15; ++size) {
        const Grids same = gridsOf(listsKeepingOutside(shipped.letters, shipped.words, size, size, kShipped));
        EXPECT_TRUE(same.letters == shipped.letters && same.words == shipped.words) << size;
    }
}

TEST(BoardGeometry, AGameWithTilesLaidKeepsItsPremiumSquaresUntilItEnds)
{
    glyph::test::RulesFixture fixture; // word x3 at (9,11), letter x3 at (7,10)
    fixture.start({"Ann", "Bob"});
    glyph::Preferences& preferences = *fixture.preferences;
    preferences.setString("MultiWordsX3Key", "");
    preferences.setString("MultiLettersX3Key", "1 1 |");
    bool sizeKept = true;
    ASSERT_TRUE(fixture.game->reloadSettingsKeepingGame(sizeKept));
    EXPECT_FALSE(sizeKept);
    EXPECT_EQ(fixture.game->wordMultiplier(9, 11), 1) << "no tile laid yet: the new layout";

    preferences.setString("MultiWordsX3Key", "9 11 |");
    ASSERT_TRUE(fixture.game->reloadSettingsKeepingGame(sizeKept));
    fixture.game->board()[8][8] = {'A', 0};
    // A board of 9 x 9 would move the centre square: the game keeps its size and its layout.
    preferences.setInteger("TableRowsKey", 9);
    preferences.setString("MultiWordsX3Key", "1 1 |");
    ASSERT_TRUE(fixture.game->reloadSettingsKeepingGame(sizeKept));
    EXPECT_TRUE(sizeKept);
    EXPECT_EQ(fixture.game->rows(), 15);
    EXPECT_EQ(fixture.game->wordMultiplier(9, 11), 3);
    EXPECT_EQ(fixture.game->wordMultiplier(1, 1), 1);
    // The next game takes the stored settings.
    ASSERT_TRUE(fixture.game->loadSettings());
    EXPECT_EQ(fixture.game->rows(), 9);
    EXPECT_EQ(fixture.game->wordMultiplier(1, 1), 3);
}

TEST(BoardGeometry, PremiumListSetsEachEntryNamingASquareOfTheLargestBoardAndTheCentreIsTheLowerMiddle)
{
    MultiplierGrid grid;
    for (auto& row : grid)
        row.fill(1);
    const std::string list = "1 4 |2 |x 3 |3 5 7 | 6  9 |-1 2 |4 -2 |20 3 |29 29 |30 3 |33 3 |3 33 |"
                             "40 33 |0 5 ||";
    applyPremiumList(list, grid, 2);
    EXPECT_EQ(grid[1][4] + grid[3][5] + grid[6][9], 6);
    EXPECT_EQ(grid[20][3], 2) << "outside a 15 x 15 board, for a larger one";
    EXPECT_EQ(grid[29][29], 2) << "the last square of the largest board";
    int changed = 0;
    for (const auto& row : grid)
        for (int m : row)
            changed += m != 1;
    EXPECT_EQ(changed, 5) << "no entry beyond the largest board lands on another square";

    // Such an entry stays in the lists, yet clearing every square of the largest board in the
    // dialog leaves no premium anywhere.
    const PremiumLists stored{list, list, list, list};
    Grids cleared = gridsOf({});
    const PremiumLists edited = listsKeepingOutside(cleared.letters, cleared.words, glyph::kMaxBoardSize,
                                                    glyph::kMaxBoardSize, stored);
    EXPECT_NE(edited.wordsX3.find("33 3 |"), std::string::npos) << edited.wordsX3;
    const Grids after = gridsOf(edited);
    EXPECT_TRUE(after.letters == cleared.letters && after.words == cleared.words);

    // The centre square is the lower middle of an even size.
    for (const auto& [size, centre] : {std::pair{15, 8}, {14, 8}, {1, 1}, {29, 15}})
        EXPECT_EQ(centreRow(size) * 100 + centreColumn(size), centre * 101) << size;
}
