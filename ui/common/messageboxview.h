#pragma once

#include "engine/gameview.h"

/// The game's view while no game window exists: warnings as modal message boxes captioned
/// "Glyphmosaic", or on standard error when nobody is there to answer them; redraws, dialogs
/// and waits do nothing.
class MessageBoxView : public glyph::NullView
{
public:
    explicit MessageBoxView(bool interactive = true) : m_interactive(interactive) {}
    /// Shows the text in a modal warning box with one button, parented to no window.
    void showWarning(const std::string& text) override;
    /// The text in the installed language (context "Game").
    std::string translate(const char* text) override;

private:
    bool m_interactive;
};
