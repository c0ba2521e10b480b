#pragma once

// A game window on a small made-up word list, letter set and profiles, in a folder of its own
// that becomes the working folder; message boxes and modal dialogs are answered by the test.

#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "preferences/preferences.h"
#include "support/dicfilewriter.h"
#include "support/englishset.h"
#include "support/recordingview.h"
#include "support/tempdir.h"
#include "ui/mainwindow.h"
#include "ui/tablewidget.h"
#include "ui/uipreferences.h"
#include "ui/viewrelay.h"

namespace glyph::test
{

/// Short words enough for two computer players to play a whole game.
inline std::vector<std::string> testWords()
{
    return {"AA", "AB", "AD",  "AE",  "AG",  "AH",  "AI",  "AL",  "AM",  "AN",  "AR",  "AS", "AT", "AW",
            "AX", "AY", "BA",  "BE",  "BI",  "BO",  "BY",  "DA",  "DE",  "DO",  "ED",  "EF", "EH", "EL",
            "EM", "EN", "ER",  "ES",  "EX",  "FA",  "FE",  "GO",  "HA",  "HE",  "HI",  "HM", "HO", "ID",
            "IF", "IN", "IS",  "IT",  "JO",  "KA",  "KI",  "LA",  "LI",  "LO",  "MA",  "ME", "MI", "MO",
            "MU", "MY", "NA",  "NE",  "NO",  "NU",  "OD",  "OE",  "OF",  "OH",  "OI",  "OM", "ON", "OP",
            "OR", "OS", "OW",  "OX",  "OY",  "PA",  "PE",  "PI",  "QI",  "RE",  "SH",  "SI", "SO", "TA",
            "TI", "TO", "UH",  "UM",  "UN",  "UP",  "US",  "UT",  "WE",  "WO",  "XI",  "XU", "YA", "YE",
            "YO", "ZA", "CAT", "COT", "DOG", "TEA", "EAT", "ATE", "TAN", "RAT", "ART", "TAR"};
}

/// A point inside the square at line, column of a board widget as it is sized now: half-way
/// down its left edge, clear of the frame and of where a tile's letter is drawn.
inline QPoint squarePoint(const TableWidget& table, int line, int column)
{
    const QSize cell = table.cellSize(table.size());
    return {column * cell.width() + 3, line * cell.height() + cell.height() / 2};
}

/// The folder, files, preferences, game and window of one test.
class WindowFixture
{
public:
    /// Creates Sets/Test.set, Dictionaries/Test.dic and three (empty) profiles in a fresh
    /// folder, makes it the working folder and builds and shows the game's window.
    WindowFixture()
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
        game = std::make_unique<Game>(*preferences, *relay);
        glyph::attachAiPlayers(*game);
        game->setRules(createRules(kClassicGameType, *game));
        window = std::make_unique<MainWindow>(*game);
        relay->setTarget(window.get());
        window->setWaitFactor(0);
        window->setMessageHandler([this](const MainWindow::MessageRequest& request) {
            messages.push_back(request.text);
            return answer;
        });
        window->setDialogHandler([this](QDialog& dialog) {
            dialogs.push_back(dialog.metaObject()->className());
            return onDialog ? onDialog(dialog) : static_cast<int>(QDialog::Rejected);
        });
        // Shown, so that the board has its real size and paints on the screen.
        window->resize(1280, 1024);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    ~WindowFixture()
    {
        relay->setTarget(nullptr);
        QDir::setCurrent(m_previousFolder);
    }

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
        window->refresh(false);
    }

    /// Gives the current player exactly this rack (internal codes) and reloads the rack slots.
    void setRack(const std::string& rack)
    {
        game->rules()->currentPlayer().setRack(rack);
        game->reloadRackSlots();
        window->refresh(false);
    }

    /// Picks up the rack slot and drops it on the window's board; false when it was refused.
    bool lay(int slot, int line, int column) const
    {
        game->setSelectedSlot(slot);
        return window->table()->drop("SF", squarePoint(*window->table(), line, column));
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
