#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QRect>

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

TEST(Preferences, MissingFileGivesEveryDefault)
{
    TempDir dir;
    Preferences prefs(dir.file("Preferences.ini"));
    EXPECT_EQ(prefs.integer("TableRowsKey"), 15);
    EXPECT_EQ(prefs.integer("TableColumnsKey"), 15);
    EXPECT_EQ(prefs.integer("GameBonusKey"), 50);
    EXPECT_EQ(prefs.integer("GameClassicTimeKey"), 25);
    EXPECT_EQ(prefs.integer("PreferencesStyleKey"), 4);
    EXPECT_EQ(prefs.integer("ShowTableTooltipKey"), 1);
    EXPECT_EQ(prefs.integer("ShowComputerRackKey"), 1);
    EXPECT_EQ(prefs.integer("TipShowKey"), 1);
    EXPECT_EQ(prefs.string("GameSetKey"), "Sets/English.set");
    EXPECT_EQ(prefs.string("GameDictionaryKey"), "Dictionaries/English.dic");
    EXPECT_EQ(prefs.string("LanguageKey"), "Languages/English.qm");
    EXPECT_EQ(prefs.string("TipFileKey"), "Help/TipOfDay.eng");
    EXPECT_EQ(prefs.string("FontGeneralKey"), "11 50 0 0 0 Verdana");
    EXPECT_EQ(prefs.string("FontLetterKey"), "12 50 0 0 0 Times");
    EXPECT_EQ(prefs.string("ColorOcupiedKey"), "203 122 204");
    EXPECT_EQ(prefs.string("ColorWordX3Key"), "208 69 104");
    EXPECT_EQ(prefs.string("MultiWordsX3Key"), "1 1 |1 8 |1 15 |8 1 |8 15 |15 1 |15 8 |15 15 |");
    QColor background;
    ASSERT_TRUE(prefs.getColour("ColorBackgroundKey", background));
    EXPECT_EQ(background, QColor(132, 198, 0));
}

TEST(Preferences, KeysWithoutDefaultLeaveTheOutputUnchanged)
{
    TempDir dir;
    Preferences prefs(dir.file("Preferences.ini"));
    QRect geometry(1, 2, 3, 4);
    EXPECT_FALSE(prefs.getGeometry("MainWindowKey", geometry));
    EXPECT_EQ(geometry, QRect(1, 2, 3, 4));
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
        prefs.setColour("ColorMarginKey", QColor(1, 2, 3));
        prefs.setGeometry("MainWindowKey", QRect(10, 20, 800, 600));
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
    QColor margin;
    ASSERT_TRUE(again.getColour("ColorMarginKey", margin));
    EXPECT_EQ(margin, QColor(1, 2, 3));
    QRect geometry;
    ASSERT_TRUE(again.getGeometry("MainWindowKey", geometry));
    EXPECT_EQ(geometry, QRect(10, 20, 800, 600));
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
    const std::string path =
        dir.write("Preferences.ini", "TableRowsKey\nabc\nTopPreferedKey\n12x\nGameBonusKey\n 60 \n"
                                     "GameClassicTimeKey\n99999999999\n");
    Preferences prefs(path);
    int rows = -1;
    ASSERT_TRUE(prefs.getInteger("TableRowsKey", rows)); // falls back to the default
    EXPECT_EQ(rows, 15);
    int top = 100;
    EXPECT_FALSE(prefs.getInteger("TopPreferedKey", top));
    EXPECT_EQ(top, 100);
    EXPECT_EQ(prefs.integer("GameBonusKey"), 60);
    EXPECT_EQ(prefs.integer("GameClassicTimeKey"), 25);
}

TEST(Preferences, FontFamilyKeepsItsSpacesAndBoldFieldDecidesTheWeight)
{
    TempDir dir;
    const std::string path = dir.write("Preferences.ini", "FontLetterKey\n10 75 1 1 0 Courier New\n"
                                                          "FontValueKey\n14 63 0 0 1 Times New Roman\n");
    Preferences prefs(path);
    QFont letter;
    ASSERT_TRUE(prefs.getFont("FontLetterKey", letter));
    EXPECT_EQ(letter.family(), QString("Courier New"));
    EXPECT_EQ(letter.pointSize(), 10);
    EXPECT_EQ(letter.weight(), QFont::Bold);
    EXPECT_TRUE(letter.italic());
    EXPECT_FALSE(letter.underline());

    QFont value;
    ASSERT_TRUE(prefs.getFont("FontValueKey", value));
    EXPECT_EQ(value.family(), QString("Times New Roman"));
    EXPECT_EQ(value.weight(), QFont::Normal); // weight 63 but bold 0
    EXPECT_TRUE(value.underline());
}

TEST(Preferences, FontRoundTripWritesBoldFromTheWeight)
{
    TempDir dir;
    Preferences prefs(dir.file("Preferences.ini"));
    QFont font("DejaVu Sans Mono");
    font.setPointSize(13);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    font.setUnderline(true);
    prefs.setFont("FontMarginKey", font);
    EXPECT_EQ(prefs.string("FontMarginKey"), "13 75 1 0 1 DejaVu Sans Mono");
    QFont back;
    ASSERT_TRUE(prefs.getFont("FontMarginKey", back));
    EXPECT_EQ(back.family(), font.family());
    EXPECT_EQ(back.pointSize(), 13);
    EXPECT_EQ(back.weight(), QFont::Bold);
    EXPECT_TRUE(back.underline());
}

TEST(Preferences, ShortValuesLeaveTheRemainingFieldsUnchanged)
{
    TempDir dir;
    const std::string path =
        dir.write("Preferences.ini", "ColorMarginKey\n10 20\nFontGeneralKey\n9 50\nMainWindowKey\n5 6 x 8\n");
    Preferences prefs(path);
    QColor margin(1, 2, 3);
    ASSERT_TRUE(prefs.getColour("ColorMarginKey", margin));
    EXPECT_EQ(margin, QColor(10, 20, 3));
    QFont font("Keep Family");
    font.setItalic(true);
    ASSERT_TRUE(prefs.getFont("FontGeneralKey", font));
    EXPECT_EQ(font.family(), QString("Keep Family"));
    EXPECT_EQ(font.pointSize(), 9);
    EXPECT_TRUE(font.italic());
    QRect geometry(1, 2, 3, 4);
    ASSERT_TRUE(prefs.getGeometry("MainWindowKey", geometry));
    EXPECT_EQ(geometry, QRect(5, 6, 3, 4));
}

TEST(Preferences, ColourComponentsOutsideTheRangeAreClamped)
{
    TempDir dir;
    const std::string path = dir.write("Preferences.ini", "ColorMarginKey\n-5 300 128\n");
    Preferences prefs(path);
    QColor margin;
    ASSERT_TRUE(prefs.getColour("ColorMarginKey", margin));
    EXPECT_EQ(margin, QColor(0, 255, 128));
}

TEST(Preferences, LineBreaksInsideAValueCannotSplitThePairs)
{
    TempDir dir;
    const std::string path = dir.file("Preferences.ini");
    {
        Preferences prefs(path);
        prefs.setString("GameSetKey", "Sets/a\nTableRowsKey\n3");
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
    prefs.setWarningSink(nullptr); // the destructor's save warns nowhere
}

TEST(Preferences, SaveReplacesTheFileWithoutLeavingTemporaryFiles)
{
    TempDir dir;
    const std::string path = dir.write("Preferences.ini", "GameBonusKey\n10\n");
    {
        Preferences prefs(path);
        prefs.setInteger("GameBonusKey", 70);
    }
    EXPECT_EQ(dir.read("Preferences.ini"), "GameBonusKey\n70\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);
}
