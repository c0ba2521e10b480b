#include "ui/window/mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include <cstdint>

#include "dictionary/dictionary.h"
#include "engine/game.h"
#include "preferences/keys.h"
#include "ui/board/exports.h"
#include "ui/board/panelwidget.h"
#include "ui/board/rackwidget.h"
#include "ui/board/tablewidget.h"
#include "ui/common/appnames.h"
#include "ui/common/datachoices.h"
#include "ui/common/prompter.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/dictionary/conversiondialog.h"
#include "ui/dictionary/dictionarydialog.h"
#include "ui/dictionary/palindromdialog.h"
#include "ui/dictionary/speedtestdialog.h"
#include "ui/game/bagviewdialog.h"
#include "ui/game/gameconfigurationwidget.h"
#include "ui/game/gameoverdialog.h"
#include "ui/game/moveslistdialog.h"
#include "ui/game/newgamedialog.h"
#include "ui/game/preferencesdialog.h"
#include "ui/game/topmovesdialog.h"
#include "ui/profiles/aieditorwidget.h"
#include "ui/session/gamesession.h"
#include "ui/window/aboutdialog.h"
#include "ui/window/commandtable.h"
#include "ui/window/helpdialog.h"
#include "ui/window/tipofdaydialog.h"

namespace glyph
{

namespace
{

/// Exports go to the user's Games folder; the shipped one is listed beside it.
QString gamesStart(const Game& game)
{
    return datachoices::saveStart(game.folders(), appnames::kGamesFolder);
}
QStringList gamesPlaces(const Game& game)
{
    return datachoices::places(game.folders(), appnames::kGamesFolder);
}

constexpr int kTabsMinimumWidth = 200;
constexpr int kTabsMinimumHeight = 400;
constexpr int kRackMinimumWidth = 400;
constexpr int kRackMinimumHeight = 80;
constexpr int kPanelMaximumWidth = 330;
constexpr int kPanelMaximumHeight = 10000;
constexpr int kToolBarIconSize = 24;
constexpr int kNoticeMargin = 12;
constexpr int kStatusMessageMs = 10000;

} // namespace

MainWindow::MainWindow(GameSession& session) : QMainWindow(nullptr), m_session(session)
{
    buildWidgets();
    buildCommands();
    m_dictionaryDialog = new DictionaryDialog(m_session, this);
    connectSession();
    updateCaption();
}

MainWindow::~MainWindow()
{
    WindowSizeKeeper::store(m_session.game().preferences(), *this, keys::kMainWindow);
    hideThinkingNotice();
}

void MainWindow::buildWidgets()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName("splitter");
    setCentralWidget(m_splitter);
    m_left = new QSplitter(Qt::Vertical, m_splitter);
    m_left->setObjectName("left");
    m_right = new QSplitter(Qt::Horizontal, m_splitter);
    m_right->setObjectName("right");

    m_tabs = new QTabWidget(m_left);
    m_tabs->setObjectName("tabs");
    m_tabs->setMinimumSize(kTabsMinimumWidth, kTabsMinimumHeight);
    m_rack = new RackWidget(m_session, m_left);
    m_rack->setObjectName("rack");
    m_panel = new PanelWidget(m_session, m_right);
    m_panel->setObjectName("panel");
    m_table = new TableWidget(m_session, m_tabs);
    m_tabs->addTab(m_table, tr("Table"));
    m_gameConfiguration = new GameConfigurationWidget(m_session, m_tabs);
    m_tabs->addTab(m_gameConfiguration, tr("Game Configuration"));
    m_aiEditor = new AIEditorWidget(m_session, m_tabs);
    m_tabs->addTab(m_aiEditor, tr("AI Editor"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::tabCurrentChanged);

    m_rack->setMinimumSize(kRackMinimumWidth, kRackMinimumHeight);
    m_left->setStretchFactor(0, 1);
    m_left->setStretchFactor(1, 0);
    m_left->setCollapsible(1, false);
    m_panel->setMaximumSize(kPanelMaximumWidth, kPanelMaximumHeight);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
}

void MainWindow::buildCommands()
{
    m_toolBar = new QToolBar(tr("tool"), this);
    m_toolBar->setObjectName("tool");
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    QMap<QString, QMenu*> menus;
    QMap<int, QAction*> toolbarButtons;
    m_lockedCommands.clear();
    for (const CommandRow& row : commandRows()) {
        QMenu*& menu = menus[row.menu];
        if (menu == nullptr)
            menu = menuBar()->addMenu(tr(row.menu));
        QMenu* target = menu;
        if (row.submenu != nullptr) {
            QMenu*& submenu = menus[QString(row.menu) + "/" + row.submenu];
            if (submenu == nullptr)
                submenu = menu->addMenu(tr(row.submenu));
            target = submenu;
        }
        if (row.separatorBefore)
            target->addSeparator();
        QAction* action = target->addAction(tr(row.text));
        action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        connect(action, &QAction::triggered, this, row.slot);
        if (row.available == CommandRow::Available::Unlocked)
            m_lockedCommands.append(action);
        if (row.toolbarPlace != 0) {
            auto* button =
                new QAction(QIcon(QString::fromLatin1(row.picture)), tr(row.toolbarText), m_toolBar);
            button->setToolTip(button->text());
            connect(button, &QAction::triggered, action, &QAction::trigger);
            connect(action, &QAction::enabledChanged, button, &QAction::setEnabled);
            toolbarButtons.insert(row.toolbarPlace, button);
        }
    }
    int group = 0;
    for (auto it = toolbarButtons.cbegin(); it != toolbarButtons.cend(); ++it) {
        if (group != 0 && it.key() / 10 != group)
            m_toolBar->addSeparator();
        group = it.key() / 10;
        m_toolBar->addAction(it.value());
    }
    // The filler stretches so that the toolbar spans the window's width.
    auto* filler = new QLabel(m_toolBar);
    filler->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(filler);
    lockChanged(m_session.locked());
}

void MainWindow::connectSession()
{
    connect(&m_session, &GameSession::fileChanged, this, &MainWindow::updateCaption);
    connect(&m_session, &GameSession::positionChanged, this, &MainWindow::updateCaption);
    connect(&m_session, &GameSession::lockChanged, this, &MainWindow::lockChanged);
    connect(&m_session, &GameSession::thinking, this, &MainWindow::showThinkingNotice);
    connect(&m_session, &GameSession::thinkingDone, this, &MainWindow::hideThinkingNotice);
    connect(&m_session, &GameSession::gameOver, this, &MainWindow::showGameOver);
    connect(&m_session, &GameSession::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMs); });
}

void MainWindow::updateCaption()
{
    setWindowTitle(m_session.caption());
}

void MainWindow::lockChanged(bool locked)
{
    for (QAction* command : m_lockedCommands)
        command->setEnabled(!locked);
}

void MainWindow::showThinkingNotice(const QString& text)
{
    hideThinkingNotice();
    m_thinkingNotice = new QLabel(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::FramelessWindowHint);
    m_thinkingNotice->setObjectName("splash");
    m_thinkingNotice->setAttribute(Qt::WA_DeleteOnClose);
    m_thinkingNotice->setAttribute(Qt::WA_ShowWithoutActivating);
    m_thinkingNotice->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    m_thinkingNotice->setWindowTitle(QString::fromLatin1(appnames::kProductName));
    m_thinkingNotice->setText(text);
    m_thinkingNotice->setAlignment(Qt::AlignCenter);
    m_thinkingNotice->setMargin(kNoticeMargin);
    m_thinkingNotice->adjustSize();
    const QRect board(m_table->mapToGlobal(QPoint(0, 0)), m_table->size());
    m_thinkingNotice->move(board.center() - m_thinkingNotice->rect().center());
    m_thinkingNotice->show();
}

void MainWindow::hideThinkingNotice()
{
    delete m_thinkingNotice;
    m_thinkingNotice = nullptr;
}

void MainWindow::showGameOver()
{
    runModal<GameOverDialog>(m_session.game(), this);
}

// ---- commands ----

template <typename Dialog, typename... Arguments> void MainWindow::runModal(Arguments&&... arguments)
{
    Dialog dialog(std::forward<Arguments>(arguments)...);
    m_session.prompter().runDialog(dialog);
}

bool MainWindow::readyToLeaveGame()
{
    m_session.holdComputerPlayers();
    if (m_session.settleUnsavedGame())
        return true;
    m_session.releaseComputerPlayers();
    return false;
}

void MainWindow::openClicked()
{
    if (readyToLeaveGame()) {
        m_session.open();
        // Cancelled or refused, the game stays and so do its computer players' turns.
        m_session.releaseComputerPlayers();
    }
}

void MainWindow::saveClicked()
{
    m_session.save();
}

void MainWindow::exitClicked()
{
    if (!m_aiEditor->changesSettled())
        return;
    // With unsaved turns the save question is the confirmation; otherwise ask as always.
    if (m_session.unsaved()) {
        if (readyToLeaveGame())
            QCoreApplication::exit(0);
        return;
    }
    if (m_session.prompter().message(this, QMessageBox::Warning, tr("Are you sure?"),
                                     {tr("Yes"), tr("No")}) == 0) {
        m_session.abandonComputerTurn();
        QCoreApplication::exit(0);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_aiEditor->changesSettled() && readyToLeaveGame())
        event->accept();
    else
        event->ignore();
}

void MainWindow::newGameClicked()
{
    if (!readyToLeaveGame())
        return;
    runModal<NewGameDialog>(m_session, this);
    m_session.releaseComputerPlayers();
}

void MainWindow::table2BMPClicked()
{
    const QString chosen = m_session.prompter().saveFileName(gamesStart(m_session.game()), "*.bmp",
                                                             gamesPlaces(m_session.game()));
    if (!chosen.isEmpty() && !exports::saveBoardBitmap(*m_table, exports::withExtension(chosen, "bmp")))
        m_session.prompter().message(this, QMessageBox::Warning, tr("Can't save *.bmp"), {tr("OK")});
}

void MainWindow::moves2TXTClicked()
{
    const QString chosen = m_session.prompter().saveFileName(gamesStart(m_session.game()), "*.txt",
                                                             gamesPlaces(m_session.game()));
    if (!chosen.isEmpty() &&
        !exports::writeMovesText(m_session.game(), exports::withExtension(chosen, "txt")))
        m_session.prompter().message(this, QMessageBox::Warning, tr("Can't create text file"), {tr("OK")});
}

void MainWindow::game2GCGClicked()
{
    const QString chosen = m_session.prompter().saveFileName(gamesStart(m_session.game()), "*.gcg",
                                                             gamesPlaces(m_session.game()));
    if (!chosen.isEmpty())
        m_session.exportRecord(chosen);
}

void MainWindow::printClicked()
{
    exports::printWithDialog(*m_table, m_session.prompter(), this, gamesStart(m_session.game()));
}

void MainWindow::bagClicked()
{
    runModal<BagViewDialog>(m_session.game(), nullptr);
}

void MainWindow::takeBackClicked()
{
    m_session.takeBackPlacedTiles();
}

void MainWindow::moveListClicked()
{
    if (m_session.locked())
        return;
    runModal<MovesListDialog>(m_session, nullptr);
}

void MainWindow::analyseGameClicked()
{
    if (m_session.locked())
        return;
    runModal<MovesListDialog>(m_session, nullptr, MovesListDialog::Mode::Analysis);
}

void MainWindow::topMovesClicked()
{
    if (m_session.locked())
        return;
    runModal<TopMovesDialog>(m_session, this);
}

void MainWindow::firstClicked()
{
    m_session.goFirst();
}

void MainWindow::lastClicked()
{
    m_session.goLast();
}

void MainWindow::previousClicked()
{
    m_session.goPrevious();
}

void MainWindow::nextClicked()
{
    m_session.goNext();
}

void MainWindow::preferencesClicked()
{
    if (m_session.locked())
        return;
    runModal<PreferencesDialog>(m_session, this);
}

void MainWindow::dictionaryClicked()
{
    m_dictionaryDialog->show();
    m_dictionaryDialog->raise();
    m_dictionaryDialog->activateWindow();
    m_dictionaryDialog->focusSearch();
}

void MainWindow::conversionClicked()
{
    if (m_session.locked())
        return;
    // A word list built over the loaded dictionary replaces its words in the game at once.
    const std::uint64_t generation = m_session.game().dictionary().generation();
    runModal<ConversionDialog>(m_session, this);
    if (m_session.game().dictionary().generation() != generation)
        m_dictionaryDialog->refreshStatistics();
}

void MainWindow::palindromClicked()
{
    runModal<PalindromDialog>(m_session.game(), this);
}

void MainWindow::speedTestClicked()
{
    runModal<SpeedTestDialog>(m_session.game(), this);
}

void MainWindow::indexClicked()
{
    runModal<HelpDialog>(this);
}

void MainWindow::tipOfDayClicked()
{
    runModal<TipOfDayDialog>(m_session.game(), this);
}

void MainWindow::aboutClicked()
{
    runModal<AboutDialog>(this);
}

void MainWindow::shortcutsClicked()
{
    m_session.prompter().message(
        nullptr, QMessageBox::Information,
        tr("Left click on the piece to take back\n   Right click on table to take back all moves\n   "
           "Drag & drop "
           "letters on the rack\n   Double click on table to move\n   Double click on table for next "
           "player\n   "
           "Escape to intrerupt computer turn") +
            tr("\n   Click a square or use the arrow keys to put the cursor there\n   Type letters to lay "
               "tiles; Shift+letter or ? then a letter lays a joker\n   Space or a second click switches "
               "across and down\n   Backspace takes back the last tile, Ctrl+Backspace all of them\n   "
               "Enter plays the move"),
        {tr("OK")});
}

void MainWindow::tabCurrentChanged(int index)
{
    if (m_tabs->widget(index) == m_table)
        m_hiddenBoardPause.reset();
    else if (!m_hiddenBoardPause)
        m_hiddenBoardPause.emplace(m_session.pauses().hold());
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        m_session.stopComputerPlayers();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate()
{
    // The menus and the toolbar are built again in the new language. The old ones may be
    // running the command that changed it (the preferences dialog, opened from the menu), so
    // they are only detached, hidden and disabled (so that their shortcuts die); they stay
    // children of the window until it goes, a few small objects per language change.
    const QList<QAction*> menus = menuBar()->actions();
    menuBar()->clear();
    for (QAction* entry : menus) {
        if (QMenu* menu = entry->menu()) {
            for (QAction* command : menu->findChildren<QAction*>())
                command->setEnabled(false);
            menu->hide();
        }
    }
    removeToolBar(m_toolBar);
    for (QAction* button : m_toolBar->actions())
        button->setEnabled(false);
    m_toolBar->hide();
    m_toolBar->setObjectName(QString()); // "tool" names the toolbar in use only
    buildCommands();

    m_tabs->setTabText(m_tabs->indexOf(m_table), tr("Table"));
    m_tabs->setTabText(m_tabs->indexOf(m_gameConfiguration), tr("Game Configuration"));
    m_tabs->setTabText(m_tabs->indexOf(m_aiEditor), tr("AI Editor"));
    updateCaption();
}

} // namespace glyph
