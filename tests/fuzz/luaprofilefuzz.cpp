// Runs hostile profiles in the script host's sandbox with small time and memory limits: the
// input as Lua text, or as raw bytes handed to `load`. Whatever a profile does, the host must
// stay sound.
#include <chrono>
#include <cstdint>
#include <string>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "tests/support/rulesfixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static glyph::test::RulesFixture fixture;
    static glyph::LuaHost& host = []() -> glyph::LuaHost& {
        attachAiPlayers(*fixture.game);
        fixture.start({"Ann", "Bob"});
        glyph::LuaHost& started = glyph::scriptHost(*fixture.game);
        started.setRunTimeLimit(std::chrono::milliseconds(20));
        started.setMemoryLimit(std::size_t{16} << 20);
        glyph::moveGenerator(*fixture.game).generate(fixture.rules->currentPlayer().rack);
        started.runText("function fuzzLoad(bytes) local f = load(bytes) if f then pcall(f) end end");
        return started;
    }();
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        host.runText(bytes);
    } else {
        // A long string literal cannot hold "]==]" safely, so the bytes go in as escapes.
        std::string literal;
        for (unsigned char code : bytes)
            literal += "\\" + std::to_string(code);
        host.runText("fuzzLoad(\"" + literal + "\")");
    }
    fixture.view.scriptOutput.clear();
    return 0;
}
