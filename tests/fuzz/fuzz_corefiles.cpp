// Feeds arbitrary bytes to the readers of the core's small file formats, the first byte picking
// the reader: bag and player images, premium lists, letter sets and the preferences file.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/letterset.h"
#include "engine/bag.h"
#include "engine/boardgeometry.h"
#include "engine/gameview.h"
#include "engine/player.h"
#include "preferences/preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    static const std::string path = std::filesystem::temp_directory_path() / "glyph-fuzz-corefiles.txt";
    std::ofstream(path, std::ios::binary) << bytes;
    std::array<std::uint8_t, std::max(glyph::Bag::kImageSize, glyph::Player::kImageSize)> image{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
    glyph::Bag bag;
    glyph::Player player;
    glyph::MultiplierGrid grid{};
    glyph::LetterSet set;
    glyph::NullView view;
    const int reader = data[0] % 5;
    if (reader == 0 && bag.readImage(image.data())) {
        bag.draw(7);
        bag.returnTile('E');
        bag.removeTile('[');
    } else if (reader == 1 && player.readImage(image.data())) {
        // An image written back must be read again.
        player.writeImage(image.data());
        if (!glyph::Player().readImage(image.data()))
            std::abort();
    } else if (reader == 2) {
        glyph::geometry::applyPremiumList(bytes, grid, 3);
    } else if (reader == 3) {
        set.load(path, view);
        bag.fillFromLetterSet(set);
    } else if (reader == 4) {
        glyph::Preferences preferences(path);
        int number = 0;
        preferences.getInteger("TableRowsKey", number);
        preferences.save(); // writing back what was read must not fail
    }
    // Whatever was read, the bag's counts add up to its total.
    int sum = 0;
    for (int k = 0; k < glyph::kLetterCount; ++k)
        sum += bag.count(k);
    if (sum != bag.total() || bag.total() < 0 || bag.next() + bag.total() > glyph::Bag::kMaxTiles)
        std::abort();
    return 0;
}
