// Feeds arbitrary bytes to the core's readers, the first byte picking one: premium lists, letter
// sets (then a bag), preferences, saved games, GCG records, leave values and study lists (what reads
// writes back to what reads back the same), and profiles in the script host's sandbox, as Lua text
// or bytes for `load`.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/leavevalues.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "base/letterset.h"
#include "dictionary/studylist.h"
#include "engine/bag.h"
#include "engine/boardgeometry.h"
#include "engine/gameview.h"
#include "engine/gcgimporter.h"
#include "engine/gcgwriter.h"
#include "preferences/preferences.h"
#include "tests/support/rulesfixture.h"
#include "tests/support/tempdir.h"

namespace
{
/// A valid file patched and cut by the fuzzer's bytes after the first: three bytes at a time, a
/// two-byte offset into the file and the byte to write there; a trailing pair cuts the file at
/// that offset.
std::string patched(std::string file, const std::uint8_t* data, std::size_t size)
{
    std::size_t at = 1;
    for (; at + 3 <= size; at += 3)
        file[(data[at] | data[at + 1] << 8) % file.size()] = static_cast<char>(data[at + 2]);
    if (at + 2 <= size)
        file.resize((data[at] | data[at + 1] << 8) % (file.size() + 1));
    return file;
}

/// Every value a leave file can set stays within the bound the reader promises.
bool withinBounds(const glyph::LeaveValues& values)
{
    auto fits = [](double value) { return std::fabs(value) <= glyph::LeaveValues::kMaxEntry; };
    for (int code = 0; code < glyph::kLetterCount; ++code) {
        if (!fits(values.tileValue(code)) || !fits(values.duplicateValue(code)))
            return false;
        for (int other = 0; other < glyph::kLetterCount; ++other)
            if (!fits(values.pairValue(code, other)))
                return false;
    }
    for (int vowels = 0; vowels <= glyph::LeaveValues::kMaxBalance; ++vowels)
        for (int consonants = 0; consonants <= glyph::LeaveValues::kMaxBalance; ++consonants)
            if (!fits(values.balanceValue(vowels, consonants)))
                return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    // A folder of this process's own, so that fuzzing in parallel processes stays apart.
    static const glyph::test::TempDir folder;
    const std::string path = folder.write("input.txt", bytes);
    const int reader = data[0] % 8;
    const bool firstVariant = data[0] / 8 % 2 == 0;
    if (reader == 0) {
        glyph::MultiplierGrid grid{};
        glyph::geometry::applyPremiumList(bytes, grid, 3);
    } else if (reader == 1) {
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
    } else if (reader == 2) {
        glyph::Preferences preferences(path);
        int number = 0;
        preferences.getInteger("TableRowsKey", number);
        // What was read writes back, and what was written reads back the same.
        if (preferences.canSave()) {
            if (!preferences.save())
                std::abort();
            const std::string first = folder.read("input.txt");
            glyph::Preferences again(path);
            if (!again.save() || folder.read("input.txt") != first)
                std::abort();
        }
    } else if (reader == 3) {
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
        // The bytes as they are, or a valid saved game patched by them, so that the fuzzer
        // reaches the records past the header. A game that loads saves to bytes that load to the
        // same game.
        if (target.rules->loadBytes(firstVariant ? bytes : patched(seed, data, size), "fuzz.tc")) {
            static const std::string saved = folder.file("saved.tc");
            if (!target.rules->save(saved))
                std::abort();
            const std::string first = folder.read("saved.tc");
            if (!target.rules->load(saved) || !target.rules->save(saved) || folder.read("saved.tc") != first)
                std::abort();
        }
        target.view.warnings.clear();
        target.view.refreshes.clear();
    } else if (reader == 4) {
        static glyph::test::RulesFixture target;
        glyph::GcgImporter importer(*target.game);
        // The bytes alone, or after two players, so that the fuzzer soon reaches the moves.
        if (importer.importText(firstVariant ? bytes : "#player1 a A\n#player2 b B\n" + bytes)) {
            const std::string text = glyph::GcgWriter(*target.game).write(*target.game->rules(), "fuzz");
            if (!importer.importText(text) ||
                glyph::GcgWriter(*target.game).write(*target.game->rules(), "fuzz") != text)
                std::abort();
        } else if (importer.error().empty() || importer.error().find('\n') != std::string::npos) {
            std::abort();
        }
    } else if (reader == 5) {
        static const glyph::LetterSet set = [] {
            glyph::LetterSet vowels;
            for (int i = 0; i < glyph::kLetterCount; ++i)
                vowels.entryAt(i).vowel = static_cast<std::uint8_t>(i % 5 == 0);
            return vowels;
        }();
        // The bytes as they are, or a valid file patched by them, so that the fuzzer soon reaches
        // numbers out of bounds.
        if (!firstVariant)
            folder.write("input.txt",
                         patched("# leave values\ntile A 100.5\nduplicate E -3\npair Q U 4\nbalance 2 3 1\n",
                                 data, size));
        glyph::LeaveValues values = glyph::LeaveValues::handWritten(set);
        const std::string before = values.text();
        std::string error;
        if (!values.load(path, set, error)) {
            if (error.empty() || error.find('\n') != std::string::npos || values.text() != before)
                std::abort();
        } else {
            // What was read writes back, and what was written reads back the same.
            static const std::string saved = folder.file("saved.leaves");
            glyph::LeaveValues again = glyph::LeaveValues::handWritten(set);
            if (!values.save(saved, error) || !again.load(saved, set, error) ||
                again.text() != values.text() || !withinBounds(values))
                std::abort();
        }
    } else if (reader == 6) {
        glyph::NullView view;
        std::vector<std::string> words{"KEPT"};
        if (!glyph::StudyList::load(path, words, view)) {
            if (words != std::vector<std::string>{"KEPT"})
                std::abort();
        } else {
            for (const std::string& word : words)
                if (word.empty() || word.size() > glyph::StudyList::kMaxWordLength ||
                    word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos)
                    std::abort();
            static const std::string saved = folder.file("saved.txt");
            std::vector<std::string> again;
            if (!glyph::StudyList::save(saved, words, nullptr, view) ||
                !glyph::StudyList::load(saved, again, view) || again != words)
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
        host.runText(firstVariant ? bytes : "local f = load(\"" + escaped + "\") if f then pcall(f) end");
        fixture.view.scriptOutput.clear();
    }
    return 0;
}
