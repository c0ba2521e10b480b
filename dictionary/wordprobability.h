#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "base/board.h"
#include "dictionary/dawgvalidator.h"

namespace glyph
{

class LetterSet;

/// How likely a word is to turn up as a rack: the draws of as many tiles as it has letters, from
/// a full bag of a letter set, that spell it, each joker drawn standing for one of its letters.
class WordProbability
{
public:
    /// Longest word whose chance is told; longer ones have none.
    static constexpr std::size_t kMaxLength = DawgValidator::kMaxDepth;

    /// Takes the tile counts of the set as they are now (negative counts as none).
    explicit WordProbability(const LetterSet& letterSet);

    /// The number of draws of the word's letters (A-Z, either case), summed over the ways the
    /// bag's jokers may stand in; 0 for an empty or too long word or one with other characters.
    long double ways(std::string_view word) const;
    /// ways() divided by the number of draws of that many tiles; 0 when the bag holds fewer.
    double chance(std::string_view word) const;
    /// Most likely first: the higher chance, then the alphabetically earlier word.
    static bool moreLikely(double chanceA, std::string_view a, double chanceB, std::string_view b);

private:
    using Binomials = std::array<long double, kMaxLength + 1>;

    /// C(n, k) for k = 0 .. kMaxLength.
    static Binomials binomials(long long n);

    /// Per letter A-Z and the joker: how many ways to pick k of its tiles.
    std::array<Binomials, kLetterCount> m_picks{};
    /// How many ways to draw k tiles from the whole bag.
    Binomials m_draws{};
    /// The bag's jokers, as many as a word can use at most.
    std::size_t m_jokers = 0;
};

} // namespace glyph
