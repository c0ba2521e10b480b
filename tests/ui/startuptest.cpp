#include <QApplication>
#include <QDir>
#include <QFont>
#include <QSize>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

#include "preferences/preferences.h"
#include "support/tempdir.h"
#include "ui/startup.h"

using glyph::Preferences;
using glyph::test::TempDir;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void dataBesideTheProgramIsUsedWhenTheWorkingFolderHasNone()
    {
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        QTemporaryDir other;
        for (const char* folder : {"Sets", "Dictionaries"})
            QVERIFY(QDir(program.path()).mkpath(folder));
        const QString previous = QDir::currentPath();
        const QString programFolder = QDir(program.path()).canonicalPath();

        // Started from a folder without data: the program's folder becomes the working folder,
        // so the relative data paths and "Preferences.ini" are the ones beside the program.
        QDir::setCurrent(elsewhere.path());
        QCOMPARE(startup::useDataBesideProgram(program.path()), programFolder);
        QCOMPARE(QDir::currentPath(), programFolder);
        QVERIFY(QFile::exists("Sets") && QFile::exists("Dictionaries"));

        // A working folder with data of its own keeps it.
        for (const char* folder : {"Sets", "Dictionaries"})
            QVERIFY(QDir(other.path()).mkpath(folder));
        QDir::setCurrent(other.path());
        startup::useDataBesideProgram(program.path());
        QCOMPARE(QDir::currentPath(), QDir(other.path()).canonicalPath());

        // Neither has data (only a Sets folder beside the program): nothing moves.
        QVERIFY(QDir(program.path()).rmdir("Dictionaries"));
        QDir::setCurrent(elsewhere.path());
        startup::useDataBesideProgram(program.path());
        QCOMPARE(QDir::currentPath(), QDir(elsewhere.path()).canonicalPath());
        QDir::setCurrent(previous);
    }

    void desktopOfExactlyTheMinimumSizeIsEnough()
    {
        QVERIFY(!startup::isDesktopTooSmall(QSize(1024, 768)));
        QVERIFY(startup::isDesktopTooSmall(QSize(1023, 768)));
        QVERIFY(startup::isDesktopTooSmall(QSize(1024, 767)));
        QVERIFY(!startup::isDesktopTooSmall(QSize(1920, 1080)));
    }

    void styleNumbersMapOntoQtStylesAndAreWrittenBackUnchanged()
    {
        TempDir dir;
        Preferences prefs(dir.file("Preferences.ini"));
        prefs.setInteger("PreferencesStyleKey", 2);
        startup::applyStyle(prefs);
        QCOMPARE(QApplication::style()->name(), QString("windows"));
        prefs.setInteger("PreferencesStyleKey", 7);
        startup::applyStyle(prefs);
        QCOMPARE(QApplication::style()->name(), QString("fusion"));
        QCOMPARE(prefs.integer("PreferencesStyleKey"), 7);
    }

    void languageNameChoosesTheTipFile()
    {
        TempDir dir;
        Preferences prefs(dir.file("Preferences.ini"));
        QTranslator translator;
        prefs.setString("LanguageKey", "Languages/Romana.qm");
        startup::applyLanguage(prefs, translator);
        QCOMPARE(prefs.string("TipFileKey"), std::string("Help/TipOfDay.rom"));
        prefs.setString("LanguageKey", "Languages/English.qm");
        startup::applyLanguage(prefs, translator);
        QCOMPARE(prefs.string("TipFileKey"), std::string("Help/TipOfDay.eng"));
        prefs.setString("TipFileKey", "Help/Mine.txt");
        prefs.setString("LanguageKey", "Languages/Deutsch.qm");
        startup::applyLanguage(prefs, translator);
        QCOMPARE(prefs.string("TipFileKey"), std::string("Help/Mine.txt"));
        QVERIFY(translator.isEmpty()); // none of these files exists
    }

    void startupStepsLeaveLanguageAndStyleInTheSavedFile()
    {
        TempDir dir;
        {
            Preferences prefs(dir.file("Preferences.ini"));
            QTranslator translator;
            startup::applyLanguage(prefs, translator);
            startup::applyStyle(prefs);
            QVERIFY(prefs.save());
        }
        const std::string saved = dir.read("Preferences.ini");
        QVERIFY(saved.find("LanguageKey\nLanguages/English.qm\n") != std::string::npos);
        QVERIFY(saved.find("PreferencesStyleKey\n4\n") != std::string::npos);
    }

    void generalFontBecomesTheApplicationFont()
    {
        TempDir dir;
        Preferences prefs(dir.file("Preferences.ini"));
        prefs.setString("FontGeneralKey", "13 75 1 0 0 Courier New");
        startup::applyFont(prefs);
        const QFont font = QApplication::font();
        QCOMPARE(font.family(), QString("Courier New"));
        QCOMPARE(font.pointSize(), 13);
        QVERIFY(font.bold());
    }

    void windowGeometryIsRestoredOnlyWhenStored()
    {
        TempDir dir;
        Preferences prefs(dir.file("Preferences.ini"));
        QWidget window;
        window.resize(200, 100);
        startup::restoreGeometry(prefs, "MainWindowKey", window);
        QCOMPARE(window.size(), QSize(200, 100));
        prefs.setString("MainWindowKey", "30 40 500 300");
        startup::restoreGeometry(prefs, "MainWindowKey", window);
        QCOMPARE(window.size(), QSize(500, 300));
        QCOMPARE(window.pos(), QPoint(30, 40));
    }
};

QTEST_MAIN(StartupTest)
#include "startuptest.moc"
