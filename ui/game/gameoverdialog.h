#pragma once

#include <QDialog>

#include "ui_gameoverdialog.h"

namespace glyph
{

class Game;
class MainWindow;

/// The final standings: each player's letters left, penalty or gain, and final score.
class GameOverDialog : public QDialog, private Ui::UIGameOverDialog
{
    Q_OBJECT

public:
    GameOverDialog(Game& game, QWidget* parent);
    /// Stores the geometry under "GameOverDialogKey".
    ~GameOverDialog() override;

private:
    void fill();
    void fitToTable();

    Game& m_game;
};

} // namespace glyph
