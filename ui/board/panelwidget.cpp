#include "ui/board/panelwidget.h"

#include <QEvent>
#include <QHeaderView>
#include <QPixmap>
#include <QScrollBar>

#include <algorithm>

#include "engine/game.h"
#include "engine/gamerules.h"
#include "ui/common/appnames.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{

constexpr int kSecondsPerMinute = 60;
constexpr int kProfileTypeLength = 6;
// The panel is at most 330 pixels wide; its contents sit inside its margins.
constexpr int kWidestContents = 330 - 2 * 11;
// Space a table cell keeps around its text.
constexpr int kCellPadding = 12;
enum PanelColumn { PanelNameColumn, PanelScoreColumn, PanelTimeColumn, PanelTypeColumn, PanelColumnCount };

QString clockText(int seconds)
{
    return QString::asprintf("%02d:%02d", seconds / kSecondsPerMinute, seconds % kSecondsPerMinute);
}

} // namespace

PanelWidget::PanelWidget(GameSession& session, QWidget* parent)
    : QWidget(parent), m_game(session.game()), m_session(session)
{
    setupUi(this);
    for (const QLCDNumber* lcd : findChildren<QLCDNumber*>())
        m_formDigits.insert(lcd, lcd->digitCount());
    setFocusPolicy(Qt::NoFocus);
    currentMove->setWordWrap(true);
    image->setPixmap(QPixmap(appnames::kLogoFile));
    playersSituation->setHorizontalHeaderLabels({tr("Name"), tr("Score"), tr("Time"), tr("Type")});
    playersSituation->verticalHeader()->hide();
    playersSituation->horizontalHeader()->setStretchLastSection(true);
    playersSituation->setSelectionBehavior(QAbstractItemView::SelectRows);
    playersSituation->setSelectionMode(QAbstractItemView::SingleSelection);
    playersSituation->resizeColumnsToContents();
    playersSituation->setCurrentItem(nullptr);
    connect(&m_session, &GameSession::clockTicked, this, &PanelWidget::timerOut);
    connect(&m_session, &GameSession::positionChanged, this, &PanelWidget::refresh);
    connect(&m_session, &GameSession::placementChanged, this, &PanelWidget::refresh);
}

void PanelWidget::setCell(int row, int column, const QString& text)
{
    QTableWidgetItem* item = playersSituation->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        playersSituation->setItem(row, column, item);
    }
    item->setText(text);
}

void PanelWidget::refresh()
{
    GameRules* rules = m_game.rules();
    const bool inProgress = rules != nullptr && rules->inProgress();
    const Player* player = inProgress ? &rules->currentPlayer() : nullptr;
    playerName->setTitle(player != nullptr ? uitext::name(*player) : tr("Player"));
    // Before any game, as the panel first shows it: round 0, not the empty rules' first round.
    showNumber(*round, inProgress ? rules->round() : 0);
    showNumber(*score, player != nullptr ? player->score : 0);
    showNumber(*minutes, player != nullptr ? player->timeLeft / kSecondsPerMinute : 0);
    showNumber(*seconds, player != nullptr ? player->timeLeft % kSecondsPerMinute : 0);

    Move move;
    const QString lastMove = inProgress ? lastMoveText(*rules) : QString();
    if (inProgress && m_game.buildHumanMove(move))
        currentMove->setText(QString::fromStdString(m_game.moveText(move, m_game.board())) +
                             QString::asprintf(" %dp", move.score));
    else if (!lastMove.isEmpty())
        currentMove->setText(lastMove);
    else
        currentMove->setText(tr("==-NO MOVE-=="));

    const int count = inProgress ? static_cast<int>(rules->players().size()) : 0;
    playersSituation->setRowCount(count);
    for (int i = 0; i < count; ++i) {
        const Player& seat = rules->players()[i];
        setCell(i, PanelNameColumn, uitext::name(seat));
        setCell(i, PanelScoreColumn, QString::number(seat.score));
        setCell(i, PanelTimeColumn, clockText(seat.timeLeft));
        setCell(i, PanelTypeColumn,
                seat.isComputer() ? uitext::profile(seat).left(kProfileTypeLength) : tr("Human"));
        // The column shows the profile's first letters; the whole file name is in the tip.
        playersSituation->item(i, PanelTypeColumn)->setToolTip(uitext::profile(seat));
    }
    // Only the player to move is marked: older marks would soon cover every row.
    playersSituation->clearSelection();
    if (inProgress)
        playersSituation->selectRow(rules->currentPlayerIndex());
    playersSituation->resizeColumnsToContents();
    keepTextsWhole();
    showNumber(*bagRemaining, rules != nullptr ? rules->bag().total() : 0);
}

QString PanelWidget::lastMoveText(const GameRules& rules) const
{
    // While no tile of this turn is placed, the box names the turn that led to the position.
    for (int i = 0; i < m_game.rackSlotCount(); ++i)
        if (m_game.rackSlots()[i].placed)
            return {};
    const int position = rules.historyPosition();
    if (position < 1 || position >= static_cast<int>(rules.history().size()))
        return {};
    const HistoryEntry& before = rules.history()[position - 1];
    const Move& move = rules.history()[position].move;
    if (before.currentPlayer < 0 || before.currentPlayer >= static_cast<int>(before.players.size()))
        return {};
    QString text = uitext::name(before.players[before.currentPlayer]) + ": " +
                   QString::fromStdString(m_game.moveText(move, before.board));
    if (!move.isPass())
        text += QString::asprintf(" %dp", move.score);
    return text;
}

void PanelWidget::keepTextsWhole()
{
    // The panel may not shrink below its texts (up to its greatest width): the players' columns
    // side by side and the current move on one line; a longer move wraps.
    // Room for the vertical scroll bar too, which appears when the rows outgrow the height.
    int tableWidth =
        2 * playersSituation->frameWidth() + playersSituation->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < PanelTypeColumn; ++column)
        tableWidth += playersSituation->columnWidth(column);
    // The last column stretches, never below the default section size: measure its texts.
    int typeWidth = std::max(playersSituation->horizontalHeader()->sectionSizeHint(PanelTypeColumn),
                             playersSituation->horizontalHeader()->defaultSectionSize());
    for (int row = 0; row < playersSituation->rowCount(); ++row)
        typeWidth = std::max(typeWidth, playersSituation->fontMetrics().horizontalAdvance(
                                            playersSituation->item(row, PanelTypeColumn)->text()) +
                                            kCellPadding);
    tableWidth += typeWidth;
    playersSituation->setMinimumWidth(std::min(tableWidth, kWidestContents));
    const int moveWidth = currentMove->fontMetrics().horizontalAdvance(currentMove->text()) +
                          2 * (currentMove->frameWidth() + currentMove->margin());
    currentMove->setMinimumWidth(std::min(moveWidth, kWidestContents));
}

void PanelWidget::showTimes()
{
    GameRules* rules = m_game.rules();
    const Player& player = rules->currentPlayer();
    showNumber(*minutes, player.timeLeft / kSecondsPerMinute);
    showNumber(*seconds, player.timeLeft % kSecondsPerMinute);
    for (int i = 0; i < static_cast<int>(rules->players().size()) && i < playersSituation->rowCount(); ++i)
        setCell(i, PanelTimeColumn, clockText(rules->players()[i].timeLeft));
}

void PanelWidget::showNumber(QLCDNumber& lcd, int value)
{
    const int digits = static_cast<int>(QString::number(value).size());
    lcd.setDigitCount(std::max(m_formDigits.value(&lcd), digits));
    lcd.display(value);
}

void PanelWidget::timerOut()
{
    const GameRules* rules = m_game.rules();
    if (rules != nullptr && rules->inProgress())
        showTimes();
}

void PanelWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        playersSituation->setHorizontalHeaderLabels({tr("Name"), tr("Score"), tr("Time"), tr("Type")});
        refresh();
    }
    QWidget::changeEvent(event);
}

} // namespace glyph
