#include "ui/profiles/aieditorwidget.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <string>

#include "ai/aiplayers.h"
#include "base/atomicfile.h"
#include "base/regularfile.h"
#include "base/warningsink.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/gameview.h"
#include "ui/common/appnames.h"
#include "ui/common/datachoices.h"
#include "ui/common/prompter.h"
#include "ui/common/uitext.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{

const char* const kProfileExtension = ".cpu";
/// Lines kept in the output pane; older ones scroll away so that a chatty script cannot
/// fill the memory.
constexpr int kLogLines = 10000;
/// Largest profile loaded; scripts are a few kilobytes, so anything near this is not one.
constexpr std::uint64_t kMaxProfileBytes = 8 * 1024 * 1024;
/// The last character Latin-1, the profiles' encoding, has.
constexpr char32_t kLastLatin1 = 0xFF;

/// A profile's bytes as editor text: Latin-1, lines ended by "\r\n", "\r" or "\n" as "\n",
/// without backspaces.
QString profileText(const QByteArray& bytes)
{
    QByteArray cleaned = bytes;
    cleaned.replace("\b", "").replace("\r\n", "\n").replace('\r', '\n');
    return QString::fromLatin1(cleaned);
}

} // namespace

AIEditorWidget::AIEditorWidget(GameSession& session, QWidget* parent)
    : QWidget(parent), m_game(session.game()), m_session(session)
{
    setupUi(this);
    setObjectName("aiEditor");
    log->setMaximumBlockCount(kLogLines);
    connect(browse, &QPushButton::clicked, this, &AIEditorWidget::browseClicked);
    connect(saveButton, &QPushButton::clicked, this, &AIEditorWidget::saveClicked);
    connect(testButton, &QPushButton::clicked, this, &AIEditorWidget::testClicked);
    connect(newButton, &QPushButton::clicked, this, &AIEditorWidget::newClicked);
    connect(clear, &QPushButton::clicked, log, &QPlainTextEdit::clear);
    connect(editor, &LuaEditorWidget::scanMessage, status, &QLabel::setText);
    connect(&m_session, &GameSession::scriptOutput, this, &AIEditorWidget::appendOutput);
    // A test run during a computer turn would share the Lua state with the turn's worker.
    connect(&m_session, &GameSession::lockChanged, testButton,
            [this](bool locked) { testButton->setEnabled(!locked); });
}

void AIEditorWidget::appendOutput(const QString& line)
{
    log->appendPlainText(line);
    log->moveCursor(QTextCursor::End);
    log->ensureCursorVisible();
}

QString AIEditorWidget::chooseFile(bool save, const QString& start, const QString& filter)
{
    // Qt reads the filters' line breaks as separators; a final one would add an empty entry.
    const QString filters = filter.trimmed();
    if (m_fileChooser)
        return m_fileChooser(save, start, filters);
    return Prompter::runFileDialog(this, save, start, filters,
                                   datachoices::places(m_game.folders(), appnames::kProfilesFolder));
}

QString AIEditorWidget::saveStart() const
{
    // A shipped profile's folder may be read-only (an installed program): its copy goes to
    // the user's folder under the same name.
    const QFileInfo current(fileName->text());
    if (!fileName->text().isEmpty() && QFileInfo(current.absolutePath()).isWritable())
        return fileName->text();
    const QString folder = datachoices::saveStart(m_game.folders(), appnames::kProfilesFolder);
    return current.fileName().isEmpty() ? folder : folder + '/' + current.fileName();
}

void AIEditorWidget::warn(const QString& format, const QString& path)
{
    showWarning(m_game.view(), "%s", uitext::withText(format, path).toUtf8().constData());
}

bool AIEditorWidget::scriptBytes(const QString& refusal, QByteArray& bytes)
{
    const QString text = editor->toPlainText();
    QStringList outside;
    for (const char32_t c : text.toUcs4()) {
        const QString shown = QString::fromUcs4(&c, 1);
        if (c > kLastLatin1 && !outside.contains(shown))
            outside << shown;
    }
    if (!outside.isEmpty()) {
        warn(refusal, outside.join(' '));
        return false;
    }
    bytes = text.toLatin1();
    return true;
}

bool AIEditorWidget::changesSettled()
{
    if (!editor->document()->isModified())
        return true;
    switch (m_session.prompter().message(this, QMessageBox::Question, tr("Save the profile's changes?"),
                                         {tr("&Save"), tr("&Discard"), tr("&Cancel")})) {
    case 0:
        return saveScript();
    case 1:
        return true;
    default:
        return false;
    }
}

void AIEditorWidget::newClicked()
{
    if (!changesSettled())
        return;
    editor->clear();
    editor->document()->setModified(false);
}

void AIEditorWidget::browseClicked()
{
    if (!changesSettled())
        return;
    const QString path = chooseFile(
        false, datachoices::openStart(m_game.folders(), appnames::kProfilesFolder, kProfileExtension),
        tr("CPU files (*.cpu)\n"));
    // A cancelled dialog gives an empty path, which holds no ".cpu" either.
    if (!path.contains(kProfileExtension))
        return;
    std::string bytes;
    if (RegularFile::readFile(QFile::encodeName(path).toStdString(), kMaxProfileBytes, bytes) !=
        RegularFile::Status::Read) {
        warn(tr("Can't open %s"), path);
        return;
    }
    editor->setPlainText(profileText(QByteArray::fromStdString(bytes)));
    editor->document()->setModified(false);
    fileName->setText(path);
}

void AIEditorWidget::saveClicked()
{
    saveScript();
}

bool AIEditorWidget::saveScript()
{
    QByteArray bytes;
    if (!scriptBytes(tr("Can't save: a profile is Latin-1 text, which has no %s"), bytes))
        return false;
    QString name = chooseFile(true, saveStart(), tr("CPU files (*.cpu)\n") + tr("All files (*.*)"));
    if (name.isEmpty())
        return false;
    if (!name.contains(kProfileExtension))
        name += kProfileExtension;
    const std::string path = QFile::encodeName(name).toStdString();
    if (writeFileAtomically(path,
                            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) !=
        WriteResult::Written) {
        warn(tr("Can't save %s"), name);
        return false;
    }
    fileName->setText(name);
    editor->document()->setModified(false);
    return true;
}

void AIEditorWidget::testClicked()
{
    QByteArray script;
    if (!scriptBytes(tr("Can't test: a profile is Latin-1 text, which has no %s"), script))
        return;
    const GameRules* rules = m_game.rules();
    const std::string rack =
        rules != nullptr && rules->inProgress() ? uitext::rack(rules->currentPlayer()) : std::string();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The list the script reads must be the one of the position on the board now.
    moveGenerator(m_game).generate(rack);
    scriptHost(m_game).runText(script.toStdString());
    QApplication::restoreOverrideCursor();
}

} // namespace glyph
