#include "base/datafolder.h"

#include <cstdlib>
#include <sstream>
#include <system_error>

namespace glyph::datafolder
{

namespace
{

bool isFolder(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::filesystem::path absoluteParent(const std::filesystem::path& file)
{
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(file, error);
    return error ? std::filesystem::path() : resolved.parent_path();
}

} // namespace

bool holdsData(const std::filesystem::path& folder)
{
    return !folder.empty() && isFolder(folder / "Sets") && isFolder(folder / "Dictionaries");
}

std::filesystem::path programFolder(const std::string& argv0)
{
    if (argv0.empty())
        return {};
    if (argv0.find('/') != std::string::npos)
        return absoluteParent(argv0);
    const char* searchPath = std::getenv("PATH");
    std::istringstream entries(searchPath != nullptr ? searchPath : "");
    for (std::string entry; std::getline(entries, entry, ':');) {
        const std::filesystem::path candidate = std::filesystem::path(entry.empty() ? "." : entry) / argv0;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return absoluteParent(candidate);
    }
    return {};
}

} // namespace glyph::datafolder
