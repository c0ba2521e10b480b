#pragma once

struct lua_State;

namespace glyph
{

/// The libraries a profile may use. Profiles are files that people share, so they run without
/// the user's rights: base (no `dofile`, no `loadfile`, `load` for text only, `setmetatable`
/// without finalizers or weak tables, `collectgarbage` that cannot stop or retune the
/// collector), coroutine (`close` nested at most 100 deep), table (its loops in C stopped at
/// the host's limits), string (with limited pattern matching), math,
/// `os.time`, `os.clock` and `os.date`, `print` and `io.write` writing to the script output, and
/// `debug.traceback`. No files, no programs, no environment, no hooks.
class LuaSandbox
{
public:
    /// Opens these libraries in a fresh state whose host is a `LuaHost`.
    static void open(lua_State* state);
    /// The sandbox's refusals of what a profile may not do, as Lua errors give them (English;
    /// the host translates them for the output pane).
    static constexpr const char* kWeakTableRefusal = "weak tables (__mode) are not available to profiles";
    static constexpr const char* kFinalizerRefusal = "finalizers (__gc) are not available to profiles";
    static constexpr const char* kMetaMetatableRefusal =
        "a metatable with a metatable of its own is not available to profiles";
    static constexpr const char* kNestedCloseRefusal = "coroutine.close nested too deeply";
    static constexpr const char* kRefusals[] = {kWeakTableRefusal, kFinalizerRefusal, kMetaMetatableRefusal,
                                                kNestedCloseRefusal};
    /// Keeps the globals, the libraries' fields and the strings' metatable as they are now,
    /// once the host has added its own functions.
    static void keepGenuine(lua_State* state);
    /// Puts back what `keepGenuine` kept (a script may have replaced or wrapped any of it to
    /// steer or spy on the next script, since all share one state) and takes any `__mode` out
    /// of the scripts' metatables. Globals a script added stay. Runs no script code.
    static void restoreGenuine(lua_State* state);
};

} // namespace glyph
