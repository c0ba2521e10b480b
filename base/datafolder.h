#pragma once

#include <filesystem>
#include <string>

namespace glyph::datafolder
{

/// True when the folder holds the data folders that the game and its tools cannot start
/// without: "Sets" and "Dictionaries".
bool holdsData(const std::filesystem::path& folder);

/// The folder whose data (and "Preferences.ini") a program uses: the working folder when it
/// holds the data, else the program's own folder when that does, else the working folder.
std::filesystem::path choose(const std::filesystem::path& working, const std::filesystem::path& program);

/// The folder of the running program from its argv[0]: the parent of a path with a slash,
/// else of the first match on PATH; empty when it cannot be found.
std::filesystem::path programFolder(const std::string& argv0);

} // namespace glyph::datafolder
