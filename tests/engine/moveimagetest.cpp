#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "engine/move.h"
#include "support/rulesfixture.h"

using glyph::Move;
using glyph::test::makeMove;

namespace
{

std::array<std::uint8_t, Move::kImageSize> imageOf(const Move& move)
{
    std::array<std::uint8_t, Move::kImageSize> image{};
    move.writeImage(image.data());
    return image;
}

} // namespace

TEST(MoveImage, LaysOutFieldsLittleEndianInSixtyEightBytes)
{
    Move move = makeMove(false, 8, 4, "C[T", "A", 0x01020304);
    const auto image = imageOf(move);
    EXPECT_EQ(image[0], 0);
    EXPECT_EQ(image[1], 4);
    EXPECT_EQ(image[2], 8);
    EXPECT_EQ(image[3], 0);
    EXPECT_EQ(image[4], 0x04);
    EXPECT_EQ(image[5], 0x03);
    EXPECT_EQ(image[6], 0x02);
    EXPECT_EQ(image[7], 0x01);
    EXPECT_EQ(std::memcmp(image.data() + 8, "C[T\0", 4), 0);
    EXPECT_EQ(std::memcmp(image.data() + 38, "A\0", 2), 0);
}

TEST(MoveImage, PassRecordRoundTripsWithNegativeCoordinates)
{
    const auto image = imageOf(Move{});
    EXPECT_EQ(image[1], 0xFF);
    Move read = makeMove(true, 3, 3, "AT");
    ASSERT_TRUE(read.readImage(image.data()));
    EXPECT_TRUE(read.isPass());
    EXPECT_EQ(read.col, -1);
    EXPECT_EQ(read.lin, -1);
    EXPECT_EQ(read.horiz, 1);
    EXPECT_EQ(imageOf(read), image);
}

TEST(MoveImage, ReadingRestoresEveryFieldAndIgnoresTheReservedByte)
{
    const Move move = makeMove(true, 15, 1, "[O[S", "DG", -7);
    auto image = imageOf(move);
    image[3] = 0x5A;
    Move read;
    ASSERT_TRUE(read.readImage(image.data()));
    EXPECT_EQ(read.horiz, 1);
    EXPECT_EQ(read.lin, 15);
    EXPECT_EQ(read.col, 1);
    EXPECT_EQ(read.score, -7);
    EXPECT_STREQ(read.word, "[O[S");
    EXPECT_STREQ(read.jokers, "DG");
}

TEST(MoveImage, RejectsDamagedImagesAndKeepsTheMove)
{
    const Move good = makeMove(true, 8, 8, "C[T", "A", 10);
    struct Damage {
        const char* what;
        int offset;
        std::uint8_t value;
    };
    const Damage damages[] = {
        {"word without terminator", 8 + 3, 'S'}, // fills the rest below
        {"lower-case letter in word", 8, 'c'},     {"joker letter that is a joker", 38, '['},
        {"more jokers than letters", 38 + 1, 'B'}, {"fewer jokers than letters", 38, 0},
    };
    for (const Damage& damage : damages) {
        auto image = imageOf(good);
        image[damage.offset] = damage.value;
        if (damage.offset == 8 + 3)
            std::memset(image.data() + 8, 'S', 30);
        Move read = makeMove(false, 1, 2, "GO", "", 3);
        EXPECT_FALSE(read.readImage(image.data())) << damage.what;
        EXPECT_STREQ(read.word, "GO") << damage.what;
        EXPECT_EQ(read.score, 3) << damage.what;
    }
}
