#include "base/datafolders.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <system_error>
#include <unistd.h>

#include "base/datafolder.h"

namespace glyph
{

namespace
{

/// The folder the saved games and exports go to, inside the user's folder.
const char* const kGamesFolder = "Games";

bool isWritable(const std::filesystem::path& folder)
{
    return !folder.empty() && ::access(folder.c_str(), W_OK) == 0;
}

bool isPresent(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool makeFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

bool endsWithIgnoringCase(const std::string& name, const std::string& ending)
{
    return name.size() > ending.size() &&
           std::equal(ending.rbegin(), ending.rend(), name.rbegin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

/// Adds the names of the regular files of `folder` that end in `extension`, up to `limit` of them.
void addNames(const std::filesystem::path& folder, const std::string& extension, std::size_t limit,
              std::set<std::string>& names)
{
    std::error_code error;
    std::filesystem::directory_iterator entry(folder.empty() ? "." : folder, error);
    for (std::size_t read = 0; !error && entry != std::filesystem::directory_iterator() && read < limit;
         entry.increment(error), ++read) {
        const std::string name = entry->path().filename().string();
        std::error_code typeError;
        if (endsWithIgnoringCase(name, extension) && entry->is_regular_file(typeError))
            names.insert(name);
    }
}

/// True for the user's own data or settings folder: once the user keeps sets and dictionaries
/// of their own there, a program started from it is still the installed one, not a copy.
bool isUsersOwn(const std::filesystem::path& folder, const DataFolders::Candidates& candidates)
{
    std::error_code error;
    for (const std::filesystem::path& own : {candidates.userData, candidates.userConfig})
        if (!own.empty() && std::filesystem::equivalent(folder, own, error))
            return true;
    return false;
}

} // namespace

DataFolders::DataFolders(std::filesystem::path shipped, std::filesystem::path user,
                         std::filesystem::path config)
    : m_shipped(std::move(shipped)), m_user(std::move(user)), m_config(std::move(config))
{
}

DataFolders DataFolders::portable(const std::filesystem::path& folder)
{
    return DataFolders(folder, folder, folder);
}

DataFolders DataFolders::choose(const Candidates& candidates)
{
    for (const std::filesystem::path& folder : {candidates.working, candidates.program})
        if (datafolder::holdsData(folder) && isWritable(folder) && !isUsersOwn(folder, candidates))
            return portable(folder);
    // A read-only copy (an installed program, or one unpacked where the user cannot write)
    // keeps the user's files in the user's folders.
    if (!candidates.userData.empty() && !candidates.userConfig.empty())
        for (const std::filesystem::path& folder : {candidates.program, candidates.installed})
            if (datafolder::holdsData(folder))
                return DataFolders(folder, candidates.userData, candidates.userConfig);
    return portable(candidates.working);
}

std::string DataFolders::preferencesFile() const
{
    return (m_config / "Preferences.ini").string();
}

std::string DataFolders::find(const std::string& name) const
{
    const std::filesystem::path own = m_user / name;
    if (std::filesystem::path(name).is_absolute() || isPresent(own))
        return own.string();
    const std::filesystem::path shipped = m_shipped / name;
    return isPresent(shipped) ? shipped.string() : own.string();
}

std::string DataFolders::userFile(const std::string& name) const
{
    return (m_user / name).string();
}

std::vector<std::string> DataFolders::list(const std::string& folder, const std::string& extension) const
{
    std::set<std::string> names;
    addNames(m_user / folder, extension, kMaxListed, names);
    addNames(m_shipped / folder, extension, kMaxListed, names);
    std::vector<std::string> sorted(names.begin(), names.end());
    std::stable_sort(sorted.begin(), sorted.end(), lessIgnoringCase);
    return sorted;
}

std::string DataFolders::ensureUserFolder(const std::string& folder) const
{
    const std::filesystem::path own = m_user / folder;
    return makeFolder(own.empty() ? "." : own) ? own.string() : std::string();
}

bool DataFolders::createUserFolders() const
{
    if (m_user.empty() || m_config.empty())
        return true;
    return makeFolder(m_config) && makeFolder(m_user / kGamesFolder);
}

} // namespace glyph
