#pragma once

#include <string>

namespace glyph
{

/// The filter fields of the advanced search, as the user typed them.
struct AdvancedFilters {
    std::string minLength;
    std::string maxLength;
    std::string minValue;
    std::string maxValue;
    /// Letters (and pattern shorthands) every found word must hold, as often as written.
    std::string forced;
    /// The letters stock: when not empty, found words use only these tiles, each once: a letter
    /// as often as written, "?" for any letter, a class for one of its letters.
    std::string optional;
    /// Letters no found word may hold.
    std::string banned;
    /// Keep only the words that read the same backwards.
    bool palindrome = false;
};

} // namespace glyph
