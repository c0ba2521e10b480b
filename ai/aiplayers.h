#pragma once

#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "engine/computerplayers.h"

namespace glyph
{

class Game;

/// The computer players of one game: the move generator and the Lua host that runs the
/// profiles. Attached to the game by `attachAiPlayers`, reached through the helpers below.
class AiPlayers final : public ComputerPlayers
{
public:
    explicit AiPlayers(Game& game) : m_generator(game), m_host(game) {}

    MoveGenerator& generator() { return m_generator; }
    LuaHost& host() { return m_host; }

private:
    MoveGenerator m_generator;
    LuaHost m_host;
};

/// Creates the computer players of `game` and attaches them (replacing any attached before).
AiPlayers& attachAiPlayers(Game& game);
/// The move generator of the computer players and the top-moves list; the game must have
/// its computer players attached.
MoveGenerator& moveGenerator(Game& game);
const MoveGenerator& moveGenerator(const Game& game);
/// The Lua host that runs the computer players' profiles; attached as above.
LuaHost& scriptHost(Game& game);

} // namespace glyph
