#pragma once

#include <cstdint>
#include <string>

namespace glyph
{

/// One element of a compiled search pattern: a literal run of letters, a wildcard, a letter
/// set or a dictionary word.
struct PatternElement {
    enum Kind : std::int32_t {
        Literal = 0,   ///< the letters of `text`, in order
        AnyRun = 1,    ///< '*': zero or more letters
        OneLetter = 2, ///< '?': exactly one letter
        LetterSet = 3, ///< one letter among those of `text`
        WordPart = 4   ///< '&': a run of letters that is a dictionary word
    };

    std::int32_t kind = Literal;
    /// Literal letters, the allowed letters of a set, or the wildcard character itself.
    std::string text;
    /// Set on the final element of a pattern only.
    bool isLast = false;

    bool operator==(const PatternElement&) const = default;
};

} // namespace glyph
