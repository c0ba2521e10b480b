// What the program takes from its preferences: the style, language, font, colours and geometry
// at start-up and as stored for the next, the tip of the day, the about box and help, and the
// Romanian translation of every text.

#include <set>

#include "support/tempdir.h"
#include "ui/common/startup.h"
#include "ui/common/translation.h"
#include "ui/common/uipreferences.h"
#include "ui/common/windowsizekeeper.h"
#include "ui/window/tipofdaydialog.h"
#include "uitestsupport.h"

using glyph::test::child;
using glyph::test::WindowFixture;

namespace
{

/// What a translation must keep: the printf conversions in order, Qt's %n markers in any
/// order, and the number of accelerator marks.
QString placeholders(QString text)
{
    static const QRegularExpression marker("%[1-9][0-9]?(?![0-9.a-zA-Z])");
    QStringList markers;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        markers << match.next().captured();
    markers.sort();
    const auto accelerators = text.remove("&&").count('&');
    return translation::conversions(text).join(' ') + " | " + markers.join(' ') + " | " +
           QString::number(accelerators);
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void styleLanguageFontAndGeometryComeFromThePreferences()
    {
        QVERIFY(!startup::isDesktopTooSmall(QSize(1024, 768)));
        QVERIFY(startup::isDesktopTooSmall(QSize(1023, 768)));
        QVERIFY(startup::isDesktopTooSmall(QSize(1024, 767)));

        glyph::test::TempDir dir;
        // Written by hand: the bold field, not the weight, decides; colour components out of
        // range are clamped.
        const std::string path = dir.write(
            "Preferences.ini", "FontGeneralKey\n13 25 1 0 0 Courier New\nColorPlayerKey\n-5 300 128\n");
        {
            glyph::Preferences prefs(path);
            prefs.setInteger("PreferencesStyleKey", 2);
            startup::applyStyle(prefs);
            QCOMPARE(QApplication::style()->name(), QString("windows"));
            prefs.setInteger("PreferencesStyleKey", 7);
            startup::applyStyle(prefs);
            QCOMPARE(QApplication::style()->name(), QString("fusion"));

            // The language picks the tip file; a tip file of the user's own outlives another language.
            QTranslator translator;
            prefs.setString("TipFileKey", "Help/Mine.txt");
            const std::pair<const char*, const char*> languages[] = {
                {"Languages/Deutsch.qm", "Help/Mine.txt"},
                {"Languages/Romana.qm", "Help/TipOfDay.rom"},
                {"Languages/English.qm", "Help/TipOfDay.eng"}};
            for (const auto& [language, tips] : languages) {
                prefs.setString("LanguageKey", language);
                startup::applyLanguage(prefs, translator);
                QCOMPARE(prefs.string("TipFileKey"), std::string(tips));
            }

            startup::applyFont(prefs);
            QCOMPARE(QApplication::font().family(), QString("Courier New"));
            QCOMPARE(QApplication::font().pointSize(), 13);
            QVERIFY(QApplication::font().bold());
            QColor colour;
            QVERIFY(glyph::uiprefs::getColour(prefs, "ColorPlayerKey", colour));
            QCOMPARE(colour, QColor(0, 255, 128));

            // Stored for the next start: the font, now underlined, and the window's geometry.
            QFont font = QApplication::font();
            font.setUnderline(true);
            glyph::uiprefs::setFont(prefs, "FontGeneralKey", font);
            glyph::uiprefs::setGeometry(prefs, "MainWindowKey", QRect(30, 40, 500, 300));
            QVERIFY(prefs.save());
        }
        glyph::Preferences prefs(path);
        startup::applyFont(prefs);
        QVERIFY(QApplication::font().underline() && QApplication::font().bold() &&
                !QApplication::font().italic());
        QCOMPARE(QApplication::font().family(), QString("Courier New"));
        QWidget window;
        glyph::WindowSizeKeeper::restore(prefs, window, "MainWindowKey");
        QCOMPARE(window.geometry(), QRect(30, 40, 500, 300));
    }

    void aDamagedGeometryOrFontKeepsTheWindowOnTheScreenAndReadable()
    {
        glyph::test::TempDir dir;
        glyph::Preferences prefs(dir.file("Preferences.ini"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // The bounds are the core's to prove: here, that the window hands them its screen and its
        // smallest readable size.
        for (const char* stored :
             {"0 0 2147483647 2147483647", "-2147483648 5 -2147483648 0", "100 100 1 1"}) {
            prefs.setString("MainWindowKey", stored);
            QMainWindow window;
            window.setCentralWidget(new QLabel("A label that needs some room"));
            glyph::WindowSizeKeeper::restore(prefs, window, "MainWindowKey");
            QVERIFY2(screen.contains(window.geometry()), stored);
            QVERIFY2(window.width() >= window.minimumSizeHint().width() &&
                         window.height() >= window.minimumSizeHint().height(),
                     stored);
        }
        prefs.setString("FontGeneralKey", "2147483647 50 0 0 0 Sans");
        startup::applyFont(prefs);
        QCOMPARE(QApplication::font().pointSize(), glyph::windowlimits::kMaxFontPoints);
    }

    void tipOfTheDayAboutAndHelpShowTheFilesOfTheHelpFolder()
    {
        // From the menus, the game paused while each is shown: every tip of the file (empty lines
        // part them), the about and help pages, and a missing page empty.
        WindowFixture fixture;
        fixture.folder.write("Help/Tips.txt",
                             "First tip,\ntwo lines.\n\nSecond tip.\r\n\r\nThird tip, last.");
        fixture.folder.write("Help/Program.html", "<html><body><p>Rules here.</p></body></html>");
        fixture.folder.write("Help/Author.html", "<html><body><p>Written by us.</p></body></html>");
        fixture.preferences->setString("TipFileKey", "Help/Tips.txt");
        fixture.preferences->setInteger("TipShowKey", 0);
        QStringList shown;
        bool paused = true;
        fixture.onDialog = [&](QDialog& dialog) {
            paused = paused && fixture.session->paused();
            for (QTextBrowser* page : dialog.findChildren<QTextBrowser*>())
                shown << page->toPlainText().trimmed();
            if (auto* tips = qobject_cast<glyph::TipOfDayDialog*>(&dialog)) {
                std::set<QString> seen; // Next shows them in a random order
                for (int i = 0; i < 200 && seen.size() < 3; ++i) {
                    seen.insert(child<QPlainTextEdit>(*tips, "tip")->toPlainText());
                    child<QPushButton>(*tips, "next")->click();
                }
                shown << QStringList(seen.begin(), seen.end());
                child<QCheckBox>(*tips, "showNextTime")->setChecked(true);
            }
            return static_cast<int>(QDialog::Accepted);
        };
        fixture.window->tipOfDayClicked();
        fixture.window->aboutClicked();
        fixture.window->indexClicked();
        QVERIFY(paused && !fixture.session->paused());
        QCOMPARE(fixture.preferences->integer("TipShowKey"), 1);
        shown.sort();
        QCOMPARE(shown, (QStringList{"", "First tip,\ntwo lines.\n", "Rules here.", "Rules here.",
                                     "Second tip.\n", "Third tip, last.\n", "Written by us."}));
    }

    void aTranslatedFormatWithOtherConversionsFallsBackToTheSource()
    {
        // A translation file is data: one whose conversions differ from the source's would
        // make the formatting read arguments that were never passed.
        class Faulty : public QTranslator
        {
        public:
            QString translate(const char*, const char* source, const char*, int) const override
            {
                return QString::fromUtf8(source) == "%d tiles" ? "%s piese" : "%d piese";
            }
        } faulty;
        QCoreApplication::installTranslator(&faulty);
        const QString refused = translation::translateFormat("glyph", "%d tiles");
        const QString kept = translation::translateFormat("glyph", "%d pieces");
        QCoreApplication::removeTranslator(&faulty);
        QCOMPARE(refused, QString("%d tiles"));
        QCOMPARE(kept, QString("%d piese"));
    }

    void everyTextOfTheProgramHasAFinishedRomanianTranslation()
    {
        // lupdate brings a copy of the translation in step with the sources: a text new to it
        // comes in unfinished, a text gone from the sources is marked vanished.
        QTemporaryDir folder;
        const QString copy = folder.filePath("Romana.ts");
        QVERIFY(QFile::copy(GLYPH_SOURCE_DIR "/translations/Romana.ts", copy));
        QProcess lupdate;
        lupdate.setWorkingDirectory(GLYPH_SOURCE_DIR);
        lupdate.start(GLYPH_LUPDATE, {"-silent", "-locations", "none", "-I", ".", "ui", "app", "-ts", copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        int checked = 0;
        while (!xml.atEnd()) {
            if (!xml.readNextStartElement())
                continue;
            if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            if (xml.name() != QLatin1String("translation"))
                continue;
            const QString type = xml.attributes().value("type").toString();
            const QString translation = xml.readElementText();
            if (type == "vanished" || type == "obsolete")
                continue;
            ++checked;
            QVERIFY2(type.isEmpty() && !translation.isEmpty(), qPrintable("no Romanian for " + source));
            QVERIFY2(placeholders(translation) == placeholders(source),
                     qPrintable("placeholders differ in " + source + " -> " + translation));
        }
        QVERIFY(checked > 150);
    }
};

QTEST_MAIN(StartupTest)
#include "startuptest.moc"
