#pragma once

#include <QDialog>
#include <QStringList>

#include "ui_newgamedialog.h"

class QComboBox;

namespace glyph
{

class Game;
class GameSession;

/// Chooses game type, letter set, dictionary, time, bonus and the seated players, then starts
/// a new game with them.
class NewGameDialog : public QDialog, private Ui::UINewGameDialog
{
    Q_OBJECT

public:
    /// Fills the lists from the data folders and the seats from the game in progress; pauses the clocks.
    NewGameDialog(GameSession& session, QWidget* parent);
    /// Stores the geometry under "NewGameDialogKey" and lets the clocks run again.
    ~NewGameDialog() override;

    /// Selects the first entry whose text after prefix contains value, ignoring case; false if none.
    static bool selectStored(QComboBox& list, const QString& value, const QString& prefix);
    /// The choice list of seat row.
    QComboBox* seatChoice(int row) const;

public slots:
    /// Rebuilds the seats for the number typed, keeping earlier rows' choices.
    void recreateButtons();
    /// Writes the choices and starts the game; warns and stays open with fewer than 2 players.
    void okClicked();

private:
    void rebuildProfileChoices();

    Game& m_game;
    GameSession& m_session;
    QStringList m_profileChoices;
};

} // namespace glyph
