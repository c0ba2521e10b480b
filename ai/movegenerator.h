#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ai/lettersethashes.h"
#include "base/board.h"
#include "dictionary/dictionary.h"
#include "engine/move.h"

namespace glyph
{

class Game;
class LeaveValues;
class WindowScore;

/// Lists every move a rack can make on the game's board, scored by the game and sorted from
/// the best down (anchors and cross-checks over the dictionary's node array), or finds only
/// the best move without listing. The list stays as it is until the next `generate` or
/// `clear`. Cross-checks are kept between calls and updated around the squares that changed.
class MoveGenerator
{
public:
    explicit MoveGenerator(const Game& game);

    /// Rebuilds the list for the rack ('A'..'Z', '[' for a joker) and returns its first entry:
    /// the best move, or the pass record when nothing scores more than 0.
    Move generate(std::string_view rack);

    /// The move `generate` would put first, found without building the list (which is left as
    /// it is): anchors whose bound cannot beat the best move found so far are skipped.
    Move bestMove(std::string_view rack);
    /// The move with the highest score plus value of the tiles it keeps, among the moves
    /// scoring more than 0 (the first of the generation order on a tie); the pass record when
    /// none does. The list is left as it is.
    Move bestMove(std::string_view rack, const LeaveValues& leaves);
    /// Score plus leave value of the last `bestMove` by leave value (0 for the pass record).
    double bestEquity() const { return m_bestValue; }

    /// The list in sorted order, the pass record included.
    const std::vector<Move>& moves() const { return m_moves; }
    int size() const { return static_cast<int>(m_moves.size()); }
    /// The entry at a 0-based index, or null when the index is outside the list.
    const Move* moveAt(int index) const;
    /// The highest-scoring entry whose score is at most `score`, the first in the list on a tie;
    /// the pass record when every one scores more.
    Move findMoveWithScore(int score) const;
    /// Empties the list.
    void clear() { m_moves.clear(); }
    /// Replaces the list with the same moves in another order (a search that ranks them
    /// otherwise puts its choice first).
    void replaceMoves(std::vector<Move> moves) { m_moves = std::move(moves); }

private:
    using CheckGrid = std::array<std::array<std::uint32_t, kBoardCells>, kBoardCells>;
    enum class Mode { List, BestScore, BestEquity };
    /// Squares changed since the last search beyond which the cross-checks are all computed again.
    static constexpr int kMaxChangedSquares = 64;
    /// An anchor of the best-move search, with the bound of what a move through it can score.
    struct Anchor {
        double bound;
        int index; ///< place in the generation order
        std::uint8_t across;
        std::uint8_t line;
        std::uint8_t position;
        std::uint8_t previous; ///< the anchor before it on its line, 0 for none
        std::uint8_t leftTile; ///< 1 when a tile lies just left of it
    };
    /// What scoring needs of a square of a line, read once per best-move search.
    struct SquareScore {
        std::int32_t tile;  ///< value of the tile on it (0 for a joker or an empty square)
        std::int32_t cross; ///< sum of the tiles of its cross word
        std::int16_t letterMultiplier;
        std::int16_t wordMultiplier;
        std::uint8_t hasCross; ///< 1 when a tile lies next to it across the line
    };
    using ScoreGrid = std::array<std::array<SquareScore, kBoardCells>, kBoardCells>;
    /// Bounds of the moves through one anchor by where they start and how many tiles they lay:
    /// bounds[d][r] for d tiles left of the anchor and r from the anchor on (r up to rights[d]).
    struct WindowTable {
        std::array<std::array<double, kRackSize + 1>, kRackSize> bounds;
        std::array<std::int8_t, kRackSize> rights;
        std::int8_t depths; ///< the most tiles left of the anchor; -1 when nothing is bounded
    };
    /// Tile counts and search depths that never limit anything.
    static constexpr int kNoLimit = 1 << 20;

    bool prepare(std::string_view rack);
    void search();
    Move findBest(std::string_view rack, const LeaveValues* leaves);
    void updateBoards();
    void refreshAround(const Board& grid, CheckGrid& checks, int line, int position, int lines);
    void refreshSquare(const Board& grid, CheckGrid& checks, int line, int position);
    void copyBoards();
    void computeCrossChecks(const Board& grid, CheckGrid& checks, int lines, int positions);
    void prepareScoring();
    template <typename Visit>
    static void forEachAnchor(const Board& grid, int lines, int positions, Visit visit);
    void collectAnchors(const Board& grid, const CheckGrid& checks, int lines, int positions, bool across);
    /// One line of the board as an anchor's search reads it.
    struct AnchorLine {
        const Square* squares;
        const std::uint32_t* checks;
        const SquareScore* scores;
        int positions;
    };
    /// The squares that bound the moves through an anchor: the board's tiles just left of it
    /// (when it extends them) and the empty squares from it on where a rack tile fits.
    struct AnchorSquares {
        long long leftBoard = 0;    ///< the points of the board's tiles left of the anchor
        std::uint64_t leftHash = 0; ///< the hash of their letters
        bool lone = false; ///< no tile on either side of the anchor: a single tile forms no main word
        int rights = 0;    ///< the empty squares from the anchor on that take a tile
        std::array<int, kRackSize + 1> rightAt{};   ///< [r]: where the r-th of them is
        std::array<int, kRackSize + 1> rightTile{}; ///< [r]: the dearest rack tile it takes
        /// [r]: the points and letter hash of the board's tiles from the anchor up to the
        /// empty square after the r-th.
        std::array<long long, kRackSize + 1> boardThrough{};
        std::array<std::uint64_t, kRackSize + 1> hashThrough{};
    };
    AnchorLine anchorLine(const Anchor& anchor) const;
    AnchorSquares anchorSquares(const Anchor& anchor, const AnchorLine& line) const;
    double windowBounds(const Anchor& anchor, WindowTable& table);
    double fillWindowRow(const AnchorLine& line, const AnchorSquares& squares, int d, const WindowScore& left,
                         WindowTable& table);
    void refreshLimits();
    void liftLimits();
    bool canBeat(double bound, int anchorIndex) const;
    int tileBound(std::uint32_t checks) const;
    void sortTileValues();
    void computeLeaveCeilings();
    int leaveIndex(const std::array<std::uint8_t, kLetterCount>& counts) const;
    double leaveValueHeld() const;
    bool bingoFits(std::uint64_t boardHash);
    void buildBingoWords();
    void collectBingoWords(std::uint32_t nodeIndex, int depth, std::uint64_t hash,
                           std::vector<std::uint64_t>& hashes) const;
    void searchAnchor(const Anchor& anchor);
    void considerBest(int endPosition);
    int fastScore(int endPosition, int& newTiles) const;
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
    /// The first move: words over the centre square across, and down too where that may differ.
    void searchFirstMove();
    bool firstMoveMayGoDown() const;
    void searchFirstMoveAlong(bool across);
    struct LeftPart {
        std::uint32_t node;   ///< node reached by the letters laid so far
        std::uint32_t end;    ///< index after the last left part that extends this one
        std::uint32_t follow; ///< letters of the rack that may follow this left part
        std::uint32_t reach;  ///< letters of the rack that may follow it or any that extends it
        std::uint8_t depth;   ///< letters laid
        std::uint8_t code;    ///< the last letter laid, 0 = 'A'
        std::uint8_t joker;   ///< 1 when that letter is a joker
    };
    void collectLeftParts();
    void collectLeftParts(std::uint32_t nodeIndex, int depth, int maxDepth);
    void finishLeftPart(std::size_t at);
    void layLeftLetter(const LeftPart& part);
    void takeBackLeftLetter(const LeftPart& part);
    void leftPart(int limit);
    int leftPartLimit(int emptySquares) const;
    void extendRight(std::uint32_t nodeIndex, int position);
    template <typename Next> void tryLetter(std::uint32_t childIndex, int code, Next next);
    void record(int endPosition);
    /// Fills the move from the word laid so far, ending before `endPosition` (its score aside).
    void writeMove(Move& move, int endPosition) const;
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
    // The board and dictionary the cross-checks were computed for.
    bool m_checksValid = false;
    const Dictionary* m_checksDictionary = nullptr;
    std::uint64_t m_checksGeneration = 0;
    int m_checksRows = 0;
    int m_checksColumns = 0;
    // The best-move search.
    Mode m_mode = Mode::List;
    const LeaveValues* m_leaves = nullptr;
    std::vector<Anchor> m_anchors;
    ScoreGrid m_acrossScores{};
    ScoreGrid m_downScores{};
    const SquareScore* m_scores = nullptr;
    std::array<int, kLetterCount> m_values{};
    int m_anchorIndex = 0;
    int m_bestAnchor = 0;
    bool m_haveBest = false;
    double m_bestValue = 0;
    // Per number of tiles kept, the best leave value of that many tiles of the rack.
    std::array<double, kBoardCells> m_leaveCeilings{};
    // The value of every leave of the rack, computed with the ceilings and looked up for each
    // move found: a leave's index counts each of the rack's letters in mixed radix (the
    // letters and their strides in m_leaveLetters). Racks with too many different leaves for
    // the table are valued one by one.
    static constexpr int kLeaveTableSize = 256;
    struct LeaveLetter {
        int code;
        int stride;
    };
    std::array<double, kLeaveTableSize> m_leaveTable{};
    std::array<LeaveLetter, kLetterCount> m_leaveLetters{};
    int m_leaveLetterCount = 0;
    bool m_leaveTableUsable = false;
    // The window bounds of the anchors and the limits they set against the best
    // move so far: m_rightLimits[d] tiles at most from the anchor on after d tiles left of it,
    // and no left part deeper than m_depthLimit. Unlimited while listing.
    std::vector<WindowTable> m_windowTables; ///< by anchor index
    const WindowTable* m_windows = nullptr;  ///< of the anchor searched, null while listing
    std::uint64_t m_rackHash = 0;
    std::array<int, kBoardCells> m_rightLimits{};
    int m_depthLimit = kNoLimit;
    int m_rightLimit = kNoLimit;
    int m_leftDepth = 0;
    // Empty squares from the anchor up to each square of its line (tiles laid from the anchor on).
    std::array<std::uint8_t, kBoardCells + 1> m_emptyRank{};
    // Hashes of the letters of every word of seven letters or more, for the dictionary of
    // m_graph (emptied when the graph is rebuilt).
    LetterSetHashes m_bingoWords;
    std::array<int, kBoardCells> m_tileValues{};
    Move m_best;
    std::vector<Move> m_sortBuffer;
    std::vector<int> m_scoreCounts;
};

} // namespace glyph
