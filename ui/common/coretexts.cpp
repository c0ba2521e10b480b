#include "ui/common/coretexts.h"

#include <QtGlobal>

namespace coretexts
{

namespace
{

const char* const kTexts[] = {
    // Files.
    QT_TRANSLATE_NOOP("Game", "Can't open %s for reading"),
    QT_TRANSLATE_NOOP("Game", "Can't open %s for writing"),
    QT_TRANSLATE_NOOP("Game", "Can't write to %s"),
    QT_TRANSLATE_NOOP("Game", "Can't import %s: %s"),
    QT_TRANSLATE_NOOP("Game", "%s needs a board of at least %d x %d squares"),
    QT_TRANSLATE_NOOP("Game", "The letter set has %d tiles: too few for %d players"),
    QT_TRANSLATE_NOOP("Game", "%s could not be read; the settings are the defaults until the next start"),
    QT_TRANSLATE_NOOP("Game", "Corrupted data in %s file"),
    QT_TRANSLATE_NOOP("Game", "Invalid %s file"),
    // Turns and clocks.
    QT_TRANSLATE_NOOP("Game", "%s is out of time!!!"),
    QT_TRANSLATE_NOOP("Game", "\nPlease Wait...\n\n  %s is thinking  \n\n"),
    QT_TRANSLATE_NOOP("Game", "\n\n  %s  PASED  \n\n\n"),
    // Moves refused.
    QT_TRANSLATE_NOOP("Game", "Word %s is NOT in dictionary"),
    QT_TRANSLATE_NOOP("Game", "Word %s doesn't exist in dictionary"),
    QT_TRANSLATE_NOOP("Game", "First word %s must have lenght >= 2"),
    QT_TRANSLATE_NOOP("Game", "First word %s MUST be on central line"),
    QT_TRANSLATE_NOOP("Game", "First word %s MUST be on central column"),
    QT_TRANSLATE_NOOP("Game", "First word %s MUST traverse central square"),
    QT_TRANSLATE_NOOP("Game", "Move %s lays no tile"),
    QT_TRANSLATE_NOOP("Game", "Move %s is not well formed"),
    QT_TRANSLATE_NOOP("Game", "Move %s does not fit on the board"),
    QT_TRANSLATE_NOOP("Game", "Move %s does not cover the whole word on the board"),
    QT_TRANSLATE_NOOP("Game", "Move %s does not agree with the tiles on the board"),
    QT_TRANSLATE_NOOP("Game", "Move %s needs letters that are not in the rack"),
    QT_TRANSLATE_NOOP("Game", "Move %s does not touch the tiles on the board"),
};

} // namespace

QStringList all()
{
    QStringList texts;
    for (const char* text : kTexts)
        texts.append(QString::fromUtf8(text));
    return texts;
}

} // namespace coretexts
