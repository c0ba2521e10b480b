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
#include "ui/mainwindow.h"
#include "ui/messageboxview.h"
#include "ui/panelwidget.h"
#include "ui/startup.h"
#include "ui/tipofdaydialog.h"
#include "ui/translation.h"
#include "ui/viewrelay.h"

namespace
{

/// Period of the players' clocks.
constexpr int kClockPeriod = 1000;

} // namespace

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

    auto window = std::make_unique<glyph::MainWindow>(*game);
    view.setTarget(window.get());
    window->panel()->startClock(kClockPeriod);
    window->showMaximized();
    if (preferences->integer(glyph::keys::kTipShow) != 0) {
        glyph::TipOfDayDialog tip(*game, *window, window.get());
        window->runDialog(tip);
    }
    startup::restoreGeometry(*preferences, glyph::keys::kMainWindow, *window);

    const int exitCode = QApplication::exec();
    view.setTarget(nullptr);
    window.reset();
    game.reset();
    preferences->save();
    preferences.reset();
    return exitCode;
}
