#include <gtest/gtest.h>

#include <array>
#include <random>
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
        ASSERT_TRUE(tile >= 'A' && tile <= kJoker) << int(tile);
        ++seen[tile - 'A'];
    }
    for (int k = 0; k < kLetterCount; ++k)
        EXPECT_EQ(seen[k], bag.count(k)) << "letter index " << k;
}

} // namespace

TEST(Bag, RandomDrawsReturnsAndRemovalsKeepTilesCountsAndTotalInStep)
{
    std::mt19937 random(7);
    for (const int perLetter : {0, 1, 3, 40}) { // 40 per letter: more than the 999 tiles a bag holds
        Bag bag;
        bag.fillFromLetterSet(setWithCounts(perLetter));
        int expected = std::min(26 * perLetter + 2, Bag::kMaxTiles);
        ASSERT_EQ(bag.total(), expected);
        expectConsistent(bag);
        for (int step = 0; step < 200; ++step) {
            const int wanted = static_cast<int>(random() % 40) - 5;
            const char code = static_cast<char>('@' + random() % 29); // '@' and '\\' are no tiles
            switch (random() % 3) {
            case 0: { // the undrawn tiles in sequence order
                const int drawn = std::min({std::max(wanted, 0), Bag::kMaxDraw, expected});
                const std::string undrawn(bag.sequence().data() + bag.next(), drawn);
                EXPECT_EQ(bag.draw(wanted), undrawn) << wanted;
                expected -= drawn;
                break;
            }
            case 1:
                bag.returnTile(code);
                expected += code >= 'A' && code <= kJoker && expected < Bag::kMaxTiles ? 1 : 0;
                break;
            default:
                expected -= bag.removeTile(code) ? 1 : 0;
            }
            ASSERT_EQ(bag.total(), expected) << step;
            expectConsistent(bag);
        }
    }
    // Rebuilding shuffles the tiles.
    Bag bag;
    bag.fillFromLetterSet(setWithCounts(4));
    std::set<std::string> orders;
    for (int i = 0; i < 5; ++i, bag.rebuild())
        orders.insert(std::string(bag.sequence().data(), bag.total()));
    EXPECT_GT(orders.size(), 1u);
}

TEST(Bag, RecomputeFromBoardRemovesRacksAndBoardTilesJokersAsJokers)
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
    board[15][1] = {'C', 0};  // the last row and column count
    board[1][15] = {'A', 1};  // a joker standing for A
    board[16][15] = {'T', 0}; // outside a 15 x 15 board
    Bag bag;
    bag.recomputeFromBoard(set, players, board, 15, 15);
    EXPECT_EQ(bag.count('C' - 'A'), 0);
    EXPECT_EQ(bag.count('A' - 'A'), 2);
    EXPECT_EQ(bag.count('T' - 'A'), 1);
    EXPECT_EQ(bag.count(kLetterCount - 1), 0);
    EXPECT_EQ(bag.total(), 3);
    expectConsistent(bag);
}

TEST(Bag, ImageRoundTripsAndInconsistentImagesLeaveTheBagAlone)
{
    Bag source;
    source.fillFromLetterSet(setWithCounts(1, 0));
    source.draw(4);
    std::array<std::uint8_t, Bag::kImageSize> good{};
    source.writeImage(good.data());
    Bag bag;
    bag.fillFromLetterSet(setWithCounts(3));
    const std::string before(bag.sequence().data(), bag.total());

    auto corrupt = [&](auto change) {
        auto image = good;
        change(image);
        EXPECT_FALSE(bag.readImage(image.data()));
        EXPECT_EQ(std::string(bag.sequence().data(), bag.total()), before);
    };
    corrupt([](auto& im) { im[0] = 0xE8, im[1] = 0x03; }); // total 1,000
    corrupt([](auto& im) { im[3] = 0x80; });               // negative total
    corrupt([](auto& im) { im[4 + 27 * 4] = 0xE0; });      // next beyond the sequence
    corrupt([](auto& im) { im[4] += 1; });                 // count disagrees with the tiles
    corrupt([](auto& im) { im[4 + 28 * 4 + 4] = 'a'; });   // tile code outside the letters
    corrupt([](auto& im) { im[4 + 27 * 4 + 3] = 0xFF; });  // negative next
    // The undrawn tiles (from the next index, total of them) must lie within the 999 a bag holds,
    // although the sequence has room for 1,000: here one A at index 999, as the counts say.
    std::array<std::uint8_t, Bag::kImageSize> pastTheEnd{};
    pastTheEnd[0] = 1;                                                // total 1
    pastTheEnd[4] = 1;                                                // one A
    pastTheEnd[4 + 27 * 4] = 0xE7, pastTheEnd[4 + 27 * 4 + 1] = 0x03; // next 999
    pastTheEnd[Bag::kImageSize - 1] = 'A';
    EXPECT_FALSE(bag.readImage(pastTheEnd.data()));
    ASSERT_TRUE(bag.readImage(good.data()));
    EXPECT_EQ(bag.next(), source.next());
    EXPECT_EQ(bag.sequence(), source.sequence());
    EXPECT_EQ(bag.draw(29), source.draw(29));
}
