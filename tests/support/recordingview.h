#pragma once

#include <string>
#include <vector>

#include "engine/gameview.h"

namespace glyph::test
{

/// A view that records what the core asked of it, for tests.
class RecordingView : public GameView
{
public:
    void showWarning(const std::string& text) override { warnings.push_back(text); }
    void refresh(bool onlyUpdateBoard) override { refreshes.push_back(onlyUpdateBoard); }
    void refreshWithoutBoard() override {}
    void erasePlacedTiles() override {}
    void showGameOver() override { ++gameOverDialogs; }
    void showThinkingNotice(const std::string& text) override { notices.push_back(text); }
    void hideThinkingNotice() override { ++hiddenNotices; }
    void wait(int milliseconds) override { waits.push_back(milliseconds); }
    void appendScriptOutput(const std::string& line) override { scriptOutput.push_back(line); }
    bool paused() const override { return isPaused; }
    /// Every text the core asks to translate comes back in angle brackets when `marks` is set,
    /// so that a test sees which texts went through translation.
    std::string translate(const char* text) override { return marks ? "<" + std::string(text) + ">" : text; }

    std::vector<std::string> warnings;
    std::vector<bool> refreshes;
    int gameOverDialogs = 0;
    std::vector<std::string> notices;
    int hiddenNotices = 0;
    std::vector<int> waits;
    std::vector<std::string> scriptOutput;
    bool isPaused = false;
    bool marks = false;
};

} // namespace glyph::test
