// The printout: a square board beside the players, their scores and the date, as a PDF reads.

#include <QPrinter>

#include "ui/board/exports.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

class PrintoutTest : public QObject
{
    Q_OBJECT

private slots:
    void thePrintoutShowsASquareBoardWithThePlayersScoresAndDate()
    {
        // On any page the board is a square inside the page, leaving room at its right.
        for (const QSize page : {QSize(1123, 794), QSize(794, 1123), QSize(3000, 500), QSize(40, 40)}) {
            const QRect board = glyph::exports::printedBoardRect(page);
            QCOMPARE(board.width(), board.height());
            QVERIFY(QRect(QPoint(0, 0), page).contains(board) || board.isEmpty());
            QVERIFY(board.right() <= page.width() * 2 / 3);
        }

        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.game->rules()->players()[0].score = 1234;
        fixture.game->rules()->players()[1].score = 56;
        fixture.game->board()[8][8] = glyph::Square{'Q', 0};

        // Painted into an image: the board's squares are where the printout says, the text beside.
        const QSize page(1123, 794);
        QImage image(page, QImage::Format_RGB32);
        const QDateTime when(QDate(2026, 3, 4), QTime(5, 6));
        {
            QPainter painter(&image);
            glyph::exports::paintPrintout(*fixture.window->table(), painter, page, when);
        }
        const QRect board = glyph::exports::printedBoardRect(page);
        auto share = [&image](const QRect& area, auto test) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    count += test(image.pixelColor(x, y)) ? 1 : 0;
            return double(count) / (area.width() * area.height());
        };
        const auto white = [](const QColor& colour) { return colour == QColor(Qt::white); };
        const auto dark = [](const QColor& colour) { return colour.lightness() < 80; };
        const double boardWhite = share(board, white);
        QVERIFY(boardWhite > 0.2 && boardWhite < 0.8); // empty squares on the board's own colour
        const QRect beside(board.right() + board.left(), board.top(),
                           page.width() - board.right() - 2 * board.left(), board.height());
        QVERIFY(share(beside, dark) > 0.001); // the text
        QVERIFY(share(beside, white) > 0.8);  // on a white page, not a coloured one
        QVERIFY(share(QRect(0, 0, page.width(), board.top()), white) == 1.0);

        // Printed to a PDF, the text reads back: rules, date, names and scores.
        const QString pdf = QDir::current().absoluteFilePath("Games/printout.pdf");
        {
            QPrinter printer(QPrinter::ScreenResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageOrientation(QPageLayout::Landscape);
            printer.setOutputFileName(pdf);
            glyph::exports::printBoard(*fixture.window->table(), printer);
        }
        QProcess toText;
        toText.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(toText.waitForFinished(20000) && toText.exitCode() == 0, "pdftotext (poppler-utils) runs");
        const QString text = QString::fromUtf8(toText.readAllStandardOutput());
        for (const QString& expected :
             {QString("Game Classic"), QString("> Ann: 1234 points"), QString("Bob: 56 points"),
              QDateTime::currentDateTime().toString("yyyy-MM-dd")})
            QVERIFY2(text.contains(expected), qPrintable(expected + " missing in:\n" + text));
        QVERIFY(glyph::exports::printoutLines(*fixture.game, when).contains("2026-03-04 05:06"));
    }
};

QTEST_MAIN(PrintoutTest)
#include "printouttest.moc"
