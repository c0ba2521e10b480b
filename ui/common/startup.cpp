#include "ui/common/startup.h"
#include "ui/common/uipreferences.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QMessageBox>
#include <QScreen>
#include <QSize>
#include <QStyleFactory>
#include <QTranslator>

#include "preferences/keys.h"
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

} // namespace

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
    const std::string language = preferences.string(glyph::keys::kLanguage);
    if (language.find("English") != std::string::npos)
        preferences.setString(glyph::keys::kTipFile, "Help/TipOfDay.eng");
    else if (language.find("Romana") != std::string::npos)
        preferences.setString(glyph::keys::kTipFile, "Help/TipOfDay.rom");
    preferences.setString(glyph::keys::kLanguage, language);
    // A translator installed twice would be asked twice; the last language chosen comes first.
    QCoreApplication::removeTranslator(&translator);
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
    case kPlatinumStyle:
    default:
        return QStringLiteral("Fusion");
    }
}

void applyStyle(glyph::Preferences& preferences)
{
    const int styleNumber = preferences.integer(glyph::keys::kPreferencesStyle, kPlatinumStyle);
    if (QStyleFactory::keys().contains(styleKey(styleNumber), Qt::CaseInsensitive))
        QApplication::setStyle(styleKey(styleNumber));
    preferences.setInteger(glyph::keys::kPreferencesStyle, styleNumber);
}

void applyFont(const glyph::Preferences& preferences)
{
    QFont font = QApplication::font();
    if (glyph::uiprefs::getFont(preferences, glyph::keys::kFontGeneral, font))
        QApplication::setFont(font);
}

} // namespace startup
