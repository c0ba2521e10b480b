// glyphdict: builds, edits and reads Glyphmosaic dictionaries from the command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "command.h"
#include "toolsupport.h"
#include "userfolders.h"

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
    std::fprintf(out, "\nThe letter values come from --set FILE; without it, from the set named as the\n"
                      "dictionary in the Sets folder beside the dictionary's folder (Sets/Romana.set\n"
                      "for Dictionaries/Romana.dic) when there is one, else from Sets/English.set.\n");
    std::fprintf(out, "\nProgress goes to stderr; errors are one line on stderr and a non-zero exit.\n");
}

// Runs the command; anything it throws ends the tool with one line instead of an abort.
int runCommand(const glyph::tool::Command& command, const Arguments& arguments)
{
    try {
        return command.run(arguments);
    } catch (const std::exception& error) {
        return glyph::tool::fail(std::string("stopped: ") + error.what());
    } catch (...) {
        return glyph::tool::fail("stopped by an unexpected error");
    }
}

// What was printed only counts when it reached standard output: a full disk or a closed pipe
// turns a success into a failure.
int checkedOutput(int status)
{
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
        return status;
    const int error = errno;
    std::fprintf(stderr, "glyphdict: cannot write to standard output: %s\n", std::strerror(error));
    return status == glyph::tool::kExitSuccess ? glyph::tool::kExitFailure : status;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printHelp(stderr);
        return glyph::tool::kExitUsage;
    }
    glyph::tool::setDataFolders(glyph::userfolders::forProgram(argv[0]));
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printHelp(stdout);
        return checkedOutput(glyph::tool::kExitSuccess);
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
            return checkedOutput(glyph::tool::kExitSuccess);
        }
    }
    return checkedOutput(runCommand(*command, arguments));
}
