<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>peglore::GameKeeper</name>
    <message>
        <source>Unable to keep the game in %1: %2</source>
        <extracomment>Told at the exit in an error box (a full stop follows): the game in progress could not be written for the next start. %1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie można zachować gry w %1: %2</translation>
    </message>
</context>
<context>
    <name>peglore::GameNames</name>
    <message>
        <source>Beginner</source>
        <extracomment>A level&apos;s name, as the Records window names a board (&quot;Beginner, 4 × 10&quot;).</extracomment>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <extracomment>A level&apos;s name, as the Records window names a board.</extracomment>
        <translation>Średniozaawansowany</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>A level&apos;s name, as the Records window names a board.</extracomment>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>A level&apos;s name: a board of the player&apos;s own size, as the Records window names it.</extracomment>
        <translation>Własny</translation>
    </message>
    <message>
        <source>1 colour</source>
        <extracomment>A game&apos;s variant in the Records window: its secret has a single colour.</extracomment>
        <translation>1 kolor</translation>
    </message>
    <message>
        <source>1 colour, no repeats</source>
        <extracomment>A game&apos;s variant in the Records window: its secret has a single colour.</extracomment>
        <translation>1 kolor, bez powtórzeń</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <extracomment>A game&apos;s variant in the Records window: the secret is drawn from the first %n colours of the colour bar, a colour as often as it comes.</extracomment>
        <translation>
            <numerusform>%n kolor</numerusform>
            <numerusform>%n kolory</numerusform>
            <numerusform>%n kolorów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n colours, no repeats</source>
        <extracomment>A game&apos;s variant in the Records window: the secret is drawn from the first %n colours of the colour bar, no colour twice.</extracomment>
        <translation>
            <numerusform>%n kolor, bez powtórzeń</numerusform>
            <numerusform>%n kolory, bez powtórzeń</numerusform>
            <numerusform>%n kolorów, bez powtórzeń</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::PegNames</name>
    <message>
        <source>red</source>
        <extracomment>A peg&apos;s colour, read by screen readers; with the symbols shown, its symbol follows (&quot;red, disc&quot;).</extracomment>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>disc</source>
        <extracomment>The symbol drawn on a red peg: a filled circle.</extracomment>
        <translation>koło</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>zielony</translation>
    </message>
    <message>
        <source>triangle pointing up</source>
        <extracomment>The symbol drawn on a green peg.</extracomment>
        <translation>trójkąt ostrzem w górę</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>czarny</translation>
    </message>
    <message>
        <source>square</source>
        <extracomment>The symbol drawn on a black peg.</extracomment>
        <translation>kwadrat</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>żółty</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>The symbol drawn on a yellow peg: a square standing on a corner.</extracomment>
        <translation>romb</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>plus</source>
        <extracomment>The symbol &quot;+&quot; drawn on a blue peg.</extracomment>
        <translation>plus</translation>
    </message>
    <message>
        <source>gray</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>szary</translation>
    </message>
    <message>
        <source>cross</source>
        <extracomment>The symbol &quot;×&quot; drawn on a gray peg.</extracomment>
        <translation>krzyżyk</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <extracomment>A peg&apos;s colour, read by screen readers: a purplish pink.</extracomment>
        <translation>fuksjowy</translation>
    </message>
    <message>
        <source>triangle pointing down</source>
        <extracomment>The symbol drawn on a fuchsia peg.</extracomment>
        <translation>trójkąt ostrzem w dół</translation>
    </message>
    <message>
        <source>lime</source>
        <extracomment>A peg&apos;s colour, read by screen readers: a light, bright green, other than &quot;green&quot;.</extracomment>
        <translation>limonkowy</translation>
    </message>
    <message>
        <source>bar</source>
        <extracomment>The symbol drawn on a lime peg: a short thick horizontal line.</extracomment>
        <translation>belka</translation>
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
        <translation>czarne: %1, białe: %2</translation>
    </message>
    <message>
        <source>won in 1 row</source>
        <extracomment>How the reviewed game ended; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>wygrana w 1 rzędzie</translation>
    </message>
    <message numerus="yes">
        <source>won in %n rows</source>
        <extracomment>How the reviewed game ended, in %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>wygrana w %n rzędzie</numerusform>
            <numerusform>wygrana w %n rzędach</numerusform>
            <numerusform>wygrana w %n rzędach</numerusform>
        </translation>
    </message>
    <message>
        <source>lost after 1 row</source>
        <extracomment>How the reviewed game ended; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>przegrana po 1 rzędzie</translation>
    </message>
    <message numerus="yes">
        <source>lost after %n rows</source>
        <extracomment>How the reviewed game ended, after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>przegrana po %n rzędzie</numerusform>
            <numerusform>przegrana po %n rzędach</numerusform>
            <numerusform>przegrana po %n rzędach</numerusform>
        </translation>
    </message>
    <message>
        <source>given up after 1 row</source>
        <extracomment>How the reviewed game ended: the player gave up; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>poddana po 1 rzędzie</translation>
    </message>
    <message numerus="yes">
        <source>given up after %n rows</source>
        <extracomment>How the reviewed game ended: the player gave up after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>poddana po %n rzędzie</numerusform>
            <numerusform>poddana po %n rzędach</numerusform>
            <numerusform>poddana po %n rzędach</numerusform>
        </translation>
    </message>
    <message>
        <source>left for a new game after 1 row</source>
        <extracomment>How the reviewed game ended: the player started a new one; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>porzucona dla nowej gry po 1 rzędzie</translation>
    </message>
    <message numerus="yes">
        <source>left for a new game after %n rows</source>
        <extracomment>How the reviewed game ended: the player started a new one after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>porzucona dla nowej gry po %n rzędzie</numerusform>
            <numerusform>porzucona dla nowej gry po %n rzędach</numerusform>
            <numerusform>porzucona dla nowej gry po %n rzędach</numerusform>
        </translation>
    </message>
    <message>
        <source>Analysis</source>
        <extracomment>Title of the analysis window (Tools &gt; Analysis...): the rows checked so far and what they taught.</extracomment>
        <translation>Analiza</translation>
    </message>
    <message>
        <source>Checked rows</source>
        <extracomment>Accessible name of the table of checked rows, read by screen readers.</extracomment>
        <translation>Sprawdzone rzędy</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column header: the row&apos;s number.</extracomment>
        <translation>Rząd</translation>
    </message>
    <message>
        <source>The row of the guess board</source>
        <translation>Rząd planszy prób</translation>
    </message>
    <message>
        <source>Guess</source>
        <extracomment>Column header: the pegs the player placed in the row.</extracomment>
        <translation>Próba</translation>
    </message>
    <message>
        <source>The pegs of the row</source>
        <translation>Pionki rzędu</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Column header: the key pegs (black and white) that answered the row.</extracomment>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>The key pegs the score board gave</source>
        <translation>Kołeczki, które dała plansza ocen</translation>
    </message>
    <message>
        <source>Before</source>
        <extracomment>Column header: the count of secrets still possible before the row.</extracomment>
        <translation>Przed</translation>
    </message>
    <message>
        <source>Secrets still possible before the row was checked</source>
        <translation>Kombinacje wciąż możliwe przed sprawdzeniem rzędu</translation>
    </message>
    <message>
        <source>After</source>
        <extracomment>Column header: the count of secrets still possible after the row.</extracomment>
        <translation>Po</translation>
    </message>
    <message>
        <source>Secrets still possible after it</source>
        <translation>Kombinacje wciąż możliwe po nim</translation>
    </message>
    <message>
        <source>Bits</source>
        <extracomment>Column header: the information in bits (the unit) the row gained.</extracomment>
        <translation>Bity</translation>
    </message>
    <message>
        <source>The information the row gained: log2(before / after)</source>
        <translation>Informacja zdobyta przez rząd: log2(przed / po)</translation>
    </message>
    <message>
        <source>Could be the secret</source>
        <extracomment>Column header: yes, or the row that ruled the guess out.</extracomment>
        <translation>Mogła być kombinacją</translation>
    </message>
    <message>
        <source>Whether the guess fitted every row before it</source>
        <translation>Czy próba pasowała do wszystkich rzędów przed nią</translation>
    </message>
    <message>
        <source>Hint would have played</source>
        <extracomment>Column header, shown in the review of an ended game: the hint&apos;s pegs for the row.</extracomment>
        <translation>Podpowiedź zagrałaby</translation>
    </message>
    <message>
        <source>What the hint would have placed in this row</source>
        <translation>Co podpowiedź ułożyłaby w tym rzędzie</translation>
    </message>
    <message>
        <source>Secrets still possible</source>
        <extracomment>Accessible name of the list of the secrets that still fit every answer, read by screen readers.</extracomment>
        <translation>Kombinacje wciąż możliwe</translation>
    </message>
    <message>
        <source>Counting the secrets still possible…</source>
        <extracomment>The window&apos;s heading while the counts are worked out.</extracomment>
        <translation>Liczenie kombinacji wciąż możliwych…</translation>
    </message>
    <message>
        <source>The analysis covers boards up to %1 holes, and this board has %2.</source>
        <extracomment>%1 is the most holes in a row the analysis takes, %2 the holes of the board in play (more).</extracomment>
        <translation>Analiza obejmuje plansze do %1 otworów, a ta plansza ma ich %2.</translation>
    </message>
    <message>
        <source>Review of game %1: %2. To play it again: peglore --game %1</source>
        <extracomment>The heading after a game: %1 is the game&apos;s number, %2 how it ended (&quot;won in 3 rows&quot;). Keep &quot;peglore --game %1&quot; as it is: the command that plays the game again.</extracomment>
        <translation>Przegląd gry %1: %2. Aby rozegrać ją ponownie: peglore --game %1</translation>
    </message>
    <message>
        <source>Game %1, 1 row checked</source>
        <extracomment>The heading during a game: %1 is the game&apos;s number.</extracomment>
        <translation>Gra %1, sprawdzony 1 rząd</translation>
    </message>
    <message numerus="yes">
        <source>Game %1, %n rows checked</source>
        <extracomment>The heading during a game: %1 is the game&apos;s number, %n the rows checked so far.</extracomment>
        <translation>
            <numerusform>Gra %1, sprawdzony %n rząd</numerusform>
            <numerusform>Gra %1, sprawdzone %n rzędy</numerusform>
            <numerusform>Gra %1, sprawdzonych %n rzędów</numerusform>
        </translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The column &quot;Could be the secret&quot;: the guess fitted every row before it.</extracomment>
        <translation>tak</translation>
    </message>
    <message>
        <source>no: row %1 ruled it out</source>
        <extracomment>The column &quot;Could be the secret&quot;: the answer of the row %1 ruled the guess out.</extracomment>
        <translation>nie: wykluczył ją rząd %1</translation>
    </message>
    <message>
        <source>Secrets still possible at the end: %1</source>
        <extracomment>After a game: %1 is the count of secrets that fitted every answer.</extracomment>
        <translation>Kombinacje wciąż możliwe na końcu: %1</translation>
    </message>
    <message>
        <source>Secrets possible now: %1</source>
        <extracomment>During a game: %1 is the count of secrets that fit every answer so far.</extracomment>
        <translation>Kombinacje możliwe teraz: %1</translation>
    </message>
    <message>
        <source>Hint for row %1: %2</source>
        <extracomment>%1 is the next row&apos;s number, %2 the hint&apos;s pegs as key digits (&quot;1234&quot;); the pegs&apos; picture follows.</extracomment>
        <translation>Podpowiedź dla rzędu %1: %2</translation>
    </message>
</context>
<context>
    <name>peglore::TBoardGridAccessible</name>
    <message>
        <source>Hole %1</source>
        <extracomment>Read by screen readers for a column of a board: %1 is the hole&apos;s number in the row.</extracomment>
        <translation>Otwór %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>Read by screen readers for a row of a board: %1 is the row&apos;s number.</extracomment>
        <translation>Rząd %1</translation>
    </message>
</context>
<context>
    <name>peglore::TColorSwatchAccessible</name>
    <message>
        <source>%1, key %2</source>
        <extracomment>Read by screen readers for a colour of the colour bar: the colour, and the number key that places it.</extracomment>
        <translation>%1, klawisz %2</translation>
    </message>
</context>
<context>
    <name>peglore::TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <extracomment>The pop-up menu of a control (right click): shows the control&apos;s help.</extracomment>
        <translation>&amp;Co to jest?</translation>
    </message>
</context>
<context>
    <name>peglore::TDailyGames</name>
    <message>
        <source>Today&apos;s daily game on this board is not finished yet. Daily Game in the Tools menu starts it.</source>
        <extracomment>An information box of Copy Daily Result; &quot;Daily Game&quot; and &quot;Tools&quot; name the menu item and the menu.</extracomment>
        <translation>Dzisiejsza gra dnia na tej planszy jeszcze się nie skończyła. Zaczyna ją polecenie Gra dnia z menu Narzędzia.</translation>
    </message>
</context>
<context>
    <name>peglore::TGameClockAccessible</name>
    <message>
        <source>Game clock: %1 seconds</source>
        <extracomment>Read by screen readers for the clock panel.</extracomment>
        <translation>Zegar gry, sekundy: %1</translation>
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
        <translation>wygrana</translation>
    </message>
    <message>
        <source>lost</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: every row used.</extracomment>
        <translation>przegrana</translation>
    </message>
    <message>
        <source>given up</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: the player gave up.</extracomment>
        <translation>poddana</translation>
    </message>
    <message>
        <source>abandoned</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: left unfinished for a new game or at the exit.</extracomment>
        <translation>porzucona</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>The name of a level the game does not know, read from a records file written elsewhere; %1 is its number.</extracomment>
        <translation>Poziom %1</translation>
    </message>
</context>
<context>
    <name>peglore::TGuessBoardInput</name>
    <message>
        <source>&amp;Repeat</source>
        <extracomment>The guess board&apos;s right-click menu: copies the peg of the same hole in the row above.</extracomment>
        <translation>Po&amp;wtórz</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>The guess board&apos;s right-click menu: empties the hole clicked.</extracomment>
        <translation>W&amp;yczyść</translation>
    </message>
    <message>
        <source>Clear &amp;Row</source>
        <extracomment>The guess board&apos;s right-click menu: empties every hole of the current row.</extracomment>
        <translation>Wyczyść &amp;rząd</translation>
    </message>
    <message>
        <source>&amp;Give Up!</source>
        <extracomment>The guess board&apos;s right-click menu: ends the game as lost, after a question.</extracomment>
        <translation>Po&amp;ddaj się!</translation>
    </message>
</context>
<context>
    <name>peglore::TGuessBoardReading</name>
    <message>
        <source>empty</source>
        <extracomment>Read by screen readers for a hole of the guess board without a peg.</extracomment>
        <translation>pusty</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <extracomment>Read by screen readers for a hole of the guess board: row, hole, and the peg&apos;s colour or &quot;empty&quot;.</extracomment>
        <translation>Rząd %1, otwór %2: %3</translation>
    </message>
</context>
<context>
    <name>peglore::THelpContentsWindow</name>
    <message>
        <source>Help Topics: %1</source>
        <extracomment>The title of the help&apos;s contents and index window; %1 is the help&apos;s title, such as &quot;Peglore Help&quot;.</extracomment>
        <translation>Tematy pomocy: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An entry of the help&apos;s index for a keyword of several topics: %1 the keyword, %2 the topic&apos;s title.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <extracomment>The grey text in the empty field of the help&apos;s index, where the player types a keyword.</extracomment>
        <translation>Wpisz szukane słowo</translation>
    </message>
    <message>
        <source>&amp;Type the word you are looking for:</source>
        <extracomment>The label above the field of the help&apos;s index.</extracomment>
        <translation>&amp;Podaj szukane słowo:</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>A tab of the help&apos;s window: the list of topics.</extracomment>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Index</source>
        <extracomment>A tab of the help&apos;s window: the keywords of the topics.</extracomment>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <extracomment>A button of the help&apos;s window: shows the topic chosen.</extracomment>
        <translation>&amp;Wyświetl</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the help&apos;s window.</extracomment>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>peglore::THelpTopicWindow</name>
    <message>
        <source>&amp;Back</source>
        <extracomment>A button of the help&apos;s topic window: the topic read before.</extracomment>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>A button of the help&apos;s topic window: the topic read after, once gone back.</extracomment>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>A button of the help&apos;s topic window: opens the list of topics.</extracomment>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <extracomment>A button of the help&apos;s topic window: opens the keywords of the topics.</extracomment>
        <translation>&amp;Indeks</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <extracomment>The heading of the help window&apos;s page for an item without help of its own.</extracomment>
        <translation>Nie znaleziono tematu</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <extracomment>The help window&apos;s page for an item without help of its own.</extracomment>
        <translation>Ten element nie ma przypisanego tematu pomocy.</translation>
    </message>
</context>
<context>
    <name>peglore::THelpViewer</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The title of the help&apos;s windows; %1 is the help file&apos;s name without its extension, &quot;Peglore&quot;.</extracomment>
        <translation>Pomoc %1</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <extracomment>A help pop-up for an item without help of its own.</extracomment>
        <translation>Ten element nie ma przypisanego tematu pomocy.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: there is no such file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path.</extracomment>
        <translation>Nie można otworzyć pliku pomocy „%1”: nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path, %2 the system&apos;s reason, in English.</extracomment>
        <translation>Nie można otworzyć pliku pomocy „%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it is larger than %2 KiB, too large for a help file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path, %2 the largest size of a help file.</extracomment>
        <translation>Nie można otworzyć pliku pomocy „%1”: jest większy niż %2 KiB, za duży na plik pomocy.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it is not a help file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path. The file holds bytes that are no text.</extracomment>
        <translation>Nie można otworzyć pliku pomocy „%1”: to nie jest plik pomocy.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it holds no help topics.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path. The file is empty or has no topic.</extracomment>
        <translation>Nie można otworzyć pliku pomocy „%1”: nie zawiera tematów pomocy.</translation>
    </message>
</context>
<context>
    <name>peglore::TMainForm</name>
    <message>
        <source>Tool bar</source>
        <extracomment>Accessible name, read by screen readers: the three buttons at the top left.</extracomment>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>New Game|</source>
        <extracomment>Tooltip of the first tool button. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Nowa gra|</translation>
    </message>
    <message>
        <source>Game Properties|</source>
        <extracomment>Tooltip of the second tool button, which opens the Properties dialog. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Właściwości gry|</translation>
    </message>
    <message>
        <source>Check!|</source>
        <extracomment>Tooltip of the third tool button: a command, check the current row now. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Sprawdź!|</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <extracomment>Accessible name, read by screen readers: the row of eight colours to drag pegs from.</extracomment>
        <translation>Paleta kolorów</translation>
    </message>
    <message>
        <source>Guess board</source>
        <extracomment>Accessible name, read by screen readers: the board where the player places guesses.</extracomment>
        <translation>Plansza prób</translation>
    </message>
    <message>
        <source>Score board</source>
        <extracomment>Accessible name, read by screen readers: the board of key pegs that answer each row.</extracomment>
        <translation>Plansza ocen</translation>
    </message>
    <message>
        <source>Status bar</source>
        <extracomment>Accessible name, read by screen readers.</extracomment>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>Row:</source>
        <extracomment>The status bar&apos;s first panel before the first game: the number of the current row follows later. The panel is 50 pixels wide.</extracomment>
        <translation>Rząd:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>Menu of the menu bar.</extracomment>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Game menu: starts a new game (F2).</extracomment>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>Start a new game with current settings</source>
        <translation>Zacznij nową grę z bieżącymi ustawieniami</translation>
    </message>
    <message>
        <source>&amp;Give Up!</source>
        <extracomment>Game menu: ends the game as lost and shows the secret.</extracomment>
        <translation>Po&amp;ddaj się!</translation>
    </message>
    <message>
        <source>Abort the game and show the correct solution</source>
        <translation>Przerwij grę i pokaż prawidłową kombinację</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <extracomment>Game menu: opens the Properties dialog of the options.</extracomment>
        <translation>&amp;Właściwości...</translation>
    </message>
    <message>
        <source>Change various game options</source>
        <translation>Zmień różne opcje gry</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Exit Peglore</source>
        <translation>Zakończ Peglore</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>Menu of the menu bar: the board sizes.</extracomment>
        <translation>&amp;Poziom</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <extracomment>Level name: 3 holes, 10 rows.</extracomment>
        <translation>&amp;Początkujący</translation>
    </message>
    <message>
        <source>The easiest level</source>
        <translation>Najłatwiejszy poziom</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <extracomment>Level name: 5 holes, 9 rows.</extracomment>
        <translation>Średnio&amp;zaawansowany</translation>
    </message>
    <message>
        <source>Medium difficulty level</source>
        <translation>Poziom średnio trudny</translation>
    </message>
    <message>
        <source>&amp;Expert!</source>
        <extracomment>Level name: 8 holes, 12 rows.</extracomment>
        <translation>&amp;Ekspert!</translation>
    </message>
    <message>
        <source>Hardest difficulty level</source>
        <translation>Najtrudniejszy poziom</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <extracomment>Level name: a board of the player&apos;s own size, chosen in a dialog.</extracomment>
        <translation>&amp;Własny...</translation>
    </message>
    <message>
        <source>Chose any board size you want!</source>
        <translation>Wybierz dowolny rozmiar planszy!</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <extracomment>Menu of the menu bar: hint, analysis, records and peg symbols.</extracomment>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu of the menu bar.</extracomment>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <source>Show help contents</source>
        <translation>Pokaż spis treści pomocy</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New?</source>
        <extracomment>Help menu: opens the help topic of what changed in this version.</extracomment>
        <translation>Co &amp;nowego?</translation>
    </message>
    <message>
        <source>Improvements and bug fixes since last version</source>
        <translation>Ulepszenia i poprawki od poprzedniej wersji</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Help menu: opens the About dialog with the version and the statistics.</extracomment>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Show credits and statistics information</source>
        <translation>Pokaż autorów i statystyki</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>The settings file could not be saved at the exit; %1 is its path. A full stop follows.</extracomment>
        <translation>Nie można zapisać do %1</translation>
    </message>
    <message>
        <source>Row: %1</source>
        <extracomment>The status bar&apos;s first panel, 43 pixels for the text: the number of the current row, counted from 1.</extracomment>
        <translation>Rząd %1</translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours, repeats on this board</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, and although no repeats were chosen, a colour may repeat, as the board has more holes than colours in play.</extracomment>
        <translation>
            <numerusform>Wariant: %n kolor, powtórzenia na tej planszy</numerusform>
            <numerusform>Wariant: %n kolory, powtórzenia na tej planszy</numerusform>
            <numerusform>Wariant: %n kolorów, powtórzenia na tej planszy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, a colour as often as it comes.</extracomment>
        <translation>
            <numerusform>Wariant: %n kolor</numerusform>
            <numerusform>Wariant: %n kolory</numerusform>
            <numerusform>Wariant: %n kolorów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours, no repeats</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, no colour twice.</extracomment>
        <translation>
            <numerusform>Wariant: %n kolor, bez powtórzeń</numerusform>
            <numerusform>Wariant: %n kolory, bez powtórzeń</numerusform>
            <numerusform>Wariant: %n kolorów, bez powtórzeń</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TMessageBox</name>
    <message>
        <source>Information</source>
        <extracomment>The title of a message box that tells something.</extracomment>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of a message box that reports a mistake or a failure.</extracomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>The title of a message box that asks a question (Yes, No): a noun or a request, as fits the language.</extracomment>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A button of a question box.</extracomment>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A button of a question box.</extracomment>
        <translation>&amp;Nie</translation>
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
        <translation>Gra wygrana!</translation>
    </message>
    <message>
        <source>You lost the game!</source>
        <extracomment>An information box at the end of a game: every row was used.</extracomment>
        <translation>Gra przegrana!</translation>
    </message>
    <message>
        <source>You must completely fill the row before trying to check it!</source>
        <extracomment>An error box: a row was to be checked with a hole still empty.</extracomment>
        <translation>Zanim sprawdzisz rząd, wypełnij go całkowicie!</translation>
    </message>
    <message>
        <source>Sorry, Peglore requires at least 256 color display driver.</source>
        <extracomment>An error box at the start, when the display shows too few colours for the pegs.</extracomment>
        <translation>Niestety, Peglore wymaga sterownika ekranu z co najmniej 256 kolorami.</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <extracomment>A question box (Yes, No) before a game in progress is left for a new one.</extracomment>
        <translation>Czy na pewno chcesz zacząć nową grę?</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <extracomment>A question box (Yes, No) before the game in progress is given up.</extracomment>
        <translation>Czy na pewno chcesz się poddać?</translation>
    </message>
    <message>
        <source>Row %1 answered %2 black, %3 white: this row cannot be the secret.</source>
        <extracomment>An error box in hard mode: the row to check contradicts the answer of an earlier row. %1 is that row&apos;s number (from 1 at the top), %2 its black key pegs, %3 its white ones.</extracomment>
        <translation>Odpowiedź na rząd %1 to czarne: %2, białe: %3, więc ten rząd nie może być kombinacją.</translation>
    </message>
    <message>
        <source>A colour stands twice in this row, and in this game no colour may repeat. Change the row before checking it.</source>
        <extracomment>An error box: the row to check breaks the variant chosen, in which no colour may repeat.</extracomment>
        <translation>W tym rzędzie jeden kolor występuje dwa razy, a w tej grze kolory nie mogą się powtarzać. Zmień rząd, zanim go sprawdzisz.</translation>
    </message>
    <message numerus="yes">
        <source>This row uses a colour that is not in play: this game plays with the first %n colours of the colour bar only. Change the row before checking it.</source>
        <extracomment>An error box: the row to check has a colour beyond the first %n colours of the colour bar, the colours in play in the variant chosen.</extracomment>
        <translation>
            <numerusform>W tym rzędzie jest kolor spoza gry: w tej grze gra się tylko %n pierwszym kolorem palety kolorów. Zmień rząd, zanim go sprawdzisz.</numerusform>
            <numerusform>W tym rzędzie jest kolor spoza gry: w tej grze gra się tylko %n pierwszymi kolorami palety kolorów. Zmień rząd, zanim go sprawdzisz.</numerusform>
            <numerusform>W tym rzędzie jest kolor spoza gry: w tej grze gra się tylko %n pierwszymi kolorami palety kolorów. Zmień rząd, zanim go sprawdzisz.</numerusform>
        </translation>
    </message>
    <message>
        <source>A colour stands twice in your code, and in this game no colour may repeat. Change your code before starting.</source>
        <extracomment>An error box of Break My Code: the code set for the computer breaks the variant chosen, in which no colour may repeat.</extracomment>
        <translation>W twoim kodzie jeden kolor występuje dwa razy, a w tej grze kolory nie mogą się powtarzać. Zmień kod, zanim zaczniesz.</translation>
    </message>
    <message numerus="yes">
        <source>Your code uses a colour that is not in play: this game plays with the first %n colours of the colour bar only. Change your code before starting.</source>
        <extracomment>An error box of Break My Code: the code set for the computer has a colour beyond the first %n colours of the colour bar, the colours in play in the variant chosen.</extracomment>
        <translation>
            <numerusform>W twoim kodzie jest kolor spoza gry: w tej grze gra się tylko %n pierwszym kolorem palety kolorów. Zmień kod, zanim zaczniesz.</numerusform>
            <numerusform>W twoim kodzie jest kolor spoza gry: w tej grze gra się tylko %n pierwszymi kolorami palety kolorów. Zmień kod, zanim zaczniesz.</numerusform>
            <numerusform>W twoim kodzie jest kolor spoza gry: w tej grze gra się tylko %n pierwszymi kolorami palety kolorów. Zmień kod, zanim zaczniesz.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The hint covers boards up to %n holes, and this board has %1.</source>
        <extracomment>An information box: the Hint command works on boards up to %n holes wide; %1 is the current board&apos;s number of holes, always more.</extracomment>
        <translation>
            <numerusform>Podpowiedź obejmuje plansze do %n otworu, a ta plansza ma ich %1.</numerusform>
            <numerusform>Podpowiedź obejmuje plansze do %n otworów, a ta plansza ma ich %1.</numerusform>
            <numerusform>Podpowiedź obejmuje plansze do %n otworów, a ta plansza ma ich %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer breaks codes of up to %n holes, and this board has %1.</source>
        <extracomment>An information box of Break My Code: the computer breaks codes up to %n holes wide; %1 is the current board&apos;s number of holes, always more.</extracomment>
        <translation>
            <numerusform>Komputer łamie kody do %n otworu, a ta plansza ma ich %1.</numerusform>
            <numerusform>Komputer łamie kody do %n otworów, a ta plansza ma ich %1.</numerusform>
            <numerusform>Komputer łamie kody do %n otworów, a ta plansza ma ich %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TPegloreApplication</name>
    <message>
        <source>An unexpected error occurred</source>
        <extracomment>An error box&apos;s text; a full stop follows.</extracomment>
        <translation>Wystąpił nieoczekiwany błąd</translation>
    </message>
</context>
<context>
    <name>peglore::TPendingFile</name>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>What is wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;. %1 is the system&apos;s reason, in English.</extracomment>
        <translation>jest nieczytelny (%1)</translation>
    </message>
    <message>
        <source>is not a file of games waiting for the records</source>
        <extracomment>What is wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;.</extracomment>
        <translation>nie jest plikiem gier czekających na zapis w rekordach</translation>
    </message>
    <message>
        <source>held lines that are no game</source>
        <extracomment>What was wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;.</extracomment>
        <translation>zawierał wiersze, które nie są grą</translation>
    </message>
    <message>
        <source>the file %1 cannot be written (%2)</source>
        <extracomment>Why finished games could not be kept for later: a clause that follows &quot;as&quot;. %2 is the system&apos;s reason.</extracomment>
        <translation>nie można zapisać pliku %1 (%2)</translation>
    </message>
    <message>
        <source>The file %1 %2; it was kept as %3.</source>
        <extracomment>%1 the file of games waiting for the records, %2 what was wrong with it (a predicate such as &quot;held lines that are no game&quot;), %3 the name it was kept under.</extracomment>
        <translation>Plik %1 %2; zachowano go jako %3.</translation>
    </message>
    <message>
        <source>The file %1 %2 and cannot be renamed aside.</source>
        <extracomment>%2 what is wrong with the file, a predicate such as &quot;held lines that are no game&quot;.</extracomment>
        <translation>Plik %1 %2 i nie można go odłożyć pod inną nazwą.</translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsFile</name>
    <message>
        <source>The records file %1 is locked by another program, so %2. Peglore tries again after the next game.</source>
        <extracomment>The records file&apos;s problem, shown in the Records window and at the exit. %2 is what follows from it, a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Plik rekordów %1 jest zablokowany przez inny program, więc %2. Peglore spróbuje ponownie po następnej grze.</translation>
    </message>
    <message>
        <source>The records file %1 may not be written, so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Brak uprawnień do zapisu pliku rekordów %1, więc %2.</translation>
    </message>
    <message>
        <source>The disk of the records file %1 is full, so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Dysk z plikiem rekordów %1 jest pełny, więc %2.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be opened or created (is its folder missing or read-only?), so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Nie można otworzyć ani utworzyć pliku rekordów %1 (czy jego folderu brakuje albo jest tylko do odczytu?), więc %2.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be used (%2), so %3.</source>
        <extracomment>The records file&apos;s problem: %2 is the database&apos;s own message (in English), %3 a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Nie można użyć pliku rekordów %1 (%2), więc %3.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (Debian package libqt6sql6-sqlite) is not installed, so no games are recorded.</source>
        <translation>Sterownik SQLite dla Qt (pakiet Debiana libqt6sql6-sqlite) nie jest zainstalowany, więc gry nie są zapisywane.</translation>
    </message>
    <message>
        <source>%1 is not a file, so no games are recorded.</source>
        <extracomment>%1 is the records file&apos;s path, which is a folder or another thing that is no file.</extracomment>
        <translation>%1 nie jest plikiem, więc gry nie są zapisywane.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be created, as its folder may not be written, so no games are recorded.</source>
        <translation>Nie można utworzyć pliku rekordów %1, bo brak uprawnień do zapisu w jego folderze, więc gry nie są zapisywane.</translation>
    </message>
    <message>
        <source>no games are recorded</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>gry nie są zapisywane</translation>
    </message>
    <message>
        <source>The records file %1 comes from a newer version of Peglore, so this one records no games in it.</source>
        <translation>Plik rekordów %1 pochodzi z nowszej wersji Peglore, więc ta wersja nie zapisuje w nim gier.</translation>
    </message>
    <message>
        <source>The records file %1 or its folder may not be written, so no games are recorded.</source>
        <translation>Brak uprawnień do zapisu pliku rekordów %1 lub jego folderu, więc gry nie są zapisywane.</translation>
    </message>
    <message>
        <source>is damaged</source>
        <extracomment>What is wrong with the records file: a predicate that follows &quot;The records file PATH&quot;.</extracomment>
        <translation>jest uszkodzony</translation>
    </message>
    <message>
        <source>is not a Peglore records file</source>
        <extracomment>What is wrong with the records file: a predicate that follows &quot;The records file PATH&quot;.</extracomment>
        <translation>nie jest plikiem rekordów Peglore</translation>
    </message>
    <message>
        <source>The records file %1 %2 and its folder may not be written, so no games are recorded.</source>
        <extracomment>%2 is what is wrong with the file, a predicate such as &quot;is damaged&quot;.</extracomment>
        <translation>Plik rekordów %1 %2, a do jego folderu brak uprawnień do zapisu, więc gry nie są zapisywane.</translation>
    </message>
    <message>
        <source>The records file %1 %2 and cannot be renamed aside, so no games are recorded.</source>
        <extracomment>%2 is what is wrong with the file, a predicate such as &quot;is damaged&quot;.</extracomment>
        <translation>Plik rekordów %1 %2 i nie można go odłożyć pod inną nazwą, więc gry nie są zapisywane.</translation>
    </message>
    <message>
        <source>The records file %1 %2; it was kept as %3 and a new one started.</source>
        <extracomment>%2 is what was wrong with the file, a predicate such as &quot;is damaged&quot;; %3 the name it was kept under.</extracomment>
        <translation>Plik rekordów %1 %2; zachowano go jako %3 i założono nowy.</translation>
    </message>
    <message>
        <source>the last games are not recorded yet</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>ostatnie gry nie są jeszcze zapisane</translation>
    </message>
    <message>
        <source>the records cannot be read</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>nie można odczytać rekordów</translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsKeeper</name>
    <message>
        <source>1 finished game could not be written to the records file %1, nor kept for later, as %2, so it is not recorded</source>
        <extracomment>Told at the exit, in an error box (a full stop follows): %1 the records file, %2 why not (a clause such as &quot;the disk of the file is full&quot;).</extracomment>
        <translation>Jednej skończonej gry nie udało się zapisać w pliku rekordów %1 ani odłożyć na później, bo %2, więc nie zostanie zapisana</translation>
    </message>
    <message numerus="yes">
        <source>%n finished games could not be written to the records file %1, nor kept for later, as %2, so they are not recorded</source>
        <translation>
            <numerusform>%n skończonej gry nie udało się zapisać w pliku rekordów %1 ani odłożyć na później, bo %2, więc nie zostanie zapisana</numerusform>
            <numerusform>%n skończonych gier nie udało się zapisać w pliku rekordów %1 ani odłożyć na później, bo %2, więc nie zostaną zapisane</numerusform>
            <numerusform>%n skończonych gier nie udało się zapisać w pliku rekordów %1 ani odłożyć na później, bo %2, więc nie zostaną zapisane</numerusform>
        </translation>
    </message>
    <message>
        <source>1 finished game could not be written to the records file %1. It is kept in %2 and will be added to the records the next time Peglore starts.</source>
        <extracomment>Told at the exit, in an information box: %1 the records file, %2 the file that keeps the game.</extracomment>
        <translation>Jednej skończonej gry nie udało się zapisać w pliku rekordów %1. Jest przechowywana w %2 i zostanie dodana do rekordów przy następnym uruchomieniu Peglore.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished games could not be written to the records file %1. They are kept in %2 and will be added to the records the next time Peglore starts.</source>
        <translation>
            <numerusform>%n skończonej gry nie udało się zapisać w pliku rekordów %1. Jest przechowywana w %2 i zostanie dodana do rekordów przy następnym uruchomieniu Peglore.</numerusform>
            <numerusform>%n skończonych gier nie udało się zapisać w pliku rekordów %1. Są przechowywane w %2 i zostaną dodane do rekordów przy następnym uruchomieniu Peglore.</numerusform>
            <numerusform>%n skończonych gier nie udało się zapisać w pliku rekordów %1. Są przechowywane w %2 i zostaną dodane do rekordów przy następnym uruchomieniu Peglore.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsService</name>
    <message numerus="yes">
        <source>%n finished game(s) of this session are not in the file yet.</source>
        <extracomment>Shown in the Records window after the records file&apos;s problem.</extracomment>
        <translation>
            <numerusform>%n skończona gra tej sesji nie jest jeszcze w pliku.</numerusform>
            <numerusform>%n skończone gry tej sesji nie są jeszcze w pliku.</numerusform>
            <numerusform>%n skończonych gier tej sesji nie ma jeszcze w pliku.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TScoreBoardReading</name>
    <message>
        <source>Row %1: not checked</source>
        <extracomment>Read by screen readers for a row of the score board that has no answer yet.</extracomment>
        <translation>Rząd %1: niesprawdzony</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>Read by screen readers for a row of the score board: the numbers of black and white key pegs.</extracomment>
        <translation>Rząd %1 – czarne: %2, białe: %3</translation>
    </message>
</context>
<context>
    <name>peglore::TToolActions</name>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Tools menu: a noun, the command that fills the current row with a suggested guess (H).</extracomment>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>Fills the current row with a strong guess that fits every answer so far, in place of the pegs it held.</source>
        <translation>Wypełnia bieżący rząd mocną próbą, która pasuje do wszystkich dotychczasowych odpowiedzi, w miejsce pionków, które w nim były.</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <extracomment>Tools menu: a noun, shows and hides the Analysis window (F3).</extracomment>
        <translation>&amp;Analiza</translation>
    </message>
    <message>
        <source>Show the secrets still possible after every row</source>
        <translation>Pokaż kombinacje możliwe po każdym rzędzie</translation>
    </message>
    <message>
        <source>Shows and hides the Analysis window: the secrets still possible before and after every checked row, the hint and the review of the last game.</source>
        <translation>Pokazuje i ukrywa okno Analiza: kombinacje wciąż możliwe przed każdym sprawdzonym rzędem i po nim, podpowiedź oraz przegląd ostatniej gry.</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <extracomment>Tools menu: a noun, opens the Records window of the games played (F4).</extracomment>
        <translation>&amp;Rekordy</translation>
    </message>
    <message>
        <source>Shows the Records window: for every board its games, wins, best time and fewest rows, and the last games, each of which can be played again.</source>
        <translation>Pokazuje okno Rekordy: dla każdej planszy jej gry, wygrane, najlepszy czas i najmniej rzędów oraz ostatnie gry, z których każdą można rozegrać ponownie.</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <extracomment>Tools menu: starts the game of the day, the same for every player (Ctrl+D).</extracomment>
        <translation>&amp;Gra dnia</translation>
    </message>
    <message>
        <source>Starts the daily game of today on the current board: every player gets the same secret on a board of this size today, and another one tomorrow. The first daily game you finish today counts for the day in the records; its result can then be copied.</source>
        <translation>Zaczyna dzisiejszą grę dnia na bieżącej planszy: każdy gracz dostaje dziś tę samą kombinację na planszy tego rozmiaru, a jutro inną. Pierwsza gra dnia, którą dziś skończysz, liczy się w rekordach jako wynik dnia; potem można skopiować jej wynik.</translation>
    </message>
    <message>
        <source>&amp;Copy Daily Result</source>
        <extracomment>Tools menu: copies the result of today&apos;s daily game to the clipboard.</extracomment>
        <translation>&amp;Kopiuj wynik dnia</translation>
    </message>
    <message>
        <source>Puts the result of today&apos;s daily game on the current board on the clipboard and shows it: the date, the board and the rows it took, and for every checked row its key pegs only, so that it can be posted without giving the secret away.</source>
        <translation>Umieszcza w schowku wynik dzisiejszej gry dnia na bieżącej planszy i pokazuje go: datę, planszę i liczbę potrzebnych rzędów, a dla każdego sprawdzonego rzędu tylko jego kołeczki, aby można go było opublikować, nie zdradzając kombinacji.</translation>
    </message>
    <message>
        <source>&amp;Break My Code...</source>
        <extracomment>Tools menu: the player sets a secret code and the computer breaks it.</extracomment>
        <translation>Złam &amp;mój kod...</translation>
    </message>
    <message>
        <source>Opens a window in which you set a secret code on a board of the current size and the computer breaks it, row by row; you may score its rows yourself.</source>
        <translation>Otwiera okno, w którym ustalasz tajny kod na planszy bieżącego rozmiaru, a komputer łamie go rząd po rzędzie; jego rzędy możesz oceniać sam.</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <extracomment>Tools menu: the name of an option with a check mark.</extracomment>
        <translation>&amp;Tryb trudny</translation>
    </message>
    <message>
        <source>Check only rows that could be the secret</source>
        <translation>Sprawdzaj tylko możliwe kombinacje</translation>
    </message>
    <message>
        <source>In hard mode a full row is checked only when it fits the answers of every row checked before, so that it could be the secret; the check mark shows whether it is on.</source>
        <translation>W trybie trudnym pełny rząd jest sprawdzany tylko wtedy, gdy pasuje do odpowiedzi na wszystkie wcześniej sprawdzone rzędy, czyli mógłby być kombinacją; znacznik pokazuje, czy tryb jest włączony.</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <extracomment>Tools menu: the name of an option with a check mark (Ctrl+Shift+S).</extracomment>
        <translation>&amp;Symbole na pionkach</translation>
    </message>
    <message>
        <source>Draw a symbol on every peg</source>
        <translation>Rysuj symbol na każdym pionku</translation>
    </message>
    <message>
        <source>Draws a small symbol on every peg, so that the colours can be told apart without colour.</source>
        <translation>Rysuje mały symbol na każdym pionku, aby kolory można było rozróżnić bez patrzenia na kolor.</translation>
    </message>
    <message>
        <source>&amp;Variant...</source>
        <extracomment>Tools menu: opens the Variant dialog, the colours in play and whether they may repeat.</extracomment>
        <translation>&amp;Wariant...</translation>
    </message>
    <message>
        <source>Opens the Variant dialog: how many colours of the colour bar every level plays with, whether a colour may repeat, and the classic board of 4 holes and 6 colours.</source>
        <translation>Otwiera okno Wariant: iloma kolorami palety gra się na każdym poziomie, czy kolor może się powtarzać, oraz klasyczną planszę z 4 otworami i 6 kolorami.</translation>
    </message>
    <message>
        <source>&amp;Keep Game at Exit</source>
        <extracomment>Tools menu: the name of an option with a check mark.</extracomment>
        <translation>&amp;Zachowaj grę przy wyjściu</translation>
    </message>
    <message>
        <source>Keep the game in progress for the next start</source>
        <translation>Zachowaj trwającą grę na następny raz</translation>
    </message>
    <message>
        <source>Keeps the game in progress when Peglore closes, with its rows and its clock, and resumes it at the next start. The statistics and the records count it once it ends.</source>
        <translation>Zachowuje trwającą grę przy zamknięciu Peglore, razem z jej rzędami i zegarem, i wznawia ją przy następnym uruchomieniu. Statystyki i rekordy liczą ją dopiero wtedy, gdy się skończy.</translation>
    </message>
    <message>
        <source>Fill the row with a guess fitting every answer</source>
        <translation>Wypełnij rząd pasującą próbą</translation>
    </message>
    <message>
        <source>Show every board&apos;s records; play a game again</source>
        <translation>Pokaż rekordy i zagraj ponownie</translation>
    </message>
    <message>
        <source>Play today&apos;s game: one secret for everyone</source>
        <translation>Gra dnia: ta sama kombinacja dla wszystkich</translation>
    </message>
    <message>
        <source>Copy today&apos;s daily result, secret left out</source>
        <translation>Kopiuj dzisiejszy wynik, bez kombinacji</translation>
    </message>
    <message>
        <source>Let the computer break a code you set</source>
        <translation>Komputer łamie twój kod</translation>
    </message>
    <message>
        <source>Choose the colours in play and repeats</source>
        <translation>Wybierz kolory i powtórzenia</translation>
    </message>
</context>
<context>
    <name>peglore::TWinsChart</name>
    <message>
        <source>No wins yet</source>
        <extracomment>Shown in the chart, and read by screen readers, while the board has no won game.</extracomment>
        <translation>Jeszcze bez wygranych</translation>
    </message>
    <message>
        <source>Rows per win</source>
        <extracomment>Accessible name of the chart of how many wins took each number of rows, read by screen readers.</extracomment>
        <translation>Rzędy na wygraną</translation>
    </message>
    <message numerus="yes">
        <source>%n rows: %1</source>
        <extracomment>Read by screen readers for a column of the chart: %1 wins took %n rows each.</extracomment>
        <translation>
            <numerusform>%n rząd: %1</numerusform>
            <numerusform>%n rzędy: %1</numerusform>
            <numerusform>%n rzędów: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TfrmAbout</name>
    <message>
        <source>About...</source>
        <extracomment>Title of the About dialog (Help &gt; About...).</extracomment>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>Total Games Played:</source>
        <extracomment>Caption before the number of games played; 119 pixels from its start to the number, bold.</extracomment>
        <translation>Rozegrane gry:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <extracomment>Caption before the number of games won; 73 pixels from its start to the number, bold.</extracomment>
        <translation>Wygrane:</translation>
    </message>
    <message>
        <source>Games Lost:</source>
        <extracomment>Caption before the number of games lost; 72 pixels from its start to the number, bold.</extracomment>
        <translation>Przegrane:</translation>
    </message>
    <message>
        <source>Unfinished Games:</source>
        <extracomment>Caption before the number of games not finished; 108 pixels from its start to the number, bold.</extracomment>
        <translation>Niedokończone:</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <extracomment>The About dialog&apos;s version line, centred in 65 pixels, bold.</extracomment>
        <translation>Wersja 1.1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peglore authors</source>
        <extracomment>The About dialog&apos;s copyright line, centred in 203 pixels, bold.</extracomment>
        <translation>Copyright © 2026 autorzy Peglore</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCodeBreaker</name>
    <message>
        <source>row %1</source>
        <extracomment>The rows whose answers disagree, when one row: %1 is its number. It fills &quot;The answers of %1&quot;.</extracomment>
        <translation>rzędu %1</translation>
    </message>
    <message>
        <source>rows %1 and %2</source>
        <extracomment>The rows whose answers disagree: %1 is a list of row numbers (&quot;1, 2&quot;), %2 the last one. It fills &quot;The answers of %1&quot;.</extracomment>
        <translation>rzędów %1 i %2</translation>
    </message>
    <message>
        <source>Break My Code</source>
        <extracomment>Title of the window where the computer breaks the player&apos;s secret code (Tools &gt; Break My Code...).</extracomment>
        <translation>Złam mój kod</translation>
    </message>
    <message>
        <source>Your secret code (keys 1 to %1, Backspace clears):</source>
        <extracomment>Caption above the player&apos;s code, 300 pixels wide. %1 is the highest colour key (8).</extracomment>
        <translation>Twój tajny kod (klawisze 1–%1, Backspace czyści):</translation>
    </message>
    <message>
        <source>Your secret code</source>
        <extracomment>Accessible name of the row of the player&apos;s code, read by screen readers.</extracomment>
        <translation>Twój tajny kod</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <extracomment>Accessible name of the row of eight colours, read by screen readers.</extracomment>
        <translation>Paleta kolorów</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <extracomment>Accessible name of a colour button: %1 is its place in the bar, from 1 to 8.</extracomment>
        <translation>Kolor %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>Tooltip of a colour button: the key %1 (a digit) places the colour.</extracomment>
        <translation>Klawisz %1</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Button, 80 pixels wide: makes a random code for the player.</extracomment>
        <translation>&amp;Losowo</translation>
    </message>
    <message>
        <source>I &amp;score the rows myself</source>
        <extracomment>Check box, 300 pixels wide: the player answers each of the computer&apos;s rows, with no code set here.</extracomment>
        <translation>&amp;Sam oceniam rzędy</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <extracomment>Button, 80 pixels wide.</extracomment>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <source>Put a peg in every hole of your code first, or press Random.</source>
        <extracomment>&quot;Random&quot; is the button&apos;s name.</extracomment>
        <translation>Najpierw włóż pionek do każdego otworu kodu albo naciśnij Losowo.</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <extracomment>Button, 80 pixels wide: the computer plays its rows without waiting between them.</extracomment>
        <translation>Sz&amp;ybciej</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button, 80 pixels wide.</extracomment>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Blacks:</source>
        <extracomment>Caption, 46 pixels wide, before the number of black key pegs (right colour in the right hole).</extracomment>
        <translation>&amp;Czarne:</translation>
    </message>
    <message>
        <source>&amp;Whites:</source>
        <extracomment>Caption, 46 pixels wide, before the number of white key pegs (right colour in another hole).</extracomment>
        <translation>&amp;Białe:</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <extracomment>Button, 80 pixels wide: a command, gives the blacks and whites to the computer.</extracomment>
        <translation>&amp;Odpowiedz</translation>
    </message>
    <message>
        <source>No code answers %1 black, %2 white on %3 holes.</source>
        <extracomment>%1 black and %2 white key pegs, %3 the holes of a row: more key pegs than a row can have.</extracomment>
        <translation>Żaden kod nie daje odpowiedzi czarne: %1, białe: %2 (otwory: %3).</translation>
    </message>
    <message>
        <source>The computer&apos;s rows</source>
        <extracomment>Accessible name of the board of the computer&apos;s guesses, read by screen readers.</extracomment>
        <translation>Rzędy komputera</translation>
    </message>
    <message>
        <source>The answers</source>
        <extracomment>Accessible name of the board of key pegs that answer the computer&apos;s rows, read by screen readers.</extracomment>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>Set your secret code on the %1 holes and press Start.</source>
        <extracomment>%1 is the holes in a row; &quot;Start&quot; is the button&apos;s name.</extracomment>
        <translation>Ustaw tajny kod we wszystkich otworach (%1) i naciśnij Start.</translation>
    </message>
    <message>
        <source>Row %1: the computer is choosing its guess…</source>
        <extracomment>%1 is the row&apos;s number.</extracomment>
        <translation>Rząd %1: komputer wybiera próbę…</translation>
    </message>
    <message>
        <source>Row %1: the computer plays %2.</source>
        <extracomment>%1 is the row&apos;s number, %2 the computer&apos;s guess as key digits (&quot;1234&quot;).</extracomment>
        <translation>Rząd %1: komputer zagrywa %2.</translation>
    </message>
    <message>
        <source>Row %1: score the computer&apos;s guess against your code: blacks and whites, then Answer.</source>
        <extracomment>%1 is the row&apos;s number; &quot;Answer&quot; is the button&apos;s name.</extracomment>
        <translation>Rząd %1: oceń próbę komputera według swojego kodu – czarne i białe, potem Odpowiedz.</translation>
    </message>
    <message>
        <source>The answers of %1 cannot all be true: no code gives every one of them. Score row %2 again, or start again if an earlier row was scored wrong.</source>
        <extracomment>%1 is &quot;row 3&quot; or &quot;rows 1, 2 and 4&quot;, %2 the number of the row whose answer is asked for again.</extracomment>
        <translation>Odpowiedzi %1 nie mogą być wszystkie prawdziwe: żaden kod nie daje ich wszystkich. Oceń rząd %2 jeszcze raz albo zacznij od nowa, jeśli któryś wcześniejszy rząd został oceniony błędnie.</translation>
    </message>
    <message>
        <source>The computer broke your code in 1 row. Your code: %1.</source>
        <extracomment>%1 is the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>Komputer złamał twój kod w 1 rzędzie. Twój kod: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The computer broke your code in %n rows. Your code: %1.</source>
        <extracomment>%n is the rows the computer took, %1 the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>
            <numerusform>Komputer złamał twój kod w %n rzędzie. Twój kod: %1.</numerusform>
            <numerusform>Komputer złamał twój kod w %n rzędach. Twój kod: %1.</numerusform>
            <numerusform>Komputer złamał twój kod w %n rzędach. Twój kod: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer did not break your code in 1 row. Your code: %1.</source>
        <extracomment>%1 is the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>Komputer nie złamał twojego kodu w 1 rzędzie. Twój kod: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The computer did not break your code in %n rows. Your code: %1.</source>
        <extracomment>%n is the rows played, %1 the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>
            <numerusform>Komputer nie złamał twojego kodu w %n rzędzie. Twój kod: %1.</numerusform>
            <numerusform>Komputer nie złamał twojego kodu w %n rzędach. Twój kod: %1.</numerusform>
            <numerusform>Komputer nie złamał twojego kodu w %n rzędach. Twój kod: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer did not break your code in 1 row.</source>
        <extracomment>The player scored the rows and set no code here.</extracomment>
        <translation>Komputer nie złamał twojego kodu w 1 rzędzie.</translation>
    </message>
    <message numerus="yes">
        <source>The computer did not break your code in %n rows.</source>
        <extracomment>The player scored the rows and set no code here; %n is the rows played.</extracomment>
        <translation>
            <numerusform>Komputer nie złamał twojego kodu w %n rzędzie.</numerusform>
            <numerusform>Komputer nie złamał twojego kodu w %n rzędach.</numerusform>
            <numerusform>Komputer nie złamał twojego kodu w %n rzędach.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCorrectAnswer</name>
    <message>
        <source>Correct Combination</source>
        <extracomment>Title of the dialog that shows the secret after a lost or given-up game.</extracomment>
        <translation>Prawidłowa kombinacja</translation>
    </message>
    <message>
        <source>The correct combination was:</source>
        <extracomment>Heading above the pegs of the secret; the dialog is 323 pixels wide.</extracomment>
        <translation>Prawidłowa kombinacja to:</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCustomBoard</name>
    <message>
        <source>Custom Board Size:</source>
        <extracomment>Title of the dialog of the Custom level&apos;s board size.</extracomment>
        <translation>Własny rozmiar planszy</translation>
    </message>
    <message>
        <source>Board preview</source>
        <extracomment>Accessible name, read by screen readers: the small picture of the chosen board.</extracomment>
        <translation>Podgląd planszy</translation>
    </message>
    <message>
        <source>Holes</source>
        <extracomment>Accessible name of the slider of the number of holes in a row (the board&apos;s width).</extracomment>
        <translation>Otwory</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Accessible name of the slider of the number of rows (the board&apos;s height).</extracomment>
        <translation>Rzędy</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Board Dimensions:</source>
        <extracomment>Caption above the board size (&quot;5 x 10&quot;) in a panel 102 pixels wide.</extracomment>
        <translation>Wymiary planszy:</translation>
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
        <translation>Wynik gry dnia</translation>
    </message>
    <message>
        <source>Your daily game to share:</source>
        <extracomment>Heading above the result, bold, in a window 340 pixels wide.</extracomment>
        <translation>Twoja gra dnia do udostępnienia:</translation>
    </message>
    <message>
        <source>Result to share</source>
        <extracomment>Accessible name of the box with the result, read by screen readers.</extracomment>
        <translation>Wynik do udostępnienia</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <extracomment>One line, 316 pixels wide.</extracomment>
        <translation>Wynik jest w schowku.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button, 84 pixels wide: a command, copies the result to the clipboard.</extracomment>
        <translation>&amp;Kopiuj</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmProperties</name>
    <message>
        <source>Properties</source>
        <extracomment>Title of the dialog of the game&apos;s options (Game &gt; Properties...).</extracomment>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 75 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 75 pixels wide.</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The only tab of the Properties dialog: the general options.</extracomment>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Background music</source>
        <extracomment>Check box, 116 pixels wide: the music played during the game.</extracomment>
        <translation>Muzyka w tle</translation>
    </message>
    <message>
        <source>Smart Hints</source>
        <extracomment>Check box, 97 pixels wide. &quot;Smart Hints&quot; is the option&apos;s name: it shows or hides the tooltips of the tool bar&apos;s buttons.</extracomment>
        <translation>Sprytne dymki</translation>
    </message>
    <message>
        <source>Automatic Checking</source>
        <extracomment>Check box, 122 pixels wide. The option&apos;s name: a row is checked as soon as its last hole is filled.</extracomment>
        <translation>Autosprawdzanie</translation>
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
        <translation>%1, %2 × %3, Złam mój kod</translation>
    </message>
    <message>
        <source>%1, %2 × %3, %4, Break My Code</source>
        <extracomment>A board the computer played against the player&apos;s own secret (Tools &gt; Break My Code...): %1 is the level&apos;s name, %2 the holes in a row, %3 the rows, %4 the colours in play (&quot;6 colours, no repeats&quot;).</extracomment>
        <translation>%1, %2 × %3, %4, Złam mój kod</translation>
    </message>
    <message>
        <source>daily %1, hard mode</source>
        <extracomment>The notes of a game in the list of last games: the daily game of the date %1, played in hard mode (every row had to fit the answers so far).</extracomment>
        <translation>gra dnia %1, tryb trudny</translation>
    </message>
    <message>
        <source>daily %1</source>
        <extracomment>The notes of a game in the list of last games: the daily game of the date %1.</extracomment>
        <translation>gra dnia %1</translation>
    </message>
    <message>
        <source>hard mode</source>
        <extracomment>The notes of a game in the list of last games: played in hard mode (every row had to fit the answers so far).</extracomment>
        <translation>tryb trudny</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the Records window (Tools &gt; Records..., F4).</extracomment>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Column header: the board (level, size, colours).</extracomment>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column header: the number of games played on the board.</extracomment>
        <translation>Gry</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>Column header: the number of games won.
----------
Column header: the number of daily games won.</extracomment>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Lost</source>
        <extracomment>Column header: the number of games lost.</extracomment>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Best time</source>
        <extracomment>Column header: the shortest time of a won game.</extracomment>
        <translation>Najlepszy czas</translation>
    </message>
    <message>
        <source>Fewest rows</source>
        <extracomment>Column header: the fewest rows a won game took.</extracomment>
        <translation>Najmniej rzędów</translation>
    </message>
    <message>
        <source>Average rows</source>
        <extracomment>Column header: the rows a won game took on average.</extracomment>
        <translation>Średnio rzędów</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <extracomment>Column header: the most games won one after the other.</extracomment>
        <translation>Najdłuższa seria wygranych</translation>
    </message>
    <message>
        <source>Figures per board</source>
        <extracomment>Accessible name of the table of figures, read by screen readers.</extracomment>
        <translation>Wyniki każdej planszy</translation>
    </message>
    <message>
        <source>Daily games:</source>
        <extracomment>Caption above the table of the daily games (one game a day, the same for every player).</extracomment>
        <translation>Gry dnia:</translation>
    </message>
    <message>
        <source>Daily games</source>
        <extracomment>Column header: the number of daily games played on the board.</extracomment>
        <translation>Gry dnia</translation>
    </message>
    <message>
        <source>Current run of days won</source>
        <extracomment>Column header: the days one after the other up to today whose daily game was won.</extracomment>
        <translation>Obecna seria wygranych dni</translation>
    </message>
    <message>
        <source>Longest run of days won</source>
        <extracomment>Column header: the most days one after the other whose daily game was won.</extracomment>
        <translation>Najdłuższa seria wygranych dni</translation>
    </message>
    <message>
        <source>Daily games per board</source>
        <extracomment>Accessible name of the table of daily games, read by screen readers.</extracomment>
        <translation>Gry dnia na każdej planszy</translation>
    </message>
    <message numerus="yes">
        <source>Last %n games:</source>
        <extracomment>Caption above the list of the games played last, newest first; %n is how many it shows.</extracomment>
        <translation>
            <numerusform>Ostatnia %n gra:</numerusform>
            <numerusform>Ostatnie %n gry:</numerusform>
            <numerusform>Ostatnie %n gier:</numerusform>
        </translation>
    </message>
    <message>
        <source>Game number</source>
        <extracomment>Column header: the game&apos;s number, which plays the same secret again.</extracomment>
        <translation>Numer gry</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Column header: the date and time the game ended.</extracomment>
        <translation>Zakończona</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Column header: how the game ended (won, lost, given up, abandoned).</extracomment>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Column header: the number of rows played.</extracomment>
        <translation>Rzędy</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column header: the game&apos;s time on the clock.</extracomment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Column header: the number of hints taken.</extracomment>
        <translation>Podpowiedzi</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column header: what sets the game apart (daily game, hard mode).</extracomment>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Last games</source>
        <extracomment>Accessible name of the list of last games, read by screen readers.</extracomment>
        <translation>Ostatnie gry</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>Button: plays the game chosen in the list of last games again.</extracomment>
        <translation>&amp;Graj</translation>
    </message>
    <message>
        <source>Play the chosen game again: the same board and the same secret</source>
        <translation>Rozegraj wybraną grę ponownie: ta sama plansza i ta sama kombinacja</translation>
    </message>
    <message>
        <source>Records file: %1</source>
        <extracomment>The line at the foot of the Records window; %1 is the records file&apos;s path.</extracomment>
        <translation>Plik rekordów: %1</translation>
    </message>
    <message>
        <source>Rows per win</source>
        <extracomment>The chart&apos;s title while no board is chosen: how many wins took each number of rows.</extracomment>
        <translation>Rzędy na wygraną</translation>
    </message>
    <message>
        <source>Rows per win: %1</source>
        <extracomment>The chart&apos;s title: how many wins took each number of rows; %1 is the board.</extracomment>
        <translation>Rzędy na wygraną: %1</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmVariant</name>
    <message>
        <source>Variant</source>
        <extracomment>Title of the dialog of the colours in play and whether they repeat (Tools &gt; Variant...).</extracomment>
        <translation>Wariant</translation>
    </message>
    <message>
        <source>Colours in play:</source>
        <extracomment>Caption before the number of colours; the number follows 140 pixels from its start.</extracomment>
        <translation>Kolory w grze:</translation>
    </message>
    <message>
        <source>Colours in play</source>
        <extracomment>Accessible name of the slider of the number of colours, read by screen readers.</extracomment>
        <translation>Kolory w grze</translation>
    </message>
    <message>
        <source>Colours may repeat</source>
        <extracomment>Check box, 176 pixels wide: a colour may stand in more than one hole of the secret.</extracomment>
        <translation>Powtarzanie kolorów</translation>
    </message>
    <message>
        <source>Classic board:</source>
        <extracomment>Caption in a panel 102 pixels wide, above the classic board&apos;s size and colours.</extracomment>
        <translation>Klasyczna:</translation>
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
            <numerusform>%n kolor</numerusform>
            <numerusform>%n kolory</numerusform>
            <numerusform>%n kolorów</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>Button, 60 pixels wide: plays the classic board and colours at once.</extracomment>
        <translation>Klasyczna</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Without repeats every hole needs a colour of its own: this board has %1 holes and %2 colours, so it plays with repeats.</source>
        <extracomment>A note in a box 176 x 66 pixels, four short lines. %1 is the number of holes of the level in play, %2 the number of colours chosen (fewer than the holes).</extracomment>
        <translation>Bez powtórzeń każdy otwór wymaga innego koloru; tu otworów (%1) jest więcej niż kolorów (%2), więc są powtórzenia.</translation>
    </message>
</context>
</TS>
