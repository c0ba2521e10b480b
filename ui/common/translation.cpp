#include "ui/common/translation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

namespace translation
{

QTranslator& translator()
{
    static QTranslator* const instance = new QTranslator(QCoreApplication::instance());
    return *instance;
}

QStringList conversions(const QString& format)
{
    static const QRegularExpression conversion(
        QStringLiteral("%%|%[-+ #0]*[0-9*]*(\\.[0-9*]+)?(hh|h|ll|l|z)?[a-zA-Z]"));
    QStringList found;
    for (auto match = conversion.globalMatch(format); match.hasNext();) {
        const QString text = match.next().captured();
        if (text != QStringLiteral("%%"))
            found.append(text);
    }
    return found;
}

QString translateFormat(const char* context, const char* format)
{
    const QString source = QString::fromUtf8(format);
    const QString translated = QCoreApplication::translate(context, format);
    return conversions(translated) == conversions(source) ? translated : source;
}

} // namespace translation
