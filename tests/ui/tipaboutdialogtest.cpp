// The tip of the day, the about box and the help window.

#include <QFile>
#include <QTextBrowser>
#include <QtTest>

#include <set>

#include "ui/aboutdialog.h"
#include "ui/helpdialog.h"
#include "ui/tipofdaydialog.h"
#include "uitestsupport.h"

using glyph::AboutDialog;
using glyph::HelpDialog;
using glyph::TipOfDayDialog;
using glyph::test::WindowFixture;

class TipAboutDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void tipsAreWholeParagraphsAndEveryOneComesUp();
    void fileWithoutEmptyLinesIsShownWhole();
    void missingTipFileLeavesTheTextEmptyWithoutAMessage();
    void untickedBoxMakesTheNextStartSkipTheTip();
    void aboutShowsTheThreePagesAndMissingOnesStayEmpty();
    void menuCommandsRunTheDialogsAndPauseTheClocks();
};

void TipAboutDialogTest::tipsAreWholeParagraphsAndEveryOneComesUp()
{
    WindowFixture fixture;
    QDir().mkpath("Help");
    fixture.write("Help/Tips.txt",
                  "First tip,\ntwo lines.\n\nSecond tip.\r\n\r\nThird tip, last; no empty line after.\n");
    fixture.preferences->setString("TipFileKey", "Help/Tips.txt");
    const std::set<QString> tips = {"First tip,\ntwo lines.\n", "Second tip.\n",
                                    "Third tip, last; no empty line after.\n"};
    TipOfDayDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
    std::set<QString> seen;
    for (int i = 0; i < 200 && seen.size() < tips.size(); ++i) {
        const QString shown = dialog.tip->toPlainText();
        QVERIFY2(tips.count(shown) == 1, qPrintable(shown));
        seen.insert(shown);
        dialog.next->click();
    }
    QCOMPARE(seen, tips);
}

void TipAboutDialogTest::fileWithoutEmptyLinesIsShownWhole()
{
    WindowFixture fixture;
    QDir().mkpath("Help");
    fixture.write("Help/One.txt", "Only one tip\nover two lines");
    fixture.preferences->setString("TipFileKey", "Help/One.txt");
    TipOfDayDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
    QCOMPARE(dialog.tip->toPlainText(), QString("Only one tip\nover two lines\n"));
    dialog.next->click();
    QCOMPARE(dialog.tip->toPlainText(), QString("Only one tip\nover two lines\n"));
}

void TipAboutDialogTest::missingTipFileLeavesTheTextEmptyWithoutAMessage()
{
    WindowFixture fixture;
    fixture.preferences->setString("TipFileKey", "Help/Nowhere.eng");
    TipOfDayDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
    dialog.next->click();
    QVERIFY(dialog.tip->toPlainText().isEmpty());
    QVERIFY(fixture.messages.empty());
    QVERIFY(fixture.fallback.warnings.empty());
}

void TipAboutDialogTest::untickedBoxMakesTheNextStartSkipTheTip()
{
    WindowFixture fixture;
    QCOMPARE(fixture.preferences->integer("TipShowKey"), 1);
    {
        TipOfDayDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        QVERIFY(!dialog.showNextTime->isChecked());
        dialog.closeButton->click();
    }
    QCOMPARE(fixture.preferences->integer("TipShowKey"), 0);
    QVERIFY(fixture.preferences->save());
    {
        glyph::Preferences nextStart(fixture.path("Preferences.ini"));
        QCOMPARE(nextStart.integer("TipShowKey"), 0);
    }
    {
        TipOfDayDialog dialog(*fixture.game, *fixture.window, fixture.window.get());
        dialog.showNextTime->setChecked(true);
    }
    QCOMPARE(fixture.preferences->integer("TipShowKey"), 1);
}

void TipAboutDialogTest::aboutShowsTheThreePagesAndMissingOnesStayEmpty()
{
    WindowFixture fixture;
    {
        AboutDialog dialog(*fixture.window, fixture.window.get());
        QCOMPARE(dialog.windowTitle(), QString("About Glyphmosaic"));
        QCOMPARE(dialog.tabs->count(), 3);
        QVERIFY(dialog.program->toPlainText().isEmpty());
        QVERIFY(dialog.license->toPlainText().isEmpty());
        QVERIFY(fixture.messages.empty());
    }
    QDir().mkpath("Help");
    fixture.write("Help/Program.html", "<html><body><h1>Manual</h1><p>Rules here.</p></body></html>");
    fixture.write("Help/Author.html", "<html><body><p>Written by us.</p></body></html>");
    AboutDialog dialog(*fixture.window, fixture.window.get());
    QVERIFY(dialog.program->toPlainText().contains("Rules here."));
    QVERIFY(dialog.author->toPlainText().contains("Written by us."));
    QVERIFY(dialog.license->toPlainText().isEmpty());
    QCOMPARE(dialog.program->font().pointSize(), 10);
    HelpDialog help(*fixture.window, fixture.window.get());
    QVERIFY(help.browser->toPlainText().contains("Rules here."));
}

void TipAboutDialogTest::menuCommandsRunTheDialogsAndPauseTheClocks()
{
    WindowFixture fixture;
    std::vector<bool> pausedWhileOpen;
    fixture.onDialog = [&](QDialog&) {
        pausedWhileOpen.push_back(fixture.window->paused());
        return static_cast<int>(QDialog::Accepted);
    };
    fixture.window->preferencesClicked();
    fixture.window->tipOfDayClicked();
    fixture.window->aboutClicked();
    fixture.window->indexClicked();
    QCOMPARE(fixture.dialogs, (std::vector<QString>{"glyph::PreferencesDialog", "glyph::TipOfDayDialog",
                                                    "glyph::AboutDialog", "glyph::HelpDialog"}));
    QCOMPARE(pausedWhileOpen, std::vector<bool>(4, true));
    QVERIFY(!fixture.window->paused());
}

QTEST_MAIN(TipAboutDialogTest)
#include "tipaboutdialogtest.moc"
