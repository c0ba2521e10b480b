// The profile editor: loading and saving profiles, the completion list and the tip, the editing
// keys, and the Test run with the scripts' output in the log pane.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "ui/aieditorwidget.h"
#include "ui/luaeditorwidget.h"
#include "ui/rackwidget.h"
#include "ui/tablewidget.h"
#include "ui/uitext.h"
#include "uitestsupport.h"

using glyph::AIEditorWidget;
using glyph::LuaEditorWidget;
using glyph::test::WindowFixture;

namespace
{

/// The window shown with the "AI Editor" page current and the keyboard in the script.
class EditorFixture : public WindowFixture
{
public:
    EditorFixture()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->tabs()->setCurrentWidget(editor());
        script()->setFocus();
        editor()->setFileChooser([this](bool save, const QString& start, const QString& filter) {
            chooserCalls << QString("%1|%2|%3").arg(save ? "save" : "open", start, filter);
            return chosen;
        });
    }

    AIEditorWidget* editor() const { return window->aiEditor(); }
    LuaEditorWidget* script() const { return editor()->editor; }
    QStringList items() const
    {
        QStringList texts;
        for (int row = 0; row < script()->completionList()->count(); ++row)
            texts << script()->completionList()->item(row)->text();
        return texts;
    }
    bool listShown() const { return !script()->completionList()->isHidden(); }
    bool tipShown() const { return !script()->tip()->isHidden(); }
    QStringList logLines() const { return editor()->log->toPlainText().split('\n'); }

    /// Types into the script as the user would, key by key.
    void type(const QString& text) const
    {
        // Key by key; a line break is the Return key.
        const QStringList lines = text.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(script(), Qt::Key_Return);
            QTest::keyClicks(script(), lines[i]);
        }
    }
    void completeKey() const { QTest::keyClick(script(), Qt::Key_Space, Qt::ControlModifier); }

    /// The absolute path of a file of the test's folder.
    QString at(const std::string& name) const { return QString::fromStdString(path(name)); }

    QString readBack(const std::string& name) const
    {
        QFile file(QString::fromStdString(path(name)));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString("<missing>");
    }

    /// What the file chooser answers.
    QString chosen;
    QStringList chooserCalls;
};

} // namespace

class AIEditorWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void browseLoadsOnlyPathsHoldingCpu();
    void browseLeavesEverythingAsItWasWhenTheFileCannotBeRead();
    void saveAppendsCpuUnlessTheNameHoldsItAnywhere();
    void tipShowsTheSignatureOfExportedFunctionsOnly();
    void tipAndListStayBesideTheCursorInAScrolledScript();
    void completionListOffersNamesThatBeginWithTheWord();
    void listIgnoresLettersAndDownReturnInsertsTheCurrentItem();
    void definedFunctionsStayOfferedAfterTheirTextIsGone();
    void editingKeysWorkAsInAnyEditor();
    void testRunsTheScriptOnTheCurrentPositionAndPlaysNothing();
    void testShowsScriptErrorsAndSurvivesARunawayScript();
    void computerTurnsWriteTheirDebugLinesToTheLog();
};

void AIEditorWidgetTest::browseLoadsOnlyPathsHoldingCpu()
{
    EditorFixture fixture;
    fixture.write("Profiles/notes.txt", "not = 'a profile'\n");
    fixture.write("Profiles/Upper.CPU", "upper = 1\n");
    fixture.write("Profiles/kept.cpu.old", "old = 1\r\nDebug(\"caf\xe9\")\r\n");
    fixture.script()->setPlainText("mine = 1");

    for (const char* ignored : {"", "Profiles/notes.txt", "Profiles/Upper.CPU"}) {
        fixture.chosen = QString::fromLatin1(ignored);
        fixture.editor()->browse->click();
        QCOMPARE(fixture.script()->toPlainText(), QString("mine = 1"));
        QCOMPARE(fixture.editor()->fileName->text(), QString());
    }
    QCOMPARE(fixture.chooserCalls.first(), QString("open|Profiles/|CPU files (*.cpu)"));

    // ".cpu" anywhere in the path will do; carriage returns go, Latin-1 letters stay.
    fixture.chosen = "Profiles/kept.cpu.old";
    fixture.editor()->browse->click();
    QCOMPARE(fixture.script()->toPlainText(), QString::fromLatin1("old = 1\nDebug(\"caf\xe9\")\n"));
    QCOMPARE(fixture.editor()->fileName->text(), QString("Profiles/kept.cpu.old"));
    QVERIFY(fixture.messages.empty());
}

void AIEditorWidgetTest::browseLeavesEverythingAsItWasWhenTheFileCannotBeRead()
{
    EditorFixture fixture;
    QDir().mkpath("Profiles/folder.cpu");
    fixture.script()->setPlainText("mine = 1");
    fixture.editor()->fileName->setText("Profiles/mine.cpu");
    for (const char* unreadable : {"Profiles/missing.cpu", "Profiles/folder.cpu"}) {
        fixture.messages.clear();
        fixture.chosen = unreadable;
        fixture.editor()->browse->click();
        QCOMPARE(fixture.messages.size(), std::size_t(1));
        QCOMPARE(fixture.messages[0], QString("Can't open ") + unreadable);
        QCOMPARE(fixture.script()->toPlainText(), QString("mine = 1"));
        QCOMPARE(fixture.editor()->fileName->text(), QString("Profiles/mine.cpu"));
    }

    // Binary bytes load as Latin-1 text, and typing then scans them without harm.
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) % 256);
    fixture.write("Profiles/binary.cpu", binary);
    fixture.chosen = "Profiles/binary.cpu";
    fixture.editor()->browse->click();
    QCOMPARE(fixture.editor()->fileName->text(), QString("Profiles/binary.cpu"));
    fixture.script()->moveCursor(QTextCursor::End);
    fixture.type("\nzz9 = 1");
    QCOMPARE(fixture.script()->scanner().identifiers().count("zz9"), std::size_t(1));
}

void AIEditorWidgetTest::saveAppendsCpuUnlessTheNameHoldsItAnywhere()
{
    EditorFixture fixture;
    const QString text = QString::fromLatin1("-- caf\xe9\nSetSolution(MoveAt(0))");
    fixture.script()->setPlainText(text);
    fixture.editor()->fileName->setText("Profiles/Start.cpu");

    fixture.chosen = fixture.at("Profiles/mine");
    fixture.editor()->saveButton->click();
    QCOMPARE(fixture.chooserCalls.last(),
             QString("save|Profiles/Start.cpu|CPU files (*.cpu)\nAll files (*.*)"));
    QCOMPARE(fixture.readBack("Profiles/mine.cpu"), text);
    QCOMPARE(QFileInfo(QString::fromStdString(fixture.path("Profiles/mine.cpu"))).size(), text.size());
    QCOMPARE(fixture.editor()->fileName->text(), fixture.at("Profiles/mine.cpu"));

    // Case counts, and ".cpu" anywhere in the name keeps the name as it is.
    fixture.chosen = fixture.at("Profiles/a.cpu.v2");
    fixture.editor()->saveButton->click();
    QCOMPARE(fixture.readBack("Profiles/a.cpu.v2"), text);
    fixture.chosen = fixture.at("Profiles/b.CPU");
    fixture.editor()->saveButton->click();
    QCOMPARE(fixture.readBack("Profiles/b.CPU.cpu"), text);

    // Cancelled: nothing; unwritable: the warning, and the name stays.
    const QString before = fixture.editor()->fileName->text();
    fixture.chosen.clear();
    fixture.editor()->saveButton->click();
    fixture.chosen = fixture.at("no such folder/c");
    fixture.editor()->saveButton->click();
    QCOMPARE(fixture.messages.size(), std::size_t(1));
    QCOMPARE(fixture.messages[0], "Can't save " + fixture.at("no such folder/c.cpu"));
    QCOMPARE(fixture.editor()->fileName->text(), before);
    QCOMPARE(fixture.script()->toPlainText(), text);
}

void AIEditorWidgetTest::tipShowsTheSignatureOfExportedFunctionsOnly()
{
    EditorFixture fixture;
    fixture.type("best = MoveAt(");
    QVERIFY(fixture.tipShown());
    QCOMPARE(fixture.script()->tip()->text(),
             QString("bool horiz, int col, int lin, int score, str word, str jokers\nMoveAt\nint index"));
    fixture.type("0");
    QVERIFY(fixture.tipShown());
    fixture.type(")");
    QVERIFY(!fixture.tipShown());

    fixture.type("\nprint(");
    QVERIFY(!fixture.tipShown());
    // A function without results gives an empty first line; a blank before "(" is passed over.
    fixture.type(")\nDebug (");
    QCOMPARE(fixture.script()->tip()->text(), QString("\nDebug\n..."));
    QVERIFY(fixture.tipShown());
    QTest::keyClick(fixture.script(), Qt::Key_Escape);
    QVERIFY(!fixture.tipShown());
    QVERIFY(fixture.script()->hasFocus());
    fixture.type("ExchangeLetters(");
    QCOMPARE(fixture.script()->tip()->text(), QString("bool accepted\nExchangeLetters\nstr letters"));
}

void AIEditorWidgetTest::tipAndListStayBesideTheCursorInAScrolledScript()
{
    EditorFixture fixture;
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QString("value%1 = %1\n").arg(i);
    fixture.script()->setPlainText(text);
    fixture.script()->moveCursor(QTextCursor::End);
    fixture.script()->ensureCursorVisible();
    QVERIFY(fixture.script()->verticalScrollBar()->value() > 0);

    fixture.type("MoveAt(");
    const QRect visible = fixture.script()->rect();
    const QRect cursor = fixture.script()->cursorRect().translated(fixture.script()->viewport()->pos());
    const QRect tip = fixture.script()->tip()->geometry();
    QVERIFY2(visible.contains(tip), qPrintable(QString("tip at %1,%2").arg(tip.x()).arg(tip.y())));
    QVERIFY(qAbs(tip.center().y() - cursor.center().y()) < 3 * tip.height());
    // Scrolling moves the tip with its line.
    QScrollBar* scroll = fixture.script()->verticalScrollBar();
    scroll->setValue(scroll->value() - 3);
    const QRect moved = fixture.script()->cursorRect().translated(fixture.script()->viewport()->pos());
    QCOMPARE(fixture.script()->tip()->y() - tip.y(), moved.y() - cursor.y());

    fixture.type(")\nval");
    fixture.completeKey();
    QVERIFY(fixture.listShown());
    const QRect line = fixture.script()->cursorRect().translated(fixture.script()->viewport()->pos());
    const QRect list = fixture.script()->completionList()->geometry();
    QVERIFY(visible.contains(list));
    QVERIFY(qAbs(list.center().y() - line.center().y()) < 2 * list.height());
}

void AIEditorWidgetTest::completionListOffersNamesThatBeginWithTheWord()
{
    EditorFixture fixture;
    fixture.type("Tabl");
    fixture.completeKey();
    QCOMPARE(fixture.script()->toPlainText(), QString("TableLetter"));
    QVERIFY(!fixture.listShown());

    fixture.type("\nMood = 1\nmy_score = endgame\nMo");
    fixture.completeKey();
    QVERIFY(fixture.listShown());
    QCOMPARE(fixture.items(), (QStringList{"Mood", "MoveAt", "MovesNumber"}));
    QTest::keyClick(fixture.script(), Qt::Key_Escape);
    QVERIFY(!fixture.listShown());
    // The names typed last are offered: an underscore splits a name.
    fixture.type("\nsco");
    fixture.completeKey();
    QCOMPARE(fixture.script()->toPlainText().section('\n', -1), QString("score"));
}

void AIEditorWidgetTest::listIgnoresLettersAndDownReturnInsertsTheCurrentItem()
{
    EditorFixture fixture;
    fixture.type("Mo");
    fixture.completeKey();
    QCOMPARE(fixture.items(), (QStringList{"MoveAt", "MovesNumber"}));
    fixture.type("zq(");
    QCOMPARE(fixture.script()->toPlainText(), QString("Mo"));
    QVERIFY(fixture.listShown());
    QVERIFY(!fixture.tipShown());

    QTest::keyClick(fixture.script(), Qt::Key_Down);
    QListWidget* list = fixture.script()->completionList();
    QVERIFY(list->hasFocus());
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(fixture.script()->toPlainText(), QString("MovesNumber"));
    QVERIFY(!fixture.listShown());
    QVERIFY(fixture.script()->hasFocus());

    // A closing key hides the list and leaves the text alone.
    fixture.type(" Mo");
    fixture.completeKey();
    QVERIFY(fixture.listShown());
    QTest::keyClick(fixture.script(), Qt::Key_Left);
    QVERIFY(!fixture.listShown());
    QCOMPARE(fixture.script()->toPlainText(), QString("MovesNumber Mo"));
}

void AIEditorWidgetTest::definedFunctionsStayOfferedAfterTheirTextIsGone()
{
    EditorFixture fixture;
    fixture.type("function Pick(a, b) return a end\nPint = 2\nPi");
    fixture.completeKey();
    QCOMPARE(fixture.items(), (QStringList{"Pick", "Pint"}));
    QTest::keyClick(fixture.script(), Qt::Key_Escape);

    fixture.script()->selectAll();
    QTest::keyClick(fixture.script(), Qt::Key_Delete);
    QCOMPARE(fixture.script()->toPlainText(), QString());
    fixture.type("Pi");
    fixture.completeKey();
    QCOMPARE(fixture.script()->toPlainText(), QString("Pick"));
}

void AIEditorWidgetTest::editingKeysWorkAsInAnyEditor()
{
    EditorFixture fixture;
    fixture.type("alpha beta");
    QTextCursor cursor = fixture.script()->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    fixture.script()->setTextCursor(cursor);

    QTest::keyClick(fixture.script(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(fixture.script()->toPlainText(), QString("beta"));
    QVERIFY(fixture.messages.empty()); // the exit box did not come up
    QCOMPARE(QApplication::clipboard()->text(), QString("alpha "));
    QTest::keyClick(fixture.script(), Qt::Key_End);
    QTest::keyClick(fixture.script(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(fixture.script()->toPlainText(), QString("betaalpha "));
    QTest::keyClick(fixture.script(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fixture.script()->toPlainText(), QString("beta"));
    fixture.script()->selectAll();
    QTest::keyClick(fixture.script(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("beta"));

    // Outside the editor Ctrl+X is still the window's Exit, which asks first.
    fixture.answer = 1;
    fixture.window->tabs()->setCurrentWidget(fixture.window->table());
    fixture.window->table()->setFocus();
    QTest::keyClick(fixture.window->table(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(fixture.messages.size(), std::size_t(1));
    QCOMPARE(fixture.messages[0], QString("Are you sure?"));
}

void AIEditorWidgetTest::testRunsTheScriptOnTheCurrentPositionAndPlaysNothing()
{
    EditorFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("CATDOGE");
    // A stale list from another rack, which Test must replace.
    glyph::moveGenerator(*fixture.game).generate("QQ");
    QCOMPARE(glyph::moveGenerator(*fixture.game).size(), 1);
    const glyph::Board board = fixture.game->board();
    const std::size_t history = fixture.game->rules()->history().size();

    fixture.script()->setPlainText("Debug(MovesNumber())\nSetSolution(MoveAt(0))\nDebug(PlayerRack())");
    fixture.editor()->testButton->click();

    glyph::MoveGenerator fresh(*fixture.game);
    fresh.generate("CATDOGE");
    QVERIFY(fresh.size() > 1);
    QCOMPARE(fixture.logLines(), (QStringList{QString::number(fresh.size()), "CATDOGE"}));
    QVERIFY(fixture.game->board() == board);
    QCOMPARE(fixture.game->rules()->history().size(), history);
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);
    for (const glyph::Player& player : fixture.game->rules()->players())
        QCOMPARE(player.score, 0);
    QCOMPARE(QString::fromStdString(glyph::uitext::rack(fixture.game->rules()->currentPlayer())),
             QString("CATDOGE"));
}

void AIEditorWidgetTest::testShowsScriptErrorsAndSurvivesARunawayScript()
{
    EditorFixture fixture;
    fixture.script()->setPlainText("x = = 1");
    fixture.editor()->testButton->click();
    QVERIFY2(fixture.logLines().last().startsWith("Error: [string \"x = = 1\"]:1:"),
             qPrintable(fixture.logLines().last()));
    QCOMPARE(fixture.script()->toPlainText(), QString("x = = 1"));

    glyph::scriptHost(*fixture.game).setRunTimeLimit(std::chrono::milliseconds(200));
    fixture.script()->setPlainText("while true do end");
    fixture.editor()->testButton->click();
    QVERIFY(fixture.logLines().last().startsWith("Error: "));
    QVERIFY(QApplication::overrideCursor() == nullptr);

    fixture.script()->setPlainText("Debug('after', nil, true, {})");
    fixture.editor()->testButton->click();
    QCOMPARE(fixture.logLines().last(), QString("after nil true table"));

    // No test run starts inside a computer turn's wait, which keeps the turn's solution.
    bool enabledDuringWait = true;
    fixture.window->setWaitFactor(1);
    QTimer::singleShot(10, [&] { enabledDuringWait = fixture.editor()->testButton->isEnabled(); });
    fixture.window->wait(60);
    QVERIFY(!enabledDuringWait);
    QVERIFY(fixture.editor()->testButton->isEnabled());
}

void AIEditorWidgetTest::computerTurnsWriteTheirDebugLinesToTheLog()
{
    EditorFixture fixture;
    fixture.write("Profiles/talker.cpu", "Debug('thinking about', MovesNumber(), 'moves')\n");
    fixture.start({{"Cpu", "talker.cpu"}, {"Ann", ""}});
    fixture.window->rack()->moveClicked();
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
    QCOMPARE(fixture.logLines().size(), 1);
    QVERIFY2(fixture.logLines()[0].startsWith("thinking about "), qPrintable(fixture.logLines()[0]));
    QVERIFY(fixture.logLines()[0].endsWith(" moves"));
}

QTEST_MAIN(AIEditorWidgetTest)
#include "aieditorwidgettest.moc"
