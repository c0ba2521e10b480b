#pragma once

#include <filesystem>
#include <string>

namespace glyph::datafolder
{

/// True when the folder holds the data folders that the game and its tools cannot start
/// without: "Sets" and "Dictionaries".
bool holdsData(const std::filesystem::path& folder);

/// The folder of the running program from its argv[0]: the parent of a path with a slash,
/// else of the first match on PATH; empty when it cannot be found.
std::filesystem::path programFolder(const std::string& argv0);

} // namespace glyph::datafolder
