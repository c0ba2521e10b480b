#pragma once

#include "engine/gameview.h"

namespace glyph
{

/// The view the game is built with before the window exists: it passes every call on to the
/// window once one is attached, and until then sends warnings to a fallback view.
class ViewRelay : public GameView
{
public:
    explicit ViewRelay(GameView& fallback) : m_fallback(fallback) {}

    /// Attaches the window (null: back to the fallback).
    void setTarget(GameView* target) { m_target = target; }

    void showWarning(const std::string& text) override { current().showWarning(text); }
    std::string translate(const char* text) override { return current().translate(text); }
    void refresh(bool onlyUpdateBoard) override { current().refresh(onlyUpdateBoard); }
    void refreshWithoutBoard() override { current().refreshWithoutBoard(); }
    void erasePlacedTiles() override { current().erasePlacedTiles(); }
    void showGameOver() override { current().showGameOver(); }
    void showThinkingNotice(const std::string& text) override { current().showThinkingNotice(text); }
    void hideThinkingNotice() override { current().hideThinkingNotice(); }
    void wait(int milliseconds) override { current().wait(milliseconds); }
    void appendScriptOutput(const std::string& line) override { current().appendScriptOutput(line); }
    void appendHostOutput(const std::string& line) override { current().appendHostOutput(line); }
    bool paused() const override { return m_target != nullptr ? m_target->paused() : m_fallback.paused(); }

private:
    GameView& current() { return m_target != nullptr ? *m_target : m_fallback; }

    GameView& m_fallback;
    GameView* m_target = nullptr;
};

} // namespace glyph
