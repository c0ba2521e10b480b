#pragma once

struct lua_State;

namespace glyph
{

/// The Lua 5.0 names that older profiles call, made from the sandbox's own functions:
/// `table.getn`, `table.setn` (ignored), `table.foreach`, `table.foreachi`, `math.mod`,
/// `math.pow`, `math.log10`, `string.gfind`, `unpack` and `loadstring` (text only, like `load`).
class LuaCompat
{
public:
    /// Adds the names to a state that `LuaSandbox` has opened; they use the sandbox's `load`
    /// and string matching as they stand at that moment, whatever a script does to them later.
    static void install(lua_State* state);
};

} // namespace glyph
