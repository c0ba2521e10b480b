#pragma once

#include <string>

#include "base/board.h"
#include "engine/move.h"
#include "engine/moveproblem.h"

namespace glyph
{

/// Where a move's letters fall on a board, and what laying it changes: the squares it
/// covers, the tiles it lays, the letters it takes from a rack, its notation, and whether it
/// can be played at all. Squares outside the board are never occupied and never written.
namespace placement
{

/// The playing area: squares 1..rows by 1..columns.
struct Extent {
    int rows = 0;
    int columns = 0;

    bool contains(int row, int column) const
    {
        return row >= 1 && row <= rows && column >= 1 && column <= columns;
    }
};

/// True when the square lies inside the extent and holds a tile.
bool isOccupied(const Board& board, const Extent& extent, int row, int column);

/// A line of squares: the first square and how many follow along (dRow, dColumn).
struct Run {
    int row = 0;
    int column = 0;
    int length = 0;
};
/// The unbroken line of tiles through (row, column) read along (dRow, dColumn), with that
/// square counted as filled even when empty (the square a move is about to fill). The one scan
/// of the words that cross a square, shared by validation, scoring and the board's tooltip.
Run runThrough(const Board& board, const Extent& extent, int row, int column, int dRow, int dColumn);
/// Number of letters in the move's word (never more than its field holds).
int wordLength(const Move& move);
/// Row and column of the letter at `index` of the move's word.
int rowAt(const Move& move, int index);
int columnAt(const Move& move, int index);
/// The move's word with each joker replaced by the letter it stands for ('[' when missing).
std::string spelledWord(const Move& move);
/// The rack with the first occurrence of each letter the move lays removed.
std::string keptLetters(const std::string& rack, const Move& move, const Board& board, const Extent& extent);
/// Writes the letters the move lays (jokers with their letters and flags) on the board.
void layMove(const Move& move, Board& board, const Extent& extent);
/// Notation "(H4)CAT" across, "(4H)CAT" down, "PAS / CHANGE" for an empty word; jokers in
/// lower case. `newTiles`, when given, receives the number of tiles the move lays.
std::string moveText(const Move& move, const Board& board, const Extent& extent, int* newTiles);
/// Kind::None when the move can be laid from `rack` on `board`; otherwise what is wrong with
/// its placement. `firstMove` leaves the centre rule to the first-move checks.
MoveProblem::Kind placementProblem(const Move& move, const Board& board, const Extent& extent,
                                   const std::string& rack, bool firstMove);

} // namespace placement
} // namespace glyph
