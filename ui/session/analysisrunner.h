#pragma once

#include <QObject>

#include <atomic>
#include <memory>
#include <vector>

#include "ai/gameanalysis.h"
#include "engine/historyentry.h"

class QThread;

namespace glyph
{

class Game;

/// Runs the analysis of a game's whole history on a worker thread, on a copy of the game's
/// settings, dictionary and history, so that the window's game is never touched by the
/// worker; reports progress and can be stopped. The results are read once it has finished.
class AnalysisRunner : public QObject
{
    Q_OBJECT

public:
    /// Copies what the analysis needs from `game` (which must have its computer players).
    AnalysisRunner(Game& game, QObject* parent = nullptr);
    /// Stops the worker and waits for it.
    ~AnalysisRunner() override;

    /// Starts the worker; a second call does nothing.
    void start();
    /// Asks the worker to stop after the turn it is on.
    void stop() { m_stopRequested = true; }
    bool running() const { return m_running; }
    /// The turns of the history (entries after the start snapshot).
    int total() const { return static_cast<int>(m_history.size()) - 1; }
    /// The turns analysed, in order; complete once `finished` was signalled.
    const std::vector<GameAnalysis::Turn>& turns() const { return m_turns; }

signals:
    /// `done` of `total` turns analysed.
    void progressed(int done, int total);
    /// The worker ended, after the last turn or when stopped (`stopped` true).
    void finished(bool stopped);

private:
    void work();
    void workerEnded();

    std::unique_ptr<class NullView> m_view;
    std::unique_ptr<Game> m_copy;
    std::vector<HistoryEntry> m_history;
    std::unique_ptr<GameAnalysis> m_analysis;
    std::vector<GameAnalysis::Turn> m_turns;
    QThread* m_worker = nullptr;
    std::atomic<bool> m_stopRequested{false};
    bool m_running = false;
};

} // namespace glyph
