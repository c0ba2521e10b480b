// Feeds arbitrary bytes to the dictionary loader as a ".dic" file; whatever loads must be looked
// up and walked safely, each walked word found again and coming after the one before.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/gameview.h"
#include "support/dicbytes.h"

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
    const std::vector<std::string> words = glyph::test::allWords(dictionary);
    for (std::size_t i = 0; i < words.size(); ++i)
        if (words[i].size() > 39 || !dictionary.contains(words[i].c_str()) ||
            (i > 0 && !(words[i - 1] < words[i])))
            __builtin_trap();
    return 0;
}
