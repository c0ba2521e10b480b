#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace glyph::test
{

/// Writes ".dic" files for tests the plain way: a letter tree of the words, each child list
/// becoming the first one met with the same letters, ends of words and lists below; the
/// first-letter list (from A) unshared. Byte for byte what the dictionary builder must write.
class DicFileWriter
{
public:
    /// The whole file for the words (upper-case A-Z, in any order), the author cut to 29 characters.
    static std::string bytes(const std::vector<std::string>& words, const std::string& author = "tests");
    /// Writes the file to path; false when it cannot be written.
    static bool write(const std::string& path, const std::vector<std::string>& words);

private:
    struct Tree {
        bool endOfWord = false;
        std::map<char, Tree> children;
    };

    static std::string spell(const std::map<char, Tree>& list);
    std::uint32_t number(const std::map<char, Tree>& list, bool shared);

    std::vector<std::uint32_t> m_nodes;
    std::map<std::string, std::uint32_t> m_places;
};

} // namespace glyph::test
