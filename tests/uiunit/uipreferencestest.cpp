#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QRect>

#include "preferences/preferences.h"
#include "support/tempdir.h"
#include "ui/uipreferences.h"

// Colours, fonts and geometries as the window reads them from their stored text.

using glyph::Preferences;
using glyph::test::TempDir;
namespace uiprefs = glyph::uiprefs;

TEST(UiPreferences, ColourAndGeometryRoundTripThroughTheFile)
{
    TempDir dir;
    const std::string path = dir.file("Preferences.ini");
    {
        Preferences prefs(path);
        uiprefs::setColour(prefs, "ColorMarginKey", QColor(1, 2, 3));
        uiprefs::setGeometry(prefs, "MainWindowKey", QRect(10, 20, 800, 600));
        ASSERT_TRUE(prefs.save());
    }
    Preferences again(path);
    QColor margin;
    ASSERT_TRUE(uiprefs::getColour(again, "ColorMarginKey", margin));
    EXPECT_EQ(margin, QColor(1, 2, 3));
    QRect geometry;
    ASSERT_TRUE(uiprefs::getGeometry(again, "MainWindowKey", geometry));
    EXPECT_EQ(geometry, QRect(10, 20, 800, 600));
    QRect unknown(1, 2, 3, 4);
    EXPECT_FALSE(uiprefs::getGeometry(again, "NoSuchKey", unknown));
    EXPECT_EQ(unknown, QRect(1, 2, 3, 4));
}

TEST(UiPreferences, FontFamilyKeepsItsSpacesAndBoldFieldDecidesTheWeight)
{
    TempDir dir;
    const std::string path = dir.write("Preferences.ini", "FontLetterKey\n10 75 1 1 0 Courier New\n"
                                                          "FontValueKey\n14 63 0 0 1 Times New Roman\n");
    Preferences prefs(path);
    QFont letter;
    ASSERT_TRUE(uiprefs::getFont(prefs, "FontLetterKey", letter));
    EXPECT_EQ(letter.family(), QString("Courier New"));
    EXPECT_EQ(letter.pointSize(), 10);
    EXPECT_EQ(letter.weight(), QFont::Bold);
    EXPECT_TRUE(letter.italic());
    EXPECT_FALSE(letter.underline());

    QFont value;
    ASSERT_TRUE(uiprefs::getFont(prefs, "FontValueKey", value));
    EXPECT_EQ(value.family(), QString("Times New Roman"));
    EXPECT_EQ(value.weight(), QFont::Normal); // weight 63 but bold 0
    EXPECT_TRUE(value.underline());
}

TEST(UiPreferences, FontRoundTripWritesBoldFromTheWeight)
{
    TempDir dir;
    Preferences prefs(dir.file("Preferences.ini"));
    QFont font("DejaVu Sans Mono");
    font.setPointSize(13);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    font.setUnderline(true);
    uiprefs::setFont(prefs, "FontMarginKey", font);
    EXPECT_EQ(prefs.string("FontMarginKey"), "13 75 1 0 1 DejaVu Sans Mono");
    QFont back;
    ASSERT_TRUE(uiprefs::getFont(prefs, "FontMarginKey", back));
    EXPECT_EQ(back.family(), font.family());
    EXPECT_EQ(back.pointSize(), 13);
    EXPECT_EQ(back.weight(), QFont::Bold);
    EXPECT_TRUE(back.underline());
}

TEST(UiPreferences, ShortValuesLeaveTheRemainingFieldsUnchanged)
{
    TempDir dir;
    const std::string path =
        dir.write("Preferences.ini", "ColorMarginKey\n10 20\nFontGeneralKey\n9 50\nMainWindowKey\n5 6 x 8\n");
    Preferences prefs(path);
    QColor margin(1, 2, 3);
    ASSERT_TRUE(uiprefs::getColour(prefs, "ColorMarginKey", margin));
    EXPECT_EQ(margin, QColor(10, 20, 3));
    QFont font("Keep Family");
    font.setItalic(true);
    ASSERT_TRUE(uiprefs::getFont(prefs, "FontGeneralKey", font));
    EXPECT_EQ(font.family(), QString("Keep Family"));
    EXPECT_EQ(font.pointSize(), 9);
    EXPECT_TRUE(font.italic());
    QRect geometry(1, 2, 3, 4);
    ASSERT_TRUE(uiprefs::getGeometry(prefs, "MainWindowKey", geometry));
    EXPECT_EQ(geometry, QRect(5, 6, 3, 4));
}

TEST(UiPreferences, ColourComponentsOutsideTheRangeAreClamped)
{
    TempDir dir;
    const std::string path = dir.write("Preferences.ini", "ColorMarginKey\n-5 300 128\n");
    Preferences prefs(path);
    QColor margin;
    ASSERT_TRUE(uiprefs::getColour(prefs, "ColorMarginKey", margin));
    EXPECT_EQ(margin, QColor(0, 255, 128));
}
