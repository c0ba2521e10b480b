#pragma once

#include <string>

namespace glyph
{

class Preferences;

/// The four game choices held in the preferences that a saved game and the New Game window
/// replace (dictionary, letter set, minutes, bonus), kept to be put back when they are refused.
struct SavedSettings {
    std::string dictionary;
    std::string letterSet;
    std::string time;
    std::string bonus;

    /// The values stored now.
    static SavedSettings read(const Preferences& preferences);
    /// Stores these values again.
    void write(Preferences& preferences) const;
};

} // namespace glyph
