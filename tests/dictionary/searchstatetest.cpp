#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dictionary/searchstate.h"
#include "support/searchfixture.h"

using glyph::AdvancedFilters;
using glyph::SearchResult;
using glyph::SearchState;
using Words = std::vector<std::string>;

namespace
{

const Words kWords = {"A", "ACT",   "CAT",  "CATS", "CATSUP", "COT", "CUP",
                      "I", "LEVEL", "NOON", "SCAT", "TACT",   "UP"};

/// Open bounds: every length and value passes.
AdvancedFilters openFilters()
{
    return AdvancedFilters{"0", "15", "0", "100", "", "", "", false};
}

class SearchStateTest : public glyph::test::DictionaryFixture
{
protected:
    void SetUp() override { loadWords(kWords); }

    Words simple(const std::string& text, const std::string& limit = "100")
    {
        const auto result = search.runSimpleOrAnagram(text, limit, false);
        return result ? result->words() : Words{"<not run>"};
    }
    Words anagram(const std::string& text)
    {
        const auto result = search.runSimpleOrAnagram(text, "100", true);
        return result ? result->words() : Words{"<not run>"};
    }
    Words advanced(const std::string& text, const AdvancedFilters& filters)
    {
        return search.runAdvanced(text, "100", filters).words();
    }

    SearchState search{dictionary, letterSet};
};

} // namespace

TEST_F(SearchStateTest, SimplePatternsFindTheirWordsInAlphabeticalOrder)
{
    EXPECT_EQ(simple("CAT*"), (Words{"CAT", "CATS", "CATSUP"}));
    EXPECT_EQ(simple("*CAT"), (Words{"CAT", "SCAT"}));
    EXPECT_EQ(simple("c?t"), (Words{"CAT", "COT"}));
    EXPECT_EQ(simple("/"), (Words{"A", "I"}));
    EXPECT_EQ(simple("&&"), (Words{"CATSUP"}));
    EXPECT_EQ(simple("*"), kWords);
    EXPECT_EQ(simple("?"), (Words{"A", "I"}));
    EXPECT_EQ(simple("CAT"), (Words{"CAT"}));
    EXPECT_EQ(simple("-!"), Words{});
}

TEST_F(SearchStateTest, EmptySearchTextRunsNothing)
{
    EXPECT_FALSE(search.runSimpleOrAnagram("", "100", false).has_value());
    EXPECT_FALSE(search.runSimpleOrAnagram("", "100", true).has_value());
}

TEST_F(SearchStateTest, LimitStoresTheFirstMatchesWhileTheTotalCountsAll)
{
    const auto two = search.runSimpleOrAnagram("*", "2", false);
    ASSERT_TRUE(two);
    EXPECT_EQ(two->words(), (Words{"A", "ACT"}));
    EXPECT_EQ(two->matchCount, kWords.size());
    EXPECT_EQ(search.limit(), 2);

    const auto notANumber = search.runSimpleOrAnagram("*", "many", false);
    ASSERT_TRUE(notANumber);
    EXPECT_TRUE(notANumber->rows.empty());
    EXPECT_EQ(notANumber->matchCount, kWords.size());
}

TEST_F(SearchStateTest, RowsGiveScoreVowelsConsonantsAndLength)
{
    const auto result = search.runSimpleOrAnagram("C?T", "10", false);
    ASSERT_TRUE(result);
    ASSERT_EQ(result->rows.size(), 2u);
    EXPECT_EQ(result->rows[0], (SearchResult::Row{"CAT", 5, 1, 2, 3}));
    EXPECT_EQ(result->rows[1], (SearchResult::Row{"COT", 5, 1, 2, 3}));
}

TEST_F(SearchStateTest, AnagramsUseExactlyTheGivenLetters)
{
    EXPECT_EQ(anagram("TAC"), (Words{"ACT", "CAT"}));
    EXPECT_EQ(anagram("tca"), (Words{"ACT", "CAT"}));
    EXPECT_EQ(anagram("TACT"), (Words{"TACT"}));
    EXPECT_EQ(anagram("TACTT"), Words{});
    EXPECT_EQ(anagram("NOOON"), Words{});
}

TEST_F(SearchStateTest, AnagramTextWithCharactersNoWordHoldsFindsNothing)
{
    EXPECT_EQ(anagram("TA C"), Words{});
    EXPECT_EQ(anagram("TAC?"), Words{});
    EXPECT_EQ(anagram("TA[C"), Words{});
    EXPECT_EQ(anagram("TAC\xC3\xA9"), Words{});
    EXPECT_EQ(anagram(std::string("TAC\x7F")), Words{});
}

TEST_F(SearchStateTest, AdvancedSearchWithEmptyTextOrBoundsFindsNothing)
{
    const SearchResult empty = search.runAdvanced("", "100", openFilters());
    EXPECT_TRUE(empty.rows.empty());
    EXPECT_EQ(empty.matchCount, 0u);
    EXPECT_EQ(advanced("*", AdvancedFilters{}), Words{});

    AdvancedFilters noMaxLength = openFilters();
    noMaxLength.maxLength = "";
    EXPECT_EQ(advanced("*", noMaxLength), Words{});
    AdvancedFilters noMaxValue = openFilters();
    noMaxValue.maxValue = "x";
    EXPECT_EQ(advanced("*", noMaxValue), Words{});
    EXPECT_EQ(advanced("*", openFilters()), kWords);
}

TEST_F(SearchStateTest, AdvancedLengthValueAndPalindromeFilters)
{
    AdvancedFilters palindromes = openFilters();
    palindromes.minLength = "2";
    palindromes.palindrome = true;
    EXPECT_EQ(advanced("*", palindromes), (Words{"LEVEL", "NOON"}));

    AdvancedFilters threeLetters = openFilters();
    threeLetters.minLength = "3";
    threeLetters.maxLength = "3";
    EXPECT_EQ(advanced("*", threeLetters), (Words{"ACT", "CAT", "COT", "CUP"}));

    AdvancedFilters values = openFilters();
    values.minValue = "6";
    values.maxValue = "7";
    EXPECT_EQ(advanced("*", values), (Words{"CATS", "CUP", "SCAT", "TACT"}));
}

TEST_F(SearchStateTest, AdvancedLetterFilters)
{
    AdvancedFilters banned = openFilters();
    banned.banned = "s";
    EXPECT_EQ(advanced("CAT*", banned), (Words{"CAT"}));

    AdvancedFilters stock = openFilters();
    stock.optional = "CAT";
    EXPECT_EQ(advanced("*", stock), (Words{"A", "ACT", "CAT", "TACT"}));

    AdvancedFilters vowelStock = openFilters();
    vowelStock.optional = "/N*&";
    EXPECT_EQ(advanced("*", vowelStock), (Words{"A", "I", "NOON"}));

    AdvancedFilters forced = openFilters();
    forced.forced = "tt";
    EXPECT_EQ(advanced("*", forced), (Words{"TACT"}));

    AdvancedFilters twoVowels = openFilters();
    twoVowels.forced = "/";
    EXPECT_EQ(advanced("*", twoVowels), Words{});
    twoVowels.forced = "CU";
    EXPECT_EQ(advanced("*", twoVowels), (Words{"CATSUP", "CUP"}));
}

TEST_F(SearchStateTest, AdvancedSearchAppliesThePatternAndLimit)
{
    EXPECT_EQ(advanced("C?T", openFilters()), (Words{"CAT", "COT"}));
    EXPECT_EQ(advanced("{}", openFilters()), Words{});
    const SearchResult limited = search.runAdvanced("*", "3", openFilters());
    EXPECT_EQ(limited.words(), (Words{"A", "ACT", "CAT"}));
    EXPECT_EQ(limited.matchCount, kWords.size());
}

TEST_F(SearchStateTest, DigitShorthandFollowsTheCurrentLetterValues)
{
    EXPECT_EQ(simple("3AT"), (Words{"CAT"}));
    for (char c : std::string("BCMP"))
        letterSet.entryAt(c - 'A').value = 4;
    EXPECT_EQ(simple("3AT"), Words{});
    EXPECT_EQ(simple("4AT"), (Words{"CAT"}));
}

class LargeSearchTest : public glyph::test::DictionaryFixture
{
};

TEST_F(LargeSearchTest, LimitIsCappedAtOneThousandRows)
{
    Words words;
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'Z'; ++b)
            for (char c = 'A'; c <= 'C'; ++c)
                words.push_back({a, b, c});
    loadWords(words);
    SearchState search(dictionary, letterSet);
    const auto result = search.runSimpleOrAnagram("*", "5000", false);
    ASSERT_TRUE(result);
    EXPECT_EQ(search.limit(), SearchState::kMaxLimit);
    EXPECT_EQ(result->rows.size(), 1000u);
    EXPECT_EQ(result->matchCount, words.size());
    EXPECT_EQ(result->rows.back().word, words[999]);
}

TEST_F(LargeSearchTest, EmptyDictionaryFindsNothing)
{
    loadWords({});
    SearchState search(dictionary, letterSet);
    const auto result = search.runSimpleOrAnagram("*", "100", false);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->matchCount, 0u);
    EXPECT_EQ(search.runAdvanced("*", "100", openFilters()).matchCount, 0u);
}

TEST(SearchNumbers, TypedNumbersReadTheirLeadingDigits)
{
    EXPECT_EQ(SearchState::readNumber("42"), 42u);
    EXPECT_EQ(SearchState::readNumber("  7 letters"), 7u);
    EXPECT_EQ(SearchState::readNumber(""), 0u);
    EXPECT_EQ(SearchState::readNumber("abc"), 0u);
    EXPECT_EQ(SearchState::readNumber("-5"), 0u);
    EXPECT_EQ(SearchState::readNumber("123456789012345"), 4294967295u);
}
