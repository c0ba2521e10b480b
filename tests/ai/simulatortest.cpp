#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <functional>
#include <numeric>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/leavevalues.h"
#include "ai/movegenerator.h"
#include "ai/positioncopy.h"
#include "ai/rackinference.h"
#include "ai/simulator.h"
#include "aitable.h"
#include "base/letters.h"
#include "base/random.h"
#include "bruteforcefinder.h"
#include "engine/moveplacement.h"
#include "engine/unseentiles.h"

using glyph::Move;
using glyph::Simulator;
using glyph::test::moveKey;

namespace
{

const std::vector<std::string> kWords = {
    "AT",   "TA",  "AS",  "SEA", "EAT", "TEA",  "ATE",  "SAT",  "EATS", "SEAT", "TEAS", "EAST", "SATE",
    "ETA",  "NET", "TEN", "ANT", "TAN", "NEAT", "ANTE", "SANE", "ANE",  "SEN",  "TENS", "NETS", "ANTS",
    "STAN", "IN",  "IT",  "TI",  "SIT", "ITS",  "TIN",  "NIT",  "SIN",  "TINE", "SITE", "TIES"};

/// A game under way: a few moves laid, the player to move holding `rack`.
struct Position {
    explicit Position(const std::string& rack) : table(kWords)
    {
        table.start({glyph::test::makePlayer("One", "", rack), glyph::test::makePlayer("Two", "", "ZZQ")});
        glyph::Game& game = *table.game;
        for (const char* laid : {"SEAT", "TIN"})
            game.layMove(moveGenerator(game).bestMove(laid), game.board());
        moveGenerator(game).generate(rack);
    }
    /// The best `count` moves by score plus leave value, as SimulateMoves picks them.
    Simulator::Setup setup(int count, int plies, std::uint32_t seed)
    {
        glyph::Game& game = *table.game;
        const std::string rack = table.rules->currentPlayer().rack;
        return {.candidates = Simulator::bestByEquity(moveGenerator(game).moves(), game, leaveValues(game),
                                                      rack, count),
                .exchange = {},
                .rack = rack,
                .opponentRacks = {3},
                .unseen = glyph::unseentiles::counts(*table.rules, 0),
                .plies = plies,
                .seed = seed,
                .lead = {},
                .opponentLeaves = {}};
    }
    double equity(const Move& move)
    {
        glyph::Game& game = *table.game;
        return move.score +
               leaveValues(game).value(game.keptLetters(table.rules->currentPlayer().rack, move));
    }
    /// The best equity among the setup's candidates.
    double bestEquity(const Simulator::Setup& setup)
    {
        double best = -1e9;
        for (const Move& move : setup.candidates)
            best = std::max(best, equity(move));
        return best;
    }
    Simulator simulator() { return Simulator(*table.game, leaveValues(*table.game), copies); }
    /// A copy of the position to play rounds on, as each thread of the look-ahead has one.
    glyph::PositionCopy& playOutCopy()
    {
        playOut.take(*table.game);
        return playOut;
    }

    glyph::test::AiTable table;
    std::vector<std::unique_ptr<glyph::PositionCopy>> copies;
    glyph::PositionCopy playOut;
    const std::set<std::string> words{kWords.begin(), kWords.end()};
};

/// The move the brute-force lister finds with the best score plus `worth` of the letters kept,
/// among those that score, and that value; none when no move scores.
std::optional<std::pair<Move, double>> bestListed(const glyph::Game& game, const std::set<std::string>& words,
                                                  const std::string& rack,
                                                  const std::function<double(const std::string&)>& worth)
{
    std::optional<std::pair<Move, double>> best;
    for (const Move& move : glyph::test::bruteForceMoves(game, words, rack))
        if (const double value = move.score + worth(game.keptLetters(rack, move));
            move.score > 0 && (!best || value > best->second))
            best = {move, value};
    return best;
}

std::string standing(const std::vector<Simulator::Result>& results)
{
    std::string text;
    for (const Simulator::Result& result : results)
        text += moveKey(result.move) + " " + std::to_string(result.mean) + " " +
                std::to_string(result.rounds) + (result.dropped ? " dropped\n" : "\n");
    return text;
}

} // namespace

// The reply is the opponent's best (by the brute-force lister) from a rack of unseen tiles, and
// counts against the player. A move is worth its score plus its leave's value, or with the bag
// empty, less twice the points still held (the opponent may go out, keep a Z, or be stuck).
TEST(Simulator, RepliesAreTheBestByEquityFromTheTilesThePlayerCannotSee)
{
    Position position("AEINST");
    glyph::Game& game = *position.table.game;
    Simulator simulator = position.simulator();
    glyph::PositionCopy& copy = position.playOutCopy();
    const std::set<std::string>& words = position.words;
    const std::string ownRack = position.table.rules->currentPlayer().rack;
    auto worth = [&](const std::string& held, bool bagEmpty) {
        return bagEmpty ? -2.0 * glyph::letters::stringValue(game.letterSet(), held)
                        : leaveValues(game).value(held);
    };
    int replies = 0;
    for (const std::string unseen : {"", "ZZZZZZZZZZQQQQQ", "AT", "ATE", "ATZ", "QZ"}) {
        Simulator::Setup setup = position.setup(6, 2, 3);
        const bool bagEmpty = !unseen.empty() && unseen.size() <= 3;
        if (!unseen.empty())
            setup.unseen.fill(0);
        for (char letter : unseen)
            ++setup.unseen[static_cast<std::size_t>(letter - 'A')];
        const Move candidate = setup.candidates[0];
        const double candidateValue = candidate.score + worth(game.keptLetters(ownRack, candidate), bagEmpty);
        for (int round = 0; round < 8; ++round) {
            const glyph::Board before = game.board();
            game.layMove(candidate, game.board());
            const std::string rack = Simulator::deal(setup, round).substr(0, 3);
            // Whatever its value, a move that scores is played rather than a pass.
            const auto reply =
                bestListed(game, words, rack, [&](const std::string& held) { return worth(held, bagEmpty); });
            double value = candidateValue;
            if (reply)
                value -= reply->second;
            else if (bagEmpty)
                value -= worth(rack, true);
            game.board() = before;
            replies += reply ? 1 : 0;
            EXPECT_NEAR(simulator.playOut(copy, setup, 0, round), value, 1e-9) << unseen << " " << rack;
            // Played for the win, the round is worth its chance of winning from the lead it
            // leaves with the tiles not yet played (none once a player has gone out).
            const std::string replyKept = reply ? game.keptLetters(rack, reply->first) : rack;
            const bool over = bagEmpty && replyKept.empty();
            const int tilesLeft = over ? 0
                                       : std::accumulate(setup.unseen.begin(), setup.unseen.end(), 0) +
                                             static_cast<int>(game.keptLetters(ownRack, candidate).size()) -
                                             static_cast<int>(rack.size() - replyKept.size());
            for (const int lead : {-40, 15}) {
                setup.lead = lead;
                EXPECT_NEAR(simulator.playOut(copy, setup, 0, round),
                            Simulator::kWinWorth * Simulator::winChance(lead + value, tilesLeft) + value,
                            1e-9)
                    << unseen << " " << rack << " " << lead;
            }
            setup.lead.reset();
        }
    }
    EXPECT_GT(replies, 8);
}

// An exchange lays nothing and scores nothing: the reply is the opponent's best on the board
// as it stands, and the player then moves from the tiles kept and those a move laying as many
// tiles would have drawn (the bag's first, after the opponent's rack).
TEST(Simulator, WeighsAnExchangeByTheTilesKeptAndTheTilesDrawn)
{
    Position position("AEINSTT");
    glyph::Game& game = *position.table.game;
    Simulator simulator = position.simulator();
    glyph::PositionCopy& copy = position.playOutCopy();
    const glyph::LeaveValues& leaves = leaveValues(game);
    // The best equity of a move that scores, by the brute-force lister; the move is laid.
    auto play = [&](const std::string& rack) -> std::optional<double> {
        const auto best = bestListed(game, position.words, rack,
                                     [&](const std::string& kept) { return leaves.value(kept); });
        if (best)
            game.layMove(best->first, game.board());
        return best ? std::optional(best->second) : std::nullopt;
    };
    Simulator::Setup setup = position.setup(4, 3, 11);
    setup.exchange = "TNIS";
    const int exchange = static_cast<int>(setup.candidates.size());
    int ownMoves = 0;
    for (int round = 0; round < 8; ++round) {
        const glyph::Board before = game.board();
        const std::string dealt = Simulator::deal(setup, round);
        const std::string opponentRack = dealt.substr(0, 3);
        const std::string ownRack = "AET" + dealt.substr(3, 4);
        double value = 0;
        if (const std::optional<double> reply = play(opponentRack))
            value -= *reply;
        const std::optional<double> own = play(ownRack);
        value += own ? *own : leaves.value("AET");
        ownMoves += own ? 1 : 0;
        game.board() = before;
        EXPECT_NEAR(simulator.playOut(copy, setup, exchange, round), value, 1e-9) << dealt;
    }
    EXPECT_GT(ownMoves, 4);

    // With one ply it is worth the tiles kept (ProfilesMayWeighAnExchange ranks it).
    setup.plies = 1;
    EXPECT_NEAR(simulator.playOut(copy, setup, exchange, 0), leaves.value("AET"), 1e-9);
}

// The chance of winning grows with the lead, is even at a tie, is the same from either side,
// and is surer the fewer tiles are left to play; with none left the lead decides.
TEST(Simulator, WinChanceFollowsTheLeadAndTheTilesLeft)
{
    for (const int tiles : {1, 14, 90}) {
        EXPECT_DOUBLE_EQ(Simulator::winChance(0, tiles), 0.5);
        for (const double lead : {5.0, 30.0}) {
            EXPECT_NEAR(Simulator::winChance(lead, tiles) + Simulator::winChance(-lead, tiles), 1.0, 1e-12);
            EXPECT_GT(Simulator::winChance(lead, tiles), Simulator::winChance(lead - 4, tiles)) << lead;
            EXPECT_GT(Simulator::winChance(lead, tiles), Simulator::winChance(lead, tiles + 20)) << lead;
        }
    }
    EXPECT_EQ(Simulator::winChance(1, 0), 1.0);
    EXPECT_EQ(Simulator::winChance(0, 0), 0.5);
    EXPECT_EQ(Simulator::winChance(-1, 0), 0.0);
}

// Played for the win, a player's lead is over the best of the others, whoever is to move.
TEST(Simulator, LeadIsOverTheBestOpponent)
{
    glyph::test::AiTable table(kWords);
    table.start({glyph::test::makePlayer("One", "", "A"), glyph::test::makePlayer("Two", "", "E"),
                 glyph::test::makePlayer("Three", "", "I")});
    const int scores[] = {120, 150, 90};
    for (std::size_t seat = 0; seat < 3; ++seat)
        table.rules->players()[seat].score = scores[seat];
    EXPECT_EQ(Simulator::leadOf(*table.rules, 0), -30);
    EXPECT_EQ(Simulator::leadOf(*table.rules, 1), 30);
    EXPECT_EQ(Simulator::leadOf(*table.rules, 2), -60);
}

// The same seed gives the same standing on one thread or two; another seed, other values.
TEST(Simulator, IsReproducibleForAGivenNumberOfRoundsAndSeed)
{
    Position position("AEINSTE");
    auto play = [&](std::uint32_t seed, int threads) {
        Simulator simulator = position.simulator();
        const int rounds = simulator.run(position.setup(8, 2, seed), {.rounds = 40, .threads = threads});
        return std::to_string(rounds) + "\n" + standing(simulator.results());
    };
    const std::string once = play(11, 1);
    EXPECT_EQ(play(11, 2), once);
    EXPECT_NE(play(12, 2), once);
    // The average is that of the rounds one by one (too few rounds to drop any candidate).
    Simulator simulator = position.simulator();
    const Simulator::Limits limits{.rounds = Simulator::kBatchRounds};
    const Simulator::Setup setup = position.setup(3, 3, 11);
    simulator.run(setup, limits);
    for (std::size_t k = 1; k < simulator.results().size(); ++k)
        EXPECT_GE(simulator.results()[k - 1].mean, simulator.results()[k].mean)
            << standing(simulator.results());
    for (const Simulator::Result& result : simulator.results()) {
        const auto at = std::find_if(setup.candidates.begin(), setup.candidates.end(),
                                     [&](const Move& move) { return moveKey(move) == moveKey(result.move); });
        double sum = 0;
        for (int round = 0; round < limits.rounds; ++round)
            sum += simulator.playOut(*position.copies[0], setup,
                                     static_cast<int>(at - setup.candidates.begin()), round);
        EXPECT_NEAR(result.mean, sum / limits.rounds, 1e-9);
    }
}

// The drop rule replayed on the rounds' values: from the minimum on, after each batch, a
// candidate whose round-by-round differences from the leader's values put it more than the
// margin of standard errors behind is dropped and plays no more; the search ends when one is
// left, and that one comes first.
TEST(Simulator, DropsByTheDifferencesRoundByRoundAndStopsWhenOneIsLeft)
{
    glyph::random::seed(6); // a bag that drops the candidates one batch after another
    Position position("AEINSTE");
    const Simulator::Setup setup = position.setup(8, 2, 1);
    Simulator simulator = position.simulator();
    const int rounds = simulator.run(setup, {.rounds = 96, .threads = 2});
    const std::size_t count = setup.candidates.size();
    std::vector<std::vector<double>> values(count); // [candidate][round]
    for (std::size_t k = 0; k < count; ++k)
        for (int round = 0; round < 96; ++round)
            values[k].push_back(simulator.playOut(*position.copies[0], setup, static_cast<int>(k), round));
    std::vector<int> played(count, 96);
    std::vector<bool> dropped(count, false);
    int left = static_cast<int>(count);
    int end = Simulator::kMinimumRounds;
    for (; left > 1 && end <= 96; end += Simulator::kBatchRounds) {
        auto mean = [&](const std::vector<double>& xs) {
            return std::accumulate(xs.begin(), xs.end(), 0.0) / end;
        };
        auto first = [&](std::size_t k) {
            return std::vector<double>(values[k].begin(), values[k].begin() + end);
        };
        std::size_t leader = std::find(dropped.begin(), dropped.end(), false) - dropped.begin();
        for (std::size_t k = 0; k < count; ++k)
            if (!dropped[k] && mean(first(k)) > mean(first(leader)))
                leader = k;
        for (std::size_t k = 0; k < count; ++k) {
            std::vector<double> differences = first(leader);
            std::transform(differences.begin(), differences.end(), values[k].begin(), differences.begin(),
                           std::minus<>());
            const double gap = mean(differences);
            const double squares =
                std::inner_product(differences.begin(), differences.end(), differences.begin(), 0.0);
            if (!dropped[k] && k != leader &&
                gap > Simulator::kDropMargin * std::sqrt((squares / end - gap * gap) / end)) {
                dropped[k] = true;
                played[k] = end;
                --left;
            }
        }
    }
    EXPECT_EQ(rounds, left == 1 ? end - Simulator::kBatchRounds : 96);
    EXPECT_GT(rounds, Simulator::kMinimumRounds); // the bag must put the rule to work
    EXPECT_FALSE(simulator.results()[0].dropped);
    for (const Simulator::Result& result : simulator.results()) {
        const auto at = std::find_if(setup.candidates.begin(), setup.candidates.end(),
                                     [&](const Move& move) { return moveKey(move) == moveKey(result.move); });
        const std::size_t k = static_cast<std::size_t>(at - setup.candidates.begin());
        EXPECT_EQ(result.dropped, dropped[k]) << standing(simulator.results());
        EXPECT_EQ(result.rounds, std::min(played[k], rounds)) << standing(simulator.results());
    }
}

// A search out of time or asked to stop plays no round and keeps the candidates' order.
TEST(Simulator, StopsAtTheDeadlineOrWhenAsked)
{
    Position position("AEINST");
    const Simulator::Setup setup = position.setup(5, 2, 1);
    std::atomic<bool> stop{false};
    for (int way = 0; way < 2; ++way) {
        Simulator simulator = position.simulator();
        stop = way == 1;
        const auto deadline =
            way == 0 ? std::chrono::steady_clock::now() : std::chrono::steady_clock::time_point::max();
        EXPECT_EQ(simulator.run(setup, {.deadline = deadline, .stop = &stop, .threads = 2}), 0);
        for (std::size_t k = 0; k < setup.candidates.size(); ++k)
            EXPECT_EQ(moveKey(simulator.results()[k].move), moveKey(setup.candidates[k]));
    }
}

// From a profile: SimulateMoves puts its winner at MoveAt(0) and keeps every move of the list;
// an Escape before it runs makes it return at once; SolveEndgame answers only with the bag empty.
TEST(Simulator, ProfilesSeeTheWinnerFirstAndCanBeInterrupted)
{
    Position position("AEINSTT");
    glyph::Game& game = *position.table.game;
    glyph::LuaHost& host = scriptHost(game);
    const std::string profile = position.table.writeProfile(
        "Look.cpu", "Debug((SimulateMoves(6, 1, 5000, 64))) SetSolution(MoveAt(0))");
    glyph::Player& player = position.table.rules->currentPlayer();
    player.setProfile(profile);
    const double best = position.bestEquity(position.setup(6, 1, 0));
    moveGenerator(game).generate(player.rack);
    std::vector<std::string> before;
    for (const Move& move : moveGenerator(game).moves())
        before.push_back(moveKey(move));

    const Move chosen = host.chooseMove(player);
    EXPECT_TRUE(host.lastError().empty()) << host.lastError();
    EXPECT_NEAR(position.equity(chosen), best, 1e-9) << moveKey(chosen);
    EXPECT_GT(std::stoi(position.table.view.scriptOutput.back()), 0);
    std::vector<std::string> after;
    for (const Move& move : moveGenerator(game).moves())
        after.push_back(moveKey(move));
    EXPECT_EQ(after.front(), moveKey(chosen));
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);

    // A number of rounds that is not positive is no fixed number, as when it is left out.
    ASSERT_TRUE(host.runText("Debug((SimulateMoves(6, 1, 300, 1)), (SimulateMoves(6, 1, 300, 0)),"
                             " (SimulateMoves(6, 1, 300, -3)), (SimulateMoves(6, 1, 300, false)))"));
    std::istringstream rounds(position.table.view.scriptOutput.back());
    int played = 0;
    rounds >> played;
    EXPECT_EQ(played, 1);
    for (int asked = 0; asked < 3 && rounds >> played; ++asked)
        EXPECT_GT(played, 1) << position.table.view.scriptOutput.back();
    EXPECT_TRUE(rounds.eof()) << position.table.view.scriptOutput.back();

    host.interrupt();
    host.chooseMove(player);
    EXPECT_EQ(position.table.view.scriptOutput.back(), "0");
    EXPECT_FALSE(host.interruptFlag().load()) << "cleared when the turn ends";

    ASSERT_TRUE(host.runText("Debug(select('#', SolveEndgame(100)))"));
    EXPECT_EQ(position.table.view.scriptOutput.back(), "0");
    while (position.table.rules->bag().total() > 0)
        position.table.rules->bag().draw(glyph::Bag::kMaxDraw);
    player.setRack("ATE");
    moveGenerator(game).generate(player.rack);
    ASSERT_TRUE(host.runText("local spread, exact = SolveEndgame(5000) Debug(exact, MoveAt(0))"));
    EXPECT_EQ(position.table.view.scriptOutput.back().rfind("true ", 0), 0u)
        << position.table.view.scriptOutput.back();
}

// SimulateMoves weighs an exchange of rack letters with the moves when asked, and says whether
// it came first; letters the rack does not hold are not weighed.
TEST(Simulator, ProfilesMayWeighAnExchange)
{
    Position position("AEVVWWZ");
    glyph::Game& game = *position.table.game;
    glyph::LuaHost& host = scriptHost(game);
    const double best = position.bestEquity(position.setup(6, 1, 0));
    const glyph::LeaveValues& leaves = leaveValues(game);
    auto simulate = [&](const std::string& letters) {
        EXPECT_TRUE(host.runText("Debug(SimulateMoves(6, 1, 5000, 64, false, '" + letters + "'))"));
        return position.table.view.scriptOutput.back();
    };
    const std::string alone = simulate("");
    EXPECT_EQ(alone.substr(alone.find(' ')), " false");
    EXPECT_EQ(simulate("QQ"), alone) << "not on the rack";
    // One ply: a round is worth the static value, of a move or of the tiles kept.
    ASSERT_GT(leaves.value("AE"), best);
    ASSERT_LT(leaves.value("VVWWZ"), best);
    for (const auto& [letters, wins] : {std::pair{"vvwwz", " true"}, std::pair{"AE", " false"}}) {
        const std::string output = simulate(letters);
        EXPECT_GT(std::stoi(output), 0) << letters;
        EXPECT_EQ(output.substr(output.find(' ')), wins) << letters;
    }
}

// A search asked for more time than the profile has ends early enough for the script to go on.
TEST(Simulator, LeavesTheScriptTimeToFinish)
{
    Position position("AEINSTE");
    glyph::LuaHost& host = scriptHost(*position.table.game);
    host.setRunTimeLimit(std::chrono::milliseconds(600));
    glyph::Player& player = position.table.rules->currentPlayer();
    player.setProfile(position.table.writeProfile("Long.cpu", "SimulateMoves(10, 2, 100000) Debug('done')"));
    host.chooseMove(player);
    EXPECT_TRUE(host.lastError().empty()) << host.lastError();
    EXPECT_EQ(position.table.view.scriptOutput.back(), "done");
}

// The opponent's last move read back: every leave kept is one that, with the tiles the move
// laid, makes the move (nearly) the best by equity, by the brute-force lister; it is drawn from
// the tiles the player cannot see; the same seed keeps the same leaves; and the position is
// one where many draws do not explain the move, so keeping every draw would fail.
TEST(Simulator, InfersTheOpponentsLeaveFromTheMoveTheyPlayed)
{
    Position position("AEINST");
    glyph::Game& game = *position.table.game;
    const glyph::LeaveValues& leaves = leaveValues(game);
    const std::set<std::string>& words = position.words;
    const std::array<int, glyph::kLetterCount> unseen = position.setup(2, 2, 1).unseen;
    auto bestEquity = [&](const std::string& rack) {
        const auto best =
            bestListed(game, words, rack, [&](const std::string& kept) { return leaves.value(kept); });
        return best ? best->second : -1e9;
    };
    glyph::RackInference::Turn turn;
    turn.before = game.board();
    turn.move = moveGenerator(game).bestMove("T", leaves);
    turn.rackSize = 7;
    turn.bagBefore = 40;
    const std::string laid = glyph::RackInference::laidTiles(turn.move, game.board());
    ASSERT_FALSE(laid.empty());
    glyph::PositionCopy& copy = position.playOutCopy();
    const auto forever = std::chrono::steady_clock::time_point::max();
    const std::vector<std::string> kept =
        glyph::RackInference::keptLeaves(copy, leaves, turn, unseen, 5, forever);
    ASSERT_GE(kept.size(), static_cast<std::size_t>(glyph::RackInference::kMinKept));
    EXPECT_EQ(glyph::RackInference::keptLeaves(copy, leaves, turn, unseen, 5, forever), kept);
    for (const std::string& leave : kept) {
        ASSERT_EQ(leave.size() + laid.size(), 7u);
        std::array<int, glyph::kLetterCount> left = unseen;
        for (char letter : leave)
            EXPECT_GE(--left[static_cast<std::size_t>(letter - 'A')], 0) << leave;
        EXPECT_GE(turn.move.score + leaves.value(leave) + glyph::RackInference::kTolerance,
                  bestEquity(laid + leave))
            << leave;
    }
    int unexplained = 0;
    for (int draw = 0; draw < 60; ++draw) {
        std::string pool = Simulator::deal(position.setup(2, 2, static_cast<std::uint32_t>(draw)), 0);
        const std::string leave = pool.substr(0, 7 - laid.size());
        unexplained += turn.move.score + leaves.value(leave) + glyph::RackInference::kTolerance <
                               bestEquity(laid + leave)
                           ? 1
                           : 0;
    }
    EXPECT_GT(unexplained, 5) << kept.size();

    // Nothing to read: no tile laid, the rack emptied, or leaves weighed less near the end.
    glyph::RackInference::Turn pass = turn;
    pass.move = Move{};
    glyph::RackInference::Turn emptied = turn;
    emptied.rackSize = static_cast<int>(laid.size());
    glyph::RackInference::Turn late = turn;
    late.bagBefore = glyph::kRackSize - 1;
    for (const glyph::RackInference::Turn& nothing : {pass, emptied, late})
        EXPECT_TRUE(glyph::RackInference::keptLeaves(copy, leaves, nothing, unseen, 5, forever).empty());
}

// Each round deals the unseen tiles, each exactly once, and rounds deal them differently; with
// leaves inferred, one of them first, then the other unseen tiles; a leave the unseen tiles
// cannot make is not dealt.
TEST(Simulator, DealsTheUnseenTilesAnInferredLeaveFirst)
{
    Position position("AEINST");
    Simulator::Setup setup = position.setup(2, 2, 4);
    const std::string unseen = glyph::unseentiles::letters(setup.unseen);
    const Simulator::Setup uniform = setup;
    setup.opponentLeaves = {"QZ", "AE", "AE"};
    std::set<std::string> heads;
    std::set<std::string> deals;
    for (int round = 0; round < 30; ++round) {
        std::string dealt = Simulator::deal(setup, round);
        std::string plain = Simulator::deal(uniform, round);
        heads.insert(dealt.substr(0, 2));
        deals.insert(plain);
        EXPECT_TRUE(dealt.starts_with("QZ") || dealt.starts_with("AE")) << dealt;
        for (std::string* text : {&dealt, &plain}) {
            std::sort(text->begin(), text->end());
            EXPECT_EQ(*text, unseen);
        }
    }
    EXPECT_EQ(heads.size(), 2u);
    EXPECT_GT(deals.size(), 25u);
    setup.opponentLeaves = {"ZZZZZZZZZZZZZZZZZZZZ"};
    EXPECT_EQ(Simulator::deal(setup, 3), Simulator::deal(uniform, 3));
}

// The turn read back is the opponent's last, as the table saw it: the board before it, the
// move, the size of their rack and of the bag then; none at the start or at a table of three.
TEST(Simulator, ReadsBackTheOpponentsLastTurnOnly)
{
    for (const int seats : {2, 3}) {
        glyph::test::AiTable table(kWords);
        std::vector<glyph::Player> players;
        for (int seat = 0; seat < seats; ++seat)
            players.push_back(
                glyph::test::makePlayer("P" + std::to_string(seat), "", seat == 1 ? "TIN" : "SEAT"));
        table.start(players);
        glyph::Game& game = *table.game;
        EXPECT_FALSE(glyph::RackInference::opponentsLastTurn(*table.rules));
        table.rules->playMove(moveGenerator(game).generate(table.rules->currentPlayer().rack));
        const glyph::Board before = game.board();
        const int bag = table.rules->bag().total();
        const Move move = moveGenerator(game).generate(table.rules->currentPlayer().rack);
        table.rules->playMove(move);
        const std::optional<glyph::RackInference::Turn> turn =
            glyph::RackInference::opponentsLastTurn(*table.rules);
        ASSERT_EQ(turn.has_value(), seats == 2);
        if (!turn)
            continue;
        EXPECT_EQ(moveKey(turn->move), moveKey(move));
        EXPECT_EQ(turn->rackSize, 3);
        EXPECT_EQ(turn->bagBefore, bag);
        EXPECT_TRUE(turn->before == before);
        const std::string laid = glyph::RackInference::laidTiles(turn->move, turn->before);
        const std::string kept =
            glyph::placement::keptLetters("TIN", move, before, {game.rows(), game.columns()});
        EXPECT_EQ(laid.size() + kept.size(), 3u) << laid << " " << kept;
    }
}
