#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/board.h"

namespace glyph
{

class LetterSet;

/// The value, in points, of the tiles a move keeps on the rack (its leave): a linear model of
/// a value per tile, a value per extra copy of a letter, a value per pair of different letters
/// held together, and a value per count of vowels and consonants held, plus a correction for
/// each leave that self-play saw often enough to value on its own. Learned from self-play
/// (`glyphplay train-leaves`) or, for a set without a trained file, the hand-written numbers the
/// strategist has always used.
class LeaveValues
{
public:
    /// Tiles per letter code, 0..25 for 'A'..'Z' and 26 for the joker.
    using Counts = std::array<std::uint8_t, kLetterCount>;
    /// Vowels and consonants counted up to this many (more count as this many).
    static constexpr int kMaxBalance = kRackSize;
    /// Largest value of one entry, either sign.
    static constexpr double kMaxEntry = 1000.0;
    /// Largest leave-value file read.
    static constexpr std::uint64_t kMaxFileBytes = 8 * 1024 * 1024;
    /// Most tiles a leave with a correction of its own holds.
    static constexpr int kMaxCorrectedTiles = kRackSize - 1;

    /// The hand-written values, with the set's vowel flags.
    static LeaveValues handWritten(const LetterSet& set);

    /// The value of keeping these tiles.
    double value(const Counts& counts) const;
    /// The value of a leave written as rack letters ('A'..'Z', '[' or '?' for a joker, lower
    /// case read as upper); other characters are ignored.
    double value(std::string_view letters) const;
    /// The largest value of any leave of at most `maxTiles` of these tiles.
    double bestSubsetValue(const Counts& counts, int maxTiles) const;
    using LeaveVisit = std::function<void(const Counts& leave, double value)>;
    /// Calls `visit` with every leave of at most `maxTiles` of the rack's tiles (the empty one
    /// included) and its value, the very number `value` gives; far cheaper than calling `value`
    /// for each, as the terms are added letter by letter.
    void forEachLeave(const Counts& rack, int maxTiles, const LeaveVisit& visit) const;

    double tileValue(int code) const { return m_tile[static_cast<std::size_t>(code)]; }
    double duplicateValue(int code) const { return m_duplicate[static_cast<std::size_t>(code)]; }
    double balanceValue(int vowels, int consonants) const;
    /// The value of holding both letters (different codes), however many copies of each.
    double pairValue(int first, int second) const;
    void setTileValue(int code, double value) { m_tile[static_cast<std::size_t>(code)] = value; }
    void setDuplicateValue(int code, double value) { m_duplicate[static_cast<std::size_t>(code)] = value; }
    void setBalanceValue(int vowels, int consonants, double value);
    void setPairValue(int first, int second, double value);
    bool isVowel(int code) const { return ((m_vowels >> code) & 1u) != 0; }
    /// What this leave is worth beyond the model's terms (0 for a leave without a correction).
    double correction(const Counts& leave) const;
    void setCorrection(const Counts& leave, double value);
    /// Counts the tiles of rack letters (as `value` reads them) into `counts`; false when some
    /// character names no tile (it is skipped).
    static bool countsOf(std::string_view letters, Counts& counts);
    /// The key of a leave of at most kMaxCorrectedTiles tiles: its letter codes plus one, five
    /// bits each, in order; 0 for a larger leave.
    static std::uint32_t keyOf(const Counts& leave);

    /// Reads a file written by `save`, taking vowel flags from the set; on failure `error`
    /// holds one line and this object is unchanged.
    bool load(const std::string& path, const LetterSet& set, std::string& error);
    /// Writes the values as text through the atomic writer; false with `error` on failure.
    bool save(const std::string& path, std::string& error) const;
    /// The text `save` writes.
    std::string text() const;

    /// The leave-value file that goes with a letter-set file: the same name ending ".leaves".
    static std::string fileForSet(const std::string& setPath);

private:
    void takeVowels(const LetterSet& set);
    /// A leave's terms so far as forEachLeave builds it, and the letters it holds.
    struct PartialLeave {
        double total = 0;
        int tiles = 0;
        int vowels = 0;
        int consonants = 0;
        int heldCount = 0;
        std::array<std::uint8_t, kLetterCount> held{};
    };
    void collectLeaves(const Counts& rack, int maxTiles, Counts& leave, const PartialLeave& partial, int code,
                       const LeaveVisit& visit) const;

    std::array<double, kLetterCount> m_tile{};
    std::array<double, kLetterCount> m_duplicate{};
    std::array<std::array<double, kMaxBalance + 1>, kMaxBalance + 1> m_balance{};
    /// Indexed [lower code][higher code]; the other half and the diagonal stay 0.
    std::array<std::array<double, kLetterCount>, kLetterCount> m_pair{};
    std::uint32_t m_vowels = 0;
    std::unordered_map<std::uint32_t, double> m_corrections;
};

} // namespace glyph
