#pragma once

namespace glyph
{

/// Bounds for the window geometries and font sizes stored in the preferences, which a damaged
/// or hand-edited file can set to anything: a window of 2^31 pixels, one out of sight, text of
/// two billion points.
namespace windowlimits
{

/// Smallest and largest font size, in points, that the window uses: beyond 48 points the
/// dialogs no longer fit a screen and cannot be used to set the size back.
constexpr int kMinFontPoints = 4;
constexpr int kMaxFontPoints = 48;

/// A rectangle in screen pixels.
struct Rectangle {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rectangle&) const = default;
};

/// The stored geometry made to fit the screen rectangle: its size cut to the screen's (and at
/// least the minimum, unless the screen is smaller), then moved the least that puts it wholly
/// on the screen. A geometry that already fits comes back unchanged.
Rectangle fitToScreen(const Rectangle& stored, const Rectangle& screen, int minimumWidth, int minimumHeight);

/// A stored font size within kMinFontPoints..kMaxFontPoints.
int boundFontPoints(int points);

} // namespace windowlimits
} // namespace glyph
