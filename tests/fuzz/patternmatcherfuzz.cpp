// Feeds arbitrary user patterns and words to the pattern matcher: the text before the first
// newline is the pattern, each following line a word to match.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/letterset.h"
#include "dictionary/patternmatcher.h"

namespace
{

constexpr int kMaxWordLength = 64;

glyph::LetterSet fuzzLetterSet()
{
    glyph::LetterSet set;
    for (int i = 0; i < glyph::kLetterCount; ++i) {
        set.entryAt(i).value = static_cast<std::int16_t>(i % 11);
        set.entryAt(i).vowel = static_cast<std::uint8_t>(i % 4 == 0);
    }
    return set;
}

bool isShortWord(const char* word)
{
    const std::string text(word);
    return text.size() <= 3 && text.find_first_not_of("ABC") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const glyph::LetterSet set = fuzzLetterSet();
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t lineEnd = input.find('\n');
    glyph::PatternMatcher matcher;
    matcher.setWordTest(isShortWord);
    matcher.compile(glyph::PatternMatcher::translatePattern(input.substr(0, lineEnd), set));
    while (lineEnd != std::string::npos) {
        const std::size_t start = lineEnd + 1;
        lineEnd = input.find('\n', start);
        const std::string word =
            input.substr(start, lineEnd == std::string::npos ? std::string::npos : lineEnd - start);
        if (word.size() <= kMaxWordLength && !matcher.isEmpty())
            matcher.match(word);
    }
    // The raw text compiled as an internal pattern too, braces included.
    matcher.compile(input);
    if (!matcher.isEmpty())
        matcher.match(input.substr(0, kMaxWordLength));
    return 0;
}
