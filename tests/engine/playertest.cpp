#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "engine/player.h"

using glyph::Player;

TEST(Player, SettersCutTextToLeaveTheTerminator)
{
    Player player;
    player.setName(std::string(80, 'N'));
    EXPECT_EQ(std::strlen(player.name), 49u);
    player.setName("Ann");
    EXPECT_STREQ(player.name, "Ann");
    EXPECT_EQ(player.name[3], 0);
    EXPECT_EQ(player.name[49], 0);
    player.setProfile("Profiles/Strong.cpu");
    EXPECT_TRUE(player.isComputer());
    player.setProfile("");
    EXPECT_FALSE(player.isComputer());
    player.setRack("ABC[");
    EXPECT_STREQ(player.rack, "ABC[");
}

TEST(Player, ImageRoundTripsWithLittleEndianNumbers)
{
    Player player;
    player.setName("Computer One");
    player.setProfile("Greedy.cpu");
    player.score = 0x01020304;
    player.timeLeft = -2;
    player.setRack("QU[ZE");
    std::array<std::uint8_t, Player::kImageSize> image{};
    player.writeImage(image.data());
    EXPECT_EQ(std::memcmp(image.data(), "Computer One", 12), 0);
    EXPECT_EQ(std::memcmp(image.data() + 50, "Greedy.cpu", 10), 0);
    EXPECT_EQ(image[100], 0x04);
    EXPECT_EQ(image[103], 0x01);
    EXPECT_EQ(image[104], 0xFE);
    EXPECT_EQ(image[107], 0xFF);
    EXPECT_EQ(std::memcmp(image.data() + 108, "QU[ZE", 6), 0);

    Player copy;
    ASSERT_TRUE(copy.readImage(image.data()));
    EXPECT_STREQ(copy.name, "Computer One");
    EXPECT_STREQ(copy.profile, "Greedy.cpu");
    EXPECT_EQ(copy.score, 0x01020304);
    EXPECT_EQ(copy.timeLeft, -2);
    EXPECT_STREQ(copy.rack, "QU[ZE");
}

TEST(Player, ImagesWithUnterminatedOrBadFieldsAreRejected)
{
    Player player;
    player.setName("Ann");
    player.setRack("AB");
    std::array<std::uint8_t, Player::kImageSize> good{};
    player.writeImage(good.data());

    Player target;
    target.setName("Kept");
    auto expectRejected = [&](auto change) {
        auto image = good;
        change(image);
        EXPECT_FALSE(target.readImage(image.data()));
        EXPECT_STREQ(target.name, "Kept");
    };
    expectRejected([](auto& im) { std::memset(im.data(), 'x', 50); });
    expectRejected([](auto& im) { std::memset(im.data() + 50, 'x', 50); });
    expectRejected([](auto& im) { std::memset(im.data() + 108, 'A', 32); });
    expectRejected([](auto& im) { im[109] = 'b'; });
    expectRejected([](auto& im) { im[108] = '\\'; });
}

TEST(Player, ScoresAndClocksStayInsideTheirBounds)
{
    Player player;
    player.score = Player::kMaxScore - 5;
    player.addScore(Player::kMaxScore);
    EXPECT_EQ(player.score, Player::kMaxScore);
    player.addScore(-(Player::kMaxScore / 2) * 3);
    EXPECT_EQ(player.score, -Player::kMaxScore / 2);
    player.addScore(-Player::kMaxScore);
    player.addScore(-Player::kMaxScore);
    EXPECT_EQ(player.score, -Player::kMaxScore);

    // An image from a file with the extreme 32-bit values reads back clamped.
    std::array<std::uint8_t, Player::kImageSize> image{};
    Player extreme;
    extreme.score = INT32_MAX;
    extreme.timeLeft = INT32_MIN;
    extreme.writeImage(image.data());
    Player read;
    ASSERT_TRUE(read.readImage(image.data()));
    EXPECT_EQ(read.score, Player::kMaxScore);
    EXPECT_EQ(read.timeLeft, -Player::kMaxSeconds);
    read.addScore(INT32_MAX);
    EXPECT_EQ(read.score, Player::kMaxScore);
}
