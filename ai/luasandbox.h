#pragma once

struct lua_State;

namespace glyph
{

/// The libraries a profile may use. Profiles are files that people share, so they run without
/// the user's rights: base (no `dofile`, no `loadfile`, `load` for text only, `setmetatable`
/// without finalizers), coroutine, table, string (with limited pattern matching), math,
/// `os.time`, `os.clock` and `os.date`, `print` and `io.write` writing to the script output, and
/// `debug.traceback`. No files, no programs, no environment, no hooks.
class LuaSandbox
{
public:
    /// Opens these libraries in a fresh state whose host is a `LuaHost`.
    static void open(lua_State* state);
};

} // namespace glyph
