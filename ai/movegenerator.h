#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/board.h"
#include "dictionary/dictionary.h"
#include "engine/move.h"

namespace glyph
{

class Game;

/// Lists every move a rack can make on the game's board, scored by the game and sorted from
/// the best down (anchors and cross-checks over the dictionary's node array). The list stays
/// as it is until the next `generate` or `clear`.
class MoveGenerator
{
public:
    explicit MoveGenerator(const Game& game);

    /// Rebuilds the list for the rack ('A'..'Z', '[' for a joker) and returns its first entry:
    /// the best move, or the pass record when nothing scores more than 0.
    Move generate(std::string_view rack);

    /// The list in sorted order, the pass record included.
    const std::vector<Move>& moves() const { return m_moves; }
    int size() const { return static_cast<int>(m_moves.size()); }
    /// The entry at a 0-based index, or null when the index is outside the list.
    const Move* moveAt(int index) const;
    /// The first entry whose score is at most `score`; the pass record when every one scores more.
    Move findMoveWithScore(int score) const;
    /// Empties the list.
    void clear() { m_moves.clear(); }

private:
    using CheckGrid = std::array<std::array<std::uint32_t, kBoardCells>, kBoardCells>;

    void copyBoards();
    void computeCrossChecks(const Board& grid, CheckGrid& checks, int lines, int positions);
    bool prepareLetterMasks(const Dictionary& dictionary);
    bool buildGraph();
    std::uint32_t listLength(std::uint32_t start) const;
    std::uint32_t crossCheck(const Board& grid, int line, int position) const;
    std::uint32_t childOf(std::uint32_t nodeIndex, int code) const;
    std::uint32_t followLetters(std::uint32_t nodeIndex, const char* letters, int count) const;
    /// Letters the rack can still lay (every letter while a joker is left).
    std::uint32_t available() const
    {
        return m_rackCounts[kLetterCount - 1] != 0 ? (1u << 26) - 1u : m_rackLetters;
    }
    void scan(const Board& grid, const CheckGrid& checks, int lines, int positions);
    void searchFirstMove();
    struct LeftPart {
        std::uint32_t node; ///< node reached by the letters laid so far
        std::uint32_t end;  ///< index after the last left part that extends this one
        std::uint8_t depth; ///< letters laid
        std::uint8_t code;  ///< the last letter laid, 0 = 'A'
        std::uint8_t joker; ///< 1 when that letter is a joker
    };
    void collectLeftParts();
    void collectLeftParts(std::uint32_t nodeIndex, int depth, int maxDepth);
    void layLeftLetter(const LeftPart& part);
    void takeBackLeftLetter(const LeftPart& part);
    void leftPart(int limit);
    int leftPartLimit(int emptySquares) const;
    void extendRight(std::uint32_t nodeIndex, int position);
    template <typename Next> void tryLetter(std::uint32_t childIndex, int code, Next next);
    void record(int endPosition);
    void sortMoves();

    const Game& m_game;
    Board m_board{};
    Board m_transposed{};
    CheckGrid m_acrossChecks{};
    CheckGrid m_downChecks{};
    std::array<std::uint8_t, kLetterCount> m_rackCounts{};
    std::uint32_t m_rackLetters = 0;
    int m_rackTiles = 0;
    const Square* m_line = nullptr;
    const std::uint32_t* m_checks = nullptr;
    std::array<char, kBoardCells> m_jokerLetters{};
    int m_jokersLaid = 0;
    int m_lineNumber = 0;
    int m_anchor = 0;
    std::uint8_t m_across = 1;
    int m_wordLength = 0;
    std::array<char, kBoardCells> m_word{};
    std::vector<Move> m_moves;

    const DawgNode* m_nodes = nullptr;
    std::uint32_t m_nodeCount = 0;
    int m_rows = 0;
    int m_columns = 0;
    // The dictionary's graph as the search walks it, built once per dictionary: per node the
    // letters of its child list as a bit mask (with the end-of-word flag in the top bit) and
    // where that list starts. Lists keep ascending order, so the child of a letter is found by
    // counting the bits below it.
    struct GraphNode {
        std::uint32_t letters;
        std::uint32_t child;
    };
    std::vector<GraphNode> m_graph;
    // The dictionary and its generation that m_graph was built from.
    const Dictionary* m_graphDictionary = nullptr;
    std::uint64_t m_graphGeneration = 0;
    bool m_listsAscending = false;
    std::vector<LeftPart> m_leftParts;
    std::vector<Move> m_sortBuffer;
    std::vector<int> m_scoreCounts;
};

} // namespace glyph
