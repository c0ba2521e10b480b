#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glyph
{

class HookFinder;
class WarningSink;

/// A study list: the words of a search result kept as a text file, one word per line, each
/// line either the word alone or its hooks as glyphdict prints them ("FRONT<TAB>.WORD.<TAB>BACK").
class StudyList
{
public:
    /// Largest list file read.
    static constexpr std::uint64_t kMaxFileBytes = 64u * 1024u * 1024u;
    /// Longest word a list holds.
    static constexpr std::size_t kMaxWordLength = 39;
    /// Most words a list holds: well above the largest dictionary shipped (about 1.3 million
    /// words), so that a whole dictionary fits, while a file of short lines costs no more than
    /// this many words of memory.
    static constexpr std::size_t kMaxWords = 2'000'000;

    /// The file's text: one line per word (upper-cased), with its hooks when a finder is given.
    static std::string text(const std::vector<std::string>& words, const HookFinder* hooks);
    /// Writes the text through the atomic writer; false after "Can't open %s for writing".
    static bool save(const std::string& path, const std::vector<std::string>& words, const HookFinder* hooks,
                     WarningSink& warnings);
    /// Reads a list into `words` (upper case, in file order, blank lines skipped, the spaces
    /// around a line, a leading UTF-8 byte-order mark and the line ends of any system ignored); false, with
    /// `words` unchanged, after "Can't open %s for reading" (also for a file that is not regular
    /// or larger than kMaxFileBytes), "Invalid %s file" (a line that is not a word of letters
    /// or a hooks line around one) or "%s holds more than %s words: too many for a study list"
    /// (more than kMaxWords; reading stops there).
    static bool load(const std::string& path, std::vector<std::string>& words, WarningSink& warnings);
    /// The word of one line, upper-cased; empty when the line holds none.
    static std::string wordOfLine(const std::string& line);
};

} // namespace glyph
