#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "preferences/windowlimits.h"

using glyph::windowlimits::boundFontPoints;
using glyph::windowlimits::fitToScreen;
using glyph::windowlimits::Rectangle;

TEST(WindowLimits, AStoredGeometryEndsWhollyOnTheScreenAndStoredFontSizesStayReadable)
{
    std::mt19937 random(28);
    const int extremes[] = {INT_MIN, -100000, -1, 0, 1, 300, 5000, INT_MAX};
    auto any = [&]() {
        return random() % 3 == 0 ? extremes[random() % 8] : static_cast<int>(random() % 4000) - 1000;
    };
    // Wholly on the screen and at least the minimum size.
    auto fits = [](const Rectangle& r, const Rectangle& screen) {
        return r.width >= 100 && r.height >= 80 && r.x >= screen.x && r.y >= screen.y &&
               static_cast<long long>(r.x) + r.width <= static_cast<long long>(screen.x) + screen.width &&
               static_cast<long long>(r.y) + r.height <= static_cast<long long>(screen.y) + screen.height;
    };
    for (int round = 0; round < 20000; ++round) {
        const Rectangle screen{
            static_cast<int>(random() % 3000) - 1000, static_cast<int>(random() % 3000) - 1000,
            200 + static_cast<int>(random() % 3000), 200 + static_cast<int>(random() % 2000)};
        const Rectangle stored{any(), any(), any(), any()};
        const Rectangle fitted = fitToScreen(stored, screen, 100, 80);
        ASSERT_TRUE(fits(fitted, screen)) << round;
        if (fits(stored, screen)) {
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
    // Stored font sizes stay readable.
    EXPECT_EQ(boundFontPoints(INT_MAX), glyph::windowlimits::kMaxFontPoints);
    EXPECT_EQ(boundFontPoints(INT_MIN), glyph::windowlimits::kMinFontPoints);
    EXPECT_EQ(boundFontPoints(0), glyph::windowlimits::kMinFontPoints);
    EXPECT_EQ(boundFontPoints(11), 11);
}
