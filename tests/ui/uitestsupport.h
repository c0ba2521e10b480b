#pragma once

// A game window on a small made-up word list, letter set and profiles, in a folder of its own
// that becomes the working folder; message boxes and modal dialogs are answered by the test.

#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/movegenerator.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "preferences/preferences.h"
#include "support/dicfilewriter.h"
#include "support/englishset.h"
#include "support/recordingview.h"
#include "support/tempdir.h"
#include "ui/board/rackwidget.h"
#include "ui/board/tablewidget.h"
#include "ui/common/prompter.h"
#include "ui/common/uipreferences.h"
#include "ui/common/viewrelay.h"
#include "ui/game/preferencesdialog.h"
#include "ui/session/gamesession.h"
#include "ui/window/mainwindow.h"

namespace glyph::test
{

/// Short words enough for two computer players to play a whole game.
inline std::vector<std::string> testWords()
{
    std::istringstream text(
        "AA AB AD AE AG AH AI AL AM AN AR AS AT AW AX AY BA BE BI BO BY DA DE DO ED EF EH EL EM EN ER "
        "ES EX FA FE GO HA HE HI HM HO ID IF IN IS IT JO KA KI LA LI LO MA ME MI MO MU MY NA NE NO NU "
        "OD OE OF OH OI OM ON OP OR OS OW OX OY PA PE PI QI RE SH SI SO TA TI TO UH UM UN UP US UT WE "
        "WO XI XU YA YE YO ZA CAT COT DOG TEA EAT ATE TAN RAT ART TAR");
    return {std::istream_iterator<std::string>(text), std::istream_iterator<std::string>()};
}

/// A child widget of a window or dialog by its object name; the test fails when there is none.
template <typename Widget> Widget* child(const QObject& parent, const char* name)
{
    auto* widget = parent.findChild<Widget*>(name);
    if (widget == nullptr)
        qFatal("no %s named %s", Widget::staticMetaObject.className(), name);
    return widget;
}

/// The window's command with this menu text or shortcut; the test fails when there is none.
inline QAction* command(const QWidget& window, const QString& textOrKeys)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == textOrKeys || action->shortcut() == QKeySequence(textOrKeys))
            return action;
    qFatal("no command %s", qPrintable(textOrKeys));
}

/// A point inside the square at line, column of a board widget as it is sized now: half-way
/// down its left edge, clear of the frame and of where a tile's letter is drawn.
inline QPoint squarePoint(const TableWidget& table, int line, int column)
{
    const QSize cell = table.cellSize(table.size());
    return {column * cell.width() + 3, line * cell.height() + cell.height() / 2};
}

/// The folder, files, preferences, game, session and window of one test.
class WindowFixture
{
public:
    /// The game and session on the made-up data in a fresh working folder, and (unless told not
    /// to) the shown window; with `withUserFolder` the user's files go to the folder's "home".
    explicit WindowFixture(bool withWindow = true, bool withUserFolder = false)
    {
        for (const char* name : {"Sets", "Dictionaries", "Profiles", "Games", "Help"})
            std::filesystem::create_directory(folder.file(name));
        folder.write("Sets/Test.set", letterSetText());
        DicFileWriter::write(folder.file("Dictionaries/Test.dic"), testWords());
        for (const char* profile : {"alpha.cpu", "beta.cpu", "gamma.cpu"})
            folder.write(std::string("Profiles/") + profile, "-- plays the best move\n");
        QDir::setCurrent(QString::fromStdString(folder.path().string()));

        preferences = std::make_unique<Preferences>(folder.file("Preferences.ini"), &fallback);
        preferences->setString("GameSetKey", "Sets/Test.set");
        preferences->setString("GameDictionaryKey", "Dictionaries/Test.dic");
        // A few premium squares of each kind, one square carrying two kinds.
        preferences->setString("MultiWordsX3Key", "1 1 |");
        preferences->setString("MultiWordsX2Key", "8 8 |2 2 |");
        preferences->setString("MultiLettersX3Key", "2 2 |");
        preferences->setString("MultiLettersX2Key", "4 1 |");
        relay = std::make_unique<ViewRelay>(fallback);
        const std::filesystem::path home = folder.path() / "home";
        game = std::make_unique<Game>(*preferences, *relay,
                                      withUserFolder ? DataFolders({}, home, home) : DataFolders());
        glyph::attachAiPlayers(*game);
        game->setRules(createRules(kClassicGameType, *game));
        session = std::make_unique<GameSession>(*game, prompter);
        relay->setTarget(session.get());
        session->setWaitFactor(0);
        prompter.setMessageHandler([this](const Prompter::MessageRequest& request) {
            messages.push_back(request.text);
            return answer;
        });
        prompter.setDialogHandler([this](QDialog& dialog) {
            dialogs.push_back(dialog.metaObject()->className());
            return onDialog ? onDialog(dialog) : static_cast<int>(QDialog::Rejected);
        });
        if (!withWindow)
            return;
        window = std::make_unique<MainWindow>(*session);
        // Shown, so that the board has its real size and paints on the screen.
        window->resize(1280, 1024);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    ~WindowFixture()
    {
        relay->setTarget(nullptr);
        window.reset();
        session.reset();
        QDir::setCurrent(m_previousFolder);
    }

    /// A widget of the window by its object name.
    template <typename Widget> Widget* find(const char* name) const { return child<Widget>(*window, name); }
    RackWidget* rack() const { return find<RackWidget>("rack"); }

    /// Starts a game with these players (name, profile; empty profile for a human).
    void start(const std::vector<std::pair<std::string, std::string>>& seats)
    {
        std::vector<Player> players;
        for (const auto& [name, profile] : seats) {
            Player player;
            player.setName(name);
            player.setProfile(profile);
            players.push_back(player);
        }
        game->setRules(createRules(kClassicGameType, *game));
        game->rules()->start(players);
        session->refresh(false);
    }

    /// Gives the current player exactly this rack (internal codes) and reloads the rack slots.
    void setRack(const std::string& rack)
    {
        game->rules()->currentPlayer().setRack(rack);
        game->reloadRackSlots();
        session->refresh(false);
    }

    /// Plays up to `turns` best-score moves (a pass when there is none) until the game ends,
    /// each from this rack when one is given.
    void playBest(int turns, const std::string& rack = "")
    {
        GameRules& rules = *game->rules();
        for (int turn = 0; turn < turns && !rules.isGameOver(); ++turn) {
            if (!rack.empty())
                setRack(rack);
            const Move best = moveGenerator(*game).generate(rules.currentPlayer().rack);
            QVERIFY(best.isPass() ? rules.passOrExchange("", "") : rules.playMove(best));
        }
    }

    /// Marks the rack slot as laid on the square, as the board does after a drop.
    void place(int slot, int line, int column) const
    {
        RackSlot& tile = game->rackSlots()[slot];
        tile.placed = 1;
        tile.row = static_cast<std::uint8_t>(line);
        tile.column = static_cast<std::uint8_t>(column);
    }

    /// Picks up the rack slot and drops it on the window's board; false when it was refused.
    bool lay(int slot, int line, int column) const
    {
        game->setSelectedSlot(slot);
        return window->table()->drop("SF", squarePoint(*window->table(), line, column));
    }

    /// Types a board size into Preferences > Table, presses Set, then Apply.
    void applySize(const QString& rows, const QString& columns)
    {
        PreferencesDialog dialog(*session, window.get());
        child<QLineEdit>(dialog, "lines")->setText(rows);
        child<QLineEdit>(dialog, "columns")->setText(columns);
        dialog.setClicked();
        dialog.applyClicked();
    }

    /// Answers the save-file chooser with this name from now on.
    void chooseSaveFile(const QString& name)
    {
        prompter.setSaveFileNameHandler([name](const QString&, const QString&) { return name; });
    }

    /// The colour the preferences give to this key.
    QColor colour(const char* key) const
    {
        QColor value;
        uiprefs::getColour(*preferences, key, value);
        return value;
    }

    /// The test's folder, removed after everything else; the working folder meanwhile.
    TempDir folder;
    RecordingView fallback;
    std::unique_ptr<Preferences> preferences;
    std::unique_ptr<ViewRelay> relay;
    std::unique_ptr<Game> game;
    Prompter prompter;
    std::unique_ptr<GameSession> session;
    std::unique_ptr<MainWindow> window;
    /// Texts of the message boxes shown, in order.
    std::vector<QString> messages;
    /// Class names of the modal dialogs run, in order.
    std::vector<QString> dialogs;
    /// The button index every message box is answered with.
    int answer = 0;
    /// What to do with a modal dialog instead of running it (default: reject it).
    std::function<int(QDialog&)> onDialog;

private:
    QString m_previousFolder = QDir::currentPath();
};

} // namespace glyph::test
