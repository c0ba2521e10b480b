// Word study in the dictionary window: searches from a rack and rack plus one with the hooks
// and probability ranks of every row, sorting by a column, study lists saved and loaded through
// the file chooser, the anagram quiz, and a whole-dictionary search that leaves the window
// answering and that Stop ends.

#include <random>
#include <set>

#include "base/letterset.h"
#include "dictionary/racksearch.h"
#include "dictionary/wordprobability.h"
#include "ui/dictionary/dictionarydialog.h"
#include "ui/dictionary/quizdialog.h"
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
        lexicon.insert(words.begin(), words.end());
    }

    QTableWidget& table() const { return *child<QTableWidget>(dialog, "tableFind"); }
    QString cell(int row, Column column) const { return table().item(row, column)->text(); }

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

    /// Plain scans of the word list: the letters that make a word before or after it, with a
    /// mark on the word's side when it stays a word without that end letter.
    QString frontHooks(const std::string& word) const
    {
        QString hooks;
        for (char c = 'A'; c <= 'Z'; ++c)
            if (lexicon.count(c + word) != 0)
                hooks += c;
        return lexicon.count(word.substr(1)) != 0 ? hooks + QChar(0x00B7) : hooks;
    }
    QString backHooks(const std::string& word) const
    {
        QString hooks;
        for (char c = 'A'; c <= 'Z'; ++c)
            if (lexicon.count(word + c) != 0)
                hooks += c;
        return lexicon.count(word.substr(0, word.size() - 1)) != 0 ? QChar(0x00B7) + hooks : hooks;
    }
    /// 1 + the words of the same length more likely to be drawn.
    int rank(const std::string& word) const
    {
        const glyph::WordProbability probability(game->letterSet());
        const double chance = probability.chance(word);
        int rank = 1;
        for (const std::string& other : lexicon)
            rank += other.size() == word.size() && probability.chance(other) > chance ? 1 : 0;
        return rank;
    }
    static std::string upper(const QString& text) { return text.toUpper().toStdString(); }

    /// Every row's hooks and rank agree with the plain scans.
    void checkHooksAndRanks() const
    {
        for (int row = 0; row < table().rowCount(); ++row) {
            const std::string word = upper(cell(row, Word));
            QCOMPARE(cell(row, Front), frontHooks(word));
            QCOMPARE(cell(row, Back), backHooks(word));
            QCOMPARE(cell(row, Rank).toInt(), rank(word));
        }
    }

    std::vector<std::string> words = studyWords();
    std::set<std::string> lexicon;
    DictionaryDialog& dialog;
};

/// The words of the list that the tiles make, each tile once, '?' standing for any letter.
std::set<std::string> scanFromRack(const std::set<std::string>& lexicon, const std::string& rack,
                                   bool plusOne)
{
    std::set<std::string> found;
    for (const std::string& word : lexicon) {
        if (plusOne && word.size() != rack.size() + 1)
            continue;
        std::map<char, int> left;
        for (char c : rack)
            ++left[static_cast<char>(std::toupper(c))];
        int wild = plusOne ? 1 : 0;
        bool fits = true;
        for (char c : word) {
            if (left[c] > 0)
                --left[c];
            else if (left['?'] > 0)
                --left['?'];
            else if (wild > 0)
                --wild;
            else
                fits = false;
        }
        if (fits)
            found.insert(word);
    }
    return found;
}

std::string randomRack(std::mt19937& random, int jokers)
{
    const std::string tiles = "AAEEIORSTTCDGN";
    std::string rack(static_cast<std::size_t>(jokers), '?');
    const int letters = std::uniform_int_distribution<int>(1, 6 - jokers)(random);
    for (int i = 0; i < letters; ++i)
        rack += tiles[std::uniform_int_distribution<std::size_t>(0, tiles.size() - 1)(random)];
    return rack;
}

} // namespace

class WordStudyTest : public QObject
{
    Q_OBJECT

private slots:
    void rackSearchesShowTheCoresRowsWithHooksAndRanks()
    {
        StudyFixture study;
        std::mt19937 random(26);
        glyph::RackSearch core(study.game->dictionary(), study.game->letterSet());
        for (int round = 0; round < 18; ++round) {
            const bool plusOne = round % 3 == 2;
            const std::string rack = randomRack(random, round % 3);
            study.find(plusOne ? "plusOne" : "fromRack", QString::fromStdString(rack));
            const auto expected = plusOne ? core.plusOne(rack, "100") : core.fromRack(rack, "100");
            QVERIFY(expected.has_value());
            QCOMPARE(study.table().rowCount(), static_cast<int>(expected->rows.size()));
            QCOMPARE(study.table().isColumnHidden(Added), !plusOne);
            std::set<std::string> shown;
            for (int row = 0; row < study.table().rowCount(); ++row) {
                const auto& want = expected->rows[static_cast<std::size_t>(row)];
                QCOMPARE(study.cell(row, Word).toStdString(), want.word);
                QCOMPARE(study.cell(row, Score).toInt(), want.score);
                QCOMPARE(study.cell(row, Length).toInt(), want.length);
                QCOMPARE(study.cell(row, Added), want.added != 0 ? QString(QChar(want.added)) : QString());
                shown.insert(StudyFixture::upper(study.cell(row, Word)));
            }
            QCOMPARE(shown, scanFromRack(study.lexicon, rack, plusOne));
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

    void headerClicksSortTheRowsKeepingEachRowWhole()
    {
        StudyFixture study;
        study.find("fromRack", "CRATES?");
        const auto rowsOf = [&study] {
            std::vector<QStringList> rows;
            for (int row = 0; row < study.table().rowCount(); ++row) {
                QStringList cells;
                for (int column = Front; column <= Rank; ++column)
                    cells << study.cell(row, static_cast<Column>(column));
                rows.push_back(cells);
            }
            return rows;
        };
        const auto sorted = [](std::vector<QStringList> rows) {
            std::sort(rows.begin(), rows.end());
            return rows;
        };
        const auto before = rowsOf();
        QVERIFY(before.size() > 20);
        const glyph::WordProbability probability(study.game->letterSet());
        const auto column = [&study](Column c) {
            std::vector<QString> cells;
            for (int row = 0; row < study.table().rowCount(); ++row)
                cells.push_back(study.cell(row, c));
            return cells;
        };
        const auto numbers = [&](Column c) {
            std::vector<int> values;
            for (const QString& text : column(c))
                values.push_back(text.toInt());
            return values;
        };

        study.clickHeader(Score);
        const std::vector<int> largestFirst = numbers(Score);
        QVERIFY(std::is_sorted(largestFirst.rbegin(), largestFirst.rend()));
        QVERIFY(largestFirst.front() > largestFirst.back());
        QCOMPARE(sorted(rowsOf()), sorted(before));
        study.clickHeader(Score);
        const std::vector<int> smallestFirst = numbers(Score);
        QVERIFY(std::is_sorted(smallestFirst.begin(), smallestFirst.end()));
        study.clickHeader(Word);
        const std::vector<QString> alphabetical = column(Word);
        QVERIFY(std::is_sorted(alphabetical.begin(), alphabetical.end()));
        // By probability: the likeliest racks first, whatever their length, and within a length
        // the ranks climb.
        study.clickHeader(Rank);
        std::vector<double> chances;
        std::map<int, int> lastRank;
        for (int row = 0; row < study.table().rowCount(); ++row) {
            chances.push_back(probability.chance(StudyFixture::upper(study.cell(row, Word))));
            const int rank = study.cell(row, Rank).toInt();
            QVERIFY(rank >= lastRank[study.cell(row, Length).toInt()]);
            lastRank[study.cell(row, Length).toInt()] = rank;
        }
        QVERIFY(std::is_sorted(chances.rbegin(), chances.rend()));
        QCOMPARE(sorted(rowsOf()), sorted(before));

        // "Most likely first" asks the core's probability order of the search itself.
        child<QComboBox>(study.dialog, "searchOrder")->setCurrentIndex(1);
        study.waitForSearch();
        glyph::RackSearch core(study.game->dictionary(), study.game->letterSet());
        const auto likely = core.fromRack("CRATES?", "100", glyph::SearchOrder::Probability);
        std::vector<QString> expected;
        for (const auto& row : likely->rows)
            expected.push_back(QString::fromStdString(row.word));
        QCOMPARE(column(Word), expected);
    }

    void studyListsRoundTripThroughTheFileChooser()
    {
        StudyFixture study;
        study.find("fromRack", "TARES?");
        study.clickHeader(Rank);
        std::vector<QString> front, words, back;
        for (int row = 0; row < study.table().rowCount(); ++row) {
            front.push_back(study.cell(row, Front));
            words.push_back(study.cell(row, Word).toUpper());
            back.push_back(study.cell(row, Back));
        }
        QString asked;
        study.prompter.setSaveFileNameHandler([&](const QString& folder, const QString&) {
            asked = folder;
            return QStringLiteral("Games/study");
        });
        child<QCheckBox>(study.dialog, "listHooks")->setChecked(true);
        child<QPushButton>(study.dialog, "saveList")->click();
        QCOMPARE(asked, QString("Games/"));
        QVERIFY(QFileInfo::exists("Games/study.txt"));

        // Another search, then the list back: same words in the same order, same hooks.
        study.find("simple", "a?");
        study.prompter.setOpenFileNameHandler(
            [](const QString&, const QString&) { return "Games/study.txt"; });
        child<QPushButton>(study.dialog, "loadList")->click();
        study.waitForSearch();
        QCOMPARE(study.table().rowCount(), static_cast<int>(words.size()));
        for (int row = 0; row < study.table().rowCount(); ++row) {
            QCOMPARE(study.cell(row, Word), words[static_cast<std::size_t>(row)]);
            QCOMPARE(study.cell(row, Front), front[static_cast<std::size_t>(row)]);
            QCOMPARE(study.cell(row, Back), back[static_cast<std::size_t>(row)]);
        }
        QCOMPARE(study.cell(0, Rank).toInt(), study.rank(StudyFixture::upper(study.cell(0, Word))));

        // Without hooks the file holds the bare words, one a line.
        child<QCheckBox>(study.dialog, "listHooks")->setChecked(false);
        study.prompter.setSaveFileNameHandler(
            [](const QString&, const QString&) { return "Games/bare.txt"; });
        child<QPushButton>(study.dialog, "saveList")->click();
        QStringList expected;
        for (const QString& word : words)
            expected << word;
        QCOMPARE(QString::fromStdString(study.folder.read("Games/bare.txt")).split('\n', Qt::SkipEmptyParts),
                 expected);

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
        // One question per alphagram (TEARS and RATES share theirs); the answers by plain scan.
        const auto sortedLetters = [](std::string word) {
            std::sort(word.begin(), word.end());
            return word;
        };
        std::vector<std::vector<std::string>> answers;
        std::set<std::string> asked;
        for (const char* word : {"TEARS", "DOG", "CRATE", "TAR"}) {
            answers.emplace_back();
            for (const std::string& candidate : study.lexicon)
                if (sortedLetters(candidate) == sortedLetters(word))
                    answers.back().push_back(candidate);
        }
        std::size_t found = 0, possible = 0;
        QStringList markings;
        const auto answerAll = [&](glyph::QuizDialog& quiz) {
            for (const std::vector<std::string>& anagrams : answers) {
                QCOMPARE(child<QLabel>(quiz, "question")->text().toStdString(),
                         sortedLetters(anagrams.front()));
                // All but the first anagram, one word that is none, and one typed twice.
                QString typed = "zzz ";
                for (std::size_t i = 1; i < anagrams.size(); ++i)
                    typed += QString::fromStdString(anagrams[i]).toLower() + ", ";
                if (anagrams.size() > 1)
                    typed += QString::fromStdString(anagrams[1]);
                QTest::keyClicks(child<QLineEdit>(quiz, "answer"), typed);
                QTest::keyClick(child<QLineEdit>(quiz, "answer"), Qt::Key_Return);
                found += anagrams.size() - 1;
                possible += anagrams.size();
                const QString marking = child<QLabel>(quiz, "marking")->text();
                QVERIFY2(marking.contains("Missed: " + QString::fromStdString(anagrams.front())),
                         qPrintable(marking));
                QVERIFY(marking.contains("Not anagrams: ZZZ"));
                QCOMPARE(child<QLabel>(quiz, "score")->text(),
                         QString("Score: %1 of %2").arg(found).arg(possible));
            }
            QVERIFY(!child<QLineEdit>(quiz, "answer")->isEnabled());
        };
        study.onDialog = [&](QDialog& shown) {
            answerAll(dynamic_cast<glyph::QuizDialog&>(shown));
            return static_cast<int>(QDialog::Accepted);
        };
        child<QPushButton>(study.dialog, "quiz")->click();
        QCOMPARE(study.dialogs, std::vector<QString>{"glyph::QuizDialog"});
        QVERIFY(possible > answers.size());
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
