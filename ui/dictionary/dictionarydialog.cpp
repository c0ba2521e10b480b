#include "ui/dictionary/dictionarydialog.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidgetItem>

#include <set>

#include "base/letters.h"
#include "dictionary/dawgbuilder.h"
#include "dictionary/dictionary.h"
#include "dictionary/searchresult.h"
#include "engine/game.h"
#include "preferences/keys.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/dictionary/conversiondialog.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{

const char* const kGeometryKey = keys::kDictionaryDialog;
constexpr int kStatisticRows = 5;
constexpr unsigned kBytesPerNode = 4;
constexpr unsigned kBytesPerKb = 1024;
constexpr int kMinSearchLength = 2;
constexpr int kMinSearchValue = 0;
constexpr int kMaxSearchValue = 9999;
enum FindColumn { WordColumn, ScoreColumn, VowelColumn, ConsonantColumn, LengthColumn };
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

} // namespace

DictionaryDialog::DictionaryDialog(GameSession& session, QWidget* parent)
    : QDialog(parent), m_game(session.game()), m_session(session),
      m_search(session.game().dictionary(), session.game().letterSet())
{
    setupUi(this);
    WindowSizeKeeper::restore(m_game.preferences(), *this, kGeometryKey);

    tableFind->setColumnCount(LengthColumn + 1);
    tableFind->setHorizontalHeaderLabels({tr("Word"), tr("Score"), tr("V"), tr("C"), tr("Length")});
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
    WindowSizeKeeper::store(m_game.preferences(), *this, kGeometryKey);
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
    tableFind->setRowCount(0);
    // The words typed for editing are looked up again in what is loaded now.
    for (int row = 0; row < editTable->rowCount(); ++row) {
        if (editTable->item(row, EditWordColumn) != nullptr)
            editValueChanged(row, EditWordColumn);
    }
}

// ---- Find ----

void DictionaryDialog::wordFindChanged(const QString&)
{
    if (advanced->isChecked())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<SearchResult> result = m_search.runSimpleOrAnagram(
        wordFind->text().toStdString(), view->text().toStdString(), anagram->isChecked());
    QApplication::restoreOverrideCursor();
    if (result)
        showResult(*result);
}

void DictionaryDialog::wordFindReturnPressed()
{
    if (simple->isChecked())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SearchResult result =
        m_search.runAdvanced(wordFind->text().toStdString(), view->text().toStdString(), advancedFilters());
    QApplication::restoreOverrideCursor();
    showResult(result);
    if (result.matchCount == 0)
        timeFind->setText(timeFind->text() + "  " + emptyBoundNote());
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
    filters.forced = forcedLetters->text().toStdString();
    filters.optional = optionalLetters->text().toStdString();
    filters.banned = banedLetters->text().toStdString();
    filters.palindrome = palindrom->isChecked();
    return filters;
}

void DictionaryDialog::showResult(const SearchResult& result)
{
    tableFind->setRowCount(static_cast<int>(result.rows.size()));
    for (int row = 0; row < static_cast<int>(result.rows.size()); ++row) {
        const SearchResult::Row& found = result.rows[static_cast<std::size_t>(row)];
        tableFind->setItem(row, WordColumn, readOnlyItem(QString::fromStdString(found.word)));
        tableFind->setItem(row, ScoreColumn, readOnlyItem(QString::number(found.score)));
        tableFind->setItem(row, VowelColumn, readOnlyItem(QString::number(found.vowels)));
        tableFind->setItem(row, ConsonantColumn, readOnlyItem(QString::number(found.consonants)));
        tableFind->setItem(row, LengthColumn, readOnlyItem(QString::number(found.length)));
    }
    total->setText(QString::number(result.matchCount));
    timeFind->setText(QString::fromStdString(result.elapsedText()));
    tableFind->resizeColumnsToContents();
}

// ---- Edit ----

DictionaryDialog::EditWord DictionaryDialog::readEditWord(const QString& text, std::string& word)
{
    const QString trimmed = text.trimmed();
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
    const std::string fileName = m_game.dictionary().fileName();
    {
        ConversionDialog conversion(m_session, this);
        const bool adding = addWords->isChecked();
        conversion.editDictionary(QString::fromStdString(fileName),
                                  adding ? ConversionMode::AddWords : ConversionMode::DeleteWords,
                                  editedWords(adding));
        m_session.prompter().runDialog(conversion);
    }
    // Read the rewritten file even though its name is unchanged, so that the game and every
    // tool use the edited words at once.
    if (!fileName.empty())
        m_game.dictionary().load(fileName, true);
    refreshStatistics();
}

} // namespace glyph
