<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Game</name>
    <message>
        <source>Can&apos;t open %s for reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open %s for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write to %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrupted data in %s file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid %s file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is out of time!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Please Wait...

  %s is thinking  

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

  %s  PASED  


</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word %s is NOT in dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word %s doesn&apos;t exist in dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First word %s must have lenght &gt;= 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First word %s MUST be on central line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First word %s MUST be on central column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First word %s MUST traverse central square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %s lays no tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %s is not well formed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %s does not fit on the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %s does not cover the whole word on the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %s does not agree with the tiles on the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %s needs letters that are not in the rack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %s does not touch the tiles on the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t import %s: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s needs a board of at least %d x %d squares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s could not be read; the settings are the defaults until the next start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letter set has %d tiles: too few for %d players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t follow the links of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t replace %s, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary file beside %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t replace %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %d: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record is larger than 4 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record holds more than 20,000 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record names no player (no #player1 line)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is longer than 65,536 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line holds binary data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is neither a #pragma nor a &gt;player line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#character-encoding must be the first line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoding %s is neither UTF-8 nor ISO-8859-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown pragma #%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player %s is not a seat from 1 to %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player %s is not named by a #player line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the #player lines must number the players 1, 2, 3 ... in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a #player line after the first move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the #player line gives no nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s name is longer than 200 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the nickname %s holds a colon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two players have the nickname %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the &gt;player line has no colon after the nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a move before any #player line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no #player line names %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a &gt;player line holds a rack, a move, a score and a total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an exchange of %s tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tiles in parentheses are more than the racks hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tiles (%s) are not letters and ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a move reads neither as a play, -, --, -LETTERS, (challenge), (time) nor (TILES)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the square %s is neither 8D (across) nor D8 (down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the word is longer than 29 letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the word %s holds other characters than letters and .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rack %s holds more than 7 tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rack %s holds other characters than capitals and ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the score %s... is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the score %s is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the score %s is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a withdrawal (--) that follows no play of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the letter set has %d tiles: too few for %d players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record scores a pass %lld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record holds more than 2,000 turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game is already over by the rules (no tiles left to play, or too many passes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is the turn of %s, not of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record scores %lld, the rules %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record takes back %lld points, the move scored %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the move %s runs off the %d x %d board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the move has %c on %s, where the board holds %c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the move plays through %s, which is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the exchange gives up more tiles than the rack holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the exchange gives up %s, which the rack %s does not hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bag holds fewer than 7 tiles, so no exchange is allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record scores an exchange %lld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the exchange is refused by the rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end-of-game rack points while the game goes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record gives %lld points for the racks left, the rules %lld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rack %s of %s holds tiles that are neither in the bag nor free to take from a rack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s ends on %lld in the record, %d by the rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>script stopped: it ran longer than %d ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>script stopped: it used more than %d MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>script stopped: its turn was interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(output cut: a run prints at most %d MB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finalizers (__gc) are not available to profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weak tables (__mode) are not available to profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a metatable with a metatable of its own is not available to profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coroutine.close nested too deeply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s holds more than %s words: too many for a study list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovesListDialog</name>
    <message>
        <source>No. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lao</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>Select Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>word x %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letter x %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%c%d) %s
Free: %d (%.2f%%)
Ocupied: %d (%.2f%%)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIAIEditorWidget</name>
    <message>
        <source>AI Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIAboutDialog</name>
    <message>
        <source>About Glyphmosaic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;icense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIBagViewDialog</name>
    <message>
        <source>Bag View</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIConversionDialog</name>
    <message>
        <source>Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIDictionaryDialog</name>
    <message>
        <source>Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word to find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length between:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value between:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palindrom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;*&apos; mean 0 or more letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;?&apos; means one letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;/&apos; mean vowel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;\&apos; mean conson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;$&apos; mean value &gt; 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;&gt;&apos; mean value &gt; 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;1&apos; .. &apos;0&apos; mean value 1 .. 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;&amp;&apos; mean a valid word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced letters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional letters stock:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baned letters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From rack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every word the tiles make; ? is a joker (at most two)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rack plus one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words of all the tiles and one more letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most likely first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With hooks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;oad list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quiz...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIGameConfigurationWidget</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time(sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIGameOverDialog</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIHelpDialog</name>
    <message>
        <source>Glyphmosaic Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIJokerDialog</name>
    <message>
        <source>Joker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a letter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIMovesListDialog</name>
    <message>
        <source>Moves List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UINewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIPalindromDialog</name>
    <message>
        <source>Palindroms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIPanelWidget</name>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIPasChangeDialog</name>
    <message>
        <source>Pas / Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the letters for exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show table tooltip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Computer Rack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check words before playing (a refused move costs no turn)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tandard layout</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIQuizDialog</name>
    <message>
        <source>Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Anagrams:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type every anagram, separated by blanks, then press Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UIRackWidget</name>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pas/Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the rack&apos;s tiles in a random order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;lphabetize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the rack&apos;s tiles in letter order, jokers last</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UISpeedTestDialog</name>
    <message>
        <source>Speed Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UITipOfDayDialog</name>
    <message>
        <source>Tip of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show tip next time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UITopMovesDialog</name>
    <message>
        <source>Top Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::AIEditorWidget</name>
    <message>
        <source>CPU files (*.cpu)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save: a profile is Latin-1 text, which has no %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t test: a profile is Latin-1 text, which has no %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the profile&apos;s changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::BagViewDialog</name>
    <message>
        <source>No game in progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unseen by %1: %2 tiles (the bag and the other racks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vowels(%1) Consons(%2) Total(%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::BoardPainter</name>
    <message>
        <source>3W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2L</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::ConversionDialog</name>
    <message>
        <source>Informations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionary (*.dic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words number: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth: %d of %d (%c)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nodes: %d of %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: %02d:%02d  %d(nodes/sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion stopped: the dictionary was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion error: the dictionary was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create DAWG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for already sorted list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lexical sort...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute depth...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting hash...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compacting (%1%)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting hash (%1%)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion success. %1 lines of the list are no words of letters A to Z and were left out of the dictionary; the list keeps them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word list could not be reordered in place (it may be read-only): the dictionary was built from its words sorted in memory, and the list stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::DictionaryDialog</name>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionary - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nodes: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s Kb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing found: the length has no upper bound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing found: the value has no upper bound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters that make a word before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters that make a word after it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probability rank among the words of its length (1: the likeliest rack)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A rack is 1 to %1 letters, with at most %2 ? jokers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no words to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word lists (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find or load some words first: the quiz asks their anagrams.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::GameConfigurationWidget</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time(sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus: %dp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to clear the table?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game is in progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game has ended: its position cannot be changed any more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rack of %1 holds more than %2 tiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board and the racks hold more %1 tiles than the set has (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::GameOverDialog</name>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The winner is: %s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::GameSession</name>
    <message>
        <source>Please make a valid move first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer players stop after this turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile %1 failed; the computer played %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the game in progress?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no game to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The move was not played; its tiles are back on the rack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rack holds no %1 to lay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The square under the cursor is taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GCG game records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rules score these lines of the record otherwise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing here removes the %1 later moves of this game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::MainWindow</name>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table to BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move list to TXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Conversion...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palindrom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speed Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tip of day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left click on the piece to take back
   Right click on table to take back all moves
   Drag &amp; drop letters on the rack
   Double click on table to move
   Double click on table for next player
   Escape to intrerupt computer turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save *.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back &amp;tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
   Click a square or use the arrow keys to put the cursor there
   Type letters to lay tiles; Shift+letter or ? then a letter lays a joker
   Space or a second click switches across and down
   Backspace takes back the last tile, Ctrl+Backspace all of them
   Enter plays the move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game to GCG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Analyse game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::MovesListDialog</name>
    <message>
        <source>Game Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best by score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best by equity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equity lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not in dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 turns analysed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costly: %1 points, %2 equity given away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost per turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equity lost per turn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::NewGameDialog</name>
    <message>
        <source>Tabulo Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player%d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose 2 or more players</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::PalindromDialog</name>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::PanelWidget</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>==-NO MOVE-==</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::PreferencesDialog</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LetterX2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LetterX3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WordX2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WordX3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ocupied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motif Plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SGI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xLetter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xWord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles are already laid, so this game goes on on its board of %3 x %4. The board of %1 x %2 is used from the next game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::Prompter</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::QuizDialog</name>
    <message>
        <source>%1: found %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not anagrams: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 questions answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anagrams to find: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::RackWidget</name>
    <message>
        <source> rack</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::ScoreChart</name>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::SpeedTestDialog</name>
    <message>
        <source> Current %s words/s 
 Average %s words/s 
 %s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::TableWidget</name>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Must be on the table!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current position is ocupied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You move already here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::TopMovesDialog</name>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total time: %d msec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>glyph::exports</name>
    <message>
        <source>%1: %2 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t print to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Recomanded resolution is minimum 1024 x 768</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
