#include "ai/luasandbox.h"

#include <algorithm>
#include <lua.hpp>

#include "ai/luacompat.h"
#include "ai/luahost.h"
#include "ai/luastringmatcher.h"

namespace glyph
{

namespace
{

/// `load` with the mode forced to text: a binary chunk is refused (a damaged one would crash
/// the interpreter), whatever mode the script asks for.
int textLoad(lua_State* state)
{
    const bool environment = lua_gettop(state) >= 4;
    lua_settop(state, 4);
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_pushvalue(state, 1);
    lua_pushvalue(state, 2);
    lua_pushliteral(state, "t");
    if (environment)
        lua_pushvalue(state, 4);
    lua_call(state, environment ? 4 : 3, LUA_MULTRET);
    return lua_gettop(state) - 4;
}

/// `setmetatable` that refuses finalizers: a `__gc` function runs with hooks off, where no
/// time limit can reach it. An object only becomes finalizable here, so a `__gc` field added
/// to the metatable later has no effect.
int setMetatableWithoutFinalizer(lua_State* state)
{
    if (lua_type(state, 2) == LUA_TTABLE) {
        lua_pushliteral(state, "__gc");
        const bool finalizer = lua_rawget(state, 2) != LUA_TNIL;
        lua_pop(state, 1);
        if (finalizer)
            return luaL_error(state, "finalizers (__gc) are not available to profiles");
    }
    const int count = lua_gettop(state);
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, count, 1);
    return 1;
}

/// Elements `table.move` copies between two looks at the host's limits.
constexpr lua_Integer kMoveChunk = 4096;

/// `table.move` in chunks, looking at the host's limits in between: the library's loop runs in
/// C, and a range of 2^62 elements would never end.
int chunkedMove(lua_State* state)
{
    const lua_Integer first = luaL_checkinteger(state, 2);
    const lua_Integer last = luaL_checkinteger(state, 3);
    const lua_Integer target = luaL_checkinteger(state, 4);
    const int destination = lua_isnoneornil(state, 5) ? 1 : 5;
    if (last < first) {
        lua_settop(state, 5);
        lua_pushvalue(state, lua_upvalueindex(1));
        lua_insert(state, 1);
        lua_call(state, 5, 1);
        return 1;
    }
    luaL_argcheck(state, first > 0 || last < LUA_MAXINTEGER + first, 3, "too many elements to move");
    const lua_Integer count = last - first;
    luaL_argcheck(state, target <= LUA_MAXINTEGER - count, 4, "destination wrap around");
    // Overlapping upwards in one table, the copy runs from the end, so the chunks do too.
    const bool downwards = target > first && target <= last &&
                           (destination == 1 || lua_compare(state, 1, destination, LUA_OPEQ));
    for (lua_Integer done = 0; done <= count; done += kMoveChunk) {
        const lua_Integer size = std::min(kMoveChunk - 1, count - done);
        const lua_Integer from = downwards ? last - done - size : first + done;
        lua_pushvalue(state, lua_upvalueindex(1));
        lua_pushvalue(state, 1);
        lua_pushinteger(state, from);
        lua_pushinteger(state, from + size);
        lua_pushinteger(state, target + (from - first));
        lua_pushvalue(state, destination);
        lua_call(state, 5, 0);
        LuaHost::checkLimits(state);
        if (count - done < kMoveChunk)
            break;
    }
    lua_pushvalue(state, destination);
    return 1;
}

/// `print`: the values as `tostring` gives them, tab-separated, as one line of script output.
int printLine(lua_State* state)
{
    const int count = lua_gettop(state);
    luaL_Buffer buffer;
    luaL_buffinit(state, &buffer);
    for (int index = 1; index <= count; ++index) {
        if (index > 1)
            luaL_addchar(&buffer, '\t');
        luaL_tolstring(state, index, nullptr);
        luaL_addvalue(&buffer);
    }
    luaL_addchar(&buffer, '\n');
    luaL_pushresult(&buffer);
    std::size_t length = 0;
    const char* text = lua_tolstring(state, -1, &length);
    LuaHost::fromState(state).writeScriptText(std::string_view(text, length));
    return 0;
}

/// `io.write`: strings and numbers, written to the script output.
int writeText(lua_State* state)
{
    const int count = lua_gettop(state);
    for (int index = 1; index <= count; ++index)
        luaL_checklstring(state, index, nullptr);
    for (int index = 1; index <= count; ++index) {
        std::size_t length = 0;
        const char* text = lua_tolstring(state, index, &length);
        LuaHost::fromState(state).writeScriptText(std::string_view(text, length));
    }
    return 0;
}

void openLibrary(lua_State* state, const char* name, lua_CFunction open)
{
    luaL_requiref(state, name, open, 1);
    lua_pop(state, 1);
}

/// Replaces the global `name` with a closure of `function` over its former value.
void wrapGlobal(lua_State* state, const char* name, lua_CFunction function)
{
    lua_getglobal(state, name);
    lua_pushcclosure(state, function, 1);
    lua_setglobal(state, name);
}

/// Makes the global table `name` a new table holding only these fields of the library `open`.
void keepFields(lua_State* state, const char* name, lua_CFunction open, const char* const* fields)
{
    luaL_requiref(state, name, open, 0);
    lua_newtable(state);
    for (const char* const* field = fields; *field != nullptr; ++field) {
        lua_getfield(state, -2, *field);
        lua_setfield(state, -2, *field);
    }
    lua_setglobal(state, name);
    lua_pop(state, 1);
}

} // namespace

void LuaSandbox::open(lua_State* state)
{
    openLibrary(state, LUA_GNAME, luaopen_base);
    openLibrary(state, LUA_COLIBNAME, luaopen_coroutine);
    openLibrary(state, LUA_TABLIBNAME, luaopen_table);
    openLibrary(state, LUA_STRLIBNAME, luaopen_string);
    openLibrary(state, LUA_MATHLIBNAME, luaopen_math);
    LuaStringMatcher::install(state);
    lua_getglobal(state, LUA_TABLIBNAME);
    lua_getfield(state, -1, "move");
    lua_pushcclosure(state, chunkedMove, 1);
    lua_setfield(state, -2, "move");
    lua_pop(state, 1);

    lua_pushnil(state);
    lua_setglobal(state, "dofile");
    lua_pushnil(state);
    lua_setglobal(state, "loadfile");
    wrapGlobal(state, "load", textLoad);
    wrapGlobal(state, "setmetatable", setMetatableWithoutFinalizer);
    lua_register(state, "print", printLine);

    const char* const osFields[] = {"time", "clock", "date", nullptr};
    keepFields(state, LUA_OSLIBNAME, luaopen_os, osFields);
    const char* const debugFields[] = {"traceback", nullptr};
    keepFields(state, LUA_DBLIBNAME, luaopen_debug, debugFields);
    lua_newtable(state);
    lua_pushcfunction(state, writeText);
    lua_setfield(state, -2, "write");
    lua_setglobal(state, LUA_IOLIBNAME);

    // The opened modules stay listed in the registry's loaded table; drop the full ones.
    luaL_getsubtable(state, LUA_REGISTRYINDEX, LUA_LOADED_TABLE);
    for (const char* name : {LUA_OSLIBNAME, LUA_DBLIBNAME}) {
        lua_pushnil(state);
        lua_setfield(state, -2, name);
    }
    lua_pop(state, 1);
    LuaCompat::install(state);
}

} // namespace glyph
