#include <gtest/gtest.h>

#include <array>
#include <set>

#include "base/letterset.h"
#include "engine/bag.h"
#include "engine/player.h"

using namespace glyph;

namespace
{

LetterSet setWithCounts(int perLetter, int jokers = 2)
{
    LetterSet set;
    for (int k = 0; k < kLetterCount - 1; ++k)
        set.entryAt(k) = {1, static_cast<std::int16_t>(perLetter), 0};
    set.entryAt(kLetterCount - 1) = {0, static_cast<std::int16_t>(jokers), 0};
    return set;
}

/// The bag's undrawn tiles agree with its counts and total.
void expectConsistent(const Bag& bag)
{
    std::array<int, kLetterCount> seen{};
    for (int i = bag.next(); i < bag.next() + bag.total(); ++i) {
        const char tile = bag.sequence()[i];
        ASSERT_GE(tile, 'A');
        ASSERT_LE(tile, kJoker);
        ++seen[tile - 'A'];
    }
    int sum = 0;
    for (int k = 0; k < kLetterCount; ++k) {
        EXPECT_EQ(seen[k], bag.count(k)) << "letter index " << k;
        sum += bag.count(k);
    }
    EXPECT_EQ(sum, bag.total());
}

} // namespace

TEST(Bag, FillGivesSequenceMatchingTheCounts)
{
    Bag bag;
    bag.fillFromLetterSet(setWithCounts(3));
    EXPECT_EQ(bag.total(), 80);
    EXPECT_EQ(bag.next(), 0);
    EXPECT_EQ(bag.sequence()[80], 0);
    expectConsistent(bag);
}

TEST(Bag, DrawTakesTilesInSequenceOrderAndStopsWhenEmpty)
{
    Bag bag;
    LetterSet set;
    set.entryAt(0) = {1, 2, 1};
    set.entryAt(1) = {3, 1, 0};
    bag.fillFromLetterSet(set);
    const std::string expected(bag.sequence().data(), 3);
    const std::string drawn = bag.draw(7);
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(bag.total(), 0);
    EXPECT_EQ(bag.count(0), 0);
    EXPECT_EQ(bag.count(1), 0);
    EXPECT_EQ(bag.draw(7), "");
}

TEST(Bag, DrawIsCappedAtTwentyNineAndIgnoresNegativeRequests)
{
    Bag bag;
    bag.fillFromLetterSet(setWithCounts(4));
    EXPECT_EQ(bag.draw(40).size(), 29u);
    EXPECT_EQ(bag.total(), 106 - 29);
    EXPECT_EQ(bag.draw(-3), "");
    EXPECT_EQ(bag.total(), 77);
    expectConsistent(bag);
}

TEST(Bag, ReturnAndRemoveIgnoreCodesOutsideTheTiles)
{
    Bag bag;
    bag.fillFromLetterSet(setWithCounts(1, 1));
    const std::string before(bag.sequence().data(), bag.total());
    bag.returnTile('\\');
    bag.returnTile('a');
    bag.returnTile('@');
    bag.returnTile(0);
    EXPECT_EQ(bag.total(), 27);
    EXPECT_EQ(std::string(bag.sequence().data(), bag.total()), before);
    EXPECT_FALSE(bag.removeTile('\\'));
    EXPECT_FALSE(bag.removeTile('z'));
    EXPECT_FALSE(bag.removeTile(0));
    EXPECT_EQ(bag.total(), 27);
}

TEST(Bag, SequenceMatchesCountsAfterEveryRebuild)
{
    Bag bag;
    bag.fillFromLetterSet(setWithCounts(2));
    bag.draw(5);
    bag.returnTile('Q');
    expectConsistent(bag);
    EXPECT_EQ(bag.next(), 0);
    EXPECT_EQ(bag.total(), 50);
    const int jokers = bag.count(kLetterCount - 1); // the draw may have taken some
    for (int i = 0; i < jokers; ++i)
        EXPECT_TRUE(bag.removeTile(kJoker));
    EXPECT_FALSE(bag.removeTile(kJoker));
    expectConsistent(bag);
    EXPECT_EQ(bag.count(kLetterCount - 1), 0);
    EXPECT_EQ(bag.total(), 50 - jokers);
}

TEST(Bag, RebuildsShuffleDifferently)
{
    Bag bag;
    bag.fillFromLetterSet(setWithCounts(4));
    std::set<std::string> orders;
    for (int i = 0; i < 5; ++i) {
        bag.rebuild();
        orders.insert(std::string(bag.sequence().data(), bag.total()));
    }
    EXPECT_GT(orders.size(), 1u);
}

TEST(Bag, SetOfMoreThanAThousandTilesFillsNineHundredNinetyNine)
{
    Bag bag;
    bag.fillFromLetterSet(setWithCounts(40, 0)); // 1,040 tiles
    EXPECT_EQ(bag.total(), Bag::kMaxTiles);
    expectConsistent(bag);
    bag.returnTile('A');
    EXPECT_EQ(bag.total(), Bag::kMaxTiles);
    expectConsistent(bag);
    bag.draw(29);
    EXPECT_EQ(bag.total(), Bag::kMaxTiles - 29);
    expectConsistent(bag);
}

TEST(Bag, RecomputeFromBoardRemovesRacksAndBoardTiles)
{
    LetterSet set;
    set.entryAt('C' - 'A') = {3, 2, 0};
    set.entryAt('A' - 'A') = {1, 3, 1};
    set.entryAt('T' - 'A') = {1, 2, 0};
    set.entryAt(kLetterCount - 1) = {0, 2, 0};
    std::vector<Player> players(2);
    players[0].setRack("CA[");
    players[1].setRack("TX"); // X is not in the set: nothing to remove
    Board board{};
    board[8][8] = {'C', 0};
    board[8][9] = {'A', 1};   // a joker standing for A
    board[20][20] = {'T', 0}; // outside a 15 x 15 board
    Bag bag;
    bag.recomputeFromBoard(set, players, board, 15, 15);
    EXPECT_EQ(bag.count('C' - 'A'), 0);
    EXPECT_EQ(bag.count('A' - 'A'), 2);
    EXPECT_EQ(bag.count('T' - 'A'), 1);
    EXPECT_EQ(bag.count(kLetterCount - 1), 0);
    EXPECT_EQ(bag.total(), 3);
    expectConsistent(bag);
}

TEST(Bag, ImageRoundTrips)
{
    Bag bag;
    bag.fillFromLetterSet(setWithCounts(2));
    bag.draw(4);
    std::array<std::uint8_t, Bag::kImageSize> image{};
    bag.writeImage(image.data());
    Bag copy;
    ASSERT_TRUE(copy.readImage(image.data()));
    EXPECT_EQ(copy.total(), bag.total());
    EXPECT_EQ(copy.next(), bag.next());
    EXPECT_EQ(copy.sequence(), bag.sequence());
    EXPECT_EQ(copy.draw(29), bag.draw(29));
}

TEST(Bag, InconsistentImagesAreRejectedAndLeaveTheBagAlone)
{
    Bag source;
    source.fillFromLetterSet(setWithCounts(1, 0));
    std::array<std::uint8_t, Bag::kImageSize> good{};
    source.writeImage(good.data());
    Bag bag;
    bag.fillFromLetterSet(setWithCounts(3));
    const std::string before(bag.sequence().data(), bag.total());

    auto corrupt = [&](auto change) {
        auto image = good;
        change(image);
        EXPECT_FALSE(bag.readImage(image.data()));
        EXPECT_EQ(bag.total(), 80);
        EXPECT_EQ(std::string(bag.sequence().data(), bag.total()), before);
    };
    corrupt([](auto& im) { im[0] = 0xE8, im[1] = 0x03; }); // total 1,000
    corrupt([](auto& im) { im[3] = 0x80; });               // negative total
    corrupt([](auto& im) { im[4 + 27 * 4] = 0xE0; });      // next beyond the sequence
    corrupt([](auto& im) { im[4] += 1; });                 // count disagrees with the tiles
    corrupt([](auto& im) { im[4 + 28 * 4] = 'a'; });       // tile code outside the letters
    corrupt([](auto& im) { im[4 + 27 * 4 + 3] = 0xFF; });  // negative next
    ASSERT_TRUE(bag.readImage(good.data()));
    EXPECT_EQ(bag.total(), 26);
}
