#include "ui/common/uipreferences.h"

#include <QString>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "base/textscan.h"
#include "engine/game.h"
#include "preferences/preferences.h"

namespace glyph::uiprefs
{

namespace
{

// The font weights of the file use the 0..99 scale (50 normal, 75 bold); Qt 6 uses 100..900.
struct WeightPair {
    int stored;
    int qt;
};
constexpr std::array<WeightPair, 10> kWeights{{{0, 100},
                                               {12, 200},
                                               {25, 300},
                                               {50, 400},
                                               {57, 500},
                                               {63, 600},
                                               {75, 700},
                                               {81, 800},
                                               {87, 900},
                                               {99, 1000}}};
constexpr int kStoredNormal = 50;
constexpr int kStoredBold = 75;
constexpr int kColourMax = 255;

/// Linear interpolation through the weight table, from one scale to the other.
int convertWeight(int weight, int WeightPair::*from, int WeightPair::*to)
{
    if (weight <= kWeights.front().*from)
        return kWeights.front().*to;
    for (std::size_t i = 1; i < kWeights.size(); ++i) {
        const WeightPair& low = kWeights[i - 1];
        const WeightPair& high = kWeights[i];
        if (weight <= high.*from)
            return low.*to + (weight - low.*from) * (high.*to - low.*to) / (high.*from - low.*from);
    }
    return kWeights.back().*to;
}

int toStoredWeight(int qtWeight)
{
    return convertWeight(qtWeight, &WeightPair::qt, &WeightPair::stored);
}
int toQtWeight(int storedWeight)
{
    return convertWeight(storedWeight, &WeightPair::stored, &WeightPair::qt);
}

/// Reads up to `count` blank-separated numbers into out[0..count), stopping at the first that
/// is missing (later outputs keep their values); returns how many were read.
int scanNumbers(std::string_view& text, int* out, int count)
{
    int read = 0;
    while (read < count && textscan::readInt(text, out[read]))
        ++read;
    return read;
}

std::string joinNumbers(std::initializer_list<int> numbers)
{
    std::string text;
    for (int n : numbers) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(n);
    }
    return text;
}

} // namespace

void setColour(Preferences& preferences, const std::string& key, const QColor& colour)
{
    preferences.setString(key, joinNumbers({colour.red(), colour.green(), colour.blue()}));
}

void setFont(Preferences& preferences, const std::string& key, const QFont& font)
{
    const int weight = toStoredWeight(font.weight());
    const std::string numbers = joinNumbers({font.pointSize(), weight, weight > kStoredNormal ? 1 : 0,
                                             font.italic() ? 1 : 0, font.underline() ? 1 : 0});
    preferences.setString(key, numbers + ' ' + font.family().toStdString());
}

void setGeometry(Preferences& preferences, const std::string& key, const QRect& geometry)
{
    preferences.setString(key,
                          joinNumbers({geometry.x(), geometry.y(), geometry.width(), geometry.height()}));
}

bool getColour(const Preferences& preferences, const std::string& key, QColor& out)
{
    std::string stored;
    if (!preferences.getString(key, stored))
        return false;
    int rgb[] = {out.red(), out.green(), out.blue()};
    std::string_view text = stored;
    scanNumbers(text, rgb, 3);
    for (int& component : rgb)
        component = std::clamp(component, 0, kColourMax);
    out.setRgb(rgb[0], rgb[1], rgb[2]);
    return true;
}

bool getFont(const Preferences& preferences, const std::string& key, QFont& out)
{
    std::string stored;
    if (!preferences.getString(key, stored))
        return false;
    const int storedWeight = toStoredWeight(out.weight());
    int fields[] = {out.pointSize(), storedWeight, storedWeight > kStoredNormal ? 1 : 0, out.italic() ? 1 : 0,
                    out.underline() ? 1 : 0};
    constexpr int kFieldCount = 5;
    std::string_view text = stored;
    QString family = out.family();
    if (scanNumbers(text, fields, kFieldCount) == kFieldCount) {
        textscan::skipSpace(text);
        family = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    const auto [pointSize, weight, bold, italic, underline] = fields;
    out.setFamily(family);
    if (pointSize > 0)
        out.setPointSize(windowlimits::boundFontPoints(pointSize));
    // The bold field decides the weight; the weight field is kept in the file but not used.
    out.setWeight(static_cast<QFont::Weight>(toQtWeight(bold != 0 ? kStoredBold : kStoredNormal)));
    out.setItalic(italic != 0);
    out.setUnderline(underline != 0);
    return true;
}

bool getGeometry(const Preferences& preferences, const std::string& key, windowlimits::Rectangle& out)
{
    std::string stored;
    if (!preferences.getString(key, stored))
        return false;
    int fields[] = {out.x, out.y, out.width, out.height};
    std::string_view text = stored;
    scanNumbers(text, fields, 4);
    out = {fields[0], fields[1], fields[2], fields[3]};
    return true;
}

QColor colour(Game& game, const char* key)
{
    QColor value(Qt::black);
    getColour(game.preferences(), key, value);
    return value;
}

QFont font(Game& game, const char* key, int pointSize)
{
    QFont value;
    getFont(game.preferences(), key, value);
    value.setPointSize(std::max(1, pointSize));
    return value;
}

int integer(Game& game, const char* key)
{
    return game.preferences().integer(key, 0);
}

} // namespace glyph::uiprefs
