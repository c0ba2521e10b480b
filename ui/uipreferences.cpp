#include "ui/uipreferences.h"

#include <algorithm>

#include "engine/game.h"
#include "preferences/preferences.h"

namespace glyph::uiprefs
{

QColor colour(Game& game, const char* key)
{
    QColor value(Qt::black);
    game.preferences().getColour(key, value);
    return value;
}

QFont font(Game& game, const char* key, int pointSize)
{
    QFont value;
    game.preferences().getFont(key, value);
    value.setPointSize(std::max(1, pointSize));
    return value;
}

int integer(Game& game, const char* key)
{
    return game.preferences().integer(key, 0);
}

} // namespace glyph::uiprefs
