#include "ui/session/gamesession.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cstring>

#include "ai/aiplayers.h"
#include "ai/luahost.h"
#include "base/atomicfile.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/gcgimporter.h"
#include "engine/gcgwriter.h"
#include "ui/common/appnames.h"
#include "ui/common/datachoices.h"
#include "ui/common/prompter.h"
#include "ui/common/translation.h"

namespace glyph
{

namespace
{

const char* const kSavedGameExtension = "tc";
const char* const kRecordExtension = "gcg";
/// Pause between two computer turns, and before a computer player who starts a new game.
constexpr int kComputerDelay = 150;
constexpr int kNewGameComputerDelay = 1000;
/// How long a computer player's move stays on the board before it is played.
constexpr int kComputerMoveDisplay = 2000;

QString latin1(const std::string& text)
{
    // Scripts are Latin-1 text, and so is what they print.
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

GameSession::GameSession(Game& game, Prompter& prompter, QObject* parent)
    : QObject(parent), m_game(game), m_prompter(prompter), m_rackEditor(game)
{
    // Backspace takes back only the tiles typed this turn.
    connect(this, &GameSession::positionChanged, this, [this] { m_rackEditor.newTurn(); });
    m_prompter.setPauseCounter(&m_pauses);
    connect(&m_clockTimer, &QTimer::timeout, this, &GameSession::tick);
    m_chainTimer.setSingleShot(true);
    connect(&m_chainTimer, &QTimer::timeout, this, &GameSession::startComputerTurn);
    m_stepTimer.setSingleShot(true);
    connect(&m_stepTimer, &QTimer::timeout, this, &GameSession::runNextStep);
}

GameSession::~GameSession()
{
    m_prompter.setPauseCounter(nullptr);
    joinWorker();
}

bool GameSession::gameOn() const
{
    const GameRules* rules = m_game.rules();
    return rules != nullptr && rules->inProgress() && !rules->isGameOver();
}

// ---- the game's view ----

void GameSession::showWarning(const std::string& text)
{
    const QString message = QString::fromStdString(text);
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, message] { m_prompter.warn(nullptr, message); }, Qt::QueuedConnection);
        return;
    }
    m_prompter.warn(nullptr, message);
}

std::string GameSession::translate(const char* text)
{
    return translation::translateFormat(translation::kCoreContext, text).toStdString();
}

void GameSession::refresh(bool)
{
    emit positionChanged();
}

void GameSession::refreshWithoutBoard()
{
    emit placementChanged();
}

void GameSession::erasePlacedTiles()
{
    emit placementChanged();
}

void GameSession::showGameOver()
{
    // The rules report the end from inside the move that ends the game: the dialog waits until
    // that move is drawn.
    QMetaObject::invokeMethod(this, &GameSession::gameOver, Qt::QueuedConnection);
}

void GameSession::showThinkingNotice(const std::string& text)
{
    emit thinking(QString::fromStdString(text));
}

void GameSession::hideThinkingNotice()
{
    emit thinkingDone();
}

void GameSession::wait(int milliseconds)
{
    const PauseCounter::Guard pause = m_pauses.hold();
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(milliseconds * m_waitFactor), &loop, &QEventLoop::quit);
    loop.exec();
}

void GameSession::appendScriptOutput(const std::string& line)
{
    emitScriptOutput(latin1(line));
}

void GameSession::appendHostOutput(const std::string& line)
{
    emitScriptOutput(QString::fromStdString(line));
}

void GameSession::emitScriptOutput(const QString& text)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, text] { emit scriptOutput(text); }, Qt::QueuedConnection);
        return;
    }
    emit scriptOutput(text);
}

// ---- a human's turn ----

bool GameSession::mayPlayHere()
{
    // A turn played from an earlier position cuts the history there: the later turns are lost
    // for good, so the user says so first.
    const GameRules& rules = *m_game.rules();
    const int later = static_cast<int>(rules.history().size()) - 1 - rules.historyPosition();
    if (rules.historyPosition() < 0 || later <= 0)
        return true;
    return m_prompter.message(nullptr, QMessageBox::Question,
                              tr("Playing here removes the %1 later moves of this game.").arg(later),
                              {tr("OK"), tr("Cancel")}) == 0;
}

void GameSession::move()
{
    if (m_turnRunning || !gameOn())
        return;
    if (m_game.rules()->currentPlayer().isComputer()) {
        if (!mayPlayHere())
            return;
        // Move after an Escape takes the chain up again.
        m_chainStopped = false;
        startComputerTurn();
        return;
    }
    Move chosen;
    if (!m_game.buildHumanMove(chosen)) {
        m_prompter.warn(nullptr, tr("Please make a valid move first"));
        return;
    }
    if (!mayPlayHere())
        return;
    m_highlightedMove = Move{};
    if (!m_game.rules()->playMove(chosen)) {
        // Checked before playing: the rules refused the move, said why and left the turn to
        // the player, whose tiles go back to the rack.
        m_rackEditor.takeBackAll();
        emit placementChanged();
        emit statusMessage(tr("The move was not played; its tiles are back on the rack."));
        return;
    }
    emit positionChanged();
    emit fileChanged();
    answerHumanTurn();
}

void GameSession::passOrExchange(const std::string& exchange, const std::string& kept)
{
    if (m_turnRunning || !gameOn() || !mayPlayHere())
        return;
    m_game.rules()->passOrExchange(exchange, kept);
    emit positionChanged();
    emit fileChanged();
    answerHumanTurn();
}

void GameSession::answerHumanTurn()
{
    // A person's own turn starts the computer players again, as Move does on a computer's
    // turn: an Escape that stopped an earlier chain would otherwise leave them silent for good.
    m_chainStopped = false;
    chainComputerTurn(kComputerDelay);
}

// ---- the computer players' turns ----

void GameSession::chainComputerTurn(int delay)
{
    if (m_chainStopped || !gameOn() || !m_game.rules()->currentPlayer().isComputer())
        return;
    // The commands stay locked until the turn starts: a dialog opened in the gap would have
    // the computers play under it.
    m_chainTimer.start(static_cast<int>(delay * m_waitFactor));
    announceLock();
}

void GameSession::disarmChain()
{
    if (!m_chainTimer.isActive())
        return;
    m_chainTimer.stop();
    announceLock();
}

void GameSession::announceLock()
{
    // Once for a chain of computer turns, not at each turn's end and the next one's start.
    if (locked() == m_lockAnnounced)
        return;
    m_lockAnnounced = locked();
    emit lockChanged(m_lockAnnounced);
}

void GameSession::stopComputerPlayers()
{
    // With no computer turn running or due there is no chain to stop; a stop remembered now
    // would silence the computer players after the person's next turn.
    if (!locked())
        return;
    m_chainStopped = true;
    disarmChain();
    if (!m_turnRunning)
        return;
    // A player that looks ahead stops thinking and plays the best move it has found so far.
    scriptHost(m_game).interrupt();
    emit statusMessage(tr("The computer players stop after this turn."));
}

void GameSession::startComputerTurn()
{
    if (m_turnRunning || !gameOn() || !m_game.rules()->currentPlayer().isComputer()) {
        announceLock();
        return;
    }
    m_turnRunning = true;
    m_turnPause = m_pauses.hold();
    announceLock();

    const Player player = m_game.rules()->currentPlayer();
    LuaHost& host = scriptHost(m_game);
    emit thinking(QString::fromStdString(host.thinkingNotice(player)));
    m_thinkingClock.start();
    // Only the worker touches the Lua state and the move generator until it ends; the window
    // reads the game meanwhile but changes nothing, as the turn lock refuses every command that would.
    const unsigned serial = ++m_turnSerial;
    // An Escape pressed while the last turn's move was on show stopped the chain; this turn,
    // started by Move, thinks its full time. Cleared here, before the worker runs, so that an
    // Escape from now on does cut it short.
    host.clearInterrupt();
    m_worker = QThread::create([this, &host, player] {
        m_chosen = host.chooseMove(player);
        m_profileError = host.lastError();
    });
    connect(m_worker, &QThread::finished, this, [this, serial] {
        if (serial == m_turnSerial && m_worker != nullptr)
            computerMoveChosen();
    });
    m_worker->start();
}

void GameSession::joinWorker()
{
    if (m_worker == nullptr)
        return;
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
}

void GameSession::afterWait(int milliseconds, void (GameSession::*step)())
{
    m_nextStep = step;
    m_stepTimer.start(std::max(0, static_cast<int>(milliseconds * m_waitFactor)));
}

void GameSession::runNextStep()
{
    if (auto step = std::exchange(m_nextStep, nullptr))
        (this->*step)();
}

void GameSession::computerMoveChosen()
{
    joinWorker();
    // The notice stays up a little while even when the choice was quick.
    afterWait(LuaHost::kMinimumThinkingMs - static_cast<int>(m_thinkingClock.elapsed()),
              &GameSession::showComputerMove);
}

void GameSession::showComputerMove()
{
    emit thinkingDone();
    if (m_chosen.isPass()) {
        emit thinking(QString::fromStdString(scriptHost(m_game).passNotice(m_game.rules()->currentPlayer())));
        afterWait(LuaHost::kPassNoticeMs, &GameSession::playComputerMove);
        return;
    }
    m_game.showMoveInRackSlots(m_chosen);
    emit placementChanged();
    afterWait(kComputerMoveDisplay, &GameSession::playComputerMove);
}

void GameSession::playComputerMove()
{
    emit thinkingDone();
    const Player& mover = m_game.rules()->currentPlayer();
    const std::string profile(mover.profile, strnlen(mover.profile, sizeof mover.profile));
    const std::string played = m_game.moveText(m_chosen, m_game.board());
    scriptHost(m_game).playSolution(m_chosen);
    if (!m_profileError.empty())
        reportProfileError(profile, played);
    // The next computer's turn is due before this one ends, so the commands stay locked.
    chainComputerTurn(kComputerDelay);
    finishTurn();
    emit positionChanged();
    emit fileChanged();
}

void GameSession::reportProfileError(const std::string& profile, const std::string& played)
{
    // A profile stopped for its limits has said so in the pane already.
    if (m_profileError.find("script stopped") == std::string::npos)
        emit scriptOutput(QString::fromStdString(scriptHost(m_game).shownError(m_profileError)));
    emit statusMessage(tr("The profile %1 failed; the computer played %2.")
                           .arg(latin1(profile), QString::fromStdString(played)));
    m_profileError.clear();
}

void GameSession::finishTurn()
{
    m_turnPause.reset();
    m_turnRunning = false;
    announceLock();
}

void GameSession::abandonComputerTurn()
{
    m_chainStopped = true;
    disarmChain();
    if (!m_turnRunning)
        return;
    // The turn will not be played: its script stops at once rather than run out its time.
    scriptHost(m_game).abandon();
    joinWorker();
    m_stepTimer.stop();
    m_nextStep = nullptr;
    m_profileError.clear();
    emit thinkingDone();
    m_game.reloadRackSlots();
    finishTurn();
    emit positionChanged();
}

void GameSession::holdComputerPlayers()
{
    // Only a chain that was running or due goes on after a cancelled command: at a position the
    // user stepped back to, a computer to move plays only after Move and its question about
    // the later turns.
    m_chainHeld = locked() && !m_chainStopped;
    abandonComputerTurn();
}

void GameSession::releaseComputerPlayers()
{
    if (!std::exchange(m_chainHeld, false))
        return;
    m_chainStopped = false;
    chainComputerTurn(kComputerDelay);
}

void GameSession::forgetChainStop()
{
    // Another game: its computer players play when their turn comes, whatever Escape did to
    // the last one; none starts until a turn is played or Move is pressed.
    m_chainStopped = false;
    m_chainHeld = false;
}

void GameSession::forgetProfileGlobals()
{
    // What a profile remembers between turns belongs to the game it was playing: a turn number
    // or a tile count kept from the last game could otherwise match in this one.
    scriptHost(m_game).restart();
}

// ---- the tiles being laid and the position shown ----

void GameSession::placementEdited()
{
    emit placementChanged();
}

void GameSession::takeBackPlacedTiles()
{
    if (m_turnRunning)
        return;
    m_rackEditor.takeBackAll();
    emit placementChanged();
}

// ---- the rack and the keyboard ----

bool GameSession::rackEditable() const
{
    // While a computer player is to move, its rack slots may show its move.
    return !m_turnRunning && gameOn() && !m_game.rules()->currentPlayer().isComputer();
}

void GameSession::shuffleRack()
{
    if (!rackEditable())
        return;
    m_rackEditor.shuffle();
    emit placementChanged();
}

void GameSession::alphabetizeRack()
{
    if (!rackEditable())
        return;
    m_rackEditor.alphabetize();
    emit placementChanged();
}

void GameSession::clickSquare(int row, int column)
{
    m_rackEditor.click(row, column);
    emit placementChanged();
}

void GameSession::moveCursor(int rows, int columns)
{
    m_rackEditor.moveCursor(rows, columns);
    emit placementChanged();
}

void GameSession::switchDirection()
{
    m_rackEditor.switchDirection();
    emit placementChanged();
}

bool GameSession::typeLetter(char letter, bool joker)
{
    if (!rackEditable())
        return false;
    const QString tile = joker ? QStringLiteral("?") : QString(QChar::fromLatin1(letter));
    switch (m_rackEditor.type(letter, joker)) {
    case RackEditor::Typed::Laid:
        emit placementChanged();
        return true;
    case RackEditor::Typed::NoTile:
        emit statusMessage(tr("The rack holds no %1 to lay.").arg(tile));
        return false;
    case RackEditor::Typed::Occupied:
        emit statusMessage(tr("The square under the cursor is taken."));
        return false;
    }
    return false;
}

bool GameSession::backspace()
{
    if (!rackEditable() || !m_rackEditor.backspace())
        return false;
    emit placementChanged();
    return true;
}

void GameSession::setHighlightedMove(const Move& move)
{
    m_highlightedMove = move;
    emit placementChanged();
}

void GameSession::goFirst()
{
    if (!m_turnRunning && m_game.rules() != nullptr)
        m_game.rules()->goFirst();
    emit positionChanged();
}

void GameSession::goLast()
{
    if (!m_turnRunning && m_game.rules() != nullptr)
        m_game.rules()->goLast();
    emit positionChanged();
}

void GameSession::goPrevious()
{
    if (!m_turnRunning && m_game.rules() != nullptr)
        m_game.rules()->goPrevious();
    emit positionChanged();
}

void GameSession::goNext()
{
    if (!m_turnRunning && m_game.rules() != nullptr)
        m_game.rules()->goNext();
    emit positionChanged();
}

void GameSession::goTo(int turn)
{
    if (!m_turnRunning && m_game.rules() != nullptr)
        m_game.rules()->goTo(turn);
    emit positionChanged();
}

void GameSession::notifySettingsChanged()
{
    emit settingsChanged();
    emit positionChanged();
}

// ---- the game file ----

bool GameSession::startNewGame(const std::vector<Player>& players, unsigned char gameType)
{
    abandonComputerTurn();
    const bool started = m_game.startNewGame(players, gameType);
    if (started) {
        forgetProfileGlobals();
        // A refused game leaves the one in progress with its file and unsaved changes.
        m_fileState.markNew(m_game);
    }
    m_highlightedMove = Move{};
    forgetChainStop();
    emit settingsChanged();
    emit positionChanged();
    emit fileChanged();
    if (started)
        chainComputerTurn(kNewGameComputerDelay);
    return started;
}

bool GameSession::settleUnsavedGame()
{
    if (!unsaved())
        return true;
    switch (m_prompter.message(nullptr, QMessageBox::Question, tr("Save the game in progress?"),
                               {tr("&Save"), tr("&Discard"), tr("&Cancel")})) {
    case 0:
        return save();
    case 1:
        return true;
    default:
        return false;
    }
}

bool GameSession::open()
{
    if (m_game.rules() == nullptr)
        return false;
    const QString filter = QString::asprintf("%s (*.%s *.%s)\n", m_game.rules()->name().c_str(),
                                             kSavedGameExtension, kRecordExtension) +
                           tr("GCG game records") + QString::asprintf(" (*.%s)\n", kRecordExtension) +
                           tr("All files (*.*)");
    const QString extension = QString(".") + kSavedGameExtension;
    const QString fileName = m_prompter.openFileName(
        datachoices::openStart(m_game.folders(), appnames::kGamesFolder, qPrintable(extension)), filter,
        datachoices::places(m_game.folders(), appnames::kGamesFolder));
    if (fileName.isEmpty())
        return false;
    abandonComputerTurn();
    if (QFileInfo(fileName).suffix().compare(kRecordExtension, Qt::CaseInsensitive) == 0)
        return importRecord(fileName);
    if (!m_game.rules()->load(fileName.toStdString()))
        return false;
    forgetProfileGlobals();
    forgetChainStop();
    m_fileState.markSaved(m_game, fileName);
    m_highlightedMove = Move{};
    emit positionChanged();
    emit fileChanged();
    return true;
}

bool GameSession::importRecord(const QString& fileName)
{
    abandonComputerTurn();
    GcgImporter importer(m_game);
    // The importer names the line that stops it in its one message, and leaves the game alone.
    if (!importer.importFile(fileName.toStdString()))
        return false;
    forgetProfileGlobals();
    forgetChainStop();
    // A record is no saved game: Save asks for a .tc file, and leaving asks to save it.
    m_fileState.markNew(m_game);
    m_highlightedMove = Move{};
    emit positionChanged();
    emit fileChanged();
    if (!importer.reports().empty()) {
        QStringList lines;
        for (const std::string& report : importer.reports())
            lines << QString::fromStdString(report);
        m_prompter.message(
            nullptr, QMessageBox::Information,
            tr("The rules score these lines of the record otherwise:") + "\n" + lines.join('\n'), {tr("OK")});
    }
    return true;
}

bool GameSession::exportRecord(const QString& fileName)
{
    if (m_game.rules() == nullptr || m_game.rules()->history().empty()) {
        m_prompter.message(nullptr, QMessageBox::Information, tr("There is no game to save."), {tr("OK")});
        return false;
    }
    QString name = fileName;
    if (QFileInfo(name).suffix().compare(kRecordExtension, Qt::CaseInsensitive) != 0)
        name += QString(".") + kRecordExtension;
    const std::string text = GcgWriter(m_game).write(*m_game.rules());
    std::string error;
    if (writeFileAtomically(name.toStdString(), text, &error, &m_game.view()) == WriteResult::Written)
        return true;
    m_prompter.message(nullptr, QMessageBox::Warning,
                       tr("Can't write %1: %2").arg(name, QString::fromStdString(error)), {tr("OK")});
    return false;
}

QString GameSession::recordNotes(int turn) const
{
    const GameRules* rules = m_game.rules();
    if (rules == nullptr || turn < 0 || turn >= static_cast<int>(rules->history().size()))
        return {};
    QStringList notes;
    for (const RecordEvent& event : rules->history()[static_cast<std::size_t>(turn)].events)
        if (event.kind == RecordEvent::Kind::Note)
            notes << QString::fromStdString(event.text);
    return notes.join('\n');
}

bool GameSession::save()
{
    if (m_game.rules() == nullptr || m_game.rules()->history().empty()) {
        m_prompter.message(nullptr, QMessageBox::Information, tr("There is no game to save."), {tr("OK")});
        return false;
    }
    const QString filter =
        QString::asprintf("%s (*.%s)", m_game.rules()->name().c_str(), kSavedGameExtension);
    const QString fileName =
        m_prompter.saveFileName(datachoices::saveStart(m_game.folders(), appnames::kGamesFolder), filter,
                                datachoices::places(m_game.folders(), appnames::kGamesFolder));
    return !fileName.isEmpty() && saveAs(fileName);
}

bool GameSession::saveAs(const QString& fileName)
{
    const QString name = savedGameName(fileName);
    if (m_game.rules() == nullptr || !m_game.rules()->save(name.toStdString()))
        return false;
    m_fileState.markSaved(m_game, name);
    emit fileChanged();
    return true;
}

QString GameSession::savedGameName(const QString& chosen)
{
    // Only the file's own name counts: a dot in a folder of the path (~/.local) is no extension.
    // A name ending in .gcg gets ".tc" too: Open reads every .gcg file as a game record, so a
    // saved game under that name could not be opened again.
    const QFileInfo file(chosen);
    const bool recordName = file.suffix().compare(kRecordExtension, Qt::CaseInsensitive) == 0;
    if (file.fileName().contains('.') && !recordName)
        return chosen;
    return chosen + "." + kSavedGameExtension;
}

QString GameSession::caption() const
{
    if (m_game.rules() == nullptr)
        return QString::fromLatin1(appnames::kProductName);
    QString text =
        QString::fromLatin1(appnames::kProductName) + " - " + QString::fromStdString(m_game.rules()->name());
    const QString fileName = m_fileState.fileName(m_game);
    if (!fileName.isEmpty())
        text += " - " + fileName;
    return text;
}

// ---- the clocks ----

void GameSession::tick()
{
    const GameRules* rules = m_game.rules();
    if (paused() || !gameOn() || rules->currentPlayer().timeLeft <= 0)
        return;
    // The rules count the second down and warn once when the clock reaches zero.
    m_game.rules()->tickClock();
    emit clockTicked();
}

} // namespace glyph
