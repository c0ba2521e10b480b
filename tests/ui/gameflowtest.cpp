// The flow of a game through the window: commands locked during computer turns, the final
// scores, the last move framed and named, and the questions before a game is thrown away.

#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QtTest>

#include "ui/gameoverdialog.h"
#include "ui/panelwidget.h"
#include "ui/rackwidget.h"
#include "ui/tablewidget.h"
#include "ui/uipreferences.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

namespace
{

/// The window's actions (menu items and toolbar buttons) whose text is one of these.
QList<QAction*> actionsNamed(glyph::MainWindow& window, const QStringList& texts)
{
    QList<QAction*> found;
    for (QAction* action : window.findChildren<QAction*>())
        if (texts.contains(action->text()))
            found.append(action);
    return found;
}

/// Lays the letters of the current rack slots from `first` on across line H from column 7.
void layAcross(WindowFixture& fixture, int first, int count)
{
    glyph::TableWidget& table = *fixture.window->table();
    const QSize cell = table.cellSize(table.size());
    for (int i = 0; i < count; ++i) {
        fixture.game->setSelectedSlot(first + i);
        table.drop("SF", QPoint((7 + i) * cell.width() + 3, 8 * cell.height() + 3));
    }
}

QString panelScore(WindowFixture& fixture, int row)
{
    return fixture.window->panel()->playersSituation->item(row, 1)->text();
}

} // namespace

class GameFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void gameCommandsAreRefusedDuringAComputerTurn();
    void panelShowsTheFinalScoresOfTheGameOverDialog();
    void lastMoveIsFramedAndNamedUntilATileIsLaid();
    void unsavedGamesAreOfferedForSaving();
};

void GameFlowTest::gameCommandsAreRefusedDuringAComputerTurn()
{
    WindowFixture fixture;
    fixture.start({{"Cpu", "alpha.cpu"}, {"Ann", ""}});
    glyph::MainWindow& window = *fixture.window;
    const QList<QAction*> commands =
        actionsNamed(window, {"&New Game", "New game", "&Open...", "Open", "&Exit", "&First Move",
                              "First move", "&Last Move", "Last move", "&Previous", "Previous move", "&Next",
                              "Next move", "&Move list", "Move list", "&Top moves", "Top moves"});
    QCOMPARE(commands.size(), 17);
    fixture.answer = 1; // should a question slip through: "No", never leave the program
    int fileDialogs = 0;
    auto countDialog = [&](const QString&, const QString&) {
        ++fileDialogs;
        return QString();
    };
    window.setFileNameHandler(countDialog);
    window.setOpenFileNameHandler(countDialog);

    // Inside the computer's turn (its waits process events) every way in is tried.
    bool anyEnabled = true;
    std::size_t historyDuring = 0;
    QTimer::singleShot(0, &window, [&] {
        anyEnabled = std::any_of(commands.begin(), commands.end(), [](QAction* a) { return a->isEnabled(); });
        for (QAction* command : commands)
            command->trigger();
        window.newGameClicked();
        window.openClicked();
        window.exitClicked();
        window.firstClicked();
        window.previousClicked();
        window.moveListClicked();
        window.topMovesClicked();
        historyDuring = fixture.game->rules()->history().size();
    });
    window.rack()->moveClicked();

    QVERIFY(!anyEnabled);
    QCOMPARE(historyDuring, std::size_t(1)); // still the start: nothing stepped or replaced it
    QVERIFY(fixture.dialogs.empty());        // no new-game, move-list or top-moves dialog
    QVERIFY(fixture.messages.empty());       // no exit question
    QCOMPARE(fileDialogs, 0);                // no open dialog
    QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2)); // the computer played
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
    for (QAction* command : commands)
        QVERIFY(command->isEnabled());
    QVERIFY(window.menuBar()->isEnabled());
}

void GameFlowTest::panelShowsTheFinalScoresOfTheGameOverDialog()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    auto& players = fixture.game->rules()->players();
    players[0].score = 40;
    players[1].score = 30;
    players[0].setRack("QZ");  // 20 points left
    players[1].setRack("AEE"); // 3 points left
    fixture.game->reloadRackSlots();

    QStringList panelDuring;
    QStringList dialogScores;
    fixture.onDialog = [&](QDialog& dialog) {
        auto* over = qobject_cast<glyph::GameOverDialog*>(&dialog);
        if (over != nullptr) {
            for (int row = 0; row < 2; ++row) {
                panelDuring << panelScore(fixture, row);
                // The dialog's table may be sorted: find each player's row by name.
                const QString name = row == 0 ? "Ann" : "Bob";
                for (int r = 0; r < over->table->rowCount(); ++r)
                    if (over->table->item(r, 0)->text() == name)
                        dialogScores << over->table->item(r, 3)->text();
            }
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    };
    // Three passes with two players end the game.
    for (int pass = 0; pass < 3; ++pass)
        fixture.game->rules()->passOrExchange("", "");
    QCOMPARE(dialogScores, (QStringList{"20", "27"}));
    QCOMPARE(panelDuring, dialogScores);
    QCOMPARE(QStringList({panelScore(fixture, 0), panelScore(fixture, 1)}), dialogScores);
}

void GameFlowTest::lastMoveIsFramedAndNamedUntilATileIsLaid()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("CATXXXX");
    fixture.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.window.get()));
    glyph::TableWidget& table = *fixture.window->table();
    QLabel& box = *fixture.window->panel()->currentMove;
    QCOMPARE(box.text(), QString("==-NO MOVE-=="));

    layAcross(fixture, 0, 3);
    fixture.window->rack()->moveClicked();
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
    const int score = fixture.game->rules()->players()[0].score;
    QVERIFY(score > 0);
    QCOMPARE(box.text(), QString("Ann: (H7)CAT %1p").arg(score));
    QCOMPARE(QString(table.framedMove().word), QString("CAT"));

    // The frame is on the screen: its top edge runs along the top of line H over column 8.
    QColor frame;
    glyph::uiprefs::getColour(*fixture.preferences, "ColorSelectedKey", frame);
    const QSize cell = table.cellSize(table.size());
    const QPoint edge(8 * cell.width() + cell.width() / 2, 8 * cell.height());
    QCoreApplication::processEvents();
    auto shown = [&] {
        const QImage screen = fixture.window->screen()->grabWindow(fixture.window->winId()).toImage();
        return screen.pixelColor(table.mapTo(fixture.window.get(), edge));
    };
    QCOMPARE(shown(), frame);

    // Bob lays a tile: the frame and the name go.
    fixture.setRack("TXXXXXX");
    fixture.game->setSelectedSlot(0);
    table.drop("SF", QPoint(10 * cell.width() + 3, 8 * cell.height() + 3));
    QCoreApplication::processEvents();
    QVERIFY(table.framedMove().isPass());
    QVERIFY(!box.text().startsWith("Ann"));
    QVERIFY(shown() != frame);

    // Taking it back shows Ann's move again; the move list's highlight wins over it.
    QTest::mouseClick(&table, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(QString(table.framedMove().word), QString("CAT"));
    QCOMPARE(box.text(), QString("Ann: (H7)CAT %1p").arg(score));
    glyph::Move chosen;
    std::strcpy(chosen.word, "AT");
    chosen.lin = 8;
    chosen.col = 8;
    table.setHighlightedMove(chosen);
    QCOMPARE(QString(table.framedMove().word), QString("AT"));
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
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.newGameClicked(); // nothing played yet: no question
    QVERIFY(fixture.messages.empty());
    fixture.dialogs.clear();

    fixture.setRack("CATXXXX");
    layAcross(fixture, 0, 3);
    window.rack()->moveClicked();
    QVERIFY(fixture.game->rules()->players()[0].score > 0);

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

    // Save goes through the save dialog, then the open goes on; the caption names the file.
    fixture.answer = 0;
    fileAnswers = {"Games/first", QString()};
    window.openClicked();
    QCOMPARE(fixture.messages, std::vector<QString>{question});
    QCOMPARE(fileDialogs, (std::vector<bool>{true, false}));
    QVERIFY(QFile::exists("Games/first.tc"));
    QVERIFY(window.windowTitle().endsWith(" - first.tc"));
    fixture.messages.clear();
    window.openClicked(); // saved: no question
    QVERIFY(fixture.messages.empty());

    // A second move, then Discard: the file's game replaces it and the move is gone.
    fixture.game->rules()->passOrExchange("", "");
    QCOMPARE(fixture.game->rules()->history().size(), std::size_t(3));
    fixture.answer = 1;
    fileAnswers = {"Games/first.tc"};
    window.openClicked();
    QCOMPARE(fixture.messages, std::vector<QString>{question});
    QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2));
    QVERIFY(window.windowTitle().endsWith(" - first.tc"));
}

QTEST_MAIN(GameFlowTest)
#include "gameflowtest.moc"
