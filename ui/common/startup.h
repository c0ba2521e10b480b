#pragma once

#include <string>

#include <QString>

class QSize;
class QTranslator;

namespace glyph
{
class Preferences;
}

/// The start-up steps of the program that depend on the preferences: language, widget style,
/// application font (the window geometry is `glyph::WindowSizeKeeper`'s).
namespace startup
{

/// Smallest desktop the game is laid out for.
constexpr int kMinimumDesktopWidth = 1024;
constexpr int kMinimumDesktopHeight = 768;

/// True when the desktop is narrower than 1024 or lower than 768.
bool isDesktopTooSmall(const QSize& size);
/// Shows "Recomanded resolution is minimum 1024 x 768" when the primary screen is too small.
void warnOnSmallDesktop();

/// Points "TipFileKey" at the tips of the language named by "LanguageKey", writes the name
/// back, and installs the translator when that file loads (a missing file is no error).
void applyLanguage(glyph::Preferences& preferences, QTranslator& translator);

/// The stored style number of the Platinum look, the default.
constexpr int kPlatinumStyle = 4;
/// Qt style key for a stored style number: 0 Motif Plus and 3 SGI and anything else
/// (Platinum) become "Fusion", 1 Motif and 2 Windows become "Windows".
QString styleKey(int styleNumber);
/// Applies the style of "PreferencesStyleKey" and writes the number back unchanged.
void applyStyle(glyph::Preferences& preferences);
/// Makes the font of "FontGeneralKey" the application font.
void applyFont(const glyph::Preferences& preferences);

} // namespace startup
