#pragma once

#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "support/tempdir.h"

namespace glyph::test
{

/// What a command-line tool printed and its exit status.
struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

/// Runs a shell command line, capturing both outputs in files of the folder.
inline ToolRun runTool(const TempDir& dir, const std::string& commandLine)
{
    const std::string command =
        commandLine + " >\"" + dir.file("stdout") + "\" 2>\"" + dir.file("stderr") + "\"";
    const int raw = std::system(command.c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return {status, dir.read("stdout"), dir.read("stderr")};
}

/// Runs glyphdict from dist/ with the arguments (already quoted).
inline ToolRun glyphdict(const TempDir& dir, const std::string& arguments)
{
    return runTool(dir, std::string("\"") + GLYPH_DIST_DIR + "/glyphdict\" " + arguments);
}

/// A path in double quotes, for a shell command line.
inline std::string quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

} // namespace glyph::test
