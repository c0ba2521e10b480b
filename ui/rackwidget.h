#pragma once

#include <QTimer>
#include <QWidget>

#include "ui/pieceswidget.h"
#include "ui_rackwidget.h"

namespace glyph
{

class Game;
class MainWindow;

/// The current player's rack with the Move and Pas/Change buttons; it also runs the chain of
/// computer turns through a short single-shot timer.
class RackWidget : public QWidget, public Ui::UIRackWidget
{
    Q_OBJECT

public:
    using PiecesWidget = glyph::PiecesWidget;

    RackWidget(Game& game, MainWindow& window, QWidget* parent);

    /// Shows the current player's name and tiles and enables the buttons that apply.
    void refresh();
    /// Stops the timer that would start the next computer turn.
    void stopComputerTimer() { m_computerTimer.stop(); }
    /// True while the next computer turn is pending.
    bool computerTurnPending() const { return m_computerTimer.isActive(); }
    PiecesWidget* pieces() const { return m_pieces; }
    /// True from the start of a computer turn until its move or pass has been played.
    bool computerTurnRunning() const { return m_computerTurn; }

public slots:
    /// Plays the human's placed tiles, or runs the computer player's turn; ignored while a
    /// turn started earlier is still running (its waits let the board be double-clicked).
    void moveClicked();
    /// Passes or exchanges the tiles chosen in the pass/change dialog.
    void pasChangeClicked();

private:
    void chainComputerTurn();

    Game& m_game;
    MainWindow& m_window;
    QTimer m_computerTimer;
    PiecesWidget* m_pieces = nullptr;
    bool m_moving = false;
    bool m_computerTurn = false;
};

} // namespace glyph
