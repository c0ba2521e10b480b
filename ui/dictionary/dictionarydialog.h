#pragma once

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

#include "dictionary/advancedfilters.h"
#include "dictionary/searchstate.h"
#include "ui_dictionarydialog.h"

namespace glyph
{

class Game;
class GameSession;
struct SearchResult;

/// The dictionary window: finds words (pattern, anagram, filtered search), edits the loaded
/// dictionary through the conversion dialog and shows its statistics. Modeless, built once
/// with the main window and shown on demand, so its fields keep their contents.
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

private:
    enum class EditWord { Empty, Valid, Invalid };
    /// Reads a word cell: the upper-case word when it is letters only (surrounding blanks
    /// ignored) and short enough for a dictionary.
    static EditWord readEditWord(const QString& text, std::string& word);

    void showResult(const SearchResult& result);
    AdvancedFilters advancedFilters() const;
    /// Why an advanced search found nothing when an upper bound is empty; empty otherwise.
    QString emptyBoundNote() const;
    /// The valid words of the edit table, each once; when adding, only those not yet in the dictionary.
    std::vector<std::string> editedWords(bool adding) const;
    void setEditStatus(int row, const QString& text);

    Game& m_game;
    GameSession& m_session;
    SearchState m_search;
};

} // namespace glyph
