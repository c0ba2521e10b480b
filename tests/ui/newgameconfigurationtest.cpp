// The new-game dialog (lists, seats, starting) and the game configuration editor.

#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

#include "engine/gamerules.h"
#include "ui/gameconfigurationwidget.h"
#include "ui/newgamedialog.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

namespace
{

QStringList seats(const glyph::NewGameDialog& dialog)
{
    QStringList rows;
    for (int i = 0; i < dialog.players->rowCount(); ++i)
        rows << dialog.players->item(i, 0)->text() + "=" + dialog.seatChoice(i)->currentText();
    return rows;
}

} // namespace

class NewGameConfigurationTest : public QObject
{
    Q_OBJECT

private slots:
    void firstDialogSeatsAHumanAndTheFirstProfiles();
    void applyKeepsChoicesAndResetsNames();
    void storedFilesAreSelectedIgnoringCase();
    void fewerThanTwoPlayersAreRefused();
    void seatsStopAtTheLargestTableAGameHolds();
    void okStartsTheGameInTableOrder();
    void dialogShowsTheGameInProgress();
    void editorLaysJokersFromLowerCase();
    void editorReadsRacksAndNumbers();
    void clearTableNeedsConfirmation();
};

void NewGameConfigurationTest::firstDialogSeatsAHumanAndTheFirstProfiles()
{
    WindowFixture fixture;
    glyph::NewGameDialog dialog(*fixture.game, *fixture.window, nullptr);
    QVERIFY(fixture.window->paused());
    QCOMPARE(dialog.gameType->count(), 1);
    QCOMPARE(dialog.gameType->itemText(0), QString("Tabulo Classic"));
    QCOMPARE(dialog.playersNumber->text(), QString("4"));
    QCOMPARE(seats(dialog),
             (QStringList{"Player1=Human", "Player2=alpha.cpu", "Player3=beta.cpu", "Player4=gamma.cpu"}));
    QCOMPARE(dialog.seatChoice(0)->count(), 5); // Close, Human and three profiles
}

void NewGameConfigurationTest::applyKeepsChoicesAndResetsNames()
{
    WindowFixture fixture({"alpha.cpu"});
    glyph::NewGameDialog dialog(*fixture.game, *fixture.window, nullptr);
    // Only one profile: the third and fourth seats have no default and stay closed.
    QCOMPARE(seats(dialog),
             (QStringList{"Player1=Human", "Player2=alpha.cpu", "Player3=Close", "Player4=Close"}));
    dialog.seatChoice(2)->setCurrentIndex(1);
    dialog.players->item(0, 0)->setText("Ann");
    dialog.playersNumber->setText("6");
    dialog.recreateButtons();
    QCOMPARE(seats(dialog), (QStringList{"Player1=Human", "Player2=alpha.cpu", "Player3=Human",
                                         "Player4=Close", "Player5=Close", "Player6=Close"}));
    dialog.playersNumber->setText("many");
    dialog.recreateButtons();
    QCOMPARE(dialog.players->rowCount(), 0);
}

void NewGameConfigurationTest::seatsStopAtTheLargestTableAGameHolds()
{
    // More seats than a full bag deals to would give a game that cannot be saved and loaded.
    WindowFixture fixture({"alpha.cpu"});
    glyph::NewGameDialog dialog(*fixture.game, *fixture.window, nullptr);
    dialog.playersNumber->setText("500");
    dialog.recreateButtons();
    QCOMPARE(dialog.players->rowCount(), glyph::kMaxPlayers);
    QCOMPARE(dialog.playersNumber->text(), QString::number(glyph::kMaxPlayers));
}

void NewGameConfigurationTest::storedFilesAreSelectedIgnoringCase()
{
    WindowFixture fixture;
    QFile other(QString::fromStdString(fixture.path("Sets/Another.set")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();
    QComboBox list;
    list.addItems({"Another.set", "Test.set"});
    QVERIFY(glyph::NewGameDialog::selectStored(list, "sets/test.SET", "Sets/"));
    QCOMPARE(list.currentText(), QString("Test.set"));
    QVERIFY(!glyph::NewGameDialog::selectStored(list, "Sets/None.set", "Sets/"));
    QCOMPARE(list.currentText(), QString("Test.set"));

    fixture.preferences->setString("GameSetKey", "Sets/test.set");
    glyph::NewGameDialog dialog(*fixture.game, *fixture.window, nullptr);
    QCOMPARE(dialog.set->count(), 2);
    QCOMPARE(dialog.set->currentText(), QString("Test.set"));
}

void NewGameConfigurationTest::fewerThanTwoPlayersAreRefused()
{
    WindowFixture fixture;
    glyph::NewGameDialog dialog(*fixture.game, *fixture.window, nullptr);
    for (int i = 1; i < 4; ++i)
        dialog.seatChoice(i)->setCurrentIndex(0);
    dialog.time->setText("7");
    dialog.okClicked();
    QCOMPARE(fixture.messages, std::vector<QString>{"Choose 2 or more players"});
    QVERIFY(!fixture.game->rules()->inProgress());
    QCOMPARE(fixture.preferences->integer("GameClassicTimeKey"), 25); // nothing written
}

void NewGameConfigurationTest::okStartsTheGameInTableOrder()
{
    WindowFixture fixture;
    {
        glyph::NewGameDialog dialog(*fixture.game, *fixture.window, nullptr);
        dialog.seatChoice(1)->setCurrentIndex(0); // closed: left out
        dialog.players->item(1, 0)->setText("Ghost");
        dialog.players->item(2, 0)->setText("Bea");
        dialog.time->setText("3");
        dialog.bonus->setText("x");
        dialog.okClicked();
        QVERIFY(fixture.messages.empty());
    }
    QVERIFY(!fixture.window->paused());
    const auto& players = fixture.game->rules()->players();
    QCOMPARE(players.size(), std::size_t(3));
    QCOMPARE(QString(players[0].name), QString("Player1"));
    QCOMPARE(QString(players[1].name), QString("Bea"));
    QCOMPARE(QString(players[1].profile), QString("beta.cpu"));
    QCOMPARE(QString(players[2].profile), QString("gamma.cpu"));
    QCOMPARE(fixture.preferences->integer("GameClassicTimeKey"), 3);
    QCOMPARE(fixture.preferences->integer("GameBonusKey"), 0);
    QCOMPARE(fixture.preferences->string("GameDictionaryKey"), std::string("Dictionaries/Test.dic"));
    QCOMPARE(players[0].timeLeft, 180);
}

void NewGameConfigurationTest::dialogShowsTheGameInProgress()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Cpu", "gamma.cpu"}});
    glyph::NewGameDialog dialog(*fixture.game, *fixture.window, nullptr);
    QCOMPARE(seats(dialog), (QStringList{"Ann=Human", "Cpu=gamma.cpu"}));
}

void NewGameConfigurationTest::editorLaysJokersFromLowerCase()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    glyph::GameConfigurationWidget& editor = *fixture.window->gameConfiguration();
    editor.refresh();
    QCOMPARE(editor.table->rowCount(), 15);
    QCOMPARE(editor.table->horizontalHeaderItem(0)->text(), QString("A"));
    QCOMPARE(editor.table->verticalHeaderItem(14)->text(), QString("15"));
    editor.table->item(7, 7)->setText("q");   // H8
    editor.table->item(7, 8)->setText("Xyz"); // H9: the first character counts
    editor.table->item(7, 9)->setText("?");
    editor.table->item(7, 10)->setText("5");
    fixture.game->board()[1][1] = glyph::Square{'E', 0};
    editor.table->item(0, 0)->setText(""); // the edit empties A1
    editor.applyClicked();

    QCOMPARE(fixture.messages, std::vector<QString>{"Are you sure?"});
    QCOMPARE(fixture.game->board()[8][8], (glyph::Square{'Q', 1}));
    QCOMPARE(fixture.game->board()[8][9], (glyph::Square{'X', 0}));
    QCOMPARE(fixture.game->board()[8][10], glyph::Square{});
    QCOMPARE(fixture.game->board()[8][11], glyph::Square{});
    QCOMPARE(fixture.game->board()[1][1], glyph::Square{});
    QCOMPARE(editor.table->item(7, 7)->text(), QString("q")); // shown back as a joker
}

void NewGameConfigurationTest::editorReadsRacksAndNumbers()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    glyph::GameConfigurationWidget& editor = *fixture.window->gameConfiguration();
    editor.refresh();
    const int bagBefore = fixture.game->rules()->bag().total();
    editor.players->item(0, 0)->setText("Anna");
    editor.players->item(0, 1)->setText("ab?");
    editor.players->item(0, 2)->setText("-12");
    editor.players->item(0, 3)->setText("ten");

    fixture.answer = 1; // Cancel: nothing changes
    editor.applyClicked();
    QCOMPARE(QString(fixture.game->rules()->players()[0].name), QString("Ann"));

    fixture.answer = 0;
    editor.applyClicked();
    const glyph::Player& ann = fixture.game->rules()->players()[0];
    QCOMPARE(QString(ann.name), QString("Anna"));
    QCOMPARE(std::string(ann.rack), std::string("AB["));
    QCOMPARE(ann.score, -12);
    QCOMPARE(ann.timeLeft, 0);
    QCOMPARE(fixture.game->rackSlotCount(), 3);                    // the rack slots follow the edited rack
    QCOMPARE(fixture.game->rules()->bag().total(), bagBefore + 4); // four tiles left the racks
    QCOMPARE(editor.players->item(0, 1)->text(), QString("AB?"));
}

void NewGameConfigurationTest::clearTableNeedsConfirmation()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.game->board()[8][8] = glyph::Square{'A', 0};
    glyph::GameConfigurationWidget& editor = *fixture.window->gameConfiguration();
    editor.refresh();
    fixture.answer = 1;
    editor.clearTableClicked();
    QCOMPARE(editor.table->item(7, 7)->text(), QString("A"));
    fixture.answer = 0;
    editor.clearTableClicked();
    QCOMPARE(editor.table->item(7, 7)->text(), QString());
    QCOMPARE(fixture.game->board()[8][8].letter, 'A'); // the board changes only on Apply
    editor.restoreTableClicked();
    QCOMPARE(editor.table->item(7, 7)->text(), QString("A"));
}

QTEST_MAIN(NewGameConfigurationTest)
#include "newgameconfigurationtest.moc"
