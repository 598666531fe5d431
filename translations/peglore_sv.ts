<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>peglore::GameKeeper</name>
    <message>
        <source>Unable to keep the game in %1: %2</source>
        <extracomment>Told at the exit in an error box (a full stop follows): the game in progress could not be written for the next start. %1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Det går inte att behålla spelet i %1: %2</translation>
    </message>
</context>
<context>
    <name>peglore::GameNames</name>
    <message>
        <source>Beginner</source>
        <extracomment>A level&apos;s name, as the Records window names a board (&quot;Beginner, 4 × 10&quot;).</extracomment>
        <translation>Nybörjare</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <extracomment>A level&apos;s name, as the Records window names a board.</extracomment>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>A level&apos;s name, as the Records window names a board.</extracomment>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>A level&apos;s name: a board of the player&apos;s own size, as the Records window names it.</extracomment>
        <translation>Anpassad</translation>
    </message>
    <message>
        <source>1 colour</source>
        <extracomment>A game&apos;s variant in the Records window: its secret has a single colour.</extracomment>
        <translation>1 färg</translation>
    </message>
    <message>
        <source>1 colour, no repeats</source>
        <extracomment>A game&apos;s variant in the Records window: its secret has a single colour.</extracomment>
        <translation>1 färg, utan upprepningar</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <extracomment>A game&apos;s variant in the Records window: the secret is drawn from the first %n colours of the colour bar, a colour as often as it comes.</extracomment>
        <translation>
            <numerusform>%n färg</numerusform>
            <numerusform>%n färger</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n colours, no repeats</source>
        <extracomment>A game&apos;s variant in the Records window: the secret is drawn from the first %n colours of the colour bar, no colour twice.</extracomment>
        <translation>
            <numerusform>%n färg, utan upprepningar</numerusform>
            <numerusform>%n färger, utan upprepningar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::PegNames</name>
    <message>
        <source>red</source>
        <extracomment>A peg&apos;s colour, read by screen readers; with the symbols shown, its symbol follows (&quot;red, disc&quot;).</extracomment>
        <translation>röd</translation>
    </message>
    <message>
        <source>disc</source>
        <extracomment>The symbol drawn on a red peg: a filled circle.</extracomment>
        <translation>skiva</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>grön</translation>
    </message>
    <message>
        <source>triangle pointing up</source>
        <extracomment>The symbol drawn on a green peg.</extracomment>
        <translation>triangel med spetsen uppåt</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>svart</translation>
    </message>
    <message>
        <source>square</source>
        <extracomment>The symbol drawn on a black peg.</extracomment>
        <translation>kvadrat</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>gul</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>The symbol drawn on a yellow peg: a square standing on a corner.</extracomment>
        <translation>romb</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>blå</translation>
    </message>
    <message>
        <source>plus</source>
        <extracomment>The symbol &quot;+&quot; drawn on a blue peg.</extracomment>
        <translation>plus</translation>
    </message>
    <message>
        <source>gray</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>grå</translation>
    </message>
    <message>
        <source>cross</source>
        <extracomment>The symbol &quot;×&quot; drawn on a gray peg.</extracomment>
        <translation>kryss</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <extracomment>A peg&apos;s colour, read by screen readers: a purplish pink.</extracomment>
        <translation>magenta</translation>
    </message>
    <message>
        <source>triangle pointing down</source>
        <extracomment>The symbol drawn on a fuchsia peg.</extracomment>
        <translation>triangel med spetsen nedåt</translation>
    </message>
    <message>
        <source>lime</source>
        <extracomment>A peg&apos;s colour, read by screen readers: a light, bright green, other than &quot;green&quot;.</extracomment>
        <translation>ljusgrön</translation>
    </message>
    <message>
        <source>bar</source>
        <extracomment>The symbol drawn on a lime peg: a short thick horizontal line.</extracomment>
        <translation>stapel</translation>
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
        <translation>svarta %1, vita %2</translation>
    </message>
    <message>
        <source>won in 1 row</source>
        <extracomment>How the reviewed game ended; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>vunnet på 1 rad</translation>
    </message>
    <message numerus="yes">
        <source>won in %n rows</source>
        <extracomment>How the reviewed game ended, in %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>vunnet på %n rad</numerusform>
            <numerusform>vunnet på %n rader</numerusform>
        </translation>
    </message>
    <message>
        <source>lost after 1 row</source>
        <extracomment>How the reviewed game ended; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>förlorat efter 1 rad</translation>
    </message>
    <message numerus="yes">
        <source>lost after %n rows</source>
        <extracomment>How the reviewed game ended, after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>förlorat efter %n rad</numerusform>
            <numerusform>förlorat efter %n rader</numerusform>
        </translation>
    </message>
    <message>
        <source>given up after 1 row</source>
        <extracomment>How the reviewed game ended: the player gave up; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>uppgivet efter 1 rad</translation>
    </message>
    <message numerus="yes">
        <source>given up after %n rows</source>
        <extracomment>How the reviewed game ended: the player gave up after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>uppgivet efter %n rad</numerusform>
            <numerusform>uppgivet efter %n rader</numerusform>
        </translation>
    </message>
    <message>
        <source>left for a new game after 1 row</source>
        <extracomment>How the reviewed game ended: the player started a new one; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>lämnat för ett nytt spel efter 1 rad</translation>
    </message>
    <message numerus="yes">
        <source>left for a new game after %n rows</source>
        <extracomment>How the reviewed game ended: the player started a new one after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>lämnat för ett nytt spel efter %n rad</numerusform>
            <numerusform>lämnat för ett nytt spel efter %n rader</numerusform>
        </translation>
    </message>
    <message>
        <source>Analysis</source>
        <extracomment>Title of the analysis window (Tools &gt; Analysis...): the rows checked so far and what they taught.</extracomment>
        <translation>Analys</translation>
    </message>
    <message>
        <source>Checked rows</source>
        <extracomment>Accessible name of the table of checked rows, read by screen readers.</extracomment>
        <translation>Kontrollerade rader</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column header: the row&apos;s number.</extracomment>
        <translation>Rad</translation>
    </message>
    <message>
        <source>The row of the guess board</source>
        <translation>Raden på gissningsbrädet</translation>
    </message>
    <message>
        <source>Guess</source>
        <extracomment>Column header: the pegs the player placed in the row.</extracomment>
        <translation>Gissning</translation>
    </message>
    <message>
        <source>The pegs of the row</source>
        <translation>Radens pinnar</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Column header: the key pegs (black and white) that answered the row.</extracomment>
        <translation>Svar</translation>
    </message>
    <message>
        <source>The key pegs the score board gave</source>
        <translation>Svarspinnarna som svarsbrädet gav</translation>
    </message>
    <message>
        <source>Before</source>
        <extracomment>Column header: the count of secrets still possible before the row.</extracomment>
        <translation>Före</translation>
    </message>
    <message>
        <source>Secrets still possible before the row was checked</source>
        <translation>Koder som fortfarande var möjliga innan raden kontrollerades</translation>
    </message>
    <message>
        <source>After</source>
        <extracomment>Column header: the count of secrets still possible after the row.</extracomment>
        <translation>Efter</translation>
    </message>
    <message>
        <source>Secrets still possible after it</source>
        <translation>Koder som fortfarande var möjliga efteråt</translation>
    </message>
    <message>
        <source>Bits</source>
        <extracomment>Column header: the information in bits (the unit) the row gained.</extracomment>
        <translation>Bitar</translation>
    </message>
    <message>
        <source>The information the row gained: log2(before / after)</source>
        <translation>Informationen som raden gav: log2(före / efter)</translation>
    </message>
    <message>
        <source>Could be the secret</source>
        <extracomment>Column header: yes, or the row that ruled the guess out.</extracomment>
        <translation>Kan vara koden</translation>
    </message>
    <message>
        <source>Whether the guess fitted every row before it</source>
        <translation>Om gissningen passade varje rad före den</translation>
    </message>
    <message>
        <source>Hint would have played</source>
        <extracomment>Column header, shown in the review of an ended game: the hint&apos;s pegs for the row.</extracomment>
        <translation>Tipset skulle ha spelat</translation>
    </message>
    <message>
        <source>What the hint would have placed in this row</source>
        <translation>Det som tipset skulle ha satt i den här raden</translation>
    </message>
    <message>
        <source>Secrets still possible</source>
        <extracomment>Accessible name of the list of the secrets that still fit every answer, read by screen readers.</extracomment>
        <translation>Koder som fortfarande är möjliga</translation>
    </message>
    <message>
        <source>Counting the secrets still possible…</source>
        <extracomment>The window&apos;s heading while the counts are worked out.</extracomment>
        <translation>Räknar de koder som fortfarande är möjliga…</translation>
    </message>
    <message>
        <source>The analysis covers boards up to %1 holes, and this board has %2.</source>
        <extracomment>%1 is the most holes in a row the analysis takes, %2 the holes of the board in play (more).</extracomment>
        <translation>Analysen omfattar bräden upp till %1 hål, och det här brädet har %2.</translation>
    </message>
    <message>
        <source>Review of game %1: %2. To play it again: peglore --game %1</source>
        <extracomment>The heading after a game: %1 is the game&apos;s number, %2 how it ended (&quot;won in 3 rows&quot;). Keep &quot;peglore --game %1&quot; as it is: the command that plays the game again.</extracomment>
        <translation>Genomgång av spel %1: %2. För att spela det igen: peglore --game %1</translation>
    </message>
    <message>
        <source>Game %1, 1 row checked</source>
        <extracomment>The heading during a game: %1 is the game&apos;s number.</extracomment>
        <translation>Spel %1, 1 rad kontrollerad</translation>
    </message>
    <message numerus="yes">
        <source>Game %1, %n rows checked</source>
        <extracomment>The heading during a game: %1 is the game&apos;s number, %n the rows checked so far.</extracomment>
        <translation>
            <numerusform>Spel %1, %n rad kontrollerad</numerusform>
            <numerusform>Spel %1, %n rader kontrollerade</numerusform>
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
        <translation>nej: rad %1 uteslöt den</translation>
    </message>
    <message>
        <source>Secrets still possible at the end: %1</source>
        <extracomment>After a game: %1 is the count of secrets that fitted every answer.</extracomment>
        <translation>Koder som fortfarande var möjliga vid slutet: %1</translation>
    </message>
    <message>
        <source>Secrets possible now: %1</source>
        <extracomment>During a game: %1 is the count of secrets that fit every answer so far.</extracomment>
        <translation>Möjliga koder nu: %1</translation>
    </message>
    <message>
        <source>Hint for row %1: %2</source>
        <extracomment>%1 is the next row&apos;s number, %2 the hint&apos;s pegs as key digits (&quot;1234&quot;); the pegs&apos; picture follows.</extracomment>
        <translation>Tips för rad %1: %2</translation>
    </message>
</context>
<context>
    <name>peglore::TBoardGridAccessible</name>
    <message>
        <source>Hole %1</source>
        <extracomment>Read by screen readers for a column of a board: %1 is the hole&apos;s number in the row.</extracomment>
        <translation>Hål %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>Read by screen readers for a row of a board: %1 is the row&apos;s number.</extracomment>
        <translation>Rad %1</translation>
    </message>
</context>
<context>
    <name>peglore::TColorSwatchAccessible</name>
    <message>
        <source>%1, key %2</source>
        <extracomment>Read by screen readers for a colour of the colour bar: the colour, and the number key that places it.</extracomment>
        <translation>%1, tangent %2</translation>
    </message>
</context>
<context>
    <name>peglore::TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <extracomment>The pop-up menu of a control (right click): shows the control&apos;s help.</extracomment>
        <translation>&amp;Vad är det här?</translation>
    </message>
</context>
<context>
    <name>peglore::TDailyGames</name>
    <message>
        <source>Today&apos;s daily game on this board is not finished yet. Daily Game in the Tools menu starts it.</source>
        <extracomment>An information box of Copy Daily Result; &quot;Daily Game&quot; and &quot;Tools&quot; name the menu item and the menu.</extracomment>
        <translation>Dagens spel på det här brädet är inte avslutat än. Dagens spel på menyn Verktyg startar det.</translation>
    </message>
</context>
<context>
    <name>peglore::TGameClockAccessible</name>
    <message>
        <source>Game clock: %1 seconds</source>
        <extracomment>Read by screen readers for the clock panel.</extracomment>
        <translation>Spelklocka: %1 sekunder</translation>
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
        <translation>vunnet</translation>
    </message>
    <message>
        <source>lost</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: every row used.</extracomment>
        <translation>förlorat</translation>
    </message>
    <message>
        <source>given up</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: the player gave up.</extracomment>
        <translation>uppgivet</translation>
    </message>
    <message>
        <source>abandoned</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: left unfinished for a new game or at the exit.</extracomment>
        <translation>lämnat</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>The name of a level the game does not know, read from a records file written elsewhere; %1 is its number.</extracomment>
        <translation>Nivå %1</translation>
    </message>
</context>
<context>
    <name>peglore::TGuessBoardInput</name>
    <message>
        <source>&amp;Repeat</source>
        <extracomment>The guess board&apos;s right-click menu: copies the peg of the same hole in the row above.</extracomment>
        <translation>&amp;Upprepa</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>The guess board&apos;s right-click menu: empties the hole clicked.</extracomment>
        <translation>&amp;Rensa</translation>
    </message>
    <message>
        <source>Clear &amp;Row</source>
        <extracomment>The guess board&apos;s right-click menu: empties every hole of the current row.</extracomment>
        <translation>Rensa ra&amp;d</translation>
    </message>
    <message>
        <source>&amp;Give Up!</source>
        <extracomment>The guess board&apos;s right-click menu: ends the game as lost, after a question.</extracomment>
        <translation>&amp;Ge upp!</translation>
    </message>
</context>
<context>
    <name>peglore::TGuessBoardReading</name>
    <message>
        <source>empty</source>
        <extracomment>Read by screen readers for a hole of the guess board without a peg.</extracomment>
        <translation>tomt</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <extracomment>Read by screen readers for a hole of the guess board: row, hole, and the peg&apos;s colour or &quot;empty&quot;.</extracomment>
        <translation>Rad %1, hål %2: %3</translation>
    </message>
</context>
<context>
    <name>peglore::THelpContentsWindow</name>
    <message>
        <source>Help Topics: %1</source>
        <extracomment>The title of the help&apos;s contents and index window; %1 is the help&apos;s title, such as &quot;Peglore Help&quot;.</extracomment>
        <translation>Hjälpavsnitt: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An entry of the help&apos;s index for a keyword of several topics: %1 the keyword, %2 the topic&apos;s title.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <extracomment>The grey text in the empty field of the help&apos;s index, where the player types a keyword.</extracomment>
        <translation>Skriv ett ord att söka efter</translation>
    </message>
    <message>
        <source>&amp;Type the word you are looking for:</source>
        <extracomment>The label above the field of the help&apos;s index.</extracomment>
        <translation>&amp;Skriv ordet du söker:</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>A tab of the help&apos;s window: the list of topics.</extracomment>
        <translation>Innehåll</translation>
    </message>
    <message>
        <source>Index</source>
        <extracomment>A tab of the help&apos;s window: the keywords of the topics.</extracomment>
        <translation>Index</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <extracomment>A button of the help&apos;s window: shows the topic chosen.</extracomment>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the help&apos;s window.</extracomment>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>peglore::THelpTopicWindow</name>
    <message>
        <source>&amp;Back</source>
        <extracomment>A button of the help&apos;s topic window: the topic read before.</extracomment>
        <translation>&amp;Bakåt</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>A button of the help&apos;s topic window: the topic read after, once gone back.</extracomment>
        <translation>&amp;Framåt</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>A button of the help&apos;s topic window: opens the list of topics.</extracomment>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <extracomment>A button of the help&apos;s topic window: opens the keywords of the topics.</extracomment>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <extracomment>The heading of the help window&apos;s page for an item without help of its own.</extracomment>
        <translation>Avsnittet hittades inte</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <extracomment>The help window&apos;s page for an item without help of its own.</extracomment>
        <translation>Inget hjälpavsnitt hör till det här objektet.</translation>
    </message>
</context>
<context>
    <name>peglore::THelpViewer</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The title of the help&apos;s windows; %1 is the help file&apos;s name without its extension, &quot;Peglore&quot;.</extracomment>
        <translation>Hjälp för %1</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <extracomment>A help pop-up for an item without help of its own.</extracomment>
        <translation>Inget hjälpavsnitt hör till det här objektet.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: there is no such file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path.</extracomment>
        <translation>Det går inte att öppna hjälpfilen ”%1”: filen finns inte.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path, %2 the system&apos;s reason, in English.</extracomment>
        <translation>Det går inte att öppna hjälpfilen ”%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it is larger than %2 KiB, too large for a help file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path, %2 the largest size of a help file.</extracomment>
        <translation>Det går inte att öppna hjälpfilen ”%1”: den är större än %2 KiB, för stor för en hjälpfil.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it is not a help file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path. The file holds bytes that are no text.</extracomment>
        <translation>Det går inte att öppna hjälpfilen ”%1”: det är inte en hjälpfil.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it holds no help topics.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path. The file is empty or has no topic.</extracomment>
        <translation>Det går inte att öppna hjälpfilen ”%1”: den innehåller inga hjälpavsnitt.</translation>
    </message>
</context>
<context>
    <name>peglore::TMainForm</name>
    <message>
        <source>Tool bar</source>
        <extracomment>Accessible name, read by screen readers: the three buttons at the top left.</extracomment>
        <translation>Verktygsfält</translation>
    </message>
    <message>
        <source>New Game|</source>
        <extracomment>Tooltip of the first tool button. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Nytt spel|</translation>
    </message>
    <message>
        <source>Game Properties|</source>
        <extracomment>Tooltip of the second tool button, which opens the Properties dialog. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Spelegenskaper|</translation>
    </message>
    <message>
        <source>Check!|</source>
        <extracomment>Tooltip of the third tool button: a command, check the current row now. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Kontrollera!|</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <extracomment>Accessible name, read by screen readers: the row of eight colours to drag pegs from.</extracomment>
        <translation>Färglist</translation>
    </message>
    <message>
        <source>Guess board</source>
        <extracomment>Accessible name, read by screen readers: the board where the player places guesses.</extracomment>
        <translation>Gissningsbräde</translation>
    </message>
    <message>
        <source>Score board</source>
        <extracomment>Accessible name, read by screen readers: the board of key pegs that answer each row.</extracomment>
        <translation>Svarsbräde</translation>
    </message>
    <message>
        <source>Status bar</source>
        <extracomment>Accessible name, read by screen readers.</extracomment>
        <translation>Statusfält</translation>
    </message>
    <message>
        <source>Row:</source>
        <extracomment>The status bar&apos;s first panel before the first game: the number of the current row follows later. The panel is 50 pixels wide.</extracomment>
        <translation>Rad:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>Menu of the menu bar.</extracomment>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Game menu: starts a new game (F2).</extracomment>
        <translation>&amp;Nytt</translation>
    </message>
    <message>
        <source>Start a new game with current settings</source>
        <translation>Nytt spel med nuvarande inställningar</translation>
    </message>
    <message>
        <source>&amp;Give Up!</source>
        <extracomment>Game menu: ends the game as lost and shows the secret.</extracomment>
        <translation>&amp;Ge upp!</translation>
    </message>
    <message>
        <source>Abort the game and show the correct solution</source>
        <translation>Avbryt spelet och visa rätt lösning</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <extracomment>Game menu: opens the Properties dialog of the options.</extracomment>
        <translation>&amp;Egenskaper...</translation>
    </message>
    <message>
        <source>Change various game options</source>
        <translation>Ändra olika spelinställningar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Exit Peglore</source>
        <translation>Avsluta Peglore</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>Menu of the menu bar: the board sizes.</extracomment>
        <translation>&amp;Nivå</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <extracomment>Level name: 3 holes, 10 rows.</extracomment>
        <translation>&amp;Nybörjare</translation>
    </message>
    <message>
        <source>The easiest level</source>
        <translation>Den lättaste nivån</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <extracomment>Level name: 5 holes, 9 rows.</extracomment>
        <translation>&amp;Medel</translation>
    </message>
    <message>
        <source>Medium difficulty level</source>
        <translation>Medelsvår nivå</translation>
    </message>
    <message>
        <source>&amp;Expert!</source>
        <extracomment>Level name: 8 holes, 12 rows.</extracomment>
        <translation>&amp;Expert!</translation>
    </message>
    <message>
        <source>Hardest difficulty level</source>
        <translation>Den svåraste nivån</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <extracomment>Level name: a board of the player&apos;s own size, chosen in a dialog.</extracomment>
        <translation>&amp;Anpassad...</translation>
    </message>
    <message>
        <source>Chose any board size you want!</source>
        <translation>Välj vilken brädstorlek du vill!</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <extracomment>Menu of the menu bar: hint, analysis, records and peg symbols.</extracomment>
        <translation>Verk&amp;tyg</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu of the menu bar.</extracomment>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Hjälpavsnitt</translation>
    </message>
    <message>
        <source>Show help contents</source>
        <translation>Visa hjälpens innehåll</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New?</source>
        <extracomment>Help menu: opens the help topic of what changed in this version.</extracomment>
        <translation>Vad är &amp;nytt?</translation>
    </message>
    <message>
        <source>Improvements and bug fixes since last version</source>
        <translation>Förbättringar och rättningar i denna version</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Help menu: opens the About dialog with the version and the statistics.</extracomment>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>Show credits and statistics information</source>
        <translation>Visa medverkande och statistik</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>The settings file could not be saved at the exit; %1 is its path. A full stop follows.</extracomment>
        <translation>Det går inte att skriva till %1</translation>
    </message>
    <message>
        <source>Row: %1</source>
        <extracomment>The status bar&apos;s first panel, 43 pixels for the text: the number of the current row, counted from 1.</extracomment>
        <translation>Rad: %1</translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours, repeats on this board</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, and although no repeats were chosen, a colour may repeat, as the board has more holes than colours in play.</extracomment>
        <translation>
            <numerusform>Variant: %n färg, upprepningar på brädet</numerusform>
            <numerusform>Variant: %n färger, upprepningar på brädet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, a colour as often as it comes.</extracomment>
        <translation>
            <numerusform>Variant: %n färg</numerusform>
            <numerusform>Variant: %n färger</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours, no repeats</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, no colour twice.</extracomment>
        <translation>
            <numerusform>Variant: %n färg, utan upprepningar</numerusform>
            <numerusform>Variant: %n färger, utan upprepningar</numerusform>
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
        <translation>Fel</translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>The title of a message box that asks a question (Yes, No): a noun or a request, as fits the language.</extracomment>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A button of a question box.</extracomment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A button of a question box.</extracomment>
        <translation>&amp;Nej</translation>
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
        <translation>Du vann!</translation>
    </message>
    <message>
        <source>You lost the game!</source>
        <extracomment>An information box at the end of a game: every row was used.</extracomment>
        <translation>Du förlorade!</translation>
    </message>
    <message>
        <source>You must completely fill the row before trying to check it!</source>
        <extracomment>An error box: a row was to be checked with a hole still empty.</extracomment>
        <translation>Du måste fylla hela raden innan du kan kontrollera den!</translation>
    </message>
    <message>
        <source>Sorry, Peglore requires at least 256 color display driver.</source>
        <extracomment>An error box at the start, when the display shows too few colours for the pegs.</extracomment>
        <translation>Tyvärr kräver Peglore en bildskärmsdrivrutin med minst 256 färger.</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <extracomment>A question box (Yes, No) before a game in progress is left for a new one.</extracomment>
        <translation>Vill du verkligen starta ett nytt spel?</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <extracomment>A question box (Yes, No) before the game in progress is given up.</extracomment>
        <translation>Vill du verkligen ge upp?</translation>
    </message>
    <message>
        <source>Row %1 answered %2 black, %3 white: this row cannot be the secret.</source>
        <extracomment>An error box in hard mode: the row to check contradicts the answer of an earlier row. %1 is that row&apos;s number (from 1 at the top), %2 its black key pegs, %3 its white ones.</extracomment>
        <translation>Rad %1 fick svaret svarta %2, vita %3: den här raden kan inte vara koden.</translation>
    </message>
    <message>
        <source>A colour stands twice in this row, and in this game no colour may repeat. Change the row before checking it.</source>
        <extracomment>An error box: the row to check breaks the variant chosen, in which no colour may repeat.</extracomment>
        <translation>En färg står två gånger i den här raden, och i det här spelet får ingen färg upprepas. Ändra raden innan du kontrollerar den.</translation>
    </message>
    <message numerus="yes">
        <source>This row uses a colour that is not in play: this game plays with the first %n colours of the colour bar only. Change the row before checking it.</source>
        <extracomment>An error box: the row to check has a colour beyond the first %n colours of the colour bar, the colours in play in the variant chosen.</extracomment>
        <translation>
            <numerusform>Den här raden använder en färg som inte är i spel: det här spelet använder bara de %n första färgerna i färglisten. Ändra raden innan du kontrollerar den.</numerusform>
            <numerusform>Den här raden använder en färg som inte är i spel: det här spelet använder bara de %n första färgerna i färglisten. Ändra raden innan du kontrollerar den.</numerusform>
        </translation>
    </message>
    <message>
        <source>A colour stands twice in your code, and in this game no colour may repeat. Change your code before starting.</source>
        <extracomment>An error box of Break My Code: the code set for the computer breaks the variant chosen, in which no colour may repeat.</extracomment>
        <translation>En färg står två gånger i din kod, och i det här spelet får ingen färg upprepas. Ändra din kod innan du startar.</translation>
    </message>
    <message numerus="yes">
        <source>Your code uses a colour that is not in play: this game plays with the first %n colours of the colour bar only. Change your code before starting.</source>
        <extracomment>An error box of Break My Code: the code set for the computer has a colour beyond the first %n colours of the colour bar, the colours in play in the variant chosen.</extracomment>
        <translation>
            <numerusform>Din kod använder en färg som inte är i spel: det här spelet använder bara de %n första färgerna i färglisten. Ändra din kod innan du startar.</numerusform>
            <numerusform>Din kod använder en färg som inte är i spel: det här spelet använder bara de %n första färgerna i färglisten. Ändra din kod innan du startar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The hint covers boards up to %n holes, and this board has %1.</source>
        <extracomment>An information box: the Hint command works on boards up to %n holes wide; %1 is the current board&apos;s number of holes, always more.</extracomment>
        <translation>
            <numerusform>Tipset omfattar bräden upp till %n hål, och det här brädet har %1.</numerusform>
            <numerusform>Tipset omfattar bräden upp till %n hål, och det här brädet har %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer breaks codes of up to %n holes, and this board has %1.</source>
        <extracomment>An information box of Break My Code: the computer breaks codes up to %n holes wide; %1 is the current board&apos;s number of holes, always more.</extracomment>
        <translation>
            <numerusform>Datorn knäcker koder med upp till %n hål, och det här brädet har %1.</numerusform>
            <numerusform>Datorn knäcker koder med upp till %n hål, och det här brädet har %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TPegloreApplication</name>
    <message>
        <source>An unexpected error occurred</source>
        <extracomment>An error box&apos;s text; a full stop follows.</extracomment>
        <translation>Ett oväntat fel inträffade</translation>
    </message>
</context>
<context>
    <name>peglore::TPendingFile</name>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>What is wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;. %1 is the system&apos;s reason, in English.</extracomment>
        <translation>kan inte läsas (%1)</translation>
    </message>
    <message>
        <source>is not a file of games waiting for the records</source>
        <extracomment>What is wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;.</extracomment>
        <translation>är inte en fil med spel som väntar på rekorden</translation>
    </message>
    <message>
        <source>held lines that are no game</source>
        <extracomment>What was wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;.</extracomment>
        <translation>innehöll rader som inte är spel</translation>
    </message>
    <message>
        <source>the file %1 cannot be written (%2)</source>
        <extracomment>Why finished games could not be kept for later: a clause that follows &quot;as&quot;. %2 is the system&apos;s reason.</extracomment>
        <translation>filen %1 kan inte skrivas (%2)</translation>
    </message>
    <message>
        <source>The file %1 %2; it was kept as %3.</source>
        <extracomment>%1 the file of games waiting for the records, %2 what was wrong with it (a predicate such as &quot;held lines that are no game&quot;), %3 the name it was kept under.</extracomment>
        <translation>Filen %1 %2; den sparades som %3.</translation>
    </message>
    <message>
        <source>The file %1 %2 and cannot be renamed aside.</source>
        <extracomment>%2 what is wrong with the file, a predicate such as &quot;held lines that are no game&quot;.</extracomment>
        <translation>Filen %1 %2 och kan inte döpas om och läggas undan.</translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsFile</name>
    <message>
        <source>The records file %1 is locked by another program, so %2. Peglore tries again after the next game.</source>
        <extracomment>The records file&apos;s problem, shown in the Records window and at the exit. %2 is what follows from it, a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Rekordfilen %1 är låst av ett annat program, så %2. Peglore försöker igen efter nästa spel.</translation>
    </message>
    <message>
        <source>The records file %1 may not be written, so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Rekordfilen %1 får inte skrivas, så %2.</translation>
    </message>
    <message>
        <source>The disk of the records file %1 is full, so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Disken för rekordfilen %1 är full, så %2.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be opened or created (is its folder missing or read-only?), so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Rekordfilen %1 kan varken öppnas eller skapas (saknas mappen eller är den skrivskyddad?), så %2.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be used (%2), so %3.</source>
        <extracomment>The records file&apos;s problem: %2 is the database&apos;s own message (in English), %3 a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Rekordfilen %1 kan inte användas (%2), så %3.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (Debian package libqt6sql6-sqlite) is not installed, so no games are recorded.</source>
        <translation>Qt:s SQLite-drivrutin (Debianpaketet libqt6sql6-sqlite) är inte installerad, så inga spel registreras.</translation>
    </message>
    <message>
        <source>%1 is not a file, so no games are recorded.</source>
        <extracomment>%1 is the records file&apos;s path, which is a folder or another thing that is no file.</extracomment>
        <translation>%1 är inte en fil, så inga spel registreras.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be created, as its folder may not be written, so no games are recorded.</source>
        <translation>Rekordfilen %1 kan inte skapas eftersom mappen inte får skrivas, så inga spel registreras.</translation>
    </message>
    <message>
        <source>no games are recorded</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>inga spel registreras</translation>
    </message>
    <message>
        <source>The records file %1 comes from a newer version of Peglore, so this one records no games in it.</source>
        <translation>Rekordfilen %1 kommer från en nyare version av Peglore, så den här versionen registrerar inga spel i den.</translation>
    </message>
    <message>
        <source>The records file %1 or its folder may not be written, so no games are recorded.</source>
        <translation>Rekordfilen %1 eller dess mapp får inte skrivas, så inga spel registreras.</translation>
    </message>
    <message>
        <source>is damaged</source>
        <extracomment>What is wrong with the records file: a predicate that follows &quot;The records file PATH&quot;.</extracomment>
        <translation>är skadad</translation>
    </message>
    <message>
        <source>is not a Peglore records file</source>
        <extracomment>What is wrong with the records file: a predicate that follows &quot;The records file PATH&quot;.</extracomment>
        <translation>är inte en rekordfil för Peglore</translation>
    </message>
    <message>
        <source>The records file %1 %2 and its folder may not be written, so no games are recorded.</source>
        <extracomment>%2 is what is wrong with the file, a predicate such as &quot;is damaged&quot;.</extracomment>
        <translation>Rekordfilen %1 %2 och dess mapp får inte skrivas, så inga spel registreras.</translation>
    </message>
    <message>
        <source>The records file %1 %2 and cannot be renamed aside, so no games are recorded.</source>
        <extracomment>%2 is what is wrong with the file, a predicate such as &quot;is damaged&quot;.</extracomment>
        <translation>Rekordfilen %1 %2 och kan inte döpas om och läggas undan, så inga spel registreras.</translation>
    </message>
    <message>
        <source>The records file %1 %2; it was kept as %3 and a new one started.</source>
        <extracomment>%2 is what was wrong with the file, a predicate such as &quot;is damaged&quot;; %3 the name it was kept under.</extracomment>
        <translation>Rekordfilen %1 %2; den sparades som %3 och en ny påbörjades.</translation>
    </message>
    <message>
        <source>the last games are not recorded yet</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>de senaste spelen är inte registrerade än</translation>
    </message>
    <message>
        <source>the records cannot be read</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>rekorden kan inte läsas</translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsKeeper</name>
    <message>
        <source>1 finished game could not be written to the records file %1, nor kept for later, as %2, so it is not recorded</source>
        <extracomment>Told at the exit, in an error box (a full stop follows): %1 the records file, %2 why not (a clause such as &quot;the disk of the file is full&quot;).</extracomment>
        <translation>1 avslutat spel kunde inte skrivas till rekordfilen %1 eller sparas till senare, eftersom %2, så det registreras inte</translation>
    </message>
    <message numerus="yes">
        <source>%n finished games could not be written to the records file %1, nor kept for later, as %2, so they are not recorded</source>
        <translation>
            <numerusform>%n avslutat spel kunde inte skrivas till rekordfilen %1 eller sparas till senare, eftersom %2, så det registreras inte</numerusform>
            <numerusform>%n avslutade spel kunde inte skrivas till rekordfilen %1 eller sparas till senare, eftersom %2, så de registreras inte</numerusform>
        </translation>
    </message>
    <message>
        <source>1 finished game could not be written to the records file %1. It is kept in %2 and will be added to the records the next time Peglore starts.</source>
        <extracomment>Told at the exit, in an information box: %1 the records file, %2 the file that keeps the game.</extracomment>
        <translation>1 avslutat spel kunde inte skrivas till rekordfilen %1. Det sparas i %2 och läggs till i rekorden nästa gång Peglore startar.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished games could not be written to the records file %1. They are kept in %2 and will be added to the records the next time Peglore starts.</source>
        <translation>
            <numerusform>%n avslutat spel kunde inte skrivas till rekordfilen %1. Det sparas i %2 och läggs till i rekorden nästa gång Peglore startar.</numerusform>
            <numerusform>%n avslutade spel kunde inte skrivas till rekordfilen %1. De sparas i %2 och läggs till i rekorden nästa gång Peglore startar.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsService</name>
    <message numerus="yes">
        <source>%n finished game(s) of this session are not in the file yet.</source>
        <extracomment>Shown in the Records window after the records file&apos;s problem.</extracomment>
        <translation>
            <numerusform>%n avslutat spel från den här sessionen finns inte i filen än.</numerusform>
            <numerusform>%n avslutade spel från den här sessionen finns inte i filen än.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TScoreBoardReading</name>
    <message>
        <source>Row %1: not checked</source>
        <extracomment>Read by screen readers for a row of the score board that has no answer yet.</extracomment>
        <translation>Rad %1: inte kontrollerad</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>Read by screen readers for a row of the score board: the numbers of black and white key pegs.</extracomment>
        <translation>Rad %1: svarta %2, vita %3</translation>
    </message>
</context>
<context>
    <name>peglore::TToolActions</name>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Tools menu: a noun, the command that fills the current row with a suggested guess (H).</extracomment>
        <translation>&amp;Tips</translation>
    </message>
    <message>
        <source>Fills the current row with a strong guess that fits every answer so far, in place of the pegs it held.</source>
        <translation>Fyller den aktuella raden med en stark gissning som passar alla svar hittills, i stället för pinnarna som fanns där.</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <extracomment>Tools menu: a noun, shows and hides the Analysis window (F3).</extracomment>
        <translation>&amp;Analys</translation>
    </message>
    <message>
        <source>Show the secrets still possible after every row</source>
        <translation>Visa koderna som är möjliga efter varje rad</translation>
    </message>
    <message>
        <source>Shows and hides the Analysis window: the secrets still possible before and after every checked row, the hint and the review of the last game.</source>
        <translation>Visar och döljer fönstret Analys: de koder som fortfarande är möjliga före och efter varje kontrollerad rad, tipset och genomgången av det senaste spelet.</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <extracomment>Tools menu: a noun, opens the Records window of the games played (F4).</extracomment>
        <translation>&amp;Rekord</translation>
    </message>
    <message>
        <source>Shows the Records window: for every board its games, wins, best time and fewest rows, and the last games, each of which can be played again.</source>
        <translation>Visar fönstret Rekord: för varje bräde dess spel, vinster, bästa tid och minst antal rader, och de senaste spelen, som vart och ett kan spelas igen.</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <extracomment>Tools menu: starts the game of the day, the same for every player (Ctrl+D).</extracomment>
        <translation>&amp;Dagens spel</translation>
    </message>
    <message>
        <source>Starts the daily game of today on the current board: every player gets the same secret on a board of this size today, and another one tomorrow. The first daily game you finish today counts for the day in the records; its result can then be copied.</source>
        <translation>Startar dagens spel på det aktuella brädet: alla spelare får samma kod på ett bräde av den här storleken i dag, och en annan i morgon. Det första dagliga spelet du avslutar i dag räknas för dagen i rekorden; dess resultat kan sedan kopieras.</translation>
    </message>
    <message>
        <source>&amp;Copy Daily Result</source>
        <extracomment>Tools menu: copies the result of today&apos;s daily game to the clipboard.</extracomment>
        <translation>&amp;Kopiera dagens resultat</translation>
    </message>
    <message>
        <source>Puts the result of today&apos;s daily game on the current board on the clipboard and shows it: the date, the board and the rows it took, and for every checked row its key pegs only, so that it can be posted without giving the secret away.</source>
        <translation>Lägger resultatet av dagens spel på det aktuella brädet på urklipp och visar det: datumet, brädet och raderna det krävde, och för varje kontrollerad rad bara dess svarspinnar, så att det kan publiceras utan att avslöja koden.</translation>
    </message>
    <message>
        <source>&amp;Break My Code...</source>
        <extracomment>Tools menu: the player sets a secret code and the computer breaks it.</extracomment>
        <translation>Knäck &amp;min kod...</translation>
    </message>
    <message>
        <source>Opens a window in which you set a secret code on a board of the current size and the computer breaks it, row by row; you may score its rows yourself.</source>
        <translation>Öppnar ett fönster där du bestämmer en hemlig kod på ett bräde av den aktuella storleken och datorn knäcker den, rad för rad; du kan rätta dess rader själv.</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <extracomment>Tools menu: the name of an option with a check mark.</extracomment>
        <translation>&amp;Svårt läge</translation>
    </message>
    <message>
        <source>Check only rows that could be the secret</source>
        <translation>Kontrollera bara rader som kan vara koden</translation>
    </message>
    <message>
        <source>In hard mode a full row is checked only when it fits the answers of every row checked before, so that it could be the secret; the check mark shows whether it is on.</source>
        <translation>I svårt läge kontrolleras en full rad bara när den passar svaren på alla rader som kontrollerats före den, så att den kan vara koden; bocken visar om läget är på.</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <extracomment>Tools menu: the name of an option with a check mark (Ctrl+Shift+S).</extracomment>
        <translation>&amp;Pinnsymboler</translation>
    </message>
    <message>
        <source>Draw a symbol on every peg</source>
        <translation>Rita en symbol på varje pinne</translation>
    </message>
    <message>
        <source>Draws a small symbol on every peg, so that the colours can be told apart without colour.</source>
        <translation>Ritar en liten symbol på varje pinne, så att färgerna går att skilja åt utan färg.</translation>
    </message>
    <message>
        <source>&amp;Variant...</source>
        <extracomment>Tools menu: opens the Variant dialog, the colours in play and whether they may repeat.</extracomment>
        <translation>&amp;Variant...</translation>
    </message>
    <message>
        <source>Opens the Variant dialog: how many colours of the colour bar every level plays with, whether a colour may repeat, and the classic board of 4 holes and 6 colours.</source>
        <translation>Öppnar dialogrutan Variant: hur många av färglistens färger alla nivåer spelas med, om en färg får upprepas, och det klassiska brädet med 4 hål och 6 färger.</translation>
    </message>
    <message>
        <source>&amp;Keep Game at Exit</source>
        <extracomment>Tools menu: the name of an option with a check mark.</extracomment>
        <translation>&amp;Behåll spelet vid avslut</translation>
    </message>
    <message>
        <source>Keep the game in progress for the next start</source>
        <translation>Behåll det pågående spelet till nästa start</translation>
    </message>
    <message>
        <source>Keeps the game in progress when Peglore closes, with its rows and its clock, and resumes it at the next start. The statistics and the records count it once it ends.</source>
        <translation>Behåller det pågående spelet när Peglore stängs, med dess rader och dess klocka, och återupptar det vid nästa start. Statistiken och rekorden räknar det när det är slut.</translation>
    </message>
    <message>
        <source>Fill the row with a guess fitting every answer</source>
        <translation>Fyll raden med en gissning som passar</translation>
    </message>
    <message>
        <source>Show every board&apos;s records; play a game again</source>
        <translation>Visa rekord och spela om ett spel</translation>
    </message>
    <message>
        <source>Play today&apos;s game: one secret for everyone</source>
        <translation>Dagens spel: samma kod för alla</translation>
    </message>
    <message>
        <source>Copy today&apos;s daily result, secret left out</source>
        <translation>Kopiera dagens resultat, utan koden</translation>
    </message>
    <message>
        <source>Let the computer break a code you set</source>
        <translation>Låt datorn knäcka en kod du väljer</translation>
    </message>
    <message>
        <source>Choose the colours in play and repeats</source>
        <translation>Välj färger i spel och upprepningar</translation>
    </message>
</context>
<context>
    <name>peglore::TWinsChart</name>
    <message>
        <source>No wins yet</source>
        <extracomment>Shown in the chart, and read by screen readers, while the board has no won game.</extracomment>
        <translation>Inga vinster än</translation>
    </message>
    <message>
        <source>Rows per win</source>
        <extracomment>Accessible name of the chart of how many wins took each number of rows, read by screen readers.</extracomment>
        <translation>Rader per vinst</translation>
    </message>
    <message numerus="yes">
        <source>%n rows: %1</source>
        <extracomment>Read by screen readers for a column of the chart: %1 wins took %n rows each.</extracomment>
        <translation>
            <numerusform>%n rad: %1</numerusform>
            <numerusform>%n rader: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TfrmAbout</name>
    <message>
        <source>About...</source>
        <extracomment>Title of the About dialog (Help &gt; About...).</extracomment>
        <translation>Om...</translation>
    </message>
    <message>
        <source>Total Games Played:</source>
        <extracomment>Caption before the number of games played; 119 pixels from its start to the number, bold.</extracomment>
        <translation>Spelade spel totalt:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <extracomment>Caption before the number of games won; 73 pixels from its start to the number, bold.</extracomment>
        <translation>Vunna:</translation>
    </message>
    <message>
        <source>Games Lost:</source>
        <extracomment>Caption before the number of games lost; 72 pixels from its start to the number, bold.</extracomment>
        <translation>Förlorade:</translation>
    </message>
    <message>
        <source>Unfinished Games:</source>
        <extracomment>Caption before the number of games not finished; 108 pixels from its start to the number, bold.</extracomment>
        <translation>Oavslutade:</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <extracomment>The About dialog&apos;s version line, centred in 65 pixels, bold.</extracomment>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peglore authors</source>
        <extracomment>The About dialog&apos;s copyright line, centred in 203 pixels, bold.</extracomment>
        <translation>Copyright © 2026 Peglores skapare</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCodeBreaker</name>
    <message>
        <source>row %1</source>
        <extracomment>The rows whose answers disagree, when one row: %1 is its number. It fills &quot;The answers of %1&quot;.</extracomment>
        <translation>rad %1</translation>
    </message>
    <message>
        <source>rows %1 and %2</source>
        <extracomment>The rows whose answers disagree: %1 is a list of row numbers (&quot;1, 2&quot;), %2 the last one. It fills &quot;The answers of %1&quot;.</extracomment>
        <translation>rad %1 och %2</translation>
    </message>
    <message>
        <source>Break My Code</source>
        <extracomment>Title of the window where the computer breaks the player&apos;s secret code (Tools &gt; Break My Code...).</extracomment>
        <translation>Knäck min kod</translation>
    </message>
    <message>
        <source>Your secret code (keys 1 to %1, Backspace clears):</source>
        <extracomment>Caption above the player&apos;s code, 300 pixels wide. %1 is the highest colour key (8).</extracomment>
        <translation>Din hemliga kod (tangenterna 1–%1, Backsteg rensar):</translation>
    </message>
    <message>
        <source>Your secret code</source>
        <extracomment>Accessible name of the row of the player&apos;s code, read by screen readers.</extracomment>
        <translation>Din hemliga kod</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <extracomment>Accessible name of the row of eight colours, read by screen readers.</extracomment>
        <translation>Färglist</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <extracomment>Accessible name of a colour button: %1 is its place in the bar, from 1 to 8.</extracomment>
        <translation>Färg %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>Tooltip of a colour button: the key %1 (a digit) places the colour.</extracomment>
        <translation>Tangent %1</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Button, 80 pixels wide: makes a random code for the player.</extracomment>
        <translation>&amp;Slumpa</translation>
    </message>
    <message>
        <source>I &amp;score the rows myself</source>
        <extracomment>Check box, 300 pixels wide: the player answers each of the computer&apos;s rows, with no code set here.</extracomment>
        <translation>Jag &amp;rättar raderna själv</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <extracomment>Button, 80 pixels wide.</extracomment>
        <translation>Star&amp;ta</translation>
    </message>
    <message>
        <source>Put a peg in every hole of your code first, or press Random.</source>
        <extracomment>&quot;Random&quot; is the button&apos;s name.</extracomment>
        <translation>Sätt först en pinne i varje hål i din kod, eller tryck på Slumpa.</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <extracomment>Button, 80 pixels wide: the computer plays its rows without waiting between them.</extracomment>
        <translation>&amp;Fortare</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button, 80 pixels wide.</extracomment>
        <translation>St&amp;äng</translation>
    </message>
    <message>
        <source>&amp;Blacks:</source>
        <extracomment>Caption, 46 pixels wide, before the number of black key pegs (right colour in the right hole).</extracomment>
        <translation>S&amp;varta:</translation>
    </message>
    <message>
        <source>&amp;Whites:</source>
        <extracomment>Caption, 46 pixels wide, before the number of white key pegs (right colour in another hole).</extracomment>
        <translation>V&amp;ita:</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <extracomment>Button, 80 pixels wide: a command, gives the blacks and whites to the computer.</extracomment>
        <translation>Sv&amp;ara</translation>
    </message>
    <message>
        <source>No code answers %1 black, %2 white on %3 holes.</source>
        <extracomment>%1 black and %2 white key pegs, %3 the holes of a row: more key pegs than a row can have.</extracomment>
        <translation>Ingen kod ger svarta %1, vita %2 på %3 hål.</translation>
    </message>
    <message>
        <source>The computer&apos;s rows</source>
        <extracomment>Accessible name of the board of the computer&apos;s guesses, read by screen readers.</extracomment>
        <translation>Datorns rader</translation>
    </message>
    <message>
        <source>The answers</source>
        <extracomment>Accessible name of the board of key pegs that answer the computer&apos;s rows, read by screen readers.</extracomment>
        <translation>Svaren</translation>
    </message>
    <message>
        <source>Set your secret code on the %1 holes and press Start.</source>
        <extracomment>%1 is the holes in a row; &quot;Start&quot; is the button&apos;s name.</extracomment>
        <translation>Bestäm din hemliga kod på de %1 hålen och tryck på Starta.</translation>
    </message>
    <message>
        <source>Row %1: the computer is choosing its guess…</source>
        <extracomment>%1 is the row&apos;s number.</extracomment>
        <translation>Rad %1: datorn väljer sin gissning…</translation>
    </message>
    <message>
        <source>Row %1: the computer plays %2.</source>
        <extracomment>%1 is the row&apos;s number, %2 the computer&apos;s guess as key digits (&quot;1234&quot;).</extracomment>
        <translation>Rad %1: datorn spelar %2.</translation>
    </message>
    <message>
        <source>Row %1: score the computer&apos;s guess against your code: blacks and whites, then Answer.</source>
        <extracomment>%1 is the row&apos;s number; &quot;Answer&quot; is the button&apos;s name.</extracomment>
        <translation>Rad %1: rätta datorns gissning mot din kod: svarta och vita, sedan Svara.</translation>
    </message>
    <message>
        <source>The answers of %1 cannot all be true: no code gives every one of them. Score row %2 again, or start again if an earlier row was scored wrong.</source>
        <extracomment>%1 is &quot;row 3&quot; or &quot;rows 1, 2 and 4&quot;, %2 the number of the row whose answer is asked for again.</extracomment>
        <translation>Svaren på %1 kan inte alla vara sanna: ingen kod ger dem alla. Rätta rad %2 igen, eller börja om om en tidigare rad rättades fel.</translation>
    </message>
    <message>
        <source>The computer broke your code in 1 row. Your code: %1.</source>
        <extracomment>%1 is the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>Datorn knäckte din kod på 1 rad. Din kod: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The computer broke your code in %n rows. Your code: %1.</source>
        <extracomment>%n is the rows the computer took, %1 the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>
            <numerusform>Datorn knäckte din kod på %n rad. Din kod: %1.</numerusform>
            <numerusform>Datorn knäckte din kod på %n rader. Din kod: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer did not break your code in 1 row. Your code: %1.</source>
        <extracomment>%1 is the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>Datorn knäckte inte din kod på 1 rad. Din kod: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The computer did not break your code in %n rows. Your code: %1.</source>
        <extracomment>%n is the rows played, %1 the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>
            <numerusform>Datorn knäckte inte din kod på %n rad. Din kod: %1.</numerusform>
            <numerusform>Datorn knäckte inte din kod på %n rader. Din kod: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer did not break your code in 1 row.</source>
        <extracomment>The player scored the rows and set no code here.</extracomment>
        <translation>Datorn knäckte inte din kod på 1 rad.</translation>
    </message>
    <message numerus="yes">
        <source>The computer did not break your code in %n rows.</source>
        <extracomment>The player scored the rows and set no code here; %n is the rows played.</extracomment>
        <translation>
            <numerusform>Datorn knäckte inte din kod på %n rad.</numerusform>
            <numerusform>Datorn knäckte inte din kod på %n rader.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCorrectAnswer</name>
    <message>
        <source>Correct Combination</source>
        <extracomment>Title of the dialog that shows the secret after a lost or given-up game.</extracomment>
        <translation>Rätt kombination</translation>
    </message>
    <message>
        <source>The correct combination was:</source>
        <extracomment>Heading above the pegs of the secret; the dialog is 323 pixels wide.</extracomment>
        <translation>Rätt kombination var:</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCustomBoard</name>
    <message>
        <source>Custom Board Size:</source>
        <extracomment>Title of the dialog of the Custom level&apos;s board size.</extracomment>
        <translation>Anpassad brädstorlek:</translation>
    </message>
    <message>
        <source>Board preview</source>
        <extracomment>Accessible name, read by screen readers: the small picture of the chosen board.</extracomment>
        <translation>Förhandsvisning av brädet</translation>
    </message>
    <message>
        <source>Holes</source>
        <extracomment>Accessible name of the slider of the number of holes in a row (the board&apos;s width).</extracomment>
        <translation>Hål</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Accessible name of the slider of the number of rows (the board&apos;s height).</extracomment>
        <translation>Rader</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Board Dimensions:</source>
        <extracomment>Caption above the board size (&quot;5 x 10&quot;) in a panel 102 pixels wide.</extracomment>
        <translation>Brädets mått:</translation>
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
        <translation>Dagens resultat</translation>
    </message>
    <message>
        <source>Your daily game to share:</source>
        <extracomment>Heading above the result, bold, in a window 340 pixels wide.</extracomment>
        <translation>Ditt dagliga spel att dela:</translation>
    </message>
    <message>
        <source>Result to share</source>
        <extracomment>Accessible name of the box with the result, read by screen readers.</extracomment>
        <translation>Resultat att dela</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <extracomment>One line, 316 pixels wide.</extracomment>
        <translation>Resultatet ligger på urklipp.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button, 84 pixels wide: a command, copies the result to the clipboard.</extracomment>
        <translation>&amp;Kopiera</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmProperties</name>
    <message>
        <source>Properties</source>
        <extracomment>Title of the dialog of the game&apos;s options (Game &gt; Properties...).</extracomment>
        <translation>Egenskaper</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 75 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 75 pixels wide.</extracomment>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The only tab of the Properties dialog: the general options.</extracomment>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Background music</source>
        <extracomment>Check box, 116 pixels wide: the music played during the game.</extracomment>
        <translation>Bakgrundsmusik</translation>
    </message>
    <message>
        <source>Smart Hints</source>
        <extracomment>Check box, 97 pixels wide. &quot;Smart Hints&quot; is the option&apos;s name: it shows or hides the tooltips of the tool bar&apos;s buttons.</extracomment>
        <translation>Knapphjälp</translation>
    </message>
    <message>
        <source>Automatic Checking</source>
        <extracomment>Check box, 122 pixels wide. The option&apos;s name: a row is checked as soon as its last hole is filled.</extracomment>
        <translation>Automatisk kontroll</translation>
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
        <translation>%1, %2 × %3, Knäck min kod</translation>
    </message>
    <message>
        <source>%1, %2 × %3, %4, Break My Code</source>
        <extracomment>A board the computer played against the player&apos;s own secret (Tools &gt; Break My Code...): %1 is the level&apos;s name, %2 the holes in a row, %3 the rows, %4 the colours in play (&quot;6 colours, no repeats&quot;).</extracomment>
        <translation>%1, %2 × %3, %4, Knäck min kod</translation>
    </message>
    <message>
        <source>daily %1, hard mode</source>
        <extracomment>The notes of a game in the list of last games: the daily game of the date %1, played in hard mode (every row had to fit the answers so far).</extracomment>
        <translation>dagligt spel %1, svårt läge</translation>
    </message>
    <message>
        <source>daily %1</source>
        <extracomment>The notes of a game in the list of last games: the daily game of the date %1.</extracomment>
        <translation>dagligt spel %1</translation>
    </message>
    <message>
        <source>hard mode</source>
        <extracomment>The notes of a game in the list of last games: played in hard mode (every row had to fit the answers so far).</extracomment>
        <translation>svårt läge</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the Records window (Tools &gt; Records..., F4).</extracomment>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Column header: the board (level, size, colours).</extracomment>
        <translation>Bräde</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column header: the number of games played on the board.</extracomment>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>Column header: the number of games won.
----------
Column header: the number of daily games won.</extracomment>
        <translation>Vunna</translation>
    </message>
    <message>
        <source>Lost</source>
        <extracomment>Column header: the number of games lost.</extracomment>
        <translation>Förlorade</translation>
    </message>
    <message>
        <source>Best time</source>
        <extracomment>Column header: the shortest time of a won game.</extracomment>
        <translation>Bästa tid</translation>
    </message>
    <message>
        <source>Fewest rows</source>
        <extracomment>Column header: the fewest rows a won game took.</extracomment>
        <translation>Minst antal rader</translation>
    </message>
    <message>
        <source>Average rows</source>
        <extracomment>Column header: the rows a won game took on average.</extracomment>
        <translation>Rader i snitt</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <extracomment>Column header: the most games won one after the other.</extracomment>
        <translation>Längsta vinstsvit</translation>
    </message>
    <message>
        <source>Figures per board</source>
        <extracomment>Accessible name of the table of figures, read by screen readers.</extracomment>
        <translation>Siffror per bräde</translation>
    </message>
    <message>
        <source>Daily games:</source>
        <extracomment>Caption above the table of the daily games (one game a day, the same for every player).</extracomment>
        <translation>Dagliga spel:</translation>
    </message>
    <message>
        <source>Daily games</source>
        <extracomment>Column header: the number of daily games played on the board.</extracomment>
        <translation>Dagliga spel</translation>
    </message>
    <message>
        <source>Current run of days won</source>
        <extracomment>Column header: the days one after the other up to today whose daily game was won.</extracomment>
        <translation>Aktuell svit av vunna dagar</translation>
    </message>
    <message>
        <source>Longest run of days won</source>
        <extracomment>Column header: the most days one after the other whose daily game was won.</extracomment>
        <translation>Längsta svit av vunna dagar</translation>
    </message>
    <message>
        <source>Daily games per board</source>
        <extracomment>Accessible name of the table of daily games, read by screen readers.</extracomment>
        <translation>Dagliga spel per bräde</translation>
    </message>
    <message numerus="yes">
        <source>Last %n games:</source>
        <extracomment>Caption above the list of the games played last, newest first; %n is how many it shows.</extracomment>
        <translation>
            <numerusform>Det senaste %n spelet:</numerusform>
            <numerusform>De senaste %n spelen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Game number</source>
        <extracomment>Column header: the game&apos;s number, which plays the same secret again.</extracomment>
        <translation>Spelnummer</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Column header: the date and time the game ended.</extracomment>
        <translation>Slut</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Column header: how the game ended (won, lost, given up, abandoned).</extracomment>
        <translation>Utfall</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Column header: the number of rows played.</extracomment>
        <translation>Rader</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column header: the game&apos;s time on the clock.</extracomment>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Column header: the number of hints taken.</extracomment>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column header: what sets the game apart (daily game, hard mode).</extracomment>
        <translation>Noteringar</translation>
    </message>
    <message>
        <source>Last games</source>
        <extracomment>Accessible name of the list of last games, read by screen readers.</extracomment>
        <translation>Senaste spelen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>Button: plays the game chosen in the list of last games again.</extracomment>
        <translation>&amp;Spela</translation>
    </message>
    <message>
        <source>Play the chosen game again: the same board and the same secret</source>
        <translation>Spela det valda spelet igen: samma bräde och samma kod</translation>
    </message>
    <message>
        <source>Records file: %1</source>
        <extracomment>The line at the foot of the Records window; %1 is the records file&apos;s path.</extracomment>
        <translation>Rekordfil: %1</translation>
    </message>
    <message>
        <source>Rows per win</source>
        <extracomment>The chart&apos;s title while no board is chosen: how many wins took each number of rows.</extracomment>
        <translation>Rader per vinst</translation>
    </message>
    <message>
        <source>Rows per win: %1</source>
        <extracomment>The chart&apos;s title: how many wins took each number of rows; %1 is the board.</extracomment>
        <translation>Rader per vinst: %1</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmVariant</name>
    <message>
        <source>Variant</source>
        <extracomment>Title of the dialog of the colours in play and whether they repeat (Tools &gt; Variant...).</extracomment>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Colours in play:</source>
        <extracomment>Caption before the number of colours; the number follows 140 pixels from its start.</extracomment>
        <translation>Färger i spel:</translation>
    </message>
    <message>
        <source>Colours in play</source>
        <extracomment>Accessible name of the slider of the number of colours, read by screen readers.</extracomment>
        <translation>Färger i spel</translation>
    </message>
    <message>
        <source>Colours may repeat</source>
        <extracomment>Check box, 176 pixels wide: a colour may stand in more than one hole of the secret.</extracomment>
        <translation>Färger får upprepas</translation>
    </message>
    <message>
        <source>Classic board:</source>
        <extracomment>Caption in a panel 102 pixels wide, above the classic board&apos;s size and colours.</extracomment>
        <translation>Klassiskt bräde:</translation>
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
            <numerusform>%n färg</numerusform>
            <numerusform>%n färger</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>Button, 60 pixels wide: plays the classic board and colours at once.</extracomment>
        <translation>Klassiskt</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Without repeats every hole needs a colour of its own: this board has %1 holes and %2 colours, so it plays with repeats.</source>
        <extracomment>A note in a box 176 x 66 pixels, four short lines. %1 is the number of holes of the level in play, %2 the number of colours chosen (fewer than the holes).</extracomment>
        <translation>Utan upprepningar behöver varje hål en egen färg: det här brädet har %1 hål och %2 färger, så det spelas med upprepningar.</translation>
    </message>
</context>
</TS>
