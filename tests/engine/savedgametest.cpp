// Saved games, and the fixed-size records they are made of (a player and a move), written
// little-endian and read back only when every field is sound.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "engine/savedgame.h"
#include "support/rulesfixture.h"

using glyph::Move;
using glyph::Player;
using glyph::test::makeMove;
using glyph::test::RulesFixture;

namespace
{

/// A three-player game with five snapshots (the start, a move with a joker, a pass, a move
/// down, an exchange), saved as game.tc in the fixture's folder; gives back the file's bytes.
std::string saveFiveSnapshots(RulesFixture& fixture)
{
    fixture.start({"Ann", "Bob", "Cid"});
    fixture.giveRacks({"CAT[XYZ", "EIIOOUU", "SOEEEEE"});
    EXPECT_TRUE(fixture.play(makeMove(true, 8, 7, "C[T", "A")));
    EXPECT_TRUE(fixture.rules->passOrExchange("", ""));
    EXPECT_TRUE(fixture.play(makeMove(false, 8, 10, "SO")));
    fixture.rules->players()[1].timeLeft = 77;
    const std::string annsRack = fixture.rules->players()[0].rack;
    EXPECT_TRUE(fixture.rules->passOrExchange(annsRack.substr(4), annsRack.substr(0, 4)));
    EXPECT_TRUE(fixture.rules->save(fixture.dir.file("game.tc")));
    return fixture.dir.read("game.tc");
}

} // namespace

TEST(SavedGame, SavesThroughANewFileAndLoadsEverySnapshotAndTheGameSettingsBack)
{
    RulesFixture saved;
    EXPECT_FALSE(saved.rules->save(saved.dir.file("none.tc"))) << "no game in progress";
    EXPECT_FALSE(std::filesystem::exists(saved.dir.file("none.tc")));
    // A second name of the old file keeps the old bytes only when the save writes a new file
    // and renames it over the old one, so that a failure part-way leaves the old game intact.
    std::filesystem::create_hard_link(saved.dir.write("game.tc", "old"), saved.dir.file("old.tc"));
    const std::string bytes = saveFiveSnapshots(saved);
    EXPECT_EQ(saved.dir.read("old.tc"), "old");
    const std::string missing = saved.dir.file("no-such-folder/game.tc");
    EXPECT_FALSE(saved.rules->save(missing));
    EXPECT_EQ(saved.view.warnings, std::vector<std::string>{"Can't open " + missing + " for writing"});
    const std::string header = "3 players\n" + saved.dir.file("test.dic") + "\n" +
                               saved.dir.file("test.set") + "\n25 time\n50 bonus\n5 history\n1 0 0\n";
    EXPECT_EQ(bytes.substr(0, header.size()), header);

    RulesFixture loaded;
    loaded.preferences->setInteger("GameClassicTimeKey", 3);
    loaded.preferences->setInteger("GameBonusKey", 20);
    loaded.preferences->setInteger("TableRowsKey", 13);
    loaded.start({"Zed", "Yan"});
    ASSERT_TRUE(loaded.rules->load(saved.dir.file("game.tc")));
    EXPECT_TRUE(loaded.view.warnings.empty());
    ASSERT_TRUE(loaded.rules->save(loaded.dir.file("again.tc")));
    EXPECT_EQ(loaded.dir.read("again.tc"), bytes) << "every snapshot and setting as it was saved";
    EXPECT_EQ(loaded.rules->historyPosition(), 0) << "a loaded game shows its first position";
    EXPECT_EQ(loaded.game->board(), glyph::Board{});
    EXPECT_EQ(loaded.game->rackSlotCount(), 7);
    EXPECT_EQ(loaded.game->bonus(), 50) << "the game plays with the loaded bonus";
    EXPECT_EQ(loaded.game->rows(), 13) << "the board size stays the preferences' own";
    loaded.rules->goLast();
    EXPECT_EQ(loaded.rules->players()[1].timeLeft, 77);
    EXPECT_EQ(loaded.game->board(), saved.game->board());
}

TEST(SavedGame, DamagedMissingOrIrregularFilesAreRefusedAndChangeNothing)
{
    RulesFixture saved;
    const std::string bytes = saveFiveSnapshots(saved);
    const std::string setName = saved.dir.file("test.set");
    glyph::test::GameInProgress fixture;
    const std::string before = fixture.state();

    auto expectRefused = [&](const std::string& what, bool loaded, const std::string& warning) {
        EXPECT_FALSE(loaded) << what;
        ASSERT_FALSE(fixture.view.warnings.empty()) << what;
        EXPECT_EQ(fixture.view.warnings[0], warning) << what;
        EXPECT_EQ(fixture.state(), before) << what;
        fixture.view.warnings.clear();
    };
    auto expectCorrupted = [&](const std::string& what, const std::string& damaged) {
        expectRefused(what, fixture.rules->loadBytes(damaged, "bad.tc"), "Corrupted data in bad.tc file");
    };
    // A device stands for every irregular file (folders, fifos: the regular-file reader's tests).
    for (const std::string& name : {fixture.dir.file("missing.tc"), std::string("/dev/zero")}) {
        expectRefused(name, fixture.rules->load(name), "Can't open " + name + " for reading");
        // The letter set it names: never a set with every letter worth nothing.
        std::string other = bytes;
        other.replace(other.find(setName), setName.size(), name);
        expectRefused("set " + name, fixture.rules->loadBytes(other, "other.tc"),
                      "Can't open " + name + " for reading");
    }
    // A game on a larger board, with tiles beyond this one: refused with the size it needs.
    RulesFixture large;
    large.preferences->setInteger("TableRowsKey", 29);
    large.preferences->setInteger("TableColumnsKey", 29);
    ASSERT_TRUE(large.game->loadSettings());
    large.start({"Ann", "Bob"});
    large.giveRacks({"CATEEEE", "EEEEIII"});
    ASSERT_TRUE(large.play(makeMove(false, 14, 15, "CAT")));
    const std::string largeName = large.dir.file("large.tc");
    ASSERT_TRUE(large.rules->save(largeName));
    expectRefused("large", fixture.rules->load(largeName),
                  largeName + " needs a board of at least 16 x 15 squares");

    const std::pair<std::string, std::string> damages[] = {
        {"3 players", "0 players"}, {"3 players", "144 players"}, {"3 players", "x players"},
        {"5 history", "6 history"}, {"5 history", "0 history"},   {"\n1 0 0\n", "\n1 3 0\n"},
        {"\n1 0 0\n", "\n1 0 5\n"}, {"\n1 0 0\n", "\n0 0 0\n"},
    };
    for (const auto& [from, to] : damages) {
        std::string damaged = bytes;
        damaged.replace(damaged.find(from), from.size(), to);
        expectCorrupted(to, damaged);
    }
    expectCorrupted("no history", bytes.substr(0, bytes.find("5 history")) + "0 history\n");
    expectCorrupted("trailing byte", bytes + "x");
    // Inside the first snapshot's board: a joker flag on an empty square (a bag image running
    // past its sequence is refused in the bag's own tests).
    const std::size_t board = bytes.find("\n1 0 0\n") + 7 + glyph::Move::kImageSize;
    std::string joker = bytes;
    joker[board + 1] = 1;
    expectCorrupted("joker flag", joker);
    // Impossible positions, and profiles outside their folder.
    auto square = [&](int row, int column) {
        return board + static_cast<std::size_t>(row * 32 + column) * 2;
    };
    const std::size_t ann = bytes.find(std::string("Ann\0", 4));
    const std::pair<std::size_t, std::string> patches[] = {
        {ann + 108, std::string("CATSDOGE\0", 9)},  // eight tiles on a rack
        {square(30, 30), "A"},                      // beyond the largest board
        {square(0, 5), "A"},                        // on the margin
        {square(5, 5), std::string("Z\0Z\0Z", 5)},  // three Z of a set with one
        {ann + 50, std::string("../x/fifo\0", 10)}, // a profile elsewhere
        {ann + 50, std::string("..\0", 3)},
    };
    for (const auto& [at, text] : patches) {
        std::string damaged = bytes;
        damaged.replace(at, text.size(), text);
        expectCorrupted(std::to_string(at), damaged);
    }
    // Cut anywhere (inside a header line, a player record, the board or the bag), never accepted.
    for (std::size_t length = 0; length < bytes.size(); ++length)
        ASSERT_FALSE(fixture.rules->loadBytes(bytes.substr(0, length), "cut.tc")) << length;
    // From round 10 on an entry's first line is longer than the shortest the size check counts,
    // so a cut near the end of a long game passes that check: the records themselves must be whole.
    RulesFixture longGame;
    longGame.start({"Ann", "Bob", "Cid"});
    for (int turn = 0; turn < 36; ++turn) {
        const std::string rack = longGame.rules->currentPlayer().rack;
        ASSERT_TRUE(longGame.rules->passOrExchange(rack.substr(0, 1), rack.substr(1)));
    }
    ASSERT_TRUE(longGame.rules->save(longGame.dir.file("long.tc")));
    const std::string longBytes = longGame.dir.read("long.tc");
    for (std::size_t length = longBytes.size() - 2048; length < longBytes.size(); ++length)
        ASSERT_FALSE(fixture.rules->loadBytes(longBytes.substr(0, length), "cut.tc")) << length;
    EXPECT_EQ(fixture.state(), before);
    std::string fine = bytes;
    fine.replace(ann + 50, 10, std::string("Mine.cpu\0\0", 10));
    EXPECT_TRUE(fixture.rules->loadBytes(fine, "fine.tc"));
    // On a board of the size it needs, the larger game keeps every tile.
    fixture.preferences->setInteger("TableRowsKey", 16);
    ASSERT_TRUE(fixture.rules->load(largeName));
    fixture.rules->goLast();
    EXPECT_EQ(fixture.game->board(), large.game->board());
}

TEST(SavedGame, HugeTimesBonusesScoresAndRoundsAreClampedOnLoadAndTheGameGoesOn)
{
    RulesFixture saved;
    std::string bytes = saveFiveSnapshots(saved);
    bytes.replace(bytes.find("25 time\n50 bonus\n"), 17, "2147483647 time\n2147483647 bonus\n");
    // The fifth snapshot's counter line (round 2, Bob to play, no pass; the snapshots before it
    // are of the shortest size), then Ann's score in its first player record (score at 100).
    const std::size_t last = bytes.find("history\n1 0 0\n") + 8 + 4 * glyph::savedgame::minEntrySize(3);
    ASSERT_EQ(bytes.substr(last, 6), "2 1 0\n");
    bytes.replace(last, 1, "2147483647");
    const std::size_t lastAnn = bytes.rfind(std::string("Ann\0", 4));
    bytes.replace(lastAnn + 100, 4, "\xFF\xFF\xFF\x7F");

    RulesFixture fixture;
    ASSERT_TRUE(fixture.rules->loadBytes(bytes, "huge.tc"));
    EXPECT_EQ(fixture.game->bonus(), glyph::Game::kMaxBonus);
    EXPECT_EQ(fixture.game->time(), glyph::Game::kMaxMinutes);
    fixture.rules->goLast();
    EXPECT_EQ(fixture.rules->players()[0].score, glyph::Player::kMaxScore);
    // The last round stays there, and the game saves and loads again.
    EXPECT_EQ(fixture.rules->round(), glyph::HistoryEntry::kMaxRound);
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    EXPECT_EQ(fixture.rules->round(), glyph::HistoryEntry::kMaxRound);
    ASSERT_TRUE(fixture.rules->save(fixture.dir.file("again.tc")));
    RulesFixture again;
    EXPECT_TRUE(again.rules->load(fixture.dir.file("again.tc")));

    // The settings are kept as the game uses them, at either end, and saved so.
    const std::pair<std::string, std::string> headers[] = {
        {"2147483647 time\n2147483647 bonus\n", "100000 time\n1000000 bonus\n"},
        {"-5 time\n-2147483648 bonus\n", "0 time\n0 bonus\n"},
        {"-2147483648 time\n2000000000 bonus\n", "0 time\n1000000 bonus\n"},
    };
    for (const auto& [header, kept] : headers) {
        std::string edited = bytes;
        const std::string largest = "2147483647 time\n2147483647 bonus\n";
        const std::size_t at = edited.find(largest);
        ASSERT_NE(at, std::string::npos);
        edited.replace(at, largest.size(), header);
        RulesFixture clamped;
        ASSERT_TRUE(clamped.rules->loadBytes(edited, "edited.tc"))
            << header << (clamped.view.warnings.empty() ? "" : clamped.view.warnings[0]);
        EXPECT_EQ(clamped.preferences->integer("GameClassicTimeKey", -1), clamped.game->time()) << header;
        EXPECT_EQ(clamped.preferences->integer("GameBonusKey", -1), clamped.game->bonus()) << header;
        ASSERT_TRUE(clamped.rules->save(clamped.dir.file("clamped.tc")));
        EXPECT_NE(clamped.dir.read("clamped.tc").find(kept), std::string::npos) << header;
    }
}

TEST(SavedGame, TheLargestTableIsDealtSavedAndLoadedButALargerOneIsNeverWritten)
{
    // 37 of each of the 27 tiles: the 999 a bag holds, seven for each of the most seats.
    std::array<int, 27> counts{};
    counts.fill(37);
    RulesFixture fixture(glyph::test::kTestWords, counts);
    std::vector<glyph::Player> seats(glyph::kMaxPlayers + 1);
    EXPECT_FALSE(fixture.rules->start(seats)) << "more seats than a bag can deal to";
    seats.pop_back();
    ASSERT_TRUE(fixture.rules->start(seats));
    EXPECT_EQ(fixture.rules->bag().total(), 999 - 7 * glyph::kMaxPlayers) << "seven tiles dealt to each";
    ASSERT_TRUE(fixture.rules->save(fixture.dir.file("full.tc")));
    RulesFixture loaded;
    EXPECT_TRUE(loaded.rules->load(fixture.dir.file("full.tc"))) << "the largest table loads back";

    const std::string crowded = fixture.dir.file("crowded.tc");
    fixture.rules->players().emplace_back();
    EXPECT_FALSE(fixture.rules->save(crowded));
    fixture.rules->players().pop_back();
    fixture.preferences->setString("GameSetKey", std::string(2000, 's'));
    EXPECT_FALSE(fixture.rules->save(crowded)) << "a name longer than a line the loader reads";
    EXPECT_FALSE(std::filesystem::exists(crowded));
}

TEST(Player, FieldsStayInsideTheirBoundsAndTheImageIsLittleEndianAndRefusesWhatTheyCannotHold)
{
    Player player;
    player.setName(std::string(80, 'N'));
    EXPECT_EQ(std::strlen(player.name), 49u);
    // A name is cut between characters: 30 two-byte letters keep 24 whole ones.
    std::string cyrillic;
    for (int n = 0; n < 30; ++n)
        cyrillic += "\xD0\x96";
    player.setName(cyrillic);
    EXPECT_EQ(std::string(player.name), cyrillic.substr(0, 48));
    player.score = Player::kMaxScore - 5;
    player.addScore(Player::kMaxScore);
    EXPECT_EQ(player.score, Player::kMaxScore);
    player.addScore(-(Player::kMaxScore / 2) * 3);
    EXPECT_EQ(player.score, -Player::kMaxScore / 2);
    player.addScore(-Player::kMaxScore);
    EXPECT_EQ(player.score, -Player::kMaxScore);

    player.setName("Ann");
    player.score = 0x7F020304;
    player.timeLeft = INT32_MIN;
    player.setRack("AB");
    std::array<std::uint8_t, Player::kImageSize> good{};
    player.writeImage(good.data());
    EXPECT_EQ(good[100] * 256 + good[103], 0x047F) << "score at 100, little-endian";
    Player read;
    ASSERT_TRUE(read.readImage(good.data()));
    EXPECT_EQ(read.score, Player::kMaxScore);
    EXPECT_EQ(read.timeLeft, -Player::kMaxSeconds);

    read.setName("Kept");
    auto expectRejected = [&](auto change) {
        auto image = good;
        change(image);
        EXPECT_FALSE(read.readImage(image.data()));
        EXPECT_STREQ(read.name, "Kept");
    };
    expectRejected([](auto& im) { std::memset(im.data(), 'x', 50); });
    expectRejected([](auto& im) { std::memset(im.data() + 50, 'x', 50); });
    expectRejected([](auto& im) { std::memset(im.data() + 108, 'A', 32); });
    expectRejected([](auto& im) { im[109] = 'b'; });
    expectRejected([](auto& im) { im[108] = '\\'; });
}

TEST(MoveImage, IsLittleEndianKeepsThePassRecordAndRejectsDamage)
{
    std::array<std::uint8_t, Move::kImageSize> image{};
    makeMove(false, 8, 4, "C[T", "A", 0x01020304).writeImage(image.data());
    const std::uint8_t fields[] = {0, 4, 8, 0, 4, 3, 2, 1, 'C', '[', 'T', 0};
    EXPECT_EQ(std::memcmp(image.data(), fields, sizeof fields), 0);
    EXPECT_EQ(std::memcmp(image.data() + 38, "A", 2), 0);

    Move{}.writeImage(image.data());
    Move read = makeMove(true, 3, 3, "AT");
    ASSERT_TRUE(read.readImage(image.data()));
    EXPECT_TRUE(read.isPass() && read.col == -1 && read.lin == -1);

    auto expectRejected = [&](auto change) {
        makeMove(true, 8, 8, "C[T", "A", 10).writeImage(image.data());
        change(image);
        read = makeMove(false, 1, 2, "GO", "", 3);
        EXPECT_FALSE(read.readImage(image.data()));
        EXPECT_STREQ(read.word, "GO");
    };
    expectRejected([](auto& im) { im[8] = 'c'; });                         // lower-case letter
    expectRejected([](auto& im) { im[38] = '['; });                        // a joker standing for a joker
    expectRejected([](auto& im) { im[39] = 'B'; });                        // more joker letters than jokers
    expectRejected([](auto& im) { im[38] = 0; });                          // fewer joker letters than jokers
    expectRejected([](auto& im) { std::memset(im.data() + 8, 'S', 30); }); // no terminator
}

TEST(MoveImage, AcceptsAWordOnlyWhereItLiesOnTheLargestBoard)
{
    const int last = glyph::kMaxBoardSize;
    for (const bool across : {true, false})
        for (const std::string& word : {std::string("CAT"), std::string(last, 'E')})
            for (const int row : {-128, -1, 0, 1, 2, last - 2, last - 1, last, last + 1, 120, 127})
                for (const int column : {-1, 0, 1, last - 2, last, last + 1, 120}) {
                    std::array<std::uint8_t, Move::kImageSize> image{};
                    makeMove(across, row, column, word).writeImage(image.data());
                    const int length = static_cast<int>(word.size());
                    const int lastRow = across ? row : row + length - 1;
                    const int lastColumn = across ? column + length - 1 : column;
                    const bool onBoard = row >= 1 && column >= 1 && lastRow <= last && lastColumn <= last;
                    Move read;
                    EXPECT_EQ(read.readImage(image.data()), onBoard)
                        << across << " " << row << " " << column << " " << word;
                }
}
