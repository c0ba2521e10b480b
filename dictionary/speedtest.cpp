#include "dictionary/speedtest.h"

#include <chrono>

#include "base/letters.h"
#include "dictionary/dictionary.h"

namespace glyph
{

namespace
{

constexpr double kMillisecondsPerSecond = 1000.0;

/// A rate cut to a whole number; negative or non-finite rates show as 0.
unsigned long long wholeRate(double rate)
{
    constexpr double kLargest = 1.8e19;
    if (!(rate > 0.0))
        return 0;
    return rate >= kLargest ? static_cast<unsigned long long>(kLargest)
                            : static_cast<unsigned long long>(rate);
}

} // namespace

std::string SpeedTest::tick()
{
    const double rate = measureRate();
    addRate(rate);
    return message(rate);
}

double SpeedTest::measureRate() const
{
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    std::int64_t elapsedMs = 0;
    std::uint64_t walks = 0;
    // The time is checked before each walk, so the last walk may end well after the limit.
    while (
        (elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count()) <
        kMeasureMs) {
        if (m_dictionary.wordCount() != 0)
            m_dictionary.forEachWord(nullptr, nullptr);
        ++walks;
    }
    const double words = static_cast<double>(m_dictionary.wordCount()) * static_cast<double>(walks);
    return words * kMillisecondsPerSecond / static_cast<double>(elapsedMs);
}

void SpeedTest::addRate(double rate)
{
    ++m_runs;
    m_rateSum += rate;
}

double SpeedTest::average() const
{
    return m_runs == 0 ? 0.0 : m_rateSum / m_runs;
}

std::string SpeedTest::message(double currentRate) const
{
    const std::string current = letters::withThousands(wholeRate(currentRate));
    const std::string average = letters::withThousands(wholeRate(this->average()));
    return " Current " + current + " words/s \n Average " + average + " words/s \n " +
           m_dictionary.fileName();
}

} // namespace glyph
