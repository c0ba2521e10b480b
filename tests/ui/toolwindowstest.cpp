// The player's tools beside the game: the dictionary window (searches, its Edit page, word
// study with study lists and the quiz, a whole-dictionary search that Stop ends), palindromes,
// the conversion dialog that builds a dictionary, and the profile editor.

#include <atomic>
#include <fstream>
#include <numeric>
#include <random>

#include "dictionary/dawgbuilder.h"
#include "dictionary/hookfinder.h"
#include "dictionary/probabilityranking.h"
#include "dictionary/racksearch.h"
#include "dictionary/wordprobability.h"
#include "support/readonlyfolder.h"
#include "ui/common/uitext.h"
#include "ui/dictionary/conversiondialog.h"
#include "ui/dictionary/dictionarydialog.h"
#include "ui/profiles/aieditorwidget.h"
#include "ui/profiles/luaeditorwidget.h"
#include "uitestsupport.h"

using glyph::ConversionDialog;
using glyph::DictionaryDialog;
using glyph::test::child;
using glyph::test::WindowFixture;

namespace
{

/// The fixture's words matching a regular expression, in alphabetical order.
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

/// The rows of a table, each the shown cells (or only the one headed "Word") joined by blanks.
QStringList tableRows(const QTableWidget& table, bool wordOnly = false)
{
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column) {
            const bool word = table.horizontalHeaderItem(column)->text() == "Word";
            if ((wordOnly && word) || (!wordOnly && !table.isColumnHidden(column)))
                cells << table.item(row, column)->text();
        }
        rows << cells.join(' ');
    }
    return rows;
}

/// Waits until the dictionary window has shown the rows of its last search.
void waitForSearch(const DictionaryDialog& dialog)
{
    QVERIFY(QTest::qWaitFor([&dialog] { return !dialog.searching(); }, 20000));
}

/// Writes a word into a row of the Edit page's table, as the cell editor does.
void setEditWord(DictionaryDialog& dialog, int row, const QString& text)
{
    QAbstractItemModel& model = *child<QTableWidget>(dialog, "editTable")->model();
    model.setData(model.index(row, 0), text);
}

/// Presses Start in a conversion dialog and waits for the run's end.
int runConversion(QDialog& dialog)
{
    auto& conversion = dynamic_cast<ConversionDialog&>(dialog);
    conversion.startClicked();
    const bool ended = QTest::qWaitFor([&] { return !conversion.isRunning(); }, 10000);
    return ended ? QDialog::Accepted : QDialog::Rejected;
}

enum Column { Front, Word, Back, Added, Score, Vowels, Consonants, Length, Rank };

/// Words with many hooks and anagrams among the fixture's two-letter words.
std::vector<std::string> studyWords()
{
    std::vector<std::string> words = glyph::test::testWords();
    std::istringstream more(
        "ATES EATS SEAT TEAS EAST SATE ETAS STAR RATS ARTS TSAR TARS STARE RATES TEARS ASTER "
        "TARES RATE CRATE CRATES TRACE CARET CATER REACT RECAST CARTS SCAT CAST ACTS CATS "
        "TEAR TARE DOGS GOD GODS TOGA GOAT");
    words.insert(words.end(), std::istream_iterator<std::string>(more), std::istream_iterator<std::string>());
    return words;
}

/// A study list longer than the table, with the rows each order shows of it.
struct LongList {
    static constexpr std::size_t kWords = 1500;
    static constexpr std::size_t kShown = 1000;
    std::vector<QString> file;
    std::vector<QString> firstInFile;
    std::vector<QString> likeliest;
};

class StudyFixture : public WindowFixture
{
public:
    StudyFixture() : dialog(*window->dictionaryDialog())
    {
        glyph::test::DicFileWriter::write(folder.file("Dictionaries/Study.dic"), studyWords());
        game->dictionary().load(folder.file("Dictionaries/Study.dic"));
        dialog.refreshStatistics();
    }

    QTableWidget& table() const { return *child<QTableWidget>(dialog, "tableFind"); }
    QString cell(int row, Column column) const { return table().item(row, column)->text(); }
    std::vector<QString> column(Column column) const
    {
        std::vector<QString> cells;
        for (int row = 0; row < table().rowCount(); ++row)
            cells.push_back(cell(row, column));
        return cells;
    }

    /// Types the text in the search field in the given mode and waits for the rows and ranks.
    void find(const char* mode, const QString& text)
    {
        child<QRadioButton>(dialog, mode)->setChecked(true);
        child<QLineEdit>(dialog, "wordFind")->setText(text);
        waitForSearch(dialog);
    }

    /// Opens a study list through the file chooser and waits for its rows.
    void loadList(const QString& file)
    {
        prompter.setOpenFileNameHandler([file](const QString&, const QString&) { return file; });
        child<QPushButton>(dialog, "loadList")->click();
        waitForSearch(dialog);
    }

    /// Picks an order of the list ("Natural" 0, "Most likely first" 1) and waits for any search.
    void setOrder(int index)
    {
        child<QComboBox>(dialog, "searchOrder")->setCurrentIndex(index);
        waitForSearch(dialog);
    }

    /// Picks a search mode, leaving the search field as it is, and waits for any search.
    void pickMode(const char* mode)
    {
        child<QRadioButton>(dialog, mode)->setChecked(true);
        waitForSearch(dialog);
    }

    /// Writes a study list of random words under the game's letter set, more than the table
    /// shows and the least likely first, so that the likeliest are all past the first rows.
    LongList writeLongList(const std::string& name) const
    {
        const glyph::WordProbability probability(game->letterSet());
        std::mt19937 random(7);
        std::vector<std::string> words;
        std::vector<double> chances;
        while (words.size() < LongList::kWords) {
            std::string word(2 + random() % 5, 'A');
            for (char& letter : word)
                letter = static_cast<char>('A' + random() % 26);
            words.push_back(word);
            chances.push_back(probability.chance(word));
        }
        std::vector<std::size_t> likeliestFirst(words.size());
        std::iota(likeliestFirst.begin(), likeliestFirst.end(), 0);
        std::stable_sort(likeliestFirst.begin(), likeliestFirst.end(), [&](std::size_t a, std::size_t b) {
            return glyph::WordProbability::moreLikely(chances[a], words[a], chances[b], words[b]);
        });
        LongList list;
        for (auto place = likeliestFirst.rbegin(); place != likeliestFirst.rend(); ++place)
            list.file.push_back(QString::fromStdString(words[*place]));
        for (std::size_t n = 0; n < LongList::kShown; ++n)
            list.likeliest.push_back(QString::fromStdString(words[likeliestFirst[n]]));
        list.firstInFile.assign(list.file.begin(), list.file.begin() + LongList::kShown);
        const QStringList lines(list.file.begin(), list.file.end());
        std::filesystem::create_directories(std::filesystem::path(folder.file(name)).parent_path());
        folder.write(name, lines.join('\n').toStdString());
        return list;
    }

    void clickHeader(Column column) const
    {
        QHeaderView* header = table().horizontalHeader();
        const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
    }

    DictionaryDialog& dialog;
};

} // namespace

class ToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void searchesAndEditsGoThroughTheGamesDictionary()
    {
        WindowFixture fixture;
        DictionaryDialog& dialog = *fixture.window->dictionaryDialog();
        // Each Alt key of the window, on its buttons and page tabs, stands for one of them.
        QStringList keys;
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            keys << QKeySequence::mnemonic(button->text()).toString();
        for (const QTabWidget* tabs : dialog.findChildren<QTabWidget*>())
            for (int tab = 0; tab < tabs->count(); ++tab)
                keys << QKeySequence::mnemonic(tabs->tabText(tab)).toString();
        keys.removeAll(QString());
        QStringList distinct = keys;
        distinct.removeDuplicates();
        QVERIFY2(distinct.size() == keys.size(), qPrintable(keys.join(' ')));
        const auto field = [&dialog](const char* name) { return child<QLineEdit>(dialog, name); };
        QLineEdit& wordFind = *field("wordFind");
        const auto found = [&dialog] { return tableRows(*child<QTableWidget>(dialog, "tableFind"), true); };
        // Each key typed searches again; the view limit cuts the table, not the total. (What the
        // patterns match: the core's search test.)
        field("view")->setText("2");
        QTest::keyClicks(&wordFind, "*t");
        waitForSearch(dialog);
        const QStringList endingInT = wordsMatching(".*T");
        QCOMPARE(found(), endingInT.mid(0, 2));
        QCOMPARE(field("total")->text(), QString::number(endingInT.size()));
        field("view")->setText("1000");

        child<QRadioButton>(dialog, "anagram")->setChecked(true);
        wordFind.setText("tar");
        waitForSearch(dialog);
        QCOMPARE(found(), wordsMatching("ART|RAT|TAR"));
        // Letters typed with their marks (as on a Romanian keyboard) are the plain letters.
        wordFind.setText(QString::fromUtf8("\u021B\u0103R"));
        waitForSearch(dialog);
        QCOMPARE(found(), wordsMatching("ART|RAT|TAR"));
        wordFind.setText("tar");
        waitForSearch(dialog);
        // A row: front hooks (none), the word, back hooks (none, but AR is a word), its value from
        // the set, vowels, consonants, length, then its probability rank.
        QVERIFY(
            tableRows(*child<QTableWidget>(dialog, "tableFind")).front().startsWith(" ART \u00B7 3 1 2 3 "));

        // Advanced mode searches on Return only; its bounds start wide enough for every word.
        const auto pressReturn = [&] {
            QTest::keyClick(&wordFind, Qt::Key_Return);
            waitForSearch(dialog);
        };
        auto* note = child<QLabel>(dialog, "timeFind");
        child<QRadioButton>(dialog, "advanced")->setChecked(true);
        wordFind.clear();
        QTest::keyClicks(&wordFind, "*");
        waitForSearch(dialog);
        QCOMPARE(found(), wordsMatching("ART|RAT|TAR"));
        pressReturn();
        QCOMPARE(found(), wordsMatching(".*"));
        QVERIFY(!note->text().contains("bound"));
        // An empty upper bound finds nothing, and the result line says why.
        for (const QString why : {"Length", "Value"}) {
            field(qPrintable("maxim" + why))->clear();
            pressReturn();
            QCOMPARE(found(), QStringList());
            QVERIFY2(note->text().contains("Nothing found: the " + why.toLower() + " has no upper bound."),
                     qPrintable(note->text()));
            field(qPrintable("maxim" + why))->setText("9999");
        }
        // The filters of its page, each of them in force.
        field("minimLength")->setText("2");
        field("maximLength")->setText("3");
        field("banedLetters")->setText("c");
        field("forcedLetters")->setText("t");
        pressReturn();
        QCOMPARE(found(), wordsMatching("(?=.*T)[ABD-Z]{2,3}"));
        field("forcedLetters")->clear();
        child<QCheckBox>(dialog, "palindrom")->setChecked(true);
        pressReturn();
        QCOMPARE(found(), wordsMatching("AA"));

        // The Edit page: Apply adds or deletes the valid words listed, and the game uses them.
        const auto words = static_cast<int>(glyph::test::testWords().size());
        const char* const typed[] = {"level", "dog", "noon", " NOON ", "xylo-phonic", "otto"};
        for (int row = 0; row < 6; ++row)
            setEditWord(dialog, row, typed[row]);
        const auto status = [&dialog](int row) {
            return child<QTableWidget>(dialog, "editTable")->item(row, 1)->text();
        };
        QCOMPARE(QStringList({status(0), status(1), status(4)}), (QStringList{"No", "Yes", "Not valid"}));

        // Three words are new: NOON is added once although listed twice, and nothing is cut from
        // "xylo-phonic" at its hyphen.
        fixture.onDialog = runConversion;
        dialog.applyClicked();
        QCOMPARE(fixture.messages, std::vector<QString>{"Conversion success"});
        QCOMPARE(fixture.game->dictionary().wordCount(), words + 3u);
        QCOMPARE(child<QTableWidget>(dialog, "statisticTable")->item(2, 1)->text(),
                 QString::number(words + 3));
        QCOMPARE(status(0), QString("Yes"));

        // Deleting: "cat's" is not valid, so it must not delete CAT.
        dialog.clearListClicked();
        child<QRadioButton>(dialog, "deleteWords")->setChecked(true);
        setEditWord(dialog, 0, "cot");
        setEditWord(dialog, 1, "cat's");
        dialog.applyClicked();
        QVERIFY(!fixture.game->dictionary().contains("COT") && fixture.game->dictionary().contains("CAT"));
        QCOMPARE(fixture.game->dictionary().wordCount(), words + 2u);

        // The palindromes of the game's dictionary now, longest first, and copied as listed.
        QStringList rows;
        fixture.onDialog = [&](QDialog& palindromes) {
            rows = tableRows(*child<QTableWidget>(palindromes, "table"));
            child<QPushButton>(palindromes, "copyClipboard")->click();
            return static_cast<int>(QDialog::Accepted);
        };
        fixture.window->palindromClicked();
        QCOMPARE(rows, (QStringList{"LEVEL", "NOON", "OTTO", "AA"}));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("LEVEL\nNOON\nOTTO\nAA\n"));

        // A rebuilt file that cannot be read back is reported.
        fixture.folder.write("Dictionaries/Test.dic", "Glyphmosaic");
        fixture.onDialog = nullptr;
        fixture.messages.clear();
        dialog.applyClicked();
        QCOMPARE(fixture.messages, std::vector<QString>{"Corrupted data in Dictionaries/Test.dic file"});
    }

    void conversionReplacesTheDictionaryOnlyWhenItRunsToTheEnd()
    {
        WindowFixture fixture;
        fixture.folder.write("Dictionaries/English.txt", "art\ncat\ntea\n");
        const QStringList files = QDir("Dictionaries").entryList(QDir::Files | QDir::Hidden);
        const std::string before = fixture.folder.read("Dictionaries/Test.dic");
        {
            ConversionDialog dialog(*fixture.session, nullptr);
            // The run waits where compaction starts until Stop is pressed, however fast the machine.
            glyph::DawgBuilder& builder = dialog.builder();
            std::atomic<bool> held{false};
            builder.setStatusListener([&](const std::string& status) {
                if (status.rfind("Compacting", 0) != 0 || held.exchange(true))
                    return;
                const QDeadlineTimer deadline(10000);
                while (!builder.abortRequested() && !deadline.hasExpired())
                    QThread::msleep(1);
            });
            child<QPushButton>(dialog, "start")->click();
            QVERIFY(QTest::qWaitFor([&] { return held.load(); }, 10000));
            child<QPushButton>(dialog, "stop")->click();
            QVERIFY(!dialog.isRunning() && child<QPushButton>(dialog, "start")->isEnabled());
        }
        QCOMPARE(fixture.messages,
                 std::vector<QString>{"Conversion stopped: the dictionary was not changed."});
        QCOMPARE(QDir("Dictionaries").entryList(QDir::Files | QDir::Hidden), files);
        QVERIFY(fixture.folder.read("Dictionaries/Test.dic") == before);

        // A Stop pressed at once, before the worker has begun, holds as well, run after run;
        // the next Start runs to the end. A run that did begin first waits for the Stop at its
        // first step, so that it cannot end before the Stop comes.
        fixture.messages.clear();
        {
            ConversionDialog dialog(*fixture.session, nullptr);
            glyph::DawgBuilder& builder = dialog.builder();
            builder.setStatusListener([&builder](const std::string& status) {
                const QDeadlineTimer deadline(2000);
                while (status == "Checking for already sorted list..." && !builder.abortRequested() &&
                       !deadline.hasExpired())
                    QThread::msleep(1);
            });
            for (int run = 0; run < 5; ++run) {
                dialog.startClicked();
                dialog.stopClicked();
                QVERIFY(!dialog.isRunning());
                QVERIFY(fixture.folder.read("Dictionaries/Test.dic") == before);
            }
            QCOMPARE(fixture.messages,
                     std::vector<QString>(5, "Conversion stopped: the dictionary was not changed."));
            builder.setStatusListener(nullptr);
            child<QLineEdit>(dialog, "out")->setText("Dictionaries/Other.dic");
            runConversion(dialog);
            QCOMPARE(fixture.messages.back(), QString("Conversion success"));
        }
        QVERIFY(fixture.folder.read("Dictionaries/English.txt") == "art\ncat\ntea\n");

        // A list in a folder the user may not write is built from its words sorted aside, and
        // the message says that the list stays as it was.
        const std::string unsorted = "tea\nart\n";
        const glyph::test::ReadOnlyFolder readOnly(
            fixture.folder.path() / "locked",
            [&](const std::filesystem::path& path) { std::ofstream(path / "list.txt") << unsorted; });
        if (readOnly.isLocked()) {
            ConversionDialog dialog(*fixture.session, nullptr);
            child<QLineEdit>(dialog, "in")->setText("locked/list.txt");
            child<QLineEdit>(dialog, "out")->setText("Dictionaries/Other.dic");
            runConversion(dialog);
            QCOMPARE(fixture.messages.back(),
                     QString("Conversion success\n\nThe word list could not be reordered in place (it may "
                             "be read-only): the dictionary was built from its words sorted in memory, "
                             "and the list stays as it was."));
            QVERIFY(fixture.folder.read("locked/list.txt") == unsorted);
            glyph::Dictionary built(fixture.fallback);
            QVERIFY(built.load(fixture.folder.file("Dictionaries/Other.dic")));
            QVERIFY(built.wordCount() == 2 && built.contains("ART") && built.contains("TEA"));
        }

        // A list that cannot be read fails, and says so otherwise than a stop.
        fixture.messages.clear();
        {
            ConversionDialog dialog(*fixture.session, nullptr);
            child<QLineEdit>(dialog, "in")->setText("Dictionaries/none.txt");
            runConversion(dialog);
            QCOMPARE(child<QTableWidget>(dialog, "table")->item(0, 0)->text(), QString("Failed"));
        }
        QCOMPARE(fixture.messages.back(), QString("Conversion error: the dictionary was not changed."));

        // Run to the end from the menu, the list replaces the dictionary; lines that are no words
        // are counted, and the status row no longer says it is writing.
        fixture.folder.write("Dictionaries/English.txt", "art\ncat\ntea\nice-cream\n# note\n");
        fixture.messages.clear();
        QString status;
        fixture.onDialog = [&status](QDialog& dialog) {
            const int result = runConversion(dialog);
            status = child<QTableWidget>(dialog, "table")->item(0, 0)->text();
            return result;
        };
        fixture.window->conversionClicked();
        QCOMPARE(status, QString("Done"));
        QCOMPARE(fixture.messages,
                 std::vector<QString>{"Conversion success. 2 lines of the list are no words of "
                                      "letters A to Z and were left out of the dictionary; "
                                      "the list keeps them."});
        glyph::Dictionary rebuilt(fixture.fallback);
        QVERIFY(rebuilt.load(fixture.folder.file("Dictionaries/Test.dic")));
        QVERIFY(rebuilt.wordCount() == 3 && rebuilt.contains("TEA")); // what it holds: the core's build test
        // That file was the game's dictionary: the game and the dictionary window have its new words.
        QVERIFY(fixture.game->dictionary().wordCount() == 3 && fixture.game->dictionary().contains("TEA"));
        QCOMPARE(
            child<QTableWidget>(*fixture.window->dictionaryDialog(), "statisticTable")->item(2, 1)->text(),
            QString("3"));
        // A destination chosen without a "." in its file name gets the extension.
        QCOMPARE(ConversionDialog::dictionaryName("Dictionaries/mine"), QString("Dictionaries/mine.dic"));
        QCOMPARE(ConversionDialog::dictionaryName("Dictionaries/my.dict"), QString("Dictionaries/my.dict"));
        QCOMPARE(ConversionDialog::dictionaryName("/home/ann/.local/share/Dictionaries/mine"),
                 QString("/home/ann/.local/share/Dictionaries/mine.dic"));
    }

    void theWindowTakesTheMarksOffLettersAsACanonicalDecompositionWould()
    {
        // The window folds text with the core's folding, which glyphdict uses too: held here to
        // Qt's canonical decomposition without the marks, wherever that leaves a letter A-Z.
        int folded = 0;
        for (char32_t c = 0x80; c < 0x2000; ++c) {
            const QString one = QString::fromUcs4(&c, 1);
            QString plain;
            for (const QChar part : one.normalized(QString::NormalizationForm_D))
                if (part.category() != QChar::Mark_NonSpacing)
                    plain += part;
            const QString ours = glyph::uitext::withoutDiacritics(one);
            const bool combiningMark = c >= 0x300 && c <= 0x36F;
            if (plain.size() == 1 && plain[0].unicode() < 0x80 && plain[0].isLetter()) {
                QCOMPARE(ours, plain);
                ++folded;
            } else {
                // Anything else stays for the search to refuse, but a mark by itself goes.
                QCOMPARE(ours, combiningMark ? QString() : one);
            }
        }
        QVERIFY(folded > 400);
        QCOMPARE(glyph::uitext::withoutDiacritics(QString::fromUtf8("\u0218ARPE S\u0326arpe \u00DF")),
                 QString::fromUtf8("SARPE Sarpe \u00DF"));
    }

    void anInstalledProgramWritesTheUsersCopiesAndLeavesTheShippedDataAlone()
    {
        // The shipped data in the working folder, the user's files in "home".
        WindowFixture fixture(true, true);
        const auto home = [&](const char* name) {
            return QDir(QString::fromStdString(fixture.folder.file("home"))).absoluteFilePath(name);
        };
        const std::string shipped = fixture.folder.read("Dictionaries/Test.dic");
        DictionaryDialog& dialog = *fixture.window->dictionaryDialog();

        // Apply writes the user's copy of the loaded dictionary, which the game then reads.
        setEditWord(dialog, 0, "noon");
        fixture.onDialog = runConversion;
        dialog.applyClicked();
        QCOMPARE(fixture.messages, std::vector<QString>{"Conversion success"});
        QVERIFY(fixture.folder.read("Dictionaries/Test.dic") == shipped);
        QCOMPARE(QFileInfo(QString::fromStdString(fixture.game->dictionary().fileName())).absoluteFilePath(),
                 home("Dictionaries/Test.dic"));
        QVERIFY(fixture.game->dictionary().contains("NOON"));
        // A second edit rewrites that copy.
        dialog.clearListClicked();
        setEditWord(dialog, 0, "level");
        dialog.applyClicked();
        QVERIFY(fixture.game->dictionary().contains("LEVEL") && fixture.game->dictionary().contains("NOON"));
        QVERIFY(fixture.folder.read("Dictionaries/Test.dic") == shipped);

        // A new conversion builds into the user's dictionaries.
        {
            ConversionDialog conversion(*fixture.session, nullptr);
            QCOMPARE(QFileInfo(child<QLineEdit>(conversion, "out")->text()).absoluteFilePath(),
                     home("Dictionaries/Test.dic"));
        }

        // The study lists are saved to and opened from the user's Games folder.
        child<QRadioButton>(dialog, "anagram")->setChecked(true);
        child<QLineEdit>(dialog, "wordFind")->setText("tar");
        waitForSearch(dialog);
        QString folder; // where the last chooser started
        const auto chooser = [&](const QString& start, const QString&) {
            folder = start;
            return start + "/mine";
        };
        fixture.prompter.setSaveFileNameHandler(chooser);
        fixture.prompter.setOpenFileNameHandler(
            [&](const QString& start, const QString& filter) { return chooser(start, filter) + ".txt"; });
        fixture.messages.clear();
        child<QPushButton>(dialog, "saveList")->click();
        QCOMPARE(folder, home("Games"));
        QVERIFY(QFileInfo::exists(home("Games/mine.txt")));
        folder.clear();
        child<QPushButton>(dialog, "loadList")->click();
        waitForSearch(dialog);
        QCOMPARE(folder, home("Games"));
        QCOMPARE(fixture.messages, std::vector<QString>{});
    }

    void profileEditorCompletesLoadsSavesAndTestsAScript()
    {
        WindowFixture fixture;
        glyph::AIEditorWidget& editor = *fixture.find<glyph::AIEditorWidget>("aiEditor");
        glyph::LuaEditorWidget& script = *child<glyph::LuaEditorWidget>(editor, "editor");
        fixture.find<QTabWidget>("tabs")->setCurrentWidget(&editor);
        script.setFocus();
        QString chosen; // what the file chooser answers
        editor.setFileChooser([&](bool, const QString&, const QString&) { return chosen; });
        auto at = [&](const char* name) { return QString::fromStdString(fixture.folder.file(name)); };
        // One name fits: it is written at once; several: the list shows them, the script's own too.
        QTest::keyClicks(&script, "Tabl");
        QTest::keyClick(&script, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(script.toPlainText(), QString("TableLetter"));
        QTest::keyClick(&script, Qt::Key_Return);
        QTest::keyClicks(&script, "Mood = MovesNumber()");
        QTest::keyClick(&script, Qt::Key_Return);
        QTest::keyClicks(&script, "Mo");
        QTest::keyClick(&script, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(script.completionList()->isVisible());
        QListWidget* list = script.completionList();
        QCOMPARE(list->currentRow(), 0); // chosen at once, so that Return completes
        QStringList items;
        for (int row = 0; row < list->count(); ++row)
            items << list->item(row)->text();
        QCOMPARE(items, (QStringList{"Mood", "MoveAt", "MovesNumber"}));
        QTest::keyClick(&script, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(script.toPlainText().section('\n', -1), QString("MoveAt"));
        QVERIFY(script.completionList()->isHidden());

        // The tip shows an exported function's results, name and arguments until the call is closed.
        QTest::keyClicks(&script, "(");
        QVERIFY(script.tip()->isVisible());
        QCOMPARE(script.tip()->text(),
                 QString("bool horiz, int col, int lin, int score, str word, str jokers\nMoveAt\nint index"));
        QTest::keyClicks(&script, "0)");
        QVERIFY(script.tip()->isHidden());

        // Browse reads ".cpu" files only: cancelled, or no ".cpu" (case counts), nothing is read;
        // unreadable, a warning.
        fixture.folder.write("Profiles/kept.cpu.old", "old = 1\r\nDebug(\"caf\xe9\")\rx = 2\r\n");
        script.setPlainText("mine = 1");
        for (const char* ignored : {"", "Profiles/notes.txt", "Profiles/Upper.CPU", "Profiles/missing.cpu"}) {
            chosen = QString::fromLatin1(ignored);
            child<QPushButton>(editor, "browse")->click();
            QCOMPARE(script.toPlainText(), QString("mine = 1"));
            QCOMPARE(child<QLineEdit>(editor, "fileName")->text(), QString());
        }
        QCOMPARE(fixture.messages, std::vector<QString>{"Can't open Profiles/missing.cpu"});
        // ".cpu" anywhere in the path will do; lines end with "\n" whether they ended with "\r\n" or
        // "\r"; Latin-1 letters stay.
        chosen = "Profiles/kept.cpu.old";
        child<QPushButton>(editor, "browse")->click();
        const QString text = QString::fromLatin1("old = 1\nDebug(\"caf\xe9\")\nx = 2\n");
        QCOMPARE(script.toPlainText(), text);
        QCOMPARE(child<QLineEdit>(editor, "fileName")->text(), QString("Profiles/kept.cpu.old"));

        // Saving appends ".cpu" unless the name holds it already, in that case.
        const std::pair<const char*, const char*> saves[] = {{"Profiles/mine", "Profiles/mine.cpu"},
                                                             {"Profiles/a.cpu.v2", "Profiles/a.cpu.v2"},
                                                             {"Profiles/b.CPU", "Profiles/b.CPU.cpu"}};
        for (const auto& [name, written] : saves) {
            chosen = at(name);
            child<QPushButton>(editor, "saveButton")->click();
            QCOMPARE(QString::fromLatin1(fixture.folder.read(written).c_str()), text);
            QCOMPARE(child<QLineEdit>(editor, "fileName")->text(), at(written));
        }
        chosen = at("no such folder/c");
        child<QPushButton>(editor, "saveButton")->click();
        QCOMPARE(fixture.messages.back(), "Can't save " + at("no such folder/c.cpu"));
        QCOMPARE(child<QLineEdit>(editor, "fileName")->text(), at("Profiles/b.CPU.cpu"));
        // A script with characters Latin-1 has not is neither saved nor tested: no file is
        // chosen or written, and the warning names them.
        script.setPlainText(QString::fromUtf8("Debug(\"\u20ac \u03c0 \u20ac \u00e9\")"));
        chosen = at("Profiles/mine");
        child<QPushButton>(editor, "saveButton")->click();
        child<QPushButton>(editor, "testButton")->click();
        QCOMPARE(QString::fromLatin1(fixture.folder.read("Profiles/mine.cpu").c_str()), text);
        QCOMPARE(child<QPlainTextEdit>(editor, "log")->toPlainText(), QString());
        const QString outside = QString::fromUtf8("a profile is Latin-1 text, which has no \u20ac \u03c0");
        QCOMPARE(std::vector<QString>(fixture.messages.end() - 2, fixture.messages.end()),
                 (std::vector<QString>{"Can't save: " + outside, "Can't test: " + outside}));

        // New and Browse replace a script without changes at once; one with changes is offered for
        // saving first: Cancel keeps it, Discard drops it, Save writes it.
        const std::size_t asked = fixture.messages.size();
        child<QPushButton>(editor, "newButton")->click();
        QCOMPARE(script.toPlainText(), QString());
        QTest::keyClicks(&script, "kept = 1");
        fixture.answer = 2;
        child<QPushButton>(editor, "newButton")->click();
        chosen = "Profiles/kept.cpu.old";
        child<QPushButton>(editor, "browse")->click();
        QCOMPARE(script.toPlainText(), QString("kept = 1"));
        fixture.answer = 1;
        child<QPushButton>(editor, "browse")->click();
        QCOMPARE(script.toPlainText(), text);
        QTest::keyClicks(&script, "-- ");
        fixture.answer = 0;
        chosen = at("Profiles/edited");
        child<QPushButton>(editor, "newButton")->click();
        QCOMPARE(QString::fromLatin1(fixture.folder.read("Profiles/edited.cpu").c_str()), "-- " + text);
        QCOMPARE(script.toPlainText(), QString());
        const QString question = "Save the profile's changes?";
        QCOMPARE(std::vector<QString>(fixture.messages.begin() + static_cast<std::ptrdiff_t>(asked),
                                      fixture.messages.end()),
                 (std::vector<QString>(4, question)));
        // Leaving the program asks too: Cancel keeps the window open and the script.
        QTest::keyClicks(&script, "late = 1");
        fixture.answer = 2;
        QVERIFY(!fixture.window->close());
        QCOMPARE(script.toPlainText(), QString("late = 1"));
        QCOMPARE(fixture.messages.back(), question);
        script.document()->setModified(false);
        fixture.answer = 0;

        // Test runs the script on the current position and plays nothing.
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.setRack("CATDOGE");
        const std::size_t history = fixture.game->rules()->history().size();
        script.setPlainText("Debug(MovesNumber())\nSetSolution(MoveAt(0))\nDebug(PlayerRack(), nil)");
        child<QPushButton>(editor, "testButton")->click();

        glyph::MoveGenerator fresh(*fixture.game);
        fresh.generate("CATDOGE");
        QCOMPARE(child<QPlainTextEdit>(editor, "log")->toPlainText(),
                 QString("%1\nCATDOGE nil").arg(fresh.size()));
        QCOMPARE(fixture.game->rules()->history().size(), history);
        QCOMPARE(std::string(fixture.game->rules()->currentPlayer().rack), std::string("CATDOGE"));
    }

    void rackSearchesShowTheCoresRowsHeaderClicksSortThemAndStudyListsAndTheQuizTakeThem()
    {
        StudyFixture study;
        glyph::RackSearch core(study.game->dictionary(), study.game->letterSet());
        // Each row the core's, with the core's hooks (an inner hook marked on the word's side) and rank.
        const glyph::HookFinder finder(study.game->dictionary());
        const glyph::WordProbability probability(study.game->letterSet());
        glyph::ProbabilityRanking ranking;
        QVERIFY(ranking.build(study.game->dictionary(), probability));
        const QString mark(QChar(0x00B7));
        // From the rack and with one letter added ("="), in either order of the list ("most
        // likely first" asks the core's probability order).
        const std::pair<const char*, glyph::SearchOrder> racks[] = {
            {"CRATES?", glyph::SearchOrder::Probability}, {"=RAT?", glyph::SearchOrder::Natural}};
        for (const auto& [rack, order] : racks) {
            const bool plusOne = rack[0] == '=';
            const std::string letters = plusOne ? rack + 1 : rack;
            child<QComboBox>(study.dialog, "searchOrder")
                ->setCurrentIndex(order == glyph::SearchOrder::Natural ? 0 : 1);
            study.find(plusOne ? "plusOne" : "fromRack", QString::fromStdString(letters));
            const auto expected =
                plusOne ? core.plusOne(letters, "100", order) : core.fromRack(letters, "100", order);
            QVERIFY(expected.has_value());
            QVERIFY2(!expected->rows.empty(), rack);
            QCOMPARE(study.table().rowCount(), static_cast<int>(expected->rows.size()));
            QCOMPARE(study.table().isColumnHidden(Added), !plusOne);
            for (int row = 0; row < study.table().rowCount(); ++row) {
                const auto& want = expected->rows[static_cast<std::size_t>(row)];
                QCOMPARE(study.cell(row, Word).toStdString(), want.word);
                QCOMPARE(study.cell(row, Score).toInt(), want.score);
                QCOMPARE(study.cell(row, Length).toInt(), want.length);
                QCOMPARE(study.cell(row, Added), want.added != 0 ? QString(QChar(want.added)) : QString());
                const std::string word = study.cell(row, Word).toUpper().toStdString();
                const glyph::HookFinder::Hooks hooks = finder.find(word);
                QCOMPARE(study.cell(row, Front),
                         QString::fromStdString(hooks.front) + (hooks.frontInner ? mark : ""));
                QCOMPARE(study.cell(row, Back),
                         (hooks.backInner ? mark : "") + QString::fromStdString(hooks.back));
                QCOMPARE(study.cell(row, Rank).toUInt(), ranking.rank(word, probability));
            }
        }
        // Three jokers are no rack: the table empties rather than show an older result.
        study.find("fromRack", "a???");
        QCOMPARE(study.table().rowCount(), 0);

        // Header clicks sort the rows (the words ending in a vowel: scores of one and two digits,
        // several lengths): numbers largest first, a second click smallest first; words alphabetical.
        study.find("simple", "*/");
        QVERIFY(study.table().rowCount() > 20);
        const auto byNumber = [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); };
        study.clickHeader(Score);
        const std::vector<QString> largestFirst = study.column(Score);
        QVERIFY(std::is_sorted(largestFirst.rbegin(), largestFirst.rend(), byNumber));
        QVERIFY(byNumber(largestFirst.back(), largestFirst.front()));
        study.clickHeader(Score);
        const std::vector<QString> smallestFirst = study.column(Score);
        QVERIFY(std::is_sorted(smallestFirst.begin(), smallestFirst.end(), byNumber));
        study.clickHeader(Word);
        const std::vector<QString> alphabetical = study.column(Word);
        QVERIFY(std::is_sorted(alphabetical.begin(), alphabetical.end()));
        // By probability: the likeliest racks first, whatever their length.
        study.clickHeader(Rank);
        std::vector<double> chances;
        for (const QString& word : study.column(Word))
            chances.push_back(probability.chance(word.toUpper().toStdString()));
        QVERIFY(std::is_sorted(chances.rbegin(), chances.rend()));

        // The rows as sorted go to a study list through the file chooser.
        std::vector<QString> words;
        for (const QString& word : study.column(Word))
            words.push_back(word.toUpper());
        QString asked;
        study.prompter.setSaveFileNameHandler([&](const QString& folder, const QString&) {
            asked = folder;
            return QStringLiteral("Games/study");
        });
        child<QCheckBox>(study.dialog, "listHooks")->setChecked(true);
        child<QPushButton>(study.dialog, "saveList")->click();
        QCOMPARE(asked, QDir::current().absoluteFilePath("Games"));

        // Another search, then the list back, ".txt" added to its name: the same words in the same
        // order (their hooks and ranks filled in as for a search).
        study.find("simple", "a?");
        study.loadList("Games/study.txt");
        QCOMPARE(study.column(Word), words);

        // Without hooks the file holds the bare words, one a line.
        child<QCheckBox>(study.dialog, "listHooks")->setChecked(false);
        study.chooseSaveFile("Games/bare.txt");
        child<QPushButton>(study.dialog, "saveList")->click();
        const QStringList saved =
            QString::fromStdString(study.folder.read("Games/bare.txt")).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(std::vector<QString>(saved.begin(), saved.end()), words);

        // A file that is not a list is said and leaves the table as it is.
        study.folder.write("Games/bad.txt", "CAT\nC4T\n");
        study.loadList("Games/bad.txt");
        QCOMPARE(study.messages, std::vector<QString>{"Invalid Games/bad.txt file"});
        QCOMPARE(study.table().rowCount(), static_cast<int>(words.size()));

        // A list opened for the quiz: one question per alphagram (TEARS and RATES share theirs);
        // the anagrams typed are marked and scored: all but the first, a word that is none, and
        // one typed twice.
        study.folder.write("Games/quiz.txt", "tears\nRATES\n");
        study.loadList("Games/quiz.txt");
        const auto answer = [&](QDialog& quiz) { // Qt Test's checks return nothing
            QCOMPARE(child<QLabel>(quiz, "question")->text(), QString("AERST"));
            QTest::keyClicks(child<QLineEdit>(quiz, "answer"), "zzz rates, stare, tares tears rates");
            QTest::keyClick(child<QLineEdit>(quiz, "answer"), Qt::Key_Return);
            const QString marking = child<QLabel>(quiz, "marking")->text();
            QVERIFY2(marking.contains("Missed: ASTER") && marking.contains("Not anagrams: ZZZ"),
                     qPrintable(marking));
            QCOMPARE(child<QLabel>(quiz, "score")->text(), QString("Score: 4 of 5"));
            QVERIFY(!child<QLineEdit>(quiz, "answer")->isEnabled());
        };
        study.onDialog = [&](QDialog& quiz) {
            answer(quiz);
            return static_cast<int>(QDialog::Accepted);
        };
        child<QPushButton>(study.dialog, "quiz")->click();
        QCOMPARE(study.dialogs, std::vector<QString>{"glyph::QuizDialog"});
    }

    void aLoadedListShowsTheLikeliestOfAllItsWordsOrItsFirstInFileOrder()
    {
        StudyFixture study;
        const LongList list = study.writeLongList("Games/long.txt");
        study.setOrder(0);
        study.loadList("Games/long.txt");
        QCOMPARE(study.column(Word), list.firstInFile);
        QCOMPARE(child<QLineEdit>(study.dialog, "total")->text(), QString::number(list.file.size()));
        study.setOrder(1);
        study.loadList("Games/long.txt");
        QCOMPARE(study.column(Word), list.likeliest);
        QCOMPARE(child<QLineEdit>(study.dialog, "total")->text(), QString::number(list.file.size()));
    }

    void anEmptyRackKeepsTheTableAndEachChangeOfOrderSortsALoadedListAgain()
    {
        StudyFixture study;
        const LongList list = study.writeLongList("Games/long.txt");
        auto& note = *child<QLabel>(study.dialog, "timeFind");
        study.setOrder(0);
        study.loadList("Games/long.txt");
        QCOMPARE(study.column(Word), list.firstInFile);
        // In every mode a change of order sorts the list shown again, and an empty rack, like
        // an empty pattern, asks nothing: picking the mode or pressing Return leaves the list be.
        study.setOrder(1);
        QCOMPARE(study.column(Word), list.likeliest);
        for (const char* mode : {"fromRack", "plusOne"}) {
            study.pickMode(mode);
            QCOMPARE(study.column(Word), list.likeliest);
            QVERIFY2(!note.text().startsWith("A rack"), qPrintable(note.text()));
            QTest::keyClick(child<QLineEdit>(study.dialog, "wordFind"), Qt::Key_Return);
            waitForSearch(study.dialog);
            QCOMPARE(study.column(Word), list.likeliest);
            study.setOrder(0);
            QCOMPARE(study.column(Word), list.firstInFile);
            study.setOrder(1);
            QCOMPARE(study.column(Word), list.likeliest);
        }
        study.pickMode("advanced");
        study.setOrder(0);
        QCOMPARE(study.column(Word), list.firstInFile);

        // A search replaces the list: a change of order then searches again for the rack.
        study.find("fromRack", "CRATES?");
        study.setOrder(1);
        glyph::RackSearch core(study.game->dictionary(), study.game->letterSet());
        const auto expected = core.fromRack("CRATES?", "100", glyph::SearchOrder::Probability);
        QVERIFY(expected.has_value());
        std::vector<QString> words;
        for (const auto& row : expected->rows)
            words.push_back(QString::fromStdString(row.word));
        QCOMPARE(study.column(Word), words);
    }

    void theWindowAnswersWhileAWholeDictionarySearchRunsAndStopEndsIt()
    {
        const std::string romanian = std::string(GLYPH_DIST_DIR) + "/Dictionaries/Romana.dic";
        if (!QFileInfo::exists(QString::fromStdString(romanian)))
            QSKIP("the Romanian dictionary is not built");
        StudyFixture study;
        QVERIFY(study.game->dictionary().load(romanian));
        study.dialog.refreshStatistics();

        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(10);
        // Every word of the dictionary, the likeliest kept: a walk of 1.3 million words.
        child<QComboBox>(study.dialog, "searchOrder")->setCurrentIndex(1);
        study.find("simple", "c?");
        const int rowsBefore = study.table().rowCount();
        QVERIFY(rowsBefore > 0);
        child<QLineEdit>(study.dialog, "wordFind")->selectAll();
        QTest::keyClick(child<QLineEdit>(study.dialog, "wordFind"), '*');
        QVERIFY(study.dialog.searching());
        QTest::qWait(150);
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
        QVERIFY(study.dialog.searching());
        QElapsedTimer stopping;
        stopping.start();
        child<QPushButton>(study.dialog, "stopFind")->click();
        waitForSearch(study.dialog);
        QVERIFY2(stopping.elapsed() < 1000, qPrintable(QString::number(stopping.elapsed())));
        QCOMPARE(study.table().rowCount(), rowsBefore);
        QCOMPARE(child<QLabel>(study.dialog, "timeFind")->text(), QString("Stopped"));
        QVERIFY(!child<QPushButton>(study.dialog, "stopFind")->isEnabled());

        // Left alone, the same search ends with the most likely words of the whole dictionary.
        child<QLineEdit>(study.dialog, "wordFind")->setText("**");
        waitForSearch(study.dialog);
        QCOMPARE(child<QLineEdit>(study.dialog, "total")->text(),
                 QString::number(study.game->dictionary().wordCount()));
        QCOMPARE(study.cell(0, Rank), QString("1"));
    }
};

QTEST_MAIN(ToolsTest)
#include "toolwindowstest.moc"
