#pragma once

#include <vector>

namespace glyph
{

class Game;

/// What a person does with the tiles of the current turn besides dragging them: reorders the
/// rack, takes back every tile laid, and lays tiles from the keyboard at a cursor that walks
/// across or down the board. Works on the game's rack slots, as dragging does.
class RackEditor
{
public:
    /// Why a typed letter was not laid.
    enum class Typed {
        Laid,
        /// The rack holds no such tile (no joker, for a joker).
        NoTile,
        /// The cursor is on a square that holds a tile, or on none.
        Occupied,
    };

    explicit RackEditor(Game& game);

    /// Puts the rack slots in a random order, placed ones included; nothing stays selected.
    void shuffle();
    /// Puts the rack slots in letter order, jokers last; nothing stays selected.
    void alphabetize();
    /// Swaps two rack slots (a tile dragged onto another in the rack), laid ones included; the
    /// second stays selected, and Backspace still takes back the tiles typed last.
    void swap(int selected, int target);
    /// Takes every tile laid this turn back to the rack; returns how many.
    int takeBackAll();

    /// Puts the cursor on a square; on the square it is already on, switches across and down.
    void click(int row, int column);
    /// Switches across and down.
    void switchDirection() { m_across = !m_across; }
    /// Moves the cursor by one square (arrow keys), staying on the board.
    void moveCursor(int rows, int columns);
    /// Lays a tile of `letter` ('A'..'Z') at the cursor, a joker standing for it when `joker`,
    /// then moves the cursor on past the squares that hold tiles.
    Typed type(char letter, bool joker);
    /// Takes back the tile typed last (or else the one laid just before the cursor) and puts
    /// the cursor on its square; false when there is none.
    bool backspace();
    /// Forgets the typed tiles (a new turn); the cursor stays.
    void newTurn() { m_typed.clear(); }

    int cursorRow() const { return m_row; }
    int cursorColumn() const { return m_column; }
    bool across() const { return m_across; }

private:
    bool holdsTile(int row, int column) const;
    int placedSlotAt(int row, int column) const;
    void step();

    Game& m_game;
    int m_row = 0;
    int m_column = 0;
    bool m_across = true;
    std::vector<int> m_typed; // rack slots laid by typing, in order
};

} // namespace glyph
