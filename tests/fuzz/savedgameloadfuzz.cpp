// Feeds saved-game loading with hostile bytes: either raw input, or a valid saved game
// patched and cut by the input, so that the fuzzer reaches the records past the header.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "tests/support/rulesfixture.h"

namespace
{

using glyph::test::RulesFixture;

struct Harness {
    Harness()
    {
        source.start({"Ann", "Bob", "Cid"});
        source.setRack(0, "CAT[XYZ");
        glyph::Move cat = glyph::test::makeMove(true, 8, 7, "C[T", "A");
        source.game->computeScore(cat, source.game->board());
        source.rules->playMove(cat);
        source.rules->passOrExchange("", "");
        source.rules->save(source.dir.file("seed.tc"));
        std::ifstream in(source.dir.file("seed.tc"), std::ios::binary);
        seed.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        target.start({"Zed", "Yan"});
    }

    RulesFixture source;
    RulesFixture target;
    std::string seed;
};

/// Input bytes after the first, taken three at a time: a two-byte offset into the seed and
/// the byte to write there; a trailing pair cuts the seed at that offset.
std::string patchedSeed(const std::string& seed, const std::uint8_t* data, std::size_t size)
{
    std::string bytes = seed;
    std::size_t at = 1;
    for (; at + 3 <= size; at += 3) {
        const std::size_t offset = (data[at] | data[at + 1] << 8) % bytes.size();
        bytes[offset] = static_cast<char>(data[at + 2]);
    }
    if (at + 2 <= size)
        bytes.resize((data[at] | data[at + 1] << 8) % (bytes.size() + 1));
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Harness harness;
    if (size == 0)
        return 0;
    const std::string bytes = data[0] % 2 == 0
                                  ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1)
                                  : patchedSeed(harness.seed, data, size);
    harness.target.rules->loadBytes(bytes, "fuzz.tc");
    harness.target.view.warnings.clear();
    harness.target.view.refreshes.clear();
    return 0;
}
