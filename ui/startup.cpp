#include "ui/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QMessageBox>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QStyleFactory>
#include <QTranslator>
#include <QWidget>

#include "base/datafolder.h"
#include "preferences/preferences.h"

namespace startup
{

namespace
{

// Stored style numbers, named after the looks they were chosen for.
constexpr int kMotifPlus = 0;
constexpr int kMotif = 1;
constexpr int kWindows = 2;
constexpr int kSgi = 3;
constexpr int kPlatinum = 4;

} // namespace

QString useDataBesideProgram(const QString& programFolder)
{
    const std::filesystem::path working = QDir::currentPath().toStdString();
    const std::filesystem::path chosen = glyph::datafolder::choose(working, programFolder.toStdString());
    if (chosen != working)
        QDir::setCurrent(QString::fromStdString(chosen.string()));
    return QDir::currentPath();
}

bool isDesktopTooSmall(const QSize& size)
{
    return size.width() < kMinimumDesktopWidth || size.height() < kMinimumDesktopHeight;
}

void warnOnSmallDesktop()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || !isDesktopTooSmall(screen->size()))
        return;
    QMessageBox::warning(nullptr, QStringLiteral("Glyphmosaic"),
                         QCoreApplication::translate("main", "Recomanded resolution is minimum 1024 x 768"));
}

void applyLanguage(glyph::Preferences& preferences, QTranslator& translator)
{
    const std::string language = preferences.string("LanguageKey");
    if (language.find("English") != std::string::npos)
        preferences.setString("TipFileKey", "Help/TipOfDay.eng");
    else if (language.find("Romana") != std::string::npos)
        preferences.setString("TipFileKey", "Help/TipOfDay.rom");
    preferences.setString("LanguageKey", language);
    if (translator.load(QString::fromStdString(language)))
        QCoreApplication::installTranslator(&translator);
}

QString styleKey(int styleNumber)
{
    // Qt 6 offers no Motif, SGI or Platinum look: the bevelled classic looks map to
    // "Windows", the shaded ones to "Fusion".
    switch (styleNumber) {
    case kMotif:
    case kWindows:
        return QStringLiteral("Windows");
    case kMotifPlus:
    case kSgi:
    case kPlatinum:
    default:
        return QStringLiteral("Fusion");
    }
}

void applyStyle(glyph::Preferences& preferences)
{
    const int styleNumber = preferences.integer("PreferencesStyleKey", kPlatinum);
    if (QStyleFactory::keys().contains(styleKey(styleNumber), Qt::CaseInsensitive))
        QApplication::setStyle(styleKey(styleNumber));
    preferences.setInteger("PreferencesStyleKey", styleNumber);
}

void applyFont(const glyph::Preferences& preferences)
{
    QFont font = QApplication::font();
    if (preferences.getFont("FontGeneralKey", font))
        QApplication::setFont(font);
}

void restoreGeometry(const glyph::Preferences& preferences, const std::string& key, QWidget& window)
{
    QRect geometry = window.geometry();
    if (!preferences.getGeometry(key, geometry))
        return;
    window.resize(geometry.size());
    window.move(geometry.topLeft());
}

} // namespace startup
