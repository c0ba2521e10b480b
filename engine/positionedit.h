#pragma once

#include <string>
#include <vector>

#include "base/board.h"

namespace glyph
{

class Game;

/// A position typed into the position editor: the players' names, racks, scores and clocks
/// and the board. It replaces the game's position only when the letter set can supply every
/// tile in it and the game is still going; scores and clocks are clamped as saved games are.
class PositionEdit
{
public:
    /// Why an edit is refused.
    enum class Problem {
        None,
        /// No game has been started.
        NoGame,
        /// The game has ended: an edit would bring it back to life.
        GameOver,
        /// A rack holds more than kRackSize tiles (`seat` names it).
        RackTooLong,
        /// The board and the racks hold more tiles of `letter` than the set has (`available`).
        TooManyTiles,
    };

    struct Seat {
        std::string name;
        /// Internal letter codes, the joker as kJoker.
        std::string rack;
        long long score = 0;
        long long timeLeft = 0;
    };

    /// Starts from the game's present position (no seats without a game in progress).
    explicit PositionEdit(const Game& game);

    std::vector<Seat>& seats() { return m_seats; }
    const std::vector<Seat>& seats() const { return m_seats; }
    Board& board() { return m_board; }

    /// The first reason to refuse the edit in `game`, or Problem::None; sets the details below.
    Problem check(const Game& game);
    /// Checks, then gives the game the players' fields (scores and clocks clamped) and the
    /// board, recomputes the bag and reloads the rack slots. False (game unchanged) if refused.
    bool apply(Game& game);

    int problemSeat() const { return m_problemSeat; }
    char problemLetter() const { return m_problemLetter; }
    int problemAvailable() const { return m_problemAvailable; }

private:
    std::vector<Seat> m_seats;
    Board m_board{};
    int m_problemSeat = -1;
    char m_problemLetter = 0;
    int m_problemAvailable = 0;
};

} // namespace glyph
