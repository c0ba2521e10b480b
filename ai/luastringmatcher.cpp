#include "ai/luastringmatcher.h"

#include <cctype>
#include <cstring>
#include <lua.hpp>

#include "ai/luahost.h"

// Lua errors unwind these functions with longjmp, so nothing here owns a resource or has a
// destructor: the state below is plain data, and every error is raised through luaL_error.

namespace glyph
{

namespace
{

constexpr char kEscape = '%';
constexpr const char* kSpecials = "^$*+?.([%-";
constexpr int kMaxCaptures = 32;
/// Nesting of the matcher's own recursion (pattern items and captures).
constexpr int kMaxMatchDepth = 200;
constexpr std::ptrdiff_t kUnfinished = -1;
constexpr std::ptrdiff_t kPosition = -2;

struct MatchState {
    const char* srcInit;
    const char* srcEnd;
    const char* patEnd;
    lua_State* state;
    int level;
    int depth;
    unsigned steps;
    struct {
        const char* init;
        std::ptrdiff_t length;
    } capture[kMaxCaptures];
};

void prepare(MatchState& ms, lua_State* state, const char* s, std::size_t ls, const char* p, std::size_t lp)
{
    ms.state = state;
    ms.srcInit = s;
    ms.srcEnd = s + ls;
    ms.patEnd = p + lp;
    ms.level = 0;
    ms.depth = kMaxMatchDepth;
    ms.steps = 0;
}

void step(MatchState& ms)
{
    if (++ms.steps % LuaStringMatcher::kCheckInterval == 0)
        LuaHost::checkLimits(ms.state);
}

int checkCapture(MatchState& ms, int l)
{
    l -= '1';
    if (l < 0 || l >= ms.level || ms.capture[l].length == kUnfinished)
        return luaL_error(ms.state, "invalid capture index %%%d", l + 1);
    return l;
}

int captureToClose(MatchState& ms)
{
    for (int level = ms.level - 1; level >= 0; --level)
        if (ms.capture[level].length == kUnfinished)
            return level;
    return luaL_error(ms.state, "invalid pattern capture");
}

const char* classEnd(MatchState& ms, const char* p)
{
    switch (*p++) {
    case kEscape:
        if (p == ms.patEnd)
            luaL_error(ms.state, "malformed pattern (ends with '%%')");
        return p + 1;
    case '[':
        if (*p == '^')
            ++p;
        do {
            if (p == ms.patEnd)
                luaL_error(ms.state, "malformed pattern (missing ']')");
            if (*(p++) == kEscape && p < ms.patEnd)
                ++p;
        } while (*p != ']');
        return p + 1;
    default:
        return p;
    }
}

bool matchClass(int c, int cl)
{
    bool result = false;
    switch (std::tolower(cl)) {
    case 'a':
        result = std::isalpha(c);
        break;
    case 'c':
        result = std::iscntrl(c);
        break;
    case 'd':
        result = std::isdigit(c);
        break;
    case 'g':
        result = std::isgraph(c);
        break;
    case 'l':
        result = std::islower(c);
        break;
    case 'p':
        result = std::ispunct(c);
        break;
    case 's':
        result = std::isspace(c);
        break;
    case 'u':
        result = std::isupper(c);
        break;
    case 'w':
        result = std::isalnum(c);
        break;
    case 'x':
        result = std::isxdigit(c);
        break;
    default:
        return cl == c;
    }
    return std::isupper(cl) ? !result : result;
}

bool matchBracketClass(int c, const char* p, const char* ec)
{
    bool found = true;
    if (*(p + 1) == '^') {
        found = false;
        ++p;
    }
    while (++p < ec) {
        if (*p == kEscape) {
            ++p;
            if (matchClass(c, static_cast<unsigned char>(*p)))
                return found;
        } else if (*(p + 1) == '-' && p + 2 < ec) {
            p += 2;
            if (static_cast<unsigned char>(*(p - 2)) <= c && c <= static_cast<unsigned char>(*p))
                return found;
        } else if (static_cast<unsigned char>(*p) == c)
            return found;
    }
    return !found;
}

bool singleMatch(MatchState& ms, const char* s, const char* p, const char* ep)
{
    if (s >= ms.srcEnd)
        return false;
    const int c = static_cast<unsigned char>(*s);
    switch (*p) {
    case '.':
        return true;
    case kEscape:
        return matchClass(c, static_cast<unsigned char>(*(p + 1)));
    case '[':
        return matchBracketClass(c, p, ep - 1);
    default:
        return static_cast<unsigned char>(*p) == c;
    }
}

const char* match(MatchState& ms, const char* s, const char* p);

const char* matchBalance(MatchState& ms, const char* s, const char* p)
{
    if (p >= ms.patEnd - 1)
        luaL_error(ms.state, "malformed pattern (missing arguments to '%%b')");
    if (s >= ms.srcEnd || *s != *p)
        return nullptr;
    const char open = *p;
    const char close = *(p + 1);
    int count = 1;
    while (++s < ms.srcEnd) {
        step(ms);
        if (*s == close) {
            if (--count == 0)
                return s + 1;
        } else if (*s == open)
            ++count;
    }
    return nullptr;
}

const char* maxExpand(MatchState& ms, const char* s, const char* p, const char* ep)
{
    std::ptrdiff_t i = 0;
    while (singleMatch(ms, s + i, p, ep)) {
        step(ms);
        ++i;
    }
    while (i >= 0) {
        if (const char* result = match(ms, s + i, ep + 1))
            return result;
        --i;
    }
    return nullptr;
}

const char* minExpand(MatchState& ms, const char* s, const char* p, const char* ep)
{
    for (;;) {
        if (const char* result = match(ms, s, ep + 1))
            return result;
        if (!singleMatch(ms, s, p, ep))
            return nullptr;
        ++s;
    }
}

const char* startCapture(MatchState& ms, const char* s, const char* p, std::ptrdiff_t what)
{
    if (ms.level >= kMaxCaptures)
        luaL_error(ms.state, "too many captures");
    ms.capture[ms.level].init = s;
    ms.capture[ms.level].length = what;
    ++ms.level;
    const char* result = match(ms, s, p);
    if (result == nullptr)
        --ms.level;
    return result;
}

const char* endCapture(MatchState& ms, const char* s, const char* p)
{
    const int l = captureToClose(ms);
    ms.capture[l].length = s - ms.capture[l].init;
    const char* result = match(ms, s, p);
    if (result == nullptr)
        ms.capture[l].length = kUnfinished;
    return result;
}

const char* matchCapture(MatchState& ms, const char* s, int l)
{
    l = checkCapture(ms, l);
    const std::size_t length = static_cast<std::size_t>(ms.capture[l].length);
    if (static_cast<std::size_t>(ms.srcEnd - s) >= length && std::memcmp(ms.capture[l].init, s, length) == 0)
        return s + length;
    return nullptr;
}

/// Whether the character after the item ending at ep makes it repeat or optional.
bool isQuantifier(char c)
{
    return c == '?' || c == '+' || c == '*' || c == '-';
}

/// The pattern from p against the subject from s. Items that can match in one way only go on
/// in this loop, as the reference matcher does, so that only real branches spend depth: a
/// pattern of 300 plain characters is not too complex.
const char* matchFrom(MatchState& ms, const char* s, const char* p)
{
    for (;;) {
        step(ms);
        if (p == ms.patEnd)
            return s;
        switch (*p) {
        case '(':
            return *(p + 1) == ')' ? startCapture(ms, s, p + 2, kPosition)
                                   : startCapture(ms, s, p + 1, kUnfinished);
        case ')':
            return endCapture(ms, s, p + 1);
        case '$':
            if (p + 1 == ms.patEnd)
                return s == ms.srcEnd ? s : nullptr;
            break;
        case kEscape:
            if (*(p + 1) == 'b') {
                s = matchBalance(ms, s, p + 2);
                if (s == nullptr)
                    return nullptr;
                p += 4;
                continue;
            }
            if (*(p + 1) == 'f') {
                p += 2;
                if (*p != '[')
                    luaL_error(ms.state, "missing '[' after '%%f' in pattern");
                const char* ep = classEnd(ms, p);
                const int previous = s == ms.srcInit ? 0 : static_cast<unsigned char>(*(s - 1));
                const int current = s < ms.srcEnd ? static_cast<unsigned char>(*s) : 0;
                if (matchBracketClass(previous, p, ep - 1) || !matchBracketClass(current, p, ep - 1))
                    return nullptr;
                p = ep;
                continue;
            }
            if (std::isdigit(static_cast<unsigned char>(*(p + 1)))) {
                s = matchCapture(ms, s, static_cast<unsigned char>(*(p + 1)));
                if (s == nullptr)
                    return nullptr;
                p += 2;
                continue;
            }
            break;
        default:
            break;
        }
        const char* ep = classEnd(ms, p);
        const bool matched = singleMatch(ms, s, p, ep);
        if (!isQuantifier(*ep)) {
            if (!matched)
                return nullptr;
            ++s;
            p = ep;
            continue;
        }
        if (!matched) {
            if (*ep == '+')
                return nullptr;
            p = ep + 1;
            continue;
        }
        switch (*ep) {
        case '?':
            if (const char* result = match(ms, s + 1, ep + 1))
                return result;
            p = ep + 1;
            continue;
        case '+':
            return maxExpand(ms, s + 1, p, ep);
        case '*':
            return maxExpand(ms, s, p, ep);
        default:
            return minExpand(ms, s, p, ep);
        }
    }
}

const char* match(MatchState& ms, const char* s, const char* p)
{
    if (ms.depth-- == 0)
        luaL_error(ms.state, "pattern too complex");
    const char* result = matchFrom(ms, s, p);
    ++ms.depth;
    return result;
}

/// Plain search, counting the comparisons so that a long needle in a long text is limited too.
const char* findPlain(MatchState& ms, const char* s, std::size_t ls, const char* p, std::size_t lp)
{
    if (lp == 0)
        return s;
    if (lp > ls)
        return nullptr;
    const char* last = s + (ls - lp);
    for (const char* at = s; at <= last; ++at) {
        at = static_cast<const char*>(std::memchr(at, *p, static_cast<std::size_t>(last - at) + 1));
        if (at == nullptr)
            return nullptr;
        for (std::size_t i = 0; i < lp; i += 64)
            step(ms);
        if (std::memcmp(at, p, lp) == 0)
            return at;
    }
    return nullptr;
}

void pushOneCapture(MatchState& ms, int i, const char* s, const char* e)
{
    if (i >= ms.level) {
        if (i != 0)
            luaL_error(ms.state, "invalid capture index %%%d", i + 1);
        lua_pushlstring(ms.state, s, static_cast<std::size_t>(e - s));
        return;
    }
    const std::ptrdiff_t length = ms.capture[i].length;
    if (length == kUnfinished)
        luaL_error(ms.state, "unfinished capture");
    if (length == kPosition)
        lua_pushinteger(ms.state, ms.capture[i].init - ms.srcInit + 1);
    else
        lua_pushlstring(ms.state, ms.capture[i].init, static_cast<std::size_t>(length));
}

/// Pushes the captures (or the whole match when s is given and there are none).
int pushCaptures(MatchState& ms, const char* s, const char* e)
{
    const int count = ms.level == 0 && s != nullptr ? 1 : ms.level;
    luaL_checkstack(ms.state, count, "too many captures");
    for (int i = 0; i < count; ++i)
        pushOneCapture(ms, i, s, e);
    return count;
}

/// A 1-based start position, negative counting from the end, clamped to 1..length + 1.
std::size_t startPosition(lua_Integer position, std::size_t length)
{
    if (position > 0)
        return static_cast<std::size_t>(position);
    if (position == 0)
        return 1;
    if (position < -static_cast<lua_Integer>(length))
        return 1;
    return length + static_cast<std::size_t>(position) + 1;
}

bool hasSpecials(const char* p, std::size_t lp)
{
    for (std::size_t i = 0; i < lp; ++i)
        if (std::strchr(kSpecials, p[i]) != nullptr && p[i] != 0)
            return true;
    return false;
}

int findOrMatch(lua_State* state, bool find)
{
    std::size_t ls = 0;
    std::size_t lp = 0;
    const char* s = luaL_checklstring(state, 1, &ls);
    const char* p = luaL_checklstring(state, 2, &lp);
    const std::size_t init = startPosition(luaL_optinteger(state, 3, 1), ls) - 1;
    if (init > ls) {
        luaL_pushfail(state);
        return 1;
    }
    MatchState ms;
    prepare(ms, state, s, ls, p, lp);
    if (find && (lua_toboolean(state, 4) || !hasSpecials(p, lp))) {
        const char* at = findPlain(ms, s + init, ls - init, p, lp);
        if (at == nullptr) {
            luaL_pushfail(state);
            return 1;
        }
        lua_pushinteger(state, at - s + 1);
        lua_pushinteger(state, static_cast<lua_Integer>(at - s + static_cast<std::ptrdiff_t>(lp)));
        return 2;
    }
    const bool anchor = *p == '^';
    if (anchor) {
        ++p;
        --lp;
        ms.patEnd = p + lp;
    }
    const char* s1 = s + init;
    do {
        ms.level = 0;
        ms.depth = kMaxMatchDepth;
        if (const char* e = match(ms, s1, p)) {
            if (!find)
                return pushCaptures(ms, s1, e);
            lua_pushinteger(state, s1 - s + 1);
            lua_pushinteger(state, e - s);
            return pushCaptures(ms, nullptr, nullptr) + 2;
        }
    } while (s1++ < ms.srcEnd && !anchor);
    luaL_pushfail(state);
    return 1;
}

int stringFind(lua_State* state)
{
    return findOrMatch(state, true);
}

int stringMatch(lua_State* state)
{
    return findOrMatch(state, false);
}

/// The iterator of gmatch; upvalues: subject, pattern, next position, end of the last match
/// (positions 0-based, -1 for none).
int gmatchStep(lua_State* state)
{
    std::size_t ls = 0;
    std::size_t lp = 0;
    const char* s = lua_tolstring(state, lua_upvalueindex(1), &ls);
    const char* p = lua_tolstring(state, lua_upvalueindex(2), &lp);
    lua_Integer position = lua_tointeger(state, lua_upvalueindex(3));
    const lua_Integer lastMatch = lua_tointeger(state, lua_upvalueindex(4));
    MatchState ms;
    prepare(ms, state, s, ls, p, lp);
    for (; position <= static_cast<lua_Integer>(ls); ++position) {
        ms.level = 0;
        ms.depth = kMaxMatchDepth;
        const char* e = match(ms, s + position, p);
        if (e != nullptr && e - s != lastMatch) {
            lua_pushinteger(state, e - s);
            lua_copy(state, -1, lua_upvalueindex(3));
            lua_copy(state, -1, lua_upvalueindex(4));
            lua_pop(state, 1);
            return pushCaptures(ms, s + position, e);
        }
    }
    lua_pushinteger(state, position);
    lua_replace(state, lua_upvalueindex(3));
    return 0;
}

int stringGmatch(lua_State* state)
{
    std::size_t ls = 0;
    luaL_checklstring(state, 1, &ls);
    luaL_checkstring(state, 2);
    const std::size_t init = startPosition(luaL_optinteger(state, 3, 1), ls) - 1;
    lua_settop(state, 2);
    lua_pushinteger(state, static_cast<lua_Integer>(init > ls ? ls + 1 : init));
    lua_pushinteger(state, -1);
    lua_pushcclosure(state, gmatchStep, 4);
    return 1;
}

void addReplacementText(MatchState& ms, luaL_Buffer& buffer, const char* s, const char* e)
{
    std::size_t length = 0;
    const char* news = lua_tolstring(ms.state, 3, &length);
    for (std::size_t i = 0; i < length; ++i) {
        step(ms);
        if (news[i] != kEscape) {
            luaL_addchar(&buffer, news[i]);
            continue;
        }
        ++i;
        if (i < length && news[i] == kEscape)
            luaL_addchar(&buffer, news[i]);
        else if (i < length && news[i] == '0')
            luaL_addlstring(&buffer, s, static_cast<std::size_t>(e - s));
        else if (i < length && std::isdigit(static_cast<unsigned char>(news[i]))) {
            pushOneCapture(ms, news[i] - '1', s, e);
            luaL_tolstring(ms.state, -1, nullptr);
            lua_remove(ms.state, -2);
            luaL_addvalue(&buffer);
        } else
            luaL_error(ms.state, "invalid use of '%c' in replacement string", kEscape);
    }
}

/// Adds the replacement of one match; false when the original text was kept.
bool addReplacement(MatchState& ms, luaL_Buffer& buffer, const char* s, const char* e, int type)
{
    lua_State* state = ms.state;
    if (type == LUA_TFUNCTION) {
        lua_pushvalue(state, 3);
        const int count = pushCaptures(ms, s, e);
        lua_call(state, count, 1);
    } else if (type == LUA_TTABLE) {
        pushOneCapture(ms, 0, s, e);
        lua_gettable(state, 3);
    } else {
        addReplacementText(ms, buffer, s, e);
        return true;
    }
    if (!lua_toboolean(state, -1)) {
        lua_pop(state, 1);
        luaL_addlstring(&buffer, s, static_cast<std::size_t>(e - s));
        return false;
    }
    if (!lua_isstring(state, -1))
        return luaL_error(state, "invalid replacement value (a %s)", luaL_typename(state, -1)) != 0;
    luaL_addvalue(&buffer);
    return true;
}

int stringGsub(lua_State* state)
{
    std::size_t ls = 0;
    std::size_t lp = 0;
    const char* src = luaL_checklstring(state, 1, &ls);
    const char* p = luaL_checklstring(state, 2, &lp);
    const int type = lua_type(state, 3);
    const lua_Integer maxCount = luaL_optinteger(state, 4, static_cast<lua_Integer>(ls) + 1);
    luaL_argexpected(
        state, type == LUA_TNUMBER || type == LUA_TSTRING || type == LUA_TFUNCTION || type == LUA_TTABLE, 3,
        "string/function/table");
    const bool anchor = *p == '^';
    if (anchor) {
        ++p;
        --lp;
    }
    luaL_Buffer buffer;
    luaL_buffinit(state, &buffer);
    MatchState ms;
    prepare(ms, state, src, ls, p, lp);
    const char* lastMatch = nullptr;
    lua_Integer count = 0;
    bool changed = false;
    while (count < maxCount) {
        ms.level = 0;
        ms.depth = kMaxMatchDepth;
        const char* e = match(ms, src, p);
        if (e != nullptr && e != lastMatch) {
            ++count;
            changed = addReplacement(ms, buffer, src, e, type) || changed;
            src = lastMatch = e;
        } else if (src < ms.srcEnd)
            luaL_addchar(&buffer, *src++);
        else
            break;
        if (anchor)
            break;
    }
    if (!changed)
        lua_pushvalue(state, 1);
    else {
        luaL_addlstring(&buffer, src, static_cast<std::size_t>(ms.srcEnd - src));
        luaL_pushresult(&buffer);
    }
    lua_pushinteger(state, count);
    return 2;
}

} // namespace

void LuaStringMatcher::install(lua_State* state)
{
    const luaL_Reg functions[] = {
        {"find", stringFind}, {"match", stringMatch}, {"gmatch", stringGmatch}, {"gsub", stringGsub}};
    lua_getglobal(state, LUA_STRLIBNAME);
    for (const luaL_Reg& function : functions) {
        lua_pushcfunction(state, function.func);
        lua_setfield(state, -2, function.name);
    }
    lua_pop(state, 1);
}

} // namespace glyph
