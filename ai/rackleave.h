#pragma once

#include <string>

namespace glyph
{

/// What keeping the letters of a rack is worth, in points, as the Strategist profile weighs it
/// (Profiles/Strategist.cpu): a value per letter, a cost for duplicates and for a rack far from
/// a good share of vowels, scaled down as the bag runs out, and at an empty bag twice the
/// points of the tiles that would be left over. Equity = a move's score + the value of its leave.
class RackLeave
{
public:
    /// The value of keeping `letters` ('A'..'Z', '[' for a blank) with `bagTiles` in the bag.
    static double value(const std::string& letters, int bagTiles);
};

} // namespace glyph
