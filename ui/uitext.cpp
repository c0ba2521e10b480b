#include "ui/uitext.h"

#include <cstring>

#include "engine/player.h"

namespace glyph::uitext
{

QString name(const Player& player)
{
    return QString::fromUtf8(player.name, static_cast<qsizetype>(strnlen(player.name, sizeof player.name)));
}

QString profile(const Player& player)
{
    return QString::fromUtf8(player.profile,
                               static_cast<qsizetype>(strnlen(player.profile, sizeof player.profile)));
}

std::string rack(const Player& player)
{
    return std::string(player.rack, strnlen(player.rack, sizeof player.rack));
}

QString withText(const QString& format, const QString& text)
{
    QString result = format;
    const qsizetype at = result.indexOf("%s");
    if (at >= 0)
        result.replace(at, 2, text);
    return result;
}

} // namespace glyph::uitext
