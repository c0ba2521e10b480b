#pragma once

#include <string>

class QWidget;

namespace glyph
{

class Preferences;

/// Keeps a window's place and size in the preferences, the same way for every window: stored
/// as "x y width height"; a field that is missing or a size below one pixel keeps what the
/// window has, and the result is kept on the screen the window is on (`windowlimits`), so a
/// damaged file can neither hide the window nor make it larger than the screen.
class WindowSizeKeeper
{
public:
    /// Moves and resizes the window to the stored geometry fitted to its screen, if any is stored.
    static void restore(const Preferences& preferences, QWidget& window, const std::string& key);
    /// Stores the window's frame position and client size.
    static void store(Preferences& preferences, const QWidget& window, const std::string& key);
};

} // namespace glyph
