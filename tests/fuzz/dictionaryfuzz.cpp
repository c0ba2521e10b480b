// Feeds arbitrary bytes to the dictionary module, the first byte picking the reader: the ".dic"
// loader (whatever loads is looked up and walked, each word found again and in order), the word
// list builder (the dictionary built holds exactly the list's words; the list keeps its lines) or
// the pattern matcher (a user pattern, then a word a line; then the whole text as an internal
// pattern).
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/letterset.h"
#include "dictionary/dawgbuilder.h"
#include "dictionary/patternmatcher.h"
#include "engine/gameview.h"
#include "support/dicbytes.h"
#include "support/tempdir.h"

namespace
{

/// The text after the UTF-8 byte-order mark that may begin a list (no part of its first line).
std::string withoutMark(const std::string& text)
{
    const std::string mark = "\xEF\xBB\xBF";
    return text.compare(0, mark.size(), mark) == 0 ? text.substr(mark.size()) : text;
}

/// The text's lines, split at line feeds, sorted.
std::vector<std::string> sortedLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(withoutMark(text));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

/// The words a list holds, found by a plain scan: lines that are 1 to 29 letters a-z or A-Z
/// once blanks around them are taken off, upper-cased, each once.
std::set<std::string> listedWords(const std::string& text)
{
    std::set<std::string> words;
    std::istringstream in(withoutMark(text));
    for (std::string line; std::getline(in, line);) {
        const std::size_t first = line.find_first_not_of(" \t\r\b");
        if (first == std::string::npos)
            continue;
        std::string word = line.substr(first, line.find_last_not_of(" \t\r\b") + 1 - first);
        bool letters = word.size() < 30;
        for (char& c : word) {
            letters = letters && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        if (letters)
            words.insert(word);
    }
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    // A folder of this process's own, so that fuzzing in parallel processes stays apart.
    static const glyph::test::TempDir folder;
    if (data[0] % 3 == 1) {
        const std::string list = folder.write("list.txt", input);
        glyph::DawgBuilder builder;
        builder.setSourcePath(list);
        builder.setDestinationPath(folder.file("list.dic"));
        const std::set<std::string> expected = listedWords(input);
        const bool built = builder.buildFromWordList();
        if (sortedLines(folder.read("list.txt")) != sortedLines(input))
            __builtin_trap();
        if (!built) {
            if (!expected.empty())
                __builtin_trap();
            return 0;
        }
        glyph::NullView view;
        glyph::Dictionary dictionary(view);
        const std::vector<std::string> words = dictionary.load(folder.file("list.dic"), true)
                                                   ? glyph::test::allWords(dictionary)
                                                   : std::vector<std::string>{};
        if (std::vector<std::string>(expected.begin(), expected.end()) != words)
            __builtin_trap();
        return 0;
    }
    if (data[0] % 3 == 0) {
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
