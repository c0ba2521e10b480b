#include "ai/movegenerator.h"

#include <algorithm>
#include <bit>
#include <cstring>

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
constexpr int kAlphabetSize = 26;
/// Rack-count index of the jokers.
constexpr int kJokerIndex = kLetterCount - 1;
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
    for (const Move& move : m_moves)
        if (move.score <= score)
            return move;
    return Move{};
}

Move MoveGenerator::generate(std::string_view rack)
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
    m_moves.clear();
    if (m_moves.capacity() < kInitialReserve)
        m_moves.reserve(kInitialReserve);
    m_moves.emplace_back();

    m_rows = std::clamp(m_game.rows(), 0, kMaxBoardSize);
    m_columns = std::clamp(m_game.columns(), 0, kMaxBoardSize);
    if (!prepareLetterMasks(m_game.dictionary()) || m_rows == 0 || m_columns == 0)
        return m_moves.front();

    copyBoards();
    computeCrossChecks(m_board, m_acrossChecks, m_rows, m_columns);
    computeCrossChecks(m_transposed, m_downChecks, m_columns, m_rows);
    m_wordLength = 0;
    m_jokersLaid = 0;
    m_word.fill(0);
    collectLeftParts();

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
    sortMoves();
    return m_moves.front();
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
        for (int position = 1; position <= positions; ++position) {
            if (grid[line][position].letter != 0)
                continue;
            const bool above = grid[line - 1][position].letter != 0;
            const bool below = grid[line + 1][position].letter != 0;
            checks[line][position] = (above || below) ? crossCheck(grid, line, position) : kAllLetters;
        }
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

void MoveGenerator::scan(const Board& grid, const CheckGrid& checks, int lines, int positions)
{
    for (int line = 1; line <= lines; ++line) {
        m_lineNumber = line;
        m_line = grid[line].data();
        m_checks = checks[line].data();
        int previousAnchor = 0;
        for (int position = 1; position <= positions; ++position) {
            if (m_line[position].letter != 0)
                continue;
            const bool left = m_line[position - 1].letter != 0;
            const bool anchor = left || m_line[position + 1].letter != 0 ||
                                grid[line - 1][position].letter != 0 || grid[line + 1][position].letter != 0;
            if (!anchor)
                continue;
            m_anchor = position;
            if (left)
                extendRight(dicformat::kRootIndex, previousAnchor + 1);
            else
                leftPart(leftPartLimit(position - previousAnchor - 1));
            previousAnchor = position;
        }
    }
}

void MoveGenerator::searchFirstMove()
{
    m_across = 1;
    m_lineNumber = geometry::centreRow(m_rows);
    m_anchor = geometry::centreColumn(m_columns);
    m_line = m_board[m_lineNumber].data();
    m_checks = m_acrossChecks[m_lineNumber].data();
    // The left part stays on the board and off any tile (small boards have fewer than six
    // squares left of the centre).
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
    m_leftParts.push_back(LeftPart{dicformat::kRootIndex, 0, 0, 0, 0});
    collectLeftParts(dicformat::kRootIndex, 0, std::clamp(m_rackTiles - 1, 0, kMaxWordLength - 1));
    m_leftParts[0].end = static_cast<std::uint32_t>(m_leftParts.size());
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
            m_leftParts.push_back(LeftPart{next, 0, static_cast<std::uint8_t>(depth + 1),
                                           static_cast<std::uint8_t>(code),
                                           static_cast<std::uint8_t>(joker)});
            collectLeftParts(next, depth + 1, maxDepth);
            m_leftParts[at].end = static_cast<std::uint32_t>(m_leftParts.size());
        });
    }
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
    // Walks the listed left parts no longer than the limit, laying and taking back letters as
    // the depth-first order goes down and up, and extends each one through the anchor.
    std::array<const LeftPart*, kBoardCells> laid{};
    int depth = 0;
    for (std::size_t i = 0; i < m_leftParts.size();) {
        const LeftPart& part = m_leftParts[i];
        if (part.depth > limit) {
            i = part.end;
            continue;
        }
        for (; depth >= part.depth && depth > 0; --depth)
            takeBackLeftLetter(*laid[static_cast<std::size_t>(depth)]);
        if (part.depth > 0) {
            layLeftLetter(part);
            depth = part.depth;
            laid[static_cast<std::size_t>(depth)] = &part;
        }
        // The anchor square is empty and records nothing, so extending is only worth a call
        // when some child letter may go there.
        if ((m_graph[part.node].letters & m_checks[m_anchor] & available() & kAlphabetMask) != 0)
            extendRight(part.node, m_anchor);
        ++i;
    }
    for (; depth > 0; --depth)
        takeBackLeftLetter(*laid[static_cast<std::size_t>(depth)]);
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
    Move& move = m_moves.emplace_back();
    const int start = endPosition - m_wordLength;
    move.horiz = m_across;
    move.col = static_cast<std::int8_t>(m_across ? start : m_lineNumber);
    move.lin = static_cast<std::int8_t>(m_across ? m_lineNumber : start);
    std::memcpy(move.word, m_word.data(), static_cast<std::size_t>(m_wordLength));
    move.word[m_wordLength] = 0;
    std::memcpy(move.jokers, m_jokerLetters.data(), static_cast<std::size_t>(m_jokersLaid));
    move.jokers[m_jokersLaid] = 0;
    m_game.computeScore(move, m_game.board());
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
