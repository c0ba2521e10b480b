<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="en">
<context>
    <name>Game</name>
    <message>
        <source>Can&apos;t open %s for reading</source>
        <translation>Nu pot deschide %s pentru citire</translation>
    </message>
    <message>
        <source>Can&apos;t open %s for writing</source>
        <translation>Nu pot deschide %s pentru scriere</translation>
    </message>
    <message>
        <source>Can&apos;t write to %s</source>
        <translation>Nu pot scrie în %s</translation>
    </message>
    <message>
        <source>Corrupted data in %s file</source>
        <translation>Date deteriorate în fișierul %s</translation>
    </message>
    <message>
        <source>Invalid %s file</source>
        <translation>Fișierul %s nu este valid</translation>
    </message>
    <message>
        <source>%s is out of time!!!</source>
        <translation>%s a rămas fără timp!!!</translation>
    </message>
    <message>
        <source>
Please Wait...

  %s is thinking  

</source>
        <translation>
Vă rugăm așteptați...

  %s se gândește  

</translation>
    </message>
    <message>
        <source>

  %s  PASED  


</source>
        <translation>

  %s  A PASAT  


</translation>
    </message>
    <message>
        <source>Word %s is NOT in dictionary</source>
        <translation>Cuvântul %s NU este în dicționar</translation>
    </message>
    <message>
        <source>Word %s doesn&apos;t exist in dictionary</source>
        <translation>Cuvântul %s nu există în dicționar</translation>
    </message>
    <message>
        <source>First word %s must have lenght &gt;= 2</source>
        <translation>Primul cuvânt, %s, trebuie să aibă cel puțin 2 litere</translation>
    </message>
    <message>
        <source>First word %s MUST be on central line</source>
        <translation>Primul cuvânt, %s, TREBUIE să fie pe linia centrală</translation>
    </message>
    <message>
        <source>First word %s MUST be on central column</source>
        <translation>Primul cuvânt, %s, TREBUIE să fie pe coloana centrală</translation>
    </message>
    <message>
        <source>First word %s MUST traverse central square</source>
        <translation>Primul cuvânt, %s, TREBUIE să treacă prin pătratul central</translation>
    </message>
    <message>
        <source>Move %s lays no tile</source>
        <translation>Mutarea %s nu pune nicio piesă</translation>
    </message>
    <message>
        <source>Move %s is not well formed</source>
        <translation>Mutarea %s nu este bine formată</translation>
    </message>
    <message>
        <source>Move %s does not fit on the board</source>
        <translation>Mutarea %s nu încape pe tablă</translation>
    </message>
    <message>
        <source>Move %s does not cover the whole word on the board</source>
        <translation>Mutarea %s nu acoperă tot cuvântul de pe tablă</translation>
    </message>
    <message>
        <source>Move %s does not agree with the tiles on the board</source>
        <translation>Mutarea %s nu se potrivește cu piesele de pe tablă</translation>
    </message>
    <message>
        <source>Move %s needs letters that are not in the rack</source>
        <translation>Mutarea %s cere litere care nu sunt pe suport</translation>
    </message>
    <message>
        <source>Move %s does not touch the tiles on the board</source>
        <translation>Mutarea %s nu atinge piesele de pe tablă</translation>
    </message>
    <message>
        <source>Can&apos;t import %s: %s</source>
        <translation>Nu pot importa %s: %s</translation>
    </message>
    <message>
        <source>%s needs a board of at least %d x %d squares</source>
        <translation>%s are nevoie de o tablă de cel puțin %d x %d pătrate</translation>
    </message>
    <message>
        <source>%s could not be read; the settings are the defaults until the next start</source>
        <translation>%s nu a putut fi citit; setările sunt cele implicite până la următoarea pornire</translation>
    </message>
    <message>
        <source>The letter set has %d tiles: too few for %d players</source>
        <translation>Setul de litere are %d piese: prea puține pentru %d jucători</translation>
    </message>
    <message>
        <source>cannot open %s</source>
        <translation>nu pot deschide %s</translation>
    </message>
    <message>
        <source>%s is not a regular file</source>
        <translation>%s nu este un fișier obișnuit</translation>
    </message>
    <message>
        <source>%s is too large</source>
        <translation>%s este prea mare</translation>
    </message>
    <message>
        <source>cannot read %s</source>
        <translation>nu pot citi %s</translation>
    </message>
    <message>
        <source>Can&apos;t follow the links of %s</source>
        <translation>Nu pot urma legăturile lui %s</translation>
    </message>
    <message>
        <source>Can&apos;t replace %s, not a regular file</source>
        <translation>Nu pot înlocui %s, nu este un fișier obișnuit</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary file beside %s</source>
        <translation>Nu pot crea un fișier temporar lângă %s</translation>
    </message>
    <message>
        <source>Can&apos;t write %s</source>
        <translation>Nu pot scrie %s</translation>
    </message>
    <message>
        <source>Can&apos;t replace %s</source>
        <translation>Nu pot înlocui %s</translation>
    </message>
    <message>
        <source>Line %d: %s</source>
        <translation>Rândul %d: %s</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(gol)</translation>
    </message>
    <message>
        <source>the record is larger than 4 MB</source>
        <translation>înregistrarea are mai mult de 4 MB</translation>
    </message>
    <message>
        <source>the record holds more than 20,000 lines</source>
        <translation>înregistrarea are mai mult de 20.000 de rânduri</translation>
    </message>
    <message>
        <source>the record names no player (no #player1 line)</source>
        <translation>înregistrarea nu numește niciun jucător (lipsește rândul #player1)</translation>
    </message>
    <message>
        <source>the line is longer than 65,536 characters</source>
        <translation>rândul are mai mult de 65.536 de caractere</translation>
    </message>
    <message>
        <source>the line holds binary data</source>
        <translation>rândul conține date binare</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text</source>
        <translation>rândul nu este text UTF-8</translation>
    </message>
    <message>
        <source>the line is neither a #pragma nor a &gt;player line</source>
        <translation>rândul nu este nici #pragma, nici &gt;jucător</translation>
    </message>
    <message>
        <source>#character-encoding must be the first line</source>
        <translation>#character-encoding trebuie să fie primul rând</translation>
    </message>
    <message>
        <source>the encoding %s is neither UTF-8 nor ISO-8859-1</source>
        <translation>codificarea %s nu este nici UTF-8, nici ISO-8859-1</translation>
    </message>
    <message>
        <source>unknown pragma #%s</source>
        <translation>pragma necunoscută #%s</translation>
    </message>
    <message>
        <source>player %s is not a seat from 1 to %d</source>
        <translation>jucătorul %s nu este un loc de la 1 la %d</translation>
    </message>
    <message>
        <source>player %s is not named by a #player line</source>
        <translation>jucătorul %s nu este numit de un rând #player</translation>
    </message>
    <message>
        <source>the #player lines must number the players 1, 2, 3 ... in order</source>
        <translation>rândurile #player trebuie să numeroteze jucătorii 1, 2, 3 ... în ordine</translation>
    </message>
    <message>
        <source>a #player line after the first move</source>
        <translation>un rând #player după prima mutare</translation>
    </message>
    <message>
        <source>the #player line gives no nickname</source>
        <translation>rândul #player nu dă nicio poreclă</translation>
    </message>
    <message>
        <source>the player&apos;s name is longer than 200 characters</source>
        <translation>numele jucătorului are mai mult de 200 de caractere</translation>
    </message>
    <message>
        <source>the nickname %s holds a colon</source>
        <translation>porecla %s conține două puncte</translation>
    </message>
    <message>
        <source>two players have the nickname %s</source>
        <translation>doi jucători au porecla %s</translation>
    </message>
    <message>
        <source>the &gt;player line has no colon after the nickname</source>
        <translation>rândul &gt;jucător nu are două puncte după poreclă</translation>
    </message>
    <message>
        <source>a move before any #player line</source>
        <translation>o mutare înaintea oricărui rând #player</translation>
    </message>
    <message>
        <source>no #player line names %s</source>
        <translation>niciun rând #player nu îl numește pe %s</translation>
    </message>
    <message>
        <source>a &gt;player line holds a rack, a move, a score and a total</source>
        <translation>un rând &gt;jucător conține un suport, o mutare, un punctaj și un total</translation>
    </message>
    <message>
        <source>an exchange of %s tiles</source>
        <translation>un schimb de %s piese</translation>
    </message>
    <message>
        <source>the tiles in parentheses are more than the racks hold</source>
        <translation>piesele din paranteze sunt mai multe decât încap pe suporturi</translation>
    </message>
    <message>
        <source>the tiles (%s) are not letters and ?</source>
        <translation>piesele (%s) nu sunt litere și ?</translation>
    </message>
    <message>
        <source>a move reads neither as a play, -, --, -LETTERS, (challenge), (time) nor (TILES)</source>
        <translation>o mutare nu se citește nici ca joc, nici ca -, --, -LITERE, (challenge), (time) sau (PIESE)</translation>
    </message>
    <message>
        <source>the square %s is neither 8D (across) nor D8 (down)</source>
        <translation>pătratul %s nu este nici 8D (orizontal), nici D8 (vertical)</translation>
    </message>
    <message>
        <source>the word is longer than 29 letters</source>
        <translation>cuvântul are mai mult de 29 de litere</translation>
    </message>
    <message>
        <source>the word %s holds other characters than letters and .</source>
        <translation>cuvântul %s conține alte caractere decât litere și .</translation>
    </message>
    <message>
        <source>the rack %s holds more than 7 tiles</source>
        <translation>suportul %s are mai mult de 7 piese</translation>
    </message>
    <message>
        <source>the rack %s holds other characters than capitals and ?</source>
        <translation>suportul %s conține alte caractere decât majuscule și ?</translation>
    </message>
    <message>
        <source>the score %s... is out of range</source>
        <translation>punctajul %s... este în afara limitelor</translation>
    </message>
    <message>
        <source>the score %s is not a whole number</source>
        <translation>punctajul %s nu este un număr întreg</translation>
    </message>
    <message>
        <source>the score %s is out of range</source>
        <translation>punctajul %s este în afara limitelor</translation>
    </message>
    <message>
        <source>a withdrawal (--) that follows no play of %s</source>
        <translation>o retragere (--) care nu urmează unei mutări a lui %s</translation>
    </message>
    <message>
        <source>the game could not start</source>
        <translation>jocul nu a putut începe</translation>
    </message>
    <message>
        <source>the letter set has %d tiles: too few for %d players</source>
        <translation>setul de litere are %d piese: prea puține pentru %d jucători</translation>
    </message>
    <message>
        <source>the record scores a pass %lld</source>
        <translation>înregistrarea punctează o trecere cu %lld</translation>
    </message>
    <message>
        <source>the record holds more than 2,000 turns</source>
        <translation>înregistrarea are mai mult de 2.000 de ture</translation>
    </message>
    <message>
        <source>the game is already over by the rules (no tiles left to play, or too many passes)</source>
        <translation>jocul s-a terminat deja după reguli (nu mai sunt piese de jucat sau s-a trecut de prea multe ori)</translation>
    </message>
    <message>
        <source>it is the turn of %s, not of %s</source>
        <translation>este rândul lui %s, nu al lui %s</translation>
    </message>
    <message>
        <source>the record scores %lld, the rules %d</source>
        <translation>înregistrarea punctează %lld, regulile %d</translation>
    </message>
    <message>
        <source>the record takes back %lld points, the move scored %d</source>
        <translation>înregistrarea retrage %lld puncte, mutarea a obținut %d</translation>
    </message>
    <message>
        <source>the move %s runs off the %d x %d board</source>
        <translation>mutarea %s iese de pe tabla de %d x %d</translation>
    </message>
    <message>
        <source>the move has %c on %s, where the board holds %c</source>
        <translation>mutarea are %c pe %s, unde tabla are %c</translation>
    </message>
    <message>
        <source>the move plays through %s, which is empty</source>
        <translation>mutarea trece prin %s, care este gol</translation>
    </message>
    <message>
        <source>the exchange gives up more tiles than the rack holds</source>
        <translation>schimbul dă mai multe piese decât are suportul</translation>
    </message>
    <message>
        <source>the exchange gives up %s, which the rack %s does not hold</source>
        <translation>schimbul dă %s, pe care suportul %s nu le are</translation>
    </message>
    <message>
        <source>the bag holds fewer than 7 tiles, so no exchange is allowed</source>
        <translation>în sac sunt mai puțin de 7 piese, deci schimbul nu este permis</translation>
    </message>
    <message>
        <source>the record scores an exchange %lld</source>
        <translation>înregistrarea punctează un schimb cu %lld</translation>
    </message>
    <message>
        <source>the exchange is refused by the rules</source>
        <translation>schimbul este refuzat de reguli</translation>
    </message>
    <message>
        <source>end-of-game rack points while the game goes on</source>
        <translation>puncte de suport de sfârșit de joc în timp ce jocul continuă</translation>
    </message>
    <message>
        <source>the record gives %lld points for the racks left, the rules %lld</source>
        <translation>înregistrarea dă %lld puncte pentru suporturile rămase, regulile %lld</translation>
    </message>
    <message>
        <source>the rack %s of %s holds tiles that are neither in the bag nor free to take from a rack</source>
        <translation>suportul %s al lui %s are piese care nu sunt nici în sac, nici libere de luat de pe un suport</translation>
    </message>
    <message>
        <source>%s ends on %lld in the record, %d by the rules</source>
        <translation>%s termină cu %lld în înregistrare, %d după reguli</translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation>Eroare: %s</translation>
    </message>
    <message>
        <source>script stopped: it ran longer than %d ms</source>
        <translation>script oprit: a rulat mai mult de %d ms</translation>
    </message>
    <message>
        <source>script stopped: it used more than %d MB</source>
        <translation>script oprit: a folosit mai mult de %d MB</translation>
    </message>
    <message>
        <source>script stopped: its turn was interrupted</source>
        <translation>script oprit: tura i-a fost întreruptă</translation>
    </message>
    <message>
        <source>(output cut: a run prints at most %d MB)</source>
        <translation>(ieșire tăiată: o rulare afișează cel mult %d MB)</translation>
    </message>
    <message>
        <source>finalizers (__gc) are not available to profiles</source>
        <translation>finalizatorii (__gc) nu sunt disponibili profilurilor</translation>
    </message>
    <message>
        <source>weak tables (__mode) are not available to profiles</source>
        <translation>tabelele slabe (__mode) nu sunt disponibile profilurilor</translation>
    </message>
    <message>
        <source>a metatable with a metatable of its own is not available to profiles</source>
        <translation>o metatabelă cu propria ei metatabelă nu este disponibilă profilurilor</translation>
    </message>
    <message>
        <source>coroutine.close nested too deeply</source>
        <translation>coroutine.close imbricat prea adânc</translation>
    </message>
    <message>
        <source>%s holds more than %s words: too many for a study list</source>
        <translation>%s conține mai mult de %s cuvinte: prea multe pentru o listă de studiu</translation>
    </message>
</context>
<context>
    <name>MovesListDialog</name>
    <message>
        <source>No. </source>
        <translation>Nr. </translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>Save As</source>
        <translation>Salvare ca</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Caută în:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nume fișier:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fișiere de tipul:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Alegeți culoarea</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>Culori de &amp;bază</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>&amp;Culori personalizate</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>&amp;Adăugați la culorile personalizate</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>&amp;Preluați culoarea de pe ecran</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Cursorul la %1, %2
Apăsați ESC pentru a renunța</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>&amp;Nuanță:</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>&amp;Saturație:</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>&amp;Valoare:</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Roșu:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>V&amp;erde:</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>Albas&amp;tru:</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>Canal a&amp;lfa:</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Any</source>
        <translation>Oricare</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latină</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greacă</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Chirilică</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armeană</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Ebraică</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabă</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Siriacă</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>Thaana</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>Devanagari</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengaleză</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmukhi</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Gujarati</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Oriya</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamilă</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kannada</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malayalam</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Singaleză</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailandeză</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Laoțiană</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetană</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Birmană</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgiană</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Khmeră</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chineză simplificată</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chineză tradițională</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoneză</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreeană</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnameză</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simboluri</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>Ogham</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>Runică</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>N&apos;Ko</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Obișnuit</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Foarte subțire</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>Extra subțire</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Subțire</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediu</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <translation>Semialdin</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Aldin</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>Extra aldin</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negru</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiv</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Oblic</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>Select Font</source>
        <translation>Alegeți fontul</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Familie</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>S&amp;til</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Mărime</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efecte</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>T&amp;ăiat</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>S&amp;ubliniat</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Exemplu</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>Sistem de scr&amp;iere</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>word x %d</source>
        <translation>cuvânt x %d</translation>
    </message>
    <message>
        <source>letter x %d</source>
        <translation>literă x %d</translation>
    </message>
    <message>
        <source>(%c%d) %s
Free: %d (%.2f%%)
Ocupied: %d (%.2f%%)</source>
        <translation>(%c%d) %s
Libere: %d (%.2f%%)
Ocupate: %d (%.2f%%)</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
</context>
<context>
    <name>UIAIEditorWidget</name>
    <message>
        <source>AI Editor</source>
        <translation>Editor IA</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>Fișierul curent:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Răsfoiește</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nou</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>&amp;Clear output</source>
        <translation>&amp;Golește ieșirea</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testează</translation>
    </message>
</context>
<context>
    <name>UIAboutDialog</name>
    <message>
        <source>About Glyphmosaic</source>
        <translation>Despre Glyphmosaic</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>L&amp;icense</source>
        <translation>L&amp;icență</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>UIBagViewDialog</name>
    <message>
        <source>Bag View</source>
        <translation>Conținutul sacului</translation>
    </message>
</context>
<context>
    <name>UIConversionDialog</name>
    <message>
        <source>Conversion</source>
        <translation>Conversie</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Sursa:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Răsfoiește</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destinația:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Pornește</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Oprește</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
</context>
<context>
    <name>UIDictionaryDialog</name>
    <message>
        <source>Dictionary</source>
        <translation>Dicționar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Caută</translation>
    </message>
    <message>
        <source>Word to find:</source>
        <translation>Cuvântul căutat:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Afișează:</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Simple search</source>
        <translation>Căutare simplă</translation>
    </message>
    <message>
        <source>Advanced search</source>
        <translation>Căutare avansată</translation>
    </message>
    <message>
        <source>Anagram</source>
        <translation>Anagramă</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Avansat</translation>
    </message>
    <message>
        <source>Length between:</source>
        <translation>Lungimea între:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>și</translation>
    </message>
    <message>
        <source>Value between:</source>
        <translation>Valoarea între:</translation>
    </message>
    <message>
        <source>Palindrom</source>
        <translation>Palindrom</translation>
    </message>
    <message>
        <source>&apos;*&apos; mean 0 or more letters</source>
        <translation>&apos;*&apos; înseamnă 0 sau mai multe litere</translation>
    </message>
    <message>
        <source>&apos;?&apos; means one letter</source>
        <translation>&apos;?&apos; înseamnă o literă</translation>
    </message>
    <message>
        <source>&apos;/&apos; mean vowel</source>
        <translation>&apos;/&apos; înseamnă vocală</translation>
    </message>
    <message>
        <source>&apos;\&apos; mean conson</source>
        <translation>&apos;\&apos; înseamnă consoană</translation>
    </message>
    <message>
        <source>&apos;$&apos; mean value &gt; 3</source>
        <translation>&apos;$&apos; înseamnă valoare &gt; 3</translation>
    </message>
    <message>
        <source>&apos;&gt;&apos; mean value &gt; 7</source>
        <translation>&apos;&gt;&apos; înseamnă valoare &gt; 7</translation>
    </message>
    <message>
        <source>&apos;1&apos; .. &apos;0&apos; mean value 1 .. 10</source>
        <translation>&apos;1&apos; .. &apos;0&apos; înseamnă valoarea 1 .. 10</translation>
    </message>
    <message>
        <source>&apos;&amp;&apos; mean a valid word</source>
        <translation>&apos;&amp;&apos; înseamnă un cuvânt valid</translation>
    </message>
    <message>
        <source>Forced letters:</source>
        <translation>Litere obligatorii:</translation>
    </message>
    <message>
        <source>Optional letters stock:</source>
        <translation>Stoc de litere opționale:</translation>
    </message>
    <message>
        <source>Baned letters:</source>
        <translation>Litere interzise:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editare</translation>
    </message>
    <message>
        <source>Add words</source>
        <translation>Adaugă cuvinte</translation>
    </message>
    <message>
        <source>Delete words</source>
        <translation>Șterge cuvinte</translation>
    </message>
    <message>
        <source>&amp;Clear list</source>
        <translation>&amp;Golește lista</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistici</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Oprește</translation>
    </message>
    <message>
        <source>From rack</source>
        <translation>Din suport</translation>
    </message>
    <message>
        <source>Every word the tiles make; ? is a joker (at most two)</source>
        <translation>Toate cuvintele pe care le formează piesele; ? este un joker (cel mult doi)</translation>
    </message>
    <message>
        <source>Rack plus one</source>
        <translation>Suport plus una</translation>
    </message>
    <message>
        <source>The words of all the tiles and one more letter</source>
        <translation>Cuvintele din toate piesele și încă o literă</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Ordine:</translation>
    </message>
    <message>
        <source>Natural</source>
        <translation>Firească</translation>
    </message>
    <message>
        <source>Most likely first</source>
        <translation>Cele mai probabile întâi</translation>
    </message>
    <message>
        <source>Sa&amp;ve list...</source>
        <translation>Sal&amp;vează lista...</translation>
    </message>
    <message>
        <source>With hooks</source>
        <translation>Cu cârlige</translation>
    </message>
    <message>
        <source>L&amp;oad list...</source>
        <translation>Î&amp;ncarcă lista...</translation>
    </message>
    <message>
        <source>&amp;Quiz...</source>
        <translation>&amp;Test...</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>A&amp;plică</translation>
    </message>
</context>
<context>
    <name>UIGameConfigurationWidget</name>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Litere</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scor</translation>
    </message>
    <message>
        <source>Time(sec)</source>
        <translation>Timp (sec)</translation>
    </message>
    <message>
        <source>Player Type</source>
        <translation>Tip jucător</translation>
    </message>
    <message>
        <source>&amp;Clear Table</source>
        <translation>&amp;Golește tabla</translation>
    </message>
    <message>
        <source>&amp;Restore Table</source>
        <translation>&amp;Refă tabla</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplică</translation>
    </message>
</context>
<context>
    <name>UIGameOverDialog</name>
    <message>
        <source>Game Over</source>
        <translation>Joc terminat</translation>
    </message>
</context>
<context>
    <name>UIHelpDialog</name>
    <message>
        <source>Glyphmosaic Help</source>
        <translation>Ajutor Glyphmosaic</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Îna&amp;poi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
</context>
<context>
    <name>UIJokerDialog</name>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Select a letter:</source>
        <translation>Alegeți o literă:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
</context>
<context>
    <name>UIMovesListDialog</name>
    <message>
        <source>Moves List</source>
        <translation>Lista mutărilor</translation>
    </message>
    <message>
        <source>&amp;Go to move</source>
        <translation>&amp;Mergi la mutare</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Oprește</translation>
    </message>
</context>
<context>
    <name>UINewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation>Joc nou</translation>
    </message>
    <message>
        <source>Game Type:</source>
        <translation>Tipul jocului:</translation>
    </message>
    <message>
        <source>Letters set:</source>
        <translation>Setul de litere:</translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation>Dicționar:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Timp:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Players Number:</source>
        <translation>Număr de jucători:</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplică</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Random Start</source>
        <translation>Început aleator</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Renunță</translation>
    </message>
</context>
<context>
    <name>UIPalindromDialog</name>
    <message>
        <source>Palindroms</source>
        <translation>Palindroame</translation>
    </message>
    <message>
        <source>&amp;Copy to clipboard</source>
        <translation>&amp;Copiază în clipboard</translation>
    </message>
</context>
<context>
    <name>UIPanelWidget</name>
    <message>
        <source>Player</source>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Scor:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Timp:</translation>
    </message>
    <message>
        <source>Bag:</source>
        <translation>Sac:</translation>
    </message>
    <message>
        <source>Round:</source>
        <translation>Runda:</translation>
    </message>
    <message>
        <source>Current Move</source>
        <translation>Mutarea curentă</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scor</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Timp</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>UIPasChangeDialog</name>
    <message>
        <source>Pas / Change</source>
        <translation>Pas / Schimb</translation>
    </message>
    <message>
        <source>Check the letters for exchange</source>
        <translation>Bifați literele de schimbat</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Renunță</translation>
    </message>
</context>
<context>
    <name>UIPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferințe</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limba</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Show table tooltip</source>
        <translation>Arată indicii pe tablă</translation>
    </message>
    <message>
        <source>Show Computer Rack</source>
        <translation>Arată suportul calculatorului</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <translation>&amp;Fonturi</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Culori</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabla</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linii</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Coloane</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Setează</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplică</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Renunță</translation>
    </message>
    <message>
        <source>Check words before playing (a refused move costs no turn)</source>
        <translation>Verifică cuvintele înainte de mutare (o mutare refuzată nu costă tura)</translation>
    </message>
    <message>
        <source>S&amp;tandard layout</source>
        <translation>Aranjament s&amp;tandard</translation>
    </message>
</context>
<context>
    <name>UIQuizDialog</name>
    <message>
        <source>Quiz</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>&amp;Anagrams:</source>
        <translation>&amp;Anagrame:</translation>
    </message>
    <message>
        <source>Type every anagram, separated by blanks, then press Return</source>
        <translation>Scrieți fiecare anagramă, despărțite prin spații, apoi apăsați Enter</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Verifică</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
</context>
<context>
    <name>UIRackWidget</name>
    <message>
        <source>Player</source>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mută</translation>
    </message>
    <message>
        <source>&amp;Pas/Change</source>
        <translation>&amp;Pas/Schimb</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>Ameste&amp;că</translation>
    </message>
    <message>
        <source>Put the rack&apos;s tiles in a random order</source>
        <translation>Pune piesele din suport într-o ordine aleatoare</translation>
    </message>
    <message>
        <source>A&amp;lphabetize</source>
        <translation>Alfa&amp;betic</translation>
    </message>
    <message>
        <source>Put the rack&apos;s tiles in letter order, jokers last</source>
        <translation>Pune piesele din suport în ordinea literelor, jokerii la urmă</translation>
    </message>
</context>
<context>
    <name>UISpeedTestDialog</name>
    <message>
        <source>Speed Test</source>
        <translation>Test de viteză</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
</context>
<context>
    <name>UITipOfDayDialog</name>
    <message>
        <source>Tip of the day</source>
        <translation>Sfatul zilei</translation>
    </message>
    <message>
        <source>Show tip next time</source>
        <translation>Arată un sfat data viitoare</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Următorul</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
</context>
<context>
    <name>UITopMovesDialog</name>
    <message>
        <source>Top Moves</source>
        <translation>Mutări de top</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Afișează:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
    <message>
        <source>&amp;Place</source>
        <translation>&amp;Pune</translation>
    </message>
</context>
<context>
    <name>glyph::AIEditorWidget</name>
    <message>
        <source>CPU files (*.cpu)
</source>
        <translation>Fișiere CPU (*.cpu)
</translation>
    </message>
    <message>
        <source>Can&apos;t open %s</source>
        <translation>Nu pot deschide %s</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Toate fișierele (*.*)</translation>
    </message>
    <message>
        <source>Can&apos;t save %s</source>
        <translation>Nu pot salva %s</translation>
    </message>
    <message>
        <source>Can&apos;t save: a profile is Latin-1 text, which has no %s</source>
        <translation>Nu pot salva: un profil este text Latin-1, în care nu există %s</translation>
    </message>
    <message>
        <source>Can&apos;t test: a profile is Latin-1 text, which has no %s</source>
        <translation>Nu pot testa: un profil este text Latin-1, în care nu există %s</translation>
    </message>
    <message>
        <source>Save the profile&apos;s changes?</source>
        <translation>Salvați modificările profilului?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Nu salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Renunță</translation>
    </message>
</context>
<context>
    <name>glyph::BagViewDialog</name>
    <message>
        <source>No game in progress.</source>
        <translation>Niciun joc în desfășurare.</translation>
    </message>
    <message>
        <source>Unseen by %1: %2 tiles (the bag and the other racks)</source>
        <translation>Nevăzute de %1: %2 piese (sacul și celelalte suporturi)</translation>
    </message>
    <message>
        <source>Vowels(%1) Consons(%2) Total(%3)</source>
        <translation>Vocale(%1) Consoane(%2) Total(%3)</translation>
    </message>
</context>
<context>
    <name>glyph::BoardPainter</name>
    <message>
        <source>3W</source>
        <translation>3C</translation>
    </message>
    <message>
        <source>2W</source>
        <translation>2C</translation>
    </message>
    <message>
        <source>3L</source>
        <translation>3L</translation>
    </message>
    <message>
        <source>2L</source>
        <translation>2L</translation>
    </message>
</context>
<context>
    <name>glyph::ConversionDialog</name>
    <message>
        <source>Informations</source>
        <translation>Informații</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Dictionary (*.dic)</source>
        <translation>Dicționar (*.dic)</translation>
    </message>
    <message>
        <source>Words number: %d</source>
        <translation>Număr de cuvinte: %d</translation>
    </message>
    <message>
        <source>Depth: %d of %d (%c)</source>
        <translation>Adâncime: %d din %d (%c)</translation>
    </message>
    <message>
        <source>Nodes: %d of %d</source>
        <translation>Noduri: %d din %d</translation>
    </message>
    <message>
        <source>Time: %02d:%02d  %d(nodes/sec)</source>
        <translation>Timp: %02d:%02d  %d(noduri/sec)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Conversion success</source>
        <translation>Conversie reușită</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Oprită</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Eșuată</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>Conversion stopped: the dictionary was not changed.</source>
        <translation>Conversie oprită: dicționarul nu a fost schimbat.</translation>
    </message>
    <message>
        <source>Conversion error: the dictionary was not changed.</source>
        <translation>Eroare de conversie: dicționarul nu a fost schimbat.</translation>
    </message>
    <message>
        <source>Create DAWG...</source>
        <translation>Creare DAWG...</translation>
    </message>
    <message>
        <source>Checking for already sorted list...</source>
        <translation>Se verifică dacă lista e deja sortată...</translation>
    </message>
    <message>
        <source>Lexical sort...</source>
        <translation>Sortare lexicală...</translation>
    </message>
    <message>
        <source>Compute depth...</source>
        <translation>Calcul adâncime...</translation>
    </message>
    <message>
        <source>Sorting hash...</source>
        <translation>Sortare hash...</translation>
    </message>
    <message>
        <source>Writing to file...</source>
        <translation>Scriere în fișier...</translation>
    </message>
    <message>
        <source>Compacting (%1%)...</source>
        <translation>Compactare (%1%)...</translation>
    </message>
    <message>
        <source>Sorting hash (%1%)...</source>
        <translation>Sortare hash (%1%)...</translation>
    </message>
    <message>
        <source>Conversion success. %1 lines of the list are no words of letters A to Z and were left out of the dictionary; the list keeps them.</source>
        <translation>Conversie reușită. %1 rânduri ale listei nu sunt cuvinte din literele A-Z și au fost lăsate în afara dicționarului; lista le păstrează.</translation>
    </message>
    <message>
        <source>The word list could not be reordered in place (it may be read-only): the dictionary was built from its words sorted in memory, and the list stays as it was.</source>
        <translation>Lista de cuvinte nu a putut fi reordonată pe loc (poate fi doar pentru citire): dicționarul a fost construit din cuvintele ei sortate în memorie, iar lista a rămas așa cum era.</translation>
    </message>
</context>
<context>
    <name>glyph::DictionaryDialog</name>
    <message>
        <source>Word</source>
        <translation>Cuvânt</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scor</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lungime</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dictionary - </source>
        <translation>Dicționar - </translation>
    </message>
    <message>
        <source>File name: </source>
        <translation>Fișier: </translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Autor: </translation>
    </message>
    <message>
        <source>Words: </source>
        <translation>Cuvinte: </translation>
    </message>
    <message>
        <source>Nodes: </source>
        <translation>Noduri: </translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Mărime: </translation>
    </message>
    <message>
        <source>%s Kb</source>
        <translation>%s Kb</translation>
    </message>
    <message>
        <source>Not valid</source>
        <translation>Nevalid</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Nothing found: the length has no upper bound.</source>
        <translation>Nimic găsit: lungimea nu are limită superioară.</translation>
    </message>
    <message>
        <source>Nothing found: the value has no upper bound.</source>
        <translation>Nimic găsit: valoarea nu are limită superioară.</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>După</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Adăugată</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Letters that make a word before it</source>
        <translation>Literele care formează un cuvânt puse înaintea lui</translation>
    </message>
    <message>
        <source>Letters that make a word after it</source>
        <translation>Literele care formează un cuvânt puse după el</translation>
    </message>
    <message>
        <source>Probability rank among the words of its length (1: the likeliest rack)</source>
        <translation>Rangul probabilității între cuvintele de aceeași lungime (1: suportul cel mai probabil)</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Se caută...</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Oprită</translation>
    </message>
    <message>
        <source>A rack is 1 to %1 letters, with at most %2 ? jokers</source>
        <translation>Un suport are între 1 și %1 litere, cu cel mult %2 jokeri ?</translation>
    </message>
    <message>
        <source>There are no words to save.</source>
        <translation>Nu există cuvinte de salvat.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Word lists (*.txt)</source>
        <translation>Liste de cuvinte (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Find or load some words first: the quiz asks their anagrams.</source>
        <translation>Căutați sau încărcați întâi câteva cuvinte: testul întreabă anagramele lor.</translation>
    </message>
</context>
<context>
    <name>glyph::GameConfigurationWidget</name>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Litere</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scor</translation>
    </message>
    <message>
        <source>Time(sec)</source>
        <translation>Timp (sec)</translation>
    </message>
    <message>
        <source>Player Type</source>
        <translation>Tip jucător</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Bonus: %dp</source>
        <translation>Bonus: %dp</translation>
    </message>
    <message>
        <source>Do you want to clear the table?</source>
        <translation>Vreți să goliți tabla?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sunteți sigur?</translation>
    </message>
    <message>
        <source>No game is in progress.</source>
        <translation>Nu este niciun joc în desfășurare.</translation>
    </message>
    <message>
        <source>This game has ended: its position cannot be changed any more.</source>
        <translation>Jocul s-a terminat: poziția lui nu mai poate fi schimbată.</translation>
    </message>
    <message>
        <source>The rack of %1 holds more than %2 tiles.</source>
        <translation>Suportul lui %1 are mai mult de %2 piese.</translation>
    </message>
    <message>
        <source>The board and the racks hold more %1 tiles than the set has (%2).</source>
        <translation>Tabla și suporturile au mai multe piese %1 decât are setul (%2).</translation>
    </message>
</context>
<context>
    <name>glyph::GameOverDialog</name>
    <message>
        <source>Player</source>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Litere</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Penalizare</translation>
    </message>
    <message>
        <source>Final Score</source>
        <translation>Scor final</translation>
    </message>
    <message>
        <source>The winner is: %s</source>
        <translation>Câștigătorul este: %s</translation>
    </message>
</context>
<context>
    <name>glyph::GameSession</name>
    <message>
        <source>Please make a valid move first</source>
        <translation>Faceți mai întâi o mutare validă</translation>
    </message>
    <message>
        <source>The computer players stop after this turn.</source>
        <translation>Jucătorii calculator se opresc după această mutare.</translation>
    </message>
    <message>
        <source>The profile %1 failed; the computer played %2.</source>
        <translation>Profilul %1 a eșuat; calculatorul a jucat %2.</translation>
    </message>
    <message>
        <source>Save the game in progress?</source>
        <translation>Salvați jocul în desfășurare?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Nu salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Renunță</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Toate fișierele (*.*)</translation>
    </message>
    <message>
        <source>There is no game to save.</source>
        <translation>Nu există niciun joc de salvat.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The move was not played; its tiles are back on the rack.</source>
        <translation>Mutarea nu a fost jucată; piesele ei sunt din nou pe suport.</translation>
    </message>
    <message>
        <source>The rack holds no %1 to lay.</source>
        <translation>Suportul nu are niciun %1 de așezat.</translation>
    </message>
    <message>
        <source>The square under the cursor is taken.</source>
        <translation>Pătratul de sub cursor este ocupat.</translation>
    </message>
    <message>
        <source>GCG game records</source>
        <translation>Înregistrări de joc GCG</translation>
    </message>
    <message>
        <source>The rules score these lines of the record otherwise:</source>
        <translation>Regulile punctează altfel aceste rânduri ale înregistrării:</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Nu se poate scrie %1: %2</translation>
    </message>
    <message>
        <source>Playing here removes the %1 later moves of this game.</source>
        <translation>Jucând aici se șterg cele %1 mutări următoare ale acestui joc.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
</context>
<context>
    <name>glyph::MainWindow</name>
    <message>
        <source>Table</source>
        <translation>Tablă</translation>
    </message>
    <message>
        <source>Game Configuration</source>
        <translation>Configurația jocului</translation>
    </message>
    <message>
        <source>AI Editor</source>
        <translation>Editor IA</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Table to BMP</source>
        <translation>Tabla în BMP</translation>
    </message>
    <message>
        <source>Move list to TXT</source>
        <translation>Lista mutărilor în TXT</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Deschide...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salvează...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tipărește...</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>P&amp;referințe...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Joc</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Joc &amp;nou</translation>
    </message>
    <message>
        <source>&amp;Bag</source>
        <translation>&amp;Sac</translation>
    </message>
    <message>
        <source>&amp;Move list</source>
        <translation>&amp;Lista mutărilor</translation>
    </message>
    <message>
        <source>&amp;Top moves</source>
        <translation>Mutări de &amp;top</translation>
    </message>
    <message>
        <source>&amp;First Move</source>
        <translation>&amp;Prima mutare</translation>
    </message>
    <message>
        <source>&amp;Last Move</source>
        <translation>&amp;Ultima mutare</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterioara</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Ur&amp;mătoarea</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Unelte</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Dicționar</translation>
    </message>
    <message>
        <source>&amp;Conversion...</source>
        <translation>&amp;Conversie...</translation>
    </message>
    <message>
        <source>Palindrom</source>
        <translation>Palindroame</translation>
    </message>
    <message>
        <source>&amp;Speed Test</source>
        <translation>Test de &amp;viteză</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Cuprins</translation>
    </message>
    <message>
        <source>&amp;Shortcuts</source>
        <translation>&amp;Scurtături</translation>
    </message>
    <message>
        <source>&amp;Tip of day</source>
        <translation>Sfatul &amp;zilei</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Despre</translation>
    </message>
    <message>
        <source>tool</source>
        <translation>unelte</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Joc nou</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>Move list</source>
        <translation>Lista mutărilor</translation>
    </message>
    <message>
        <source>First move</source>
        <translation>Prima mutare</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Ultima mutare</translation>
    </message>
    <message>
        <source>Previous move</source>
        <translation>Mutarea anterioară</translation>
    </message>
    <message>
        <source>Next move</source>
        <translation>Mutarea următoare</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Dicționar</translation>
    </message>
    <message>
        <source>Top moves</source>
        <translation>Mutări de top</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Left click on the piece to take back
   Right click on table to take back all moves
   Drag &amp; drop letters on the rack
   Double click on table to move
   Double click on table for next player
   Escape to intrerupt computer turn</source>
        <translation>Clic stânga pe piesă pentru a o lua înapoi
   Clic dreapta pe tablă pentru a lua înapoi toate piesele
   Trageți &amp; lăsați literele pe suport
   Dublu clic pe tablă pentru a muta
   Dublu clic pe tablă pentru jucătorul următor
   Escape pentru a întrerupe rândul calculatorului</translation>
    </message>
    <message>
        <source>Can&apos;t save *.bmp</source>
        <translation>Nu pot salva *.bmp</translation>
    </message>
    <message>
        <source>Can&apos;t create text file</source>
        <translation>Nu pot crea fișierul text</translation>
    </message>
    <message>
        <source>Take back &amp;tiles</source>
        <translation>&amp;Retrage piesele</translation>
    </message>
    <message>
        <source>
   Click a square or use the arrow keys to put the cursor there
   Type letters to lay tiles; Shift+letter or ? then a letter lays a joker
   Space or a second click switches across and down
   Backspace takes back the last tile, Ctrl+Backspace all of them
   Enter plays the move</source>
        <translation>
   Clic pe un pătrat sau săgețile mută cursorul acolo
   Tastează literele ca să așezi piese; Shift+literă sau ? apoi o literă așază un joker
   Spațiu sau un al doilea clic schimbă între orizontal și vertical
   Backspace retrage ultima piesă, Ctrl+Backspace pe toate
   Enter joacă mutarea</translation>
    </message>
    <message>
        <source>Game to GCG</source>
        <translation>Jocul în GCG</translation>
    </message>
    <message>
        <source>&amp;Analyse game</source>
        <translation>&amp;Analizează jocul</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sunteți sigur?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
</context>
<context>
    <name>glyph::MovesListDialog</name>
    <message>
        <source>Game Analysis</source>
        <translation>Analiza jocului</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>Rack</source>
        <translation>Suport</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mutare</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scor</translation>
    </message>
    <message>
        <source>Best by score</source>
        <translation>Cea mai bună după scor</translation>
    </message>
    <message>
        <source>Best by equity</source>
        <translation>Cea mai bună după echitate</translation>
    </message>
    <message>
        <source>Points lost</source>
        <translation>Puncte pierdute</translation>
    </message>
    <message>
        <source>Equity lost</source>
        <translation>Echitate pierdută</translation>
    </message>
    <message>
        <source>Missed 7</source>
        <translation>7 ratat</translation>
    </message>
    <message>
        <source>Not in dictionary</source>
        <translation>Nu e în dicționar</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notă</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 turns</source>
        <translation>Oprită după %1 din %2 ture</translation>
    </message>
    <message>
        <source>%1 turns analysed</source>
        <translation>%1 ture analizate</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>da</translation>
    </message>
    <message>
        <source>Costly: %1 points, %2 equity given away</source>
        <translation>Costisitoare: %1 puncte, %2 echitate cedate</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Ture</translation>
    </message>
    <message>
        <source>Lost per turn</source>
        <translation>Pierdute pe tură</translation>
    </message>
    <message>
        <source>Equity lost per turn</source>
        <translation>Echitate pierdută pe tură</translation>
    </message>
</context>
<context>
    <name>glyph::NewGameDialog</name>
    <message>
        <source>Tabulo Classic</source>
        <translation>Tabulo Clasic</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Player%d</source>
        <translation>Jucător%d</translation>
    </message>
    <message>
        <source>Choose 2 or more players</source>
        <translation>Alegeți 2 sau mai mulți jucători</translation>
    </message>
</context>
<context>
    <name>glyph::PalindromDialog</name>
    <message>
        <source>Words</source>
        <translation>Cuvinte</translation>
    </message>
</context>
<context>
    <name>glyph::PanelWidget</name>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scor</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Timp</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>==-NO MOVE-==</source>
        <translation>==-NICIO MUTARE-==</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Om</translation>
    </message>
</context>
<context>
    <name>glyph::PreferencesDialog</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Literă</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valoare</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Margine</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundal</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>LetterX2</source>
        <translation>LiterăX2</translation>
    </message>
    <message>
        <source>LetterX3</source>
        <translation>LiterăX3</translation>
    </message>
    <message>
        <source>WordX2</source>
        <translation>CuvântX2</translation>
    </message>
    <message>
        <source>WordX3</source>
        <translation>CuvântX3</translation>
    </message>
    <message>
        <source>Current Move</source>
        <translation>Mutarea curentă</translation>
    </message>
    <message>
        <source>Ocupied</source>
        <translation>Ocupat</translation>
    </message>
    <message>
        <source>Letter Background</source>
        <translation>Fundalul literei</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selectat</translation>
    </message>
    <message>
        <source>Motif Plus</source>
        <translation>Motif Plus</translation>
    </message>
    <message>
        <source>Motif</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>SGI</source>
        <translation>SGI</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platinum</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Coloană</translation>
    </message>
    <message>
        <source>xLetter</source>
        <translation>xLiteră</translation>
    </message>
    <message>
        <source>xWord</source>
        <translation>xCuvânt</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descriere</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Alege</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Culoare</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tiles are already laid, so this game goes on on its board of %3 x %4. The board of %1 x %2 is used from the next game.</source>
        <translation>Sunt deja piese pe tablă, așa că acest joc continuă pe tabla sa de %3 x %4. Tabla de %1 x %2 se folosește de la jocul următor.</translation>
    </message>
</context>
<context>
    <name>glyph::Prompter</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>glyph::QuizDialog</name>
    <message>
        <source>%1: found %2 of %3</source>
        <translation>%1: găsite %2 din %3</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>Ratate: %1</translation>
    </message>
    <message>
        <source>Not anagrams: %1</source>
        <translation>Nu sunt anagrame: %1</translation>
    </message>
    <message>
        <source>Score: %1 of %2</source>
        <translation>Scor: %1 din %2</translation>
    </message>
    <message>
        <source>All %1 questions answered.</source>
        <translation>S-a răspuns la toate cele %1 întrebări.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>Question %1 of %2</source>
        <translation>Întrebarea %1 din %2</translation>
    </message>
    <message>
        <source>Anagrams to find: %1</source>
        <translation>Anagrame de găsit: %1</translation>
    </message>
</context>
<context>
    <name>glyph::RackWidget</name>
    <message>
        <source> rack</source>
        <translation> - suport</translation>
    </message>
</context>
<context>
    <name>glyph::ScoreChart</name>
    <message>
        <source>Round</source>
        <translation>Runda</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scor</translation>
    </message>
</context>
<context>
    <name>glyph::SpeedTestDialog</name>
    <message>
        <source> Current %s words/s 
 Average %s words/s 
 %s</source>
        <translation> Acum %s cuvinte/s 
 Media %s cuvinte/s 
 %s</translation>
    </message>
</context>
<context>
    <name>glyph::TableWidget</name>
    <message>
        <source>&amp;Close</source>
        <translation>În&amp;chide</translation>
    </message>
    <message>
        <source>Must be on the table!</source>
        <translation>Trebuie să fie pe tablă!</translation>
    </message>
    <message>
        <source>The current position is ocupied</source>
        <translation>Poziția curentă este ocupată</translation>
    </message>
    <message>
        <source>You move already here</source>
        <translation>Ați mutat deja aici</translation>
    </message>
</context>
<context>
    <name>glyph::TopMovesDialog</name>
    <message>
        <source>Move</source>
        <translation>Mutare</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scor</translation>
    </message>
    <message>
        <source>Total time: %d msec</source>
        <translation>Timp total: %d ms</translation>
    </message>
</context>
<context>
    <name>glyph::exports</name>
    <message>
        <source>%1: %2 points</source>
        <translation>%1: %2 puncte</translation>
    </message>
    <message>
        <source>Can&apos;t print to %1</source>
        <translation>Nu pot tipări în %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Recomanded resolution is minimum 1024 x 768</source>
        <translation>Rezoluția recomandată este de minimum 1024 x 768</translation>
    </message>
</context>
</TS>
