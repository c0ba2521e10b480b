// The choice between a portable copy and an installed program, and the data names found in
// the user's files before the shipped ones.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "base/datafolders.h"
#include "support/readonlyfolder.h"
#include "support/tempdir.h"

using glyph::DataFolders;
using glyph::test::TempDir;
namespace fs = std::filesystem;

namespace
{

void makeData(const fs::path& folder)
{
    fs::create_directories(folder / "Sets");
    fs::create_directories(folder / "Dictionaries");
}

} // namespace

TEST(DataFolders, ChoosesAWritableCopyWithDataElseTheReadOnlyDataWithTheUsersFolders)
{
    TempDir dir;
    const fs::path empty = dir.path() / "empty", copy = dir.path() / "copy", other = dir.path() / "other";
    const fs::path installed = dir.path() / "share", locked = dir.path() / "locked";
    const fs::path data = dir.path() / "home/data", config = dir.path() / "home/config";
    fs::create_directories(empty);
    makeData(copy);
    makeData(other);
    makeData(installed);
    fs::create_directories(dir.path() / "half/Sets"); // without Dictionaries it holds no data
    const glyph::test::ReadOnlyFolder readOnly(locked, makeData);
    makeData(data);

    struct Row {
        fs::path working, program, installed, userData;
        DataFolders expected;
    };
    const DataFolders installedCopy(installed, data, config);
    const Row rows[] = {
        {copy, other, installed, data, DataFolders::portable(copy)},         // the working copy first
        {empty, copy, installed, data, DataFolders::portable(copy)},         // else beside the program
        {dir.path() / "half", empty, installed, data, installedCopy},        // Sets alone is no data
        {empty, empty, installed, data, installedCopy},                      // installed
        {locked, empty, installed, data, installedCopy},                     // a read-only working copy
        {empty, locked, installed, data, DataFolders(locked, data, config)}, // read-only beside
        {empty, empty, installed, "", DataFolders::portable(empty)},         // no home: as before
        {empty, empty, empty, data, DataFolders::portable(empty)},           // no data anywhere
        {data, empty, installed, data, installedCopy}, // the user's own sets and dictionaries
    };
    for (const Row& row : rows) {
        const DataFolders chosen =
            DataFolders::choose({row.working, row.program, row.installed, row.userData, config});
        EXPECT_EQ(chosen.shipped(), row.expected.shipped()) << row.working << " " << row.program;
        EXPECT_EQ(chosen.user(), row.expected.user()) << row.working << " " << row.program;
        EXPECT_EQ(chosen.config(), row.expected.config()) << row.working << " " << row.program;
        EXPECT_EQ(chosen.isPortable(), row.expected.shipped() == row.expected.user());
    }
}

TEST(DataFolders, FindsAndListsTheUsersFilesBeforeTheShippedOnesAndWritesOnlyToTheUsers)
{
    TempDir dir;
    const DataFolders folders(dir.path() / "share", dir.path() / "data", dir.path() / "config");
    EXPECT_TRUE(folders.list("Profiles", ".cpu").empty()); // a missing folder lists nothing
    EXPECT_TRUE(folders.createUserFolders());
    EXPECT_TRUE(fs::is_directory(dir.path() / "data/Games"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "config"));
    EXPECT_FALSE(fs::exists(dir.path() / "share"));
    EXPECT_EQ(folders.preferencesFile(), (dir.path() / "config/Preferences.ini").string());
    EXPECT_EQ(folders.ensureUserFolder("Profiles"), dir.file("data/Profiles"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "data/Profiles"));

    fs::create_directories(dir.path() / "share/Profiles/Folder.cpu");
    for (const char* name : {"share/Profiles/Greedy.cpu", "share/Profiles/beginner.cpu",
                             "share/Profiles/Notes.txt", "share/Profiles/Same.cpu", "data/Profiles/Same.cpu",
                             "data/Profiles/Mine.CPU", "data/Profiles/.cpu"})
        dir.write(name, "-- " + std::string(name));
    ASSERT_EQ(::mkfifo((dir.path() / "data/Profiles/Pipe.cpu").c_str(), 0600), 0);
    const std::vector<std::string> listed = folders.list("Profiles", ".cpu");
    EXPECT_EQ(listed, (std::vector<std::string>{"beginner.cpu", "Greedy.cpu", "Mine.CPU", "Same.cpu"}));
    // Every name listed is a file that the game finds, and the user's copy is the one it finds.
    for (const std::string& name : listed) {
        const fs::path found = folders.find("Profiles/" + name);
        EXPECT_TRUE(fs::is_regular_file(found)) << name;
        EXPECT_EQ(found.parent_path().parent_path().filename(),
                  fs::exists(dir.path() / "data/Profiles" / name) ? "data" : "share")
            << name;
    }
    // A name found nowhere is the user's, so that a message names where it was looked for.
    EXPECT_EQ(folders.find("Profiles/None.cpu"), dir.file("data/Profiles/None.cpu"));
    EXPECT_EQ(folders.find(dir.file("elsewhere.cpu")), dir.file("elsewhere.cpu"));
    EXPECT_EQ(folders.userFile("Games/a.tc"), dir.file("data/Games/a.tc"));
    EXPECT_EQ(folders.userFile(dir.file("b.tc")), dir.file("b.tc"));

    // A portable copy lists its one folder.
    const DataFolders portable = DataFolders::portable(dir.path() / "share");
    EXPECT_EQ(portable.list("Profiles", ".cpu"),
              (std::vector<std::string>{"beginner.cpu", "Greedy.cpu", "Same.cpu"}));

    // The default folders are the working folder: names stay as they are.
    const DataFolders working;
    EXPECT_EQ(working.find("Sets/English.set"), "Sets/English.set");
    EXPECT_EQ(working.userFile("Games/a.tc"), "Games/a.tc");
    EXPECT_EQ(working.preferencesFile(), "Preferences.ini");
    EXPECT_TRUE(working.createUserFolders());
}
