#pragma once

#include <string>

class QRect;
class QWidget;

namespace glyph
{

class Preferences;

/// Keeps a window's place and size in the preferences, the same way for every window: stored
/// as "x y width height"; a field that is missing or a size below one pixel keeps what the
/// window has, and the result is kept on the screen the window is on.
class WindowSizeKeeper
{
public:
    /// Moves and resizes the window to the stored geometry, if any is stored.
    static void restore(const Preferences& preferences, QWidget& window, const std::string& key);
    /// Stores the window's frame position and client size.
    static void store(Preferences& preferences, const QWidget& window, const std::string& key);
    /// The stored geometry with a size below one pixel replaced by current's, then fitted into
    /// `screen` when that is valid: no larger than it and wholly inside it.
    static QRect fitted(const QRect& stored, const QRect& current, const QRect& screen);
};

} // namespace glyph
