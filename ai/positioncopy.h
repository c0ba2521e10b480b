#pragma once

#include "ai/movegenerator.h"
#include "engine/game.h"
#include "engine/gameview.h"
#include "preferences/preferences.h"

namespace glyph
{

/// A game of its own for one search thread: the position of another game (board, settings and
/// a copy of its dictionary) with a move generator over it. Kept between searches, so that the
/// dictionary is copied and the generator's tables are built once, not on every turn.
class PositionCopy
{
public:
    PositionCopy();
    PositionCopy(const PositionCopy&) = delete;
    PositionCopy& operator=(const PositionCopy&) = delete;

    /// Takes over the position of `game` (see `Game::copyPositionFrom`).
    void take(const Game& game) { m_game.copyPositionFrom(game); }

    Game& game() { return m_game; }
    Board& board() { return m_game.board(); }
    MoveGenerator& generator() { return m_generator; }

private:
    NullView m_view;
    // Never saved, and read from no file: the copy's settings come from the game it copies.
    Preferences m_preferences;
    // Names no letter set or dictionary before the game is built, so that it loads none.
    bool m_noData;
    Game m_game;
    MoveGenerator m_generator;
};

} // namespace glyph
