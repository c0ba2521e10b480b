#pragma once

#include <string>

namespace glyph
{

class WarningSink;

/// What is wrong with a move, as the rules' checks find it: the kind of fault and the word
/// or notation that the warning names. The caller decides whether and how to show it.
struct MoveProblem {
    enum class Kind {
        None,
        // Placement: `detail` is the move's notation.
        LaysNoTile,
        NotWellFormed,
        OffBoard,
        NotWholeWord,
        DisagreesWithBoard,
        LettersNotInRack,
        NotTouching,
        // Dictionary: `detail` is the word that is not in it.
        UnknownWord,
        /// A cross word of a down move (the warning's wording differs from the others).
        UnknownCrossWordOfDownMove,
        // First move: `detail` is the move's word.
        FirstWordTooShort,
        FirstWordOffCentreLine,
        FirstWordOffCentreColumn,
        FirstWordMissesCentre,
    };

    Kind kind = Kind::None;
    std::string detail;

    /// True when nothing is wrong.
    bool ok() const { return kind == Kind::None; }
    /// The warning the user sees, e.g. "Word CXT is NOT in dictionary", in the language of
    /// `language` (English without one); empty when ok.
    std::string message(WarningSink* language = nullptr) const;
    /// The printf format of the warning, with one "%s" for the detail ("" when ok), so that a
    /// view can show it in the user's language.
    const char* format() const;
};

} // namespace glyph
