#pragma once

#include <QDialog>

#include <array>
#include <vector>

#include "engine/move.h"
#include "engine/rackslot.h"
#include "ui_topmovesdialog.h"

namespace glyph
{

class Game;
class GameSession;

/// The best moves of the current player's rack, best first: the chosen row is shown on the
/// board as this turn's placement, Copy puts the whole list on the clipboard and Place keeps
/// the chosen move laid when the dialog closes (Enter too).
class TopMovesDialog : public QDialog, private Ui::UITopMovesDialog
{
    Q_OBJECT

public:
    /// Pauses the clocks, generates the moves (emptying the generator's own list) and shows
    /// the best one on the board.
    TopMovesDialog(GameSession& session, QWidget* parent);
    /// Puts back the placement from before the dialog (or the one Place kept), resumes the
    /// clocks and stores the geometry under "TopDialogKey" and the rows under "TopPreferedKey".
    ~TopMovesDialog() override;

    /// The moves found, in the generator's order, the pass record included.
    const std::vector<Move>& moves() const { return m_moves; }

public slots:
    /// Shows the move of the row as this turn's placement.
    void moveChanged(int row, int column);
    /// Puts every move found on the clipboard, one "notation score p" line each.
    void copyClicked();
    /// Keeps the move shown on the board as the placement and closes (not after game over).
    void placeClicked();
    /// Reads the number of rows to show (0 when the text is not a number) and refills.
    void viewChanged(const QString& text);

protected:
    /// Enter in the list places the chosen move, as Place does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void generate();
    void fill();

    Game& m_game;
    GameSession& m_session;
    std::array<RackSlot, kMaxRackSlots> m_savedSlots{};
    int m_savedSelected = -1;
    std::vector<Move> m_moves;
    unsigned m_rowsToView = 0;
};

} // namespace glyph
