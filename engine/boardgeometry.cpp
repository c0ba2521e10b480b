#include "engine/boardgeometry.h"

#include <algorithm>
#include <string_view>

#include "base/standardpremiums.h"
#include "base/textscan.h"
#include "preferences/preferences.h"

namespace glyph::geometry
{

namespace
{

constexpr int kPatternMiddle = standardpremiums::kSize / 2; // lines from the edge to the middle
constexpr int kLetterX2 = 2;
constexpr int kLetterX3 = 3;

// Calls visit(row, column, entry text) for each entry of a list that names a square.
template <typename Visit> void forEachEntry(const std::string& list, Visit visit)
{
    std::string_view rest = list;
    while (!rest.empty()) {
        const std::size_t bar = rest.find('|');
        const std::string_view entry = rest.substr(0, bar == std::string_view::npos ? rest.size() : bar + 1);
        std::string_view piece = rest.substr(0, bar);
        rest.remove_prefix(entry.size());
        int row = 0;
        int column = 0;
        if (!textscan::readInt(piece, row) || !textscan::readInt(piece, column))
            continue;
        // Negative numbers cannot name a square.
        if (row >= 0 && column >= 0)
            visit(row, column, entry);
    }
}

// The line of the standard pattern (1 to 8, counted from its edge to its middle) that line
// `line` of a board of `size` lines takes: the board's middle takes the pattern's middle, and
// beyond the pattern's edge the pattern is reflected.
int patternLine(int line, int size)
{
    const int fromEdge = std::min(line - 1, size - line);
    const int fromMiddle = (size - 1) / 2 - fromEdge;
    const int period = 2 * kPatternMiddle;
    const int wrapped = ((kPatternMiddle - fromMiddle) % period + period) % period;
    return 1 + (wrapped <= kPatternMiddle ? wrapped : period - wrapped);
}

PremiumLists shippedLayout()
{
    return {standardpremiums::kLettersX2, standardpremiums::kLettersX3, standardpremiums::kWordsX2,
            standardpremiums::kWordsX3};
}

std::string squareEntry(int row, int column)
{
    return std::to_string(row) + " " + std::to_string(column) + " |";
}

// Lists of the grids' squares within rows x columns, row by row.
PremiumLists listsOfGrids(const MultiplierGrid& letters, const MultiplierGrid& words, int rows, int columns)
{
    PremiumLists lists;
    for (int row = 1; row <= std::min(rows, kBoardCells - 1); ++row) {
        for (int column = 1; column <= std::min(columns, kBoardCells - 1); ++column) {
            const std::string entry = squareEntry(row, column);
            if (letters[row][column] == kLetterX2)
                lists.lettersX2 += entry;
            else if (letters[row][column] == kLetterX3)
                lists.lettersX3 += entry;
            if (words[row][column] == kLetterX2)
                lists.wordsX2 += entry;
            else if (words[row][column] == kLetterX3)
                lists.wordsX3 += entry;
        }
    }
    return lists;
}

bool namesASquare(int row, int column)
{
    return row >= 1 && row <= kMaxBoardSize && column >= 1 && column <= kMaxBoardSize;
}

std::string outsideEntries(const std::string& list, int rows, int columns)
{
    std::string kept;
    forEachEntry(list, [&](int row, int column, std::string_view entry) {
        if (row > rows || column > columns || row == 0 || column == 0)
            kept += entry;
    });
    return kept;
}

} // namespace

int storedBoardSize(const Preferences& preferences, const char* key)
{
    const int size = preferences.integer(key, kDefaultBoardSize);
    return size >= 1 && size <= kMaxBoardSize ? size : kDefaultBoardSize;
}

void applyPremiumList(const std::string& list, MultiplierGrid& grid, int multiplier)
{
    // An entry beyond the largest board names no square of any board; it is left out rather
    // than wrapped onto one, and stays in the list as the user wrote it.
    forEachEntry(list, [&](int row, int column, std::string_view) {
        if (namesASquare(row, column))
            grid[row][column] = multiplier;
    });
}

void applyPremiumLists(const PremiumLists& lists, MultiplierGrid& letters, MultiplierGrid& words)
{
    for (auto& row : letters)
        row.fill(1);
    for (auto& row : words)
        row.fill(1);
    applyPremiumList(lists.lettersX2, letters, kLetterX2);
    applyPremiumList(lists.lettersX3, letters, kLetterX3);
    applyPremiumList(lists.wordsX2, words, kLetterX2);
    applyPremiumList(lists.wordsX3, words, kLetterX3);
}

PremiumLists standardLayout(int rows, int columns)
{
    if (rows == standardpremiums::kSize && columns == standardpremiums::kSize)
        return shippedLayout();
    MultiplierGrid patternLetters;
    MultiplierGrid patternWords;
    applyPremiumLists(shippedLayout(), patternLetters, patternWords);
    MultiplierGrid letters;
    MultiplierGrid words;
    for (auto& row : letters)
        row.fill(1);
    for (auto& row : words)
        row.fill(1);
    for (int row = 1; row <= std::min(rows, kBoardCells - 1); ++row) {
        for (int column = 1; column <= std::min(columns, kBoardCells - 1); ++column) {
            const int line = patternLine(row, rows);
            const int place = patternLine(column, columns);
            letters[row][column] = patternLetters[line][place];
            words[row][column] = patternWords[line][place];
        }
    }
    return listsOfGrids(letters, words, rows, columns);
}

bool isStandardLayout(const PremiumLists& lists, int rows, int columns)
{
    // Compared square by square, so that the order of the entries does not matter.
    MultiplierGrid letters;
    MultiplierGrid words;
    applyPremiumLists(lists, letters, words);
    MultiplierGrid standardLetters;
    MultiplierGrid standardWords;
    applyPremiumLists(standardLayout(rows, columns), standardLetters, standardWords);
    return listsOfGrids(letters, words, rows, columns) ==
           listsOfGrids(standardLetters, standardWords, rows, columns);
}

PremiumLists listsKeepingOutside(const MultiplierGrid& letters, const MultiplierGrid& words, int rows,
                                 int columns, const PremiumLists& stored)
{
    PremiumLists lists = listsOfGrids(letters, words, rows, columns);
    lists.lettersX2 += outsideEntries(stored.lettersX2, rows, columns);
    lists.lettersX3 += outsideEntries(stored.lettersX3, rows, columns);
    lists.wordsX2 += outsideEntries(stored.wordsX2, rows, columns);
    lists.wordsX3 += outsideEntries(stored.wordsX3, rows, columns);
    return lists;
}

} // namespace glyph::geometry
