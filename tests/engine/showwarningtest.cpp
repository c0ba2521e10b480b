#include <gtest/gtest.h>

#include <string>

#include "support/recordingview.h"

using glyph::test::RecordingView;

TEST(ShowWarning, FormatsPrintfStyleIntoOneMessage)
{
    RecordingView view;
    glyph::showWarning(view, "Can't open %s for reading", "Sets/None.set");
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0], "Can't open Sets/None.set for reading");
}

TEST(ShowWarning, CutsTextAtTheBufferSize)
{
    RecordingView view;
    const std::string longName(5000, 'x');
    glyph::showWarning(view, "Word %s is NOT in dictionary", longName.c_str());
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0].size(), 1023u);
}
