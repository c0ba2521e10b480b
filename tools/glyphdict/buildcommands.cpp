// glyphdict build, add and delete: the commands that write dictionaries.
#include <cstdio>
#include <string>

#include "base/regularfile.h"
#include "command.h"
#include "dictionary/dawgbuilder.h"
#include "toolsupport.h"

namespace glyph::tool
{

namespace
{

constexpr char kDefaultAuthor[] = "Glyphmosaic";

void printProgress(const std::string& status)
{
    std::fprintf(stderr, "%s\n", status.c_str());
}

// The file or limit that stopped a run, named for the user.
std::string failureText(const DawgBuilder& builder)
{
    using Failure = DawgBuilder::Failure;
    switch (builder.failure()) {
    case Failure::UnreadableSource:
        return "could not read " + builder.sourcePath();
    case Failure::FullPool:
        return "the words need more nodes than the builder holds; " + builder.destinationPath() +
               " was not written";
    case Failure::Stopped:
        return "stopped; " + builder.destinationPath() + " was not written";
    case Failure::DestinationIsSource:
        return builder.destinationPath() + " is the word list itself; the dictionary needs another file";
    case Failure::UnwritableDestination:
    case Failure::None:
        break;
    }
    return "could not write " + builder.destinationPath();
}

int report(bool built, const DawgBuilder& builder)
{
    if (!built)
        return fail(failureText(builder));
    if (builder.listLeftUnsorted())
        std::fprintf(stderr,
                     "glyphdict: warning: could not reorder %s in place; it stays as it was, and the "
                     "dictionary was built from its words sorted in memory\n",
                     builder.sourcePath().c_str());
    std::fprintf(stderr, "Wrote %s: %u words, %u nodes\n", builder.destinationPath().c_str(),
                 builder.wordsInserted(), builder.nodesNow());
    if (builder.linesLeftOut() > 0)
        std::fprintf(stderr, "Left out %u lines that are not words of 1 to 29 letters A-Z\n",
                     builder.linesLeftOut());
    return kExitSuccess;
}

int runBuild(const Arguments& arguments)
{
    std::string author = kDefaultAuthor;
    Arguments paths;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--author" && i + 1 < arguments.size())
            author = arguments[++i];
        else
            paths.push_back(arguments[i]);
    }
    if (paths.size() != 2)
        return usage("build");
    // A folder, FIFO or device is named as such before any work starts.
    const RegularFile::Status source = RegularFile(paths[0]).status();
    if (source != RegularFile::Status::Read)
        return fail(RegularFile::describe(source, paths[0]));
    DawgBuilder builder;
    builder.setSourcePath(paths[0]);
    builder.setDestinationPath(paths[1]);
    builder.setAuthor(author);
    builder.setStatusListener(printProgress);
    if (builder.writesOverSource())
        return fail(paths[1] + " is the word list itself; the dictionary needs another file");
    return report(builder.buildFromWordList(), builder);
}

// Upper-cases the words typed on the command line; false (after a message naming it) if one
// is not 1 to 29 letters A-Z in either case: "cat's" is refused, not taken for CAT.
bool collectWords(const Arguments& arguments, std::vector<std::string>& words)
{
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string word = dictionaryWord(arguments[i]);
        if (word.empty() || word.size() != arguments[i].size() ||
            word.size() >= DawgBuilder::kMaxWordLength) {
            fail("not a word of 1 to 29 letters A-Z: " + arguments[i]);
            return false;
        }
        words.push_back(word);
    }
    return true;
}

// Rewrites the dictionary in place with the words added or deleted.
int runEdit(const Arguments& arguments, const char* name, bool add)
{
    if (arguments.size() < 2)
        return usage(name);
    std::vector<std::string> words;
    if (!collectWords(arguments, words))
        return kExitUsage;
    LoadedDictionary loaded(arguments[0]);
    if (!loaded.ok())
        return kExitFailure;
    DawgBuilder builder;
    builder.setDestinationPath(arguments[0]);
    builder.setAuthor(loaded.dictionary().author());
    builder.setStatusListener(printProgress);
    const bool built =
        add ? builder.addWords(loaded.dictionary(), words) : builder.deleteWords(loaded.dictionary(), words);
    return report(built, builder);
}

int runAdd(const Arguments& arguments)
{
    return runEdit(arguments, "add", true);
}
int runDelete(const Arguments& arguments)
{
    return runEdit(arguments, "delete", false);
}

const Registration buildCommand(
    {"build", "WORDLIST OUT.dic [--author TEXT]",
     "Builds a dictionary from a word list (an unsorted list is reordered in place, every line kept, "
     "when it may be written)",
     runBuild});
const Registration addCommand({"add", "DIC WORD...", "Rewrites the dictionary with the words added", runAdd});
const Registration deleteCommand({"delete", "DIC WORD...", "Rewrites the dictionary without the words",
                                  runDelete});

} // namespace

} // namespace glyph::tool
