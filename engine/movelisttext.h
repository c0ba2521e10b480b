#pragma once

#include <string>
#include <string_view>

namespace glyph
{

class Game;

/// The move list as a plain-text table in Latin-1: the players' names, a rule, then one line
/// per round up to the shown history position, each column padded to its width in characters.
namespace movelisttext
{

/// Width of the round column and of each player's column, in characters.
constexpr int kRoundWidth = 4;
constexpr int kCellWidth = 30;

/// UTF-8 text as Latin-1 bytes: a character Latin-1 cannot hold, or a byte that is not part
/// of a well-formed UTF-8 character, becomes "?".
std::string latin1(std::string_view utf8);

/// The table of the game's moves, headed by `heading` (UTF-8), with lines ended by `lineEnd`.
/// Empty when no move has been made or no player is seated.
std::string table(const Game& game, std::string_view heading, std::string_view lineEnd);

} // namespace movelisttext
} // namespace glyph
