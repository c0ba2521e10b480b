#pragma once

#include <QColor>
#include <QFont>

namespace glyph
{

class Game;

/// Typed reads of the preferences for drawing code: every call reads the store again, so a
/// changed colour or font shows at the next paint.
namespace uiprefs
{

/// The colour under key (black when the key is unknown).
QColor colour(Game& game, const char* key);
/// The font under key at the given point size (at least 1 point).
QFont font(Game& game, const char* key, int pointSize);
/// The integer under key (0 when unknown).
int integer(Game& game, const char* key);

} // namespace uiprefs
} // namespace glyph
