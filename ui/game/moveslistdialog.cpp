#include "ui/game/moveslistdialog.h"

#include <algorithm>

#include "engine/game.h"
#include "engine/gamerules.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{
constexpr int kMinimumPlayers = 2;
}

MovesListDialog::MovesListDialog(GameSession& session, QWidget* parent)
    : QDialog(parent), m_game(session.game()), m_session(session)
{
    setupUi(this);
    const GameRules* rules = m_game.rules();
    m_players = rules != nullptr ? static_cast<int>(rules->players().size()) : 0;
    if (m_players < kMinimumPlayers)
        return;
    m_active = true;
    m_position =
        std::max(0, std::min(rules->historyPosition(), static_cast<int>(rules->history().size()) - 1));

    m_savedSlots = m_game.rackSlots();
    m_savedSelected = m_game.selectedSlot();
    m_game.setSelectedSlot(-1);
    m_jumped = false;
    fill();
    moveChanged(0, 0);

    connect(table, &QTableWidget::currentCellChanged, this, &MovesListDialog::moveChanged);
    connect(goTo, &QPushButton::clicked, this, &MovesListDialog::goClicked);
}

MovesListDialog::~MovesListDialog()
{
    if (!m_active)
        return;
    m_session.setHighlightedMove(Move{});
    if (m_jumped)
        return;
    m_game.rackSlots() = m_savedSlots;
    m_game.setSelectedSlot(m_savedSelected);
    m_session.placementEdited();
}

void MovesListDialog::fill()
{
    const GameRules& rules = *m_game.rules();
    table->setRowCount((m_position + m_players - 1) / m_players);
    table->setColumnCount(m_players);
    QStringList names;
    for (const Player& player : rules.players())
        names << uitext::name(player);
    table->setHorizontalHeaderLabels(names);
    QStringList rounds;
    for (int row = 0; row < table->rowCount(); ++row)
        rounds << QString::number(row + 1);
    table->setVerticalHeaderLabels(rounds);

    for (int turn = 1; turn <= m_position; ++turn) {
        const Move& move = rules.history()[static_cast<std::size_t>(turn)].move;
        const QString text =
            QString::fromStdString(m_game.moveText(move, m_game.board())) + " " + QString::number(move.score);
        table->setItem((turn - 1) / m_players, (turn - 1) % m_players, new QTableWidgetItem(text));
    }
    table->resizeColumnsToContents();
}

int MovesListDialog::turnAt(int row, int column) const
{
    if (row < 0 || column < 0 || column >= m_players)
        return 0;
    const int turn = row * m_players + column + 1;
    return turn <= m_position ? turn : 0;
}

void MovesListDialog::moveChanged(int row, int column)
{
    const int turn = turnAt(row, column);
    if (turn == 0)
        return;
    m_session.setHighlightedMove(m_game.rules()->history()[static_cast<std::size_t>(turn)].move);
}

void MovesListDialog::goClicked()
{
    if (!m_active)
        return;
    const QTableWidgetItem* current = table->currentItem();
    const int turn =
        current != nullptr && current->isSelected() ? turnAt(table->currentRow(), table->currentColumn()) : 0;
    if (turn == 0) {
        m_game.view().showWarning("Please select a move");
        return;
    }
    m_jumped = true;
    m_session.goTo(turn);
    close();
}

} // namespace glyph
