#pragma once

#include <QChartView>

#include <vector>

namespace glyph
{

class GameRules;
struct HistoryEntry;

/// A line chart of each player's score after each round of a game (round 0 is the start),
/// one series per player named after them.
class ScoreChart : public QChartView
{
    Q_OBJECT

public:
    explicit ScoreChart(QWidget* parent = nullptr);

    /// Draws the scores of history entries 0 to `position` (the last when negative).
    void showScores(const GameRules& rules, int position = -1);
    /// The score of each player after each round of the history up to `position`: per
    /// player, one value per round and the start; a round cut short counts as it stands.
    static std::vector<std::vector<int>> roundScores(const std::vector<HistoryEntry>& history, int position);
};

} // namespace glyph
