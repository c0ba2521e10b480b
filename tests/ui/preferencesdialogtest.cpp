// The preferences dialog: sizes, style, working copies of fonts and colours, Cancel, the
// premium table, Apply during a game, and choosing a language.

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QtTest>

#include "engine/move.h"
#include "ui/preferencesdialog.h"
#include "ui/tablewidget.h"
#include "ui/translation.h"
#include "ui/uipreferences.h"
#include "uitestsupport.h"

using glyph::Move;
using glyph::PreferencesDialog;
using glyph::test::WindowFixture;

namespace
{

Move makeMove(int line, int column, bool across, const char* word)
{
    Move move;
    move.horiz = across ? 1 : 0;
    move.lin = static_cast<std::int8_t>(line);
    move.col = static_cast<std::int8_t>(column);
    std::strncpy(move.word, word, sizeof move.word - 1);
    return move;
}

/// Scores and plays a move for the player to move; false when the rules refuse it.
bool play(WindowFixture& fixture, Move move)
{
    fixture.game->computeScore(move, fixture.game->board());
    const int before = static_cast<int>(fixture.game->rules()->history().size());
    fixture.game->rules()->playMove(move);
    fixture.window->refresh(false);
    return static_cast<int>(fixture.game->rules()->history().size()) == before + 1 &&
           !fixture.game->rules()->history().back().move.isPass();
}

/// The table row of a square after Set with this many columns.
int premiumRow(int line, int column, int columns)
{
    return (line - 1) * columns + column - 1;
}

/// The colour painted at the middle of an empty square of the board.
QColor paintedColour(glyph::TableWidget& table, int line, int column)
{
    const QSize cell = table.cellSize(table.size());
    const QImage image = table.grab().toImage();
    // A quarter in from the square's corner: clear of its frame and of the premium label in the
    // middle.
    return image.pixelColor(column * cell.width() + cell.width() / 4,
                            line * cell.height() + cell.height() / 4);
}

/// True when no two of the actions share an accelerator letter.
bool distinctAccelerators(const QList<QAction*>& actions)
{
    QSet<QChar> seen;
    for (const QAction* action : actions) {
        const QString text = QString(action->text()).remove("&&");
        const qsizetype at = text.indexOf('&');
        if (at < 0 || at + 1 >= text.size())
            continue;
        const QChar letter = text.at(at + 1).toLower();
        if (seen.contains(letter))
            return false;
        seen.insert(letter);
    }
    return true;
}

std::string letterAt(const WindowFixture& fixture, int line, int column)
{
    const char letter = fixture.game->board()[line][column].letter;
    return letter != 0 ? std::string(1, letter) : std::string();
}

} // namespace

class PreferencesDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void typedSizesAreStoredModuloThirtyWithFifteenForZero();
    void cancelStoresNothingAndApplyStoresTheStyle();
    void cancelledChoosersKeepTheWorkingCopies();
    void premiumTableRoundTripsThroughStoreAndPaint();
    void applyDuringAGameKeepsTheTilesAndTheGameGoesOn();
    void newSizeWaitsForTheNextGameOnceTilesAreLaid();
    void dialogPausesTheClocksWhileOpen();
    void romanaTranslatesTheMenusAndChoosesItsTips();
};

void PreferencesDialogTest::typedSizesAreStoredModuloThirtyWithFifteenForZero()
{
    WindowFixture fixture;
    const std::vector<std::pair<QString, int>> cases = {{"0", 15},  {"31", 1},   {"45", 15}, {"29", 29},
                                                        {"12", 12}, {"abc", 15}, {"", 15}};
    for (const auto& [typed, stored] : cases) {
        PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        dialog.lines->setText(typed);
        dialog.columns->setText(typed);
        dialog.setClicked();
        dialog.applyClicked();
        QCOMPARE(fixture.preferences->integer("TableRowsKey"), stored);
        QCOMPARE(fixture.preferences->integer("TableColumnsKey"), stored);
        QCOMPARE(fixture.game->rows(), stored);
        QCOMPARE(fixture.game->columns(), stored);
    }
}

void PreferencesDialogTest::cancelStoresNothingAndApplyStoresTheStyle()
{
    WindowFixture fixture;
    const std::string wordX3 = fixture.preferences->string("ColorWordX3Key");
    {
        PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        QCOMPARE(dialog.styleList->currentText(), QString("Platinum"));
        dialog.styleList->setCurrentIndex(3);
        dialog.showTableTooltip->setChecked(false);
        dialog.lines->setText("11");
        dialog.setColourChooser([](const QColor&) { return QColor(1, 2, 3); });
        dialog.chooseColour(7);
        dialog.cancel->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(fixture.preferences->integer("PreferencesStyleKey"), 4);
    QCOMPARE(fixture.preferences->integer("ShowTableTooltipKey"), 1);
    QCOMPARE(fixture.preferences->integer("TableRowsKey"), 15);
    QCOMPARE(fixture.preferences->string("ColorWordX3Key"), wordX3);

    PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
    QCOMPARE(dialog.styleList->itemText(3), QString("SGI"));
    dialog.styleList->setCurrentIndex(3);
    dialog.showTableTooltip->setChecked(false);
    dialog.ok->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(fixture.preferences->integer("PreferencesStyleKey"), 3);
    QCOMPARE(fixture.preferences->integer("ShowTableTooltipKey"), 0);
}

void PreferencesDialogTest::cancelledChoosersKeepTheWorkingCopies()
{
    WindowFixture fixture;
    PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
    QCOMPARE(dialog.colors->rowCount(), 12);
    QCOMPARE(dialog.colors->item(7, 0)->text(), QString("WordX3"));
    const QColor before = dialog.workingColour(7);
    QCOMPARE(before, QColor(208, 69, 104));
    QCOMPARE(dialog.colors->item(7, 1)->background().color(), before);

    dialog.setColourChooser([](const QColor&) { return QColor(); });
    dialog.chooseColour(7);
    QCOMPARE(dialog.workingColour(7), before);
    dialog.setColourChooser([](const QColor&) { return QColor(10, 20, 30); });
    dialog.chooseColour(7);
    QCOMPARE(dialog.workingColour(7), QColor(10, 20, 30));
    QCOMPARE(dialog.colors->item(7, 1)->background().color(), QColor(10, 20, 30));

    const QString family = dialog.fonts->item(1, 1)->text();
    dialog.setFontChooser([](QFont& font) {
        font.setFamily("Nothing Chosen");
        return false;
    });
    dialog.chooseFont(1);
    QCOMPARE(dialog.workingFont(1).family(), family);
    QCOMPARE(dialog.fonts->item(1, 1)->text(), family);
    dialog.setFontChooser([](QFont& font) {
        font.setFamily("Courier New");
        return true;
    });
    dialog.chooseFont(1);
    QCOMPARE(dialog.fonts->item(1, 1)->text(), QString("Courier New"));

    // Nothing reaches the store before Apply.
    QCOMPARE(fixture.preferences->string("ColorWordX3Key"), std::string("208 69 104"));
    dialog.applyClicked();
    QCOMPARE(fixture.preferences->string("ColorWordX3Key"), std::string("10 20 30"));
    QFont stored;
    QVERIFY(glyph::uiprefs::getFont(*fixture.preferences, "FontLetterKey", stored));
    QCOMPARE(stored.family(), QString("Courier New"));
}

void PreferencesDialogTest::premiumTableRoundTripsThroughStoreAndPaint()
{
    WindowFixture fixture;
    fixture.window->show();
    PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
    QCOMPARE(dialog.table->rowCount(), 15 * 15);
    // The fixture's word x2 square 8 8 and letter x3 square 2 2 are listed as such.
    QCOMPARE(dialog.table->item(premiumRow(8, 8, 15), PreferencesDialog::WordColumn)->text(), QString("2"));
    QCOMPARE(dialog.table->item(premiumRow(2, 2, 15), PreferencesDialog::LetterColumn)->text(), QString("3"));
    QCOMPARE(dialog.table->item(premiumRow(3, 5, 15), PreferencesDialog::LineColumn)->text(), QString("C"));
    QCOMPARE(dialog.table->item(premiumRow(3, 5, 15), PreferencesDialog::ColumnColumn)->text(), QString("5"));

    dialog.table->item(premiumRow(3, 5, 15), PreferencesDialog::WordColumn)->setText("3");
    dialog.table->item(premiumRow(8, 8, 15), PreferencesDialog::WordColumn)->setText("1");
    dialog.applyClicked();
    QCOMPARE(fixture.preferences->string("MultiWordsX3Key"), std::string("1 1 |3 5 |"));
    QCOMPARE(fixture.preferences->string("MultiWordsX2Key"), std::string("2 2 |"));
    QCOMPARE(fixture.preferences->string("MultiLettersX3Key"), std::string("2 2 |"));
    QCOMPARE(fixture.game->wordMultiplier(3, 5), 3);
    QCOMPARE(fixture.game->wordMultiplier(8, 8), 1);
    QColor wordX3;
    QVERIFY(glyph::uiprefs::getColour(*fixture.preferences, "ColorWordX3Key", wordX3));
    QCOMPARE(paintedColour(*fixture.window->table(), 3, 5), wordX3);
    QVERIFY(paintedColour(*fixture.window->table(), 8, 8) != wordX3);

    // A size typed without pressing Set shifts no square.
    dialog.lines->setText("17");
    dialog.columns->setText("17");
    dialog.applyClicked();
    QCOMPARE(fixture.preferences->string("MultiWordsX3Key"), std::string("1 1 |3 5 |"));
}

void PreferencesDialogTest::applyDuringAGameKeepsTheTilesAndTheGameGoesOn()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    fixture.setRack("CATRSNO");
    QVERIFY(play(fixture, makeMove(8, 7, true, "CAT")));
    QCOMPARE(fixture.game->rules()->players()[0].score, 10); // C3 A1 T1 on a word x2 square

    PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
    dialog.table->item(premiumRow(7, 8, 15), PreferencesDialog::WordColumn)->setText("3");
    dialog.applyClicked();
    QVERIFY(fixture.messages.empty());
    QCOMPARE(letterAt(fixture, 8, 7) + letterAt(fixture, 8, 8) + letterAt(fixture, 8, 9), std::string("CAT"));
    QCOMPARE(fixture.game->rules()->currentPlayerIndex(), 1);

    // Bob lays T and E above the A; the E stands on the new word x3 square: (1 + 1 + 1) x 3.
    fixture.setRack("TEXQZJK");
    const bool played = play(fixture, makeMove(6, 8, false, "TEA"));
    QVERIFY2(played, fixture.messages.empty() ? "" : qPrintable(fixture.messages.back()));
    QCOMPARE(fixture.game->rules()->players()[1].score, 9);
    QCOMPARE(letterAt(fixture, 6, 8) + letterAt(fixture, 7, 8) + letterAt(fixture, 8, 8), std::string("TEA"));
    QCOMPARE(letterAt(fixture, 8, 7), std::string("C"));
}

void PreferencesDialogTest::newSizeWaitsForTheNextGameOnceTilesAreLaid()
{
    WindowFixture fixture;
    fixture.start({{"Ann", ""}, {"Bob", ""}});
    // Before the first move the new size applies at once.
    {
        PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        dialog.lines->setText("13");
        dialog.applyClicked();
        QCOMPARE(fixture.game->rows(), 13);
        dialog.lines->setText("15");
        dialog.applyClicked();
        QCOMPARE(fixture.game->rows(), 15);
    }
    QVERIFY(fixture.messages.empty());
    fixture.setRack("CATRSNO");
    QVERIFY(play(fixture, makeMove(8, 7, true, "CAT")));
    fixture.game->rules()->goFirst(); // the shown position has an empty board, the history not

    // A smaller board would cut the tiles off; a larger one would move the centre square.
    for (const QString& size : {QString("7"), QString("17")}) {
        PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        dialog.lines->setText(size);
        dialog.applyClicked();
        QCOMPARE(fixture.messages.size(), std::size_t(size == "7" ? 1 : 2));
        QVERIFY(fixture.messages.back().contains(size + " x 15"));
        QCOMPARE(fixture.game->rows(), 15);
        QCOMPARE(fixture.preferences->integer("TableRowsKey"), size.toInt());
    }
    fixture.game->rules()->goLast();
    QCOMPARE(letterAt(fixture, 8, 8), std::string("A"));
    fixture.setRack("TEXQZJK");
    QVERIFY(play(fixture, makeMove(6, 8, false, "TEA")));

    fixture.start({{"Ann", ""}, {"Bob", ""}});
    QVERIFY(fixture.game->loadSettings());
    QCOMPARE(fixture.game->rows(), 17);
}

void PreferencesDialogTest::dialogPausesTheClocksWhileOpen()
{
    WindowFixture fixture;
    QVERIFY(!fixture.window->paused());
    {
        PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        QVERIFY(fixture.window->paused());
    }
    QVERIFY(!fixture.window->paused());
    QVERIFY(!fixture.preferences->string("PreferencesDialogKey").empty());
}

void PreferencesDialogTest::romanaTranslatesTheMenusAndChoosesItsTips()
{
    WindowFixture fixture;
    QDir().mkpath("Languages");
    for (const char* name : {"Romana.qm", "English.qm"})
        QVERIFY(QFile::copy(QString(GLYPH_DIST_DIR "/Languages/") + name, QString("Languages/") + name));
    fixture.preferences->setString("LanguageKey", "Languages/English.qm");
    QCOMPARE(fixture.window->menuBar()->actions()[0]->text(), QString("&File"));

    PreferencesDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
    QCOMPARE(dialog.languageList->count(), 2);
    QCOMPARE(dialog.languageList->currentText(), QString("English.qm"));
    dialog.languageList->setCurrentIndex(dialog.languageList->findText("Romana.qm"));
    dialog.applyClicked();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(fixture.preferences->string("LanguageKey"), std::string("Languages/Romana.qm"));
    QCOMPARE(fixture.preferences->string("TipFileKey"), std::string("Help/TipOfDay.rom"));
    const QList<QAction*> menus = fixture.window->menuBar()->actions();
    QCOMPARE(menus.size(), 4);
    QCOMPARE(menus[0]->text(), QString::fromUtf8("&Fișier"));
    QCOMPARE(menus[3]->text(), QString::fromUtf8("&Ajutor"));
    QCOMPARE(fixture.window->tabs()->tabText(0), QString::fromUtf8("Tablă"));
    // One toolbar in use, its buttons in Romanian.
    const auto* toolBar = fixture.window->findChild<QToolBar*>("tool");
    QVERIFY(toolBar != nullptr && toolBar->isVisibleTo(fixture.window.get()));
    QCOMPARE(toolBar->actions().first()->text(), QString("Joc nou"));
    // Alt plus a letter must reach one menu, and one command within it.
    QVERIFY2(distinctAccelerators(menus), "menu bar");
    for (QAction* menu : menus)
        QVERIFY2(distinctAccelerators(menu->menu()->actions()), qPrintable(menu->text()));
    // The core's messages are translated too, with their placeholders filled.
    fixture.game->view().showWarning(fixture.game->view().translate("Can't open %s for reading"));
    QVERIFY(!fixture.messages.empty());
    QVERIFY(fixture.messages.back().contains("%s"));
    QVERIFY(!fixture.messages.back().startsWith("Can't open"));

    dialog.languageList->setCurrentIndex(dialog.languageList->findText("English.qm"));
    dialog.applyClicked();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(fixture.window->menuBar()->actions()[0]->text(), QString("&File"));
    QCOMPARE(fixture.preferences->string("TipFileKey"), std::string("Help/TipOfDay.eng"));
}

QTEST_MAIN(PreferencesDialogTest)
#include "preferencesdialogtest.moc"
