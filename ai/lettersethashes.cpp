#include "ai/lettersethashes.h"

namespace glyph
{

namespace
{

std::uint64_t keyOf(std::uint64_t hash)
{
    return hash == 0 ? 1 : hash;
}

/// About eight filter bits per hash: one letter set in eight that is not held gets past the
/// filter to the slots.
constexpr std::size_t kFilterBitsPerHash = 8;

} // namespace

std::uint64_t LetterSetHashes::letterHash(int code)
{
    // Fixed odd multipliers spread by a 64-bit mix: the hash of a word's letters is the sum
    // of its letters' hashes, whatever their order.
    std::uint64_t x = 0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(code + 1);
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 29;
    return x | 1u;
}

void LetterSetHashes::assign(const std::vector<std::uint64_t>& hashes)
{
    std::size_t size = 64;
    while (size < 2 * hashes.size())
        size *= 2;
    m_slots.assign(size, 0);
    for (std::uint64_t hash : hashes) {
        const std::uint64_t key = keyOf(hash);
        std::size_t slot = static_cast<std::size_t>(key >> 7) & (size - 1);
        while (m_slots[slot] != 0 && m_slots[slot] != key)
            slot = (slot + 1) & (size - 1);
        m_slots[slot] = key;
    }
    std::size_t bits = 64;
    m_filterShift = 58;
    while (bits < kFilterBitsPerHash * hashes.size()) {
        bits *= 2;
        --m_filterShift;
    }
    m_filter.assign(bits / 64, 0);
    for (std::uint64_t hash : hashes) {
        const std::uint64_t place = keyOf(hash) >> m_filterShift;
        m_filter[place / 64] |= std::uint64_t{1} << (place % 64);
    }
}

bool LetterSetHashes::holds(std::uint64_t hash) const
{
    const std::uint64_t key = keyOf(hash);
    if (m_slots.empty())
        return false;
    // The filter's place is the hash's top bits, the slot its middle ones.
    const std::uint64_t place = key >> m_filterShift;
    if ((m_filter[place / 64] >> (place % 64) & 1u) == 0)
        return false;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = static_cast<std::size_t>(key >> 7) & mask; m_slots[slot] != 0;
         slot = (slot + 1) & mask)
        if (m_slots[slot] == key)
            return true;
    return false;
}

} // namespace glyph
