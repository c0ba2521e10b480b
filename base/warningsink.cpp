#include "base/warningsink.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace glyph
{

namespace
{

std::string formatted(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

} // namespace

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

std::string translatedTextV(WarningSink* language, const char* format, va_list args)
{
    const std::string translated = language != nullptr ? language->translate(format) : std::string(format);
    return formatted(translated.c_str(), args);
}

std::string translatedText(WarningSink* language, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = translatedTextV(language, format, args);
    va_end(args);
    return text;
}

} // namespace glyph
