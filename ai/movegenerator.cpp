#include "ai/movegenerator.h"

#include <algorithm>
#include <cstring>

#include "engine/boardgeometry.h"
#include "engine/game.h"

namespace glyph
{

namespace
{

/// Cross-check set of a square that any letter may take.
constexpr std::uint32_t kAllLetters = 0xFFFFFFFFu;
/// Letters 'A'..'Z'; node letter codes from here on are not letters and are skipped.
constexpr int kAlphabetSize = 26;
/// Rack-count index of the jokers.
constexpr int kJokerIndex = kLetterCount - 1;
/// Index of the first-letter list in the node array.
constexpr std::uint32_t kFirstLetterList = 1;
/// Index of the root node, where every search starts.
constexpr std::uint32_t kRootNode = 0;
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
    return static_cast<int>(node >> 27);
}

} // namespace

MoveGenerator::MoveGenerator(const Game& game) : m_game(game)
{
    m_moves.reserve(kInitialReserve);
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
    m_tilesInHand = 0;
    for (char code : rack) {
        if (code < 'A' || code > kJoker)
            continue;
        std::uint8_t& count = m_rackCounts[static_cast<std::size_t>(code - 'A')];
        if (count < UINT8_MAX) {
            ++count;
            ++m_tilesInHand;
        }
    }
    m_moves.clear();
    if (m_moves.capacity() < kInitialReserve)
        m_moves.reserve(kInitialReserve);
    m_moves.emplace_back();

    const Dictionary& dictionary = m_game.dictionary();
    m_nodes = dictionary.nodes();
    m_nodeCount = dictionary.nodeCount();
    m_rows = std::clamp(m_game.rows(), 0, kMaxBoardSize);
    m_columns = std::clamp(m_game.columns(), 0, kMaxBoardSize);
    if (m_nodes == nullptr || m_nodeCount <= kFirstLetterList || m_rows == 0 || m_columns == 0)
        return m_moves.front();

    copyBoards();
    computeCrossChecks(m_board, m_acrossChecks, m_rows, m_columns);
    computeCrossChecks(m_transposed, m_downChecks, m_columns, m_rows);
    m_wordLength = 0;
    m_jokersLaid = 0;
    m_word.fill(0);

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

std::uint32_t MoveGenerator::followLetters(std::uint32_t listIndex, const char* letters, int count) const
{
    // Walks the letters one list at a time, as a lookup does; returns the node of the last
    // letter, or kNoNode when the path leaves the dictionary.
    std::uint32_t node = kNoNode;
    for (int i = 0; i < count; ++i) {
        if (listIndex == 0 || listIndex >= m_nodeCount)
            return kNoNode;
        const auto wanted = static_cast<unsigned char>(letters[i]);
        std::uint32_t index = listIndex;
        while (static_cast<unsigned char>(letter(m_nodes[index])) < wanted && !isLast(m_nodes[index]) &&
               index + 1 < m_nodeCount)
            ++index;
        if (static_cast<unsigned char>(letter(m_nodes[index])) != wanted)
            return kNoNode;
        node = index;
        listIndex = childIndex(m_nodes[index]);
    }
    return node;
}

std::uint32_t MoveGenerator::crossCheck(const Board& grid, int line, int position) const
{
    // The letters that make a word with the tiles directly above and below: the path of the
    // tiles above is walked once, then each letter of the list it reaches is followed by the
    // tiles below.
    char above[kBoardCells];
    char below[kBoardCells];
    int top = line;
    while (top > 1 && grid[top - 1][position].letter != 0)
        --top;
    int aboveCount = 0;
    for (int k = top; k < line; ++k)
        above[aboveCount++] = grid[k][position].letter;
    int belowCount = 0;
    for (int k = line + 1; k < kBoardCells && grid[k][position].letter != 0; ++k)
        below[belowCount++] = grid[k][position].letter;

    std::uint32_t list = kFirstLetterList;
    if (aboveCount > 0) {
        const std::uint32_t node = followLetters(kFirstLetterList, above, aboveCount);
        if (node == kNoNode)
            return 0;
        list = childIndex(m_nodes[node]);
    }
    std::uint32_t mask = 0;
    for (std::uint32_t index = list; index != 0 && index < m_nodeCount; ++index) {
        const DawgNode node = m_nodes[index];
        const int code = letterCode(node);
        if (code < kAlphabetSize) {
            bool word = false;
            if (belowCount == 0) {
                word = isEndOfWord(node);
            } else {
                const std::uint32_t end = followLetters(childIndex(node), below, belowCount);
                word = end != kNoNode && isEndOfWord(m_nodes[end]);
            }
            if (word)
                mask |= 1u << code;
        }
        if (isLast(node))
            break;
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
                extendRight(kRootNode, previousAnchor + 1);
            else
                leftPart(kRootNode, position - previousAnchor - 1);
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
    leftPart(kRootNode, limit);
}

template <typename Next> void MoveGenerator::tryLetter(std::uint32_t childIndex, int code, Next next)
{
    if (m_rackCounts[code] != 0) {
        --m_rackCounts[code];
        --m_tilesInHand;
        m_word[m_wordLength++] = static_cast<char>('A' + code);
        next(childIndex);
        --m_wordLength;
        ++m_tilesInHand;
        ++m_rackCounts[code];
    }
    if (m_rackCounts[kJokerIndex] != 0) {
        --m_rackCounts[kJokerIndex];
        --m_tilesInHand;
        m_jokerLetters[m_jokersLaid++] = static_cast<char>('A' + code);
        m_word[m_wordLength++] = kJoker;
        next(childIndex);
        --m_wordLength;
        --m_jokersLaid;
        ++m_tilesInHand;
        ++m_rackCounts[kJokerIndex];
    }
}

void MoveGenerator::leftPart(std::uint32_t nodeIndex, int limit)
{
    extendRight(nodeIndex, m_anchor);
    if (limit <= 0 || m_tilesInHand == 0)
        return;
    for (std::uint32_t index = childIndex(m_nodes[nodeIndex]); index != 0 && index < m_nodeCount; ++index) {
        const DawgNode child = m_nodes[index];
        const int code = letterCode(child);
        if (code < kAlphabetSize)
            tryLetter(index, code, [this, limit](std::uint32_t next) { leftPart(next, limit - 1); });
        if (isLast(child))
            break;
    }
}

void MoveGenerator::extendRight(std::uint32_t nodeIndex, int position)
{
    const DawgNode node = m_nodes[nodeIndex];
    const char tile = m_line[position].letter;
    if (tile == 0) {
        if (isEndOfWord(node) && position != m_anchor)
            record(position);
        const std::uint32_t mask = m_checks[position];
        if (mask == 0 || m_tilesInHand == 0)
            return;
        for (std::uint32_t index = childIndex(node); index != 0 && index < m_nodeCount; ++index) {
            const DawgNode child = m_nodes[index];
            const int code = letterCode(child);
            if (code < kAlphabetSize && ((mask >> code) & 1u) != 0)
                tryLetter(index, code,
                          [this, position](std::uint32_t next) { extendRight(next, position + 1); });
            if (isLast(child))
                break;
        }
        return;
    }
    // A tile on the board: follow the child with its letter, if there is one.
    std::uint32_t index = childIndex(node);
    if (index == 0 || index >= m_nodeCount)
        return;
    while (letter(m_nodes[index]) < tile && !isLast(m_nodes[index]) && index + 1 < m_nodeCount)
        ++index;
    if (letter(m_nodes[index]) != tile || m_wordLength >= kMaxWordLength)
        return;
    m_word[m_wordLength++] = tile;
    extendRight(index, position + 1);
    --m_wordLength;
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
