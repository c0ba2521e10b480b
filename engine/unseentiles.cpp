#include "engine/unseentiles.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "engine/gamerules.h"

namespace glyph::unseentiles
{

std::array<int, kLetterCount> counts(const GameRules& rules, int player)
{
    std::array<int, kLetterCount> unseen{};
    for (int k = 0; k < kLetterCount; ++k)
        unseen[k] = rules.bag().count(k);
    const std::vector<Player>& players = rules.players();
    for (int seat = 0; seat < static_cast<int>(players.size()); ++seat) {
        if (seat == player)
            continue;
        for (char code :
             std::string_view(players[seat].rack, strnlen(players[seat].rack, sizeof players[seat].rack)))
            if (code >= 'A' && code <= kJoker)
                ++unseen[code - 'A'];
    }
    return unseen;
}

std::string letters(const std::array<int, kLetterCount>& counts)
{
    std::string tiles;
    for (int code = 0; code < kLetterCount; ++code)
        tiles.append(static_cast<std::size_t>(std::max(0, counts[static_cast<std::size_t>(code)])),
                     static_cast<char>('A' + code));
    return tiles;
}

} // namespace glyph::unseentiles
