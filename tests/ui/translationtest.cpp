// The Romanian translation: every text of the program, the core's messages included, has a
// finished translation that keeps its placeholders and accelerators.

#include <QProcess>
#include <QXmlStreamReader>
#include <QtTest>

#include "ui/coretexts.h"
#include "ui/translation.h"

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

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
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

    void everyCoreMessageIsListedForTranslation()
    {
        // The literals the core shows: warning formats, texts it asks the view to translate, and
        // the refusals of a move. Names and notation that stay as they are: the rules' name, the
        // pass notation, and a piece of the speed-test line.
        const QRegularExpression shown(
            R"((?:showWarning\([^,"]+,\s*|translate\(|return |const char\* const k\w+ = )\"((?:[^"\\]|\\.)*)\")");
        const QStringList untranslated = {"Game Classic", "PAS / CHANGE", " Current "};
        int found = 0;
        for (const char* module : {"base", "preferences", "dictionary", "engine", "ai"}) {
            const QDir folder(QString(GLYPH_SOURCE_DIR "/") + module);
            for (const QString& name : folder.entryList({"*.cpp"}, QDir::Files)) {
                QFile file(folder.filePath(name));
                QVERIFY(file.open(QIODevice::ReadOnly));
                for (auto match = shown.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();) {
                    const QString text = match.next().captured(1).replace("\\n", "\n").replace("\\\"", "\"");
                    // Only texts with a placeholder or a sentence are messages (not keys or names).
                    if ((!text.contains("%s") && !text.contains(' ')) || untranslated.contains(text) ||
                        text.endsWith("Key") || text.startsWith("%d "))
                        continue;
                    ++found;
                    QVERIFY2(coretexts::all().contains(text),
                             qPrintable(module + QString("/") + name + ": " + text));
                }
            }
        }
        QVERIFY(found >= 15);
    }
};

QTEST_MAIN(TranslationTest)
#include "translationtest.moc"
