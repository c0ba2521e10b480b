#include "ai/rackinference.h"

#include <algorithm>
#include <cstring>
#include <random>

#include "ai/leavevalues.h"
#include "ai/positioncopy.h"
#include "engine/gamerules.h"
#include "engine/moveplacement.h"
#include "engine/unseentiles.h"

namespace glyph
{

std::optional<RackInference::Turn> RackInference::opponentsLastTurn(const GameRules& rules)
{
    const int position = rules.historyPosition();
    const std::vector<HistoryEntry>& history = rules.history();
    if (rules.players().size() != 2 || position < 1 || position >= static_cast<int>(history.size()))
        return std::nullopt;
    const HistoryEntry& before = history[static_cast<std::size_t>(position - 1)];
    const int opponent = 1 - rules.currentPlayerIndex();
    const Move& move = history[static_cast<std::size_t>(position)].move;
    if (before.currentPlayer != opponent || before.players.size() != 2 || move.isPass())
        return std::nullopt;
    const Player& player = before.players[static_cast<std::size_t>(opponent)];
    Turn turn;
    turn.before = before.board;
    turn.move = move;
    turn.rackSize = static_cast<int>(strnlen(player.rack, sizeof player.rack));
    turn.bagBefore = before.bag.total();
    return turn;
}

std::string RackInference::laidTiles(const Move& move, const Board& board)
{
    // The board is read without the game's extent: a move's squares lie on it, and the
    // border squares around the playing area are always empty.
    std::string laid;
    for (int i = 0; i < placement::wordLength(move); ++i) {
        const int row = placement::rowAt(move, i);
        const int column = placement::columnAt(move, i);
        if (row < 0 || row >= kBoardCells || column < 0 || column >= kBoardCells)
            return {};
        if (board[row][column].letter == 0)
            laid += move.word[i];
    }
    return laid;
}

std::vector<std::string> RackInference::keptLeaves(PositionCopy& copy, const LeaveValues& leaves,
                                                   const Turn& turn,
                                                   const std::array<int, kLetterCount>& unseen,
                                                   std::uint32_t seed,
                                                   std::chrono::steady_clock::time_point deadline)
{
    const std::string laid = laidTiles(turn.move, turn.before);
    const int keptSize = turn.rackSize - static_cast<int>(laid.size());
    std::string pool = unseentiles::letters(unseen);
    if (turn.move.isPass() || laid.empty() || keptSize <= 0 || turn.bagBefore < kRackSize ||
        keptSize > static_cast<int>(pool.size()))
        return {};

    Game& game = copy.game();
    game.board() = turn.before;
    std::mt19937 random(seed);
    std::vector<std::string> kept;
    for (int tries = 0; tries < kMaxTries && static_cast<int>(kept.size()) < kMaxKept &&
                        std::chrono::steady_clock::now() < deadline;
         ++tries) {
        // The first keptSize tiles of a partial shuffle are a uniform draw from the pool.
        for (int k = 0; k < keptSize; ++k) {
            std::uniform_int_distribution<std::size_t> pick(static_cast<std::size_t>(k), pool.size() - 1);
            std::swap(pool[static_cast<std::size_t>(k)], pool[pick(random)]);
        }
        const std::string leave = pool.substr(0, static_cast<std::size_t>(keptSize));
        const std::string rack = laid + leave;
        const Move best = copy.generator().bestMove(rack, leaves);
        const double played = turn.move.score + leaves.value(leave);
        if (!best.isPass() && played >= copy.generator().bestEquity() - kTolerance)
            kept.push_back(leave);
    }
    if (static_cast<int>(kept.size()) < kMinKept)
        return {};
    return kept;
}

} // namespace glyph
