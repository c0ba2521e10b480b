#include "ui/board/tablewidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <string_view>
#include <utility>

#include "base/letters.h"
#include "engine/boardgeometry.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/moveplacement.h"
#include "engine/rackeditor.h"
#include "preferences/keys.h"
#include "ui/board/jokerdialog.h"
#include "ui/common/prompter.h"
#include "ui/common/uipreferences.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{

constexpr int kBlinkPeriod = 250;
constexpr int kBlinkPhases = 5;
constexpr int kTipSize = 30;
constexpr double kPercent = 100.0;

bool sameFrame(const Move& a, const Move& b)
{
    return a.horiz == b.horiz && a.col == b.col && a.lin == b.lin &&
           std::string_view(a.word) == std::string_view(b.word);
}

} // namespace

TableWidget::TableWidget(GameSession& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_game(session.game()), m_painter(session.game())
{
    setObjectName("table");
    setAcceptDrops(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_blinkTimer, &QTimer::timeout, this, &TableWidget::timerOut);
    m_blinkTimer.start(kBlinkPeriod);
    connect(&m_session, &GameSession::positionChanged, this, &TableWidget::redrawSquares);
    connect(&m_session, &GameSession::placementChanged, this, &TableWidget::placementChanged);
    connect(&m_session, &GameSession::settingsChanged, this, qOverload<>(&TableWidget::update));
}

QSize TableWidget::cellSize(const QSize& deviceSize) const
{
    return m_painter.cellSize(deviceSize);
}

QPoint TableWidget::squareAt(const QPoint& point) const
{
    const QSize cell = cellSize(size());
    if (cell.width() <= 0 || cell.height() <= 0 || point.x() < 0 || point.y() < 0)
        return {-1, -1};
    return {point.x() / cell.width(), point.y() / cell.height()};
}

QRect TableWidget::squareRect(int line, int column) const
{
    const QSize cell = cellSize(size());
    return {column * cell.width(), line * cell.height(), cell.width(), cell.height()};
}

void TableWidget::paint(QPaintDevice& device)
{
    QPainter painter(&device);
    m_painter.paint(painter, QSize(device.width(), device.height()), framedMove());
}

void TableWidget::paintBoard(QPainter& painter, const QSize& size)
{
    m_painter.paint(painter, size, framedMove());
}

void TableWidget::paintEvent(QPaintEvent*)
{
    paint(*this);
    QPainter painter(this);
    if (m_blinkCounter != 0)
        m_painter.paintPlacedTiles(painter, size());
    const CursorState cursor = cursorState();
    if (cursor.shown)
        m_painter.paintCursor(painter, size(), cursor.line, cursor.column, cursor.across, hasFocus());
    if (cursor.shown && m_jokerPending) {
        painter.setPen(uiprefs::colour(m_game, keys::kColorJoker));
        painter.drawText(squareRect(cursor.line, cursor.column), Qt::AlignCenter, QStringLiteral("?"));
    }
}

TableWidget::CursorState TableWidget::cursorState() const
{
    const RackEditor& editor = m_session.rackEditor();
    return {editor.cursorRow(), editor.cursorColumn(), editor.across(), m_session.rackEditable()};
}

void TableWidget::resizeEvent(QResizeEvent* event)
{
    m_session.setSquareSize(cellSize(size()));
    QWidget::resizeEvent(event);
}

void TableWidget::redrawSquares()
{
    m_paintedSquares = placedSquares();
    m_paintedFrame = framedMove();
    m_paintedCursor = cursorState();
    repaint();
}

QList<QPoint> TableWidget::placedSquares() const
{
    QList<QPoint> squares;
    const auto& tiles = m_game.rackSlots();
    for (int i = 0; i < m_game.rackSlotCount(); ++i)
        if (tiles[i].placed)
            squares.append(QPoint(tiles[i].column, tiles[i].row));
    return squares;
}

void TableWidget::updatePlacedSquares()
{
    for (const QPoint& square : placedSquares())
        update(squareRect(square.y(), square.x()));
}

Move TableWidget::framedMove() const
{
    if (!m_session.highlightedMove().isPass())
        return m_session.highlightedMove();
    const GameRules* rules = m_game.rules();
    if (rules == nullptr || !rules->inProgress() || !placedSquares().isEmpty())
        return {};
    const int position = rules->historyPosition();
    if (position <= 0 || position >= static_cast<int>(rules->history().size()))
        return {};
    return rules->history()[position].move;
}

void TableWidget::placementChanged()
{
    // Repaints are scheduled from the state as it is now, after the change: a square left or
    // newly taken, or the last move's frame appearing or going, repaints the whole board.
    const QList<QPoint> squares = placedSquares();
    const Move frame = framedMove();
    const CursorState cursor = cursorState();
    if (squares != m_paintedSquares || !sameFrame(frame, m_paintedFrame) || cursor != m_paintedCursor) {
        if (squares.size() > m_paintedSquares.size())
            m_blinkCounter = 1; // a tile just laid shows at once, not after a hidden phase
        m_paintedSquares = squares;
        m_paintedFrame = frame;
        m_paintedCursor = cursor;
        update();
    }
}

void TableWidget::erasePlacedTiles()
{
    // The squares are painted again from the rack tiles as they are when the paint happens,
    // so a tile that has left the board by then shows as an empty square.
    updatePlacedSquares();
}

void TableWidget::timerOut()
{
    if (m_game.rackSlotCount() == 0)
        return;
    m_blinkCounter = (m_blinkCounter + 1) % kBlinkPhases;
    updatePlacedSquares();
}

// ---- mouse ----

void TableWidget::mousePressEvent(QMouseEvent* event)
{
    m_takenBackSlot = -1;
    // During a computer turn the placed tiles are the computer's move on show.
    if (m_session.locked())
        return;
    auto& tiles = m_game.rackSlots();
    if (event->button() == Qt::RightButton) {
        erasePlacedTiles();
        m_session.takeBackPlacedTiles();
        return;
    }
    const QPoint square = squareAt(event->position().toPoint());
    for (int i = 0; i < m_game.rackSlotCount(); ++i) {
        if (tiles[i].placed && tiles[i].row == square.y() && tiles[i].column == square.x()) {
            erasePlacedTiles();
            tiles[i].placed = 0;
            m_takenBackSlot = i;
            m_blinkCounter = 1; // the tiles left on the board stay in sight
            m_session.placementEdited();
            return;
        }
    }
    if (square.y() >= 1 && square.y() <= m_game.rows() && square.x() >= 1 && square.x() <= m_game.columns()) {
        m_jokerPending = false;
        m_session.clickSquare(square.y(), square.x());
    }
}

// ---- keyboard ----

void TableWidget::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    if (!plain || m_session.locked()) {
        QWidget::keyPressEvent(event); // Escape and the menus' keys go on to the window
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        m_session.moveCursor(0, -1);
        return;
    case Qt::Key_Right:
        m_session.moveCursor(0, 1);
        return;
    case Qt::Key_Up:
        m_session.moveCursor(-1, 0);
        return;
    case Qt::Key_Down:
        m_session.moveCursor(1, 0);
        return;
    case Qt::Key_Space:
        m_session.switchDirection();
        return;
    case Qt::Key_Backspace:
        m_jokerPending = false;
        m_blinkCounter = 1; // the tiles left on the board stay in sight
        m_session.backspace();
        update();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_session.move();
        return;
    default:
        break;
    }
    if (!typeKey(*event))
        QWidget::keyPressEvent(event);
}

bool TableWidget::typeKey(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text == QStringLiteral("?")) {
        m_jokerPending = !m_jokerPending;
        update();
        return true;
    }
    if (text.size() != 1)
        return false;
    const char16_t letter = text.at(0).toUpper().unicode();
    if (letter < u'A' || letter > u'Z')
        return false;
    // Shift, not the case, asks for a joker: Caps Lock alone lays plain letters.
    const bool joker = m_jokerPending || (event.modifiers() & Qt::ShiftModifier) != 0;
    m_jokerPending = false;
    m_session.typeLetter(static_cast<char>(letter), joker);
    update();
    return true;
}

void TableWidget::focusInEvent(QFocusEvent* event)
{
    update(); // the cursor is drawn solid while the board has the keyboard
    QWidget::focusInEvent(event);
}

void TableWidget::focusOutEvent(QFocusEvent* event)
{
    m_jokerPending = false;
    update();
    QWidget::focusOutEvent(event);
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent*)
{
    // A double click on a tile laid this turn means the move on the board: its first press took
    // that tile back, so it goes back where it was before the move is played.
    const int slot = std::exchange(m_takenBackSlot, -1);
    if (slot >= 0 && slot < m_game.rackSlotCount() && !m_session.locked()) {
        m_game.rackSlots()[slot].placed = 1;
        m_session.placementEdited();
    }
    m_session.move();
}

// ---- drag and drop ----

void TableWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void TableWidget::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void TableWidget::refuseDrop(const QString& text)
{
    m_session.prompter().message(this, QMessageBox::Warning, text, {tr("&Close")});
}

void TableWidget::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasText())
        return;
    event->acceptProposedAction();
    drop(event->mimeData()->text(), event->position().toPoint());
}

bool TableWidget::drop(const QString& text, const QPoint& point)
{
    // After the game, or while a computer moves, no tile is laid (as no letter is typed).
    const int selected = m_game.selectedSlot();
    if (!m_session.rackEditable() || text.isEmpty() || selected < 0 || selected >= m_game.rackSlotCount())
        return false;
    const QPoint square = squareAt(point);
    const int line = square.y();
    const int column = square.x();
    if (line < 1 || line > m_game.rows() || column < 1 || column > m_game.columns()) {
        refuseDrop(tr("Must be on the table!"));
        return false;
    }
    if (m_game.board()[line][column].letter != 0) {
        refuseDrop(tr("The current position is ocupied"));
        return false;
    }
    auto& tiles = m_game.rackSlots();
    for (int i = 0; i < m_game.rackSlotCount(); ++i) {
        if (tiles[i].placed && tiles[i].row == line && tiles[i].column == column) {
            refuseDrop(tr("You move already here"));
            return false;
        }
    }

    RackSlot& slot = tiles[selected];
    if (slot.letter == kJoker) {
        JokerDialog dialog(nullptr);
        if (m_session.prompter().runDialog(dialog) != QDialog::Accepted) {
            // Escape: the joker goes back to the rack instead of standing for a letter unasked.
            m_game.setSelectedSlot(-1);
            m_session.placementEdited();
            return false;
        }
        slot.jokerLetter = dialog.letter();
    }
    slot.placed = 1;
    slot.row = static_cast<std::uint8_t>(line);
    slot.column = static_cast<std::uint8_t>(column);
    m_game.setSelectedSlot(-1);
    m_session.placementEdited();
    return true;
}

// ---- tooltip ----

QString TableWidget::wordText(int line, int column, bool across) const
{
    const Board& board = m_game.board();
    const int stepLine = across ? 0 : 1;
    const int stepColumn = across ? 1 : 0;
    if (!m_game.isOccupied(line, column))
        return {};
    const placement::Run run =
        placement::runThrough(board, {m_game.rows(), m_game.columns()}, line, column, stepLine, stepColumn);
    if (run.length < 2)
        return {};
    QString word;
    int sum = 0;
    for (int i = 0, l = run.row, c = run.column; i < run.length; ++i, l += stepLine, c += stepColumn) {
        const Square& square = board[l][c];
        if (square.joker) {
            word += QChar::fromLatin1(square.letter).toLower();
        } else {
            word += QChar::fromLatin1(square.letter);
            sum += letters::value(m_game.letterSet(), square.letter);
        }
    }
    if (across)
        return QString::asprintf("(%c%d) %s - %d", geometry::rowName(run.row), run.column, qPrintable(word),
                                 sum);
    return QString::asprintf("(%d%c) %s - %d", run.column, geometry::rowName(run.row), qPrintable(word), sum);
}

QString TableWidget::tipText(const QPoint& point) const
{
    if (uiprefs::integer(m_game, keys::kShowTableTooltip) == 0)
        return {};
    const QSize cell = cellSize(size());
    if (cell.width() == 0 || cell.height() == 0)
        return {};
    const QPoint square = squareAt(point);
    const int line = square.y();
    const int column = square.x();
    if (line < 1 || line > m_game.rows() || column < 1 || column > m_game.columns())
        return {};

    QString premium;
    if (m_game.wordMultiplier(line, column) != 1)
        premium = QString::asprintf(qPrintable(QCoreApplication::translate("QObject", "word x %d")),
                                    m_game.wordMultiplier(line, column));
    if (m_game.letterMultiplier(line, column) != 1)
        premium = QString::asprintf(qPrintable(QCoreApplication::translate("QObject", "letter x %d")),
                                    m_game.letterMultiplier(line, column));

    if (!m_game.isOccupied(line, column)) {
        int occupied = 0;
        for (int l = 1; l <= m_game.rows(); ++l)
            for (int c = 1; c <= m_game.columns(); ++c)
                occupied += m_game.isOccupied(l, c) ? 1 : 0;
        const int squares = m_game.rows() * m_game.columns();
        const int free = squares - occupied;
        const double freePercent = kPercent * free / squares;
        const QByteArray format =
            QCoreApplication::translate("QObject", "(%c%d) %s\nFree: %d (%.2f%%)\nOcupied: %d (%.2f%%)")
                .toUtf8();
        return QString::asprintf(format.constData(), geometry::rowName(line), column, qPrintable(premium),
                                 free, freePercent, occupied, kPercent - freePercent);
    }
    QString tip = QString::asprintf("(%c%d) %s\n", geometry::rowName(line), column, qPrintable(premium));
    const QString acrossText = wordText(line, column, true);
    const QString downText = wordText(line, column, false);
    if (!acrossText.isEmpty())
        tip += acrossText + "\n";
    if (!downText.isEmpty())
        tip += downText;
    return tip;
}

bool TableWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = tipText(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this, QRect(help->pos(), QSize(kTipSize, kTipSize)));
        }
        return true;
    }
    return QWidget::event(event);
}

} // namespace glyph
