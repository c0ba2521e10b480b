#include "engine/movereader.h"

#include <algorithm>
#include <string>

namespace glyph::movereader
{

namespace
{

/// One reading direction: `along` is the coordinate that grows along the word, `across` the
/// one shared by every tile.
struct Direction {
    bool horiz;

    int along(const RackSlot& slot) const { return horiz ? slot.column : slot.row; }
    int line(const RackSlot& slot) const { return horiz ? slot.row : slot.column; }
    bool occupied(const Board& board, const placement::Extent& extent, int line, int along) const
    {
        return horiz ? placement::isOccupied(board, extent, line, along)
                     : placement::isOccupied(board, extent, along, line);
    }
    char boardLetter(const Board& board, int line, int along) const
    {
        return horiz ? board[line][along].letter : board[along][line].letter;
    }
};

const RackSlot* tileAt(const std::vector<RackSlot>& placed, const Direction& direction, int along)
{
    for (const RackSlot& slot : placed)
        if (direction.along(slot) == along)
            return &slot;
    return nullptr;
}

bool touches(const Board& board, const placement::Extent& extent, const Direction& direction, int line,
             int along)
{
    return direction.occupied(board, extent, line - 1, along) ||
           direction.occupied(board, extent, line + 1, along) ||
           direction.occupied(board, extent, line, along - 1) ||
           direction.occupied(board, extent, line, along + 1);
}

bool readLine(const std::vector<RackSlot>& placed, const Board& board, const placement::Extent& extent,
              bool centreEmpty, const Direction& direction, Move& out)
{
    const int line = direction.line(placed.front());
    int first = direction.along(placed.front());
    int last = first;
    for (const RackSlot& slot : placed) {
        if (direction.line(slot) != line)
            return false;
        first = std::min(first, direction.along(slot));
        last = std::max(last, direction.along(slot));
    }
    while (direction.occupied(board, extent, line, first - 1))
        --first;
    while (direction.occupied(board, extent, line, last + 1))
        ++last;

    std::string word;
    std::string jokers;
    bool touching = false;
    for (int along = first; along <= last; ++along) {
        touching = touching || touches(board, extent, direction, line, along);
        if (direction.occupied(board, extent, line, along)) {
            word += direction.boardLetter(board, line, along);
            continue;
        }
        const RackSlot* tile = tileAt(placed, direction, along);
        if (!tile)
            return false;
        word += tile->letter;
        if (tile->letter == kJoker) {
            if (tile->jokerLetter < 'A' || tile->jokerLetter > 'Z')
                return false;
            jokers += tile->jokerLetter;
        }
    }
    if (word.size() < 2 || word.size() >= sizeof out.word || !(touching || centreEmpty))
        return false;

    Move move;
    move.horiz = direction.horiz ? 1 : 0;
    move.lin = static_cast<std::int8_t>(direction.horiz ? line : first);
    move.col = static_cast<std::int8_t>(direction.horiz ? first : line);
    word.copy(move.word, word.size());
    jokers.copy(move.jokers, jokers.size());
    out = move;
    return true;
}

} // namespace

bool read(const std::vector<RackSlot>& placed, const Board& board, const placement::Extent& extent,
          bool centreEmpty, Move& out)
{
    if (placed.empty())
        return false;
    return readLine(placed, board, extent, centreEmpty, Direction{true}, out) ||
           readLine(placed, board, extent, centreEmpty, Direction{false}, out);
}

} // namespace glyph::movereader
