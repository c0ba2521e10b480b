// The palindrome and speed-test windows: their lists, clipboard text and measurements, and the
// clocks stopped while they are open.

#include <QClipboard>
#include <QRegularExpression>
#include <QtTest>

#include "ui/palindromdialog.h"
#include "ui/speedtestdialog.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

namespace
{

/// Loads a dictionary of these words as the game's.
void loadWords(WindowFixture& fixture, const std::vector<std::string>& words)
{
    fixture.write("Dictionaries/Own.dic", glyph::test::dicFile(glyph::test::trieNodes(words), words.size()));
    QVERIFY(fixture.game->dictionary().load("Dictionaries/Own.dic"));
}

/// The dictionary that a word list without a single word becomes: the root and a bare A.
void loadEmptyDictionary(WindowFixture& fixture)
{
    using glyph::test::node;
    fixture.write("Dictionaries/Empty.dic",
                  glyph::test::dicFile({glyph::test::kRootNode, node('A', true, false, 0)}, 0));
    QVERIFY(fixture.game->dictionary().load("Dictionaries/Empty.dic"));
}

QStringList column(const QTableWidget& table)
{
    QStringList words;
    for (int row = 0; row < table.rowCount(); ++row)
        words << table.item(row, 0)->text();
    return words;
}

struct Rates {
    qint64 current = -1;
    qint64 average = -1;
    QString fileName;
};

/// Reads " Current %s words/s \n Average %s words/s \n %s"; current -1 when it does not parse.
Rates readRates(const QString& text)
{
    static const QRegularExpression format(
        "^ Current ([0-9,]+) words/s \\n Average ([0-9,]+) words/s \\n (.*)$");
    const QRegularExpressionMatch match = format.match(text);
    if (!match.hasMatch())
        return {};
    return {match.captured(1).remove(',').toLongLong(), match.captured(2).remove(',').toLongLong(),
            match.captured(3)};
}

} // namespace

class PalindromDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void palindromesAreListedLongestFirstAndCopied();
    void speedTestShowsTheCurrentRateAndTheAverage();
    void emptyDictionaryShowsNothingToListOrMeasure();
};

void PalindromDialogTest::palindromesAreListedLongestFirstAndCopied()
{
    WindowFixture fixture;
    loadWords(fixture, {"A", "CAT", "LEVEL", "NOON", "OTTO", "TACT"});
    QStringList rows;
    QString header;
    bool paused = false;
    fixture.onDialog = [&](QDialog& shown) {
        auto& dialog = dynamic_cast<glyph::PalindromDialog&>(shown);
        paused = fixture.window->paused();
        rows = column(*dialog.table);
        header = dialog.table->horizontalHeaderItem(0)->text();
        QGuiApplication::clipboard()->clear();
        dialog.copyClipboard->click();
        return static_cast<int>(QDialog::Accepted);
    };
    fixture.window->palindromClicked();
    QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::PalindromDialog"});
    QVERIFY(paused);
    QVERIFY(!fixture.window->paused());
    QCOMPARE(header, QString("Words"));
    QCOMPARE(rows, (QStringList{"LEVEL", "NOON", "OTTO", "A"}));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("LEVEL\nNOON\nOTTO\nA\n"));
}

void PalindromDialogTest::speedTestShowsTheCurrentRateAndTheAverage()
{
    WindowFixture fixture;
    std::vector<Rates> seen;
    bool paused = false;
    bool emptyAtFirst = false;
    fixture.onDialog = [&](QDialog& shown) {
        auto& dialog = dynamic_cast<glyph::SpeedTestDialog&>(shown);
        paused = fixture.window->paused();
        emptyAtFirst = dialog.message->text().isEmpty();
        QString last;
        for (int tick = 0; tick < 2; ++tick) {
            if (!QTest::qWaitFor([&] { return dialog.message->text() != last; }, 5000))
                break;
            last = dialog.message->text();
            seen.push_back(readRates(last));
        }
        return static_cast<int>(QDialog::Accepted);
    };
    fixture.window->speedTestClicked();
    QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::SpeedTestDialog"});
    QVERIFY(paused);
    QVERIFY(!fixture.window->paused());
    QVERIFY(emptyAtFirst); // the first text comes after a second
    QCOMPARE(seen.size(), std::size_t(2));
    for (const Rates& rates : seen) {
        QVERIFY(rates.current > 0);
        QCOMPARE(rates.fileName, QString("Dictionaries/Test.dic"));
    }
    // One measurement is its own average; after two, the average lies between them.
    QCOMPARE(seen[0].average, seen[0].current);
    QVERIFY(seen[1].average >= std::min(seen[0].current, seen[1].current));
    QVERIFY(seen[1].average <= std::max(seen[0].current, seen[1].current) + 1);
}

void PalindromDialogTest::emptyDictionaryShowsNothingToListOrMeasure()
{
    WindowFixture fixture;
    loadEmptyDictionary(fixture);
    glyph::PalindromDialog palindroms(*fixture.game, *fixture.window, nullptr);
    QCOMPARE(palindroms.table->rowCount(), 0);

    glyph::SpeedTestDialog speed(*fixture.game, *fixture.window, nullptr);
    QVERIFY(QTest::qWaitFor([&] { return !speed.message->text().isEmpty(); }, 5000));
    const Rates rates = readRates(speed.message->text());
    QCOMPARE(rates.current, 0);
    QCOMPARE(rates.average, 0);
    QCOMPARE(rates.fileName, QString("Dictionaries/Empty.dic"));
}

QTEST_MAIN(PalindromDialogTest)
#include "palindromdialogtest.moc"
