#include <gtest/gtest.h>

#include <filesystem>

#include "preferences/preferences.h"
#include "support/recordingview.h"
#include "support/tempdir.h"

using glyph::Preferences;
using glyph::test::RecordingView;
using glyph::test::TempDir;

TEST(Preferences, FileValuesOverrideTheDefaultsWhenTheyReadAndSaveInKeyOrder)
{
    TempDir dir;
    Preferences numbers(dir.write(
        "numbers.ini", "TableRowsKey\nabc\nTopPreferedKey\n12x\nGameBonusKey\n 60 \nGameClassicTimeKey\n"
                       "99999999999\nTableColumnsKey\n2147483648\nMainWindowKey\n-2147483648\n"));
    int rows = -1, top = 100;
    ASSERT_TRUE(numbers.getInteger("TableRowsKey", rows)); // not a number: the default
    EXPECT_EQ(rows, 15);
    EXPECT_FALSE(numbers.getInteger("TopPreferedKey", top)) << "not a number and no default";
    EXPECT_EQ(top, 100);
    EXPECT_EQ(numbers.integer("TableColumnsKey"), 15) << "one past the largest int";
    EXPECT_EQ(numbers.integer("MainWindowKey"), -2147483647 - 1) << "the smallest int";
    EXPECT_EQ(numbers.integer("GameBonusKey"), 60);
    EXPECT_EQ(numbers.integer("GameClassicTimeKey"), 25);

    const std::string path =
        dir.write("Preferences.ini", "TableRowsKey\r\n12\r\nGameSetKey\r\nSets/My\bSet.set\r\n"
                                     "GameBonusKey\n10\nGameBonusKey\n20\nTipShowKey\r\n");
    Preferences prefs(path);
    EXPECT_EQ(prefs.integer("TableRowsKey"), 12);
    EXPECT_EQ(prefs.integer("TableColumnsKey"), 15);
    EXPECT_EQ(prefs.string("GameSetKey"), "Sets/MySet.set") << "line endings and backspaces are removed";
    EXPECT_EQ(prefs.integer("GameBonusKey"), 20) << "a later pair wins";
    EXPECT_EQ(prefs.integer("TipShowKey"), 1) << "a last key without value is dropped";
    EXPECT_EQ(prefs.string("GameDictionaryKey"), "Dictionaries/English.dic");
    std::string geometry = "kept";
    EXPECT_FALSE(prefs.getString("MainWindowKey", geometry)) << "a key without default or value";
    EXPECT_EQ(geometry, "kept");

    prefs.setString("LanguageKey", "Languages/Romana.qm");
    prefs.setString("ColorMarginKey", "1 2\n3"); // a line break cannot split the pairs
    ASSERT_TRUE(prefs.save());
    EXPECT_EQ(dir.read("Preferences.ini"),
              "ColorMarginKey\n1 23\nGameBonusKey\n20\nGameSetKey\nSets/MySet.set\n"
              "LanguageKey\nLanguages/Romana.qm\nTableRowsKey\n12\n");
    Preferences again(path);
    EXPECT_EQ(again.string("LanguageKey"), "Languages/Romana.qm");
    dir.write("Preferences.ini", "");
    EXPECT_FALSE(again.load());
    EXPECT_EQ(again.integer("GameBonusKey"), 50) << "an empty file gives the defaults";
}

TEST(Preferences, OnlyAnExplicitSaveWritesAndItReplacesTheFileWhole)
{
    TempDir dir;
    const std::string path = dir.write("Preferences.ini", "GameBonusKey\n10\n");
    {
        Preferences prefs(path);
        prefs.setInteger("GameBonusKey", 70);
    }
    EXPECT_EQ(dir.read("Preferences.ini"), "GameBonusKey\n10\n")
        << "the tools that read settings never write";

    // A new file replaces the old one (through the atomic writer): another name of the old file
    // keeps the old values.
    std::filesystem::create_hard_link(path, dir.file("Old.ini"));
    Preferences prefs(path);
    prefs.setInteger("GameBonusKey", 80);
    ASSERT_TRUE(prefs.save());
    EXPECT_EQ(dir.read("Preferences.ini"), "GameBonusKey\n80\n");
    EXPECT_EQ(dir.read("Old.ini"), "GameBonusKey\n10\n");

    RecordingView view;
    const std::string missingFolder = dir.file("no/such/folder/Preferences.ini");
    Preferences lost(missingFolder, &view);
    EXPECT_FALSE(lost.save());
    EXPECT_EQ(view.warnings, std::vector<std::string>{"Can't write to " + missingFolder});
}

TEST(Preferences, AFileThatCannotBeReadIsSaidOnceKeepsTheValuesAndIsNeverWrittenOver)
{
    // A device stands for every irregular file (folders, fifos: the regular-file reader's tests).
    TempDir dir;
    const std::string large = dir.write("large.ini", "GameBonusKey\n10\n" + std::string(17 << 20, '#'));
    for (const std::string& name : {large, std::string("/dev/zero")}) {
        RecordingView view;
        Preferences preferences(name, &view);
        EXPECT_EQ(preferences.integer("GameBonusKey"), 50) << "the defaults: " << name;
        preferences.setInteger("GameBonusKey", 33);
        EXPECT_FALSE(preferences.load()) << name;
        EXPECT_EQ(preferences.integer("GameBonusKey"), 33) << name;
        EXPECT_EQ(view.warnings,
                  std::vector<std::string>{
                      name + " could not be read; the settings are the defaults until the next start"});
        EXPECT_FALSE(preferences.save());
        EXPECT_FALSE(preferences.canSave());
        EXPECT_EQ(view.warnings.size(), 1u) << "said once";
    }
    EXPECT_EQ(std::filesystem::file_size(large), 16 + (17u << 20));

    // A missing file is no fault: nothing is said, the values stay and the file is written.
    RecordingView view;
    Preferences fresh(dir.file("new.ini"), &view);
    fresh.setInteger("GameBonusKey", 33);
    EXPECT_FALSE(fresh.load());
    EXPECT_EQ(fresh.integer("GameBonusKey"), 33);
    EXPECT_TRUE(fresh.canSave());
    EXPECT_TRUE(fresh.save());
    EXPECT_TRUE(view.warnings.empty());

    // A value line longer than any the program writes is cut, and the pairs after it still read.
    const std::string path =
        dir.write("long.ini", "ColorJokerKey\n" + std::string(100000, '7') + "\nTableRowsKey\n11\n");
    Preferences preferences(path);
    EXPECT_EQ(preferences.string("ColorJokerKey").size(), Preferences::kMaxLineLength);
    EXPECT_EQ(preferences.integer("TableRowsKey"), 11);
}
