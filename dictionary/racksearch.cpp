#include "dictionary/racksearch.h"

#include <algorithm>
#include <chrono>

#include "base/letters.h"
#include "base/letterset.h"
#include "base/stopwatch.h"
#include "dictionary/dictionary.h"
#include "dictionary/searchstate.h"
#include "dictionary/wordprobability.h"

namespace glyph
{

namespace
{

constexpr char kJokerText = '?';

char lowerCase(char c)
{
    return static_cast<char>(c - 'A' + 'a');
}

} // namespace

RackSearch::RackSearch(const Dictionary& dictionary, const LetterSet& letterSet)
    : m_dictionary(dictionary), m_letterSet(letterSet)
{
}

bool RackSearch::isRack(const std::string& text)
{
    if (text.empty() || text.size() > kMaxTiles)
        return false;
    int jokers = 0;
    for (char c : text) {
        if (c == kJokerText)
            ++jokers;
        else if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return jokers <= kMaxJokers;
}

bool RackSearch::readRack(const std::string& text)
{
    if (!isRack(text))
        return false;
    m_counts.fill(0);
    m_wilds = 0;
    for (char c : letters::fromUserText(text)) {
        if (c == kJoker)
            ++m_wilds;
        else
            ++m_counts[static_cast<std::size_t>(c - 'A')];
    }
    m_tiles = text.size();
    m_found.clear();
    return true;
}

std::optional<SearchResult> RackSearch::fromRack(const std::string& text, const std::string& limitText,
                                                 SearchOrder order)
{
    if (!readRack(text))
        return std::nullopt;
    const auto started = std::chrono::steady_clock::now();
    m_plusOne = false;
    run(0);
    return finish(limitText, order, false, started);
}

std::optional<SearchResult> RackSearch::plusOne(const std::string& text, const std::string& limitText,
                                                SearchOrder order)
{
    if (!readRack(text))
        return std::nullopt;
    const auto started = std::chrono::steady_clock::now();
    // The added letter is one more tile that may be anything, like a joker; which of the
    // letters the rack lacks it is, is settled when a word is found.
    m_plusOne = true;
    ++m_wilds;
    ++m_tiles;
    run(m_tiles);
    return finish(limitText, order, true, started);
}

void RackSearch::run(std::size_t length)
{
    m_length = length;
    if (m_dictionary.nodes() != nullptr && m_dictionary.wordCount() != 0)
        walk(dicformat::kFirstLetterListIndex, 0);
}

void RackSearch::walk(std::uint32_t listIndex, std::size_t depth)
{
    // A letter uses a tile of its own while the rack has one and a joker only after that, so
    // each word is reached once, with its jokers on the later copies of the letters it lacks.
    const DawgNode* nodes = m_dictionary.nodes();
    for (std::uint32_t index = listIndex;; ++index) {
        const DawgNode node = nodes[index];
        int& count = m_counts[static_cast<std::size_t>(letter(node) - 'A')];
        const bool wild = count == 0;
        if (!wild || m_wilds > 0) {
            (wild ? m_wilds : count) -= 1;
            m_word[depth] = letter(node);
            m_wild[depth] = wild;
            if (isEndOfWord(node) && (m_length == 0 || depth + 1 == m_length))
                record(depth + 1);
            if (childIndex(node) != 0 && depth + 1 < m_tiles)
                walk(childIndex(node), depth + 1);
            (wild ? m_wilds : count) += 1;
        }
        if (isLast(node))
            return;
    }
}

void RackSearch::record(std::size_t length)
{
    const std::string upper(m_word, length);
    Found found{SearchResult::Row::describe(upper, m_letterSet), 0.0};
    std::size_t addedAt = length;
    if (m_plusOne) {
        // The added letter is a real tile: the best-scoring of those the rack lacks.
        for (std::size_t i = 0; i < length; ++i) {
            if (!m_wild[i])
                continue;
            const int value = letters::value(m_letterSet, upper[i]);
            const int best = addedAt == length ? 0 : letters::value(m_letterSet, upper[addedAt]);
            if (addedAt == length || value > best || (value == best && upper[i] < upper[addedAt]))
                addedAt = i;
        }
        found.row.added = upper[addedAt];
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (m_wild[i] && i != addedAt) {
            found.row.word[i] = lowerCase(upper[i]);
            found.row.score -= letters::value(m_letterSet, upper[i]);
        }
    }
    m_found.push_back(std::move(found));
}

SearchResult RackSearch::finish(const std::string& limitText, SearchOrder order, bool byAddedLetter,
                                std::chrono::steady_clock::time_point started)
{
    // The walk found the words in alphabetical order, which the stable sorts keep among equals.
    if (order == SearchOrder::Probability) {
        const WordProbability probability(m_letterSet);
        for (Found& found : m_found)
            found.chance = probability.chance(found.row.word);
        std::stable_sort(m_found.begin(), m_found.end(),
                         [](const Found& a, const Found& b) { return a.chance > b.chance; });
    } else if (byAddedLetter) {
        std::stable_sort(m_found.begin(), m_found.end(),
                         [](const Found& a, const Found& b) { return a.row.added < b.row.added; });
    } else {
        std::stable_sort(m_found.begin(), m_found.end(), [](const Found& a, const Found& b) {
            return a.row.length != b.row.length ? a.row.length > b.row.length : a.row.score > b.row.score;
        });
    }
    const std::uint32_t limit =
        std::min<std::uint32_t>(SearchState::readNumber(limitText), SearchState::kMaxLimit);
    SearchResult result;
    result.matchCount = static_cast<std::uint32_t>(m_found.size());
    result.elapsedMs = millisecondsSince(started);
    for (std::size_t i = 0; i < m_found.size() && i < limit; ++i)
        result.rows.push_back(std::move(m_found[i].row));
    m_found.clear();
    return result;
}

} // namespace glyph
