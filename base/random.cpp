#include "base/random.h"

#include <chrono>

namespace glyph::random
{

namespace
{

std::uint32_t freshSeed()
{
    std::random_device device;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return device() ^ static_cast<std::uint32_t>(ticks) ^ static_cast<std::uint32_t>(ticks >> 32);
}

} // namespace

std::mt19937& generator()
{
    // One per thread: games played at once on several threads each draw their own.
    thread_local std::mt19937 engine(freshSeed());
    return engine;
}

void reseed()
{
    generator().seed(freshSeed());
}

void seed(std::uint32_t value)
{
    generator().seed(value);
}

int uniform(int low, int high)
{
    std::uniform_int_distribution<int> distribution(low, high);
    return distribution(generator());
}

} // namespace glyph::random
