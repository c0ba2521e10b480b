#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/letterset.h"

namespace glyph::test
{

/// The usual English tile values, 'A'..'Z' then the joker.
inline constexpr std::array<int, 27> kEnglishValues = {1, 3, 3,  2, 1, 4, 2, 4, 1, 8, 5, 1,  3, 1,
                                                       1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10, 0};
/// The tile counts of the usual 100-tile English bag, 'A'..'Z' then the joker.
inline constexpr std::array<int, 27> kEnglishCounts = {9, 2, 2, 4, 12, 2, 3, 2, 9, 1, 1, 4, 2, 6,
                                                       8, 2, 1, 6, 4,  6, 4, 2, 2, 1, 2, 1, 2};

inline bool isEnglishVowel(int index)
{
    return index < 26 && std::string("AEIOU").find(static_cast<char>('A' + index)) != std::string::npos;
}

/// The text of a ".set" file: these counts with the English values and vowels.
inline std::string letterSetText(const std::array<int, 27>& counts = kEnglishCounts)
{
    std::string text;
    for (int k = 0; k < 27; ++k)
        text += std::to_string(counts[k]) + " " + std::to_string(kEnglishValues[k]) +
                (isEnglishVowel(k) ? " 1\n" : " 0\n");
    return text;
}

/// A letter set with the English values and vowels and no tiles counted.
inline LetterSet englishValues()
{
    LetterSet set;
    for (int k = 0; k < 27; ++k) {
        set.entryAt(k).value = static_cast<std::int16_t>(kEnglishValues[k]);
        set.entryAt(k).vowel = isEnglishVowel(k) ? 1 : 0;
    }
    return set;
}

} // namespace glyph::test
