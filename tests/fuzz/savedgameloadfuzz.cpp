// Feeds saved-game loading with hostile bytes: either the raw input, or a valid saved game
// patched and cut by the input, so that the fuzzer reaches the records past the header.
#include <cstdint>
#include <string>

#include "tests/support/rulesfixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static glyph::test::RulesFixture target;
    static const std::string seed = [] {
        glyph::test::RulesFixture source;
        source.start({"Ann", "Bob", "Cid"});
        source.setRack(0, "CAT[XYZ");
        glyph::Move cat = glyph::test::makeMove(true, 8, 7, "C[T", "A");
        source.game->computeScore(cat, source.game->board());
        source.rules->playMove(cat);
        source.rules->passOrExchange("", "");
        source.rules->save(source.dir.file("seed.tc"));
        target.start({"Zed", "Yan"});
        return source.dir.read("seed.tc");
    }();
    // After the first byte, three bytes at a time: a two-byte offset into the seed and the byte to
    // write there; a trailing pair cuts the seed at that offset.
    std::string bytes = seed;
    std::size_t at = 1;
    for (; at + 3 <= size; at += 3)
        bytes[(data[at] | data[at + 1] << 8) % bytes.size()] = static_cast<char>(data[at + 2]);
    if (at + 2 <= size)
        bytes.resize((data[at] | data[at + 1] << 8) % (bytes.size() + 1));
    if (size > 0 && data[0] % 2 == 0)
        bytes.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
    target.rules->loadBytes(bytes, "fuzz.tc");
    target.view.warnings.clear();
    target.view.refreshes.clear();
    return 0;
}
