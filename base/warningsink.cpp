#include "base/warningsink.h"

#include <cstdarg>
#include <cstdio>

namespace glyph
{

void showWarning(WarningSink& sink, const char* format, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    sink.showWarning(buffer);
}

} // namespace glyph
