#pragma once

#include <cstdint>
#include <random>

namespace glyph
{

/// The uniform random generator of the program, one per thread, each seeded from the system's
/// entropy source and the clock, so that two rebuilds within a second shuffle differently.
namespace random
{

/// The calling thread's generator (seeded on first use).
std::mt19937& generator();
/// Seeds the generator afresh from the entropy source and the clock.
void reseed();
/// Seeds the generator with a fixed value, for repeatable runs.
void seed(std::uint32_t value);
/// A number drawn uniformly from low to high, both included (low <= high).
int uniform(int low, int high);

} // namespace random
} // namespace glyph
