#include <gtest/gtest.h>

#include <string>

#include "engine/gamerules.h"

using namespace glyph;

TEST(GameTypes, TableListsTabuloClassicAndEndsWithTheLastRow)
{
    std::vector<std::string> names;
    const GameType* row = kGameTypes;
    for (; row->code != kGameTypeEnd; ++row)
        names.emplace_back(row->displayName);
    EXPECT_EQ(names, std::vector<std::string>{"Tabulo Classic"});
    EXPECT_STREQ(row->displayName, "Last");
    EXPECT_EQ(kGameTypes[0].code, 0);
}
