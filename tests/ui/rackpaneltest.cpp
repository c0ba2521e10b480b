// The rack (tile strip, Move, Pas/Change) and the players' panel's clock.

#include <QCheckBox>

#include "ui/panelwidget.h"
#include "ui/paschangedialog.h"
#include "ui/rackwidget.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

namespace
{

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
    void stripSwapsTilesAndOnlyAHumanPicksThemUp();
    void moveAndExchangeEndTheHumansTurn();
    void clockWarnsOnceAtZeroAndStopsWhilePaused();
};

void RackPanelTest::stripSwapsTilesAndOnlyAHumanPicksThemUp()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Cpu", "alpha.cpu"}});
    fixture.setRack("ABCDEFG");
    glyph::PiecesWidget& pieces = *fixture.window->rack()->pieces();
    pieces.resize(700, 60); // tiles 100 pixels wide

    QVERIFY(pieces.pickUp(QPoint(150, 30)));
    QCOMPARE(fixture.game->selectedSlot(), 1);
    QVERIFY(pieces.reorder(QPoint(250, 30)));
    QCOMPARE(slotLetters(*fixture.game), std::string("ACBDEFG"));
    QCOMPARE(fixture.game->selectedSlot(), 2); // the selection follows the tile
    QVERIFY(!pieces.reorder(QPoint(250, 30))); // onto itself

    fixture.setRack("ABC"); // three tiles still take a seventh of the strip each
    QVERIFY(pieces.pickUp(QPoint(50, 30)));
    QVERIFY(!pieces.reorder(QPoint(550, 30))); // beyond the last tile
    QVERIFY(!pieces.pickUp(QPoint(450, 30)));
    QCOMPARE(slotLetters(*fixture.game), std::string("ABC"));

    // The computer's tiles cannot be picked up, nor can it be made to pass.
    QVERIFY(fixture.game->rules()->passOrExchange("", ""));
    fixture.window->refresh(false);
    QVERIFY(!pieces.pickUp(QPoint(50, 30)));
    QCOMPARE(fixture.game->selectedSlot(), -1);
    QVERIFY(!fixture.window->rack()->pas->isEnabled());
}

void RackPanelTest::moveAndExchangeEndTheHumansTurn()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.show();
    fixture.setRack("ATBCDFG");
    glyph::RackWidget& rack = *fixture.window->rack();
    rack.moveClicked();
    QCOMPARE(fixture.messages, std::vector<QString>{"Please make a valid move first"});
    QVERIFY(fixture.lay(0, 8, 8) && fixture.lay(1, 8, 9));
    rack.moveClicked();
    QCOMPARE(fixture.messages.size(), std::size_t(1));
    QCOMPARE(fixture.game->board()[8][9].letter, 'T');
    QCOMPARE(fixture.game->rules()->players()[0].score, 4);
    QCOMPARE(fixture.window->panel()->playersSituation->item(0, 1)->text(), QString("4"));
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
    QCOMPARE(rack.playerName->text(), QString("Bob rack"));
    QVERIFY(!rack.computerTurnPending()); // the next player is a human

    // Bob ticks Q Q Z Z: they go back to the bag, the set's one Q and one Z at most come out.
    fixture.setRack("QQZZEEA");
    const int bagBefore = fixture.game->rules()->bag().total();
    fixture.onDialog = [](QDialog& dialog) {
        auto& pas = dynamic_cast<glyph::PasChangeDialog&>(dialog);
        for (int i = 0; i < 4 && pas.toggles().size() == 7; ++i)
            pas.toggles()[i]->setChecked(true);
        return int(QDialog::Accepted);
    };
    rack.pasChangeClicked();
    QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::PasChangeDialog"});
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);
    QCOMPARE(fixture.game->rules()->bag().total(), bagBefore);
    const std::string bobs = fixture.game->rules()->players()[1].rack;
    auto count = [&](char letter) { return std::count(bobs.begin(), bobs.end(), letter); };
    QCOMPARE(bobs.size(), std::size_t(7));
    QVERIFY(count('E') >= 2 && count('A') >= 1 && count('Q') <= 1 && count('Z') <= 1);

    fixture.onDialog = nullptr; // cancelled: Ann keeps the turn
    rack.pasChangeClicked();
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);
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
    QCOMPARE(panel.playersSituation->item(0, 2)->text(), QString("01:01"));

    fixture.window->setPaused(true);
    panel.timerOut();
    fixture.window->setPaused(false);
    fixture.window->tabs()->setCurrentIndex(2); // another page pauses as well
    panel.timerOut();
    fixture.window->tabs()->setCurrentIndex(0);
    QCOMPARE(ann.timeLeft, 61);

    ann.timeLeft = 2;
    for (int i = 0; i < 4; ++i)
        panel.timerOut();
    QCOMPARE(ann.timeLeft, 0);
    QCOMPARE(fixture.messages, std::vector<QString>{"Ann is out of time!!!"});
    QCOMPARE(panel.playersSituation->item(0, 2)->text(), QString("00:00"));
    QCOMPARE(fixture.game->rules()->players()[1].timeLeft, fixture.game->time() * 60);
}

QTEST_MAIN(RackPanelTest)
#include "rackpaneltest.moc"
