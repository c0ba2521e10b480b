#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace glyph::tool
{

using Arguments = std::vector<std::string>;

/// One subcommand of glyphdict: its name, its arguments and summary for --help, and the
/// function that runs it with the arguments after the name and returns the exit status.
struct Command {
    std::string_view name;
    std::string_view arguments;
    std::string_view summary;
    int (*run)(const Arguments& arguments);
};

/// Every subcommand, filled by the Registration objects of the command source files.
class CommandTable
{
public:
    static CommandTable& instance();
    void add(const Command& command) { m_commands.push_back(command); }
    /// The command with that name, or null.
    const Command* find(std::string_view name) const;
    /// All commands, sorted by name.
    std::vector<Command> sorted() const;

private:
    std::vector<Command> m_commands;
};

/// Adds a command to the table when the program starts. One line per command:
/// `const Registration searchCommand({"search", "DIC PATTERN", "Lists matching words", runSearch});`
struct Registration {
    explicit Registration(const Command& command) { CommandTable::instance().add(command); }
};

/// Exit statuses shared by the commands.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

/// Prints "glyphdict: <message>" as one line on stderr and returns kExitFailure.
int fail(const std::string& message);
/// Prints the command's usage line on stderr and returns kExitUsage.
int usage(std::string_view commandName);

} // namespace glyph::tool
