#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "engine/gameview.h"

namespace glyph
{

/// The view of the command-line tool: no windows and no waits. Warnings go to standard error;
/// script output is printed or dropped as asked.
class ToolView : public NullView
{
public:
    void showWarning(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void appendScriptOutput(const std::string& line) override
    {
        if (m_printScriptOutput || line.rfind("Error: ", 0) == 0)
            std::printf("%s\n", line.c_str());
    }

    void printScriptOutput(bool on) { m_printScriptOutput = on; }

private:
    bool m_printScriptOutput = false;
};

} // namespace glyph
