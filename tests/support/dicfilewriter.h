#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glyph::test
{

/// Writes small ".dic" files for tests: the words as a plain letter tree (node lists not
/// shared), which every reader of the format accepts.
class DicFileWriter
{
public:
    /// The node array for the words (upper-case A-Z), root entry first.
    static std::vector<std::uint32_t> nodesFor(const std::vector<std::string>& words);
    /// Writes header and nodes to path; false when the file cannot be written.
    static bool write(const std::string& path, const std::vector<std::string>& words);
};

} // namespace glyph::test
