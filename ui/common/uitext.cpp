#include "ui/common/uitext.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

#include <algorithm>
#include <cstring>

#include "base/letters.h"
#include "engine/player.h"

namespace glyph::uitext
{

QString name(const Player& player)
{
    return QString::fromUtf8(player.name, static_cast<qsizetype>(strnlen(player.name, sizeof player.name)));
}

QString profile(const Player& player)
{
    return QString::fromUtf8(player.profile,
                             static_cast<qsizetype>(strnlen(player.profile, sizeof player.profile)));
}

std::string rack(const Player& player)
{
    return std::string(player.rack, strnlen(player.rack, sizeof player.rack));
}

QString withoutDiacritics(const QString& text)
{
    // The core's folding, so that the window and glyphdict find the same words for a text.
    return QString::fromStdString(letters::withoutDiacritics(text.toStdString()));
}

QString withText(const QString& format, const QString& text)
{
    QString result = format;
    const qsizetype at = result.indexOf("%s");
    if (at >= 0)
        result.replace(at, 2, text);
    return result;
}

namespace
{
// Room for the window manager's icon and its minimise, maximise and close buttons.
constexpr int kTitleBarButtons = 160;
} // namespace

int captionWidth(const QWidget& window)
{
    QFont title = QApplication::font();
    title.setBold(true);
    return QFontMetrics(title).horizontalAdvance(window.windowTitle()) + kTitleBarButtons;
}

void fitCaption(QWidget& window)
{
    window.setMinimumWidth(std::max(window.minimumWidth(), captionWidth(window)));
}

} // namespace glyph::uitext
