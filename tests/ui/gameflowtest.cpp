// A game through the window: computers playing to the end, the commands locked during a
// computer turn, Escape, the question before an unsaved game is thrown away, and the File
// menu's exports of the move list and the board, with what the user sees when one fails.

#include "ai/luahost.h"
#include "base/random.h"
#include "ui/gameoverdialog.h"
#include "ui/rackwidget.h"
#include "uitestsupport.h"

using glyph::test::squarePoint;
using glyph::test::WindowFixture;

namespace
{

/// The window answering the save-file dialog with this name (relative to the test's folder).
void chooseFile(WindowFixture& fixture, const QString& name)
{
    fixture.window->setFileNameHandler([name](const QString&, const QString&) { return name; });
}

} // namespace

class GameFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void computersPlayThroughTheWindowAsWithoutItAndLockTheCommands()
    {
        WindowFixture fixture;
        QStringList shown; // what the game-over dialog and the history show
        fixture.onDialog = [&](QDialog& dialog) {
            auto& over = dynamic_cast<glyph::GameOverDialog&>(dialog);
            shown << over.winner->text();
            for (int row = 0; row < over.table->rowCount(); ++row)
                shown << over.table->item(row, 0)->text() + " " + over.table->item(row, 3)->text();
            for (const glyph::HistoryEntry& entry : fixture.game->rules()->history())
                shown << QString::fromStdString(fixture.game->moveText(entry.move, entry.board)) + " " +
                             QString::number(entry.move.score);
            return int(QDialog::Accepted);
        };
        glyph::random::seed(16); // a bag that gives a long game
        fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}});
        fixture.window->rack()->moveClicked();
        QTRY_VERIFY_WITH_TIMEOUT(fixture.game->rules()->isGameOver(), 60000);
        QVERIFY(!fixture.window->rack()->Ui::UIRackWidget::move->isEnabled());
        QVERIFY(shown.size() > 15);
        const auto& players = fixture.game->rules()->players();
        const glyph::Player& best =
            players[0].score > players[1].score ? players[0] : players[1]; // a tie: the last
        QCOMPARE(shown.mid(0, 3), (QStringList{QString("The winner is: ") + best.name,
                                               QString("Cpu1 %1").arg(players[0].score),
                                               QString("Cpu2 %1").arg(players[1].score)}));

        // The same game played by the core alone, from the same bag, ends the same.
        const QStringList throughWindow = shown;
        shown.clear();
        glyph::random::seed(16);
        QVERIFY(fixture.game->loadSettings()); // an empty board again
        fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}});
        glyph::LuaHost& host = glyph::scriptHost(*fixture.game);
        for (int turn = 0; turn < 1000 && !fixture.game->rules()->isGameOver(); ++turn)
            host.playSolution(host.computerTurn(fixture.game->rules()->currentPlayer()));
        QCOMPARE(shown, throughWindow);

        fixture.dialogs.clear(); // a new game on an empty board
        fixture.onDialog = nullptr;
        QVERIFY(fixture.game->loadSettings());
        glyph::random::seed(1); // a bag from which the computer has a word to lay, and so waits
        fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}});
        glyph::MainWindow& window = *fixture.window;
        QAction* newGame = nullptr;
        for (QAction* action : window.findChildren<QAction*>())
            newGame = action->text() == "&New Game" ? action : newGame;
        QVERIFY(newGame != nullptr);
        fixture.answer = 1; // should a question slip through: "No", never leave the program
        window.setOpenFileNameHandler([&](const QString&, const QString&) {
            fixture.messages.push_back("open file dialog");
            return QString();
        });

        // Inside the computer's turn (its waits process events) every way in is tried.
        window.setWaitFactor(0.05);
        bool enabledDuring = true;
        std::size_t historyDuring = 0;
        QTimer::singleShot(20, &window, [&] {
            enabledDuring = newGame->isEnabled();
            window.newGameClicked();
            window.openClicked();
            window.exitClicked();
            window.previousClicked();
            window.moveListClicked();
            window.topMovesClicked();
            QTest::mouseDClick(window.table(), Qt::LeftButton, {}, QPoint(50, 50)); // starts no second turn
            historyDuring = fixture.game->rules()->history().size();
        });
        window.rack()->moveClicked();
        QVERIFY(!enabledDuring);
        QCOMPARE(historyDuring, std::size_t(1)); // still the start: nothing stepped, replaced or played it
        QVERIFY(fixture.dialogs.empty() && fixture.messages.empty()); // no dialog, question or file chooser
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2)); // the computer played once
        QVERIFY(newGame->isEnabled());

        // Escape stops the chain of computer turns; Move starts it again.
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::qWait(400);
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
        window.rack()->moveClicked();
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(fixture.game->rules()->currentPlayerIndex(), 1, 10000);
    }

    void unsavedGamesAreOfferedForSaving()
    {
        WindowFixture fixture;
        glyph::MainWindow& window = *fixture.window;
        QStringList fileDialogs;
        QStringList fileAnswers;
        auto chooser = [&](const QString& kind) {
            return [&, kind](const QString&, const QString&) {
                fileDialogs << kind;
                return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
            };
        };
        window.setFileNameHandler(chooser("save"));
        window.setOpenFileNameHandler(chooser("open"));
        const QString question = "Save the game in progress?";
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        QVERIFY(fixture.game->rules()->passOrExchange("", ""));

        // Cancel keeps the game and asks for no file.
        fixture.answer = 2;
        window.openClicked();
        window.newGameClicked();
        window.exitClicked();
        QCOMPARE(fixture.messages, (std::vector<QString>{question, question, question}));
        QVERIFY(fileDialogs.isEmpty() && fixture.dialogs.empty());
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2));

        // Save goes through the save dialog, then the open goes on; the caption names the file.
        fixture.answer = 0;
        fileAnswers = {"Games/first", QString()};
        window.openClicked();
        QCOMPARE(fileDialogs, (QStringList{"save", "open"}));
        QVERIFY(QFile::exists("Games/first.tc"));
        QVERIFY(window.windowTitle().endsWith(" - first.tc"));

        // A second move, then Discard: the file's game replaces it and the move is gone.
        fixture.game->rules()->passOrExchange("", "");
        fixture.answer = 1;
        fileAnswers = {"Games/first.tc"};
        window.openClicked();
        QCOMPARE(fixture.messages, (std::vector<QString>{question, question, question, question, question}));
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2));
    }

    void exportsWriteTheShownPositionOrSayWhyNot()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        // No move yet: no list to write, and the older file is emptied.
        fixture.folder.write("Games/moves.txt", "an older list\n");
        chooseFile(fixture, "Games/moves");
        fixture.window->moves2TXTClicked();
        QCOMPARE(fixture.messages, std::vector<QString>{"Can't create text file"});
        QCOMPARE(fixture.folder.read("Games/moves.txt"), std::string());

        fixture.setRack("CATEEEE");
        QVERIFY(fixture.lay(0, 8, 7) && fixture.lay(1, 8, 8) && fixture.lay(2, 8, 9));
        fixture.window->rack()->moveClicked();
        QVERIFY(fixture.game->rules()->passOrExchange("", ""));
        QVERIFY(fixture.game->rules()->passOrExchange("", ""));
        fixture.window->moves2TXTClicked();
        const QString head = "No. " + QString("Ann").leftJustified(30) + QString("Bob").leftJustified(30) +
                             "\n" + QString(64, '-') + "\n1    " + QString("(H7)CAT 10p").leftJustified(30);
        const QString pass = QString("PAS / CHANGE 0p").leftJustified(30);
        QCOMPARE(fixture.folder.read("Games/moves.txt"),
                 (head + pass + "\n2    " + pass + "\n").toStdString());

        // Stepped back to the first move, the text ends there.
        fixture.window->previousClicked();
        fixture.window->previousClicked();
        fixture.window->moves2TXTClicked();
        QCOMPARE(fixture.folder.read("Games/moves.txt"), (head + "\n").toStdString());

        // The bitmap, whatever the case of its extension, shows the board without this turn's tiles.
        fixture.setRack("DOGEEEE");
        QVERIFY(fixture.lay(0, 10, 10));
        chooseFile(fixture, "Games/board.BMP");
        fixture.window->table2BMPClicked();
        chooseFile(fixture, "Games/board");
        fixture.window->table2BMPClicked();
        QCOMPARE(QDir("Games").entryList(QDir::Files, QDir::Name),
                 (QStringList{"board.BMP", "board.bmp", "moves.txt"}));
        QCOMPARE(fixture.folder.read("Games/board.BMP").substr(0, 2), "BM");
        const glyph::TableWidget& table = *fixture.window->table();
        const QImage image("Games/board.bmp");
        QCOMPARE(image.size(), table.size());
        QCOMPARE(image.pixelColor(squarePoint(table, 8, 8)), fixture.colour("ColorOcupiedKey"));
        QCOMPARE(image.pixelColor(squarePoint(table, 10, 10)), fixture.colour("ColorLetterBackgroundKey"));
        QCOMPARE(image.pixelColor(squarePoint(table, 1, 1)), fixture.colour("ColorWordX3Key"));
        QCOMPARE(fixture.game->rackSlots()[0].placed, std::uint8_t{1}); // the export changed nothing

        // A folder that cannot be written, whoever runs the test: its name is taken by a file.
        fixture.folder.write("Games/shelf", "not a folder");
        const QStringList before = QDir("Games").entryList(QDir::AllEntries | QDir::Hidden);
        chooseFile(fixture, "Games/shelf/moves");
        fixture.window->moves2TXTClicked();
        chooseFile(fixture, "Games/shelf/board.bmp");
        fixture.window->table2BMPClicked();
        QCOMPARE(fixture.messages, (std::vector<QString>{"Can't create text file", "Can't create text file",
                                                         "Can't save *.bmp"}));
        QCOMPARE(QDir("Games").entryList(QDir::AllEntries | QDir::Hidden), before);
        QCOMPARE(fixture.folder.read("Games/shelf"), "not a folder");
    }
};

QTEST_MAIN(GameFlowTest)
#include "gameflowtest.moc"
