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
    QT_TRANSLATE_NOOP("Game", "%s holds more than %s words: too many for a study list"),
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
    // Files that could not be read or written.
    QT_TRANSLATE_NOOP("Game", "cannot open %s"),
    QT_TRANSLATE_NOOP("Game", "%s is not a regular file"),
    QT_TRANSLATE_NOOP("Game", "%s is too large"),
    QT_TRANSLATE_NOOP("Game", "cannot read %s"),
    QT_TRANSLATE_NOOP("Game", "Can't follow the links of %s"),
    QT_TRANSLATE_NOOP("Game", "Can't replace %s, not a regular file"),
    QT_TRANSLATE_NOOP("Game", "Can't create a temporary file beside %s"),
    QT_TRANSLATE_NOOP("Game", "Can't write %s"),
    QT_TRANSLATE_NOOP("Game", "Can't replace %s"),
    // Game records (GCG) refused or scored otherwise.
    QT_TRANSLATE_NOOP("Game", "Line %d: %s"),
    QT_TRANSLATE_NOOP("Game", "(empty)"),
    QT_TRANSLATE_NOOP("Game", "the record is larger than 4 MB"),
    QT_TRANSLATE_NOOP("Game", "the record holds more than 20,000 lines"),
    QT_TRANSLATE_NOOP("Game", "the record names no player (no #player1 line)"),
    QT_TRANSLATE_NOOP("Game", "the line is longer than 65,536 characters"),
    QT_TRANSLATE_NOOP("Game", "the line holds binary data"),
    QT_TRANSLATE_NOOP("Game", "the line is not UTF-8 text"),
    QT_TRANSLATE_NOOP("Game", "the line is neither a #pragma nor a >player line"),
    QT_TRANSLATE_NOOP("Game", "#character-encoding must be the first line"),
    QT_TRANSLATE_NOOP("Game", "the encoding %s is neither UTF-8 nor ISO-8859-1"),
    QT_TRANSLATE_NOOP("Game", "unknown pragma #%s"),
    QT_TRANSLATE_NOOP("Game", "player %s is not a seat from 1 to %d"),
    QT_TRANSLATE_NOOP("Game", "player %s is not named by a #player line"),
    QT_TRANSLATE_NOOP("Game", "the #player lines must number the players 1, 2, 3 ... in order"),
    QT_TRANSLATE_NOOP("Game", "a #player line after the first move"),
    QT_TRANSLATE_NOOP("Game", "the #player line gives no nickname"),
    QT_TRANSLATE_NOOP("Game", "the player's name is longer than 200 characters"),
    QT_TRANSLATE_NOOP("Game", "the nickname %s holds a colon"),
    QT_TRANSLATE_NOOP("Game", "two players have the nickname %s"),
    QT_TRANSLATE_NOOP("Game", "the >player line has no colon after the nickname"),
    QT_TRANSLATE_NOOP("Game", "a move before any #player line"),
    QT_TRANSLATE_NOOP("Game", "no #player line names %s"),
    QT_TRANSLATE_NOOP("Game", "a >player line holds a rack, a move, a score and a total"),
    QT_TRANSLATE_NOOP("Game", "an exchange of %s tiles"),
    QT_TRANSLATE_NOOP("Game", "the tiles in parentheses are more than the racks hold"),
    QT_TRANSLATE_NOOP("Game", "the tiles (%s) are not letters and ?"),
    QT_TRANSLATE_NOOP("Game",
                      "a move reads neither as a play, -, --, -LETTERS, (challenge), (time) nor (TILES)"),
    QT_TRANSLATE_NOOP("Game", "the square %s is neither 8D (across) nor D8 (down)"),
    QT_TRANSLATE_NOOP("Game", "the word is longer than 29 letters"),
    QT_TRANSLATE_NOOP("Game", "the word %s holds other characters than letters and ."),
    QT_TRANSLATE_NOOP("Game", "the rack %s holds more than 7 tiles"),
    QT_TRANSLATE_NOOP("Game", "the rack %s holds other characters than capitals and ?"),
    QT_TRANSLATE_NOOP("Game", "the score %s... is out of range"),
    QT_TRANSLATE_NOOP("Game", "the score %s is not a whole number"),
    QT_TRANSLATE_NOOP("Game", "the score %s is out of range"),
    QT_TRANSLATE_NOOP("Game", "a withdrawal (--) that follows no play of %s"),
    QT_TRANSLATE_NOOP("Game", "the game could not start"),
    QT_TRANSLATE_NOOP("Game", "the letter set has %d tiles: too few for %d players"),
    QT_TRANSLATE_NOOP("Game", "the record scores a pass %lld"),
    QT_TRANSLATE_NOOP("Game", "the record holds more than 2,000 turns"),
    QT_TRANSLATE_NOOP("Game",
                      "the game is already over by the rules (no tiles left to play, or too many passes)"),
    QT_TRANSLATE_NOOP("Game", "it is the turn of %s, not of %s"),
    QT_TRANSLATE_NOOP("Game", "the record scores %lld, the rules %d"),
    QT_TRANSLATE_NOOP("Game", "the record takes back %lld points, the move scored %d"),
    QT_TRANSLATE_NOOP("Game", "the move %s runs off the %d x %d board"),
    QT_TRANSLATE_NOOP("Game", "the move has %c on %s, where the board holds %c"),
    QT_TRANSLATE_NOOP("Game", "the move plays through %s, which is empty"),
    QT_TRANSLATE_NOOP("Game", "the exchange gives up more tiles than the rack holds"),
    QT_TRANSLATE_NOOP("Game", "the exchange gives up %s, which the rack %s does not hold"),
    QT_TRANSLATE_NOOP("Game", "the bag holds fewer than 7 tiles, so no exchange is allowed"),
    QT_TRANSLATE_NOOP("Game", "the record scores an exchange %lld"),
    QT_TRANSLATE_NOOP("Game", "the exchange is refused by the rules"),
    QT_TRANSLATE_NOOP("Game", "end-of-game rack points while the game goes on"),
    QT_TRANSLATE_NOOP("Game", "the record gives %lld points for the racks left, the rules %lld"),
    QT_TRANSLATE_NOOP(
        "Game", "the rack %s of %s holds tiles that are neither in the bag nor free to take from a rack"),
    QT_TRANSLATE_NOOP("Game", "%s ends on %lld in the record, %d by the rules"),
    // Computer player scripts.
    QT_TRANSLATE_NOOP("Game", "Error: %s"),
    QT_TRANSLATE_NOOP("Game", "script stopped: it ran longer than %d ms"),
    QT_TRANSLATE_NOOP("Game", "script stopped: it used more than %d MB"),
    QT_TRANSLATE_NOOP("Game", "script stopped: its turn was interrupted"),
    QT_TRANSLATE_NOOP("Game", "(output cut: a run prints at most %d MB)"),
    QT_TRANSLATE_NOOP("Game", "finalizers (__gc) are not available to profiles"),
    QT_TRANSLATE_NOOP("Game", "weak tables (__mode) are not available to profiles"),
    QT_TRANSLATE_NOOP("Game", "a metatable with a metatable of its own is not available to profiles"),
    QT_TRANSLATE_NOOP("Game", "coroutine.close nested too deeply"),
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
