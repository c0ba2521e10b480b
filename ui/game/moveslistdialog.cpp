#include "ui/game/moveslistdialog.h"

#include <QBrush>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

#include "base/letters.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/game/scorechart.h"
#include "ui/session/analysisrunner.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{
constexpr int kPlayersToAnalyse = 2;
/// Room for the analysis' columns, the chart and the summary; the move list needs less.
const QSize kAnalysisSize(1200, 720);
const QSize kMovesSize(780, 440);
/// The background of a costly turn's row.
const QColor kCostlyColour(255, 205, 205);
enum AnalysisColumn {
    TurnPlayerColumn,
    RackColumn,
    PlayedColumn,
    PlayedScoreColumn,
    BestScoreColumn,
    BestEquityColumn,
    PointsLostColumn,
    EquityLostColumn,
    SevenColumn,
    PhonyColumn,
    NoteColumn,
    AnalysisColumns
};
enum SummaryColumn {
    SummaryNameColumn,
    TurnsColumn,
    FinalColumn,
    LostColumn,
    LostPerTurnColumn,
    EquityPerTurnColumn,
    SevensColumn,
    PhoniesColumn,
    SummaryColumns
};

QTableWidgetItem* numberItem(double value, int decimals = 0)
{
    auto* item = new QTableWidgetItem(QString::number(value, 'f', decimals));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

MovesListDialog::MovesListDialog(GameSession& session, QWidget* parent, Mode mode)
    : QDialog(parent), m_game(session.game()), m_session(session), m_mode(mode)
{
    setupUi(this);
    const bool analysing = m_mode == Mode::Analysis;
    summary->setVisible(analysing);
    progress->setVisible(analysing);
    stop->setVisible(analysing);
    if (analysing)
        setWindowTitle(tr("Game Analysis"));
    resize(analysing ? kAnalysisSize : kMovesSize);
    // The table takes what the chart does not need.
    splitter->setStretchFactor(0, 1);
    const GameRules* rules = m_game.rules();
    m_players = rules != nullptr ? static_cast<int>(rules->players().size()) : 0;
    if (m_players < kPlayersToAnalyse) {
        stop->setEnabled(false);
        return;
    }
    m_active = true;
    const int last = static_cast<int>(rules->history().size()) - 1;
    // The analysis looks at the whole game, whichever position is shown.
    m_position = analysing ? std::max(0, last) : std::max(0, std::min(rules->historyPosition(), last));
    scoreChart->showScores(*rules, m_position);

    m_savedSlots = m_game.rackSlots();
    m_savedSelected = m_game.selectedSlot();
    m_game.setSelectedSlot(-1);
    m_jumped = false;
    fill();
    moveChanged(0, 0);

    connect(table, &QTableWidget::currentCellChanged, this, &MovesListDialog::moveChanged);
    connect(goTo, &QPushButton::clicked, this, &MovesListDialog::goClicked);
    if (!analysing)
        return;
    connect(stop, &QPushButton::clicked, this, &MovesListDialog::stopClicked);
    m_runner = new AnalysisRunner(m_game, this);
    progress->setRange(0, std::max(1, m_runner->total()));
    progress->setValue(0);
    connect(m_runner, &AnalysisRunner::progressed, progress, &QProgressBar::setValue);
    connect(m_runner, &AnalysisRunner::finished, this, &MovesListDialog::analysisFinished);
    // Started from the event loop, once the dialog is up.
    QTimer::singleShot(0, m_runner, &AnalysisRunner::start);
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
    if (m_mode == Mode::Analysis) {
        fillTurns();
        return;
    }
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
        auto* item = new QTableWidgetItem(text);
        item->setToolTip(m_session.recordNotes(turn));
        table->setItem((turn - 1) / m_players, (turn - 1) % m_players, item);
    }
    table->resizeColumnsToContents();
}

void MovesListDialog::fillTurns()
{
    const GameRules& rules = *m_game.rules();
    table->setRowCount(m_position);
    table->setColumnCount(AnalysisColumns);
    table->setHorizontalHeaderLabels({tr("Player"), tr("Rack"), tr("Move"), tr("Score"), tr("Best by score"),
                                      tr("Best by equity"), tr("Points lost"), tr("Equity lost"),
                                      tr("Missed 7"), tr("Not in dictionary"), tr("Note")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int turn = 1; turn <= m_position; ++turn) {
        const HistoryEntry& before = rules.history()[static_cast<std::size_t>(turn - 1)];
        const HistoryEntry& after = rules.history()[static_cast<std::size_t>(turn)];
        const Player& player = before.players[static_cast<std::size_t>(before.currentPlayer)];
        const int row = turn - 1;
        table->setItem(row, TurnPlayerColumn, new QTableWidgetItem(uitext::name(player)));
        table->setItem(
            row, RackColumn,
            new QTableWidgetItem(QString::fromStdString(letters::toUserText(uitext::rack(player)))));
        table->setItem(
            row, PlayedColumn,
            new QTableWidgetItem(QString::fromStdString(m_game.moveText(after.move, before.board))));
        table->setItem(row, PlayedScoreColumn, numberItem(after.move.isPass() ? 0 : after.move.score));
        table->setItem(row, NoteColumn, new QTableWidgetItem(m_session.recordNotes(turn)));
    }
    table->resizeColumnsToContents();
}

void MovesListDialog::stopClicked()
{
    if (m_runner != nullptr)
        m_runner->stop();
}

void MovesListDialog::analysisFinished(bool stopped)
{
    stop->setEnabled(false);
    const int done = static_cast<int>(m_runner->turns().size());
    progress->setValue(done);
    progress->setFormat(stopped ? tr("Stopped after %1 of %2 turns").arg(done).arg(m_runner->total())
                                : tr("%1 turns analysed").arg(done));
    const std::vector<HistoryEntry>& history = m_game.rules()->history();
    for (const GameAnalysis::Turn& turn : m_runner->turns()) {
        const int row = turn.turn - 1;
        if (row < 0 || row >= table->rowCount())
            continue;
        const Board& board = history[static_cast<std::size_t>(row)].board;
        table->setItem(row, BestScoreColumn,
                       new QTableWidgetItem(QString::fromStdString(m_game.moveText(turn.bestByScore, board)) +
                                            " " + QString::number(turn.bestByScore.score)));
        table->setItem(
            row, BestEquityColumn,
            new QTableWidgetItem(QString::fromStdString(m_game.moveText(turn.bestByEquity, board)) + " " +
                                 QString::number(turn.bestEquity, 'f', 1)));
        table->setItem(row, PointsLostColumn, numberItem(turn.pointsLost));
        table->setItem(row, EquityLostColumn, numberItem(turn.equityLost, 1));
        table->setItem(row, SevenColumn, new QTableWidgetItem(turn.missedSeven ? tr("yes") : QString()));
        QStringList phonies;
        for (const std::string& word : turn.phonies)
            phonies << QString::fromStdString(word);
        table->setItem(row, PhonyColumn, new QTableWidgetItem(phonies.join(' ')));
        const bool costly = turn.pointsLost >= kCostly || turn.equityLost >= kCostly;
        for (int column = 0; column < table->columnCount(); ++column)
            if (QTableWidgetItem* item = table->item(row, column); item != nullptr && costly) {
                item->setBackground(kCostlyColour);
                item->setToolTip(tr("Costly: %1 points, %2 equity given away")
                                     .arg(turn.pointsLost)
                                     .arg(turn.equityLost, 0, 'f', 1));
            }
    }
    table->resizeColumnsToContents();
    fillSummary();
}

void MovesListDialog::fillSummary()
{
    const GameRules& rules = *m_game.rules();
    const auto summaries = GameAnalysis::summarise(m_runner->turns(), m_players);
    summary->setColumnCount(SummaryColumns);
    summary->setHorizontalHeaderLabels({tr("Player"), tr("Turns"), tr("Score"), tr("Points lost"),
                                        tr("Lost per turn"), tr("Equity lost per turn"), tr("Missed 7"),
                                        tr("Not in dictionary")});
    summary->verticalHeader()->hide();
    summary->setRowCount(m_players);
    // The scores at the end of the game, whichever position is shown.
    const std::vector<Player>& ending = rules.history().back().players;
    for (int i = 0; i < m_players; ++i) {
        const GameAnalysis::Summary& line = summaries[static_cast<std::size_t>(i)];
        summary->setItem(i, SummaryNameColumn,
                         new QTableWidgetItem(uitext::name(ending[static_cast<std::size_t>(i)])));
        summary->setItem(i, TurnsColumn, numberItem(line.turns));
        summary->setItem(i, FinalColumn, numberItem(ending[static_cast<std::size_t>(i)].score));
        summary->setItem(i, LostColumn, numberItem(static_cast<double>(line.pointsLost)));
        summary->setItem(i, LostPerTurnColumn, numberItem(line.averagePointsLost(), 1));
        summary->setItem(i, EquityPerTurnColumn, numberItem(line.averageEquityLost(), 1));
        summary->setItem(i, SevensColumn, numberItem(line.missedSevens));
        summary->setItem(i, PhoniesColumn, numberItem(line.phonies));
    }
    summary->resizeColumnsToContents();
    // Every player's row shows without scrolling.
    int height = summary->horizontalHeader()->sizeHint().height() + 2 * summary->frameWidth() +
                 summary->horizontalScrollBar()->sizeHint().height();
    for (int row = 0; row < summary->rowCount(); ++row)
        height += summary->rowHeight(row);
    summary->setFixedHeight(height);
}

int MovesListDialog::turnAt(int row, int column) const
{
    if (m_mode == Mode::Analysis)
        return row >= 0 && row < m_position ? row + 1 : 0;
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
