#pragma once

#include <QThread>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/letterset.h"
#include "base/warningsink.h"
#include "dictionary/advancedfilters.h"
#include "dictionary/dictionary.h"
#include "dictionary/hookfinder.h"
#include "dictionary/probabilityranking.h"
#include "dictionary/searchorder.h"
#include "dictionary/searchresult.h"

namespace glyph
{

/// One search the dictionary window asks for.
struct WordSearchRequest {
    enum class Kind { Simple, Anagram, Advanced, FromRack, PlusOne, List };
    Kind kind = Kind::Simple;
    std::string text;
    std::string limit;
    AdvancedFilters filters;
    SearchOrder order = SearchOrder::Natural;
    /// The words of a List, in file order; shared, so that the window keeps the list to sort
    /// it again without a copy.
    std::shared_ptr<const std::vector<std::string>> words;
};

/// One row of the window's result: what the search found, the word's hooks, its chance as a
/// rack and its rank among the dictionary's words of its length (0 until ranked).
struct StudyRow {
    SearchResult::Row row;
    HookFinder::Hooks hooks;
    double chance = 0.0;
    std::uint32_t rank = 0;
};

/// What one search found. Not valid when the text asked nothing the search can answer (an
/// empty pattern, a text that is not a rack).
struct WordSearchOutcome {
    std::uint64_t id = 0;
    WordSearchRequest::Kind kind = WordSearchRequest::Kind::Simple;
    bool valid = true;
    std::vector<StudyRow> rows;
    std::uint32_t matchCount = 0;
    std::int64_t elapsedMs = 0;
};
using WordSearchOutcomePtr = std::shared_ptr<const WordSearchOutcome>;

/// Runs the dictionary window's searches off the window's thread, on its own copy of the
/// dictionary, so that the window keeps answering and a new game may load another dictionary
/// meanwhile. A run reports its rows first, then their probability ranks once the ranking of
/// the whole dictionary is ready (built on the first run after the words or the set change).
class WordSearchWorker : public QThread
{
    Q_OBJECT

public:
    explicit WordSearchWorker(QObject* parent = nullptr);
    /// Stops the run under way and waits for it.
    ~WordSearchWorker() override;

    /// Sets the next run; copies the dictionary and the letter set when they changed since the
    /// last run. Call only while the thread is not running.
    void prepare(const Dictionary& dictionary, const LetterSet& letterSet, WordSearchRequest request,
                 std::uint64_t id);
    /// Asks the run under way to end soon; it then reports nothing more.
    void requestStop() { m_stop.store(true); }

signals:
    /// The rows of a run, with their hooks and chances but no ranks yet.
    void found(glyph::WordSearchOutcomePtr outcome);
    /// The same rows with their ranks.
    void ranked(glyph::WordSearchOutcomePtr outcome);

protected:
    void run() override;

private:
    class SilentWarnings : public WarningSink
    {
    public:
        void showWarning(const std::string&) override {}
    };

    bool stopped() const { return m_stop.load(); }
    std::optional<SearchResult> search();
    /// The rows of a List: as many as a search keeps at most (SearchState::kMaxLimit), the first
    /// in file order or the likeliest of the whole list, likeliest first; nothing when stopped.
    std::optional<SearchResult> listRows() const;
    /// The list's likeliest words, as many as a List shows, likeliest first; nothing when stopped.
    std::optional<std::vector<std::string>> likeliestWords(const std::vector<std::string>& words) const;
    bool sameLetterSet(const LetterSet& letterSet) const;

    SilentWarnings m_warnings;
    Dictionary m_dictionary{m_warnings};
    /// The generation of the game's dictionary that m_dictionary copies.
    std::optional<std::uint64_t> m_sourceGeneration;
    const Dictionary* m_source = nullptr;
    LetterSet m_letterSet;
    /// The ranking of m_dictionary under m_letterSet, once a run has built it whole.
    std::optional<ProbabilityRanking> m_ranking;
    WordSearchRequest m_request;
    std::uint64_t m_id = 0;
    std::atomic<bool> m_stop{false};
};

} // namespace glyph
