#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ai/luawatchdog.h"
#include "engine/move.h"

struct lua_State;
struct lua_Debug;

namespace glyph
{

class Game;
struct Player;

/// Runs the computer players' profile scripts in one Lua state kept for the whole run, with
/// the exported functions, and holds the turn's solution that the scripts may replace.
class LuaHost
{
public:
    /// Run time after which a script is stopped, unless set otherwise.
    static constexpr std::chrono::milliseconds kDefaultRunTimeLimit{10000};
    /// Memory the state may hold while a script runs, unless set otherwise.
    static constexpr std::size_t kDefaultMemoryLimit = std::size_t{256} << 20;
    /// Shortest time the thinking notice stays up.
    static constexpr int kMinimumThinkingMs = 1500;
    /// How long the "PASED" notice stays up.
    static constexpr int kPassNoticeMs = 1500;

    /// Opens the state with the profile sandbox's libraries (see `LuaSandbox`), with memory
    /// counted by the host, and registers the exported functions as globals.
    explicit LuaHost(Game& game);
    ~LuaHost();
    LuaHost(const LuaHost&) = delete;
    LuaHost& operator=(const LuaHost&) = delete;

    /// A fresh state, as at the start: the globals the profiles kept (such as the turn they last
    /// exchanged) are gone. For a new game; never while a script runs.
    void restart();

    /// One computer turn: notice, `chooseMove`, the 1.5 s minimum, the pass notice when the
    /// solution is empty; returns the solution.
    Move computerTurn(const Player& player);
    /// The thinking of a computer turn without any notice or wait: generates the moves of the
    /// player's rack and runs its profile; returns the solution. It may run on a worker thread
    /// while nothing else touches the game; the script's output still goes to the game's view.
    Move chooseMove(const Player& player);
    /// The notices of a computer turn, in the view's language: thinking, and passing.
    std::string thinkingNotice(const Player& player);
    std::string passNotice(const Player& player);
    /// Time a script still has after an interrupt to use what its searches kept.
    static constexpr std::chrono::milliseconds kInterruptGrace{250};

    /// Asks the searches of the turn under way (SimulateMoves, SolveEndgame) to stop at once
    /// and keep their best so far, and the script to end within kInterruptGrace; from any
    /// thread. Cleared when the turn ends.
    void interrupt();
    /// As `interrupt`, for a turn whose result will not be used: the script stops at its next
    /// instruction.
    void abandon();
    /// Forgets an interrupt asked for when no search was under way (while a chosen move was on
    /// show), so that it does not cut short the next turn; call it before a turn starts.
    /// `runText` calls it itself.
    void clearInterrupt();
    const std::atomic<bool>& interruptFlag() const { return m_interrupted; }
    /// When the running script is stopped for its time; long calls made for it end before.
    std::chrono::steady_clock::time_point deadline() const { return m_deadline; }
    /// The error of the last profile run, empty when it ran cleanly.
    const std::string& lastError() const { return m_lastError; }
    /// Plays a turn's solution: the exchange the script asked for, else `playMove`.
    bool playSolution(const Move& solution);
    /// Largest profile file read.
    static constexpr std::uint64_t kMaxProfileBytes = 8 * 1024 * 1024;

    /// Runs a Lua file (a regular file of at most kMaxProfileBytes, as text) in the shared
    /// state; false when it could not be read or loaded, or failed (the message on stderr).
    bool runFile(const std::string& path);
    /// Runs the profile of that name from the profile folder, as `runFile`; false without
    /// reading anything when the name is not a profile name (`Player::isProfileName`).
    bool runProfile(const std::string& name);
    /// Runs Lua text in the shared state; false after an "Error: " line in the output pane.
    bool runText(const std::string& text);

    const Move& solution() const { return m_solution; }
    void setSolution(const Move& move);
    /// Letters the script asked to exchange this turn (empty: none).
    const std::string& exchangeLetters() const { return m_exchangeLetters; }
    /// Asks for an exchange of these rack letters; false when they are not in the current
    /// player's rack or the bag does not allow it. The solution becomes a pass.
    bool requestExchange(const std::string& letters);
    /// Whether the current player may exchange these rack letters now.
    bool canExchange(const std::string& letters) const;

    /// Folder the profiles are read from ("Profiles/" unless set otherwise), a data name
    /// found through the game's folders (the user's profile first, else the shipped one).
    const std::string& profileFolder() const { return m_profileFolder; }
    void setProfileFolder(const std::string& folder) { m_profileFolder = folder; }
    /// The file of a profile name ("Greedy.cpu"): the user's when it exists, else the shipped one.
    std::string profilePath(const std::string& profile) const;
    std::chrono::milliseconds runTimeLimit() const { return m_runTimeLimit; }
    void setRunTimeLimit(std::chrono::milliseconds limit) { m_runTimeLimit = limit; }
    std::size_t memoryLimit() const { return m_memoryLimit; }
    void setMemoryLimit(std::size_t bytes) { m_memoryLimit = bytes; }
    /// Bytes the Lua state holds now.
    std::size_t memoryUsed() const { return m_memoryUsed; }

    /// Most bytes of script output one run passes on; the rest is dropped after one line
    /// saying so, so that a flood neither fills the output pane nor keeps the turn busy.
    static constexpr std::size_t kMaxOutputBytes = std::size_t{16} << 20;
    /// Text a script printed (`print`, `io.write`, `Debug`): each complete line goes to the script
    /// output, cut into lines of at most 4,096 bytes, the rest when the run ends. What a run
    /// prints counts against the memory limit; past it, the text is dropped and the script stops.
    void writeScriptText(std::string_view text);
    /// Stops the running script with a Lua error once it has run too long or used too much
    /// memory; for library functions that work long inside C, where the hook cannot look.
    static void checkLimits(lua_State* state);
    /// The output pane's line for a run's error (Lua's message, Latin-1 as scripts are):
    /// "Error: " and the message in UTF-8, with the host's own messages in it (limits,
    /// refusals of the sandbox) in the language of the game's view. Inside Lua they stay
    /// English, so that a script sees the same text in every language.
    std::string shownError(const std::string& error);

    Game& game() { return m_game; }
    lua_State* state() { return m_state; }
    /// The host that owns a state (or one of its coroutines).
    static LuaHost& fromState(lua_State* state);

private:
    enum class StopReason { None, Time, Memory, Interrupted };

    void openState();
    void beginRun();
    bool finishRun(int loadStatus, std::string& error);
    void flushScriptText();
    /// Passes the text on as lines, as far as the run's limits allow; returns the bytes dropped.
    std::size_t passScriptText(std::string_view text);
    void passLine();
    std::size_t outputRoom();
    static void limitHook(lua_State* state, lua_Debug* debug);
    static void* allocate(void* host, void* block, std::size_t oldSize, std::size_t newSize);

    Game& m_game;
    lua_State* m_state = nullptr;
    Move m_solution;
    std::string m_exchangeLetters;
    std::string m_profileFolder = "Profiles/";
    std::chrono::milliseconds m_runTimeLimit = kDefaultRunTimeLimit;
    std::chrono::steady_clock::time_point m_deadline;
    StopReason m_stopReason = StopReason::None;
    bool m_running = false;
    std::atomic<bool> m_interrupted{false};
    std::size_t m_memoryLimit = kDefaultMemoryLimit;
    std::size_t m_memoryUsed = 0;
    std::size_t m_outputBytes = 0;
    bool m_outputCut = false;
    std::string m_pendingText;
    std::string m_lastError;
    // Armed only while a run is under way.
    LuaWatchdog m_watchdog;
};

} // namespace glyph
