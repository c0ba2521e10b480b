#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "preferences/windowlimits.h"

using glyph::windowlimits::boundFontPoints;
using glyph::windowlimits::fitToScreen;
using glyph::windowlimits::Rectangle;

TEST(WindowLimits, AStoredGeometryEndsWhollyOnTheScreenAndOneThatFitsStaysAsItIs)
{
    std::mt19937 random(28);
    const int extremes[] = {INT_MIN, -100000, -1, 0, 1, 300, 5000, INT_MAX};
    auto any = [&]() {
        return random() % 3 == 0 ? extremes[random() % 8] : static_cast<int>(random() % 4000) - 1000;
    };
    for (int round = 0; round < 20000; ++round) {
        const Rectangle screen{
            static_cast<int>(random() % 3000) - 1000, static_cast<int>(random() % 3000) - 1000,
            200 + static_cast<int>(random() % 3000), 200 + static_cast<int>(random() % 2000)};
        const Rectangle stored{any(), any(), any(), any()};
        const Rectangle fitted = fitToScreen(stored, screen, 100, 80);
        EXPECT_GE(fitted.x, screen.x);
        EXPECT_GE(fitted.y, screen.y);
        EXPECT_GE(fitted.width, 100);
        EXPECT_GE(fitted.height, 80);
        EXPECT_LE(static_cast<long long>(fitted.x) + fitted.width,
                  static_cast<long long>(screen.x) + screen.width);
        EXPECT_LE(static_cast<long long>(fitted.y) + fitted.height,
                  static_cast<long long>(screen.y) + screen.height);
        const bool fits = stored.width >= 100 && stored.height >= 80 && stored.x >= screen.x &&
                          stored.y >= screen.y &&
                          static_cast<long long>(stored.x) + stored.width <=
                              static_cast<long long>(screen.x) + screen.width &&
                          static_cast<long long>(stored.y) + stored.height <=
                              static_cast<long long>(screen.y) + screen.height;
        if (fits) {
            EXPECT_EQ(fitted, stored);
        }
    }
    // The window of the report: the whole screen, from its corner.
    EXPECT_EQ(fitToScreen({0, 0, INT_MAX, INT_MAX}, {0, 0, 1920, 1080}, 100, 80),
              (Rectangle{0, 0, 1920, 1080}));
    EXPECT_EQ(fitToScreen({INT_MIN, INT_MIN, 800, 600}, {0, 0, 1920, 1080}, 100, 80),
              (Rectangle{0, 0, 800, 600}));
    // A screen smaller than the minimum gets the whole screen.
    EXPECT_EQ(fitToScreen({5, 5, 900, 900}, {0, 0, 50, 40}, 100, 80), (Rectangle{0, 0, 50, 40}));
}

TEST(WindowLimits, FontSizesStayReadable)
{
    EXPECT_EQ(boundFontPoints(INT_MAX), glyph::windowlimits::kMaxFontPoints);
    EXPECT_EQ(boundFontPoints(INT_MIN), glyph::windowlimits::kMinFontPoints);
    EXPECT_EQ(boundFontPoints(0), glyph::windowlimits::kMinFontPoints);
    EXPECT_EQ(boundFontPoints(11), 11);
}
