// Feeds arbitrary bytes to the dictionary module, the first byte picking the reader: the ".dic"
// loader (whatever loads is looked up and walked, each word found again and in order) or the
// pattern matcher (a user pattern, then a word a line; then the whole text as an internal pattern).
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/letterset.h"
#include "dictionary/patternmatcher.h"
#include "engine/gameview.h"
#include "support/dicbytes.h"
#include "support/tempdir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        // A folder of this process's own, so that fuzzing in parallel processes stays apart.
        static const glyph::test::TempDir folder;
        static const std::string path = folder.file("input.dic");
        std::ofstream(path, std::ios::binary) << input;
        glyph::NullView view;
        glyph::Dictionary dictionary(view);
        if (!dictionary.load(path, true) && (dictionary.nodes() != nullptr || !dictionary.fileName().empty()))
            __builtin_trap();
        // The input's first bytes as a word, letters or not.
        dictionary.contains(input.substr(0, 64).c_str());
        const std::vector<std::string> words = glyph::test::allWords(dictionary);
        for (std::size_t i = 0; i < words.size(); ++i)
            if (words[i].size() > 39 || !dictionary.contains(words[i].c_str()) ||
                (i > 0 && !(words[i - 1] < words[i])))
                __builtin_trap();
        return 0;
    }
    static glyph::LetterSet set;
    for (int i = 0; i < glyph::kLetterCount; ++i) {
        set.entryAt(i).value = static_cast<std::int16_t>(i % 11);
        set.entryAt(i).vowel = static_cast<std::uint8_t>(i % 4 == 0);
    }
    std::istringstream lines(input);
    std::string line;
    std::getline(lines, line);
    glyph::PatternMatcher matcher;
    matcher.setWordTest(
        [](const char* word) { return std::string("A AB ABC B BC C").find(word) != std::string::npos; });
    matcher.compile(glyph::PatternMatcher::translatePattern(line, set));
    while (std::getline(lines, line))
        matcher.match(line.substr(0, 64));
    matcher.compile(input);
    matcher.match(input.substr(0, 64));
    return 0;
}
