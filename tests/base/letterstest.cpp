#include <gtest/gtest.h>

#include "base/letters.h"
#include "base/letterset.h"

#include <numeric>

using namespace glyph;

namespace
{

LetterSet smallSet()
{
    LetterSet set;
    set.entryAt('A' - 'A') = {1, 9, 1};
    set.entryAt('Q' - 'A') = {10, 1, 0};
    set.entryAt(kJoker - 'A') = {0, 2, 0};
    return set;
}

} // namespace

TEST(Letters, ValuesVowelsAndUserTextFollowTheSet)
{
    const LetterSet set = smallSet();
    EXPECT_EQ(letters::value(set, 'Q'), 10);
    EXPECT_EQ(letters::value(set, '?'), 0);
    EXPECT_EQ(letters::stringValue(set, "QAQ["), 21);
    EXPECT_TRUE(letters::isVowel(set, 'A'));
    EXPECT_FALSE(letters::isVowel(set, 'Q'));
    EXPECT_FALSE(letters::isVowel(set, 'a'));
    EXPECT_EQ(letters::fromUserText("ab?Z 1-[x"), "AB[ZX");
    EXPECT_EQ(letters::toUserText("AB[Z"), "AB?Z");
}

TEST(Letters, AnagramsHaveEqualHistogramsOfLetterCodes)
{
    const auto counts = letters::histogram("ABA[[[z\\");
    EXPECT_EQ(counts[0] * 100 + counts[1] * 10 + counts[26], 213);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 6);
    EXPECT_TRUE(letters::isAnagram("LISTEN", "SILENT"));
    EXPECT_TRUE(letters::isAnagram("A[B", "[BA"));
    EXPECT_FALSE(letters::isAnagram("AAB", "ABB"));
    EXPECT_FALSE(letters::isAnagram("AB", "ABC"));
}

TEST(Letters, ThousandsAreSeparatedByCommas)
{
    for (const auto& [number, text] :
         {std::pair{0, "0"}, {999, "999"}, {1000, "1,000"}, {100000, "100,000"}, {12345678, "12,345,678"}})
        EXPECT_EQ(letters::withThousands(number), text);
}
