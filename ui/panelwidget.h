#pragma once

#include <QTimer>
#include <QWidget>

#include "ui_panelwidget.h"

namespace glyph
{

class Game;
class GameRules;
class MainWindow;

/// The players' panel: logo, the current player's score and clock, bag and round, the move
/// the placed tiles would make, and a table of all players. Its timer runs the clocks.
class PanelWidget : public QWidget, public Ui::UIPanelWidget
{
    Q_OBJECT

public:
    PanelWidget(Game& game, MainWindow& window, QWidget* parent);

    /// Shows the state of the game in progress.
    void refresh();
    /// Starts the repeating clock timer.
    void startClock(int milliseconds) { m_clockTimer.start(milliseconds); }
    QTimer& clockTimer() { return m_clockTimer; }

public slots:
    /// One clock tick: the current player's time goes down by a second.
    void timerOut();

private:
    void showTimes();
    void keepTextsWhole();
    /// "Name: notation score" of the turn that led to the position shown, while no tile of
    /// this turn is placed; empty otherwise and at the start.
    QString lastMoveText(const GameRules& rules) const;
    void setCell(int row, int column, const QString& text);

    Game& m_game;
    MainWindow& m_window;
    QTimer m_clockTimer;
};

} // namespace glyph
