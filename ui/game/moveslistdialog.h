#pragma once

#include <QDialog>

#include <array>

#include "engine/rackslot.h"
#include "ui_moveslistdialog.h"

namespace glyph
{

class Game;
class GameSession;

/// The moves played up to the shown history position, one row per round and one column per
/// player: the chosen cell's move is framed on the board, and "&Go to move" takes the game
/// back to the position after that turn.
class MovesListDialog : public QDialog, private Ui::UIMovesListDialog
{
    Q_OBJECT

public:
    /// Fills the table and pauses the clocks; with fewer than two players it stays empty and
    /// touches nothing.
    MovesListDialog(GameSession& session, QWidget* parent);
    /// Removes the frame and resumes the clocks; puts back this turn's placement unless the
    /// game was taken back.
    ~MovesListDialog() override;

public slots:
    /// Frames the move of the cell's turn on the board.
    void moveChanged(int row, int column);
    /// Takes the game back to the position after the selected cell's turn and closes;
    /// warns "Please select a move" when no cell with a move is selected.
    void goClicked();

private:
    void fill();
    /// The turn (1 = first move) of a cell, or 0 when the cell holds no move.
    int turnAt(int row, int column) const;

    Game& m_game;
    GameSession& m_session;
    bool m_active = false;
    int m_players = 0;
    int m_position = 0;
    std::array<RackSlot, kMaxRackSlots> m_savedSlots{};
    int m_savedSelected = -1;
    bool m_jumped = false;
};

} // namespace glyph
