#include "selfplay.h"
#include "ai/aiplayers.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "base/letters.h"
#include "base/random.h"
#include "engine/game.h"
#include "engine/gameclassic.h"
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

SelfPlay::SelfPlay(Game& game, ToolView& view, Options options)
    : m_game(game), m_view(view), m_options(std::move(options)), m_tallies(m_options.profiles.size())
{
}

bool SelfPlay::run()
{
    if (m_options.seeded) {
        random::seed(m_options.seed);
        scriptHost(m_game).runText("math.randomseed(" + std::to_string(m_options.seed) + ")");
    }
    const auto started = std::chrono::steady_clock::now();
    for (int number = 0; number < m_options.games; ++number)
        if (!playGame(number))
            return false;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    printSummary(elapsed.count());
    if (!m_options.saveFile.empty() && !m_game.rules()->save(m_options.saveFile))
        return false;
    return true;
}

bool SelfPlay::playGame(int number)
{
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
    if (m_options.rows > 0)
        m_game.preferences().setInteger(keys::kTableRows, m_options.rows);
    if (m_options.columns > 0)
        m_game.preferences().setInteger(keys::kTableColumns, m_options.columns);
    if (!m_game.startNewGame(players, kClassicGameType)) {
        std::fprintf(stderr, "glyphplay: the game could not start\n");
        return false;
    }
    GameRules& rules = *m_game.rules();
    LuaHost& host = scriptHost(m_game);
    for (int turn = 0; !rules.isGameOver(); ++turn) {
        if (turn == kMaxTurns) {
            printPosition("the game did not end", nullptr);
            return false;
        }
        const std::size_t seat = static_cast<std::size_t>(rules.currentPlayerIndex());
        const Move solution = host.computerTurn(rules.currentPlayer());
        if (m_options.check && !checkTurn())
            return false;
        const Board before = m_game.board();
        host.playSolution(solution);
        if (m_options.check && !checkPlayedScore(before))
            return false;
        Tally& tally = m_tallies[tallyOf[seat]];
        tally.points += rules.history().back().move.score;
        ++tally.turns;
        if (m_options.check && !checkTiles())
            return false;
    }
    int best = rules.players().front().score;
    for (const Player& player : rules.players())
        best = std::max(best, player.score);
    const auto winners = std::count_if(rules.players().begin(), rules.players().end(),
                                       [best](const Player& player) { return player.score == best; });
    for (std::size_t seat = 0; seat < count; ++seat) {
        Tally& tally = m_tallies[tallyOf[seat]];
        tally.score += rules.players()[seat].score;
        if (rules.players()[seat].score == best)
            tally.wins += 1.0 / static_cast<double>(winners);
    }
    return true;
}

bool SelfPlay::checkTurn()
{
    // Every listed move must pass the rules' validation and carry the score the rules give it.
    const MoveGenerator& generator = moveGenerator(m_game);
    for (const Move& move : generator.moves()) {
        if (move.isPass())
            continue;
        const MoveProblem problem = m_game.rules()->validateMove(move);
        if (!problem.ok()) {
            printPosition("a listed move is refused by the rules: " + problem.message(), &move);
            return false;
        }
        Move rescored = move;
        m_game.computeScore(rescored, m_game.board());
        if (rescored.score != move.score) {
            printPosition("a listed move carries score " + std::to_string(move.score) + " instead of " +
                              std::to_string(rescored.score),
                          &move);
            return false;
        }
    }
    return checkTiles();
}

bool SelfPlay::checkPlayedScore(const Board& before)
{
    // The move played must carry the score the rules give it, whatever score its player claimed.
    const Move& played = m_game.rules()->history().back().move;
    if (played.isPass())
        return true;
    Move rescored = played;
    m_game.computeScore(rescored, before);
    if (rescored.score == played.score)
        return true;
    printPosition("a played move carries score " + std::to_string(played.score) + " instead of " +
                      std::to_string(rescored.score),
                  &played);
    return false;
}

bool SelfPlay::checkTiles()
{
    // Bag, racks and board together hold exactly the letter set's tiles.
    std::array<int, kLetterCount> held{};
    const GameRules& rules = *m_game.rules();
    for (int k = 0; k < kLetterCount; ++k)
        held[static_cast<std::size_t>(k)] = rules.bag().count(k);
    for (const Player& player : rules.players()) {
        const auto rack = letters::histogram(player.rack);
        for (int k = 0; k < kLetterCount; ++k)
            held[static_cast<std::size_t>(k)] += rack[static_cast<std::size_t>(k)];
    }
    for (int row = 1; row <= m_game.rows(); ++row)
        for (int column = 1; column <= m_game.columns(); ++column) {
            const Square& square = m_game.board()[row][column];
            if (square.letter != 0)
                ++held[static_cast<std::size_t>(square.joker ? kLetterCount - 1 : square.letter - 'A')];
        }
    for (int k = 0; k < kLetterCount; ++k)
        if (held[static_cast<std::size_t>(k)] != m_game.letterSet().entryAt(k).count) {
            printPosition(std::string("the tiles of ") + static_cast<char>('A' + k) + " number " +
                              std::to_string(held[static_cast<std::size_t>(k)]) + " instead of " +
                              std::to_string(m_game.letterSet().entryAt(k).count),
                          nullptr);
            return false;
        }
    return true;
}

void SelfPlay::printPosition(const std::string& reason, const Move* move)
{
    const GameRules& rules = *m_game.rules();
    std::printf("CHECK FAILED: %s\n", reason.c_str());
    if (move != nullptr)
        std::printf("move: %s %d (word %s, jokers %s)\n", m_game.moveText(*move, m_game.board()).c_str(),
                    move->score, move->word, move->jokers);
    for (int row = 1; row <= m_game.rows(); ++row) {
        std::string line;
        for (int column = 1; column <= m_game.columns(); ++column) {
            const Square& square = m_game.board()[row][column];
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
