#include "ui/session/analysisrunner.h"

#include <QThread>

#include "ai/aiplayers.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/gameview.h"

namespace glyph
{

AnalysisRunner::AnalysisRunner(Game& game, QObject* parent)
    : QObject(parent), m_view(std::make_unique<NullView>()), m_copy(game.copySettings(*m_view))
{
    if (game.rules() != nullptr)
        m_history = game.rules()->history();
    m_analysis = std::make_unique<GameAnalysis>(*m_copy, leaveValues(game));
}

AnalysisRunner::~AnalysisRunner()
{
    stop();
    if (m_worker != nullptr) {
        m_worker->wait();
        delete m_worker;
    }
}

void AnalysisRunner::start()
{
    if (m_worker != nullptr)
        return;
    m_running = true;
    m_worker = QThread::create([this] { work(); });
    // Queued: the worker's end is handled on this object's (the window's) thread.
    connect(m_worker, &QThread::finished, this, &AnalysisRunner::workerEnded, Qt::QueuedConnection);
    m_worker->start(QThread::LowPriority);
}

void AnalysisRunner::work()
{
    // Only the copies are used here; the window's game goes on without the worker.
    const int turns = total();
    for (int index = 1; index <= turns && !m_stopRequested; ++index) {
        m_turns.push_back(m_analysis->analyseTurn(m_history, index));
        emit progressed(index, turns);
    }
}

void AnalysisRunner::workerEnded()
{
    m_running = false;
    emit finished(static_cast<int>(m_turns.size()) < total());
}

} // namespace glyph
