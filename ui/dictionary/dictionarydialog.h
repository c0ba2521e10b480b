#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/advancedfilters.h"
#include "ui/dictionary/wordsearchworker.h"
#include "ui_dictionarydialog.h"

namespace glyph
{

class Game;
class GameSession;

/// The dictionary window: finds words (pattern, anagram, filtered search, from a rack, rack
/// plus one) with their hooks and probability ranks, keeps and quizzes study lists, edits the
/// loaded dictionary through the conversion dialog and shows its statistics. Modeless, built
/// once with the main window and shown on demand, so its fields keep their contents. Searches
/// run off the window's thread; a newer one replaces the one under way.
class DictionaryDialog : public QDialog, private Ui::UIDictionaryDialog
{
    Q_OBJECT

public:
    /// Number of rows of the edit table.
    static constexpr int kEditRows = 200;

    DictionaryDialog(GameSession& session, QWidget* parent);
    /// Stores the geometry under "DictionaryDialogKey".
    ~DictionaryDialog() override;

    /// Shows the loaded dictionary's name in the caption and its details in the statistics,
    /// empties the results of the last search and looks the edit table's words up again.
    void refreshStatistics();
    /// Puts the keyboard focus in the search field.
    void focusSearch() { wordFind->setFocus(); }
    /// True from the start of a search until its rows are shown, or it is stopped and ended.
    bool searching() const { return m_busy; }

public slots:
    /// Pattern or anagram search as the word or the view limit is typed (not in advanced mode).
    void wordFindChanged(const QString& text);
    /// Filtered search with the Advanced page's fields (not in simple mode).
    void wordFindReturnPressed();
    /// Says in the status cell whether the word typed in the row is in the dictionary.
    void editValueChanged(int row, int column);
    /// Rebuilds the loaded dictionary with the listed words added or deleted, then reloads it.
    void applyClicked();
    /// Empties every row of the edit table.
    void clearListClicked();
    /// Ends the search under way and the ones waiting; the table keeps what it showed.
    void stopFindClicked();
    /// Writes the words of the result table, in its order, to a chosen study list file (with
    /// their hooks when "With hooks" is checked).
    void saveListClicked();
    /// Shows the words of a chosen study list file in the result table.
    void loadListClicked();
    /// Runs an anagram quiz on the words of the result table.
    void quizClicked();

private:
    enum class EditWord { Empty, Valid, Invalid };
    /// Where the study list choosers start: the user's "Games" folder, created when missing.
    QString listsStart() const;
    /// Reads a word cell: the upper-case word when it is letters only (surrounding blanks
    /// ignored) and short enough for a dictionary.
    static EditWord readEditWord(const QString& text, std::string& word);

    WordSearchRequest::Kind findKind() const;
    SearchOrder searchOrderChosen() const;
    /// Sorts the list shown again in the order chosen, or searches again for the text typed.
    void searchOrderChanged();
    /// Runs the request once the search under way (asked to stop) has ended.
    void startSearch(WordSearchRequest request);
    void launch(WordSearchRequest request, std::uint64_t id);
    void searchFound(const WordSearchOutcomePtr& outcome);
    void searchRanked(const WordSearchOutcomePtr& outcome);
    void searchEnded();
    /// Drops the search under way and any waiting, so that nothing they find is shown.
    void abandonSearches();
    void showRows(const WordSearchOutcome& outcome);
    /// Sorts the rows by a column: its natural direction first, the other on the next click.
    void sortByColumn(int column);
    /// The words of the result table, in the order shown.
    std::vector<std::string> tableWords() const;
    AdvancedFilters advancedFilters() const;
    /// Why an advanced search found nothing when an upper bound is empty; empty otherwise.
    QString emptyBoundNote() const;
    /// The valid words of the edit table, each once; when adding, only those not yet in the dictionary.
    std::vector<std::string> editedWords(bool adding) const;
    void setEditStatus(int row, const QString& text);

    Game& m_game;
    GameSession& m_session;
    WordSearchWorker m_worker;
    /// The search to run when the one under way ends, with its number.
    std::optional<std::pair<WordSearchRequest, std::uint64_t>> m_pending;
    /// The number of the newest search; only its rows are shown.
    std::uint64_t m_lastId = 0;
    /// The newest search when it is a loaded study list (until the table is emptied), so that a
    /// change of order sorts the list again.
    std::optional<WordSearchRequest> m_newestList;
    bool m_busy = false;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace glyph
