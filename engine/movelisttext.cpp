#include "engine/movelisttext.h"

#include <algorithm>
#include <cstring>

#include "engine/game.h"
#include "engine/gamerules.h"

namespace glyph::movelisttext
{

namespace
{

constexpr char32_t kLastLatin1 = 0xFF;

// Length of the UTF-8 sequence that `lead` starts, or 0 for a byte that starts none.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Latin-1 text padded with blanks on the right to at least `width` characters, as "%-*s" does.
std::string padded(std::string text, int width)
{
    if (static_cast<int>(text.size()) < width)
        text.append(static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

} // namespace

std::string latin1(std::string_view utf8)
{
    std::string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = sequenceLength(lead);
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        int taken = 1;
        for (; taken < length && i + taken < utf8.size(); ++taken) {
            const auto next = static_cast<unsigned char>(utf8[i + taken]);
            if ((next & 0xC0) != 0x80)
                break;
            code = (code << 6) | (next & 0x3F);
        }
        // A sequence cut short gives one "?" and the reading goes on at the byte that cut it;
        // sequences of three or four bytes hold characters past Latin-1 (or overlong forms).
        const bool whole = length > 0 && taken == length;
        text += whole && length <= 2 && code <= kLastLatin1 ? static_cast<char>(code) : '?';
        i += std::max(taken, 1);
    }
    return text;
}

std::string table(const Game& game, std::string_view heading, std::string_view lineEnd)
{
    const GameRules* rules = game.rules();
    if (rules == nullptr || rules->players().empty())
        return {};
    const int players = static_cast<int>(rules->players().size());
    const int last = std::min(rules->historyPosition(), static_cast<int>(rules->history().size()) - 1);
    if (last < 1)
        return {};

    std::string text = latin1(heading);
    for (const Player& player : rules->players())
        text += padded(latin1(std::string_view(player.name, strnlen(player.name, sizeof player.name))),
                       kCellWidth);
    text += lineEnd;
    text += std::string(static_cast<std::size_t>(kRoundWidth + kCellWidth * players), '-');
    text += lineEnd;

    for (int turn = 1; turn <= last; ++turn) {
        if ((turn - 1) % players == 0)
            text += padded(std::to_string((turn - 1) / players + 1), kRoundWidth) + " ";
        const Move& move = rules->history()[static_cast<std::size_t>(turn)].move;
        text += padded(latin1(game.moveText(move, game.board())) + " " + std::to_string(move.score) + "p",
                       kCellWidth);
        if (turn % players == 0 || turn == last)
            text += lineEnd;
    }
    return text;
}

} // namespace glyph::movelisttext
