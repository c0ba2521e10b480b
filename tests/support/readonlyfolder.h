#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace glyph::test
{

/// A folder that the running user cannot write, filled by `fill` before it is locked: a
/// read-only tmpfs when the tests run as root (who may write anywhere else), else a folder
/// without write permission. Unlocked again at its end.
class ReadOnlyFolder
{
public:
    ReadOnlyFolder(const std::filesystem::path& folder,
                   const std::function<void(const std::filesystem::path&)>& fill)
        : m_folder(folder)
    {
        std::filesystem::create_directories(folder);
        m_mounted = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
        fill(folder);
        if (m_mounted)
            ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
        else
            std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            ::umount(m_folder.c_str());
        else
            std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    /// False when a file could be created in it after all (root where no tmpfs may be mounted).
    bool isLocked() const
    {
        const std::filesystem::path probe = m_folder / ".probe";
        const bool created = std::ofstream(probe).is_open();
        std::error_code ignored;
        std::filesystem::remove(probe, ignored);
        return !created;
    }

private:
    std::filesystem::path m_folder;
    bool m_mounted = false;
};

} // namespace glyph::test
