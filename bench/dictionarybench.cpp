// Dictionary figures on the shipped English list: load, look-ups, a full walk and a build.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/dawgbuilder.h"
#include "dictionary/dawgvalidator.h"
#include "dictionary/dictionary.h"
#include "engine/gameview.h"

namespace
{

const std::string kEnglishDic = GLYPH_DIST_DIR "/Dictionaries/English.dic";
const std::string kEnglishList = GLYPH_DIST_DIR "/Dictionaries/English.txt";

struct Loaded {
    glyph::NullView view;
    glyph::Dictionary dictionary{view};
    bool ok = dictionary.load(kEnglishDic);
};

Loaded& english()
{
    static Loaded loaded;
    return loaded;
}

void collect(const char* word, void* context)
{
    static_cast<std::vector<std::string>*>(context)->push_back(word);
}

// Every fiftieth word, and as many non-words made by changing a word's last letter.
std::vector<std::string> halfHitHalfMiss(const glyph::Dictionary& dictionary)
{
    std::vector<std::string> words;
    dictionary.forEachWord(collect, &words);
    std::vector<std::string> mix;
    for (std::size_t i = 0; i < words.size(); i += 50) {
        mix.push_back(words[i]);
        std::string miss = words[i];
        for (char c = 'A'; c <= 'Z'; ++c) {
            miss.back() = c;
            if (!dictionary.contains(miss.c_str()))
                break;
        }
        if (!dictionary.contains(miss.c_str()))
            mix.push_back(miss);
        else
            mix.pop_back();
    }
    return mix;
}

// The same look-up with every index checked against the array, to weigh bounding each step.
bool containsBoundedSteps(const glyph::DawgNode* nodes, std::uint32_t count, const char* word)
{
    std::uint32_t index = 1;
    for (;;) {
        if (index >= count)
            return false;
        const auto sought = static_cast<std::uint32_t>(static_cast<signed char>(*word));
        glyph::DawgNode node = nodes[index];
        while (static_cast<std::uint32_t>(glyph::letter(node)) < sought && !glyph::isLast(node)) {
            if (++index >= count)
                return false;
            node = nodes[index];
        }
        if (static_cast<std::uint32_t>(glyph::letter(node)) != sought)
            return false;
        if (*++word == '\0')
            return glyph::isEndOfWord(node);
        index = glyph::childIndex(node);
        if (index == 0)
            return false;
    }
}

void BM_LoadEnglish(benchmark::State& state)
{
    glyph::NullView view;
    glyph::Dictionary dictionary(view);
    for (auto _ : state) {
        if (!dictionary.load(kEnglishDic, true))
            state.SkipWithError("English.dic does not load");
    }
    state.counters["nodes"] = dictionary.nodeCount();
}
BENCHMARK(BM_LoadEnglish)->Unit(benchmark::kMillisecond);

void BM_ValidateEnglishArray(benchmark::State& state)
{
    const glyph::Dictionary& dictionary = english().dictionary;
    for (auto _ : state)
        benchmark::DoNotOptimize(glyph::DawgValidator::isSound(dictionary.nodes(), dictionary.nodeCount()));
}
BENCHMARK(BM_ValidateEnglishArray)->Unit(benchmark::kMillisecond);

void BM_ContainsHalfHitHalfMiss(benchmark::State& state)
{
    const glyph::Dictionary& dictionary = english().dictionary;
    const std::vector<std::string> mix = halfHitHalfMiss(dictionary);
    std::size_t found = 0;
    for (auto _ : state) {
        for (const std::string& word : mix)
            found += dictionary.contains(word.c_str());
    }
    benchmark::DoNotOptimize(found);
    state.counters["lookups/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * mix.size()), benchmark::Counter::kIsRate);
    state.counters["hits"] =
        static_cast<double>(found) / static_cast<double>(state.iterations() * mix.size());
}
BENCHMARK(BM_ContainsHalfHitHalfMiss);

void BM_ContainsBoundedSteps(benchmark::State& state)
{
    const glyph::Dictionary& dictionary = english().dictionary;
    const std::vector<std::string> mix = halfHitHalfMiss(dictionary);
    std::size_t found = 0;
    for (auto _ : state) {
        for (const std::string& word : mix)
            found += containsBoundedSteps(dictionary.nodes(), dictionary.nodeCount(), word.c_str());
    }
    benchmark::DoNotOptimize(found);
    state.counters["lookups/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * mix.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ContainsBoundedSteps);

void countWord(const char*, void* context)
{
    ++*static_cast<std::size_t*>(context);
}

void BM_WalkEveryWord(benchmark::State& state)
{
    const glyph::Dictionary& dictionary = english().dictionary;
    std::size_t words = 0;
    for (auto _ : state)
        dictionary.forEachWord(countWord, &words);
    state.counters["words/s"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WalkEveryWord)->Unit(benchmark::kMillisecond);

void BM_BuildEnglish(benchmark::State& state)
{
    const std::string destination =
        (std::filesystem::temp_directory_path() / "glyph-bench-English.dic").string();
    glyph::DawgBuilder builder;
    builder.setSourcePath(kEnglishList);
    builder.setDestinationPath(destination);
    builder.setAuthor("bench");
    for (auto _ : state) {
        if (!builder.buildFromWordList())
            state.SkipWithError("the build failed");
    }
    state.counters["words"] = builder.wordsInserted();
    state.counters["nodes"] = builder.nodesNow();
    state.counters["created"] = builder.nodesCreated();
    std::error_code ignored;
    std::filesystem::remove(destination, ignored);
}
BENCHMARK(BM_BuildEnglish)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
