// Game records and the analysis in the window: File > Open of a GCG record and File > Export
// of one, the analysis as columns of the move list (finishing and stopped), and the score chart
// of the move list and of the game-over dialog.

#include <QChart>
#include <QLineSeries>

#include <QSemaphore>

#include "ai/gameanalysis.h"
#include "base/random.h"
#include "ui/game/gameoverdialog.h"
#include "ui/game/moveslistdialog.h"
#include "ui/game/scorechart.h"
#include "ui/session/analysisrunner.h"
#include "uitestsupport.h"

using glyph::GameAnalysis;
using glyph::MovesListDialog;
using glyph::test::child;
using glyph::test::WindowFixture;

namespace
{

/// The moves and scores of every snapshot, to compare two histories by.
QStringList historyText(const glyph::GameRules& rules)
{
    QStringList lines;
    for (const glyph::HistoryEntry& entry : rules.history()) {
        QString line = QString::number(entry.move.isPass() ? 0 : entry.move.score) + " " + entry.move.word;
        for (const glyph::Player& player : entry.players)
            line += QString(" %1:%2:%3").arg(player.name).arg(player.score).arg(player.rack);
        lines << line;
    }
    return lines;
}

/// Each player's score after each round, counted straight from the history.
std::vector<std::vector<int>> scoresByRound(const glyph::GameRules& rules, int position)
{
    const int players = static_cast<int>(rules.players().size());
    std::vector<std::vector<int>> scores(static_cast<std::size_t>(players));
    for (int turn = 0; turn <= position; ++turn)
        if (turn % players == 0 || turn == position)
            for (int i = 0; i < players; ++i)
                scores[static_cast<std::size_t>(i)].push_back(rules.history()[turn].players[i].score);
    return scores;
}

std::vector<std::vector<int>> chartScores(const glyph::ScoreChart& chart)
{
    std::vector<std::vector<int>> scores;
    for (QAbstractSeries* series : chart.chart()->series()) {
        std::vector<int> line;
        for (const QPointF& point : static_cast<QLineSeries*>(series)->points())
            line.push_back(qRound(point.y()));
        scores.push_back(line);
    }
    return scores;
}

} // namespace

class RecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void exportThenOpenGivesTheSameGameAndADamagedRecordChangesNothing()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.playBest(12);
        const QStringList played = historyText(*fixture.game->rules());
        const std::string path = fixture.folder.file("Games/played");
        fixture.prompter.setSaveFileNameHandler(
            [&](const QString&, const QString&) { return QString::fromStdString(path); });
        fixture.window->game2GCGClicked();
        const std::string record = fixture.folder.read("Games/played.gcg");
        QVERIFY(record.rfind("#character-encoding UTF-8\n", 0) == 0);

        // Opened through File > Open, the record is the game with its whole history.
        fixture.start({{"Cid", ""}, {"Dee", ""}});
        QString openedFile = QString::fromStdString(path + ".gcg");
        QString offeredFilter;
        fixture.prompter.setOpenFileNameHandler([&](const QString&, const QString& filter) {
            offeredFilter = filter;
            return openedFile;
        });
        fixture.window->openClicked();
        QVERIFY(offeredFilter.contains("*.gcg"));
        QCOMPARE(historyText(*fixture.game->rules()), played);
        QVERIFY(fixture.messages.empty());
        QVERIFY(!fixture.session->unsaved()); // read from a file, as an opened game is

        // The record with its first scored move's line changed, opened through File > Open.
        const QStringList lines = QString::fromStdString(record).split('\n');
        const int move = static_cast<int>(lines.indexOf(QRegularExpression(">.* \\+\\d.*")));
        QVERIFY(move > 0);
        const auto openChanged = [&](const QString& line) {
            QStringList changed = lines;
            changed[move] = line;
            fixture.folder.write("Games/changed.gcg", changed.join('\n').toStdString());
            openedFile = QString::fromStdString(fixture.folder.file("Games/changed.gcg"));
            fixture.messages.clear();
            fixture.window->openClicked();
        };
        const QString named = QString("Line %1:").arg(move + 1);
        // A score the rules see otherwise is reported with its line, and the game still comes in.
        openChanged(QString(lines[move]).replace(" +", " +1")); // +12 becomes +112
        QCOMPARE(fixture.messages.size(), std::size_t(1));
        QVERIFY2(fixture.messages[0].contains(named), qPrintable(fixture.messages[0]));
        QCOMPARE(fixture.game->rules()->history().size(), std::size_t(played.size()));

        // A move off the board stops the import with one message naming its line; nothing changes.
        fixture.start({{"Cid", ""}, {"Dee", ""}});
        fixture.playBest(3);
        const QStringList before = historyText(*fixture.game->rules());
        const glyph::Board board = fixture.game->board();
        QStringList fields = lines[move].split(' '); // ">Name: rack position word +score total"
        fields[2] = "40A";
        fixture.answer = 1; // discard the game in progress
        openChanged(fields.join(' '));
        QCOMPARE(fixture.messages.size(), std::size_t(2)); // the save question, then the refusal
        QVERIFY2(fixture.messages[1].contains(named), qPrintable(fixture.messages[1]));
        QCOMPARE(historyText(*fixture.game->rules()), before);
        QVERIFY(fixture.game->board() == board);
    }

    void analysisFillsTheMoveListWithWhatTheCoreFindsAndASummary()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.playBest(14);
        glyph::GameRules& rules = *fixture.game->rules();
        rules.goTo(5); // the analysis looks at the whole game all the same
        const int turns = static_cast<int>(rules.history().size()) - 1;
        // The oracle: the analysis run straight on the game, with the same leave values.
        GameAnalysis direct(*fixture.game, glyph::leaveValues(*fixture.game));
        const std::vector<GameAnalysis::Turn> expected = direct.analyse(rules);
        QCOMPARE(static_cast<int>(expected.size()), turns);

        QStringList shown;
        QStringList wanted;
        fixture.onDialog = [&](QDialog& dialog) -> int {
            if (qobject_cast<MovesListDialog*>(&dialog) ==
                nullptr) // the game-over dialog of a game of passes
                return int(QDialog::Accepted);
            auto* stop = child<QPushButton>(dialog, "stop");
            if (!QTest::qWaitFor([stop] { return !stop->isEnabled(); }))
                return int(QDialog::Rejected);
            auto* table = child<QTableWidget>(dialog, "table");
            auto* summary = child<QTableWidget>(dialog, "summary");
            if (table->rowCount() != turns)
                return int(QDialog::Rejected);
            for (int row = 0; row < turns; ++row) {
                const GameAnalysis::Turn& turn = expected[static_cast<std::size_t>(row)];
                const bool costly = turn.pointsLost >= 10 || turn.equityLost >= 10;
                shown << table->item(row, 6)->text() + " " + table->item(row, 7)->text() + " " +
                             (table->item(row, 0)->background().color() == QColor(255, 205, 205) ? "costly"
                                                                                                 : "");
                wanted << QString::number(turn.pointsLost) + " " + QString::number(turn.equityLost, 'f', 1) +
                              " " + (costly ? "costly" : "");
            }
            const auto summaries = GameAnalysis::summarise(expected, 2);
            for (int player = 0; player < 2; ++player) {
                shown << summary->item(player, 1)->text() + " " + summary->item(player, 3)->text();
                wanted << QString::number(summaries[player].turns) + " " +
                              QString::number(summaries[player].pointsLost);
            }
            return int(QDialog::Accepted);
        };
        fixture.window->analyseGameClicked();
        QCOMPARE(fixture.dialogs.front(), QString("glyph::MovesListDialog"));
        QCOMPARE(shown, wanted);
        QCOMPARE(rules.historyPosition(), 5);
    }

    void stopEndsTheAnalysisAfterTheTurnUnderWay()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.playBest(10);
        MovesListDialog dialog(*fixture.session, nullptr, MovesListDialog::Mode::Analysis);
        auto* runner = dialog.findChild<glyph::AnalysisRunner*>();
        QVERIFY(runner != nullptr);
        // The worker waits after its first turn until Stop has been pressed; Stop is pressed
        // only once the worker waits there, or a busy machine could stop it before any turn.
        QSemaphore pressed;
        QAtomicInt waiting;
        connect(
            runner, &glyph::AnalysisRunner::progressed, runner,
            [&](int done, int) {
                if (done == 1) {
                    waiting.storeRelease(1);
                    pressed.acquire();
                }
            },
            Qt::DirectConnection);
        auto* stop = child<QPushButton>(dialog, "stop");
        QTRY_VERIFY_WITH_TIMEOUT(waiting.loadAcquire() == 1, 20000);
        QVERIFY(runner->running());
        QVERIFY(stop->isEnabled());
        QTest::mouseClick(stop, Qt::LeftButton);
        pressed.release();
        QTRY_VERIFY(!runner->running());
        QCOMPARE(runner->turns().size(), std::size_t(1));
        QVERIFY(!stop->isEnabled());
        QCOMPARE(child<QProgressBar>(dialog, "progress")->value(), 1);
        QVERIFY(child<QTableWidget>(dialog, "table")->item(0, 6) != nullptr);
        QVERIFY(child<QTableWidget>(dialog, "table")->item(1, 6) == nullptr);
    }

    void chartsHoldEachPlayersScoreAfterEachRound()
    {
        WindowFixture fixture;
        glyph::random::seed(3); // a deal that gives a game of more than three rounds
        fixture.start({{"Ann", ""}, {"Bob", ""}, {"Cid", ""}});
        fixture.playBest(400);
        glyph::GameRules& rules = *fixture.game->rules();
        QVERIFY(rules.history().size() > 10);
        QVERIFY(rules.isGameOver());
        const int last = static_cast<int>(rules.history().size()) - 1;
        {
            glyph::GameOverDialog over(*fixture.game, nullptr);
            auto* chart = child<glyph::ScoreChart>(over, "scoreChart");
            QCOMPARE(chartScores(*chart), scoresByRound(rules, last));
            for (int i = 0; i < 3; ++i)
                QCOMPARE(chartScores(*chart)[i].back(), static_cast<int>(rules.players()[i].score));
            QCOMPARE(chart->chart()->series()[1]->name(), QString("Bob"));
        }
        // The move list's chart stops at the position shown, in the middle of a round.
        rules.goTo(7);
        MovesListDialog list(*fixture.session, nullptr);
        const auto shown = chartScores(*child<glyph::ScoreChart>(list, "scoreChart"));
        QCOMPARE(shown, scoresByRound(rules, 7));
        QCOMPARE(shown[0].size(), std::size_t(4)); // the start, rounds 1 and 2, and turn 7
    }
};

QTEST_MAIN(RecordsTest)
#include "recordstest.moc"
