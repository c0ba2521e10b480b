#include "ui/dictionary/dictionarydialog.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QTableWidgetItem>

#include <filesystem>
#include <set>

#include "base/letters.h"
#include "base/letterset.h"
#include "dictionary/dawgbuilder.h"
#include "dictionary/dictionary.h"
#include "dictionary/hookfinder.h"
#include "dictionary/racksearch.h"
#include "dictionary/searchresult.h"
#include "dictionary/studylist.h"
#include "engine/game.h"
#include "preferences/keys.h"
#include "ui/common/appnames.h"
#include "ui/common/datachoices.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/dictionary/conversiondialog.h"
#include "ui/dictionary/quizdialog.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{

constexpr int kStatisticRows = 5;
constexpr unsigned kBytesPerNode = 4;
constexpr unsigned kBytesPerKb = 1024;
constexpr int kMinSearchLength = 2;
constexpr int kMinSearchValue = 0;
constexpr int kMaxSearchValue = 9999;
const char* const kListExtension = ".txt";
/// Marks a hook cell on the word's side when the word stays a word without that end letter.
const QChar kInnerHookMark(0x00B7);
/// The word cell keeps the row's place in the search's own order.
constexpr int kRowIndexRole = Qt::UserRole;
enum FindColumn {
    FrontColumn,
    WordColumn,
    BackColumn,
    AddedColumn,
    ScoreColumn,
    VowelColumn,
    ConsonantColumn,
    LengthColumn,
    RankColumn,
    FindColumns
};
enum EditColumn { EditWordColumn, EditStatusColumn };
enum StatisticRow { FileNameRow, AuthorRow, WordsRow, NodesRow, SizeRow };

bool isAsciiLetter(QChar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString thousands(unsigned long long number)
{
    return QString::fromStdString(letters::withThousands(number));
}

QTableWidgetItem* numberItem(int number)
{
    auto* item = readOnlyItem(QString());
    // A number, not its text, so that 10 sorts after 9.
    item->setData(Qt::DisplayRole, number);
    return item;
}

/// The probability rank's cell: sorts by the word's chance, most likely first, so that words
/// of different lengths fall in place although their ranks count within each length.
class RankItem : public QTableWidgetItem
{
public:
    explicit RankItem(double chance) : m_chance(chance)
    {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        const auto* rank = dynamic_cast<const RankItem*>(&other);
        return rank != nullptr ? m_chance > rank->m_chance : QTableWidgetItem::operator<(other);
    }

private:
    double m_chance;
};

} // namespace

DictionaryDialog::DictionaryDialog(GameSession& session, QWidget* parent)
    : QDialog(parent), m_game(session.game()), m_session(session)
{
    setupUi(this);
    WindowSizeKeeper::restore(m_game.preferences(), *this, keys::kDictionaryDialog);

    tableFind->setColumnCount(FindColumns);
    tableFind->setHorizontalHeaderLabels({tr("Front"), tr("Word"), tr("Back"), tr("Added"), tr("Score"),
                                          tr("V"), tr("C"), tr("Length"), tr("Rank")});
    tableFind->horizontalHeaderItem(FrontColumn)->setToolTip(tr("Letters that make a word before it"));
    tableFind->horizontalHeaderItem(BackColumn)->setToolTip(tr("Letters that make a word after it"));
    tableFind->horizontalHeaderItem(RankColumn)
        ->setToolTip(tr("Probability rank among the words of its length (1: the likeliest rack)"));
    tableFind->horizontalHeader()->setSectionsClickable(true);
    tableFind->setColumnHidden(AddedColumn, true);
    tableFind->setRowCount(0);
    // The widest bounds, so that an advanced search finds words before any is typed.
    minimLength->setText(QString::number(kMinSearchLength));
    maximLength->setText(QString::number(DawgBuilder::kMaxWordLength - 1));
    minimValue->setText(QString::number(kMinSearchValue));
    maximValue->setText(QString::number(kMaxSearchValue));

    editTable->setColumnCount(EditStatusColumn + 1);
    editTable->setRowCount(kEditRows);
    editTable->setHorizontalHeaderLabels({tr("Word"), tr("Status")});
    // The word column takes the table's width; the status column fits its text.
    editTable->horizontalHeader()->setSectionResizeMode(EditWordColumn, QHeaderView::Stretch);
    editTable->horizontalHeader()->setSectionResizeMode(EditStatusColumn, QHeaderView::ResizeToContents);

    statisticTable->setColumnCount(2);
    statisticTable->setRowCount(kStatisticRows);
    statisticTable->setHorizontalHeaderLabels({tr("Type"), tr("Info")});
    statisticTable->horizontalHeader()->setStretchLastSection(true);

    connect(wordFind, &QLineEdit::textChanged, this, &DictionaryDialog::wordFindChanged);
    connect(view, &QLineEdit::textChanged, this, &DictionaryDialog::wordFindChanged);
    connect(wordFind, &QLineEdit::returnPressed, this, &DictionaryDialog::wordFindReturnPressed);
    connect(editTable, &QTableWidget::cellChanged, this, &DictionaryDialog::editValueChanged);
    connect(searchModeGroup, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool checked) {
        if (checked)
            wordFindChanged(wordFind->text());
    });
    connect(searchOrder, &QComboBox::currentIndexChanged, this, &DictionaryDialog::searchOrderChanged);
    connect(stopFind, &QPushButton::clicked, this, &DictionaryDialog::stopFindClicked);
    connect(saveList, &QPushButton::clicked, this, &DictionaryDialog::saveListClicked);
    connect(loadList, &QPushButton::clicked, this, &DictionaryDialog::loadListClicked);
    connect(quiz, &QPushButton::clicked, this, &DictionaryDialog::quizClicked);
    connect(tableFind->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &DictionaryDialog::sortByColumn);
    connect(&m_worker, &WordSearchWorker::found, this, &DictionaryDialog::searchFound);
    connect(&m_worker, &WordSearchWorker::ranked, this, &DictionaryDialog::searchRanked);
    connect(&m_worker, &QThread::finished, this, &DictionaryDialog::searchEnded);
    connect(apply, &QPushButton::clicked, this, &DictionaryDialog::applyClicked);
    connect(clearList, &QPushButton::clicked, this, &DictionaryDialog::clearListClicked);
    // A new game may load another dictionary; a computer player reads this one while it thinks.
    connect(&m_session, &GameSession::settingsChanged, this, &DictionaryDialog::refreshStatistics);
    connect(&m_session, &GameSession::lockChanged, apply,
            [this](bool locked) { apply->setEnabled(!locked); });
    refreshStatistics();
}

DictionaryDialog::~DictionaryDialog()
{
    WindowSizeKeeper::store(m_game.preferences(), *this, keys::kDictionaryDialog);
}

void DictionaryDialog::refreshStatistics()
{
    const Dictionary& dictionary = m_game.dictionary();
    const QString fileName = QString::fromStdString(dictionary.fileName());
    setWindowTitle(tr("Dictionary - ") + fileName);
    const QString types[kStatisticRows] = {tr("File name: "), tr("Author: "), tr("Words: "), tr("Nodes: "),
                                           tr("Size: ")};
    const QString infos[kStatisticRows] = {
        fileName,
        QString::fromStdString(dictionary.author()),
        thousands(dictionary.wordCount()),
        thousands(dictionary.nodeCount()),
        uitext::withText(tr("%s Kb"),
                         thousands(std::uint64_t{dictionary.nodeCount()} * kBytesPerNode / kBytesPerKb)),
    };
    for (int row = FileNameRow; row <= SizeRow; ++row) {
        statisticTable->setItem(row, 0, readOnlyItem(types[row]));
        statisticTable->setItem(row, 1, readOnlyItem(infos[row]));
    }
    statisticTable->resizeColumnsToContents();
    // What a search under way finds is of the words loaded before.
    abandonSearches();
    tableFind->setRowCount(0);
    m_newestList.reset();
    // The words typed for editing are looked up again in what is loaded now.
    for (int row = 0; row < editTable->rowCount(); ++row) {
        if (editTable->item(row, EditWordColumn) != nullptr)
            editValueChanged(row, EditWordColumn);
    }
}

// ---- Find ----

WordSearchRequest::Kind DictionaryDialog::findKind() const
{
    using Kind = WordSearchRequest::Kind;
    if (fromRack->isChecked())
        return Kind::FromRack;
    if (plusOne->isChecked())
        return Kind::PlusOne;
    if (anagram->isChecked())
        return Kind::Anagram;
    return advanced->isChecked() ? Kind::Advanced : Kind::Simple;
}

SearchOrder DictionaryDialog::searchOrderChosen() const
{
    return searchOrder->currentIndex() == 1 ? SearchOrder::Probability : SearchOrder::Natural;
}

void DictionaryDialog::searchOrderChanged()
{
    if (!m_newestList) {
        wordFindChanged(wordFind->text());
        return;
    }
    WordSearchRequest request = *m_newestList;
    request.order = searchOrderChosen();
    startSearch(std::move(request));
}

void DictionaryDialog::wordFindChanged(const QString&)
{
    if (advanced->isChecked())
        return;
    WordSearchRequest request;
    request.kind = findKind();
    request.text = uitext::withoutDiacritics(wordFind->text()).toStdString();
    request.limit = view->text().toStdString();
    request.order = searchOrderChosen();
    // An empty pattern or rack asks nothing: the table keeps what it shows.
    if (request.text.empty())
        return;
    startSearch(std::move(request));
}

void DictionaryDialog::wordFindReturnPressed()
{
    if (simple->isChecked())
        return;
    if (fromRack->isChecked() || plusOne->isChecked()) {
        wordFindChanged(wordFind->text());
        return;
    }
    WordSearchRequest request;
    request.kind = WordSearchRequest::Kind::Advanced;
    request.text = uitext::withoutDiacritics(wordFind->text()).toStdString();
    request.limit = view->text().toStdString();
    request.filters = advancedFilters();
    request.order = searchOrderChosen();
    startSearch(std::move(request));
}

QString DictionaryDialog::emptyBoundNote() const
{
    // An empty upper bound lets no word through: say so, since the search itself cannot.
    if (maximLength->text().trimmed().isEmpty())
        return tr("Nothing found: the length has no upper bound.");
    if (maximValue->text().trimmed().isEmpty())
        return tr("Nothing found: the value has no upper bound.");
    return QString();
}

AdvancedFilters DictionaryDialog::advancedFilters() const
{
    AdvancedFilters filters;
    filters.minLength = minimLength->text().toStdString();
    filters.maxLength = maximLength->text().toStdString();
    filters.minValue = minimValue->text().toStdString();
    filters.maxValue = maximValue->text().toStdString();
    filters.forced = uitext::withoutDiacritics(forcedLetters->text()).toStdString();
    filters.optional = uitext::withoutDiacritics(optionalLetters->text()).toStdString();
    filters.banned = uitext::withoutDiacritics(banedLetters->text()).toStdString();
    filters.palindrome = palindrom->isChecked();
    return filters;
}

void DictionaryDialog::startSearch(WordSearchRequest request)
{
    const std::uint64_t id = ++m_lastId;
    if (request.kind == WordSearchRequest::Kind::List)
        m_newestList = request;
    else
        m_newestList.reset();
    if (m_busy) {
        // The worker cannot take a new search before the old one ends; it ends soon.
        m_pending.emplace(std::move(request), id);
        m_worker.requestStop();
        return;
    }
    launch(std::move(request), id);
}

void DictionaryDialog::launch(WordSearchRequest request, std::uint64_t id)
{
    m_worker.prepare(m_game.dictionary(), m_game.letterSet(), std::move(request), id);
    m_busy = true;
    stopFind->setEnabled(true);
    timeFind->setText(tr("Searching..."));
    m_worker.start();
}

void DictionaryDialog::searchEnded()
{
    // finished() comes while the thread is still winding up, and start() does nothing on a
    // thread that runs: let it end first (a moment at most).
    m_worker.wait();
    if (m_pending) {
        auto [request, id] = std::move(*m_pending);
        m_pending.reset();
        launch(std::move(request), id);
        return;
    }
    m_busy = false;
    stopFind->setEnabled(false);
}

void DictionaryDialog::abandonSearches()
{
    m_pending.reset();
    ++m_lastId;
    if (m_busy)
        m_worker.requestStop();
}

void DictionaryDialog::stopFindClicked()
{
    if (!m_busy)
        return;
    abandonSearches();
    timeFind->setText(tr("Stopped"));
}

void DictionaryDialog::searchFound(const WordSearchOutcomePtr& outcome)
{
    if (outcome->id != m_lastId)
        return;
    if (!outcome->valid) {
        tableFind->setRowCount(0);
        total->setText(QStringLiteral("0"));
        timeFind->setText(tr("A rack is 1 to %1 letters, with at most %2 ? jokers")
                              .arg(RackSearch::kMaxTiles)
                              .arg(RackSearch::kMaxJokers));
        return;
    }
    showRows(*outcome);
}

void DictionaryDialog::showRows(const WordSearchOutcome& outcome)
{
    m_sortColumn = -1;
    tableFind->horizontalHeader()->setSortIndicatorShown(false);
    tableFind->setRowCount(0);
    tableFind->setRowCount(static_cast<int>(outcome.rows.size()));
    for (int row = 0; row < static_cast<int>(outcome.rows.size()); ++row) {
        const StudyRow& found = outcome.rows[static_cast<std::size_t>(row)];
        const HookFinder::Hooks& hooks = found.hooks;
        QString front = QString::fromStdString(hooks.front);
        if (hooks.frontInner)
            front += kInnerHookMark;
        QString back = QString::fromStdString(hooks.back);
        if (hooks.backInner)
            back.prepend(kInnerHookMark);
        tableFind->setItem(row, FrontColumn, readOnlyItem(front));
        tableFind->item(row, FrontColumn)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QTableWidgetItem* word = readOnlyItem(QString::fromStdString(found.row.word));
        word->setData(kRowIndexRole, row);
        tableFind->setItem(row, WordColumn, word);
        tableFind->setItem(row, BackColumn, readOnlyItem(back));
        tableFind->setItem(row, AddedColumn,
                           readOnlyItem(found.row.added != 0 ? QString(QChar(found.row.added)) : QString()));
        tableFind->setItem(row, ScoreColumn, numberItem(found.row.score));
        tableFind->setItem(row, VowelColumn, numberItem(found.row.vowels));
        tableFind->setItem(row, ConsonantColumn, numberItem(found.row.consonants));
        tableFind->setItem(row, LengthColumn, numberItem(found.row.length));
        tableFind->setItem(row, RankColumn, new RankItem(found.chance));
    }
    tableFind->setColumnHidden(AddedColumn, outcome.kind != WordSearchRequest::Kind::PlusOne);
    total->setText(QString::number(outcome.matchCount));
    SearchResult timing;
    timing.elapsedMs = outcome.elapsedMs;
    timeFind->setText(QString::fromStdString(timing.elapsedText()));
    if (outcome.kind == WordSearchRequest::Kind::Advanced && outcome.matchCount == 0)
        timeFind->setText(timeFind->text() + "  " + emptyBoundNote());
    tableFind->resizeColumnsToContents();
}

void DictionaryDialog::searchRanked(const WordSearchOutcomePtr& outcome)
{
    if (outcome->id != m_lastId)
        return;
    // The rows may have been sorted since they were shown: each knows its place in the outcome.
    for (int row = 0; row < tableFind->rowCount(); ++row) {
        const int index = tableFind->item(row, WordColumn)->data(kRowIndexRole).toInt();
        if (index >= 0 && index < static_cast<int>(outcome->rows.size()))
            tableFind->item(row, RankColumn)
                ->setData(Qt::DisplayRole, outcome->rows[static_cast<std::size_t>(index)].rank);
    }
    tableFind->resizeColumnToContents(RankColumn);
}

void DictionaryDialog::sortByColumn(int column)
{
    if (column < 0 || column >= FindColumns || tableFind->rowCount() == 0)
        return;
    // Numbers are most useful largest first; words, hooks and ranks from the top.
    const bool largestFirst = column >= ScoreColumn && column <= LengthColumn;
    const Qt::SortOrder first = largestFirst ? Qt::DescendingOrder : Qt::AscendingOrder;
    const Qt::SortOrder second = largestFirst ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_sortOrder = column == m_sortColumn && m_sortOrder == first ? second : first;
    m_sortColumn = column;
    tableFind->sortItems(column, m_sortOrder);
    tableFind->horizontalHeader()->setSortIndicatorShown(true);
    tableFind->horizontalHeader()->setSortIndicator(column, m_sortOrder);
}

std::vector<std::string> DictionaryDialog::tableWords() const
{
    std::vector<std::string> words;
    for (int row = 0; row < tableFind->rowCount(); ++row)
        words.push_back(tableFind->item(row, WordColumn)->text().toStdString());
    return words;
}

// ---- Study lists ----

QString DictionaryDialog::listsStart() const
{
    return datachoices::saveStart(m_game.folders(), appnames::kGamesFolder);
}

void DictionaryDialog::saveListClicked()
{
    const std::vector<std::string> words = tableWords();
    if (words.empty()) {
        m_session.prompter().message(this, QMessageBox::Information, tr("There are no words to save."),
                                     {tr("OK")});
        return;
    }
    QString chosen =
        m_session.prompter().saveFileName(listsStart(), tr("Word lists (*.txt)"),
                                          datachoices::places(m_game.folders(), appnames::kGamesFolder));
    if (chosen.isEmpty())
        return;
    // Only the file's own name counts: a dot in a folder of the path is no extension.
    if (!QFileInfo(chosen).fileName().contains('.'))
        chosen += kListExtension;
    const HookFinder finder(m_game.dictionary());
    StudyList::save(chosen.toStdString(), words, listHooks->isChecked() ? &finder : nullptr, m_session);
}

void DictionaryDialog::loadListClicked()
{
    const QString chosen =
        m_session.prompter().openFileName(listsStart(), tr("Word lists (*.txt)") + '\n' + tr("All files (*)"),
                                          datachoices::places(m_game.folders(), appnames::kGamesFolder));
    if (chosen.isEmpty())
        return;
    std::vector<std::string> words;
    if (!StudyList::load(chosen.toStdString(), words, m_session))
        return;
    WordSearchRequest request;
    request.kind = WordSearchRequest::Kind::List;
    request.words = std::make_shared<const std::vector<std::string>>(std::move(words));
    request.order = searchOrderChosen();
    startSearch(std::move(request));
}

void DictionaryDialog::quizClicked()
{
    const std::vector<std::string> words = tableWords();
    if (words.empty()) {
        m_session.prompter().message(this, QMessageBox::Information,
                                     tr("Find or load some words first: the quiz asks their anagrams."),
                                     {tr("OK")});
        return;
    }
    QuizDialog quizDialog(m_game.dictionary(), words, this);
    m_session.prompter().runDialog(quizDialog);
}

// ---- Edit ----

DictionaryDialog::EditWord DictionaryDialog::readEditWord(const QString& text, std::string& word)
{
    const QString trimmed = uitext::withoutDiacritics(text).trimmed();
    if (trimmed.isEmpty())
        return EditWord::Empty;
    if (trimmed.size() >= static_cast<qsizetype>(DawgBuilder::kMaxWordLength))
        return EditWord::Invalid;
    for (QChar c : trimmed) {
        if (!isAsciiLetter(c))
            return EditWord::Invalid;
    }
    word = trimmed.toUpper().toStdString();
    return EditWord::Valid;
}

void DictionaryDialog::setEditStatus(int row, const QString& text)
{
    // Writing the status cell calls editValueChanged again, for column 1, which does nothing.
    editTable->setItem(row, EditStatusColumn, readOnlyItem(text));
}

void DictionaryDialog::editValueChanged(int row, int column)
{
    if (column != EditWordColumn)
        return;
    const QTableWidgetItem* cell = editTable->item(row, EditWordColumn);
    std::string word;
    switch (readEditWord(cell != nullptr ? cell->text() : QString(), word)) {
    case EditWord::Empty:
        setEditStatus(row, QString());
        break;
    case EditWord::Invalid:
        setEditStatus(row, tr("Not valid"));
        break;
    case EditWord::Valid:
        setEditStatus(row, m_game.dictionary().contains(word.c_str()) ? tr("Yes") : tr("No"));
        break;
    }
}

void DictionaryDialog::clearListClicked()
{
    editTable->clearContents();
}

std::vector<std::string> DictionaryDialog::editedWords(bool adding) const
{
    std::set<std::string> words;
    for (int row = 0; row < editTable->rowCount(); ++row) {
        const QTableWidgetItem* cell = editTable->item(row, EditWordColumn);
        std::string word;
        if (cell == nullptr || readEditWord(cell->text(), word) != EditWord::Valid)
            continue;
        // The builder counts every word it inserts, so a word added again would be counted twice.
        if (!adding || !m_game.dictionary().contains(word.c_str()))
            words.insert(word);
    }
    return {words.begin(), words.end()};
}

void DictionaryDialog::applyClicked()
{
    // The edited dictionary is the user's copy, which then stands for the shipped one (that
    // an installed program cannot write); in a portable copy the two are the same file.
    const std::string fileName = m_game.dictionary().fileName();
    const std::string destination = fileName.empty() ? fileName : m_game.folders().userFile(fileName);
    if (!destination.empty())
        m_game.folders().ensureUserFolder(std::filesystem::path(fileName).parent_path().string());
    {
        ConversionDialog conversion(m_session, this);
        const bool adding = addWords->isChecked();
        conversion.editDictionary(QString::fromStdString(destination),
                                  adding ? ConversionMode::AddWords : ConversionMode::DeleteWords,
                                  editedWords(adding));
        m_session.prompter().runDialog(conversion);
    }
    // Read the rewritten file even when its name is unchanged, so that the game and every
    // tool use the edited words at once. A user's copy that was never written is not read.
    if (!destination.empty() && QFileInfo::exists(QString::fromStdString(destination)))
        m_game.dictionary().load(destination, true);
    refreshStatistics();
}

} // namespace glyph
