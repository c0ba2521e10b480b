#pragma once

#include <string>

#include "base/warningsink.h"

namespace glyph
{

/// What the core asks of the window: redraws, the game-over dialog, the computer turn's
/// notice and timed wait, and script output. The window implements it; tests record calls.
class GameView : public WarningSink
{
public:
    /// Brings caption, panel, rack and board up to date (board repainted fully when
    /// onlyUpdateBoard is true, squares redrawn at once otherwise).
    virtual void refresh(bool onlyUpdateBoard) = 0;
    /// Same as refresh but leaves the board alone.
    virtual void refreshWithoutBoard() = 0;
    /// Draws the squares of the tiles placed this turn as empty squares.
    virtual void erasePlacedTiles() = 0;
    /// Runs the game-over dialog modally.
    virtual void showGameOver() = 0;
    /// Shows the "is thinking" notice of a computer turn; a second call while shown does nothing.
    virtual void showThinkingNotice(const std::string& text) = 0;
    virtual void hideThinkingNotice() = 0;
    /// Waits the given time while processing events, with the clocks paused.
    virtual void wait(int milliseconds) = 0;
    /// Appends one line to the profile editor's output pane: Latin-1 text, as scripts are.
    virtual void appendScriptOutput(const std::string& line) = 0;
    /// Appends one line of the script host's own (stops, errors) to the output pane: UTF-8,
    /// as its translations are.
    virtual void appendHostOutput(const std::string& line) { appendScriptOutput(line); }
    /// True while the players' clocks must not run.
    virtual bool paused() const = 0;
};

/// A view that does nothing: for tools and for code that runs without a window.
class NullView : public GameView
{
public:
    void showWarning(const std::string&) override {}
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

} // namespace glyph
