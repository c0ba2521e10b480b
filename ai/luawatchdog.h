#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

struct lua_State;
struct lua_Debug;

namespace glyph
{

/// Watches one Lua run from a thread of its own: at the run's deadline, or as soon as the run
/// is cut short, it sets the state's count hook to fire on the very next instruction, so that a
/// loop of slow library calls is stopped without waiting for the usual instruction count.
class LuaWatchdog
{
public:
    using Clock = std::chrono::steady_clock;
    using Hook = void (*)(lua_State*, lua_Debug*);

    LuaWatchdog();
    /// Stops and joins the watching thread.
    ~LuaWatchdog();
    LuaWatchdog(const LuaWatchdog&) = delete;
    LuaWatchdog& operator=(const LuaWatchdog&) = delete;

    /// Starts watching a run of `state` that must end by `deadline`, or earlier if cut short.
    void arm(lua_State* state, Hook hook, Clock::time_point deadline);
    /// Stops watching; after it returns the watchdog no longer touches the state.
    void disarm();
    /// Makes the run end by `when` at the latest; from any thread, also before the run is armed
    /// (until `clear`).
    void cutShort(Clock::time_point when);
    /// Forgets a `cutShort`.
    void clear();
    /// Whether the watched run reached its deadline or the time it was cut short to.
    bool fired() const { return m_fired; }
    /// Whether the run was cut short (rather than running out of its own time).
    bool wasCutShort() const { return m_cutShortFired; }

private:
    void watch();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    lua_State* m_state = nullptr;
    Hook m_hook = nullptr;
    Clock::time_point m_deadline;
    Clock::time_point m_cutShortAt = Clock::time_point::max();
    bool m_quit = false;
    std::atomic<bool> m_fired{false};
    std::atomic<bool> m_cutShortFired{false};
    std::thread m_thread;
};

} // namespace glyph
