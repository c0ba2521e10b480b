// Move generation on fixed mid-game positions with the shipped English dictionary (the full
// list, the best move by score and the best by score plus leave, on the same positions), and
// whole self-play games between two greedy players. Reads the data from the dist folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/leavevalues.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "base/letterset.h"
#include "base/random.h"
#include "bench/benchtable.h"
#include "engine/game.h"
#include "engine/gameclassic.h"
#include "engine/gameview.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"

namespace
{

constexpr std::uint32_t kSeed = 20261206;
constexpr int kPositionGames = 20;
constexpr int kFirstTurn = 6;
constexpr int kLastTurn = 16;

struct Position {
    glyph::Board board;
    std::string rack;
};

using glyph::bench::BenchTable;

/// Positions met in seeded games where every turn plays the best move, with full racks.
std::vector<Position> midGamePositions(glyph::Game& game)
{
    std::vector<Position> positions;
    glyph::random::seed(kSeed);
    for (int number = 0; number < kPositionGames; ++number) {
        glyph::GameRules& rules = glyph::bench::startTwoPlayerGame(game);
        for (int turn = 0; turn <= kLastTurn && !rules.isGameOver(); ++turn) {
            const std::string rack = rules.currentPlayer().rack;
            if (turn >= kFirstTurn && rack.size() == glyph::kRackSize)
                positions.push_back({game.board(), rack});
            rules.playMove(moveGenerator(game).generate(rack));
        }
    }
    return positions;
}

/// Times one search per iteration over the mid-game positions in turn: `search` is given the
/// generator and the rack and returns the number of moves it listed (0 for a best-move search).
template <typename Search> void timeMidGame(benchmark::State& state, Search search)
{
    BenchTable table;
    glyph::Game& game = table.game();
    const std::vector<Position> positions = midGamePositions(game);
    if (positions.empty()) {
        state.SkipWithError("no positions (is the English dictionary in dist/?)");
        return;
    }
    std::vector<double> micros;
    std::size_t next = 0;
    long long moves = 0;
    // Racks with a joker cost several times the others: their mean apart.
    double jokerMicros = 0;
    long long jokerRacks = 0;
    for (auto _ : state) {
        const Position& position = positions[next];
        next = (next + 1) % positions.size();
        game.board() = position.board;
        // Processor time of this call, so that other programs on the machine do not count.
        const std::clock_t started = std::clock();
        moves += search(moveGenerator(game), position.rack);
        micros.push_back(1e6 * static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC);
        if (position.rack.find(glyph::kJoker) != std::string::npos) {
            jokerMicros += micros.back();
            ++jokerRacks;
        }
    }
    std::sort(micros.begin(), micros.end());
    double total = 0;
    for (double micro : micros)
        total += micro;
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["joker_rack_us"] = jokerMicros / static_cast<double>(std::max(1LL, jokerRacks));
    state.counters["joker_rack_share"] = static_cast<double>(jokerRacks) / static_cast<double>(micros.size());
    state.counters["mean_cpu_us"] = total / static_cast<double>(micros.size());
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["moves_per_position"] = static_cast<double>(moves) / static_cast<double>(micros.size());
}

void generateMidGame(benchmark::State& state)
{
    timeMidGame(state, [](glyph::MoveGenerator& generator, const std::string& rack) {
        benchmark::DoNotOptimize(generator.generate(rack));
        return generator.size();
    });
}
BENCHMARK(generateMidGame)->Unit(benchmark::kMicrosecond);

void bestByScoreMidGame(benchmark::State& state)
{
    timeMidGame(state, [](glyph::MoveGenerator& generator, const std::string& rack) {
        benchmark::DoNotOptimize(generator.bestMove(rack));
        return 0;
    });
}
BENCHMARK(bestByScoreMidGame)->Unit(benchmark::kMicrosecond);

void bestByEquityMidGame(benchmark::State& state)
{
    glyph::LetterSet set;
    glyph::NullView view;
    set.load(std::string(GLYPH_DIST_DIR) + "/Sets/English.set", view);
    const glyph::LeaveValues leaves = glyph::LeaveValues::handWritten(set);
    timeMidGame(state, [&leaves](glyph::MoveGenerator& generator, const std::string& rack) {
        benchmark::DoNotOptimize(generator.bestMove(rack, leaves));
        return 0;
    });
}
BENCHMARK(bestByEquityMidGame)->Unit(benchmark::kMicrosecond);

void selfPlayGreedy(benchmark::State& state)
{
    BenchTable table;
    glyph::Game& game = table.game();
    glyph::random::seed(kSeed);
    for (auto _ : state) {
        game.loadSettings();
        game.setRules(std::make_unique<glyph::GameClassic>(game));
        glyph::GameRules& rules = *game.rules();
        std::vector<glyph::Player> players(2);
        for (glyph::Player& player : players) {
            player.setName("Greedy");
            player.setProfile("Greedy.cpu");
        }
        rules.start(players);
        for (int turn = 0; turn < 1000 && !rules.isGameOver(); ++turn)
            scriptHost(game).playSolution(scriptHost(game).computerTurn(rules.currentPlayer()));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(selfPlayGreedy)->Unit(benchmark::kMillisecond);

/// One pass of a search over every position, kept out of line so that a profiler can count
/// its instructions alone: valgrind --tool=callgrind --toggle-collect='*passOver*'.
template <typename Search>
[[gnu::noinline]] long long passOver(glyph::Game& game, const std::vector<Position>& positions, Search search)
{
    long long total = 0;
    for (const Position& position : positions) {
        game.board() = position.board;
        total += search(moveGenerator(game), position.rack).score;
    }
    return total;
}

[[gnu::noinline]] long long passOverList(glyph::Game& game, const std::vector<Position>& positions)
{
    return passOver(game, positions, [](glyph::MoveGenerator& generator, const std::string& rack) {
        return generator.generate(rack);
    });
}

[[gnu::noinline]] long long passOverBestScore(glyph::Game& game, const std::vector<Position>& positions)
{
    return passOver(game, positions, [](glyph::MoveGenerator& generator, const std::string& rack) {
        return generator.bestMove(rack);
    });
}

[[gnu::noinline]] long long passOverBestEquity(glyph::Game& game, const std::vector<Position>& positions,
                                               const glyph::LeaveValues& leaves)
{
    return passOver(game, positions, [&leaves](glyph::MoveGenerator& generator, const std::string& rack) {
        return generator.bestMove(rack, leaves);
    });
}

/// `--once`: each search once on every position, for instruction counts under callgrind
/// (the timed runs repeat positions as often as their speed allows, which would not compare).
int runOnce()
{
    BenchTable table;
    glyph::Game& game = table.game();
    const std::vector<Position> positions = midGamePositions(game);
    glyph::LetterSet set;
    glyph::NullView view;
    set.load(std::string(GLYPH_DIST_DIR) + "/Sets/English.set", view);
    const glyph::LeaveValues leaves = glyph::LeaveValues::handWritten(set);
    // One search first, so that what is built once per dictionary (the search graph, the
    // table of long words) is not counted in the passes.
    if (!positions.empty()) {
        game.board() = positions.front().board;
        moveGenerator(game).bestMove(positions.front().rack);
    }
    const long long list = passOverList(game, positions);
    const long long byScore = passOverBestScore(game, positions);
    const long long byEquity = passOverBestEquity(game, positions, leaves);
    std::printf("%zu positions, score sums: list %lld, best by score %lld, best by equity %lld\n",
                positions.size(), list, byScore, byEquity);
    return list == byScore ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--once")
        return runOnce();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
