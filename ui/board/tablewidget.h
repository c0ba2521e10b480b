#pragma once

#include <QList>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include "engine/move.h"
#include "ui/board/boardpainter.h"

class QPaintDevice;

namespace glyph
{

class Game;
class GameSession;

/// The board: margins with line and column labels, premium squares, tiles, the tiles placed
/// this turn (blinking), drag and drop from the rack, take-back with the mouse, tooltips, and
/// keyboard play: a cursor set by a click or the arrow keys, letters typed to lay tiles.
class TableWidget : public QWidget
{
    Q_OBJECT

public:
    TableWidget(GameSession& session, QWidget* parent);

    /// Full paint of the board on any paint device (widget, printer page, picture), without
    /// the tiles placed this turn.
    void paint(QPaintDevice& device);
    /// Paints the board as `paint` does, with the painter's origin as its top left corner.
    void paintBoard(QPainter& painter, const QSize& size);
    const Game& game() const { return m_game; }
    /// Repaints the squares and the highlighted-move frame at once.
    void redrawSquares();
    /// Redraws the squares of the tiles placed this turn as empty squares.
    void erasePlacedTiles();
    /// The move drawn in the frame: the session's highlighted move when there is one, else the
    /// move that led to the position shown while no tile of this turn is placed; else the pass record.
    Move framedMove() const;
    /// Schedules a repaint after the tiles placed this turn or the shown position changed
    /// (drop, take-back, a move played, the history stepped) and shows the placed tiles at once.
    void placementChanged();

    /// Cell size of the grid (board plus margins) on a device of the given size.
    QSize cellSize(const QSize& deviceSize) const;
    /// The board line and column under a point of the widget (0 = margin).
    QPoint squareAt(const QPoint& point) const;
    /// The tooltip text for a point of the widget; empty when no tip is shown.
    QString tipText(const QPoint& point) const;
    /// Lays the picked-up rack tile on the square under the point (a drop carrying text);
    /// refuses squares off the board or taken. False when nothing was laid.
    bool drop(const QString& text, const QPoint& point);
    /// The blink counter: the placed tiles are hidden while it is 0.
    int blinkCounter() const { return m_blinkCounter; }
    /// True after `?` was typed: the next letter is laid as a joker.
    bool jokerPending() const { return m_jokerPending; }

public slots:
    /// The blink tick: shows the placed tiles, hiding them one tick in five.
    void timerOut();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// Arrows move the cursor, space switches across and down, a letter lays a tile (Shift, or
    /// `?` before it, for a joker), Backspace takes the last one back, Enter plays.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updatePlacedSquares();
    QList<QPoint> placedSquares() const;
    QRect squareRect(int line, int column) const;
    void refuseDrop(const QString& text);
    QString wordText(int line, int column, bool across) const;
    bool typeKey(const QKeyEvent& event);
    /// Where the cursor is drawn and how, to tell when it needs a repaint.
    struct CursorState {
        int line = 0;
        int column = 0;
        bool across = true;
        bool shown = false;
        bool operator==(const CursorState&) const = default;
    };
    CursorState cursorState() const;

    GameSession& m_session;
    Game& m_game;
    BoardPainter m_painter;
    QTimer m_blinkTimer;
    int m_blinkCounter = 0;
    // What the last scheduled full repaint showed, to tell when the placement has changed.
    QList<QPoint> m_paintedSquares;
    Move m_paintedFrame;
    CursorState m_paintedCursor;
    bool m_jokerPending = false;
    /// The rack slot whose tile the last press took back from the board, -1 for none: the
    /// first press of a double click on a laid tile.
    int m_takenBackSlot = -1;
};

} // namespace glyph
