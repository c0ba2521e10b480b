#pragma once

#include <QWidget>

#include "engine/positionedit.h"
#include "ui_gameconfigurationwidget.h"

namespace glyph
{

class Game;
class GameSession;

/// Shows the game in progress as editable tables (players and board squares) and writes the
/// edits back into the game on request.
class GameConfigurationWidget : public QWidget, private Ui::UIGameConfigurationWidget
{
    Q_OBJECT

public:
    GameConfigurationWidget(GameSession& session, QWidget* parent);

    /// Shows the players, the board and the settings of the game in progress.
    void refresh();

public slots:
    /// Empties the board editor after confirmation (the board changes only on Apply).
    void clearTableClicked();
    /// Shows the board of the game in the board editor again.
    void restoreTableClicked();
    /// Writes players and board into the game after confirmation and recomputes the bag; a
    /// position the set cannot supply, or an ended game, is refused with the reason.
    void applyClicked();

protected:
    /// The tables show the game afresh each time the page comes into view.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString cellText(const QTableWidget& table, int row, int column) const;
    void readPlayers(PositionEdit& edit) const;
    void readBoard(PositionEdit& edit) const;
    QString refusal(PositionEdit::Problem problem, const PositionEdit& edit) const;

    Game& m_game;
    GameSession& m_session;
};

} // namespace glyph
