// Laying tiles: the rack's strip, the board's drops and take-backs, Move and Pas/Change.

#include "ui/jokerdialog.h"
#include "ui/panelwidget.h"
#include "ui/paschangedialog.h"
#include "ui/rackwidget.h"
#include "uitestsupport.h"

using glyph::test::squarePoint;
using glyph::test::WindowFixture;

namespace
{

/// The colour on the screen (the backing store, not a fresh rendering) inside a board square.
QColor shownColour(glyph::MainWindow& window, int line, int column)
{
    QCoreApplication::processEvents();
    const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
    return screen.pixelColor(window.table()->mapTo(&window, squarePoint(*window.table(), line, column)));
}

} // namespace

class TableWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void tilesAreLaidTakenBackByClicksAndPlayed()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.setRack("AT[DEFG");
        fixture.show();
        glyph::TableWidget& table = *fixture.window->table();
        glyph::MainWindow& window = *fixture.window;
        const QLabel& current = *window.panel()->currentMove;
        fixture.game->board()[5][5] = glyph::Square{'Z', 0};

        QVERIFY(!fixture.lay(0, 5, 5));
        QVERIFY(!table.drop("SF", QPoint(2, squarePoint(table, 8, 8).y()))); // the line margin
        QVERIFY(!table.drop("", squarePoint(table, 8, 8)));                  // a drop carrying no tile
        QCOMPARE(fixture.game->selectedSlot(), 0); // still picked up after a refusal
        QVERIFY(fixture.lay(0, 8, 8));
        QVERIFY(!table.drop("SF", squarePoint(table, 8, 9))); // nothing picked up
        QVERIFY(!fixture.lay(1, 8, 8));
        QVERIFY(fixture.lay(1, 8, 9));
        QCOMPARE(current.text(), QString("(H8)AT 4p")); // both letters worth 1, H8 doubles the word

        // A joker takes the letter the dialog shows, even when it is closed without OK.
        fixture.onDialog = [](QDialog& dialog) {
            dynamic_cast<glyph::JokerDialog&>(dialog).joker->setCurrentIndex('E' - 'A');
            return int(QDialog::Rejected);
        };
        QVERIFY(fixture.lay(2, 8, 10));
        QCOMPARE(fixture.game->rackSlots()[2].jokerLetter, 'E');

        // Every laid tile is on the screen at once, not at the next blink tick.
        const QColor laid = fixture.colour("ColorCurrentMoveKey");
        const QColor empty = fixture.colour("ColorLetterBackgroundKey");
        for (int column = 8; column <= 10; ++column)
            QCOMPARE(shownColour(window, 8, column), laid);

        // A left click takes one tile back, a click on an empty square none.
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 8, 12));
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 8, 9));
        QCOMPARE(shownColour(window, 8, 9), empty);
        QCOMPARE(current.text(), QString("==-NO MOVE-=="));

        // A right click anywhere takes all back.
        QTest::mouseClick(&table, Qt::RightButton, {}, squarePoint(table, 1, 1));
        QVERIFY(!fixture.game->rackSlots()[0].placed && !fixture.game->rackSlots()[2].placed);
        QCOMPARE(shownColour(window, 8, 10), empty);

        // Move plays only what is laid, and hands the turn on.
        window.rack()->moveClicked();
        QVERIFY(fixture.lay(0, 8, 8) && fixture.lay(1, 8, 9));
        window.rack()->moveClicked();
        QCOMPARE(fixture.messages,
                 (std::vector<QString>{"The current position is ocupied", "Must be on the table!",
                                       "You move already here", "Please make a valid move first"}));
        QCOMPARE(fixture.game->board()[8][9].letter, 'T');
        QCOMPARE(fixture.window->panel()->playersSituation->item(0, 1)->text(), QString("4"));
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
        QCOMPARE(window.rack()->playerName->text(), QString("Bob rack"));
    }

    void stripSwapsAndExchangesTheHumansTiles()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Cpu", "alpha.cpu"}});
        fixture.setRack("ABCDEFG");
        glyph::PiecesWidget& pieces = *fixture.window->rack()->pieces();
        pieces.resize(700, 60); // tiles 100 pixels wide

        QVERIFY(pieces.pickUp(QPoint(150, 30)));
        QCOMPARE(fixture.game->selectedSlot(), 1);
        QVERIFY(pieces.reorder(QPoint(250, 30)));
        QCOMPARE(QString(fixture.game->rackSlots()[1].letter) + fixture.game->rackSlots()[2].letter,
                 QString("CB"));
        QCOMPARE(fixture.game->selectedSlot(), 2); // the selection follows the tile

        fixture.setRack("ABC"); // three tiles still take a seventh of the strip each
        QVERIFY(!pieces.pickUp(QPoint(450, 30)));

        // Ticked tiles go back to the bag: the set's one Q and one Z at most come out. Cancel
        // changes nothing.
        fixture.setRack("QQZZEEA");
        const int bagBefore = fixture.game->rules()->bag().total();
        fixture.window->rack()->pasChangeClicked();
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);
        fixture.onDialog = [](QDialog& dialog) {
            auto& pas = dynamic_cast<glyph::PasChangeDialog&>(dialog);
            for (int i = 0; i < 4 && pas.toggles().size() == 7; ++i)
                pas.toggles()[i]->setChecked(true);
            return int(QDialog::Accepted);
        };
        fixture.window->rack()->pasChangeClicked();
        QCOMPARE(fixture.dialogs, (std::vector<QString>{"glyph::PasChangeDialog", "glyph::PasChangeDialog"}));
        QCOMPARE(fixture.game->rules()->bag().total(), bagBefore);
        const std::string rack = fixture.game->rules()->players()[0].rack;
        auto count = [&](char letter) { return std::count(rack.begin(), rack.end(), letter); };
        QVERIFY(rack.size() == 7 && count('E') >= 2 && count('A') >= 1 && count('Q') <= 1 && count('Z') <= 1);

        // The computer's tiles cannot be picked up, nor can it be made to pass.
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
        QVERIFY(!pieces.pickUp(QPoint(50, 30)));
        QVERIFY(!fixture.window->rack()->pas->isEnabled());
    }
};

QTEST_MAIN(TableWidgetTest)
#include "tablewidgettest.moc"
