#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "aitable.h"
#include "bruteforcefinder.h"

using glyph::LuaHost;
using glyph::Move;
using glyph::test::makePlayer;
using glyph::test::moveKey;

namespace
{

class LuaHostTest : public ::testing::Test
{
protected:
    LuaHostTest() { glyph::test::putWord(table.game->board(), true, 8, 7, "AT"); }

    LuaHost& host() { return scriptHost(*table.game); }
    const glyph::Player& player(int index) { return table.rules->players()[static_cast<std::size_t>(index)]; }

    glyph::test::AiTable table{{"AT", "TA", "TAT", "ATT", "TT", "EAT", "TEA", "ATE"}};
};

} // namespace

TEST_F(LuaHostTest, AComputerTurnPlaysWhatTheProfileChoseAfterTheNotices)
{
    table.start(
        {makePlayer("Ann", table.writeProfile("Empty.cpu", ""), "ATE"),
         makePlayer("Bob", table.writeProfile("Pass.cpu", "SetSolution(1, 8, 8, 0, '', '')"), "ATE"),
         makePlayer("Di", table.writeProfile("Last.cpu", "SetSolution(MoveAt(MovesNumber() - 1))"), "ATE"),
         makePlayer("Ed", table.writeProfile("Broken.cpu", "SetSolution(MoveAt(1)) error('boom')"), "ATE"),
         makePlayer("Flo", "Missing.cpu", "ATE")});
    // What each profile chose, as an index in the list of moves (-1 for a pass).
    std::vector<int> chosen;
    for (int seat = 0; seat < 5; ++seat) {
        const std::string key = moveKey(host().computerTurn(player(seat)));
        const glyph::MoveGenerator& generator = moveGenerator(*table.game);
        int index = -1;
        for (int i = 0; i < generator.size() && index < 0; ++i)
            index = moveKey(*generator.moveAt(i)) == key ? i : -1;
        chosen.push_back(index == generator.size() - 1 ? 99 : index);
    }
    // The best with no choice; a pass; the last; the move a failing profile set before it
    // stopped; the best when the profile file is missing.
    EXPECT_EQ(chosen, (std::vector<int>{0, -1, 99, 1, 0}));
    EXPECT_TRUE(table.view.scriptOutput.empty()) << "turn errors are not script output";

    const std::vector<std::string> notices(table.view.notices.begin(), table.view.notices.begin() + 3);
    EXPECT_EQ(notices, (std::vector<std::string>{"\nPlease Wait...\n\n  Ann is thinking  \n\n",
                                                 "\nPlease Wait...\n\n  Bob is thinking  \n\n",
                                                 "\n\n  Bob  PASED  \n\n\n"}));
    EXPECT_EQ(table.view.hiddenNotices, static_cast<int>(table.view.notices.size()));
    // A fast turn waits out the rest of 1.5 s; a pass shows its notice for 1.5 s.
    ASSERT_GE(table.view.waits.size(), 3u);
    EXPECT_GT(table.view.waits[0], 1000);
    EXPECT_LE(table.view.waits[0], 1500);
    EXPECT_EQ(table.view.waits[2], 1500);
}

TEST_F(LuaHostTest, ScriptsShareTheirGlobalsAndReportOutputAndErrors)
{
    table.start({makePlayer("Gus", table.writeProfile("Set.cpu", "shared = (shared or 0) + 1"), "ATE"),
                 makePlayer("Hal", table.writeProfile("Read.cpu", "Debug('seen', shared)"), "ATE")});
    host().computerTurn(player(0));
    host().computerTurn(player(1));
    ASSERT_TRUE(host().runText("Debug(shared + 1, {}, 'a b', 2.5, false, print) print(1, nil, true)"
                               " io.write('a', 2, '\\n', 'b') io.write('c')"));
    EXPECT_EQ(table.view.scriptOutput, (std::vector<std::string>{"seen 1", "2 table a b 2.5 false function",
                                                                 "1\tnil\ttrue", "a2", "bc"}));

    EXPECT_FALSE(host().runText("x = = 1"));
    EXPECT_EQ(table.view.scriptOutput.back().rfind("Error: [string \"x = = 1\"]:1:", 0), 0u);
    EXPECT_FALSE(host().runText("local t = nil\nreturn t.x"));
    EXPECT_EQ(table.view.scriptOutput.back().rfind("Error: [string \"local t = nil...\"]:2:", 0), 0u);
    EXPECT_FALSE(host().runText("error({})"));
    EXPECT_EQ(table.view.scriptOutput.back(), "Error: (error object is a table value)");
    EXPECT_FALSE(host().runFile(table.dir.file("Nothing.cpu")));
    EXPECT_TRUE(host().runFile(table.dir.file(table.writeProfile("Fine.cpu", "fine = true"))));

    // A new game starts afresh: the globals are gone, the sandbox and the functions are as before.
    host().restart();
    ASSERT_TRUE(host().runText("Debug(shared, fine, type(MoveAt), type(string.rep), type(dofile))"));
    EXPECT_EQ(table.view.scriptOutput.back(), "nil nil function function nil");
}

TEST_F(LuaHostTest, AProfileIsAPlainFileInTheProfileFolderReadAsARegularFile)
{
    // A FIFO without a writer: opening it for reading the plain way waits for ever.
    std::filesystem::create_directories(table.dir.file("x"));
    ASSERT_EQ(::mkfifo(table.dir.file("x/fifo").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(table.dir.file("Fifo.cpu").c_str(), 0600), 0);
    table.writeProfile("x/Pass.cpu", "SetSolution(1, 8, 8, 0, '', '')");
    for (const std::string& name :
         {std::string("x/fifo"), std::string("../") + table.dir.path().filename().string() + "/x/Pass.cpu",
          std::string("Fifo.cpu"), std::string("."), std::string("..")}) {
        table.start({makePlayer("Ann", name, "ATE")});
        const Move solution = host().computerTurn(player(0));
        EXPECT_EQ(moveKey(solution), moveKey(*moveGenerator(*table.game).moveAt(0))) << name;
    }
    EXPECT_FALSE(glyph::Player::isProfileName("a\\b"));
    EXPECT_TRUE(glyph::Player::isProfileName("..Greedy.cpu"));
}

TEST_F(LuaHostTest, ProfilesWrittenForLua50FindTheOldNames)
{
    ASSERT_TRUE(host().runText(
        "local t = {5, 6, 7} table.setn(t, 1)\n"
        "local seen = {} table.foreachi(t, function(i, v) seen[#seen + 1] = i .. '=' .. v end)\n"
        "local keys = 0 table.foreach({a = 1, b = 2}, function() keys = keys + 1 end)\n"
        "local words = {} for w in string.gfind('at ta', '%a+') do words[#words + 1] = w end\n"
        "Debug(table.getn(t), table.getn({n = 2}), table.concat(seen, ','), keys,"
        " table.foreachi({4}, function(i, v) return v * 2 end), math.mod(7, 3), math.mod(-7, 3),"
        " math.pow(2, 10), math.log10(1000), table.concat(words, '+'), loadstring('return 6 * 7')(),"
        " unpack({1, 2}))"));
    EXPECT_EQ(table.view.scriptOutput.back(), "3 2 1=5,2=6,3=7 2 8 1 -1 1024.0 3.0 at+ta 42 1 2");
    // loadstring loads text only, and only from a string, whatever the script did to load.
    ASSERT_TRUE(host().runText("load = nil Debug(loadstring(string.dump(function() end)))"));
    EXPECT_EQ(table.view.scriptOutput.back().rfind("nil attempt to load a binary chunk", 0), 0u);
    EXPECT_FALSE(host().runText("loadstring(function() return 'x' end)"));
    EXPECT_NE(table.view.scriptOutput.back().find("string expected"), std::string::npos);
}

// Profiles are shared files: each test below is something a hostile profile tried.
namespace
{

class HostileProfile : public LuaHostTest
{
protected:
    HostileProfile() { host().setRunTimeLimit(std::chrono::milliseconds(300)); }

    // Runs the text, expecting it to be stopped or refused with `reason` in the error line, and
    // returns that line.
    std::string expectRefused(const std::string& text, const std::string& reason = "")
    {
        table.view.scriptOutput.clear();
        EXPECT_FALSE(host().runText(text)) << text;
        const std::string error = table.view.scriptOutput.empty() ? "" : table.view.scriptOutput.back();
        EXPECT_NE(error.find(reason), std::string::npos) << text << "\n" << error.substr(0, 200);
        return error;
    }
};

} // namespace

TEST_F(HostileProfile, ReachesNoFileProgramOrProcess)
{
    ASSERT_TRUE(
        host().runText("Debug(type(coroutine), type(table), type(io), type(os), type(string), type(math),"
                       " type(debug), type(require), type(package), type(utf8))"));
    EXPECT_EQ(table.view.scriptOutput.back(), "table table table table table table table nil nil nil");
    ASSERT_TRUE(host().runText("Debug(os.exit, os.execute, os.remove, os.rename, os.getenv, os.tmpname,"
                               " io.open, io.lines, io.popen, io.read, dofile, loadfile, require)"));
    EXPECT_EQ(table.view.scriptOutput.back(), "nil nil nil nil nil nil nil nil nil nil nil nil nil");
    // Still there: the clock, the date and the traceback.
    ASSERT_TRUE(host().runText("Debug(type(os.time()), type(os.clock()), type(os.date('%Y')),"
                               " type(debug.traceback()), debug.sethook, debug.getupvalue)"));
    EXPECT_EQ(table.view.scriptOutput.back(), "number number string string nil nil");
}

TEST_F(HostileProfile, RunsNoBinaryChunk)
{
    // A precompiled chunk with one byte changed crashes the interpreter when it runs.
    const std::string damaged = "local s = string.dump(function(a) return a + 1 end)\n"
                                "s = s:sub(1, 30) .. '\\255' .. s:sub(32)\n";
    for (const std::string call : {"load(s)", "load(s, 'x', 'b')"}) {
        ASSERT_TRUE(host().runText(damaged + "Debug(" + call + ")"));
        EXPECT_EQ(table.view.scriptOutput.back().rfind("nil attempt to load a binary chunk", 0), 0u) << call;
    }
    // Text still loads, from a string and from a reader function, with an environment.
    ASSERT_TRUE(host().runText("local parts = {'return ', 'x'} local i = 0\n"
                               "Debug(load('return 6 * 7')(), load(function() i = i + 1 return parts[i] end,"
                               " 'r', 't', {x = 'env'})())"));
    EXPECT_EQ(table.view.scriptOutput.back(), "42 env");
    // Nor is a precompiled profile file run.
    const std::string binary = table.dir.write("Binary.cpu", std::string("\x1bLua\x54\x00", 6) + "junk");
    EXPECT_FALSE(host().runFile(binary));
}

TEST_F(HostileProfile, CannotEscapeTheTimeLimit)
{
    // Catching the error, a coroutine, removing the hook, slow pattern matches and plain finds,
    // a huge table.move: each once let a script run on for minutes.
    const std::string needle =
        "local s = string.rep('a', 1000000) local n = string.rep('a', 100000) .. 'b'\n";
    // Elements that the C function rawlen reads as 0 without running any Lua code.
    const std::string huge = "local t = setmetatable({}, {__len = function() return math.maxinteger // 2 end,"
                             " __index = rawlen})\n";
    for (const std::string& script :
         {std::string("while true do pcall(function() while true do end end) end"),
          std::string("coroutine.wrap(function() while true do end end)()"),
          std::string("pcall(debug.sethook) local t = os.clock() while os.clock() - t < 5 do end"),
          std::string("string.find(string.rep('a', 60), string.rep('a-', 6) .. 'b')"),
          std::string("local s = string.rep('a', 50) s:gsub(string.rep('a*', 6) .. 'b', '')"),
          needle + "s:find(n, 1, true)", std::string("table.move({}, 1, math.maxinteger - 1, 1)"),
          // The table functions loop in C over any length __len claims.
          huge + "table.concat(t)"})
        expectRefused(script, "script stopped: it ran longer than 300 ms");
    // These also fill the table as they go: on a fast machine the memory limit may come first.
    for (const std::string& script :
         {huge + "table.insert(t, 1, 0)", huge + "table.remove(t, 1)",
          huge + "getmetatable(t).__len = function() return (1 << 31) - 2 end table.sort(t)",
          huge + "getmetatable(t).__len = function() return (1 << 31) - 2 end table.sort(t, rawequal)"}) {
        const auto started = std::chrono::steady_clock::now();
        const std::string error = expectRefused(script, "script stopped: it ");
        EXPECT_TRUE(error.find("ran longer than 300 ms") != std::string::npos ||
                    error.find("used more than 256 MB") != std::string::npos)
            << script << "\n"
            << error;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << script;
    }
    // Loops of slow library calls: thousands of calls ran between two looks at the clock, and
    // table.unpack walked a long __index chain for every element inside C.
    const std::string chain =
        "local t = {} local cur = t\n"
        "for i = 1, 1990 do local n = {} setmetatable(cur, {__index = n}) cur = n end\n";
    for (const std::string& script :
         {chain + "while true do select('#', table.unpack(t, 1, 990000)) end",
          // Comparing two long strings of the same text runs in C, allocating nothing.
          std::string("local s = string.rep('x', 3e7) local c = s:upper():lower()"
                      " while true do local same = s == c end")}) {
        const auto started = std::chrono::steady_clock::now();
        expectRefused(script, "script stopped: it ran longer than 300 ms");
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2)) << script;
    }
    // Unpacking itself is as the library has it.
    ASSERT_TRUE(host().runText("Debug(table.unpack({1, 2, 3})) Debug(table.unpack({1, 2, 3}, 2))"
                               " Debug(select('#', table.unpack({}, 1, 3)), table.unpack({}, 2, 1))"
                               " Debug(pcall(table.unpack, {}, 1, 1e8))"));
    EXPECT_EQ(std::vector<std::string>(table.view.scriptOutput.end() - 4, table.view.scriptOutput.end()),
              (std::vector<std::string>{"1 2 3", "2 3", "3", "false too many results to unpack"}));
    // Empty copies, which the library made one at a time in C, cost nothing.
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(
        host().runText("Debug(#string.rep('', math.maxinteger), #('x'):rep(0, 'y'):rep(math.maxinteger),"
                       " #string.rep('', math.maxinteger, ''), string.rep('ab', 3, ','))"));
    EXPECT_EQ(table.view.scriptOutput.back(), "0 0 0 ab,ab,ab");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    // A finalizer runs with hooks off, at any later moment: none may be set, not even by
    // adding __gc to a metatable already in use.
    expectRefused(
        "setmetatable({}, {__gc = function() local t = os.clock() while os.clock() - t < 5 do end end})",
        "__gc");
    ASSERT_TRUE(host().runText("local mt = {} local t = setmetatable({}, mt)"
                               " mt.__gc = function() Debug('finalized') end t = nil collectgarbage()"));
    EXPECT_TRUE(host().runText("collectgarbage() Debug('done')"));
    EXPECT_EQ(table.view.scriptOutput.back(), "done");
    EXPECT_EQ(std::count(table.view.scriptOutput.begin(), table.view.scriptOutput.end(), "finalized"), 0);
}

TEST_F(HostileProfile, IsStoppedSoonAfterAnInterruptAndAtOnceWhenItsTurnIsAbandoned)
{
    host().setRunTimeLimit(std::chrono::milliseconds(20000));
    using Clock = std::chrono::steady_clock;
    const auto stoppedAfter = [this](const std::string& text, void (LuaHost::*stop)()) {
        std::thread stopper([this, stop] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            (host().*stop)();
        });
        const Clock::time_point started = Clock::now();
        const std::string error = expectRefused(text, "script stopped: its turn was interrupted");
        stopper.join();
        host().clearInterrupt();
        return Clock::now() - started;
    };
    for (const std::string& script :
         {std::string("while true do end"),
          std::string("local s = string.rep('x', 3e7) while true do local u = s:upper() end")}) {
        EXPECT_LT(stoppedAfter(script, &LuaHost::interrupt), std::chrono::milliseconds(1500)) << script;
        EXPECT_LT(stoppedAfter(script, &LuaHost::abandon), std::chrono::milliseconds(1000)) << script;
    }
    // An abandon asked for before the run starts (while the moves were generated) still stops
    // it; clearing it forgets it.
    const std::string busy = table.dir.file(table.writeProfile("Busy.cpu", "while true do end"));
    host().abandon();
    const Clock::time_point started = Clock::now();
    EXPECT_FALSE(host().runFile(busy));
    EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(1000));
    EXPECT_EQ(table.view.scriptOutput.back(), "Error: script stopped: its turn was interrupted");
    host().abandon();
    host().clearInterrupt();
    ASSERT_TRUE(host().runText("local t = os.clock() while os.clock() - t < 0.5 do end Debug('ran on')"));
    EXPECT_EQ(table.view.scriptOutput.back(), "ran on");
}

TEST_F(HostileProfile, IsStoppedAtTheMemoryLimitAndTheTurnPlaysTheSolutionSoFar)
{
    host().setRunTimeLimit(std::chrono::milliseconds(20000));
    host().setMemoryLimit(std::size_t{32} << 20);
    const std::size_t before = host().memoryUsed();
    expectRefused("local t = {} for i = 1, 1e9 do t[i] = {i} end", "script stopped: it used more than 32 MB");
    expectRefused("local s = string.rep('x', 2^31)", "it used more than 32 MB");
    expectRefused(
        "local s = string.rep('x', 1e6) local t = {} while true do pcall(function() t[#t + 1] = s .. #t "
        "end) end",
        "it used more than 32 MB");
    // What the stopped scripts held is freed with them.
    ASSERT_TRUE(host().runText("collectgarbage()"));
    EXPECT_LT(host().memoryUsed(), before + (std::size_t{1} << 20));

    const std::string greedy = "SetSolution(MoveAt(1)) local t = {} while true do t[#t + 1] = {} end";
    table.start({makePlayer("Lu", table.writeProfile("Greedy.cpu", greedy), "ATE")});
    const Move solution = host().computerTurn(player(0));
    EXPECT_EQ(moveKey(solution), moveKey(*moveGenerator(*table.game).moveAt(1)));
    EXPECT_NE(table.view.scriptOutput.back().find("it used more than 32 MB"), std::string::npos);
}

TEST_F(HostileProfile, CannotOverflowTheCStack)
{
    host().setRunTimeLimit(std::chrono::milliseconds(20000));
    // Coroutines closed from __close handlers, each in the next: 20,000 deep this crashed.
    const std::string chain =
        "local co = false for i = 1, 20000 do local previous = co\n"
        " co = coroutine.create(function() local c <close> = setmetatable({}, {__close ="
        " function() if previous then assert(coroutine.close(previous)) end end})"
        " coroutine.yield() end) coroutine.resume(co) end\n"
        "Debug(coroutine.close(co))";
    ASSERT_TRUE(host().runText(chain)) << table.view.scriptOutput.back();
    EXPECT_NE(table.view.scriptOutput.back().find("nested too deeply"), std::string::npos)
        << table.view.scriptOutput.back();
    // Closing still works, and so does nesting a little.
    ASSERT_TRUE(
        host().runText("local co = coroutine.create(function() local c <close> = setmetatable({},"
                       " {__close = function() closed = true end}) coroutine.yield() end)"
                       " coroutine.resume(co) Debug(coroutine.close(co), closed, coroutine.status(co))"));
    EXPECT_EQ(table.view.scriptOutput.back(), "true true dead");
    // Recursion through the other C functions, and through an error handler, ends at the
    // interpreter's own limits, and the state goes on working.
    for (const std::string& script :
         {std::string("local function f() return tostring(setmetatable({}, {__tostring = f})) end f()"),
          std::string("local t t = setmetatable({}, {__index = function(_, k) return t[k] end}) return t.x"),
          std::string("local function f() table.sort({1, 2, 3}, function() return f() end) end f()"),
          std::string("local function f() return coroutine.wrap(f)() end f()"),
          std::string("local function loop() assert(pcall(loop)) end xpcall(loop, loop)")}) {
        host().runText(script);
        ASSERT_TRUE(host().runText("Debug('alive')")) << script;
        EXPECT_EQ(table.view.scriptOutput.back(), "alive") << script;
    }
}

TEST_F(HostileProfile, CannotFloodTheOutput)
{
    // The attack profile: 8,000 values of 1 MB in one Debug call took 15 s against a 10 s limit.
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(host().runFile(GLYPH_SOURCE_DIR "/tests/attacks/DebugFlood.cpu"));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    std::size_t bytes = 0;
    for (const std::string& line : table.view.scriptOutput) {
        EXPECT_LE(line.size(), 4096u);
        bytes += line.size();
    }
    EXPECT_LE(bytes, LuaHost::kMaxOutputBytes + 200);

    // One long line is cut into lines of 4,096 bytes.
    host().setRunTimeLimit(std::chrono::milliseconds(20000));
    table.view.scriptOutput.clear();
    ASSERT_TRUE(host().runText("Debug(string.rep('x', 10000), 1)"));
    EXPECT_EQ(table.view.scriptOutput.size(), 3u);
    EXPECT_EQ(table.view.scriptOutput.back(), std::string(10000 - 2 * 4096, 'x') + " 1");
    // A run that prints 40 MB in lines gets exactly the first 16 MB, then one line that says so.
    table.view.scriptOutput.clear();
    ASSERT_TRUE(
        host().runText("local s = string.rep('z', 999) for i = 1, 40000 do print(s) end Debug('end')"));
    EXPECT_EQ(table.view.scriptOutput.back().rfind("(output cut", 0), 0u) << table.view.scriptOutput.back();
    std::string passed;
    for (std::size_t line = 0; line + 1 < table.view.scriptOutput.size(); ++line)
        passed += (line > 0 ? "\n" : "") + table.view.scriptOutput[line];
    std::string printed;
    while (printed.size() < LuaHost::kMaxOutputBytes)
        printed += std::string(999, 'z') + '\n';
    // Each line also costs a little beyond its bytes, so somewhat less than 16 MB of text comes through.
    EXPECT_TRUE(printed.compare(0, passed.size(), passed) == 0);
    EXPECT_GT(passed.size(), LuaHost::kMaxOutputBytes * 7 / 8);
    EXPECT_LT(passed.size(), LuaHost::kMaxOutputBytes);
    // Empty lines are cut too, within the one write that floods them.
    table.view.scriptOutput.clear();
    const auto floodStarted = std::chrono::steady_clock::now();
    ASSERT_TRUE(host().runText("io.write(string.rep('\\n', 16000000)) Debug('end')"));
    EXPECT_EQ(table.view.scriptOutput.back().rfind("(output cut", 0), 0u) << table.view.scriptOutput.back();
    EXPECT_LT(table.view.scriptOutput.size(), LuaHost::kMaxOutputBytes / 64);
    EXPECT_LT(std::chrono::steady_clock::now() - floodStarted, std::chrono::seconds(3));
    // The output counts against the memory limit, so a flood stops there.
    host().setMemoryLimit(std::size_t{32} << 20);
    expectRefused("local s = string.rep('x', 2^20) for i = 1, 8000 do Debug(s, s) end",
                  "it used more than 32 MB");
    EXPECT_LE(expectRefused("error(string.rep('y', 2^20))").size(), 4096u + 7);
    // The limits are per run.
    ASSERT_TRUE(host().runText("print('fine')"));
    EXPECT_EQ(table.view.scriptOutput.back(), "fine");
}

TEST_F(HostileProfile, CannotMakeTheCollectorSlowForEveryone)
{
    expectRefused("setmetatable({}, {__mode = 'k'})", "__mode");
    expectRefused("collectgarbage('stop')", "invalid option");
    expectRefused("collectgarbage('incremental', 0, 1000)", "invalid option");
    // Weak keys added to a metatable later, holding a chain in which each value leads to the
    // next key: one collection of it ran for minutes inside C, in that turn and every later one.
    // The run's limit is generous, so that the refusal comes from the guard, not the clock.
    host().setRunTimeLimit(std::chrono::milliseconds(30000));
    const std::string chain = "local mt = {} bomb = setmetatable({}, mt) local key = {} anchor = key\n"
                              "for i = 1, 30000 do local next = {} bomb[key] = {next} key = next end\n";
    const std::string churn = "\nfor i = 1, 300 do local s = string.rep('y', 1 << 20) .. i end";
    for (const std::string& late : {std::string("mt.__mode = 'k'"), std::string("rawset(mt, '__mode', 'k')"),
                                    std::string("load('__mode = \"k\"', 'x', 't', mt)()"),
                                    std::string("getmetatable(mt).__newindex = rawset mt.__mode = 'k'")}) {
        const auto started = std::chrono::steady_clock::now();
        const std::string refused = expectRefused(chain + late + churn);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10)) << late;
        EXPECT_TRUE(refused.find("__mode") != std::string::npos ||
                    refused.find("index a boolean") != std::string::npos)
            << late << ": " << refused;
    }
    // The guard cannot be gone round: a metatable with a metatable of its own, or itself.
    expectRefused("local mt = setmetatable({}, {}) setmetatable({}, mt)", "metatable of its own");
    expectRefused("local t = {} setmetatable(t, t)", "metatable of its own");
    // Ordinary metatables keep working, fields added later included.
    ASSERT_TRUE(
        host().runText("local Class = {} Class.__index = Class local o = setmetatable({}, Class)"
                       " function Class.size() return 3 end Class.__len = Class.size Debug(o.size(), #o)"));
    EXPECT_EQ(table.view.scriptOutput.back(), "3 3");
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(host().runText("collectgarbage() collectgarbage() Debug(collectgarbage('isrunning'))"));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(table.view.scriptOutput.back(), "true");
}

TEST_F(HostileProfile, CannotSteerOrSpyOnTheNextPlayersScript)
{
    table.start({makePlayer("Eve", "", "ATE"), makePlayer("Vic", "", "EAT")});
    moveGenerator(*table.game).generate("ATE");
    // Replacing or wrapping what every script shares: the exported functions, the libraries,
    // the strings' methods and the globals table's metamethods.
    ASSERT_TRUE(host().runText(
        "left = 'kept' local rack = PlayerRack\n"
        "function spy(...) rawset(_G, 'seen', (rawget(_G, 'seen') or '') .. rack()) return ... end\n"
        "MovesNumber = function() return 0 end  PlayerRack = function() return spy('') end\n"
        "local sub = string.sub string.sub = function(...) return spy(sub(...)) end\n"
        "table.insert = nil  math.max = function() return -1 end  print = spy\n"
        "getmetatable('').__index = function(s, k) spy() return string[k] end\n"
        "getmetatable('').__add = function() return spy(0) end\n"
        "setmetatable(_G, {__newindex = function(t, k, v) spy() rawset(t, k, v) end, __index = spy})\n"
        "setmetatable(string, {__newindex = function(t, k, v) spy() rawset(t, k, v) end})"));
    table.rules->players()[0].setRack("EAT");
    table.view.scriptOutput.clear();
    ASSERT_TRUE(host().runText("mine = 1 function string.trim(s) return s end\n"
                               "Debug(MovesNumber() > 0, PlayerRack(), ('abc'):sub(2), string.sub('abc', 3),"
                               " math.max(1, 2), type(table.insert), '1' + 1, undefined, left)"));
    EXPECT_EQ(table.view.scriptOutput.back(), "true EAT bc c 2 function 2 nil kept");
    ASSERT_TRUE(host().runText("Debug(seen)"));
    EXPECT_EQ(table.view.scriptOutput.back(), "nil") << "the first script saw the second one's rack";
}
