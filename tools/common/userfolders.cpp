#include "userfolders.h"

#include <cstdlib>

#include "base/datafolder.h"

namespace glyph::userfolders
{

namespace
{

/// The folder of the programs' files inside each base folder.
const char* const kApplicationFolder = "glyphmosaic";

// The base folder named by an XDG variable, else its default under the home folder.
std::filesystem::path baseFolder(const char* variable, const char* underHome)
{
    const char* value = std::getenv(variable);
    if (value != nullptr && std::filesystem::path(value).is_absolute())
        return value;
    const char* home = std::getenv("HOME");
    if (home == nullptr || !std::filesystem::path(home).is_absolute())
        return {};
    return std::filesystem::path(home) / underHome;
}

std::filesystem::path applicationFolder(const std::filesystem::path& base)
{
    return base.empty() ? base : base / kApplicationFolder;
}

} // namespace

std::filesystem::path data()
{
    return applicationFolder(baseFolder("XDG_DATA_HOME", ".local/share"));
}

std::filesystem::path config()
{
    return applicationFolder(baseFolder("XDG_CONFIG_HOME", ".config"));
}

DataFolders forProgram(const char* argv0)
{
    DataFolders::Candidates candidates;
    std::error_code error;
    candidates.working = std::filesystem::current_path(error);
    candidates.program = datafolder::programFolder(argv0 != nullptr ? argv0 : "");
    if (!candidates.program.empty())
        candidates.installed = (candidates.program / GLYPH_SHARE_FROM_BIN).lexically_normal();
    candidates.userData = data();
    candidates.userConfig = config();
    return DataFolders::choose(candidates);
}

} // namespace glyph::userfolders
