// The rack (tile strip, Move, Pas/Change) and the players' panel (current move, clock).

#include <QCheckBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QtTest>

#include "ui/gameoverdialog.h"
#include "ui/jokerdialog.h"
#include "ui/panelwidget.h"
#include "ui/paschangedialog.h"
#include "ui/rackwidget.h"
#include "ui/tablewidget.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

namespace
{

QPoint square(int line, int column)
{
    return {column * 40 + 5, line * 30 + 5};
}

void dropOnBoard(glyph::TableWidget& table, const QPoint& point)
{
    table.drop("SF", point);
}

std::string slotLetters(const glyph::Game& game)
{
    std::string letters;
    for (int i = 0; i < game.rackSlotCount(); ++i)
        letters += game.rackSlots()[i].letter;
    return letters;
}

} // namespace

class RackPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void droppingATileOnTheStripSwapsAndTheSelectionFollows();
    void computerTilesCannotBePickedUp();
    void currentMoveFollowsPlacementsAndTakeBacks();
    void moveWithoutPlacementWarnsAndPlaysNothing();
    void playedMoveScoresAndPassesTheTurn();
    void exchangeReturnsTheTickedTiles();
    void clockWarnsOnceAtZeroAndStopsWhilePaused();
    void gameOverShowsPenaltiesAndTheLastBestPlayer();
    void smallDialogsListLettersAndJokers();
};

void RackPanelTest::droppingATileOnTheStripSwapsAndTheSelectionFollows()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("ABCDEFG");
    glyph::PiecesWidget& pieces = *fixture.window->rack()->pieces();
    pieces.resize(700, 60);
    QCOMPARE(pieces.tileWidth(), 100);

    QVERIFY(pieces.pickUp(QPoint(150, 30)));
    QCOMPARE(fixture.game->selectedSlot(), 1);
    QVERIFY(pieces.reorder(QPoint(250, 30)));
    QCOMPARE(slotLetters(*fixture.game), std::string("ACBDEFG"));
    QCOMPARE(fixture.game->selectedSlot(), 2);

    QVERIFY(!pieces.reorder(QPoint(250, 30))); // onto itself
    fixture.setRack("ABC");
    QCOMPARE(pieces.tileWidth(), 100); // three tiles still take a seventh each
    QVERIFY(pieces.pickUp(QPoint(50, 30)));
    QVERIFY(!pieces.reorder(QPoint(550, 30))); // beyond the last tile
    QVERIFY(!pieces.pickUp(QPoint(450, 30)));  // no tile there
    QCOMPARE(slotLetters(*fixture.game), std::string("ABC"));
    QCOMPARE(pieces.dragPicture().size(), fixture.window->table()->cellSize(fixture.window->table()->size()));
}

void RackPanelTest::computerTilesCannotBePickedUp()
{
    WindowFixture fixture;
    fixture.start({{"Cpu", "alpha.cpu"}, {"Ann", ""}});
    glyph::PiecesWidget& pieces = *fixture.window->rack()->pieces();
    pieces.resize(700, 60);
    QVERIFY(!pieces.pickUp(QPoint(50, 30)));
    QCOMPARE(fixture.game->selectedSlot(), -1);
    QVERIFY(!fixture.window->rack()->pas->isEnabled());
    QVERIFY(fixture.window->rack()->Ui::UIRackWidget::move->isEnabled());
}

void RackPanelTest::currentMoveFollowsPlacementsAndTakeBacks()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("ATBCDFG");
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    QLabel& shown = *fixture.window->panel()->currentMove;
    QCOMPARE(shown.text(), QString("==-NO MOVE-=="));

    fixture.game->setSelectedSlot(0);
    dropOnBoard(table, square(8, 8));
    fixture.game->setSelectedSlot(1);
    dropOnBoard(table, square(8, 9));
    QCOMPARE(shown.text(), QString("(H8)AT 4p")); // both letters worth 1, H8 doubles the word

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(square(8, 9)), QPointF(square(8, 9)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&table, &press);
    QCOMPARE(shown.text(), QString("==-NO MOVE-=="));
}

void RackPanelTest::moveWithoutPlacementWarnsAndPlaysNothing()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.window->rack()->moveClicked();
    QCOMPARE(fixture.messages, std::vector<QString>{"Please make a valid move first"});
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);
}

void RackPanelTest::playedMoveScoresAndPassesTheTurn()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("ATBCDFG");
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    fixture.game->setSelectedSlot(0);
    dropOnBoard(table, square(8, 8));
    fixture.game->setSelectedSlot(1);
    dropOnBoard(table, square(8, 9));
    fixture.window->rack()->moveClicked();

    QVERIFY(fixture.messages.empty());
    QCOMPARE(fixture.game->rules()->players()[0].score, 4);
    QCOMPARE(fixture.game->board()[8][8].letter, 'A');
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
    QCOMPARE(fixture.window->rack()->playerName->text(), QString("Bob rack"));
    QCOMPARE(fixture.window->panel()->playersSituation->item(0, 1)->text(), QString("4"));
    QVERIFY(!fixture.window->rack()->computerTurnPending()); // the next player is a human
}

void RackPanelTest::exchangeReturnsTheTickedTiles()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("QQZZEEA");
    const int bagBefore = fixture.game->rules()->bag().total();
    fixture.onDialog = [](QDialog& dialog) {
        auto& pas = dynamic_cast<glyph::PasChangeDialog&>(dialog);
        if (pas.toggles().size() != 7)
            return int(QDialog::Rejected);
        for (int i = 0; i < 4; ++i)
            pas.toggles()[i]->setChecked(true); // Q Q Z Z
        return int(QDialog::Accepted);
    };
    fixture.window->rack()->pasChangeClicked();

    QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::PasChangeDialog"});
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
    QCOMPARE(fixture.game->rules()->bag().total(), bagBefore);
    const std::string rack = fixture.game->rules()->players()[0].rack;
    QCOMPARE(rack.size(), std::size_t(7));
    QVERIFY(std::count(rack.begin(), rack.end(), 'E') >= 2); // the kept tiles stay
    QVERIFY(std::count(rack.begin(), rack.end(), 'A') >= 1);

    fixture.onDialog = nullptr; // cancelled: nothing happens
    fixture.window->rack()->pasChangeClicked();
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
}

void RackPanelTest::clockWarnsOnceAtZeroAndStopsWhilePaused()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    glyph::PanelWidget& panel = *fixture.window->panel();
    glyph::Player& ann = fixture.game->rules()->currentPlayer();
    ann.timeLeft = 62;
    panel.timerOut();
    QCOMPARE(ann.timeLeft, 61);
    QCOMPARE(panel.minutes->intValue(), 1);
    QCOMPARE(panel.seconds->intValue(), 1);
    QCOMPARE(panel.playersSituation->item(0, 2)->text(), QString("01:01"));

    fixture.window->setPaused(true);
    panel.timerOut();
    QCOMPARE(ann.timeLeft, 61);
    fixture.window->tabs()->setCurrentIndex(1); // another page pauses as well
    fixture.window->setPaused(false);
    fixture.window->tabs()->setCurrentIndex(0);
    QVERIFY(!fixture.window->paused());
    fixture.window->tabs()->setCurrentIndex(2);
    QVERIFY(fixture.window->paused());
    fixture.window->tabs()->setCurrentIndex(0);

    ann.timeLeft = 2;
    for (int i = 0; i < 4; ++i)
        panel.timerOut();
    QCOMPARE(ann.timeLeft, 0);
    QCOMPARE(fixture.messages, std::vector<QString>{"Ann is out of time!!!"});
    QCOMPARE(panel.playersSituation->item(0, 2)->text(), QString("00:00"));
    QCOMPARE(fixture.game->rules()->players()[1].timeLeft, fixture.game->time() * 60);
}

void RackPanelTest::gameOverShowsPenaltiesAndTheLastBestPlayer()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}, {"Cid", ""}});
    auto& players = fixture.game->rules()->players();
    players[0].setRack("Q[");
    players[0].score = 40;
    players[1].setRack("");
    players[1].score = 52;
    players[2].setRack("AE");
    players[2].score = 52;
    glyph::GameOverDialog dialog(*fixture.game, nullptr);
    QCOMPARE(dialog.table->columnCount(), 4);
    QCOMPARE(dialog.table->horizontalHeaderItem(2)->text(), QString("Penalty"));
    QStringList rows;
    for (int row = 0; row < dialog.table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells << dialog.table->item(row, column)->text();
        rows << cells.join(",");
    }
    // Q is worth 10 and the joker 0, A and E 1 each: 12 in all goes to the empty rack.
    QCOMPARE(rows, (QStringList{"Ann,Q?,-10,40", "Bob,,+12,52", "Cid,AE,-2,52"}));
    QCOMPARE(dialog.winner->text(), QString("The winner is: Cid")); // a tie names the last
}

void RackPanelTest::smallDialogsListLettersAndJokers()
{
    glyph::JokerDialog joker(nullptr);
    QCOMPARE(joker.joker->count(), 26);
    QCOMPARE(joker.joker->itemText(25), QString("Z"));
    QCOMPARE(joker.letter(), 'A');

    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("K[E");
    glyph::PasChangeDialog pas(*fixture.game, nullptr);
    QCOMPARE(pas.toggles().size(), 3);
    QCOMPARE(pas.toggles()[1]->text(), QString("?"));
    QVERIFY(!pas.toggles()[0]->isChecked());
}

QTEST_MAIN(RackPanelTest)
#include "rackpaneltest.moc"
