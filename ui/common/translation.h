#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

/// The program's one translator and the safe translation of printf formats.
namespace translation
{

/// Translation context of the texts that the core (rules, files, computer players) shows.
constexpr const char* kCoreContext = "Game";

/// The process-wide translator, created on first use; installed by `startup::applyLanguage`.
QTranslator& translator();

/// The printf conversions of a format in order ("%d", "%s", "%5.2f", ...); "%%" is none.
QStringList conversions(const QString& format);

/// The translation of a printf format in the context, or the format itself when the
/// translation is missing or its conversions differ from the format's (so that a damaged
/// translation file can never make the formatting read the wrong arguments).
QString translateFormat(const char* context, const char* format);

} // namespace translation
