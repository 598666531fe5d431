<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>peglore::GameKeeper</name>
    <message>
        <source>Unable to keep the game in %1: %2</source>
        <extracomment>Told at the exit in an error box (a full stop follows): the game in progress could not be written for the next start. %1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Das Spiel kann nicht in %1 aufbewahrt werden: %2</translation>
    </message>
</context>
<context>
    <name>peglore::GameNames</name>
    <message>
        <source>Beginner</source>
        <extracomment>A level&apos;s name, as the Records window names a board (&quot;Beginner, 4 × 10&quot;).</extracomment>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <extracomment>A level&apos;s name, as the Records window names a board.</extracomment>
        <translation>Fortgeschrittene</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>A level&apos;s name, as the Records window names a board.</extracomment>
        <translation>Profis</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>A level&apos;s name: a board of the player&apos;s own size, as the Records window names it.</extracomment>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>1 colour</source>
        <extracomment>A game&apos;s variant in the Records window: its secret has a single colour.</extracomment>
        <translation>1 Farbe</translation>
    </message>
    <message>
        <source>1 colour, no repeats</source>
        <extracomment>A game&apos;s variant in the Records window: its secret has a single colour.</extracomment>
        <translation>1 Farbe, ohne Wiederholung</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <extracomment>A game&apos;s variant in the Records window: the secret is drawn from the first %n colours of the colour bar, a colour as often as it comes.</extracomment>
        <translation>
            <numerusform>%n Farbe</numerusform>
            <numerusform>%n Farben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n colours, no repeats</source>
        <extracomment>A game&apos;s variant in the Records window: the secret is drawn from the first %n colours of the colour bar, no colour twice.</extracomment>
        <translation>
            <numerusform>%n Farbe, ohne Wiederholung</numerusform>
            <numerusform>%n Farben, ohne Wiederholung</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::PegNames</name>
    <message>
        <source>red</source>
        <extracomment>A peg&apos;s colour, read by screen readers; with the symbols shown, its symbol follows (&quot;red, disc&quot;).</extracomment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>disc</source>
        <extracomment>The symbol drawn on a red peg: a filled circle.</extracomment>
        <translation>Scheibe</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>Grün</translation>
    </message>
    <message>
        <source>triangle pointing up</source>
        <extracomment>The symbol drawn on a green peg.</extracomment>
        <translation>Dreieck nach oben</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>square</source>
        <extracomment>The symbol drawn on a black peg.</extracomment>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>The symbol drawn on a yellow peg: a square standing on a corner.</extracomment>
        <translation>Raute</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>plus</source>
        <extracomment>The symbol &quot;+&quot; drawn on a blue peg.</extracomment>
        <translation>Plus</translation>
    </message>
    <message>
        <source>gray</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>Grau</translation>
    </message>
    <message>
        <source>cross</source>
        <extracomment>The symbol &quot;×&quot; drawn on a gray peg.</extracomment>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <extracomment>A peg&apos;s colour, read by screen readers: a purplish pink.</extracomment>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>triangle pointing down</source>
        <extracomment>The symbol drawn on a fuchsia peg.</extracomment>
        <translation>Dreieck nach unten</translation>
    </message>
    <message>
        <source>lime</source>
        <extracomment>A peg&apos;s colour, read by screen readers: a light, bright green, other than &quot;green&quot;.</extracomment>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>bar</source>
        <extracomment>The symbol drawn on a lime peg: a short thick horizontal line.</extracomment>
        <translation>Balken</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A peg read by screen readers with the symbols shown: %1 is its colour (&quot;red&quot;), %2 its symbol (&quot;disc&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>peglore::TAnalysisWindow</name>
    <message>
        <source>%1 black, %2 white</source>
        <extracomment>The Answer column: the key pegs of a row, %1 black ones (right colour in the right hole) and %2 white ones (right colour in another hole).</extracomment>
        <translation>%1 schwarz, %2 weiß</translation>
    </message>
    <message>
        <source>won in 1 row</source>
        <extracomment>How the reviewed game ended; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>in 1 Reihe gewonnen</translation>
    </message>
    <message numerus="yes">
        <source>won in %n rows</source>
        <extracomment>How the reviewed game ended, in %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>in %n Reihe gewonnen</numerusform>
            <numerusform>in %n Reihen gewonnen</numerusform>
        </translation>
    </message>
    <message>
        <source>lost after 1 row</source>
        <extracomment>How the reviewed game ended; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>nach 1 Reihe verloren</translation>
    </message>
    <message numerus="yes">
        <source>lost after %n rows</source>
        <extracomment>How the reviewed game ended, after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>nach %n Reihe verloren</numerusform>
            <numerusform>nach %n Reihen verloren</numerusform>
        </translation>
    </message>
    <message>
        <source>given up after 1 row</source>
        <extracomment>How the reviewed game ended: the player gave up; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>nach 1 Reihe aufgegeben</translation>
    </message>
    <message numerus="yes">
        <source>given up after %n rows</source>
        <extracomment>How the reviewed game ended: the player gave up after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>nach %n Reihe aufgegeben</numerusform>
            <numerusform>nach %n Reihen aufgegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>left for a new game after 1 row</source>
        <extracomment>How the reviewed game ended: the player started a new one; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>nach 1 Reihe für ein neues Spiel verlassen</translation>
    </message>
    <message numerus="yes">
        <source>left for a new game after %n rows</source>
        <extracomment>How the reviewed game ended: the player started a new one after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>nach %n Reihe für ein neues Spiel verlassen</numerusform>
            <numerusform>nach %n Reihen für ein neues Spiel verlassen</numerusform>
        </translation>
    </message>
    <message>
        <source>Analysis</source>
        <extracomment>Title of the analysis window (Tools &gt; Analysis...): the rows checked so far and what they taught.</extracomment>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Checked rows</source>
        <extracomment>Accessible name of the table of checked rows, read by screen readers.</extracomment>
        <translation>Geprüfte Reihen</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column header: the row&apos;s number.</extracomment>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>The row of the guess board</source>
        <translation>Die Reihe des Ratefelds</translation>
    </message>
    <message>
        <source>Guess</source>
        <extracomment>Column header: the pegs the player placed in the row.</extracomment>
        <translation>Versuch</translation>
    </message>
    <message>
        <source>The pegs of the row</source>
        <translation>Die Stifte der Reihe</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Column header: the key pegs (black and white) that answered the row.</extracomment>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>The key pegs the score board gave</source>
        <translation>Die Bewertungsstifte, die das Wertungsfeld gab</translation>
    </message>
    <message>
        <source>Before</source>
        <extracomment>Column header: the count of secrets still possible before the row.</extracomment>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Secrets still possible before the row was checked</source>
        <translation>Codes, die vor dem Prüfen der Reihe noch möglich waren</translation>
    </message>
    <message>
        <source>After</source>
        <extracomment>Column header: the count of secrets still possible after the row.</extracomment>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Secrets still possible after it</source>
        <translation>Codes, die danach noch möglich sind</translation>
    </message>
    <message>
        <source>Bits</source>
        <extracomment>Column header: the information in bits (the unit) the row gained.</extracomment>
        <translation>Bits</translation>
    </message>
    <message>
        <source>The information the row gained: log2(before / after)</source>
        <translation>Die Information, die die Reihe gebracht hat: log2(vorher / nachher)</translation>
    </message>
    <message>
        <source>Could be the secret</source>
        <extracomment>Column header: yes, or the row that ruled the guess out.</extracomment>
        <translation>Könnte der Code sein</translation>
    </message>
    <message>
        <source>Whether the guess fitted every row before it</source>
        <translation>Ob der Versuch zu jeder Reihe davor passte</translation>
    </message>
    <message>
        <source>Hint would have played</source>
        <extracomment>Column header, shown in the review of an ended game: the hint&apos;s pegs for the row.</extracomment>
        <translation>Tipp hätte gespielt</translation>
    </message>
    <message>
        <source>What the hint would have placed in this row</source>
        <translation>Was der Tipp in diese Reihe gesetzt hätte</translation>
    </message>
    <message>
        <source>Secrets still possible</source>
        <extracomment>Accessible name of the list of the secrets that still fit every answer, read by screen readers.</extracomment>
        <translation>Noch mögliche Codes</translation>
    </message>
    <message>
        <source>Counting the secrets still possible…</source>
        <extracomment>The window&apos;s heading while the counts are worked out.</extracomment>
        <translation>Die noch möglichen Codes werden gezählt…</translation>
    </message>
    <message>
        <source>The analysis covers boards up to %1 holes, and this board has %2.</source>
        <extracomment>%1 is the most holes in a row the analysis takes, %2 the holes of the board in play (more).</extracomment>
        <translation>Die Analyse umfasst Spielfelder mit bis zu %1 Löchern, und dieses Spielfeld hat %2.</translation>
    </message>
    <message>
        <source>Review of game %1: %2. To play it again: peglore --game %1</source>
        <extracomment>The heading after a game: %1 is the game&apos;s number, %2 how it ended (&quot;won in 3 rows&quot;). Keep &quot;peglore --game %1&quot; as it is: the command that plays the game again.</extracomment>
        <translation>Rückschau auf Spiel %1: %2. Noch einmal spielen: peglore --game %1</translation>
    </message>
    <message>
        <source>Game %1, 1 row checked</source>
        <extracomment>The heading during a game: %1 is the game&apos;s number.</extracomment>
        <translation>Spiel %1, 1 Reihe geprüft</translation>
    </message>
    <message numerus="yes">
        <source>Game %1, %n rows checked</source>
        <extracomment>The heading during a game: %1 is the game&apos;s number, %n the rows checked so far.</extracomment>
        <translation>
            <numerusform>Spiel %1, %n Reihe geprüft</numerusform>
            <numerusform>Spiel %1, %n Reihen geprüft</numerusform>
        </translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The column &quot;Could be the secret&quot;: the guess fitted every row before it.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>no: row %1 ruled it out</source>
        <extracomment>The column &quot;Could be the secret&quot;: the answer of the row %1 ruled the guess out.</extracomment>
        <translation>nein: Reihe %1 schloss ihn aus</translation>
    </message>
    <message>
        <source>Secrets still possible at the end: %1</source>
        <extracomment>After a game: %1 is the count of secrets that fitted every answer.</extracomment>
        <translation>Am Ende noch mögliche Codes: %1</translation>
    </message>
    <message>
        <source>Secrets possible now: %1</source>
        <extracomment>During a game: %1 is the count of secrets that fit every answer so far.</extracomment>
        <translation>Jetzt mögliche Codes: %1</translation>
    </message>
    <message>
        <source>Hint for row %1: %2</source>
        <extracomment>%1 is the next row&apos;s number, %2 the hint&apos;s pegs as key digits (&quot;1234&quot;); the pegs&apos; picture follows.</extracomment>
        <translation>Tipp für Reihe %1: %2</translation>
    </message>
</context>
<context>
    <name>peglore::TBoardGridAccessible</name>
    <message>
        <source>Hole %1</source>
        <extracomment>Read by screen readers for a column of a board: %1 is the hole&apos;s number in the row.</extracomment>
        <translation>Loch %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>Read by screen readers for a row of a board: %1 is the row&apos;s number.</extracomment>
        <translation>Reihe %1</translation>
    </message>
</context>
<context>
    <name>peglore::TColorSwatchAccessible</name>
    <message>
        <source>%1, key %2</source>
        <extracomment>Read by screen readers for a colour of the colour bar: the colour, and the number key that places it.</extracomment>
        <translation>%1, Taste %2</translation>
    </message>
</context>
<context>
    <name>peglore::TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <extracomment>The pop-up menu of a control (right click): shows the control&apos;s help.</extracomment>
        <translation>&amp;Was ist das?</translation>
    </message>
</context>
<context>
    <name>peglore::TDailyGames</name>
    <message>
        <source>Today&apos;s daily game on this board is not finished yet. Daily Game in the Tools menu starts it.</source>
        <extracomment>An information box of Copy Daily Result; &quot;Daily Game&quot; and &quot;Tools&quot; name the menu item and the menu.</extracomment>
        <translation>Das heutige Tagesspiel auf diesem Spielfeld ist noch nicht beendet. Tagesspiel im Menü Extras beginnt es.</translation>
    </message>
</context>
<context>
    <name>peglore::TGameClockAccessible</name>
    <message>
        <source>Game clock: %1 seconds</source>
        <extracomment>Read by screen readers for the clock panel.</extracomment>
        <translation>Spieluhr: %1 Sekunden</translation>
    </message>
</context>
<context>
    <name>peglore::TGameDialog</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a dialog which only informs (About, Correct Combination, Daily Result). The button is 84 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>peglore::TGameRecord</name>
    <message>
        <source>won</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games.</extracomment>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: every row used.</extracomment>
        <translation>verloren</translation>
    </message>
    <message>
        <source>given up</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: the player gave up.</extracomment>
        <translation>aufgegeben</translation>
    </message>
    <message>
        <source>abandoned</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: left unfinished for a new game or at the exit.</extracomment>
        <translation>verlassen</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>The name of a level the game does not know, read from a records file written elsewhere; %1 is its number.</extracomment>
        <translation>Level %1</translation>
    </message>
</context>
<context>
    <name>peglore::TGuessBoardInput</name>
    <message>
        <source>&amp;Repeat</source>
        <extracomment>The guess board&apos;s right-click menu: copies the peg of the same hole in the row above.</extracomment>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>The guess board&apos;s right-click menu: empties the hole clicked.</extracomment>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Clear &amp;Row</source>
        <extracomment>The guess board&apos;s right-click menu: empties every hole of the current row.</extracomment>
        <translation>&amp;Reihe leeren</translation>
    </message>
    <message>
        <source>&amp;Give Up!</source>
        <extracomment>The guess board&apos;s right-click menu: ends the game as lost, after a question.</extracomment>
        <translation>&amp;Aufgeben!</translation>
    </message>
</context>
<context>
    <name>peglore::TGuessBoardReading</name>
    <message>
        <source>empty</source>
        <extracomment>Read by screen readers for a hole of the guess board without a peg.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <extracomment>Read by screen readers for a hole of the guess board: row, hole, and the peg&apos;s colour or &quot;empty&quot;.</extracomment>
        <translation>Reihe %1, Loch %2: %3</translation>
    </message>
</context>
<context>
    <name>peglore::THelpContentsWindow</name>
    <message>
        <source>Help Topics: %1</source>
        <extracomment>The title of the help&apos;s contents and index window; %1 is the help&apos;s title, such as &quot;Peglore Help&quot;.</extracomment>
        <translation>Hilfethemen: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An entry of the help&apos;s index for a keyword of several topics: %1 the keyword, %2 the topic&apos;s title.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <extracomment>The grey text in the empty field of the help&apos;s index, where the player types a keyword.</extracomment>
        <translation>Geben Sie ein Suchwort ein</translation>
    </message>
    <message>
        <source>&amp;Type the word you are looking for:</source>
        <extracomment>The label above the field of the help&apos;s index.</extracomment>
        <translation>&amp;Suchbegriff eingeben:</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>A tab of the help&apos;s window: the list of topics.</extracomment>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <extracomment>A tab of the help&apos;s window: the keywords of the topics.</extracomment>
        <translation>Index</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <extracomment>A button of the help&apos;s window: shows the topic chosen.</extracomment>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the help&apos;s window.</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>peglore::THelpTopicWindow</name>
    <message>
        <source>&amp;Back</source>
        <extracomment>A button of the help&apos;s topic window: the topic read before.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>A button of the help&apos;s topic window: the topic read after, once gone back.</extracomment>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>A button of the help&apos;s topic window: opens the list of topics.</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <extracomment>A button of the help&apos;s topic window: opens the keywords of the topics.</extracomment>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <extracomment>The heading of the help window&apos;s page for an item without help of its own.</extracomment>
        <translation>Thema nicht gefunden</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <extracomment>The help window&apos;s page for an item without help of its own.</extracomment>
        <translation>Zu diesem Element gibt es kein Hilfethema.</translation>
    </message>
</context>
<context>
    <name>peglore::THelpViewer</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The title of the help&apos;s windows; %1 is the help file&apos;s name without its extension, &quot;Peglore&quot;.</extracomment>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <extracomment>A help pop-up for an item without help of its own.</extracomment>
        <translation>Zu diesem Element gibt es kein Hilfethema.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: there is no such file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path.</extracomment>
        <translation>Die Hilfedatei „%1“ kann nicht geöffnet werden: Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path, %2 the system&apos;s reason, in English.</extracomment>
        <translation>Die Hilfedatei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it is larger than %2 KiB, too large for a help file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path, %2 the largest size of a help file.</extracomment>
        <translation>Die Hilfedatei „%1“ kann nicht geöffnet werden: Sie ist größer als %2 KiB und damit zu groß für eine Hilfedatei.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it is not a help file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path. The file holds bytes that are no text.</extracomment>
        <translation>Die Hilfedatei „%1“ kann nicht geöffnet werden: Sie ist keine Hilfedatei.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it holds no help topics.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path. The file is empty or has no topic.</extracomment>
        <translation>Die Hilfedatei „%1“ kann nicht geöffnet werden: Sie enthält keine Hilfethemen.</translation>
    </message>
</context>
<context>
    <name>peglore::TMainForm</name>
    <message>
        <source>Tool bar</source>
        <extracomment>Accessible name, read by screen readers: the three buttons at the top left.</extracomment>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>New Game|</source>
        <extracomment>Tooltip of the first tool button. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Neues Spiel|</translation>
    </message>
    <message>
        <source>Game Properties|</source>
        <extracomment>Tooltip of the second tool button, which opens the Properties dialog. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Spieleigenschaften|</translation>
    </message>
    <message>
        <source>Check!|</source>
        <extracomment>Tooltip of the third tool button: a command, check the current row now. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Prüfen!|</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <extracomment>Accessible name, read by screen readers: the row of eight colours to drag pegs from.</extracomment>
        <translation>Farbleiste</translation>
    </message>
    <message>
        <source>Guess board</source>
        <extracomment>Accessible name, read by screen readers: the board where the player places guesses.</extracomment>
        <translation>Ratefeld</translation>
    </message>
    <message>
        <source>Score board</source>
        <extracomment>Accessible name, read by screen readers: the board of key pegs that answer each row.</extracomment>
        <translation>Wertungsfeld</translation>
    </message>
    <message>
        <source>Status bar</source>
        <extracomment>Accessible name, read by screen readers.</extracomment>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Row:</source>
        <extracomment>The status bar&apos;s first panel before the first game: the number of the current row follows later. The panel is 50 pixels wide.</extracomment>
        <translation>Zug:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>Menu of the menu bar.</extracomment>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Game menu: starts a new game (F2).</extracomment>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Start a new game with current settings</source>
        <translation>Neues Spiel mit den aktuellen Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Give Up!</source>
        <extracomment>Game menu: ends the game as lost and shows the secret.</extracomment>
        <translation>&amp;Aufgeben!</translation>
    </message>
    <message>
        <source>Abort the game and show the correct solution</source>
        <translation>Das Spiel abbrechen und die Lösung zeigen</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <extracomment>Game menu: opens the Properties dialog of the options.</extracomment>
        <translation>&amp;Eigenschaften...</translation>
    </message>
    <message>
        <source>Change various game options</source>
        <translation>Verschiedene Spieloptionen ändern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit Peglore</source>
        <translation>Peglore beenden</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>Menu of the menu bar: the board sizes.</extracomment>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <extracomment>Level name: 3 holes, 10 rows.</extracomment>
        <translation>&amp;Anfänger</translation>
    </message>
    <message>
        <source>The easiest level</source>
        <translation>Das leichteste Level</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <extracomment>Level name: 5 holes, 9 rows.</extracomment>
        <translation>&amp;Fortgeschrittene</translation>
    </message>
    <message>
        <source>Medium difficulty level</source>
        <translation>Mittlerer Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>&amp;Expert!</source>
        <extracomment>Level name: 8 holes, 12 rows.</extracomment>
        <translation>&amp;Profis!</translation>
    </message>
    <message>
        <source>Hardest difficulty level</source>
        <translation>Höchster Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <extracomment>Level name: a board of the player&apos;s own size, chosen in a dialog.</extracomment>
        <translation>&amp;Benutzerdefiniert...</translation>
    </message>
    <message>
        <source>Chose any board size you want!</source>
        <translation>Wählen Sie eine beliebige Spielfeldgröße!</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <extracomment>Menu of the menu bar: hint, analysis, records and peg symbols.</extracomment>
        <translation>Ex&amp;tras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu of the menu bar.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>Hilfe&amp;themen</translation>
    </message>
    <message>
        <source>Show help contents</source>
        <translation>Den Inhalt der Hilfe zeigen</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New?</source>
        <extracomment>Help menu: opens the help topic of what changed in this version.</extracomment>
        <translation>Was ist &amp;neu?</translation>
    </message>
    <message>
        <source>Improvements and bug fixes since last version</source>
        <translation>Verbesserungen und Fehlerbehebungen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Help menu: opens the About dialog with the version and the statistics.</extracomment>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Show credits and statistics information</source>
        <translation>Mitwirkende und Statistik zeigen</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>The settings file could not be saved at the exit; %1 is its path. A full stop follows.</extracomment>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Row: %1</source>
        <extracomment>The status bar&apos;s first panel, 43 pixels for the text: the number of the current row, counted from 1.</extracomment>
        <translation>Zug: %1</translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours, repeats on this board</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, and although no repeats were chosen, a colour may repeat, as the board has more holes than colours in play.</extracomment>
        <translation>
            <numerusform>Variante: %n Farbe, hier mit Wiederholung</numerusform>
            <numerusform>Variante: %n Farben, hier mit Wiederholung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, a colour as often as it comes.</extracomment>
        <translation>
            <numerusform>Variante: %n Farbe</numerusform>
            <numerusform>Variante: %n Farben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours, no repeats</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, no colour twice.</extracomment>
        <translation>
            <numerusform>Variante: %n Farbe, ohne Wiederholung</numerusform>
            <numerusform>Variante: %n Farben, ohne Wiederholung</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TMessageBox</name>
    <message>
        <source>Information</source>
        <extracomment>The title of a message box that tells something.</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of a message box that reports a mistake or a failure.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>The title of a message box that asks a question (Yes, No): a noun or a request, as fits the language.</extracomment>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A button of a question box.</extracomment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A button of a question box.</extracomment>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button of a message box that tells something or reports an error.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>peglore::TMessages</name>
    <message>
        <source>You won the game!</source>
        <extracomment>An information box at the end of a game.</extracomment>
        <translation>Sie haben gewonnen!</translation>
    </message>
    <message>
        <source>You lost the game!</source>
        <extracomment>An information box at the end of a game: every row was used.</extracomment>
        <translation>Sie haben verloren!</translation>
    </message>
    <message>
        <source>You must completely fill the row before trying to check it!</source>
        <extracomment>An error box: a row was to be checked with a hole still empty.</extracomment>
        <translation>Sie müssen die Reihe vollständig füllen, bevor Sie sie prüfen können!</translation>
    </message>
    <message>
        <source>Sorry, Peglore requires at least 256 color display driver.</source>
        <extracomment>An error box at the start, when the display shows too few colours for the pegs.</extracomment>
        <translation>Peglore benötigt leider einen Bildschirmtreiber mit mindestens 256 Farben.</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <extracomment>A question box (Yes, No) before a game in progress is left for a new one.</extracomment>
        <translation>Wollen Sie wirklich ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <extracomment>A question box (Yes, No) before the game in progress is given up.</extracomment>
        <translation>Wollen Sie wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Row %1 answered %2 black, %3 white: this row cannot be the secret.</source>
        <extracomment>An error box in hard mode: the row to check contradicts the answer of an earlier row. %1 is that row&apos;s number (from 1 at the top), %2 its black key pegs, %3 its white ones.</extracomment>
        <translation>Reihe %1 ergab %2 schwarz, %3 weiß: Diese Reihe kann nicht der Geheimcode sein.</translation>
    </message>
    <message>
        <source>A colour stands twice in this row, and in this game no colour may repeat. Change the row before checking it.</source>
        <extracomment>An error box: the row to check breaks the variant chosen, in which no colour may repeat.</extracomment>
        <translation>In dieser Reihe steht eine Farbe zweimal, und in diesem Spiel darf sich keine Farbe wiederholen. Ändern Sie die Reihe, bevor Sie sie prüfen.</translation>
    </message>
    <message numerus="yes">
        <source>This row uses a colour that is not in play: this game plays with the first %n colours of the colour bar only. Change the row before checking it.</source>
        <extracomment>An error box: the row to check has a colour beyond the first %n colours of the colour bar, the colours in play in the variant chosen.</extracomment>
        <translation>
            <numerusform>Diese Reihe verwendet eine Farbe, die nicht im Spiel ist: Dieses Spiel wird nur mit %n Farbe gespielt, der ersten der Farbleiste. Ändern Sie die Reihe, bevor Sie sie prüfen.</numerusform>
            <numerusform>Diese Reihe verwendet eine Farbe, die nicht im Spiel ist: Dieses Spiel wird nur mit den ersten %n Farben der Farbleiste gespielt. Ändern Sie die Reihe, bevor Sie sie prüfen.</numerusform>
        </translation>
    </message>
    <message>
        <source>A colour stands twice in your code, and in this game no colour may repeat. Change your code before starting.</source>
        <extracomment>An error box of Break My Code: the code set for the computer breaks the variant chosen, in which no colour may repeat.</extracomment>
        <translation>In Ihrem Code steht eine Farbe zweimal, und in diesem Spiel darf sich keine Farbe wiederholen. Ändern Sie Ihren Code, bevor Sie starten.</translation>
    </message>
    <message numerus="yes">
        <source>Your code uses a colour that is not in play: this game plays with the first %n colours of the colour bar only. Change your code before starting.</source>
        <extracomment>An error box of Break My Code: the code set for the computer has a colour beyond the first %n colours of the colour bar, the colours in play in the variant chosen.</extracomment>
        <translation>
            <numerusform>Ihr Code verwendet eine Farbe, die nicht im Spiel ist: Dieses Spiel wird nur mit %n Farbe gespielt, der ersten der Farbleiste. Ändern Sie Ihren Code, bevor Sie starten.</numerusform>
            <numerusform>Ihr Code verwendet eine Farbe, die nicht im Spiel ist: Dieses Spiel wird nur mit den ersten %n Farben der Farbleiste gespielt. Ändern Sie Ihren Code, bevor Sie starten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The hint covers boards up to %n holes, and this board has %1.</source>
        <extracomment>An information box: the Hint command works on boards up to %n holes wide; %1 is the current board&apos;s number of holes, always more.</extracomment>
        <translation>
            <numerusform>Der Tipp umfasst Spielfelder mit bis zu %n Loch, und dieses Spielfeld hat %1.</numerusform>
            <numerusform>Der Tipp umfasst Spielfelder mit bis zu %n Löchern, und dieses Spielfeld hat %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer breaks codes of up to %n holes, and this board has %1.</source>
        <extracomment>An information box of Break My Code: the computer breaks codes up to %n holes wide; %1 is the current board&apos;s number of holes, always more.</extracomment>
        <translation>
            <numerusform>Der Computer knackt Codes mit bis zu %n Loch, und dieses Spielfeld hat %1.</numerusform>
            <numerusform>Der Computer knackt Codes mit bis zu %n Löchern, und dieses Spielfeld hat %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TPegloreApplication</name>
    <message>
        <source>An unexpected error occurred</source>
        <extracomment>An error box&apos;s text; a full stop follows.</extracomment>
        <translation>Ein unerwarteter Fehler ist aufgetreten</translation>
    </message>
</context>
<context>
    <name>peglore::TPendingFile</name>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>What is wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;. %1 is the system&apos;s reason, in English.</extracomment>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>is not a file of games waiting for the records</source>
        <extracomment>What is wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;.</extracomment>
        <translation>ist keine Datei mit Spielen, die auf die Rekorde warten</translation>
    </message>
    <message>
        <source>held lines that are no game</source>
        <extracomment>What was wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;.</extracomment>
        <translation>enthielt Zeilen, die kein Spiel sind</translation>
    </message>
    <message>
        <source>the file %1 cannot be written (%2)</source>
        <extracomment>Why finished games could not be kept for later: a clause that follows &quot;as&quot;. %2 is the system&apos;s reason.</extracomment>
        <translation>die Datei %1 nicht geschrieben werden kann (%2)</translation>
    </message>
    <message>
        <source>The file %1 %2; it was kept as %3.</source>
        <extracomment>%1 the file of games waiting for the records, %2 what was wrong with it (a predicate such as &quot;held lines that are no game&quot;), %3 the name it was kept under.</extracomment>
        <translation>Die Datei %1 %2; sie wurde als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>The file %1 %2 and cannot be renamed aside.</source>
        <extracomment>%2 what is wrong with the file, a predicate such as &quot;held lines that are no game&quot;.</extracomment>
        <translation>Die Datei %1 %2 und lässt sich nicht umbenennen.</translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsFile</name>
    <message>
        <source>The records file %1 is locked by another program, so %2. Peglore tries again after the next game.</source>
        <extracomment>The records file&apos;s problem, shown in the Records window and at the exit. %2 is what follows from it, a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Die Rekorddatei %1 ist von einem anderen Programm gesperrt, sodass %2. Peglore versucht es nach dem nächsten Spiel erneut.</translation>
    </message>
    <message>
        <source>The records file %1 may not be written, so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Die Rekorddatei %1 darf nicht beschrieben werden, sodass %2.</translation>
    </message>
    <message>
        <source>The disk of the records file %1 is full, so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Der Datenträger der Rekorddatei %1 ist voll, sodass %2.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be opened or created (is its folder missing or read-only?), so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Die Rekorddatei %1 kann weder geöffnet noch angelegt werden (fehlt ihr Ordner oder ist er schreibgeschützt?), sodass %2.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be used (%2), so %3.</source>
        <extracomment>The records file&apos;s problem: %2 is the database&apos;s own message (in English), %3 a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Die Rekorddatei %1 kann nicht verwendet werden (%2), sodass %3.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (Debian package libqt6sql6-sqlite) is not installed, so no games are recorded.</source>
        <translation>Der SQLite-Treiber von Qt (Debian-Paket libqt6sql6-sqlite) ist nicht installiert, daher werden keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>%1 is not a file, so no games are recorded.</source>
        <extracomment>%1 is the records file&apos;s path, which is a folder or another thing that is no file.</extracomment>
        <translation>%1 ist keine Datei, daher werden keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be created, as its folder may not be written, so no games are recorded.</source>
        <translation>Die Rekorddatei %1 kann nicht angelegt werden, da ihr Ordner nicht beschrieben werden darf, daher werden keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>no games are recorded</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>keine Spiele aufgezeichnet werden</translation>
    </message>
    <message>
        <source>The records file %1 comes from a newer version of Peglore, so this one records no games in it.</source>
        <translation>Die Rekorddatei %1 stammt von einer neueren Version von Peglore, daher zeichnet diese Version keine Spiele darin auf.</translation>
    </message>
    <message>
        <source>The records file %1 or its folder may not be written, so no games are recorded.</source>
        <translation>Die Rekorddatei %1 oder ihr Ordner darf nicht beschrieben werden, daher werden keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>is damaged</source>
        <extracomment>What is wrong with the records file: a predicate that follows &quot;The records file PATH&quot;.</extracomment>
        <translation>ist beschädigt</translation>
    </message>
    <message>
        <source>is not a Peglore records file</source>
        <extracomment>What is wrong with the records file: a predicate that follows &quot;The records file PATH&quot;.</extracomment>
        <translation>ist keine Rekorddatei von Peglore</translation>
    </message>
    <message>
        <source>The records file %1 %2 and its folder may not be written, so no games are recorded.</source>
        <extracomment>%2 is what is wrong with the file, a predicate such as &quot;is damaged&quot;.</extracomment>
        <translation>Die Rekorddatei %1 %2, und ihr Ordner darf nicht beschrieben werden, daher werden keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>The records file %1 %2 and cannot be renamed aside, so no games are recorded.</source>
        <extracomment>%2 is what is wrong with the file, a predicate such as &quot;is damaged&quot;.</extracomment>
        <translation>Die Rekorddatei %1 %2 und lässt sich nicht umbenennen, daher werden keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>The records file %1 %2; it was kept as %3 and a new one started.</source>
        <extracomment>%2 is what was wrong with the file, a predicate such as &quot;is damaged&quot;; %3 the name it was kept under.</extracomment>
        <translation>Die Rekorddatei %1 %2; sie wurde als %3 aufbewahrt und eine neue angelegt.</translation>
    </message>
    <message>
        <source>the last games are not recorded yet</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>die letzten Spiele noch nicht aufgezeichnet sind</translation>
    </message>
    <message>
        <source>the records cannot be read</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>die Rekorde nicht gelesen werden können</translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsKeeper</name>
    <message>
        <source>1 finished game could not be written to the records file %1, nor kept for later, as %2, so it is not recorded</source>
        <extracomment>Told at the exit, in an error box (a full stop follows): %1 the records file, %2 why not (a clause such as &quot;the disk of the file is full&quot;).</extracomment>
        <translation>1 beendetes Spiel konnte weder in die Rekorddatei %1 geschrieben noch für später aufbewahrt werden, da %2, und ist daher nicht aufgezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n finished games could not be written to the records file %1, nor kept for later, as %2, so they are not recorded</source>
        <translation>
            <numerusform>%n beendetes Spiel konnte weder in die Rekorddatei %1 geschrieben noch für später aufbewahrt werden, da %2, und ist daher nicht aufgezeichnet</numerusform>
            <numerusform>%n beendete Spiele konnten weder in die Rekorddatei %1 geschrieben noch für später aufbewahrt werden, da %2, und sind daher nicht aufgezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>1 finished game could not be written to the records file %1. It is kept in %2 and will be added to the records the next time Peglore starts.</source>
        <extracomment>Told at the exit, in an information box: %1 the records file, %2 the file that keeps the game.</extracomment>
        <translation>1 beendetes Spiel konnte nicht in die Rekorddatei %1 geschrieben werden. Es ist in %2 aufbewahrt und wird beim nächsten Start von Peglore in die Rekorde aufgenommen.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished games could not be written to the records file %1. They are kept in %2 and will be added to the records the next time Peglore starts.</source>
        <translation>
            <numerusform>%n beendetes Spiel konnte nicht in die Rekorddatei %1 geschrieben werden. Es ist in %2 aufbewahrt und wird beim nächsten Start von Peglore in die Rekorde aufgenommen.</numerusform>
            <numerusform>%n beendete Spiele konnten nicht in die Rekorddatei %1 geschrieben werden. Sie sind in %2 aufbewahrt und werden beim nächsten Start von Peglore in die Rekorde aufgenommen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsService</name>
    <message numerus="yes">
        <source>%n finished game(s) of this session are not in the file yet.</source>
        <extracomment>Shown in the Records window after the records file&apos;s problem.</extracomment>
        <translation>
            <numerusform>%n beendetes Spiel dieser Sitzung steht noch nicht in der Datei.</numerusform>
            <numerusform>%n beendete Spiele dieser Sitzung stehen noch nicht in der Datei.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TScoreBoardReading</name>
    <message>
        <source>Row %1: not checked</source>
        <extracomment>Read by screen readers for a row of the score board that has no answer yet.</extracomment>
        <translation>Reihe %1: nicht geprüft</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>Read by screen readers for a row of the score board: the numbers of black and white key pegs.</extracomment>
        <translation>Reihe %1: %2 schwarz, %3 weiß</translation>
    </message>
</context>
<context>
    <name>peglore::TToolActions</name>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Tools menu: a noun, the command that fills the current row with a suggested guess (H).</extracomment>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Fills the current row with a strong guess that fits every answer so far, in place of the pegs it held.</source>
        <translation>Füllt die aktuelle Reihe mit einem starken Rateversuch, der zu allen bisherigen Antworten passt, anstelle der Stifte, die darin steckten.</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <extracomment>Tools menu: a noun, shows and hides the Analysis window (F3).</extracomment>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>Show the secrets still possible after every row</source>
        <translation>Die noch möglichen Codes je Reihe zeigen</translation>
    </message>
    <message>
        <source>Shows and hides the Analysis window: the secrets still possible before and after every checked row, the hint and the review of the last game.</source>
        <translation>Blendet das Analysefenster ein und aus: die vor und nach jeder geprüften Reihe noch möglichen Codes, den Tipp und die Rückschau auf das letzte Spiel.</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <extracomment>Tools menu: a noun, opens the Records window of the games played (F4).</extracomment>
        <translation>&amp;Rekorde</translation>
    </message>
    <message>
        <source>Shows the Records window: for every board its games, wins, best time and fewest rows, and the last games, each of which can be played again.</source>
        <translation>Zeigt das Fenster Rekorde: für jedes Spielfeld seine Spiele, Siege, Bestzeit und wenigsten Reihen, dazu die letzten Spiele, von denen sich jedes noch einmal spielen lässt.</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <extracomment>Tools menu: starts the game of the day, the same for every player (Ctrl+D).</extracomment>
        <translation>Ta&amp;gesspiel</translation>
    </message>
    <message>
        <source>Starts the daily game of today on the current board: every player gets the same secret on a board of this size today, and another one tomorrow. The first daily game you finish today counts for the day in the records; its result can then be copied.</source>
        <translation>Beginnt das heutige Tagesspiel auf dem aktuellen Spielfeld: Jeder Spieler bekommt heute auf einem Spielfeld dieser Größe denselben Geheimcode und morgen einen neuen. Das erste Tagesspiel, das Sie heute beenden, zählt in den Rekorden für den Tag; sein Ergebnis lässt sich dann kopieren.</translation>
    </message>
    <message>
        <source>&amp;Copy Daily Result</source>
        <extracomment>Tools menu: copies the result of today&apos;s daily game to the clipboard.</extracomment>
        <translation>Tagesergebnis &amp;kopieren</translation>
    </message>
    <message>
        <source>Puts the result of today&apos;s daily game on the current board on the clipboard and shows it: the date, the board and the rows it took, and for every checked row its key pegs only, so that it can be posted without giving the secret away.</source>
        <translation>Legt das Ergebnis des heutigen Tagesspiels auf dem aktuellen Spielfeld in die Zwischenablage und zeigt es: das Datum, das Spielfeld und die gebrauchten Reihen, und für jede geprüfte Reihe nur ihre Bewertungsstifte, sodass es sich teilen lässt, ohne den Geheimcode zu verraten.</translation>
    </message>
    <message>
        <source>&amp;Break My Code...</source>
        <extracomment>Tools menu: the player sets a secret code and the computer breaks it.</extracomment>
        <translation>Meinen &amp;Code knacken...</translation>
    </message>
    <message>
        <source>Opens a window in which you set a secret code on a board of the current size and the computer breaks it, row by row; you may score its rows yourself.</source>
        <translation>Öffnet ein Fenster, in dem Sie auf einem Spielfeld der aktuellen Größe einen Geheimcode festlegen und der Computer ihn Reihe für Reihe knackt; Sie können seine Reihen auch selbst bewerten.</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <extracomment>Tools menu: the name of an option with a check mark.</extracomment>
        <translation>Schwerer &amp;Modus</translation>
    </message>
    <message>
        <source>Check only rows that could be the secret</source>
        <translation>Nur Reihen prüfen, die noch möglich sind</translation>
    </message>
    <message>
        <source>In hard mode a full row is checked only when it fits the answers of every row checked before, so that it could be the secret; the check mark shows whether it is on.</source>
        <translation>Im schweren Modus wird eine volle Reihe nur geprüft, wenn sie zu den Antworten aller vorher geprüften Reihen passt und also der Geheimcode sein könnte; das Häkchen zeigt, ob er eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <extracomment>Tools menu: the name of an option with a check mark (Ctrl+Shift+S).</extracomment>
        <translation>Stift&amp;symbole</translation>
    </message>
    <message>
        <source>Draw a symbol on every peg</source>
        <translation>Ein Symbol auf jeden Stift zeichnen</translation>
    </message>
    <message>
        <source>Draws a small symbol on every peg, so that the colours can be told apart without colour.</source>
        <translation>Zeichnet ein kleines Symbol auf jeden Stift, sodass sich die Farben auch ohne Farbe unterscheiden lassen.</translation>
    </message>
    <message>
        <source>&amp;Variant...</source>
        <extracomment>Tools menu: opens the Variant dialog, the colours in play and whether they may repeat.</extracomment>
        <translation>&amp;Variante...</translation>
    </message>
    <message>
        <source>Opens the Variant dialog: how many colours of the colour bar every level plays with, whether a colour may repeat, and the classic board of 4 holes and 6 colours.</source>
        <translation>Öffnet den Dialog Variante: mit wie vielen Farben der Farbleiste jedes Level gespielt wird, ob sich eine Farbe wiederholen darf, und das klassische Spielfeld mit 4 Löchern und 6 Farben.</translation>
    </message>
    <message>
        <source>&amp;Keep Game at Exit</source>
        <extracomment>Tools menu: the name of an option with a check mark.</extracomment>
        <translation>Spiel beim Beenden &amp;behalten</translation>
    </message>
    <message>
        <source>Keep the game in progress for the next start</source>
        <translation>Das Spiel für den nächsten Start behalten</translation>
    </message>
    <message>
        <source>Keeps the game in progress when Peglore closes, with its rows and its clock, and resumes it at the next start. The statistics and the records count it once it ends.</source>
        <translation>Behält das laufende Spiel mit seinen Reihen und seiner Uhr, wenn Peglore geschlossen wird, und setzt es beim nächsten Start fort. Statistik und Rekorde zählen es, sobald es endet.</translation>
    </message>
    <message>
        <source>Fill the row with a guess fitting every answer</source>
        <translation>Reihe mit passendem Rateversuch füllen</translation>
    </message>
    <message>
        <source>Show every board&apos;s records; play a game again</source>
        <translation>Rekorde zeigen und Spiele wiederholen</translation>
    </message>
    <message>
        <source>Play today&apos;s game: one secret for everyone</source>
        <translation>Heutiges Spiel: ein Geheimcode für alle</translation>
    </message>
    <message>
        <source>Copy today&apos;s daily result, secret left out</source>
        <translation>Heutiges Ergebnis kopieren, ohne Geheimcode</translation>
    </message>
    <message>
        <source>Let the computer break a code you set</source>
        <translation>Den Computer Ihren Code knacken lassen</translation>
    </message>
    <message>
        <source>Choose the colours in play and repeats</source>
        <translation>Farben im Spiel und Wiederholung wählen</translation>
    </message>
</context>
<context>
    <name>peglore::TWinsChart</name>
    <message>
        <source>No wins yet</source>
        <extracomment>Shown in the chart, and read by screen readers, while the board has no won game.</extracomment>
        <translation>Noch keine Siege</translation>
    </message>
    <message>
        <source>Rows per win</source>
        <extracomment>Accessible name of the chart of how many wins took each number of rows, read by screen readers.</extracomment>
        <translation>Reihen pro Sieg</translation>
    </message>
    <message numerus="yes">
        <source>%n rows: %1</source>
        <extracomment>Read by screen readers for a column of the chart: %1 wins took %n rows each.</extracomment>
        <translation>
            <numerusform>%n Reihe: %1</numerusform>
            <numerusform>%n Reihen: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TfrmAbout</name>
    <message>
        <source>About...</source>
        <extracomment>Title of the About dialog (Help &gt; About...).</extracomment>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Total Games Played:</source>
        <extracomment>Caption before the number of games played; 119 pixels from its start to the number, bold.</extracomment>
        <translation>Spiele insgesamt:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <extracomment>Caption before the number of games won; 73 pixels from its start to the number, bold.</extracomment>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>Games Lost:</source>
        <extracomment>Caption before the number of games lost; 72 pixels from its start to the number, bold.</extracomment>
        <translation>Verloren:</translation>
    </message>
    <message>
        <source>Unfinished Games:</source>
        <extracomment>Caption before the number of games not finished; 108 pixels from its start to the number, bold.</extracomment>
        <translation>Nicht beendet:</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <extracomment>The About dialog&apos;s version line, centred in 65 pixels, bold.</extracomment>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peglore authors</source>
        <extracomment>The About dialog&apos;s copyright line, centred in 203 pixels, bold.</extracomment>
        <translation>Copyright © 2026 Peglore-Autoren</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCodeBreaker</name>
    <message>
        <source>row %1</source>
        <extracomment>The rows whose answers disagree, when one row: %1 is its number. It fills &quot;The answers of %1&quot;.</extracomment>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>rows %1 and %2</source>
        <extracomment>The rows whose answers disagree: %1 is a list of row numbers (&quot;1, 2&quot;), %2 the last one. It fills &quot;The answers of %1&quot;.</extracomment>
        <translation>den Reihen %1 und %2</translation>
    </message>
    <message>
        <source>Break My Code</source>
        <extracomment>Title of the window where the computer breaks the player&apos;s secret code (Tools &gt; Break My Code...).</extracomment>
        <translation>Meinen Code knacken</translation>
    </message>
    <message>
        <source>Your secret code (keys 1 to %1, Backspace clears):</source>
        <extracomment>Caption above the player&apos;s code, 300 pixels wide. %1 is the highest colour key (8).</extracomment>
        <translation>Ihr Geheimcode (Tasten 1 bis %1, Rücktaste leert):</translation>
    </message>
    <message>
        <source>Your secret code</source>
        <extracomment>Accessible name of the row of the player&apos;s code, read by screen readers.</extracomment>
        <translation>Ihr Geheimcode</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <extracomment>Accessible name of the row of eight colours, read by screen readers.</extracomment>
        <translation>Farbleiste</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <extracomment>Accessible name of a colour button: %1 is its place in the bar, from 1 to 8.</extracomment>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>Tooltip of a colour button: the key %1 (a digit) places the colour.</extracomment>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Button, 80 pixels wide: makes a random code for the player.</extracomment>
        <translation>&amp;Zufall</translation>
    </message>
    <message>
        <source>I &amp;score the rows myself</source>
        <extracomment>Check box, 300 pixels wide: the player answers each of the computer&apos;s rows, with no code set here.</extracomment>
        <translation>Reihen selbst &amp;bewerten</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <extracomment>Button, 80 pixels wide.</extracomment>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <source>Put a peg in every hole of your code first, or press Random.</source>
        <extracomment>&quot;Random&quot; is the button&apos;s name.</extracomment>
        <translation>Setzen Sie zuerst einen Stift in jedes Loch Ihres Codes, oder klicken Sie auf Zufall.</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <extracomment>Button, 80 pixels wide: the computer plays its rows without waiting between them.</extracomment>
        <translation>Schne&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button, 80 pixels wide.</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Blacks:</source>
        <extracomment>Caption, 46 pixels wide, before the number of black key pegs (right colour in the right hole).</extracomment>
        <translation>Sch&amp;warz:</translation>
    </message>
    <message>
        <source>&amp;Whites:</source>
        <extracomment>Caption, 46 pixels wide, before the number of white key pegs (right colour in another hole).</extracomment>
        <translation>W&amp;eiß:</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <extracomment>Button, 80 pixels wide: a command, gives the blacks and whites to the computer.</extracomment>
        <translation>&amp;Antworten</translation>
    </message>
    <message>
        <source>No code answers %1 black, %2 white on %3 holes.</source>
        <extracomment>%1 black and %2 white key pegs, %3 the holes of a row: more key pegs than a row can have.</extracomment>
        <translation>Kein Code ergibt %1 schwarz, %2 weiß bei %3 Löchern.</translation>
    </message>
    <message>
        <source>The computer&apos;s rows</source>
        <extracomment>Accessible name of the board of the computer&apos;s guesses, read by screen readers.</extracomment>
        <translation>Die Reihen des Computers</translation>
    </message>
    <message>
        <source>The answers</source>
        <extracomment>Accessible name of the board of key pegs that answer the computer&apos;s rows, read by screen readers.</extracomment>
        <translation>Die Antworten</translation>
    </message>
    <message>
        <source>Set your secret code on the %1 holes and press Start.</source>
        <extracomment>%1 is the holes in a row; &quot;Start&quot; is the button&apos;s name.</extracomment>
        <translation>Legen Sie Ihren Geheimcode in den %1 Löchern fest und klicken Sie auf Start.</translation>
    </message>
    <message>
        <source>Row %1: the computer is choosing its guess…</source>
        <extracomment>%1 is the row&apos;s number.</extracomment>
        <translation>Reihe %1: Der Computer wählt seinen Versuch…</translation>
    </message>
    <message>
        <source>Row %1: the computer plays %2.</source>
        <extracomment>%1 is the row&apos;s number, %2 the computer&apos;s guess as key digits (&quot;1234&quot;).</extracomment>
        <translation>Reihe %1: Der Computer spielt %2.</translation>
    </message>
    <message>
        <source>Row %1: score the computer&apos;s guess against your code: blacks and whites, then Answer.</source>
        <extracomment>%1 is the row&apos;s number; &quot;Answer&quot; is the button&apos;s name.</extracomment>
        <translation>Reihe %1: Bewerten Sie den Versuch des Computers anhand Ihres Codes: Schwarze und Weiße, dann Antworten.</translation>
    </message>
    <message>
        <source>The answers of %1 cannot all be true: no code gives every one of them. Score row %2 again, or start again if an earlier row was scored wrong.</source>
        <extracomment>%1 is &quot;row 3&quot; or &quot;rows 1, 2 and 4&quot;, %2 the number of the row whose answer is asked for again.</extracomment>
        <translation>Die Antworten in %1 können nicht alle stimmen: Kein Code ergibt sie alle. Bewerten Sie Reihe %2 neu, oder beginnen Sie von vorn, wenn eine frühere Reihe falsch bewertet wurde.</translation>
    </message>
    <message>
        <source>The computer broke your code in 1 row. Your code: %1.</source>
        <extracomment>%1 is the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>Der Computer hat Ihren Code in 1 Reihe geknackt. Ihr Code: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The computer broke your code in %n rows. Your code: %1.</source>
        <extracomment>%n is the rows the computer took, %1 the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>
            <numerusform>Der Computer hat Ihren Code in %n Reihe geknackt. Ihr Code: %1.</numerusform>
            <numerusform>Der Computer hat Ihren Code in %n Reihen geknackt. Ihr Code: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer did not break your code in 1 row. Your code: %1.</source>
        <extracomment>%1 is the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>Der Computer hat Ihren Code in 1 Reihe nicht geknackt. Ihr Code: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The computer did not break your code in %n rows. Your code: %1.</source>
        <extracomment>%n is the rows played, %1 the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>
            <numerusform>Der Computer hat Ihren Code in %n Reihe nicht geknackt. Ihr Code: %1.</numerusform>
            <numerusform>Der Computer hat Ihren Code in %n Reihen nicht geknackt. Ihr Code: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer did not break your code in 1 row.</source>
        <extracomment>The player scored the rows and set no code here.</extracomment>
        <translation>Der Computer hat Ihren Code in 1 Reihe nicht geknackt.</translation>
    </message>
    <message numerus="yes">
        <source>The computer did not break your code in %n rows.</source>
        <extracomment>The player scored the rows and set no code here; %n is the rows played.</extracomment>
        <translation>
            <numerusform>Der Computer hat Ihren Code in %n Reihe nicht geknackt.</numerusform>
            <numerusform>Der Computer hat Ihren Code in %n Reihen nicht geknackt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCorrectAnswer</name>
    <message>
        <source>Correct Combination</source>
        <extracomment>Title of the dialog that shows the secret after a lost or given-up game.</extracomment>
        <translation>Richtige Kombination</translation>
    </message>
    <message>
        <source>The correct combination was:</source>
        <extracomment>Heading above the pegs of the secret; the dialog is 323 pixels wide.</extracomment>
        <translation>Die richtige Kombination war:</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCustomBoard</name>
    <message>
        <source>Custom Board Size:</source>
        <extracomment>Title of the dialog of the Custom level&apos;s board size.</extracomment>
        <translation>Benutzerdefinierte Spielfeldgröße:</translation>
    </message>
    <message>
        <source>Board preview</source>
        <extracomment>Accessible name, read by screen readers: the small picture of the chosen board.</extracomment>
        <translation>Spielfeldvorschau</translation>
    </message>
    <message>
        <source>Holes</source>
        <extracomment>Accessible name of the slider of the number of holes in a row (the board&apos;s width).</extracomment>
        <translation>Löcher</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Accessible name of the slider of the number of rows (the board&apos;s height).</extracomment>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Board Dimensions:</source>
        <extracomment>Caption above the board size (&quot;5 x 10&quot;) in a panel 102 pixels wide.</extracomment>
        <translation>Spielfeldmaße:</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <extracomment>The board&apos;s size: %1 holes in a row by %2 rows. Centred in a panel 102 pixels wide.</extracomment>
        <translation>%1 x %2</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmDailyResult</name>
    <message>
        <source>Daily Result</source>
        <extracomment>Title of the window after a daily game (one game a day, the same for every player).</extracomment>
        <translation>Tagesergebnis</translation>
    </message>
    <message>
        <source>Your daily game to share:</source>
        <extracomment>Heading above the result, bold, in a window 340 pixels wide.</extracomment>
        <translation>Ihr Tagesspiel zum Teilen:</translation>
    </message>
    <message>
        <source>Result to share</source>
        <extracomment>Accessible name of the box with the result, read by screen readers.</extracomment>
        <translation>Ergebnis zum Teilen</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <extracomment>One line, 316 pixels wide.</extracomment>
        <translation>Das Ergebnis ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button, 84 pixels wide: a command, copies the result to the clipboard.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmProperties</name>
    <message>
        <source>Properties</source>
        <extracomment>Title of the dialog of the game&apos;s options (Game &gt; Properties...).</extracomment>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 75 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 75 pixels wide.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The only tab of the Properties dialog: the general options.</extracomment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Background music</source>
        <extracomment>Check box, 116 pixels wide: the music played during the game.</extracomment>
        <translation>Hintergrundmusik</translation>
    </message>
    <message>
        <source>Smart Hints</source>
        <extracomment>Check box, 97 pixels wide. &quot;Smart Hints&quot; is the option&apos;s name: it shows or hides the tooltips of the tool bar&apos;s buttons.</extracomment>
        <translation>Kurzinfos</translation>
    </message>
    <message>
        <source>Automatic Checking</source>
        <extracomment>Check box, 122 pixels wide. The option&apos;s name: a row is checked as soon as its last hole is filled.</extracomment>
        <translation>Automatisch prüfen</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmRecords</name>
    <message>
        <source>%1, %2 × %3</source>
        <extracomment>A board in the records&apos; tables: %1 is the level&apos;s name, %2 the holes in a row, %3 the rows.</extracomment>
        <translation>%1, %2 × %3</translation>
    </message>
    <message>
        <source>%1, %2 × %3, %4</source>
        <extracomment>A board in the records&apos; tables: %1 is the level&apos;s name, %2 the holes in a row, %3 the rows, %4 the colours in play (&quot;6 colours, no repeats&quot;).</extracomment>
        <translation>%1, %2 × %3, %4</translation>
    </message>
    <message>
        <source>%1, %2 × %3, Break My Code</source>
        <extracomment>A board the computer played against the player&apos;s own secret (Tools &gt; Break My Code...): %1 is the level&apos;s name, %2 the holes in a row, %3 the rows.</extracomment>
        <translation>%1, %2 × %3, Meinen Code knacken</translation>
    </message>
    <message>
        <source>%1, %2 × %3, %4, Break My Code</source>
        <extracomment>A board the computer played against the player&apos;s own secret (Tools &gt; Break My Code...): %1 is the level&apos;s name, %2 the holes in a row, %3 the rows, %4 the colours in play (&quot;6 colours, no repeats&quot;).</extracomment>
        <translation>%1, %2 × %3, %4, Meinen Code knacken</translation>
    </message>
    <message>
        <source>daily %1, hard mode</source>
        <extracomment>The notes of a game in the list of last games: the daily game of the date %1, played in hard mode (every row had to fit the answers so far).</extracomment>
        <translation>Tagesspiel %1, schwerer Modus</translation>
    </message>
    <message>
        <source>daily %1</source>
        <extracomment>The notes of a game in the list of last games: the daily game of the date %1.</extracomment>
        <translation>Tagesspiel %1</translation>
    </message>
    <message>
        <source>hard mode</source>
        <extracomment>The notes of a game in the list of last games: played in hard mode (every row had to fit the answers so far).</extracomment>
        <translation>schwerer Modus</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the Records window (Tools &gt; Records..., F4).</extracomment>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Column header: the board (level, size, colours).</extracomment>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column header: the number of games played on the board.</extracomment>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>Column header: the number of games won.
----------
Column header: the number of daily games won.</extracomment>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <extracomment>Column header: the number of games lost.</extracomment>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Best time</source>
        <extracomment>Column header: the shortest time of a won game.</extracomment>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Fewest rows</source>
        <extracomment>Column header: the fewest rows a won game took.</extracomment>
        <translation>Wenigste Reihen</translation>
    </message>
    <message>
        <source>Average rows</source>
        <extracomment>Column header: the rows a won game took on average.</extracomment>
        <translation>Reihen im Schnitt</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <extracomment>Column header: the most games won one after the other.</extracomment>
        <translation>Längste Siegesserie</translation>
    </message>
    <message>
        <source>Figures per board</source>
        <extracomment>Accessible name of the table of figures, read by screen readers.</extracomment>
        <translation>Zahlen je Spielfeld</translation>
    </message>
    <message>
        <source>Daily games:</source>
        <extracomment>Caption above the table of the daily games (one game a day, the same for every player).</extracomment>
        <translation>Tagesspiele:</translation>
    </message>
    <message>
        <source>Daily games</source>
        <extracomment>Column header: the number of daily games played on the board.</extracomment>
        <translation>Tagesspiele</translation>
    </message>
    <message>
        <source>Current run of days won</source>
        <extracomment>Column header: the days one after the other up to today whose daily game was won.</extracomment>
        <translation>Aktuelle Serie gewonnener Tage</translation>
    </message>
    <message>
        <source>Longest run of days won</source>
        <extracomment>Column header: the most days one after the other whose daily game was won.</extracomment>
        <translation>Längste Serie gewonnener Tage</translation>
    </message>
    <message>
        <source>Daily games per board</source>
        <extracomment>Accessible name of the table of daily games, read by screen readers.</extracomment>
        <translation>Tagesspiele je Spielfeld</translation>
    </message>
    <message numerus="yes">
        <source>Last %n games:</source>
        <extracomment>Caption above the list of the games played last, newest first; %n is how many it shows.</extracomment>
        <translation>
            <numerusform>Das letzte %n Spiel:</numerusform>
            <numerusform>Die letzten %n Spiele:</numerusform>
        </translation>
    </message>
    <message>
        <source>Game number</source>
        <extracomment>Column header: the game&apos;s number, which plays the same secret again.</extracomment>
        <translation>Spielnummer</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Column header: the date and time the game ended.</extracomment>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Column header: how the game ended (won, lost, given up, abandoned).</extracomment>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Column header: the number of rows played.</extracomment>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column header: the game&apos;s time on the clock.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Column header: the number of hints taken.</extracomment>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column header: what sets the game apart (daily game, hard mode).</extracomment>
        <translation>Anmerkungen</translation>
    </message>
    <message>
        <source>Last games</source>
        <extracomment>Accessible name of the list of last games, read by screen readers.</extracomment>
        <translation>Letzte Spiele</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>Button: plays the game chosen in the list of last games again.</extracomment>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Play the chosen game again: the same board and the same secret</source>
        <translation>Das gewählte Spiel noch einmal spielen: dasselbe Spielfeld und derselbe Geheimcode</translation>
    </message>
    <message>
        <source>Records file: %1</source>
        <extracomment>The line at the foot of the Records window; %1 is the records file&apos;s path.</extracomment>
        <translation>Rekorddatei: %1</translation>
    </message>
    <message>
        <source>Rows per win</source>
        <extracomment>The chart&apos;s title while no board is chosen: how many wins took each number of rows.</extracomment>
        <translation>Reihen pro Sieg</translation>
    </message>
    <message>
        <source>Rows per win: %1</source>
        <extracomment>The chart&apos;s title: how many wins took each number of rows; %1 is the board.</extracomment>
        <translation>Reihen pro Sieg: %1</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmVariant</name>
    <message>
        <source>Variant</source>
        <extracomment>Title of the dialog of the colours in play and whether they repeat (Tools &gt; Variant...).</extracomment>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Colours in play:</source>
        <extracomment>Caption before the number of colours; the number follows 140 pixels from its start.</extracomment>
        <translation>Farben im Spiel:</translation>
    </message>
    <message>
        <source>Colours in play</source>
        <extracomment>Accessible name of the slider of the number of colours, read by screen readers.</extracomment>
        <translation>Farben im Spiel</translation>
    </message>
    <message>
        <source>Colours may repeat</source>
        <extracomment>Check box, 176 pixels wide: a colour may stand in more than one hole of the secret.</extracomment>
        <translation>Farben wiederholbar</translation>
    </message>
    <message>
        <source>Classic board:</source>
        <extracomment>Caption in a panel 102 pixels wide, above the classic board&apos;s size and colours.</extracomment>
        <translation>Klassiker:</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <extracomment>The classic board&apos;s size: %1 holes in a row by %2 rows.</extracomment>
        <translation>%1 x %2</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <extracomment>The classic board&apos;s number of colours, in a panel 102 pixels wide.</extracomment>
        <translation>
            <numerusform>%n Farbe</numerusform>
            <numerusform>%n Farben</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>Button, 60 pixels wide: plays the classic board and colours at once.</extracomment>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Without repeats every hole needs a colour of its own: this board has %1 holes and %2 colours, so it plays with repeats.</source>
        <extracomment>A note in a box 176 x 66 pixels, four short lines. %1 is the number of holes of the level in play, %2 the number of colours chosen (fewer than the holes).</extracomment>
        <translation>Ohne Wiederholung braucht jedes Loch eine eigene Farbe: Dieses Spielfeld hat %1 Löcher und %2 Farben, spielt also mit Wiederholung.</translation>
    </message>
</context>
</TS>
