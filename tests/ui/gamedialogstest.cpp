// A person's turn through the window (the board, the rack, the keyboard, Move and Pas/Change)
// and the dialogs of a game in progress and of setting one up.

#include <QLCDNumber>
#include <QSignalSpy>

#include <cstring>
#include <map>
#include <numeric>

#include "engine/unseentiles.h"
#include "ui/board/jokerdialog.h"
#include "ui/board/paschangedialog.h"
#include "ui/board/rackwidget.h"
#include "ui/game/moveslistdialog.h"
#include "ui/game/newgamedialog.h"
#include "ui/game/preferencesdialog.h"
#include "ui/game/topmovesdialog.h"
#include "ui/profiles/aieditorwidget.h"
#include "uitestsupport.h"

using glyph::Move;
using glyph::test::child;
using glyph::test::squarePoint;
using glyph::test::WindowFixture;

namespace
{

/// The colour on the screen (the backing store, not a fresh rendering) inside a board square.
QColor shownColour(glyph::MainWindow& window, int line, int column)
{
    QCoreApplication::processEvents();
    const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
    return screen.pixelColor(window.table()->mapTo(&window, squarePoint(*window.table(), line, column)));
}

/// The rack slots' letters in order, placed or not.
std::string slotLetters(const glyph::Game& game)
{
    std::string letters;
    for (int i = 0; i < game.rackSlotCount(); ++i)
        letters += game.rackSlots()[i].letter;
    return letters;
}

/// What is laid this turn, square by square: (8,7) "C", a joker as "j?".
using Laid = std::map<std::pair<int, int>, std::string>;
Laid laid(const glyph::Game& game)
{
    Laid squares;
    for (int i = 0; i < game.rackSlotCount(); ++i) {
        const glyph::RackSlot& slot = game.rackSlots()[i];
        if (slot.placed)
            squares[{slot.row, slot.column}] = slot.letter == glyph::kJoker
                                                   ? std::string(1, slot.jokerLetter) + "?"
                                                   : std::string(1, slot.letter);
    }
    return squares;
}

} // namespace

class GameDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void topMovesListsEveryMoveAndOnlyPlaceKeepsOneAndTheMoveListGoesBackToATurnToPlayFrom()
    {
        WindowFixture fixture;
        // Before any game the list offers the pass alone, and the panel still counts no round.
        {
            glyph::TopMovesDialog dialog(*fixture.session, fixture.window.get());
            QCOMPARE(child<QTableWidget>(dialog, "table")->rowCount(), 1);
        }
        QCOMPARE(fixture.find<QLCDNumber>("round")->intValue(), 0);
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        QCOMPARE(fixture.find<QLCDNumber>("round")->intValue(), 1);
        const std::string rack = "CATEQZJ";
        fixture.setRack(rack);
        QVERIFY(fixture.lay(0, 3, 3)); // the user has laid the C and picked up the A
        fixture.game->setSelectedSlot(1);
        const auto before = fixture.game->rackSlots();
        Move chosen;
        {
            glyph::TopMovesDialog dialog(*fixture.session, fixture.window.get());
            // Every move the game's generator finds for the rack.
            glyph::MoveGenerator fresh(*fixture.game);
            fresh.generate(rack);
            QCOMPARE(std::size_t(child<QTableWidget>(dialog, "table")->rowCount()), fresh.moves().size());

            child<QTableWidget>(dialog, "table")->setCurrentCell(2, 0); // laid on the board at once
            chosen = dialog.moves()[2];
            QTest::keyClick(child<QLineEdit>(dialog, "view"), Qt::Key_Return); // the row count's: no Place
        }
        // Closed without Place: the user's own placement and picked-up tile come back.
        QVERIFY(std::memcmp(&fixture.game->rackSlots(), &before, sizeof before) == 0);
        QCOMPARE(fixture.game->selectedSlot(), 1);
        {
            glyph::TopMovesDialog dialog(*fixture.session, fixture.window.get());
            child<QTableWidget>(dialog, "table")->setCurrentCell(2, 0);
            QTest::keyClick(child<QTableWidget>(dialog, "table"), Qt::Key_Return); // the list's Enter places
        }
        Move laid;
        QVERIFY(fixture.game->buildHumanMove(laid));
        QCOMPARE(fixture.game->moveText(laid, fixture.game->board()),
                 fixture.game->moveText(chosen, fixture.game->board()));

        // The move list goes back to the turn chosen.
        glyph::GameRules& rules = *fixture.game->rules();
        fixture.playBest(5, "AEIOTRS"); // each the best move from a fixed rack, or a pass
        {
            glyph::MovesListDialog dialog(*fixture.session, nullptr);
            // A row per round, its cells the turns played.
            const Move& third = rules.history()[3].move;
            QCOMPARE(child<QTableWidget>(dialog, "table")->item(1, 0)->text(),
                     QString::fromStdString(fixture.game->moveText(third, rules.history()[3].board)) + " " +
                         QString::number(third.score));
            child<QTableWidget>(dialog, "table")->setCurrentCell(2, 1); // the empty cell after the last turn
            dialog.goClicked();
            QCOMPARE(fixture.messages, std::vector<QString>{"Please select a move"});
            QCOMPARE(rules.historyPosition(), 5);
            child<QTableWidget>(dialog, "table")->setCurrentCell(1, 0);
            QCOMPARE(QString(fixture.session->highlightedMove().word), QString(third.word));
            dialog.goClicked();
        }
        QCOMPARE(rules.historyPosition(), 3);

        // Playing there asks first. Cancel: nothing is played and the later turns stay.
        fixture.messages.clear();
        const Move best = glyph::moveGenerator(*fixture.game).generate(rules.currentPlayer().rack);
        fixture.game->showMoveInRackSlots(best);
        fixture.answer = 1;
        fixture.session->move();
        fixture.session->passOrExchange("", rules.currentPlayer().rack);
        const QString asked = "Playing here removes the 2 later moves of this game.";
        QCOMPARE(fixture.messages, (std::vector<QString>{asked, asked}));
        QVERIFY(rules.history().size() == 6 && rules.historyPosition() == 3);
        // OK: the move is played there and becomes the last turn; playing on asks no more.
        fixture.answer = 0;
        fixture.session->move();
        QVERIFY(rules.history().size() == 5 && rules.historyPosition() == 4);
        fixture.session->passOrExchange("", rules.currentPlayer().rack);
        QCOMPARE(fixture.messages.size(), std::size_t(3));
        QCOMPARE(rules.history().size(), std::size_t(6));
    }

    void newGameAndPreferencesDialogsSetUpTheGame()
    {
        WindowFixture fixture;
        {
            glyph::NewGameDialog dialog(*fixture.session, nullptr);
            // A human first, then the profiles in order.
            for (const int seat : {0, 3})
                QCOMPARE(dialog.seatChoice(seat)->currentText(), QString(seat == 0 ? "Human" : "gamma.cpu"));
            child<QLineEdit>(dialog, "playersNumber")->setText("500"); // more than a full bag deals racks to
            dialog.recreateButtons();
            QCOMPARE(child<QTableWidget>(dialog, "players")->rowCount(), glyph::kMaxPlayers);
            child<QLineEdit>(dialog, "playersNumber")->setText("3");
            dialog.recreateButtons();
            dialog.seatChoice(1)->setCurrentIndex(0); // closed
            dialog.seatChoice(2)->setCurrentIndex(0);
            dialog.okClicked();
            QCOMPARE(fixture.messages, std::vector<QString>{"Choose 2 or more players"});
            QVERIFY(!fixture.game->rules()->inProgress());
            dialog.seatChoice(2)->setCurrentText("gamma.cpu");
            child<QTableWidget>(dialog, "players")->item(2, 0)->setText("Gem");
            child<QLineEdit>(dialog, "time")->setText("3");
            dialog.okClicked();
        }
        const auto& players = fixture.game->rules()->players();
        QCOMPARE(QString(players[0].name) + players[0].profile, QString("Player1"));
        QCOMPARE(QString(players[1].name) + "=" + players[1].profile, QString("Gem=gamma.cpu"));
        QCOMPARE(players[0].timeLeft, 180);

        // A typed size is taken modulo 30, with 15 for 0 and for what is no number.
        for (const auto& [typed, size] : std::vector<std::pair<QString, int>>{
                 {"0", 15}, {"31", 1}, {"45", 15}, {"29", 29}, {"abc", 15}}) {
            fixture.applySize(typed, typed);
            QCOMPARE(fixture.preferences->integer("TableRowsKey"), size);
            QCOMPARE(fixture.game->columns(), size);
        }

        // Cancel stores nothing, not even a colour chosen; OK stores all. Words are not checked
        // before playing unless asked.
        const std::string wordX3 = fixture.preferences->string("ColorWordX3Key");
        for (const bool ok : {false, true}) {
            glyph::PreferencesDialog dialog(*fixture.session, fixture.window.get());
            child<QComboBox>(dialog, "styleList")->setCurrentIndex(3);
            child<QLineEdit>(dialog, "lines")->setText("11");
            dialog.setColourChooser([](const QColor&) { return QColor(1, 2, 3); });
            dialog.chooseColour(7); // WordX3
            auto* check = child<QCheckBox>(dialog, "checkBeforePlaying");
            QVERIFY(!check->isChecked());
            check->setChecked(true);
            (ok ? child<QPushButton>(dialog, "ok") : child<QPushButton>(dialog, "cancel"))->click();
            QCOMPARE(fixture.preferences->integer("PreferencesStyleKey"), ok ? 3 : 4);
            QCOMPARE(fixture.preferences->integer("TableRowsKey"), ok ? 11 : 15);
            QCOMPARE(fixture.preferences->string("ColorWordX3Key"), ok ? std::string("1 2 3") : wordX3);
            QCOMPARE(fixture.preferences->integer("CheckBeforePlayingKey"), ok ? 1 : 0);
        }
    }

    void thePreferencesShowTheBoardSizeTheGamePlaysAndAnApplyLeavesIt()
    {
        WindowFixture fixture;
        for (const char* stored : {"-1", "0", "30", "100", "abc", " 20 ", "7"}) {
            fixture.preferences->setString("TableRowsKey", stored);
            fixture.preferences->setString("TableColumnsKey", stored);
            QVERIFY(fixture.game->loadSettings());
            const int played = fixture.game->rows();
            glyph::PreferencesDialog dialog(*fixture.session, fixture.window.get());
            QCOMPARE(child<QLineEdit>(dialog, "lines")->text(), QString::number(played));
            QCOMPARE(child<QLineEdit>(dialog, "columns")->text(), QString::number(played));
            QCOMPARE(child<QTableWidget>(dialog, "table")->rowCount(), played * played);
            dialog.applyClicked();
            QCOMPARE(fixture.preferences->integer("TableRowsKey"), played);
            QCOMPARE(fixture.game->rows(), played);
            QCOMPARE(fixture.game->columns(), played);
        }
    }

    void aRefusedNewGameKeepsTheGameItsUnsavedTurnsAndItsStoredChoices()
    {
        WindowFixture fixture;
        fixture.folder.write("Sets/Tiny.set", "1 1 1\n");
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.playBest(2, "AEIOTRS");
        QVERIFY(fixture.session->unsaved());
        const std::string set = fixture.preferences->string("GameSetKey");
        const std::size_t turns = fixture.game->rules()->history().size();
        glyph::NewGameDialog dialog(*fixture.session, fixture.window.get());
        child<QComboBox>(dialog, "set")->setCurrentText("Tiny.set");
        dialog.okClicked();
        QCOMPARE(fixture.messages, std::vector<QString>{"The letter set has 1 tiles: too few for 2 players"});
        QCOMPARE(dialog.result(), 0); // still open, to choose again
        QCOMPARE(fixture.preferences->string("GameSetKey"), set);
        QVERIFY(fixture.game->rules()->inProgress());
        QCOMPARE(fixture.game->rules()->history().size(), turns);
        QVERIFY(fixture.session->unsaved());
    }

    void listsAndFileChoosersOfferTheUsersFilesWithTheShippedOnes()
    {
        // An installed program: the shipped data in the working folder, the user's in "home".
        WindowFixture fixture(true, true);
        const auto home = [&](const char* name) {
            return QDir(QString::fromStdString(fixture.folder.file("home"))).absoluteFilePath(name);
        };
        QString folder; // where the last chooser started
        auto* editor = fixture.find<glyph::AIEditorWidget>("aiEditor");
        editor->setFileChooser([&](bool, const QString& start, const QString&) {
            folder = start;
            return QString();
        });
        editor->browseClicked(); // the user has no profiles yet: the shipped ones
        QCOMPARE(folder, QDir::current().absoluteFilePath("Profiles"));

        for (const char* name : {"Profiles", "Sets", "Dictionaries"})
            QVERIFY(QDir().mkpath(home(name)));
        for (const char* name : {"Profiles/beta.cpu", "Profiles/Mine.cpu", "Sets/Own.set",
                                 "Dictionaries/Own.dic", "Dictionaries/Test.dic", "Dictionaries/words.txt"})
            fixture.folder.write(std::string("home/") + name, "-- the user's own\n");
        editor->browseClicked();
        QCOMPARE(folder, home("Profiles"));
        {
            glyph::NewGameDialog dialog(*fixture.session, nullptr);
            QStringList items; // of the sets, the dictionaries, then a seat's choices
            for (QComboBox* list : {child<QComboBox>(dialog, "set"), child<QComboBox>(dialog, "dictionary"),
                                    dialog.seatChoice(0)})
                for (int i = 0; i < list->count(); ++i)
                    items << list->itemText(i);
            QCOMPARE(items, (QStringList{"Own.set", "Test.set", "Own.dic", "Test.dic", "Close", "Human",
                                         "alpha.cpu", "beta.cpu", "gamma.cpu", "Mine.cpu"}));
        }

        // Saved games and exports go to the user's Games folder, where Open then starts.
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        const auto chooser = [&](const QString& start, const QString&) {
            folder = start;
            return start + "/First.tc";
        };
        fixture.prompter.setSaveFileNameHandler(chooser);
        fixture.prompter.setOpenFileNameHandler(chooser);
        QVERIFY(fixture.session->save());
        QCOMPARE(folder, home("Games"));
        QVERIFY(QFileInfo::exists(home("Games/First.tc")));
        fixture.window->moves2TXTClicked();
        QCOMPARE(folder, home("Games"));
        folder.clear();
        fixture.session->open(); // the game is not read (the user's Test.dic is no dictionary)
        QCOMPARE(folder, home("Games"));

        // The real save dialog adds the filter's extension to a name typed without one before it
        // looks for the file, so that it asks before replacing the file that will be written.
        fixture.folder.write("home/Games/moves.txt", "an older list\n");
        QStringList selected; // the files the dialog takes the typed name for
        QString asked;        // the replace question's text
        QStringList labels;   // its caption and words, which go through the translation
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            dialog->selectFile("moves");
            selected = dialog->selectedFiles();
            labels = {dialog->windowTitle(), dialog->labelText(QFileDialog::FileName),
                      dialog->labelText(QFileDialog::Accept)};
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = box->text();
                    box->button(QMessageBox::No)->click();
                }
            });
            // Save; the question is answered No and the dialog stays, to be cancelled.
            child<QDialogButtonBox>(*dialog, "buttonBox")->button(QDialogButtonBox::Save)->click();
            dialog->reject();
        });
        QCOMPARE(glyph::Prompter::runFileDialog(nullptr, true, home("Games"), "*.txt", {}), QString());
        QCOMPARE(selected, QStringList{home("Games/moves.txt")});
        QCOMPARE(labels, (QStringList{"Save As", "File name:", "&Save"}));
        QVERIFY2(asked.contains("moves.txt already exists"), qPrintable(asked));
        QCOMPARE(fixture.folder.read("home/Games/moves.txt"), std::string("an older list\n"));
        // The profile editor's filters, a record's, and ones naming no extension.
        for (const auto& [filter, suffix] :
             std::vector<std::pair<QString, QString>>{{"CPU files (*.cpu)\nAll files (*.*)", "cpu"},
                                                      {"Game Classic (*.tc)", "tc"},
                                                      {"*.gcg", "gcg"},
                                                      {"All files (*.*)\nText (*.txt)", ""},
                                                      {"All files (*)", ""}})
            QCOMPARE(glyph::Prompter::saveSuffix(filter), suffix);
    }

    void tilesAreLaidTakenBackPlayedSwappedAndExchanged()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.setRack("AT[DEFG");
        glyph::TableWidget& table = *fixture.window->table();
        glyph::MainWindow& window = *fixture.window;
        const QLabel& current = *fixture.find<QLabel>("currentMove");
        fixture.game->board()[5][5] = glyph::Square{'Z', 0};

        QVERIFY(!fixture.lay(0, 5, 5));
        QVERIFY(!table.drop("SF", QPoint(2, squarePoint(table, 8, 8).y()))); // the line margin
        QVERIFY(!table.drop("", squarePoint(table, 8, 8)));                  // a drop carrying no tile
        QCOMPARE(fixture.game->selectedSlot(), 0); // still picked up after a refusal
        QVERIFY(fixture.lay(0, 8, 8));
        QVERIFY(!table.drop("SF", squarePoint(table, 8, 9))); // nothing picked up
        QVERIFY(!fixture.lay(1, 8, 8));
        QVERIFY(fixture.lay(1, 8, 9));
        QCOMPARE(current.text(), QString("(H8)AT 4p")); // both letters worth 1, H8 doubles the word

        // Escape in the joker dialog takes the joker back; Close lays it as the letter shown.
        for (const bool close : {false, true}) {
            fixture.onDialog = [close](QDialog& dialog) {
                child<QComboBox>(dialog, "joker")->setCurrentIndex('E' - 'A');
                close ? child<QPushButton>(dialog, "close")->click()
                      : QTest::keyClick(&dialog, Qt::Key_Escape);
                return dialog.result();
            };
            QCOMPARE(fixture.lay(2, 8, 10), close);
            QCOMPARE(fixture.game->selectedSlot(), -1);
        }
        QCOMPARE(fixture.game->rackSlots()[2].jokerLetter, 'E');

        // Every laid tile is on the screen at once, not at the next blink tick.
        const QColor laid = fixture.colour("ColorCurrentMoveKey");
        const QColor empty = fixture.colour("ColorLetterBackgroundKey");
        for (int column = 8; column <= 10; ++column)
            QCOMPARE(shownColour(window, 8, column), laid);

        // A left click takes one tile back, a click on an empty square none.
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 8, 12));
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 8, 9));
        QCOMPARE(shownColour(window, 8, 9), empty);
        QCOMPARE(shownColour(window, 8, 8), laid);
        QCOMPARE(current.text(), QString("==-NO MOVE-=="));

        // A right click anywhere takes all back.
        QTest::mouseClick(&table, Qt::RightButton, {}, squarePoint(table, 1, 1));
        QVERIFY(!fixture.game->rackSlots()[0].placed && !fixture.game->rackSlots()[2].placed);
        QCOMPARE(shownColour(window, 8, 10), empty);

        // Move plays only what is laid, and hands the turn on; so does a double click, on a tile
        // laid this turn too (its first press, which takes a tile back, does not count).
        fixture.rack()->moveClicked();
        QVERIFY(fixture.lay(0, 8, 8) && fixture.lay(1, 8, 9));
        // (A double click reaches a widget as a press and a release, then the double click.)
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 8, 9));
        QTest::mouseDClick(&table, Qt::LeftButton, {}, squarePoint(table, 8, 9));
        QCOMPARE(fixture.messages,
                 (std::vector<QString>{"The current position is ocupied", "Must be on the table!",
                                       "You move already here", "Please make a valid move first"}));
        QCOMPARE(fixture.find<QTableWidget>("playersSituation")->item(0, 1)->text(), QString("4"));
        QCOMPARE(fixture.rack()->findChild<QLabel*>("playerName")->text(), QString("Bob rack"));

        // Checked before playing, a move of no word (which: the core's test) is refused, and the
        // tile goes back to its place in Bob's rack, his turn still.
        fixture.setRack("ABCDEFG");
        fixture.preferences->setInteger("CheckBeforePlayingKey", 1);
        fixture.place(5, 8, 10);
        fixture.rack()->moveClicked();
        QVERIFY2(fixture.messages.back().contains("ATF"), qPrintable(fixture.messages.back()));
        QVERIFY(!fixture.game->rackSlots()[5].placed && slotLetters(*fixture.game) == "ABCDEFG");
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
        fixture.preferences->setInteger("CheckBeforePlayingKey", 0);

        // Bob's strip: a tile picked up and dropped on its neighbour swaps with it.
        glyph::PiecesWidget& pieces = *fixture.rack()->pieces();
        pieces.resize(700, 60); // tiles 100 pixels wide

        QVERIFY(pieces.pickUp(QPoint(150, 30)));
        QCOMPARE(fixture.game->selectedSlot(), 1);
        QVERIFY(pieces.reorder(QPoint(250, 30)));
        QCOMPARE(QString(fixture.game->rackSlots()[1].letter) + fixture.game->rackSlots()[2].letter,
                 QString("CB"));
        QCOMPARE(fixture.game->selectedSlot(), 2); // the selection follows the tile

        // Cancel changes nothing; ticked tiles go back to the bag (the set's one Q and one Z at
        // most come out).
        fixture.setRack("QQZZEEA");
        const int bagBefore = fixture.game->rules()->bag().total();
        fixture.onDialog = nullptr;
        fixture.rack()->pasChangeClicked();
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);
        fixture.onDialog = [](QDialog& dialog) {
            auto& pas = dynamic_cast<glyph::PasChangeDialog&>(dialog);
            for (int i = 0; i < 4 && pas.toggles().size() == 7; ++i)
                pas.toggles()[i]->setChecked(true);
            return int(QDialog::Accepted);
        };
        fixture.rack()->pasChangeClicked();
        QCOMPARE(fixture.game->rules()->bag().total(), bagBefore);
        const std::string rack = fixture.game->rules()->players()[1].rack;
        auto count = [&](char letter) { return std::count(rack.begin(), rack.end(), letter); };
        QVERIFY(rack.size() == 7 && count('E') >= 2 && count('A') >= 1 && count('Q') <= 1 && count('Z') <= 1);
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 0);
    }

    void rackButtonsReorderTheTilesAndTheCommandTakesEveryTileBack()
    {
        WindowFixture fixture;
        auto* shuffle = child<QPushButton>(*fixture.rack(), "shuffle");
        auto* alphabetize = child<QPushButton>(*fixture.rack(), "alphabetize");
        QVERIFY(!shuffle->isEnabled() && !alphabetize->isEnabled()); // no game yet
        fixture.start({{"Ann", ""}, {"Cpu", "alpha.cpu"}});
        fixture.setRack("TE[CAQB");

        // Shuffle, pressed often enough, changes the order; Alphabetize puts the joker last.
        for (int press = 0; press < 20 && slotLetters(*fixture.game) == "TE[CAQB"; ++press)
            shuffle->click();
        QVERIFY(slotLetters(*fixture.game) != "TE[CAQB");
        alphabetize->click();
        QCOMPARE(slotLetters(*fixture.game), std::string("ABCEQT["));

        // The Game menu's command takes every tile of this turn back.
        fixture.place(1, 8, 9);
        glyph::test::command(*fixture.window, "Ctrl+Backspace")->trigger();
        QVERIFY(laid(*fixture.game).empty());

        // The computer player's rack is not the person's to reorder.
        fixture.session->passOrExchange("", fixture.game->rules()->currentPlayer().rack);
        fixture.session->stopComputerPlayers();
        QVERIFY(!shuffle->isEnabled() && !alphabetize->isEnabled());
        const std::string computerRack = slotLetters(*fixture.game);
        fixture.session->alphabetizeRack();
        fixture.session->shuffleRack();
        QCOMPARE(slotLetters(*fixture.game), computerRack);
    }

    void wordsTypedOnTheBoardAreLaidAndPlayed()
    {
        // Which key does what; where the letters go is the core's rack editor test.
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        glyph::TableWidget& table = *fixture.window->table();
        const glyph::RackEditor& cursor = fixture.session->rackEditor();
        fixture.setRack("CATEEEE");

        // A click puts the cursor on the square, the arrows move it, letters lay, Backspace takes
        // the last back, Return plays.
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 9, 6));
        QTest::keyClick(&table, Qt::Key_Up);
        QTest::keyClick(&table, Qt::Key_Right);
        QCOMPARE(std::pair(cursor.cursorRow(), cursor.cursorColumn()), std::pair(8, 7));
        QTest::keyClicks(&table, "cat");
        QCOMPARE(laid(*fixture.game), (Laid{{{8, 7}, "C"}, {{8, 8}, "A"}, {{8, 9}, "T"}}));
        QTest::keyClick(&table, Qt::Key_Backspace);
        QCOMPARE(laid(*fixture.game).size(), std::size_t(2));
        QTest::keyClicks(&table, "t");
        QTest::keyClick(&table, Qt::Key_Return);
        QCOMPARE(fixture.game->rules()->players()[0].score, 10);

        // A second click turns the cursor down; a letter the rack lacks lays nothing and says so;
        // Shift and `?` each make the next letter a joker; Space turns back across; Enter plays.
        fixture.setRack("T[N[EEE");
        QSignalSpy status(fixture.session.get(), &glyph::GameSession::statusMessage);
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 7, 8));
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 7, 8));
        QVERIFY(!cursor.across());
        QTest::keyClick(&table, Qt::Key_Z);
        QVERIFY(laid(*fixture.game).empty() && status.count() == 1);
        QTest::keyClick(&table, Qt::Key_T, Qt::ShiftModifier);
        QTest::keyClick(&table, '?');
        QTest::keyClick(&table, Qt::Key_N);
        QCOMPARE(laid(*fixture.game), (Laid{{{7, 8}, "T?"}, {{9, 8}, "N?"}}));
        QTest::keyClick(&table, Qt::Key_Space);
        QVERIFY(cursor.across());
        QTest::keyClick(&table, Qt::Key_Enter);
        QCOMPARE(fixture.game->rules()->players()[1].score, 1); // the A, the jokers worth nothing
        QVERIFY(fixture.messages.empty());
    }

    void theBagViewListsTheBagAndCountsTheTilesThePlayerToMoveCannotSee()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}, {"Cid", ""}});
        glyph::GameRules& rules = *fixture.game->rules();
        fixture.setRack("QQ[AAEZ"); // more Qs than the set holds: the counts come from the racks
        rules.bag() = glyph::Bag{};
        for (char tile : std::string("[EATA"))
            rules.bag().returnTile(tile);
        for (int turn = 0; turn < 2; ++turn) {
            QStringList shown;
            fixture.onDialog = [&](QDialog& dialog) {
                shown << child<QPlainTextEdit>(dialog, "letters")->toPlainText()
                      << child<QLabel>(dialog, "information")->text()
                      << child<QPlainTextEdit>(dialog, "unseen")->toPlainText()
                      << child<QLabel>(dialog, "unseenInformation")->text();
                return int(QDialog::Accepted);
            };
            fixture.window->bagClicked();
            QCOMPARE(shown.mid(0, 2), (QStringList{"A A E T ? ", "Vowels(3) Consons(1) Total(5)"}));
            // The core's count of what the player to move cannot see.
            const auto counts = glyph::unseentiles::counts(rules, rules.currentPlayerIndex());
            QStringList expected;
            for (int k = 0; k < glyph::kLetterCount; ++k)
                if (counts[k] > 0)
                    expected << (k == 26 ? QString("?") : QString(QChar('A' + k))) + " " +
                                    QString::number(counts[k]);
            QCOMPARE(shown[2].split(", "), expected);
            const int total = std::accumulate(counts.begin(), counts.end(), 0);
            QVERIFY(shown[3].contains(QString::number(total)));
            QVERIFY(shown[3].contains(QString::fromLatin1(rules.currentPlayer().name)));
            // The next player sees Ann's rack among the unseen tiles.
            fixture.session->passOrExchange("", rules.currentPlayer().rack);
        }
    }
};

QTEST_MAIN(GameDialogsTest)
#include "gamedialogstest.moc"
