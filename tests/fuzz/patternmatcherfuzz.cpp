// Feeds arbitrary user patterns and words to the pattern matcher: the text before the first
// newline is the pattern, each following line a word to match; then the whole raw text is
// compiled as an internal pattern, braces included.
#include <cstdint>
#include <sstream>
#include <string>

#include "base/letterset.h"
#include "dictionary/patternmatcher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static glyph::LetterSet set;
    for (int i = 0; i < glyph::kLetterCount; ++i) {
        set.entryAt(i).value = static_cast<std::int16_t>(i % 11);
        set.entryAt(i).vowel = static_cast<std::uint8_t>(i % 4 == 0);
    }
    const std::string input(reinterpret_cast<const char*>(data), size);
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
