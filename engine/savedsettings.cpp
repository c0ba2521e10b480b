#include "engine/savedsettings.h"

#include "preferences/keys.h"
#include "preferences/preferences.h"

namespace glyph
{

SavedSettings SavedSettings::read(const Preferences& preferences)
{
    return {preferences.string(keys::kGameDictionary), preferences.string(keys::kGameSet),
            preferences.string(keys::kGameClassicTime), preferences.string(keys::kGameBonus)};
}

void SavedSettings::write(Preferences& preferences) const
{
    preferences.setString(keys::kGameDictionary, dictionary);
    preferences.setString(keys::kGameSet, letterSet);
    preferences.setString(keys::kGameClassicTime, time);
    preferences.setString(keys::kGameBonus, bonus);
}

} // namespace glyph
