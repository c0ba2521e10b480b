#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "base/regularfile.h"
#include "support/tempdir.h"

using glyph::RegularFile;
using glyph::test::TempDir;
using Status = glyph::RegularFile::Status;

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
    ASSERT_EQ(std::filesystem::file_size("/proc/self/status"), 0u);
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
    std::filesystem::create_symlink("/dev/zero", dir.file("zero"));
    std::filesystem::create_symlink(dir.write("real", "xyz"), dir.file("link"));
    std::string read = "stale";
    for (const std::string& name :
         {dir.file("fifo"), dir.path().string(), std::string("/dev/null"), dir.file("zero")})
        EXPECT_EQ(RegularFile::readFile(name, 100, read), Status::NotRegular) << name;
    EXPECT_EQ(RegularFile::readFile(dir.file("missing"), 100, read), Status::NotOpened);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(RegularFile::readFile(dir.file("link"), 3, read), Status::Read);
    EXPECT_EQ(read, "xyz");
}
