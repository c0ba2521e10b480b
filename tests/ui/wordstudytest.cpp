// Word study in the dictionary window: searches from a rack and rack plus one with the hooks
// and probability ranks of every row, sorting by a column, study lists saved and loaded through
// the file chooser, the anagram quiz, and a whole-dictionary search that leaves the window
// answering and that Stop ends.

#include "dictionary/hookfinder.h"
#include "dictionary/probabilityranking.h"
#include "dictionary/racksearch.h"
#include "dictionary/wordprobability.h"
#include "ui/dictionary/dictionarydialog.h"
#include "uitestsupport.h"

using glyph::DictionaryDialog;
using glyph::test::child;
using glyph::test::WindowFixture;

namespace
{

enum Column { Front, Word, Back, Added, Score, Vowels, Consonants, Length, Rank };

/// Words with many hooks and anagrams among the fixture's two-letter words.
std::vector<std::string> studyWords()
{
    std::vector<std::string> words = glyph::test::testWords();
    for (const char* word :
         {"ATES",  "EATS",  "SEAT",  "TEAS",  "EAST",   "SATE",  "ETAS",  "STAR", "RATS",  "ARTS",
          "TSAR",  "TARS",  "STARE", "RATES", "TEARS",  "ASTER", "TARES", "RATE", "CRATE", "CRATES",
          "TRACE", "CARET", "CATER", "REACT", "RECAST", "CARTS", "SCAT",  "CAST", "ACTS",  "CATS",
          "TEAR",  "TARE",  "DOGS",  "GOD",   "GODS",   "TOGA",  "GOAT"})
        words.push_back(word);
    return words;
}

class StudyFixture : public WindowFixture
{
public:
    StudyFixture() : dialog(*window->dictionaryDialog())
    {
        glyph::test::DicFileWriter::write(folder.file("Dictionaries/Study.dic"), words);
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
        waitForSearch();
    }
    void waitForSearch() const
    {
        QVERIFY(QTest::qWaitFor([this] { return !dialog.searching(); }, 20000));
    }

    void clickHeader(Column column) const
    {
        QHeaderView* header = table().horizontalHeader();
        const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
    }

    /// Every row shows the core's hooks, the mark of an inner hook on the word's side, and the
    /// core's rank of its own word (also after the rows were sorted).
    void checkHooksAndRanks() const
    {
        const glyph::HookFinder finder(game->dictionary());
        const glyph::WordProbability probability(game->letterSet());
        glyph::ProbabilityRanking ranking;
        QVERIFY(ranking.build(game->dictionary(), probability));
        const QString mark(QChar(0x00B7));
        for (int row = 0; row < table().rowCount(); ++row) {
            const std::string word = cell(row, Word).toUpper().toStdString();
            const glyph::HookFinder::Hooks hooks = finder.find(word);
            QCOMPARE(cell(row, Front), QString::fromStdString(hooks.front) + (hooks.frontInner ? mark : ""));
            QCOMPARE(cell(row, Back), (hooks.backInner ? mark : "") + QString::fromStdString(hooks.back));
            QCOMPARE(cell(row, Rank).toUInt(), ranking.rank(word, probability));
        }
    }

    std::vector<std::string> words = studyWords();
    DictionaryDialog& dialog;
};

} // namespace

class WordStudyTest : public QObject
{
    Q_OBJECT

private slots:
    void rackSearchesShowTheCoresRowsWithHooksAndRanks()
    {
        StudyFixture study;
        glyph::RackSearch core(study.game->dictionary(), study.game->letterSet());
        // No, one and two jokers, from the rack and with one letter added.
        for (const char* rack : {"TARES", "CRATES?", "ts??", "=GOD", "=RAT?", "=a??"}) {
            const bool plusOne = rack[0] == '=';
            const std::string letters = plusOne ? rack + 1 : rack;
            study.find(plusOne ? "plusOne" : "fromRack", QString::fromStdString(letters));
            const auto expected = plusOne ? core.plusOne(letters, "100") : core.fromRack(letters, "100");
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
            }
            study.checkHooksAndRanks();
        }
        // Every other search shows the hooks and ranks too.
        child<QLineEdit>(study.dialog, "view")->setText("1000");
        study.find("simple", "*");
        QCOMPARE(study.table().rowCount(), static_cast<int>(study.words.size()));
        study.checkHooksAndRanks();
        // Three jokers are no rack: the table empties rather than show an older result.
        study.find("fromRack", "a???");
        QCOMPARE(study.table().rowCount(), 0);
    }

    void headerClicksSortTheRows()
    {
        StudyFixture study;
        study.find("fromRack", "CRATES?");
        QVERIFY(study.table().rowCount() > 20);
        const auto scores = [&study] {
            std::vector<int> values;
            for (const QString& text : study.column(Score))
                values.push_back(text.toInt());
            return values;
        };

        // Numbers largest first, a second click smallest first; words alphabetical.
        study.clickHeader(Score);
        const std::vector<int> largestFirst = scores();
        QVERIFY(std::is_sorted(largestFirst.rbegin(), largestFirst.rend()));
        QVERIFY(largestFirst.front() > largestFirst.back());
        study.clickHeader(Score);
        const std::vector<int> smallestFirst = scores();
        QVERIFY(std::is_sorted(smallestFirst.begin(), smallestFirst.end()));
        study.clickHeader(Word);
        const std::vector<QString> alphabetical = study.column(Word);
        QVERIFY(std::is_sorted(alphabetical.begin(), alphabetical.end()));
        // By probability: the likeliest racks first, whatever their length.
        study.clickHeader(Rank);
        const glyph::WordProbability probability(study.game->letterSet());
        std::vector<double> chances;
        for (const QString& word : study.column(Word))
            chances.push_back(probability.chance(word.toUpper().toStdString()));
        QVERIFY(std::is_sorted(chances.rbegin(), chances.rend()));

        // "Most likely first" asks the core's probability order of the search itself.
        child<QComboBox>(study.dialog, "searchOrder")->setCurrentIndex(1);
        study.waitForSearch();
        glyph::RackSearch core(study.game->dictionary(), study.game->letterSet());
        const auto likely = core.fromRack("CRATES?", "100", glyph::SearchOrder::Probability);
        std::vector<QString> expected;
        for (const auto& row : likely->rows)
            expected.push_back(QString::fromStdString(row.word));
        QCOMPARE(study.column(Word), expected);
    }

    void studyListsRoundTripThroughTheFileChooser()
    {
        StudyFixture study;
        study.find("fromRack", "TARES?");
        study.clickHeader(Rank);
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
        QCOMPARE(asked, QString("Games/"));
        QVERIFY(QFileInfo::exists("Games/study.txt"));

        // Another search, then the list back: the same words in the same order, with their hooks.
        study.find("simple", "a?");
        study.prompter.setOpenFileNameHandler(
            [](const QString&, const QString&) { return "Games/study.txt"; });
        child<QPushButton>(study.dialog, "loadList")->click();
        study.waitForSearch();
        QCOMPARE(study.column(Word), words);
        study.checkHooksAndRanks();

        // Without hooks the file holds the bare words, one a line.
        child<QCheckBox>(study.dialog, "listHooks")->setChecked(false);
        study.prompter.setSaveFileNameHandler(
            [](const QString&, const QString&) { return "Games/bare.txt"; });
        child<QPushButton>(study.dialog, "saveList")->click();
        const QStringList saved =
            QString::fromStdString(study.folder.read("Games/bare.txt")).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(std::vector<QString>(saved.begin(), saved.end()), words);

        // A file that is not a list is said and leaves the table as it is.
        study.folder.write("Games/bad.txt", "CAT\nC4T\n");
        study.prompter.setOpenFileNameHandler([](const QString&, const QString&) { return "Games/bad.txt"; });
        child<QPushButton>(study.dialog, "loadList")->click();
        study.waitForSearch();
        QCOMPARE(study.messages, std::vector<QString>{"Invalid Games/bad.txt file"});
        QCOMPARE(study.table().rowCount(), static_cast<int>(words.size()));
    }

    void quizMarksTheAnagramsTypedAndScoresThem()
    {
        StudyFixture study;
        study.folder.write("Games/quiz.txt", "tears\nDOG\nRATES\ncrate\ntar\n");
        study.prompter.setOpenFileNameHandler(
            [](const QString&, const QString&) { return "Games/quiz.txt"; });
        child<QPushButton>(study.dialog, "loadList")->click();
        study.waitForSearch();
        // One question per alphagram (TEARS and RATES share theirs), with its anagrams.
        const std::vector<QStringList> questions = {{"AERST", "ASTER", "RATES", "STARE", "TARES", "TEARS"},
                                                    {"DGO", "DOG", "GOD"},
                                                    {"ACERT", "CARET", "CATER", "CRATE", "REACT", "TRACE"},
                                                    {"ART", "ART", "RAT", "TAR"}};
        int found = 0, possible = 0;
        const auto answerAll = [&](QDialog& quiz) {
            for (const QStringList& question : questions) {
                QCOMPARE(child<QLabel>(quiz, "question")->text(), question[0]);
                // All but the first anagram, one word that is none, and one typed twice.
                const QStringList typed = question.mid(2);
                QTest::keyClicks(child<QLineEdit>(quiz, "answer"),
                                 "zzz " + typed.join(", ").toLower() + " " + typed[0]);
                QTest::keyClick(child<QLineEdit>(quiz, "answer"), Qt::Key_Return);
                found += static_cast<int>(typed.size());
                possible += static_cast<int>(question.size()) - 1;
                const QString marking = child<QLabel>(quiz, "marking")->text();
                QVERIFY2(marking.contains("Missed: " + question[1]), qPrintable(marking));
                QVERIFY(marking.contains("Not anagrams: ZZZ"));
                QCOMPARE(child<QLabel>(quiz, "score")->text(),
                         QString("Score: %1 of %2").arg(found).arg(possible));
            }
            QVERIFY(!child<QLineEdit>(quiz, "answer")->isEnabled());
        };
        study.onDialog = [&](QDialog& quiz) {
            answerAll(quiz);
            return static_cast<int>(QDialog::Accepted);
        };
        child<QPushButton>(study.dialog, "quiz")->click();
        QCOMPARE(study.dialogs, std::vector<QString>{"glyph::QuizDialog"});
        QCOMPARE(possible, 15);
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
        study.waitForSearch();
        QVERIFY2(stopping.elapsed() < 1000, qPrintable(QString::number(stopping.elapsed())));
        QCOMPARE(study.table().rowCount(), rowsBefore);
        QCOMPARE(child<QLabel>(study.dialog, "timeFind")->text(), QString("Stopped"));
        QVERIFY(!child<QPushButton>(study.dialog, "stopFind")->isEnabled());

        // Left alone, the same search ends with the most likely words of the whole dictionary.
        child<QLineEdit>(study.dialog, "wordFind")->setText("**");
        study.waitForSearch();
        QCOMPARE(child<QLineEdit>(study.dialog, "total")->text(),
                 QString::number(study.game->dictionary().wordCount()));
        QCOMPARE(study.table().rowCount(), 100);
        QCOMPARE(study.cell(0, Rank), QString("1"));
    }
};

QTEST_MAIN(WordStudyTest)
#include "wordstudytest.moc"
