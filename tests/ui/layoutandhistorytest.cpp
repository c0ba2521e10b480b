// What a game in progress keeps when the user changes its settings or steps back through it:
// the premium layout across a board-size change in Preferences, the later turns when a turn
// is played from an earlier position, and the rules the position editor holds to.

#include <cstring>

#include "engine/boardgeometry.h"
#include "ui/game/gameconfigurationwidget.h"
#include "ui/game/preferencesdialog.h"
#include "ui/game/topmovesdialog.h"
#include "uitestsupport.h"

using glyph::Move;
using glyph::MultiplierGrid;
using glyph::test::child;
using glyph::test::WindowFixture;
namespace geometry = glyph::geometry;

namespace
{

geometry::PremiumLists storedLists(const glyph::Preferences& preferences)
{
    return {preferences.string("MultiLettersX2Key"), preferences.string("MultiLettersX3Key"),
            preferences.string("MultiWordsX2Key"), preferences.string("MultiWordsX3Key")};
}

void storeLists(glyph::Preferences& preferences, const geometry::PremiumLists& lists)
{
    preferences.setString("MultiLettersX2Key", lists.lettersX2);
    preferences.setString("MultiLettersX3Key", lists.lettersX3);
    preferences.setString("MultiWordsX2Key", lists.wordsX2);
    preferences.setString("MultiWordsX3Key", lists.wordsX3);
}

/// The lists as multiplier grids "letter,word" per square over the whole storage, so that lists
/// holding the same squares in another order compare equal.
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

/// The moves the Top moves window lists for the current rack, as "notation score".
QStringList topMoves(WindowFixture& fixture)
{
    glyph::TopMovesDialog dialog(*fixture.session, fixture.window.get());
    QStringList shown;
    for (const Move& move : dialog.moves())
        shown << QString::fromStdString(fixture.game->moveText(move, fixture.game->board())) + " " +
                     QString::number(move.score);
    return shown;
}

/// Types a size into Preferences > Table, presses Set, then Apply.
void applySize(WindowFixture& fixture, int rows, int columns)
{
    glyph::PreferencesDialog dialog(*fixture.session, fixture.window.get());
    child<QLineEdit>(dialog, "lines")->setText(QString::number(rows));
    child<QLineEdit>(dialog, "columns")->setText(QString::number(columns));
    dialog.setClicked();
    dialog.applyClicked();
}

} // namespace

class LayoutAndHistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void aSizeChangeKeepsTheRunningGamesSquaresAndTheLayoutFollowsTheSizeUntilEdited()
    {
        WindowFixture fixture;
        const geometry::PremiumLists shipped = geometry::standardLayout(15, 15);
        storeLists(*fixture.preferences, shipped);
        fixture.game->loadSettings();
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.playBest(5, "AEIOTRS");
        fixture.setRack("ZAXIETR");
        const QStringList before = topMoves(fixture);
        QVERIFY(before.size() > 1);

        // 9 x 9 mid-game: the game keeps its board and every premium square of it.
        applySize(fixture, 9, 9);
        QCOMPARE(fixture.game->rows(), 15);
        QCOMPARE(fixture.messages.size(), std::size_t(1));
        QCOMPARE(topMoves(fixture), before);
        // The stored layout became the standard one of 9 x 9, and 15 brings back the shipped lists.
        QCOMPARE(squaresOf(storedLists(*fixture.preferences)), squaresOf(geometry::standardLayout(9, 9)));
        applySize(fixture, 15, 15);
        QCOMPARE(storedLists(*fixture.preferences), shipped);
        QCOMPARE(topMoves(fixture), before);

        // Set shows the standard layout of each new size, square by square.
        {
            glyph::PreferencesDialog dialog(*fixture.session, fixture.window.get());
            auto* table = child<QTableWidget>(dialog, "table");
            for (const int size : {9, 20}) {
                child<QLineEdit>(dialog, "lines")->setText(QString::number(size));
                child<QLineEdit>(dialog, "columns")->setText(QString::number(size + 1));
                dialog.setClicked();
                MultiplierGrid letters;
                MultiplierGrid words;
                geometry::applyPremiumLists(geometry::standardLayout(size, size + 1), letters, words);
                QCOMPARE(table->rowCount(), size * (size + 1));
                for (int row = 0; row < table->rowCount(); ++row) {
                    const int line = table->item(row, 0)->text().at(0).unicode() - 'A' + 1;
                    const int column = table->item(row, 1)->text().toInt();
                    QVERIFY(table->item(row, 2)->text().toInt() == letters[line][column] &&
                            table->item(row, 3)->text().toInt() == words[line][column]);
                }
            }
            // An edit makes the layout the user's own: a smaller size keeps it instead of the
            // standard one, and keeps the squares beyond it for a larger board later.
            table->item(0, 3)->setText("3");
            table->item(1, 3)->setText("1");
            child<QLineEdit>(dialog, "lines")->setText("5");
            child<QLineEdit>(dialog, "columns")->setText("5");
            dialog.setClicked();
            dialog.applyClicked();
        }
        std::vector<std::pair<int, int>> own = squaresOf(geometry::standardLayout(20, 21));
        own[glyph::kBoardCells + 1].second = 3; // A1
        own[glyph::kBoardCells + 2].second = 1; // A2
        QCOMPARE(squaresOf(storedLists(*fixture.preferences)), own);
        applySize(fixture, 15, 15);
        QCOMPARE(squaresOf(storedLists(*fixture.preferences)), own);
        QCOMPARE(topMoves(fixture), before);

        // "Standard layout" brings the shipped lists back.
        {
            glyph::PreferencesDialog dialog(*fixture.session, fixture.window.get());
            child<QPushButton>(dialog, "standardLayout")->click();
            dialog.applyClicked();
        }
        QCOMPARE(storedLists(*fixture.preferences), shipped);
    }

    void playingFromAnEarlierPositionAsksBeforeTheLaterTurnsGo()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.playBest(5, "AEIOTRS");
        glyph::GameRules& rules = *fixture.game->rules();
        QVERIFY(fixture.session->saveAs("Games/five.tc"));
        fixture.prompter.setOpenFileNameHandler(
            [](const QString&, const QString&) { return "Games/five.tc"; });
        QVERIFY(fixture.session->open());
        QCOMPARE(rules.historyPosition(), 0); // opened on the first position
        fixture.session->goTo(3);
        const int current = rules.currentPlayerIndex();

        // Cancel: nothing is played and the later turns stay.
        auto layBest = [&] {
            const Move best = glyph::moveGenerator(*fixture.game).generate(rules.currentPlayer().rack);
            QVERIFY(!best.isPass());
            fixture.game->showMoveInRackSlots(best);
        };
        layBest();
        fixture.answer = 1;
        fixture.session->move();
        fixture.session->passOrExchange("", rules.currentPlayer().rack);
        const QString asked = "Playing here removes the 2 later moves of this game.";
        QCOMPARE(fixture.messages, (std::vector<QString>{asked, asked}));
        QCOMPARE(rules.history().size(), std::size_t(6));
        QCOMPARE(rules.historyPosition(), 3);
        QCOMPARE(rules.currentPlayerIndex(), current);

        // OK: the move is played there and becomes the last turn; playing on asks no more.
        fixture.answer = 0;
        fixture.session->move();
        QCOMPARE(rules.history().size(), std::size_t(5));
        QCOMPARE(rules.historyPosition(), 4);
        fixture.session->passOrExchange("", rules.currentPlayer().rack);
        QCOMPARE(fixture.messages.size(), std::size_t(3));
        QCOMPARE(rules.history().size(), std::size_t(6));
    }

    void thePositionEditorKeepsToTheSetClampsAndLeavesAnEndedGameAlone()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        auto* editor = fixture.window->findChild<glyph::GameConfigurationWidget*>("gameConfiguration");
        QVERIFY(editor != nullptr);
        auto* players = child<QTableWidget>(*editor, "players");
        auto* board = child<QTableWidget>(*editor, "table");
        glyph::GameRules& rules = *fixture.game->rules();
        const std::string rack = rules.players()[0].rack;
        // Each refused edit names its reason and changes nothing, the confirmation not even asked.
        // (What the rules refuse and how they clamp: the core's position edit test.)
        const std::vector<std::pair<std::function<void()>, QString>> refused = {
            {[&] { players->item(0, 1)->setText("QQQQQQQ"); },
             "The board and the racks hold more Q tiles than the set has (1)."},
            {[&] { players->item(0, 1)->setText("ABCDEFGH"); }, "The rack of Ann holds more than 7 tiles."},
            {[&] {
                 for (int column = 0; column < 3; ++column)
                     board->item(7, column)->setText("z");
             },
             "The board and the racks hold more ? tiles than the set has (2)."},
        };
        for (const auto& [edit, reason] : refused) {
            editor->refresh();
            edit();
            fixture.messages.clear();
            editor->applyClicked();
            QCOMPARE(fixture.messages, std::vector<QString>{reason});
            QCOMPARE(std::string(rules.players()[0].rack), rack);
        }

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
        QCOMPARE(rules.players()[0].score, glyph::Player::kMaxScore);
        QCOMPARE(fixture.game->board()[8][8].letter, 'Q');
        QCOMPARE(rules.bag().total(), 100 - 3); // the set's 100 tiles less two racks of one and the Q
        QCOMPARE(players->item(0, 2)->text(), QString::number(glyph::Player::kMaxScore));

        // An ended game stays ended: the editor refuses to bring it back.
        for (int pass = 0; pass < 3; ++pass)
            rules.passOrExchange("", rules.currentPlayer().rack);
        QVERIFY(rules.isGameOver());
        editor->refresh();
        players->item(0, 1)->setText("Z");
        fixture.messages.clear();
        editor->applyClicked();
        QCOMPARE(fixture.messages,
                 std::vector<QString>{"This game has ended: its position cannot be changed any more."});
        QCOMPARE(std::string(rules.players()[0].rack), std::string("A"));
    }
};

QTEST_MAIN(LayoutAndHistoryTest)
#include "layoutandhistorytest.moc"
