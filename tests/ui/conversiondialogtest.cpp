// The conversion dialog: a run on the worker thread to its end, Stop during compaction,
// closing during a run, bad sources and destinations, and the destination's extension.

#include <QDeadlineTimer>
#include <QFileDialog>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <set>

#include "dictionary/dawgbuilder.h"
#include "engine/game.h"
#include "preferences/keys.h"
#include "ui/conversiondialog.h"
#include "uitestsupport.h"

using glyph::ConversionDialog;
using glyph::test::WindowFixture;

namespace
{

/// Keeps a run waiting where compaction starts until a stop is asked for (at most 10 s), so
/// that a test can stop it there however fast the machine builds.
class CompactionHold
{
public:
    explicit CompactionHold(glyph::DawgBuilder& builder)
    {
        builder.setStatusListener([this, &builder](const std::string& status) {
            if (status.rfind("Compacting", 0) != 0 || m_reached.exchange(true))
                return;
            const QDeadlineTimer deadline(10000);
            while (!builder.abortRequested() && !deadline.hasExpired())
                QThread::msleep(1);
        });
    }

    /// Waits until the run is held; false when it never got there.
    bool waitUntilHeld()
    {
        return QTest::qWaitFor([this] { return m_reached.load(); }, 10000);
    }

private:
    std::atomic<bool> m_reached{false};
};

QString row(const ConversionDialog& dialog, int index)
{
    return dialog.table->item(index, 0)->text();
}

bool waitForIdle(const ConversionDialog& dialog)
{
    return QTest::qWaitFor([&] { return !dialog.isRunning(); }, 10000);
}

QByteArray contents(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

std::set<QString> filesIn(const std::string& folder)
{
    const QStringList names = QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden);
    return {names.begin(), names.end()};
}

/// Answers the next file dialog with a name, as a user typing it and pressing Save would.
void answerFileDialog(const QString& name)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (edit == nullptr || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    poll->start(20);
}

} // namespace

class ConversionDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void aRunToTheEndWritesTheDictionaryAndSaysSo();
    void longWordsAreCutByTheLargerBoardDimension();
    void stopDuringCompactionKeepsTheOldDestination();
    void closingDuringARunStopsItFirst();
    void unreadableSourcesAndUnwritableDestinationsEndAsErrors();
    void browsedDestinationsGetTheExtensionOnlyWithoutADot();
};

void ConversionDialogTest::aRunToTheEndWritesTheDictionaryAndSaysSo()
{
    WindowFixture fixture;
    // Unsorted, mixed case, with a duplicate and a line that is cut at its blank.
    fixture.write("Dictionaries/English.txt", "tea\nCat\nzebra crossing\ncat\nart\n");
    bool pausedDuringTheRun = false;
    bool idleAtFirst = false;
    QStringList fields;
    fixture.onDialog = [&](QDialog& shown) {
        auto& dialog = dynamic_cast<ConversionDialog&>(shown);
        fields = {dialog.in->text(), dialog.out->text(), dialog.author->text(), dialog.windowTitle()};
        idleAtFirst = dialog.start->isEnabled() && !dialog.stop->isEnabled();
        dialog.start->click();
        pausedDuringTheRun = fixture.window->paused();
        return static_cast<int>(waitForIdle(dialog) ? QDialog::Accepted : QDialog::Rejected);
    };
    fixture.window->conversionClicked();
    QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::ConversionDialog"});
    QCOMPARE(fields,
             (QStringList{"Dictionaries/English.txt", "Dictionaries/Test.dic", "Glyphmosaic", "Conversion"}));
    QVERIFY(idleAtFirst);
    QVERIFY(pausedDuringTheRun);
    QVERIFY(!fixture.window->paused());
    QCOMPARE(fixture.messages, std::vector<QString>{"Conversion success"});

    glyph::Dictionary built(fixture.fallback);
    QVERIFY(built.load(fixture.path("Dictionaries/Test.dic")));
    QCOMPARE(built.wordCount(), 4u); // ART, CAT, TEA, ZEBRA: the sorted list keeps a word once
    for (const char* word : {"ART", "CAT", "TEA", "ZEBRA"})
        QVERIFY2(built.contains(word), word);
    QVERIFY(!built.contains("CROSSING"));
    QCOMPARE(built.author(), std::string("Glyphmosaic"));
}

void ConversionDialogTest::longWordsAreCutByTheLargerBoardDimension()
{
    WindowFixture fixture;
    fixture.preferences->setInteger(glyph::keys::kTableRows, 15);
    fixture.preferences->setInteger(glyph::keys::kTableColumns, 21);
    QVERIFY(fixture.game->loadSettings());
    // Sixteen and twenty-one letters: only the first fits a row of 21 squares.
    fixture.write("Dictionaries/Long.txt", "zoo\nincomprehensible\nabcdefghijklmnopqrstu\n");
    ConversionDialog dialog(*fixture.game, *fixture.window, nullptr);
    dialog.in->setText("Dictionaries/Long.txt");
    dialog.out->setText("Dictionaries/Long.dic");
    dialog.author->setText("Tester");
    dialog.startClicked();
    QVERIFY(waitForIdle(dialog));

    // The progress rows show the finished run.
    QCOMPARE(row(dialog, 0), QString("Writing to file..."));
    QCOMPARE(row(dialog, 1), QString("Words number: 2"));
    QVERIFY2(QRegularExpression("^Depth: \\d+ of 30 \\([A-Z]\\)$").match(row(dialog, 2)).hasMatch(),
             qPrintable(row(dialog, 2)));
    glyph::Dictionary built(fixture.fallback);
    QVERIFY(built.load(fixture.path("Dictionaries/Long.dic")));
    QCOMPARE(row(dialog, 3), QString("Nodes: %1 of ").arg(built.nodeCount()) +
                                 QString::number(dialog.builder().nodesCreated()));
    QVERIFY2(QRegularExpression("^Time: 00:0\\d  \\d+\\(nodes/sec\\)$").match(row(dialog, 4)).hasMatch(),
             qPrintable(row(dialog, 4)));

    QVERIFY(built.contains("INCOMPREHENSIBLE"));
    QVERIFY(built.contains("ZOO"));
    QVERIFY(!built.contains("ABCDEFGHIJKLMNOPQRSTU"));
    QCOMPARE(built.author(), std::string("Tester"));
}

void ConversionDialogTest::stopDuringCompactionKeepsTheOldDestination()
{
    WindowFixture fixture;
    fixture.write("Dictionaries/English.txt", "art\ncat\ntea\n");
    fixture.write("Dictionaries/Old.dic", "the previous dictionary");
    const std::set<QString> filesBefore = filesIn(fixture.path("Dictionaries"));
    ConversionDialog dialog(*fixture.game, *fixture.window, nullptr);
    dialog.out->setText("Dictionaries/Old.dic");
    CompactionHold hold(dialog.builder());

    dialog.start->click();
    QVERIFY(hold.waitUntilHeld());
    QVERIFY(!dialog.start->isEnabled());
    QVERIFY(!dialog.Ui::UIConversionDialog::close->isEnabled());
    QVERIFY(dialog.stop->isEnabled());
    dialog.stop->click();
    QVERIFY(!dialog.isRunning());
    QCOMPARE(fixture.messages, std::vector<QString>{"Abort or conversion error"});
    QVERIFY(dialog.start->isEnabled());
    QVERIFY(dialog.Ui::UIConversionDialog::close->isEnabled());
    QVERIFY(!dialog.stop->isEnabled());
    QCOMPARE(contents(fixture.path("Dictionaries/Old.dic")), QByteArray("the previous dictionary"));
    QCOMPARE(filesIn(fixture.path("Dictionaries")), filesBefore); // no temporary file left

    // Start is available again, and a run left alone replaces the file.
    dialog.start->click();
    QVERIFY(waitForIdle(dialog));
    QCOMPARE(fixture.messages.back(), QString("Conversion success"));
    glyph::Dictionary built(fixture.fallback);
    QVERIFY(built.load(fixture.path("Dictionaries/Old.dic")));
    QCOMPARE(built.wordCount(), 3u);
}

void ConversionDialogTest::closingDuringARunStopsItFirst()
{
    WindowFixture fixture;
    fixture.write("Dictionaries/English.txt", "art\ncat\ntea\n");
    const std::set<QString> filesBefore = filesIn(fixture.path("Dictionaries"));
    {
        ConversionDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        dialog.out->setText("Dictionaries/Closed.dic");
        dialog.show();
        CompactionHold hold(dialog.builder());
        dialog.startClicked();
        QVERIFY(hold.waitUntilHeld());
        QTest::keyClick(&dialog, Qt::Key_Escape); // the window's own close
        QVERIFY(!dialog.isRunning());
        QVERIFY(!dialog.isVisible());
    }
    {
        auto* dialog = new ConversionDialog(*fixture.game, *fixture.window, nullptr);
        dialog->out->setText("Dictionaries/Destroyed.dic");
        CompactionHold hold(dialog->builder());
        dialog->startClicked();
        QVERIFY(hold.waitUntilHeld());
        delete dialog; // waits for the worker before the builder goes
    }
    QVERIFY(fixture.messages.empty());
    QCOMPARE(filesIn(fixture.path("Dictionaries")), filesBefore);
    QVERIFY(!fixture.window->paused());
}

void ConversionDialogTest::unreadableSourcesAndUnwritableDestinationsEndAsErrors()
{
    WindowFixture fixture;
    fixture.write("Dictionaries/English.txt", "art\ncat\n");
    fixture.write("Dictionaries/Kept.dic", "kept");
    const std::set<QString> filesBefore = filesIn(fixture.path("Dictionaries"));
    ConversionDialog dialog(*fixture.game, *fixture.window, nullptr);

    dialog.in->setText("Dictionaries/Missing.txt");
    dialog.out->setText("Dictionaries/Kept.dic");
    dialog.startClicked();
    QVERIFY(waitForIdle(dialog));

    dialog.in->setText("Dictionaries/English.txt");
    dialog.out->setText("NoSuchFolder/out.dic");
    dialog.startClicked();
    QVERIFY(waitForIdle(dialog));

    QCOMPARE(fixture.messages,
             (std::vector<QString>{"Abort or conversion error", "Abort or conversion error"}));
    QCOMPARE(contents(fixture.path("Dictionaries/Kept.dic")), QByteArray("kept"));
    QCOMPARE(filesIn(fixture.path("Dictionaries")), filesBefore);
    QVERIFY(!QDir(fixture.path("NoSuchFolder").c_str()).exists());
    QVERIFY(dialog.start->isEnabled());
}

void ConversionDialogTest::browsedDestinationsGetTheExtensionOnlyWithoutADot()
{
    WindowFixture fixture;
    ConversionDialog dialog(*fixture.game, *fixture.window, nullptr);
    answerFileDialog("mydict");
    dialog.browseOutClicked();
    QCOMPARE(QFileInfo(dialog.out->text()).fileName(), QString("mydict.dic"));
    answerFileDialog("my.dict");
    dialog.browseOutClicked();
    QCOMPARE(QFileInfo(dialog.out->text()).fileName(), QString("my.dict"));
    fixture.write("Dictionaries/words.txt", "cat\n");
    answerFileDialog("words.txt");
    dialog.browseInClicked();
    QCOMPARE(QFileInfo(dialog.in->text()).fileName(), QString("words.txt"));
}

QTEST_MAIN(ConversionDialogTest)
#include "conversiondialogtest.moc"
