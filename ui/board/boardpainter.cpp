#include "ui/board/boardpainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

#include "base/letters.h"
#include "engine/boardgeometry.h"
#include "engine/game.h"
#include "preferences/keys.h"
#include "ui/common/uipreferences.h"

namespace glyph
{

namespace
{

constexpr int kSquareGap = 4;
constexpr int kRoundness = 25;
constexpr int kFrameWidthDivisor = 10;
constexpr int kLabelSizeDivisor = 4;
constexpr int kArrowSizeDivisor = 3;
const QChar kCentreStar(0x2605);

// Texts are sized from the shorter side, so that they fit the cells of a board that is not square.
int textBase(const QSize& cell)
{
    return std::min(cell.width(), cell.height());
}

} // namespace

QSize BoardPainter::cellSize(const QSize& deviceSize) const
{
    return {deviceSize.width() / (m_game.columns() + 1), deviceSize.height() / (m_game.rows() + 1)};
}

void BoardPainter::drawSquare(QPainter& painter, const QSize& deviceSize, int line, int column, char letter,
                              int value, bool occupied, bool highlighted) const
{
    const bool onBoard = line > -1 && column > -1;
    QSize cell = deviceSize;
    if (onBoard) {
        cell = cellSize(deviceSize);
    } else {
        line = 0;
        column = 0;
    }

    const QColor tileBackground = uiprefs::colour(m_game, keys::kColorLetterBackground);
    QColor fill = tileBackground;
    if (onBoard) {
        if (m_game.wordMultiplier(line, column) == 3)
            fill = uiprefs::colour(m_game, keys::kColorWordX3);
        if (m_game.wordMultiplier(line, column) == 2)
            fill = uiprefs::colour(m_game, keys::kColorWordX2);
        if (m_game.letterMultiplier(line, column) == 3)
            fill = uiprefs::colour(m_game, keys::kColorLetterX3);
        if (m_game.letterMultiplier(line, column) == 2)
            fill = uiprefs::colour(m_game, keys::kColorLetterX2);
    }
    if (occupied)
        fill = uiprefs::colour(m_game, keys::kColorOcupied);
    if (highlighted)
        fill = uiprefs::colour(m_game, keys::kColorCurrentMove);

    const int x = column * cell.width();
    const int y = line * cell.height();
    painter.setPen(tileBackground);
    painter.setBrush(fill);
    const QRect square(x, y, cell.width() - kSquareGap, cell.height() - kSquareGap);
    painter.drawRoundedRect(square, kRoundness, kRoundness, Qt::RelativeSize);
    if (letter == 0) {
        if (onBoard && !occupied && !highlighted)
            drawPremiumLabel(painter, square, line, column);
        return;
    }

    painter.setPen(uiprefs::colour(m_game, value != 0 ? keys::kColorLetter : keys::kColorJoker));
    painter.setFont(uiprefs::font(m_game, keys::kFontLetter, 2 * textBase(cell) / 3));
    painter.drawText(QRect(x + kSquareGap, y, 3 * cell.width() / 5, cell.height() - kSquareGap),
                     Qt::AlignCenter, QString(QChar::fromLatin1(letter)));
    painter.setFont(uiprefs::font(m_game, keys::kFontValue, textBase(cell) / 4));
    painter.drawText(QRect(x + 3 * cell.width() / 5, y, cell.width() / 3, cell.height() - kSquareGap),
                     Qt::AlignHCenter | Qt::AlignBottom, QString::number(value));
}

void BoardPainter::drawPremiumLabel(QPainter& painter, const QRect& square, int line, int column) const
{
    // The label names the premium whose colour the square has; the centre gets a star.
    QString label;
    if (m_game.wordMultiplier(line, column) == 3)
        label = QCoreApplication::translate("glyph::BoardPainter", "3W");
    if (m_game.wordMultiplier(line, column) == 2)
        label = QCoreApplication::translate("glyph::BoardPainter", "2W");
    if (m_game.letterMultiplier(line, column) == 3)
        label = QCoreApplication::translate("glyph::BoardPainter", "3L");
    if (m_game.letterMultiplier(line, column) == 2)
        label = QCoreApplication::translate("glyph::BoardPainter", "2L");
    if (line == geometry::centreRow(m_game.rows()) && column == geometry::centreColumn(m_game.columns()))
        label = kCentreStar;
    if (label.isEmpty())
        return;
    painter.setPen(uiprefs::colour(m_game, keys::kColorLetter));
    painter.setFont(uiprefs::font(m_game, keys::kFontValue, textBase(square.size()) / kLabelSizeDivisor + 1));
    painter.drawText(square, Qt::AlignCenter, label);
}

void BoardPainter::paintMargins(QPainter& painter, const QSize& deviceSize) const
{
    const QSize cell = cellSize(deviceSize);
    painter.setPen(uiprefs::colour(m_game, keys::kColorMargin));
    painter.setFont(uiprefs::font(m_game, keys::kFontMargin, textBase(cell) / 2));
    for (int line = 1; line <= m_game.rows(); ++line)
        painter.drawText(QRect(0, line * cell.height(), cell.width(), cell.height()), Qt::AlignCenter,
                         QString(QChar::fromLatin1(geometry::rowName(line))));
    for (int column = 1; column <= m_game.columns(); ++column)
        painter.drawText(QRect(column * cell.width(), 0, cell.width(), cell.height()), Qt::AlignCenter,
                         QString::number(column));
}

void BoardPainter::paintSquares(QPainter& painter, const QSize& deviceSize) const
{
    const Board& board = m_game.board();
    for (int line = 1; line <= m_game.rows(); ++line) {
        for (int column = 1; column <= m_game.columns(); ++column) {
            const Square& square = board[line][column];
            const int value = square.letter == 0
                                  ? -1
                                  : (square.joker ? 0 : letters::value(m_game.letterSet(), square.letter));
            drawSquare(painter, deviceSize, line, column, square.letter, value, square.letter != 0, false);
        }
    }
}

void BoardPainter::paintFrame(QPainter& painter, const QSize& deviceSize, const Move& framed) const
{
    const int length = static_cast<int>(qstrnlen(framed.word, sizeof framed.word));
    if (length == 0)
        return;
    const QSize cell = cellSize(deviceSize);
    QPen pen(uiprefs::colour(m_game, keys::kColorSelected));
    pen.setWidth(cell.width() / kFrameWidthDivisor);
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int x = framed.col * cell.width();
    const int y = framed.lin * cell.height();
    if (framed.horiz)
        painter.drawRect(x, y, length * cell.width(), cell.height());
    else
        painter.drawRect(x, y, cell.width(), length * cell.height());
}

void BoardPainter::paint(QPainter& painter, const QSize& deviceSize, const Move& framed) const
{
    painter.fillRect(QRect(QPoint(0, 0), deviceSize), uiprefs::colour(m_game, keys::kColorBackground));
    paintMargins(painter, deviceSize);
    paintSquares(painter, deviceSize);
    paintFrame(painter, deviceSize, framed);
}

void BoardPainter::paintPlacedTiles(QPainter& painter, const QSize& deviceSize) const
{
    const auto& tiles = m_game.rackSlots();
    for (int i = 0; i < m_game.rackSlotCount(); ++i) {
        const RackSlot& slot = tiles[i];
        if (!slot.placed)
            continue;
        const char shown = slot.letter == kJoker ? slot.jokerLetter : slot.letter;
        drawSquare(painter, deviceSize, slot.row, slot.column, shown,
                   letters::value(m_game.letterSet(), slot.letter), false, true);
    }
}

void BoardPainter::paintCursor(QPainter& painter, const QSize& deviceSize, int line, int column, bool across,
                               bool solid) const
{
    if (line < 1 || line > m_game.rows() || column < 1 || column > m_game.columns())
        return;
    const QSize cell = cellSize(deviceSize);
    const QColor colour = uiprefs::colour(m_game, keys::kColorSelected);
    QPen pen(colour);
    pen.setWidth(std::max(2, cell.width() / kFrameWidthDivisor));
    pen.setStyle(solid ? Qt::SolidLine : Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRect square(column * cell.width(), line * cell.height(), cell.width() - kSquareGap,
                       cell.height() - kSquareGap);
    painter.drawRect(square);
    // The arrow sits on the edge the next letter goes past, so the direction reads at a glance.
    const int arrow = std::max(4, textBase(cell) / kArrowSizeDivisor);
    QPolygon head;
    if (across) {
        const int x = square.right();
        const int y = square.center().y();
        head << QPoint(x - arrow / 2, y - arrow / 2) << QPoint(x + arrow / 2, y)
             << QPoint(x - arrow / 2, y + arrow / 2);
    } else {
        const int x = square.center().x();
        const int y = square.bottom();
        head << QPoint(x - arrow / 2, y - arrow / 2) << QPoint(x, y + arrow / 2)
             << QPoint(x + arrow / 2, y - arrow / 2);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(head);
}

} // namespace glyph
