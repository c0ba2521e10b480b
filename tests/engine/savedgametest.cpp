#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "support/rulesfixture.h"

using glyph::HistoryEntry;
using glyph::Move;
using glyph::test::makeMove;
using glyph::test::RulesFixture;

namespace
{

constexpr int kEntryRecords = 68 + 2048 + 1116;

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

template <int Size, typename Record> std::vector<std::uint8_t> image(const Record& record)
{
    std::vector<std::uint8_t> bytes(Size);
    record.writeImage(bytes.data());
    return bytes;
}

/// True when both snapshots hold the same bytes in every saved field.
void expectSameEntry(const HistoryEntry& a, const HistoryEntry& b, std::size_t index)
{
    EXPECT_EQ(a.round, b.round) << index;
    EXPECT_EQ(a.currentPlayer, b.currentPlayer) << index;
    EXPECT_EQ(a.passCount, b.passCount) << index;
    EXPECT_EQ(image<Move::kImageSize>(a.move), image<Move::kImageSize>(b.move)) << index;
    EXPECT_EQ(a.board, b.board) << index;
    EXPECT_EQ(image<glyph::Bag::kImageSize>(a.bag), image<glyph::Bag::kImageSize>(b.bag)) << index;
    ASSERT_EQ(a.players.size(), b.players.size()) << index;
    for (std::size_t p = 0; p < a.players.size(); ++p)
        EXPECT_EQ(image<glyph::Player::kImageSize>(a.players[p]),
                  image<glyph::Player::kImageSize>(b.players[p]))
            << index << " player " << p;
}

/// A three-player game with five snapshots: the start, a move, a pass, a move, an exchange.
void playFiveSnapshots(RulesFixture& fixture)
{
    fixture.start({"Ann", "Bob", "Cid"});
    fixture.setRack(0, "CAT[XYZ");
    fixture.rules->players()[2].setRack("SOEEEEE");
    Move cat = makeMove(true, 8, 7, "C[T", "A");
    fixture.game->computeScore(cat, fixture.game->board());
    ASSERT_TRUE(fixture.rules->playMove(cat));
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    Move so = makeMove(false, 8, 10, "SO");
    fixture.game->computeScore(so, fixture.game->board());
    ASSERT_TRUE(fixture.rules->playMove(so));
    fixture.rules->players()[1].timeLeft = 77;
    const std::string annsRack = fixture.rules->players()[0].rack;
    ASSERT_TRUE(fixture.rules->passOrExchange(annsRack.substr(4), annsRack.substr(0, 4)));
    ASSERT_EQ(fixture.rules->history().size(), 5u);
}

/// Plays the five-snapshot game in `saved`, saves it as game.tc in its folder and gives back
/// the file's bytes.
void saveFiveSnapshots(RulesFixture& saved, std::string& bytes)
{
    playFiveSnapshots(saved);
    ASSERT_TRUE(saved.rules->save(saved.dir.file("game.tc")));
    bytes = readFile(saved.dir.file("game.tc"));
}

/// What a failed load must leave alone.
struct GameState {
    explicit GameState(RulesFixture& f)
        : board(f.game->board()), history(f.rules->history()), position(f.rules->historyPosition()),
          current(f.rules->currentPlayerIndex()), players(f.rules->players().size()),
          dictionary(f.preferences->string("GameDictionaryKey")), set(f.preferences->string("GameSetKey")),
          time(f.preferences->string("GameClassicTimeKey")), bonus(f.preferences->string("GameBonusKey"))
    {
    }
    bool operator==(const GameState& o) const
    {
        return board == o.board && history.size() == o.history.size() && position == o.position &&
               current == o.current && players == o.players && dictionary == o.dictionary && set == o.set &&
               time == o.time && bonus == o.bonus;
    }

    glyph::Board board;
    std::vector<HistoryEntry> history;
    int position;
    int current;
    std::size_t players;
    std::string dictionary, set, time, bonus;
};

} // namespace

TEST(SavedGame, LayoutIsSixLinesThenFixedRecordsPerEntry)
{
    RulesFixture fixture;
    playFiveSnapshots(fixture);
    const std::string path = fixture.dir.file("game.tc");
    ASSERT_TRUE(fixture.rules->save(path));
    const std::string bytes = readFile(path);

    const std::vector<std::string> header = {
        "3 players", fixture.dir.file("test.dic"), fixture.dir.file("test.set"), "25 time", "50 bonus",
        "5 history"};
    std::size_t at = 0;
    for (const std::string& line : header) {
        const std::size_t end = bytes.find('\n', at);
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(bytes.substr(at, end - at), line);
        at = end + 1;
    }
    for (const HistoryEntry& entry : fixture.rules->history()) {
        const std::string line = std::to_string(entry.round) + " " + std::to_string(entry.currentPlayer) +
                                 " " + std::to_string(entry.passCount) + "\n";
        ASSERT_EQ(bytes.substr(at, line.size()), line);
        at += line.size();
        const auto move = image<Move::kImageSize>(entry.move);
        EXPECT_EQ(bytes.substr(at, move.size()), std::string(move.begin(), move.end()));
        const std::size_t square = at + 68 + (8 * 32 + 8) * 2;
        const std::string centre = {entry.board[8][8].letter, static_cast<char>(entry.board[8][8].joker)};
        EXPECT_EQ(bytes.substr(square, 2), centre);
        const std::size_t thirdPlayer = at + kEntryRecords + 2 * 140;
        EXPECT_EQ(bytes.substr(thirdPlayer, 4), std::string("Cid\0", 4));
        at += kEntryRecords + 3 * 140;
    }
    EXPECT_EQ(at, bytes.size());
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(SavedGame, LoadingRestoresEverySnapshotAndShowsTheFirst)
{
    RulesFixture saved;
    playFiveSnapshots(saved);
    const std::string path = saved.dir.file("game.tc");
    ASSERT_TRUE(saved.rules->save(path));

    RulesFixture loaded;
    loaded.preferences->setInteger("GameClassicTimeKey", 3);
    loaded.preferences->setInteger("GameBonusKey", 20);
    loaded.preferences->setInteger("TableRowsKey", 13);
    loaded.start({"Zed", "Yan"});
    const std::size_t refreshes = loaded.view.refreshes.size();
    ASSERT_TRUE(loaded.rules->load(path));
    EXPECT_TRUE(loaded.view.warnings.empty());

    ASSERT_EQ(loaded.rules->history().size(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        expectSameEntry(loaded.rules->history()[i], saved.rules->history()[i], i);
    EXPECT_EQ(loaded.rules->historyPosition(), 0);
    EXPECT_EQ(loaded.game->board(), saved.rules->history()[0].board);
    ASSERT_EQ(loaded.rules->players().size(), 3u);
    EXPECT_STREQ(loaded.rules->players()[2].name, "Cid");
    EXPECT_EQ(loaded.rules->currentPlayerIndex(), 0);
    EXPECT_GT(loaded.view.refreshes.size(), refreshes);
    EXPECT_EQ(loaded.game->rackSlotCount(), 7);

    EXPECT_EQ(loaded.preferences->integer("GameClassicTimeKey"), 25);
    EXPECT_EQ(loaded.preferences->integer("GameBonusKey"), 50);
    EXPECT_EQ(loaded.game->bonus(), 50);
    EXPECT_EQ(loaded.game->rows(), 13) << "the board size stays the preferences' own";

    loaded.rules->goLast();
    EXPECT_EQ(loaded.rules->players()[1].timeLeft, saved.rules->players()[1].timeLeft);
    EXPECT_EQ(loaded.game->board(), saved.game->board());
}

TEST(SavedGame, SavingReplacesAnEarlierFileAndFailsCleanly)
{
    RulesFixture fixture;
    EXPECT_FALSE(fixture.rules->save(fixture.dir.file("none.tc"))) << "no game in progress";
    EXPECT_FALSE(std::filesystem::exists(fixture.dir.file("none.tc")));

    playFiveSnapshots(fixture);
    const std::string path = fixture.dir.file("game.tc");
    writeFile(path, "old contents");
    // A second name of the old file keeps the old bytes: the save writes a new file and
    // renames it over the old one, so a failure part-way leaves the old game intact.
    std::filesystem::create_hard_link(path, fixture.dir.file("old.tc"));
    ASSERT_TRUE(fixture.rules->save(path));
    EXPECT_EQ(readFile(path).substr(0, 10), "3 players\n");
    EXPECT_EQ(readFile(fixture.dir.file("old.tc")), "old contents");

    const std::string missing = fixture.dir.file("no-such-folder/game.tc");
    EXPECT_FALSE(fixture.rules->save(missing));
    ASSERT_EQ(fixture.view.warnings.size(), 1u);
    EXPECT_EQ(fixture.view.warnings[0], "Can't open " + missing + " for writing");
}

TEST(SavedGame, LoadFailuresLeaveTheGameAndPreferencesAlone)
{
    RulesFixture saved;
    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveFiveSnapshots(saved, bytes));

    RulesFixture fixture;
    fixture.start({"Zed", "Yan"});
    fixture.setRack(0, "CATXXXX");
    Move cat = makeMove(true, 8, 7, "CAT");
    fixture.game->computeScore(cat, fixture.game->board());
    ASSERT_TRUE(fixture.rules->playMove(cat));
    const GameState before(fixture);

    EXPECT_FALSE(fixture.rules->load(fixture.dir.file("missing.tc")));
    EXPECT_EQ(fixture.view.warnings.back(), "Can't open " + fixture.dir.file("missing.tc") + " for reading");
    EXPECT_TRUE(GameState(fixture) == before);

    // A set file that cannot be read: the settings are put back as they were.
    std::string otherSet = bytes;
    const std::string setName = saved.dir.file("test.set");
    otherSet.replace(otherSet.find(setName), setName.size(), saved.dir.file("gone.set"));
    writeFile(fixture.dir.file("other.tc"), otherSet);
    fixture.view.warnings.clear();
    EXPECT_FALSE(fixture.rules->load(fixture.dir.file("other.tc")));
    ASSERT_FALSE(fixture.view.warnings.empty());
    EXPECT_EQ(fixture.view.warnings[0], "Can't open " + saved.dir.file("gone.set") + " for reading");
    EXPECT_TRUE(GameState(fixture) == before);
    EXPECT_EQ(fixture.game->letterSet().entry('Q').value, 10) << "the previous letter set is loaded again";

    struct Damage {
        const char* what;
        std::string from, to;
    };
    const Damage damages[] = {
        {"no players", "3 players", "0 players"},
        {"more players than a bag can seat", "3 players", "144 players"},
        {"player count not a number", "3 players", "x players"},
        {"more history than the file holds", "5 history", "6 history"},
        {"no history", "5 history", "0 history"},
        {"player index out of range", "\n1 0 0\n", "\n1 3 0\n"},
        {"pass count beyond the end of the game", "\n1 0 0\n", "\n1 0 5\n"},
        {"round before the first", "\n1 0 0\n", "\n0 0 0\n"},
    };
    for (const Damage& damage : damages) {
        std::string damaged = bytes;
        const auto at = damaged.find(damage.from);
        ASSERT_NE(at, std::string::npos) << damage.what;
        damaged.replace(at, damage.from.size(), damage.to);
        fixture.view.warnings.clear();
        EXPECT_FALSE(fixture.rules->loadBytes(damaged, "damaged.tc")) << damage.what;
        ASSERT_EQ(fixture.view.warnings.size(), 1u) << damage.what;
        EXPECT_EQ(fixture.view.warnings[0], "Corrupted data in damaged.tc file") << damage.what;
        EXPECT_TRUE(GameState(fixture) == before) << damage.what;
    }
    fixture.view.warnings.clear();
    EXPECT_FALSE(fixture.rules->loadBytes(bytes + "x", "damaged.tc")) << "trailing bytes";
    EXPECT_TRUE(fixture.rules->loadBytes(bytes, "good.tc"));
}

TEST(SavedGame, ACutFileIsRefusedWithoutChangingAnything)
{
    RulesFixture saved;
    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveFiveSnapshots(saved, bytes));

    RulesFixture fixture;
    fixture.start({"Zed", "Yan"});
    const GameState before(fixture);
    // In the header lines, in the first entry's records, and one byte short of the end.
    for (const std::size_t length : {std::size_t{0}, std::size_t{12}, bytes.size() / 5, bytes.size() - 1}) {
        fixture.view.warnings.clear();
        EXPECT_FALSE(fixture.rules->loadBytes(bytes.substr(0, length), "cut.tc")) << length;
        EXPECT_EQ(fixture.view.warnings.size(), 1u) << length;
        EXPECT_TRUE(GameState(fixture) == before) << length;
    }
}

TEST(SavedGame, FlippedBytesEitherLoadWholeOrChangeNothing)
{
    RulesFixture saved;
    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveFiveSnapshots(saved, bytes));

    RulesFixture fixture;
    fixture.start({"Zed", "Yan"});
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> offset(0, bytes.size() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    int loadedCount = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = bytes;
        const int flips = 1 + round % 4;
        for (int f = 0; f < flips; ++f)
            damaged[offset(random)] = static_cast<char>(value(random));
        fixture.rules->goTo(0);
        const GameState before(fixture);
        fixture.view.warnings.clear();
        if (fixture.rules->loadBytes(damaged, "flipped.tc")) {
            ++loadedCount;
            ASSERT_TRUE(fixture.view.warnings.empty()) << round;
            ASSERT_EQ(fixture.rules->players().size(), 3u) << round;
            ASSERT_EQ(fixture.rules->history().size(), 5u) << round;
            ASSERT_EQ(fixture.rules->historyPosition(), 0) << round;
            ASSERT_TRUE(fixture.rules->inProgress()) << round;
        } else {
            ASSERT_FALSE(fixture.view.warnings.empty()) << round;
            ASSERT_TRUE(GameState(fixture) == before) << round;
        }
    }
    EXPECT_GT(loadedCount, 0) << "flips in names or scores still load";
    EXPECT_LT(loadedCount, 3000);
}

TEST(SavedGame, OnlyRegularFilesAreLoadedAsGamesOrTheirLetterSets)
{
    RulesFixture saved;
    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveFiveSnapshots(saved, bytes));

    RulesFixture fixture;
    fixture.start({"Zed", "Yan"});
    const GameState before(fixture);
    ASSERT_EQ(::mkfifo(fixture.dir.file("fifo").c_str(), 0600), 0); // no writer: a read would block
    std::filesystem::create_directory(fixture.dir.file("folder"));

    // The game file itself.
    for (const std::string& name :
         {fixture.dir.file("folder"), fixture.dir.file("fifo"), std::string("/dev/zero")}) {
        fixture.view.warnings.clear();
        EXPECT_FALSE(fixture.rules->load(name)) << name;
        ASSERT_EQ(fixture.view.warnings.size(), 1u) << name;
        EXPECT_EQ(fixture.view.warnings[0], "Can't open " + name + " for reading");
        EXPECT_TRUE(GameState(fixture) == before) << name;
    }

    // The letter set it names: never a set with every letter worth nothing.
    const std::string setName = saved.dir.file("test.set");
    for (const std::string& name :
         {std::string("/dev/zero"), fixture.dir.file("folder"), fixture.dir.file("fifo")}) {
        std::string other = bytes;
        other.replace(other.find(setName), setName.size(), name);
        fixture.view.warnings.clear();
        EXPECT_FALSE(fixture.rules->loadBytes(other, "other.tc")) << name;
        ASSERT_FALSE(fixture.view.warnings.empty()) << name;
        EXPECT_EQ(fixture.view.warnings[0], "Can't open " + name + " for reading");
        EXPECT_TRUE(GameState(fixture) == before) << name;
        EXPECT_EQ(fixture.game->letterSet().entry('Q').value, 10) << name;
    }
}

TEST(SavedGame, HugeTimesBonusesAndScoresAreClampedOnLoad)
{
    RulesFixture saved;
    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveFiveSnapshots(saved, bytes));
    bytes.replace(bytes.find("25 time\n50 bonus\n"), 17, "2147483647 time\n2147483647 bonus\n");
    // Ann's score in the last snapshot's first player record (name at 0, score at 100).
    const std::size_t lastAnn = bytes.rfind(std::string("Ann\0", 4));
    ASSERT_NE(lastAnn, std::string::npos);
    for (int i = 0; i < 4; ++i)
        bytes[lastAnn + 100 + i] = static_cast<char>(i == 3 ? 0x7F : 0xFF);

    RulesFixture fixture;
    ASSERT_TRUE(fixture.rules->loadBytes(bytes, "huge.tc"));
    EXPECT_EQ(fixture.game->bonus(), glyph::Game::kMaxBonus);
    EXPECT_EQ(fixture.game->time(), glyph::Game::kMaxMinutes);
    fixture.rules->goLast();
    EXPECT_EQ(fixture.rules->players()[0].score, glyph::Player::kMaxScore);

    // The clock of a new game from these settings fits in its seconds.
    fixture.start({"Zed", "Yan"});
    EXPECT_EQ(fixture.rules->players()[0].timeLeft, glyph::Game::kMaxMinutes * 60);

    fixture.game->board() = glyph::Board{};
    // A seven-tile move with the clamped bonus scores the bonus on top, never a wrapped sum.
    Move seven = makeMove(true, 8, 4, "CATSDOG");
    fixture.game->computeScore(seven, fixture.game->board());
    EXPECT_GT(seven.score, glyph::Game::kMaxBonus);
}

TEST(SavedGame, AGameThatCouldNotBeLoadedBackIsNeverWritten)
{
    RulesFixture fixture;
    std::vector<std::string> names(glyph::kMaxPlayers + 1, "P");
    std::vector<glyph::Player> seats(names.size());
    EXPECT_FALSE(fixture.rules->start(seats)) << "more seats than a bag can deal to";

    seats.pop_back();
    ASSERT_TRUE(fixture.rules->start(seats));
    const std::string full = fixture.dir.file("full.tc");
    ASSERT_TRUE(fixture.rules->save(full));
    RulesFixture loaded;
    EXPECT_TRUE(loaded.rules->load(full)) << "the largest table loads back";
    EXPECT_EQ(loaded.rules->players().size(), static_cast<std::size_t>(glyph::kMaxPlayers));

    fixture.rules->players().emplace_back();
    const std::string crowded = fixture.dir.file("crowded.tc");
    fixture.view.warnings.clear();
    EXPECT_FALSE(fixture.rules->save(crowded));
    EXPECT_FALSE(std::filesystem::exists(crowded));
    EXPECT_EQ(fixture.view.warnings.size(), 1u);

    fixture.rules->players().pop_back();
    fixture.preferences->setString("GameSetKey", std::string(2000, 's'));
    EXPECT_FALSE(fixture.rules->save(crowded)) << "a name longer than a line the loader reads";
    EXPECT_FALSE(std::filesystem::exists(crowded));
}
