#include "dictionary/wordprobability.h"

#include <algorithm>

#include "base/letterset.h"

namespace glyph
{

WordProbability::WordProbability(const LetterSet& letterSet)
{
    long long total = 0;
    for (int index = 0; index < kLetterCount; ++index) {
        const long long count = std::max<long long>(0, letterSet.entryAt(index).count);
        m_picks[static_cast<std::size_t>(index)] = binomials(count);
        total += count;
    }
    m_jokers = static_cast<std::size_t>(
        std::min<long long>(std::max<long long>(0, letterSet.entryAt(kJokerIndex).count), kMaxLength));
    m_draws = binomials(total);
}

WordProbability::Binomials WordProbability::binomials(long long n)
{
    // Each step's product is divisible by k, so the values stay whole while they fit the
    // long double's 64-bit mantissa (every bag of up to 100 tiles); beyond that they round.
    Binomials values{};
    values[0] = 1.0L;
    for (std::size_t k = 1; k <= kMaxLength && static_cast<long long>(k) <= n; ++k)
        values[k] = values[k - 1] * static_cast<long double>(n - static_cast<long long>(k) + 1) /
                    static_cast<long double>(k);
    return values;
}

long double WordProbability::ways(std::string_view word) const
{
    if (word.empty() || word.size() > kMaxLength)
        return 0.0L;
    std::array<std::size_t, kAlphabetSize> needed{};
    for (char c : word) {
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper < 'A' || upper > 'Z')
            return 0.0L;
        ++needed[static_cast<std::size_t>(upper - 'A')];
    }
    // byJokers[j]: the ways to draw the real tiles of the letters so far when j of their
    // letters are left to jokers; never more than the bag's jokers. Each letter spreads every
    // entry over the jokers it takes.
    Binomials byJokers{};
    byJokers[0] = 1.0L;
    std::size_t most = 0;
    for (std::size_t c = 0; c < kAlphabetSize; ++c) {
        if (needed[c] == 0)
            continue;
        const std::size_t reach = std::min(most + needed[c], m_jokers);
        for (std::size_t j = reach + 1; j-- > 0;) {
            long double sum = 0.0L;
            for (std::size_t k = 0; k <= std::min(j, needed[c]); ++k)
                sum += (j - k <= most ? byJokers[j - k] : 0.0L) * m_picks[c][needed[c] - k];
            byJokers[j] = sum;
        }
        most = reach;
    }
    long double total = 0.0L;
    for (std::size_t j = 0; j <= most; ++j)
        total += byJokers[j] * m_picks[kJokerIndex][j];
    return total;
}

double WordProbability::chance(std::string_view word) const
{
    const long double found = ways(word);
    if (found == 0.0L)
        return 0.0;
    return static_cast<double>(found / m_draws[word.size()]);
}

bool WordProbability::moreLikely(double chanceA, std::string_view a, double chanceB, std::string_view b)
{
    if (chanceA != chanceB)
        return chanceA > chanceB;
    return a < b;
}

} // namespace glyph
