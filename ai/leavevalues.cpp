#include "ai/leavevalues.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

#include "base/atomicfile.h"
#include "base/letterset.h"
#include "base/regularfile.h"

namespace glyph
{

namespace
{

/// The strategist's hand-written values per tile kept, 'A'..'Z' then the joker.
constexpr std::array<double, kLetterCount> kHandWrittenTiles = {
    1.0,  -2.0, 0.5,  0.5, 2.5, -2.0, -2.0, 0.5,  -0.5, -2.5, -1.5, -0.5, 0.0, 0.5,
    -1.0, -1.0, -7.0, 1.5, 7.5, 0.5,  -3.5, -5.0, -3.5, 2.5,  -1.0, 1.5,  24.0};
/// ... each extra copy of a letter (a second joker costs nothing) ...
constexpr double kHandWrittenDuplicate = -3.5;
/// ... and the square of the distance from a vowel share a little under half, times this.
constexpr double kHandWrittenBalance = -2.0;
constexpr double kHandWrittenVowelShare = 0.45;

/// The letter code of a leave character, or -1 for one that names no tile.
int codeOf(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        return letter - 'a';
    if (letter >= 'A' && letter <= 'Z')
        return letter - 'A';
    if (letter == kJoker || letter == '?')
        return kJokerIndex;
    return -1;
}

char userLetter(int code)
{
    return code == kJokerIndex ? '?' : static_cast<char>('A' + code);
}

bool readNumber(std::istringstream& line, double& value)
{
    return static_cast<bool>(line >> value) && std::isfinite(value) &&
           std::fabs(value) <= LeaveValues::kMaxEntry;
}

} // namespace

LeaveValues LeaveValues::handWritten(const LetterSet& set)
{
    LeaveValues values;
    values.m_tile = kHandWrittenTiles;
    for (int code = 0; code < kJokerIndex; ++code)
        values.m_duplicate[static_cast<std::size_t>(code)] = kHandWrittenDuplicate;
    for (int vowels = 0; vowels <= kMaxBalance; ++vowels)
        for (int consonants = 0; vowels + consonants <= kMaxBalance; ++consonants) {
            const double off = vowels - (vowels + consonants) * kHandWrittenVowelShare;
            values.setBalanceValue(vowels, consonants, kHandWrittenBalance * off * off);
        }
    values.takeVowels(set);
    return values;
}

void LeaveValues::takeVowels(const LetterSet& set)
{
    m_vowels = 0;
    for (int code = 0; code < kJokerIndex; ++code)
        if (set.entryAt(code).vowel != 0)
            m_vowels |= 1u << code;
}

double LeaveValues::balanceValue(int vowels, int consonants) const
{
    return m_balance[static_cast<std::size_t>(std::clamp(vowels, 0, kMaxBalance))]
                    [static_cast<std::size_t>(std::clamp(consonants, 0, kMaxBalance))];
}

double LeaveValues::pairValue(int first, int second) const
{
    const auto low = static_cast<std::size_t>(std::min(first, second));
    const auto high = static_cast<std::size_t>(std::max(first, second));
    return m_pair[low][high];
}

void LeaveValues::setPairValue(int first, int second, double value)
{
    if (first == second)
        return;
    const auto low = static_cast<std::size_t>(std::min(first, second));
    const auto high = static_cast<std::size_t>(std::max(first, second));
    m_pair[low][high] = value;
}

void LeaveValues::setBalanceValue(int vowels, int consonants, double value)
{
    m_balance[static_cast<std::size_t>(std::clamp(vowels, 0, kMaxBalance))]
             [static_cast<std::size_t>(std::clamp(consonants, 0, kMaxBalance))] = value;
}

double LeaveValues::value(const Counts& counts) const
{
    double total = 0;
    int vowels = 0;
    int consonants = 0;
    // The letters seen so far, for the pairs each new one makes with them.
    int held[kLetterCount];
    int heldCount = 0;
    for (int code = 0; code < kLetterCount; ++code) {
        const int count = counts[static_cast<std::size_t>(code)];
        if (count == 0)
            continue;
        total += m_tile[static_cast<std::size_t>(code)] * count +
                 m_duplicate[static_cast<std::size_t>(code)] * (count - 1);
        for (int k = 0; k < heldCount; ++k)
            total += m_pair[static_cast<std::size_t>(held[k])][static_cast<std::size_t>(code)];
        held[heldCount++] = code;
        if (code == kJokerIndex)
            continue;
        (isVowel(code) ? vowels : consonants) += count;
    }
    return total + balanceValue(vowels, consonants) + correction(counts);
}

std::uint32_t LeaveValues::keyOf(const Counts& leave)
{
    std::uint32_t key = 0;
    int tiles = 0;
    for (int code = 0; code < kLetterCount; ++code)
        for (int k = 0; k < leave[static_cast<std::size_t>(code)]; ++k) {
            if (++tiles > kMaxCorrectedTiles)
                return 0;
            key = (key << 5) | static_cast<std::uint32_t>(code + 1);
        }
    return key;
}

double LeaveValues::correction(const Counts& leave) const
{
    if (m_corrections.empty())
        return 0;
    const auto found = m_corrections.find(keyOf(leave));
    return found == m_corrections.end() ? 0 : found->second;
}

void LeaveValues::setCorrection(const Counts& leave, double value)
{
    if (const std::uint32_t key = keyOf(leave); key != 0)
        m_corrections[key] = value;
}

bool LeaveValues::countsOf(std::string_view letters, Counts& counts)
{
    bool allTiles = true;
    for (char letter : letters) {
        const int code = codeOf(letter);
        allTiles = allTiles && code >= 0;
        if (code >= 0 && counts[static_cast<std::size_t>(code)] < UINT8_MAX)
            ++counts[static_cast<std::size_t>(code)];
    }
    return allTiles;
}

double LeaveValues::value(std::string_view letters) const
{
    Counts counts{};
    countsOf(letters, counts);
    return value(counts);
}

double LeaveValues::bestSubsetValue(const Counts& counts, int maxTiles) const
{
    double best = value(Counts{});
    forEachLeave(counts, maxTiles,
                 [&best](const Counts&, double leaveValue) { best = std::max(best, leaveValue); });
    return best;
}

void LeaveValues::forEachLeave(const Counts& rack, int maxTiles, const LeaveVisit& visit) const
{
    // Racks hold a handful of tiles, so every sub-multiset is visited (at most 2^7 of them).
    Counts leave{};
    collectLeaves(rack, maxTiles, leave, PartialLeave{}, 0, visit);
}

void LeaveValues::collectLeaves(const Counts& rack, int maxTiles, Counts& leave, const PartialLeave& partial,
                                int code, const LeaveVisit& visit) const
{
    while (code < kLetterCount && rack[static_cast<std::size_t>(code)] == 0)
        ++code;
    if (code == kLetterCount) {
        visit(leave, partial.total + balanceValue(partial.vowels, partial.consonants) + correction(leave));
        return;
    }
    collectLeaves(rack, maxTiles, leave, partial, code + 1, visit);
    const auto at = static_cast<std::size_t>(code);
    for (int k = 1; k <= rack[at] && partial.tiles + k <= maxTiles; ++k) {
        // The terms in the order `value` adds them, so that the sums agree to the last bit.
        PartialLeave next = partial;
        next.total += m_tile[at] * k + m_duplicate[at] * (k - 1);
        for (int pair = 0; pair < partial.heldCount; ++pair)
            next.total += m_pair[partial.held[static_cast<std::size_t>(pair)]][at];
        next.held[static_cast<std::size_t>(next.heldCount++)] = static_cast<std::uint8_t>(code);
        next.tiles += k;
        if (code != kJokerIndex)
            (isVowel(code) ? next.vowels : next.consonants) += k;
        leave[at] = static_cast<std::uint8_t>(k);
        collectLeaves(rack, maxTiles, leave, next, code + 1, visit);
    }
    leave[at] = 0;
}

std::string LeaveValues::fileForSet(const std::string& setPath)
{
    const std::size_t slash = setPath.find_last_of('/');
    const std::size_t dot = setPath.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? setPath.substr(0, dot) : setPath) + ".leaves";
}

std::string LeaveValues::text() const
{
    std::string out = "# Glyphmosaic leave values: tile L V, duplicate L V (each extra copy), "
                      "balance VOWELS CONSONANTS V, pair L M V (both held; pairs not listed are 0), "
                      "leave LETTERS V (added to the terms above for exactly those letters)\n";
    char line[96];
    for (int code = 0; code < kLetterCount; ++code) {
        std::snprintf(line, sizeof line, "tile %c %.3f\n", userLetter(code),
                      m_tile[static_cast<std::size_t>(code)]);
        out += line;
    }
    for (int code = 0; code < kLetterCount; ++code) {
        std::snprintf(line, sizeof line, "duplicate %c %.3f\n", userLetter(code),
                      m_duplicate[static_cast<std::size_t>(code)]);
        out += line;
    }
    for (int vowels = 0; vowels <= kMaxBalance; ++vowels)
        for (int consonants = 0; consonants <= kMaxBalance; ++consonants) {
            std::snprintf(line, sizeof line, "balance %d %d %.3f\n", vowels, consonants,
                          balanceValue(vowels, consonants));
            out += line;
        }
    for (int first = 0; first < kLetterCount; ++first)
        for (int second = first + 1; second < kLetterCount; ++second)
            if (const double value = pairValue(first, second); std::fabs(value) >= 0.0005) {
                std::snprintf(line, sizeof line, "pair %c %c %.3f\n", userLetter(first), userLetter(second),
                              value);
                out += line;
            }
    std::vector<std::pair<std::string, double>> corrected;
    for (const auto& [key, value] : m_corrections) {
        std::string letters;
        for (std::uint32_t rest = key; rest != 0; rest >>= 5)
            letters.insert(letters.begin(), userLetter(static_cast<int>(rest & 31u) - 1));
        corrected.emplace_back(letters, value);
    }
    std::sort(corrected.begin(), corrected.end());
    for (const auto& [letters, value] : corrected) {
        std::snprintf(line, sizeof line, "leave %s %.3f\n", letters.c_str(), value);
        out += line;
    }
    return out;
}

bool LeaveValues::save(const std::string& path, std::string& error) const
{
    return writeFileAtomically(path, text(), &error) == WriteResult::Written;
}

bool LeaveValues::load(const std::string& path, const LetterSet& set, std::string& error)
{
    std::string bytes;
    const RegularFile::Status status = RegularFile::readFile(path, kMaxFileBytes, bytes);
    if (status != RegularFile::Status::Read) {
        error = RegularFile::describe(status, path);
        return false;
    }
    LeaveValues read;
    std::istringstream lines(bytes);
    int number = 0;
    for (std::string text; std::getline(lines, text);) {
        ++number;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (text.empty() || text[0] == '#')
            continue;
        std::istringstream line(text);
        std::string kind;
        line >> kind;
        bool good = false;
        if (kind == "tile" || kind == "duplicate") {
            std::string letter;
            double value = 0;
            line >> letter;
            const int code = letter.size() == 1 ? codeOf(letter[0]) : -1;
            good = code >= 0 && readNumber(line, value);
            if (good)
                (kind == "tile" ? read.m_tile : read.m_duplicate)[static_cast<std::size_t>(code)] = value;
        } else if (kind == "pair") {
            std::string first;
            std::string second;
            double value = 0;
            line >> first >> second;
            const int a = first.size() == 1 ? codeOf(first[0]) : -1;
            const int b = second.size() == 1 ? codeOf(second[0]) : -1;
            good = a >= 0 && b >= 0 && a != b && readNumber(line, value);
            if (good)
                read.setPairValue(a, b, value);
        } else if (kind == "leave") {
            std::string letters;
            double value = 0;
            line >> letters;
            Counts counts{};
            good = !letters.empty() && letters.size() <= static_cast<std::size_t>(kMaxCorrectedTiles) &&
                   countsOf(letters, counts) && readNumber(line, value);
            if (good)
                read.setCorrection(counts, value);
        } else if (kind == "balance") {
            int vowels = -1;
            int consonants = -1;
            double value = 0;
            good = static_cast<bool>(line >> vowels >> consonants) && vowels >= 0 && vowels <= kMaxBalance &&
                   consonants >= 0 && consonants <= kMaxBalance && readNumber(line, value);
            if (good)
                read.setBalanceValue(vowels, consonants, value);
        }
        std::string rest;
        if (!good || line >> rest) {
            error =
                path + ": line " + std::to_string(number) + " is not a leave value: " + text.substr(0, 60);
            return false;
        }
    }
    read.takeVowels(set);
    *this = read;
    return true;
}

} // namespace glyph
