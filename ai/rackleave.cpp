#include "ai/rackleave.h"

#include <array>

#include "base/board.h"

namespace glyph
{

namespace
{

// The tables of Profiles/Strategist.cpu, 'A' to 'Z' and the blank last; kept equal to it so
// that the analysis judges moves the way that profile chooses them.
constexpr std::array<double, kLetterCount> kKeep = {1.0,  -2.0, 0.5,  0.5,  2.5,  -2.0, -2.0, 0.5,  -0.5,
                                                    -2.5, -1.5, -0.5, 0.0,  0.5,  -1.0, -1.0, -7.0, 1.5,
                                                    7.5,  0.5,  -3.5, -5.0, -3.5, 2.5,  -1.0, 1.5,  24.0};
constexpr std::array<int, kLetterCount> kPoints = {1, 3, 3,  2, 1, 4, 2, 4, 1, 8, 5, 1,  3, 1,
                                                   1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10, 0};
constexpr double kDuplicate = -3.5;
constexpr double kBalance = -2.0;
constexpr double kVowelShare = 0.45;
constexpr double kStuckFactor = -2.0;

bool isVowel(int index)
{
    const char letter = static_cast<char>('A' + index);
    return letter == 'A' || letter == 'E' || letter == 'I' || letter == 'O' || letter == 'U';
}

} // namespace

double RackLeave::value(const std::string& letters, int bagTiles)
{
    std::array<int, kLetterCount> counts{};
    for (char letter : letters)
        if (letter >= 'A' && letter <= kJoker)
            ++counts[static_cast<std::size_t>(letter - 'A')];
    if (bagTiles == 0) {
        int stuck = 0;
        for (int k = 0; k < kLetterCount; ++k)
            stuck += kPoints[k] * counts[k];
        return kStuckFactor * stuck;
    }
    double total = 0;
    int vowels = 0;
    int consonants = 0;
    for (int k = 0; k < kLetterCount; ++k) {
        if (counts[k] == 0)
            continue;
        total += kKeep[k] * counts[k];
        if (k == kLetterCount - 1)
            continue;
        total += kDuplicate * (counts[k] - 1);
        (isVowel(k) ? vowels : consonants) += counts[k];
    }
    const int held = vowels + consonants;
    if (held > 0) {
        const double off = vowels - held * kVowelShare;
        total += kBalance * off * off;
    }
    if (bagTiles < kRackSize)
        total = total * bagTiles / kRackSize;
    return total;
}

} // namespace glyph
