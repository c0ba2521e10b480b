#include "ai/luasandbox.h"

#include <algorithm>
#include <climits>
#include <lua.hpp>
#include <string_view>

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

/// Steps a loop in C takes between two looks at the host's limits.
constexpr unsigned kStepsBetweenChecks = 4096;

/// Counts the steps of a loop that runs in C over a length the script chose, and looks at the
/// host's limits now and then: such a loop never reaches the hook.
class LimitedLoop
{
public:
    explicit LimitedLoop(lua_State* state) : m_state(state) {}
    void step()
    {
        if (++m_steps % kStepsBetweenChecks == 0)
            LuaHost::checkLimits(m_state);
    }

private:
    lua_State* m_state;
    unsigned m_steps = 0;
};

/// t[to] = t[from] through the metamethods, as the table library copies.
void copyElement(lua_State* state, lua_Integer from, lua_Integer to)
{
    lua_geti(state, 1, from);
    lua_seti(state, 1, to);
}

/// `table.insert` as the library has it, with the shifting loop under the limits.
int limitedInsert(lua_State* state)
{
    luaL_checktype(state, 1, LUA_TTABLE);
    const lua_Integer end = luaL_intop(+, luaL_len(state, 1), 1);
    lua_Integer position = end;
    if (lua_gettop(state) == 3) {
        position = luaL_checkinteger(state, 2);
        luaL_argcheck(state, static_cast<lua_Unsigned>(position) - 1u < static_cast<lua_Unsigned>(end), 2,
                      "position out of bounds");
        LimitedLoop loop(state);
        for (lua_Integer i = end; i > position; --i, loop.step())
            copyElement(state, i - 1, i);
    } else if (lua_gettop(state) != 2) {
        return luaL_error(state, "wrong number of arguments to 'insert'");
    }
    lua_seti(state, 1, position);
    return 0;
}

/// `table.remove` as the library has it, with the shifting loop under the limits.
int limitedRemove(lua_State* state)
{
    luaL_checktype(state, 1, LUA_TTABLE);
    const lua_Integer size = luaL_len(state, 1);
    lua_Integer position = luaL_optinteger(state, 2, size);
    if (position != size)
        luaL_argcheck(state, static_cast<lua_Unsigned>(position) - 1u <= static_cast<lua_Unsigned>(size), 2,
                      "position out of bounds");
    lua_geti(state, 1, position);
    LimitedLoop loop(state);
    for (; position < size; ++position, loop.step())
        copyElement(state, position + 1, position);
    lua_pushnil(state);
    lua_seti(state, 1, position);
    return 1;
}

/// `table.unpack` as the library has it, with the loop that reads the elements under the
/// limits: each read may walk a long chain of __index tables inside C.
int limitedUnpack(lua_State* state)
{
    lua_Integer first = luaL_optinteger(state, 2, 1);
    const lua_Integer last = luaL_opt(state, luaL_checkinteger, 3, luaL_len(state, 1));
    if (first > last)
        return 0;
    lua_Unsigned count = static_cast<lua_Unsigned>(last) - static_cast<lua_Unsigned>(first);
    if (count >= static_cast<lua_Unsigned>(INT_MAX) || !lua_checkstack(state, static_cast<int>(++count)))
        return luaL_error(state, "too many results to unpack");
    LimitedLoop loop(state);
    for (; first < last; ++first, loop.step())
        lua_geti(state, 1, first);
    lua_geti(state, 1, last);
    return static_cast<int>(count);
}

/// Adds t[index] to the buffer; a value that is not a string or number is an error.
void addElement(lua_State* state, luaL_Buffer& buffer, lua_Integer index)
{
    lua_geti(state, 1, index);
    if (!lua_isstring(state, -1))
        luaL_error(state, "invalid value (at index %I) in table for 'concat'",
                   static_cast<LUAI_UACINT>(index));
    luaL_addvalue(&buffer);
}

/// `table.concat` as the library has it, with the joining loop under the limits.
int limitedConcat(lua_State* state)
{
    luaL_checktype(state, 1, LUA_TTABLE);
    lua_Integer last = luaL_len(state, 1);
    std::size_t separatorLength = 0;
    const char* separator = luaL_optlstring(state, 2, "", &separatorLength);
    lua_Integer index = luaL_optinteger(state, 3, 1);
    last = luaL_optinteger(state, 4, last);
    luaL_Buffer buffer;
    luaL_buffinit(state, &buffer);
    LimitedLoop loop(state);
    for (; index < last; ++index, loop.step()) {
        addElement(state, buffer, index);
        luaL_addlstring(&buffer, separator, separatorLength);
    }
    if (index == last)
        addElement(state, buffer, index);
    luaL_pushresult(&buffer);
    return 1;
}

/// The order `table.sort` uses: the script's function when it gave one, else `<`. Every loop
/// of the library's sort compares at each step, so counting the comparisons bounds it.
int limitedLessThan(lua_State* state)
{
    lua_Integer count = lua_tointeger(state, lua_upvalueindex(2)) + 1;
    lua_pushinteger(state, count);
    lua_replace(state, lua_upvalueindex(2));
    if (count % kStepsBetweenChecks == 0)
        LuaHost::checkLimits(state);
    if (lua_isnil(state, lua_upvalueindex(1))) {
        lua_pushboolean(state, lua_compare(state, 1, 2, LUA_OPLT));
        return 1;
    }
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, 2, 1);
    lua_pushboolean(state, lua_toboolean(state, -1));
    return 1;
}

/// `table.sort` with its order wrapped in `limitedLessThan`.
int limitedSort(lua_State* state)
{
    if (!lua_isnoneornil(state, 2))
        luaL_checktype(state, 2, LUA_TFUNCTION);
    lua_settop(state, 2);
    lua_pushinteger(state, 0);
    lua_pushcclosure(state, limitedLessThan, 2);
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, 2, 0);
    return 0;
}

/// `string.rep` that answers an empty result at once: the library would loop in C once for
/// each of up to 2^63 empty copies. A result that is not empty is bounded by the memory limit.
int limitedRep(lua_State* state)
{
    std::size_t length = 0;
    std::size_t separatorLength = 0;
    luaL_checklstring(state, 1, &length);
    const lua_Integer count = luaL_checkinteger(state, 2);
    luaL_optlstring(state, 3, "", &separatorLength);
    if (count <= 0 || (length == 0 && (separatorLength == 0 || count == 1))) {
        lua_pushliteral(state, "");
        return 1;
    }
    lua_settop(state, 3);
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, 3, 1);
    return 1;
}

/// Deepest nesting of `coroutine.close` calls: the interpreter of this platform counts none of
/// them against its C-stack limit, so __close handlers that close coroutines 20,000 deep
/// overflow the C stack.
constexpr lua_Integer kMaxCloseNesting = 100;

/// `coroutine.close` with its nesting bounded (the depth is the second upvalue).
int limitedClose(lua_State* state)
{
    const lua_Integer depth = lua_tointeger(state, lua_upvalueindex(2));
    if (depth >= kMaxCloseNesting)
        return luaL_error(state, "%s", LuaSandbox::kNestedCloseRefusal);
    lua_pushinteger(state, depth + 1);
    lua_replace(state, lua_upvalueindex(2));
    const int count = lua_gettop(state);
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    const int status = lua_pcall(state, count, LUA_MULTRET, 0);
    lua_pushinteger(state, depth);
    lua_replace(state, lua_upvalueindex(2));
    if (status != LUA_OK)
        return lua_error(state);
    return lua_gettop(state);
}

/// Registry key of the metatables that scripts have set (a table with weak keys).
const char* const kMetatablesKey = "glyph.metatables";
/// Registry key of the genuine globals, libraries and string metatable (see `keepGenuine`).
const char* const kGenuineKey = "glyph.genuine";
/// Registry key of the guard that keeps `__mode` out of the metatables scripts set (`pushGuard`).
const char* const kGuardKey = "glyph.guard";

/// Pushes the registry table under `key`, creating it (with this `__mode`, if any) when missing.
void pushRegistryTable(lua_State* state, const char* key, const char* mode)
{
    if (lua_getfield(state, LUA_REGISTRYINDEX, key) == LUA_TTABLE)
        return;
    lua_pop(state, 1);
    lua_newtable(state);
    if (mode != nullptr) {
        lua_newtable(state);
        lua_pushstring(state, mode);
        lua_setfield(state, -2, "__mode");
        lua_setmetatable(state, -2);
    }
    lua_pushvalue(state, -1);
    lua_setfield(state, LUA_REGISTRYINDEX, key);
}

/// True when the table at `index` has a raw field `name`.
bool hasField(lua_State* state, int index, const char* name)
{
    lua_pushstring(state, name);
    const bool present = lua_rawget(state, index < 0 ? index - 1 : index) != LUA_TNIL;
    lua_pop(state, 1);
    return present;
}

/// True when the value at `index` is the string "__mode".
bool isModeKey(lua_State* state, int index)
{
    std::size_t length = 0;
    const char* key = lua_type(state, index) == LUA_TSTRING ? lua_tolstring(state, index, &length) : nullptr;
    return key != nullptr && std::string_view(key, length) == "__mode";
}

/// The guard's `__newindex`: stores any new field but `__mode`, as a plain assignment would.
int guardedNewIndex(lua_State* state)
{
    if (isModeKey(state, 2))
        return luaL_error(state, "%s", LuaSandbox::kWeakTableRefusal);
    lua_settop(state, 3);
    lua_rawset(state, 1);
    return 0;
}

/// `rawset` that refuses to store `__mode`, which would pass by the guard.
int rawSetChecked(lua_State* state)
{
    if (isModeKey(state, 2))
        return luaL_error(state, "%s", LuaSandbox::kWeakTableRefusal);
    const int count = lua_gettop(state);
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, count, 1);
    return 1;
}

/// Pushes the guard, the metatable of every metatable a script sets: its `__newindex` refuses
/// `__mode`, and its `__metatable` keeps it out of the scripts' reach.
void pushGuard(lua_State* state)
{
    if (lua_getfield(state, LUA_REGISTRYINDEX, kGuardKey) == LUA_TTABLE)
        return;
    lua_pop(state, 1);
    lua_newtable(state);
    lua_pushcfunction(state, guardedNewIndex);
    lua_setfield(state, -2, "__newindex");
    lua_pushboolean(state, 0);
    lua_setfield(state, -2, "__metatable");
    lua_pushvalue(state, -1);
    lua_setfield(state, LUA_REGISTRYINDEX, kGuardKey);
}

/// True when the table at `index` has the guard as its metatable.
bool hasGuard(lua_State* state, int index)
{
    if (lua_getmetatable(state, index) == 0)
        return false;
    pushGuard(state);
    const bool guarded = lua_rawequal(state, -1, -2) != 0;
    lua_pop(state, 2);
    return guarded;
}

/// True when the table at `index` has no metatable or the guard.
bool isGuardable(lua_State* state, int index)
{
    if (hasGuard(state, index))
        return true;
    const bool bare = lua_getmetatable(state, index) == 0;
    if (!bare)
        lua_pop(state, 1);
    return bare;
}

/// `setmetatable` that refuses finalizers and weak tables. A `__gc` function runs with hooks
/// off, where no time limit can reach it; an object only becomes finalizable here, so a `__gc`
/// field added to the metatable later has no effect. Weak keys let a chain of entries make one
/// collection run for minutes inside C, where no time limit reaches it: the metatable gets the
/// guard, so that `__mode` cannot be added later either, and a metatable that has a metatable
/// of its own (which could let it through) is refused.
int setMetatableChecked(lua_State* state)
{
    if (lua_type(state, 2) == LUA_TTABLE) {
        if (hasField(state, 2, "__gc"))
            return luaL_error(state, "%s", LuaSandbox::kFinalizerRefusal);
        if (hasField(state, 2, "__mode"))
            return luaL_error(state, "%s", LuaSandbox::kWeakTableRefusal);
        if (lua_rawequal(state, 1, 2) || !isGuardable(state, 2))
            return luaL_error(state, "%s", LuaSandbox::kMetaMetatableRefusal);
        pushRegistryTable(state, kMetatablesKey, "k");
        lua_pushvalue(state, 2);
        lua_pushboolean(state, 1);
        lua_rawset(state, -3);
        lua_pop(state, 1);
        pushGuard(state);
        lua_setmetatable(state, 2);
    }
    const int count = lua_gettop(state);
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, count, 1);
    return 1;
}

/// Takes `__mode` out of every metatable a script has set.
void removeWeakModes(lua_State* state)
{
    pushRegistryTable(state, kMetatablesKey, "k");
    lua_pushnil(state);
    while (lua_next(state, -2) != 0) {
        lua_pop(state, 1);
        lua_pushliteral(state, "__mode");
        lua_pushnil(state);
        lua_rawset(state, -3);
    }
    lua_pop(state, 1);
}

/// `collectgarbage` with the options that read or run the collector; the ones that stop it or
/// change its pace would change it for every later script too, since the state is shared.
int limitedCollect(lua_State* state)
{
    static const char* const kAllowed[] = {"collect", "step", "count", "isrunning", nullptr};
    luaL_checkoption(state, 1, "collect", kAllowed);
    removeWeakModes(state);
    const int count = lua_gettop(state);
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, count, LUA_MULTRET);
    return lua_gettop(state);
}

/// Pushes a new table holding the raw fields of the table at `index`.
void pushCopy(lua_State* state, int index)
{
    index = lua_absindex(state, index);
    lua_newtable(state);
    lua_pushnil(state);
    while (lua_next(state, index) != 0) {
        lua_pushvalue(state, -2);
        lua_insert(state, -2);
        lua_rawset(state, -4);
    }
}

/// Gives the table at `index` the raw fields of the table on top (popped), and no metatable
/// but the guard.
/// With `exact`, fields the copy lacks are removed too.
void restoreFields(lua_State* state, int index, bool exact)
{
    index = lua_absindex(state, index);
    const int copy = lua_gettop(state);
    if (exact) {
        lua_pushnil(state);
        while (lua_next(state, index) != 0) {
            lua_pop(state, 1);
            lua_pushvalue(state, -1);
            if (lua_rawget(state, copy) == LUA_TNIL) {
                lua_pushvalue(state, -2);
                lua_pushnil(state);
                lua_rawset(state, index);
            }
            lua_pop(state, 1);
        }
    }
    lua_pushnil(state);
    while (lua_next(state, copy) != 0) {
        lua_pushvalue(state, -2);
        lua_insert(state, -2);
        lua_rawset(state, index);
    }
    // A library that a script used as a metatable keeps its guard.
    if (!hasGuard(state, index)) {
        lua_pushnil(state);
        lua_setmetatable(state, index);
    }
    lua_pop(state, 1);
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
    LuaHost::checkLimits(state);
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
        LuaHost::checkLimits(state);
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

/// Replaces the field `name` of the library table `library` with a closure of `function` over
/// its former value (and, with `counter`, a second upvalue 0).
void wrapField(lua_State* state, const char* library, const char* name, lua_CFunction function,
               bool counter = false)
{
    lua_getglobal(state, library);
    lua_getfield(state, -1, name);
    if (counter)
        lua_pushinteger(state, 0);
    lua_pushcclosure(state, function, counter ? 2 : 1);
    lua_setfield(state, -2, name);
    lua_pop(state, 1);
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
    wrapField(state, LUA_TABLIBNAME, "move", chunkedMove);
    wrapField(state, LUA_TABLIBNAME, "sort", limitedSort);
    lua_getglobal(state, LUA_TABLIBNAME);
    for (const luaL_Reg& function : {luaL_Reg{"insert", limitedInsert}, luaL_Reg{"remove", limitedRemove},
                                     luaL_Reg{"concat", limitedConcat}, luaL_Reg{"unpack", limitedUnpack}}) {
        lua_pushcfunction(state, function.func);
        lua_setfield(state, -2, function.name);
    }
    lua_pop(state, 1);
    wrapField(state, LUA_STRLIBNAME, "rep", limitedRep);
    wrapField(state, LUA_COLIBNAME, "close", limitedClose, true);

    lua_pushnil(state);
    lua_setglobal(state, "dofile");
    lua_pushnil(state);
    lua_setglobal(state, "loadfile");
    wrapGlobal(state, "load", textLoad);
    wrapGlobal(state, "setmetatable", setMetatableChecked);
    wrapGlobal(state, "rawset", rawSetChecked);
    wrapGlobal(state, "collectgarbage", limitedCollect);
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

void LuaSandbox::keepGenuine(lua_State* state)
{
    lua_newtable(state);
    lua_pushglobaltable(state);
    pushCopy(state, -1);
    lua_setfield(state, -3, "globals");
    // Every table among the globals is a library (and _G itself, restored as the globals are).
    lua_newtable(state);
    lua_pushnil(state);
    while (lua_next(state, -3) != 0) {
        if (lua_type(state, -1) == LUA_TTABLE && !lua_rawequal(state, -1, -4)) {
            pushCopy(state, -1);
            lua_rawset(state, -4);
        } else {
            lua_pop(state, 1);
        }
    }
    lua_setfield(state, -3, "libraries");
    lua_pop(state, 1);
    lua_pushliteral(state, "");
    lua_getmetatable(state, -1);
    pushCopy(state, -1);
    lua_setfield(state, -4, "strings");
    lua_pop(state, 2);
    lua_setfield(state, LUA_REGISTRYINDEX, kGenuineKey);
}

void LuaSandbox::restoreGenuine(lua_State* state)
{
    if (lua_getfield(state, LUA_REGISTRYINDEX, kGenuineKey) != LUA_TTABLE) {
        lua_pop(state, 1);
        return;
    }
    lua_pushglobaltable(state);
    lua_getfield(state, -2, "globals");
    restoreFields(state, -2, false);
    lua_pop(state, 1);
    lua_getfield(state, -1, "libraries");
    lua_pushnil(state);
    while (lua_next(state, -2) != 0) {
        // The library, then its copy on top: restoreFields pops the copy.
        restoreFields(state, -2, false);
    }
    lua_pop(state, 1);
    lua_pushliteral(state, "");
    lua_getmetatable(state, -1);
    lua_getfield(state, -3, "strings");
    restoreFields(state, -2, true);
    lua_pop(state, 3);
    removeWeakModes(state);
}

} // namespace glyph
