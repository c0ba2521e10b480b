#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "engine/gameview.h"
#include "engine/move.h"
#include "engine/rackeditor.h"
#include "ui/common/pausecounter.h"
#include "ui/session/gamefilestate.h"

class QThread;

namespace glyph
{

class Game;
class Prompter;
struct Player;

/// The one object between the game and the widgets. It is the game's view, owns the turn
/// flow (a human's move, pass and exchange, the chain of computer turns chosen on a worker
/// thread, the turn lock, stopping the chain), the players' clocks and their pause, stepping
/// through the history and the game file (new, open, save, unsaved turns). Widgets call its
/// operations and listen to its signals; they never call the window or each other.
class GameSession : public QObject, public GameView
{
    Q_OBJECT

public:
    /// Period of the players' clocks.
    static constexpr int kClockPeriod = 1000;

    GameSession(Game& game, Prompter& prompter, QObject* parent = nullptr);
    /// Waits for a computer player still thinking; its move is not played.
    ~GameSession() override;

    Game& game() { return m_game; }
    const Game& game() const { return m_game; }
    Prompter& prompter() { return m_prompter; }
    /// The reasons the clocks stand still; hold a guard to stop them.
    PauseCounter& pauses() { return m_pauses; }

    // The game's view.
    void showWarning(const std::string& text) override;
    std::string translate(const char* text) override;
    void refresh(bool onlyUpdateBoard) override;
    void refreshWithoutBoard() override;
    void erasePlacedTiles() override;
    void showGameOver() override;
    void showThinkingNotice(const std::string& text) override;
    void hideThinkingNotice() override;
    void wait(int milliseconds) override;
    void appendScriptOutput(const std::string& line) override;
    void appendHostOutput(const std::string& line) override;
    /// Emits scriptOutput in the session's thread, from whichever thread the line comes.
    void emitScriptOutput(const QString& text);
    bool paused() const override { return m_pauses.paused(); }

    // The turn flow.

    /// The Move command: plays the tiles the human placed, or starts the computer player's
    /// turn; ignored while the turn lock is held or no game is on. At an earlier position it
    /// asks first whether the later turns may go (Cancel plays nothing).
    void move();
    /// Passes (exchange empty) or exchanges the letters, keeping `kept`; then chains a
    /// computer player who is next. Asks first at an earlier position, as `move`.
    void passOrExchange(const std::string& exchange, const std::string& kept);
    /// Escape: while a computer turn runs or is due, no further one starts (until Move or a
    /// person's turn); the turn under way is played out, a search that looks ahead cut short
    /// with its best move so far. Does nothing otherwise.
    void stopComputerPlayers();
    /// Ends the computer turn under way without playing it and stops the chain, so that a
    /// command that replaces or ends the game can go on.
    void abandonComputerTurn();
    /// Before a command that may leave the game (a save question, a file chooser, the new-game
    /// dialog): abandons the turn under way, remembering whether a computer turn was running
    /// or due (and not stopped by Escape).
    void holdComputerPlayers();
    /// After it: when the game stayed, a chain the hold stopped (not one Escape stopped) goes
    /// on. A new, opened or imported game ends the hold instead.
    void releaseComputerPlayers();
    void forgetProfileGlobals();
    /// True from the start of a computer turn until its move has been played, and while a
    /// computer turn is due to start.
    bool locked() const { return m_turnRunning || m_chainTimer.isActive(); }
    /// Scales every timed wait (1: real time; 0: none), for demonstrations and tests.
    void setWaitFactor(double factor) { m_waitFactor = factor; }

    // The tiles being laid and the position shown.

    /// Tells the widgets that the tiles placed this turn changed (a drop, a take-back).
    void placementEdited();
    /// Takes back every tile placed this turn.
    void takeBackPlacedTiles();

    // The rack and the keyboard: each refused while a computer turn runs, no game is on or a
    // computer player is to move; each emits placementChanged when something changed.

    /// The keyboard cursor on the board and its direction.
    const RackEditor& rackEditor() const { return m_rackEditor; }
    /// True when the person to move may lay, take back and reorder tiles.
    bool rackEditable() const;
    /// Puts the rack's tiles in a random order / in letter order (jokers last).
    void shuffleRack();
    void alphabetizeRack();
    /// Swaps two rack slots, the tile dragged (`selected`) onto another in the rack.
    void swapRackSlots(int selected, int target) { m_rackEditor.swap(selected, target); }
    /// Puts the cursor on a square; a second click on the same square switches across and down.
    void clickSquare(int row, int column);
    /// Moves the cursor by the arrow keys' step.
    void moveCursor(int rows, int columns);
    void switchDirection();
    /// Lays a tile of `letter` at the cursor (a joker standing for it when `joker`) and moves on;
    /// says in the status bar why when it cannot. False when nothing was laid.
    bool typeLetter(char letter, bool joker);
    /// Takes back the tile typed last; false when there is none.
    bool backspace();
    /// The move framed on the board (the pass record frames nothing) and its setter.
    const Move& highlightedMove() const { return m_highlightedMove; }
    void setHighlightedMove(const Move& move);
    /// The size of one board square as the board widget shows it now (for the rack's drag
    /// picture); empty before the board is shown.
    QSize squareSize() const { return m_squareSize; }
    void setSquareSize(const QSize& size) { m_squareSize = size; }
    /// History steps; each tells the widgets that the position changed.
    void goFirst();
    void goLast();
    void goPrevious();
    void goNext();
    void goTo(int turn);
    /// Tells the widgets that the settings changed (board, colours, dictionary).
    void notifySettingsChanged();

    // The game file.

    /// Starts a new game with these players in this order (see `Game::startNewGame`); a
    /// computer player who starts moves after a second. False when it could not start.
    bool startNewGame(const std::vector<Player>& players, unsigned char gameType);
    /// Asks to save a game with unsaved turns ("Save the game in progress?"); false when the
    /// user cancels or the save fails.
    bool settleUnsavedGame();
    /// Chooses a saved game or a GCG record and loads it; false when nothing was loaded.
    bool open();
    /// Imports a GCG record as the game in progress, with its whole history; the lines whose
    /// score differs from the rules' are reported in one message. False, after one message
    /// naming the line, when the record cannot be imported; the game is then as it was.
    bool importRecord(const QString& fileName);
    /// Writes the game's history as a GCG record (".gcg" added when the name lacks it); false,
    /// after a message, when there is no game or the file cannot be written.
    bool exportRecord(const QString& fileName);
    /// The notes a game record gave the turn of history entry `turn`, one per line.
    QString recordNotes(int turn) const;
    /// Chooses a file and saves the game; false when nothing was saved.
    bool save();
    /// Saves the game under this name (".tc" added when it holds no dot or ends in ".gcg").
    bool saveAs(const QString& fileName);
    /// True when turns were played since the game was last saved or opened.
    bool unsaved() const { return m_fileState.unsaved(m_game); }
    /// "Glyphmosaic - <rules> [- <file>]".
    QString caption() const;
    /// The name a game is saved under: ".tc" appended when the file's name holds no dot or ends
    /// in ".gcg" (which Open reads as a game record).
    static QString savedGameName(const QString& chosen);

    // The clocks.

    /// Starts the players' clocks (a tick a second).
    void startClock() { m_clockTimer.start(kClockPeriod); }
    /// One clock tick: the current player's time goes down by a second unless paused.
    void tick();

signals:
    /// The position changed (a move played, the history stepped, a game started or loaded).
    void positionChanged();
    /// The tiles placed this turn changed, or the framed move, or the keyboard cursor.
    void placementChanged();
    /// The turn lock was taken or released.
    void lockChanged(bool locked);
    /// The game just ended; the position is already drawn.
    void gameOver();
    /// A computer turn's notice: shown with this text, then hidden.
    void thinking(const QString& text);
    void thinkingDone();
    /// A line a profile printed, or its error.
    void scriptOutput(const QString& line);
    /// A short note for the status bar.
    void statusMessage(const QString& text);
    /// The game file's name or saved state changed.
    void fileChanged();
    /// The settings (board size, premium squares, set, dictionary, colours) changed.
    void settingsChanged();
    /// A clock ticked.
    void clockTicked();

private:
    bool gameOn() const;
    /// True when a turn may be played at the position shown: at the last one, or after the
    /// user agreed to lose the later turns.
    bool mayPlayHere();
    void chainComputerTurn(int delay);
    /// Stops a computer turn that is due to start, and says whether the commands are free again.
    void disarmChain();
    /// Emits lockChanged when `locked` has changed since it was last announced.
    void announceLock();
    void forgetChainStop();
    /// After a person's move or pass: the computer players, stopped or not, answer it.
    void answerHumanTurn();
    void startComputerTurn();
    void computerMoveChosen();
    void showComputerMove();
    void playComputerMove();
    void finishTurn();
    void reportProfileError(const std::string& profile, const std::string& played);
    void afterWait(int milliseconds, void (GameSession::*step)());
    void runNextStep();
    void joinWorker();

    Game& m_game;
    Prompter& m_prompter;
    PauseCounter m_pauses;
    GameFileState m_fileState;
    Move m_highlightedMove;
    RackEditor m_rackEditor;
    QSize m_squareSize;
    QTimer m_clockTimer;
    // The chain of computer turns: the timer that starts the next one, the timer of the
    // current one's timed steps, and the worker thread that chooses its move.
    QTimer m_chainTimer;
    bool m_lockAnnounced = false;
    QTimer m_stepTimer;
    void (GameSession::*m_nextStep)() = nullptr;
    QThread* m_worker = nullptr;
    QElapsedTimer m_thinkingClock;
    PauseCounter::Guard m_turnPause;
    Move m_chosen;
    std::string m_profileError;
    // Tells a finished worker's late signal from the current turn's.
    unsigned m_turnSerial = 0;
    bool m_turnRunning = false;
    bool m_chainStopped = false;
    // A hold stopped a running chain, to be taken up again if the game stays.
    bool m_chainHeld = false;
    bool m_gameOverPending = false;
    double m_waitFactor = 1.0;
};

} // namespace glyph
