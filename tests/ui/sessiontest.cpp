// The turn flow on the game session alone, without a window: a human's move, a refused move,
// pass and exchange, the chain of computer turns chosen off the window's thread and stopped by
// Escape, the clocks' counted pause and a failing profile's report.

#include <QSignalSpy>

#include "uitestsupport.h"

using glyph::GameSession;
using glyph::test::WindowFixture;

class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void aHumanMovesPassesAndExchanges()
    {
        WindowFixture fixture(false);
        GameSession& session = *fixture.session;
        QDir().mkpath("Games/.hidden");
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        QSignalSpy positions(&session, &GameSession::positionChanged);

        // Nothing laid: refused with a message, nothing played.
        session.move();
        QCOMPARE(fixture.messages, std::vector<QString>{"Please make a valid move first"});
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(1));

        fixture.setRack("CATEEEE");
        fixture.place(0, 8, 7);
        fixture.place(1, 8, 8);
        fixture.place(2, 8, 9);
        session.move();
        QCOMPARE(fixture.game->board()[8][8].letter, 'A');
        QCOMPARE(fixture.game->rules()->players()[0].score, 10);
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
        QVERIFY(positions.count() >= 1);

        // A word not in the dictionary costs the turn, with the rules' warning.
        fixture.setRack("QQEEEEE");
        fixture.place(0, 9, 7);
        fixture.place(1, 10, 7);
        session.move();
        QCOMPARE(fixture.messages.size(), std::size_t(2));
        QCOMPARE(fixture.game->rules()->players()[1].score, 0);
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);

        // An exchange keeps the rack's size and the bag's; a pass hands the turn on.
        fixture.setRack("ABCDEFG");
        const int bag = fixture.game->rules()->bag().total();
        session.passOrExchange("AB", "CDEFG");
        QCOMPARE(fixture.game->rules()->bag().total(), bag);
        QCOMPARE(std::strlen(fixture.game->rules()->players()[0].rack), std::size_t(7));
        session.passOrExchange("", fixture.game->rules()->currentPlayer().rack);
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(5));
        QVERIFY(session.unsaved());

        // Saved under the name chosen, ".tc" added only when the file's own name has no dot.
        QVERIFY(session.saveAs(QDir::currentPath() + "/Games/.hidden/first"));
        QVERIFY(QFile::exists("Games/.hidden/first.tc") && !session.unsaved());
        QCOMPARE(GameSession::savedGameName("Games/first.game"), QString("Games/first.game"));
    }

    void computerTurnsChainOffTheWindowThreadUntilEscape()
    {
        WindowFixture fixture(false);
        GameSession& session = *fixture.session;
        session.setWaitFactor(0.01);
        fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}, {"Ann", ""}});
        QSignalSpy locks(&session, &GameSession::lockChanged);
        QSignalSpy notices(&session, &GameSession::thinking);

        // The turn starts and returns at once: the move is chosen on a worker thread.
        session.move();
        QVERIFY(session.locked());
        QVERIFY(session.paused());
        // Both computers play in turn, then the human is to move and the chain ends by itself.
        QTRY_COMPARE_WITH_TIMEOUT(fixture.game->rules()->currentPlayerIndex(), 2, 10000);
        QTRY_VERIFY(!session.locked());
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(3));
        QCOMPARE(locks.count(), 4); // taken and released once per turn
        QVERIFY(notices.count() >= 2);
        QVERIFY(!session.paused());

        // Escape during the first computer's turn: it is played, the second's is not started.
        session.setWaitFactor(0.2); // turns long enough to be caught under way
        session.passOrExchange("", fixture.game->rules()->currentPlayer().rack);
        QTRY_VERIFY_WITH_TIMEOUT(session.locked(), 5000);
        session.stopComputerPlayers();
        QTRY_VERIFY_WITH_TIMEOUT(!session.locked(), 10000);
        QTest::qWait(200);
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(5));
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
        // Move takes the chain up again.
        session.move();
        QTRY_COMPARE_WITH_TIMEOUT(fixture.game->rules()->currentPlayerIndex(), 2, 10000);

        // A turn abandoned (for New, Open or Exit) is never played, and no turn follows it.
        fixture.start({{"Cpu1", "alpha.cpu"}, {"Ann", ""}});
        session.move();
        const std::size_t played = fixture.game->rules()->history().size();
        session.abandonComputerTurn();
        QVERIFY(!session.locked());
        QTest::qWait(200);
        QCOMPARE(fixture.game->rules()->history().size(), played);
    }

    void clocksStandStillWhileAnyReasonHoldsThem()
    {
        WindowFixture fixture(false);
        GameSession& session = *fixture.session;
        fixture.start({{"Cpu", "alpha.cpu"}, {"Ann", ""}});
        const auto timeLeft = [&] { return fixture.game->rules()->players()[0].timeLeft; };
        const int start = timeLeft();

        // A hidden board holds the clocks; a dialog opened and closed meanwhile does not free them.
        {
            const auto hiddenBoard = session.pauses().hold();
            QDialog dialog;
            fixture.prompter.runDialog(dialog);
            session.tick();
            QCOMPARE(timeLeft(), start);

            // Nor does the end of a computer turn.
            session.setWaitFactor(0.01);
            session.move();
            QTRY_VERIFY_WITH_TIMEOUT(!session.locked(), 10000);
            QVERIFY(session.paused());
        }
        QVERIFY(!session.paused());
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        session.tick();
        QCOMPARE(fixture.game->rules()->currentPlayer().timeLeft, start - 1);
    }

    void aFailingProfileIsReportedWithTheMovePlayed()
    {
        WindowFixture fixture(false);
        GameSession& session = *fixture.session;
        session.setWaitFactor(0.01);
        fixture.folder.write("Profiles/broken.cpu", "error('no strategy today')\n");
        fixture.start({{"Cpu", "broken.cpu"}, {"Ann", ""}});
        QSignalSpy output(&session, &GameSession::scriptOutput);
        QSignalSpy status(&session, &GameSession::statusMessage);
        session.move();
        QTRY_VERIFY_WITH_TIMEOUT(!session.locked(), 10000);
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(2)); // the best move was played
        QVERIFY(!output.isEmpty() && output.last().at(0).toString().contains("no strategy today"));
        QVERIFY(output.last().at(0).toString().startsWith("Error: "));
        QCOMPARE(status.count(), 1);
        QVERIFY(status.last().at(0).toString().contains("broken.cpu"));
    }
};

QTEST_MAIN(SessionTest)
#include "sessiontest.moc"
