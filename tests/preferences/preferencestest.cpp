#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "preferences/preferences.h"
#include "support/recordingview.h"
#include "support/tempdir.h"

using glyph::Preferences;
using glyph::test::RecordingView;
using glyph::test::TempDir;

namespace
{

/// The pairs of a file read back as (key, value).
std::vector<std::pair<std::string, std::string>> pairsOf(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t start = 0;
    std::vector<std::string> lines;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
        pairs.emplace_back(lines[i], lines[i + 1]);
    return pairs;
}

} // namespace

TEST(Preferences, MissingFileGivesTheDefaults)
{
    TempDir dir;
    Preferences prefs(dir.file("Preferences.ini"));
    EXPECT_EQ(prefs.integer("TableRowsKey"), 15);
    EXPECT_EQ(prefs.integer("TableColumnsKey"), 15);
    EXPECT_EQ(prefs.string("GameDictionaryKey"), "Dictionaries/English.dic");
}

TEST(Preferences, KeysWithoutDefaultLeaveTheOutputUnchanged)
{
    TempDir dir;
    Preferences prefs(dir.file("Preferences.ini"));
    std::string geometry = "kept";
    EXPECT_FALSE(prefs.getString("MainWindowKey", geometry));
    EXPECT_EQ(geometry, "kept");
    int top = 7;
    EXPECT_FALSE(prefs.getInteger("TopPreferedKey", top));
    EXPECT_EQ(top, 7);
    std::string text = "kept";
    EXPECT_FALSE(prefs.getString("NoSuchKey", text));
    EXPECT_EQ(text, "kept");
}

TEST(Preferences, SavesOnlySetValuesInKeyOrderAndReadsThemBack)
{
    TempDir dir;
    const std::string path = dir.file("Preferences.ini");
    {
        Preferences prefs(path);
        prefs.setInteger("TableRowsKey", 11);
        prefs.setString("LanguageKey", "Languages/Romana.qm");
        prefs.setString("ColorMarginKey", "1 2 3");
        prefs.setString("MainWindowKey", "10 20 800 600");
        ASSERT_TRUE(prefs.save());
    }
    const auto pairs = pairsOf(dir.read("Preferences.ini"));
    const std::vector<std::pair<std::string, std::string>> expected{{"ColorMarginKey", "1 2 3"},
                                                                    {"LanguageKey", "Languages/Romana.qm"},
                                                                    {"MainWindowKey", "10 20 800 600"},
                                                                    {"TableRowsKey", "11"}};
    EXPECT_EQ(pairs, expected);

    Preferences again(path);
    EXPECT_EQ(again.integer("TableRowsKey"), 11);
    EXPECT_EQ(again.string("LanguageKey"), "Languages/Romana.qm");
    EXPECT_EQ(again.string("ColorMarginKey"), "1 2 3");
    EXPECT_EQ(again.string("MainWindowKey"), "10 20 800 600");
}

TEST(Preferences, ValueFromFileOverridesDefaultAndRemovingThePairRestoresIt)
{
    TempDir dir;
    const std::string path = dir.write("Preferences.ini", "TableRowsKey\n11\n");
    {
        Preferences prefs(path);
        EXPECT_EQ(prefs.integer("TableRowsKey"), 11);
    }
    dir.write("Preferences.ini", "GameBonusKey\n40\n");
    Preferences prefs(path);
    EXPECT_EQ(prefs.integer("TableRowsKey"), 15);
    EXPECT_EQ(prefs.integer("GameBonusKey"), 40);
}

TEST(Preferences, LineEndingsAndBackspacesAreRemovedAndLastKeyWithoutValueDropped)
{
    TempDir dir;
    const std::string path = dir.write(
        "Preferences.ini", "TableRowsKey\r\n12\r\nGameSetKey\r\nSets/My\bSet.set\r\nTipShowKey\r\n");
    Preferences prefs(path);
    EXPECT_EQ(prefs.integer("TableRowsKey"), 12);
    EXPECT_EQ(prefs.string("GameSetKey"), "Sets/MySet.set");
    EXPECT_EQ(prefs.integer("TipShowKey"), 1); // the dangling key is dropped, the default stands
    ASSERT_TRUE(prefs.save());
    const std::string saved = dir.read("Preferences.ini");
    EXPECT_EQ(saved, "GameSetKey\nSets/MySet.set\nTableRowsKey\n12\n");
}

TEST(Preferences, LaterPairReplacesEarlierOneAndLoadReportsEmptyFile)
{
    TempDir dir;
    const std::string path = dir.write("Preferences.ini", "GameBonusKey\n10\nGameBonusKey\n20\n");
    Preferences prefs(path);
    EXPECT_EQ(prefs.integer("GameBonusKey"), 20);
    dir.write("Preferences.ini", "");
    EXPECT_FALSE(prefs.load());
    EXPECT_EQ(prefs.integer("GameBonusKey"), 50);
}

TEST(Preferences, MissingFileOnLoadKeepsTheValues)
{
    TempDir dir;
    Preferences prefs(dir.file("Preferences.ini"));
    prefs.setInteger("GameBonusKey", 33);
    EXPECT_FALSE(prefs.load());
    EXPECT_EQ(prefs.integer("GameBonusKey"), 33);
}

TEST(Preferences, IntegerThatIsNotANumberIsRejected)
{
    TempDir dir;
    const std::string path = dir.write(
        "Preferences.ini",
        "TableRowsKey\nabc\nTopPreferedKey\n12x\nGameBonusKey\n 60 \n"
        "GameClassicTimeKey\n99999999999\nTableColumnsKey\n2147483648\nMainWindowKey\n-2147483648\n");
    Preferences prefs(path);
    int rows = -1;
    ASSERT_TRUE(prefs.getInteger("TableRowsKey", rows)); // falls back to the default
    EXPECT_EQ(rows, 15);
    int top = 100;
    EXPECT_FALSE(prefs.getInteger("TopPreferedKey", top));
    EXPECT_EQ(top, 100);
    EXPECT_EQ(prefs.integer("TableColumnsKey"), 15) << "one past the largest int";
    EXPECT_EQ(prefs.integer("MainWindowKey"), -2147483647 - 1) << "the smallest int";
    EXPECT_EQ(prefs.integer("GameBonusKey"), 60);
    EXPECT_EQ(prefs.integer("GameClassicTimeKey"), 25);
}

TEST(Preferences, LineBreaksInsideAValueCannotSplitThePairs)
{
    TempDir dir;
    const std::string path = dir.file("Preferences.ini");
    {
        Preferences prefs(path);
        prefs.setString("GameSetKey", "Sets/a\nTableRowsKey\n3");
        ASSERT_TRUE(prefs.save());
    }
    Preferences prefs(path);
    EXPECT_EQ(prefs.string("GameSetKey"), "Sets/aTableRowsKey3");
    EXPECT_EQ(prefs.integer("TableRowsKey"), 15);
}

TEST(Preferences, UnwritableFileWarnsWithItsName)
{
    TempDir dir;
    RecordingView view;
    const std::string missingFolder = dir.file("no/such/folder/Preferences.ini");
    Preferences prefs(missingFolder, &view);
    EXPECT_FALSE(prefs.save());
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0], "Can't write to " + missingFolder);
}

TEST(Preferences, SaveReplacesTheFileWithoutLeavingTemporaryFiles)
{
    TempDir dir;
    const std::string path = dir.write("Preferences.ini", "GameBonusKey\n10\n");
    {
        Preferences prefs(path);
        prefs.setInteger("GameBonusKey", 70);
        ASSERT_TRUE(prefs.save());
    }
    EXPECT_EQ(dir.read("Preferences.ini"), "GameBonusKey\n70\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);

    // A new file replaces the old one, with the old one's permissions: another name of the old
    // file keeps the old values.
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    std::filesystem::create_hard_link(path, dir.file("Old.ini"));
    Preferences prefs(path);
    prefs.setInteger("GameBonusKey", 80);
    ASSERT_TRUE(prefs.save());
    EXPECT_EQ(dir.read("Preferences.ini"), "GameBonusKey\n80\n");
    EXPECT_EQ(dir.read("Old.ini"), "GameBonusKey\n70\n");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

TEST(Preferences, DestroyingTheStoreWritesNothing)
{
    // Only an explicit save writes the file, so the tools that read settings never rewrite it.
    TempDir dir;
    const std::string path = dir.write("Preferences.ini", "GameBonusKey\n10\n");
    {
        Preferences prefs(path);
        prefs.setInteger("GameBonusKey", 70);
    }
    EXPECT_EQ(dir.read("Preferences.ini"), "GameBonusKey\n10\n");
}

TEST(Preferences, OnlyARegularFileIsReadAsTheSettings)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo.ini").c_str(), 0600), 0); // no writer: a read would block
    std::filesystem::create_directory(dir.file("folder.ini"));
    for (const std::string& name : {dir.file("fifo.ini"), dir.file("folder.ini"), std::string("/dev/zero")}) {
        Preferences preferences(name);
        EXPECT_FALSE(preferences.load()) << name;
        EXPECT_EQ(preferences.integer("TableRowsKey"), 15) << name;
    }

    // A value line longer than any the program writes is cut, and the pairs after it still read.
    const std::string path =
        dir.write("long.ini", "ColorJokerKey\n" + std::string(100000, '7') + "\nTableRowsKey\n11\n");
    Preferences preferences(path);
    EXPECT_EQ(preferences.string("ColorJokerKey").size(), Preferences::kMaxLineLength);
    EXPECT_EQ(preferences.integer("TableRowsKey"), 11);
}
