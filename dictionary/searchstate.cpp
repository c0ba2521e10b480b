#include "dictionary/searchstate.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>

#include "base/letters.h"
#include "base/stopwatch.h"
#include "dictionary/dictionary.h"
#include "dictionary/palindromelist.h"

namespace glyph
{

namespace
{

constexpr int kDecimalBase = 10;
/// A stock tile that stands for any of the 26 letters.
constexpr std::uint32_t kAnyLetter = (1U << kAlphabetSize) - 1;

/// Index of a letter code 'A'..'[' in the 27 counts, or -1 for any other character.
int countIndex(char c)
{
    return (c >= 'A' && c <= kJoker) ? c - 'A' : -1;
}

std::int32_t toSigned(std::uint32_t number)
{
    constexpr auto kMax = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(number > kMax ? kMax : number);
}

// Heap and sort order of the probability order: the more likely word first.
} // namespace

SearchState::SearchState(const Dictionary& dictionary, const LetterSet& letterSet)
    : m_dictionary(dictionary), m_letterSet(letterSet)
{
    m_matcher.setWordTest([&dictionary](const char* word) { return dictionary.contains(word); });
}

std::uint32_t SearchState::readNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::uint64_t number = 0;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        number = number * kDecimalBase + static_cast<std::uint64_t>(text[i] - '0');
        if (number > kMax)
            number = kMax;
    }
    return static_cast<std::uint32_t>(number);
}

std::optional<SearchResult> SearchState::runSimpleOrAnagram(const std::string& text,
                                                            const std::string& limitText, bool anagram)
{
    if (text.empty())
        return std::nullopt;
    start(limitText);
    m_matcher.compile(PatternMatcher::translatePattern(text, m_letterSet));

    m_anagramCounts.fill(0);
    m_anagramImpossible = false;
    m_anagramLength = 0;
    for (char c : letters::upperCased(text)) {
        // The user writes a joker as '?'; the internal code is no letter of a word.
        const int index = c == '?' ? kJokerIndex : c == kJoker ? -1 : countIndex(c);
        if (index < 0) {
            m_anagramImpossible = true;
            continue;
        }
        ++m_anagramCounts[static_cast<std::size_t>(index)];
        ++m_anagramLength;
    }

    const auto started = std::chrono::steady_clock::now();
    walk(anagram ? anagramCallback : simpleCallback);
    return finish(millisecondsSince(started));
}

SearchResult SearchState::runAdvanced(const std::string& text, const std::string& limitText,
                                      const AdvancedFilters& filters)
{
    start(limitText);
    if (text.empty())
        return finish(0);
    readFilters(filters);
    m_matcher.compile(PatternMatcher::translatePattern(text, m_letterSet));

    const auto started = std::chrono::steady_clock::now();
    walk(advancedCallback);
    return finish(millisecondsSince(started));
}

void SearchState::start(const std::string& limitText)
{
    m_matchCount = 0;
    m_results.clear();
    const std::uint32_t limit = readNumber(limitText);
    m_limit = static_cast<std::int32_t>(limit > kMaxLimit ? kMaxLimit : limit);
    m_likely.reset(static_cast<std::size_t>(m_limit));
    if (m_order == SearchOrder::Probability)
        m_probability.emplace(m_letterSet);
    else
        m_probability.reset();
}

void SearchState::readFilters(const AdvancedFilters& filters)
{
    m_minLength = readNumber(filters.minLength);
    m_maxLength = readNumber(filters.maxLength);
    m_minValue = toSigned(readNumber(filters.minValue));
    m_maxValue = toSigned(readNumber(filters.maxValue));
    m_palindromeOnly = filters.palindrome;
    for (std::size_t code = 0; code < m_valueOf.size(); ++code)
        m_valueOf[code] = letters::value(m_letterSet, static_cast<char>(code));

    m_banned = letters::upperCased(filters.banned);

    const std::string forced =
        PatternMatcher::translatePattern(letters::upperCased(filters.forced), m_letterSet);
    m_forcedCounts.fill(0);
    for (char c : forced) {
        if (c >= 'A' && c <= 'Z')
            ++m_forcedCounts[static_cast<std::size_t>(c - 'A')];
    }
    m_forcedActive = !forced.empty();

    readStock(PatternMatcher::translatePattern(letters::upperCased(filters.optional), m_letterSet));
    for (char c : m_banned)
        m_excluded[static_cast<unsigned char>(c)] = true;
}

void SearchState::readStock(const std::string& stock)
{
    // Each letter is one tile; '?' and a letter class are one tile that stands for any letter,
    // respectively any letter of the class.
    m_stockActive = false;
    m_stockCounts.fill(0);
    m_stockChoices.clear();
    for (std::size_t i = 0; i < stock.size(); ++i) {
        const char c = stock[i];
        if (c >= 'A' && c <= 'Z') {
            ++m_stockCounts[static_cast<std::size_t>(c - 'A')];
            m_stockActive = true;
        } else if (c == '?') {
            m_stockChoices.push_back(kAnyLetter);
            m_stockActive = true;
        } else if (c == '{') {
            std::uint32_t letters = 0;
            for (++i; i < stock.size() && stock[i] != '}'; ++i)
                if (stock[i] >= 'A' && stock[i] <= 'Z')
                    letters |= 1U << (stock[i] - 'A');
            m_stockChoices.push_back(letters);
            m_stockActive = true;
        }
    }
    // A letter no tile of the stock can stand for rejects a word at once.
    m_excluded.fill(m_stockActive);
    for (int k = 0; k < kAlphabetSize; ++k) {
        bool usable = m_stockCounts[static_cast<std::size_t>(k)] > 0;
        for (std::uint32_t choice : m_stockChoices)
            usable = usable || (choice >> k & 1U) != 0;
        if (usable)
            m_excluded[static_cast<unsigned char>('A' + k)] = false;
    }
}

bool SearchState::fitsStock(const char* word, std::size_t length) const
{
    Counts counts{};
    for (std::size_t i = 0; i < length; ++i)
        if (word[i] >= 'A' && word[i] <= 'Z')
            ++counts[static_cast<std::size_t>(word[i] - 'A')];
    // The stock's own letters first (never worse than spending a choice on them); the letters
    // left over need a tile each among the choices, found as a bipartite matching.
    std::vector<int> leftOver;
    for (int k = 0; k < kAlphabetSize; ++k)
        for (int n = counts[static_cast<std::size_t>(k)] - m_stockCounts[static_cast<std::size_t>(k)]; n > 0;
             --n)
            leftOver.push_back(k);
    if (leftOver.size() > m_stockChoices.size())
        return false;
    std::vector<int> holder(m_stockChoices.size(), -1);
    for (std::size_t letter = 0; letter < leftOver.size(); ++letter) {
        std::vector<bool> tried(m_stockChoices.size(), false);
        if (!giveChoice(static_cast<int>(letter), leftOver, holder, tried))
            return false;
    }
    return true;
}

bool SearchState::giveChoice(int letter, const std::vector<int>& leftOver, std::vector<int>& holder,
                             std::vector<bool>& tried) const
{
    for (std::size_t tile = 0; tile < m_stockChoices.size(); ++tile) {
        if (tried[tile] || (m_stockChoices[tile] >> leftOver[static_cast<std::size_t>(letter)] & 1U) == 0)
            continue;
        tried[tile] = true;
        if (holder[tile] < 0 || giveChoice(holder[tile], leftOver, holder, tried)) {
            holder[tile] = letter;
            return true;
        }
    }
    return false;
}

void SearchState::walk(void (*callback)(const char*, void*))
{
    if (m_dictionary.wordCount() != 0)
        m_dictionary.forEachWord(callback, this, m_stop);
}

void SearchState::record(const char* word)
{
    ++m_matchCount;
    if (m_probability)
        keepIfLikely(word);
    else if (m_matchCount <= static_cast<std::uint32_t>(m_limit))
        m_results.emplace_back(word);
}

void SearchState::keepIfLikely(const char* word)
{
    m_likely.offer(m_probability->chance(word), word);
}

SearchResult SearchState::finish(std::int64_t elapsedMs)
{
    if (m_probability)
        m_results = m_likely.takeLikeliestFirst();
    SearchResult result;
    result.matchCount = m_matchCount;
    result.elapsedMs = elapsedMs;
    result.rows.reserve(m_results.size());
    for (const std::string& word : m_results)
        result.rows.push_back(SearchResult::Row::describe(word, m_letterSet));
    m_results.clear();
    return result;
}

bool SearchState::isAnagramMatch(const char* word) const
{
    if (m_anagramImpossible)
        return false;
    // No letter may occur more often than in the text, unless a joker of the text stands for
    // it; with equal lengths the counts are then equal, which settles most words early.
    Counts counts{};
    int jokers = m_anagramCounts[kJokerIndex];
    std::size_t length = 0;
    for (; word[length] != '\0'; ++length) {
        const int index = countIndex(word[length]);
        if (index < 0 || index == kJokerIndex)
            return false;
        if (++counts[static_cast<std::size_t>(index)] > m_anagramCounts[static_cast<std::size_t>(index)] &&
            --jokers < 0)
            return false;
    }
    return length == m_anagramLength;
}

bool SearchState::passesFilters(const char* word)
{
    // One pass measures the word, sums its value and meets the banned letters and the stock;
    // which test rejects a word first makes no difference to the result.
    std::size_t length = 0;
    std::int32_t value = 0;
    for (; word[length] != '\0'; ++length) {
        const auto code = static_cast<unsigned char>(word[length]);
        if (m_excluded[code])
            return false;
        value += m_valueOf[code];
    }
    if (length < m_minLength || length > m_maxLength)
        return false;
    if (value < m_minValue || value > m_maxValue)
        return false;
    if (m_forcedActive && !hasForcedLetters(word, length))
        return false;
    if (m_stockActive && !fitsStock(word, length))
        return false;
    if (m_matcher.isEmpty() || !m_matcher.match(std::string_view(word, length)))
        return false;
    return !m_palindromeOnly || isPalindrome(word, length);
}

bool SearchState::hasForcedLetters(const char* word, std::size_t length) const
{
    Counts counts{};
    for (std::size_t i = 0; i < length; ++i) {
        const int index = countIndex(word[i]);
        if (index >= 0)
            ++counts[static_cast<std::size_t>(index)];
    }
    for (std::size_t k = 0; k < counts.size(); ++k) {
        if (counts[k] < m_forcedCounts[k])
            return false;
    }
    return true;
}

void SearchState::simpleCallback(const char* word, void* context)
{
    auto* self = static_cast<SearchState*>(context);
    if (!self->m_matcher.isEmpty() && self->m_matcher.match(word))
        self->record(word);
}

void SearchState::anagramCallback(const char* word, void* context)
{
    auto* self = static_cast<SearchState*>(context);
    if (self->isAnagramMatch(word))
        self->record(word);
}

void SearchState::advancedCallback(const char* word, void* context)
{
    auto* self = static_cast<SearchState*>(context);
    if (self->passesFilters(word))
        self->record(word);
}

} // namespace glyph
