// Runs hostile profiles in the script host's sandbox with small time and memory limits: the input
// as Lua text, or as raw bytes handed to `load`. Whatever a profile does, the host must stay sound.
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
        return started;
    }();
    // A long string literal cannot hold "]==]" safely, so the bytes for `load` go in as escapes.
    std::string escaped;
    for (std::size_t i = 1; i < size; ++i)
        escaped += "\\" + std::to_string(data[i]);
    if (size > 0)
        host.runText(data[0] % 2 == 0 ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1)
                                      : "local f = load(\"" + escaped + "\") if f then pcall(f) end");
    fixture.view.scriptOutput.clear();
    return 0;
}
