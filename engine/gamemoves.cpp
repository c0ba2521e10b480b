// The move operations of the game: they hand the game's board, size and rack slots to the
// move reader, the scoring and the placement helpers.
#include <cstring>

#include "engine/boardgeometry.h"
#include "engine/game.h"
#include "engine/gameview.h"
#include "engine/moveplacement.h"
#include "engine/movereader.h"
#include "engine/scoring.h"

namespace glyph
{

namespace
{

placement::Extent playingArea(const Game& game)
{
    return {game.rows(), game.columns()};
}

} // namespace

bool Game::buildHumanMove(Move& out)
{
    out = Move{};
    m_placedTiles.clear();
    for (int i = 0; i < m_rackSlotCount && i < kMaxRackSlots; ++i)
        if (m_rackSlots[i].placed)
            m_placedTiles.push_back(m_rackSlots[i]);
    if (m_placedTiles.empty())
        return false;
    const bool centreEmpty = !isOccupied(geometry::centreRow(m_rows), geometry::centreColumn(m_columns));
    if (!movereader::read(m_placedTiles, m_board, playingArea(*this), centreEmpty, out))
        return false;
    computeScore(out, m_board);
    return true;
}

void Game::computeScore(Move& move, const Board& board) const
{
    move.score = scoring::moveScore(*this, move, board);
}

void Game::layMove(const Move& move, Board& board) const
{
    placement::layMove(move, board, playingArea(*this));
}

std::string Game::keptLetters(const std::string& rack, const Move& move) const
{
    return placement::keptLetters(rack, move, m_board, playingArea(*this));
}

void Game::showMoveInRackSlots(const Move& move)
{
    m_view.erasePlacedTiles();
    for (RackSlot& slot : m_rackSlots)
        slot.placed = 0;
    const placement::Extent extent = playingArea(*this);
    const int length = placement::wordLength(move);
    const int jokerCount = static_cast<int>(strnlen(move.jokers, sizeof move.jokers));
    int joker = 0;
    for (int i = 0; i < length; ++i) {
        const int row = placement::rowAt(move, i);
        const int column = placement::columnAt(move, i);
        if (placement::isOccupied(m_board, extent, row, column))
            continue;
        const char jokerLetter = move.word[i] == kJoker && joker < jokerCount ? move.jokers[joker++] : 0;
        for (int s = 0; s < m_rackSlotCount && s < kMaxRackSlots; ++s) {
            RackSlot& slot = m_rackSlots[s];
            if (slot.placed || slot.letter != move.word[i])
                continue;
            slot.placed = 1;
            slot.row = static_cast<std::uint8_t>(row);
            slot.column = static_cast<std::uint8_t>(column);
            if (slot.letter == kJoker)
                slot.jokerLetter = jokerLetter;
            break;
        }
    }
}

std::string Game::moveText(const Move& move, const Board& board, int* newTiles) const
{
    return placement::moveText(move, board, playingArea(*this), newTiles);
}

} // namespace glyph
