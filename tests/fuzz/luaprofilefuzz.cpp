// Runs hostile profiles in the script host's sandbox: the input as Lua text, or the input as
// raw bytes handed to `load` (and so to the text-only check), with small time and memory limits
// so that runaway scripts end quickly. Whatever a profile does, the host must stay sound.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "tests/support/rulesfixture.h"

namespace
{

struct Harness {
    Harness()
    {
        attachAiPlayers(*fixture.game);
        fixture.start({"Ann", "Bob"});
        glyph::LuaHost& host = glyph::scriptHost(*fixture.game);
        host.setRunTimeLimit(std::chrono::milliseconds(20));
        host.setMemoryLimit(std::size_t{16} << 20);
        glyph::moveGenerator(*fixture.game).generate(fixture.rules->currentPlayer().rack);
        // The raw bytes reach `load` through this global.
        host.runText("function fuzzLoad(bytes) local f = load(bytes) if f then pcall(f) end end");
    }

    glyph::test::RulesFixture fixture;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Harness harness;
    if (size == 0)
        return 0;
    glyph::LuaHost& host = glyph::scriptHost(*harness.fixture.game);
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
    harness.fixture.view.scriptOutput.clear();
    return 0;
}
