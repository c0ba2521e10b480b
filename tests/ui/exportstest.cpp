// The File menu's exports and printing: the move list as text, the board as a bitmap and on a
// landscape page, and what the user sees when a file cannot be written.

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>

#include "preferences/keys.h"
#include "ui/tablewidget.h"
#include "ui/uipreferences.h"
#include "uitestsupport.h"

using glyph::Move;
using glyph::test::WindowFixture;

namespace
{

const QString kLongName = "Bartholomew Fitzwilliam Harcou"; // 30 characters

/// Reads a whole file; empty when it does not exist.
QByteArray contents(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Text left-aligned in 30 columns.
QString cell(const QString& text)
{
    return text.leftJustified(30, ' ');
}

/// Plays CAT across through the centre square: (H7)CAT, 5 points doubled by the centre.
void playCat(WindowFixture& fixture)
{
    Move cat;
    cat.horiz = 1;
    cat.lin = 8;
    cat.col = 7;
    std::strcpy(cat.word, "CAT");
    fixture.setRack("CATEEEE");
    fixture.game->computeScore(cat, fixture.game->board());
    QVERIFY(fixture.game->rules()->playMove(cat));
}

void pass(WindowFixture& fixture)
{
    QVERIFY(fixture.game->rules()->passOrExchange("", ""));
}

/// The window answering the save-file dialog with this name (relative to the test's folder).
void chooseFile(WindowFixture& fixture, const QString& name, QStringList* asked = nullptr)
{
    glyph::MainWindow* window = fixture.window.get();
    fixture.window->setFileNameHandler([=](const QString& folder, const QString& filter) {
        if (asked != nullptr)
            *asked << folder + " " + filter + (window->paused() ? " paused" : "");
        return name;
    });
}

/// The colour of the left edge, half-way down, inside a board square of an exported picture.
QColor squareColour(const QImage& image, const glyph::TableWidget& table, int line, int column)
{
    const QSize cell = table.cellSize(image.size());
    return image.pixelColor(column * cell.width() + 2, line * cell.height() + (cell.height() - 4) / 2);
}

QColor preferredColour(WindowFixture& fixture, const char* key)
{
    QColor colour;
    glyph::uiprefs::getColour(*fixture.preferences, key, colour);
    return colour;
}

} // namespace

class ExportsTest : public QObject
{
    Q_OBJECT

private slots:
    void movesTextStopsAtTheShownPosition();
    void longNamesFillTheirColumn();
    void noMoveLeavesTheFileEmptyAndWarns();
    void bitmapKeepsAnyCaseOfItsExtension();
    void bitmapShowsTheBoardWithoutThisTurnsTiles();
    void printingPaintsOneLandscapePage();
    void unwritableFolderOnlyWarns();
};

void ExportsTest::movesTextStopsAtTheShownPosition()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    playCat(fixture);
    pass(fixture);
    pass(fixture);
    QCOMPARE(fixture.game->rules()->historyPosition(), 3);

    QStringList asked;
    chooseFile(fixture, "Games/moves", &asked);
    fixture.window->moves2TXTClicked();
    QCOMPARE(asked, QStringList{"Games/ *.txt paused"});
    QVERIFY(fixture.messages.empty());
    QVERIFY(!fixture.window->paused());
    const QString header = "No. " + cell("Ann") + cell("Bob");
    const QString rule = QString(64, '-');
    QCOMPARE(QString::fromLatin1(contents("Games/moves.txt")),
             header + "\n" + rule + "\n" + "1    " + cell("(H7)CAT 10p") + cell("PAS / CHANGE 0p") + "\n" +
                 "2    " + cell("PAS / CHANGE 0p") + "\n");

    // Stepped back to the first move, the text ends there.
    fixture.window->previousClicked();
    fixture.window->previousClicked();
    fixture.window->moves2TXTClicked();
    QCOMPARE(QString::fromLatin1(contents("Games/moves.txt")),
             header + "\n" + rule + "\n" + "1    " + cell("(H7)CAT 10p") + "\n");
}

void ExportsTest::longNamesFillTheirColumn()
{
    WindowFixture fixture;
    fixture.start({{kLongName.toStdString(), ""}, {std::string("Zo\xEB"), ""}, {"Cy", ""}});
    playCat(fixture);
    chooseFile(fixture, "Games/long.TXT");
    fixture.window->moves2TXTClicked();
    const QList<QByteArray> lines = contents("Games/long.TXT").split('\n');
    QCOMPARE(lines.size(), 4); // header, rule, one round and the end of the last line
    // The names are written in Latin-1, each column 30 characters wide.
    QCOMPARE(lines[0], QByteArray("No. ") + kLongName.toLatin1() + QByteArray("Zo\xEB") +
                           QByteArray(27, ' ') + QByteArray("Cy") + QByteArray(28, ' '));
    QCOMPARE(lines[1], QByteArray(4 + 90, '-'));
    QCOMPARE(lines[2], QByteArray("1    ") + cell("(H7)CAT 10p").toLatin1());
}

void ExportsTest::noMoveLeavesTheFileEmptyAndWarns()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.write("Games/moves.txt", "an older list\n");
    chooseFile(fixture, "Games/moves.txt");
    fixture.window->moves2TXTClicked();
    QCOMPARE(fixture.messages, std::vector<QString>{"Can't create text file"});
    QVERIFY(QFile::exists("Games/moves.txt"));
    QCOMPARE(contents("Games/moves.txt"), QByteArray());
    QVERIFY(!fixture.window->paused());
}

void ExportsTest::bitmapKeepsAnyCaseOfItsExtension()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    chooseFile(fixture, "Games/board.BMP");
    fixture.window->table2BMPClicked();
    chooseFile(fixture, "Games/board");
    fixture.window->table2BMPClicked();
    QVERIFY(fixture.messages.empty());
    QCOMPARE(QDir("Games").entryList(QDir::Files, QDir::Name), (QStringList{"board.BMP", "board.bmp"}));
    QCOMPARE(QImageReader("Games/board.BMP").format(), QByteArray("bmp"));
}

void ExportsTest::bitmapShowsTheBoardWithoutThisTurnsTiles()
{
    WindowFixture fixture;
    fixture.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.window.get()));
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    playCat(fixture);
    // Bob has laid a tile this turn, and the blink shows it.
    fixture.setRack("DOGEEEE");
    glyph::RackSlot& laid = fixture.game->rackSlots()[0];
    laid.placed = 1;
    laid.row = 10;
    laid.column = 10;
    glyph::TableWidget& table = *fixture.window->table();
    table.timerOut();
    QVERIFY(table.blinkCounter() != 0);
    const QColor currentMove = preferredColour(fixture, glyph::keys::kColorCurrentMove);
    QCOMPARE(squareColour(table.grab().toImage(), table, 10, 10), currentMove);

    chooseFile(fixture, "Games/board.bmp");
    fixture.window->table2BMPClicked();
    QVERIFY(fixture.messages.empty());
    const QImage image("Games/board.bmp");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), table.size());
    QCOMPARE(squareColour(image, table, 8, 8), preferredColour(fixture, glyph::keys::kColorOcupied));
    QCOMPARE(squareColour(image, table, 10, 10),
             preferredColour(fixture, glyph::keys::kColorLetterBackground));
    QCOMPARE(squareColour(image, table, 1, 1), preferredColour(fixture, glyph::keys::kColorWordX3));
    QCOMPARE(image.pixelColor(1, 1), preferredColour(fixture, glyph::keys::kColorBackground));
    // The laid tiles stay where the game put them: the export changed nothing.
    QCOMPARE(fixture.game->rackSlots()[0].placed, std::uint8_t{1});
}

void ExportsTest::printingPaintsOneLandscapePage()
{
    WindowFixture fixture;
    fixture.window->show();
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    playCat(fixture);
    const QString pdf = QDir::current().absoluteFilePath("Games/board.pdf");
    const QString blankPdf = QDir::current().absoluteFilePath("Games/blank.pdf");
    bool landscape = false;
    QString startName = "no printer file";
    fixture.onDialog = [&](QDialog& dialog) {
        QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
        landscape = printer->pageLayout().orientation() == QPageLayout::Landscape;
        if (printer->outputFormat() == QPrinter::PdfFormat)
            startName = printer->outputFileName();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        // A page with nothing on it, from the same settings, to compare with.
        QPrinter blank(QPrinter::ScreenResolution);
        blank.setOutputFormat(QPrinter::PdfFormat);
        blank.setPageLayout(printer->pageLayout());
        blank.setOutputFileName(blankPdf);
        QPainter(&blank).end();
        return int(QDialog::Accepted);
    };
    fixture.window->printClicked();
    QCOMPARE(fixture.dialogs, std::vector<QString>{"QPrintDialog"});
    QVERIFY(landscape);
    // Without a printer the page goes to a file, proposed in the games folder.
    QVERIFY(startName == "no printer file" || startName == pdf);
    const QByteArray bytes = contents(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    const QRegularExpressionMatch box =
        QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(QString::fromLatin1(bytes));
    QVERIFY(box.hasMatch());
    QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());
    // The board with its labels and letters makes the page far larger than an empty one.
    QVERIFY(bytes.size() > 4 * contents(blankPdf).size());

    // Cancelled, nothing is printed.
    QFile::remove(pdf);
    fixture.onDialog = [&](QDialog& dialog) {
        dynamic_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(pdf);
        return int(QDialog::Rejected);
    };
    fixture.window->printClicked();
    QVERIFY(!QFile::exists(pdf));
}

void ExportsTest::unwritableFolderOnlyWarns()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    playCat(fixture);
    // A folder that cannot be written, whoever runs the test: its name is taken by a file.
    fixture.write("Games/shelf", "not a folder");
    const QStringList filesBefore =
        QDir("Games").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const glyph::Board board = fixture.game->board();

    chooseFile(fixture, "Games/shelf/board.bmp");
    fixture.window->table2BMPClicked();
    chooseFile(fixture, "Games/shelf/moves");
    fixture.window->moves2TXTClicked();

    QCOMPARE(fixture.messages, (std::vector<QString>{"Can't save *.bmp", "Can't create text file"}));
    QCOMPARE(QDir("Games").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), filesBefore);
    QCOMPARE(contents("Games/shelf"), QByteArray("not a folder"));
    QVERIFY(std::memcmp(&fixture.game->board(), &board, sizeof board) == 0);
    QCOMPARE(fixture.game->rules()->historyPosition(), 1);
    QVERIFY(!fixture.window->paused());
}

QTEST_MAIN(ExportsTest)
#include "exportstest.moc"
