// Feeds arbitrary bytes to the readers of the core's small file formats: bag and player
// images, premium lists, letter sets and the preferences file. The first byte picks the reader.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
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

namespace
{

const std::string& scratchFile()
{
    static const std::string path =
        (std::filesystem::temp_directory_path() / "glyph-fuzz-corefiles.txt").string();
    return path;
}

void writeScratch(const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(scratchFile(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void checkBag(const glyph::Bag& bag)
{
    int sum = 0;
    for (int k = 0; k < glyph::kLetterCount; ++k)
        sum += bag.count(k);
    if (sum != bag.total() || bag.total() < 0 || bag.next() + bag.total() > glyph::Bag::kMaxTiles)
        std::abort();
}

void fuzzBag(const std::uint8_t* data, std::size_t size)
{
    std::array<std::uint8_t, glyph::Bag::kImageSize> image{};
    std::copy_n(data, std::min(size, image.size()), image.begin());
    glyph::Bag bag;
    if (!bag.readImage(image.data()))
        return;
    checkBag(bag);
    bag.draw(7);
    checkBag(bag);
    bag.returnTile('E');
    checkBag(bag);
    bag.removeTile('[');
    checkBag(bag);
}

void fuzzPlayer(const std::uint8_t* data, std::size_t size)
{
    std::array<std::uint8_t, glyph::Player::kImageSize> image{};
    std::copy_n(data, std::min(size, image.size()), image.begin());
    glyph::Player player;
    if (!player.readImage(image.data()))
        return;
    std::array<std::uint8_t, glyph::Player::kImageSize> again{};
    player.writeImage(again.data());
    glyph::Player copy;
    if (!copy.readImage(again.data()))
        std::abort();
}

void fuzzPremiumList(const std::uint8_t* data, std::size_t size)
{
    glyph::MultiplierGrid grid{};
    glyph::geometry::applyPremiumList(std::string(reinterpret_cast<const char*>(data), size), grid, 3);
}

void fuzzLetterSet(const std::uint8_t* data, std::size_t size)
{
    writeScratch(data, size);
    glyph::NullView view;
    glyph::LetterSet set;
    set.load(scratchFile(), view);
    glyph::Bag bag;
    bag.fillFromLetterSet(set);
    checkBag(bag);
}

void fuzzPreferences(const std::uint8_t* data, std::size_t size)
{
    writeScratch(data, size);
    glyph::Preferences prefs(scratchFile());
    int number = 0;
    prefs.getInteger("TableRowsKey", number);
    std::string text;
    prefs.getString("ColorMarginKey", text);
    // Writing the values back must not fail on anything that was read.
    prefs.save();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t selector = data[0];
    ++data;
    --size;
    switch (selector % 5) {
    case 0:
        fuzzBag(data, size);
        break;
    case 1:
        fuzzPlayer(data, size);
        break;
    case 2:
        fuzzPremiumList(data, size);
        break;
    case 3:
        fuzzLetterSet(data, size);
        break;
    default:
        fuzzPreferences(data, size);
        break;
    }
    return 0;
}
