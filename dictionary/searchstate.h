#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/board.h"
#include "dictionary/advancedfilters.h"
#include "dictionary/likeliestwords.h"
#include "dictionary/patternmatcher.h"
#include "dictionary/searchorder.h"
#include "dictionary/searchresult.h"
#include "dictionary/wordprobability.h"

namespace glyph
{

class Dictionary;
class LetterSet;

/// The word searches of the dictionary dialog: pattern, anagram and filtered searches, each one
/// walk of the whole dictionary that counts every match and keeps the first ones up to a limit.
class SearchState
{
public:
    /// Most rows a search ever stores, whatever the limit text says.
    static constexpr int kMaxLimit = 1000;

    /// Searches the given dictionary; values and vowels come from the letter set.
    SearchState(const Dictionary& dictionary, const LetterSet& letterSet);

    /// Pattern search, or anagram search of exactly the letters of text; nothing runs (and no
    /// result is returned) when text is empty. Characters other than letters and '[' in an
    /// anagram text make it match nothing.
    std::optional<SearchResult> runSimpleOrAnagram(const std::string& text, const std::string& limitText,
                                                   bool anagram);
    /// Pattern search with the filters; an empty text finds nothing, and so does an empty upper
    /// bound of length or value.
    SearchResult runAdvanced(const std::string& text, const std::string& limitText,
                             const AdvancedFilters& filters);

    /// The order of the rows of the next searches: alphabetical (the walk's), or the most likely
    /// racks first, the rows kept being then the most likely matches up to the limit.
    void setOrder(SearchOrder order) { m_order = order; }
    /// A flag that, once set from any thread, ends the walk under way early (what it found so
    /// far is then returned); null for none.
    void setStopFlag(const std::atomic<bool>* stop) { m_stop = stop; }

    /// A typed number: leading digits after blanks, 0 when there are none, at most 4294967295.
    static std::uint32_t readNumber(const std::string& text);

    std::uint32_t matchCount() const { return m_matchCount; }
    std::int32_t limit() const { return m_limit; }
    const PatternMatcher& matcher() const { return m_matcher; }

private:
    using Counts = std::array<std::int32_t, kLetterCount>;

    void start(const std::string& limitText);
    void walk(void (*callback)(const char*, void*));
    void record(const char* word);
    /// Keeps the word when it is among the `limit` most likely matches so far.
    void keepIfLikely(const char* word);
    SearchResult finish(std::int64_t elapsedMs);
    bool isAnagramMatch(const char* word) const;
    bool passesFilters(const char* word);
    bool hasForcedLetters(const char* word, std::size_t length) const;
    void readFilters(const AdvancedFilters& filters);
    void readStock(const std::string& stock);
    /// True when the stock's tiles can spell the word, each tile used once.
    bool fitsStock(const char* word, std::size_t length) const;
    /// Finds a choice tile for leftOver[letter], moving other letters to other tiles if need be.
    bool giveChoice(int letter, const std::vector<int>& leftOver, std::vector<int>& holder,
                    std::vector<bool>& tried) const;

    static void simpleCallback(const char* word, void* context);
    static void anagramCallback(const char* word, void* context);
    static void advancedCallback(const char* word, void* context);

    const Dictionary& m_dictionary;
    const LetterSet& m_letterSet;

    std::vector<std::string> m_results;
    std::uint32_t m_matchCount = 0;
    std::int32_t m_limit = 0;
    Counts m_anagramCounts{};
    std::int32_t m_minValue = 0;
    std::int32_t m_maxValue = 0;
    std::uint32_t m_minLength = 0;
    std::uint32_t m_maxLength = 0;
    bool m_forcedActive = false;
    Counts m_forcedCounts{};
    /// The letters stock: its letters' counts and its tiles that stand for a choice of letters
    /// (a bit per letter), when the user typed one.
    bool m_stockActive = false;
    Counts m_stockCounts{};
    std::vector<std::uint32_t> m_stockChoices;
    std::string m_banned;
    PatternMatcher m_matcher;
    SearchOrder m_order = SearchOrder::Natural;
    const std::atomic<bool>* m_stop = nullptr;
    /// In probability order: the chances of the letter set at the search's start, and the most
    /// likely matches so far as a heap whose top is the least likely of them.
    std::optional<WordProbability> m_probability;
    LikeliestWords m_likely;

    /// Set when the anagram text holds a character no word can contain.
    bool m_anagramImpossible = false;
    std::size_t m_anagramLength = 0;
    bool m_palindromeOnly = false;
    /// Per character code: its value in the letter set, read once per search.
    std::array<std::int32_t, 256> m_valueOf{};
    /// Per character code: whether it rejects a word (banned, or missing from the stock).
    std::array<bool, 256> m_excluded{};
};

} // namespace glyph
