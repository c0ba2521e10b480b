#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace glyph
{

class WarningSink;

/// Every setting of the program as text under a key ending in "Key", with built-in defaults,
/// persisted in "Preferences.ini" as key line / value line pairs in key order. Colours, fonts
/// and geometries are stored as their text here; the window turns them into Qt types
/// (ui/uipreferences.h).
class Preferences
{
public:
    /// Fills the defaults, then loads the file (a missing file is normal).
    explicit Preferences(std::string fileName = "Preferences.ini", WarningSink* warnings = nullptr);
    /// Does not save: the owner calls `save()` when the values are to be kept.
    ~Preferences() = default;
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    /// Longest line read; the rest of a longer line is dropped.
    static constexpr std::size_t kMaxLineLength = 65535;
    /// Largest file read; a larger one, or a name that is not a regular file, is not read.
    static constexpr std::uint64_t kMaxFileBytes = 16 * 1024 * 1024;

    /// Replaces the values with the file's pairs; false (values unchanged) when it is not a
    /// regular file of at most kMaxFileBytes or cannot be read. A file that exists but cannot
    /// be read is said once through the warnings and is never written over (`save`).
    bool load();
    /// Writes the values atomically; false after "Can't write to %s", and false without
    /// writing when the file exists but could not be read.
    bool save() const;
    /// False once the file was found but could not be read: it is then kept as it is.
    bool canSave() const { return !m_unreadable; }
    /// Where warnings go (null: nowhere).
    void setWarningSink(WarningSink* warnings) { m_warnings = warnings; }

    void setInteger(const std::string& key, int value);
    void setString(const std::string& key, const std::string& value);

    /// Each getter looks in the values, then the defaults; it returns false and leaves `out`
    /// unchanged when the key is in neither (or, for integers, is not a number). An integer
    /// value that is not a number is passed over in favour of the default.
    bool getInteger(const std::string& key, int& out) const;
    bool getString(const std::string& key, std::string& out) const;

    /// Convenience forms that return the value, or the fallback when the key is unknown.
    int integer(const std::string& key, int fallback = 0) const;
    std::string string(const std::string& key, const std::string& fallback = {}) const;

    const std::string& fileName() const { return m_fileName; }

private:
    void fillDefaults();
    const std::string* find(const std::string& key) const;

    std::string m_fileName;
    WarningSink* m_warnings;
    std::map<std::string, std::string> m_values;
    std::map<std::string, std::string> m_defaults;
    bool m_unreadable = false;
};

} // namespace glyph
