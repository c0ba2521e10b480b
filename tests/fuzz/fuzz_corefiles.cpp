// Feeds arbitrary bytes to the readers of the core's small text files, the first byte picking the
// reader: premium lists, letter sets (then filling a bag) and the preferences file. Bag and player
// images are reached through the saved games of savedgameloadfuzz.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/letterset.h"
#include "engine/bag.h"
#include "engine/boardgeometry.h"
#include "engine/gameview.h"
#include "preferences/preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    static const std::string path = std::filesystem::temp_directory_path() / "glyph-fuzz-corefiles.txt";
    std::ofstream(path, std::ios::binary) << bytes;
    if (data[0] % 3 == 0) {
        glyph::MultiplierGrid grid{};
        glyph::geometry::applyPremiumList(bytes, grid, 3);
    } else if (data[0] % 3 == 1) {
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
    } else {
        glyph::Preferences preferences(path);
        int number = 0;
        preferences.getInteger("TableRowsKey", number);
        preferences.save(); // writing back what was read must not fail
    }
    return 0;
}
