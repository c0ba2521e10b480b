#include "ai/luawatchdog.h"

#include <algorithm>
#include <lua.hpp>

namespace glyph
{

LuaWatchdog::LuaWatchdog() : m_thread([this] { watch(); }) {}

LuaWatchdog::~LuaWatchdog()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
        m_state = nullptr;
    }
    m_changed.notify_all();
    m_thread.join();
}

void LuaWatchdog::arm(lua_State* state, Hook hook, Clock::time_point deadline)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_state = state;
        m_hook = hook;
        m_deadline = deadline;
        m_fired = false;
        m_cutShortFired = false;
    }
    m_changed.notify_all();
}

void LuaWatchdog::disarm()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_state = nullptr;
}

void LuaWatchdog::cutShort(Clock::time_point when)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_cutShortAt = std::min(m_cutShortAt, when);
    }
    m_changed.notify_all();
}

void LuaWatchdog::clear()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_cutShortAt = Clock::time_point::max();
}

void LuaWatchdog::watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_quit) {
        if (m_state == nullptr) {
            m_changed.wait(lock);
            continue;
        }
        const Clock::time_point due = std::min(m_deadline, m_cutShortAt);
        if (Clock::now() < due) {
            m_changed.wait_until(lock, due);
            continue;
        }
        m_cutShortFired = m_cutShortAt < m_deadline;
        m_fired = true;
        // lua_sethook may be called from another thread while the state runs (the Lua manual
        // says so, for exactly this use); under the lock, the run cannot end meanwhile.
        lua_sethook(m_state, m_hook, LUA_MASKCOUNT, 1);
        m_state = nullptr;
    }
}

} // namespace glyph
