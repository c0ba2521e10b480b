#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "base/regularfile.h"
#include "support/tempdir.h"

using glyph::RegularFile;
using glyph::test::TempDir;
using Status = glyph::RegularFile::Status;

TEST(RegularFile, ReadsARegularFileWholeUpToItsLimit)
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
}

TEST(RegularFile, RefusesFoldersFifosDevicesAndMissingNamesWithoutBlocking)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::string read = "stale";
    EXPECT_EQ(RegularFile::readFile(dir.file("fifo"), 100, read), Status::NotRegular);
    EXPECT_EQ(RegularFile::readFile(dir.path().string(), 100, read), Status::NotRegular);
    EXPECT_EQ(RegularFile::readFile("/dev/zero", 100, read), Status::NotRegular);
    EXPECT_EQ(RegularFile::readFile("/dev/null", 100, read), Status::NotRegular);
    EXPECT_EQ(RegularFile::readFile(dir.file("missing"), 100, read), Status::NotOpened);
    EXPECT_TRUE(read.empty());

    // A link to a regular file is followed; a link to a device is not a regular file.
    std::filesystem::create_symlink("/dev/zero", dir.file("zero"));
    EXPECT_EQ(RegularFile(dir.file("zero")).status(), Status::NotRegular);
    std::filesystem::create_symlink(dir.write("real", "xyz"), dir.file("link"));
    EXPECT_EQ(RegularFile::readFile(dir.file("link"), 3, read), Status::Read);
    EXPECT_EQ(read, "xyz");

    EXPECT_NE(RegularFile::describe(Status::NotRegular, "/tmp").find("/tmp"), std::string::npos);
}

TEST(RegularFile, ReadsExactCountsAndReportsAShortRead)
{
    TempDir dir;
    RegularFile file(dir.write("data", "0123456789"));
    ASSERT_EQ(file.status(), Status::Read);
    EXPECT_EQ(file.size(), 10u);
    char head[4] = {};
    ASSERT_TRUE(file.read(head, 4));
    EXPECT_EQ(std::string(head, 4), "0123");
    char rest[7] = {};
    EXPECT_FALSE(file.read(rest, 7)) << "only 6 bytes are left";
}
