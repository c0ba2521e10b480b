#pragma once

#include <QWidget>

#include "ui/board/pieceswidget.h"
#include "ui_rackwidget.h"

namespace glyph
{

class Game;
class GameSession;

/// The current player's rack with the Shuffle and Alphabetize buttons, which reorder it, and the Move
/// and Pas/Change buttons, which ask the session to play the turn.
class RackWidget : public QWidget, private Ui::UIRackWidget
{
    Q_OBJECT

public:
    using PiecesWidget = glyph::PiecesWidget;

    RackWidget(GameSession& session, QWidget* parent);

    /// Shows the current player's name and tiles and enables the buttons that apply.
    void refresh();
    PiecesWidget* pieces() const { return m_pieces; }

public slots:
    /// Asks the session to play the human's placed tiles or the computer player's turn.
    void moveClicked();
    /// Passes or exchanges the tiles chosen in the pass/change dialog.
    void pasChangeClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    Game& m_game;
    GameSession& m_session;
    PiecesWidget* m_pieces = nullptr;
};

} // namespace glyph
