#include "engine/moveproblem.h"

#include <cstdio>

#include "base/warningsink.h"

namespace glyph
{

namespace
{

// Each warning has one "%s" for the detail. The texts are the program's own, typos included.
const char* formatOf(MoveProblem::Kind kind)
{
    using Kind = MoveProblem::Kind;
    switch (kind) {
    case Kind::None:
        return "";
    case Kind::LaysNoTile:
        return "Move %s lays no tile";
    case Kind::NotWellFormed:
        return "Move %s is not well formed";
    case Kind::OffBoard:
        return "Move %s does not fit on the board";
    case Kind::NotWholeWord:
        return "Move %s does not cover the whole word on the board";
    case Kind::DisagreesWithBoard:
        return "Move %s does not agree with the tiles on the board";
    case Kind::LettersNotInRack:
        return "Move %s needs letters that are not in the rack";
    case Kind::NotTouching:
        return "Move %s does not touch the tiles on the board";
    case Kind::UnknownWord:
        return "Word %s is NOT in dictionary";
    case Kind::UnknownCrossWordOfDownMove:
        return "Word %s doesn't exist in dictionary";
    case Kind::FirstWordTooShort:
        return "First word %s must have lenght >= 2";
    case Kind::FirstWordOffCentreLine:
        return "First word %s MUST be on central line";
    case Kind::FirstWordOffCentreColumn:
        return "First word %s MUST be on central column";
    case Kind::FirstWordMissesCentre:
        return "First word %s MUST traverse central square";
    }
    return "";
}

} // namespace

const char* MoveProblem::format() const
{
    return formatOf(kind);
}

std::string MoveProblem::message(WarningSink* language) const
{
    if (ok())
        return {};
    return translatedText(language, formatOf(kind), detail.c_str());
}

} // namespace glyph
