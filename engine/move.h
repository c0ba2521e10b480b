#pragma once

#include <cstdint>

namespace glyph
{

/// One move: a word laid across (horiz 1) or down (horiz 0) from (lin, col), with its score.
/// `word` holds the whole word read in the move's direction, board letters included, with '['
/// for each joker laid from the rack; `jokers` holds the letters those jokers stand for.
/// The default value is the pass record; a move with an empty word is a pass or exchange.
struct Move {
    std::uint8_t horiz = 1;
    std::int8_t col = -1;
    std::int8_t lin = -1;
    std::int32_t score = 0;
    char word[30] = {};
    char jokers[30] = {};

    /// Byte size of the little-endian image stored in history snapshots and saved games.
    static constexpr int kImageSize = 68;

    /// True for the pass record and for exchanges (empty word).
    bool isPass() const { return word[0] == 0; }
    /// Writes the 68-byte image field by field.
    void writeImage(std::uint8_t* out) const;
    /// Reads a 68-byte image; false (and the move unchanged) when the strings are not
    /// terminated, hold characters other than 'A'..'[' (word) and 'A'..'Z' (jokers), or the
    /// jokers do not match the '[' of the word one for one, or a word does not lie on the
    /// largest board (kMaxBoardSize squares each way, numbered from 1).
    bool readImage(const std::uint8_t* in);
};

} // namespace glyph
