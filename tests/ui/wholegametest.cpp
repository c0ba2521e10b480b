// Two computer players play a whole game through the rack's Move action and its timer chain.

#include <QtTest>

#include "ui/gameoverdialog.h"
#include "ui/rackwidget.h"
#include "uitestsupport.h"

using glyph::test::WindowFixture;

class WholeGameTest : public QObject
{
    Q_OBJECT

private slots:
    void twoComputersPlayToTheGameOverDialog();
};

void WholeGameTest::twoComputersPlayToTheGameOverDialog()
{
    WindowFixture fixture;
    QStringList standings;
    QString winner;
    fixture.onDialog = [&](QDialog& dialog) {
        auto& over = dynamic_cast<glyph::GameOverDialog&>(dialog);
        winner = over.winner->text();
        for (int row = 0; row < over.table->rowCount(); ++row)
            standings << over.table->item(row, 0)->text() + " " + over.table->item(row, 3)->text();
        return int(QDialog::Accepted);
    };
    fixture.start({{"Cpu1", "alpha.cpu"}, {"Cpu2", "beta.cpu"}});
    fixture.window->rack()->moveClicked();
    QTRY_VERIFY_WITH_TIMEOUT(fixture.game->rules()->isGameOver(), 60000);

    QCOMPARE(fixture.dialogs, std::vector<QString>{"glyph::GameOverDialog"});
    QCOMPARE(standings.size(), 2);
    const auto& players = fixture.game->rules()->players();
    QCOMPARE(standings[0], QString("Cpu1 %1").arg(players[0].score));
    QCOMPARE(standings[1], QString("Cpu2 %1").arg(players[1].score));
    const glyph::Player& best = players[0].score > players[1].score ? players[0] : players[1];
    QCOMPARE(winner, QString("The winner is: %1").arg(best.name));
    // Words were laid (the centre is covered) and the game went on for more than one turn.
    QVERIFY(fixture.game->board()[8][8].letter != 0);
    QVERIFY(fixture.game->rules()->history().size() > 3);
    QVERIFY(!fixture.window->rack()->computerTurnPending());
    QVERIFY(!fixture.window->rack()->Ui::UIRackWidget::move->isEnabled());
}

QTEST_MAIN(WholeGameTest)
#include "wholegametest.moc"
