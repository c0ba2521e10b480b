#include "preferences/preferences.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/atomicfile.h"
#include "base/regularfile.h"
#include "base/standardpremiums.h"
#include "base/textscan.h"
#include "base/warningsink.h"
#include "preferences/keys.h"

namespace glyph
{

namespace
{

/// Removes the characters that end or break a line from text stored one value per line.
std::string withoutLineBreaks(std::string text)
{
    std::erase_if(text, [](char c) { return c == '\n' || c == '\r' || c == '\b'; });
    return text;
}

} // namespace

Preferences::Preferences(std::string fileName, WarningSink* warnings)
    : m_fileName(std::move(fileName)), m_warnings(warnings)
{
    fillDefaults();
    m_defaults = m_values;
    m_values.clear();
    load();
}

void Preferences::fillDefaults()
{
    setInteger(keys::kTableRows, 15);
    setInteger(keys::kTableColumns, 15);
    setInteger(keys::kGameBonus, 50);
    setInteger(keys::kGameClassicTime, 25);
    setInteger(keys::kCheckBeforePlaying, 0);
    setString(keys::kGameSet, "Sets/English.set");
    setString(keys::kGameDictionary, "Dictionaries/English.dic");
    setInteger(keys::kPreferencesStyle, 4);
    setString(keys::kLanguage, "Languages/English.qm");
    setInteger(keys::kShowTableTooltip, 1);
    setInteger(keys::kShowComputerRack, 1);
    setInteger(keys::kTipShow, 1);
    setString(keys::kTipFile, "Help/TipOfDay.eng");
    // Fonts in their stored form (size, weight, bold, italic, underline, family), so that the
    // defaults need no font database.
    setString(keys::kFontGeneral, "11 50 0 0 0 Verdana");
    setString(keys::kFontLetter, "12 50 0 0 0 Times");
    setString(keys::kFontValue, "12 50 0 0 0 Times");
    setString(keys::kFontMargin, "12 50 0 0 0 Times");
    setString(keys::kColorBackground, "132 198 0");
    setString(keys::kColorMargin, "255 255 127");
    setString(keys::kColorJoker, "170 255 127");
    setString(keys::kColorLetter, "0 0 0");
    setString(keys::kColorLetterX2, "170 170 255");
    setString(keys::kColorLetterX3, "77 153 230");
    setString(keys::kColorCurrentMove, "180 202 141");
    setString(keys::kColorOcupied, "203 122 204");
    setString(keys::kColorLetterBackground, "255 255 255");
    setString(keys::kColorSelected, "255 255 0");
    setString(keys::kColorWordX2, "255 170 0");
    setString(keys::kColorWordX3, "208 69 104");
    setString(keys::kMultiWordsX3, standardpremiums::kWordsX3);
    setString(keys::kMultiLettersX3, standardpremiums::kLettersX3);
    setString(keys::kMultiWordsX2, standardpremiums::kWordsX2);
    setString(keys::kMultiLettersX2, standardpremiums::kLettersX2);
}

bool Preferences::load()
{
    // Only a regular file of sensible size is read: a folder, FIFO or device leaves the
    // settings as they are, as a missing file does.
    std::string text;
    const RegularFile::Status status = RegularFile::readFile(m_fileName, kMaxFileBytes, text);
    if (status != RegularFile::Status::Read) {
        // A file that is there but cannot be read may still hold the user's settings: it is
        // never replaced by the defaults, and the user hears of it once.
        std::error_code error;
        if (!m_unreadable && (status != RegularFile::Status::NotOpened ||
                              std::filesystem::symlink_status(m_fileName, error).type() !=
                                  std::filesystem::file_type::not_found)) {
            m_unreadable = true;
            if (m_warnings != nullptr)
                showWarning(*m_warnings,
                            "%s could not be read; the settings are the defaults until the next start",
                            m_fileName.c_str());
        }
        return false;
    }
    m_values.clear();
    std::string key;
    bool haveKey = false;
    bool readAny = false;
    for (std::string_view rest = text; !rest.empty();) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string line = withoutLineBreaks(std::string(rest.substr(0, std::min(end, kMaxLineLength))));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        readAny = true;
        if (!haveKey) {
            key = std::move(line);
            haveKey = true;
        } else {
            m_values[key] = std::move(line);
            haveKey = false;
        }
    }
    return readAny;
}

bool Preferences::save() const
{
    if (m_unreadable)
        return false;
    std::string text;
    for (const auto& [key, value] : m_values) {
        text += key;
        text += '\n';
        text += value;
        text += '\n';
    }
    if (writeFileAtomically(m_fileName, text) != WriteResult::Written) {
        if (m_warnings != nullptr)
            showWarning(*m_warnings, "Can't write to %s", m_fileName.c_str());
        return false;
    }
    return true;
}

void Preferences::setInteger(const std::string& key, int value)
{
    setString(key, std::to_string(value));
}

void Preferences::setString(const std::string& key, const std::string& value)
{
    m_values[withoutLineBreaks(key)] = withoutLineBreaks(value);
}

const std::string* Preferences::find(const std::string& key) const
{
    if (auto it = m_values.find(key); it != m_values.end())
        return &it->second;
    if (auto it = m_defaults.find(key); it != m_defaults.end())
        return &it->second;
    return nullptr;
}

bool Preferences::getInteger(const std::string& key, int& out) const
{
    // A value that is not a number counts as unset, so the default (if any) applies.
    for (const auto* map : {&m_values, &m_defaults}) {
        auto it = map->find(key);
        if (it != map->end() && textscan::parseWholeInt(it->second, out))
            return true;
    }
    return false;
}

bool Preferences::getString(const std::string& key, std::string& out) const
{
    const std::string* value = find(key);
    if (value == nullptr)
        return false;
    out = *value;
    return true;
}

int Preferences::integer(const std::string& key, int fallback) const
{
    int value = fallback;
    getInteger(key, value);
    return value;
}

std::string Preferences::string(const std::string& key, const std::string& fallback) const
{
    std::string value = fallback;
    getString(key, value);
    return value;
}

} // namespace glyph
