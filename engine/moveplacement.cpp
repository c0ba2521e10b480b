#include "engine/moveplacement.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "base/letters.h"
#include "engine/boardgeometry.h"

namespace glyph::placement
{

namespace
{

constexpr int kWordField = sizeof(Move::word);
constexpr int kJokersField = sizeof(Move::jokers);

int jokersLength(const Move& move)
{
    return static_cast<int>(strnlen(move.jokers, kJokersField));
}

/// Calls `visit(index, row, column, occupied)` for every letter position of the move.
template <typename Visit>
void forEachPosition(const Move& move, const Board& board, const Extent& extent, Visit visit)
{
    const int length = wordLength(move);
    for (int i = 0; i < length; ++i) {
        const int row = rowAt(move, i);
        const int column = columnAt(move, i);
        visit(i, row, column, isOccupied(board, extent, row, column));
    }
}

bool isWellFormed(const Move& move)
{
    const int length = wordLength(move);
    if (length >= kWordField || jokersLength(move) >= kJokersField)
        return false;
    int jokers = 0;
    for (int i = 0; i < length; ++i) {
        if (move.word[i] < 'A' || move.word[i] > kJoker)
            return false;
        jokers += move.word[i] == kJoker;
    }
    for (int i = 0; i < jokersLength(move); ++i)
        if (move.jokers[i] < 'A' || move.jokers[i] > 'Z')
            return false;
    return jokers == jokersLength(move);
}

bool fitsOnBoard(const Move& move, const Extent& extent)
{
    const int last = wordLength(move) - 1;
    return extent.contains(rowAt(move, 0), columnAt(move, 0)) &&
           extent.contains(rowAt(move, last), columnAt(move, last));
}

/// The word must not continue into tiles just before its first or after its last letter.
bool isWholeWord(const Move& move, const Board& board, const Extent& extent)
{
    const int length = wordLength(move);
    return !isOccupied(board, extent, rowAt(move, -1), columnAt(move, -1)) &&
           !isOccupied(board, extent, rowAt(move, length), columnAt(move, length));
}

bool touchesBoard(const Move& move, const Board& board, const Extent& extent)
{
    bool touches = false;
    forEachPosition(move, board, extent, [&](int, int row, int column, bool occupied) {
        touches = touches || occupied || isOccupied(board, extent, row - 1, column) ||
                  isOccupied(board, extent, row + 1, column) || isOccupied(board, extent, row, column - 1) ||
                  isOccupied(board, extent, row, column + 1);
    });
    return touches;
}

} // namespace

bool isOccupied(const Board& board, const Extent& extent, int row, int column)
{
    return extent.contains(row, column) && row < kBoardCells && column < kBoardCells &&
           board[row][column].letter != 0;
}

Run runThrough(const Board& board, const Extent& extent, int row, int column, int dRow, int dColumn)
{
    auto filled = [&](int r, int c) { return (r == row && c == column) || isOccupied(board, extent, r, c); };
    Run run{row, column, 1};
    while (isOccupied(board, extent, run.row - dRow, run.column - dColumn)) {
        run.row -= dRow;
        run.column -= dColumn;
    }
    run.length = 0;
    for (int r = run.row, c = run.column; filled(r, c); r += dRow, c += dColumn)
        ++run.length;
    return run;
}

int wordLength(const Move& move)
{
    return static_cast<int>(strnlen(move.word, kWordField));
}

int rowAt(const Move& move, int index)
{
    return move.horiz ? move.lin : move.lin + index;
}

int columnAt(const Move& move, int index)
{
    return move.horiz ? move.col + index : move.col;
}

std::string spelledWord(const Move& move)
{
    std::string word(move.word, wordLength(move));
    int joker = 0;
    for (char& letter : word)
        if (letter == kJoker && joker < jokersLength(move))
            letter = move.jokers[joker++];
    return word;
}

std::string keptLetters(const std::string& rack, const Move& move, const Board& board, const Extent& extent)
{
    std::string kept = rack;
    forEachPosition(move, board, extent, [&](int index, int, int, bool occupied) {
        if (occupied)
            return;
        const auto found = kept.find(move.word[index]);
        if (found != std::string::npos)
            kept.erase(found, 1);
    });
    return kept;
}

void layMove(const Move& move, Board& board, const Extent& extent)
{
    int joker = 0;
    forEachPosition(move, board, extent, [&](int index, int row, int column, bool occupied) {
        if (occupied || !extent.contains(row, column) || row >= kBoardCells || column >= kBoardCells)
            return;
        Square& square = board[row][column];
        if (move.word[index] == kJoker) {
            square.letter = joker < jokersLength(move) ? move.jokers[joker++] : kJoker;
            square.joker = 1;
        } else {
            square.letter = move.word[index];
            square.joker = 0;
        }
    });
}

std::string moveText(const Move& move, const Board& board, const Extent& extent, int* newTiles)
{
    if (newTiles) {
        *newTiles = 0;
        forEachPosition(move, board, extent, [&](int, int, int, bool occupied) { *newTiles += !occupied; });
    }
    if (wordLength(move) == 0)
        return "PAS / CHANGE";

    // A move from a profile may hold anything: what is no letter, and a row off the board, show
    // as '?' rather than as stray bytes.
    const auto isLetter = [](char c) { return c >= 'A' && c <= 'Z'; };
    std::string shown(move.word, wordLength(move));
    int joker = 0;
    for (char& letter : shown) {
        if (letter == kJoker) {
            const char standsFor = joker < jokersLength(move) ? move.jokers[joker++] : '?';
            letter = isLetter(standsFor) ? static_cast<char>(standsFor - 'A' + 'a') : '?';
        } else if (!isLetter(letter)) {
            letter = '?';
        }
    }
    const char row = move.lin >= 1 && move.lin <= kMaxBoardSize ? geometry::rowName(move.lin) : '?';
    char position[32];
    if (move.horiz)
        std::snprintf(position, sizeof position, "(%c%d)", row, move.col);
    else
        std::snprintf(position, sizeof position, "(%d%c)", move.col, row);
    return position + shown;
}

MoveProblem::Kind placementProblem(const Move& move, const Board& board, const Extent& extent,
                                   const std::string& rack, bool firstMove)
{
    using Kind = MoveProblem::Kind;
    if (wordLength(move) == 0)
        return Kind::LaysNoTile;
    if (!isWellFormed(move))
        return Kind::NotWellFormed;
    if (!fitsOnBoard(move, extent))
        return Kind::OffBoard;
    if (!isWholeWord(move, board, extent))
        return Kind::NotWholeWord;

    std::string laid;
    bool agrees = true;
    forEachPosition(move, board, extent, [&](int index, int row, int column, bool occupied) {
        if (!occupied)
            laid += move.word[index];
        else if (board[row][column].letter != move.word[index])
            agrees = false;
    });
    if (!agrees)
        return Kind::DisagreesWithBoard;
    if (laid.empty())
        return Kind::LaysNoTile;

    const auto needed = letters::histogram(laid);
    const auto held = letters::histogram(rack);
    for (int k = 0; k < kLetterCount; ++k)
        if (needed[k] > held[k])
            return Kind::LettersNotInRack;
    if (!firstMove && !touchesBoard(move, board, extent))
        return Kind::NotTouching;
    return Kind::None;
}

} // namespace glyph::placement
