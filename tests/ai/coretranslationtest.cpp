#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "aitable.h"
#include "base/atomicfile.h"
#include "engine/gcgimporter.h"

namespace
{

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

// The reasons the core hands to the window (record faults and score reports, unreadable and
// unwritable files, script stops and the sandbox's refusals) are built from formats translated
// through the view, so that a Romanian window shows no English. The view here puts each text it
// translates in angle brackets: every part of a message must come back marked.
TEST(CoreTranslation, RecordFileAndScriptMessagesComeThroughTheViewsTranslation)
{
    glyph::test::AiTable table{{"CAT", "AT"}};
    table.view.marks = true;
    const std::string folder = table.dir.path().string();

    glyph::GcgImporter importer(*table.game);
    EXPECT_FALSE(importer.importText("#player1 ann Ann\n>zed: ACT 8G CAT +10 10\n"));
    EXPECT_EQ(importer.error(), "<Line 2: <no #player line names zed>>");
    ASSERT_TRUE(importer.importText("#player1 ann Ann\n#player2 bob Bob\n>ann: ACT?QJX 8G CAT +13 13\n"))
        << importer.error();
    EXPECT_EQ(importer.reports(),
              (std::vector<std::string>{"<Line 3: <the record scores 13, the rules 12>>",
                                        "<Line 3: <Ann ends on 13 in the record, 12 by the rules>>"}));
    EXPECT_FALSE(importer.importFile(folder));
    ASSERT_FALSE(table.view.warnings.empty());
    EXPECT_EQ(table.view.warnings.back(),
              "<Can't import " + folder + ": <" + folder + " is not a regular file>>");

    std::string error;
    EXPECT_EQ(glyph::writeFileAtomically(folder, "x", &error, &table.view), glyph::WriteResult::NotCreated);
    EXPECT_EQ(error.rfind("<Can't replace " + folder + ", not a regular file>: ", 0), 0u) << error;

    glyph::LuaHost& host = glyph::scriptHost(*table.game);
    host.setRunTimeLimit(std::chrono::milliseconds(200));
    EXPECT_FALSE(host.runText("while true do end"));
    ASSERT_FALSE(table.view.scriptOutput.empty());
    const std::string stopped = table.view.scriptOutput.back();
    EXPECT_TRUE(stopped.rfind("<Error: ", 0) == 0 &&
                contains(stopped, "<script stopped: it ran longer than 200 ms>>"))
        << stopped;
    // Inside Lua the stop stays English, so a script that catches it reads the same text in
    // every language.
    EXPECT_FALSE(host.runText("local ok, e = pcall(function() while true do end end) error(e, 0)"));
    EXPECT_EQ(table.view.scriptOutput.back(), "<Error: <script stopped: it ran longer than 200 ms>>");
    // The line is UTF-8, as its translations are: the script's Latin-1 text is converted.
    EXPECT_FALSE(host.runText("error('caf\xe9', 0)"));
    EXPECT_EQ(table.view.scriptOutput.back(), "<Error: caf\xc3\xa9>");
    host.setRunTimeLimit(std::chrono::milliseconds(10000));
    EXPECT_TRUE(host.runText("local s = string.rep('x', 1 << 20) for i = 1, 17 do io.write(s) end"));
    EXPECT_NE(std::find(table.view.scriptOutput.begin(), table.view.scriptOutput.end(),
                        "<(output cut: a run prints at most 16 MB)>"),
              table.view.scriptOutput.end());
    EXPECT_FALSE(host.runText("setmetatable({}, {__gc = print})"));
    EXPECT_TRUE(
        contains(table.view.scriptOutput.back(), "<finalizers (__gc) are not available to profiles>>"))
        << table.view.scriptOutput.back();
}
