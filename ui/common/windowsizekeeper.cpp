#include "ui/common/windowsizekeeper.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

#include "preferences/preferences.h"
#include "ui/common/uipreferences.h"

namespace glyph
{

QRect WindowSizeKeeper::fitted(const QRect& stored, const QRect& current, const QRect& screen)
{
    QRect geometry(stored.topLeft(), QSize(stored.width() >= 1 ? stored.width() : current.width(),
                                           stored.height() >= 1 ? stored.height() : current.height()));
    if (!screen.isValid())
        return geometry;
    geometry.setWidth(std::min(geometry.width(), screen.width()));
    geometry.setHeight(std::min(geometry.height(), screen.height()));
    geometry.moveLeft(std::clamp(geometry.x(), screen.left(), screen.right() - geometry.width() + 1));
    geometry.moveTop(std::clamp(geometry.y(), screen.top(), screen.bottom() - geometry.height() + 1));
    return geometry;
}

void WindowSizeKeeper::restore(const Preferences& preferences, QWidget& window, const std::string& key)
{
    const QRect current(window.pos(), window.size());
    QRect stored = current; // fields missing from the stored text keep the window's own
    if (!uiprefs::getGeometry(preferences, key, stored))
        return;
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    const QRect geometry = fitted(stored, current, available);
    window.resize(geometry.size());
    window.move(geometry.topLeft());
}

void WindowSizeKeeper::store(Preferences& preferences, const QWidget& window, const std::string& key)
{
    uiprefs::setGeometry(preferences, key, QRect(window.frameGeometry().topLeft(), window.size()));
}

} // namespace glyph
