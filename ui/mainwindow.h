#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>

#include <functional>

#include "engine/gameview.h"
#include "ui/gamefilestate.h"

class QDialog;
class QLabel;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace glyph
{

class AIEditorWidget;
class DictionaryDialog;
class Game;
class GameConfigurationWidget;
class PanelWidget;
class RackWidget;
class TableWidget;

/// The program's one top-level window: board, rack, panel and editors in splitters and tabs,
/// the menus and toolbar, and the view through which the game reports to the user.
class MainWindow : public QMainWindow, public GameView
{
    Q_OBJECT

public:
    /// A message box as the window is about to show it.
    struct MessageRequest {
        QMessageBox::Icon icon;
        QString text;
        QStringList buttons;
    };
    /// Answers a message box instead of the user: returns the index of the button pressed, -1 for none.
    using MessageHandler = std::function<int(const MessageRequest&)>;
    /// Runs a modal dialog instead of exec(): returns the dialog's result.
    using DialogHandler = std::function<int(QDialog&)>;
    /// Chooses a file to save to instead of the file dialog, from a start folder and a filter:
    /// returns the name, empty when cancelled.
    using FileNameHandler = std::function<QString(const QString& folder, const QString& filter)>;

    explicit MainWindow(Game& game);
    /// Stores the geometry under "MainWindowKey" and removes a thinking notice still shown.
    ~MainWindow() override;

    Game& game() { return m_game; }
    TableWidget* table() const { return m_table; }
    RackWidget* rack() const { return m_rack; }
    PanelWidget* panel() const { return m_panel; }
    GameConfigurationWidget* gameConfiguration() const { return m_gameConfiguration; }
    AIEditorWidget* aiEditor() const { return m_aiEditor; }
    QTabWidget* tabs() const { return m_tabs; }
    /// The modeless dictionary window, built with this window and shown on demand.
    DictionaryDialog* dictionaryDialog() const { return m_dictionaryDialog; }
    /// The thinking notice while one is shown, else null.
    QLabel* thinkingNotice() const { return m_thinkingNotice; }

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
    bool paused() const override { return m_paused; }

    /// Sets or clears the flag that stops the players' clocks (not counted).
    void setPaused(bool paused) { m_paused = paused; }
    /// Asks the dictionary window to show the loaded dictionary's details again.
    void updateDictionaryInfo();

    /// Shows a message box captioned "Glyphmosaic" with the given buttons (the first is the
    /// default); returns the index of the button pressed, -1 when the box was closed otherwise.
    int message(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QStringList& buttons);
    /// Runs a dialog modally (or through the dialog handler) and returns its result.
    int runDialog(QDialog& dialog);
    /// Replaces the user for message boxes (null: real boxes).
    void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }
    /// Replaces exec() for modal dialogs (null: real dialogs).
    void setDialogHandler(DialogHandler handler) { m_dialogHandler = std::move(handler); }
    /// Replaces the open-file dialog of games, same contract (null: the real dialog).
    void setOpenFileNameHandler(FileNameHandler handler) { m_openFileNameHandler = std::move(handler); }
    /// Enables the commands that start, load, change or end a game unless a computer turn or
    /// a timed wait is running; the rack calls it when a computer turn starts and ends.
    void updateCommands();
    /// True while commands that start, load, change or end a game must be refused.
    bool gameCommandsLocked() const;
    /// Replaces the save-file dialog of the exports and of saved games (null: the real dialog).
    void setFileNameHandler(FileNameHandler handler) { m_fileNameHandler = std::move(handler); }
    /// Scales every timed wait (1: real time; 0: no waiting), for demonstrations and tests.
    void setWaitFactor(double factor) { m_waitFactor = factor; }

    /// The name a game is saved under: ".tc" appended when the chosen name holds no dot at all.
    static QString savedGameName(const QString& chosen);
    /// Resizes and moves a window to the geometry stored under key, if there is one.
    static void restoreGeometry(Game& game, QWidget& window, const char* key);
    /// Stores a window's frame position and client size under key.
    static void storeGeometry(Game& game, const QWidget& window, const char* key);

public slots:
    void table2BMPClicked();
    void moves2TXTClicked();
    void openClicked();
    void saveClicked();
    void printClicked();
    void preferencesClicked();
    void exitClicked();
    void newGameClicked();
    void bagClicked();
    void moveListClicked();
    void topMovesClicked();
    void firstClicked();
    void lastClicked();
    void previousClicked();
    void nextClicked();
    void dictionaryClicked();
    void conversionClicked();
    void palindromClicked();
    void speedTestClicked();
    void indexClicked();
    void shortcutsClicked();
    void tipOfDayClicked();
    void aboutClicked();
    void tabCurrentChanged(int index);

protected:
    /// Closing the window asks about an unsaved game like Exit; refused during a computer turn.
    void closeEvent(QCloseEvent* event) override;
    /// Escape stops the computer-move timer of the rack; nothing else is handled.
    void keyPressEvent(QKeyEvent* event) override;
    /// A new language installed: menus, toolbar, tab titles and the forms are translated again.
    void changeEvent(QEvent* event) override;

private:
    void buildWidgets();
    void buildMenus();
    void buildToolBar();
    QAction* addCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                        void (MainWindow::*slot)(), bool available = true);
    void addToolButton(const char* picture, const QString& text, QAction* command);
    void updateCaption();
    void retranslate();
    void setInteractive(bool enabled);
    /// Offers to save a game in progress with unsaved turns; false when the user cancels.
    bool settleUnsavedGame();
    /// Runs the save dialog and saves the game; false when nothing was saved.
    bool saveGame();
    QString chooseOpenFileName(const QString& folder, const QString& filter);
    QString chooseSaveFileName(const QString& folder, const QString& filter);

    Game& m_game;
    QLabel* m_toolBarFiller = nullptr;
    RackWidget* m_rack = nullptr;
    PanelWidget* m_panel = nullptr;
    TableWidget* m_table = nullptr;
    GameConfigurationWidget* m_gameConfiguration = nullptr;
    AIEditorWidget* m_aiEditor = nullptr;
    bool m_paused = false;
    QSplitter* m_splitter = nullptr;
    QSplitter* m_left = nullptr;
    QSplitter* m_right = nullptr;
    QTabWidget* m_tabs = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_thinkingNotice = nullptr;
    DictionaryDialog* m_dictionaryDialog = nullptr;
    MessageHandler m_messageHandler;
    DialogHandler m_dialogHandler;
    FileNameHandler m_fileNameHandler;
    FileNameHandler m_openFileNameHandler;
    double m_waitFactor = 1.0;
    bool m_waiting = false;
    GameFileState m_fileState;
    // The commands refused during a computer turn, and the toolbar buttons that mirror them.
    QList<QAction*> m_gameCommands;

    // Commands by menu, kept for the toolbar buttons that share them.
    QAction* m_newGameAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_moveListAction = nullptr;
    QAction* m_firstAction = nullptr;
    QAction* m_lastAction = nullptr;
    QAction* m_previousAction = nullptr;
    QAction* m_nextAction = nullptr;
    QAction* m_dictionaryAction = nullptr;
    QAction* m_topMovesAction = nullptr;
    QAction* m_aboutAction = nullptr;
};

} // namespace glyph
