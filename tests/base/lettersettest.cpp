#include <gtest/gtest.h>

#include <numeric>

#include "base/letters.h"
#include "base/letterset.h"
#include "support/recordingview.h"
#include "support/tempdir.h"

using glyph::LetterSet;
using glyph::test::RecordingView;
using glyph::test::TempDir;

namespace
{

std::string lines(int count, const std::string& line)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line + "\n";
    return text;
}

} // namespace

TEST(LetterSet, EachLineGivesOneLetterAndWhatCannotBeReadGivesAZeroEntry)
{
    TempDir dir;
    RecordingView view;
    LetterSet set;
    const std::string text = "2 3 1\r\n"          // A
                             "5 7\n"              // B: two numbers only
                             "x 1 1\n"            // C: garbage
                             "70000 1 0\n"        // D: count beyond 16 bits
                             "-4 2 0\n"           // E: negative count
                             "1 4 9 extra\n"      // F: vowel flag normalised, trailing text ignored
                             "5 32767 1\n"        // G: values clamped so that scores cannot overflow
                             "5 -32768 0\n" +     // H
                             lines(18, "1 1 0") + // I..Z
                             "7 7 7\n"
                             "9 9 9\n"; // the joker, then a 28th line that is ignored
    ASSERT_TRUE(set.load(dir.write("odd.set", text), view));
    const auto entry = [&](char code) {
        const auto& e = set.entry(code);
        return std::to_string(e.count) + " " + std::to_string(e.value) + " " + std::to_string(e.vowel);
    };
    std::string entries;
    for (char code = 'A'; code <= 'H'; ++code)
        entries += entry(code) + "|";
    const std::string max = std::to_string(LetterSet::kMaxValue);
    EXPECT_EQ(entries, "2 3 1|0 0 0|0 0 0|0 0 0|0 2 0|1 4 1|5 " + max + " 1|5 -" + max + " 0|");
    EXPECT_EQ(entry(glyph::kJoker), "7 7 1");
    EXPECT_EQ(entry('\\') + entry('a') + entry('@'), "0 0 00 0 00 0 0") << "codes outside the letters";
    EXPECT_TRUE(view.warnings.empty());

    ASSERT_TRUE(set.load(dir.write("short.set", "4 1 1\n"), view));
    EXPECT_EQ(entry('A') + entry('B') + entry(glyph::kJoker), "4 1 10 0 00 0 0") << "a short file";
}

TEST(LetterSet, OnlyARegularFileOfSensibleSizeIsASetAndAFailureLeavesItEmpty)
{
    // A device stands for every irregular file (folders, fifos: the regular-file reader's tests).
    TempDir dir;
    const std::string huge =
        dir.write("huge.set", lines(27, "3 2 1") + std::string(LetterSet::kMaxFileBytes, '#'));
    for (const std::string& name : {std::string("/dev/zero"), huge, dir.file("None.set")}) {
        RecordingView view;
        LetterSet set;
        ASSERT_TRUE(set.load(dir.write("full.set", lines(27, "3 2 1")), view));
        EXPECT_FALSE(set.load(name, view)) << name;
        EXPECT_EQ(view.warnings, std::vector<std::string>{"Can't open " + name + " for reading"});
        EXPECT_EQ(set.entry('A').count + set.entry('Z').value, 0) << name;
    }
}

TEST(Letters, ValuesVowelsAndUserTextFollowTheSetAndAnagramsHaveEqualHistograms)
{
    LetterSet set;
    set.entryAt('A' - 'A') = {1, 9, 1};
    set.entryAt('Q' - 'A') = {10, 1, 0};
    set.entryAt(glyph::kJoker - 'A') = {0, 2, 0};
    EXPECT_EQ(glyph::letters::value(set, 'Q'), 10);
    EXPECT_EQ(glyph::letters::stringValue(set, "QAQ["), 21);
    EXPECT_TRUE(glyph::letters::isVowel(set, 'A'));
    EXPECT_FALSE(glyph::letters::isVowel(set, 'Q'));
    EXPECT_EQ(glyph::letters::fromUserText("ab?Z 1-[x"), "AB[ZX");
    EXPECT_EQ(glyph::letters::toUserText("AB[Z"), "AB?Z");

    const auto counts = glyph::letters::histogram("ABA[[[z\\");
    EXPECT_EQ(counts[0] * 100 + counts[1] * 10 + counts[26], 213);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 6);
    EXPECT_TRUE(glyph::letters::isAnagram("LISTEN", "SILENT"));
    EXPECT_TRUE(glyph::letters::isAnagram("A[B", "[BA"));
    EXPECT_FALSE(glyph::letters::isAnagram("AAB", "ABB"));
    EXPECT_FALSE(glyph::letters::isAnagram("AB", "ABC"));

    std::string rack = "AAB[E";
    EXPECT_TRUE(glyph::letters::takeLetters(rack, "A[A"));
    EXPECT_EQ(rack, "BE");
    EXPECT_FALSE(glyph::letters::takeLetters(rack, "EEZ")) << "one E only, no Z";
    EXPECT_EQ(rack, "B");
}

TEST(Letters, ThousandsAreSeparatedByCommas)
{
    for (const auto& [number, text] :
         {std::pair{0, "0"}, {999, "999"}, {1000, "1,000"}, {100000, "100,000"}, {12345678, "12,345,678"}})
        EXPECT_EQ(glyph::letters::withThousands(number), text);
}

TEST(Letters, DiacriticsComeOffLatinLettersAndEveryOtherCharacterStays)
{
    using glyph::letters::withoutDiacritics;
    // The Romanian letters, with comma or cedilla, as one character or a letter and its mark.
    EXPECT_EQ(withoutDiacritics("\xC8\x98"
                                "ARPE \xC8\x99"
                                "arpe \xC5\x9E\xC5\x9F \xC8\x9A\xC8\x9B \xC5\xA2\xC5\xA3"),
              "SARPE sarpe Ss Tt Tt");
    EXPECT_EQ(withoutDiacritics("\xC4\x82\xC4\x83 \xC3\x82\xC3\xA2 \xC3\x8E\xC3\xAE"), "Aa Aa Ii");
    EXPECT_EQ(withoutDiacritics("S\xCC\xA6 a\xCC\x86 e\xCC\x81\xCC\x88"), "S a e");
    EXPECT_EQ(withoutDiacritics("caf\xC3\xA9 \xC3\xB1 \xE1\xBB\x87 \xC5\xBD"), "cafe n e Z");
    EXPECT_EQ(withoutDiacritics("\xC8\x98\xFF"), "S\xFF");
    // ASCII, letters with no plain one under them, other scripts and broken UTF-8 stay as they are.
    const std::string kept[] = {"C?T*&/$09 \t",
                                "\xC3\x9F\xC3\x86\xC3\xB8\xC5\x82",
                                "\xCE\xB1\xD0\xB4",
                                "\xE4\xB8\xAD\xF0\x9F\x98\x80",
                                "\xC3",
                                "a\xA9z",
                                "\xE0\x80\xAF"};
    for (const std::string& text : kept)
        EXPECT_EQ(withoutDiacritics(text), text) << text;
}
