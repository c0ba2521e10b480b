#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

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

TEST(LetterSet, MissingFileWarnsFailsAndLeavesTheSetZeroed)
{
    TempDir dir;
    RecordingView view;
    LetterSet set;
    ASSERT_TRUE(set.load(dir.write("full.set", lines(27, "3 2 1")), view));
    const std::string missing = dir.file("None.set");
    EXPECT_FALSE(set.load(missing, view));
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0], "Can't open " + missing + " for reading");
    for (int k = 0; k < glyph::kLetterCount; ++k) {
        EXPECT_EQ(set.entryAt(k).count, 0);
        EXPECT_EQ(set.entryAt(k).value, 0);
    }
}

TEST(LetterSet, ShortFileLeavesTheMissingLettersAtZero)
{
    TempDir dir;
    RecordingView view;
    LetterSet set;
    ASSERT_TRUE(set.load(dir.write("short.set", "4 1 1\r\n5 2 0\r\n"), view));
    EXPECT_EQ(set.entry('A').count, 4);
    EXPECT_EQ(set.entry('A').vowel, 1);
    EXPECT_EQ(set.entry('B').value, 2);
    EXPECT_EQ(set.entry('C').count, 0);
    EXPECT_EQ(set.entry(glyph::kJoker).count, 0);
    EXPECT_TRUE(view.warnings.empty());
}

TEST(LetterSet, LinesWithoutThreeNumbersGiveAZeroEntry)
{
    TempDir dir;
    RecordingView view;
    LetterSet set;
    const std::string text = "2 3 1\n"         // A
                             "5 7\n"           // B: two numbers only
                             "x 1 1\n"         // C: garbage
                             "70000 1 0\n"     // D: count beyond 16 bits
                             "-4 2 0\n"        // E: negative count
                             "1 4 9 extra\n" + // F: vowel flag normalised, trailing text ignored
                             lines(21, "1 1 0") +
                             "7 7 7\n";
    ASSERT_TRUE(set.load(dir.write("odd.set", text), view));
    EXPECT_EQ(set.entry('A').count, 2);
    EXPECT_EQ(set.entry('B').count, 0);
    EXPECT_EQ(set.entry('B').value, 0);
    EXPECT_EQ(set.entry('C').value, 0);
    EXPECT_EQ(set.entry('D').count, 0);
    EXPECT_EQ(set.entry('E').count, 0);
    EXPECT_EQ(set.entry('E').value, 2);
    EXPECT_EQ(set.entry('F').vowel, 1);
    EXPECT_EQ(set.entry('F').value, 4);
    EXPECT_EQ(set.entry(glyph::kJoker).count, 1); // the 28th line is ignored
}

TEST(LetterSet, BinaryGarbageLoadsAsAnEmptySet)
{
    TempDir dir;
    RecordingView view;
    LetterSet set;
    std::string garbage;
    for (int i = 0; i < 4000; ++i) {
        const char c = static_cast<char>((i * 131 + 7) % 256);
        garbage += (c >= '0' && c <= '9') ? '\n' : c;
    }
    ASSERT_TRUE(set.load(dir.write("garbage.set", garbage), view));
    int total = 0;
    for (int k = 0; k < glyph::kLetterCount; ++k)
        total += set.entryAt(k).count;
    EXPECT_EQ(total, 0);
}

TEST(LetterSet, CodesOutsideTheLettersGiveAZeroEntry)
{
    TempDir dir;
    RecordingView view;
    LetterSet set;
    ASSERT_TRUE(set.load(dir.write("full.set", lines(27, "3 2 1")), view));
    EXPECT_EQ(set.entry('\\').count, 0);
    EXPECT_EQ(set.entry('a').count, 0);
    EXPECT_EQ(set.entry('@').value, 0);
    EXPECT_EQ(set.entry('Z').count, 3);
}

TEST(LetterSet, OnlyARegularFileOfSensibleSizeIsASet)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo.set").c_str(), 0600), 0); // no writer: reading would block
    std::filesystem::create_directory(dir.file("folder.set"));
    const std::string huge =
        dir.write("huge.set", lines(27, "3 2 1") + std::string(LetterSet::kMaxFileBytes, '#'));
    for (const std::string& name :
         {std::string("/dev/zero"), dir.file("fifo.set"), dir.file("folder.set"), huge}) {
        RecordingView view;
        LetterSet set;
        EXPECT_FALSE(set.load(name, view)) << name;
        ASSERT_EQ(view.warnings.size(), 1u) << name;
        EXPECT_EQ(view.warnings[0], "Can't open " + name + " for reading");
        EXPECT_EQ(set.entry('A').count, 0) << name;
    }
}

TEST(LetterSet, TileValuesAreClampedSoThatScoresCannotOverflow)
{
    TempDir dir;
    RecordingView view;
    LetterSet set;
    ASSERT_TRUE(set.load(dir.write("wild.set", "5 32767 1\n5 -32768 0\n" + lines(25, "2 7 0")), view));
    EXPECT_EQ(set.entry('A').value, LetterSet::kMaxValue);
    EXPECT_EQ(set.entry('B').value, -LetterSet::kMaxValue);
    EXPECT_EQ(set.entry('C').value, 7);
    EXPECT_EQ(set.entry('A').count, 5);
}
