#pragma once

#include "engine/gameview.h"

/// The game's view while no game window exists: warnings as modal message boxes captioned
/// "Glyphmosaic"; redraws, dialogs and waits do nothing.
class MessageBoxView : public glyph::GameView
{
public:
    /// Shows the text in a modal warning box with one button, parented to no window.
    void showWarning(const std::string& text) override;
    void refresh(bool) override {}
    void refreshWithoutBoard() override {}
    void erasePlacedTiles() override {}
    void showGameOver() override {}
    void showThinkingNotice(const std::string&) override {}
    void hideThinkingNotice() override {}
    void wait(int) override {}
    void appendScriptOutput(const std::string&) override {}
    bool paused() const override { return false; }
};
