#pragma once

#include <cstdarg>
#include <string>

namespace glyph
{

/// Receives the warnings of file readers, writers and rules. The window shows them in a
/// message box captioned "Glyphmosaic"; tools print them; tests record them.
class WarningSink
{
public:
    virtual ~WarningSink() = default;
    /// Shows one warning text (already formatted) and returns when the user has seen it.
    virtual void showWarning(const std::string& text) = 0;
    /// The user's language version of a program text (a printf format keeps its conversions);
    /// the text itself when there is no translation.
    virtual std::string translate(const char* text) { return text; }
};

/// Translates the format through the sink, formats printf-style into a 1,024-character buffer
/// and hands the text to the sink.
void showWarning(WarningSink& sink, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

/// The format translated through `language` (kept as it is when there is none: the tools
/// speak English) and formatted printf-style, whatever its length. The core builds the
/// reasons it hands on (file and record faults, script stops) with it, so that the window
/// shows them in the user's language.
std::string translatedText(WarningSink* language, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
/// `translatedText` for a variadic caller's arguments.
std::string translatedTextV(WarningSink* language, const char* format, va_list args);

} // namespace glyph
