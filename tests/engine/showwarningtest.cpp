#include <gtest/gtest.h>

#include <string>

#include "support/recordingview.h"

using glyph::test::RecordingView;

TEST(ShowWarning, FormatsPrintfStyleIntoOneMessageCutAtTheBufferSize)
{
    RecordingView view;
    glyph::showWarning(view, "Can't open %s for reading", "Sets/None.set");
    glyph::showWarning(view, "Word %s is NOT in dictionary", std::string(5000, 'x').c_str());
    ASSERT_EQ(view.warnings.size(), 2u);
    EXPECT_EQ(view.warnings[0], "Can't open Sets/None.set for reading");
    EXPECT_EQ(view.warnings[1].size(), 1023u);
}
