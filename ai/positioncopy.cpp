#include "ai/positioncopy.h"

#include "preferences/keys.h"

namespace glyph
{

namespace
{

bool nameNoData(Preferences& preferences)
{
    preferences.setString(keys::kGameSet, std::string());
    preferences.setString(keys::kGameDictionary, std::string());
    return true;
}

} // namespace

PositionCopy::PositionCopy()
    : m_preferences(std::string(), nullptr), m_noData(nameNoData(m_preferences)),
      m_game(m_preferences, m_view), m_generator(m_game)
{
}

} // namespace glyph
