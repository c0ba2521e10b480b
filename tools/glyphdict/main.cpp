// glyphdict: builds, edits and reads Glyphmosaic dictionaries from the command line.
#include <cstdio>
#include <string>

#include "base/datafolder.h"
#include "command.h"
#include "toolsupport.h"

using glyph::tool::Arguments;
using glyph::tool::CommandTable;

namespace
{

void printHelp(std::FILE* out)
{
    std::fprintf(out, "usage: glyphdict COMMAND ARGUMENTS...\n\nCommands:\n");
    for (const glyph::tool::Command& command : CommandTable::instance().sorted()) {
        std::fprintf(out, "  %.*s %.*s\n      %.*s\n", static_cast<int>(command.name.size()),
                     command.name.data(), static_cast<int>(command.arguments.size()),
                     command.arguments.data(), static_cast<int>(command.summary.size()),
                     command.summary.data());
    }
    std::fprintf(out, "\nProgress goes to stderr; errors are one line on stderr and a non-zero exit.\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printHelp(stderr);
        return glyph::tool::kExitUsage;
    }
    glyph::tool::setProgramFolder(glyph::datafolder::programFolder(argv[0]));
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printHelp(stdout);
        return glyph::tool::kExitSuccess;
    }
    const glyph::tool::Command* command = CommandTable::instance().find(name);
    if (command == nullptr) {
        std::fprintf(stderr, "glyphdict: unknown command '%s' (try glyphdict --help)\n", name.c_str());
        return glyph::tool::kExitUsage;
    }
    const Arguments arguments(argv + 2, argv + argc);
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            glyph::tool::usage(name);
            return glyph::tool::kExitSuccess;
        }
    }
    return command->run(arguments);
}
