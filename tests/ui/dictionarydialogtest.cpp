// The dictionary window: searching as the user types, the filtered search on Return, editing
// the loaded dictionary through the conversion dialog, and its statistics.

#include <QHeaderView>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

#include "dictionary/searchstate.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/move.h"
#include "preferences/keys.h"
#include "ui/conversiondialog.h"
#include "ui/dictionarydialog.h"
#include "ui/uipreferences.h"
#include "uitestsupport.h"

using glyph::ConversionDialog;
using glyph::DictionaryDialog;
using glyph::SearchResult;
using glyph::test::WindowFixture;

namespace
{

/// The rows of the result table, one "WORD score vowels consonants length" string each.
QStringList tableRows(const QTableWidget& table)
{
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << (table.item(row, column) != nullptr ? table.item(row, column)->text() : "-");
        rows << cells.join(' ');
    }
    return rows;
}

/// The same rows as the core search gives them.
QStringList resultRows(const SearchResult& result)
{
    QStringList rows;
    for (const SearchResult::Row& row : result.rows)
        rows << QString("%1 %2 %3 %4 %5")
                    .arg(QString::fromStdString(row.word))
                    .arg(row.score)
                    .arg(row.vowels)
                    .arg(row.consonants)
                    .arg(row.length);
    return rows;
}

/// The fixture's words that match a regular expression, in alphabetical order.
QStringList wordsMatching(const QString& pattern)
{
    const QRegularExpression expression(QRegularExpression::anchoredPattern(pattern));
    QStringList words;
    for (const std::string& word : glyph::test::testWords()) {
        if (expression.match(QString::fromStdString(word)).hasMatch())
            words << QString::fromStdString(word);
    }
    words.sort();
    return words;
}

QStringList firstColumn(const QTableWidget& table)
{
    QStringList words;
    for (int row = 0; row < table.rowCount(); ++row)
        words << table.item(row, 0)->text();
    return words;
}

/// Types a word into a row of the edit table as the user would, through the cell editor of
/// the shown Edit page.
void typeEditWord(DictionaryDialog& dialog, int row, const QString& text)
{
    dialog.show();
    dialog.tabW->setCurrentWidget(dialog.editPage);
    dialog.editTable->setCurrentCell(row, 0);
    dialog.editTable->edit(dialog.editTable->model()->index(row, 0));
    QLineEdit* editor = nullptr;
    for (QLineEdit* open : dialog.editTable->viewport()->findChildren<QLineEdit*>()) {
        if (open->isVisible())
            editor = open;
    }
    QVERIFY(editor != nullptr);
    editor->clear();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor hands its text over in a queued call
}

QString statusOf(const QTableWidget& table, int row)
{
    const QTableWidgetItem* item = table.item(row, 1);
    return item != nullptr ? item->text() : QString();
}

/// Answers the conversion dialog of Apply: presses Start and waits until the run has ended.
int runConversion(QDialog& dialog)
{
    auto& conversion = dynamic_cast<ConversionDialog&>(dialog);
    conversion.startClicked();
    const bool ended = QTest::qWaitFor([&] { return !conversion.isRunning(); }, 10000);
    return ended ? QDialog::Accepted : QDialog::Rejected;
}

QString statistic(const DictionaryDialog& dialog, int row)
{
    return dialog.statisticTable->item(row, 0)->text() + dialog.statisticTable->item(row, 1)->text();
}

} // namespace

class DictionaryDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void typingAPatternShowsTheMatchesUpToTheViewLimit();
    void anagramModeFindsExactlyTheLettersTyped();
    void advancedModeSearchesOnReturnWithTheFilters();
    void editTableSaysWhetherEachWordIsInTheDictionary();
    void applyAddRebuildsTheLoadedDictionaryWithTheWord();
    void applyDeleteTakesTheWordOutOfTheGameAtOnce();
    void wordsThatAreNotAllLettersAreNeverSentToTheBuilder();
    void statisticsDescribeTheLoadedDictionary();
    void theWindowIsBuiltOnceAndKeepsItsFields();
};

void DictionaryDialogTest::typingAPatternShowsTheMatchesUpToTheViewLimit()
{
    WindowFixture fixture;
    DictionaryDialog& dialog = *fixture.window->dictionaryDialog();
    glyph::SearchState core(fixture.game->dictionary(), fixture.game->letterSet());

    QTest::keyClicks(dialog.wordFind, "c?t");
    QCOMPARE(firstColumn(*dialog.tableFind), wordsMatching("C.T"));
    QCOMPARE(tableRows(*dialog.tableFind), resultRows(*core.runSimpleOrAnagram("C?T", "100", false)));
    QCOMPARE(dialog.total->text(), QString::number(wordsMatching("C.T").size()));
    QVERIFY(QRegularExpression("^\\d\\d:\\d\\d\\d sec$").match(dialog.timeFind->text()).hasMatch());

    // Each character typed searches again; the view limit cuts the table, not the total.
    dialog.wordFind->clear();
    QTest::keyClicks(dialog.wordFind, "*t");
    const QStringList endingInT = wordsMatching("[A-Z]*T");
    QCOMPARE(firstColumn(*dialog.tableFind), endingInT);
    dialog.view->setText("2");
    QCOMPARE(firstColumn(*dialog.tableFind), endingInT.mid(0, 2));
    QCOMPARE(dialog.total->text(), QString::number(endingInT.size()));

    // A view limit that is no number stores no rows; the total still counts every match.
    dialog.view->setText("many");
    QCOMPARE(dialog.tableFind->rowCount(), 0);
    QCOMPARE(dialog.total->text(), QString::number(endingInT.size()));
    dialog.view->setText("2");

    // Clearing the text leaves the last results in place.
    dialog.wordFind->clear();
    QCOMPARE(dialog.tableFind->rowCount(), 2);
    QCOMPARE(dialog.total->text(), QString::number(endingInT.size()));

    // Vowel shorthand, drawn from the letter set: "/" is any one vowel.
    dialog.view->setText("100");
    QTest::keyClicks(dialog.wordFind, "//");
    QCOMPARE(firstColumn(*dialog.tableFind), wordsMatching("[AEIOU][AEIOU]"));
}

void DictionaryDialogTest::anagramModeFindsExactlyTheLettersTyped()
{
    WindowFixture fixture;
    DictionaryDialog& dialog = *fixture.window->dictionaryDialog();
    glyph::SearchState core(fixture.game->dictionary(), fixture.game->letterSet());

    dialog.anagram->setChecked(true);
    QTest::keyClicks(dialog.wordFind, "tar");
    QCOMPARE(firstColumn(*dialog.tableFind), (QStringList{"ART", "RAT", "TAR"}));
    QCOMPARE(tableRows(*dialog.tableFind), resultRows(*core.runSimpleOrAnagram("TAR", "100", true)));
    QCOMPARE(dialog.total->text(), QString("3"));

    QTest::keyClicks(dialog.wordFind, "t"); // TART is no word
    QCOMPARE(dialog.tableFind->rowCount(), 0);
    QCOMPARE(dialog.total->text(), QString("0"));
}

void DictionaryDialogTest::advancedModeSearchesOnReturnWithTheFilters()
{
    WindowFixture fixture;
    DictionaryDialog& dialog = *fixture.window->dictionaryDialog();
    glyph::SearchState core(fixture.game->dictionary(), fixture.game->letterSet());

    dialog.advanced->setChecked(true);
    dialog.minimLength->setText("3");
    dialog.maximLength->setText("3");
    dialog.minimValue->setText("0");
    dialog.maximValue->setText("100");
    dialog.banedLetters->setText("c");
    QTest::keyClicks(dialog.wordFind, "*");
    QCOMPARE(dialog.tableFind->rowCount(), 0); // typing does not search in this mode
    QTest::keyClick(dialog.wordFind, Qt::Key_Return);
    const QStringList threeWithoutC = wordsMatching("[ABD-Z]{3}");
    QCOMPARE(firstColumn(*dialog.tableFind), threeWithoutC);
    glyph::AdvancedFilters filters;
    filters.minLength = "3";
    filters.maxLength = "3";
    filters.minValue = "0";
    filters.maxValue = "100";
    filters.banned = "c";
    QCOMPARE(tableRows(*dialog.tableFind), resultRows(core.runAdvanced("*", "100", filters)));
    QCOMPARE(dialog.total->text(), QString::number(threeWithoutC.size()));

    // The palindrome box and the forced letters narrow it further.
    dialog.banedLetters->clear();
    dialog.minimLength->setText("2");
    dialog.palindrom->setChecked(true);
    QTest::keyClick(dialog.wordFind, Qt::Key_Return);
    QCOMPARE(firstColumn(*dialog.tableFind), (QStringList{"AA"}));
    dialog.palindrom->setChecked(false);
    dialog.forcedLetters->setText("tt");
    QTest::keyClick(dialog.wordFind, Qt::Key_Return);
    QCOMPARE(dialog.tableFind->rowCount(), 0);

    // Anagram mode also searches on Return with the filters; simple mode does not.
    dialog.forcedLetters->clear();
    dialog.anagram->setChecked(true);
    dialog.wordFind->setText("?A");
    QTest::keyClick(dialog.wordFind, Qt::Key_Return);
    QCOMPARE(firstColumn(*dialog.tableFind), wordsMatching("[A-Z]A"));
    dialog.simple->setChecked(true);
    dialog.wordFind->setText("*");
    const int rowsBefore = dialog.tableFind->rowCount();
    dialog.maximLength->setText("0");
    QTest::keyClick(dialog.wordFind, Qt::Key_Return);
    QCOMPARE(dialog.tableFind->rowCount(), rowsBefore);

    // Return with an empty text clears the results.
    dialog.advanced->setChecked(true);
    dialog.wordFind->clear();
    QTest::keyClick(dialog.wordFind, Qt::Key_Return);
    QCOMPARE(dialog.tableFind->rowCount(), 0);
    QCOMPARE(dialog.total->text(), QString("0"));
}

void DictionaryDialogTest::editTableSaysWhetherEachWordIsInTheDictionary()
{
    WindowFixture fixture;
    DictionaryDialog& dialog = *fixture.window->dictionaryDialog();
    QCOMPARE(dialog.editTable->rowCount(), 200);
    QCOMPARE(dialog.editTable->horizontalHeaderItem(0)->text(), QString("Word"));
    QCOMPARE(dialog.editTable->horizontalHeaderItem(1)->text(), QString("Status"));

    typeEditWord(dialog, 0, "cat");
    typeEditWord(dialog, 1, "Catx");
    typeEditWord(dialog, 2, "cat's");
    typeEditWord(dialog, 3, "xylo-phonic");
    QCOMPARE(statusOf(*dialog.editTable, 0), QString("Yes"));
    QCOMPARE(statusOf(*dialog.editTable, 1), QString("No"));
    QCOMPARE(statusOf(*dialog.editTable, 2), QString("Not valid"));
    QCOMPARE(statusOf(*dialog.editTable, 3), QString("Not valid"));

    // Changing a word changes its status; emptying it empties the status.
    typeEditWord(dialog, 1, "dog");
    QCOMPARE(statusOf(*dialog.editTable, 1), QString("Yes"));
    typeEditWord(dialog, 1, "");
    QCOMPARE(statusOf(*dialog.editTable, 1), QString());

    dialog.clearListClicked();
    for (int row = 0; row < 4; ++row) {
        const QTableWidgetItem* word = dialog.editTable->item(row, 0);
        QVERIFY(word == nullptr || word->text().isEmpty());
        QCOMPARE(statusOf(*dialog.editTable, row), QString());
    }
}

void DictionaryDialogTest::applyAddRebuildsTheLoadedDictionaryWithTheWord()
{
    WindowFixture fixture;
    DictionaryDialog& dialog = *fixture.window->dictionaryDialog();
    const std::uint32_t wordsBefore = fixture.game->dictionary().wordCount();
    QVERIFY(!fixture.game->dictionary().contains("CATX"));

    typeEditWord(dialog, 0, "catx");
    typeEditWord(dialog, 5, "dog"); // already there: neither inserted twice nor counted twice
    typeEditWord(dialog, 6, "CATX");
    bool fieldsAsApplySetsThem = false;
    fixture.onDialog = [&](QDialog& shown) {
        auto& conversion = dynamic_cast<ConversionDialog&>(shown);
        fieldsAsApplySetsThem = !conversion.in->isEnabled() && !conversion.browseIn->isEnabled() &&
                                conversion.out->text() == "Dictionaries/Test.dic" &&
                                conversion.mode() == glyph::ConversionMode::AddWords;
        return runConversion(shown);
    };
    dialog.applyClicked();
    QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::ConversionDialog"});
    QVERIFY(fieldsAsApplySetsThem);
    QCOMPARE(fixture.messages, std::vector<QString>{"Conversion success"});

    // The game's dictionary is the rewritten file, and every view of it says so.
    QVERIFY(fixture.game->dictionary().contains("CATX"));
    QVERIFY(fixture.game->dictionary().contains("CAT"));
    QCOMPARE(fixture.game->dictionary().wordCount(), wordsBefore + 1);
    QCOMPARE(statistic(dialog, 2), "Words: " + QString::number(wordsBefore + 1));
    glyph::Dictionary reread(fixture.fallback);
    QVERIFY(reread.load(fixture.path("Dictionaries/Test.dic")));
    QVERIFY(reread.contains("CATX"));
    dialog.wordFind->setText("catx");
    QCOMPARE(firstColumn(*dialog.tableFind), (QStringList{"CATX"}));
}

void DictionaryDialogTest::applyDeleteTakesTheWordOutOfTheGameAtOnce()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("CATEEEE");
    glyph::Move cat;
    cat.horiz = 1;
    cat.lin = 8; // the centre row and column of the 15 x 15 board
    cat.col = 7;
    std::string("CAT").copy(cat.word, 3);
    fixture.game->computeScore(cat, fixture.game->board());
    QVERIFY(fixture.game->rules()->validateMove(cat).ok());
    fixture.messages.clear();

    DictionaryDialog& dialog = *fixture.window->dictionaryDialog();
    dialog.deleteWords->setChecked(true);
    typeEditWord(dialog, 0, "cat");
    fixture.onDialog = runConversion;
    dialog.applyClicked();
    QCOMPARE(fixture.messages, std::vector<QString>{"Conversion success"});
    QVERIFY(!fixture.game->dictionary().contains("CAT"));
    QVERIFY(fixture.game->dictionary().contains("COT"));

    fixture.messages.clear();
    fixture.game->rules()->playMove(cat);
    QCOMPARE(fixture.messages, std::vector<QString>{"Word CAT is NOT in dictionary"});
    QVERIFY(!fixture.game->isOccupied(8, 8));
    QCOMPARE(statusOf(*dialog.editTable, 0), QString("No")); // looked up again after the reload
}

void DictionaryDialogTest::wordsThatAreNotAllLettersAreNeverSentToTheBuilder()
{
    WindowFixture fixture;
    DictionaryDialog& dialog = *fixture.window->dictionaryDialog();
    fixture.onDialog = runConversion;

    // Cut at the apostrophe, "cat's" would delete CAT.
    dialog.deleteWords->setChecked(true);
    typeEditWord(dialog, 0, "cat's");
    dialog.applyClicked();
    QVERIFY(fixture.game->dictionary().contains("CAT"));

    // Cut at the hyphen, "xylo-phonic" would add XYLO; a word typed with blanks around it counts.
    dialog.addWords->setChecked(true);
    typeEditWord(dialog, 0, "xylo-phonic");
    typeEditWord(dialog, 1, " tact ");
    dialog.applyClicked();
    QVERIFY(!fixture.game->dictionary().contains("XYLO"));
    QVERIFY(fixture.game->dictionary().contains("TACT"));
    QCOMPARE(fixture.messages, (std::vector<QString>{"Conversion success", "Conversion success"}));
}

void DictionaryDialogTest::statisticsDescribeTheLoadedDictionary()
{
    WindowFixture fixture;
    DictionaryDialog& dialog = *fixture.window->dictionaryDialog();
    QCOMPARE(dialog.windowTitle(), QString("Dictionary - Dictionaries/Test.dic"));
    QCOMPARE(statistic(dialog, 0), QString("File name: Dictionaries/Test.dic"));
    QCOMPARE(statistic(dialog, 1), QString("Author: Glyphmosaic"));

    // A dictionary of 1,500,000 entries: a few words followed by entries no list reaches.
    std::vector<glyph::DawgNode> nodes = glyph::test::trieNodes({"NOON", "ZOO"});
    nodes.resize(1500000, 0);
    fixture.write("Dictionaries/Big.dic", glyph::test::dicFile(nodes, 1234567));
    QVERIFY(fixture.game->dictionary().load("Dictionaries/Big.dic"));
    dialog.wordFind->setText("*");
    QVERIFY(dialog.tableFind->rowCount() > 0);

    fixture.window->updateDictionaryInfo(); // as the new-game dialog does after loading
    QCOMPARE(dialog.windowTitle(), QString("Dictionary - Dictionaries/Big.dic"));
    QCOMPARE(statistic(dialog, 0), QString("File name: Dictionaries/Big.dic"));
    QCOMPARE(statistic(dialog, 2), QString("Words: 1,234,567"));
    QCOMPARE(statistic(dialog, 3), QString("Nodes: 1,500,000"));
    QCOMPARE(statistic(dialog, 4), QString("Size: 5,859 Kb"));
    QCOMPARE(dialog.tableFind->rowCount(), 0); // the old results are gone

    // A reload after Apply that fails shows the dictionary's message, then what is loaded.
    QVERIFY(fixture.game->dictionary().load("Dictionaries/Test.dic"));
    fixture.write("Dictionaries/Test.dic", "Glyphmosaic"); // a header cut short
    fixture.onDialog = [](QDialog&) { return static_cast<int>(QDialog::Rejected); };
    fixture.messages.clear();
    dialog.applyClicked();
    QCOMPARE(fixture.messages, std::vector<QString>{"Corrupted data in Dictionaries/Test.dic file"});
    QCOMPARE(statistic(dialog, 0), QString("File name: "));
    QCOMPARE(statistic(dialog, 3), QString("Nodes: 0"));
    QCOMPARE(statistic(dialog, 4), QString("Size: 0 Kb"));
}

void DictionaryDialogTest::theWindowIsBuiltOnceAndKeepsItsFields()
{
    WindowFixture fixture;
    DictionaryDialog* dialog = fixture.window->dictionaryDialog();
    QVERIFY(dialog != nullptr);
    QVERIFY(!dialog->isModal());
    QVERIFY(!dialog->isVisible());
    QAction* command = nullptr; // Tools > Dictionary, as the user chooses it
    for (QAction* action : fixture.window->findChildren<QAction*>()) {
        if (action->text() == "&Dictionary")
            command = action;
    }
    QVERIFY(command != nullptr && command->isEnabled());
    command->trigger();
    QVERIFY(dialog->isVisible());
    QVERIFY(!fixture.window->paused()); // a modeless window does not stop the clocks
    dialog->wordFind->setText("cat");
    dialog->resize(520, 480);
    dialog->hide();
    fixture.window->dictionaryClicked();
    QCOMPARE(fixture.window->dictionaryDialog(), dialog);
    QCOMPARE(dialog->wordFind->text(), QString("cat"));
    QCOMPARE(dialog->tableFind->rowCount(), 1);

    // Its geometry is stored when the main window goes, and restored when the next one comes.
    fixture.window.reset();
    QRect stored;
    QVERIFY(glyph::uiprefs::getGeometry(*fixture.preferences, glyph::keys::kDictionaryDialog, stored));
    QCOMPARE(stored.size(), QSize(520, 480));
    glyph::MainWindow next(*fixture.game);
    QCOMPARE(next.dictionaryDialog()->size(), QSize(520, 480));
}

QTEST_MAIN(DictionaryDialogTest)
#include "dictionarydialogtest.moc"
