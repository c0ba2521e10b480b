#include "command.h"

#include <algorithm>
#include <cstdio>

namespace glyph::tool
{

CommandTable& CommandTable::instance()
{
    static CommandTable table;
    return table;
}

const Command* CommandTable::find(std::string_view name) const
{
    for (const Command& command : m_commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

std::vector<Command> CommandTable::sorted() const
{
    std::vector<Command> commands = m_commands;
    std::sort(commands.begin(), commands.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    return commands;
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "glyphdict: %s\n", message.c_str());
    return kExitFailure;
}

int usage(std::string_view commandName)
{
    const Command* command = CommandTable::instance().find(commandName);
    if (command != nullptr)
        std::fprintf(stderr, "usage: glyphdict %.*s %.*s\n", static_cast<int>(command->name.size()),
                     command->name.data(), static_cast<int>(command->arguments.size()),
                     command->arguments.data());
    return kExitUsage;
}

} // namespace glyph::tool
