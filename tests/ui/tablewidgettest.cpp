// The board widget: laying tiles and taking them back, blinking, tooltips and square colours.

#include <QScreen>

#include "ui/jokerdialog.h"
#include "ui/panelwidget.h"
#include "uitestsupport.h"

using glyph::test::squarePoint;
using glyph::test::WindowFixture;

namespace
{

int placedCount(const glyph::Game& game)
{
    int placed = 0;
    for (int i = 0; i < game.rackSlotCount(); ++i)
        placed += game.rackSlots()[i].placed;
    return placed;
}

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
    void tilesAreLaidOnFreeSquaresAndTakenBackByClicks();
    void tooltipsNameTheSquareItsPremiumAndItsWords();
    void squaresShowTheirPremiumColourAndLabel();
};

void TableWidgetTest::tilesAreLaidOnFreeSquaresAndTakenBackByClicks()
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
    QCOMPARE(fixture.game->selectedSlot(), 0);                           // still picked up after a refusal
    QVERIFY(fixture.lay(0, 8, 8));
    QCOMPARE(fixture.game->selectedSlot(), -1);
    QVERIFY(!table.drop("SF", squarePoint(table, 8, 9))); // nothing picked up
    QVERIFY(!fixture.lay(1, 8, 8));
    QCOMPARE(fixture.messages, (std::vector<QString>{"The current position is ocupied",
                                                     "Must be on the table!", "You move already here"}));
    QVERIFY(fixture.lay(1, 8, 9));
    QCOMPARE(current.text(), QString("(H8)AT 4p")); // both letters worth 1, H8 doubles the word

    // A joker takes the letter the dialog shows, even when it is closed without OK.
    fixture.onDialog = [](QDialog& dialog) {
        dynamic_cast<glyph::JokerDialog&>(dialog).joker->setCurrentIndex('E' - 'A');
        return int(QDialog::Rejected);
    };
    QVERIFY(fixture.lay(2, 8, 10));
    QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::JokerDialog"});
    QCOMPARE(fixture.game->rackSlots()[2].jokerLetter, 'E');
    QCOMPARE(placedCount(*fixture.game), 3);

    // Every laid tile is on the screen at once, whatever the blink phase.
    const QColor laid = fixture.colour("ColorCurrentMoveKey");
    const QColor empty = fixture.colour("ColorLetterBackgroundKey");
    for (int column = 8; column <= 10; ++column)
        QCOMPARE(shownColour(window, 8, column), laid);

    // A left click takes one tile back, a click on an empty square none.
    QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 8, 12));
    QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 8, 9));
    QCOMPARE(placedCount(*fixture.game), 2);
    QVERIFY(!fixture.game->rackSlots()[1].placed);
    QCOMPARE(shownColour(window, 8, 9), empty);
    QCOMPARE(shownColour(window, 8, 8), laid);
    QCOMPARE(current.text(), QString("==-NO MOVE-=="));

    // The laid tiles blink: hidden one tick in five.
    int hidden = 0;
    for (int tick = 0; tick < 10; ++tick) {
        table.timerOut();
        hidden += table.grab().toImage().pixelColor(squarePoint(table, 8, 8)) != laid ? 1 : 0;
    }
    QCOMPARE(hidden, 2);

    // A right click anywhere takes all back.
    QTest::mouseClick(&table, Qt::RightButton, {}, squarePoint(table, 1, 1));
    QCOMPARE(placedCount(*fixture.game), 0);
    QCOMPARE(shownColour(window, 8, 8), fixture.colour("ColorWordX2Key"));
    QCOMPARE(shownColour(window, 8, 10), empty);
}

void TableWidgetTest::tooltipsNameTheSquareItsPremiumAndItsWords()
{
    WindowFixture fixture;
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    auto tip = [&](int line, int column) { return table.tipText(squarePoint(table, line, column)); };
    QCOMPARE(tip(8, 8), QString("(H8) word x 2\nFree: 225 (100.00%)\nOcupied: 0 (0.00%)"));
    QVERIFY(tip(2, 2).startsWith("(B2) letter x 3\n")); // the letter premium wins over the word's

    // C A T across on line H from column 7, the A a joker; A T down from H8.
    glyph::Board& board = fixture.game->board();
    board[8][7] = glyph::Square{'C', 0};
    board[8][8] = glyph::Square{'A', 1};
    board[8][9] = glyph::Square{'T', 0};
    board[9][8] = glyph::Square{'T', 0};
    board[12][12] = glyph::Square{'X', 0}; // stands alone in both directions
    QCOMPARE(tip(1, 1), QString("(A1) word x 3\nFree: 220 (97.78%)\nOcupied: 5 (2.22%)"));
    QCOMPARE(tip(8, 8), QString("(H8) word x 2\n(H7) CaT - 4\n(8H) aT - 1"));
    QCOMPARE(tip(9, 8), QString("(I8) \n(8H) aT - 1"));
    QCOMPARE(tip(12, 12), QString("(L12) \n"));

    QCOMPARE(table.tipText(QPoint(2, 100)), QString()); // the margin
    fixture.preferences->setInteger("ShowTableTooltipKey", 0);
    QCOMPARE(tip(8, 8), QString());
}

void TableWidgetTest::squaresShowTheirPremiumColourAndLabel()
{
    WindowFixture fixture;
    glyph::TableWidget table(*fixture.game, *fixture.window, nullptr);
    table.resize(640, 480);
    // A label or a letter leaves marks of another colour inside the square's fill.
    auto inked = [](const QImage& image, int line, int column) {
        const QColor fill = image.pixelColor(column * 40 + 5, line * 30 + 5);
        int count = 0;
        for (int y = line * 30 + 5; y < line * 30 + 22; ++y)
            for (int x = column * 40 + 5; x < column * 40 + 32; ++x)
                count += image.pixelColor(x, y) != fill ? 1 : 0;
        return count;
    };
    const QImage image = table.grab().toImage();
    const std::vector<std::tuple<int, int, const char*>> squares = {{2, 2, "ColorLetterX3Key"},
                                                                    {8, 8, "ColorWordX2Key"},
                                                                    {1, 1, "ColorWordX3Key"},
                                                                    {4, 1, "ColorLetterX2Key"},
                                                                    {6, 6, "ColorLetterBackgroundKey"}};
    for (const auto& [line, column, key] : squares) {
        QCOMPARE(image.pixelColor(column * 40 + 5, line * 30 + 5), fixture.colour(key));
        QCOMPARE(inked(image, line, column) > 0, line != 6); // the plain square has no label
    }

    fixture.game->board()[6][6] = glyph::Square{'E', 0};
    glyph::uiprefs::setColour(*fixture.preferences, "ColorOcupiedKey", QColor(1, 2, 3));
    const QImage after = table.grab().toImage();
    QCOMPARE(after.pixelColor(6 * 40 + 5, 6 * 30 + 5), QColor(1, 2, 3));
    QVERIFY(inked(after, 6, 6) > 0);
}

QTEST_MAIN(TableWidgetTest)
#include "tablewidgettest.moc"
