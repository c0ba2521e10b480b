#include "bruteforcefinder.h"

#include <algorithm>
#include <array>
#include <functional>

#include "engine/game.h"

namespace glyph::test
{

namespace
{

constexpr int kFirstMoveLeftLetters = 6;

class Finder
{
public:
    Finder(const Game& game, const std::set<std::string>& words, const std::string& rack)
        : m_game(game), m_words(words), m_rows(game.rows()), m_columns(game.columns())
    {
        for (char code : rack)
            ++m_rack[static_cast<std::size_t>(code - 'A')];
    }

    std::vector<Move> run()
    {
        const int centreRow = m_rows / 2 + 1;
        const int centreColumn = m_columns / 2 + 1;
        m_first = !occupied(centreRow, centreColumn);
        for (int across = 1; across >= 0; --across) {
            if (m_first && across == 0 && looksTheSameTurnedOver())
                continue;
            const int lines = across ? m_rows : m_columns;
            const int length = across ? m_columns : m_rows;
            for (int line = 1; line <= lines; ++line)
                for (int start = 1; start <= length; ++start)
                    for (int end = start; end <= length; ++end)
                        trySegment(across == 1, line, start, end);
        }
        return m_found;
    }

private:
    // A first move down is the mirror of one across when the board and its premium squares
    // are the same turned over along the diagonal.
    bool looksTheSameTurnedOver() const
    {
        for (int row = 1; row <= std::max(m_rows, m_columns); ++row)
            for (int column = 1; column <= std::max(m_rows, m_columns); ++column)
                if (m_rows != m_columns ||
                    m_game.letterMultiplier(row, column) != m_game.letterMultiplier(column, row) ||
                    m_game.wordMultiplier(row, column) != m_game.wordMultiplier(column, row))
                    return false;
        return true;
    }

    bool occupied(int row, int column) const
    {
        return row >= 1 && row <= m_rows && column >= 1 && column <= m_columns &&
               m_game.board()[row][column].letter != 0;
    }
    // Square `position` of line `line` in the direction searched.
    int rowOf(bool across, int line, int position) const { return across ? line : position; }
    int columnOf(bool across, int line, int position) const { return across ? position : line; }
    bool occupiedAt(bool across, int line, int position) const
    {
        return occupied(rowOf(across, line, position), columnOf(across, line, position));
    }

    void trySegment(bool across, int line, int start, int end)
    {
        if (occupiedAt(across, line, start - 1) || occupiedAt(across, line, end + 1))
            return;
        int empty = 0;
        bool touches = false;
        for (int position = start; position <= end; ++position) {
            const int row = rowOf(across, line, position);
            const int column = columnOf(across, line, position);
            if (occupied(row, column)) {
                touches = true;
                continue;
            }
            ++empty;
            const bool sideways = across ? occupied(row - 1, column) || occupied(row + 1, column)
                                         : occupied(row, column - 1) || occupied(row, column + 1);
            touches = touches || sideways;
        }
        if (empty == 0)
            return;
        if (m_first) {
            const int centre = across ? m_columns / 2 + 1 : m_rows / 2 + 1;
            const int centreLine = across ? m_rows / 2 + 1 : m_columns / 2 + 1;
            if (line != centreLine || start > centre || end < centre ||
                centre - start > kFirstMoveLeftLetters)
                return;
        } else if (!touches) {
            return;
        }
        for (const std::string& word : m_words)
            if (static_cast<int>(word.size()) == end - start + 1)
                tryWord(across, line, start, word);
    }

    std::string crossWord(bool across, int row, int column, char letter) const
    {
        // The word through (row, column) in the other direction with `letter` on that square.
        const int dRow = across ? 1 : 0;
        const int dColumn = across ? 0 : 1;
        int r = row;
        int c = column;
        while (occupied(r - dRow, c - dColumn)) {
            r -= dRow;
            c -= dColumn;
        }
        std::string word;
        for (; (r == row && c == column) || occupied(r, c); r += dRow, c += dColumn)
            word += (r == row && c == column) ? letter : m_game.board()[r][c].letter;
        return word;
    }

    void tryWord(bool across, int line, int start, const std::string& word)
    {
        std::vector<int> newPositions;
        for (int i = 0; i < static_cast<int>(word.size()); ++i) {
            const int row = rowOf(across, line, start + i);
            const int column = columnOf(across, line, start + i);
            if (occupied(row, column)) {
                if (m_game.board()[row][column].letter != word[i])
                    return;
                continue;
            }
            const std::string cross = crossWord(across, row, column, word[i]);
            if (cross.size() > 1 && m_words.count(cross) == 0)
                return;
            newPositions.push_back(i);
        }
        // Each choice of which new letters are jokers.
        const unsigned choices = 1u << newPositions.size();
        for (unsigned jokerMask = 0; jokerMask < choices; ++jokerMask) {
            std::array<int, 27> need{};
            std::string shown = word;
            std::string jokers; // in the word's order, as the positions are
            for (std::size_t k = 0; k < newPositions.size(); ++k) {
                const auto i = static_cast<std::size_t>(newPositions[k]);
                if (jokerMask & (1u << k)) {
                    ++need[26];
                    shown[i] = '[';
                    jokers += word[i];
                } else {
                    ++need[static_cast<std::size_t>(word[i] - 'A')];
                }
            }
            if (!std::equal(need.begin(), need.end(), m_rack.begin(), std::less_equal<>()))
                continue;
            Move move;
            move.horiz = across ? 1 : 0;
            move.col = static_cast<std::int8_t>(columnOf(across, line, start));
            move.lin = static_cast<std::int8_t>(rowOf(across, line, start));
            std::copy(shown.begin(), shown.end(), move.word);
            std::copy(jokers.begin(), jokers.end(), move.jokers);
            m_game.computeScore(move, m_game.board());
            m_found.push_back(move);
        }
    }

    const Game& m_game;
    const std::set<std::string>& m_words;
    int m_rows;
    int m_columns;
    std::array<int, 27> m_rack{};
    bool m_first = false;
    std::vector<Move> m_found;
};

} // namespace

std::vector<Move> bruteForceMoves(const Game& game, const std::set<std::string>& words,
                                  const std::string& rack)
{
    return Finder(game, words, rack).run();
}

std::string moveKey(const Move& move)
{
    return std::to_string(move.horiz) + " " + std::to_string(move.col) + " " + std::to_string(move.lin) +
           " " + move.word + "/" + move.jokers + " = " + std::to_string(move.score);
}

} // namespace glyph::test
