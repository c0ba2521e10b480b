#include "ai/luasandbox.h"

#include <lua.hpp>

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
}

} // namespace glyph
