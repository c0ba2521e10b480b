#include "engine/positionedit.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "engine/game.h"
#include "engine/gamerules.h"

namespace glyph
{

namespace
{

int letterIndex(char code)
{
    return code - 'A';
}

} // namespace

PositionEdit::PositionEdit(const Game& game) : m_board(game.board())
{
    const GameRules* rules = game.rules();
    if (rules == nullptr || !rules->inProgress())
        return;
    for (const Player& player : rules->players())
        m_seats.push_back({std::string(player.name, strnlen(player.name, sizeof player.name)),
                           std::string(player.rack, strnlen(player.rack, sizeof player.rack)), player.score,
                           player.timeLeft});
}

PositionEdit::Problem PositionEdit::check(const Game& game)
{
    m_problemSeat = -1;
    m_problemLetter = 0;
    m_problemAvailable = 0;
    const GameRules* rules = game.rules();
    if (rules == nullptr || !rules->inProgress() || m_seats.size() != rules->players().size())
        return Problem::NoGame;
    if (rules->isGameOver())
        return Problem::GameOver;

    std::array<int, kLetterCount> used{};
    for (std::size_t i = 0; i < m_seats.size(); ++i) {
        if (m_seats[i].rack.size() > static_cast<std::size_t>(kRackSize)) {
            m_problemSeat = static_cast<int>(i);
            return Problem::RackTooLong;
        }
        for (char code : m_seats[i].rack)
            if (code >= 'A' && code <= kJoker)
                ++used[letterIndex(code)];
    }
    for (int row = 1; row <= game.rows(); ++row) {
        for (int column = 1; column <= game.columns(); ++column) {
            const Square& square = m_board[row][column];
            if (square.letter >= 'A' && square.letter <= 'Z')
                ++used[letterIndex(square.joker != 0 ? kJoker : square.letter)];
        }
    }
    for (int k = 0; k < kLetterCount; ++k) {
        const int available = game.letterSet().entryAt(k).count;
        if (used[k] > available) {
            m_problemLetter = static_cast<char>('A' + k);
            m_problemAvailable = available;
            return Problem::TooManyTiles;
        }
    }
    return Problem::None;
}

bool PositionEdit::apply(Game& game)
{
    if (check(game) != Problem::None)
        return false;
    GameRules* rules = game.rules();
    for (std::size_t i = 0; i < m_seats.size(); ++i) {
        Player& player = rules->players()[i];
        player.setName(m_seats[i].name);
        player.setRack(m_seats[i].rack);
        player.score =
            static_cast<int>(std::clamp<long long>(m_seats[i].score, -Player::kMaxScore, Player::kMaxScore));
        player.timeLeft = static_cast<int>(
            std::clamp<long long>(m_seats[i].timeLeft, -Player::kMaxSeconds, Player::kMaxSeconds));
    }
    // Squares outside the board stay empty whatever the editor held.
    Board& board = game.board();
    board = Board{};
    for (int row = 1; row <= game.rows(); ++row)
        for (int column = 1; column <= game.columns(); ++column)
            if (m_board[row][column].letter >= 'A' && m_board[row][column].letter <= 'Z')
                board[row][column] = m_board[row][column];
    rules->bag().recomputeFromBoard(game.letterSet(), rules->players(), board, game.rows(), game.columns());
    // The position shown is the snapshot's: the edit goes there too, so that stepping through
    // the history and saving keep it.
    rules->amendSnapshot();
    game.reloadRackSlots();
    return true;
}

} // namespace glyph
