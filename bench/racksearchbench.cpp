// Words from a rack with two jokers over the shipped English and Romanian dictionaries: one full
// search per iteration (walk, sort and the first 1,000 rows), as the dictionary window runs it.
// The whole search should stay under 50 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/letterset.h"
#include "dictionary/dictionary.h"
#include "dictionary/probabilityranking.h"
#include "dictionary/racksearch.h"
#include "dictionary/wordprobability.h"
#include "engine/gameview.h"

namespace
{

using namespace glyph;

const std::string kDataDir = GLYPH_DIST_DIR;

/// A shipped dictionary and its letter set, loaded once.
struct Language {
    NullView view;
    Dictionary dictionary{view};
    LetterSet letterSet;
    bool loaded = false;

    explicit Language(const std::string& name)
    {
        loaded = dictionary.load(kDataDir + "/Dictionaries/" + name + ".dic") &&
                 letterSet.load(kDataDir + "/Sets/" + name + ".set", view);
    }
};

Language& language(const std::string& name)
{
    static Language english("English");
    static Language romanian("Romana");
    return name == "English" ? english : romanian;
}

void fromRack(benchmark::State& state, const std::string& name, const std::string& rack, SearchOrder order)
{
    Language& data = language(name);
    if (!data.loaded) {
        state.SkipWithError("the shipped dictionary or letter set is missing from build/dist");
        return;
    }
    RackSearch search(data.dictionary, data.letterSet);
    std::uint32_t matches = 0;
    for (auto _ : state)
        matches = search.fromRack(rack, "1000", order)->matchCount;
    state.counters["matches"] = matches;
    state.counters["words"] = data.dictionary.wordCount();
}

// Seven tiles with two jokers, then a rack of seven letters and two jokers (nine tiles): the
// jokers open every letter at two places of each word.
BENCHMARK_CAPTURE(fromRack, English_ERTAI_2jokers, "English", "ERTAI??", SearchOrder::Natural)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fromRack, English_SATIREN_2jokers, "English", "SATIREN??", SearchOrder::Natural)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fromRack, English_SATIREN_2jokers_probability, "English", "SATIREN??",
                  SearchOrder::Probability)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fromRack, Romanian_ERTAI_2jokers, "Romana", "ERTAI??", SearchOrder::Natural)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fromRack, Romanian_AEIRNTU_2jokers, "Romana", "AEIRNTU??", SearchOrder::Natural)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fromRack, Romanian_AEIRNTU_2jokers_probability, "Romana", "AEIRNTU??",
                  SearchOrder::Probability)
    ->Unit(benchmark::kMillisecond);

// The probability ranks of a whole dictionary: one walk that the window makes once per
// dictionary and letter set.
void ranking(benchmark::State& state, const std::string& name)
{
    Language& data = language(name);
    if (!data.loaded) {
        state.SkipWithError("the shipped dictionary or letter set is missing from build/dist");
        return;
    }
    const WordProbability probability(data.letterSet);
    for (auto _ : state) {
        ProbabilityRanking ranks;
        ranks.build(data.dictionary, probability);
        benchmark::DoNotOptimize(ranks.wordsOfLength(7));
    }
}
BENCHMARK_CAPTURE(ranking, English, "English")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ranking, Romanian, "Romana")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
