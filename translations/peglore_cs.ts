<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>peglore::GameKeeper</name>
    <message>
        <source>Unable to keep the game in %1: %2</source>
        <extracomment>Told at the exit in an error box (a full stop follows): the game in progress could not be written for the next start. %1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Hru nelze uložit do %1: %2</translation>
    </message>
</context>
<context>
    <name>peglore::GameNames</name>
    <message>
        <source>Beginner</source>
        <extracomment>A level&apos;s name, as the Records window names a board (&quot;Beginner, 4 × 10&quot;).</extracomment>
        <translation>Začátečník</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <extracomment>A level&apos;s name, as the Records window names a board.</extracomment>
        <translation>Pokročilý</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>A level&apos;s name, as the Records window names a board.</extracomment>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>A level&apos;s name: a board of the player&apos;s own size, as the Records window names it.</extracomment>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>1 colour</source>
        <extracomment>A game&apos;s variant in the Records window: its secret has a single colour.</extracomment>
        <translation>1 barva</translation>
    </message>
    <message>
        <source>1 colour, no repeats</source>
        <extracomment>A game&apos;s variant in the Records window: its secret has a single colour.</extracomment>
        <translation>1 barva, bez opakování</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <extracomment>A game&apos;s variant in the Records window: the secret is drawn from the first %n colours of the colour bar, a colour as often as it comes.</extracomment>
        <translation>
            <numerusform>%n barva</numerusform>
            <numerusform>%n barvy</numerusform>
            <numerusform>%n barev</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n colours, no repeats</source>
        <extracomment>A game&apos;s variant in the Records window: the secret is drawn from the first %n colours of the colour bar, no colour twice.</extracomment>
        <translation>
            <numerusform>%n barva, bez opakování</numerusform>
            <numerusform>%n barvy, bez opakování</numerusform>
            <numerusform>%n barev, bez opakování</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::PegNames</name>
    <message>
        <source>red</source>
        <extracomment>A peg&apos;s colour, read by screen readers; with the symbols shown, its symbol follows (&quot;red, disc&quot;).</extracomment>
        <translation>červená</translation>
    </message>
    <message>
        <source>disc</source>
        <extracomment>The symbol drawn on a red peg: a filled circle.</extracomment>
        <translation>kruh</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>zelená</translation>
    </message>
    <message>
        <source>triangle pointing up</source>
        <extracomment>The symbol drawn on a green peg.</extracomment>
        <translation>trojúhelník špičkou nahoru</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>černá</translation>
    </message>
    <message>
        <source>square</source>
        <extracomment>The symbol drawn on a black peg.</extracomment>
        <translation>čtverec</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>žlutá</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>The symbol drawn on a yellow peg: a square standing on a corner.</extracomment>
        <translation>kosočtverec</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>modrá</translation>
    </message>
    <message>
        <source>plus</source>
        <extracomment>The symbol &quot;+&quot; drawn on a blue peg.</extracomment>
        <translation>znaménko plus</translation>
    </message>
    <message>
        <source>gray</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>šedá</translation>
    </message>
    <message>
        <source>cross</source>
        <extracomment>The symbol &quot;×&quot; drawn on a gray peg.</extracomment>
        <translation>křížek</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <extracomment>A peg&apos;s colour, read by screen readers: a purplish pink.</extracomment>
        <translation>fuchsiová</translation>
    </message>
    <message>
        <source>triangle pointing down</source>
        <extracomment>The symbol drawn on a fuchsia peg.</extracomment>
        <translation>trojúhelník špičkou dolů</translation>
    </message>
    <message>
        <source>lime</source>
        <extracomment>A peg&apos;s colour, read by screen readers: a light, bright green, other than &quot;green&quot;.</extracomment>
        <translation>limetková</translation>
    </message>
    <message>
        <source>bar</source>
        <extracomment>The symbol drawn on a lime peg: a short thick horizontal line.</extracomment>
        <translation>pruh</translation>
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
        <translation>černé: %1, bílé: %2</translation>
    </message>
    <message>
        <source>won in 1 row</source>
        <extracomment>How the reviewed game ended; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>vyhraná za 1 řadu</translation>
    </message>
    <message numerus="yes">
        <source>won in %n rows</source>
        <extracomment>How the reviewed game ended, in %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>vyhraná za %n řadu</numerusform>
            <numerusform>vyhraná za %n řady</numerusform>
            <numerusform>vyhraná za %n řad</numerusform>
        </translation>
    </message>
    <message>
        <source>lost after 1 row</source>
        <extracomment>How the reviewed game ended; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>prohraná po 1 řadě</translation>
    </message>
    <message numerus="yes">
        <source>lost after %n rows</source>
        <extracomment>How the reviewed game ended, after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>prohraná po %n řadě</numerusform>
            <numerusform>prohraná po %n řadách</numerusform>
            <numerusform>prohraná po %n řadách</numerusform>
        </translation>
    </message>
    <message>
        <source>given up after 1 row</source>
        <extracomment>How the reviewed game ended: the player gave up; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>vzdaná po 1 řadě</translation>
    </message>
    <message numerus="yes">
        <source>given up after %n rows</source>
        <extracomment>How the reviewed game ended: the player gave up after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>vzdaná po %n řadě</numerusform>
            <numerusform>vzdaná po %n řadách</numerusform>
            <numerusform>vzdaná po %n řadách</numerusform>
        </translation>
    </message>
    <message>
        <source>left for a new game after 1 row</source>
        <extracomment>How the reviewed game ended: the player started a new one; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>opuštěná kvůli nové hře po 1 řadě</translation>
    </message>
    <message numerus="yes">
        <source>left for a new game after %n rows</source>
        <extracomment>How the reviewed game ended: the player started a new one after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>opuštěná kvůli nové hře po %n řadě</numerusform>
            <numerusform>opuštěná kvůli nové hře po %n řadách</numerusform>
            <numerusform>opuštěná kvůli nové hře po %n řadách</numerusform>
        </translation>
    </message>
    <message>
        <source>Analysis</source>
        <extracomment>Title of the analysis window (Tools &gt; Analysis...): the rows checked so far and what they taught.</extracomment>
        <translation>Analýza</translation>
    </message>
    <message>
        <source>Checked rows</source>
        <extracomment>Accessible name of the table of checked rows, read by screen readers.</extracomment>
        <translation>Vyhodnocené řady</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column header: the row&apos;s number.</extracomment>
        <translation>Řada</translation>
    </message>
    <message>
        <source>The row of the guess board</source>
        <translation>Řada desky tipů</translation>
    </message>
    <message>
        <source>Guess</source>
        <extracomment>Column header: the pegs the player placed in the row.</extracomment>
        <translation>Tip</translation>
    </message>
    <message>
        <source>The pegs of the row</source>
        <translation>Kolíky řady</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Column header: the key pegs (black and white) that answered the row.</extracomment>
        <translation>Odpověď</translation>
    </message>
    <message>
        <source>The key pegs the score board gave</source>
        <translation>Hodnoticí kolíčky, které dala deska hodnocení</translation>
    </message>
    <message>
        <source>Before</source>
        <extracomment>Column header: the count of secrets still possible before the row.</extracomment>
        <translation>Před</translation>
    </message>
    <message>
        <source>Secrets still possible before the row was checked</source>
        <translation>Kombinace ještě možné před vyhodnocením řady</translation>
    </message>
    <message>
        <source>After</source>
        <extracomment>Column header: the count of secrets still possible after the row.</extracomment>
        <translation>Po</translation>
    </message>
    <message>
        <source>Secrets still possible after it</source>
        <translation>Kombinace ještě možné po něm</translation>
    </message>
    <message>
        <source>Bits</source>
        <extracomment>Column header: the information in bits (the unit) the row gained.</extracomment>
        <translation>Bity</translation>
    </message>
    <message>
        <source>The information the row gained: log2(before / after)</source>
        <translation>Informace, kterou řada získala: log2(před / po)</translation>
    </message>
    <message>
        <source>Could be the secret</source>
        <extracomment>Column header: yes, or the row that ruled the guess out.</extracomment>
        <translation>Mohl být tajnou kombinací</translation>
    </message>
    <message>
        <source>Whether the guess fitted every row before it</source>
        <translation>Zda tip odpovídal všem řadám před ním</translation>
    </message>
    <message>
        <source>Hint would have played</source>
        <extracomment>Column header, shown in the review of an ended game: the hint&apos;s pegs for the row.</extracomment>
        <translation>Rada by zahrála</translation>
    </message>
    <message>
        <source>What the hint would have placed in this row</source>
        <translation>Co by rada položila do této řady</translation>
    </message>
    <message>
        <source>Secrets still possible</source>
        <extracomment>Accessible name of the list of the secrets that still fit every answer, read by screen readers.</extracomment>
        <translation>Kombinace ještě možné</translation>
    </message>
    <message>
        <source>Counting the secrets still possible…</source>
        <extracomment>The window&apos;s heading while the counts are worked out.</extracomment>
        <translation>Počítám kombinace, které jsou ještě možné…</translation>
    </message>
    <message>
        <source>The analysis covers boards up to %1 holes, and this board has %2.</source>
        <extracomment>%1 is the most holes in a row the analysis takes, %2 the holes of the board in play (more).</extracomment>
        <translation>Analýza pokrývá desky do %1 jamek a tato deska jich má %2.</translation>
    </message>
    <message>
        <source>Review of game %1: %2. To play it again: peglore --game %1</source>
        <extracomment>The heading after a game: %1 is the game&apos;s number, %2 how it ended (&quot;won in 3 rows&quot;). Keep &quot;peglore --game %1&quot; as it is: the command that plays the game again.</extracomment>
        <translation>Rozbor hry %1: %2. Chcete-li ji hrát znovu: peglore --game %1</translation>
    </message>
    <message>
        <source>Game %1, 1 row checked</source>
        <extracomment>The heading during a game: %1 is the game&apos;s number.</extracomment>
        <translation>Hra %1, vyhodnocena 1 řada</translation>
    </message>
    <message numerus="yes">
        <source>Game %1, %n rows checked</source>
        <extracomment>The heading during a game: %1 is the game&apos;s number, %n the rows checked so far.</extracomment>
        <translation>
            <numerusform>Hra %1, vyhodnocena %n řada</numerusform>
            <numerusform>Hra %1, vyhodnoceny %n řady</numerusform>
            <numerusform>Hra %1, vyhodnoceno %n řad</numerusform>
        </translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The column &quot;Could be the secret&quot;: the guess fitted every row before it.</extracomment>
        <translation>ano</translation>
    </message>
    <message>
        <source>no: row %1 ruled it out</source>
        <extracomment>The column &quot;Could be the secret&quot;: the answer of the row %1 ruled the guess out.</extracomment>
        <translation>ne: vyloučila ho řada %1</translation>
    </message>
    <message>
        <source>Secrets still possible at the end: %1</source>
        <extracomment>After a game: %1 is the count of secrets that fitted every answer.</extracomment>
        <translation>Kombinace ještě možné na konci: %1</translation>
    </message>
    <message>
        <source>Secrets possible now: %1</source>
        <extracomment>During a game: %1 is the count of secrets that fit every answer so far.</extracomment>
        <translation>Kombinace možné teď: %1</translation>
    </message>
    <message>
        <source>Hint for row %1: %2</source>
        <extracomment>%1 is the next row&apos;s number, %2 the hint&apos;s pegs as key digits (&quot;1234&quot;); the pegs&apos; picture follows.</extracomment>
        <translation>Rada pro řadu %1: %2</translation>
    </message>
</context>
<context>
    <name>peglore::TBoardGridAccessible</name>
    <message>
        <source>Hole %1</source>
        <extracomment>Read by screen readers for a column of a board: %1 is the hole&apos;s number in the row.</extracomment>
        <translation>Jamka %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>Read by screen readers for a row of a board: %1 is the row&apos;s number.</extracomment>
        <translation>Řada %1</translation>
    </message>
</context>
<context>
    <name>peglore::TColorSwatchAccessible</name>
    <message>
        <source>%1, key %2</source>
        <extracomment>Read by screen readers for a colour of the colour bar: the colour, and the number key that places it.</extracomment>
        <translation>%1, klávesa %2</translation>
    </message>
</context>
<context>
    <name>peglore::TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <extracomment>The pop-up menu of a control (right click): shows the control&apos;s help.</extracomment>
        <translation>&amp;Co je to?</translation>
    </message>
</context>
<context>
    <name>peglore::TDailyGames</name>
    <message>
        <source>Today&apos;s daily game on this board is not finished yet. Daily Game in the Tools menu starts it.</source>
        <extracomment>An information box of Copy Daily Result; &quot;Daily Game&quot; and &quot;Tools&quot; name the menu item and the menu.</extracomment>
        <translation>Dnešní hra dne na této desce ještě není dohraná. Začne ji příkaz Hra dne v nabídce Nástroje.</translation>
    </message>
</context>
<context>
    <name>peglore::TGameClockAccessible</name>
    <message>
        <source>Game clock: %1 seconds</source>
        <extracomment>Read by screen readers for the clock panel.</extracomment>
        <translation>Herní hodiny, sekundy: %1</translation>
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
        <translation>vyhraná</translation>
    </message>
    <message>
        <source>lost</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: every row used.</extracomment>
        <translation>prohraná</translation>
    </message>
    <message>
        <source>given up</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: the player gave up.</extracomment>
        <translation>vzdaná</translation>
    </message>
    <message>
        <source>abandoned</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: left unfinished for a new game or at the exit.</extracomment>
        <translation>opuštěná</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>The name of a level the game does not know, read from a records file written elsewhere; %1 is its number.</extracomment>
        <translation>Úroveň %1</translation>
    </message>
</context>
<context>
    <name>peglore::TGuessBoardInput</name>
    <message>
        <source>&amp;Repeat</source>
        <extracomment>The guess board&apos;s right-click menu: copies the peg of the same hole in the row above.</extracomment>
        <translation>&amp;Opakovat</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>The guess board&apos;s right-click menu: empties the hole clicked.</extracomment>
        <translation>&amp;Vymazat</translation>
    </message>
    <message>
        <source>Clear &amp;Row</source>
        <extracomment>The guess board&apos;s right-click menu: empties every hole of the current row.</extracomment>
        <translation>Vymazat řa&amp;du</translation>
    </message>
    <message>
        <source>&amp;Give Up!</source>
        <extracomment>The guess board&apos;s right-click menu: ends the game as lost, after a question.</extracomment>
        <translation>V&amp;zdát se!</translation>
    </message>
</context>
<context>
    <name>peglore::TGuessBoardReading</name>
    <message>
        <source>empty</source>
        <extracomment>Read by screen readers for a hole of the guess board without a peg.</extracomment>
        <translation>prázdná</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <extracomment>Read by screen readers for a hole of the guess board: row, hole, and the peg&apos;s colour or &quot;empty&quot;.</extracomment>
        <translation>Řada %1, jamka %2: %3</translation>
    </message>
</context>
<context>
    <name>peglore::THelpContentsWindow</name>
    <message>
        <source>Help Topics: %1</source>
        <extracomment>The title of the help&apos;s contents and index window; %1 is the help&apos;s title, such as &quot;Peglore Help&quot;.</extracomment>
        <translation>Témata nápovědy: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An entry of the help&apos;s index for a keyword of several topics: %1 the keyword, %2 the topic&apos;s title.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <extracomment>The grey text in the empty field of the help&apos;s index, where the player types a keyword.</extracomment>
        <translation>Napište hledané slovo</translation>
    </message>
    <message>
        <source>&amp;Type the word you are looking for:</source>
        <extracomment>The label above the field of the help&apos;s index.</extracomment>
        <translation>&amp;Napište hledané slovo:</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>A tab of the help&apos;s window: the list of topics.</extracomment>
        <translation>Obsah</translation>
    </message>
    <message>
        <source>Index</source>
        <extracomment>A tab of the help&apos;s window: the keywords of the topics.</extracomment>
        <translation>Rejstřík</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <extracomment>A button of the help&apos;s window: shows the topic chosen.</extracomment>
        <translation>Zo&amp;brazit</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the help&apos;s window.</extracomment>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>peglore::THelpTopicWindow</name>
    <message>
        <source>&amp;Back</source>
        <extracomment>A button of the help&apos;s topic window: the topic read before.</extracomment>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>A button of the help&apos;s topic window: the topic read after, once gone back.</extracomment>
        <translation>&amp;Vpřed</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>A button of the help&apos;s topic window: opens the list of topics.</extracomment>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <extracomment>A button of the help&apos;s topic window: opens the keywords of the topics.</extracomment>
        <translation>&amp;Rejstřík</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <extracomment>The heading of the help window&apos;s page for an item without help of its own.</extracomment>
        <translation>Téma nenalezeno</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <extracomment>The help window&apos;s page for an item without help of its own.</extracomment>
        <translation>K této položce nepatří žádné téma nápovědy.</translation>
    </message>
</context>
<context>
    <name>peglore::THelpViewer</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The title of the help&apos;s windows; %1 is the help file&apos;s name without its extension, &quot;Peglore&quot;.</extracomment>
        <translation>Nápověda %1</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <extracomment>A help pop-up for an item without help of its own.</extracomment>
        <translation>K této položce nepatří žádné téma nápovědy.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: there is no such file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path.</extracomment>
        <translation>Soubor nápovědy „%1“ nelze otevřít: takový soubor neexistuje.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path, %2 the system&apos;s reason, in English.</extracomment>
        <translation>Soubor nápovědy „%1“ nelze otevřít: %2.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it is larger than %2 KiB, too large for a help file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path, %2 the largest size of a help file.</extracomment>
        <translation>Soubor nápovědy „%1“ nelze otevřít: je větší než %2 KiB, na soubor nápovědy příliš velký.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it is not a help file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path. The file holds bytes that are no text.</extracomment>
        <translation>Soubor nápovědy „%1“ nelze otevřít: není to soubor nápovědy.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it holds no help topics.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path. The file is empty or has no topic.</extracomment>
        <translation>Soubor nápovědy „%1“ nelze otevřít: neobsahuje žádná témata nápovědy.</translation>
    </message>
</context>
<context>
    <name>peglore::TMainForm</name>
    <message>
        <source>Tool bar</source>
        <extracomment>Accessible name, read by screen readers: the three buttons at the top left.</extracomment>
        <translation>Panel nástrojů</translation>
    </message>
    <message>
        <source>New Game|</source>
        <extracomment>Tooltip of the first tool button. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Nová hra|</translation>
    </message>
    <message>
        <source>Game Properties|</source>
        <extracomment>Tooltip of the second tool button, which opens the Properties dialog. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Vlastnosti hry|</translation>
    </message>
    <message>
        <source>Check!|</source>
        <extracomment>Tooltip of the third tool button: a command, check the current row now. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Vyhodnotit!|</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <extracomment>Accessible name, read by screen readers: the row of eight colours to drag pegs from.</extracomment>
        <translation>Paleta barev</translation>
    </message>
    <message>
        <source>Guess board</source>
        <extracomment>Accessible name, read by screen readers: the board where the player places guesses.</extracomment>
        <translation>Deska tipů</translation>
    </message>
    <message>
        <source>Score board</source>
        <extracomment>Accessible name, read by screen readers: the board of key pegs that answer each row.</extracomment>
        <translation>Deska hodnocení</translation>
    </message>
    <message>
        <source>Status bar</source>
        <extracomment>Accessible name, read by screen readers.</extracomment>
        <translation>Stavový řádek</translation>
    </message>
    <message>
        <source>Row:</source>
        <extracomment>The status bar&apos;s first panel before the first game: the number of the current row follows later. The panel is 50 pixels wide.</extracomment>
        <translation>Řada:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>Menu of the menu bar.</extracomment>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Game menu: starts a new game (F2).</extracomment>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>Start a new game with current settings</source>
        <translation>Začít novou hru s aktuálním nastavením</translation>
    </message>
    <message>
        <source>&amp;Give Up!</source>
        <extracomment>Game menu: ends the game as lost and shows the secret.</extracomment>
        <translation>V&amp;zdát se!</translation>
    </message>
    <message>
        <source>Abort the game and show the correct solution</source>
        <translation>Přerušit hru a ukázat správnou kombinaci</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <extracomment>Game menu: opens the Properties dialog of the options.</extracomment>
        <translation>Vlas&amp;tnosti...</translation>
    </message>
    <message>
        <source>Change various game options</source>
        <translation>Změnit různé volby hry</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Exit Peglore</source>
        <translation>Ukončit Peglore</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>Menu of the menu bar: the board sizes.</extracomment>
        <translation>Úr&amp;oveň</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <extracomment>Level name: 3 holes, 10 rows.</extracomment>
        <translation>&amp;Začátečník</translation>
    </message>
    <message>
        <source>The easiest level</source>
        <translation>Nejlehčí úroveň</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <extracomment>Level name: 5 holes, 9 rows.</extracomment>
        <translation>&amp;Pokročilý</translation>
    </message>
    <message>
        <source>Medium difficulty level</source>
        <translation>Středně obtížná úroveň</translation>
    </message>
    <message>
        <source>&amp;Expert!</source>
        <extracomment>Level name: 8 holes, 12 rows.</extracomment>
        <translation>&amp;Expert!</translation>
    </message>
    <message>
        <source>Hardest difficulty level</source>
        <translation>Nejobtížnější úroveň</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <extracomment>Level name: a board of the player&apos;s own size, chosen in a dialog.</extracomment>
        <translation>&amp;Vlastní...</translation>
    </message>
    <message>
        <source>Chose any board size you want!</source>
        <translation>Zvolte si libovolnou velikost desky!</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <extracomment>Menu of the menu bar: hint, analysis, records and peg symbols.</extracomment>
        <translation>&amp;Nástroje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu of the menu bar.</extracomment>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Témata nápovědy</translation>
    </message>
    <message>
        <source>Show help contents</source>
        <translation>Zobrazit obsah nápovědy</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New?</source>
        <extracomment>Help menu: opens the help topic of what changed in this version.</extracomment>
        <translation>&amp;Co je nového?</translation>
    </message>
    <message>
        <source>Improvements and bug fixes since last version</source>
        <translation>Vylepšení a opravy od poslední verze</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Help menu: opens the About dialog with the version and the statistics.</extracomment>
        <translation>&amp;O programu...</translation>
    </message>
    <message>
        <source>Show credits and statistics information</source>
        <translation>Zobrazit autory a statistiku</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>The settings file could not be saved at the exit; %1 is its path. A full stop follows.</extracomment>
        <translation>Nelze zapisovat do %1</translation>
    </message>
    <message>
        <source>Row: %1</source>
        <extracomment>The status bar&apos;s first panel, 43 pixels for the text: the number of the current row, counted from 1.</extracomment>
        <translation>Řada %1</translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours, repeats on this board</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, and although no repeats were chosen, a colour may repeat, as the board has more holes than colours in play.</extracomment>
        <translation>
            <numerusform>Varianta: %n barva, na této desce s opakováním</numerusform>
            <numerusform>Varianta: %n barvy, na této desce s opakováním</numerusform>
            <numerusform>Varianta: %n barev, na této desce s opakováním</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, a colour as often as it comes.</extracomment>
        <translation>
            <numerusform>Varianta: %n barva</numerusform>
            <numerusform>Varianta: %n barvy</numerusform>
            <numerusform>Varianta: %n barev</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours, no repeats</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, no colour twice.</extracomment>
        <translation>
            <numerusform>Varianta: %n barva, bez opakování</numerusform>
            <numerusform>Varianta: %n barvy, bez opakování</numerusform>
            <numerusform>Varianta: %n barev, bez opakování</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TMessageBox</name>
    <message>
        <source>Information</source>
        <extracomment>The title of a message box that tells something.</extracomment>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of a message box that reports a mistake or a failure.</extracomment>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>The title of a message box that asks a question (Yes, No): a noun or a request, as fits the language.</extracomment>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A button of a question box.</extracomment>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A button of a question box.</extracomment>
        <translation>&amp;Ne</translation>
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
        <translation>Hra je vyhraná!</translation>
    </message>
    <message>
        <source>You lost the game!</source>
        <extracomment>An information box at the end of a game: every row was used.</extracomment>
        <translation>Hra je prohraná!</translation>
    </message>
    <message>
        <source>You must completely fill the row before trying to check it!</source>
        <extracomment>An error box: a row was to be checked with a hole still empty.</extracomment>
        <translation>Než řadu vyhodnotíte, musíte ji celou vyplnit!</translation>
    </message>
    <message>
        <source>Sorry, Peglore requires at least 256 color display driver.</source>
        <extracomment>An error box at the start, when the display shows too few colours for the pegs.</extracomment>
        <translation>Je nám líto, Peglore vyžaduje ovladač obrazovky s alespoň 256 barvami.</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <extracomment>A question box (Yes, No) before a game in progress is left for a new one.</extracomment>
        <translation>Opravdu chcete začít novou hru?</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <extracomment>A question box (Yes, No) before the game in progress is given up.</extracomment>
        <translation>Opravdu se chcete vzdát?</translation>
    </message>
    <message>
        <source>Row %1 answered %2 black, %3 white: this row cannot be the secret.</source>
        <extracomment>An error box in hard mode: the row to check contradicts the answer of an earlier row. %1 is that row&apos;s number (from 1 at the top), %2 its black key pegs, %3 its white ones.</extracomment>
        <translation>Odpověď na řadu %1 je černé: %2, bílé: %3, takže tato řada nemůže být tajnou kombinací.</translation>
    </message>
    <message>
        <source>A colour stands twice in this row, and in this game no colour may repeat. Change the row before checking it.</source>
        <extracomment>An error box: the row to check breaks the variant chosen, in which no colour may repeat.</extracomment>
        <translation>V této řadě je jedna barva dvakrát a v této hře se barvy nesmějí opakovat. Než řadu vyhodnotíte, změňte ji.</translation>
    </message>
    <message numerus="yes">
        <source>This row uses a colour that is not in play: this game plays with the first %n colours of the colour bar only. Change the row before checking it.</source>
        <extracomment>An error box: the row to check has a colour beyond the first %n colours of the colour bar, the colours in play in the variant chosen.</extracomment>
        <translation>
            <numerusform>Tato řada používá barvu, která není ve hře: tato hra se hraje jen s první %n barvou palety barev. Než řadu vyhodnotíte, změňte ji.</numerusform>
            <numerusform>Tato řada používá barvu, která není ve hře: tato hra se hraje jen s prvními %n barvami palety barev. Než řadu vyhodnotíte, změňte ji.</numerusform>
            <numerusform>Tato řada používá barvu, která není ve hře: tato hra se hraje jen s prvními %n barvami palety barev. Než řadu vyhodnotíte, změňte ji.</numerusform>
        </translation>
    </message>
    <message>
        <source>A colour stands twice in your code, and in this game no colour may repeat. Change your code before starting.</source>
        <extracomment>An error box of Break My Code: the code set for the computer breaks the variant chosen, in which no colour may repeat.</extracomment>
        <translation>Ve vašem kódu je jedna barva dvakrát a v této hře se barvy nesmějí opakovat. Než začnete, změňte kód.</translation>
    </message>
    <message numerus="yes">
        <source>Your code uses a colour that is not in play: this game plays with the first %n colours of the colour bar only. Change your code before starting.</source>
        <extracomment>An error box of Break My Code: the code set for the computer has a colour beyond the first %n colours of the colour bar, the colours in play in the variant chosen.</extracomment>
        <translation>
            <numerusform>Váš kód používá barvu, která není ve hře: tato hra se hraje jen s první %n barvou palety barev. Než začnete, změňte kód.</numerusform>
            <numerusform>Váš kód používá barvu, která není ve hře: tato hra se hraje jen s prvními %n barvami palety barev. Než začnete, změňte kód.</numerusform>
            <numerusform>Váš kód používá barvu, která není ve hře: tato hra se hraje jen s prvními %n barvami palety barev. Než začnete, změňte kód.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The hint covers boards up to %n holes, and this board has %1.</source>
        <extracomment>An information box: the Hint command works on boards up to %n holes wide; %1 is the current board&apos;s number of holes, always more.</extracomment>
        <translation>
            <numerusform>Rada pokrývá desky do %n jamky a tato deska jich má %1.</numerusform>
            <numerusform>Rada pokrývá desky do %n jamek a tato deska jich má %1.</numerusform>
            <numerusform>Rada pokrývá desky do %n jamek a tato deska jich má %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer breaks codes of up to %n holes, and this board has %1.</source>
        <extracomment>An information box of Break My Code: the computer breaks codes up to %n holes wide; %1 is the current board&apos;s number of holes, always more.</extracomment>
        <translation>
            <numerusform>Počítač luští kódy do %n jamky a tato deska jich má %1.</numerusform>
            <numerusform>Počítač luští kódy do %n jamek a tato deska jich má %1.</numerusform>
            <numerusform>Počítač luští kódy do %n jamek a tato deska jich má %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TPegloreApplication</name>
    <message>
        <source>An unexpected error occurred</source>
        <extracomment>An error box&apos;s text; a full stop follows.</extracomment>
        <translation>Došlo k neočekávané chybě</translation>
    </message>
</context>
<context>
    <name>peglore::TPendingFile</name>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>What is wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;. %1 is the system&apos;s reason, in English.</extracomment>
        <translation>je nečitelný (%1)</translation>
    </message>
    <message>
        <source>is not a file of games waiting for the records</source>
        <extracomment>What is wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;.</extracomment>
        <translation>není soubor her čekajících na zápis do rekordů</translation>
    </message>
    <message>
        <source>held lines that are no game</source>
        <extracomment>What was wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;.</extracomment>
        <translation>obsahoval řádky, které nejsou hrou</translation>
    </message>
    <message>
        <source>the file %1 cannot be written (%2)</source>
        <extracomment>Why finished games could not be kept for later: a clause that follows &quot;as&quot;. %2 is the system&apos;s reason.</extracomment>
        <translation>do souboru %1 nelze zapisovat (%2)</translation>
    </message>
    <message>
        <source>The file %1 %2; it was kept as %3.</source>
        <extracomment>%1 the file of games waiting for the records, %2 what was wrong with it (a predicate such as &quot;held lines that are no game&quot;), %3 the name it was kept under.</extracomment>
        <translation>Soubor %1 %2; byl uschován jako %3.</translation>
    </message>
    <message>
        <source>The file %1 %2 and cannot be renamed aside.</source>
        <extracomment>%2 what is wrong with the file, a predicate such as &quot;held lines that are no game&quot;.</extracomment>
        <translation>Soubor %1 %2 a nelze ho odložit pod jiným názvem.</translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsFile</name>
    <message>
        <source>The records file %1 is locked by another program, so %2. Peglore tries again after the next game.</source>
        <extracomment>The records file&apos;s problem, shown in the Records window and at the exit. %2 is what follows from it, a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Soubor rekordů %1 je zamčený jiným programem, takže %2. Peglore to zkusí znovu po další hře.</translation>
    </message>
    <message>
        <source>The records file %1 may not be written, so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Do souboru rekordů %1 není dovoleno zapisovat, takže %2.</translation>
    </message>
    <message>
        <source>The disk of the records file %1 is full, so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Disk se souborem rekordů %1 je plný, takže %2.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be opened or created (is its folder missing or read-only?), so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Soubor rekordů %1 nelze otevřít ani vytvořit (chybí jeho složka, nebo je jen pro čtení?), takže %2.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be used (%2), so %3.</source>
        <extracomment>The records file&apos;s problem: %2 is the database&apos;s own message (in English), %3 a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Soubor rekordů %1 nelze použít (%2), takže %3.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (Debian package libqt6sql6-sqlite) is not installed, so no games are recorded.</source>
        <translation>Ovladač SQLite pro Qt (balíček Debianu libqt6sql6-sqlite) není nainstalovaný, takže se žádné hry nezaznamenávají.</translation>
    </message>
    <message>
        <source>%1 is not a file, so no games are recorded.</source>
        <extracomment>%1 is the records file&apos;s path, which is a folder or another thing that is no file.</extracomment>
        <translation>%1 není soubor, takže se žádné hry nezaznamenávají.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be created, as its folder may not be written, so no games are recorded.</source>
        <translation>Soubor rekordů %1 nelze vytvořit, protože do jeho složky není dovoleno zapisovat, takže se žádné hry nezaznamenávají.</translation>
    </message>
    <message>
        <source>no games are recorded</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>se žádné hry nezaznamenávají</translation>
    </message>
    <message>
        <source>The records file %1 comes from a newer version of Peglore, so this one records no games in it.</source>
        <translation>Soubor rekordů %1 pochází z novější verze Peglore, takže tato verze do něj žádné hry nezaznamenává.</translation>
    </message>
    <message>
        <source>The records file %1 or its folder may not be written, so no games are recorded.</source>
        <translation>Do souboru rekordů %1 nebo jeho složky není dovoleno zapisovat, takže se žádné hry nezaznamenávají.</translation>
    </message>
    <message>
        <source>is damaged</source>
        <extracomment>What is wrong with the records file: a predicate that follows &quot;The records file PATH&quot;.</extracomment>
        <translation>je poškozený</translation>
    </message>
    <message>
        <source>is not a Peglore records file</source>
        <extracomment>What is wrong with the records file: a predicate that follows &quot;The records file PATH&quot;.</extracomment>
        <translation>není soubor rekordů Peglore</translation>
    </message>
    <message>
        <source>The records file %1 %2 and its folder may not be written, so no games are recorded.</source>
        <extracomment>%2 is what is wrong with the file, a predicate such as &quot;is damaged&quot;.</extracomment>
        <translation>Soubor rekordů %1 %2 a do jeho složky není dovoleno zapisovat, takže se žádné hry nezaznamenávají.</translation>
    </message>
    <message>
        <source>The records file %1 %2 and cannot be renamed aside, so no games are recorded.</source>
        <extracomment>%2 is what is wrong with the file, a predicate such as &quot;is damaged&quot;.</extracomment>
        <translation>Soubor rekordů %1 %2 a nelze ho odložit pod jiným názvem, takže se žádné hry nezaznamenávají.</translation>
    </message>
    <message>
        <source>The records file %1 %2; it was kept as %3 and a new one started.</source>
        <extracomment>%2 is what was wrong with the file, a predicate such as &quot;is damaged&quot;; %3 the name it was kept under.</extracomment>
        <translation>Soubor rekordů %1 %2; byl uschován jako %3 a založen nový.</translation>
    </message>
    <message>
        <source>the last games are not recorded yet</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>poslední hry zatím nejsou zaznamenány</translation>
    </message>
    <message>
        <source>the records cannot be read</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>rekordy nelze přečíst</translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsKeeper</name>
    <message>
        <source>1 finished game could not be written to the records file %1, nor kept for later, as %2, so it is not recorded</source>
        <extracomment>Told at the exit, in an error box (a full stop follows): %1 the records file, %2 why not (a clause such as &quot;the disk of the file is full&quot;).</extracomment>
        <translation>1 dohranou hru se nepodařilo zapsat do souboru rekordů %1 ani odložit na později, protože %2, takže zaznamenána nebude</translation>
    </message>
    <message numerus="yes">
        <source>%n finished games could not be written to the records file %1, nor kept for later, as %2, so they are not recorded</source>
        <translation>
            <numerusform>%n dohranou hru se nepodařilo zapsat do souboru rekordů %1 ani odložit na později, protože %2, takže zaznamenána nebude</numerusform>
            <numerusform>%n dohrané hry se nepodařilo zapsat do souboru rekordů %1 ani odložit na později, protože %2, takže zaznamenány nebudou</numerusform>
            <numerusform>%n dohraných her se nepodařilo zapsat do souboru rekordů %1 ani odložit na později, protože %2, takže zaznamenány nebudou</numerusform>
        </translation>
    </message>
    <message>
        <source>1 finished game could not be written to the records file %1. It is kept in %2 and will be added to the records the next time Peglore starts.</source>
        <extracomment>Told at the exit, in an information box: %1 the records file, %2 the file that keeps the game.</extracomment>
        <translation>1 dohranou hru se nepodařilo zapsat do souboru rekordů %1. Je uložena v %2 a do rekordů se přidá při příštím spuštění Peglore.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished games could not be written to the records file %1. They are kept in %2 and will be added to the records the next time Peglore starts.</source>
        <translation>
            <numerusform>%n dohranou hru se nepodařilo zapsat do souboru rekordů %1. Je uložena v %2 a do rekordů se přidá při příštím spuštění Peglore.</numerusform>
            <numerusform>%n dohrané hry se nepodařilo zapsat do souboru rekordů %1. Jsou uloženy v %2 a do rekordů se přidají při příštím spuštění Peglore.</numerusform>
            <numerusform>%n dohraných her se nepodařilo zapsat do souboru rekordů %1. Jsou uloženy v %2 a do rekordů se přidají při příštím spuštění Peglore.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsService</name>
    <message numerus="yes">
        <source>%n finished game(s) of this session are not in the file yet.</source>
        <extracomment>Shown in the Records window after the records file&apos;s problem.</extracomment>
        <translation>
            <numerusform>%n dohraná hra této relace ještě není v souboru.</numerusform>
            <numerusform>%n dohrané hry této relace ještě nejsou v souboru.</numerusform>
            <numerusform>%n dohraných her této relace ještě není v souboru.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TScoreBoardReading</name>
    <message>
        <source>Row %1: not checked</source>
        <extracomment>Read by screen readers for a row of the score board that has no answer yet.</extracomment>
        <translation>Řada %1: nevyhodnoceno</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>Read by screen readers for a row of the score board: the numbers of black and white key pegs.</extracomment>
        <translation>Řada %1 – černé: %2, bílé: %3</translation>
    </message>
</context>
<context>
    <name>peglore::TToolActions</name>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Tools menu: a noun, the command that fills the current row with a suggested guess (H).</extracomment>
        <translation>&amp;Rada</translation>
    </message>
    <message>
        <source>Fills the current row with a strong guess that fits every answer so far, in place of the pegs it held.</source>
        <translation>Vyplní aktuální řadu silným tipem, který odpovídá všem dosavadním odpovědím, místo kolíků, které v ní byly.</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <extracomment>Tools menu: a noun, shows and hides the Analysis window (F3).</extracomment>
        <translation>&amp;Analýza</translation>
    </message>
    <message>
        <source>Show the secrets still possible after every row</source>
        <translation>Zobrazit kombinace možné po každé řadě</translation>
    </message>
    <message>
        <source>Shows and hides the Analysis window: the secrets still possible before and after every checked row, the hint and the review of the last game.</source>
        <translation>Zobrazí a skryje okno Analýza: kombinace ještě možné před každou vyhodnocenou řadou a po ní, radu a rozbor poslední hry.</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <extracomment>Tools menu: a noun, opens the Records window of the games played (F4).</extracomment>
        <translation>Re&amp;kordy</translation>
    </message>
    <message>
        <source>Shows the Records window: for every board its games, wins, best time and fewest rows, and the last games, each of which can be played again.</source>
        <translation>Zobrazí okno Rekordy: pro každou desku její hry, výhry, nejlepší čas a nejméně řad a poslední hry, z nichž každou lze zahrát znovu.</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <extracomment>Tools menu: starts the game of the day, the same for every player (Ctrl+D).</extracomment>
        <translation>&amp;Hra dne</translation>
    </message>
    <message>
        <source>Starts the daily game of today on the current board: every player gets the same secret on a board of this size today, and another one tomorrow. The first daily game you finish today counts for the day in the records; its result can then be copied.</source>
        <translation>Začne dnešní hru dne na aktuální desce: každý hráč dostane dnes na desce této velikosti stejnou tajnou kombinaci a zítra jinou. První hra dne, kterou dnes dohrajete, se v rekordech počítá za tento den; její výsledek pak lze zkopírovat.</translation>
    </message>
    <message>
        <source>&amp;Copy Daily Result</source>
        <extracomment>Tools menu: copies the result of today&apos;s daily game to the clipboard.</extracomment>
        <translation>K&amp;opírovat výsledek dne</translation>
    </message>
    <message>
        <source>Puts the result of today&apos;s daily game on the current board on the clipboard and shows it: the date, the board and the rows it took, and for every checked row its key pegs only, so that it can be posted without giving the secret away.</source>
        <translation>Zkopíruje výsledek dnešní hry dne na aktuální desce do schránky a ukáže ho: datum, desku a počet potřebných řad a u každé vyhodnocené řady jen její hodnoticí kolíčky, aby šel zveřejnit, aniž by prozradil tajnou kombinaci.</translation>
    </message>
    <message>
        <source>&amp;Break My Code...</source>
        <extracomment>Tools menu: the player sets a secret code and the computer breaks it.</extracomment>
        <translation>Rozluštit &amp;můj kód...</translation>
    </message>
    <message>
        <source>Opens a window in which you set a secret code on a board of the current size and the computer breaks it, row by row; you may score its rows yourself.</source>
        <translation>Otevře okno, ve kterém zadáte tajný kód na desce aktuální velikosti a počítač ho řadu po řadě rozluští; jeho řady můžete hodnotit sami.</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <extracomment>Tools menu: the name of an option with a check mark.</extracomment>
        <translation>&amp;Těžký režim</translation>
    </message>
    <message>
        <source>Check only rows that could be the secret</source>
        <translation>Vyhodnocovat jen možné tajné kombinace</translation>
    </message>
    <message>
        <source>In hard mode a full row is checked only when it fits the answers of every row checked before, so that it could be the secret; the check mark shows whether it is on.</source>
        <translation>V těžkém režimu se plná řada vyhodnotí, jen když odpovídá odpovědím všech dříve vyhodnocených řad, takže by mohla být tajnou kombinací; značka zaškrtnutí ukazuje, zda je zapnutý.</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <extracomment>Tools menu: the name of an option with a check mark (Ctrl+Shift+S).</extracomment>
        <translation>&amp;Symboly na kolících</translation>
    </message>
    <message>
        <source>Draw a symbol on every peg</source>
        <translation>Kreslit na každý kolík symbol</translation>
    </message>
    <message>
        <source>Draws a small symbol on every peg, so that the colours can be told apart without colour.</source>
        <translation>Nakreslí na každý kolík malý symbol, aby se barvy daly rozlišit i bez barev.</translation>
    </message>
    <message>
        <source>&amp;Variant...</source>
        <extracomment>Tools menu: opens the Variant dialog, the colours in play and whether they may repeat.</extracomment>
        <translation>&amp;Varianta...</translation>
    </message>
    <message>
        <source>Opens the Variant dialog: how many colours of the colour bar every level plays with, whether a colour may repeat, and the classic board of 4 holes and 6 colours.</source>
        <translation>Otevře dialog Varianta: s kolika barvami palety se hraje na každé úrovni, zda se barva smí opakovat, a klasickou desku se 4 jamkami a 6 barvami.</translation>
    </message>
    <message>
        <source>&amp;Keep Game at Exit</source>
        <extracomment>Tools menu: the name of an option with a check mark.</extracomment>
        <translation>&amp;Uložit hru při ukončení</translation>
    </message>
    <message>
        <source>Keep the game in progress for the next start</source>
        <translation>Uložit rozehranou hru pro příští spuštění</translation>
    </message>
    <message>
        <source>Keeps the game in progress when Peglore closes, with its rows and its clock, and resumes it at the next start. The statistics and the records count it once it ends.</source>
        <translation>Při zavření Peglore uloží rozehranou hru i s jejími řadami a hodinami a při příštím spuštění v ní pokračuje. Statistika a rekordy ji započítají, až skončí.</translation>
    </message>
    <message>
        <source>Fill the row with a guess fitting every answer</source>
        <translation>Vyplnit řadu tipem, který sedí</translation>
    </message>
    <message>
        <source>Show every board&apos;s records; play a game again</source>
        <translation>Zobrazit rekordy a hrát hru znovu</translation>
    </message>
    <message>
        <source>Play today&apos;s game: one secret for everyone</source>
        <translation>Dnešní hra: stejná kombinace pro všechny</translation>
    </message>
    <message>
        <source>Copy today&apos;s daily result, secret left out</source>
        <translation>Kopírovat dnešní výsledek bez kombinace</translation>
    </message>
    <message>
        <source>Let the computer break a code you set</source>
        <translation>Počítač prolomí váš kód</translation>
    </message>
    <message>
        <source>Choose the colours in play and repeats</source>
        <translation>Zvolit barvy ve hře a opakování</translation>
    </message>
</context>
<context>
    <name>peglore::TWinsChart</name>
    <message>
        <source>No wins yet</source>
        <extracomment>Shown in the chart, and read by screen readers, while the board has no won game.</extracomment>
        <translation>Zatím žádné výhry</translation>
    </message>
    <message>
        <source>Rows per win</source>
        <extracomment>Accessible name of the chart of how many wins took each number of rows, read by screen readers.</extracomment>
        <translation>Řady na výhru</translation>
    </message>
    <message numerus="yes">
        <source>%n rows: %1</source>
        <extracomment>Read by screen readers for a column of the chart: %1 wins took %n rows each.</extracomment>
        <translation>
            <numerusform>%n řada: %1</numerusform>
            <numerusform>%n řady: %1</numerusform>
            <numerusform>%n řad: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TfrmAbout</name>
    <message>
        <source>About...</source>
        <extracomment>Title of the About dialog (Help &gt; About...).</extracomment>
        <translation>O programu...</translation>
    </message>
    <message>
        <source>Total Games Played:</source>
        <extracomment>Caption before the number of games played; 119 pixels from its start to the number, bold.</extracomment>
        <translation>Odehrané hry:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <extracomment>Caption before the number of games won; 73 pixels from its start to the number, bold.</extracomment>
        <translation>Vyhrané:</translation>
    </message>
    <message>
        <source>Games Lost:</source>
        <extracomment>Caption before the number of games lost; 72 pixels from its start to the number, bold.</extracomment>
        <translation>Prohrané:</translation>
    </message>
    <message>
        <source>Unfinished Games:</source>
        <extracomment>Caption before the number of games not finished; 108 pixels from its start to the number, bold.</extracomment>
        <translation>Nedohrané:</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <extracomment>The About dialog&apos;s version line, centred in 65 pixels, bold.</extracomment>
        <translation>Verze 1.1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peglore authors</source>
        <extracomment>The About dialog&apos;s copyright line, centred in 203 pixels, bold.</extracomment>
        <translation>Copyright © 2026 autoři Peglore</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCodeBreaker</name>
    <message>
        <source>row %1</source>
        <extracomment>The rows whose answers disagree, when one row: %1 is its number. It fills &quot;The answers of %1&quot;.</extracomment>
        <translation>řady %1</translation>
    </message>
    <message>
        <source>rows %1 and %2</source>
        <extracomment>The rows whose answers disagree: %1 is a list of row numbers (&quot;1, 2&quot;), %2 the last one. It fills &quot;The answers of %1&quot;.</extracomment>
        <translation>řad %1 a %2</translation>
    </message>
    <message>
        <source>Break My Code</source>
        <extracomment>Title of the window where the computer breaks the player&apos;s secret code (Tools &gt; Break My Code...).</extracomment>
        <translation>Rozluštit můj kód</translation>
    </message>
    <message>
        <source>Your secret code (keys 1 to %1, Backspace clears):</source>
        <extracomment>Caption above the player&apos;s code, 300 pixels wide. %1 is the highest colour key (8).</extracomment>
        <translation>Váš tajný kód (klávesy 1 až %1, Backspace maže):</translation>
    </message>
    <message>
        <source>Your secret code</source>
        <extracomment>Accessible name of the row of the player&apos;s code, read by screen readers.</extracomment>
        <translation>Váš tajný kód</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <extracomment>Accessible name of the row of eight colours, read by screen readers.</extracomment>
        <translation>Paleta barev</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <extracomment>Accessible name of a colour button: %1 is its place in the bar, from 1 to 8.</extracomment>
        <translation>Barva %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>Tooltip of a colour button: the key %1 (a digit) places the colour.</extracomment>
        <translation>Klávesa %1</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Button, 80 pixels wide: makes a random code for the player.</extracomment>
        <translation>&amp;Náhodně</translation>
    </message>
    <message>
        <source>I &amp;score the rows myself</source>
        <extracomment>Check box, 300 pixels wide: the player answers each of the computer&apos;s rows, with no code set here.</extracomment>
        <translation>&amp;Hodnotím řady sám</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <extracomment>Button, 80 pixels wide.</extracomment>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <source>Put a peg in every hole of your code first, or press Random.</source>
        <extracomment>&quot;Random&quot; is the button&apos;s name.</extracomment>
        <translation>Nejdřív dejte kolík do každé jamky kódu, nebo stiskněte Náhodně.</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <extracomment>Button, 80 pixels wide: the computer plays its rows without waiting between them.</extracomment>
        <translation>R&amp;ychleji</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button, 80 pixels wide.</extracomment>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>&amp;Blacks:</source>
        <extracomment>Caption, 46 pixels wide, before the number of black key pegs (right colour in the right hole).</extracomment>
        <translation>Če&amp;rné:</translation>
    </message>
    <message>
        <source>&amp;Whites:</source>
        <extracomment>Caption, 46 pixels wide, before the number of white key pegs (right colour in another hole).</extracomment>
        <translation>&amp;Bílé:</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <extracomment>Button, 80 pixels wide: a command, gives the blacks and whites to the computer.</extracomment>
        <translation>&amp;Odpovědět</translation>
    </message>
    <message>
        <source>No code answers %1 black, %2 white on %3 holes.</source>
        <extracomment>%1 black and %2 white key pegs, %3 the holes of a row: more key pegs than a row can have.</extracomment>
        <translation>Žádný kód nedá odpověď černé: %1, bílé: %2 (jamky: %3).</translation>
    </message>
    <message>
        <source>The computer&apos;s rows</source>
        <extracomment>Accessible name of the board of the computer&apos;s guesses, read by screen readers.</extracomment>
        <translation>Řady počítače</translation>
    </message>
    <message>
        <source>The answers</source>
        <extracomment>Accessible name of the board of key pegs that answer the computer&apos;s rows, read by screen readers.</extracomment>
        <translation>Odpovědi</translation>
    </message>
    <message>
        <source>Set your secret code on the %1 holes and press Start.</source>
        <extracomment>%1 is the holes in a row; &quot;Start&quot; is the button&apos;s name.</extracomment>
        <translation>Zadejte tajný kód do všech jamek (%1) a stiskněte Start.</translation>
    </message>
    <message>
        <source>Row %1: the computer is choosing its guess…</source>
        <extracomment>%1 is the row&apos;s number.</extracomment>
        <translation>Řada %1: počítač vybírá tip…</translation>
    </message>
    <message>
        <source>Row %1: the computer plays %2.</source>
        <extracomment>%1 is the row&apos;s number, %2 the computer&apos;s guess as key digits (&quot;1234&quot;).</extracomment>
        <translation>Řada %1: počítač hraje %2.</translation>
    </message>
    <message>
        <source>Row %1: score the computer&apos;s guess against your code: blacks and whites, then Answer.</source>
        <extracomment>%1 is the row&apos;s number; &quot;Answer&quot; is the button&apos;s name.</extracomment>
        <translation>Řada %1: ohodnoťte tip počítače podle svého kódu – černé a bílé, pak Odpovědět.</translation>
    </message>
    <message>
        <source>The answers of %1 cannot all be true: no code gives every one of them. Score row %2 again, or start again if an earlier row was scored wrong.</source>
        <extracomment>%1 is &quot;row 3&quot; or &quot;rows 1, 2 and 4&quot;, %2 the number of the row whose answer is asked for again.</extracomment>
        <translation>Odpovědi %1 nemohou být všechny pravdivé: žádný kód je nedá všechny. Ohodnoťte řadu %2 znovu, nebo začněte znovu, pokud byla špatně ohodnocena některá dřívější řada.</translation>
    </message>
    <message>
        <source>The computer broke your code in 1 row. Your code: %1.</source>
        <extracomment>%1 is the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>Počítač rozluštil váš kód za 1 řadu. Váš kód: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The computer broke your code in %n rows. Your code: %1.</source>
        <extracomment>%n is the rows the computer took, %1 the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>
            <numerusform>Počítač rozluštil váš kód za %n řadu. Váš kód: %1.</numerusform>
            <numerusform>Počítač rozluštil váš kód za %n řady. Váš kód: %1.</numerusform>
            <numerusform>Počítač rozluštil váš kód za %n řad. Váš kód: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer did not break your code in 1 row. Your code: %1.</source>
        <extracomment>%1 is the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>Počítač váš kód za 1 řadu nerozluštil. Váš kód: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The computer did not break your code in %n rows. Your code: %1.</source>
        <extracomment>%n is the rows played, %1 the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>
            <numerusform>Počítač váš kód za %n řadu nerozluštil. Váš kód: %1.</numerusform>
            <numerusform>Počítač váš kód za %n řady nerozluštil. Váš kód: %1.</numerusform>
            <numerusform>Počítač váš kód za %n řad nerozluštil. Váš kód: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer did not break your code in 1 row.</source>
        <extracomment>The player scored the rows and set no code here.</extracomment>
        <translation>Počítač váš kód za 1 řadu nerozluštil.</translation>
    </message>
    <message numerus="yes">
        <source>The computer did not break your code in %n rows.</source>
        <extracomment>The player scored the rows and set no code here; %n is the rows played.</extracomment>
        <translation>
            <numerusform>Počítač váš kód za %n řadu nerozluštil.</numerusform>
            <numerusform>Počítač váš kód za %n řady nerozluštil.</numerusform>
            <numerusform>Počítač váš kód za %n řad nerozluštil.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCorrectAnswer</name>
    <message>
        <source>Correct Combination</source>
        <extracomment>Title of the dialog that shows the secret after a lost or given-up game.</extracomment>
        <translation>Správná kombinace</translation>
    </message>
    <message>
        <source>The correct combination was:</source>
        <extracomment>Heading above the pegs of the secret; the dialog is 323 pixels wide.</extracomment>
        <translation>Správná kombinace byla:</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCustomBoard</name>
    <message>
        <source>Custom Board Size:</source>
        <extracomment>Title of the dialog of the Custom level&apos;s board size.</extracomment>
        <translation>Vlastní velikost desky</translation>
    </message>
    <message>
        <source>Board preview</source>
        <extracomment>Accessible name, read by screen readers: the small picture of the chosen board.</extracomment>
        <translation>Náhled desky</translation>
    </message>
    <message>
        <source>Holes</source>
        <extracomment>Accessible name of the slider of the number of holes in a row (the board&apos;s width).</extracomment>
        <translation>Jamky</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Accessible name of the slider of the number of rows (the board&apos;s height).</extracomment>
        <translation>Řady</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Board Dimensions:</source>
        <extracomment>Caption above the board size (&quot;5 x 10&quot;) in a panel 102 pixels wide.</extracomment>
        <translation>Rozměry desky:</translation>
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
        <translation>Výsledek hry dne</translation>
    </message>
    <message>
        <source>Your daily game to share:</source>
        <extracomment>Heading above the result, bold, in a window 340 pixels wide.</extracomment>
        <translation>Vaše hra dne ke sdílení:</translation>
    </message>
    <message>
        <source>Result to share</source>
        <extracomment>Accessible name of the box with the result, read by screen readers.</extracomment>
        <translation>Výsledek ke sdílení</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <extracomment>One line, 316 pixels wide.</extracomment>
        <translation>Výsledek je ve schránce.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button, 84 pixels wide: a command, copies the result to the clipboard.</extracomment>
        <translation>&amp;Kopírovat</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmProperties</name>
    <message>
        <source>Properties</source>
        <extracomment>Title of the dialog of the game&apos;s options (Game &gt; Properties...).</extracomment>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 75 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 75 pixels wide.</extracomment>
        <translation>Storno</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The only tab of the Properties dialog: the general options.</extracomment>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Background music</source>
        <extracomment>Check box, 116 pixels wide: the music played during the game.</extracomment>
        <translation>Hudba na pozadí</translation>
    </message>
    <message>
        <source>Smart Hints</source>
        <extracomment>Check box, 97 pixels wide. &quot;Smart Hints&quot; is the option&apos;s name: it shows or hides the tooltips of the tool bar&apos;s buttons.</extracomment>
        <translation>Popisky</translation>
    </message>
    <message>
        <source>Automatic Checking</source>
        <extracomment>Check box, 122 pixels wide. The option&apos;s name: a row is checked as soon as its last hole is filled.</extracomment>
        <translation>Autom. kontrola</translation>
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
        <translation>%1, %2 × %3, Rozluštit můj kód</translation>
    </message>
    <message>
        <source>%1, %2 × %3, %4, Break My Code</source>
        <extracomment>A board the computer played against the player&apos;s own secret (Tools &gt; Break My Code...): %1 is the level&apos;s name, %2 the holes in a row, %3 the rows, %4 the colours in play (&quot;6 colours, no repeats&quot;).</extracomment>
        <translation>%1, %2 × %3, %4, Rozluštit můj kód</translation>
    </message>
    <message>
        <source>daily %1, hard mode</source>
        <extracomment>The notes of a game in the list of last games: the daily game of the date %1, played in hard mode (every row had to fit the answers so far).</extracomment>
        <translation>hra dne %1, těžký režim</translation>
    </message>
    <message>
        <source>daily %1</source>
        <extracomment>The notes of a game in the list of last games: the daily game of the date %1.</extracomment>
        <translation>hra dne %1</translation>
    </message>
    <message>
        <source>hard mode</source>
        <extracomment>The notes of a game in the list of last games: played in hard mode (every row had to fit the answers so far).</extracomment>
        <translation>těžký režim</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the Records window (Tools &gt; Records..., F4).</extracomment>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Column header: the board (level, size, colours).</extracomment>
        <translation>Deska</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column header: the number of games played on the board.</extracomment>
        <translation>Hry</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>Column header: the number of games won.
----------
Column header: the number of daily games won.</extracomment>
        <translation>Výhry</translation>
    </message>
    <message>
        <source>Lost</source>
        <extracomment>Column header: the number of games lost.</extracomment>
        <translation>Prohry</translation>
    </message>
    <message>
        <source>Best time</source>
        <extracomment>Column header: the shortest time of a won game.</extracomment>
        <translation>Nejlepší čas</translation>
    </message>
    <message>
        <source>Fewest rows</source>
        <extracomment>Column header: the fewest rows a won game took.</extracomment>
        <translation>Nejméně řad</translation>
    </message>
    <message>
        <source>Average rows</source>
        <extracomment>Column header: the rows a won game took on average.</extracomment>
        <translation>Průměrně řad</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <extracomment>Column header: the most games won one after the other.</extracomment>
        <translation>Nejdelší série výher</translation>
    </message>
    <message>
        <source>Figures per board</source>
        <extracomment>Accessible name of the table of figures, read by screen readers.</extracomment>
        <translation>Výsledky každé desky</translation>
    </message>
    <message>
        <source>Daily games:</source>
        <extracomment>Caption above the table of the daily games (one game a day, the same for every player).</extracomment>
        <translation>Hry dne:</translation>
    </message>
    <message>
        <source>Daily games</source>
        <extracomment>Column header: the number of daily games played on the board.</extracomment>
        <translation>Hry dne</translation>
    </message>
    <message>
        <source>Current run of days won</source>
        <extracomment>Column header: the days one after the other up to today whose daily game was won.</extracomment>
        <translation>Současná série vyhraných dnů</translation>
    </message>
    <message>
        <source>Longest run of days won</source>
        <extracomment>Column header: the most days one after the other whose daily game was won.</extracomment>
        <translation>Nejdelší série vyhraných dnů</translation>
    </message>
    <message>
        <source>Daily games per board</source>
        <extracomment>Accessible name of the table of daily games, read by screen readers.</extracomment>
        <translation>Hry dne na každé desce</translation>
    </message>
    <message numerus="yes">
        <source>Last %n games:</source>
        <extracomment>Caption above the list of the games played last, newest first; %n is how many it shows.</extracomment>
        <translation>
            <numerusform>Poslední %n hra:</numerusform>
            <numerusform>Poslední %n hry:</numerusform>
            <numerusform>Posledních %n her:</numerusform>
        </translation>
    </message>
    <message>
        <source>Game number</source>
        <extracomment>Column header: the game&apos;s number, which plays the same secret again.</extracomment>
        <translation>Číslo hry</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Column header: the date and time the game ended.</extracomment>
        <translation>Ukončena</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Column header: how the game ended (won, lost, given up, abandoned).</extracomment>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Column header: the number of rows played.</extracomment>
        <translation>Řady</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column header: the game&apos;s time on the clock.</extracomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Column header: the number of hints taken.</extracomment>
        <translation>Rady</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column header: what sets the game apart (daily game, hard mode).</extracomment>
        <translation>Poznámky</translation>
    </message>
    <message>
        <source>Last games</source>
        <extracomment>Accessible name of the list of last games, read by screen readers.</extracomment>
        <translation>Poslední hry</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>Button: plays the game chosen in the list of last games again.</extracomment>
        <translation>&amp;Hrát</translation>
    </message>
    <message>
        <source>Play the chosen game again: the same board and the same secret</source>
        <translation>Zahrát vybranou hru znovu: stejná deska a stejná tajná kombinace</translation>
    </message>
    <message>
        <source>Records file: %1</source>
        <extracomment>The line at the foot of the Records window; %1 is the records file&apos;s path.</extracomment>
        <translation>Soubor rekordů: %1</translation>
    </message>
    <message>
        <source>Rows per win</source>
        <extracomment>The chart&apos;s title while no board is chosen: how many wins took each number of rows.</extracomment>
        <translation>Řady na výhru</translation>
    </message>
    <message>
        <source>Rows per win: %1</source>
        <extracomment>The chart&apos;s title: how many wins took each number of rows; %1 is the board.</extracomment>
        <translation>Řady na výhru: %1</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmVariant</name>
    <message>
        <source>Variant</source>
        <extracomment>Title of the dialog of the colours in play and whether they repeat (Tools &gt; Variant...).</extracomment>
        <translation>Varianta</translation>
    </message>
    <message>
        <source>Colours in play:</source>
        <extracomment>Caption before the number of colours; the number follows 140 pixels from its start.</extracomment>
        <translation>Barvy ve hře:</translation>
    </message>
    <message>
        <source>Colours in play</source>
        <extracomment>Accessible name of the slider of the number of colours, read by screen readers.</extracomment>
        <translation>Barvy ve hře</translation>
    </message>
    <message>
        <source>Colours may repeat</source>
        <extracomment>Check box, 176 pixels wide: a colour may stand in more than one hole of the secret.</extracomment>
        <translation>Opakování barev</translation>
    </message>
    <message>
        <source>Classic board:</source>
        <extracomment>Caption in a panel 102 pixels wide, above the classic board&apos;s size and colours.</extracomment>
        <translation>Klasická deska:</translation>
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
            <numerusform>%n barva</numerusform>
            <numerusform>%n barvy</numerusform>
            <numerusform>%n barev</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>Button, 60 pixels wide: plays the classic board and colours at once.</extracomment>
        <translation>Klasická</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Without repeats every hole needs a colour of its own: this board has %1 holes and %2 colours, so it plays with repeats.</source>
        <extracomment>A note in a box 176 x 66 pixels, four short lines. %1 is the number of holes of the level in play, %2 the number of colours chosen (fewer than the holes).</extracomment>
        <translation>Bez opakování potřebuje každá jamka jinou barvu; zde je jamek (%1) víc než barev (%2), takže se hraje s opakováním.</translation>
    </message>
</context>
</TS>
