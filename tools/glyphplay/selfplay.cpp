#include "selfplay.h"
#include "ai/aiplayers.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <thread>

#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "base/letters.h"
#include "base/letterset.h"
#include "base/random.h"
#include "engine/bag.h"
#include "engine/game.h"
#include "engine/gameclassic.h"
#include "engine/gamerules.h"
#include "engine/player.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"
#include "toolview.h"

namespace glyph
{

namespace
{

/// Turns after which a game that has not ended is given up as broken.
constexpr int kMaxTurns = 2000;

std::string baseName(const std::string& profile)
{
    const std::size_t dot = profile.rfind('.');
    return dot == std::string::npos ? profile : profile.substr(0, dot);
}

} // namespace

struct SelfPlay::Table {
    explicit Table(const Game& model)
        : preferences(model.preferences().fileName(), &view), game(preferences, view, model.folders())
    {
        attachAiPlayers(game);
    }
    ToolView view;
    Preferences preferences;
    Game game;
};

SelfPlay::SelfPlay(Game& game, Options options)
    : m_game(game), m_options(std::move(options)), m_tallies(m_options.profiles.size())
{
}

bool SelfPlay::run()
{
    const int threads = std::clamp(m_options.threads, 1, std::max(1, m_options.games));
    const auto started = std::chrono::steady_clock::now();
    // Each thread plays with a game of its own; the tool's game plays on this one.
    std::vector<std::unique_ptr<Table>> tables;
    for (int k = 1; k < threads; ++k)
        tables.push_back(std::make_unique<Table>(m_game));
    std::vector<std::thread> workers;
    for (const std::unique_ptr<Table>& table : tables)
        workers.emplace_back([this, &table, threads] { playGames(table->game, threads); });
    playGames(m_game, threads);
    for (std::thread& worker : workers)
        worker.join();
    if (m_failed)
        return false;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    printSummary(elapsed.count());
    return true;
}

bool SelfPlay::prepare(Game& game, int threads)
{
    // A fresh script state for every game: the globals a profile keeps (such as the turn it last
    // exchanged) would otherwise reach into the next game this thread happens to play, and a
    // seeded game would depend on which games its thread played before it. The move generator
    // and the leave values stay: they depend only on the dictionary and the set.
    scriptHost(game).restart();
    // The cores are shared out among the games played at once.
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    aiPlayers(game).setSearchThreads(std::max(1, cores / threads));
    if (!m_options.setup.empty() && !scriptHost(game).runText(m_options.setup)) {
        std::fprintf(stderr, "glyphplay: the --setup text failed\n");
        m_failed = true;
        return false;
    }
    return true;
}

void SelfPlay::playGames(Game& game, int threads)
{
    std::vector<Tally> tallies(m_options.profiles.size());
    for (int number = m_nextGame++; number < m_options.games && !m_failed; number = m_nextGame++)
        if (!prepare(game, threads) || !playGame(game, number, tallies))
            m_failed = true;
    const std::lock_guard<std::mutex> hold(m_talliesLock);
    for (std::size_t k = 0; k < tallies.size(); ++k) {
        m_tallies[k].wins += tallies[k].wins;
        m_tallies[k].score += tallies[k].score;
        m_tallies[k].points += tallies[k].points;
        m_tallies[k].turns += tallies[k].turns;
    }
}

bool SelfPlay::playGame(Game& game, int number, std::vector<Tally>& tallies)
{
    // Each game draws from the seed and its number alone, whichever thread plays it.
    if (m_options.seeded) {
        std::seed_seq sequence{m_options.seed, static_cast<std::uint32_t>(number)};
        std::uint32_t seed = 0;
        sequence.generate(&seed, &seed + 1);
        random::seed(seed);
        scriptHost(game).runText("math.randomseed(" + std::to_string(seed) + ")");
    }
    // Seats rotate from game to game, so each profile starts as often as the others.
    const std::size_t count = m_options.profiles.size();
    std::vector<Player> players(count);
    std::vector<std::size_t> tallyOf(count);
    for (std::size_t seat = 0; seat < count; ++seat) {
        tallyOf[seat] = (seat + static_cast<std::size_t>(number)) % count;
        const std::string& profile = m_options.profiles[tallyOf[seat]];
        players[seat].setName(baseName(profile) + " " + std::to_string(tallyOf[seat] + 1));
        players[seat].setProfile(profile);
    }
    // The preferences are never saved by the tool, so the board size asked for stays in this run.
    if (m_options.rows > 0 || m_options.columns > 0)
        game.storeBoardSize(m_options.rows > 0 ? m_options.rows : game.rows(),
                            m_options.columns > 0 ? m_options.columns : game.columns());
    if (!game.startNewGame(players, kClassicGameType)) {
        std::fprintf(stderr, "glyphplay: the game could not start\n");
        return false;
    }
    GameRules& rules = *game.rules();
    LuaHost& host = scriptHost(game);
    for (int turn = 0; !rules.isGameOver(); ++turn) {
        if (turn == kMaxTurns) {
            printPosition(game, "the game did not end", nullptr);
            return false;
        }
        const std::size_t seat = static_cast<std::size_t>(rules.currentPlayerIndex());
        const Move solution = host.computerTurn(rules.currentPlayer());
        if (m_options.check && !checkTurn(game))
            return false;
        const Board before = game.board();
        host.playSolution(solution);
        if (m_options.check && !checkPlayedScore(game, before))
            return false;
        Tally& tally = tallies[tallyOf[seat]];
        tally.points += rules.history().back().move.score;
        ++tally.turns;
        if (m_options.check && !checkTiles(game))
            return false;
    }
    int best = rules.players().front().score;
    for (const Player& player : rules.players())
        best = std::max(best, player.score);
    const auto winners = std::count_if(rules.players().begin(), rules.players().end(),
                                       [best](const Player& player) { return player.score == best; });
    for (std::size_t seat = 0; seat < count; ++seat) {
        Tally& tally = tallies[tallyOf[seat]];
        tally.score += rules.players()[seat].score;
        if (rules.players()[seat].score == best)
            tally.wins += 1.0 / static_cast<double>(winners);
    }
    // The last game is the one kept, whichever thread played it.
    if (number == m_options.games - 1 && !m_options.saveFile.empty())
        return rules.save(m_options.saveFile);
    return true;
}

bool SelfPlay::checkTurn(Game& game)
{
    // Every listed move must pass the rules' validation and carry the score the rules give it.
    const MoveGenerator& generator = moveGenerator(game);
    for (const Move& move : generator.moves()) {
        if (move.isPass())
            continue;
        const MoveProblem problem = game.rules()->validateMove(move);
        if (!problem.ok()) {
            printPosition(game, "a listed move is refused by the rules: " + problem.message(), &move);
            return false;
        }
        Move rescored = move;
        game.computeScore(rescored, game.board());
        if (rescored.score != move.score) {
            printPosition(game,
                          "a listed move carries score " + std::to_string(move.score) + " instead of " +
                              std::to_string(rescored.score),
                          &move);
            return false;
        }
    }
    return checkTiles(game);
}

bool SelfPlay::checkPlayedScore(Game& game, const Board& before)
{
    // The move played must carry the score the rules give it, whatever score its player claimed.
    const Move& played = game.rules()->history().back().move;
    if (played.isPass())
        return true;
    Move rescored = played;
    game.computeScore(rescored, before);
    if (rescored.score == played.score)
        return true;
    printPosition(game,
                  "a played move carries score " + std::to_string(played.score) + " instead of " +
                      std::to_string(rescored.score),
                  &played);
    return false;
}

bool SelfPlay::checkTiles(Game& game)
{
    // Bag, racks and board together hold the tiles the bag was filled with: the whole letter
    // set, or when the set holds more than the bag can, a choice of its tiles as many as the bag
    // holds. Each letter at most as often as the set has it and the right number in all covers
    // both, as the two agree letter by letter when nothing was left out.
    const std::array<int, kLetterCount> held = heldTiles(game);
    const LetterSet& set = game.letterSet();
    int total = 0;
    for (int k = 0; k < kLetterCount; ++k) {
        const int count = held[static_cast<std::size_t>(k)];
        total += count;
        if (count > std::max<int>(0, set.entryAt(k).count)) {
            printPosition(game,
                          std::string("the tiles of ") + static_cast<char>('A' + k) + " number " +
                              std::to_string(count) + ", more than the set's " +
                              std::to_string(set.entryAt(k).count),
                          nullptr);
            return false;
        }
    }
    if (total != Bag::tilesIn(set)) {
        printPosition(game,
                      "the tiles number " + std::to_string(total) + " instead of the bag's " +
                          std::to_string(Bag::tilesIn(set)),
                      nullptr);
        return false;
    }
    return true;
}

std::array<int, kLetterCount> SelfPlay::heldTiles(Game& game)
{
    std::array<int, kLetterCount> held{};
    const GameRules& rules = *game.rules();
    for (int k = 0; k < kLetterCount; ++k)
        held[static_cast<std::size_t>(k)] = rules.bag().count(k);
    for (const Player& player : rules.players()) {
        const auto rack = letters::histogram(player.rack);
        for (int k = 0; k < kLetterCount; ++k)
            held[static_cast<std::size_t>(k)] += rack[static_cast<std::size_t>(k)];
    }
    for (int row = 1; row <= game.rows(); ++row)
        for (int column = 1; column <= game.columns(); ++column) {
            const Square& square = game.board()[row][column];
            if (square.letter != 0)
                ++held[static_cast<std::size_t>(square.joker ? kLetterCount - 1 : square.letter - 'A')];
        }
    return held;
}

void SelfPlay::printPosition(Game& game, const std::string& reason, const Move* move)
{
    const GameRules& rules = *game.rules();
    std::printf("CHECK FAILED: %s\n", reason.c_str());
    if (move != nullptr)
        std::printf("move: %s %d (word %s, jokers %s)\n", game.moveText(*move, game.board()).c_str(),
                    move->score, move->word, move->jokers);
    for (int row = 1; row <= game.rows(); ++row) {
        std::string line;
        for (int column = 1; column <= game.columns(); ++column) {
            const Square& square = game.board()[row][column];
            line += square.letter == 0
                        ? '.'
                        : (square.joker ? static_cast<char>(square.letter - 'A' + 'a') : square.letter);
        }
        std::printf("%c %s\n", 'A' + row - 1, line.c_str());
    }
    for (const Player& player : rules.players())
        std::printf("%s: score %d, rack %s\n", player.name, player.score,
                    letters::toUserText(player.rack).c_str());
    std::printf("to move: %s, bag %d tiles, round %d, passes %d\n", rules.currentPlayer().name,
                rules.bag().total(), rules.round(), rules.passCount());
}

void SelfPlay::printSummary(double seconds) const
{
    const double games = m_options.games;
    for (std::size_t i = 0; i < m_tallies.size(); ++i) {
        const Tally& tally = m_tallies[i];
        std::printf("player %zu %s: wins %.1f (%.1f%%), average score %.1f, average points per turn %.2f\n",
                    i + 1, m_options.profiles[i].c_str(), tally.wins, 100.0 * tally.wins / games,
                    static_cast<double>(tally.score) / games,
                    tally.turns == 0 ? 0.0
                                     : static_cast<double>(tally.points) / static_cast<double>(tally.turns));
    }
    std::printf("%d games in %.2f s: %.1f games per second\n", m_options.games, seconds,
                seconds > 0 ? games / seconds : 0.0);
}

} // namespace glyph
