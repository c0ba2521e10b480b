#include "engine/unseentiles.h"

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

} // namespace glyph::unseentiles
