#include "ai/luacompat.h"

#include <lua.hpp>

namespace glyph
{

namespace
{

// Written in Lua, so that the time and memory limits reach every loop of them.
constexpr char kLua50Names[] = R"lua(
local load, pairs, rawget, type, error = load, pairs, rawget, type, error
local gmatch, fmod, log = string.gmatch, math.fmod, math.log

-- As in Lua 5.0, a numeric field n gives the size of the table.
local function getn(t)
    local n = rawget(t, "n")
    if type(n) == "number" then return n end
    return #t
end
table.getn = getn
table.setn = function() end
table.foreach = function(t, f)
    for k, v in pairs(t) do
        local result = f(k, v)
        if result ~= nil then return result end
    end
end
table.foreachi = function(t, f)
    for i = 1, getn(t) do
        local result = f(i, t[i])
        if result ~= nil then return result end
    end
end
math.mod = fmod
math.pow = function(x, y) return x ^ y end
math.log10 = function(x) return log(x, 10) end
string.gfind = gmatch
unpack = table.unpack
loadstring = function(text, name)
    if type(text) ~= "string" then error("bad argument #1 to 'loadstring' (string expected)", 2) end
    return load(text, name)
end
)lua";

} // namespace

void LuaCompat::install(lua_State* state)
{
    // Only a state out of memory fails here; the profile then finds the names missing.
    if (luaL_loadbufferx(state, kLua50Names, sizeof kLua50Names - 1, "=lua50names", "t") != LUA_OK ||
        lua_pcall(state, 0, 0, 0) != LUA_OK)
        lua_pop(state, 1);
}

} // namespace glyph
