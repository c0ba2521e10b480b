// A game through the window: computer turns (the commands locked meanwhile, Escape, a failing
// profile), the clocks, the question before an unsaved game is thrown away, the exports of the
// move list and the board and what the user sees when one fails, and the printout.

#include <QLCDNumber>
#include <QPrintDialog>
#include <QPrinter>
#include <QSignalSpy>
#include <QTranslator>
#include <chrono>

#include "ai/luahost.h"
#include "base/random.h"
#include "engine/boardgeometry.h"
#include "engine/movelisttext.h"
#include "ui/board/exports.h"
#include "ui/board/rackwidget.h"
#include "ui/game/gameoverdialog.h"
#include "ui/session/gamefilestate.h"
#include "ui/window/aboutdialog.h"
#include "uitestsupport.h"

using glyph::test::child;
using glyph::test::squarePoint;
using glyph::test::WindowFixture;

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
            shown << child<QLabel>(over, "winner")->text();
            const QTableWidget& table = *child<QTableWidget>(over, "table");
            for (int row = 0; row < table.rowCount(); ++row)
                shown << table.item(row, 0)->text() + " " + table.item(row, 3)->text();
            for (const glyph::HistoryEntry& entry : fixture.game->rules()->history())
                shown << QString::fromStdString(fixture.game->moveText(entry.move, entry.board)) + " " +
                             QString::number(entry.move.score);
            return int(QDialog::Accepted);
        };
        glyph::random::seed(16); // a bag that gives a long game
        fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}});
        fixture.rack()->moveClicked();
        QTRY_VERIFY_WITH_TIMEOUT(fixture.game->rules()->isGameOver(), 60000);
        QTRY_VERIFY(shown.size() > 15); // the game-over dialog comes once the last move is drawn
        QVERIFY(!fixture.find<QPushButton>("move")->isEnabled());
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
        QTRY_COMPARE(shown, throughWindow);

        fixture.dialogs.clear(); // a new game on an empty board
        fixture.onDialog = nullptr;
        QVERIFY(fixture.game->loadSettings());
        glyph::random::seed(1); // a bag from which the computer has a word to lay, and so waits
        fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}});
        glyph::MainWindow& window = *fixture.window;
        glyph::GameSession& session = *fixture.session;
        QAction* moveList = glyph::test::command(window, "&Move list");
        QAction* topMoves = glyph::test::command(window, "&Top moves");

        // While the computer thinks and shows its move, the window repaints and answers, but
        // the commands that step or replace the position are refused.
        session.setWaitFactor(0.05);
        bool enabledDuring = true;
        bool lockedDuring = false;
        std::size_t historyDuring = 0;
        int paintsDuring = 0;
        QTimer::singleShot(20, &window, [&] {
            enabledDuring = moveList->isEnabled() || topMoves->isEnabled();
            lockedDuring = session.locked();
            window.previousClicked();
            window.moveListClicked();
            window.topMovesClicked();
            QTest::mouseDClick(window.table(), Qt::LeftButton, {}, QPoint(50, 50)); // starts no second turn
            historyDuring = fixture.game->rules()->history().size();
            // Escape stops the chain of computer turns after the turn under way.
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        QObject::connect(&session, &glyph::GameSession::thinking, &window, [&] {
            window.table()->repaint();
            ++paintsDuring;
        });
        fixture.rack()->moveClicked();
        QTRY_VERIFY_WITH_TIMEOUT(!session.locked(), 10000);
        QVERIFY(!enabledDuring && lockedDuring && paintsDuring > 0);
        QCOMPARE(historyDuring, std::size_t(1)); // still the start: nothing stepped or played it
        QVERIFY(fixture.dialogs.empty() && fixture.messages.empty()); // no dialog or question
        QVERIFY(moveList->isEnabled() && topMoves->isEnabled());
        QTest::qWait(400);
        // The computer played once, and no turn followed.
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2));

        // Move starts the chain again.
        session.setWaitFactor(0.2); // turns long enough to be caught under way
        fixture.rack()->moveClicked();
        QTRY_COMPARE_WITH_TIMEOUT(fixture.game->rules()->currentPlayerIndex(), 0, 10000);

        // New Game during a computer turn stops it, and the question and dialog come as always.
        QTRY_VERIFY_WITH_TIMEOUT(session.locked(), 5000);
        const std::size_t played = fixture.game->rules()->history().size();
        fixture.answer = 1; // Discard
        window.newGameClicked();
        QVERIFY(window.thinkingNotice() == nullptr);
        QCOMPARE(fixture.game->rules()->history().size(), played); // the turn abandoned
        QCOMPARE(fixture.messages, std::vector<QString>{"Save the game in progress?"});
        QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::NewGameDialog"});
    }

    void computerTurnsChainOffTheWindowThreadAndAreAbandonedOrReported()
    {
        WindowFixture fixture(false);
        glyph::GameSession& session = *fixture.session;
        session.setWaitFactor(0.01);
        fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}, {"Ann", ""}});
        QSignalSpy locks(&session, &glyph::GameSession::lockChanged);
        QSignalSpy notices(&session, &glyph::GameSession::thinking);

        // The turn starts and returns at once: the move is chosen on a worker thread.
        session.move();
        QVERIFY(session.locked() && session.paused());
        // Both computers play in turn, then the human is to move and the chain ends by itself.
        QTRY_COMPARE_WITH_TIMEOUT(fixture.game->rules()->currentPlayerIndex(), 2, 10000);
        QTRY_VERIFY(!session.locked());
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(3));
        QCOMPARE(locks.count(), 2); // taken and released once for the chain of turns
        QVERIFY(notices.count() >= 2 && !session.paused());

        // A new game abandons the turn under way: it must neither hold the new game nor play into
        // it, nor keep what the profile remembered of the old game.
        fixture.folder.write("Profiles/thinker.cpu", "exchangedAt = 12\nwhile true do end\n");
        fixture.start({{"Cpu", "thinker.cpu"}, {"Ann", ""}});
        session.move();
        QVERIFY(session.locked());
        std::vector<glyph::Player> players(2);
        players[0].setName("Ann");
        players[1].setName("Bob");
        QVERIFY(session.startNewGame(players, glyph::kClassicGameType));
        QVERIFY(!session.locked());
        QTest::qWait(100);
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(1));
        QCOMPARE(fixture.game->rules()->currentPlayer().name, std::string("Ann"));
        QVERIFY(glyph::scriptHost(*fixture.game).runText("assert(exchangedAt == nil)"));

        // A failing profile is reported, and the best move is played for it.
        fixture.folder.write("Profiles/broken.cpu", "error('no strategy today')\n");
        fixture.start({{"Cpu", "broken.cpu"}, {"Ann", ""}});
        QSignalSpy output(&session, &glyph::GameSession::scriptOutput);
        QSignalSpy status(&session, &glyph::GameSession::statusMessage);
        session.move();
        QTRY_VERIFY_WITH_TIMEOUT(!session.locked(), 10000);
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2));
        QVERIFY(!output.isEmpty() && output.last().at(0).toString().startsWith("Error: "));
        QVERIFY(output.last().at(0).toString().contains("no strategy today"));
        QCOMPARE(status.count(), 1);
        QVERIFY(status.last().at(0).toString().contains("broken.cpu"));

        // The host's own lines come in the user's language, their letters intact.
        class Romanian : public QTranslator
        {
        public:
            QString translate(const char* context, const char* source, const char*, int) const override
            {
                const QByteArray text(source);
                if (QByteArray(context) != "Game")
                    return {};
                if (text == "Error: %s")
                    return QString::fromUtf8("Eroare: %s");
                if (text == "script stopped: it ran longer than %d ms")
                    return QString::fromUtf8(
                        "script oprit: a rulat mai mult de %d ms (prea mult pentru tură)");
                return {};
            }
        } romanian;
        glyph::LuaHost& host = glyph::scriptHost(*fixture.game);
        const auto limit = host.runTimeLimit();
        host.setRunTimeLimit(std::chrono::milliseconds(100));
        QCoreApplication::installTranslator(&romanian);
        const bool ran = host.runText("while true do end");
        QCoreApplication::removeTranslator(&romanian);
        host.setRunTimeLimit(limit);
        QVERIFY(!ran);
        const QString stopped = output.last().at(0).toString();
        QVERIFY2(stopped.startsWith("Eroare: ") &&
                     stopped.endsWith(QString::fromUtf8(
                         "script oprit: a rulat mai mult de 100 ms (prea mult pentru tură)")),
                 qPrintable(stopped));
    }

    void leavingTheGameAndStayingKeepsItsComputerPlayersPlaying()
    {
        WindowFixture fixture;
        glyph::MainWindow& window = *fixture.window;
        glyph::GameSession& session = *fixture.session;
        const glyph::GameRules* rules = nullptr;
        fixture.prompter.setOpenFileNameHandler([](const QString&, const QString&) { return QString(); });
        auto annPasses = [&] {
            // A rack that always has a move, so that passes never end the game.
            fixture.game->rules()->players()[1].setRack("AEINOST");
            session.passOrExchange("", "");
            QCOMPARE(rules->currentPlayer().name, std::string("Cpu"));
        };
        auto cpuPlays = [&] { QTRY_COMPARE(rules->currentPlayer().name, std::string("Ann")); };
        auto newGame = [&](const char* profile) {
            std::vector<glyph::Player> players(2);
            players[0].setName("Ann");
            players[1].setName("Cpu");
            players[1].setProfile(profile);
            QVERIFY(session.startNewGame(players, glyph::kClassicGameType));
            rules = fixture.game->rules();
        };
        newGame("alpha.cpu");

        // Each time the computer is next, the game is left and then kept: Cancel on the save
        // question, Discard and then Cancel on the file chooser, Cancel on the new-game dialog.
        annPasses();
        fixture.answer = 2;
        window.openClicked();
        cpuPlays();
        annPasses();
        fixture.answer = 1;
        window.openClicked();
        cpuPlays();
        annPasses();
        window.newGameClicked();
        cpuPlays();
        QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::NewGameDialog"});

        // A chain Escape stopped stays stopped through it; Move takes it up again.
        annPasses();
        session.stopComputerPlayers();
        window.openClicked();
        QTest::qWait(50);
        QCOMPARE(rules->currentPlayer().name, std::string("Cpu"));
        session.move();
        cpuPlays();

        // From a turn until the computer's that follows it starts, the commands stay locked: a
        // dialog opened in that gap would have the computers play under it.
        newGame("alpha.cpu");
        fixture.dialogs.clear();
        annPasses();
        QVERIFY(session.locked());
        window.topMovesClicked();
        QVERIFY(fixture.dialogs.empty());
        cpuPlays();
        QTRY_VERIFY(!session.locked());

        // An Escape while no search runs (the chosen move on show) does not cut the next turn
        // short, nor a test run of a profile.
        fixture.folder.write("Profiles/sim.cpu", "roundsPlayed = SimulateMoves(3, 2, 5000, 8)\n");
        newGame("sim.cpu");
        glyph::LuaHost& host = glyph::scriptHost(*fixture.game);
        host.interrupt();
        annPasses();
        cpuPlays();
        QVERIFY(host.runText("assert(roundsPlayed == 8)"));
        host.interrupt();
        QVERIFY(host.runText("assert(true)"));
        QVERIFY(!host.interruptFlag());
    }

    void escapeAndCancelledCommandsStopOnlyAComputerTurnUnderWayOrDue()
    {
        WindowFixture fixture;
        glyph::MainWindow& window = *fixture.window;
        glyph::GameSession& session = *fixture.session;
        glyph::random::seed(3); // a bag from which the computer always has a word to lay
        fixture.start({{"Ann", ""}, {"Cpu", "alpha.cpu"}});
        const glyph::GameRules& rules = *fixture.game->rules();
        QSignalSpy status(&session, &glyph::GameSession::statusMessage);
        auto annPasses = [&] {
            QCOMPARE(rules.currentPlayer().name, std::string("Ann"));
            session.passOrExchange("", "");
        };
        auto cpuAnswers = [&] {
            QTRY_COMPARE(rules.currentPlayer().name, std::string("Ann"));
            QTRY_VERIFY(!session.locked());
        };

        // Escape on Ann's own turn finds no computer turn to stop: hers is answered.
        QTest::keyClick(&window, Qt::Key_Escape);
        annPasses();
        cpuAnswers();
        QCOMPARE(rules.history().size(), std::size_t(3));

        // Escape while the computer thinks: it plays that turn, and Ann's next one is answered
        // as ever.
        QObject::connect(
            &session, &glyph::GameSession::thinking, &window,
            [&] { QTest::keyClick(&window, Qt::Key_Escape); }, Qt::SingleShotConnection);
        annPasses();
        cpuAnswers();
        QCOMPARE(status.count(), 1);
        QCOMPARE(status.last().at(0).toString(), QString("The computer players stop after this turn."));
        annPasses();
        cpuAnswers();
        QCOMPARE(rules.history().size(), std::size_t(7));
        QVERIFY(!rules.isGameOver());

        // Stepped back to a turn of the computer's, every command that would leave the game and
        // is cancelled leaves it as it was: the computer plays nothing there, no later turn is
        // lost, and no question about losing them comes.
        fixture.prompter.setOpenFileNameHandler([](const QString&, const QString&) { return QString(); });
        for (int step = 0; step < 3; ++step)
            window.previousClicked();
        QCOMPARE(rules.historyPosition(), 3);
        QCOMPARE(rules.currentPlayer().name, std::string("Cpu"));
        fixture.messages.clear();
        // Each command with the answer to the save question: Cancel, or Discard and then no file
        // chosen or the new-game dialog cancelled.
        const std::vector<std::pair<int, std::function<void()>>> cancelled = {
            {2, [&] { window.openClicked(); }}, {2, [&] { window.newGameClicked(); }},
            {2, [&] { window.exitClicked(); }}, {2, [&] { window.close(); }},
            {1, [&] { window.openClicked(); }}, {1, [&] { window.newGameClicked(); }},
        };
        for (const auto& [answer, command] : cancelled) {
            fixture.answer = answer;
            command();
            QVERIFY(!session.locked());
        }
        QTest::qWait(50);
        QVERIFY(!session.locked());
        QCOMPARE(rules.history().size(), std::size_t(7));
        QCOMPARE(rules.historyPosition(), 3);
        QCOMPARE(fixture.messages, std::vector<QString>(cancelled.size(), "Save the game in progress?"));
    }

    void clocksRunOnlyWhileNothingHoldsThemStill()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        glyph::GameSession& session = *fixture.session;
        const int start = fixture.game->rules()->currentPlayer().timeLeft;
        session.tick();
        QCOMPARE(fixture.game->rules()->currentPlayer().timeLeft, start - 1);

        // Another page shown, then a dialog opened and closed on it: the clocks stay still.
        auto* tabs = fixture.find<QTabWidget>("tabs");
        tabs->setCurrentIndex(1);
        glyph::AboutDialog about(nullptr);
        fixture.prompter.runDialog(about);
        session.tick();
        QCOMPARE(fixture.game->rules()->currentPlayer().timeLeft, start - 1);
        tabs->setCurrentIndex(0);
        session.tick();
        QCOMPARE(fixture.game->rules()->currentPlayer().timeLeft, start - 2);
    }

    void thePanelShowsClocksAndScoresWholeAtAnyLength()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        glyph::Player& ann = fixture.game->rules()->players()[0];
        auto* minutes = fixture.find<QLCDNumber>("minutes");
        auto* seconds = fixture.find<QLCDNumber>("seconds");
        auto* score = fixture.find<QLCDNumber>("score");
        const int formMinuteDigits = minutes->digitCount();
        auto* table = fixture.find<QTableWidget>("playersSituation");
        // An LCD given a value longer than its digits keeps showing the last one (its value
        // changes all the same), and says so only by this signal.
        int overflows = 0;
        for (QLCDNumber* lcd : fixture.window->findChildren<QLCDNumber*>())
            QObject::connect(lcd, &QLCDNumber::overflow, lcd, [&overflows] { ++overflows; });

        // Up to the longest clocks and scores a game may hold, either side of zero, and back: the
        // current player's LCDs show what the players' table does, after a refresh and a tick.
        const int maxSeconds = glyph::Player::kMaxSeconds;
        const int maxScore = glyph::Player::kMaxScore;
        const std::vector<std::pair<int, int>> shown = {
            {25 * 60, 0}, {150 * 60, 123456}, {maxSeconds, maxScore}, {-maxSeconds, -maxScore}, {-61, -1},
            {90, 7},
        };
        for (const auto& [timeLeft, points] : shown) {
            ann.timeLeft = timeLeft;
            ann.score = points;
            fixture.session->refresh(false);
            for (int tick = 0; tick < 2; ++tick) {
                const int clock = ann.timeLeft;
                QCOMPARE(minutes->intValue(), clock / 60);
                QCOMPARE(seconds->intValue(), clock % 60);
                QCOMPARE(table->item(0, 2)->text(), QString::asprintf("%02d:%02d", clock / 60, clock % 60));
                QCOMPARE(score->intValue(), points);
                fixture.session->tick();
            }
        }
        QCOMPARE(overflows, 0);
        // A short clock again takes the LCD's width from the form.
        QCOMPARE(minutes->digitCount(), formMinuteDigits);
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
        fixture.prompter.setSaveFileNameHandler(chooser("save"));
        fixture.prompter.setOpenFileNameHandler(chooser("open"));
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

        // Save goes through the save dialog, then the open goes on; the caption names the file,
        // given ".tc" as its own name has no dot.
        QVERIFY(QDir().mkpath("Games/.hidden"));
        fixture.answer = 0;
        fileAnswers = {"Games/.hidden/first", QString()};
        window.openClicked();
        QCOMPARE(fileDialogs, (QStringList{"save", "open"}));
        QVERIFY(QFile::exists("Games/.hidden/first.tc"));
        QVERIFY(window.windowTitle().endsWith(" - first.tc"));
        // A score edited in place, as the position editor does, is a change to save.
        QVERIFY(!fixture.session->unsaved());
        fixture.game->rules()->players()[0].score += 5;
        fixture.game->rules()->amendSnapshot();
        QVERIFY(fixture.session->unsaved());
        // So is a tile edited onto the board alone, and an exchange played where a pass was;
        // the time used at a position is not.
        glyph::GameFileState state;
        glyph::GameRules& rules = *fixture.game->rules();
        auto changed = [&](auto change) {
            state.markSaved(*fixture.game, "x.tc");
            change();
            return state.unsaved(*fixture.game);
        };
        QVERIFY(changed([&] {
            fixture.game->board()[3][3] = glyph::Square{'Q', 0};
            rules.amendSnapshot();
        }));
        QVERIFY(changed([&] {
            rules.goPrevious();
            const std::string rack = rules.currentPlayer().rack;
            rules.passOrExchange(rack.substr(0, 2), rack.substr(2));
        }));
        QVERIFY(!changed([&] {
            rules.currentPlayer().timeLeft -= 10;
            rules.goPrevious();
            rules.goNext();
        }));

        // A second move, then Discard: the file's game replaces it and the move is gone.
        fixture.game->rules()->passOrExchange("", "");
        fixture.answer = 1;
        fileAnswers = {"Games/.hidden/first.tc"};
        window.openClicked();
        QCOMPARE(fixture.messages, (std::vector<QString>{question, question, question, question, question}));
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2));

        // A name ending in .gcg, in any case, is saved with ".tc" added: Open reads a .gcg file
        // as a game record, and the saved game must open again.
        fixture.game->rules()->goLast();
        QVERIFY(fixture.game->rules()->passOrExchange("", ""));
        const std::size_t turns = fixture.game->rules()->history().size();
        fileAnswers = {"Games/kept.Gcg"};
        QVERIFY(fixture.session->save());
        QVERIFY(QFile::exists("Games/kept.Gcg.tc") && !QFile::exists("Games/kept.Gcg"));
        fileAnswers = {"Games/kept.Gcg.tc"};
        QVERIFY(fixture.session->open());
        QCOMPARE(fixture.game->rules()->history().size(), turns);
        QCOMPARE(fixture.messages.size(), std::size_t(5));
    }

    void everyTextOfTheBoardStaysInItsCellWhateverTheBoardsShape()
    {
        // Between two squares a gap of background runs down and across the board; a label,
        // a tile letter or a margin number that spills out of its cell crosses it.
        for (const auto& [rows, columns] : std::vector<std::pair<int, int>>{{3, 17}, {17, 3}, {15, 15}}) {
            WindowFixture fixture;
            fixture.preferences->setInteger("TableRowsKey", rows);
            fixture.preferences->setInteger("TableColumnsKey", columns);
            const glyph::geometry::PremiumLists lists = glyph::geometry::standardLayout(rows, columns);
            fixture.preferences->setString("MultiLettersX2Key", lists.lettersX2);
            fixture.preferences->setString("MultiLettersX3Key", lists.lettersX3);
            fixture.preferences->setString("MultiWordsX2Key", lists.wordsX2);
            fixture.preferences->setString("MultiWordsX3Key", lists.wordsX3);
            QVERIFY(fixture.game->loadSettings());
            fixture.start({{"Ann", ""}, {"Bob", ""}});
            const char* const word = "MAXIMUM";
            for (int i = 0; word[i] != 0; ++i)
                fixture.game->board()[1 + i % rows][1 + i / rows % columns] = glyph::Square{word[i], 0};
            fixture.session->refresh(true);
            glyph::TableWidget& table = *fixture.window->table();
            const QImage image = table.grab().toImage();
            const QSize cell = table.cellSize(table.size());
            // The keyboard cursor's frame may reach into the gap; nothing else may.
            const QColor background = fixture.colour("ColorBackgroundKey");
            const QColor cursor = fixture.colour("ColorSelectedKey");
            const auto crosses = [&](int x, int y) {
                const QColor pixel = image.pixelColor(x, y);
                return pixel != background && pixel != cursor;
            };
            int crossings = 0;
            for (int k = 1; k <= columns + 1; ++k)
                for (int y = 0; y < (rows + 1) * cell.height(); ++y)
                    crossings += crosses(k * cell.width() - 2, y);
            for (int k = 1; k <= rows + 1; ++k)
                for (int x = 0; x < (columns + 1) * cell.width(); ++x)
                    crossings += crosses(x, k * cell.height() - 2);
            QVERIFY2(crossings == 0,
                     qPrintable(QString("%1 x %2: %3").arg(rows).arg(columns).arg(crossings)));
        }
    }

    void exportsAndThePrintoutShowThePositionOrSayWhyNot()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        // No move yet: no list to write, and the older file is left as it was.
        fixture.folder.write("Games/moves.txt", "an older list\n");
        fixture.chooseSaveFile("Games/moves");
        fixture.window->moves2TXTClicked();
        QCOMPARE(fixture.messages, std::vector<QString>{"Can't create text file"});
        QCOMPARE(fixture.folder.read("Games/moves.txt"), std::string("an older list\n"));

        fixture.setRack("CATEEEE");
        QVERIFY(fixture.lay(0, 8, 7) && fixture.lay(1, 8, 8) && fixture.lay(2, 8, 9));
        fixture.rack()->moveClicked();
        QVERIFY(fixture.game->rules()->passOrExchange("", ""));
        QVERIFY(fixture.game->rules()->passOrExchange("", ""));
        // The core's table of the position shown (its layout: the core's move list test), also
        // when stepped back to the first move.
        const auto listed = [&] { return glyph::movelisttext::table(*fixture.game, "No. ", "\n"); };
        fixture.window->moves2TXTClicked();
        QCOMPARE(fixture.folder.read("Games/moves.txt"), listed());
        fixture.window->previousClicked();
        fixture.window->previousClicked();
        QCOMPARE(fixture.game->rules()->historyPosition(), 1);
        fixture.window->moves2TXTClicked();
        QCOMPARE(fixture.folder.read("Games/moves.txt"), listed());

        // The bitmap, whatever the case of its extension, shows the board without this turn's tiles.
        fixture.setRack("DOGEEEE");
        QVERIFY(fixture.lay(0, 10, 10));
        fixture.chooseSaveFile("Games/board.BMP");
        fixture.window->table2BMPClicked();
        fixture.chooseSaveFile("Games/board");
        fixture.window->table2BMPClicked();
        QCOMPARE(QDir("Games").entryList(QDir::Files, QDir::Name),
                 (QStringList{"board.BMP", "board.bmp", "moves.txt"}));
        QCOMPARE(fixture.folder.read("Games/board.BMP").substr(0, 2), "BM");
        const glyph::TableWidget& table = *fixture.window->table();
        const QImage bitmap("Games/board.bmp");
        QCOMPARE(bitmap.size(), table.size());
        QCOMPARE(bitmap.pixelColor(squarePoint(table, 8, 8)), fixture.colour("ColorOcupiedKey"));
        QCOMPARE(bitmap.pixelColor(squarePoint(table, 10, 10)), fixture.colour("ColorLetterBackgroundKey"));
        QCOMPARE(bitmap.pixelColor(squarePoint(table, 1, 1)), fixture.colour("ColorWordX3Key"));
        QCOMPARE(fixture.game->rackSlots()[0].placed, std::uint8_t{1}); // the export changed nothing

        // A folder that cannot be written, whoever runs the test: its name is taken by a file.
        fixture.folder.write("Games/shelf", "not a folder");
        const QStringList before = QDir("Games").entryList(QDir::AllEntries | QDir::Hidden);
        fixture.chooseSaveFile("Games/shelf/moves");
        fixture.window->moves2TXTClicked();
        fixture.chooseSaveFile("Games/shelf/board.bmp");
        fixture.window->table2BMPClicked();
        QCOMPARE(fixture.messages, (std::vector<QString>{"Can't create text file", "Can't create text file",
                                                         "Can't save *.bmp"}));
        QCOMPARE(QDir("Games").entryList(QDir::AllEntries | QDir::Hidden), before);

        // The printout: on any page the board is a square inside the page, leaving room at its right.
        for (const QSize page : {QSize(1123, 794), QSize(794, 1123), QSize(3000, 500), QSize(40, 40)}) {
            const QRect square = glyph::exports::printedBoardRect(page);
            QCOMPARE(square.width(), square.height());
            QVERIFY(QRect(QPoint(0, 0), page).contains(square) || square.isEmpty());
            QVERIFY(square.right() <= page.width() * 2 / 3);
        }
        // A long name and a long score: the text gets smaller rather than being cut at the margin.
        fixture.game->rules()->players()[0].setName("Annabelle Montgomery-Fitzwilliam");
        fixture.game->rules()->players()[0].score = 1234;
        fixture.game->rules()->players()[1].score = 56;
        fixture.game->board()[8][8] = glyph::Square{'Q', 0};

        // Painted into an image: the board's squares are where the printout says, the text beside.
        const QSize page(1123, 794);
        QImage image(page, QImage::Format_RGB32);
        const QDateTime when(QDate(2026, 3, 4), QTime(5, 6));
        {
            QPainter painter(&image);
            glyph::exports::paintPrintout(*fixture.window->table(), painter, page, when);
        }
        const QRect board = glyph::exports::printedBoardRect(page);
        auto share = [&image](const QRect& area, auto test) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    count += test(image.pixelColor(x, y)) ? 1 : 0;
            return double(count) / (area.width() * area.height());
        };
        const auto white = [](const QColor& colour) { return colour == QColor(Qt::white); };
        const auto dark = [](const QColor& colour) { return colour.lightness() < 80; };
        const double boardWhite = share(board, white);
        QVERIFY(boardWhite > 0.2 && boardWhite < 0.8); // empty squares on the board's own colour
        const QRect beside(board.right() + board.left(), board.top(),
                           page.width() - board.right() - 2 * board.left(), board.height());
        QVERIFY(share(beside, dark) > 0.001); // the text
        QVERIFY(share(beside, white) > 0.8);  // on a white page, not a coloured one
        QVERIFY(share(QRect(0, 0, page.width(), board.top()), white) == 1.0);

        // Printed to a PDF, the text reads back: rules, date, names and scores.
        const QString pdf = QDir::current().absoluteFilePath("Games/printout.pdf");
        {
            QPrinter printer(QPrinter::ScreenResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageOrientation(QPageLayout::Landscape);
            printer.setOutputFileName(pdf);
            glyph::exports::printBoard(*fixture.window->table(), printer);
        }
        QProcess toText;
        toText.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(toText.waitForFinished(20000) && toText.exitCode() == 0, "pdftotext (poppler-utils) runs");
        const QString text = QString::fromUtf8(toText.readAllStandardOutput());
        for (const QString& expected :
             {QString("Game Classic"), QString("Annabelle Montgomery-Fitzwilliam: 1234 points"),
              QString("> Bob: 56 points"), QDateTime::currentDateTime().toString("yyyy-MM-dd")})
            QVERIFY2(text.contains(expected), qPrintable(expected + " missing in:\n" + text));
        QVERIFY(glyph::exports::printoutLines(*fixture.game, when).contains("2026-03-04 05:06"));

        // Print chose a PDF file: the file is replaced whole, so a second name of the old file keeps
        // the old bytes; one that cannot be written is left as it was and named in a warning.
        fixture.folder.write("Games/board.pdf", "an older printout\n");
        std::filesystem::create_hard_link(fixture.folder.file("Games/board.pdf"),
                                          fixture.folder.file("Games/kept.pdf"));
        QString printTo = QDir::current().absoluteFilePath("Games/board.pdf");
        fixture.onDialog = [&](QDialog& dialog) {
            QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(printTo);
            return static_cast<int>(QDialog::Accepted);
        };
        fixture.window->printClicked();
        QCOMPARE(fixture.folder.read("Games/board.pdf").substr(0, 5), std::string("%PDF-"));
        QCOMPARE(fixture.folder.read("Games/kept.pdf"), std::string("an older printout\n"));
        printTo = QDir::current().absoluteFilePath("Games/shelf/board.pdf");
        fixture.window->printClicked();
        QCOMPARE(fixture.messages.back(), "Can't print to " + printTo);
        QCOMPARE(fixture.folder.read("Games/shelf"), std::string("not a folder"));

        // Once the game is over, nobody is to move.
        while (!fixture.game->rules()->isGameOver())
            QVERIFY(fixture.game->rules()->passOrExchange("", ""));
        const QStringList over = glyph::exports::printoutLines(*fixture.game, when);
        QCOMPARE(over.filter(": ").size(), 2);
        QCOMPARE(over.filter("> ").size(), 0);
    }
};

QTEST_MAIN(GameFlowTest)
#include "gameflowtest.moc"
