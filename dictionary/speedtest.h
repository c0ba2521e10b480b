#pragma once

#include <cstdint>
#include <string>

namespace glyph
{

class Dictionary;

/// The lookup speed test: how many words per second a walk of the dictionary delivers, measured
/// once per timer tick, with the running average.
class SpeedTest
{
public:
    /// Shortest time one measurement walks the dictionary for.
    static constexpr int kMeasureMs = 100;

    explicit SpeedTest(const Dictionary& dictionary) : m_dictionary(dictionary) {}

    /// One timer tick: measures, adds the rate to the average and returns the message to show.
    std::string tick();
    /// Walks the dictionary (without callback) until kMeasureMs have passed; returns words/s.
    double measureRate() const;
    /// Counts one measured rate into the average.
    void addRate(double rate);
    /// " Current %s words/s \n Average %s words/s \n %s" with the rates written with thousands
    /// separators and the dictionary's file name.
    std::string message(double currentRate) const;

    std::int32_t runs() const { return m_runs; }
    double rateSum() const { return m_rateSum; }
    /// rateSum / runs, or 0 before the first measurement.
    double average() const;

private:
    const Dictionary& m_dictionary;
    std::int32_t m_runs = 0;
    double m_rateSum = 0.0;
};

} // namespace glyph
