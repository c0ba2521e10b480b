// The English dictionary shipped in dist/: a list made for word games, not a spelling list
// full of abbreviations that the computer players would lay for big scores.
#include <gtest/gtest.h>

#include <string>

#include "dictionary/dictionary.h"
#include "support/recordingview.h"

namespace
{

const std::string kEnglishDic = GLYPH_DIST_DIR "/Dictionaries/English.dic";

} // namespace

TEST(ShippedEnglish, HoldsTheGameTwoLetterWordsAndNoAbbreviations)
{
    glyph::test::RecordingView view;
    glyph::Dictionary dictionary(view);
    ASSERT_TRUE(dictionary.load(kEnglishDic)) << kEnglishDic;
    EXPECT_GT(dictionary.wordCount(), 200000u);
    for (const char* word : {"QI", "ZA", "XU", "AA", "ZO", "QUIXOTIC"})
        EXPECT_TRUE(dictionary.contains(word)) << word;
    for (const char* abbreviation : {"BD", "CF", "QT", "QL", "HP", "TV"})
        EXPECT_FALSE(dictionary.contains(abbreviation)) << abbreviation;
}
