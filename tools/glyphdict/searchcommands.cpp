// glyphdict search, anagram, advanced, fromrack, plusone, palindromes and speed: the word
// searches of the dictionary dialog from the command line. Each prints one line per found word
// (word, score, vowels, consonants, length, tab-separated; plusone puts the added letter after
// the word, and --order probability adds the word's probability rank within its length), then
// a last line with the total and the time.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "base/letterset.h"
#include "base/regularfile.h"
#include "base/stopwatch.h"
#include "command.h"
#include "dictionary/palindromelist.h"
#include "dictionary/probabilityranking.h"
#include "dictionary/racksearch.h"
#include "dictionary/searchstate.h"
#include "dictionary/speedtest.h"
#include "toolsupport.h"

namespace glyph::tool
{

namespace
{

constexpr char kDefaultLimit[] = "100";
constexpr char kDefaultSet[] = "Sets/English.set";
constexpr char kSetsFolder[] = "Sets";
constexpr char kSetExtension[] = ".set";
constexpr char kDefaultSeconds[] = "1";
constexpr std::int64_t kMsPerSecond = 1000;

/// The positional arguments, the "--option VALUE" pairs and the "--flag"s of one command.
struct ParsedArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    std::string value(const std::string& option, const std::string& fallback = "") const
    {
        const auto found = values.find(option);
        return found == values.end() ? fallback : found->second;
    }
};

/// The options whose value is a count: a whole number 0 to 4,294,967,295, digits only.
const std::set<std::string> kNumberOptions = {"--limit",      "--seconds",   "--min-length",
                                              "--max-length", "--min-value", "--max-value"};

bool isCount(const std::string& text)
{
    constexpr std::size_t kMaxDigits = 10;
    return !text.empty() && text.size() <= kMaxDigits &&
           text.find_first_not_of("0123456789") == std::string::npos &&
           std::stoull(text) <= std::numeric_limits<std::uint32_t>::max();
}

/// Splits the arguments; prints what is wrong and returns nothing on an unknown option, a
/// missing value, a count that is not a whole number, or a wrong number of positional arguments.
std::optional<ParsedArguments> parse(const Arguments& arguments, std::size_t positionalCount,
                                     const std::set<std::string>& valueOptions,
                                     const std::set<std::string>& flags = {})
{
    ParsedArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            parsed.positional.push_back(argument);
        } else if (flags.count(argument) != 0) {
            parsed.flags.insert(argument);
        } else if (valueOptions.count(argument) != 0 && i + 1 < arguments.size()) {
            parsed.values[argument] = arguments[++i];
            if (kNumberOptions.count(argument) != 0 && !isCount(arguments[i])) {
                fail(argument + " takes a whole number, not " + arguments[i]);
                return std::nullopt;
            }
        } else {
            fail((valueOptions.count(argument) != 0 ? "missing value for " : "unknown option ") + argument);
            return std::nullopt;
        }
    }
    if (parsed.positional.size() != positionalCount)
        return std::nullopt;
    return parsed;
}

bool isRegularFile(const std::string& path)
{
    return RegularFile(path).status() == RegularFile::Status::Read;
}

/// The letter set named by --set; else the set named as the dictionary ("Sets/Romana.set" for
/// "Dictionaries/Romana.dic") in the data folder that holds the dictionary (the "Sets" folder
/// beside its folder); else "Sets/English.set" in the working folder; else the English set
/// beside the dictionary's folder; else the game's (the user's own, else the shipped one).
bool loadLetterSet(const ParsedArguments& arguments, LetterSet& letterSet, WarningSink& warnings)
{
    std::string path = arguments.value("--set");
    if (path.empty()) {
        const std::filesystem::path dictionary(arguments.positional[0]);
        const std::filesystem::path sets = dictionary.parent_path().parent_path() / kSetsFolder;
        const auto matching = sets / (dictionary.stem().string() + kSetExtension);
        path = kDefaultSet;
        const auto beside = dictionary.parent_path().parent_path() / kDefaultSet;
        const std::string game = dataFolders().find(kDefaultSet);
        if (isRegularFile(matching.string()))
            path = matching.string();
        else if (!isRegularFile(path) && isRegularFile(beside.string()))
            path = beside.string();
        else if (!isRegularFile(path) && isRegularFile(game))
            path = game;
    }
    return letterSet.load(path, warnings);
}

void printRow(const SearchResult::Row& row)
{
    std::printf("%s\t%d\t%d\t%d\t%d\n", row.word.c_str(), row.score, row.vowels, row.consonants, row.length);
}

void printTotal(std::uint32_t count, std::int64_t elapsedMs)
{
    SearchResult timing;
    timing.elapsedMs = elapsedMs;
    std::printf("Total: %u\t%s\n", count, timing.elapsedText().c_str());
}

/// The order named by --order: "natural" (the default) or "probability"; nothing (after a
/// message) for any other name.
std::optional<SearchOrder> readOrder(const ParsedArguments& arguments)
{
    const std::string name = arguments.value("--order", "natural");
    if (name == "natural")
        return SearchOrder::Natural;
    if (name == "probability")
        return SearchOrder::Probability;
    fail("unknown order " + name + " (natural or probability)");
    return std::nullopt;
}

/// The rows, each with its probability rank within its length in probability order (the
/// ranking walks the whole dictionary once, outside the search's time).
void printResult(const SearchResult& result, SearchOrder order, const Dictionary& dictionary,
                 const LetterSet& letterSet)
{
    const WordProbability probability(letterSet);
    ProbabilityRanking ranking;
    if (order == SearchOrder::Probability)
        ranking.build(dictionary, probability);
    for (const SearchResult::Row& row : result.rows) {
        if (row.added != 0)
            std::printf("%s\t%c\t%d\t%d\t%d\t%d", row.word.c_str(), row.added, row.score, row.vowels,
                        row.consonants, row.length);
        else
            std::printf("%s\t%d\t%d\t%d\t%d", row.word.c_str(), row.score, row.vowels, row.consonants,
                        row.length);
        if (order == SearchOrder::Probability)
            std::printf("\t%u", ranking.rank(row.word, probability));
        std::printf("\n");
    }
    printTotal(result.matchCount, result.elapsedMs);
}

/// Loads the dictionary (first positional argument) and the letter set, then runs the search.
template <typename Search> int withDictionary(const ParsedArguments& arguments, Search search)
{
    LoadedDictionary loaded(arguments.positional[0]);
    if (!loaded.ok())
        return kExitFailure;
    StderrWarnings warnings;
    LetterSet letterSet;
    if (!loadLetterSet(arguments, letterSet, warnings))
        return kExitFailure;
    return search(loaded.dictionary(), letterSet);
}

int runSimpleOrAnagram(const Arguments& arguments, const char* name, bool anagram)
{
    const auto parsed = parse(arguments, 2, {"--limit", "--set", "--order"});
    if (!parsed)
        return usage(name);
    const auto order = readOrder(*parsed);
    const auto text = plainText(parsed->positional[1]);
    if (!order || !text)
        return kExitUsage;
    return withDictionary(*parsed, [&](const Dictionary& dictionary, const LetterSet& letterSet) {
        SearchState search(dictionary, letterSet);
        search.setOrder(*order);
        const auto result =
            search.runSimpleOrAnagram(*text, parsed->value("--limit", kDefaultLimit), anagram);
        printResult(result.value_or(SearchResult{}), *order, dictionary, letterSet);
        return kExitSuccess;
    });
}

int runSearch(const Arguments& arguments)
{
    return runSimpleOrAnagram(arguments, "search", false);
}

int runAnagram(const Arguments& arguments)
{
    return runSimpleOrAnagram(arguments, "anagram", true);
}

int runAdvanced(const Arguments& arguments)
{
    const auto parsed = parse(arguments, 2,
                              {"--min-length", "--max-length", "--min-value", "--max-value", "--forced",
                               "--optional", "--banned", "--limit", "--set", "--order"},
                              {"--palindrome"});
    if (!parsed)
        return usage("advanced");
    const auto order = readOrder(*parsed);
    const auto pattern = plainText(parsed->positional[1]);
    const auto forced = pattern ? plainText(parsed->value("--forced")) : std::nullopt;
    const auto optional = forced ? plainText(parsed->value("--optional")) : std::nullopt;
    const auto banned = optional ? plainText(parsed->value("--banned")) : std::nullopt;
    if (!order || !banned)
        return kExitUsage;
    AdvancedFilters filters;
    filters.minLength = parsed->value("--min-length");
    filters.maxLength = parsed->value("--max-length");
    filters.minValue = parsed->value("--min-value");
    filters.maxValue = parsed->value("--max-value");
    filters.forced = *forced;
    filters.optional = *optional;
    filters.banned = *banned;
    filters.palindrome = parsed->flags.count("--palindrome") != 0;
    return withDictionary(*parsed, [&](const Dictionary& dictionary, const LetterSet& letterSet) {
        SearchState search(dictionary, letterSet);
        search.setOrder(*order);
        printResult(search.runAdvanced(*pattern, parsed->value("--limit", kDefaultLimit), filters), *order,
                    dictionary, letterSet);
        return kExitSuccess;
    });
}

int runRackSearch(const Arguments& arguments, const char* name, bool plusOne)
{
    const auto parsed = parse(arguments, 2, {"--limit", "--set", "--order"});
    if (!parsed)
        return usage(name);
    const auto order = readOrder(*parsed);
    const auto typed = plainText(parsed->positional[1]);
    if (!order || !typed)
        return kExitUsage;
    const std::string& rack = *typed;
    if (!RackSearch::isRack(rack)) {
        fail("a rack is 1 to " + std::to_string(RackSearch::kMaxTiles) + " letters and at most " +
             std::to_string(RackSearch::kMaxJokers) + " '?' jokers: " + rack);
        return kExitUsage;
    }
    return withDictionary(*parsed, [&](const Dictionary& dictionary, const LetterSet& letterSet) {
        RackSearch search(dictionary, letterSet);
        const std::string limit = parsed->value("--limit", kDefaultLimit);
        const auto result =
            plusOne ? search.plusOne(rack, limit, *order) : search.fromRack(rack, limit, *order);
        printResult(*result, *order, dictionary, letterSet);
        return kExitSuccess;
    });
}

int runFromRack(const Arguments& arguments)
{
    return runRackSearch(arguments, "fromrack", false);
}

int runPlusOne(const Arguments& arguments)
{
    return runRackSearch(arguments, "plusone", true);
}

int runPalindromes(const Arguments& arguments)
{
    const auto parsed = parse(arguments, 1, {"--set"});
    if (!parsed)
        return usage("palindromes");
    return withDictionary(*parsed, [](const Dictionary& dictionary, const LetterSet& letterSet) {
        const auto started = std::chrono::steady_clock::now();
        PalindromeList list;
        list.collect(dictionary);
        const std::int64_t elapsedMs = millisecondsSince(started);
        for (const std::string& word : list.words())
            printRow(SearchResult::Row::describe(word, letterSet));
        printTotal(static_cast<std::uint32_t>(list.words().size()), elapsedMs);
        return kExitSuccess;
    });
}

int runSpeed(const Arguments& arguments)
{
    const auto parsed = parse(arguments, 1, {"--seconds"});
    if (!parsed)
        return usage("speed");
    LoadedDictionary loaded(parsed->positional[0]);
    if (!loaded.ok())
        return kExitFailure;
    const std::int64_t seconds = SearchState::readNumber(parsed->value("--seconds", kDefaultSeconds));
    SpeedTest test(loaded.dictionary());
    const auto started = std::chrono::steady_clock::now();
    do {
        std::printf("%s\n", test.tick().c_str());
    } while (millisecondsSince(started) < seconds * kMsPerSecond);
    printTotal(static_cast<std::uint32_t>(test.runs()), millisecondsSince(started));
    return kExitSuccess;
}

const Registration searchCommand({"search", "DIC PATTERN [--limit N] [--set FILE] [--order probability]",
                                  "Lists the words matching a pattern (* ? & / \\ $ > 0-9)", runSearch});
const Registration anagramCommand({"anagram", "DIC LETTERS [--limit N] [--set FILE] [--order probability]",
                                   "Lists the words made of exactly these letters", runAnagram});
const Registration fromRackCommand(
    {"fromrack", "DIC LETTERS [--limit N] [--set FILE] [--order probability]",
     "Lists the words the tiles make ('?' a joker, at most two), longest and best-scoring first",
     runFromRack});
const Registration plusOneCommand(
    {"plusone", "DIC LETTERS [--limit N] [--set FILE] [--order probability]",
     "Lists the words of all the tiles and one more letter, shown after the word", runPlusOne});
const Registration advancedCommand(
    {"advanced",
     "DIC PATTERN [--min-length N --max-length N --min-value N --max-value N --forced LETTERS "
     "--optional LETTERS --banned LETTERS --palindrome --limit N --set FILE --order probability]",
     "Lists the words matching a pattern and the filters (empty maxima find nothing)", runAdvanced});
const Registration palindromesCommand({"palindromes", "DIC [--set FILE]",
                                       "Lists the palindromes, longest first", runPalindromes});
const Registration speedCommand({"speed", "DIC [--seconds N]",
                                 "Measures how many words per second a walk of the dictionary delivers",
                                 runSpeed});

} // namespace

} // namespace glyph::tool
