// The profile editor: loading and saving profiles, the completion list and the tip, and the
// Test run, which shows the script's output and leaves the game alone.

#include "ui/aieditorwidget.h"
#include "ai/movegenerator.h"
#include "ui/luaeditorwidget.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

namespace
{

/// The window shown with the editor's page current, the keyboard in the script and the file
/// chooser answering with `chosen`.
class EditorFixture : public WindowFixture
{
public:
    EditorFixture()
    {
        window->show();
        window->tabs()->setCurrentWidget(editor());
        script()->setFocus();
        editor()->setFileChooser([this](bool, const QString&, const QString&) { return chosen; });
    }

    glyph::AIEditorWidget* editor() const { return window->aiEditor(); }
    glyph::LuaEditorWidget* script() const { return editor()->editor; }
    /// Types a line as the user would, key by key, after a Return when asked.
    void type(const QString& text, bool newLine = false) const
    {
        if (newLine)
            QTest::keyClick(script(), Qt::Key_Return);
        QTest::keyClicks(script(), text);
    }
    void complete() const { QTest::keyClick(script(), Qt::Key_Space, Qt::ControlModifier); }
    QString at(const std::string& name) const { return QString::fromStdString(folder.file(name)); }

    QString chosen;
};

} // namespace

class AIEditorWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void browseAndSaveKeepToCpuFiles()
    {
        EditorFixture fixture;
        fixture.folder.write("Profiles/kept.cpu.old", "old = 1\r\nDebug(\"caf\xe9\")\r\n");
        fixture.script()->setPlainText("mine = 1");
        // Cancelled, or no ".cpu" (case counts): nothing is read; unreadable: a warning.
        for (const char* ignored : {"", "Profiles/notes.txt", "Profiles/Upper.CPU", "Profiles/missing.cpu"}) {
            fixture.chosen = QString::fromLatin1(ignored);
            fixture.editor()->browse->click();
            QCOMPARE(fixture.script()->toPlainText(), QString("mine = 1"));
            QCOMPARE(fixture.editor()->fileName->text(), QString());
        }
        QCOMPARE(fixture.messages, std::vector<QString>{"Can't open Profiles/missing.cpu"});
        // ".cpu" anywhere in the path will do; carriage returns go, Latin-1 letters stay.
        fixture.chosen = "Profiles/kept.cpu.old";
        fixture.editor()->browse->click();
        const QString text = QString::fromLatin1("old = 1\nDebug(\"caf\xe9\")\n");
        QCOMPARE(fixture.script()->toPlainText(), text);
        QCOMPARE(fixture.editor()->fileName->text(), QString("Profiles/kept.cpu.old"));

        // Saving appends ".cpu" unless the name holds it already, in that case.
        const std::pair<const char*, const char*> saves[] = {{"Profiles/mine", "Profiles/mine.cpu"},
                                                             {"Profiles/a.cpu.v2", "Profiles/a.cpu.v2"},
                                                             {"Profiles/b.CPU", "Profiles/b.CPU.cpu"}};
        for (const auto& [chosen, written] : saves) {
            fixture.chosen = fixture.at(chosen);
            fixture.editor()->saveButton->click();
            QFile file(fixture.at(written));
            QVERIFY2(file.open(QIODevice::ReadOnly), written);
            QCOMPARE(QString::fromLatin1(file.readAll()), text);
            QCOMPARE(fixture.editor()->fileName->text(), fixture.at(written));
        }
        fixture.chosen = fixture.at("no such folder/c");
        fixture.editor()->saveButton->click();
        QCOMPARE(fixture.messages.back(), "Can't save " + fixture.at("no such folder/c.cpu"));
        QCOMPARE(fixture.editor()->fileName->text(), fixture.at("Profiles/b.CPU.cpu"));
    }

    void completionListAndTipOfferTheScriptingNames()
    {
        EditorFixture fixture;
        // One name fits: it is written at once; several: the list shows them, the script's own too.
        fixture.type("Tabl");
        fixture.complete();
        QCOMPARE(fixture.script()->toPlainText(), QString("TableLetter"));
        QVERIFY(fixture.script()->completionList()->isHidden());
        fixture.type("Mood = 1", true);
        fixture.type("Mo", true);
        fixture.complete();
        QVERIFY(fixture.script()->completionList()->isVisible());
        QListWidget* list = fixture.script()->completionList();
        QStringList items;
        for (int row = 0; row < list->count(); ++row)
            items << list->item(row)->text();
        QCOMPARE(items, (QStringList{"Mood", "MoveAt", "MovesNumber"}));
        QTest::keyClick(fixture.script(), Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(fixture.script()->toPlainText().section('\n', -1), QString("MoveAt"));
        QVERIFY(fixture.script()->completionList()->isHidden());

        // The tip shows an exported function's results, name and arguments until the call is closed.
        fixture.type("(");
        QVERIFY(fixture.script()->tip()->isVisible());
        QCOMPARE(fixture.script()->tip()->text(),
                 QString("bool horiz, int col, int lin, int score, str word, str jokers\nMoveAt\nint index"));
        fixture.type("0)");
        QVERIFY(fixture.script()->tip()->isHidden());
        fixture.type("print(", true);
        QVERIFY(fixture.script()->tip()->isHidden());
    }

    void testRunsTheScriptOnTheCurrentPositionAndPlaysNothing()
    {
        EditorFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.setRack("CATDOGE");
        const glyph::Board board = fixture.game->board();
        const std::size_t history = fixture.game->rules()->history().size();
        fixture.script()->setPlainText(
            "Debug(MovesNumber())\nSetSolution(MoveAt(0))\nDebug(PlayerRack(), nil)");
        fixture.editor()->testButton->click();

        glyph::MoveGenerator fresh(*fixture.game);
        fresh.generate("CATDOGE");
        QCOMPARE(fixture.editor()->log->toPlainText(), QString("%1\nCATDOGE nil").arg(fresh.size()));
        QVERIFY(fixture.game->board() == board);
        QCOMPARE(fixture.game->rules()->history().size(), history);
        QCOMPARE(std::string(fixture.game->rules()->currentPlayer().rack), std::string("CATDOGE"));

        fixture.script()->setPlainText("x = = 1");
        fixture.editor()->testButton->click();
        const QString last = fixture.editor()->log->toPlainText().section('\n', -1);
        QVERIFY2(last.startsWith("Error: [string \"x = = 1\"]:1:"), qPrintable(last));
    }
};

QTEST_MAIN(AIEditorWidgetTest)
#include "aieditorwidgettest.moc"
