// The fixed-size records a saved game is made of: a player and a move, written little-endian
// and read back only when every field is sound.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "engine/move.h"
#include "engine/player.h"
#include "support/rulesfixture.h"

using glyph::Move;
using glyph::Player;
using glyph::test::makeMove;

TEST(Player, TextFieldsKeepTheirTerminatorAndScoresStayInsideTheirBounds)
{
    Player player;
    player.setName(std::string(80, 'N'));
    EXPECT_EQ(std::strlen(player.name), 49u);
    player.score = Player::kMaxScore - 5;
    player.addScore(Player::kMaxScore);
    EXPECT_EQ(player.score, Player::kMaxScore);
    player.addScore(-(Player::kMaxScore / 2) * 3);
    EXPECT_EQ(player.score, -Player::kMaxScore / 2);
    player.addScore(-Player::kMaxScore);
    EXPECT_EQ(player.score, -Player::kMaxScore);
}

TEST(Player, ImageIsLittleEndianAndClampsOrRejectsWhatAFileMayHold)
{
    Player player;
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
