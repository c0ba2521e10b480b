#include "ui/mainwindow.h"
#include "ui/uipreferences.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

#include "engine/game.h"
#include "engine/gamerules.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"
#include "ui/aboutdialog.h"
#include "ui/aieditorwidget.h"
#include "ui/bagviewdialog.h"
#include "ui/conversiondialog.h"
#include "ui/dictionarydialog.h"
#include "ui/exports.h"
#include "ui/gameconfigurationwidget.h"
#include "ui/gameoverdialog.h"
#include "ui/helpdialog.h"
#include "ui/moveslistdialog.h"
#include "ui/newgamedialog.h"
#include "ui/palindromdialog.h"
#include "ui/panelwidget.h"
#include "ui/preferencesdialog.h"
#include "ui/rackwidget.h"
#include "ui/speedtestdialog.h"
#include "ui/tablewidget.h"
#include "ui/tipofdaydialog.h"
#include "ui/topmovesdialog.h"
#include "ui/translation.h"
#include "ui/uitext.h"

namespace glyph
{

namespace
{

const char* const kProductName = "Glyphmosaic";
const char* const kGeometryKey = keys::kMainWindow;
const char* const kGamesFolder = "Games/";
const char* const kSavedGameExtension = "tc";
const char* const kPrintFileName = "board.pdf";
constexpr int kTabsMinimumWidth = 200;
constexpr int kTabsMinimumHeight = 400;
constexpr int kRackMinimumWidth = 400;
constexpr int kRackMinimumHeight = 80;
constexpr int kPanelMaximumWidth = 330;
constexpr int kPanelMaximumHeight = 10000;
constexpr int kNewGameComputerDelay = 1000;
constexpr int kToolBarIconSize = 24;
constexpr int kNoticeMargin = 12;

} // namespace

MainWindow::MainWindow(Game& game) : QMainWindow(nullptr), m_game(game)
{
    buildWidgets();
    buildMenus();
    buildToolBar();
    m_dictionaryDialog = new DictionaryDialog(m_game, *this, this);
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::tabCurrentChanged);
    updateCaption();
}

MainWindow::~MainWindow()
{
    storeGeometry(m_game, *this, kGeometryKey);
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
    m_tabs->setMinimumSize(kTabsMinimumWidth, kTabsMinimumHeight);
    m_rack = new RackWidget(m_game, *this, m_left);
    m_panel = new PanelWidget(m_game, *this, m_right);
    m_table = new TableWidget(m_game, *this, m_tabs);
    m_tabs->addTab(m_table, tr("Table"));
    m_gameConfiguration = new GameConfigurationWidget(m_game, *this, m_tabs);
    m_tabs->addTab(m_gameConfiguration, tr("Game Configuration"));
    m_aiEditor = new AIEditorWidget(m_game, m_tabs);
    m_tabs->addTab(m_aiEditor, tr("AI Editor"));

    m_rack->setMinimumSize(kRackMinimumWidth, kRackMinimumHeight);
    m_left->setStretchFactor(0, 1);
    m_left->setStretchFactor(1, 0);
    m_left->setCollapsible(1, false);
    m_panel->setMaximumSize(kPanelMaximumWidth, kPanelMaximumHeight);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                                void (MainWindow::*slot)(), bool available)
{
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    action->setEnabled(available);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QMenu* exportMenu = file->addMenu(tr("Export"));
    addCommand(exportMenu, tr("Table to BMP"), {}, &MainWindow::table2BMPClicked);
    addCommand(exportMenu, tr("Move list to TXT"), {}, &MainWindow::moves2TXTClicked);
    file->addSeparator();
    m_openAction =
        addCommand(file, tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openClicked);
    m_saveAction =
        addCommand(file, tr("&Save..."), QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::saveClicked);
    m_printAction =
        addCommand(file, tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::printClicked);
    file->addSeparator();
    addCommand(file, tr("P&references..."), {}, &MainWindow::preferencesClicked);
    file->addSeparator();
    QAction* exitAction =
        addCommand(file, tr("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_X), &MainWindow::exitClicked);

    QMenu* gameMenu = menuBar()->addMenu(tr("&Game"));
    m_newGameAction = addCommand(gameMenu, tr("&New Game"), QKeySequence(Qt::CTRL | Qt::Key_N),
                                 &MainWindow::newGameClicked);
    gameMenu->addSeparator();
    addCommand(gameMenu, tr("&Bag"), QKeySequence(Qt::CTRL | Qt::Key_B), &MainWindow::bagClicked);
    m_moveListAction = addCommand(gameMenu, tr("&Move list"), {}, &MainWindow::moveListClicked);
    m_topMovesAction = addCommand(gameMenu, tr("&Top moves"), QKeySequence(Qt::CTRL | Qt::Key_T),
                                  &MainWindow::topMovesClicked);
    gameMenu->addSeparator();
    m_firstAction = addCommand(gameMenu, tr("&First Move"), QKeySequence(Qt::CTRL | Qt::Key_Home),
                               &MainWindow::firstClicked);
    m_lastAction = addCommand(gameMenu, tr("&Last Move"), QKeySequence(Qt::CTRL | Qt::Key_End),
                              &MainWindow::lastClicked);
    m_previousAction = addCommand(gameMenu, tr("&Previous"), QKeySequence(Qt::CTRL | Qt::Key_Left),
                                  &MainWindow::previousClicked);
    m_nextAction =
        addCommand(gameMenu, tr("&Next"), QKeySequence(Qt::CTRL | Qt::Key_Right), &MainWindow::nextClicked);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    m_dictionaryAction = addCommand(tools, tr("&Dictionary"), QKeySequence(Qt::CTRL | Qt::Key_D),
                                    &MainWindow::dictionaryClicked);
    addCommand(tools, tr("&Conversion..."), {}, &MainWindow::conversionClicked);
    tools->addSeparator();
    addCommand(tools, tr("Palindrom"), {}, &MainWindow::palindromClicked);
    tools->addSeparator();
    addCommand(tools, tr("&Speed Test"), {}, &MainWindow::speedTestClicked);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addCommand(help, tr("&Index"), QKeySequence(Qt::Key_F1), &MainWindow::indexClicked);
    addCommand(help, tr("&Shortcuts"), {}, &MainWindow::shortcutsClicked);
    addCommand(help, tr("&Tip of day"), {}, &MainWindow::tipOfDayClicked);
    help->addSeparator();
    m_aboutAction = addCommand(help, tr("&About"), {}, &MainWindow::aboutClicked);

    m_gameCommands = {m_newGameAction,  m_openAction, exitAction,       m_firstAction,   m_lastAction,
                      m_previousAction, m_nextAction, m_moveListAction, m_topMovesAction};
}

void MainWindow::addToolButton(const char* picture, const QString& text, QAction* command)
{
    QAction* button = m_toolBar->addAction(QIcon(QString::fromLatin1(picture)), text);
    button->setToolTip(text);
    button->setEnabled(command->isEnabled());
    connect(button, &QAction::triggered, command, &QAction::trigger);
    if (m_gameCommands.contains(command))
        m_gameCommands.append(button);
}

void MainWindow::buildToolBar()
{
    m_toolBar = new QToolBar(tr("tool"), this);
    m_toolBar->setObjectName("tool");
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    addToolButton("Images/newgame.xpm", tr("New game"), m_newGameAction);
    addToolButton("Images/open.xpm", tr("Open"), m_openAction);
    addToolButton("Images/save.xpm", tr("Save"), m_saveAction);
    addToolButton("Images/print.xpm", tr("Print"), m_printAction);
    m_toolBar->addSeparator();
    addToolButton("Images/movelist.xpm", tr("Move list"), m_moveListAction);
    m_toolBar->addSeparator();
    addToolButton("Images/firstmove.xpm", tr("First move"), m_firstAction);
    addToolButton("Images/lastmove.xpm", tr("Last move"), m_lastAction);
    addToolButton("Images/previousmove.xpm", tr("Previous move"), m_previousAction);
    addToolButton("Images/nextmove.xpm", tr("Next move"), m_nextAction);
    m_toolBar->addSeparator();
    addToolButton("Images/dictionary.xpm", tr("Dictionary"), m_dictionaryAction);
    addToolButton("Images/topmoves.xpm", tr("Top moves"), m_topMovesAction);
    m_toolBar->addSeparator();
    addToolButton("Images/about.xpm", tr("About"), m_aboutAction);

    // The filler stretches so that the toolbar spans the window's width.
    m_toolBarFiller = new QLabel(m_toolBar);
    m_toolBarFiller->setAlignment(Qt::AlignHCenter);
    m_toolBarFiller->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(m_toolBarFiller);
}

void MainWindow::updateCaption()
{
    if (m_game.rules() == nullptr)
        return;
    QString caption =
        QString::fromLatin1(kProductName) + " - " + QString::fromStdString(m_game.rules()->name());
    const QString fileName = m_fileState.fileName(m_game);
    if (!fileName.isEmpty())
        caption += " - " + fileName;
    setWindowTitle(caption);
}

// ---- the game's view ----

void MainWindow::showWarning(const std::string& text)
{
    message(nullptr, QMessageBox::Warning, QString::fromStdString(text), {tr("OK")});
}

std::string MainWindow::translate(const char* text)
{
    return translation::translateFormat(translation::kCoreContext, text).toStdString();
}

void MainWindow::refresh(bool onlyUpdateBoard)
{
    updateCaption();
    m_panel->refresh();
    m_rack->refresh();
    if (onlyUpdateBoard) {
        m_table->placementChanged();
        m_table->update();
    } else
        m_table->redrawSquares();
    m_gameConfiguration->refresh();
}

void MainWindow::refreshWithoutBoard()
{
    updateCaption();
    m_panel->refresh();
    m_rack->refresh();
    m_table->placementChanged();
    m_gameConfiguration->refresh();
}

void MainWindow::erasePlacedTiles()
{
    m_table->erasePlacedTiles();
}

void MainWindow::showGameOver()
{
    // The panel shows the scores after the end-of-game penalties, as the dialog does.
    m_panel->refresh();
    GameOverDialog dialog(m_game, this);
    runDialog(dialog);
}

void MainWindow::showThinkingNotice(const std::string& text)
{
    if (m_thinkingNotice != nullptr)
        return;
    m_thinkingNotice = new QLabel(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::FramelessWindowHint);
    m_thinkingNotice->setObjectName("splash");
    m_thinkingNotice->setAttribute(Qt::WA_DeleteOnClose);
    m_thinkingNotice->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    m_thinkingNotice->setWindowTitle(QString::fromLatin1(kProductName));
    m_thinkingNotice->setText(QString::fromStdString(text));
    m_thinkingNotice->setAlignment(Qt::AlignCenter);
    m_thinkingNotice->setMargin(kNoticeMargin);
    m_thinkingNotice->adjustSize();
    const QRect board(m_table->mapToGlobal(QPoint(0, 0)), m_table->size());
    m_thinkingNotice->move(board.center() - m_thinkingNotice->rect().center());
    m_thinkingNotice->show();
    setFocus();
    QCoreApplication::processEvents();
}

void MainWindow::hideThinkingNotice()
{
    delete m_thinkingNotice;
    m_thinkingNotice = nullptr;
}

void MainWindow::setInteractive(bool enabled)
{
    m_waiting = !enabled;
    updateCommands();
}

bool MainWindow::gameCommandsLocked() const
{
    return m_waiting || m_rack->computerTurnRunning();
}

void MainWindow::updateCommands()
{
    const bool enabled = !gameCommandsLocked();
    menuBar()->setEnabled(enabled);
    m_rack->setEnabled(enabled);
    m_gameConfiguration->setEnabled(enabled);
    for (QAction* command : m_gameCommands)
        command->setEnabled(enabled);
    // A test run inside a computer turn's wait would replace the turn's move list and solution.
    m_aiEditor->testButton->setEnabled(enabled);
}

void MainWindow::wait(int milliseconds)
{
    const int duration = static_cast<int>(milliseconds * m_waitFactor);
    setInteractive(false);
    m_paused = true;
    QElapsedTimer stopwatch;
    stopwatch.start();
    // A local event loop sleeps between events instead of spinning while the time passes.
    while (stopwatch.elapsed() < duration) {
        QEventLoop loop;
        const int slice =
            std::max(1, static_cast<int>(std::min<qint64>(duration / 2, duration - stopwatch.elapsed())));
        QTimer::singleShot(slice, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QCoreApplication::processEvents();
    m_paused = false;
    setInteractive(true);
}

void MainWindow::appendScriptOutput(const std::string& line)
{
    // Scripts are Latin-1 text, and so is what they print.
    m_aiEditor->appendOutput(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

void MainWindow::updateDictionaryInfo()
{
    m_dictionaryDialog->refreshStatistics();
}

// ---- message boxes and dialogs ----

int MainWindow::message(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                        const QStringList& buttons)
{
    if (m_messageHandler)
        return m_messageHandler(MessageRequest{icon, text, buttons});
    QMessageBox box(icon, QString::fromLatin1(kProductName), text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> added;
    // The first button accepts, the last rejects (Escape), any between is destructive.
    for (const QString& caption : buttons) {
        const bool last = added.size() == buttons.size() - 1;
        const QMessageBox::ButtonRole role = added.isEmpty() ? QMessageBox::AcceptRole
                                             : last          ? QMessageBox::RejectRole
                                                             : QMessageBox::DestructiveRole;
        added.append(box.addButton(caption, role));
    }
    if (!added.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
    // A short text would leave the box too narrow for its caption.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(uitext::captionWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
    return static_cast<int>(added.indexOf(box.clickedButton()));
}

int MainWindow::runDialog(QDialog& dialog)
{
    if (m_dialogHandler)
        return m_dialogHandler(dialog);
    return dialog.exec();
}

void MainWindow::restoreGeometry(Game& game, QWidget& window, const char* key)
{
    QRect geometry;
    if (!glyph::uiprefs::getGeometry(game.preferences(), key, geometry))
        return;
    window.resize(geometry.size());
    window.move(geometry.topLeft());
}

void MainWindow::storeGeometry(Game& game, const QWidget& window, const char* key)
{
    glyph::uiprefs::setGeometry(game.preferences(), key,
                                QRect(window.frameGeometry().topLeft(), window.size()));
}

// ---- commands ----

QString MainWindow::chooseOpenFileName(const QString& folder, const QString& filter)
{
    if (m_openFileNameHandler)
        return m_openFileNameHandler(folder, filter);
    return QFileDialog::getOpenFileName(nullptr, QString(), folder, filter);
}

void MainWindow::openClicked()
{
    if (m_game.rules() == nullptr || gameCommandsLocked() || !settleUnsavedGame())
        return;
    m_paused = true;
    const QString filter =
        QString::asprintf("%s (*.%s)\n", m_game.rules()->name().c_str(), kSavedGameExtension) +
        tr("All files (*.*)");
    const QString fileName = chooseOpenFileName(kGamesFolder, filter);
    m_paused = false;
    if (!fileName.isEmpty() && m_game.rules()->load(fileName.toStdString())) {
        m_fileState.markSaved(m_game, fileName);
        updateCaption();
    }
}

bool MainWindow::saveGame()
{
    m_paused = true;
    const QString filter =
        QString::asprintf("%s (*.%s)", m_game.rules()->name().c_str(), kSavedGameExtension);
    const QString fileName = chooseSaveFileName(kGamesFolder, filter);
    bool saved = false;
    if (!fileName.isEmpty()) {
        const QString name = savedGameName(fileName);
        saved = m_game.rules()->save(name.toStdString());
        if (saved)
            m_fileState.markSaved(m_game, name);
    }
    m_paused = false;
    updateCaption();
    return saved;
}

void MainWindow::saveClicked()
{
    if (m_game.rules() == nullptr || m_game.rules()->history().empty()) {
        message(this, QMessageBox::Information, tr("There is no game to save."), {tr("OK")});
        return;
    }
    saveGame();
}

bool MainWindow::settleUnsavedGame()
{
    if (!m_fileState.unsaved(m_game))
        return true;
    switch (message(this, QMessageBox::Question, tr("Save the game in progress?"),
                    {tr("&Save"), tr("&Discard"), tr("&Cancel")})) {
    case 0:
        return saveGame();
    case 1:
        return true;
    default:
        return false;
    }
}

QString MainWindow::savedGameName(const QString& chosen)
{
    if (chosen.contains('.'))
        return chosen;
    return chosen + "." + kSavedGameExtension;
}

void MainWindow::exitClicked()
{
    if (gameCommandsLocked())
        return;
    // With unsaved turns the save question is the confirmation; otherwise ask as always.
    if (m_fileState.unsaved(m_game)) {
        if (settleUnsavedGame())
            QCoreApplication::exit(0);
        return;
    }
    if (message(this, QMessageBox::Warning, "Are you sure?", {"Yes", "No"}) == 0)
        QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (gameCommandsLocked() || !settleUnsavedGame())
        event->ignore();
    else
        event->accept();
}

void MainWindow::newGameClicked()
{
    if (gameCommandsLocked() || !settleUnsavedGame())
        return;
    {
        NewGameDialog dialog(m_game, *this, this);
        if (runDialog(dialog) == QDialog::Accepted) {
            m_fileState.markNew(m_game);
            updateCaption();
        }
    }
    if (m_game.rules() != nullptr && m_game.rules()->inProgress() &&
        m_game.rules()->currentPlayer().isComputer())
        QTimer::singleShot(kNewGameComputerDelay, m_rack, &RackWidget::moveClicked);
}

QString MainWindow::chooseSaveFileName(const QString& folder, const QString& filter)
{
    if (m_fileNameHandler)
        return m_fileNameHandler(folder, filter);
    return QFileDialog::getSaveFileName(nullptr, QString(), folder, filter);
}

void MainWindow::table2BMPClicked()
{
    m_paused = true;
    const QString chosen = chooseSaveFileName(kGamesFolder, "*.bmp");
    if (!chosen.isEmpty() && !exports::saveBoardBitmap(*m_table, exports::withExtension(chosen, "bmp")))
        message(this, QMessageBox::Warning, tr("Can't save *.bmp"), {tr("OK")});
    m_paused = false;
}

void MainWindow::moves2TXTClicked()
{
    m_paused = true;
    const QString chosen = chooseSaveFileName(kGamesFolder, "*.txt");
    if (!chosen.isEmpty() && !exports::writeMovesText(m_game, exports::withExtension(chosen, "txt")))
        message(this, QMessageBox::Warning, tr("Can't create text file"), {tr("OK")});
    m_paused = false;
}

void MainWindow::printClicked()
{
    // Screen resolution keeps the fonts, whose point sizes follow the cell height, in
    // proportion to the cells as on the screen.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    // Printing to a file starts in the games folder, as the other exports do.
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(QDir(kGamesFolder).absoluteFilePath(kPrintFileName));
    QPrintDialog dialog(&printer, this);
    if (runDialog(dialog) == QDialog::Accepted)
        exports::printBoard(*m_table, printer);
}

void MainWindow::bagClicked()
{
    BagViewDialog dialog(m_game, *this, nullptr);
    runDialog(dialog);
}

void MainWindow::moveListClicked()
{
    // Going to a move or laying one would cut into a computer turn.
    if (gameCommandsLocked())
        return;
    MovesListDialog dialog(m_game, *this, nullptr);
    runDialog(dialog);
}

void MainWindow::topMovesClicked()
{
    // Going to a move or laying one would cut into a computer turn.
    if (gameCommandsLocked())
        return;
    TopMovesDialog dialog(m_game, *this, this);
    runDialog(dialog);
}

void MainWindow::firstClicked()
{
    if (gameCommandsLocked())
        return;
    if (m_game.rules() != nullptr)
        m_game.rules()->goFirst();
    refresh(false);
}

void MainWindow::lastClicked()
{
    if (gameCommandsLocked())
        return;
    if (m_game.rules() != nullptr)
        m_game.rules()->goLast();
    refresh(false);
}

void MainWindow::previousClicked()
{
    if (gameCommandsLocked())
        return;
    if (m_game.rules() != nullptr)
        m_game.rules()->goPrevious();
    refresh(false);
}

void MainWindow::nextClicked()
{
    if (gameCommandsLocked())
        return;
    if (m_game.rules() != nullptr)
        m_game.rules()->goNext();
    refresh(false);
}

void MainWindow::preferencesClicked()
{
    PreferencesDialog dialog(m_game, *this, this);
    runDialog(dialog);
}

void MainWindow::dictionaryClicked()
{
    m_dictionaryDialog->show();
    m_dictionaryDialog->raise();
    m_dictionaryDialog->activateWindow();
    m_dictionaryDialog->wordFind->setFocus();
}

void MainWindow::conversionClicked()
{
    ConversionDialog dialog(m_game, *this, this);
    runDialog(dialog);
}

void MainWindow::palindromClicked()
{
    PalindromDialog dialog(m_game, *this, this);
    runDialog(dialog);
}

void MainWindow::speedTestClicked()
{
    SpeedTestDialog dialog(m_game, *this, this);
    runDialog(dialog);
}

void MainWindow::indexClicked()
{
    HelpDialog dialog(*this, this);
    runDialog(dialog);
}

void MainWindow::tipOfDayClicked()
{
    TipOfDayDialog dialog(m_game, *this, this);
    runDialog(dialog);
}

void MainWindow::aboutClicked()
{
    AboutDialog dialog(*this, this);
    runDialog(dialog);
}

void MainWindow::shortcutsClicked()
{
    message(nullptr, QMessageBox::Information,
            tr("Left click on the piece to take back\n   Right click on table to take back all moves\n   "
               "Drag & drop "
               "letters on the rack\n   Double click on table to move\n   Double click on table for next "
               "player\n   "
               "Escape to intrerupt computer turn"),
            {tr("OK")});
}

void MainWindow::tabCurrentChanged(int index)
{
    QWidget* page = m_tabs->widget(index);
    m_paused = page != m_table;
    if (page == m_gameConfiguration)
        m_gameConfiguration->refresh();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        m_rack->stopComputerTimer();
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
    buildMenus();
    buildToolBar();

    m_tabs->setTabText(m_tabs->indexOf(m_table), tr("Table"));
    m_tabs->setTabText(m_tabs->indexOf(m_gameConfiguration), tr("Game Configuration"));
    m_tabs->setTabText(m_tabs->indexOf(m_aiEditor), tr("AI Editor"));
    m_rack->retranslateUi(m_rack);
    m_panel->retranslateUi(m_panel);
    m_gameConfiguration->retranslateUi(m_gameConfiguration);
    m_aiEditor->retranslateUi(m_aiEditor);
    refresh(false);
}

} // namespace glyph
