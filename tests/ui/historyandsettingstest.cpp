// A game's records, history and settings in the window: GCG records, the analysis, the score
// charts, premium layouts across a size change, the position editor, what the program takes from its
// preferences, the help pages and the translation.

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <QSemaphore>

#include <cmath>
#include <numeric>
#include <set>

#include "ai/gameanalysis.h"
#include "base/letters.h"
#include "base/random.h"
#include "engine/boardgeometry.h"
#include "support/tempdir.h"
#include "ui/common/qtdialogtexts.h"
#include "ui/common/startup.h"
#include "ui/common/translation.h"
#include "ui/common/uipreferences.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/game/gameconfigurationwidget.h"
#include "ui/game/gameoverdialog.h"
#include "ui/game/moveslistdialog.h"
#include "ui/game/preferencesdialog.h"
#include "ui/game/scorechart.h"
#include "ui/session/analysisrunner.h"
#include "ui/window/tipofdaydialog.h"
#include "uitestsupport.h"

using glyph::GameAnalysis;
using glyph::MovesListDialog;
using glyph::MultiplierGrid;
using glyph::test::child;
using glyph::test::WindowFixture;
namespace geometry = glyph::geometry;

namespace
{

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

/// The values at which a chart's rounds axis draws its ticks, as Qt places them for the axis's
/// tick type.
QList<double> roundTicks(const glyph::ScoreChart& chart)
{
    const auto* axis = qobject_cast<QValueAxis*>(chart.chart()->axes(Qt::Horizontal).value(0));
    QList<double> ticks;
    if (axis == nullptr)
        return ticks;
    if (axis->tickType() == QValueAxis::TicksFixed) {
        for (int i = 0; i < axis->tickCount(); ++i)
            ticks << axis->min() + i * (axis->max() - axis->min()) / (axis->tickCount() - 1);
        return ticks;
    }
    const double first =
        axis->tickAnchor() +
        std::ceil((axis->min() - axis->tickAnchor()) / axis->tickInterval()) * axis->tickInterval();
    for (double tick = first; tick <= axis->max(); tick += axis->tickInterval())
        ticks << tick;
    return ticks;
}

geometry::PremiumLists storedLists(const glyph::Preferences& preferences)
{
    return {preferences.string("MultiLettersX2Key"), preferences.string("MultiLettersX3Key"),
            preferences.string("MultiWordsX2Key"), preferences.string("MultiWordsX3Key")};
}

/// The lists as "letter,word" multipliers per square, so that lists in another order compare equal.
std::vector<std::pair<int, int>> squaresOf(const geometry::PremiumLists& lists)
{
    MultiplierGrid letters;
    MultiplierGrid words;
    geometry::applyPremiumLists(lists, letters, words);
    std::vector<std::pair<int, int>> squares;
    for (int row = 0; row < glyph::kBoardCells; ++row)
        for (int column = 0; column < glyph::kBoardCells; ++column)
            squares.emplace_back(letters[row][column], words[row][column]);
    return squares;
}

/// What a translation must keep: the printf conversions in order, Qt's %n markers in any
/// order, and the number of accelerator marks.
QString placeholders(QString text)
{
    static const QRegularExpression marker("%[1-9][0-9]?(?![0-9.a-zA-Z])");
    QStringList markers;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        markers << match.next().captured();
    markers.sort();
    const auto accelerators = text.remove("&&").count('&');
    return translation::conversions(text).join(' ') + " | " + markers.join(' ') + " | " +
           QString::number(accelerators);
}

/// The texts a dialog shows now: its title, and the texts, tool tips and list rows of its
/// visible widgets.
QStringList shownTexts(const QWidget& dialog)
{
    QStringList texts{dialog.windowTitle()};
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        texts << widget->toolTip();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            texts << box->title();
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            texts << combo->currentText();
        else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            texts << edit->text();
        else if (const auto* list = qobject_cast<const QAbstractItemView*>(widget))
            for (int row = 0; row < list->model()->rowCount(); ++row)
                texts << list->model()->index(row, 0).data().toString();
    }
    return texts;
}

/// The texts of the modal chooser that `open` runs, which is then cancelled.
QStringList chooserTexts(const std::function<void()>& open)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser != nullptr);
        texts = shownTexts(*chooser);
        chooser->reject();
    });
    open();
    return texts;
}

} // namespace

class HistoryAndSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void exportThenOpenGivesTheSameGameAndScoresSeenOtherwiseAreReported()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.playBest(12);
        const glyph::Game& game = *fixture.game;
        const glyph::Board board = game.board();
        const std::size_t turns = game.rules()->history().size();
        const std::string path = fixture.folder.file("Games/played");
        fixture.chooseSaveFile(QString::fromStdString(path));
        fixture.window->game2GCGClicked();
        const std::string record = fixture.folder.read("Games/played.gcg");

        // Opened through File > Open, the record is the game with its whole history (all it holds:
        // the core's record tests).
        fixture.start({{"Cid", ""}, {"Dee", ""}});
        QString openedFile = QString::fromStdString(path + ".gcg");
        QString offeredFilter;
        fixture.prompter.setOpenFileNameHandler([&](const QString&, const QString& filter) {
            offeredFilter = filter;
            return openedFile;
        });
        fixture.window->openClicked();
        QVERIFY(offeredFilter.contains("*.gcg"));
        QVERIFY(game.board() == board && game.rules()->history().size() == turns);
        QVERIFY(fixture.messages.empty());
        QVERIFY(!fixture.session->unsaved()); // read from a file, as an opened game is

        // A score the rules see otherwise (its first scored move's +12 made +112) is reported with
        // its line, and the game still comes in.
        QStringList lines = QString::fromStdString(record).split('\n');
        const int move = static_cast<int>(lines.indexOf(QRegularExpression(">.* \\+\\d.*")));
        QVERIFY(move > 0);
        lines[move].replace(" +", " +1");
        openedFile =
            QString::fromStdString(fixture.folder.write("Games/changed.gcg", lines.join('\n').toStdString()));
        fixture.window->openClicked();
        QCOMPARE(fixture.messages.size(), std::size_t(1));
        QVERIFY2(fixture.messages[0].contains(QString("Line %1:").arg(move + 1)),
                 qPrintable(fixture.messages[0]));
        QCOMPARE(game.rules()->history().size(), turns);
    }

    void analysisFillsTheMoveListWithWhatTheCoreFindsAndStopEndsIt()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        glyph::GameRules& rules = *fixture.game->rules();
        fixture.setRack("ZAXQIEE");
        rules.amendSnapshot();
        QVERIFY(rules.passOrExchange("", "")); // ZA or QI forgone: a costly turn
        fixture.playBest(13);
        rules.goTo(5); // the analysis looks at the whole game all the same
        // The oracle: the analysis run straight on the game, with the same leave values.
        GameAnalysis direct(*fixture.game, glyph::leaveValues(*fixture.game));
        const std::vector<GameAnalysis::Turn> expected = direct.analyse(rules);
        QCOMPARE(expected.size(), rules.history().size() - 1);

        QStringList wanted; // per turn the points and equity lost, a costly one marked; per player
        for (const GameAnalysis::Turn& turn : expected)
            wanted << QString("%1 %2 %3")
                          .arg(turn.pointsLost)
                          .arg(turn.equityLost, 0, 'f', 1)
                          .arg(turn.pointsLost >= 10 || turn.equityLost >= 10 ? "costly" : "");
        QVERIFY(wanted.filter("costly").size() > 0);
        for (const GameAnalysis::Summary& summary : GameAnalysis::summarise(expected, 2))
            wanted << QString("%1 %2").arg(summary.turns).arg(summary.pointsLost);
        QStringList shown;
        fixture.onDialog = [&](QDialog& dialog) {
            auto* stop = dialog.findChild<QPushButton*>("stop"); // none in the game-over dialog
            if (stop == nullptr || !QTest::qWaitFor([stop] { return !stop->isEnabled(); }))
                return int(QDialog::Accepted);
            const QTableWidget& table = *child<QTableWidget>(dialog, "table");
            const QColor costly(255, 205, 205);
            for (int row = 0; row < table.rowCount(); ++row)
                shown << QString("%1 %2 %3")
                             .arg(table.item(row, 6)->text(), table.item(row, 7)->text(),
                                  table.item(row, 0)->background().color() == costly ? "costly" : "");
            const QTableWidget& summary = *child<QTableWidget>(dialog, "summary");
            for (int player = 0; player < 2; ++player)
                shown << summary.item(player, 1)->text() + " " + summary.item(player, 3)->text();
            return int(QDialog::Accepted);
        };
        fixture.window->analyseGameClicked();
        QCOMPARE(shown, wanted);
        QCOMPARE(rules.historyPosition(), 5);

        // Stop ends the analysis after the turn under way.
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
        QVERIFY(runner->running() && stop->isEnabled());
        QTest::mouseClick(stop, Qt::LeftButton);
        pressed.release();
        QTRY_VERIFY(!runner->running());
        QVERIFY(!stop->isEnabled());
        QCOMPARE(child<QProgressBar>(dialog, "progress")->value(), 1);
        const QTableWidget& table = *child<QTableWidget>(dialog, "table");
        QVERIFY(table.item(0, 6) != nullptr && table.item(1, 6) == nullptr); // the one turn analysed
    }

    void chartsHoldEachPlayersScoreAfterEachRoundAndTheGameOverTableTheRackPenalties()
    {
        WindowFixture fixture;
        glyph::random::seed(3); // a deal that gives a game of more than three rounds
        fixture.start({{"Ann", ""}, {"Bob", ""}, {"Cid", ""}});
        fixture.playBest(400);
        glyph::GameRules& rules = *fixture.game->rules();
        QVERIFY(rules.history().size() > 10 && rules.isGameOver());
        const int last = static_cast<int>(rules.history().size()) - 1;
        rules.players()[1].setRack(""); // Bob as if he had played his rack out
        {
            glyph::GameOverDialog over(*fixture.game, nullptr);
            auto* chart = child<glyph::ScoreChart>(over, "scoreChart");
            QCOMPARE(chartScores(*chart), scoresByRound(rules, last));
            QCOMPARE(chart->chart()->series()[1]->name(), QString("Bob"));
            // A tick on each round while there are at most ten.
            QList<double> everyRound;
            for (std::size_t round = 0; round < scoresByRound(rules, last)[0].size(); ++round)
                everyRound << double(round);
            QCOMPARE(roundTicks(*chart), everyRound);
            // Beside each score: what the rack left costs, or for the one who played out, what
            // the others' racks held.
            std::vector<int> values;
            for (const glyph::Player& player : rules.players())
                values.push_back(glyph::letters::stringValue(fixture.game->letterSet(), player.rack));
            const int leftOver = std::accumulate(values.begin(), values.end(), 0);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(child<QTableWidget>(over, "table")->item(i, 2)->text(),
                         values[i] == 0 ? QString("+%1").arg(leftOver) : QString("-%1").arg(values[i]));
        }
        // The move list's chart stops at the position shown, in the middle of a round.
        rules.goTo(7);
        MovesListDialog list(*fixture.session, nullptr);
        // The start, rounds 1 and 2, and turn 7.
        QCOMPARE(chartScores(*child<glyph::ScoreChart>(list, "scoreChart")), scoresByRound(rules, 7));

        // Over ten rounds the ticks still fall on whole rounds from the start: twelve rounds of
        // exchanges, ticks two rounds apart.
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        for (int turn = 0; turn < 24; ++turn)
            QVERIFY(fixture.game->rules()->passOrExchange(
                std::string(fixture.game->rules()->currentPlayer().rack), ""));
        MovesListDialog longer(*fixture.session, nullptr);
        QCOMPARE(roundTicks(*child<glyph::ScoreChart>(longer, "scoreChart")),
                 (QList<double>{0, 2, 4, 6, 8, 10, 12}));
    }

    void aSizeChangeKeepsTheRunningGamesSquaresAndTheLayoutFollowsTheSizeUntilEdited()
    {
        WindowFixture fixture;
        // "Standard layout" replaces the fixture's own squares with the shipped lists.
        {
            glyph::PreferencesDialog dialog(*fixture.session, fixture.window.get());
            child<QPushButton>(dialog, "standardLayout")->click();
            dialog.applyClicked();
        }
        const geometry::PremiumLists shipped = geometry::standardLayout(15, 15);
        QCOMPARE(storedLists(*fixture.preferences), shipped);
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.playBest(5, "AEIOTRS");

        // 9 x 9 mid-game: the game keeps its board (and its squares: the core's geometry test) and says so.
        fixture.applySize("9", "9");
        QCOMPARE(fixture.game->rows(), 15);
        QCOMPARE(fixture.messages.size(), std::size_t(1));
        // The stored layout became the standard one of 9 x 9, and 15 brings back the shipped lists.
        QCOMPARE(squaresOf(storedLists(*fixture.preferences)), squaresOf(geometry::standardLayout(9, 9)));
        // Said once: a later Apply that leaves the size (a colour alone) says nothing, another size
        // the game cannot take is said again.
        {
            glyph::PreferencesDialog dialog(*fixture.session, fixture.window.get());
            dialog.setColourChooser([](const QColor&) { return QColor(1, 2, 3); });
            dialog.chooseColour(0);
            dialog.applyClicked();
        }
        QCOMPARE(fixture.messages.size(), std::size_t(1));
        fixture.applySize("11", "11");
        QCOMPARE(fixture.game->rows(), 15);
        QCOMPARE(fixture.messages.size(), std::size_t(2));
        fixture.applySize("15", "15");
        QCOMPARE(storedLists(*fixture.preferences), shipped);

        // Set shows the standard layout of the new size in the table, which Apply reads back (so
        // the squares stored below are the ones shown). An edit makes the layout the user's own: a
        // smaller size keeps it instead of the standard one, and keeps the squares beyond it for a
        // larger board later.
        std::vector<std::pair<int, int>> own = squaresOf(geometry::standardLayout(20, 21));
        {
            glyph::PreferencesDialog dialog(*fixture.session, fixture.window.get());
            auto* table = child<QTableWidget>(dialog, "table");
            child<QLineEdit>(dialog, "lines")->setText("20");
            child<QLineEdit>(dialog, "columns")->setText("21");
            dialog.setClicked();
            table->item(0, 3)->setText("3");
            table->item(1, 3)->setText("1");
            child<QLineEdit>(dialog, "lines")->setText("5");
            child<QLineEdit>(dialog, "columns")->setText("5");
            dialog.setClicked();
            dialog.applyClicked();
        }
        own[glyph::kBoardCells + 1].second = 3; // A1
        own[glyph::kBoardCells + 2].second = 1; // A2
        QCOMPARE(squaresOf(storedLists(*fixture.preferences)), own);
        fixture.applySize("15", "15");
        QCOMPARE(squaresOf(storedLists(*fixture.preferences)), own);
    }

    void thePositionEditorKeepsToTheSetClampsAndLeavesAnEndedGameAlone()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        auto* editor = fixture.find<glyph::GameConfigurationWidget>("gameConfiguration");
        auto* players = child<QTableWidget>(*editor, "players");
        auto* board = child<QTableWidget>(*editor, "table");
        glyph::GameRules& rules = *fixture.game->rules();
        // A refused edit names its reason and goes no further: the confirmation, which comes before
        // any change, is not even asked. A lower-case letter on the board is a joker. (What the
        // rules refuse and how they clamp: the core's position edit test.)
        for (int column = 0; column < 3; ++column)
            board->item(7, column)->setText("z");
        editor->applyClicked();
        QCOMPARE(fixture.messages,
                 std::vector<QString>{"The board and the racks hold more ? tiles than the set has (2)."});

        // Numbers beyond the game's range are shown as the game clamped them.
        editor->refresh();
        // Racks of the test's own, so that the bag's random deal cannot hold the Q laid below.
        players->item(0, 1)->setText("A");
        players->item(1, 1)->setText("B");
        players->item(0, 2)->setText("99999999999");
        board->item(7, 7)->setText("Q");
        fixture.messages.clear();
        editor->applyClicked();
        QCOMPARE(fixture.messages, std::vector<QString>{"Are you sure?"});
        QCOMPARE(fixture.game->board()[8][8].letter, 'Q');
        QCOMPARE(players->item(0, 2)->text(), QString::number(glyph::Player::kMaxScore));

        // An ended game stays ended: the editor refuses to bring it back.
        for (int pass = 0; pass < 3; ++pass)
            rules.passOrExchange("", rules.currentPlayer().rack);
        fixture.messages.clear();
        editor->applyClicked();
        QCOMPARE(fixture.messages,
                 std::vector<QString>{"This game has ended: its position cannot be changed any more."});
    }

    // Last: these change the application's style and font.
    void styleLanguageFontAndGeometryComeFromThePreferencesAndStayUsableWhenDamaged()
    {
        QVERIFY(!startup::isDesktopTooSmall(QSize(1024, 768)) &&
                startup::isDesktopTooSmall(QSize(1023, 768)) && startup::isDesktopTooSmall(QSize(1024, 767)));

        glyph::test::TempDir dir;
        // Written by hand: the bold field, not the weight, decides; colours out of range are clamped.
        const std::string path = dir.write(
            "Preferences.ini", "FontGeneralKey\n13 25 1 0 0 Courier New\nColorPlayerKey\n-5 300 128\n");
        {
            glyph::Preferences prefs(path);
            for (const auto& [index, style] : {std::pair(2, "windows"), std::pair(7, "fusion")}) {
                prefs.setInteger("PreferencesStyleKey", index);
                startup::applyStyle(prefs);
                QCOMPARE(QApplication::style()->name(), QString(style));
            }

            // The language picks the tip file; a tip file of the user's own outlives another language.
            QTranslator translator;
            prefs.setString("TipFileKey", "Help/Mine.txt");
            const std::pair<const char*, const char*> languages[] = {
                {"Languages/Deutsch.qm", "Help/Mine.txt"},
                {"Languages/Romana.qm", "Help/TipOfDay.rom"},
                {"Languages/English.qm", "Help/TipOfDay.eng"}};
            for (const auto& [language, tips] : languages) {
                prefs.setString("LanguageKey", language);
                startup::applyLanguage(prefs, translator);
                QCOMPARE(prefs.string("TipFileKey"), std::string(tips));
            }

            startup::applyFont(prefs);
            QCOMPARE(QApplication::font().family(), QString("Courier New"));
            QCOMPARE(QApplication::font().pointSize(), 13);
            QVERIFY(QApplication::font().bold());
            QColor colour;
            QVERIFY(glyph::uiprefs::getColour(prefs, "ColorPlayerKey", colour));
            QCOMPARE(colour, QColor(0, 255, 128));

            // Stored for the next start: the font, now underlined, and the window's geometry.
            QFont font = QApplication::font();
            font.setUnderline(true);
            glyph::uiprefs::setFont(prefs, "FontGeneralKey", font);
            glyph::uiprefs::setGeometry(prefs, "MainWindowKey", QRect(30, 40, 500, 300));
            QVERIFY(prefs.save());
        }
        glyph::Preferences prefs(path);
        startup::applyFont(prefs);
        QVERIFY(QApplication::font().underline() && QApplication::font().bold() &&
                !QApplication::font().italic());
        QCOMPARE(QApplication::font().family(), QString("Courier New"));
        QWidget window;
        glyph::WindowSizeKeeper::restore(prefs, window, "MainWindowKey");
        QCOMPARE(window.geometry(), QRect(30, 40, 500, 300));

        // A damaged geometry or font keeps the window on the screen and readable.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // (The bounds are the core's to prove; the window hands them its screen and smallest size.)
        for (const char* stored : {"0 0 2147483647 2147483647", "100 100 1 1"}) {
            prefs.setString("MainWindowKey", stored);
            QMainWindow window;
            window.setCentralWidget(new QLabel("A label that needs some room"));
            glyph::WindowSizeKeeper::restore(prefs, window, "MainWindowKey");
            QVERIFY2(screen.contains(window.geometry()), stored);
            QVERIFY2(window.width() >= window.minimumSizeHint().width() &&
                         window.height() >= window.minimumSizeHint().height(),
                     stored);
        }
        prefs.setString("FontGeneralKey", "2147483647 50 0 0 0 Sans");
        startup::applyFont(prefs);
        QCOMPARE(QApplication::font().pointSize(), glyph::windowlimits::kMaxFontPoints);
    }

    void tipOfTheDayAboutAndHelpShowTheFilesOfTheHelpFolder()
    {
        // From the menus, the game paused while each is shown: every tip of the file (empty lines
        // part them), the about and help pages, and a missing page empty.
        WindowFixture fixture;
        fixture.folder.write("Help/Tips.txt",
                             "First tip,\ntwo lines.\n\nSecond tip.\r\n\r\nThird tip, last.");
        fixture.folder.write("Help/Program.html", "<html><body><p>Rules here.</p></body></html>");
        fixture.folder.write("Help/Author.html", "<html><body><p>Written by us.</p></body></html>");
        fixture.preferences->setString("TipFileKey", "Help/Tips.txt");
        fixture.preferences->setInteger("TipShowKey", 0);
        QStringList shown;
        bool paused = true;
        fixture.onDialog = [&](QDialog& dialog) {
            paused = paused && fixture.session->paused();
            for (QTextBrowser* page : dialog.findChildren<QTextBrowser*>())
                shown << page->toPlainText().trimmed();
            if (auto* tips = qobject_cast<glyph::TipOfDayDialog*>(&dialog)) {
                std::set<QString> seen; // Next shows them in a random order
                for (int i = 0; i < 200 && seen.size() < 3; ++i) {
                    seen.insert(child<QPlainTextEdit>(*tips, "tip")->toPlainText());
                    child<QPushButton>(*tips, "next")->click();
                }
                shown << QStringList(seen.begin(), seen.end());
                child<QCheckBox>(*tips, "showNextTime")->setChecked(true);
            }
            return static_cast<int>(QDialog::Accepted);
        };
        fixture.window->tipOfDayClicked();
        fixture.window->aboutClicked();
        fixture.window->indexClicked();
        QVERIFY(paused && !fixture.session->paused());
        QCOMPARE(fixture.preferences->integer("TipShowKey"), 1);
        shown.sort();
        QCOMPARE(shown, (QStringList{"", "First tip,\ntwo lines.\n", "Rules here.", "Rules here.",
                                     "Second tip.\n", "Third tip, last.\n", "Written by us."}));

        // At start-up it stands in the middle of the window, or of the screen's free area when
        // the window is to be maximized (before the window manager has enlarged it).
        QWidget window;
        window.setGeometry(10, 20, 300, 200);
        glyph::TipOfDayDialog tip(*fixture.game, &window);
        const auto middle = [&tip] {
            tip.show();
            return QRect(tip.pos(), tip.size()).center();
        };
        tip.centreOn(window);
        QVERIFY((middle() - window.frameGeometry().center()).manhattanLength() <= 1);
        window.setWindowState(Qt::WindowMaximized);
        tip.centreOn(window);
        QVERIFY((middle() - window.screen()->availableGeometry().center()).manhattanLength() <= 1);
        QVERIFY(window.screen()->availableGeometry().center() != window.frameGeometry().center());
    }

    void everyTextHasAFinishedRomanianTranslationAndABadOneFallsBackToTheSource()
    {
        // A translation whose conversions differ from the source's would read arguments never passed.
        class Faulty : public QTranslator
        {
        public:
            QString translate(const char*, const char* source, const char*, int) const override
            {
                return QString::fromUtf8(source) == "%d tiles" ? "%s piese" : "%d piese";
            }
        } faulty;
        QCoreApplication::installTranslator(&faulty);
        const QString refused = translation::translateFormat("glyph", "%d tiles");
        const QString kept = translation::translateFormat("glyph", "%d pieces");
        QCoreApplication::removeTranslator(&faulty);
        QCOMPARE(refused, QString("%d tiles"));
        QCOMPARE(kept, QString("%d piese"));

        // lupdate brings a copy of the translation in step with the sources: a text new to it
        // comes in unfinished, a text gone from the sources is marked vanished.
        QTemporaryDir folder;
        const QString copy = folder.filePath("Romana.ts");
        QVERIFY(QFile::copy(GLYPH_SOURCE_DIR "/translations/Romana.ts", copy));
        QProcess lupdate;
        lupdate.setWorkingDirectory(GLYPH_SOURCE_DIR);
        lupdate.start(GLYPH_LUPDATE, {"-silent", "-locations", "none", "-I", ".", "ui", "app", "-ts", copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        int checked = 0;
        while (!xml.atEnd()) {
            if (!xml.readNextStartElement())
                continue;
            if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            if (xml.name() != QLatin1String("translation"))
                continue;
            const QString type = xml.attributes().value("type").toString();
            const QString translation = xml.readElementText();
            if (type == "vanished" || type == "obsolete")
                continue;
            ++checked;
            QVERIFY2(type.isEmpty() && !translation.isEmpty(), qPrintable("no Romanian for " + source));
            QVERIFY2(placeholders(translation) == placeholders(source),
                     qPrintable("placeholders differ in " + source + " -> " + translation));
        }
        QVERIFY(checked > 150);
    }

    void colourAndFontChoosersSpeakRomanianThroughTheProgramsTranslator()
    {
        WindowFixture fixture;
        glyph::PreferencesDialog dialog(*fixture.session, fixture.window.get());
        const auto bothChoosers = [&dialog] {
            return chooserTexts([&dialog] { dialog.chooseColour(0); }) +
                   chooserTexts([&dialog] { dialog.chooseFont(0); });
        };
        const QStringList english = bothChoosers();
        QTranslator romanian;
        QVERIFY(romanian.load(GLYPH_DIST_DIR "/Languages/Romana.qm"));
        QCoreApplication::installTranslator(&romanian);
        const QStringList shown = bothChoosers();
        QStringList listedLeftOut;
        for (const auto& [context, source] : qtdialogtexts::all())
            if (romanian.translate(qPrintable(context), qPrintable(source)).isEmpty())
                listedLeftOut << context + ": " + source;
        const QString unnamedStyle = QFontDatabase::styleString(QFont("Sans", 10, QFont::Bold, true));
        QCoreApplication::removeTranslator(&romanian);

        // Every Qt text the choosers can show is in the translation.
        QVERIFY2(listedLeftOut.isEmpty(), qPrintable(listedLeftOut.join(" | ")));
        QCOMPARE(unnamedStyle, QString("Aldin Cursiv"));
        // And what they show is Romanian, but for blanks, what the fonts name themselves, numbers,
        // colour codes and the words Romanian writes as English does.
        QSet<QString> sameInBoth{"OK", "&HTML:", "AaBbYyZz"};
        for (const QString& family : QFontDatabase::families()) {
            sameInBoth << family;
            for (const QString& style : QFontDatabase::styles(family))
                sameInBoth << style;
        }
        QStringList leftInEnglish;
        for (const QString& text : shown) {
            bool number = false;
            text.toDouble(&number);
            const bool blank = text.trimmed().isEmpty();
            if (english.contains(text) && !blank && !sameInBoth.contains(text) && !number &&
                !text.startsWith('#'))
                leftInEnglish << text;
        }
        QVERIFY2(leftInEnglish.isEmpty(), qPrintable(leftInEnglish.join(" | ")));
        QVERIFY(shown.contains("&Adăugați la culorile personalizate") && shown.contains("Alegeți fontul"));
    }
};

QTEST_MAIN(HistoryAndSettingsTest)
#include "historyandsettingstest.moc"
