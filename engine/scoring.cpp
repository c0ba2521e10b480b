#include "engine/scoring.h"

#include "base/letters.h"
#include "engine/game.h"
#include "engine/moveplacement.h"

namespace glyph::scoring
{

namespace
{

/// Tiles a move must lay to earn the bonus.
constexpr int kBonusTiles = 7;

struct Scorer {
    const Game& game;
    const Board& board;
    placement::Extent extent;

    bool occupied(int row, int column) const { return placement::isOccupied(board, extent, row, column); }

    /// A tile on the board scores its letter's value, a joker nothing.
    int squareScore(int row, int column) const
    {
        const Square& square = board[row][column];
        return square.joker ? 0 : letters::value(game.letterSet(), square.letter);
    }

    /// Squares off the board (or off the grids) carry no premium.
    bool onGrid(int row, int column) const
    {
        return extent.contains(row, column) && row < kBoardCells && column < kBoardCells;
    }

    int letterMultiplier(int row, int column) const
    {
        return onGrid(row, column) ? game.letterMultiplier(row, column) : 1;
    }

    int wordMultiplier(int row, int column) const
    {
        return onGrid(row, column) ? game.wordMultiplier(row, column) : 1;
    }

    /// Sums the board tiles of the cross word through the empty square (row, column), read
    /// along (dRow, dColumn); false when no tile adjoins the square in that direction.
    bool crossSum(int row, int column, int dRow, int dColumn, int& sum) const
    {
        const placement::Run run = placement::runThrough(board, extent, row, column, dRow, dColumn);
        sum = 0;
        for (int i = 0, r = run.row, c = run.column; i < run.length; ++i, r += dRow, c += dColumn)
            if (r != row || c != column)
                sum += squareScore(r, c);
        return run.length > 1;
    }
};

} // namespace

int moveScore(const Game& game, const Move& move, const Board& board)
{
    const int length = placement::wordLength(move);
    if (length == 0)
        return 0;
    const Scorer scorer{game, board, {game.rows(), game.columns()}};
    const int crossRow = move.horiz ? 1 : 0;
    const int crossColumn = move.horiz ? 0 : 1;

    int wordProduct = 1;
    int mainSum = 0;
    int crossTotal = 0;
    int newTiles = 0;
    for (int i = 0; i < length; ++i) {
        const int row = placement::rowAt(move, i);
        const int column = placement::columnAt(move, i);
        if (scorer.occupied(row, column)) {
            mainSum += scorer.squareScore(row, column);
            continue;
        }
        const int letterScore =
            letters::value(game.letterSet(), move.word[i]) * scorer.letterMultiplier(row, column);
        const int multiplier = scorer.wordMultiplier(row, column);
        if (length >= 2)
            mainSum += letterScore;
        wordProduct *= multiplier;
        int crossScore = 0;
        if (scorer.crossSum(row, column, crossRow, crossColumn, crossScore))
            crossTotal += (crossScore + letterScore) * multiplier;
        ++newTiles;
    }
    int score = crossTotal + wordProduct * mainSum;
    if (newTiles == kBonusTiles)
        score += game.bonus();
    return score;
}

} // namespace glyph::scoring
