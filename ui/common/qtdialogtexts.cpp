#include "ui/common/qtdialogtexts.h"

#include <QtGlobal>

#include <cstddef>

namespace qtdialogtexts
{

namespace
{

// The contexts and sources must stay byte for byte those of Qt's sources (qcolordialog.cpp,
// qfontdialog.cpp, qfontdatabase.cpp, qplatformtheme.cpp), or Qt will not find them.

// The colour chooser.
const char* const kColourChooser[] = {
    QT_TRANSLATE_NOOP("QColorDialog", "Select Color"),
    QT_TRANSLATE_NOOP("QColorDialog", "&Basic colors"),
    QT_TRANSLATE_NOOP("QColorDialog", "&Custom colors"),
    QT_TRANSLATE_NOOP("QColorDialog", "&Add to Custom Colors"),
    QT_TRANSLATE_NOOP("QColorDialog", "&Pick Screen Color"),
    QT_TRANSLATE_NOOP("QColorDialog", "Cursor at %1, %2\nPress ESC to cancel"),
    QT_TRANSLATE_NOOP("QColorDialog", "Hu&e:"),
    QT_TRANSLATE_NOOP("QColorDialog", "&Sat:"),
    QT_TRANSLATE_NOOP("QColorDialog", "&Val:"),
    QT_TRANSLATE_NOOP("QColorDialog", "&Red:"),
    QT_TRANSLATE_NOOP("QColorDialog", "&Green:"),
    QT_TRANSLATE_NOOP("QColorDialog", "Bl&ue:"),
    QT_TRANSLATE_NOOP("QColorDialog", "A&lpha channel:"),
    QT_TRANSLATE_NOOP("QColorDialog", "&HTML:"),
};

// The font chooser.
const char* const kFontChooser[] = {
    QT_TRANSLATE_NOOP("QFontDialog", "Select Font"),     QT_TRANSLATE_NOOP("QFontDialog", "&Font"),
    QT_TRANSLATE_NOOP("QFontDialog", "Font st&yle"),     QT_TRANSLATE_NOOP("QFontDialog", "&Size"),
    QT_TRANSLATE_NOOP("QFontDialog", "Effects"),         QT_TRANSLATE_NOOP("QFontDialog", "Stri&keout"),
    QT_TRANSLATE_NOOP("QFontDialog", "&Underline"),      QT_TRANSLATE_NOOP("QFontDialog", "Sample"),
    QT_TRANSLATE_NOOP("QFontDialog", "Wr&iting System"),
};

// The font chooser's writing systems, and the styles of fonts that name none themselves.
const char* const kFontNames[] = {
    QT_TRANSLATE_NOOP("QFontDatabase", "Any"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Latin"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Greek"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Cyrillic"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Armenian"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Hebrew"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Arabic"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Syriac"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Thaana"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Devanagari"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Bengali"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Gurmukhi"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Gujarati"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Oriya"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Tamil"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Telugu"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Kannada"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Malayalam"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Sinhala"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Thai"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Lao"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Tibetan"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Myanmar"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Georgian"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Khmer"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Simplified Chinese"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Traditional Chinese"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Japanese"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Korean"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Vietnamese"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Symbol"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Ogham"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Runic"),
    QT_TRANSLATE_NOOP("QFontDatabase", "N'Ko"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Normal"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Thin"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Extra Light"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Light"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Medium"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Demi Bold"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Bold"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Extra Bold"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Black"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Italic"),
    QT_TRANSLATE_NOOP("QFontDatabase", "Oblique"),
};

// The buttons of both.
const char* const kButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
};

template <std::size_t count>
void append(QList<QPair<QString, QString>>& texts, const char* context, const char* const (&sources)[count])
{
    for (const char* source : sources)
        texts.append({QString::fromUtf8(context), QString::fromUtf8(source)});
}

} // namespace

QList<QPair<QString, QString>> all()
{
    QList<QPair<QString, QString>> texts;
    append(texts, "QColorDialog", kColourChooser);
    append(texts, "QFontDialog", kFontChooser);
    append(texts, "QFontDatabase", kFontNames);
    append(texts, "QPlatformTheme", kButtons);
    return texts;
}

} // namespace qtdialogtexts
