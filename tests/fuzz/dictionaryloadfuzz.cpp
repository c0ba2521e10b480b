// Feeds arbitrary bytes to the dictionary loader as a ".dic" file; whatever loads must be looked
// up and walked safely, each walked word found again and coming after the one before.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "dictionary/dictionary.h"
#include "engine/gameview.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = std::filesystem::temp_directory_path() / "glyph-fuzz-dictionary.dic";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    glyph::NullView view;
    glyph::Dictionary dictionary(view);
    if (!dictionary.load(path, true) && (dictionary.nodes() != nullptr || !dictionary.fileName().empty()))
        __builtin_trap();
    // The input's first bytes as a word, letters or not.
    dictionary.contains(
        std::string(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 64)).c_str());
    std::pair<const glyph::Dictionary*, std::string> walk{&dictionary, ""};
    dictionary.forEachWord(
        [](const char* word, void* context) {
            auto& [walked, previous] =
                *static_cast<std::pair<const glyph::Dictionary*, std::string>*>(context);
            if (std::string(word).size() > 39 || !walked->contains(word) || !(previous < word))
                __builtin_trap();
            previous = word;
        },
        &walk);
    return 0;
}
