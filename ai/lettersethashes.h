#pragma once

#include <cstdint>
#include <vector>

namespace glyph
{

/// A set of words known only by the letters they hold, whatever their order: each word is
/// its hash, the sum of its letters' hashes. Two letter sets that share a hash are taken for
/// each other, which only makes an answer of "held" less sure, never one of "not held".
class LetterSetHashes
{
public:
    /// The hash of one letter (0 = 'A'); a word's hash is the sum over its letters.
    static std::uint64_t letterHash(int code);

    /// Replaces the set with the given word hashes.
    void assign(const std::vector<std::uint64_t>& hashes);
    bool empty() const { return m_slots.empty(); }
    void clear()
    {
        m_slots.clear();
        m_filter.clear();
    }
    /// Whether some word of the set has this hash.
    bool holds(std::uint64_t hash) const;

private:
    /// Open addressing, at most half full; 0 marks an empty slot, so hash 0 is stored as 1.
    std::vector<std::uint64_t> m_slots;
    /// One bit per filter place, set for each hash of the set: most letter sets asked about are
    /// not held, and this table, a fraction of the slots' size, stays in the cache where the
    /// slots do not.
    std::vector<std::uint64_t> m_filter;
    int m_filterShift = 64;
};

} // namespace glyph
