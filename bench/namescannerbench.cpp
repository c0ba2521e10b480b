// The profile editor rescans the whole script after every typed character: these measure one
// scan of a 2,000-line script, built from the shipped Strategist profile, from recognised
// function definitions, and from text that keeps the definition grammar busy until it fails.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "ai/namescanner.h"

namespace
{

constexpr int kScriptLines = 2000;

/// The text repeated until it has `lines` lines.
std::string repeatToLines(const std::string& piece, int lines)
{
    std::string text;
    int count = 0;
    while (count < lines) {
        for (char c : piece) {
            text += c;
            if (c == '\n' && ++count == lines)
                break;
        }
    }
    return text;
}

void scanBenchmark(benchmark::State& state, const std::string& text)
{
    glyph::NameScanner scanner;
    for (auto _ : state) {
        scanner.scan(text);
        benchmark::DoNotOptimize(scanner.identifiers().size());
    }
    state.counters["identifiers"] = static_cast<double>(scanner.identifiers().size());
    state.counters["defined"] = static_cast<double>(scanner.definedFunctions().size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_ScanStrategistLines(benchmark::State& state)
{
    std::ifstream file(GLYPH_DIST_DIR "/Profiles/Strategist.cpu", std::ios::binary);
    const std::string profile{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (profile.empty()) {
        state.SkipWithError("dist/Profiles/Strategist.cpu is missing: build the dist_data target");
        return;
    }
    scanBenchmark(state, repeatToLines(profile, kScriptLines));
}

void BM_ScanRecognisedDefinitions(benchmark::State& state)
{
    const std::string piece = "function Pick(a, b)\n"
                              "  local best = a\n"
                              "  if b > a then best = b else Debug(a, b) end\n"
                              "  for i = 1, best do total = total + i end\n"
                              "  while total > 100 do total = total - 7 end\n"
                              "  return best -- the larger\n"
                              "end\n"
                              "score = Pick(MovesNumber(), 3)\n";
    scanBenchmark(state, repeatToLines(piece, kScriptLines));
}

void BM_ScanUnclosedDefinition(benchmark::State& state)
{
    // One definition that never ends, blocks nested deep, and a string left open at the end.
    std::string text = "function Open(a)\n";
    text +=
        repeatToLines("  if x1 > 2 then for i = 1, 3 do while y do z = z + \"q\" * 2\n", kScriptLines - 2);
    text += "w = \"open\n";
    scanBenchmark(state, text);
}

} // namespace

BENCHMARK(BM_ScanStrategistLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanRecognisedDefinitions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanUnclosedDefinition)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
