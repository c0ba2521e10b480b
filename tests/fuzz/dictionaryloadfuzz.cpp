// Feeds arbitrary bytes to the dictionary loader as a ".dic" file; whatever loads must be looked
// up and walked safely, each walked word found again and coming after the one before.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "dictionary/dictionary.h"
#include "engine/gameview.h"

namespace
{

struct Walk {
    const glyph::Dictionary* dictionary;
    std::string previous;
};

void checkWord(const char* word, void* context)
{
    auto* walk = static_cast<Walk*>(context);
    const std::string text(word);
    if (text.empty() || text.size() > 39 || !walk->dictionary->contains(word) || !(walk->previous < text))
        __builtin_trap();
    walk->previous = text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = std::filesystem::temp_directory_path() / "glyph-fuzz-dictionary.dic";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    glyph::NullView view;
    glyph::Dictionary dictionary(view);
    if (!dictionary.load(path, true) && (dictionary.nodes() != nullptr || !dictionary.fileName().empty()))
        __builtin_trap();
    // Look-ups of letter runs taken from the input itself.
    std::string word;
    for (std::size_t i = 0; i < size && i < 4096; ++i) {
        word.push_back(static_cast<char>('A' + data[i] % 27));
        if (data[i] == 0 || word.size() == 64) {
            dictionary.contains(word.c_str());
            word.clear();
        }
    }
    Walk walk{&dictionary, ""};
    dictionary.forEachWord(checkWord, &walk);
    return 0;
}
