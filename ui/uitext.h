#pragma once

#include <QString>

#include <string>

namespace glyph
{

struct Player;

/// Safe reads of a player's fixed-size text fields for display.
namespace uitext
{

/// The player's name (never reads past its field).
QString name(const Player& player);
/// The profile file name, empty for a human.
QString profile(const Player& player);
/// The rack in internal letter codes.
std::string rack(const Player& player);
/// Fills a printf-style translated format holding one "%s".
QString withText(const QString& format, const QString& text);

} // namespace uitext
} // namespace glyph
