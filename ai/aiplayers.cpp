#include "ai/aiplayers.h"

#include <algorithm>
#include <memory>

#include <filesystem>
#include <system_error>
#include <thread>

#include "engine/game.h"
#include "engine/gameview.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"

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

const LeaveValues& AiPlayers::leaveValues()
{
    const std::string set = m_game.preferences().string(keys::kGameSet);
    if (m_leavesRead && set == m_leavesSet)
        return m_leaves;
    m_leavesRead = true;
    m_leavesSet = set;
    m_leaves = LeaveValues::handWritten(m_game.letterSet());
    const std::string file = m_game.folders().find(LeaveValues::fileForSet(set));
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return m_leaves;
    std::string message;
    if (!m_leaves.load(file, m_game.letterSet(), message))
        m_game.view().showWarning(message);
    return m_leaves;
}

int AiPlayers::defaultSearchThreads()
{
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

AiPlayers& aiPlayers(Game& game)
{
    return attached(game);
}

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

const LeaveValues& leaveValues(Game& game)
{
    return attached(game).leaveValues();
}

} // namespace glyph
