#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "engine/gameview.h"

namespace glyph
{

/// The view of the command-line tool: no windows and no waits. Warnings go to standard error
/// unless they are being captured; script output is printed or dropped as asked.
class ToolView : public NullView
{
public:
    void showWarning(const std::string& text) override
    {
        if (m_capturing)
            m_captured.push_back(text);
        else
            std::fprintf(stderr, "%s\n", text.c_str());
    }
    void appendScriptOutput(const std::string& line) override
    {
        if (m_printScriptOutput || line.rfind("Error: ", 0) == 0)
            std::printf("%s\n", line.c_str());
    }

    /// Starts keeping warnings instead of printing them (and forgets earlier ones).
    void capture(bool on)
    {
        m_capturing = on;
        m_captured.clear();
    }
    const std::vector<std::string>& captured() const { return m_captured; }
    void printScriptOutput(bool on) { m_printScriptOutput = on; }

private:
    bool m_capturing = false;
    bool m_printScriptOutput = false;
    std::vector<std::string> m_captured;
};

} // namespace glyph
