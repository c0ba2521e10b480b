// The Romanian translation: complete, with every placeholder and accelerator kept, and in
// step with the texts of the program.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

#include "ui/coretexts.h"
#include "ui/translation.h"

namespace
{

struct Message {
    QString translation;
    bool finished = false;
};

/// context + "\x1f" + source -> translation, read from a Qt Linguist .ts file.
QMap<QString, Message> readTs(const QString& fileName)
{
    QMap<QString, Message> messages;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = !xml.attributes().value("type").isEmpty();
            messages[context + '\x1f' + source] = {xml.readElementText(), !unfinished};
        }
    }
    return messages;
}

/// Qt's argument markers (%1, %2, ...) in order of number; they may move within a text.
QStringList qtMarkers(const QString& text)
{
    static const QRegularExpression marker("%([1-9][0-9]?)(?![0-9.a-zA-Z])");
    QStringList found;
    for (auto match = marker.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

/// The number of accelerator marks ("&x", not "&&").
int accelerators(QString text)
{
    text.remove("&&");
    return static_cast<int>(text.count('&'));
}

QString romanianTs()
{
    return QStringLiteral(GLYPH_SOURCE_DIR "/translations/Romana.ts");
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void everyRomanianTranslationKeepsItsPlaceholdersAndAccelerators();
    void everyTextOfTheProgramHasARomanianTranslation();
    void everyCoreMessageIsListedForTranslation();
    void damagedTranslationsFallBackToTheSource();
};

void TranslationTest::everyRomanianTranslationKeepsItsPlaceholdersAndAccelerators()
{
    const QMap<QString, Message> messages = readTs(romanianTs());
    QVERIFY(messages.size() > 150);
    for (auto it = messages.begin(); it != messages.end(); ++it) {
        const QString source = it.key().section('\x1f', 1);
        const QString& translation = it.value().translation;
        const QString where = it.key().section('\x1f', 0, 0) + ": " + source;
        QVERIFY2(it.value().finished && !translation.isEmpty(), qPrintable("untranslated " + where));
        QVERIFY2(translation::conversions(translation) == translation::conversions(source),
                 qPrintable("printf conversions differ in " + where));
        QVERIFY2(qtMarkers(translation) == qtMarkers(source), qPrintable("%n markers differ in " + where));
        QVERIFY2(accelerators(translation) == accelerators(source),
                 qPrintable("accelerator lost in " + where));
    }
}

void TranslationTest::everyTextOfTheProgramHasARomanianTranslation()
{
    // lupdate lists the texts of the sources as they are now; each must be in Romana.ts.
    QTemporaryDir folder;
    const QString fresh = folder.filePath("fresh.ts");
    QProcess lupdate;
    lupdate.setWorkingDirectory(GLYPH_SOURCE_DIR);
    lupdate.start(GLYPH_LUPDATE, {"-silent", "-locations", "none", "-I", ".", "ui", "app", "-ts", fresh});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QMap<QString, Message> current = readTs(fresh);
    const QMap<QString, Message> romanian = readTs(romanianTs());
    QVERIFY(current.size() > 150);
    for (auto it = current.begin(); it != current.end(); ++it)
        QVERIFY2(romanian.contains(it.key()) && romanian[it.key()].finished,
                 qPrintable("no Romanian for " + QString(it.key()).replace('\x1f', ": ")));
}

void TranslationTest::everyCoreMessageIsListedForTranslation()
{
    // The literals the core shows: warning formats, texts it asks the view to translate, and
    // the refusals of a move.
    const QRegularExpression shown(
        R"((?:showWarning\([^,"]+,\s*|translate\(|return |const char\* const k\w+ = )\"((?:[^"\\]|\\.)*)\")");
    const QStringList listed = coretexts::all();
    // Names and notation that stay as they are: the rules' name, the pass notation, and the
    // speed-test line that the dictionary assembles from pieces.
    const QStringList untranslated = {"Game Classic", "PAS / CHANGE", " Current "};
    int found = 0;
    for (const char* module : {"base", "preferences", "dictionary", "engine", "ai"}) {
        const QDir folder(QString(GLYPH_SOURCE_DIR "/") + module);
        for (const QString& name : folder.entryList({"*.cpp"}, QDir::Files)) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(file.readAll());
            for (auto match = shown.globalMatch(code); match.hasNext();) {
                QString text = match.next().captured(1);
                text.replace("\\n", "\n").replace("\\\"", "\"");
                // Only texts with a placeholder or a sentence are messages (not keys or names).
                if (!text.contains("%s") && !text.contains(' '))
                    continue;
                if (untranslated.contains(text) || text.endsWith("Key") || text.startsWith("%d "))
                    continue;
                ++found;
                QVERIFY2(listed.contains(text), qPrintable(module + QString("/") + name + ": " + text));
            }
        }
    }
    QVERIFY(found >= 15);
}

void TranslationTest::damagedTranslationsFallBackToTheSource()
{
    QCOMPARE(translation::conversions("%s scored %d (%.2f%%) in %5d"),
             (QStringList{"%s", "%d", "%.2f", "%5d"}));
    QVERIFY(translation::conversions("%d then %s") != translation::conversions("%s then %d"));
    // With no translator installed every text comes back as written.
    QCOMPARE(translation::translateFormat("Game", "Can't write to %s"), QString("Can't write to %s"));
}

QTEST_MAIN(TranslationTest)
#include "translationtest.moc"
