#include "ai/movegenerator.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>

#include "ai/leavevalues.h"
#include "ai/windowscore.h"
#include "base/letters.h"
#include "engine/boardgeometry.h"
#include "engine/game.h"

namespace glyph
{

namespace
{

/// Cross-check set of a square that any letter may take.
constexpr std::uint32_t kAllLetters = 0xFFFFFFFFu;
/// Bits of the letters 'A'..'Z'.
constexpr std::uint32_t kAlphabetMask = (1u << 26) - 1u;
/// Bit of a search-graph entry that marks the end of a word.
constexpr std::uint32_t kEndOfWordBit = 1u << 31;
/// Letters 'A'..'Z'; node letter codes from here on are not letters and are skipped.
/// Rack-count index of the jokers.
/// Marks "no such node".
constexpr std::uint32_t kNoNode = 0xFFFFFFFFu;
/// Letters laid to the left of the centre at most on the first move.
constexpr int kFirstMoveLeftLimit = kRackSize - 1;
/// Longest word a Move can hold (its fields keep a terminator).
constexpr int kMaxWordLength = static_cast<int>(sizeof(Move::word)) - 1;
/// Moves reserved up front so that a typical search never grows the list.
constexpr std::size_t kInitialReserve = 8192;
/// Widest score range sorted by counting; wider ranges use a comparison sort.
constexpr int kCountingSortRange = 8192;
/// Tiles a move must lay to earn the bonus.
constexpr int kBonusTiles = 7;

int letterCode(DawgNode node)
{
    return static_cast<int>(node >> dicformat::kLetterShift);
}

/// Set bits of a mask, computed inline (the library call costs more than the count).
inline std::uint32_t bitCount(std::uint32_t bits)
{
    bits = bits - ((bits >> 1) & 0x55555555u);
    bits = (bits & 0x33333333u) + ((bits >> 2) & 0x33333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0Fu;
    return (bits * 0x01010101u) >> 24;
}

/// Index of the child with letter `code` in a list starting at `first` whose letters are `all`.
inline std::uint32_t childAt(std::uint32_t first, std::uint32_t all, int code)
{
    return first + bitCount(all & ((1u << code) - 1u));
}

/// 1 for a square holding a tile, 0 for an empty one.
inline int holdsTile(const Square& square)
{
    return square.letter != 0 ? 1 : 0;
}

/// The points of the run of tiles that ends on each square, coming from above, from below,
/// from the left and from the right (0 on an empty square). A cross word's board tiles are the
/// runs that end next to its square. Built in one sweep each way, with no branch on what the
/// squares hold: the board is read anew on every search, and which squares hold tiles follows
/// no pattern a branch predictor could learn.
struct TileRuns {
    using Grid = std::array<std::array<int, kBoardCells>, kBoardCells>;
    Grid above{}, below{}, before{}, after{};
    /// Letter values by `letter & 31`: 'A'..'Z' are 1..26 and an empty square's 0 is 0.
    std::array<int, 32> letterValue{};

    TileRuns(const Board& board, int rows, int columns, const int* values)
    {
        for (int code = 0; code < kAlphabetSize; ++code)
            letterValue[static_cast<std::size_t>(code + 1)] = values[code];
        for (int row = 1; row <= rows; ++row)
            for (int column = 1; column <= columns; ++column) {
                const Square& square = board[row][column];
                above[row][column] = holdsTile(square) * (above[row - 1][column] + tileValue(square));
                before[row][column] = holdsTile(square) * (before[row][column - 1] + tileValue(square));
            }
        for (int row = rows; row >= 1; --row)
            for (int column = columns; column >= 1; --column) {
                const Square& square = board[row][column];
                below[row][column] = holdsTile(square) * (below[row + 1][column] + tileValue(square));
                after[row][column] = holdsTile(square) * (after[row][column + 1] + tileValue(square));
            }
    }
    /// A tile's points; a joker's are 0.
    int tileValue(const Square& square) const
    {
        return letterValue[static_cast<std::size_t>(square.letter & 31)] * (square.joker == 0 ? 1 : 0);
    }
};

} // namespace

MoveGenerator::MoveGenerator(const Game& game) : m_game(game)
{
    m_moves.reserve(kInitialReserve);
    m_leftParts.reserve(kInitialReserve);
}

const Move* MoveGenerator::moveAt(int index) const
{
    if (index < 0 || index >= size())
        return nullptr;
    return &m_moves[static_cast<std::size_t>(index)];
}

Move MoveGenerator::findMoveWithScore(int score) const
{
    // The list is sorted by score when generated, but the searches reorder it: look at all.
    const Move* found = nullptr;
    for (const Move& move : m_moves)
        if (move.score <= score && (found == nullptr || move.score > found->score))
            found = &move;
    return found != nullptr ? *found : Move{};
}

Move MoveGenerator::generate(std::string_view rack)
{
    m_mode = Mode::List;
    liftLimits();
    m_moves.clear();
    if (m_moves.capacity() < kInitialReserve)
        m_moves.reserve(kInitialReserve);
    m_moves.emplace_back();
    if (!prepare(rack))
        return m_moves.front();
    search();
    sortMoves();
    return m_moves.front();
}

Move MoveGenerator::bestMove(std::string_view rack)
{
    return findBest(rack, nullptr);
}

Move MoveGenerator::bestMove(std::string_view rack, const LeaveValues& leaves)
{
    return findBest(rack, &leaves);
}

bool MoveGenerator::prepare(std::string_view rack)
{
    m_rackCounts.fill(0);
    for (char code : rack) {
        if (code < 'A' || code > kJoker)
            continue;
        std::uint8_t& count = m_rackCounts[static_cast<std::size_t>(code - 'A')];
        if (count < UINT8_MAX)
            ++count;
    }
    m_rackTiles = 0;
    for (std::uint8_t count : m_rackCounts)
        m_rackTiles += count;
    m_rackLetters = 0;
    for (int code = 0; code < kAlphabetSize; ++code)
        if (m_rackCounts[static_cast<std::size_t>(code)] != 0)
            m_rackLetters |= 1u << code;

    m_rows = std::clamp(m_game.rows(), 0, kMaxBoardSize);
    m_columns = std::clamp(m_game.columns(), 0, kMaxBoardSize);
    if (!prepareLetterMasks(m_game.dictionary()) || m_rows == 0 || m_columns == 0)
        return false;
    updateBoards();
    m_wordLength = 0;
    m_jokersLaid = 0;
    m_word.fill(0);
    collectLeftParts();
    return true;
}

void MoveGenerator::search()
{
    const int centreRow = geometry::centreRow(m_rows);
    const int centreColumn = geometry::centreColumn(m_columns);
    if (m_board[centreRow][centreColumn].letter != 0) {
        m_across = 1;
        scan(m_board, m_acrossChecks, m_rows, m_columns);
        m_across = 0;
        m_wordLength = 0;
        m_word.fill(0);
        scan(m_transposed, m_downChecks, m_columns, m_rows);
    } else {
        searchFirstMove();
    }
}

void MoveGenerator::updateBoards()
{
    // The cross-checks of the last search stay valid for the squares whose neighbourhood did
    // not change: when the dictionary and board size are the same and only a few squares
    // differ (the tiles of a move laid or taken back), only the squares around them are
    // computed again.
    const Dictionary& dictionary = m_game.dictionary();
    const bool reusable = m_checksValid && m_checksDictionary == &dictionary &&
                          m_checksGeneration == dictionary.generation() && m_checksRows == m_rows &&
                          m_checksColumns == m_columns;
    m_checksValid = true;
    m_checksDictionary = &dictionary;
    m_checksGeneration = dictionary.generation();
    m_checksRows = m_rows;
    m_checksColumns = m_columns;
    const Board& board = m_game.board();
    std::array<std::pair<std::uint8_t, std::uint8_t>, kMaxChangedSquares> changed{};
    int changes = 0;
    for (int row = 1; row <= m_rows && reusable && changes <= kMaxChangedSquares; ++row)
        for (int column = 1; column <= m_columns && changes <= kMaxChangedSquares; ++column) {
            if (board[row][column] == m_board[row][column])
                continue;
            if (changes < kMaxChangedSquares)
                changed[static_cast<std::size_t>(changes)] = {static_cast<std::uint8_t>(row),
                                                              static_cast<std::uint8_t>(column)};
            ++changes;
        }
    if (!reusable || changes > kMaxChangedSquares) {
        copyBoards();
        computeCrossChecks(m_board, m_acrossChecks, m_rows, m_columns);
        computeCrossChecks(m_transposed, m_downChecks, m_columns, m_rows);
        return;
    }
    for (int k = 0; k < changes; ++k) {
        const auto [row, column] = changed[static_cast<std::size_t>(k)];
        m_board[row][column] = board[row][column];
        m_transposed[column][row] = board[row][column];
    }
    for (int k = 0; k < changes; ++k) {
        const auto [row, column] = changed[static_cast<std::size_t>(k)];
        refreshAround(m_board, m_acrossChecks, row, column, m_rows);
        refreshAround(m_transposed, m_downChecks, column, row, m_columns);
    }
}

void MoveGenerator::refreshAround(const Board& grid, CheckGrid& checks, int line, int position, int lines)
{
    // A square's set depends on the run of tiles directly above and below it, so a change
    // reaches the square itself and the first empty square past the tiles either way.
    refreshSquare(grid, checks, line, position);
    int above = line - 1;
    while (above >= 1 && grid[above][position].letter != 0)
        --above;
    if (above >= 1)
        refreshSquare(grid, checks, above, position);
    int below = line + 1;
    while (below <= lines && grid[below][position].letter != 0)
        ++below;
    if (below <= lines)
        refreshSquare(grid, checks, below, position);
}

void MoveGenerator::refreshSquare(const Board& grid, CheckGrid& checks, int line, int position)
{
    if (grid[line][position].letter != 0) {
        checks[line][position] = 0;
        return;
    }
    const bool above = grid[line - 1][position].letter != 0;
    const bool below = grid[line + 1][position].letter != 0;
    checks[line][position] = (above || below) ? crossCheck(grid, line, position) : kAllLetters;
}

bool MoveGenerator::prepareLetterMasks(const Dictionary& dictionary)
{
    // No dictionary: nothing to search. The search graph is rebuilt only when another array
    // is loaded, which the dictionary's generation tells.
    m_nodes = dictionary.nodes();
    m_nodeCount = dictionary.nodeCount();
    if (m_nodes == nullptr || m_nodeCount <= dicformat::kFirstLetterListIndex)
        return false;
    if (m_graphDictionary == &dictionary && m_graphGeneration == dictionary.generation())
        return m_listsAscending;
    m_graphDictionary = &dictionary;
    m_graphGeneration = dictionary.generation();
    m_listsAscending = buildGraph();
    m_bingoWords.clear();
    if (!m_listsAscending)
        m_graph.clear();
    return m_listsAscending;
}

std::uint32_t MoveGenerator::listLength(std::uint32_t start) const
{
    std::uint32_t index = start;
    while (index + 1 < m_nodeCount && !isLast(m_nodes[index]))
        ++index;
    return index - start + 1;
}

bool MoveGenerator::buildGraph()
{
    // The lists are laid out again breadth first from the root, so that the short prefixes
    // that every search walks lie together in a few cache lines. Each entry keeps its letter
    // mask, end-of-word flag and the new place of its child list.
    std::vector<std::uint32_t> newStart(m_nodeCount, 0);
    std::vector<std::uint32_t> order;
    std::uint32_t nextFree = dicformat::kFirstLetterListIndex;
    auto place = [&](std::uint32_t start) {
        if (start == 0 || start >= m_nodeCount || newStart[start] != 0)
            return;
        newStart[start] = nextFree;
        nextFree += listLength(start);
        order.push_back(start);
    };
    place(childIndex(m_nodes[dicformat::kRootIndex]));
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::uint32_t start = order[k];
        const std::uint32_t length = listLength(start);
        for (std::uint32_t i = 0; i < length; ++i)
            place(childIndex(m_nodes[start + i]));
    }
    m_graph.assign(nextFree, GraphNode{0, 0});
    auto entryFor = [&](DawgNode node, GraphNode& out) {
        std::uint32_t mask = 0;
        int previous = -1;
        const std::uint32_t child = childIndex(node);
        if (child != 0 && child < m_nodeCount) {
            const std::uint32_t length = listLength(child);
            for (std::uint32_t i = 0; i < length; ++i) {
                const int code = letterCode(m_nodes[child + i]);
                // A list out of order (never written by the builder) cannot be searched by letter.
                if (code <= previous || code >= kAlphabetSize)
                    return false;
                mask |= 1u << code;
                previous = code;
            }
        }
        out.letters = mask | (isEndOfWord(node) ? kEndOfWordBit : 0u);
        out.child = mask != 0 ? newStart[child] : 0;
        return true;
    };
    if (!entryFor(m_nodes[dicformat::kRootIndex], m_graph[dicformat::kRootIndex]))
        return false;
    for (const std::uint32_t start : order) {
        const std::uint32_t length = listLength(start);
        for (std::uint32_t i = 0; i < length; ++i)
            if (!entryFor(m_nodes[start + i], m_graph[newStart[start] + i]))
                return false;
    }
    return true;
}

void MoveGenerator::copyBoards()
{
    // Only the playing area is copied: a game loaded with a smaller board size may still hold
    // tiles beyond it, and those squares must read as empty.
    const Board& board = m_game.board();
    m_board = Board{};
    m_transposed = Board{};
    for (int row = 1; row <= m_rows; ++row)
        for (int column = 1; column <= m_columns; ++column) {
            m_board[row][column] = board[row][column];
            m_transposed[column][row] = board[row][column];
        }
}

void MoveGenerator::computeCrossChecks(const Board& grid, CheckGrid& checks, int lines, int positions)
{
    checks = CheckGrid{};
    for (int line = 1; line <= lines; ++line)
        for (int position = 1; position <= positions; ++position)
            refreshSquare(grid, checks, line, position);
}

inline std::uint32_t MoveGenerator::childOf(std::uint32_t nodeIndex, int code) const
{
    const GraphNode& entry = m_graph[nodeIndex];
    const std::uint32_t letters = entry.letters & kAlphabetMask;
    if (code < 0 || code >= kAlphabetSize || ((letters >> code) & 1u) == 0)
        return kNoNode;
    return childAt(entry.child, letters, code);
}

std::uint32_t MoveGenerator::followLetters(std::uint32_t nodeIndex, const char* letters, int count) const
{
    // The node reached from `nodeIndex` through the letters, or kNoNode.
    for (int i = 0; i < count && nodeIndex != kNoNode; ++i)
        nodeIndex = childOf(nodeIndex, letters[i] - 'A');
    return nodeIndex;
}

std::uint32_t MoveGenerator::crossCheck(const Board& grid, int line, int position) const
{
    // The letters that make a word with the tiles directly above and below: the tiles above
    // are followed once from the root, then each letter there is followed by the tiles below.
    char below[kBoardCells];
    int top = line;
    while (top > 1 && grid[top - 1][position].letter != 0)
        --top;
    std::uint32_t prefix = dicformat::kRootIndex;
    for (int k = top; k < line && prefix != kNoNode; ++k)
        prefix = childOf(prefix, grid[k][position].letter - 'A');
    if (prefix == kNoNode)
        return 0;
    int belowCount = 0;
    for (int k = line + 1; k < kBoardCells && grid[k][position].letter != 0; ++k)
        below[belowCount++] = grid[k][position].letter;

    std::uint32_t mask = 0;
    for (std::uint32_t letters = m_graph[prefix].letters & kAlphabetMask; letters != 0;
         letters &= letters - 1) {
        const int code = std::countr_zero(letters);
        const std::uint32_t end = followLetters(childOf(prefix, code), below, belowCount);
        if (end != kNoNode && (m_graph[end].letters & kEndOfWordBit) != 0)
            mask |= 1u << code;
    }
    return mask;
}

template <typename Visit>
void MoveGenerator::forEachAnchor(const Board& grid, int lines, int positions, Visit visit)
{
    // The empty squares next to a tile, line by line, each with the anchor before it on its
    // line (0 for none) and whether a tile lies just left of it.
    for (int line = 1; line <= lines; ++line) {
        int previousAnchor = 0;
        for (int position = 1; position <= positions; ++position) {
            if (grid[line][position].letter != 0)
                continue;
            const bool left = grid[line][position - 1].letter != 0;
            const bool anchor = left || grid[line][position + 1].letter != 0 ||
                                grid[line - 1][position].letter != 0 || grid[line + 1][position].letter != 0;
            if (!anchor)
                continue;
            visit(line, position, previousAnchor, left);
            previousAnchor = position;
        }
    }
}

void MoveGenerator::scan(const Board& grid, const CheckGrid& checks, int lines, int positions)
{
    forEachAnchor(grid, lines, positions, [&](int line, int position, int previousAnchor, bool left) {
        m_lineNumber = line;
        m_line = grid[line].data();
        m_checks = checks[line].data();
        m_anchor = position;
        if (left)
            extendRight(dicformat::kRootIndex, previousAnchor + 1);
        else
            leftPart(leftPartLimit(position - previousAnchor - 1));
    });
}

void MoveGenerator::searchFirstMove()
{
    searchFirstMoveAlong(true);
    if (firstMoveMayGoDown()) {
        m_wordLength = 0;
        m_jokersLaid = 0;
        m_word.fill(0);
        searchFirstMoveAlong(false);
    }
}

bool MoveGenerator::firstMoveMayGoDown() const
{
    // On a square board whose premium squares mirror across the diagonal every down word is an
    // across word turned over, with the same score; otherwise a down word may score more, or be
    // the only move (a board one column wide).
    if (m_rows != m_columns)
        return true;
    for (int row = 1; row <= m_rows; ++row)
        for (int column = row + 1; column <= m_columns; ++column)
            if (m_game.letterMultiplier(row, column) != m_game.letterMultiplier(column, row) ||
                m_game.wordMultiplier(row, column) != m_game.wordMultiplier(column, row))
                return true;
    return false;
}

void MoveGenerator::searchFirstMoveAlong(bool across)
{
    const int centreRow = geometry::centreRow(m_rows);
    const int centreColumn = geometry::centreColumn(m_columns);
    m_across = across ? 1 : 0;
    m_lineNumber = across ? centreRow : centreColumn;
    m_anchor = across ? centreColumn : centreRow;
    m_line = (across ? m_board : m_transposed)[m_lineNumber].data();
    m_checks = (across ? m_acrossChecks : m_downChecks)[m_lineNumber].data();
    m_scores = (across ? m_acrossScores : m_downScores)[static_cast<std::size_t>(m_lineNumber)].data();
    // The left part stays on the board and off any tile (small boards have fewer than six
    // squares before the centre).
    int limit = 0;
    while (limit < kFirstMoveLeftLimit && m_anchor - limit - 1 >= 1 &&
           m_line[m_anchor - limit - 1].letter == 0)
        ++limit;
    leftPart(leftPartLimit(limit));
}

int MoveGenerator::leftPartLimit(int emptySquares) const
{
    // The anchor square needs a tile of its own, so a left part can use all tiles but one.
    return std::min(emptySquares, m_rackTiles - 1);
}

template <typename Next> void MoveGenerator::tryLetter(std::uint32_t childIndex, int code, Next next)
{
    std::uint8_t& count = m_rackCounts[static_cast<std::size_t>(code)];
    if (count != 0) {
        if (--count == 0)
            m_rackLetters &= ~(1u << code);
        m_word[m_wordLength++] = static_cast<char>('A' + code);
        next(childIndex);
        --m_wordLength;
        if (count++ == 0)
            m_rackLetters |= 1u << code;
    }
    std::uint8_t& jokers = m_rackCounts[kJokerIndex];
    if (jokers != 0) {
        --jokers;
        m_jokerLetters[m_jokersLaid++] = static_cast<char>('A' + code);
        m_word[m_wordLength++] = kJoker;
        next(childIndex);
        --m_wordLength;
        --m_jokersLaid;
        ++jokers;
    }
}

void MoveGenerator::collectLeftParts()
{
    // Every left part the rack can lay is the same at every anchor: they are listed once per
    // generate, depth first as the search meets them, each with the end of its subtree.
    m_leftParts.clear();
    m_leftParts.push_back(LeftPart{dicformat::kRootIndex, 0, 0, 0, 0, 0, 0});
    collectLeftParts(dicformat::kRootIndex, 0, std::clamp(m_rackTiles - 1, 0, kMaxWordLength - 1));
    finishLeftPart(0);
}

void MoveGenerator::collectLeftParts(std::uint32_t nodeIndex, int depth, int maxDepth)
{
    if (depth >= maxDepth)
        return;
    const GraphNode& entry = m_graph[nodeIndex];
    const std::uint32_t all = entry.letters & kAlphabetMask;
    for (std::uint32_t letters = all & available(); letters != 0; letters &= letters - 1) {
        const int code = std::countr_zero(letters);
        tryLetter(childAt(entry.child, all, code), code, [this, depth, maxDepth, code](std::uint32_t next) {
            const std::size_t at = m_leftParts.size();
            const bool joker = m_word[static_cast<std::size_t>(m_wordLength - 1)] == kJoker;
            m_leftParts.push_back(LeftPart{next, 0, 0, 0, static_cast<std::uint8_t>(depth + 1),
                                           static_cast<std::uint8_t>(code),
                                           static_cast<std::uint8_t>(joker)});
            collectLeftParts(next, depth + 1, maxDepth);
            finishLeftPart(at);
        });
    }
}

void MoveGenerator::finishLeftPart(std::size_t at)
{
    // Its subtree ends here (the rack still lacks its letters): the letters the rack can lay
    // after it, and after it or any left part extending it, which lets the walk skip the
    // whole subtree at an anchor that takes none of them.
    LeftPart& part = m_leftParts[at];
    part.end = static_cast<std::uint32_t>(m_leftParts.size());
    part.follow = m_graph[part.node].letters & available() & kAlphabetMask;
    part.reach = part.follow;
    for (std::size_t k = at + 1; k < part.end; k = m_leftParts[k].end)
        part.reach |= m_leftParts[k].reach;
}

void MoveGenerator::layLeftLetter(const LeftPart& part)
{
    if (part.joker != 0) {
        --m_rackCounts[kJokerIndex];
        m_jokerLetters[static_cast<std::size_t>(m_jokersLaid++)] = static_cast<char>('A' + part.code);
        m_word[static_cast<std::size_t>(m_wordLength++)] = kJoker;
        return;
    }
    if (--m_rackCounts[part.code] == 0)
        m_rackLetters &= ~(1u << part.code);
    m_word[static_cast<std::size_t>(m_wordLength++)] = static_cast<char>('A' + part.code);
}

void MoveGenerator::takeBackLeftLetter(const LeftPart& part)
{
    --m_wordLength;
    if (part.joker != 0) {
        --m_jokersLaid;
        ++m_rackCounts[kJokerIndex];
        return;
    }
    if (m_rackCounts[part.code]++ == 0)
        m_rackLetters |= 1u << part.code;
}

void MoveGenerator::leftPart(int limit)
{
    // Walks the listed left parts no longer than the limit and extends each one through the
    // anchor. Letters are laid only on the way to a left part that is extended (most are
    // not), and taken back as the depth-first order goes up; a subtree that cannot go through
    // the anchor is skipped whole.
    std::array<const LeftPart*, kBoardCells> chain{};
    int laid = 0;
    const std::uint32_t anchorChecks = m_checks[m_anchor];
    for (std::size_t i = 0; i < m_leftParts.size();) {
        const LeftPart& part = m_leftParts[i];
        // A best-move search lowers m_depthLimit as the best found so far rises.
        if (part.depth > limit || part.depth > m_depthLimit || (part.reach & anchorChecks) == 0) {
            i = part.end;
            continue;
        }
        for (; laid >= part.depth && laid > 0; --laid)
            takeBackLeftLetter(*chain[static_cast<std::size_t>(laid)]);
        chain[part.depth] = &part;
        m_leftDepth = part.depth;
        m_rightLimit = m_rightLimits[part.depth];
        // The anchor square is empty and records nothing, so extending is only worth a call
        // when some letter the rack still holds may go there.
        if (m_rightLimit > 0 && (part.follow & anchorChecks) != 0) {
            while (laid < part.depth)
                layLeftLetter(*chain[static_cast<std::size_t>(++laid)]);
            extendRight(part.node, m_anchor);
        }
        ++i;
    }
    for (; laid > 0; --laid)
        takeBackLeftLetter(*chain[static_cast<std::size_t>(laid)]);
}

void MoveGenerator::extendRight(std::uint32_t nodeIndex, int position)
{
    // Tiles on the board are followed in a loop: each must be the letter of a child.
    const int length = m_wordLength;
    for (char tile = m_line[position].letter; tile != 0; tile = m_line[++position].letter) {
        nodeIndex = childOf(nodeIndex, tile - 'A');
        if (nodeIndex == kNoNode || m_wordLength >= kMaxWordLength) {
            m_wordLength = length;
            return;
        }
        m_word[m_wordLength++] = tile;
    }
    const GraphNode& entry = m_graph[nodeIndex];
    if ((entry.letters & kEndOfWordBit) != 0 && position != m_anchor)
        record(position);
    // Past the tiles that can still beat the best move found so far, nothing more is laid.
    if (m_emptyRank[static_cast<std::size_t>(position)] >= m_rightLimit) {
        m_wordLength = length;
        return;
    }
    const std::uint32_t all = entry.letters & kAlphabetMask;
    const std::uint32_t first = entry.child;
    for (std::uint32_t letters = all & m_checks[position] & available(); letters != 0;
         letters &= letters - 1) {
        const int code = std::countr_zero(letters);
        tryLetter(childAt(first, all, code), code,
                  [this, position](std::uint32_t next) { extendRight(next, position + 1); });
    }
    m_wordLength = length;
}

void MoveGenerator::record(int endPosition)
{
    if (m_wordLength == 0 || m_wordLength > kMaxWordLength)
        return;
    if (m_mode != Mode::List) {
        considerBest(endPosition);
        return;
    }
    Move& move = m_moves.emplace_back();
    writeMove(move, endPosition);
    m_game.computeScore(move, m_game.board());
}

void MoveGenerator::writeMove(Move& move, int endPosition) const
{
    const int start = endPosition - m_wordLength;
    move.horiz = m_across;
    move.col = static_cast<std::int8_t>(m_across ? start : m_lineNumber);
    move.lin = static_cast<std::int8_t>(m_across ? m_lineNumber : start);
    std::memcpy(move.word, m_word.data(), static_cast<std::size_t>(m_wordLength));
    move.word[m_wordLength] = 0;
    std::memcpy(move.jokers, m_jokerLetters.data(), static_cast<std::size_t>(m_jokersLaid));
    move.jokers[m_jokersLaid] = 0;
}

Move MoveGenerator::findBest(std::string_view rack, const LeaveValues* leaves)
{
    m_mode = leaves != nullptr ? Mode::BestEquity : Mode::BestScore;
    m_leaves = leaves;
    m_haveBest = false;
    m_bestValue = 0;
    m_best = Move{};
    liftLimits();
    if (prepare(rack)) {
        prepareScoring();
        sortTileValues();
        computeLeaveCeilings();
        m_rackHash = 0;
        for (int code = 0; code < kAlphabetSize; ++code)
            m_rackHash += m_rackCounts[static_cast<std::size_t>(code)] * LetterSetHashes::letterHash(code);
        m_anchors.clear();
        const int centreRow = geometry::centreRow(m_rows);
        const int centreColumn = geometry::centreColumn(m_columns);
        if (m_board[centreRow][centreColumn].letter != 0) {
            collectAnchors(m_board, m_acrossChecks, m_rows, m_columns, true);
            collectAnchors(m_transposed, m_downChecks, m_columns, m_rows, false);
        } else {
            // The first move has one anchor, the centre, searched as the list does.
            m_anchorIndex = 0;
            searchFirstMove();
        }
        // The most promising anchors first, so that the best move found early lets the
        // bounds skip the rest.
        std::stable_sort(m_anchors.begin(), m_anchors.end(),
                         [](const Anchor& a, const Anchor& b) { return a.bound > b.bound; });
        for (const Anchor& anchor : m_anchors) {
            if (m_haveBest && anchor.bound < m_bestValue)
                break;
            if (canBeat(anchor.bound, anchor.index))
                searchAnchor(anchor);
        }
    }
    m_mode = Mode::List;
    m_leaves = nullptr;
    liftLimits();
    if (!m_haveBest) {
        m_bestValue = 0;
        return Move{};
    }
    return m_best;
}

bool MoveGenerator::canBeat(double bound, int anchorIndex) const
{
    // An equal value only wins the tie when it comes first in the generation order.
    return !m_haveBest || bound > m_bestValue || (bound == m_bestValue && anchorIndex < m_bestAnchor);
}

void MoveGenerator::liftLimits()
{
    m_windows = nullptr;
    m_rightLimits.fill(kNoLimit);
    m_depthLimit = kNoLimit;
    m_rightLimit = kNoLimit;
}

void MoveGenerator::prepareScoring()
{
    // Per square of each direction: the multipliers, the tile on it and the sum of the tiles
    // of the cross word through it, so that a move is scored by one pass over its letters.
    for (int code = 0; code < kLetterCount; ++code)
        m_values[static_cast<std::size_t>(code)] =
            letters::value(m_game.letterSet(), static_cast<char>('A' + code));
    const TileRuns runs(m_board, m_rows, m_columns, m_values.data());
    for (int row = 1; row <= m_rows; ++row)
        for (int column = 1; column <= m_columns; ++column) {
            SquareScore across{};
            across.tile = runs.tileValue(m_board[row][column]);
            across.letterMultiplier = static_cast<std::int16_t>(m_game.letterMultiplier(row, column));
            across.wordMultiplier = static_cast<std::int16_t>(m_game.wordMultiplier(row, column));
            SquareScore down = across;
            across.hasCross = static_cast<std::uint8_t>(holdsTile(m_board[row - 1][column]) |
                                                        holdsTile(m_board[row + 1][column]));
            across.cross = runs.above[row - 1][column] + runs.below[row + 1][column];
            down.hasCross = static_cast<std::uint8_t>(holdsTile(m_board[row][column - 1]) |
                                                      holdsTile(m_board[row][column + 1]));
            down.cross = runs.before[row][column - 1] + runs.after[row][column + 1];
            m_acrossScores[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = across;
            m_downScores[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = down;
        }
}

void MoveGenerator::collectAnchors(const Board& grid, const CheckGrid& checks, int lines, int positions,
                                   bool across)
{
    // The anchors as `scan` meets them, numbered in that order, each with its bound.
    forEachAnchor(grid, lines, positions, [&](int line, int position, int previousAnchor, bool left) {
        Anchor entry{0.0,
                     static_cast<int>(m_anchors.size()),
                     static_cast<std::uint8_t>(across ? 1 : 0),
                     static_cast<std::uint8_t>(line),
                     static_cast<std::uint8_t>(position),
                     static_cast<std::uint8_t>(previousAnchor),
                     static_cast<std::uint8_t>(left ? 1 : 0)};
        // An anchor where no tile of the rack fits can hold no move.
        if ((checks[line][position] & available() & kAlphabetMask) == 0)
            return;
        const std::size_t index = m_anchors.size();
        if (m_windowTables.size() <= index)
            m_windowTables.resize(index + 1);
        entry.bound = windowBounds(entry, m_windowTables[index]);
        if (entry.bound > -kNoLimit)
            m_anchors.push_back(entry);
    });
}

int MoveGenerator::tileBound(std::uint32_t checks) const
{
    // The dearest rack tile that may lie on a square with these cross-checks, at least 0;
    // -1 when none may.
    const std::uint32_t fits = checks & m_rackLetters & kAlphabetMask;
    // Most squares take every letter: then it is the rack's dearest tile.
    if (fits == m_rackLetters && fits != 0)
        return m_tileValues[0];
    const bool jokerFits = m_rackCounts[kJokerIndex] != 0 && (checks & kAlphabetMask) != 0;
    if (fits == 0 && !jokerFits)
        return -1;
    int best = jokerFits ? m_values[kJokerIndex] : 0;
    for (std::uint32_t letters = fits; letters != 0; letters &= letters - 1)
        best = std::max(best, m_values[static_cast<std::size_t>(std::countr_zero(letters))]);
    return std::max(best, 0);
}

MoveGenerator::AnchorLine MoveGenerator::anchorLine(const Anchor& anchor) const
{
    const Board& grid = anchor.across ? m_board : m_transposed;
    const CheckGrid& checks = anchor.across ? m_acrossChecks : m_downChecks;
    const ScoreGrid& scores = anchor.across ? m_acrossScores : m_downScores;
    return AnchorLine{grid[anchor.line].data(), checks[anchor.line].data(), scores[anchor.line].data(),
                      anchor.across ? m_columns : m_rows};
}

MoveGenerator::AnchorSquares MoveGenerator::anchorSquares(const Anchor& anchor, const AnchorLine& line) const
{
    AnchorSquares squares;
    squares.lone = !anchor.leftTile && line.squares[anchor.position - 1].letter == 0 &&
                   line.squares[anchor.position + 1].letter == 0;
    for (int p = anchor.previous + 1; anchor.leftTile && p < anchor.position; ++p) {
        squares.leftBoard += line.scores[p].tile;
        squares.leftHash += LetterSetHashes::letterHash(line.squares[p].letter - 'A');
    }
    // The empty squares from the anchor on, and the board's tiles up to the next empty square.
    // At most a rack's tiles are laid from the anchor on.
    long long board = 0;
    std::uint64_t hash = 0;
    int& rights = squares.rights;
    int p = anchor.position;
    for (; p <= line.positions; ++p) {
        if (line.squares[p].letter != 0) {
            board += line.scores[p].tile;
            hash += LetterSetHashes::letterHash(line.squares[p].letter - 'A');
            continue;
        }
        squares.boardThrough[static_cast<std::size_t>(rights)] = board;
        squares.hashThrough[static_cast<std::size_t>(rights)] = hash;
        const int tile = rights < m_rackTiles ? tileBound(line.checks[p]) : -1;
        if (tile < 0)
            break;
        ++rights;
        squares.rightAt[static_cast<std::size_t>(rights)] = p;
        squares.rightTile[static_cast<std::size_t>(rights)] = tile;
    }
    if (p > line.positions) {
        squares.boardThrough[static_cast<std::size_t>(rights)] = board;
        squares.hashThrough[static_cast<std::size_t>(rights)] = hash;
    }
    return squares;
}

double MoveGenerator::windowBounds(const Anchor& anchor, WindowTable& table)
{
    // Bounds every move through the anchor by the squares it covers: d tiles on the empty
    // squares just left of it and r on the empty squares from it on (stopping at a square no
    // rack tile fits), with the board's tiles between and around them in the main word, the
    // bonus only when seven tiles spell some word with those board letters, and the best
    // leave of the tiles kept. Fills the table and returns the largest (below -kNoLimit when
    // no move can score more than 0). A rack of more tiles than usual is not bounded.
    if (m_rackTiles > kRackSize) {
        table.depths = -1;
        return 1e300;
    }
    const AnchorLine line = anchorLine(anchor);
    const AnchorSquares squares = anchorSquares(anchor, line);
    const int at = anchor.position;
    const int depths = anchor.leftTile ? 0 : leftPartLimit(at - anchor.previous - 1);
    double best = -2.0 * kNoLimit;
    table.depths = static_cast<std::int8_t>(depths);
    // The squares left of the anchor, one more for each start further left.
    WindowScore left(m_tileValues.data());
    for (int d = 0; d <= depths; ++d) {
        if (d > 0) {
            const SquareScore& square = line.scores[at - d];
            left.add(square.letterMultiplier, square.wordMultiplier, square.hasCross != 0, square.cross,
                     tileBound(line.checks[at - d]));
        }
        best = std::max(best, fillWindowRow(line, squares, d, left, table));
    }
    return best;
}

double MoveGenerator::fillWindowRow(const AnchorLine& line, const AnchorSquares& squares, int d,
                                    const WindowScore& left, WindowTable& table)
{
    // The bounds of the moves laying d tiles left of the anchor, for each number of tiles from
    // it on, and the largest of them.
    double best = -2.0 * kNoLimit;
    WindowScore window = left;
    const int most = std::min(squares.rights, m_rackTiles - d);
    table.rights[static_cast<std::size_t>(d)] = static_cast<std::int8_t>(std::max(most, 0));
    for (int r = 1; r <= most; ++r) {
        const SquareScore& square = line.scores[squares.rightAt[static_cast<std::size_t>(r)]];
        window.add(square.letterMultiplier, square.wordMultiplier, square.hasCross != 0, square.cross,
                   squares.rightTile[static_cast<std::size_t>(r)]);
        const int tiles = d + r;
        double& bound = table.bounds[static_cast<std::size_t>(d)][static_cast<std::size_t>(r)];
        bound = -2.0 * kNoLimit;
        if (tiles == kBonusTiles &&
            !bingoFits(squares.leftHash + squares.hashThrough[static_cast<std::size_t>(r)]))
            continue;
        // A lone tile forms no main word: it scores its cross word only.
        long long score = window.bound(squares.leftBoard + squares.boardThrough[static_cast<std::size_t>(r)],
                                       !(squares.lone && tiles == 1));
        if (tiles == kBonusTiles)
            score += m_game.bonus();
        // A move must score more than 0 to beat the pass.
        if (score <= 0)
            continue;
        bound = static_cast<double>(score) +
                m_leaveCeilings[static_cast<std::size_t>(std::max(m_rackTiles - tiles, 0))];
        best = std::max(best, bound);
    }
    return best;
}

void MoveGenerator::refreshLimits()
{
    // For each left part's length, the most tiles from the anchor on of a move that could still
    // beat the best so far; left parts longer than any that can are not walked.
    if (m_windows == nullptr || m_windows->depths < 0)
        return;
    const WindowTable& table = *m_windows;
    m_depthLimit = -1;
    for (int d = 0; d <= table.depths; ++d) {
        int limit = table.rights[static_cast<std::size_t>(d)];
        while (limit > 0 &&
               !canBeat(table.bounds[static_cast<std::size_t>(d)][static_cast<std::size_t>(limit)],
                        m_anchorIndex))
            --limit;
        m_rightLimits[static_cast<std::size_t>(d)] = limit;
        if (limit > 0)
            m_depthLimit = d;
    }
    m_rightLimit = m_rightLimits[static_cast<std::size_t>(std::min<int>(m_leftDepth, table.depths))];
}

void MoveGenerator::sortTileValues()
{
    // The rack's tile values (at least 0), dearest first.
    m_tileValues.fill(0);
    int k = 0;
    for (int code = 0; code < kLetterCount; ++code)
        for (int n = 0; n < m_rackCounts[static_cast<std::size_t>(code)] && k < kBoardCells; ++n)
            m_tileValues[static_cast<std::size_t>(k++)] =
                std::max(0, m_values[static_cast<std::size_t>(code)]);
    std::sort(m_tileValues.begin(), m_tileValues.end(), std::greater<int>());
}

void MoveGenerator::computeLeaveCeilings()
{
    // Per number of tiles kept, the best value of any leave of that many of the rack's tiles
    // (every sub-rack is tried once: a rack holds a handful of tiles).
    m_leaveCeilings.fill(0.0);
    m_leaveTableUsable = false;
    if (m_leaves == nullptr)
        return;
    m_leaveCeilings.fill(-1e300);
    int leaves = 1;
    m_leaveLetterCount = 0;
    for (int code = 0; code < kLetterCount; ++code) {
        const int held = m_rackCounts[static_cast<std::size_t>(code)];
        if (held == 0)
            continue;
        m_leaveLetters[static_cast<std::size_t>(m_leaveLetterCount++)] = LeaveLetter{code, leaves};
        leaves = std::min(leaves * (held + 1), kLeaveTableSize + 1);
    }
    m_leaveTableUsable = leaves <= kLeaveTableSize;
    m_leaves->forEachLeave(
        m_rackCounts, kBoardCells - 1, [this](const LeaveValues::Counts& leave, double value) {
            if (m_leaveTableUsable)
                m_leaveTable[static_cast<std::size_t>(leaveIndex(leave))] = value;
            int tiles = 0;
            for (int k = 0; k < m_leaveLetterCount; ++k)
                tiles += leave[static_cast<std::size_t>(m_leaveLetters[static_cast<std::size_t>(k)].code)];
            double& ceiling = m_leaveCeilings[static_cast<std::size_t>(tiles)];
            ceiling = std::max(ceiling, value);
        });
}

int MoveGenerator::leaveIndex(const std::array<std::uint8_t, kLetterCount>& counts) const
{
    // Only the rack's letters can be held, so only they are counted.
    int index = 0;
    for (int k = 0; k < m_leaveLetterCount; ++k) {
        const LeaveLetter& letter = m_leaveLetters[static_cast<std::size_t>(k)];
        index += counts[static_cast<std::size_t>(letter.code)] * letter.stride;
    }
    return index;
}

double MoveGenerator::leaveValueHeld() const
{
    if (!m_leaveTableUsable)
        return m_leaves->value(m_rackCounts);
    return m_leaveTable[static_cast<std::size_t>(leaveIndex(m_rackCounts))];
}

bool MoveGenerator::bingoFits(std::uint64_t boardHash)
{
    // A move laying seven tiles spells a word of the rack's letters plus the board letters of
    // its span, so it can only be played when some word of at least seven letters has exactly
    // those letters (a word's letters are known by their hash; a hash that two letter sets
    // share only makes the bound weaker). A joker may stand for any letter, so every letter is
    // tried in its place, every pair of letters for two jokers; racks of more are not checked.
    if (m_rackTiles != kBonusTiles || m_rackCounts[kJokerIndex] > 2)
        return true;
    if (m_bingoWords.empty())
        buildBingoWords();
    const std::uint64_t hash = m_rackHash + boardHash;
    switch (m_rackCounts[kJokerIndex]) {
    case 0:
        return m_bingoWords.holds(hash);
    case 1:
        for (int code = 0; code < kAlphabetSize; ++code)
            if (m_bingoWords.holds(hash + LetterSetHashes::letterHash(code)))
                return true;
        return false;
    default:
        for (int first = 0; first < kAlphabetSize; ++first) {
            const std::uint64_t withFirst = hash + LetterSetHashes::letterHash(first);
            for (int second = first; second < kAlphabetSize; ++second)
                if (m_bingoWords.holds(withFirst + LetterSetHashes::letterHash(second)))
                    return true;
        }
        return false;
    }
}

void MoveGenerator::buildBingoWords()
{
    // Every word of at least seven letters, by the hash of its letters (built once per
    // dictionary).
    std::vector<std::uint64_t> hashes;
    collectBingoWords(dicformat::kRootIndex, 0, 0, hashes);
    m_bingoWords.assign(hashes);
}

void MoveGenerator::collectBingoWords(std::uint32_t nodeIndex, int depth, std::uint64_t hash,
                                      std::vector<std::uint64_t>& hashes) const
{
    const GraphNode& entry = m_graph[nodeIndex];
    if (depth >= kBonusTiles && (entry.letters & kEndOfWordBit) != 0)
        hashes.push_back(hash);
    if (depth >= kMaxWordLength)
        return;
    const std::uint32_t all = entry.letters & kAlphabetMask;
    for (std::uint32_t letters = all; letters != 0; letters &= letters - 1) {
        const int code = std::countr_zero(letters);
        collectBingoWords(childAt(entry.child, all, code), depth + 1,
                          hash + LetterSetHashes::letterHash(code), hashes);
    }
}

void MoveGenerator::searchAnchor(const Anchor& anchor)
{
    const AnchorLine line = anchorLine(anchor);
    m_across = anchor.across;
    m_lineNumber = anchor.line;
    m_line = line.squares;
    m_checks = line.checks;
    m_scores = line.scores;
    m_anchor = anchor.position;
    m_anchorIndex = anchor.index;
    m_wordLength = 0;
    m_jokersLaid = 0;
    int rank = 0;
    for (int p = anchor.position; p <= line.positions + 1; ++p) {
        m_emptyRank[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(rank);
        rank += m_line[p].letter == 0 ? 1 : 0;
    }
    m_windows = &m_windowTables[static_cast<std::size_t>(anchor.index)];
    m_leftDepth = 0;
    refreshLimits();
    if (anchor.leftTile)
        extendRight(dicformat::kRootIndex, anchor.previous + 1);
    else
        leftPart(leftPartLimit(anchor.position - anchor.previous - 1));
    liftLimits();
}

int MoveGenerator::fastScore(int endPosition, int& newTiles) const
{
    // The rules' scoring (see engine/scoring) over the squares read in prepareScoring.
    const int start = endPosition - m_wordLength;
    int wordProduct = 1;
    int mainSum = 0;
    int crossTotal = 0;
    newTiles = 0;
    for (int i = 0; i < m_wordLength; ++i) {
        const SquareScore& square = m_scores[start + i];
        if (m_line[start + i].letter != 0) {
            mainSum += square.tile;
            continue;
        }
        const char code = m_word[static_cast<std::size_t>(i)];
        const int letterScore = m_values[static_cast<std::size_t>(code - 'A')] * square.letterMultiplier;
        if (m_wordLength >= 2)
            mainSum += letterScore;
        wordProduct *= square.wordMultiplier;
        if (square.hasCross)
            crossTotal += (square.cross + letterScore) * square.wordMultiplier;
        ++newTiles;
    }
    int score = crossTotal + wordProduct * mainSum;
    if (newTiles == kBonusTiles)
        score += m_game.bonus();
    return score;
}

void MoveGenerator::considerBest(int endPosition)
{
    int newTiles = 0;
    const int score = fastScore(endPosition, newTiles);
    if (score <= 0)
        return;
    double value = score;
    if (m_mode == Mode::BestEquity) {
        // The leave is only looked up when the best leave of its size could make the move win
        // (the ceilings go up to leaves of 31 tiles; a larger leave is always looked up).
        const int kept = m_rackTiles - newTiles;
        if (m_haveBest && kept >= 0 && kept < kBoardCells &&
            value + m_leaveCeilings[static_cast<std::size_t>(kept)] < m_bestValue)
            return;
        value += leaveValueHeld(); // the tiles still in hand are the leave
    }
    if (m_haveBest && (value < m_bestValue || (value == m_bestValue && m_anchorIndex >= m_bestAnchor)))
        return;
    m_haveBest = true;
    m_bestValue = value;
    m_bestAnchor = m_anchorIndex;
    writeMove(m_best, endPosition);
    m_best.score = score;
    refreshLimits();
}

void MoveGenerator::sortMoves()
{
    // Stable, highest score first. Scores normally span a few hundred points, so a counting
    // sort into a reused buffer does it in one pass; a wider span falls back to stable_sort.
    const auto [low, high] = std::minmax_element(
        m_moves.begin(), m_moves.end(), [](const Move& a, const Move& b) { return a.score < b.score; });
    const long long range = static_cast<long long>(high->score) - low->score + 1;
    if (range > kCountingSortRange) {
        std::stable_sort(m_moves.begin(), m_moves.end(),
                         [](const Move& a, const Move& b) { return a.score > b.score; });
        return;
    }
    const int highest = high->score;
    m_scoreCounts.assign(static_cast<std::size_t>(range), 0);
    for (const Move& move : m_moves)
        ++m_scoreCounts[static_cast<std::size_t>(highest - move.score)];
    int offset = 0;
    for (int& count : m_scoreCounts) {
        const int here = count;
        count = offset;
        offset += here;
    }
    m_sortBuffer.resize(m_moves.size());
    for (const Move& move : m_moves)
        m_sortBuffer[static_cast<std::size_t>(
            m_scoreCounts[static_cast<std::size_t>(highest - move.score)]++)] = move;
    m_moves.swap(m_sortBuffer);
}

} // namespace glyph
