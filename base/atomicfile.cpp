#include "base/atomicfile.h"

#include "base/warningsink.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace glyph
{

namespace
{

constexpr int kMaxLinkHops = 40;
constexpr int kNameAttempts = 100;

/// The reason is a format naming the path once, so that it can be shown translated.
struct Failure {
    std::string* error;
    WarningSink* language;
    const std::string& path;

    WriteResult operator()(WriteResult result, const char* reason, int code) const
    {
        if (error != nullptr)
            *error = translatedText(language, reason, path.c_str()) + ": " + std::strerror(code);
        return result;
    }
};

// The file that will really be replaced: a symbolic link is followed to its target (which
// need not exist yet), so that the link itself stays in place. Empty for a link loop.
std::string resolvedTarget(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::path target = path;
    for (int hops = 0; std::filesystem::is_symlink(target, ignored); ++hops) {
        const std::filesystem::path link = std::filesystem::read_symlink(target, ignored);
        if (ignored || hops == kMaxLinkHops)
            return std::string();
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target.string();
}

// A name no other writer can have chosen: process, a counter and the clock, mixed.
std::string uniqueSuffix()
{
    static std::atomic<unsigned long long> counter{0};
    unsigned long long mix =
        static_cast<unsigned long long>(::getpid()) * 0x9E3779B97F4A7C15ull ^
        counter.fetch_add(1) * 0xBF58476D1CE4E5B9ull ^
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    mix ^= mix >> 31;
    char text[24];
    std::snprintf(text, sizeof text, ".%012llx", mix & 0xFFFFFFFFFFFFull);
    return text;
}

// Creates a new temporary file beside the target: O_EXCL never reuses an existing name and
// O_NOFOLLOW never writes through a link planted under it. A new file gets 0666 less the
// umask, as any file the program creates.
int createTemporary(const std::filesystem::path& folder, const std::string& targetName, std::string& name)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = (folder / ("." + targetName + uniqueSuffix() + ".tmp")).string();
        const int descriptor =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The replaced file's permission bits, and its owner where the process may keep it (as root).
bool keepAttributes(int descriptor, const struct stat& old)
{
    if (::fchown(descriptor, old.st_uid, old.st_gid) != 0 && errno != EPERM)
        return false;
    return ::fchmod(descriptor, old.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a folder that cannot be synced is not an error, as the
// file is already complete under its name.
void syncFolder(const std::string& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                                WarningSink* language)
{
    const Failure fail{error, language, path};
    const std::string target = resolvedTarget(path);
    if (target.empty())
        return fail(WriteResult::NotCreated, "Can't follow the links of %s", ELOOP);
    struct stat old {
    };
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A folder, device or FIFO under the name is never replaced by a file.
    if (exists && !S_ISREG(old.st_mode))
        return fail(WriteResult::NotCreated, "Can't replace %s, not a regular file",
                    S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
    // A rename replaces any file of a writable folder, whatever the file's own permissions, and
    // gives it to this user: a file this user may not write is refused, as writing in place is.
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        const int reason = errno; // before the message's string is built
        return fail(WriteResult::NotCreated, "Can't write to %s", reason);
    }
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty())
        folder = ".";

    std::string temporary;
    const int descriptor =
        createTemporary(folder, std::filesystem::path(target).filename().string(), temporary);
    if (descriptor < 0)
        return fail(WriteResult::NotCreated, "Can't create a temporary file beside %s", errno);

    bool written = (!exists || keepAttributes(descriptor, old)) && writeAll(descriptor, bytes) &&
                   ::fsync(descriptor) == 0;
    int code = errno;
    if (::close(descriptor) != 0 && written) {
        written = false;
        code = errno;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return fail(WriteResult::NotWritten, "Can't write %s", code);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        code = errno;
        ::unlink(temporary.c_str());
        return fail(WriteResult::NotWritten, "Can't replace %s", code);
    }
    syncFolder(folder.string());
    return WriteResult::Written;
}

} // namespace glyph
