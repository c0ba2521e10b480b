#pragma once

struct lua_State;

namespace glyph
{

/// The pattern functions of the Lua string library (`find`, `match`, `gmatch`, `gsub`) with the
/// library's own pattern language, rewritten so that a long match keeps looking at the script
/// host's limits: the library's matcher runs inside C where no hook fires, and a pattern such as
/// "a-a-a-a-a-a-b" on a long subject backtracks for minutes.
class LuaStringMatcher
{
public:
    /// Matching steps between two looks at the host's limits.
    static constexpr unsigned kCheckInterval = 4096;

    /// Replaces the four functions in the string table (and so in the strings' methods) of this
    /// state, whose host is a `LuaHost`.
    static void install(lua_State* state);
};

} // namespace glyph
