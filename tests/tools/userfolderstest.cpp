// The user's folders of the command-line tools by the XDG base-directory rules.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "userfolders.h"

namespace
{

// Sets an environment variable, or clears it for no value.
void setVariable(const char* name, const std::optional<std::string>& value)
{
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

} // namespace

TEST(UserFolders, FollowTheXdgVariablesWhenAbsoluteElseTheHomeFolder)
{
    using Value = std::optional<std::string>;
    struct Row {
        Value home, dataHome, configHome;
        std::string data, config;
    };
    const Row rows[] = {
        {"/home/ana", std::nullopt, std::nullopt, "/home/ana/.local/share/glyphmosaic",
         "/home/ana/.config/glyphmosaic"},
        {"/home/ana", "", "", "/home/ana/.local/share/glyphmosaic", "/home/ana/.config/glyphmosaic"},
        {"/home/ana", "/xdg/data", "/xdg/config", "/xdg/data/glyphmosaic", "/xdg/config/glyphmosaic"},
        // Relative values are invalid by the rules and passed over.
        {"/home/ana", "data", "./config", "/home/ana/.local/share/glyphmosaic",
         "/home/ana/.config/glyphmosaic"},
        {std::nullopt, "/xdg/data", std::nullopt, "/xdg/data/glyphmosaic", ""},
        {std::nullopt, std::nullopt, std::nullopt, "", ""},
        {"relative", std::nullopt, std::nullopt, "", ""},
    };
    // The variables as they were, put back at the end.
    const char* const names[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"};
    std::optional<std::string> before[3];
    for (int i = 0; i < 3; ++i)
        if (const char* value = std::getenv(names[i]))
            before[i] = value;
    for (const Row& row : rows) {
        setVariable(names[0], row.home);
        setVariable(names[1], row.dataHome);
        setVariable(names[2], row.configHome);
        EXPECT_EQ(glyph::userfolders::data().string(), row.data) << row.home.value_or("(unset)");
        EXPECT_EQ(glyph::userfolders::config().string(), row.config) << row.home.value_or("(unset)");
    }
    for (int i = 0; i < 3; ++i)
        setVariable(names[i], before[i]);
}
