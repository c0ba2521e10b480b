// The program's entry: creates the preferences, the game and the window in order, runs the
// event loop and tears them down in reverse, which writes "Preferences.ini".
#include <QApplication>
#include <QMainWindow>
#include <QString>
#include <QTranslator>

#include <memory>

#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/random.h"
#include "preferences/preferences.h"
#include "ui/messageboxview.h"
#include "ui/startup.h"

namespace
{

constexpr unsigned char kClassicGameType = 0;

/// The game window: caption "Glyphmosaic - " and the rules' name.
std::unique_ptr<QMainWindow> createMainWindow(glyph::Game& game)
{
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Glyphmosaic - ") + QString::fromStdString(game.rules()->name()));
    return window;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    glyph::random::reseed();
    startup::warnOnSmallDesktop();

    MessageBoxView view;
    auto preferences = std::make_unique<glyph::Preferences>("Preferences.ini", &view);
    QTranslator translator;
    startup::applyLanguage(*preferences, translator);
    startup::applyStyle(*preferences);
    startup::applyFont(*preferences);

    auto game = std::make_unique<glyph::Game>(*preferences, view);
    game->setRules(glyph::createRules(kClassicGameType, *game));

    auto window = createMainWindow(*game);
    window->showMaximized();
    startup::restoreGeometry(*preferences, "MainWindowKey", *window);

    const int exitCode = QApplication::exec();
    window.reset();
    game.reset();
    preferences.reset();
    return exitCode;
}
