#pragma once

#include <QSize>

#include "engine/move.h"

class QPainter;
class QRect;

namespace glyph
{

class Game;

/// Draws the board as the game holds it, on any device size: the margins with line and
/// column labels, premium squares, tiles, the framed move and the tiles placed this turn.
/// The board widget, the bitmap export, printing and the rack's drag picture all draw with it.
class BoardPainter
{
public:
    explicit BoardPainter(Game& game) : m_game(game) {}

    /// Cell size of the grid (board plus margins) on a device of the given size.
    QSize cellSize(const QSize& deviceSize) const;
    /// The whole board without the tiles placed this turn, the framed move outlined (the pass
    /// record frames nothing).
    void paint(QPainter& painter, const QSize& deviceSize, const Move& framed) const;
    /// The tiles placed this turn, drawn as highlighted tiles.
    void paintPlacedTiles(QPainter& painter, const QSize& deviceSize) const;
    /// The keyboard cursor: a frame on the square with an arrow pointing across or down, solid
    /// while the board has the keyboard, dashed otherwise.
    void paintCursor(QPainter& painter, const QSize& deviceSize, int line, int column, bool across,
                     bool solid) const;
    /// One square; line and column -1 make the whole device one square (a single tile).
    void drawSquare(QPainter& painter, const QSize& deviceSize, int line, int column, char letter, int value,
                    bool occupied, bool highlighted) const;

private:
    void paintMargins(QPainter& painter, const QSize& deviceSize) const;
    void paintSquares(QPainter& painter, const QSize& deviceSize) const;
    void paintFrame(QPainter& painter, const QSize& deviceSize, const Move& framed) const;
    void drawPremiumLabel(QPainter& painter, const QRect& square, int line, int column) const;

    Game& m_game;
};

} // namespace glyph
