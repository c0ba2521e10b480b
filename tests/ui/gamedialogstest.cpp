// The top-moves, move-list and bag dialogs as the user meets them in a game in progress.

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include <cstring>
#include <set>

#include "preferences/keys.h"
#include "ui/bagviewdialog.h"
#include "ui/moveslistdialog.h"
#include "ui/rackwidget.h"
#include "ui/tablewidget.h"
#include "ui/topmovesdialog.h"
#include "uitestsupport.h"

using glyph::Move;
using glyph::test::WindowFixture;

namespace
{

constexpr int kCentre = 8;
const char* const kRack = "CATEQZJ";

/// True when the word can be laid from the rack's letters (no jokers in these racks).
bool formable(const std::string& word, std::string rack)
{
    for (char letter : word) {
        const auto at = rack.find(letter);
        if (at == std::string::npos)
            return false;
        rack.erase(at, 1);
    }
    return true;
}

/// A game of two humans with the rack given to the first.
void startTwoHumans(WindowFixture& fixture, const std::string& rack = kRack)
{
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack(rack);
}

/// Plays the current player's best move from a fixed rack, or passes when there is none.
void playTurn(WindowFixture& fixture)
{
    fixture.setRack("AEIOTRS");
    glyph::MoveGenerator& generator = glyph::moveGenerator(*fixture.game);
    const Move best = generator.generate(fixture.game->rules()->currentPlayer().rack);
    if (best.isPass())
        fixture.game->rules()->passOrExchange("", "");
    else
        QVERIFY(fixture.game->rules()->playMove(best));
}

bool sameSlots(const std::array<glyph::RackSlot, glyph::kMaxRackSlots>& a,
               const std::array<glyph::RackSlot, glyph::kMaxRackSlots>& b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].letter != b[i].letter || a[i].placed != b[i].placed || a[i].row != b[i].row ||
            a[i].column != b[i].column || a[i].jokerLetter != b[i].jokerLetter)
            return false;
    return true;
}

} // namespace

class GameDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void topMovesOnAnEmptyBoardCrossTheCentre();
    void viewLimitsTheRowsButCopyTakesEveryMove();
    void placeKeepsTheMoveAndClosingWithoutPlaceRestores();
    void moveListHasARowPerRoundAndGoesBack();
    void moveListRefusesGoingToNoMove();
    void bagViewListsAndCountsTheTiles();
};

void GameDialogsTest::topMovesOnAnEmptyBoardCrossTheCentre()
{
    WindowFixture fixture;
    startTwoHumans(fixture);
    glyph::TopMovesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
    QVERIFY(fixture.window->paused());

    // Every formable word once at each across position that covers the centre, plus the pass.
    std::size_t expected = 1;
    for (const std::string& word : glyph::test::testWords())
        if (formable(word, kRack))
            expected += word.size();
    const std::vector<Move>& moves = dialog.moves();
    QCOMPARE(moves.size(), expected);
    QCOMPARE(dialog.total->text(), QString::number(expected));
    QCOMPARE(dialog.table->rowCount(), static_cast<int>(expected));
    QVERIFY(QRegularExpression("^Total time: \\d+ msec$").match(dialog.time->text()).hasMatch());

    std::set<std::string> seen;
    int passes = 0;
    for (int row = 0; row < dialog.table->rowCount(); ++row) {
        const Move& move = moves[static_cast<std::size_t>(row)];
        const QString text = dialog.table->item(row, 0)->text();
        QCOMPARE(dialog.table->item(row, 1)->text(), QString::number(move.score));
        if (move.isPass()) {
            ++passes;
            QCOMPARE(text, QString("PAS / CHANGE"));
            QCOMPARE(move.score, 0);
            continue;
        }
        const int length = static_cast<int>(std::strlen(move.word));
        QCOMPARE(move.horiz, std::uint8_t{1});
        QCOMPARE(int(move.lin), kCentre);
        QVERIFY(move.col <= kCentre && move.col + length - 1 >= kCentre);
        QVERIFY(move.score > 0);
        QVERIFY(text.startsWith("(H"));
        QVERIFY(seen.insert(text.toStdString()).second);
    }
    QCOMPARE(passes, 1);
    QVERIFY(moves.back().isPass());
    // The dialog works on its own copy: the generator's list is left empty.
    QCOMPARE(glyph::moveGenerator(*fixture.game).size(), 0);
    // The best move is shown on the board at once as this turn's placement.
    Move shown;
    QVERIFY(fixture.game->buildHumanMove(shown));
    QCOMPARE(QString(shown.word), QString(moves.front().word));
}

void GameDialogsTest::viewLimitsTheRowsButCopyTakesEveryMove()
{
    WindowFixture fixture;
    startTwoHumans(fixture);
    {
        glyph::TopMovesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        QCOMPARE(dialog.view->text(), QString("100"));
        const std::size_t all = dialog.moves().size();
        QVERIFY(all > 5);
        dialog.view->setText("5");
        QCOMPARE(dialog.table->rowCount(), 5);

        dialog.copyClicked();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), static_cast<qsizetype>(all));
        for (int row = 0; row < 5; ++row)
            QCOMPARE(lines[row],
                     dialog.table->item(row, 0)->text() + " " + dialog.table->item(row, 1)->text() + "p");
        QCOMPARE(lines.last(), QString("PAS / CHANGE 0p"));

        dialog.view->setText("five");
        QCOMPARE(dialog.table->rowCount(), 0);
        dialog.resize(300, 400);
    }
    // The non-numeric view was kept as 0, so the next dialog starts empty.
    QCOMPARE(fixture.preferences->integer(glyph::keys::kTopPrefered, -1), 0);
    glyph::TopMovesDialog again(*fixture.game, *fixture.window, fixture.window.get());
    QCOMPARE(again.size(), QSize(300, 400));
    QCOMPARE(again.view->text(), QString("0"));
    QCOMPARE(again.table->rowCount(), 0);
    QVERIFY(again.moves().size() > 5);
}

void GameDialogsTest::placeKeepsTheMoveAndClosingWithoutPlaceRestores()
{
    WindowFixture fixture;
    startTwoHumans(fixture);
    // The user has laid the C on the board and picked up the A.
    auto& tiles = fixture.game->rackSlots();
    tiles[0].placed = 1;
    tiles[0].row = 3;
    tiles[0].column = 3;
    fixture.game->setSelectedSlot(1);
    const auto before = tiles;

    Move chosen;
    {
        glyph::TopMovesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        dialog.table->setCurrentCell(2, 0);
        chosen = dialog.moves()[2];
        QVERIFY(!sameSlots(tiles, before));
    }
    QVERIFY(sameSlots(tiles, before));
    QCOMPARE(fixture.game->selectedSlot(), 1);
    QVERIFY(!fixture.window->paused());

    {
        glyph::TopMovesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        dialog.table->setCurrentCell(2, 0);
        dialog.placeClicked();
    }
    QCOMPARE(fixture.game->selectedSlot(), -1);
    Move laid;
    QVERIFY(fixture.game->buildHumanMove(laid));
    QCOMPARE(QString(laid.word), QString(chosen.word));
    QCOMPARE(laid.lin, chosen.lin);
    QCOMPARE(laid.col, chosen.col);

    // Move plays it.
    fixture.window->rack()->moveClicked();
    QCOMPARE(fixture.game->rules()->historyPosition(), 1);
    QCOMPARE(fixture.game->rules()->history()[1].move.score, chosen.score);
    QCOMPARE(fixture.game->board()[chosen.lin][chosen.col].letter, chosen.word[0]);
}

void GameDialogsTest::moveListHasARowPerRoundAndGoesBack()
{
    WindowFixture fixture;
    startTwoHumans(fixture);
    for (int turn = 0; turn < 5; ++turn)
        playTurn(fixture);
    glyph::GameRules& rules = *fixture.game->rules();
    QCOMPARE(rules.historyPosition(), 5);
    const glyph::Board afterTurn3 = rules.history()[3].board;

    {
        glyph::MovesListDialog dialog(*fixture.game, *fixture.window, nullptr);
        QVERIFY(fixture.window->paused());
        QCOMPARE(dialog.table->rowCount(), 3);
        QCOMPARE(dialog.table->columnCount(), 2);
        QCOMPARE(dialog.table->horizontalHeaderItem(0)->text(), QString("Ann"));
        QCOMPARE(dialog.table->horizontalHeaderItem(1)->text(), QString("Bob"));
        QVERIFY(dialog.table->item(2, 0) != nullptr);
        QVERIFY(dialog.table->item(2, 1) == nullptr);
        const Move& third = rules.history()[3].move;
        QCOMPARE(dialog.table->item(1, 0)->text(),
                 QString::fromStdString(fixture.game->moveText(third, fixture.game->board())) + " " +
                     QString::number(third.score));

        // The chosen turn is framed on the board.
        dialog.table->setCurrentCell(1, 0);
        QCOMPARE(QString(fixture.window->table()->highlightedMove().word), QString(third.word));
        dialog.goClicked();
        QCOMPARE(rules.historyPosition(), 3);
    }
    QVERIFY(fixture.window->table()->highlightedMove().isPass());
    QVERIFY(!fixture.window->paused());
    QVERIFY(std::memcmp(&fixture.game->board(), &afterTurn3, sizeof afterTurn3) == 0);
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);

    // Play goes on from turn 3: the later turns are dropped.
    playTurn(fixture);
    QCOMPARE(rules.historyPosition(), 4);
    QCOMPARE(static_cast<int>(rules.history().size()), 5);
    glyph::MovesListDialog after(*fixture.game, *fixture.window, nullptr);
    QCOMPARE(after.table->rowCount(), 2);
    QVERIFY(after.table->item(1, 1) != nullptr);
}

void GameDialogsTest::moveListRefusesGoingToNoMove()
{
    WindowFixture fixture;
    {
        // No game: an empty list that touches nothing.
        glyph::MovesListDialog dialog(*fixture.game, *fixture.window, nullptr);
        QCOMPARE(dialog.table->rowCount(), 0);
        QCOMPARE(dialog.table->columnCount(), 0);
        QVERIFY(!fixture.window->paused());
        dialog.goClicked();
        QVERIFY(fixture.messages.empty());
    }
    startTwoHumans(fixture);
    for (int turn = 0; turn < 3; ++turn)
        playTurn(fixture);
    auto& tiles = fixture.game->rackSlots();
    tiles[0].placed = 1;
    tiles[0].row = 1;
    tiles[0].column = 1;
    fixture.game->setSelectedSlot(2);
    const auto before = tiles;
    {
        glyph::MovesListDialog dialog(*fixture.game, *fixture.window, nullptr);
        dialog.goClicked();
        // The empty cell after the last turn is no move either.
        dialog.table->setCurrentCell(1, 1);
        dialog.goClicked();
        QCOMPARE(fixture.messages, (std::vector<QString>{"Please select a move", "Please select a move"}));
        QCOMPARE(fixture.game->rules()->historyPosition(), 3);
    }
    // Closing without going back puts this turn's placement and picked-up tile back.
    QVERIFY(sameSlots(tiles, before));
    QCOMPARE(fixture.game->selectedSlot(), 2);
}

void GameDialogsTest::bagViewListsAndCountsTheTiles()
{
    WindowFixture fixture;
    startTwoHumans(fixture);
    glyph::Bag& bag = fixture.game->rules()->bag();
    bag = glyph::Bag{};
    for (char tile : std::string("[EATA"))
        bag.returnTile(tile);
    {
        glyph::BagViewDialog dialog(*fixture.game, *fixture.window, nullptr);
        QVERIFY(fixture.window->paused());
        QCOMPARE(dialog.letters->toPlainText(), QString("A A E T ? "));
        QCOMPARE(dialog.information->text(), QString("Vowels(3) Consons(1) Total(5)"));
    }
    QVERIFY(!fixture.window->paused());
}

QTEST_MAIN(GameDialogsTest)
#include "gamedialogstest.moc"
