#pragma once

#include <QString>

class QWidget;

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
/// The text with the marks taken off its Latin letters (ă â to a, î to i, ș ş to s, ț ţ to t),
/// as the letter sets play them, so that what a user types with them finds the plain letters
/// (letters::withoutDiacritics, which glyphdict uses too).
QString withoutDiacritics(const QString& text);
/// Fills a printf-style translated format holding one "%s".
QString withText(const QString& format, const QString& text);
/// The width a top-level window needs for its caption to show whole beside the title bar's
/// buttons.
int captionWidth(const QWidget& window);
/// Raises a top-level window's minimum width to its caption width.
void fitCaption(QWidget& window);

} // namespace uitext
} // namespace glyph
