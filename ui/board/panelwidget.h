#pragma once

#include <QHash>
#include <QWidget>

#include "ui_panelwidget.h"

namespace glyph
{

class Game;
class GameRules;
class GameSession;

/// The players' panel: logo, the current player's score and clock, bag and round, the move
/// the placed tiles would make, and a table of all players, kept up to date from the session.
class PanelWidget : public QWidget, private Ui::UIPanelWidget
{
    Q_OBJECT

public:
    PanelWidget(GameSession& session, QWidget* parent);

    /// Shows the state of the game in progress.
    void refresh();

public slots:
    /// One clock tick: shows the players' times.
    void timerOut();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showTimes();
    void keepTextsWhole();
    /// "Name: notation score" of the turn that led to the position shown, while no tile of
    /// this turn is placed; empty otherwise and at the start.
    QString lastMoveText(const GameRules& rules) const;
    void setCell(int row, int column, const QString& text);
    /// Shows the value whole on the LCD: as wide as the form made it, wider when the value
    /// needs more digits (an LCD keeps its old value when a new one overflows it).
    void showNumber(QLCDNumber& lcd, int value);

    Game& m_game;
    GameSession& m_session;
    // Each LCD's digit count as the form gives it: the least it shows.
    QHash<const QLCDNumber*, int> m_formDigits;
};

} // namespace glyph
