// The File menu's exports: the move list as text and the board as a bitmap, the extension they
// get, and what the user sees when a file cannot be written (nothing else changes).

#include "uitestsupport.h"

using glyph::test::squarePoint;
using glyph::test::WindowFixture;

namespace
{

/// Reads a whole file; empty when it does not exist.
QByteArray contents(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The window answering the save-file dialog with this name (relative to the test's folder).
void chooseFile(WindowFixture& fixture, const QString& name)
{
    fixture.window->setFileNameHandler([name](const QString&, const QString&) { return name; });
}

} // namespace

class ExportsTest : public QObject
{
    Q_OBJECT

private slots:
    void movesTextStopsAtTheShownPosition()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        // No move yet: no list to write, and the older file is emptied.
        fixture.folder.write("Games/moves.txt", "an older list\n");
        chooseFile(fixture, "Games/moves");
        fixture.window->moves2TXTClicked();
        QCOMPARE(fixture.messages, std::vector<QString>{"Can't create text file"});
        QCOMPARE(contents("Games/moves.txt"), QByteArray());

        fixture.setRack("CATEEEE");
        QVERIFY(fixture.play("CAT", 8, 7));
        QVERIFY(fixture.game->rules()->passOrExchange("", ""));
        QVERIFY(fixture.game->rules()->passOrExchange("", ""));
        fixture.window->moves2TXTClicked();
        const QString head = "No. " + QString("Ann").leftJustified(30) + QString("Bob").leftJustified(30) +
                             "\n" + QString(64, '-') + "\n1    " + QString("(H7)CAT 10p").leftJustified(30);
        const QString pass = QString("PAS / CHANGE 0p").leftJustified(30);
        QCOMPARE(QString::fromLatin1(contents("Games/moves.txt")), head + pass + "\n2    " + pass + "\n");

        // Stepped back to the first move, the text ends there.
        fixture.window->previousClicked();
        fixture.window->previousClicked();
        fixture.window->moves2TXTClicked();
        QCOMPARE(QString::fromLatin1(contents("Games/moves.txt")), head + "\n");

        // A folder that cannot be written, whoever runs the test: its name is taken by a file.
        fixture.folder.write("Games/shelf", "not a folder");
        const QStringList before = QDir("Games").entryList(QDir::AllEntries | QDir::Hidden);
        chooseFile(fixture, "Games/shelf/moves");
        fixture.window->moves2TXTClicked();
        QCOMPARE(fixture.messages,
                 (std::vector<QString>{"Can't create text file", "Can't create text file"}));
        QCOMPARE(QDir("Games").entryList(QDir::AllEntries | QDir::Hidden), before);
        QCOMPARE(contents("Games/shelf"), QByteArray("not a folder"));
    }

    void bitmapShowsTheBoardWithoutThisTurnsTiles()
    {
        WindowFixture fixture;
        fixture.show();
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.setRack("CATEEEE");
        QVERIFY(fixture.play("CAT", 8, 7));
        fixture.setRack("DOGEEEE"); // Bob has laid a tile this turn
        QVERIFY(fixture.lay(0, 10, 10));
        chooseFile(fixture, "Games/board.BMP");
        fixture.window->table2BMPClicked();
        chooseFile(fixture, "Games/board");
        fixture.window->table2BMPClicked();
        QCOMPARE(QDir("Games").entryList(QDir::Files, QDir::Name), (QStringList{"board.BMP", "board.bmp"}));
        QCOMPARE(contents("Games/board.BMP").left(2), QByteArray("BM"));

        const glyph::TableWidget& table = *fixture.window->table();
        const QImage image("Games/board.bmp");
        QCOMPARE(image.size(), table.size());
        QCOMPARE(image.pixelColor(squarePoint(table, 8, 8)), fixture.colour("ColorOcupiedKey"));
        QCOMPARE(image.pixelColor(squarePoint(table, 10, 10)), fixture.colour("ColorLetterBackgroundKey"));
        QCOMPARE(image.pixelColor(squarePoint(table, 1, 1)), fixture.colour("ColorWordX3Key"));
        QCOMPARE(fixture.game->rackSlots()[0].placed, std::uint8_t{1}); // the export changed nothing

        fixture.folder.write("Games/shelf", "not a folder");
        chooseFile(fixture, "Games/shelf/board.bmp");
        fixture.window->table2BMPClicked();
        QCOMPARE(fixture.messages, std::vector<QString>{"Can't save *.bmp"});
        QCOMPARE(QDir("Games").entryList(QDir::Files, QDir::Name),
                 (QStringList{"board.BMP", "board.bmp", "shelf"}));
    }
};

QTEST_MAIN(ExportsTest)
#include "exportstest.moc"
