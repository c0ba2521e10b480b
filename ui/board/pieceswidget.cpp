#include "ui/board/pieceswidget.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

#include "base/letters.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "preferences/keys.h"
#include "ui/board/boardpainter.h"
#include "ui/common/uipreferences.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{

const char* const kDragText = "SF";
constexpr int kMinimumSlots = 7;
constexpr int kPieceRoundness = 25;
constexpr int kLetterInset = 2;
constexpr int kPlaceInset = 3;

QString shownLetter(char letter)
{
    return letter == kJoker ? QString("?") : QString(QChar::fromLatin1(letter));
}

} // namespace

PiecesWidget::PiecesWidget(GameSession& session, QGroupBox* parent)
    : QGroupBox(parent), m_session(session), m_game(session.game())
{
    setObjectName("pieces");
    setTitle(QString());
    setFlat(true);
    setAcceptDrops(true);
    setCursor(Qt::PointingHandCursor);
}

int PiecesWidget::tileWidth() const
{
    return width() / std::max(kMinimumSlots, m_game.rackSlotCount());
}

bool PiecesWidget::computerToMove() const
{
    const GameRules* rules = m_game.rules();
    return rules != nullptr && rules->inProgress() && rules->currentPlayer().isComputer();
}

void PiecesWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int h = height();
    const int tile = tileWidth();
    painter.fillRect(rect(), uiprefs::colour(m_game, keys::kColorBackground));
    if (uiprefs::integer(m_game, keys::kShowComputerRack) == 0 && computerToMove())
        return;

    const QFont letterFont = uiprefs::font(m_game, keys::kFontLetter, h / 3);
    const QFont valueFont = uiprefs::font(m_game, keys::kFontValue, h / 5);
    const auto& tiles = m_game.rackSlots();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < m_game.rackSlotCount(); ++i) {
        const RackSlot& slot = tiles[i];
        const int x = i * tile;
        const QRect place(x, 0, tile - 1, h - 1);
        if (slot.placed) {
            // The tile lies on the board: its place is an outline, so it is not taken for a blank.
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(uiprefs::colour(m_game, keys::kColorMargin), 1, Qt::DashLine));
            painter.drawRoundedRect(place.adjusted(kPlaceInset, kPlaceInset, -kPlaceInset, -kPlaceInset),
                                    kPieceRoundness, kPieceRoundness, Qt::RelativeSize);
            continue;
        }
        painter.setBrush(uiprefs::colour(m_game, i == m_game.selectedSlot() ? keys::kColorSelected
                                                                            : keys::kColorLetterBackground));
        painter.setPen(uiprefs::colour(m_game, keys::kColorLetter));
        painter.drawRoundedRect(place, kPieceRoundness, kPieceRoundness, Qt::RelativeSize);
        painter.setFont(letterFont);
        painter.drawText(QRect(x + kLetterInset, 0, 2 * tile / 3, h), Qt::AlignRight | Qt::AlignVCenter,
                         shownLetter(slot.letter));
        painter.setFont(valueFont);
        painter.drawText(QRect(x + 2 * tile / 3, 0, tile / 3, h), Qt::AlignHCenter | Qt::AlignBottom,
                         QString::number(letters::value(m_game.letterSet(), slot.letter)));
    }
}

bool PiecesWidget::pickUp(const QPoint& point)
{
    const int tile = tileWidth();
    if (!m_session.rackEditable() || !rect().contains(point) || m_game.rackSlotCount() == 0 || tile <= 0)
        return false;
    const int i = point.x() / tile;
    if (i >= m_game.rackSlotCount() || m_game.rackSlots()[i].placed)
        return false;
    m_game.setSelectedSlot(i);
    update();
    buildDragPicture(i);
    return true;
}

void PiecesWidget::buildDragPicture(int slot)
{
    const QSize square = m_session.squareSize();
    if (square.width() <= 0 || square.height() <= 0) {
        m_dragPicture = QPixmap();
        return;
    }
    m_dragPicture = QPixmap(square);
    m_dragPicture.fill(Qt::transparent);
    const char letter = m_game.rackSlots()[slot].letter;
    QPainter painter(&m_dragPicture);
    BoardPainter(m_game).drawSquare(painter, square, -1, -1, letter == kJoker ? '?' : letter,
                                    letters::value(m_game.letterSet(), letter), false, false);
}

void PiecesWidget::mousePressEvent(QMouseEvent* event)
{
    if (!pickUp(event->position().toPoint()))
        return;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setText(kDragText);
    drag->setMimeData(data);
    if (!m_dragPicture.isNull()) {
        drag->setPixmap(m_dragPicture);
        drag->setHotSpot(QPoint(m_dragPicture.width() / 2, m_dragPicture.height() / 2));
    }
    drag->exec(Qt::CopyAction);
}

void PiecesWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText() || event->mimeData()->hasImage())
        event->acceptProposedAction();
}

void PiecesWidget::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

bool PiecesWidget::reorder(const QPoint& point)
{
    const int tile = tileWidth();
    if (!rect().contains(point) || m_game.rackSlotCount() == 0 || tile <= 0)
        return false;
    const int target = point.x() / tile;
    const int selected = m_game.selectedSlot();
    if (target == selected || selected < 0 || selected >= m_game.rackSlotCount() ||
        target >= m_game.rackSlotCount())
        return false;
    m_session.swapRackSlots(selected, target);
    update();
    return true;
}

void PiecesWidget::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasText() || event->mimeData()->text().isEmpty())
        return;
    event->acceptProposedAction();
    reorder(event->position().toPoint());
}

} // namespace glyph
