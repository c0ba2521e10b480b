#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include <string>

#include "preferences/windowlimits.h"

namespace glyph
{

class Game;
class Preferences;

/// Typed reads and writes of the preferences for the window: colours ("red green blue"), fonts
/// ("size weight bold italic underline family", weights on the 0..99 scale) and geometries
/// ("x y width height"). The drawing helpers read the store again at every call, so a changed
/// colour or font shows at the next paint.
namespace uiprefs
{

/// Each getter returns false and leaves `out` unchanged when the key is unknown; fields missing
/// from the stored text keep the values `out` had.
bool getColour(const Preferences& preferences, const std::string& key, QColor& out);
bool getFont(const Preferences& preferences, const std::string& key, QFont& out);
/// The font size is kept within windowlimits::kMinFontPoints..kMaxFontPoints; the geometry comes
/// as plain numbers, since a stored one may be too large for a QRect.
bool getGeometry(const Preferences& preferences, const std::string& key, windowlimits::Rectangle& out);

void setColour(Preferences& preferences, const std::string& key, const QColor& colour);
void setFont(Preferences& preferences, const std::string& key, const QFont& font);
/// Stores x, y of the frame and width, height of the client area.
void setGeometry(Preferences& preferences, const std::string& key, const QRect& geometry);

/// The colour under key (black when the key is unknown).
QColor colour(Game& game, const char* key);
/// The font under key at the given point size (at least 1 point).
QFont font(Game& game, const char* key, int pointSize);
/// The integer under key (0 when unknown).
int integer(Game& game, const char* key);

} // namespace uiprefs
} // namespace glyph
