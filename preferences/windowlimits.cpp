#include "preferences/windowlimits.h"

#include <algorithm>

namespace glyph::windowlimits
{

namespace
{

/// One axis: the length cut to the screen's (at least the minimum the screen allows), the start
/// moved onto the screen. Sums in long long, since a stored start or length may be any int.
void fitAxis(int& start, int& length, int screenStart, int screenLength, int minimum)
{
    const int lowest = std::min(std::max(minimum, 0), std::max(screenLength, 0));
    length = std::clamp(length, lowest, std::max(screenLength, lowest));
    const long long last = static_cast<long long>(screenStart) + screenLength - length;
    start =
        static_cast<int>(std::clamp<long long>(start, screenStart, std::max<long long>(last, screenStart)));
}

} // namespace

Rectangle fitToScreen(const Rectangle& stored, const Rectangle& screen, int minimumWidth, int minimumHeight)
{
    Rectangle fitted = stored;
    fitAxis(fitted.x, fitted.width, screen.x, screen.width, minimumWidth);
    fitAxis(fitted.y, fitted.height, screen.y, screen.height, minimumHeight);
    return fitted;
}

int boundFontPoints(int points)
{
    return std::clamp(points, kMinFontPoints, kMaxFontPoints);
}

} // namespace glyph::windowlimits
