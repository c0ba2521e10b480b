#pragma once

#include <QMainWindow>

#include <optional>

#include "ui/common/pausecounter.h"

class QLabel;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace glyph
{

class AIEditorWidget;
class DictionaryDialog;
class GameConfigurationWidget;
class GameSession;
class PanelWidget;
class RackWidget;
class TableWidget;

/// The program's one top-level window: board, rack, panel and editors in splitters and tabs,
/// the menus and toolbar built from the command table, the thinking notice and the game-over
/// dialog. The game session drives it; the widgets inside listen to the session, not to it.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(GameSession& session);
    /// Stores the geometry under "MainWindowKey" and removes a thinking notice still shown.
    ~MainWindow() override;

    GameSession& session() { return m_session; }
    TableWidget* table() const { return m_table; }
    /// The modeless dictionary window, built with this window and shown on demand.
    DictionaryDialog* dictionaryDialog() const { return m_dictionaryDialog; }
    /// The thinking notice while one is shown, else null.
    QLabel* thinkingNotice() const { return m_thinkingNotice; }

public slots:
    void table2BMPClicked();
    void moves2TXTClicked();
    void game2GCGClicked();
    void openClicked();
    void saveClicked();
    void printClicked();
    void preferencesClicked();
    void exitClicked();
    void newGameClicked();
    void bagClicked();
    void moveListClicked();
    void analyseGameClicked();
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
    /// Closing the window stops the computer players and asks about an unsaved game like Exit.
    void closeEvent(QCloseEvent* event) override;
    /// Escape stops the chain of computer turns after the turn under way.
    void keyPressEvent(QKeyEvent* event) override;
    /// A new language installed: menus, toolbar and tab titles are built again.
    void changeEvent(QEvent* event) override;

private:
    void buildWidgets();
    void buildCommands();
    void connectSession();
    void updateCaption();
    void retranslate();
    void lockChanged(bool locked);
    void showThinkingNotice(const QString& text);
    void hideThinkingNotice();
    void showGameOver();
    /// Runs a dialog built from the arguments through the prompter.
    template <typename Dialog, typename... Arguments> void runModal(Arguments&&... arguments);
    /// Stops the computer players and settles an unsaved game; false when the user cancels.
    bool readyToLeaveGame();

    GameSession& m_session;
    TableWidget* m_table = nullptr;
    RackWidget* m_rack = nullptr;
    PanelWidget* m_panel = nullptr;
    GameConfigurationWidget* m_gameConfiguration = nullptr;
    AIEditorWidget* m_aiEditor = nullptr;
    DictionaryDialog* m_dictionaryDialog = nullptr;
    QSplitter* m_splitter = nullptr;
    QSplitter* m_left = nullptr;
    QSplitter* m_right = nullptr;
    QTabWidget* m_tabs = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_thinkingNotice = nullptr;
    // The commands that a computer turn under way refuses.
    QList<QAction*> m_lockedCommands;
    // The clocks stand still while a page other than the board is shown.
    std::optional<PauseCounter::Guard> m_hiddenBoardPause;
};

} // namespace glyph
