// A game through the window: computers playing to the end, the final scores, the commands
// locked during a computer turn, Escape, the last move framed, and the questions before a game
// is thrown away or the program left.

#include <QScreen>

#include "ai/luahost.h"
#include "base/random.h"
#include "ui/gameoverdialog.h"
#include "ui/panelwidget.h"
#include "ui/rackwidget.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

namespace
{

/// Word, square and score of every turn in the history.
QStringList playedMoves(const glyph::Game& game)
{
    QStringList moves;
    for (const glyph::HistoryEntry& entry : game.rules()->history())
        moves << QString("%1 %2,%3 %4")
                     .arg(entry.move.word)
                     .arg(entry.move.lin)
                     .arg(entry.move.col)
                     .arg(entry.move.score);
    return moves;
}

/// Collects the winner line and the rows of the game-over dialog into `shown`.
std::function<int(QDialog&)> readGameOver(QStringList& shown)
{
    return [&shown](QDialog& dialog) {
        auto& over = dynamic_cast<glyph::GameOverDialog&>(dialog);
        shown << over.winner->text();
        for (int row = 0; row < over.table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < over.table->columnCount(); ++column)
                cells << over.table->item(row, column)->text();
            shown << cells.join(",");
        }
        return int(QDialog::Accepted);
    };
}

} // namespace

class GameFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void computersPlayTheSameGameThroughTheWindowAsWithout();
    void gameOverTakesThePenaltiesAndNamesTheLastOfTiedWinners();
    void gameCommandsWaitWhileAComputerPlays();
    void escapeStopsTheComputerChain();
    void lastMoveIsFramedAndNamedUntilATileIsLaid();
    void unsavedGamesAreOfferedForSaving();
};

void GameFlowTest::computersPlayTheSameGameThroughTheWindowAsWithout()
{
    WindowFixture fixture;
    QStringList shown;
    fixture.onDialog = readGameOver(shown);
    glyph::random::seed(16); // a bag that gives a long game
    fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}});
    fixture.window->rack()->moveClicked();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.game->rules()->isGameOver(), 60000);
    QVERIFY(!fixture.window->rack()->computerTurnPending());
    QVERIFY(!fixture.window->rack()->Ui::UIRackWidget::move->isEnabled());
    const QStringList throughWindow = playedMoves(*fixture.game);
    QVERIFY(throughWindow.size() > 15);
    const auto& players = fixture.game->rules()->players();
    const glyph::Player& best = players[0].score > players[1].score ? players[0] : players[1];
    QCOMPARE(shown.first(), QString("The winner is: %1").arg(best.name));
    QVERIFY(shown[1].startsWith("Cpu1,") && shown[1].endsWith(QString(",%1").arg(players[0].score)));
    QVERIFY(shown[2].startsWith("Cpu2,") && shown[2].endsWith(QString(",%1").arg(players[1].score)));

    // The same game played by the core alone, from the same bag.
    const QStringList firstDialog = shown;
    shown.clear();
    glyph::random::seed(16);
    QVERIFY(fixture.game->loadSettings()); // an empty board again
    fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}});
    glyph::LuaHost& host = glyph::scriptHost(*fixture.game);
    for (int turn = 0; turn < 1000 && !fixture.game->rules()->isGameOver(); ++turn)
        host.playSolution(host.computerTurn(fixture.game->rules()->currentPlayer()));
    QCOMPARE(playedMoves(*fixture.game), throughWindow);
    QCOMPARE(shown, firstDialog);
}

void GameFlowTest::gameOverTakesThePenaltiesAndNamesTheLastOfTiedWinners()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}, {"Cid", ""}});
    auto& players = fixture.game->rules()->players();
    players[0].setRack("Q["); // Q is worth 10, the joker 0, A and E 1 each
    players[0].score = 40;
    players[1].setRack("");
    players[1].score = 18;
    players[2].setRack("AE");
    players[2].score = 32;
    QStringList shown;
    QStringList panel;
    fixture.onDialog = [&](QDialog& dialog) {
        for (int row = 0; row < 3; ++row)
            panel << fixture.window->panel()->playersSituation->item(row, 1)->text();
        return readGameOver(shown)(dialog);
    };
    for (int pass = 0; pass < 4; ++pass) // four passes in a row end a game of three
        fixture.game->rules()->passOrExchange("", "");
    // The empty rack takes the 12 points left on the others; all end on 30.
    QCOMPARE(shown, (QStringList{"The winner is: Cid", "Ann,Q?,-10,30", "Bob,,+12,30", "Cid,AE,-2,30"}));
    QCOMPARE(panel, (QStringList{"30", "30", "30"}));
}

void GameFlowTest::gameCommandsWaitWhileAComputerPlays()
{
    WindowFixture fixture;
    glyph::random::seed(1); // a bag from which the computer has a word to lay, and so waits
    fixture.start({{"Cpu", "alpha.cpu"}, {"Ann", ""}});
    glyph::MainWindow& window = *fixture.window;
    const QStringList names = {"&New Game",     "New game",   "&Open...",   "Open",       "&Exit",
                               "&First Move",   "First move", "&Last Move", "Last move",  "&Previous",
                               "Previous move", "&Next",      "Next move",  "&Move list", "Move list",
                               "&Top moves",    "Top moves"};
    QList<QAction*> commands;
    for (QAction* action : window.findChildren<QAction*>())
        if (names.contains(action->text()))
            commands << action;
    QCOMPARE(commands.size(), names.size());
    fixture.answer = 1; // should a question slip through: "No", never leave the program
    int fileDialogs = 0;
    auto countDialog = [&](const QString&, const QString&) {
        ++fileDialogs;
        return QString();
    };
    window.setFileNameHandler(countDialog);
    window.setOpenFileNameHandler(countDialog);

    // Inside the computer's turn (its waits process events) every way in is tried.
    window.setWaitFactor(0.05);
    bool anyEnabled = true;
    std::size_t historyDuring = 0;
    QTimer::singleShot(20, &window, [&] {
        anyEnabled = std::any_of(commands.begin(), commands.end(), [](QAction* a) { return a->isEnabled(); });
        window.newGameClicked();
        window.openClicked();
        window.exitClicked();
        window.firstClicked();
        window.previousClicked();
        window.moveListClicked();
        window.topMovesClicked();
        QTest::mouseDClick(window.table(), Qt::LeftButton, {}, QPoint(50, 50)); // starts no second turn
        historyDuring = fixture.game->rules()->history().size();
    });
    window.rack()->moveClicked();

    QVERIFY(!anyEnabled);
    QCOMPARE(historyDuring, std::size_t(1)); // still the start: nothing stepped, replaced or played it
    QVERIFY(fixture.dialogs.empty());
    QVERIFY(fixture.messages.empty());
    QCOMPARE(fileDialogs, 0);
    QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2)); // the computer played once
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
    for (QAction* command : commands)
        QVERIFY(command->isEnabled());
}

void GameFlowTest::escapeStopsTheComputerChain()
{
    WindowFixture fixture;
    fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}});
    glyph::RackWidget& rack = *fixture.window->rack();
    rack.moveClicked();
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
    QVERIFY(rack.computerTurnPending());

    QTest::keyClick(fixture.window.get(), Qt::Key_Escape);
    QVERIFY(!rack.computerTurnPending());
    QTest::qWait(400);
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1); // no turn started by itself

    rack.moveClicked(); // Move starts it again, and the chain goes on
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(fixture.game->rules()->currentPlayerIndex(), 1, 2000);
}

void GameFlowTest::lastMoveIsFramedAndNamedUntilATileIsLaid()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("CATXXXX");
    fixture.show();
    glyph::TableWidget& table = *fixture.window->table();
    const QLabel& box = *fixture.window->panel()->currentMove;
    QVERIFY(fixture.lay(0, 8, 7) && fixture.lay(1, 8, 8) && fixture.lay(2, 8, 9));
    fixture.window->rack()->moveClicked();
    const QString named = QString("Ann: (H7)CAT %1p").arg(fixture.game->rules()->players()[0].score);
    QCOMPARE(named, QString("Ann: (H7)CAT 10p"));
    QCOMPARE(box.text(), named);
    QCOMPARE(QString(table.framedMove().word), QString("CAT"));

    // The frame is on the screen: its top edge runs along the top of line H over column 8.
    const QSize cell = table.cellSize(table.size());
    const QPoint edge =
        table.mapTo(fixture.window.get(), QPoint(8 * cell.width() + cell.width() / 2, 8 * cell.height()));
    auto shown = [&] {
        QCoreApplication::processEvents();
        return fixture.window->screen()->grabWindow(fixture.window->winId()).toImage().pixelColor(edge);
    };
    QCOMPARE(shown(), fixture.colour("ColorSelectedKey"));

    // Bob lays a tile: the frame and the name go; taking it back brings them back.
    fixture.setRack("TXXXXXX");
    QVERIFY(fixture.lay(0, 8, 10));
    QVERIFY(table.framedMove().isPass());
    QVERIFY(!box.text().startsWith("Ann"));
    QVERIFY(shown() != fixture.colour("ColorSelectedKey"));
    QTest::mouseClick(&table, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(QString(table.framedMove().word), QString("CAT"));
    QCOMPARE(box.text(), named);
}

void GameFlowTest::unsavedGamesAreOfferedForSaving()
{
    WindowFixture fixture;
    glyph::MainWindow& window = *fixture.window;
    std::vector<bool> fileDialogs; // true: save
    QStringList fileAnswers;
    auto chooser = [&](bool save) {
        return [&, save](const QString&, const QString&) {
            fileDialogs.push_back(save);
            return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
        };
    };
    window.setFileNameHandler(chooser(true));
    window.setOpenFileNameHandler(chooser(false));
    const QString question = "Save the game in progress?";
    window.saveClicked(); // no game yet
    QCOMPARE(fixture.messages, std::vector<QString>{"There is no game to save."});
    fixture.messages.clear();

    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.show();
    window.newGameClicked(); // nothing played yet: no question
    QVERIFY(fixture.messages.empty());
    fixture.dialogs.clear();
    fixture.setRack("CATXXXX");
    QVERIFY(fixture.play("CAT", 8, 7));

    // Cancel keeps the game and asks for no file.
    fixture.answer = 2;
    window.openClicked();
    window.newGameClicked();
    window.exitClicked();
    QCOMPARE(fixture.messages, (std::vector<QString>{question, question, question}));
    QVERIFY(fileDialogs.empty());
    QVERIFY(fixture.dialogs.empty());
    QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2));
    fixture.messages.clear();

    // Save goes through the save dialog, then the open goes on; the caption names the file,
    // which gets the extension only when its name has no dot.
    fixture.answer = 0;
    fileAnswers = {"Games/first", QString()};
    window.openClicked();
    QCOMPARE(fixture.messages, std::vector<QString>{question});
    QCOMPARE(fileDialogs, (std::vector<bool>{true, false}));
    QVERIFY(QFile::exists("Games/first.tc"));
    QVERIFY(window.windowTitle().endsWith(" - first.tc"));
    QCOMPARE(glyph::MainWindow::savedGameName("Games/game.txt"), QString("Games/game.txt"));
    QCOMPARE(glyph::MainWindow::savedGameName("my.games/game"), QString("my.games/game"));

    // A second move, then Discard: the file's game replaces it and the move is gone.
    fixture.game->rules()->passOrExchange("", "");
    fixture.answer = 1;
    fileAnswers = {"Games/first.tc"};
    fixture.messages.clear();
    window.openClicked();
    QCOMPARE(fixture.messages, std::vector<QString>{question});
    QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2));

    // Nothing to save now: Exit only asks whether to leave, and "No" stays.
    fixture.messages.clear();
    QTimer::singleShot(0, [&] {
        window.exitClicked();
        QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    });
    QCOMPARE(QCoreApplication::exec(), 7);
    fixture.answer = 0;
    QTimer::singleShot(0, [&] { window.exitClicked(); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(fixture.messages, (std::vector<QString>{"Are you sure?", "Are you sure?"}));
}

QTEST_MAIN(GameFlowTest)
#include "gameflowtest.moc"
