#include "ui/common/windowsizekeeper.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include "preferences/preferences.h"
#include "preferences/windowlimits.h"
#include "ui/common/uipreferences.h"

namespace glyph
{

namespace
{

windowlimits::Rectangle rectangle(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace

void WindowSizeKeeper::restore(const Preferences& preferences, QWidget& window, const std::string& key)
{
    const windowlimits::Rectangle current{window.x(), window.y(), window.width(), window.height()};
    windowlimits::Rectangle stored = current; // fields missing from the stored text keep the window's own
    if (!uiprefs::getGeometry(preferences, key, stored))
        return;
    if (stored.width < 1)
        stored.width = current.width;
    if (stored.height < 1)
        stored.height = current.height;
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QSize minimum = window.minimumSizeHint();
        stored = windowlimits::fitToScreen(stored, rectangle(screen->availableGeometry()), minimum.width(),
                                           minimum.height());
    }
    window.resize(stored.width, stored.height);
    window.move(stored.x, stored.y);
}

void WindowSizeKeeper::store(Preferences& preferences, const QWidget& window, const std::string& key)
{
    uiprefs::setGeometry(preferences, key, QRect(window.frameGeometry().topLeft(), window.size()));
}

} // namespace glyph
