// The dialogs of a game: top moves, move list and bag in a game in progress, and the new-game
// and preferences dialogs that set one up.

#include "ai/movegenerator.h"
#include "ui/bagviewdialog.h"
#include "ui/moveslistdialog.h"
#include "ui/newgamedialog.h"
#include "ui/preferencesdialog.h"
#include "ui/rackwidget.h"
#include "ui/topmovesdialog.h"
#include "uitestsupport.h"

using glyph::Move;
using glyph::test::WindowFixture;

namespace
{

/// The tile picked up, then each rack slot's letter and square (-1 when not laid).
QString slotsText(const glyph::Game& game)
{
    QString text = QString::number(game.selectedSlot());
    for (int i = 0; i < game.rackSlotCount(); ++i) {
        const glyph::RackSlot& slot = game.rackSlots()[i];
        text += QString(" %1%2,%3").arg(slot.letter).arg(slot.placed ? slot.row : -1).arg(slot.column);
    }
    return text;
}

/// Plays the current player's best move from a fixed rack, or passes when there is none.
void playTurn(WindowFixture& fixture)
{
    fixture.setRack("AEIOTRS");
    const Move best =
        glyph::moveGenerator(*fixture.game).generate(fixture.game->rules()->currentPlayer().rack);
    QVERIFY(best.isPass() ? fixture.game->rules()->passOrExchange("", "")
                          : fixture.game->rules()->playMove(best));
}

} // namespace

class GameDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void topMovesListsEveryMoveAndOnlyPlaceKeepsOne()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        fixture.show();
        const std::string rack = "CATEQZJ";
        fixture.setRack(rack);
        QVERIFY(fixture.lay(0, 3, 3)); // the user has laid the C and picked up the A
        fixture.game->setSelectedSlot(1);
        const QString before = slotsText(*fixture.game);
        Move chosen;
        {
            glyph::TopMovesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
            // Every move the game's generator finds for the rack, the pass last.
            glyph::MoveGenerator fresh(*fixture.game);
            fresh.generate(rack);
            QCOMPARE(std::size_t(dialog.table->rowCount()), fresh.moves().size());
            QVERIFY(dialog.moves().back().isPass());

            dialog.table->setCurrentCell(2, 0); // laid on the board at once
            chosen = dialog.moves()[2];
        }
        // Closed without Place: the user's own placement and picked-up tile come back.
        QCOMPARE(slotsText(*fixture.game), before);
        {
            glyph::TopMovesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
            dialog.table->setCurrentCell(2, 0);
            dialog.placeClicked();
        }
        Move laid;
        QVERIFY(fixture.game->buildHumanMove(laid));
        QCOMPARE(fixture.game->moveText(laid, fixture.game->board()),
                 fixture.game->moveText(chosen, fixture.game->board()));
        fixture.window->rack()->moveClicked();
        QCOMPARE(fixture.game->rules()->history()[1].move.score, chosen.score);
    }

    void moveListGoesBackToTheChosenTurn()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        for (int turn = 0; turn < 5; ++turn)
            playTurn(fixture);
        glyph::GameRules& rules = *fixture.game->rules();
        const glyph::Board afterTurn3 = rules.history()[3].board;
        {
            glyph::MovesListDialog dialog(*fixture.game, *fixture.window, nullptr);
            // A row per round, its cells the turns played.
            QCOMPARE(dialog.table->rowCount(), 3);
            const Move& third = rules.history()[3].move;
            QCOMPARE(dialog.table->item(1, 0)->text(),
                     QString::fromStdString(fixture.game->moveText(third, afterTurn3)) + " " +
                         QString::number(third.score));
            dialog.goClicked();                 // nothing chosen
            dialog.table->setCurrentCell(2, 1); // the empty cell after the last turn
            dialog.goClicked();
            QCOMPARE(fixture.messages,
                     (std::vector<QString>{"Please select a move", "Please select a move"}));
            QCOMPARE(rules.historyPosition(), 5);
            dialog.table->setCurrentCell(1, 0);
            QCOMPARE(QString(fixture.window->table()->highlightedMove().word), QString(third.word));
            dialog.goClicked();
        }
        QCOMPARE(rules.historyPosition(), 3);
        QVERIFY(std::memcmp(&fixture.game->board(), &afterTurn3, sizeof afterTurn3) == 0);
        // Play goes on from turn 3: the later turns are dropped.
        playTurn(fixture);
        QCOMPARE(static_cast<int>(rules.history().size()), 5);
    }

    void bagViewListsAndCountsTheTiles()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        glyph::Bag& bag = fixture.game->rules()->bag();
        bag = glyph::Bag{};
        for (char tile : std::string("[EATA"))
            bag.returnTile(tile);
        {
            glyph::BagViewDialog dialog(*fixture.game, *fixture.window, nullptr);
            QVERIFY(fixture.window->paused());
            QCOMPARE(dialog.letters->toPlainText(), QString("A A E T ? "));
            QCOMPARE(dialog.information->text(), QString("Vowels(3) Consons(1) Total(5)"));
        }
        QVERIFY(!fixture.window->paused());
    }

    void newGameSeatsTwoToTheLargestTableInOrder()
    {
        WindowFixture fixture;
        {
            glyph::NewGameDialog dialog(*fixture.game, *fixture.window, nullptr);
            auto seats = [&] {
                QStringList rows;
                for (int i = 0; i < dialog.players->rowCount(); ++i)
                    rows << dialog.players->item(i, 0)->text() + "=" + dialog.seatChoice(i)->currentText();
                return rows;
            };
            // A human first, then the profiles in order.
            QCOMPARE(seats(), (QStringList{"Player1=Human", "Player2=alpha.cpu", "Player3=beta.cpu",
                                           "Player4=gamma.cpu"}));
            dialog.playersNumber->setText("500"); // more than a full bag deals racks to
            dialog.recreateButtons();
            QCOMPARE(dialog.players->rowCount(), glyph::kMaxPlayers);
            dialog.playersNumber->setText("3");
            dialog.recreateButtons();
            dialog.seatChoice(1)->setCurrentIndex(0); // closed
            dialog.seatChoice(2)->setCurrentIndex(0);
            dialog.okClicked();
            QCOMPARE(fixture.messages, std::vector<QString>{"Choose 2 or more players"});
            QVERIFY(!fixture.game->rules()->inProgress());
            dialog.seatChoice(2)->setCurrentText("gamma.cpu");
            dialog.players->item(2, 0)->setText("Gem");
            dialog.time->setText("3");
            dialog.okClicked();
        }
        const auto& players = fixture.game->rules()->players();
        QCOMPARE(players.size(), std::size_t(2));
        QCOMPARE(QString(players[0].name) + players[0].profile, QString("Player1"));
        QCOMPARE(QString(players[1].name) + "=" + players[1].profile, QString("Gem=gamma.cpu"));
        QCOMPARE(players[0].timeLeft, 180);
    }

    void preferencesTakeTheSizeRuleAndStoreOnlyOnOkOrApply()
    {
        WindowFixture fixture;
        // A typed size is taken modulo 30, with 15 for 0 and for what is no number.
        for (const auto& [typed, size] : std::vector<std::pair<QString, int>>{
                 {"0", 15}, {"31", 1}, {"45", 15}, {"29", 29}, {"abc", 15}}) {
            glyph::PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
            dialog.lines->setText(typed);
            dialog.columns->setText(typed);
            dialog.setClicked();
            dialog.applyClicked();
            QCOMPARE(fixture.preferences->integer("TableRowsKey"), size);
            QCOMPARE(fixture.game->columns(), size);
        }

        // Cancel stores nothing, not even a colour chosen; OK stores all.
        const std::string wordX3 = fixture.preferences->string("ColorWordX3Key");
        for (const bool ok : {false, true}) {
            glyph::PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
            dialog.styleList->setCurrentIndex(3);
            dialog.lines->setText("11");
            dialog.setColourChooser([](const QColor&) { return QColor(1, 2, 3); });
            dialog.chooseColour(7); // WordX3
            (ok ? dialog.ok : dialog.cancel)->click();
            QCOMPARE(fixture.preferences->integer("PreferencesStyleKey"), ok ? 3 : 4);
            QCOMPARE(fixture.preferences->integer("TableRowsKey"), ok ? 11 : 15);
            QCOMPARE(fixture.preferences->string("ColorWordX3Key"), ok ? std::string("1 2 3") : wordX3);
        }
    }
};

QTEST_MAIN(GameDialogsTest)
#include "gamedialogstest.moc"
