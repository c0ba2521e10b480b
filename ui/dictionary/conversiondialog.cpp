#include "ui/dictionary/conversiondialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidgetItem>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "dictionary/dictionary.h"
#include "engine/game.h"
#include "preferences/keys.h"
#include "ui/common/appnames.h"
#include "ui/common/datachoices.h"
#include "ui/common/prompter.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{

const char* const kDictionaryExtension = ".dic";
/// The dictionary a run builds unless another is chosen, in the user's dictionaries.
const char* const kDefaultDestination = "Test.dic";
constexpr int kProgressTickMs = 1000;
constexpr int kProgressRows = 5;
constexpr int kSecondsInMinute = 60;
constexpr int kMsPerSecond = 1000;
/// The builder compacts the list heights 0 to 29.
constexpr int kDepths = static_cast<int>(DawgBuilder::kMaxWordLength);
enum ProgressRow { ProgressStatusRow, ProgressWordsRow, ProgressDepthRow, ProgressNodesRow, ProgressTimeRow };

} // namespace

ConversionDialog::ConversionDialog(GameSession& session, QWidget* parent)
    : QDialog(parent), m_game(session.game()), m_session(session),
      m_worker(m_builder, session.game().dictionary())
{
    setupUi(this);
    WindowSizeKeeper::restore(m_game.preferences(), *this, keys::kConversionDialog);

    table->setColumnCount(1);
    table->setRowCount(kProgressRows);
    table->setHorizontalHeaderLabels({tr("Informations")});
    // The one column spans the table, so the rows never need a scroll bar or a resize.
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int row = 0; row < kProgressRows; ++row)
        table->setItem(row, 0, new QTableWidgetItem);
    m_game.folders().ensureUserFolder(appnames::kDictionariesFolder);
    out->setText(QString::fromStdString(
        m_game.folders().userFile(std::string(appnames::kDictionariesFolder) + kDefaultDestination)));

    connect(browseIn, &QPushButton::clicked, this, &ConversionDialog::browseInClicked);
    connect(browseOut, &QPushButton::clicked, this, &ConversionDialog::browseOutClicked);
    connect(start, &QPushButton::clicked, this, &ConversionDialog::startClicked);
    connect(stop, &QPushButton::clicked, this, &ConversionDialog::stopClicked);
    connect(Ui::UIConversionDialog::close, &QPushButton::clicked, this, &QWidget::close);
    m_timer.setTimerType(Qt::PreciseTimer); // a tick never comes early, so the seconds shown are whole
    connect(&m_timer, &QTimer::timeout, this, &ConversionDialog::timeOut);
    // The end of a run shows at once instead of at the next tick.
    connect(&m_worker, &QThread::finished, this, &ConversionDialog::workerFinished);
    setRunning(false);
}

ConversionDialog::~ConversionDialog()
{
    WindowSizeKeeper::store(m_game.preferences(), *this, keys::kConversionDialog);
    stopWorker();
}

void ConversionDialog::editDictionary(const QString& fileName, ConversionMode mode,
                                      std::vector<std::string> words)
{
    in->setEnabled(false);
    browseIn->setEnabled(false);
    out->setText(fileName);
    setMode(mode, std::move(words));
}

void ConversionDialog::setMode(ConversionMode mode, std::vector<std::string> words)
{
    m_mode = mode;
    m_words = std::move(words);
}

QString ConversionDialog::dictionaryName(const QString& chosen)
{
    // Only the file's own name counts: a dot in a folder of the path is no extension.
    return QFileInfo(chosen).fileName().contains('.') ? chosen : chosen + kDictionaryExtension;
}

void ConversionDialog::browseInClicked()
{
    const QString fileName =
        Prompter::runFileDialog(this, false, in->text(), tr("Text (*.txt)"),
                                datachoices::places(m_game.folders(), appnames::kDictionariesFolder));
    if (!fileName.isEmpty())
        in->setText(fileName);
}

void ConversionDialog::browseOutClicked()
{
    const QString fileName = Prompter::runFileDialog(
        this, true, datachoices::saveStart(m_game.folders(), appnames::kDictionariesFolder),
        tr("Dictionary (*.dic)"), datachoices::places(m_game.folders(), appnames::kDictionariesFolder));
    if (!fileName.isEmpty())
        out->setText(dictionaryName(fileName));
}

void ConversionDialog::setRunning(bool running)
{
    m_running = running;
    start->setEnabled(!running);
    Ui::UIConversionDialog::close->setEnabled(!running);
    stop->setEnabled(running);
}

void ConversionDialog::startClicked()
{
    if (m_running)
        return;
    setRunning(true);
    m_builder.setSourcePath(in->text().toStdString());
    m_builder.setDestinationPath(out->text().toStdString());
    m_builder.setAuthor(author->text().toStdString());
    m_worker.prepare(m_mode, m_words);
    m_previousNodes = 0;
    m_stopped = false;
    // The rows of a previous run stay out of sight until the first tick of this one.
    for (int row = ProgressStatusRow; row <= ProgressTimeRow; ++row)
        table->item(row, 0)->setText(QString());
    m_worker.start();
    m_runClock.start();
    m_timer.start(kProgressTickMs);
}

void ConversionDialog::stopClicked()
{
    if (!m_running)
        return;
    m_stopped = true;
    stopWorker();
    timeOut();
}

void ConversionDialog::stopWorker()
{
    m_builder.requestAbort();
    m_worker.wait();
}

void ConversionDialog::workerFinished()
{
    m_worker.wait();
    timeOut();
}

void ConversionDialog::timeOut()
{
    if (!m_running)
        return;
    showProgress();
    if (m_worker.isFinished())
        finishRun(true);
}

void ConversionDialog::showProgress()
{
    const std::uint32_t nodes = m_builder.nodesNow();
    const std::uint32_t merged = m_previousNodes > nodes ? m_previousNodes - nodes : 0;
    m_previousNodes = nodes;
    const int seconds = static_cast<int>(m_runClock.elapsed() / kMsPerSecond);
    const QString texts[kProgressRows] = {
        statusText(m_builder.status()),
        QString::asprintf(qPrintable(tr("Words number: %d")), static_cast<int>(m_builder.wordsInserted())),
        QString::asprintf(qPrintable(tr("Depth: %d of %d (%c)")), m_builder.currentHeight(), kDepths,
                          m_builder.currentLetter()),
        QString::asprintf(qPrintable(tr("Nodes: %d of %d")), static_cast<int>(nodes),
                          static_cast<int>(m_builder.nodesCreated())),
        QString::asprintf(qPrintable(tr("Time: %02d:%02d  %d(nodes/sec)")), seconds / kSecondsInMinute,
                          seconds % kSecondsInMinute, static_cast<int>(merged)),
    };
    for (int row = ProgressStatusRow; row <= ProgressTimeRow; ++row)
        table->item(row, 0)->setText(texts[row]);
}

void ConversionDialog::finishRun(bool report)
{
    setRunning(false);
    m_timer.stop();
    // The builder's last status ("Writing to file...") would read as if the run went on.
    const bool failed = m_worker.failed();
    if (!failed)
        reloadRebuiltDictionary();
    table->item(ProgressStatusRow, 0)
        ->setText(failed ? (m_stopped ? tr("Stopped") : tr("Failed")) : tr("Done"));
    if (!report)
        return;
    if (failed && m_stopped)
        m_session.prompter().message(this, QMessageBox::Information,
                                     tr("Conversion stopped: the dictionary was not changed."), {tr("OK")});
    else if (failed)
        m_session.prompter().message(this, QMessageBox::Warning,
                                     tr("Conversion error: the dictionary was not changed."), {tr("OK")});
    else
        m_session.prompter().message(this, QMessageBox::Information, successText(), {tr("OK")});
}

void ConversionDialog::reloadRebuiltDictionary()
{
    // An edit leaves the reading to its caller, which knows which file it wrote.
    Dictionary& dictionary = m_game.dictionary();
    if (m_mode != ConversionMode::BuildFromWordList || dictionary.fileName().empty())
        return;
    std::error_code error;
    if (std::filesystem::equivalent(m_builder.destinationPath(), dictionary.fileName(), error))
        dictionary.load(dictionary.fileName(), true);
}

QString ConversionDialog::statusText(const std::string& status)
{
    // The builder names its steps in English, some with a percentage: "Compacting(40%)...".
    static const char* const kSteps[] = {
        QT_TR_NOOP("Create DAWG..."),  QT_TR_NOOP("Checking for already sorted list..."),
        QT_TR_NOOP("Lexical sort..."), QT_TR_NOOP("Compute depth..."),
        QT_TR_NOOP("Sorting hash..."), QT_TR_NOOP("Writing to file..."),
    };
    for (const char* step : kSteps)
        if (status == step)
            return tr(step);
    const QString text = QString::fromStdString(status);
    const QRegularExpression withPercent("^(Compacting|Sorting hash)\\((\\d+)%\\)");
    const QRegularExpressionMatch match = withPercent.match(text);
    if (!match.hasMatch())
        return text;
    return (match.captured(1) == "Compacting" ? tr("Compacting (%1%)...") : tr("Sorting hash (%1%)..."))
        .arg(match.captured(2));
}

QString ConversionDialog::successText() const
{
    const std::uint32_t leftOut = m_builder.linesLeftOut();
    QString text = leftOut == 0
                       ? tr("Conversion success")
                       : tr("Conversion success. %1 lines of the list are no words of letters A to Z "
                            "and were left out of the dictionary; the list keeps them.")
                             .arg(leftOut);
    // A list in a folder the user may not write is built all the same, but stays out of order.
    if (m_builder.listLeftUnsorted())
        text += "\n\n" + tr("The word list could not be reordered in place (it may be read-only): the "
                            "dictionary was built from its words sorted in memory, and the list stays "
                            "as it was.");
    return text;
}

void ConversionDialog::reject()
{
    if (m_running) {
        stopWorker();
        showProgress();
        finishRun(false);
    }
    QDialog::reject();
}

} // namespace glyph
