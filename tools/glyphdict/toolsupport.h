#pragma once

#include <optional>
#include <string>

#include "base/datafolders.h"
#include "dictionary/dictionary.h"
#include "engine/gameview.h"

namespace glyph::tool
{

/// Prints the core's warnings as "glyphdict: <text>" lines on stderr.
class StderrWarnings : public WarningSink
{
public:
    void showWarning(const std::string& text) override;
};

/// A dictionary loaded from a file for one command, its warnings going to stderr.
class LoadedDictionary
{
public:
    /// Loads the file; ok() tells whether it worked (the warning was printed if not).
    explicit LoadedDictionary(const std::string& path);
    bool ok() const { return m_ok; }
    const Dictionary& dictionary() const { return m_dictionary; }

private:
    StderrWarnings m_warnings;
    Dictionary m_dictionary{m_warnings};
    bool m_ok;
};

/// Remembers the game's folders (set once by main from argv[0]).
void setDataFolders(const DataFolders& folders);
/// The game's folders; the working folder until set.
const DataFolders& dataFolders();

/// The word as the dictionary stores it: letters upper-cased, cut at the first non-letter.
std::string dictionaryWord(const std::string& text);
/// The typed text with the marks taken off its letters, as the dictionary window takes it
/// (letters::withoutDiacritics: "ȘARPE" is SARPE); nothing, after a message naming the
/// character, when a character outside ASCII is left (ß, æ, a Greek letter), which no word,
/// pattern or rack can hold.
std::optional<std::string> plainText(const std::string& typed);

} // namespace glyph::tool
