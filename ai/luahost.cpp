#include "ai/luahost.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <lua.hpp>

#include "ai/aiplayers.h"
#include "ai/exportedfunctions.h"
#include "ai/luasandbox.h"
#include "ai/movegenerator.h"
#include "base/letters.h"
#include "base/regularfile.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/gameview.h"
#include "engine/player.h"
#include "engine/textencoding.h"

namespace glyph
{

namespace
{

// The host's stops, English inside Lua; the output pane shows them translated.
const char* const kMemoryStop = "script stopped: it used more than %d MB";
const char* const kTimeStop = "script stopped: it ran longer than %d ms";
const char* const kInterruptedStop = "script stopped: its turn was interrupted";

/// Instructions between two looks at the clock while a script runs; at its deadline the
/// watchdog makes the next instruction look.
constexpr int kHookInstructionCount = 10000;
/// What one line of output costs beyond its bytes, in the pane and on its way there: counted,
/// so that a flood of empty lines is cut like a flood of long ones.
constexpr std::size_t kLineOverhead = 128;
/// Longest line of printed text kept before it goes to the script output unfinished.
constexpr std::size_t kLongestPendingLine = 4096;

int panic(lua_State* state)
{
    std::fprintf(stderr, "Lua: unprotected error: %s\n", lua_tostring(state, -1));
    return 0;
}

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
    openState();
}

void LuaHost::restart()
{
    lua_close(m_state);
    openState();
}

void LuaHost::openState()
{
    m_state = lua_newstate(allocate, this);
    lua_atpanic(m_state, panic);
    *static_cast<LuaHost**>(lua_getextraspace(m_state)) = this;
    LuaSandbox::open(m_state);
    for (int row = 0; row < kExportedFunctionRows && kExportedFunctions[row].name != nullptr; ++row) {
        if (kExportedFunctions[row].function == nullptr)
            continue;
        lua_pushcclosure(m_state, kExportedFunctions[row].function, 0);
        lua_setglobal(m_state, kExportedFunctions[row].name);
    }
    LuaSandbox::keepGenuine(m_state);
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

bool LuaHost::canExchange(const std::string& letters) const
{
    const GameRules* rules = m_game.rules();
    if (letters.empty() || rules == nullptr || !rules->inProgress() || !rules->canExchange())
        return false;
    std::string rack = fieldText(rules->currentPlayer().rack, sizeof(Player::rack));
    return letters::takeLetters(rack, letters);
}

bool LuaHost::requestExchange(const std::string& letters)
{
    if (!canExchange(letters))
        return false;
    m_solution = Move{};
    m_exchangeLetters = letters;
    return true;
}

void* LuaHost::allocate(void* owner, void* block, std::size_t oldSize, std::size_t newSize)
{
    LuaHost& host = *static_cast<LuaHost*>(owner);
    const std::size_t held = block == nullptr ? 0 : oldSize;
    if (newSize == 0) {
        std::free(block);
        host.m_memoryUsed -= held;
        return nullptr;
    }
    // Only a running script is limited: the host's own work between runs must not fail.
    if (newSize > held && host.m_running && host.m_memoryUsed - held + newSize > host.m_memoryLimit) {
        if (host.m_stopReason == StopReason::None)
            host.m_stopReason = StopReason::Memory;
        return nullptr;
    }
    void* grown = std::realloc(block, newSize);
    if (grown != nullptr)
        host.m_memoryUsed = host.m_memoryUsed - held + newSize;
    return grown;
}

void LuaHost::checkLimits(lua_State* state)
{
    LuaHost& host = fromState(state);
    if (!host.m_running)
        return;
    if (host.m_stopReason == StopReason::None && host.m_memoryUsed + host.m_outputBytes > host.m_memoryLimit)
        host.m_stopReason = StopReason::Memory;
    if (host.m_stopReason == StopReason::None && !host.m_watchdog.fired() &&
        std::chrono::steady_clock::now() < host.m_deadline)
        return;
    // From now on every instruction fails, so a script that catches the error cannot go on.
    lua_sethook(state, limitHook, LUA_MASKCOUNT, 1);
    if (host.m_stopReason == StopReason::Memory)
        luaL_error(state, kMemoryStop, static_cast<int>(host.m_memoryLimit >> 20));
    if (host.m_stopReason == StopReason::Interrupted ||
        (host.m_stopReason == StopReason::None && host.m_watchdog.wasCutShort())) {
        host.m_stopReason = StopReason::Interrupted;
        luaL_error(state, "%s", kInterruptedStop);
    }
    host.m_stopReason = StopReason::Time;
    luaL_error(state, kTimeStop, static_cast<int>(host.m_runTimeLimit.count()));
}

std::string LuaHost::shownError(const std::string& error)
{
    std::string text = textencoding::latin1ToUtf8(error);
    const auto translate = [this, &text](const char* format, int number) {
        const std::string english = translatedText(nullptr, format, number);
        const std::string shown = translatedText(&m_game.view(), format, number);
        for (auto at = text.find(english); at != std::string::npos;
             at = text.find(english, at + shown.size()))
            text.replace(at, english.size(), shown);
    };
    translate(kMemoryStop, static_cast<int>(m_memoryLimit >> 20));
    translate(kTimeStop, static_cast<int>(m_runTimeLimit.count()));
    translate(kInterruptedStop, 0);
    for (const char* refusal : LuaSandbox::kRefusals)
        translate(refusal, 0);
    return translatedText(&m_game.view(), "Error: %s", text.c_str());
}

void LuaHost::limitHook(lua_State* state, lua_Debug*)
{
    checkLimits(state);
}

void LuaHost::writeScriptText(std::string_view text)
{
    // Output counts against the memory limit even when it is dropped, as it did when printed.
    if (m_outputCut) {
        m_outputBytes += text.size();
        return;
    }
    const std::size_t dropped = passScriptText(text);
    if (m_running)
        m_outputBytes += dropped;
    if (m_running && m_outputBytes >= kMaxOutputBytes && m_stopReason == StopReason::None) {
        m_outputCut = true;
        flushScriptText();
        m_game.view().appendHostOutput(translatedText(&m_game.view(),
                                                      "(output cut: a run prints at most %d MB)",
                                                      static_cast<int>(kMaxOutputBytes >> 20)));
    }
}

std::size_t LuaHost::outputRoom()
{
    if (!m_running)
        return std::numeric_limits<std::size_t>::max();
    if (m_watchdog.fired() || m_stopReason != StopReason::None)
        return 0;
    if (m_memoryUsed + m_outputBytes >= m_memoryLimit) {
        m_stopReason = StopReason::Memory;
        return 0;
    }
    if (m_outputBytes >= kMaxOutputBytes)
        return 0;
    return std::min(kMaxOutputBytes - m_outputBytes, m_memoryLimit - m_memoryUsed - m_outputBytes);
}

void LuaHost::passLine()
{
    m_game.view().appendScriptOutput(m_pendingText);
    m_pendingText.clear();
    m_outputBytes += kLineOverhead;
}

std::size_t LuaHost::passScriptText(std::string_view text)
{
    // Each piece is counted as it is passed on, so that the limits hold inside one write:
    // what the run may not pass on is dropped.
    while (!text.empty()) {
        const std::size_t allowed = outputRoom();
        if (allowed == 0)
            return text.size();
        const std::size_t room = kLongestPendingLine - std::min(m_pendingText.size(), kLongestPendingLine);
        // Only the part that fits is searched: a search of the whole text for each piece cut
        // from it took seconds for a few hundred long lines.
        const std::size_t newline = text.substr(0, std::min(room + 1, allowed)).find('\n');
        if (newline != std::string_view::npos) {
            m_pendingText.append(text.data(), newline);
            text.remove_prefix(newline + 1);
            m_outputBytes += newline + 1;
            passLine();
        } else if (room == 0) {
            passLine();
        } else {
            const std::size_t taken = std::min({room, text.size(), allowed});
            m_pendingText.append(text.data(), taken);
            text.remove_prefix(taken);
            m_outputBytes += taken;
        }
    }
    return 0;
}

void LuaHost::flushScriptText()
{
    if (!m_pendingText.empty())
        m_game.view().appendScriptOutput(m_pendingText);
    m_pendingText.clear();
}

void LuaHost::beginRun()
{
    LuaSandbox::restoreGenuine(m_state);
    m_stopReason = StopReason::None;
    m_outputBytes = 0;
    m_outputCut = false;
    m_running = true;
    m_deadline = std::chrono::steady_clock::now() + m_runTimeLimit;
    lua_sethook(m_state, limitHook, LUA_MASKCOUNT, kHookInstructionCount);
    m_watchdog.arm(m_state, limitHook, m_deadline);
}

bool LuaHost::finishRun(int loadStatus, std::string& error)
{
    int status = loadStatus;
    if (status == LUA_OK)
        status = lua_pcall(m_state, 0, 0, 0);
    m_watchdog.disarm();
    lua_sethook(m_state, nullptr, 0, 0);
    m_running = false;
    LuaSandbox::restoreGenuine(m_state);
    flushScriptText();
    if (status == LUA_OK && m_stopReason == StopReason::None)
        return true;
    const char* message = status == LUA_OK ? nullptr : lua_tostring(m_state, -1);
    error = message != nullptr ? message
                               : std::string("(error object is a ") + luaL_typename(m_state, -1) + " value)";
    // A memory error raised inside Lua itself says "not enough memory"; name the limit instead.
    if (m_stopReason == StopReason::Memory && error.find("script stopped") == std::string::npos)
        error = translatedText(nullptr, kMemoryStop, static_cast<int>(m_memoryLimit >> 20));
    // The message is the script's own text (error(s) takes any string): cut it as a line.
    if (error.size() > kLongestPendingLine)
        error.resize(kLongestPendingLine);
    lua_settop(m_state, 0);
    return false;
}

bool LuaHost::runProfile(const std::string& name)
{
    if (!Player::isProfileName(name)) {
        m_lastError = name + ": not a profile name";
        std::fprintf(stderr, "%s\n", m_lastError.c_str());
        return false;
    }
    return runFile(profilePath(name));
}

bool LuaHost::runFile(const std::string& path)
{
    std::string& error = m_lastError;
    // A regular file only: a FIFO or device named here would block or never end.
    std::string text;
    const RegularFile::Status status = RegularFile::readFile(path, kMaxProfileBytes, text);
    if (status != RegularFile::Status::Read) {
        error = RegularFile::describe(status, path);
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    error.clear();
    beginRun();
    const std::string chunkName = "@" + path;
    if (finishRun(luaL_loadbufferx(m_state, text.data(), text.size(), chunkName.c_str(), "t"), error))
        return true;
    std::fprintf(stderr, "%s\n", error.c_str());
    if (m_stopReason != StopReason::None)
        m_game.view().appendHostOutput(shownError(error));
    return false;
}

bool LuaHost::runText(const std::string& text)
{
    std::string error;
    clearInterrupt();
    beginRun();
    if (finishRun(luaL_loadbufferx(m_state, text.data(), text.size(), text.c_str(), "t"), error))
        return true;
    m_game.view().appendHostOutput(shownError(error));
    return false;
}

std::string LuaHost::profilePath(const std::string& profile) const
{
    return m_game.folders().find(m_profileFolder + profile);
}

Move LuaHost::computerTurn(const Player& player)
{
    using Clock = std::chrono::steady_clock;
    GameView& view = m_game.view();
    view.showThinkingNotice(thinkingNotice(player));
    const Clock::time_point started = Clock::now();
    chooseMove(player);

    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
    if (elapsed < kMinimumThinkingMs)
        view.wait(static_cast<int>(kMinimumThinkingMs - elapsed));
    view.hideThinkingNotice();
    if (m_solution.isPass()) {
        view.showThinkingNotice(passNotice(player));
        view.wait(kPassNoticeMs);
        view.hideThinkingNotice();
    }
    return m_solution;
}

std::string LuaHost::thinkingNotice(const Player& player)
{
    return formatNotice(m_game.view().translate("\nPlease Wait...\n\n  %s is thinking  \n\n"),
                        fieldText(player.name, sizeof player.name));
}

std::string LuaHost::passNotice(const Player& player)
{
    return formatNotice(m_game.view().translate("\n\n  %s  PASED  \n\n\n"),
                        fieldText(player.name, sizeof player.name));
}

Move LuaHost::chooseMove(const Player& player)
{
    m_exchangeLetters.clear();
    m_solution = moveGenerator(m_game).generate(fieldText(player.rack, sizeof player.rack));
    runProfile(fieldText(player.profile, sizeof player.profile));
    clearInterrupt();
    return m_solution;
}

void LuaHost::interrupt()
{
    m_interrupted = true;
    m_watchdog.cutShort(std::chrono::steady_clock::now() + kInterruptGrace);
}

void LuaHost::abandon()
{
    m_interrupted = true;
    m_watchdog.cutShort(std::chrono::steady_clock::now());
}

void LuaHost::clearInterrupt()
{
    m_interrupted = false;
    m_watchdog.clear();
}

bool LuaHost::playSolution(const Move& solution)
{
    GameRules* rules = m_game.rules();
    if (rules == nullptr)
        return false;
    if (solution.isPass() && !m_exchangeLetters.empty()) {
        std::string kept = fieldText(rules->currentPlayer().rack, sizeof(Player::rack));
        letters::takeLetters(kept, m_exchangeLetters);
        const std::string letters = m_exchangeLetters;
        m_exchangeLetters.clear();
        if (rules->passOrExchange(letters, kept))
            return true;
    }
    return rules->playMove(solution);
}

} // namespace glyph
