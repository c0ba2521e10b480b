// The program's entry: chooses the folders, creates the preferences, the game and the window
// in order, runs the event loop and tears them down in reverse, which writes "Preferences.ini".
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

#include "ai/aiplayers.h"
#include "base/datafolders.h"
#include "base/random.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/player.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"
#include "ui/common/messageboxview.h"
#include "ui/common/prompter.h"
#include "ui/common/startup.h"
#include "ui/common/translation.h"
#include "ui/common/viewrelay.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/session/gamesession.h"
#include "ui/window/mainwindow.h"
#include "ui/window/tipofdaydialog.h"

namespace
{

/// The option that saves a new game and quits without waiting for anyone (see `saveAndQuit`).
const char* const kSaveNewGameOption = "--save-new-game";
/// The folder of the programs' files inside the user's data and configuration folders.
const char* const kApplicationFolder = "/glyphmosaic";

QString userFolder(QStandardPaths::StandardLocation location)
{
    const QString base = QStandardPaths::writableLocation(location);
    return base.isEmpty() ? base : base + kApplicationFolder;
}

/// A portable copy's folder when the data lies in a writable folder here or beside the
/// program; else the installed data (".../share/glyphmosaic" beside the program's folder)
/// with the user's folders of the desktop (~/.local/share/glyphmosaic, ~/.config/glyphmosaic).
glyph::DataFolders chooseFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    glyph::DataFolders::Candidates candidates;
    candidates.working = QDir::currentPath().toStdString();
    candidates.program = program.toStdString();
    candidates.installed = QDir::cleanPath(program + "/" GLYPH_SHARE_FROM_BIN).toStdString();
    candidates.userData = userFolder(QStandardPaths::GenericDataLocation).toStdString();
    candidates.userConfig = userFolder(QStandardPaths::GenericConfigLocation).toStdString();
    return glyph::DataFolders::choose(candidates);
}

/// The file name after --save-new-game: empty without the option, null when the option
/// lacks a plain file name.
std::optional<QString> saveNewGameName()
{
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype at = arguments.indexOf(kSaveNewGameOption);
    if (at < 0)
        return QString();
    if (at + 1 == arguments.size())
        return std::nullopt;
    const QString name = arguments.at(at + 1);
    if (name.isEmpty() || name == "." || name == ".." || name.contains('/'))
        return std::nullopt;
    return name;
}

/// For scripted checks of an installation: starts a game of two human players, saves it
/// through the Save command of the window's session as `name` in the user's "Games" folder and
/// closes the window. Nothing waits for a user: message boxes and dialogs are answered at once, their
/// texts printed on standard error. Ends the event loop with 0 when the save succeeded.
void saveAndQuit(glyph::MainWindow& window, glyph::GameSession& session, const glyph::DataFolders& folders,
                 const QString& name)
{
    glyph::Prompter& prompter = session.prompter();
    prompter.setMessageHandler([](const glyph::Prompter::MessageRequest& request) {
        std::fprintf(stderr, "glyphmosaic: %s\n", qPrintable(request.text));
        return -1;
    });
    // The extension is settled on the bare name: a dot in a folder of the path (~/.local)
    // would keep the window from adding it.
    const QString file = QString::fromStdString(
        folders.userFile("Games/" + glyph::GameSession::savedGameName(name).toStdString()));
    prompter.setSaveFileNameHandler([file](const QString&, const QString&) { return file; });
    std::vector<glyph::Player> players(2);
    players[0].setName("Player 1");
    players[1].setName("Player 2");
    const bool started = session.game().rules()->start(players);
    session.refresh(false);
    const bool saved = started && session.save();
    window.close();
    QCoreApplication::exit(saved ? 0 : 1);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(GLYPH_APP_ID);
    const std::optional<QString> saveName = saveNewGameName();
    if (!saveName) {
        std::fprintf(stderr, "glyphmosaic: %s takes a file name, saved in the Games folder\n",
                     kSaveNewGameOption);
        return 2;
    }
    const bool interactive = saveName->isEmpty();
    // The window reads its pictures, help and translations from the working folder, so the
    // shipped data becomes the working folder, and the data names stay relative to it as the
    // window shows them ("Dictionaries/English.dic").
    const glyph::DataFolders chosen = chooseFolders();
    if (!chosen.shipped().empty())
        QDir::setCurrent(QString::fromStdString(chosen.shipped().string()));
    const glyph::DataFolders folders =
        chosen.isPortable() ? glyph::DataFolders() : glyph::DataFolders({}, chosen.user(), chosen.config());
    folders.createUserFolders();
    glyph::random::reseed();

    // Until the window exists the game's messages go to plain message boxes (or standard error
    // when nobody answers them); then to the window, and to the boxes again for the last save.
    MessageBoxView messageBoxes(interactive);
    glyph::ViewRelay view(messageBoxes);
    auto preferences = std::make_unique<glyph::Preferences>(folders.preferencesFile(), &view);
    startup::applyLanguage(*preferences, translation::translator());
    if (interactive)
        startup::warnOnSmallDesktop();
    startup::applyStyle(*preferences);
    startup::applyFont(*preferences);

    auto game = std::make_unique<glyph::Game>(*preferences, view, folders);
    glyph::attachAiPlayers(*game);
    game->setRules(glyph::createRules(glyph::kClassicGameType, *game));

    glyph::Prompter prompter;
    auto session = std::make_unique<glyph::GameSession>(*game, prompter);
    auto window = std::make_unique<glyph::MainWindow>(*session);
    view.setTarget(session.get());
    session->startClock();
    window->showMaximized();
    if (interactive && preferences->integer(glyph::keys::kTipShow) != 0) {
        glyph::TipOfDayDialog tip(*game, window.get());
        tip.centreOn(*window);
        prompter.runDialog(tip);
    }
    glyph::WindowSizeKeeper::restore(*preferences, *window, glyph::keys::kMainWindow);
    if (!interactive)
        QTimer::singleShot(0, window.get(), [&] { saveAndQuit(*window, *session, folders, *saveName); });

    const int exitCode = QApplication::exec();
    view.setTarget(nullptr);
    window.reset();
    session.reset();
    game.reset();
    preferences->save();
    preferences.reset();
    return exitCode;
}
