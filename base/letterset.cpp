#include "base/letterset.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "base/regularfile.h"
#include "base/textscan.h"
#include "base/warningsink.h"

namespace glyph
{

namespace
{

/// Reads "count value vowel" from one line; false unless all three numbers are there and
/// count and value fit in 16 bits. Text after the third number is ignored. The value is
/// clamped to what scoring can add up without overflow.
bool parseLine(std::string_view line, LetterSet::Entry& entry)
{
    int count = 0;
    int value = 0;
    int vowel = 0;
    if (!textscan::readInt(line, count) || !textscan::readInt(line, value) || !textscan::readInt(line, vowel))
        return false;
    constexpr int kMin16 = std::numeric_limits<std::int16_t>::min();
    constexpr int kMax16 = std::numeric_limits<std::int16_t>::max();
    if (count < kMin16 || count > kMax16 || value < kMin16 || value > kMax16)
        return false;
    // A negative count would unbalance the bag; it means no tiles of the letter.
    entry.count = static_cast<std::int16_t>(count < 0 ? 0 : count);
    entry.value = static_cast<std::int16_t>(std::clamp(value, -LetterSet::kMaxValue, LetterSet::kMaxValue));
    entry.vowel = vowel != 0 ? 1 : 0;
    return true;
}

} // namespace

void LetterSet::clear()
{
    m_entries.fill(Entry{});
}

bool LetterSet::load(const std::string& fileName, WarningSink& warnings)
{
    clear();
    // Only a regular file of sensible size is a letter set: a folder or a device would
    // otherwise read as an empty set with every letter worth nothing, a FIFO would block.
    std::string text;
    if (RegularFile::readFile(fileName, kMaxFileBytes, text) != RegularFile::Status::Read) {
        showWarning(warnings, "Can't open %s for reading", fileName.c_str());
        return false;
    }
    // Line k is for 'A' + k, the last one for the joker. A line that does not hold three
    // numbers leaves its letter at zero (no tiles, no value, consonant); missing lines too.
    std::string_view rest = text;
    for (int index = 0; index < kLetterCount && !rest.empty(); ++index) {
        const std::size_t end = rest.find('\n');
        Entry entry;
        if (parseLine(rest.substr(0, end), entry))
            m_entries[index] = entry;
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return true;
}

const LetterSet::Entry& LetterSet::entry(char code) const
{
    static const Entry kNone{};
    if (code < 'A' || code > kJoker)
        return kNone;
    return m_entries[code - 'A'];
}

} // namespace glyph
