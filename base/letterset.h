#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/board.h"

namespace glyph
{

class WarningSink;

/// Per letter ('A'..'Z', then the joker) the tiles a full bag holds, their value and the
/// vowel flag, read from a ".set" file of 27 lines "count value vowel".
class LetterSet
{
public:
    struct Entry {
        std::int16_t value = 0;
        std::int16_t count = 0;
        std::uint8_t vowel = 0;
    };

    /// Largest set file read: 27 lines of at most 1,024 characters, with room to spare.
    static constexpr int kMaxFileBytes = 64 * 1024;
    /// Largest tile value, either sign: a seven-tile move across a whole line of tiles of
    /// such values, times every multiplier, stays far inside an int.
    static constexpr int kMaxValue = 1000;

    /// Zeroes every entry.
    void clear();
    /// Zeroes the set, then reads the file; false after "Can't open %s for reading" (also for
    /// a name that is not a regular file of at most kMaxFileBytes). Values are clamped to
    /// -kMaxValue..kMaxValue.
    bool load(const std::string& fileName, WarningSink& warnings);

    /// Entry of a letter code 'A'..'['; codes outside that range give a zero entry.
    const Entry& entry(char code) const;
    Entry& entryAt(int index) { return m_entries[index]; }
    const Entry& entryAt(int index) const { return m_entries[index]; }

private:
    std::array<Entry, kLetterCount> m_entries{};
};

} // namespace glyph
