// Word searches over the shipped English dictionary: one full search per iteration, as the
// dictionary dialog runs them.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "base/letterset.h"
#include "dictionary/dictionary.h"
#include "dictionary/palindromelist.h"
#include "dictionary/searchstate.h"
#include "engine/gameview.h"

namespace
{

using namespace glyph;

const std::string kDataDir = GLYPH_DIST_DIR;

/// The English dictionary and letter set, loaded once for every benchmark.
struct EnglishData {
    NullView view;
    Dictionary dictionary{view};
    LetterSet letterSet;
    bool loaded = false;

    EnglishData()
    {
        loaded = dictionary.load(kDataDir + "/Dictionaries/English.dic") &&
                 letterSet.load(kDataDir + "/Sets/English.set", view);
    }
};

EnglishData& english()
{
    static EnglishData data;
    return data;
}

bool ready(benchmark::State& state)
{
    if (english().loaded)
        return true;
    state.SkipWithError("build/dist/Dictionaries/English.dic or Sets/English.set is missing");
    return false;
}

void countMatches(benchmark::State& state, std::uint32_t matches)
{
    state.counters["matches"] = matches;
    state.counters["words"] = english().dictionary.wordCount();
}

void simpleSearch(benchmark::State& state, const std::string& pattern)
{
    if (!ready(state))
        return;
    SearchState search(english().dictionary, english().letterSet);
    std::uint32_t matches = 0;
    for (auto _ : state)
        matches = search.runSimpleOrAnagram(pattern, "100", false)->matchCount;
    countMatches(state, matches);
}

void BM_Walk(benchmark::State& state)
{
    if (!ready(state))
        return;
    for (auto _ : state)
        english().dictionary.forEachWord(nullptr, nullptr);
    countMatches(state, english().dictionary.wordCount());
}
BENCHMARK(BM_Walk)->Unit(benchmark::kMillisecond);

void BM_SimplePattern(benchmark::State& state)
{
    simpleSearch(state, "C?T*");
}
BENCHMARK(BM_SimplePattern)->Unit(benchmark::kMillisecond);

void BM_SuffixPattern(benchmark::State& state)
{
    simpleSearch(state, "*ING");
}
BENCHMARK(BM_SuffixPattern)->Unit(benchmark::kMillisecond);

void BM_Anagram7(benchmark::State& state)
{
    if (!ready(state))
        return;
    SearchState search(english().dictionary, english().letterSet);
    std::uint32_t matches = 0;
    for (auto _ : state)
        matches = search.runSimpleOrAnagram("RETAINS", "100", true)->matchCount;
    countMatches(state, matches);
}
BENCHMARK(BM_Anagram7)->Unit(benchmark::kMillisecond);

void BM_AdvancedEveryFilter(benchmark::State& state)
{
    if (!ready(state))
        return;
    SearchState search(english().dictionary, english().letterSet);
    AdvancedFilters filters{"3", "9", "4", "20", "E", "/RSTLNDCP", "Q", true};
    std::uint32_t matches = 0;
    for (auto _ : state)
        matches = search.runAdvanced("*E*", "100", filters).matchCount;
    countMatches(state, matches);
}
BENCHMARK(BM_AdvancedEveryFilter)->Unit(benchmark::kMillisecond);

void BM_NastyWordPattern(benchmark::State& state)
{
    simpleSearch(state, "*&*&*&*&*&*");
}
BENCHMARK(BM_NastyWordPattern)->Unit(benchmark::kMillisecond);

void BM_NastyRunPattern(benchmark::State& state)
{
    simpleSearch(state, "*?*?*?*?*?*?*?*?*?*?*?Q");
}
BENCHMARK(BM_NastyRunPattern)->Unit(benchmark::kMillisecond);

void BM_Palindromes(benchmark::State& state)
{
    if (!ready(state))
        return;
    std::size_t found = 0;
    for (auto _ : state) {
        PalindromeList list;
        list.collect(english().dictionary);
        found = list.words().size();
    }
    countMatches(state, static_cast<std::uint32_t>(found));
}
BENCHMARK(BM_Palindromes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
