#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "dictionary/speedtest.h"
#include "support/searchfixture.h"

using glyph::SpeedTest;

class SpeedTestTest : public glyph::test::DictionaryFixture
{
};

TEST_F(SpeedTestTest, AverageOfThreeRatesIsShownWithThousandsSeparators)
{
    loadWords({"CAT"});
    SpeedTest test(dictionary);
    test.addRate(1000000.0);
    test.addRate(1200000.0);
    test.addRate(1100000.0);
    EXPECT_EQ(test.runs(), 3);
    EXPECT_DOUBLE_EQ(test.rateSum(), 3300000.0);
    EXPECT_EQ(test.message(1100000.9), " Current 1,100,000 words/s \n Average 1,100,000 words/s \n " + path);
}

TEST_F(SpeedTestTest, EmptyDictionaryMeasuresZeroWordsPerSecond)
{
    loadWords({});
    SpeedTest test(dictionary);
    EXPECT_EQ(test.tick(), " Current 0 words/s \n Average 0 words/s \n " + path);
    EXPECT_EQ(test.runs(), 1);
    EXPECT_EQ(test.rateSum(), 0.0);
}

TEST_F(SpeedTestTest, TickMeasuresForAtLeastTheMeasuringTimeAndCountsTheRun)
{
    loadWords({"A", "AN", "ANT", "CAT", "DOG"});
    SpeedTest test(dictionary);
    const auto started = std::chrono::steady_clock::now();
    const std::string message = test.tick();
    const auto elapsed = std::chrono::steady_clock::now() - started;
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), SpeedTest::kMeasureMs);
    EXPECT_EQ(test.runs(), 1);
    EXPECT_GT(test.rateSum(), 0.0);
    EXPECT_EQ(message.rfind(" Current ", 0), 0u);
    EXPECT_NE(message.find(" words/s \n Average "), std::string::npos);
    test.tick();
    EXPECT_EQ(test.runs(), 2);
    EXPECT_DOUBLE_EQ(test.average(), test.rateSum() / 2);
}
