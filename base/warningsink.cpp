#include "base/warningsink.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace glyph
{

void showWarning(WarningSink& sink, const char* format, ...)
{
    char buffer[1024];
    const std::string translated = sink.translate(format);
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, translated.c_str(), args);
    va_end(args);
    sink.showWarning(buffer);
}

} // namespace glyph
