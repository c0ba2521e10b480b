// The conveniences of a person's turn in the window: Shuffle and Alphabetize, taking back every
// tile, keyboard play on the board, the unseen tiles in the bag view and words checked before
// playing. (Enter in Top moves: the game-dialogs test.)

#include <QSignalSpy>

#include <map>
#include <numeric>
#include <set>

#include "engine/unseentiles.h"
#include "ui/game/bagviewdialog.h"
#include "ui/game/preferencesdialog.h"
#include "uitestsupport.h"

using glyph::test::child;
using glyph::test::squarePoint;
using glyph::test::WindowFixture;

namespace
{

/// The rack slots' letters in order, placed or not.
std::string slotLetters(const glyph::Game& game)
{
    std::string letters;
    for (int i = 0; i < game.rackSlotCount(); ++i)
        letters += game.rackSlots()[i].letter;
    return letters;
}

/// What is laid this turn, square by square: "8,7=C" (a joker as "j?").
std::map<std::pair<int, int>, std::string> laid(const glyph::Game& game)
{
    std::map<std::pair<int, int>, std::string> squares;
    for (int i = 0; i < game.rackSlotCount(); ++i) {
        const glyph::RackSlot& slot = game.rackSlots()[i];
        if (slot.placed)
            squares[{slot.row, slot.column}] = slot.letter == glyph::kJoker
                                                   ? std::string(1, slot.jokerLetter) + "?"
                                                   : std::string(1, slot.letter);
    }
    return squares;
}

QAction* commandWithShortcut(const QWidget& window, const char* keys)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (action->isEnabled() && action->shortcut() == QKeySequence(QString::fromLatin1(keys)))
            return action;
    return nullptr;
}

} // namespace

class RackAndKeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void rackButtonsReorderTheTilesAndTheCommandTakesEveryTileBack()
    {
        WindowFixture fixture;
        auto* shuffle = child<QPushButton>(*fixture.rack(), "shuffle");
        auto* alphabetize = child<QPushButton>(*fixture.rack(), "alphabetize");
        QVERIFY(!shuffle->isEnabled() && !alphabetize->isEnabled()); // no game yet
        fixture.start({{"Ann", ""}, {"Cpu", "alpha.cpu"}});
        fixture.setRack("TE[CAQB");
        QVERIFY(shuffle->isEnabled() && alphabetize->isEnabled());

        // Shuffling, pressed often enough, changes the order; Alphabetize puts the joker last.
        std::set<std::string> orders;
        for (int press = 0; press < 20; ++press) {
            shuffle->click();
            orders.insert(slotLetters(*fixture.game));
        }
        QVERIFY(orders.size() > 1);
        alphabetize->click();
        QCOMPARE(slotLetters(*fixture.game), std::string("ABCEQT["));

        // The Game menu's command takes every tile of this turn back.
        fixture.place(1, 8, 9);
        QAction* takeBack = commandWithShortcut(*fixture.window, "Ctrl+Backspace");
        QVERIFY(takeBack != nullptr);
        takeBack->trigger();
        QVERIFY(laid(*fixture.game).empty());

        // The computer player's rack is not the person's to reorder.
        fixture.session->passOrExchange("", fixture.game->rules()->currentPlayer().rack);
        fixture.session->stopComputerPlayers();
        QVERIFY(fixture.game->rules()->currentPlayer().isComputer());
        QVERIFY(!shuffle->isEnabled() && !alphabetize->isEnabled());
        const std::string computerRack = slotLetters(*fixture.game);
        fixture.session->alphabetizeRack();
        fixture.session->shuffleRack();
        QCOMPARE(slotLetters(*fixture.game), computerRack);
    }

    void wordsTypedOnTheBoardAreLaidAndPlayed()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        glyph::TableWidget& table = *fixture.window->table();
        const glyph::RackEditor& cursor = fixture.session->rackEditor();
        fixture.setRack("CATEEEE");

        // A click puts the cursor on the square; the arrows move it; typing lays across.
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 9, 6));
        QCOMPARE(std::pair(cursor.cursorRow(), cursor.cursorColumn()), std::pair(9, 6));
        QTest::keyClick(&table, Qt::Key_Up);
        QTest::keyClick(&table, Qt::Key_Right);
        QCOMPARE(std::pair(cursor.cursorRow(), cursor.cursorColumn()), std::pair(8, 7));
        QTest::keyClicks(&table, "cat");
        QCOMPARE(laid(*fixture.game),
                 (std::map<std::pair<int, int>, std::string>{{{8, 7}, "C"}, {{8, 8}, "A"}, {{8, 9}, "T"}}));
        // Backspace takes back the last tile and puts the cursor on its square; typing again lays it.
        QTest::keyClick(&table, Qt::Key_Backspace);
        QCOMPARE(laid(*fixture.game).size(), std::size_t(2));
        QCOMPARE(std::pair(cursor.cursorRow(), cursor.cursorColumn()), std::pair(8, 9));
        QTest::keyClicks(&table, "t");
        QTest::keyClick(&table, Qt::Key_Return);
        QCOMPARE(fixture.game->board()[8][8].letter, 'A');
        QCOMPARE(fixture.game->rules()->players()[0].score, 10);
        QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);

        // A second click on the square turns the cursor down; typing runs past the A on the board.
        // Shift and `?` each make the next letter a joker; a letter the rack lacks lays nothing.
        fixture.setRack("T[N[EEE");
        QSignalSpy status(fixture.session.get(), &glyph::GameSession::statusMessage);
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 7, 8));
        QVERIFY(cursor.across());
        QTest::mouseClick(&table, Qt::LeftButton, {}, squarePoint(table, 7, 8));
        QVERIFY(!cursor.across());
        QTest::keyClick(&table, Qt::Key_Z);
        QVERIFY(laid(*fixture.game).empty());
        QCOMPARE(status.count(), 1);
        QTest::keyClick(&table, Qt::Key_T, Qt::ShiftModifier);
        QTest::keyClick(&table, '?');
        QVERIFY(table.jokerPending());
        QTest::keyClick(&table, Qt::Key_N);
        QCOMPARE(laid(*fixture.game),
                 (std::map<std::pair<int, int>, std::string>{{{7, 8}, "T?"}, {{9, 8}, "N?"}}));
        QCOMPARE(std::pair(cursor.cursorRow(), cursor.cursorColumn()), std::pair(10, 8));
        // Space turns the cursor back across; Enter plays as Return does.
        QTest::keyClick(&table, Qt::Key_Space);
        QVERIFY(cursor.across());
        QTest::keyClick(&table, Qt::Key_Enter);
        QCOMPARE(fixture.game->board()[9][8].letter, 'N');
        QCOMPARE(fixture.game->rules()->players()[1].score, 1); // the A, the jokers worth nothing
        QVERIFY(fixture.messages.empty());
    }

    void theBagViewCountsTheTilesThePlayerToMoveCannotSee()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}, {"Cid", ""}});
        glyph::GameRules& rules = *fixture.game->rules();
        fixture.setRack("QQ[AAEZ"); // more Qs than the set holds: the counts come from the racks
        for (int turn = 0; turn < 2; ++turn) {
            QStringList shown;
            fixture.onDialog = [&](QDialog& dialog) {
                shown << child<QPlainTextEdit>(dialog, "unseen")->toPlainText()
                      << child<QLabel>(dialog, "unseenInformation")->text();
                return int(QDialog::Accepted);
            };
            fixture.window->bagClicked();
            QCOMPARE(shown.size(), 2);
            // The core's count of what the player to move cannot see.
            const auto counts = glyph::unseentiles::counts(rules, rules.currentPlayerIndex());
            QStringList expected;
            for (int k = 0; k < glyph::kLetterCount; ++k)
                if (counts[k] > 0)
                    expected << (k == 26 ? QString("?") : QString(QChar('A' + k))) + " " +
                                    QString::number(counts[k]);
            QCOMPARE(shown[0].split(", "), expected);
            const int total = std::accumulate(counts.begin(), counts.end(), 0);
            QVERIFY(shown[1].contains(QString::number(total)));
            QVERIFY(shown[1].contains(QString::fromLatin1(rules.currentPlayer().name)));
            // The next player sees Ann's rack among the unseen tiles.
            fixture.session->passOrExchange("", rules.currentPlayer().rack);
        }
    }

    void checkedWordsRefuseAFaultyMoveWithoutCostingTheTurn()
    {
        WindowFixture fixture;
        fixture.start({{"Ann", ""}, {"Bob", ""}});
        // Off by default; the Preferences checkbox sets the key.
        for (const bool checked : {true, false, true}) {
            glyph::PreferencesDialog dialog(*fixture.session, fixture.window.get());
            auto* box = child<QCheckBox>(dialog, "checkBeforePlaying");
            QCOMPARE(box->isChecked(), !checked);
            box->setChecked(checked);
            dialog.okClicked();
            QCOMPARE(fixture.preferences->integer("CheckBeforePlayingKey"), checked ? 1 : 0);
        }
        glyph::GameRules& rules = *fixture.game->rules();
        fixture.setRack("QZQZEEE");
        fixture.place(0, 8, 7);
        fixture.place(1, 8, 8);
        fixture.session->move();
        QCOMPARE(fixture.messages.size(), std::size_t(1));
        QVERIFY(fixture.messages[0].contains("QZ"));
        QCOMPARE(rules.currentPlayerIndex(), 0);
        QCOMPARE(rules.history().size(), std::size_t(1));
        QVERIFY(laid(*fixture.game).empty());
        QCOMPARE(slotLetters(*fixture.game), std::string("QZQZEEE"));

        // Unchecked, the same move costs the turn, as always.
        fixture.preferences->setInteger("CheckBeforePlayingKey", 0);
        fixture.place(0, 8, 7);
        fixture.place(1, 8, 8);
        fixture.session->move();
        QCOMPARE(fixture.messages.size(), std::size_t(2));
        QCOMPARE(rules.currentPlayerIndex(), 1);
        QCOMPARE(rules.history().size(), std::size_t(2));
    }
};

QTEST_MAIN(RackAndKeyboardTest)
#include "rackandkeyboardtest.moc"
