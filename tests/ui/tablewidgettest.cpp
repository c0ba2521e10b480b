// The board widget: geometry, tooltips, drops, take-back, blinking and square colours.

#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QtTest>

#include "ui/jokerdialog.h"
#include "ui/panelwidget.h"
#include "ui/tablewidget.h"
#include "ui/uipreferences.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

namespace
{

constexpr int kCellWidth = 40;
constexpr int kCellHeight = 30;

/// A point inside the square of line, column on a 640 x 480 board widget.
QPoint inside(int line, int column)
{
    return {column * kCellWidth + 5, line * kCellHeight + 5};
}

// What the board does with a drop carrying this text at this point.
void dropAt(glyph::TableWidget& table, const QPoint& point, const QString& text = "SF")
{
    table.drop(text, point);
}

void click(glyph::TableWidget& table, const QPoint& point, Qt::MouseButton button)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(point), table.mapToGlobal(QPointF(point)), button,
                      button, Qt::NoModifier);
    QCoreApplication::sendEvent(&table, &event);
}

int placedCount(const glyph::Game& game)
{
    int placed = 0;
    for (int i = 0; i < game.rackSlotCount(); ++i)
        placed += game.rackSlots()[i].placed;
    return placed;
}

} // namespace

class TableWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void cellsDivideTheWidgetIncludingTheMargins();
    void tooltipOfAnEmptySquareCountsTheBoard();
    void tooltipNamesOnlyTheLetterMultiplierWhenASquareHasBoth();
    void tooltipOfAnOccupiedSquareShowsItsWords();
    void tooltipIsEmptyOnTheMarginsAndWhenSwitchedOff();
    void dropsOutsideOrOnTakenSquaresAreRefused();
    void dropWithoutPickedTileIsIgnored();
    void droppedJokerTakesTheDialogsLetter();
    void mouseTakesTilesBack();
    void placedTilesAreHiddenOneTickInFive();
    void squaresUseTheLastMatchingPremiumColour();
    void laidAndTakenBackTilesReachTheScreenAtOnce();
    void emptyPremiumSquaresAreLabelled();
};

void TableWidgetTest::cellsDivideTheWidgetIncludingTheMargins()
{
    WindowFixture fixture;
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    QCOMPARE(table.cellSize(table.size()), QSize(40, 30));
    QCOMPARE(table.squareAt(QPoint(45, 35)), QPoint(1, 1)); // column 1, line A
    QCOMPARE(table.squareAt(QPoint(39, 29)), QPoint(0, 0)); // the corner margin
    QCOMPARE(table.squareAt(QPoint(639, 479)), QPoint(15, 15));
    table.resize(10, 10); // smaller than one pixel per cell
    QCOMPARE(table.squareAt(QPoint(5, 5)), QPoint(-1, -1));
    QCOMPARE(table.tipText(QPoint(5, 5)), QString());
}

void TableWidgetTest::tooltipOfAnEmptySquareCountsTheBoard()
{
    WindowFixture fixture;
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    QCOMPARE(table.tipText(inside(8, 8)), QString("(H8) word x 2\nFree: 225 (100.00%)\nOcupied: 0 (0.00%)"));

    fixture.game->board()[3][5] = glyph::Square{'Q', 0};
    fixture.game->board()[3][6] = glyph::Square{'I', 0};
    fixture.game->board()[3][7] = glyph::Square{'T', 0};
    QCOMPARE(table.tipText(inside(15, 15)), QString("(O15) \nFree: 222 (98.67%)\nOcupied: 3 (1.33%)"));
}

void TableWidgetTest::tooltipNamesOnlyTheLetterMultiplierWhenASquareHasBoth()
{
    WindowFixture fixture;
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    QVERIFY(table.tipText(inside(2, 2)).startsWith("(B2) letter x 3\nFree: 225"));
    QVERIFY(table.tipText(inside(1, 1)).startsWith("(A1) word x 3\n"));
}

void TableWidgetTest::tooltipOfAnOccupiedSquareShowsItsWords()
{
    WindowFixture fixture;
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    glyph::Board& board = fixture.game->board();
    // C A T across on line H from column 7, the A a joker; A T down from H8 through I8.
    board[8][7] = glyph::Square{'C', 0};
    board[8][8] = glyph::Square{'A', 1};
    board[8][9] = glyph::Square{'T', 0};
    board[9][8] = glyph::Square{'T', 0};
    QCOMPARE(table.tipText(inside(8, 9)), QString("(H9) \n(H7) CaT - 4\n"));
    QCOMPARE(table.tipText(inside(8, 8)), QString("(H8) word x 2\n(H7) CaT - 4\n(8H) aT - 1"));
    QCOMPARE(table.tipText(inside(9, 8)), QString("(I8) \n(8H) aT - 1"));

    board[12][12] = glyph::Square{'X', 0}; // stands alone in both directions
    QCOMPARE(table.tipText(inside(12, 12)), QString("(L12) \n"));
}

void TableWidgetTest::tooltipIsEmptyOnTheMarginsAndWhenSwitchedOff()
{
    WindowFixture fixture;
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    QCOMPARE(table.tipText(QPoint(5, 100)), QString());
    QCOMPARE(table.tipText(QPoint(100, 5)), QString());
    fixture.preferences->setInteger("ShowTableTooltipKey", 0);
    QCOMPARE(table.tipText(inside(8, 8)), QString());
}

void TableWidgetTest::dropsOutsideOrOnTakenSquaresAreRefused()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("ABCDEFG");
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    fixture.game->board()[5][5] = glyph::Square{'Z', 0};

    fixture.game->setSelectedSlot(0);
    dropAt(table, QPoint(5, 100)); // the line margin
    dropAt(table, inside(5, 5));
    QCOMPARE(fixture.game->selectedSlot(), 0); // still picked up after a refusal
    QCOMPARE(placedCount(*fixture.game), 0);

    dropAt(table, inside(8, 8));
    QCOMPARE(fixture.game->selectedSlot(), -1);
    QCOMPARE(int(fixture.game->rackSlots()[0].row), 8);
    QCOMPARE(int(fixture.game->rackSlots()[0].column), 8);

    fixture.game->setSelectedSlot(1);
    dropAt(table, inside(8, 8));
    QCOMPARE(fixture.messages,
             (std::vector<QString>{"Must be on the table!", "The current position is ocupied",
                                   "You move already here"}));
    QCOMPARE(placedCount(*fixture.game), 1);
    QCOMPARE(fixture.game->selectedSlot(), 1);
}

void TableWidgetTest::dropWithoutPickedTileIsIgnored()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("ABCDEFG");
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    fixture.game->setSelectedSlot(-1);
    dropAt(table, inside(8, 8));
    fixture.game->setSelectedSlot(0);
    dropAt(table, inside(8, 8), QString());
    QCOMPARE(placedCount(*fixture.game), 0);
    QVERIFY(fixture.messages.empty());
}

void TableWidgetTest::droppedJokerTakesTheDialogsLetter()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("A[B");
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);

    fixture.onDialog = [](QDialog& dialog) {
        auto& joker = dynamic_cast<glyph::JokerDialog&>(dialog);
        joker.joker->setCurrentIndex('E' - 'A');
        return int(QDialog::Rejected); // closed without OK: the letter shown still counts
    };
    fixture.game->setSelectedSlot(1);
    dropAt(table, inside(8, 8));
    QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::JokerDialog"});
    QCOMPARE(fixture.game->rackSlots()[1].jokerLetter, 'E');

    fixture.onDialog = nullptr; // a dialog closed untouched leaves A
    fixture.setRack("[");
    fixture.game->setSelectedSlot(0);
    dropAt(table, inside(8, 9));
    QCOMPARE(fixture.game->rackSlots()[0].jokerLetter, 'A');
}

void TableWidgetTest::mouseTakesTilesBack()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("CATSDOG");
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    for (int i = 0; i < 3; ++i) {
        fixture.game->setSelectedSlot(i);
        dropAt(table, inside(8, 7 + i));
    }
    QCOMPARE(placedCount(*fixture.game), 3);

    click(table, inside(8, 12), Qt::LeftButton); // no tile there
    QCOMPARE(placedCount(*fixture.game), 3);
    click(table, inside(8, 8), Qt::LeftButton);
    QCOMPARE(placedCount(*fixture.game), 2);
    QVERIFY(!fixture.game->rackSlots()[1].placed);
    click(table, inside(1, 1), Qt::RightButton);
    QCOMPARE(placedCount(*fixture.game), 0);
}

void TableWidgetTest::placedTilesAreHiddenOneTickInFive()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("CATSDOG");
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    fixture.game->setSelectedSlot(0);
    dropAt(table, inside(5, 5)); // a plain square, away from the premiums

    QColor current;
    glyph::uiprefs::getColour(*fixture.preferences, "ColorCurrentMoveKey", current);
    const QPoint centre(5 * kCellWidth + 3, 5 * kCellHeight + 21); // inside the tile, left of its letter
    int hidden = 0;
    for (int tick = 0; tick < 10; ++tick) {
        table.timerOut();
        const QColor shown = table.grab().toImage().pixelColor(centre);
        if (shown != current)
            ++hidden;
        QCOMPARE(shown == current, table.blinkCounter() != 0);
    }
    QCOMPARE(hidden, 2);
}

void TableWidgetTest::squaresUseTheLastMatchingPremiumColour()
{
    WindowFixture fixture;
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    const QImage image = table.grab().toImage();
    auto colour = [&](const char* key) {
        QColor value;
        glyph::uiprefs::getColour(*fixture.preferences, key, value);
        return value;
    };
    auto at = [&](int line, int column) {
        return image.pixelColor(column * kCellWidth + 6, line * kCellHeight + 6);
    };
    QCOMPARE(at(2, 2), colour("ColorLetterX3Key")); // word x 2 and letter x 3
    QCOMPARE(at(8, 8), colour("ColorWordX2Key"));
    QCOMPARE(at(1, 1), colour("ColorWordX3Key"));
    QCOMPARE(at(4, 1), colour("ColorLetterX2Key"));
    QCOMPARE(at(6, 6), colour("ColorLetterBackgroundKey"));

    fixture.game->board()[6][6] = glyph::Square{'E', 0};
    glyph::uiprefs::setColour(*fixture.preferences, "ColorOcupiedKey", QColor(1, 2, 3));
    const QImage after = table.grab().toImage();
    QCOMPARE(after.pixelColor(6 * kCellWidth + 6, 6 * kCellHeight + 6), QColor(1, 2, 3));
}

namespace
{

/// What the window shows on the screen now (the backing store), not a fresh rendering.
QImage onScreen(glyph::MainWindow& window)
{
    return window.screen()->grabWindow(window.winId()).toImage();
}

/// The colour on screen inside the square of line, column of the window's board, left of
/// where a tile's letter is drawn.
QColor squareColour(glyph::MainWindow& window, const QImage& screen, int line, int column)
{
    glyph::TableWidget& table = *window.table();
    const QSize cell = table.cellSize(table.size());
    const QPoint inSquare(column * cell.width() + 3, line * cell.height() + cell.height() / 2);
    return screen.pixelColor(table.mapTo(&window, inSquare));
}

} // namespace

void TableWidgetTest::laidAndTakenBackTilesReachTheScreenAtOnce()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("CATSDOG");
    fixture.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.window.get()));
    glyph::TableWidget& table = *fixture.window->table();
    QColor placed;
    QColor empty;
    glyph::uiprefs::getColour(*fixture.preferences, "ColorCurrentMoveKey", placed);
    glyph::uiprefs::getColour(*fixture.preferences, "ColorLetterBackgroundKey", empty);
    const QSize cell = table.cellSize(table.size());
    auto centreOf = [&](int line, int column) {
        return QPoint(column * cell.width() + cell.width() / 2, line * cell.height() + cell.height() / 2);
    };

    // Each drop is on the screen as soon as the events are processed, whatever the blink phase;
    // no blink tick comes in between (the blink period is far longer than this).
    const int lines[] = {5, 5, 5, 6};
    const int columns[] = {5, 6, 7, 5};
    for (int i = 0; i < 4; ++i) {
        for (int tick = 0; tick < i; ++tick) // a different blink phase for each drop
            table.timerOut();
        fixture.game->setSelectedSlot(i);
        QVERIFY(table.drop("SF", centreOf(lines[i], columns[i])));
        QCoreApplication::processEvents();
        const QImage screen = onScreen(*fixture.window);
        for (int j = 0; j <= i; ++j)
            QCOMPARE(squareColour(*fixture.window, screen, lines[j], columns[j]), placed);
    }

    // Taking one back empties its square and leaves the others in sight.
    click(table, centreOf(5, 6), Qt::LeftButton);
    QCoreApplication::processEvents();
    QImage screen = onScreen(*fixture.window);
    QCOMPARE(squareColour(*fixture.window, screen, 5, 6), empty);
    for (const QPoint& kept : {QPoint(5, 5), QPoint(7, 5), QPoint(5, 6)})
        QCOMPARE(squareColour(*fixture.window, screen, kept.y(), kept.x()), placed);

    // A right click takes all back.
    click(table, centreOf(1, 1), Qt::RightButton);
    QCoreApplication::processEvents();
    screen = onScreen(*fixture.window);
    for (const QPoint& gone : {QPoint(5, 5), QPoint(7, 5), QPoint(5, 6)})
        QCOMPARE(squareColour(*fixture.window, screen, gone.y(), gone.x()), empty);
}

void TableWidgetTest::emptyPremiumSquaresAreLabelled()
{
    WindowFixture fixture;
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    // A label leaves marks of another colour inside the square's fill; a plain square has none.
    auto inked = [&](const QImage& image, int line, int column) {
        const QColor fill = image.pixelColor(column * kCellWidth + 5, line * kCellHeight + 5);
        int count = 0;
        for (int y = line * kCellHeight + 5; y < (line + 1) * kCellHeight - 8; ++y)
            for (int x = column * kCellWidth + 5; x < (column + 1) * kCellWidth - 8; ++x)
                count += image.pixelColor(x, y) != fill ? 1 : 0;
        return count;
    };
    const QImage image = table.grab().toImage();
    for (const QPoint& premium : {QPoint(1, 1), QPoint(2, 2), QPoint(1, 4), QPoint(8, 8)})
        QVERIFY2(inked(image, premium.y(), premium.x()) > 0, "premium square without label");
    QCOMPARE(inked(image, 6, 6), 0);

    fixture.game->board()[6][6] = glyph::Square{'E', 0}; // the oracle sees a letter too
    QVERIFY(inked(table.grab().toImage(), 6, 6) > 0);
}

QTEST_MAIN(TableWidgetTest)
#include "tablewidgettest.moc"
