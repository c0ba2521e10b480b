// Move generation on fixed mid-game positions with the shipped English dictionary, and whole
// self-play games between two greedy players. Reads the data from the dist folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "base/random.h"
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

/// A game on the shipped data, with preferences kept in the temporary folder.
class BenchTable
{
public:
    BenchTable()
        : m_preferences((std::filesystem::temp_directory_path() / "glyph-bench-Preferences.ini").string(),
                        &m_view)
    {
        const std::string dist = GLYPH_DIST_DIR;
        m_preferences.setString(glyph::keys::kGameSet, dist + "/Sets/English.set");
        m_preferences.setString(glyph::keys::kGameDictionary, dist + "/Dictionaries/English.dic");
        m_game = std::make_unique<glyph::Game>(m_preferences, m_view);
        glyph::attachAiPlayers(*m_game);
        scriptHost(*m_game).setProfileFolder(dist + "/Profiles/");
    }
    glyph::Game& game() { return *m_game; }

private:
    glyph::NullView m_view;
    glyph::Preferences m_preferences;
    std::unique_ptr<glyph::Game> m_game;
};

/// Positions met in seeded games where every turn plays the best move, with full racks.
std::vector<Position> midGamePositions(glyph::Game& game)
{
    std::vector<Position> positions;
    glyph::random::seed(kSeed);
    for (int number = 0; number < kPositionGames; ++number) {
        game.loadSettings();
        game.setRules(std::make_unique<glyph::GameClassic>(game));
        glyph::GameRules& rules = *game.rules();
        std::vector<glyph::Player> players(2);
        players[0].setName("One");
        players[1].setName("Two");
        rules.start(players);
        for (int turn = 0; turn <= kLastTurn && !rules.isGameOver(); ++turn) {
            const std::string rack = rules.currentPlayer().rack;
            if (turn >= kFirstTurn && rack.size() == glyph::kRackSize)
                positions.push_back({game.board(), rack});
            rules.playMove(moveGenerator(game).generate(rack));
        }
    }
    return positions;
}

void generateMidGame(benchmark::State& state)
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
    for (auto _ : state) {
        const Position& position = positions[next];
        next = (next + 1) % positions.size();
        game.board() = position.board;
        // Processor time of this call, so that other programs on the machine do not count.
        const std::clock_t started = std::clock();
        benchmark::DoNotOptimize(moveGenerator(game).generate(position.rack));
        micros.push_back(1e6 * static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC);
        moves += moveGenerator(game).size();
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["moves_per_position"] = static_cast<double>(moves) / static_cast<double>(micros.size());
}
BENCHMARK(generateMidGame)->Unit(benchmark::kMicrosecond);

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

} // namespace

BENCHMARK_MAIN();
