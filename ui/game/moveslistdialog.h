#pragma once

#include <QDialog>

#include <array>
#include <vector>

#include "engine/rackslot.h"
#include "ui_moveslistdialog.h"

namespace glyph
{

class AnalysisRunner;
class Game;
class GameSession;

/// The moves played up to the shown history position, one row per round and one column per
/// player, beside a chart of the scores: the chosen cell's move is framed on the board, and
/// "&Go to move" takes the game back to the position after that turn. As the analysis of the
/// game it lists every turn of the game in a row, with what the analysis finds for it (worked
/// out off the window's thread, with a progress bar and a Stop button) and a summary per player.
class MovesListDialog : public QDialog, private Ui::UIMovesListDialog
{
    Q_OBJECT

public:
    enum class Mode { Moves, Analysis };
    /// What the analysis counts as a costly turn: this many points or equity given away.
    static constexpr double kCostly = 10.0;

    /// Fills the table and pauses the clocks (and in Analysis mode starts the analysis); with
    /// fewer than two players it stays empty and touches nothing.
    MovesListDialog(GameSession& session, QWidget* parent, Mode mode = Mode::Moves);
    /// Removes the frame and resumes the clocks; puts back this turn's placement unless the
    /// game was taken back.
    ~MovesListDialog() override;

public slots:
    /// Frames the move of the cell's turn on the board.
    void moveChanged(int row, int column);
    /// Takes the game back to the position after the selected cell's turn and closes;
    /// warns "Please select a move" when no cell with a move is selected.
    void goClicked();
    /// Stops the analysis after the turn under way.
    void stopClicked();

private:
    void fill();
    void fillTurns();
    /// Puts the analysis' results in their columns and fills the summary.
    void analysisFinished(bool stopped);
    void fillSummary();
    /// The turn (1 = first move) of a cell, or 0 when the cell holds no move.
    int turnAt(int row, int column) const;

    Game& m_game;
    GameSession& m_session;
    Mode m_mode;
    AnalysisRunner* m_runner = nullptr;
    bool m_active = false;
    int m_players = 0;
    int m_position = 0;
    std::array<RackSlot, kMaxRackSlots> m_savedSlots{};
    int m_savedSelected = -1;
    bool m_jumped = false;
};

} // namespace glyph
