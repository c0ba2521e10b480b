#include <gtest/gtest.h>

#include <lua.hpp>
#include <random>
#include <string>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "aitable.h"

namespace
{

// Runs every pattern function on its arguments and sums up the results (or the error) as text.
const char* const kProbe = R"(
function probe(s, p, init, repl)
    local out = {}
    local function add(...)
        local t = {select('#', ...)}
        for i = 1, t[1] do t[#t + 1] = tostring((select(i, ...))) end
        out[#out + 1] = table.concat(t, ',')
    end
    local function gmatched()
        local r = {}
        for a, b in string.gmatch(s, p, init) do
            r[#r + 1] = tostring(a) .. '/' .. tostring(b)
            if #r > 40 then break end
        end
        return table.concat(r, ' ')
    end
    add(pcall(string.find, s, p, init))
    add(pcall(string.find, s, p, init, true))
    add(pcall(string.match, s, p, init))
    add(pcall(gmatched))
    add(pcall(string.gsub, s, p, repl))
    add(pcall(string.gsub, s, p, function(a, b) if b then return a .. '=' .. tostring(b) end end, 3))
    add(pcall(string.gsub, s, p, {a = 'X', ab = false, ['1'] = 7}))
    add(pcall(function() return (s .. ''):find(p) end))
    return table.concat(out, '|')
end
)";

// Moves part of a table of 10,000 numbers (onto itself or into another table) and sums up the
// result as text.
const char* const kMoveProbe = R"(
function moved(size, first, last, target, other)
    local t = {}
    for i = 1, size do t[i] = i end
    local into = other and {} or t
    local ok, e = pcall(table.move, t, first, last, target, other and into or nil)
    local sum = 0
    for k, v in pairs(into) do sum = (sum * 31 + k * 7 + v) % 1000000007 end
    return tostring(ok) .. ' ' .. tostring(ok and e == into or e) .. ' ' .. sum
end)";

/// The same Lua calls run in a profile's sandbox and in a plain interpreter with the standard
/// libraries, to compare what they answer.
class BothInterpreters
{
public:
    BothInterpreters()
    {
        luaL_openlibs(m_reference);
        for (lua_State* state : {m_sandboxed, m_reference})
            for (const char* probe : {kProbe, kMoveProbe})
                EXPECT_EQ(luaL_dostring(state, probe), LUA_OK);
    }
    ~BothInterpreters() { lua_close(m_reference); }

    /// Runs `return <call>` in both; the test fails when their answers differ.
    void expectSameAnswer(const std::string& call)
    {
        EXPECT_EQ(answer(m_sandboxed, call), answer(m_reference, call)) << call;
    }

private:
    static std::string answer(lua_State* state, const std::string& call)
    {
        if (luaL_dostring(state, ("return " + call).c_str()) != LUA_OK)
            return std::string("failed: ") + lua_tostring(state, -1);
        std::string result = lua_tostring(state, -1);
        lua_pop(state, 1);
        return result;
    }

    glyph::test::AiTable m_table{{"AT"}};
    lua_State* m_sandboxed = glyph::scriptHost(*m_table.game).state();
    lua_State* m_reference = luaL_newstate();
};

/// A Lua string literal holding exactly these bytes.
std::string luaQuoted(const std::string& bytes)
{
    std::string literal = "\"";
    for (unsigned char c : bytes)
        literal += "\\" + std::to_string(c);
    return literal + "\"";
}

std::string pick(std::mt19937& random, const std::vector<std::string>& pieces, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += pieces[random() % pieces.size()];
    return text;
}

} // namespace

// The pattern functions of profiles are a rewrite that can be stopped; they must answer as the
// Lua library itself does, errors included.
TEST(LuaStringMatcher, AnswersAsTheLuaStringLibraryDoes)
{
    BothInterpreters lua;
    const std::vector<std::string> subjectPieces = {"a", "b", "ab", "(", ")", "1", " ", "A", "%", "\n", ""};
    const std::vector<std::string> patternPieces = {
        "a",  "b",  ".", "%a", "%d", "%s", "%W", "[ab]", "[^a]", "[a-c]", "[%d)]",
        "*",  "+",  "-", "?",  "(",  ")",  "()", "^",    "$",    "%b()",  "%f[%w]",
        "%1", "%2", "%", "[",  "]",  "%(", "a*", "(a+)", "(.-)b"};
    const std::vector<std::string> replacements = {"<%0>", "%1%1", "x", "%2", "%%", "%", "%z", ""};
    std::mt19937 random(20260101);
    for (int round = 0; round < 6000; ++round) {
        const std::string s = pick(random, subjectPieces, static_cast<int>(random() % 8));
        const std::string p = pick(random, patternPieces, 1 + static_cast<int>(random() % 4));
        const int init = static_cast<int>(random() % 11) - 4;
        const std::string& repl = replacements[random() % replacements.size()];
        lua.expectSameAnswer("probe(" + luaQuoted(s) + ", " + luaQuoted(p) + ", " + std::to_string(init) +
                             ", " + luaQuoted(repl) + ")");
    }
    // Long patterns: items that match in one way only spend no depth, branches do, so both
    // accept hundreds of plain items and both refuse hundreds of nested choices.
    lua.expectSameAnswer("probe(string.rep('a', 300), string.rep('a', 250) .. '.', 1, '')");
    lua.expectSameAnswer("probe(string.rep('a', 300), string.rep('a?', 250), 1, '')");
    const std::vector<std::string> longPieces = {"a",    "a",  "b",      ".",    "%a",
                                                 "[ab]", "a?", "%f[%w]", "%b()", "(a)"};
    for (int round = 0; round < 40; ++round) {
        const std::string s = pick(random, subjectPieces, 200 + static_cast<int>(random() % 200));
        const std::string p = pick(random, longPieces, 150 + static_cast<int>(random() % 250));
        lua.expectSameAnswer("probe(" + luaQuoted(s) + ", " + luaQuoted(p) + ", 1, 'x')");
    }
}

// The sandbox's table.move copies in chunks so that it can be stopped; overlapping ranges
// across chunk boundaries must come out as the library's own copy gives them.
TEST(LuaSandboxTableMove, CopiesAsTheLuaTableLibraryDoes)
{
    BothInterpreters lua;
    for (const char* move :
         {"1, 9000, 3", "3, 9000, 1", "1, 4096, 2", "2, 4097, 1", "1, 8193, 4095", "5, 10000, 5", "0, -3, 2",
          "-2, 5000, 100", "1, 1, 9999", "100, 8000, 99", "100, 8000, 101"})
        for (const char* other : {"false", "true"})
            lua.expectSameAnswer(std::string("moved(10000, ") + move + ", " + other + ")");
}
