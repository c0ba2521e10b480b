#include "ai/luahost.h"

#include <cstdio>
#include <cstring>
#include <lua.hpp>

#include "ai/aiplayers.h"
#include "ai/exportedfunctions.h"
#include "ai/movegenerator.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/gameview.h"
#include "engine/player.h"

namespace glyph
{

namespace
{

/// Instructions between two looks at the clock while a script runs.
constexpr int kHookInstructionCount = 10000;

std::string fieldText(const char* field, std::size_t size)
{
    return std::string(field, strnlen(field, size));
}

std::string formatNotice(const std::string& format, const std::string& name)
{
    char text[256];
    std::snprintf(text, sizeof text, format.c_str(), name.c_str());
    return text;
}

} // namespace

LuaHost::LuaHost(Game& game) : m_game(game)
{
    m_state = luaL_newstate();
    *static_cast<LuaHost**>(lua_getextraspace(m_state)) = this;
    const luaL_Reg libraries[] = {{LUA_GNAME, luaopen_base},       {LUA_COLIBNAME, luaopen_coroutine},
                                  {LUA_TABLIBNAME, luaopen_table}, {LUA_IOLIBNAME, luaopen_io},
                                  {LUA_OSLIBNAME, luaopen_os},     {LUA_STRLIBNAME, luaopen_string},
                                  {LUA_MATHLIBNAME, luaopen_math}, {LUA_DBLIBNAME, luaopen_debug}};
    for (const luaL_Reg& library : libraries) {
        luaL_requiref(m_state, library.name, library.func, 1);
        lua_pop(m_state, 1);
    }
    for (int row = 0; row < kExportedFunctionRows && kExportedFunctions[row].name != nullptr; ++row) {
        if (kExportedFunctions[row].function == nullptr)
            continue;
        lua_pushcclosure(m_state, kExportedFunctions[row].function, 0);
        lua_setglobal(m_state, kExportedFunctions[row].name);
    }
}

LuaHost::~LuaHost()
{
    lua_close(m_state);
}

LuaHost& LuaHost::fromState(lua_State* state)
{
    return **static_cast<LuaHost**>(lua_getextraspace(state));
}

void LuaHost::setSolution(const Move& move)
{
    m_solution = move;
    m_exchangeLetters.clear();
}

bool LuaHost::requestExchange(const std::string& letters)
{
    const GameRules* rules = m_game.rules();
    if (letters.empty() || rules == nullptr || !rules->inProgress() || !rules->canExchange())
        return false;
    std::string rack = fieldText(rules->currentPlayer().rack, sizeof(Player::rack));
    for (char code : letters) {
        const std::size_t at = rack.find(code);
        if (at == std::string::npos)
            return false;
        rack.erase(at, 1);
    }
    m_solution = Move{};
    m_exchangeLetters = letters;
    return true;
}

void LuaHost::limitHook(lua_State* state, lua_Debug*)
{
    LuaHost& host = fromState(state);
    if (!host.m_stopping && std::chrono::steady_clock::now() < host.m_deadline)
        return;
    // From now on every instruction fails, so a script that catches the error cannot go on.
    host.m_stopping = true;
    lua_sethook(state, limitHook, LUA_MASKCOUNT, 1);
    luaL_error(state, "script stopped: it ran longer than %d ms",
               static_cast<int>(host.m_runTimeLimit.count()));
}

bool LuaHost::run(int loadStatus, std::string& error)
{
    int status = loadStatus;
    if (status == LUA_OK) {
        m_stopping = false;
        m_deadline = std::chrono::steady_clock::now() + m_runTimeLimit;
        lua_sethook(m_state, limitHook, LUA_MASKCOUNT, kHookInstructionCount);
        status = lua_pcall(m_state, 0, 0, 0);
        lua_sethook(m_state, nullptr, 0, 0);
    }
    if (status == LUA_OK)
        return true;
    const char* message = lua_tostring(m_state, -1);
    error = message != nullptr ? message
                               : std::string("(error object is a ") + luaL_typename(m_state, -1) + " value)";
    lua_settop(m_state, 0);
    return false;
}

bool LuaHost::runFile(const std::string& path)
{
    std::string error;
    if (run(luaL_loadfile(m_state, path.c_str()), error))
        return true;
    std::fprintf(stderr, "%s\n", error.c_str());
    if (m_stopping)
        m_game.view().appendScriptOutput("Error: " + error);
    m_stopping = false;
    return false;
}

bool LuaHost::runText(const std::string& text)
{
    std::string error;
    if (run(luaL_loadstring(m_state, text.c_str()), error))
        return true;
    m_stopping = false;
    m_game.view().appendScriptOutput("Error: " + error);
    return false;
}

Move LuaHost::computerTurn(const Player& player)
{
    using Clock = std::chrono::steady_clock;
    const std::string name = fieldText(player.name, sizeof player.name);
    GameView& view = m_game.view();
    view.showThinkingNotice(formatNotice(view.translate("\nPlease Wait...\n\n  %s is thinking  \n\n"), name));
    const Clock::time_point started = Clock::now();

    m_exchangeLetters.clear();
    m_solution = moveGenerator(m_game).generate(fieldText(player.rack, sizeof player.rack));
    runFile(m_profileFolder + fieldText(player.profile, sizeof player.profile));

    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
    if (elapsed < kMinimumThinkingMs)
        view.wait(static_cast<int>(kMinimumThinkingMs - elapsed));
    view.hideThinkingNotice();
    if (m_solution.isPass()) {
        view.showThinkingNotice(formatNotice(view.translate("\n\n  %s  PASED  \n\n\n"), name));
        view.wait(kPassNoticeMs);
        view.hideThinkingNotice();
    }
    return m_solution;
}

bool LuaHost::playSolution(const Move& solution)
{
    GameRules* rules = m_game.rules();
    if (rules == nullptr)
        return false;
    if (solution.isPass() && !m_exchangeLetters.empty()) {
        std::string kept = fieldText(rules->currentPlayer().rack, sizeof(Player::rack));
        for (char code : m_exchangeLetters)
            if (const std::size_t at = kept.find(code); at != std::string::npos)
                kept.erase(at, 1);
        const std::string letters = m_exchangeLetters;
        m_exchangeLetters.clear();
        if (rules->passOrExchange(letters, kept))
            return true;
    }
    return rules->playMove(solution);
}

} // namespace glyph
