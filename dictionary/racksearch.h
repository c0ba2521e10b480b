#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/dawgvalidator.h"
#include "dictionary/searchorder.h"
#include "dictionary/searchresult.h"

namespace glyph
{

class Dictionary;
class LetterSet;

/// The searches of a rack of tiles: every word the tiles make (from rack) and every word of all
/// the tiles and one more letter (rack plus one). Each is one walk of the graph that follows
/// only the letters the rack still holds, a joker standing for any letter.
class RackSearch
{
public:
    static constexpr int kMaxJokers = 2;
    /// Most tiles a rack may hold: one less than the longest word, so that plus one fits.
    static constexpr std::size_t kMaxTiles = DawgValidator::kMaxDepth - 1;

    /// Searches the given dictionary; values and tile counts come from the letter set.
    RackSearch(const Dictionary& dictionary, const LetterSet& letterSet);

    /// True for 1 to kMaxTiles letters (either case) and '?' jokers, at most kMaxJokers of them.
    static bool isRack(const std::string& text);
    /// Every word the tiles make, each tile used at most once: longest first, then the best
    /// score (a joker scores 0), then alphabetical; or the most likely first. The letters the
    /// jokers stand for are in lower case. Keeps the first rows up to the limit (at most
    /// SearchState::kMaxLimit) and counts them all; nothing when the text is not a rack.
    std::optional<SearchResult> fromRack(const std::string& text, const std::string& limitText,
                                         SearchOrder order = SearchOrder::Natural);
    /// Every word of all the tiles and one more letter, that letter in Row::added (of the letters
    /// the rack lacks, the best-scoring, then the first in the alphabet; the jokers stand for the
    /// others): by added letter, then alphabetical; or the most likely first. As fromRack else.
    std::optional<SearchResult> plusOne(const std::string& text, const std::string& limitText,
                                        SearchOrder order = SearchOrder::Natural);

private:
    struct Found {
        SearchResult::Row row;
        double chance = 0.0;
    };

    /// Counts the rack's tiles; false when the text is not a rack.
    bool readRack(const std::string& text);
    /// Walks the graph for the words of exactly `length` letters, or of any length when 0.
    void run(std::size_t length);
    void walk(std::uint32_t listIndex, std::size_t depth);
    void record(std::size_t length);
    /// Sorts what was found, keeps the first rows up to the limit and times the search.
    SearchResult finish(const std::string& limitText, SearchOrder order, bool byAddedLetter,
                        std::chrono::steady_clock::time_point started);

    const Dictionary& m_dictionary;
    const LetterSet& m_letterSet;

    std::array<int, 26> m_counts{};
    /// Tiles the rack lacks that may still stand in: its jokers, and for plus one the added letter.
    int m_wilds = 0;
    bool m_plusOne = false;
    std::size_t m_tiles = 0;
    std::size_t m_length = 0;
    char m_word[DawgValidator::kMaxDepth + 1] = {};
    bool m_wild[DawgValidator::kMaxDepth + 1] = {};
    std::vector<Found> m_found;
};

} // namespace glyph
