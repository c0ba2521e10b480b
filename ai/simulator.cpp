#include "ai/simulator.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <random>
#include <thread>

#include "ai/leavevalues.h"
#include "ai/positioncopy.h"
#include "base/letters.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/unseentiles.h"

namespace glyph
{

namespace
{

/// What each point of the tiles still held costs at the end: the holder loses it and the
/// player who goes out gains it.
constexpr double kStuckTileWeight = 2.0;
/// How much the spread of the rest of a game varies, as a standard deviation per square root of
/// the tiles still to be played: about 100 points over a whole game.
constexpr double kSpreadDeviationPerTile = 10.0;

/// Fills the rack to seven from the deal, from `next` on.
void refill(std::string& rack, const std::string& tiles, std::size_t& next)
{
    while (rack.size() < static_cast<std::size_t>(kRackSize) && next < tiles.size())
        rack += tiles[next++];
}

/// What the end of the game adds to the player's spread when `seat` has gone out.
double goingOutSpread(const Game& game, const std::vector<std::string>& racks, int seat,
                      double opponentWeight)
{
    double total = 0;
    double change = 0;
    for (std::size_t other = 0; other < racks.size(); ++other) {
        if (static_cast<int>(other) == seat)
            continue;
        const int held = letters::stringValue(game.letterSet(), racks[other]);
        total += held;
        change -= other == 0 ? held : -opponentWeight * held;
    }
    return change + (seat == 0 ? total : -opponentWeight * total);
}

/// The same setup with the opponents' racks drawn uniformly.
Simulator::Setup uniformDeal(const Simulator::Setup& setup)
{
    Simulator::Setup uniform;
    uniform.unseen = setup.unseen;
    uniform.seed = setup.seed;
    return uniform;
}

} // namespace

Simulator::Simulator(const Game& game, const LeaveValues& leaves,
                     std::vector<std::unique_ptr<PositionCopy>>& copies)
    : m_game(game), m_leaves(leaves), m_copies(copies)
{
    for (int code = 0; code < kLetterCount; ++code)
        m_stuckLeaves.setTileValue(code, -kStuckTileWeight *
                                             letters::value(game.letterSet(), static_cast<char>('A' + code)));
}

std::string Simulator::deal(const Setup& setup, int round)
{
    std::array<int, kLetterCount> counts = setup.unseen;
    std::seed_seq sequence{setup.seed, static_cast<std::uint32_t>(round)};
    std::mt19937 random(sequence);
    std::string leave;
    if (!setup.opponentLeaves.empty()) {
        std::uniform_int_distribution<std::size_t> pick(0, setup.opponentLeaves.size() - 1);
        leave = setup.opponentLeaves[pick(random)];
        // Only tiles still unseen: a leave that names others is not dealt.
        for (char letter : leave)
            if (letter < 'A' || letter - 'A' >= kLetterCount ||
                --counts[static_cast<std::size_t>(letter - 'A')] < 0)
                return deal(uniformDeal(setup), round);
    }
    std::string tiles = unseentiles::letters(counts);
    std::shuffle(tiles.begin(), tiles.end(), random);
    return leave + tiles;
}

double Simulator::playOut(PositionCopy& copy, const Setup& setup, int candidate, int round) const
{
    int tilesLeft = 0;
    const double spread = playSpread(copy, setup, candidate, round, tilesLeft);
    if (!setup.lead)
        return spread;
    return kWinWorth * winChance(*setup.lead + spread, tilesLeft) + spread;
}

double Simulator::winChance(double lead, int tilesLeft)
{
    if (tilesLeft <= 0)
        return lead > 0 ? 1.0 : lead < 0 ? 0.0 : 0.5;
    const double deviation = kSpreadDeviationPerTile * std::sqrt(static_cast<double>(tilesLeft));
    return 0.5 * std::erfc(-lead / (deviation * std::sqrt(2.0)));
}

int Simulator::leadOf(const GameRules& rules, int seat)
{
    std::optional<int> best;
    for (std::size_t k = 0; k < rules.players().size(); ++k)
        if (static_cast<int>(k) != seat)
            best = std::max(best.value_or(INT_MIN), static_cast<int>(rules.players()[k].score));
    const int own = rules.players()[static_cast<std::size_t>(seat)].score;
    return best ? own - *best : 0;
}

double Simulator::playSpread(PositionCopy& copy, const Setup& setup, int candidate, int round,
                             int& tilesLeft) const
{
    Game& game = copy.game();
    game.board() = m_game.board();
    const bool exchanging = static_cast<std::size_t>(candidate) == setup.candidates.size();
    std::string tiles = deal(setup, round);
    if (exchanging)
        tiles += setup.exchange;
    const int players = 1 + static_cast<int>(setup.opponentRacks.size());
    std::vector<std::string> racks(static_cast<std::size_t>(players));
    racks[0] = setup.rack;
    std::size_t next = 0;
    for (int seat = 1; seat < players; ++seat) {
        const std::size_t size =
            static_cast<std::size_t>(setup.opponentRacks[static_cast<std::size_t>(seat - 1)]);
        racks[static_cast<std::size_t>(seat)] = tiles.substr(next, std::min(size, tiles.size() - next));
        next += racks[static_cast<std::size_t>(seat)].size();
    }
    // Points gained over the opponents: an opponent's points count against the player shared
    // out among them, so that one strong reply weighs the same at any table size.
    const double opponentWeight = 1.0 / std::max(1, players - 1);
    double spread = 0;
    // What each player kept last, and whether they moved at all in the look-ahead.
    std::vector<std::string> lastLeaves(racks.size());
    std::vector<char> moved(racks.size(), 0);
    for (int ply = 0; ply < setup.plies; ++ply) {
        const int seat = ply % players;
        std::string& rack = racks[static_cast<std::size_t>(seat)];
        if (ply == 0 && exchanging) {
            letters::takeLetters(rack, setup.exchange);
            lastLeaves[0] = rack;
            moved[0] = 1;
            refill(rack, tiles, next);
            continue;
        }
        const Move move =
            ply == 0 ? setup.candidates[static_cast<std::size_t>(candidate)]
                     : copy.generator().bestMove(rack, next < tiles.size() ? m_leaves : m_stuckLeaves);
        if (move.isPass())
            continue;
        std::string kept = game.keptLetters(rack, move);
        game.layMove(move, game.board());
        spread += seat == 0 ? move.score : -opponentWeight * move.score;
        lastLeaves[static_cast<std::size_t>(seat)] = kept;
        moved[static_cast<std::size_t>(seat)] = 1;
        rack = kept;
        refill(rack, tiles, next);
        if (!rack.empty())
            continue;
        // Out with the bag empty: the game ends, each other player loses the points of the
        // tiles held and this one gains them all.
        tilesLeft = 0;
        return spread + goingOutSpread(game, racks, seat, opponentWeight);
    }
    // While the bag has tiles, each player who moved is left with what they kept, to be filled
    // again; once it is empty, each holds the tiles on their rack for good. The opponents'
    // leaves count against the player as their points do, since their replies were chosen
    // for score plus leave.
    const bool bagHasTiles = next < tiles.size();
    tilesLeft = static_cast<int>(tiles.size() - next);
    for (const std::string& rack : racks)
        tilesLeft += static_cast<int>(rack.size());
    for (std::size_t seat = 0; seat < racks.size(); ++seat)
        if (moved[seat] || !bagHasTiles)
            spread += (seat == 0 ? 1.0 : -opponentWeight) *
                      leaveWorth(bagHasTiles ? lastLeaves[seat] : racks[seat], bagHasTiles);
    return spread;
}

double Simulator::leaveWorth(const std::string& leave, bool bagHasTiles) const
{
    // The leave draws tiles while the bag has them; once it is empty it only costs its points.
    return (bagHasTiles ? m_leaves : m_stuckLeaves).value(leave);
}

std::size_t Simulator::candidateCount(const Setup& setup)
{
    return setup.candidates.size() + (setup.exchange.empty() ? 0 : 1);
}

int Simulator::run(const Setup& setup, const Limits& limits)
{
    const std::size_t count = candidateCount(setup);
    m_results.assign(count, Result{});
    m_sums.assign(count, 0.0);
    m_products.assign(count * count, 0.0);
    for (std::size_t k = 0; k < setup.candidates.size(); ++k)
        m_results[k].move = setup.candidates[k];
    if (count > setup.candidates.size())
        m_results.back().exchange = true;
    const int threads = std::max(1, limits.threads);
    while (static_cast<int>(m_copies.size()) < threads)
        m_copies.push_back(std::make_unique<PositionCopy>());
    for (int k = 0; k < threads; ++k)
        m_copies[static_cast<std::size_t>(k)]->take(m_game);

    int played = 0;
    bool stopped = count == 0;
    while (!stopped && played < limits.rounds) {
        const int batch = std::min(kBatchRounds, limits.rounds - played);
        std::vector<std::vector<double>> values(static_cast<std::size_t>(batch), std::vector<double>(count));
        std::vector<char> done(static_cast<std::size_t>(batch), 0);
        playBatch(setup, limits, played, batch, values, done);
        // Only the rounds before the first unfinished one count, so that the result is that
        // of a run asked for exactly that many rounds.
        int finished = 0;
        while (finished < batch && done[static_cast<std::size_t>(finished)])
            ++finished;
        for (int round = 0; round < finished; ++round)
            tally(values[static_cast<std::size_t>(round)]);
        played += finished;
        stopped = finished < batch || dropTrailing();
    }
    rank();
    return played;
}

void Simulator::playBatch(const Setup& setup, const Limits& limits, int first, int count,
                          std::vector<std::vector<double>>& values, std::vector<char>& done)
{
    std::atomic<int> next{0};
    std::atomic<bool> late{false};
    auto outOfTime = [&]() {
        if (late || (limits.stop != nullptr && limits.stop->load()) ||
            std::chrono::steady_clock::now() >= limits.deadline)
            late = true;
        return late.load();
    };
    auto worker = [&](PositionCopy& copy) {
        for (int round = next++; round < count && !outOfTime(); round = next++) {
            std::vector<double>& row = values[static_cast<std::size_t>(round)];
            bool whole = true;
            for (std::size_t k = 0; k < row.size() && whole; ++k) {
                if (m_results[k].dropped)
                    continue;
                whole = !outOfTime();
                if (whole)
                    row[k] = playOut(copy, setup, static_cast<int>(k), first + round);
            }
            done[static_cast<std::size_t>(round)] = whole ? 1 : 0;
        }
    };
    const int threads = std::min(std::max(1, limits.threads), count);
    std::vector<std::thread> helpers;
    for (int k = 1; k < threads; ++k)
        helpers.emplace_back(worker, std::ref(*m_copies[static_cast<std::size_t>(k)]));
    worker(*m_copies[0]);
    for (std::thread& helper : helpers)
        helper.join();
}

void Simulator::tally(const std::vector<double>& values)
{
    // Candidates still in play have played every round so far, so any two of them can be
    // compared round by round.
    const std::size_t count = values.size();
    for (std::size_t k = 0; k < count; ++k) {
        if (m_results[k].dropped)
            continue;
        m_sums[k] += values[k];
        ++m_results[k].rounds;
        for (std::size_t j = k; j < count; ++j)
            if (!m_results[j].dropped)
                m_products[k * count + j] += values[k] * values[j];
    }
}

bool Simulator::dropTrailing()
{
    // A candidate is dropped when its mean trails the leader's by more than kDropMargin
    // standard errors of the difference; the leader itself is never dropped. Every round deals
    // the same tiles to all candidates, so the error is that of the differences round by round,
    // far smaller than the two candidates' own errors together.
    const std::size_t count = m_results.size();
    std::size_t leader = count;
    for (std::size_t k = 0; k < count; ++k) {
        const Result& result = m_results[k];
        if (result.dropped || result.rounds == 0)
            continue;
        if (leader == count || m_sums[k] > m_sums[leader])
            leader = k;
    }
    if (leader == count)
        return true;
    const double n = m_results[leader].rounds;
    auto product = [&](std::size_t a, std::size_t b) {
        return m_products[std::min(a, b) * count + std::max(a, b)];
    };
    int left = 0;
    for (std::size_t k = 0; k < count; ++k) {
        Result& result = m_results[k];
        if (result.dropped)
            continue;
        const double gap = (m_sums[leader] - m_sums[k]) / n;
        const double squares = (product(k, k) - 2 * product(k, leader) + product(leader, leader)) / n;
        const double variance = std::max(0.0, squares - gap * gap) / n;
        if (k != leader && result.rounds >= kMinimumRounds && gap > kDropMargin * std::sqrt(variance))
            result.dropped = true;
        else
            ++left;
    }
    return left <= 1;
}

void Simulator::rank()
{
    for (std::size_t k = 0; k < m_results.size(); ++k) {
        Result& result = m_results[k];
        if (result.rounds == 0)
            continue;
        result.mean = m_sums[k] / result.rounds;
        const double squares = m_products[k * m_results.size() + k];
        result.deviation = std::sqrt(std::max(0.0, squares / result.rounds - result.mean * result.mean));
    }
    // Still in play before dropped; then the better mean; on a tie the earlier candidate.
    std::stable_sort(m_results.begin(), m_results.end(), [](const Result& a, const Result& b) {
        if (a.dropped != b.dropped)
            return !a.dropped;
        return a.mean > b.mean;
    });
}

std::vector<Move> Simulator::bestByEquity(const std::vector<Move>& moves, const Game& game,
                                          const LeaveValues& leaves, const std::string& rack, int count)
{
    std::vector<std::pair<double, Move>> ranked;
    for (const Move& move : moves)
        if (!move.isPass())
            ranked.emplace_back(move.score + leaves.value(game.keptLetters(rack, move)), move);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Move> best;
    for (std::size_t k = 0; k < ranked.size() && static_cast<int>(k) < count; ++k)
        best.push_back(ranked[k].second);
    return best;
}

} // namespace glyph
