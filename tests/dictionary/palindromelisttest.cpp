#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dictionary/palindromelist.h"
#include "support/searchfixture.h"

using glyph::isPalindrome;
using glyph::PalindromeList;
using Words = std::vector<std::string>;

TEST(Palindrome, ShortWordsAlwaysAndLongerOnesWhenMirrored)
{
    EXPECT_TRUE(isPalindrome("", 0));
    EXPECT_TRUE(isPalindrome("A", 1));
    EXPECT_TRUE(isPalindrome("AA", 2));
    EXPECT_FALSE(isPalindrome("AB", 2));
    EXPECT_TRUE(isPalindrome("ABA", 3));
    EXPECT_TRUE(isPalindrome("ABBA", 4));
    EXPECT_FALSE(isPalindrome("ABCA", 4));
    EXPECT_FALSE(isPalindrome("LEVELS", 6));
    EXPECT_TRUE(isPalindrome("LEVELS", 5));
}

class PalindromeListTest : public glyph::test::DictionaryFixture
{
};

TEST_F(PalindromeListTest, ListsLongestFirstAndCopiesOneLinePerWord)
{
    loadWords({"A", "CAT", "LEVEL", "NOON"});
    PalindromeList list;
    list.collect(dictionary);
    EXPECT_EQ(list.words(), (Words{"LEVEL", "NOON", "A"}));
    EXPECT_EQ(list.clipboardText(), "LEVEL\nNOON\nA\n");
}

TEST_F(PalindromeListTest, EqualLengthsKeepAlphabeticalOrder)
{
    loadWords({"A", "ABBA", "I", "NOON", "O", "REFER", "TOOT"});
    PalindromeList list;
    list.collect(dictionary);
    EXPECT_EQ(list.words(), (Words{"REFER", "ABBA", "NOON", "TOOT", "A", "I", "O"}));
}

TEST_F(PalindromeListTest, EmptyDictionaryGivesAnEmptyListAndClipboardText)
{
    loadWords({});
    PalindromeList list;
    list.collect(dictionary);
    EXPECT_TRUE(list.words().empty());
    EXPECT_EQ(list.clipboardText(), "");
}

TEST_F(PalindromeListTest, ManyPalindromesGroupByLengthInAlphabeticalOrder)
{
    Words words;
    for (char a = 'A'; a <= 'Z'; ++a) {
        words.push_back({a});
        words.push_back({a, 'X'});
        for (char b = 'A'; b <= 'Z'; ++b) {
            words.push_back({a, b, a});
            if (b < 'E')
                words.push_back({a, b, 'Q', b, a});
        }
    }
    loadWords(words);
    PalindromeList list;
    list.collect(dictionary);

    Words expected;
    for (std::size_t length = 5; length >= 1; --length) {
        Words sameLength;
        for (const std::string& word : words)
            if (word.size() == length && isPalindrome(word.c_str(), length))
                sameLength.push_back(word);
        std::sort(sameLength.begin(), sameLength.end());
        expected.insert(expected.end(), sameLength.begin(), sameLength.end());
    }
    // Five, three and one letters, and XX among the two-letter words.
    EXPECT_EQ(list.words().size(), 26u * 4 + 26u * 26 + 1 + 26u);
    EXPECT_EQ(list.words(), expected);
}
