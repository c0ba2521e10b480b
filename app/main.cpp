// The program's entry: creates the preferences, the game and the window in order, runs the
// event loop and tears them down in reverse, which writes "Preferences.ini".
#include <QApplication>

#include <memory>

#include "ai/aiplayers.h"
#include "base/random.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"
#include "ui/common/messageboxview.h"
#include "ui/common/prompter.h"
#include "ui/common/startup.h"
#include "ui/common/translation.h"
#include "ui/common/viewrelay.h"
#include "ui/session/gamesession.h"
#include "ui/window/mainwindow.h"
#include "ui/window/tipofdaydialog.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    startup::useDataBesideProgram(QCoreApplication::applicationDirPath());
    glyph::random::reseed();
    startup::warnOnSmallDesktop();

    // Until the window exists the game's messages go to plain message boxes; then to the window.
    MessageBoxView messageBoxes;
    glyph::ViewRelay view(messageBoxes);
    auto preferences = std::make_unique<glyph::Preferences>("Preferences.ini", &view);
    startup::applyLanguage(*preferences, translation::translator());
    startup::applyStyle(*preferences);
    startup::applyFont(*preferences);

    auto game = std::make_unique<glyph::Game>(*preferences, view);
    glyph::attachAiPlayers(*game);
    game->setRules(glyph::createRules(glyph::kClassicGameType, *game));

    glyph::Prompter prompter;
    auto session = std::make_unique<glyph::GameSession>(*game, prompter);
    auto window = std::make_unique<glyph::MainWindow>(*session);
    view.setTarget(session.get());
    session->startClock();
    window->showMaximized();
    if (preferences->integer(glyph::keys::kTipShow) != 0) {
        glyph::TipOfDayDialog tip(*game, window.get());
        prompter.runDialog(tip);
    }
    startup::restoreGeometry(*preferences, glyph::keys::kMainWindow, *window);

    const int exitCode = QApplication::exec();
    view.setTarget(nullptr);
    window.reset();
    session.reset();
    game.reset();
    preferences->save();
    preferences.reset();
    return exitCode;
}
