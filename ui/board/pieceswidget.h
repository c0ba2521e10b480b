#pragma once

#include <QGroupBox>
#include <QPixmap>

namespace glyph
{

class Game;
class GameSession;

/// The tile strip of the rack: draws the current player's tiles, lets the human pick one up
/// and drag it to the board, and reorders tiles dropped on the strip.
class PiecesWidget : public QGroupBox
{
public:
    PiecesWidget(GameSession& session, QGroupBox* parent);

    /// Width of one tile: the strip width over the slot count, at least seven slots.
    int tileWidth() const;
    /// Selects the tile under the point for dragging; false when it cannot be picked up.
    bool pickUp(const QPoint& point);
    /// Moves the selected tile to the slot under the point (a swap); false when nothing changes.
    bool reorder(const QPoint& point);
    /// The drag picture of the last tile picked up.
    const QPixmap& dragPicture() const { return m_dragPicture; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool computerToMove() const;
    void buildDragPicture(int slot);

    GameSession& m_session;
    Game& m_game;
    QPixmap m_dragPicture;
};

} // namespace glyph
