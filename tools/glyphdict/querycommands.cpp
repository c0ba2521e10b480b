// glyphdict lookup, list, info and hooks: the commands that read a dictionary.
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/letters.h"
#include "command.h"
#include "dictionary/hookfinder.h"
#include "toolsupport.h"

namespace glyph::tool
{

namespace
{

int runLookup(const Arguments& arguments)
{
    if (arguments.size() < 2)
        return usage("lookup");
    LoadedDictionary loaded(arguments[0]);
    if (!loaded.ok())
        return kExitFailure;
    bool allFound = true;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        // Letters with marks are looked up plain, as the window does; a word with anything but
        // letters left is not in any dictionary.
        const std::string plain = letters::withoutDiacritics(arguments[i]);
        const std::string word = dictionaryWord(plain);
        const bool found = word.size() == plain.size() && loaded.dictionary().contains(word.c_str());
        std::printf("%s %s\n", arguments[i].c_str(), found ? "yes" : "no");
        allFound = allFound && found;
    }
    return allFound ? kExitSuccess : kExitFailure;
}

void printWord(const char* word, void* context)
{
    auto* out = static_cast<std::string*>(context);
    out->append(word);
    out->push_back('\n');
}

int runList(const Arguments& arguments)
{
    if (arguments.size() != 1)
        return usage("list");
    LoadedDictionary loaded(arguments[0]);
    if (!loaded.ok())
        return kExitFailure;
    std::string out;
    loaded.dictionary().forEachWord(printWord, &out);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitSuccess;
}

int runInfo(const Arguments& arguments)
{
    if (arguments.size() != 1)
        return usage("info");
    LoadedDictionary loaded(arguments[0]);
    if (!loaded.ok())
        return kExitFailure;
    const Dictionary& dictionary = loaded.dictionary();
    std::error_code error;
    const auto size = std::filesystem::file_size(arguments[0], error);
    std::printf("File: %s\nAuthor: %s\nWords: %u\nNodes: %u\nSize: %llu bytes\n",
                dictionary.fileName().c_str(), dictionary.author().c_str(), dictionary.wordCount(),
                dictionary.nodeCount(), error ? 0ull : static_cast<unsigned long long>(size));
    return kExitSuccess;
}

int runHooks(const Arguments& arguments)
{
    if (arguments.size() < 2)
        return usage("hooks");
    LoadedDictionary loaded(arguments[0]);
    if (!loaded.ok())
        return kExitFailure;
    const HookFinder finder(loaded.dictionary());
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string plain = letters::withoutDiacritics(arguments[i]);
        const std::string word = dictionaryWord(plain);
        if (word.empty() || word.size() != plain.size())
            return fail("not a word of letters A-Z: " + arguments[i]);
        const HookFinder::Hooks hooks = finder.find(word);
        std::printf("%s\t%s\t%s\n", hooks.front.c_str(), hooks.markedWord(word).c_str(), hooks.back.c_str());
    }
    return kExitSuccess;
}

const Registration lookupCommand({"lookup", "DIC WORD...",
                                  "Says yes or no for each word; fails if one is missing", runLookup});
const Registration listCommand({"list", "DIC", "Prints every word, one per line, in alphabetical order",
                                runList});
const Registration infoCommand({"info", "DIC", "Prints the file name, author, word and node counts and size",
                                runInfo});
const Registration
    hooksCommand({"hooks", "DIC WORD...",
                  "Prints the front hooks, the word with a '.' where it loses a letter to a word "
                  "(front, back) and the back hooks, tab-separated",
                  runHooks});

} // namespace

} // namespace glyph::tool
