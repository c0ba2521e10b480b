#pragma once

#include <cstdint>

#include "dictionary/dictionary.h"

namespace glyph
{

/// Checks a node array read from a file before anyone walks it, so that lookups, walks and the
/// move generator can follow child indexes without bounding every step.
class DawgValidator
{
public:
    /// Deepest path below the root that a sound array may hold (the walk's buffer size).
    static constexpr std::uint32_t kMaxDepth = 39;

    /// True when entry 0 leads to the list at index 1 and every reachable list ascends strictly
    /// through letters A-Z and ends inside the array, every child index is inside it, no path
    /// loops, no path is deeper than kMaxDepth letters and the graph does not expand to a tree
    /// larger than the builder's pool could hold.
    static bool isSound(const DawgNode* nodes, std::uint32_t count);
};

} // namespace glyph
