// Feeds arbitrary bytes to the dictionary loader as a ".dic" file, then checks that whatever
// loads can be looked up and walked safely and consistently.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "dictionary/dictionary.h"
#include "engine/gameview.h"

namespace
{

const std::string& scratchPath()
{
    static const std::string path =
        (std::filesystem::temp_directory_path() /
         ("glyph-dictionaryloadfuzz-" + std::to_string(std::random_device{}()) + ".dic"))
            .string();
    return path;
}

struct WalkCheck {
    const glyph::Dictionary* dictionary;
    std::string previous;
    std::size_t words = 0;
};

void checkWord(const char* word, void* context)
{
    auto* check = static_cast<WalkCheck*>(context);
    const std::size_t length = std::strlen(word);
    // Every walked word is found, fits the walk's buffer and comes after the previous one.
    if (length == 0 || length > 39 || !check->dictionary->contains(word))
        __builtin_trap();
    if (check->words > 0 && !(check->previous < std::string(word, length)))
        __builtin_trap();
    check->previous.assign(word, length);
    ++check->words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream out(scratchPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    glyph::NullView view;
    glyph::Dictionary dictionary(view);
    const bool loaded = dictionary.load(scratchPath(), true);
    if (!loaded && (dictionary.nodes() != nullptr || !dictionary.fileName().empty()))
        __builtin_trap();

    // Look-ups of words taken from the input itself, including non-letters and long ones.
    std::string word;
    for (std::size_t i = 0; i < size && i < 4096; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\0' || word.size() == 64) {
            dictionary.contains(word.c_str());
            word.clear();
        } else {
            word.push_back(static_cast<char>('A' + static_cast<unsigned char>(c) % 27));
        }
    }
    dictionary.contains(word.c_str());

    WalkCheck check{&dictionary, {}, 0};
    dictionary.forEachWord(checkWord, &check);
    dictionary.forEachWord(nullptr, nullptr);
    return 0;
}
