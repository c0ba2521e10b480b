#include "ui/game/topmovesdialog.h"

#include <QHeaderView>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <climits>

#include "ai/aiplayers.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{
const char* const kRowsKey = keys::kTopPrefered;
constexpr int kDefaultRows = 100;
/// Room around a header text, so that it is not cut at the section edges.
constexpr int kHeaderPadding = 16;
enum TopColumn { TopMoveColumn, TopScoreColumn, TopColumnCount };
} // namespace

TopMovesDialog::TopMovesDialog(GameSession& session, QWidget* parent)
    : QDialog(parent), m_game(session.game()), m_session(session)
{
    setupUi(this);
    WindowSizeKeeper::restore(m_game.preferences(), *this, keys::kTopDialog);
    const int stored = m_game.preferences().integer(kRowsKey, kDefaultRows);
    m_rowsToView = static_cast<unsigned>(std::max(0, stored));
    view->setText(QString::number(m_rowsToView));

    table->setColumnCount(TopColumnCount);
    table->setHorizontalHeaderLabels({tr("Move"), tr("Score")});
    // Both headers whole, the scores' column to the table's edge.
    table->horizontalHeader()->setMinimumSectionSize(
        table->horizontalHeader()->fontMetrics().horizontalAdvance(tr("Score")) + kHeaderPadding);
    table->horizontalHeader()->setStretchLastSection(true);

    m_savedSlots = m_game.rackSlots();
    m_savedSelected = m_game.selectedSlot();
    m_game.setSelectedSlot(-1);

    generate();
    fill();
    table->setFocus();
    if (table->rowCount() > 0)
        table->setCurrentCell(0, 0);
    moveChanged(0, 0);

    connect(table, &QTableWidget::currentCellChanged, this, &TopMovesDialog::moveChanged);
    connect(copy, &QPushButton::clicked, this, &TopMovesDialog::copyClicked);
    connect(place, &QPushButton::clicked, this, &TopMovesDialog::placeClicked);
    connect(view, &QLineEdit::textChanged, this, &TopMovesDialog::viewChanged);
    table->installEventFilter(this);
}

TopMovesDialog::~TopMovesDialog()
{
    m_game.rackSlots() = m_savedSlots;
    m_game.setSelectedSlot(m_savedSelected);
    m_session.placementEdited();
    WindowSizeKeeper::store(m_game.preferences(), *this, keys::kTopDialog);
    m_game.preferences().setInteger(kRowsKey, static_cast<int>(std::min<unsigned>(m_rowsToView, INT_MAX)));
}

void TopMovesDialog::generate()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer stopwatch;
    stopwatch.start();
    std::string rack;
    if (m_game.rules() != nullptr)
        rack = uitext::rack(m_game.rules()->currentPlayer());
    MoveGenerator& generator = moveGenerator(m_game);
    generator.generate(rack);
    m_moves = generator.moves();
    generator.clear();
    time->setText(
        QString::asprintf(qPrintable(tr("Total time: %d msec")), static_cast<int>(stopwatch.elapsed())));
    QApplication::restoreOverrideCursor();
    total->setText(QString::number(m_moves.size()));
}

void TopMovesDialog::fill()
{
    const auto rows = static_cast<int>(std::min<std::size_t>(m_moves.size(), m_rowsToView));
    table->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const Move& move = m_moves[static_cast<std::size_t>(row)];
        table->setItem(row, TopMoveColumn,
                       new QTableWidgetItem(QString::fromStdString(m_game.moveText(move, m_game.board()))));
        table->setItem(row, TopScoreColumn, new QTableWidgetItem(QString::number(move.score)));
    }
    table->resizeColumnsToContents();
    // Wide enough for both columns beside the row numbers and the scroll bar, so that no
    // header is cut (a stored dialog size may be narrower).
    const QHeaderView& header = *table->horizontalHeader();
    // The move column fits its contents now; the score column's numbers are narrower than its
    // header.
    const int columns = table->columnWidth(TopMoveColumn) +
                        std::max(header.sectionSizeHint(TopScoreColumn), header.minimumSectionSize());
    table->setMinimumWidth(columns + table->verticalHeader()->sizeHint().width() +
                           table->verticalScrollBar()->sizeHint().width() + 2 * table->frameWidth() +
                           kHeaderPadding);
}

void TopMovesDialog::viewChanged(const QString& text)
{
    bool number = false;
    const unsigned rows = text.trimmed().toUInt(&number);
    m_rowsToView = number ? rows : 0;
    fill();
}

void TopMovesDialog::moveChanged(int row, int)
{
    if (row >= 0 && static_cast<std::size_t>(row) < m_moves.size())
        m_game.showMoveInRackSlots(m_moves[static_cast<std::size_t>(row)]);
    m_session.placementEdited();
}

void TopMovesDialog::copyClicked()
{
    QString text;
    for (const Move& move : m_moves)
        text += QString::fromStdString(m_game.moveText(move, m_game.board())) + " " +
                QString::number(move.score) + "p\n";
    QGuiApplication::clipboard()->setText(text);
}

bool TopMovesDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Only the list's Enter: the row-count field's Enter must not close the dialog.
    if (watched == table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            placeClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TopMovesDialog::placeClicked()
{
    if (m_game.rules() == nullptr || !m_game.rules()->inProgress() || m_game.rules()->isGameOver())
        return;
    m_savedSlots = m_game.rackSlots();
    m_savedSelected = -1;
    close();
}

} // namespace glyph
