#pragma once

#include <vector>

namespace glyph
{

class MainWindow;

/// One command of the window, declared once: where it stands in the menus and on the toolbar,
/// its text and shortcut, and whether a computer turn under way refuses it. The window builds
/// its menus and toolbar from the rows, so a new command is one more row.
struct CommandRow {
    /// When the command can be chosen.
    enum class Available { Always, Unlocked };

    const char* menu;     ///< the menu's text ("&File")
    const char* submenu;  ///< a submenu of it ("Export"), or null
    const char* text;     ///< the menu entry's text
    const char* shortcut; ///< portable key text ("Ctrl+O"), empty for none
    void (MainWindow::*slot)();
    Available available;
    bool separatorBefore;    ///< a separator above the entry in its menu
    int toolbarPlace;        ///< 0: not on the toolbar; else group * 10 + place, groups separated
    const char* picture;     ///< the toolbar picture in Images/
    const char* toolbarText; ///< the toolbar button's text and tip
};

/// The rows of every command, in menu order.
const std::vector<CommandRow>& commandRows();

} // namespace glyph
