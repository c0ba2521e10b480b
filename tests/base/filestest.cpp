// Files read whole only when regular and within their limit, and written atomically.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/atomicfile.h"
#include "base/regularfile.h"
#include "support/tempdir.h"

using glyph::RegularFile;
using glyph::writeFileAtomically;
using glyph::WriteResult;
using glyph::test::TempDir;
using Status = glyph::RegularFile::Status;
namespace fs = std::filesystem;

namespace
{

// Names in the folder other than the ones expected: a temporary file left behind shows here.
std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t permissions(const std::string& path)
{
    struct stat info {
    };
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

} // namespace

TEST(AtomicFile, NeverWritesThroughALinkPlantedAtATemporaryNameNorOverWhatIsNotAFile)
{
    TempDir dir;
    const std::string victim = dir.write("victim", "precious");
    const std::string target = dir.write("d.dic", "old");
    // The names a writer with a fixed temporary name would use, each a link to the victim.
    for (const char* name : {"d.dic.tmp", ".d.dic.tmp", "d.dic~", ".d.dic.XXXXXX"})
        fs::create_symlink(victim, dir.file(name));
    for (int round = 0; round < 20; ++round)
        ASSERT_EQ(writeFileAtomically(target, "new " + std::to_string(round)), WriteResult::Written);
    EXPECT_EQ(dir.read("victim"), "precious");
    EXPECT_EQ(dir.read("d.dic"), "new 19");
    EXPECT_FALSE(fs::is_symlink(target));

    fs::create_directory(dir.file("folder"));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    for (const char* name : {"folder", "fifo"}) {
        std::string error;
        EXPECT_EQ(writeFileAtomically(dir.file(name), "x", &error), WriteResult::NotCreated) << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
    }
    EXPECT_TRUE(fs::is_directory(dir.file("folder")));
    EXPECT_TRUE(fs::is_fifo(dir.file("fifo")));
    EXPECT_EQ(namesIn(dir.path()).size(), 8u) << "no temporary file is left behind";
}

TEST(AtomicFile, ReplacesTheFileALinkPointsToKeepingTheLinkAndThePermissions)
{
    TempDir dir;
    fs::create_directory(dir.file("real"));
    const std::string real = dir.write("real/words.dic", "old");
    ASSERT_EQ(::chmod(real.c_str(), 0604), 0);
    const std::string link = dir.file("words.dic");
    fs::create_symlink("real/words.dic", link); // relative, as users make them
    const std::string chain = dir.file("chain.dic");
    fs::create_symlink(link, chain);
    ASSERT_EQ(writeFileAtomically(chain, "new"), WriteResult::Written);
    EXPECT_TRUE(fs::is_symlink(link) && fs::is_symlink(chain));
    EXPECT_EQ(dir.read("real/words.dic"), "new");
    EXPECT_EQ(permissions(real), 0604u);

    // A dangling link creates the file it names, with what the umask leaves of rw for everyone
    // (not mkstemp's 0600).
    fs::create_symlink("real/fresh.dic", dir.file("fresh.dic"));
    const mode_t mask = ::umask(022);
    ASSERT_EQ(writeFileAtomically(dir.file("fresh.dic"), "made"), WriteResult::Written);
    ::umask(mask);
    EXPECT_TRUE(fs::is_symlink(dir.file("fresh.dic")));
    EXPECT_EQ(dir.read("real/fresh.dic"), "made");
    EXPECT_EQ(permissions(dir.file("real/fresh.dic")), 0644u);

    // A loop of links is refused, not replaced by a file.
    fs::create_symlink(dir.file("loop2"), dir.file("loop1"));
    fs::create_symlink(dir.file("loop1"), dir.file("loop2"));
    std::string error;
    EXPECT_EQ(writeFileAtomically(dir.file("loop1"), "x", &error), WriteResult::NotCreated);
    EXPECT_TRUE(fs::is_symlink(dir.file("loop1")));
    EXPECT_FALSE(error.empty());
}

TEST(AtomicFile, AFullDiskOrAReadOnlyFolderLeavesTheOldFileAndNoTemporaryFile)
{
    TempDir dir;
    const std::string mountPoint = dir.file("small");
    fs::create_directory(mountPoint);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    const std::string target = mountPoint + "/game.tc";
    std::ofstream(target) << "old";
    std::string full, readOnly;
    const WriteResult onFullDisk = writeFileAtomically(target, std::string(256 * 1024, 'x'), &full);
    const auto namesWhenFull = namesIn(mountPoint);
    ::mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    const WriteResult onReadOnly = writeFileAtomically(target, "new", &readOnly);
    const std::string after = std::string(std::istreambuf_iterator<char>(std::ifstream(target).rdbuf()), {});
    const auto names = namesIn(mountPoint);
    ::umount(mountPoint.c_str());

    EXPECT_EQ(onFullDisk, WriteResult::NotWritten);
    EXPECT_NE(full.find("No space"), std::string::npos) << full;
    EXPECT_EQ(onReadOnly, WriteResult::NotCreated);
    EXPECT_NE(readOnly.find(target), std::string::npos) << readOnly;
    EXPECT_EQ(after, "old");
    EXPECT_EQ(namesWhenFull, std::vector<std::string>{"game.tc"});
    EXPECT_EQ(names, std::vector<std::string>{"game.tc"});
}

// A file this user may not write stays as it is and whose it is, even in a folder where the
// user may create files. Run as root, the writer drops to the unprivileged user nobody.
TEST(AtomicFile, LeavesAFileThisUserMayNotWriteAsItWas)
{
    TempDir dir;
    const std::string target = dir.write("Preferences.ini", "old");
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    const uid_t owner = ::geteuid();
    std::string error;
    WriteResult result = WriteResult::Written;
    if (owner == 0) {
        constexpr uid_t kNobody = 65534;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(100);
            ::_exit(static_cast<int>(writeFileAtomically(target, "new")));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 100) << "cannot become the user nobody";
        result = static_cast<WriteResult>(WEXITSTATUS(status));
    } else {
        result = writeFileAtomically(target, "new", &error);
        EXPECT_NE(error.find(target), std::string::npos) << error;
    }
    EXPECT_EQ(result, WriteResult::NotCreated);
    EXPECT_EQ(dir.read("Preferences.ini"), "old");
    struct stat info {
    };
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, owner);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"Preferences.ini"});
}

TEST(RegularFile, ReadsARegularFileWholeUpToItsLimitOrInExactCounts)
{
    TempDir dir;
    const std::string bytes = std::string("a\0b", 3) + std::string(200000, 'z');
    const std::string path = dir.write("data", bytes);
    std::string read;
    EXPECT_EQ(RegularFile::readFile(path, bytes.size(), read), Status::Read);
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(RegularFile::readFile(path, bytes.size() - 1, read), Status::TooLarge);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(RegularFile::readFile(dir.write("empty", ""), 0, read), Status::Read);
    // A file whose size says 0 but that holds more (as /proc files do) is still held to the limit.
    ASSERT_EQ(fs::file_size("/proc/self/status"), 0u);
    EXPECT_EQ(RegularFile::readFile("/proc/self/status", 16, read), Status::TooLarge);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(RegularFile::readFile("/proc/self/status", 1 << 20, read), Status::Read);
    EXPECT_NE(read.find("Name:"), std::string::npos);

    // Exact counts, and a short read reported.
    RegularFile file(dir.write("digits", "0123456789"));
    ASSERT_EQ(file.status(), Status::Read);
    EXPECT_EQ(file.size(), 10u);
    char head[4] = {}, rest[7] = {};
    ASSERT_TRUE(file.read(head, 4));
    EXPECT_EQ(std::string(head, 4), "0123");
    EXPECT_FALSE(file.read(rest, 7)) << "only 6 bytes are left";
}

TEST(RegularFile, RefusesFoldersFifosDevicesAndMissingNamesWithoutBlockingAndFollowsLinks)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.file("zero"));
    fs::create_symlink(dir.write("real", "xyz"), dir.file("link"));
    std::string read = "stale";
    for (const std::string& name :
         {dir.file("fifo"), dir.path().string(), std::string("/dev/null"), dir.file("zero")})
        EXPECT_EQ(RegularFile::readFile(name, 100, read), Status::NotRegular) << name;
    EXPECT_EQ(RegularFile::readFile(dir.file("missing"), 100, read), Status::NotOpened);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(RegularFile::readFile(dir.file("link"), 3, read), Status::Read);
    EXPECT_EQ(read, "xyz");
}
