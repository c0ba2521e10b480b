#include <gtest/gtest.h>

#include "base/letters.h"
#include "base/letterset.h"

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

TEST(Letters, ValuesAndVowelsComeFromTheSet)
{
    const LetterSet set = smallSet();
    EXPECT_EQ(letters::value(set, 'Q'), 10);
    EXPECT_EQ(letters::value(set, '?'), 0);
    EXPECT_EQ(letters::stringValue(set, "QAQ["), 21);
    EXPECT_EQ(letters::stringValue(set, ""), 0);
    EXPECT_TRUE(letters::isVowel(set, 'A'));
    EXPECT_FALSE(letters::isVowel(set, 'Q'));
    EXPECT_FALSE(letters::isVowel(set, 'a'));
}

TEST(Letters, UserTextConvertsToCodesAndBack)
{
    EXPECT_EQ(letters::fromUserText("ab?Z 1-[x"), "AB[ZX");
    EXPECT_EQ(letters::toUserText("AB[Z"), "AB?Z");
    EXPECT_EQ(letters::toUserText(letters::fromUserText("q?u")), "Q?U");
}

TEST(Letters, HistogramCountsOnlyLetterCodes)
{
    const auto counts = letters::histogram("ABA[[[z\\");
    EXPECT_EQ(counts[0], 2);
    EXPECT_EQ(counts[1], 1);
    EXPECT_EQ(counts[26], 3);
    int total = 0;
    for (int n : counts)
        total += n;
    EXPECT_EQ(total, 6);
}

TEST(Letters, AnagramsHaveEqualHistograms)
{
    EXPECT_TRUE(letters::isAnagram("LISTEN", "SILENT"));
    EXPECT_TRUE(letters::isAnagram("A[B", "[BA"));
    EXPECT_FALSE(letters::isAnagram("AAB", "ABB"));
    EXPECT_FALSE(letters::isAnagram("AB", "ABC"));
}

TEST(Letters, ThousandsAreSeparatedByCommas)
{
    EXPECT_EQ(letters::withThousands(0), "0");
    EXPECT_EQ(letters::withThousands(999), "999");
    EXPECT_EQ(letters::withThousands(1000), "1,000");
    EXPECT_EQ(letters::withThousands(12345678), "12,345,678");
    EXPECT_EQ(letters::withThousands(100000), "100,000");
}
