// The user's folders of the command-line tools by the XDG base-directory rules.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "userfolders.h"

namespace
{

// Sets or clears an environment variable for one scope, then puts back what was there.
class ScopedVariable
{
public:
    ScopedVariable(const char* name, std::optional<std::string> value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        set(value);
    }
    ~ScopedVariable() { set(m_old); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void set(const std::optional<std::string>& value)
    {
        if (value)
            ::setenv(m_name, value->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

    const char* m_name;
    std::optional<std::string> m_old;
};

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
    for (const Row& row : rows) {
        const ScopedVariable home("HOME", row.home);
        const ScopedVariable dataHome("XDG_DATA_HOME", row.dataHome);
        const ScopedVariable configHome("XDG_CONFIG_HOME", row.configHome);
        EXPECT_EQ(glyph::userfolders::data().string(), row.data) << row.home.value_or("(unset)");
        EXPECT_EQ(glyph::userfolders::config().string(), row.config) << row.home.value_or("(unset)");
    }
}
