#include "base/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace glyph
{

namespace
{

WriteResult fail(WriteResult result, std::string* error, const std::string& what)
{
    if (error != nullptr)
        *error = what + ": " + std::strerror(errno);
    return result;
}

// The file that will really be replaced: a symbolic link is followed to its target (which
// need not exist yet), so that the link itself stays in place.
std::string resolvedTarget(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::path target = path;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(target, ignored); ++hops) {
        const std::filesystem::path link = std::filesystem::read_symlink(target, ignored);
        if (ignored)
            break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target.string();
}

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced is not an error.
void syncFolder(const std::string& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error)
{
    const std::string target = resolvedTarget(path);
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty())
        folder = ".";

    // mkstemp opens with O_CREAT | O_EXCL: an existing name, link or not, is never reused.
    std::string hidden = std::filesystem::path(target).filename().string();
    hidden.insert(0, 1, '.');
    hidden.append(".XXXXXX");
    const std::string pattern = (folder / hidden).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0)
        return fail(WriteResult::NotCreated, error, "Can't create a temporary file beside " + path);
    const std::string temporary = name.data();

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat old {
    };
    mode_t mode = 0;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    const bool written =
        ::fchmod(descriptor, mode) == 0 && writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed) {
        errno = written ? errno : savedErrno;
        const WriteResult result = fail(WriteResult::NotWritten, error, "Can't write " + path);
        ::unlink(temporary.c_str());
        return result;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const WriteResult result = fail(WriteResult::NotWritten, error, "Can't replace " + path);
        ::unlink(temporary.c_str());
        return result;
    }
    syncFolder(folder.string());
    return WriteResult::Written;
}

} // namespace glyph
