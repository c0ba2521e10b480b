// Feeds arbitrary bytes to the core's readers, the first byte picking one: premium lists, letter
// sets (then a bag), preferences, saved games and GCG records (what reads writes back to what reads
// back the same), and profiles in the script host's sandbox, as Lua text or bytes for `load`.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "base/letterset.h"
#include "engine/bag.h"
#include "engine/boardgeometry.h"
#include "engine/gameview.h"
#include "engine/gcgimporter.h"
#include "engine/gcgwriter.h"
#include "preferences/preferences.h"
#include "tests/support/rulesfixture.h"

namespace
{
std::string contentsOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    static const std::string path = std::filesystem::temp_directory_path() / "glyph-fuzz-corefiles.txt";
    std::ofstream(path, std::ios::binary) << bytes;
    if (data[0] % 6 == 0) {
        glyph::MultiplierGrid grid{};
        glyph::geometry::applyPremiumList(bytes, grid, 3);
    } else if (data[0] % 6 == 1) {
        glyph::NullView view;
        glyph::LetterSet set;
        set.load(path, view);
        glyph::Bag bag;
        bag.fillFromLetterSet(set);
        // Whatever the set says, the bag's counts add up to its total.
        int sum = 0;
        for (int k = 0; k < glyph::kLetterCount; ++k)
            sum += bag.count(k);
        if (sum != bag.total() || bag.total() < 0 || bag.total() > glyph::Bag::kMaxTiles)
            std::abort();
    } else if (data[0] % 6 == 2) {
        glyph::Preferences preferences(path);
        int number = 0;
        preferences.getInteger("TableRowsKey", number);
        // What was read writes back, and what was written reads back the same.
        if (preferences.canSave()) {
            if (!preferences.save())
                std::abort();
            const std::string first = contentsOf(path);
            glyph::Preferences again(path);
            if (!again.save() || contentsOf(path) != first)
                std::abort();
        }
    } else if (data[0] % 6 == 3) {
        static glyph::test::RulesFixture target;
        static const std::string seed = [] {
            static glyph::test::RulesFixture source; // its set file must outlive the seed
            source.start({"Ann", "Bob", "Cid"});
            // A possible position (no letter more often than the set has it), so that the
            // loader's later checks are reached.
            source.giveRacks({"CAT[XYZ", "EEIIOOU", "SNEEEEE"});
            source.play(glyph::test::makeMove(true, 8, 7, "C[T", "A"));
            source.rules->passOrExchange("", "");
            source.rules->save(source.dir.file("seed.tc"));
            target.start({"Zed", "Yan"});
            return source.dir.read("seed.tc");
        }();
        // The bytes as they are, or a valid saved game patched and cut by them, so that the fuzzer
        // reaches the records past the header: three bytes at a time, a two-byte offset into the
        // seed and the byte to write there; a trailing pair cuts the seed at that offset.
        std::string game = seed;
        std::size_t at = 1;
        for (; at + 3 <= size; at += 3)
            game[(data[at] | data[at + 1] << 8) % game.size()] = static_cast<char>(data[at + 2]);
        if (at + 2 <= size)
            game.resize((data[at] | data[at + 1] << 8) % (game.size() + 1));
        // A game that loads saves to bytes that load to the same game.
        if (target.rules->loadBytes(data[0] / 6 % 2 == 0 ? bytes : game, "fuzz.tc")) {
            static const std::string saved = std::filesystem::temp_directory_path() / "glyph-fuzz-saved.tc";
            if (!target.rules->save(saved))
                std::abort();
            const std::string first = contentsOf(saved);
            if (!target.rules->load(saved) || !target.rules->save(saved) || contentsOf(saved) != first)
                std::abort();
        }
        target.view.warnings.clear();
        target.view.refreshes.clear();
    } else if (data[0] % 6 == 4) {
        static glyph::test::RulesFixture target;
        glyph::GcgImporter importer(*target.game);
        // The bytes alone, or after two players, so that the fuzzer soon reaches the moves.
        if (importer.importText(data[0] / 6 % 2 == 0 ? bytes : "#player1 a A\n#player2 b B\n" + bytes)) {
            const std::string text = glyph::GcgWriter(*target.game).write(*target.game->rules(), "fuzz");
            if (!importer.importText(text) ||
                glyph::GcgWriter(*target.game).write(*target.game->rules(), "fuzz") != text)
                std::abort();
        } else if (importer.error().empty() || importer.error().find('\n') != std::string::npos) {
            std::abort();
        }
    } else {
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
        for (char c : bytes)
            escaped += "\\" + std::to_string(static_cast<std::uint8_t>(c));
        host.runText(data[0] / 6 % 2 == 0 ? bytes
                                          : "local f = load(\"" + escaped + "\") if f then pcall(f) end");
        fixture.view.scriptOutput.clear();
    }
    return 0;
}
