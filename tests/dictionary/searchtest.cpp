// Pattern matching, and the searches and speed test of the dictionary dialog.
#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string_view>

#include <gtest/gtest.h>

#include "dictionary/patternmatcher.h"
#include "dictionary/searchstate.h"
#include "dictionary/speedtest.h"
#include "support/searchfixture.h"

using glyph::AdvancedFilters;
using glyph::PatternMatcher;
using glyph::SearchResult;
using glyph::SearchState;
using Words = std::vector<std::string>;

namespace
{

// A matcher of the internal pattern whose '&' accepts the given words.
std::unique_ptr<PatternMatcher> compiled(const std::string& pattern, const std::set<std::string>& words = {})
{
    auto matcher = std::make_unique<PatternMatcher>();
    matcher->setWordTest([words](const char* word) { return words.count(word) != 0; });
    matcher->compile(pattern);
    return matcher;
}

// A plain reading of the rules, by backtracking: '?' is any letter, '*' any run of 0 or more
// letters wherever it stands, '&' one of the words, {...} one letter of the set.
bool plainMatch(std::string_view pattern, std::string_view word, const std::set<std::string>& words)
{
    if (pattern.empty())
        return word.empty();
    const auto rest = [&](std::size_t patternUsed, std::size_t wordUsed) {
        return wordUsed <= word.size() &&
               plainMatch(pattern.substr(patternUsed), word.substr(wordUsed), words);
    };
    switch (pattern[0]) {
    case '*':
        for (std::size_t used = 0; used <= word.size(); ++used)
            if (rest(1, used))
                return true;
        return false;
    case '&':
        return std::any_of(words.begin(), words.end(), [&](const std::string& w) {
            return word.substr(0, w.size()) == w && rest(1, w.size());
        });
    case '{': {
        const std::size_t close = pattern.find('}');
        return !word.empty() && pattern.substr(1, close - 1).find(word[0]) != std::string_view::npos &&
               rest(close + 1, 1);
    }
    default:
        return !word.empty() && (pattern[0] == '?' || pattern[0] == word[0]) && rest(1, 1);
    }
}

const Words kSearchWords = {"A", "ACT",   "CAT",  "CATS", "CATSUP", "COT", "CUP",
                            "I", "LEVEL", "NOON", "SCAT", "TACT",   "UP"};

// Open bounds: every length and value passes.
AdvancedFilters openFilters(const std::string& forced = "", const std::string& stock = "",
                            const std::string& banned = "")
{
    return AdvancedFilters{"0", "15", "0", "100", forced, stock, banned, false};
}

class SearchStateTest : public glyph::test::DictionaryFixture
{
protected:
    void SetUp() override { loadWords(kSearchWords); }

    Words simple(const std::string& text, bool anagram = false)
    {
        return search.runSimpleOrAnagram(text, "1000", anagram).value_or(SearchResult{}).words();
    }

    SearchState search{dictionary, letterSet};
};

} // namespace

TEST(PatternMatching, AgreesWithAPlainReadingOfTheRulesAndFinishesOnLongWords)
{
    std::mt19937 random(12345);
    const std::string pieces[] = {"A", "B", "AB", "*", "*", "?", "&", "{AB}", "{}", "BA", "b"};
    const std::set<std::string> words = {"A", "AB", "BA", "AAB", "B"};
    int matches = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string pattern;
        for (int n = 1 + static_cast<int>(random() % 6); n > 0; --n)
            pattern += pieces[random() % std::size(pieces)];
        const auto matcher = compiled(pattern, words);
        for (int w = 0; w < 10; ++w) {
            std::string word;
            for (int n = static_cast<int>(random() % 8); n > 0; --n)
                word += static_cast<char>('A' + random() % 2);
            const bool expected = plainMatch(pattern, word, words);
            ASSERT_EQ(matcher->match(word), expected) << pattern << " " << word;
            matches += expected ? 1 : 0;
        }
    }
    // The random cases must exercise both outcomes to mean anything.
    EXPECT_GT(matches, 1000);
    EXPECT_LT(matches, 25000);
    // Any number of '*' left once the word is used up stand for no letters, after letters,
    // wildcards and words alike.
    const std::pair<const char*, Words> trailingRuns[] = {
        {"B*", {"B", "BE", "BED"}},    {"B**", {"B", "BE", "BED"}}, {"B*?**", {"BE", "BED"}},
        {"*B***", {"B", "BE", "BED"}}, {"&**", {"B", "BE", "BED"}}, {"B?*?*", {"BED"}}};
    for (const auto& [pattern, expected] : trailingRuns) {
        const auto matcher = compiled(pattern, {"B", "BE", "BED"});
        Words found;
        for (const std::string word : {"B", "BE", "BED"})
            if (matcher->match(word))
                found.push_back(word);
        EXPECT_EQ(found, expected) << pattern;
    }

    std::set<std::string> runs;
    for (std::size_t n = 1; n <= 39; ++n)
        runs.insert(std::string(n, 'A'));
    const std::string word(39, 'A');
    // Plain backtracking tries billions of splits on these before failing at the final Z.
    const std::string patterns[] = {"*?*?*?*?*?*?*?*?*?*?*?*?Z", "&&&&&&&&&&&&&&Z", "*&*&*&*&*&*&*&*&*&Z",
                                    std::string(100000, '*') + "Z"};
    for (const std::string& pattern : patterns) {
        const auto matcher = compiled(pattern, runs);
        EXPECT_FALSE(matcher->match(word)) << pattern.substr(0, 30);
        EXPECT_TRUE(matcher->match(word + "Z")) << pattern.substr(0, 30);
    }
    // Words far longer than the pieces the matcher remembers.
    const std::string longWord(5000, 'A');
    EXPECT_TRUE(compiled("A&", {longWord.substr(1)})->match(longWord));
}

TEST_F(SearchStateTest, PatternsShorthandsLimitsAndBoundsAsTypedAndTheAverageSpeed)
{
    // Letters and wildcards are kept, shorthands become sets of letters ('9': a value none has).
    const std::pair<const char*, const char*> translations[] = {
        {"c?t*&", "C?T*&"},    {"{x}-y .z!", "XYZ"}, {"/", "{AEIOU}"},     {"\\", "{BCDFGHJKLMNPQRSTVWXYZ}"},
        {"$", "{FHJKQVWXYZ}"}, {">", "{JQXZ}"},      {"a39", "A{BCMP}{}"}, {"0", "{QZ}"}};
    for (const auto& [user, internal] : translations)
        EXPECT_EQ(PatternMatcher::translatePattern(user, letterSet), internal) << user;
    EXPECT_EQ(simple("&&"), (Words{"CATSUP"}));
    // Anagram texts holding anything but letters and '?' find nothing, and no text runs no search.
    for (const std::string text : {"TA C", "TA[C", "TAC\xC3\xA9", "TAC\x7F"})
        EXPECT_EQ(simple(text, true), Words{}) << text;
    EXPECT_FALSE(search.runSimpleOrAnagram("", "100", false).has_value());
    const SearchResult two = search.runAdvanced("*", " 2 rows", openFilters());
    EXPECT_EQ(two.rows, (std::vector<SearchResult::Row>{{"A", 1, 1, 0, 1}, {"ACT", 5, 1, 2, 3}}));
    EXPECT_EQ(two.matchCount, kSearchWords.size());
    const auto notANumber = search.runSimpleOrAnagram("*", "-5", false);
    EXPECT_TRUE(notANumber->rows.empty());
    EXPECT_EQ(notANumber->matchCount, kSearchWords.size());
    EXPECT_EQ(SearchState::readNumber("123456789012345"), 4294967295u);

    // No text or no upper bound finds nothing; letters in any case, shorthands in the letter fields.
    EXPECT_EQ(search.runAdvanced("", "100", openFilters()).matchCount, 0u);
    EXPECT_EQ(search.runAdvanced("*", "1000", AdvancedFilters{}).words(), Words{});
    EXPECT_EQ(search.runAdvanced("CAT*", "1000", openFilters("", "", "s")).words(), (Words{"CAT"}));
    // The stock holds each tile once: a letter as often as written, a class for one letter.
    EXPECT_EQ(search.runAdvanced("*", "1000", openFilters("", "/N*&")).words(), (Words{"A", "I"}));
    EXPECT_EQ(search.runAdvanced("*", "1000", openFilters("", "//NN")).words(), (Words{"A", "I", "NOON"}));
    EXPECT_EQ(search.runAdvanced("*", "1000", openFilters("/")).words(), Words{}) << "every vowel at once";
    // Values follow the letter set as it is at each search.
    EXPECT_EQ(simple("3AT"), (Words{"CAT"}));
    for (char c : std::string("BCMP"))
        letterSet.entryAt(c - 'A').value = 4;
    EXPECT_EQ(simple("4AT"), (Words{"CAT"}));
    glyph::SpeedTest speed(dictionary); // whole rates, and their average
    speed.addRate(100.0);
    speed.addRate(301.0);
    EXPECT_EQ(speed.message(-5.0), " Current 0 words/s \n Average 200 words/s \n " + path);

    Words many; // AAA, AAB, ABA ... ZZB
    for (int i = 0; i < 26 * 26 * 2; ++i)
        many.push_back({static_cast<char>('A' + i / 52), static_cast<char>('A' + i / 2 % 26), "AB"[i % 2]});
    loadWords(many);
    const auto capped = search.runSimpleOrAnagram("*", "5000", false);
    EXPECT_EQ(capped->rows.size(), 1000u);
    loadWords({});
    EXPECT_EQ(search.runAdvanced("*", "100", openFilters()).matchCount, 0u);
}

TEST_F(SearchStateTest, AnagramsAndFiltersAgreeWithAPlainScanOfTheWords)
{
    random.seed(7);
    const std::string alphabet = "ACELNOSTU";
    std::set<std::string> unique;
    while (unique.size() < 400)
        unique.insert(someLetters(1, 6, alphabet));
    const Words words(unique.begin(), unique.end());
    loadWords(words);
    // The words of the list that pass a test, read one by one.
    auto scan = [&words](auto passes) {
        Words found;
        std::copy_if(words.begin(), words.end(), std::back_inserter(found), passes);
        return found;
    };

    for (int round = 0; round < 200; ++round) {
        std::string letters = words[random() % words.size()];
        std::shuffle(letters.begin(), letters.end(), random);
        EXPECT_EQ(simple(letters, true), scan([&letters](const std::string& word) {
                      return std::is_permutation(word.begin(), word.end(), letters.begin(), letters.end());
                  }))
            << letters;

        // Jokers in the anagram text and in the stock: a word needs one for each letter beyond
        // the letters' own counts.
        std::string withJoker = letters;
        withJoker[random() % withJoker.size()] = '?';
        auto jokersNeeded = [](const std::string& word, const std::string& tiles) {
            long needed = 0;
            for (char c = 'A'; c <= 'Z'; ++c)
                needed += std::max(0L, static_cast<long>(std::count(word.begin(), word.end(), c) -
                                                         std::count(tiles.begin(), tiles.end(), c)));
            return needed;
        };
        EXPECT_EQ(simple(withJoker, true), scan([&](const std::string& word) {
                      return word.size() == withJoker.size() && jokersNeeded(word, withJoker) <= 1;
                  }))
            << withJoker;

        std::string stock = pick(0, 1) == 0 ? "" : someLetters(1, 8, alphabet);
        for (int jokers = pick(0, 2); jokers > 0 && !stock.empty(); --jokers)
            stock += '?';
        const AdvancedFilters f{std::to_string(pick(0, 4)),  std::to_string(pick(2, 7)),
                                std::to_string(pick(0, 6)),  std::to_string(pick(3, 14)),
                                someLetters(0, 2, alphabet), stock,
                                someLetters(0, 2, alphabet), pick(0, 3) == 0};
        const Words expected = scan([&](const std::string& word) {
            int value = 0;
            bool passes = std::stoul(f.minLength) <= word.size() && word.size() <= std::stoul(f.maxLength);
            for (char c : word) {
                value += letterSet.entry(c).value;
                passes = passes && f.banned.find(c) == std::string::npos;
            }
            passes =
                passes && (f.optional.empty() || jokersNeeded(word, f.optional) <=
                                                     std::count(f.optional.begin(), f.optional.end(), '?'));
            for (char c : f.forced)
                passes = passes && std::count(word.begin(), word.end(), c) >=
                                       std::count(f.forced.begin(), f.forced.end(), c);
            return passes && std::stoi(f.minValue) <= value && value <= std::stoi(f.maxValue) &&
                   (!f.palindrome || std::equal(word.begin(), word.end(), word.rbegin()));
        });
        const SearchResult result = search.runAdvanced("*", "1000", f);
        EXPECT_EQ(result.words(), expected) << "round " << round;
        EXPECT_EQ(result.matchCount, expected.size());
    }
}
