#include "ui/game/scorechart.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "engine/gamerules.h"
#include "engine/historyentry.h"
#include "ui/common/uitext.h"

namespace glyph
{

namespace
{
constexpr int kMinimumWidth = 400;
constexpr int kMinimumHeight = 280;
/// The rounds axis is cut into at most this many steps of whole rounds.
constexpr double kMostRoundSteps = 10;
} // namespace

ScoreChart::ScoreChart(QWidget* parent) : QChartView(parent)
{
    setObjectName("scoreChart");
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    chart()->legend()->setAlignment(Qt::AlignBottom);
}

std::vector<std::vector<int>> ScoreChart::roundScores(const std::vector<HistoryEntry>& history, int position)
{
    if (history.empty())
        return {};
    const int last = position < 0 ? static_cast<int>(history.size()) - 1
                                  : std::min(position, static_cast<int>(history.size()) - 1);
    const std::size_t players = history.front().players.size();
    std::vector<std::vector<int>> scores(players);
    if (players == 0)
        return scores;
    const int perRound = static_cast<int>(players);
    // Round r ends with turn r * players; the last round may be cut short by the position shown.
    for (int turn = 0;; turn = std::min(turn + perRound, last)) {
        const HistoryEntry& entry = history[static_cast<std::size_t>(turn)];
        for (std::size_t i = 0; i < players && i < entry.players.size(); ++i)
            scores[i].push_back(entry.players[i].score);
        if (turn == last)
            break;
    }
    return scores;
}

void ScoreChart::showScores(const GameRules& rules, int position)
{
    QChart* drawn = chart();
    drawn->removeAllSeries();
    for (QAbstractAxis* axis : drawn->axes())
        drawn->removeAxis(axis);
    const std::vector<std::vector<int>> scores = roundScores(rules.history(), position);
    int top = 1;
    int bottom = 0;
    int rounds = 1;
    for (std::size_t i = 0; i < scores.size() && i < rules.players().size(); ++i) {
        auto* series = new QLineSeries(drawn);
        series->setName(uitext::name(rules.players()[i]));
        for (std::size_t round = 0; round < scores[i].size(); ++round) {
            series->append(static_cast<qreal>(round), scores[i][round]);
            top = std::max(top, scores[i][round]);
            bottom = std::min(bottom, scores[i][round]);
        }
        rounds = std::max(rounds, static_cast<int>(scores[i].size()) - 1);
        drawn->addSeries(series);
    }
    auto* roundAxis = new QValueAxis(drawn);
    roundAxis->setTitleText(tr("Round"));
    roundAxis->setLabelFormat("%d");
    roundAxis->setRange(0, rounds);
    // Ticks on whole rounds from the start, so that the labels ("%d") read evenly.
    roundAxis->setTickType(QValueAxis::TicksDynamic);
    roundAxis->setTickAnchor(0);
    roundAxis->setTickInterval(std::ceil(rounds / kMostRoundSteps));
    auto* scoreAxis = new QValueAxis(drawn);
    scoreAxis->setTitleText(tr("Score"));
    scoreAxis->setLabelFormat("%d");
    scoreAxis->setRange(bottom, top);
    scoreAxis->applyNiceNumbers();
    drawn->addAxis(roundAxis, Qt::AlignBottom);
    drawn->addAxis(scoreAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : drawn->series()) {
        series->attachAxis(roundAxis);
        series->attachAxis(scoreAxis);
    }
}

} // namespace glyph
