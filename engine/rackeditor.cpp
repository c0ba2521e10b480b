#include "engine/rackeditor.h"

#include <algorithm>

#include "base/random.h"
#include "engine/boardgeometry.h"
#include "engine/game.h"

namespace glyph
{

RackEditor::RackEditor(Game& game)
    : m_game(game), m_row(geometry::centreRow(game.rows())), m_column(geometry::centreColumn(game.columns()))
{
}

void RackEditor::shuffle()
{
    auto& slots = m_game.rackSlots();
    std::shuffle(slots.begin(), slots.begin() + m_game.rackSlotCount(), random::generator());
    m_game.setSelectedSlot(-1);
    m_typed.clear();
}

void RackEditor::alphabetize()
{
    // The joker's code follows 'Z', so letter order puts jokers last.
    auto& slots = m_game.rackSlots();
    std::stable_sort(slots.begin(), slots.begin() + m_game.rackSlotCount(),
                     [](const RackSlot& a, const RackSlot& b) { return a.letter < b.letter; });
    m_game.setSelectedSlot(-1);
    m_typed.clear();
}

void RackEditor::swap(int selected, int target)
{
    auto& slots = m_game.rackSlots();
    std::swap(slots[selected], slots[target]);
    m_game.setSelectedSlot(target);
    // The typed tiles are remembered by slot: they follow their tiles.
    for (int& typed : m_typed)
        typed = typed == selected ? target : typed == target ? selected : typed;
}

int RackEditor::takeBackAll()
{
    int taken = 0;
    for (int i = 0; i < m_game.rackSlotCount(); ++i) {
        RackSlot& slot = m_game.rackSlots()[i];
        taken += slot.placed;
        slot = RackSlot{slot.letter, 0, 0, 0, 0};
    }
    m_typed.clear();
    return taken;
}

void RackEditor::click(int row, int column)
{
    if (row == m_row && column == m_column)
        switchDirection();
    m_row = std::clamp(row, 1, m_game.rows());
    m_column = std::clamp(column, 1, m_game.columns());
}

void RackEditor::moveCursor(int rows, int columns)
{
    m_row = std::clamp(m_row + rows, 1, m_game.rows());
    m_column = std::clamp(m_column + columns, 1, m_game.columns());
}

RackEditor::Typed RackEditor::type(char letter, bool joker)
{
    if (holdsTile(m_row, m_column) || m_row < 1 || m_row > m_game.rows() || m_column < 1 ||
        m_column > m_game.columns())
        return Typed::Occupied;
    const char wanted = joker ? kJoker : letter;
    for (int i = 0; i < m_game.rackSlotCount(); ++i) {
        RackSlot& slot = m_game.rackSlots()[i];
        if (slot.placed || slot.letter != wanted)
            continue;
        slot.placed = 1;
        slot.row = static_cast<std::uint8_t>(m_row);
        slot.column = static_cast<std::uint8_t>(m_column);
        slot.jokerLetter = joker ? letter : 0;
        m_typed.push_back(i);
        m_game.setSelectedSlot(-1);
        step();
        return Typed::Laid;
    }
    return Typed::NoTile;
}

bool RackEditor::backspace()
{
    int slot = -1;
    while (slot < 0 && !m_typed.empty()) {
        const int last = m_typed.back();
        m_typed.pop_back();
        // A tile typed and then dragged back or taken back since is no longer there.
        if (last < m_game.rackSlotCount() && m_game.rackSlots()[last].placed)
            slot = last;
    }
    if (slot < 0)
        slot = placedSlotAt(m_row - (m_across ? 0 : 1), m_column - (m_across ? 1 : 0));
    if (slot < 0)
        return false;
    RackSlot& tile = m_game.rackSlots()[slot];
    m_row = tile.row;
    m_column = tile.column;
    tile = RackSlot{tile.letter, 0, 0, 0, 0};
    return true;
}

bool RackEditor::holdsTile(int row, int column) const
{
    return m_game.isOccupied(row, column) || placedSlotAt(row, column) >= 0;
}

int RackEditor::placedSlotAt(int row, int column) const
{
    for (int i = 0; i < m_game.rackSlotCount(); ++i) {
        const RackSlot& slot = m_game.rackSlots()[i];
        if (slot.placed && slot.row == row && slot.column == column)
            return i;
    }
    return -1;
}

void RackEditor::step()
{
    // On past the tiles already there, so that typing a word runs through them; at the edge the
    // cursor stays on the last square.
    const int rowStep = m_across ? 0 : 1;
    const int columnStep = m_across ? 1 : 0;
    int row = m_row + rowStep;
    int column = m_column + columnStep;
    while (row >= 1 && row <= m_game.rows() && column >= 1 && column <= m_game.columns() &&
           holdsTile(row, column)) {
        row += rowStep;
        column += columnStep;
    }
    if (row >= 1 && row <= m_game.rows() && column >= 1 && column <= m_game.columns()) {
        m_row = row;
        m_column = column;
    }
}

} // namespace glyph
