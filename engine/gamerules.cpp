#include "engine/gamerules.h"

#include "engine/gameclassic.h"

namespace glyph
{

const GameType kGameTypes[] = {
    {kClassicGameType, "Tabulo Classic"},
    {kGameTypeEnd, "Last"},
};

namespace
{

/// The seat returned while no game is in progress: no name, no rack, no score.
Player& emptyPlayer()
{
    static Player empty;
    return empty;
}

} // namespace

const Player& GameRules::currentPlayer() const
{
    return inProgress() ? m_players[m_current] : emptyPlayer();
}

Player& GameRules::currentPlayer()
{
    if (inProgress())
        return m_players[m_current];
    // Whatever a caller wrote into the empty seat is wiped, so it stays empty.
    emptyPlayer() = Player{};
    return emptyPlayer();
}

std::unique_ptr<GameRules> createRules(unsigned char typeCode, Game& game)
{
    if (typeCode == kClassicGameType)
        return std::make_unique<GameClassic>(game);
    return nullptr;
}

} // namespace glyph
