#pragma once

#include <filesystem>

#include "base/datafolders.h"

/// The folders of the command-line tools, found by the same rules as the window's: the
/// user's folders by the XDG base-directory rules, the installed share folder beside the
/// program's folder.
namespace glyph::userfolders
{

/// "$XDG_DATA_HOME/glyphmosaic", else "$HOME/.local/share/glyphmosaic"; a variable that is
/// unset, empty or relative is passed over, as the XDG rules say. Empty without a home.
std::filesystem::path data();
/// "$XDG_CONFIG_HOME/glyphmosaic", else "$HOME/.config/glyphmosaic"; as `data`.
std::filesystem::path config();

/// The folders a tool started as `argv0` uses (see `DataFolders::choose`).
DataFolders forProgram(const char* argv0);

} // namespace glyph::userfolders
