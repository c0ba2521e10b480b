// The searches that look ahead, on the shipped English data: simulation rounds per second on
// mid-game positions (10 candidates, 2 and 4 plies, on one and on two threads), and the endgame
// solver on a set of 7-tile-against-7-tile endings (positions per second, time to solve each,
// how many it solved exactly within its time). Reads the data from the dist folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/endgamesolver.h"
#include "ai/leavevalues.h"
#include "ai/movegenerator.h"
#include "ai/positioncopy.h"
#include "ai/simulator.h"
#include "base/random.h"
#include "bench/benchtable.h"
#include "engine/game.h"
#include "engine/gameclassic.h"
#include "engine/gameview.h"
#include "engine/unseentiles.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"

namespace
{

constexpr std::uint32_t kSeed = 20261207;
constexpr int kCandidates = 10;
constexpr int kEndings = 6;
/// Time each ending may take; one not solved by then counts as not exact.
constexpr std::chrono::seconds kEndingLimit{20};

using glyph::bench::BenchTable;

/// A seeded game of best moves by equity, played for `turns` turns (or until the bag
/// holds fewer than `keepInBag` tiles).
bool playSeededGame(glyph::Game& game, int number, int turns, int keepInBag)
{
    glyph::random::seed(kSeed + static_cast<std::uint32_t>(number));
    glyph::GameRules& rules = glyph::bench::startTwoPlayerGame(game);
    for (int turn = 0; turn < turns && !rules.isGameOver() && rules.bag().total() >= keepInBag; ++turn)
        rules.playMove(moveGenerator(game).bestMove(rules.currentPlayer().rack, leaveValues(game)));
    return !rules.isGameOver();
}

glyph::Simulator::Setup midGameSetup(glyph::Game& game, int plies)
{
    const glyph::GameRules& rules = *game.rules();
    glyph::Simulator::Setup setup;
    setup.rack = rules.currentPlayer().rack;
    moveGenerator(game).generate(setup.rack);
    setup.candidates = glyph::Simulator::bestByEquity(moveGenerator(game).moves(), game, leaveValues(game),
                                                      setup.rack, kCandidates);
    setup.opponentRacks = {glyph::kRackSize};
    setup.unseen = glyph::unseentiles::counts(rules, rules.currentPlayerIndex());
    setup.plies = plies;
    setup.seed = kSeed;
    return setup;
}

void simulationRounds(benchmark::State& state)
{
    BenchTable table;
    if (!playSeededGame(table.game(), 0, 8, 30)) {
        state.SkipWithError("no position (is the English dictionary in dist/?)");
        return;
    }
    glyph::Game& game = table.game();
    const glyph::Simulator::Setup setup = midGameSetup(game, static_cast<int>(state.range(1)));
    std::vector<std::unique_ptr<glyph::PositionCopy>> copies;
    long long rounds = 0;
    int first = 0;
    for (auto _ : state) {
        glyph::Simulator simulator(game, leaveValues(game), copies);
        glyph::Simulator::Limits limits;
        // Fewer rounds than any candidate needs to be dropped: every round plays all ten.
        limits.rounds = glyph::Simulator::kBatchRounds * 2;
        limits.threads = static_cast<int>(state.range(0));
        glyph::Simulator::Setup seeded = setup;
        seeded.seed += static_cast<std::uint32_t>(first++);
        rounds += simulator.run(seeded, limits);
    }
    state.counters["rounds_per_s"] =
        benchmark::Counter(static_cast<double>(rounds), benchmark::Counter::kIsRate);
    state.counters["candidates"] = static_cast<double>(setup.candidates.size());
}
// Arguments: threads, plies (the Expert looks 4 plies ahead near the end of the bag).
BENCHMARK(simulationRounds)
    ->ArgNames({"threads", "plies"})
    ->Args({1, 2})
    ->Args({2, 2})
    ->Args({1, 4})
    ->Args({2, 4})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

/// Endings of seeded games: the board when the bag runs low, and seven tiles for each side
/// dealt from the tiles not on the board.
void endgameSolve(benchmark::State& state)
{
    BenchTable table;
    glyph::Game& game = table.game();
    struct Ending {
        glyph::Board board;
        std::string racks[2];
    };
    std::vector<Ending> endings;
    for (int number = 0; static_cast<int>(endings.size()) < kEndings && number < 4 * kEndings; ++number) {
        if (!playSeededGame(game, number, 100, 20))
            continue;
        const glyph::GameRules& rules = *game.rules();
        std::string pool = glyph::unseentiles::letters(glyph::unseentiles::counts(rules, -1));
        std::mt19937 random(kSeed + static_cast<std::uint32_t>(number));
        std::shuffle(pool.begin(), pool.end(), random);
        if (pool.size() < 14)
            continue;
        endings.push_back({game.board(), {pool.substr(0, 7), pool.substr(7, 7)}});
    }
    if (endings.empty()) {
        state.SkipWithError("no endings (is the English dictionary in dist/?)");
        return;
    }
    glyph::PositionCopy copy;
    long long positions = 0;
    int exact = 0;
    double slowest = 0;
    for (auto _ : state) {
        for (const Ending& ending : endings) {
            game.board() = ending.board;
            const auto started = std::chrono::steady_clock::now();
            const glyph::EndgameSolver::Result result =
                glyph::EndgameSolver(game, copy)
                    .solve(ending.racks[0], ending.racks[1], 0, started + kEndingLimit);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
            slowest = std::max(slowest, took.count());
            positions += result.positions;
            exact += result.exact ? 1 : 0;
        }
    }
    state.counters["positions_per_s"] =
        benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
    state.counters["endings"] = static_cast<double>(endings.size());
    state.counters["solved_exactly"] = static_cast<double>(exact) / static_cast<double>(state.iterations());
    state.counters["slowest_s"] = slowest;
}
BENCHMARK(endgameSolve)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
