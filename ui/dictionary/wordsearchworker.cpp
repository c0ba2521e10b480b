#include "ui/dictionary/wordsearchworker.h"

#include <algorithm>
#include <chrono>

#include "dictionary/likeliestwords.h"
#include "dictionary/racksearch.h"
#include "dictionary/searchstate.h"
#include "dictionary/wordprobability.h"

namespace glyph
{

namespace
{

/// A List shows as many rows as a search keeps at most.
constexpr auto kListRows = static_cast<std::size_t>(SearchState::kMaxLimit);

} // namespace

WordSearchWorker::WordSearchWorker(QObject* parent) : QThread(parent)
{
    qRegisterMetaType<glyph::WordSearchOutcomePtr>();
}

WordSearchWorker::~WordSearchWorker()
{
    requestStop();
    wait();
}

bool WordSearchWorker::sameLetterSet(const LetterSet& letterSet) const
{
    for (int i = 0; i < kLetterCount; ++i) {
        const LetterSet::Entry& mine = m_letterSet.entryAt(i);
        const LetterSet::Entry& theirs = letterSet.entryAt(i);
        if (mine.value != theirs.value || mine.count != theirs.count || mine.vowel != theirs.vowel)
            return false;
    }
    return true;
}

void WordSearchWorker::prepare(const Dictionary& dictionary, const LetterSet& letterSet,
                               WordSearchRequest request, std::uint64_t id)
{
    // The generation alone does not tell two dictionary objects apart.
    if (m_source != &dictionary || m_sourceGeneration != dictionary.generation()) {
        m_dictionary.copyFrom(dictionary);
        m_source = &dictionary;
        m_sourceGeneration = dictionary.generation();
        m_ranking.reset();
    }
    if (!sameLetterSet(letterSet)) {
        m_letterSet = letterSet;
        m_ranking.reset();
    }
    m_request = std::move(request);
    m_id = id;
    m_stop.store(false);
}

std::optional<std::vector<std::string>>
WordSearchWorker::likeliestWords(const std::vector<std::string>& words) const
{
    const WordProbability probability(m_letterSet);
    LikeliestWords likeliest(kListRows);
    for (const std::string& word : words) {
        if (stopped())
            return std::nullopt;
        likeliest.offer(probability.chance(word), word);
    }
    return likeliest.takeLikeliestFirst();
}

std::optional<SearchResult> WordSearchWorker::listRows() const
{
    static const std::vector<std::string> kNoWords;
    const std::vector<std::string>& words = m_request.words ? *m_request.words : kNoWords;
    SearchResult result;
    result.matchCount = static_cast<std::uint32_t>(words.size());
    const auto describe = [&](const std::string& word) {
        result.rows.push_back(SearchResult::Row::describe(word, m_letterSet));
    };
    if (m_request.order == SearchOrder::Probability) {
        const std::optional<std::vector<std::string>> likeliest = likeliestWords(words);
        if (!likeliest)
            return std::nullopt;
        std::for_each(likeliest->begin(), likeliest->end(), describe);
    } else {
        std::for_each(words.begin(),
                      words.begin() + static_cast<std::ptrdiff_t>(std::min(words.size(), kListRows)),
                      describe);
    }
    return result;
}

std::optional<SearchResult> WordSearchWorker::search()
{
    using Kind = WordSearchRequest::Kind;
    const WordSearchRequest& request = m_request;
    switch (request.kind) {
    case Kind::Simple:
    case Kind::Anagram:
    case Kind::Advanced: {
        SearchState state(m_dictionary, m_letterSet);
        state.setOrder(request.order);
        state.setStopFlag(&m_stop);
        if (request.kind == Kind::Advanced)
            return state.runAdvanced(request.text, request.limit, request.filters);
        return state.runSimpleOrAnagram(request.text, request.limit, request.kind == Kind::Anagram);
    }
    case Kind::FromRack:
    case Kind::PlusOne: {
        // Fast enough on any dictionary to need no stop of its own.
        RackSearch rack(m_dictionary, m_letterSet);
        return request.kind == Kind::FromRack ? rack.fromRack(request.text, request.limit, request.order)
                                              : rack.plusOne(request.text, request.limit, request.order);
    }
    case Kind::List:
        return listRows();
    }
    return std::nullopt;
}

void WordSearchWorker::run()
{
    const auto started = std::chrono::steady_clock::now();
    auto outcome = std::make_shared<WordSearchOutcome>();
    outcome->id = m_id;
    outcome->kind = m_request.kind;
    const std::optional<SearchResult> result = search();
    if (stopped())
        return;
    if (!result) {
        outcome->valid = false;
        emit found(outcome);
        return;
    }
    const WordProbability probability(m_letterSet);
    const HookFinder hooks(m_dictionary);
    for (const SearchResult::Row& row : result->rows)
        outcome->rows.push_back({row, hooks.find(row.word), probability.chance(row.word), 0});
    outcome->matchCount = result->matchCount;
    outcome->elapsedMs = m_request.kind == WordSearchRequest::Kind::List
                             ? std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now() - started)
                                   .count()
                             : result->elapsedMs;
    emit found(outcome);

    if (!m_ranking) {
        ProbabilityRanking ranking;
        if (!ranking.build(m_dictionary, probability, &m_stop))
            return;
        m_ranking = std::move(ranking);
    }
    auto withRanks = std::make_shared<WordSearchOutcome>(*outcome);
    for (StudyRow& row : withRanks->rows)
        row.rank = m_ranking->rank(row.row.word, probability);
    if (!stopped())
        emit ranked(withRanks);
}

} // namespace glyph
