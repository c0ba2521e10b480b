#include "ai/endgamesolver.h"

#include <algorithm>
#include <array>
#include <climits>

#include "ai/movegenerator.h"
#include "ai/positioncopy.h"
#include "base/letters.h"
#include "engine/game.h"
#include "engine/moveplacement.h"

namespace glyph
{

namespace
{

/// Entries of the table of positions seen (a power of two).
constexpr std::size_t kTableSize = std::size_t{1} << 18;
/// Positions searched between two looks at the clock.
constexpr long long kClockInterval = 64;
/// Deepest iteration: far beyond any real ending (every tile laid one by one, passes between).
constexpr int kMaxDepth = 64;
/// Window bounds, beyond any spread.
constexpr int kInfinity = INT_MAX / 2;
/// Letters A..Z, and square keys: a letter laid as itself or by a joker.
constexpr int kSquareKinds = 2 * kAlphabetSize;

std::uint64_t mix(std::uint64_t& state)
{
    state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

/// The random keys of the table: one per square and tile, per rack side, letter and copy, and
/// per count of passes.
struct Keys {
    std::array<std::array<std::array<std::uint64_t, kSquareKinds>, kBoardCells>, kBoardCells> squares{};
    std::array<std::array<std::array<std::uint64_t, kRackSize + 1>, kLetterCount>, 2> tiles{};
    std::array<std::uint64_t, EndgameSolver::kEndingPasses + 1> passes{};

    Keys()
    {
        std::uint64_t state = 25;
        for (auto& row : squares)
            for (auto& square : row)
                for (std::uint64_t& key : square)
                    key = mix(state);
        for (auto& side : tiles)
            for (auto& letter : side)
                for (std::uint64_t& key : letter)
                    key = mix(state);
        for (std::uint64_t& key : passes)
            key = mix(state);
    }
};

const Keys& randomKeys()
{
    static const Keys table;
    return table;
}

std::uint64_t squareKey(int row, int column, const Square& square)
{
    const int kind = (square.letter - 'A') * 2 + (square.joker != 0 ? 1 : 0);
    if (kind < 0 || kind >= kSquareKinds)
        return 0;
    return randomKeys().squares[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]
                               [static_cast<std::size_t>(kind)];
}

} // namespace

EndgameSolver::EndgameSolver(const Game& game, PositionCopy& copy) : m_game(game), m_copy(copy) {}

int EndgameSolver::passEnding(int mover, int other)
{
    // Each loses the points of its own tiles; nobody went out, so nobody gains them (tiles
    // worth nothing, jokers alone, are still tiles held).
    return other - mover;
}

int EndgameSolver::rackValue(const std::string& rack) const
{
    return letters::stringValue(m_game.letterSet(), rack);
}

std::uint64_t EndgameSolver::key(int side, int passes) const
{
    std::uint64_t result =
        m_boardKey ^ randomKeys().passes[static_cast<std::size_t>(std::min(passes, kEndingPasses))];
    for (int slot = 0; slot < 2; ++slot) {
        std::array<int, kLetterCount> seen{};
        for (char code : m_racks[(side + slot) % 2]) {
            const int letter = code - 'A';
            if (letter < 0 || letter >= kLetterCount || seen[static_cast<std::size_t>(letter)] >= kRackSize)
                continue;
            result ^= randomKeys().tiles[static_cast<std::size_t>(slot)][static_cast<std::size_t>(letter)]
                                        [static_cast<std::size_t>(seen[static_cast<std::size_t>(letter)]++)];
        }
    }
    return result;
}

bool EndgameSolver::outOfTime()
{
    if (m_aborted)
        return true;
    if (++m_positions % kClockInterval != 0)
        return false;
    m_aborted = (m_stop != nullptr && m_stop->load()) || std::chrono::steady_clock::now() >= m_deadline;
    return m_aborted;
}

EndgameSolver::Result EndgameSolver::solve(const std::string& rack, const std::string& opponentRack,
                                           int passes, std::chrono::steady_clock::time_point deadline,
                                           const std::atomic<bool>* stop)
{
    m_copy.take(m_game);
    m_racks[0] = rack;
    m_racks[1] = opponentRack;
    m_boardKey = 0;
    for (int row = 1; row <= m_game.rows(); ++row)
        for (int column = 1; column <= m_game.columns(); ++column)
            if (m_game.board()[row][column].letter != 0)
                m_boardKey ^= squareKey(row, column, m_game.board()[row][column]);
    m_table.assign(kTableSize, Entry{});
    m_aborted = false;
    m_positions = 0;

    Result result;
    for (int depth = 1; depth <= kMaxDepth; ++depth) {
        // The first iteration, one look at each move, always finishes: without it there would
        // be no move at all.
        m_deadline = depth == 1 ? std::chrono::steady_clock::time_point::max() : deadline;
        m_stop = depth == 1 ? nullptr : stop;
        bool complete = true;
        int bestIndex = -1;
        const int value = search(depth, -kInfinity, kInfinity, 0, passes, complete, &bestIndex);
        if (m_aborted)
            break;
        const std::vector<Choice> root = choices(0, -1);
        for (const Choice& choice : root)
            if (choice.index == bestIndex)
                result.move = choice.move;
        result.value = value;
        result.depth = depth;
        result.exact = complete;
        if (complete)
            break;
    }
    result.positions = m_positions;
    return result;
}

std::vector<EndgameSolver::Choice> EndgameSolver::choices(int side, int preferred)
{
    MoveGenerator& generator = m_copy.generator();
    generator.generate(m_racks[side]);
    const std::vector<Move>& moves = generator.moves();
    const int outBonus = 2 * rackValue(m_racks[1 - side]);
    std::vector<Choice> list;
    list.reserve(moves.size() + 1);
    bool havePass = false;
    for (std::size_t k = 0; k < moves.size(); ++k) {
        const Move& move = moves[k];
        int order = move.score;
        if (move.isPass()) {
            havePass = true;
            order = INT_MIN / 2;
        } else {
            // Tried by score, plus what going out gains or less what the tiles kept would
            // cost should the other side go out: their points twice. (By score and going out
            // alone, the search met more positions in every ending the benchmark solves.)
            const std::string kept = m_copy.game().keptLetters(m_racks[side], move);
            order += kept.empty() ? outBonus : -2 * rackValue(kept);
        }
        if (static_cast<int>(k) == preferred)
            order = INT_MAX;
        list.push_back({move, order, static_cast<int>(k)});
    }
    if (!havePass)
        list.push_back({Move{}, INT_MIN / 2, static_cast<int>(moves.size())});
    std::stable_sort(list.begin(), list.end(),
                     [](const Choice& a, const Choice& b) { return a.order > b.order; });
    return list;
}

int EndgameSolver::search(int depth, int alpha, int beta, int side, int passes, bool& complete,
                          int* bestIndex)
{
    const std::uint64_t position = key(side, passes);
    Entry& entry = m_table[position & (kTableSize - 1)];
    int preferred = -1;
    if (entry.key == position && entry.depth >= 0) {
        preferred = entry.best;
        if ((entry.complete != 0 || entry.depth >= depth) && bestIndex == nullptr) {
            const bool usable = entry.bound == Bound::Exact ||
                                (entry.bound == Bound::Lower && entry.value >= beta) ||
                                (entry.bound == Bound::Upper && entry.value <= alpha);
            if (usable) {
                complete = entry.complete != 0;
                return entry.value;
            }
        }
    }
    if (depth == 0) {
        // The horizon: what the tiles held would cost if the game ended here.
        complete = false;
        return passEnding(rackValue(m_racks[side]), rackValue(m_racks[1 - side]));
    }
    const int startAlpha = alpha;
    int best = -kInfinity;
    int bestChoice = -1;
    bool allComplete = true;
    for (const Choice& choice : choices(side, preferred)) {
        bool childComplete = true;
        const int value = playChoice(choice, depth, alpha, beta, side, passes, childComplete);
        if (m_aborted)
            return 0;
        allComplete = allComplete && childComplete;
        if (value > best) {
            best = value;
            bestChoice = choice.index;
        }
        alpha = std::max(alpha, value);
        if (alpha >= beta)
            break;
    }
    complete = allComplete;
    if (bestIndex != nullptr)
        *bestIndex = bestChoice;
    entry.key = position;
    entry.value = best;
    entry.depth = static_cast<std::int16_t>(depth);
    entry.best = static_cast<std::int16_t>(std::min(bestChoice, static_cast<int>(INT16_MAX)));
    entry.complete = allComplete ? 1 : 0;
    entry.bound = best <= startAlpha ? Bound::Upper : best >= beta ? Bound::Lower : Bound::Exact;
    return best;
}

int EndgameSolver::playChoice(const Choice& choice, int depth, int alpha, int beta, int side, int passes,
                              bool& complete)
{
    if (outOfTime())
        return 0;
    const Move& move = choice.move;
    if (move.isPass()) {
        if (passes + 1 >= kEndingPasses) {
            complete = true;
            return passEnding(rackValue(m_racks[side]), rackValue(m_racks[1 - side]));
        }
        return -search(depth - 1, -beta, -alpha, 1 - side, passes + 1, complete, nullptr);
    }
    Board& board = m_copy.board();
    const std::string rack = m_racks[side];
    const std::string kept = m_copy.game().keptLetters(rack, move);
    if (kept.empty()) {
        complete = true;
        return move.score + 2 * rackValue(m_racks[1 - side]);
    }
    // The squares the move covers, to be put back after the search below it.
    std::array<Square, kBoardCells> saved{};
    const int length = std::min(placement::wordLength(move), kBoardCells);
    for (int i = 0; i < length; ++i)
        saved[static_cast<std::size_t>(i)] = board[placement::rowAt(move, i)][placement::columnAt(move, i)];
    const std::uint64_t boardKey = m_boardKey;
    m_copy.game().layMove(move, board);
    for (int i = 0; i < length; ++i) {
        const int row = placement::rowAt(move, i);
        const int column = placement::columnAt(move, i);
        if (saved[static_cast<std::size_t>(i)].letter == 0)
            m_boardKey ^= squareKey(row, column, board[row][column]);
    }
    m_racks[side] = kept;
    // The reply is searched in the window that the move's score shifts.
    const int value =
        move.score - search(depth - 1, move.score - beta, move.score - alpha, 1 - side, 0, complete, nullptr);
    m_racks[side] = rack;
    m_boardKey = boardKey;
    for (int i = 0; i < length; ++i)
        board[placement::rowAt(move, i)][placement::columnAt(move, i)] = saved[static_cast<std::size_t>(i)];
    return value;
}

} // namespace glyph
