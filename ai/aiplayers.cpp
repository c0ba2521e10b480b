#include "ai/aiplayers.h"

#include <memory>

#include "engine/game.h"

namespace glyph
{

namespace
{

// Only this layer attaches computer players, so the one kind the game can hold is ours.
AiPlayers& attached(Game& game)
{
    return static_cast<AiPlayers&>(*game.computerPlayers());
}

} // namespace

AiPlayers& attachAiPlayers(Game& game)
{
    auto players = std::make_unique<AiPlayers>(game);
    AiPlayers& result = *players;
    game.setComputerPlayers(std::move(players));
    return result;
}

MoveGenerator& moveGenerator(Game& game)
{
    return attached(game).generator();
}

const MoveGenerator& moveGenerator(const Game& game)
{
    return attached(const_cast<Game&>(game)).generator();
}

LuaHost& scriptHost(Game& game)
{
    return attached(game).host();
}

} // namespace glyph
