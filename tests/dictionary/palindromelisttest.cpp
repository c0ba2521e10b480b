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

TEST_F(PalindromeListTest, ListsLongestFirstThenAlphabeticallyOneLinePerWord)
{
    loadWords({"A", "ABBA", "CAT", "I", "NOON", "O", "REFER", "TOOT"});
    PalindromeList list;
    list.collect(dictionary);
    EXPECT_EQ(list.words(), (Words{"REFER", "ABBA", "NOON", "TOOT", "A", "I", "O"}));
    EXPECT_EQ(list.clipboardText(), "REFER\nABBA\nNOON\nTOOT\nA\nI\nO\n");
}
