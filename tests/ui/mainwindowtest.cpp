// The main window: menus and toolbar, caption, thinking notice, waits, Escape, exit and saving.

#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

#include "ui/rackwidget.h"
#include "ui/tablewidget.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

namespace
{

/// The items of a menu as "text|shortcut", a separator as "-", a submenu as "text>".
QStringList describe(const QMenu& menu)
{
    QStringList items;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            items << "-";
        else if (action->menu() != nullptr)
            items << action->text() + ">";
        else
            items << action->text() + "|" + action->shortcut().toString();
    }
    return items;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void menusListTheCommandsInOrder();
    void toolbarHoldsTheButtonsWithTheirPictures();
    void widgetsSitInTheirSplittersAndTabs();
    void captionNamesTheRules();
    void secondThinkingNoticeChangesNothing();
    void waitPausesAndDisablesTheCommands();
    void escapeStopsTheComputerChain();
    void doubleClickDuringAComputerTurnStartsNoSecondTurn();
    void exitAsksFirst();
    void helpBoxesShowTheirTexts();
    void savedGamesGetTheExtensionOnlyWithoutADot();
};

void MainWindowTest::menusListTheCommandsInOrder()
{
    WindowFixture fixture;
    const QList<QAction*> menus = fixture.window->menuBar()->actions();
    QCOMPARE(menus.size(), 4);
    QCOMPARE(menus[0]->text(), QString("&File"));
    QCOMPARE(describe(*menus[0]->menu()),
             (QStringList{"Export>", "-", "&Open...|Ctrl+O", "&Save...|Ctrl+S", "&Print...|Ctrl+P", "-",
                          "P&references...|", "-", "&Exit|Ctrl+X"}));
    QCOMPARE(describe(*menus[0]->menu()->actions()[0]->menu()),
             (QStringList{"Table to BMP|", "Move list to TXT|"}));
    QCOMPARE(menus[1]->text(), QString("&Game"));
    QCOMPARE(describe(*menus[1]->menu()),
             (QStringList{"&New Game|Ctrl+N", "-", "&Bag|Ctrl+B", "&Move list|", "&Top moves|Ctrl+T", "-",
                          "&First Move|Ctrl+Home", "&Last Move|Ctrl+End", "&Previous|Ctrl+Left",
                          "&Next|Ctrl+Right"}));
    QCOMPARE(menus[2]->text(), QString("&Tools"));
    QCOMPARE(describe(*menus[2]->menu()),
             (QStringList{"&Dictionary|Ctrl+D", "&Conversion...|", "-", "Palindrom|", "-", "&Speed Test|"}));
    QCOMPARE(menus[3]->text(), QString("&Help"));
    QCOMPARE(describe(*menus[3]->menu()),
             (QStringList{"&Index|F1", "&Shortcuts|", "&Tip of day|", "-", "&About|"}));

    // The game's own commands are enabled.
    const QList<QAction*> game = menus[1]->menu()->actions();
    QVERIFY(game[0]->isEnabled());
    QVERIFY(game[6]->isEnabled());
}

void MainWindowTest::toolbarHoldsTheButtonsWithTheirPictures()
{
    WindowFixture fixture;
    auto* toolBar = fixture.window->findChild<QToolBar*>("tool");
    QVERIFY(toolBar != nullptr);
    QStringList items;
    for (const QAction* action : toolBar->actions())
        items << (action->isSeparator() ? QString("|") : action->toolTip());
    QCOMPARE(items.mid(0, 16), (QStringList{"New game", "Open", "Save", "Print", "|", "Move list", "|",
                                            "First move", "Last move", "Previous move", "Next move", "|",
                                            "Dictionary", "Top moves", "|", "About"}));
    QCOMPARE(items.size(), 17); // and the filler
}

void MainWindowTest::widgetsSitInTheirSplittersAndTabs()
{
    WindowFixture fixture;
    auto* splitter = qobject_cast<QSplitter*>(fixture.window->centralWidget());
    QVERIFY(splitter != nullptr);
    QCOMPARE(splitter->objectName(), QString("splitter"));
    QCOMPARE(splitter->widget(0)->objectName(), QString("left"));
    QCOMPARE(splitter->widget(1)->objectName(), QString("right"));
    QTabWidget* tabs = fixture.window->tabs();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QString("Table"));
    QCOMPARE(tabs->tabText(1), QString("Game Configuration"));
    QCOMPARE(tabs->tabText(2), QString("AI Editor"));
    QCOMPARE(tabs->minimumSize(), QSize(200, 400));
    QCOMPARE(fixture.window->rack()->minimumSize(), QSize(400, 80));
}

void MainWindowTest::captionNamesTheRules()
{
    WindowFixture fixture;
    fixture.window->refresh(true);
    QCOMPARE(fixture.window->windowTitle(), QString("Glyphmosaic - Game Classic"));
}

void MainWindowTest::secondThinkingNoticeChangesNothing()
{
    WindowFixture fixture;
    fixture.window->hideThinkingNotice(); // none shown: nothing happens
    fixture.window->showThinkingNotice("first");
    QLabel* notice = fixture.window->thinkingNotice();
    QVERIFY(notice != nullptr);
    QCOMPARE(notice->objectName(), QString("splash"));
    fixture.window->showThinkingNotice("second");
    QCOMPARE(fixture.window->thinkingNotice(), notice);
    QCOMPARE(notice->text(), QString("first"));
    fixture.window->hideThinkingNotice();
    QVERIFY(fixture.window->thinkingNotice() == nullptr);
}

void MainWindowTest::waitPausesAndDisablesTheCommands()
{
    WindowFixture fixture;
    fixture.window->setWaitFactor(1);
    bool pausedDuring = false;
    bool rackDuring = true;
    bool boardDuring = false;
    QTimer::singleShot(30, [&] {
        pausedDuring = fixture.window->paused();
        rackDuring = fixture.window->rack()->isEnabled();
        boardDuring = fixture.window->table()->isEnabled();
    });
    QElapsedTimer stopwatch;
    stopwatch.start();
    fixture.window->wait(120);
    QVERIFY(stopwatch.elapsed() >= 120);
    QVERIFY(pausedDuring);
    QVERIFY(!rackDuring);
    QVERIFY(boardDuring);
    QVERIFY(!fixture.window->paused());
    QVERIFY(fixture.window->rack()->isEnabled());
}

void MainWindowTest::escapeStopsTheComputerChain()
{
    WindowFixture fixture;
    fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}});
    fixture.window->rack()->moveClicked();
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
    QVERIFY(fixture.window->rack()->computerTurnPending());

    QTest::keyClick(fixture.window.get(), Qt::Key_Escape);
    QVERIFY(!fixture.window->rack()->computerTurnPending());
    QTest::qWait(400);
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1); // no turn started by itself

    fixture.window->rack()->moveClicked(); // Move starts it again, and the chain goes on
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);
    QVERIFY(fixture.window->rack()->computerTurnPending());
    QTRY_COMPARE_WITH_TIMEOUT(fixture.game->rules()->currentPlayerIndex(), 1, 2000);
}

void MainWindowTest::doubleClickDuringAComputerTurnStartsNoSecondTurn()
{
    WindowFixture fixture;
    fixture.start({{"Cpu1", "alpha.cpu"}, {"Ann", ""}});
    fixture.window->setWaitFactor(0.05); // the turn's waits still process events
    int startedDuringTheTurn = 0;
    QTimer::singleShot(20, [&] {
        const std::size_t before = fixture.game->rules()->history().size();
        QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(fixture.window->table(), &click);
        startedDuringTheTurn = static_cast<int>(fixture.game->rules()->history().size() - before);
    });
    const std::size_t before = fixture.game->rules()->history().size();
    fixture.window->rack()->moveClicked();
    QCOMPARE(startedDuringTheTurn, 0);
    QCOMPARE(fixture.game->rules()->history().size(), before + 1); // one turn played
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
}

void MainWindowTest::exitAsksFirst()
{
    WindowFixture fixture;
    fixture.answer = 1; // "No"
    bool exited = false;
    QTimer::singleShot(0, [&] {
        fixture.window->exitClicked();
        QTimer::singleShot(50, [&] { QCoreApplication::exit(7); });
    });
    exited = QCoreApplication::exec() == 0;
    QVERIFY(!exited);
    QCOMPARE(fixture.messages, std::vector<QString>{"Are you sure?"});

    fixture.answer = 0; // "Yes"
    QTimer::singleShot(0, [&] { fixture.window->exitClicked(); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void MainWindowTest::helpBoxesShowTheirTexts()
{
    WindowFixture fixture;
    // Index opens the manual in a help window rather than a box.
    fixture.window->indexClicked();
    QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::HelpDialog"});
    fixture.window->shortcutsClicked();
    QCOMPARE(fixture.messages.size(), std::size_t(1));
    QVERIFY(fixture.messages[0].startsWith("Left click on the piece to take back\n   Right click on table"));
    QVERIFY(fixture.messages[0].endsWith("\n   Escape to intrerupt computer turn"));
}

void MainWindowTest::savedGamesGetTheExtensionOnlyWithoutADot()
{
    using glyph::MainWindow;
    QCOMPARE(MainWindow::savedGameName("Games/game"), QString("Games/game.tc"));
    QCOMPARE(MainWindow::savedGameName("Games/game.txt"), QString("Games/game.txt"));
    QCOMPARE(MainWindow::savedGameName("my.games/game"), QString("my.games/game"));
}

QTEST_MAIN(MainWindowTest)
#include "mainwindowtest.moc"
