<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>peglore::GameKeeper</name>
    <message>
        <source>Unable to keep the game in %1: %2</source>
        <extracomment>Told at the exit in an error box (a full stop follows): the game in progress could not be written for the next start. %1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible de garder la partie dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>peglore::GameNames</name>
    <message>
        <source>Beginner</source>
        <extracomment>A level&apos;s name, as the Records window names a board (&quot;Beginner, 4 × 10&quot;).</extracomment>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <extracomment>A level&apos;s name, as the Records window names a board.</extracomment>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>A level&apos;s name, as the Records window names a board.</extracomment>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>A level&apos;s name: a board of the player&apos;s own size, as the Records window names it.</extracomment>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>1 colour</source>
        <extracomment>A game&apos;s variant in the Records window: its secret has a single colour.</extracomment>
        <translation>1 couleur</translation>
    </message>
    <message>
        <source>1 colour, no repeats</source>
        <extracomment>A game&apos;s variant in the Records window: its secret has a single colour.</extracomment>
        <translation>1 couleur, sans répétition</translation>
    </message>
    <message numerus="yes">
        <source>%n colours</source>
        <extracomment>A game&apos;s variant in the Records window: the secret is drawn from the first %n colours of the colour bar, a colour as often as it comes.</extracomment>
        <translation>
            <numerusform>%n couleur</numerusform>
            <numerusform>%n couleurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n colours, no repeats</source>
        <extracomment>A game&apos;s variant in the Records window: the secret is drawn from the first %n colours of the colour bar, no colour twice.</extracomment>
        <translation>
            <numerusform>%n couleur, sans répétition</numerusform>
            <numerusform>%n couleurs, sans répétition</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::PegNames</name>
    <message>
        <source>red</source>
        <extracomment>A peg&apos;s colour, read by screen readers; with the symbols shown, its symbol follows (&quot;red, disc&quot;).</extracomment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>disc</source>
        <extracomment>The symbol drawn on a red peg: a filled circle.</extracomment>
        <translation>disque</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>vert</translation>
    </message>
    <message>
        <source>triangle pointing up</source>
        <extracomment>The symbol drawn on a green peg.</extracomment>
        <translation>triangle pointe en haut</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>noir</translation>
    </message>
    <message>
        <source>square</source>
        <extracomment>The symbol drawn on a black peg.</extracomment>
        <translation>carré</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>jaune</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>The symbol drawn on a yellow peg: a square standing on a corner.</extracomment>
        <translation>losange</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>bleu</translation>
    </message>
    <message>
        <source>plus</source>
        <extracomment>The symbol &quot;+&quot; drawn on a blue peg.</extracomment>
        <translation>plus</translation>
    </message>
    <message>
        <source>gray</source>
        <extracomment>A peg&apos;s colour, read by screen readers.</extracomment>
        <translation>gris</translation>
    </message>
    <message>
        <source>cross</source>
        <extracomment>The symbol &quot;×&quot; drawn on a gray peg.</extracomment>
        <translation>croix</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <extracomment>A peg&apos;s colour, read by screen readers: a purplish pink.</extracomment>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>triangle pointing down</source>
        <extracomment>The symbol drawn on a fuchsia peg.</extracomment>
        <translation>triangle pointe en bas</translation>
    </message>
    <message>
        <source>lime</source>
        <extracomment>A peg&apos;s colour, read by screen readers: a light, bright green, other than &quot;green&quot;.</extracomment>
        <translation>vert citron</translation>
    </message>
    <message>
        <source>bar</source>
        <extracomment>The symbol drawn on a lime peg: a short thick horizontal line.</extracomment>
        <translation>barre</translation>
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
        <translation>noires %1, blanches %2</translation>
    </message>
    <message>
        <source>won in 1 row</source>
        <extracomment>How the reviewed game ended; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>gagnée en 1 rangée</translation>
    </message>
    <message numerus="yes">
        <source>won in %n rows</source>
        <extracomment>How the reviewed game ended, in %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>gagnée en %n rangée</numerusform>
            <numerusform>gagnée en %n rangées</numerusform>
        </translation>
    </message>
    <message>
        <source>lost after 1 row</source>
        <extracomment>How the reviewed game ended; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>perdue après 1 rangée</translation>
    </message>
    <message numerus="yes">
        <source>lost after %n rows</source>
        <extracomment>How the reviewed game ended, after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>perdue après %n rangée</numerusform>
            <numerusform>perdue après %n rangées</numerusform>
        </translation>
    </message>
    <message>
        <source>given up after 1 row</source>
        <extracomment>How the reviewed game ended: the player gave up; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>abandonnée après 1 rangée</translation>
    </message>
    <message numerus="yes">
        <source>given up after %n rows</source>
        <extracomment>How the reviewed game ended: the player gave up after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>abandonnée après %n rangée</numerusform>
            <numerusform>abandonnée après %n rangées</numerusform>
        </translation>
    </message>
    <message>
        <source>left for a new game after 1 row</source>
        <extracomment>How the reviewed game ended: the player started a new one; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>quittée pour une nouvelle partie après 1 rangée</translation>
    </message>
    <message numerus="yes">
        <source>left for a new game after %n rows</source>
        <extracomment>How the reviewed game ended: the player started a new one after %n rows; it follows &quot;Review of game 123: &quot;.</extracomment>
        <translation>
            <numerusform>quittée pour une nouvelle partie après %n rangée</numerusform>
            <numerusform>quittée pour une nouvelle partie après %n rangées</numerusform>
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
        <translation>Rangées vérifiées</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column header: the row&apos;s number.</extracomment>
        <translation>Rangée</translation>
    </message>
    <message>
        <source>The row of the guess board</source>
        <translation>La rangée de la grille des essais</translation>
    </message>
    <message>
        <source>Guess</source>
        <extracomment>Column header: the pegs the player placed in the row.</extracomment>
        <translation>Essai</translation>
    </message>
    <message>
        <source>The pegs of the row</source>
        <translation>Les pions de la rangée</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Column header: the key pegs (black and white) that answered the row.</extracomment>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>The key pegs the score board gave</source>
        <translation>Les fiches données par la grille des réponses</translation>
    </message>
    <message>
        <source>Before</source>
        <extracomment>Column header: the count of secrets still possible before the row.</extracomment>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Secrets still possible before the row was checked</source>
        <translation>Combinaisons encore possibles avant la vérification de la rangée</translation>
    </message>
    <message>
        <source>After</source>
        <extracomment>Column header: the count of secrets still possible after the row.</extracomment>
        <translation>Après</translation>
    </message>
    <message>
        <source>Secrets still possible after it</source>
        <translation>Combinaisons encore possibles après</translation>
    </message>
    <message>
        <source>Bits</source>
        <extracomment>Column header: the information in bits (the unit) the row gained.</extracomment>
        <translation>Bits</translation>
    </message>
    <message>
        <source>The information the row gained: log2(before / after)</source>
        <translation>L’information apportée par la rangée&#xa0;: log2(avant / après)</translation>
    </message>
    <message>
        <source>Could be the secret</source>
        <extracomment>Column header: yes, or the row that ruled the guess out.</extracomment>
        <translation>Peut être le secret</translation>
    </message>
    <message>
        <source>Whether the guess fitted every row before it</source>
        <translation>Si l’essai était compatible avec chaque rangée précédente</translation>
    </message>
    <message>
        <source>Hint would have played</source>
        <extracomment>Column header, shown in the review of an ended game: the hint&apos;s pegs for the row.</extracomment>
        <translation>Ce qu’aurait joué l’indice</translation>
    </message>
    <message>
        <source>What the hint would have placed in this row</source>
        <translation>Ce que l’indice aurait placé sur cette rangée</translation>
    </message>
    <message>
        <source>Secrets still possible</source>
        <extracomment>Accessible name of the list of the secrets that still fit every answer, read by screen readers.</extracomment>
        <translation>Combinaisons encore possibles</translation>
    </message>
    <message>
        <source>Counting the secrets still possible…</source>
        <extracomment>The window&apos;s heading while the counts are worked out.</extracomment>
        <translation>Décompte des combinaisons encore possibles…</translation>
    </message>
    <message>
        <source>The analysis covers boards up to %1 holes, and this board has %2.</source>
        <extracomment>%1 is the most holes in a row the analysis takes, %2 the holes of the board in play (more).</extracomment>
        <translation>L’analyse couvre les plateaux jusqu’à %1 trous, et ce plateau en a %2.</translation>
    </message>
    <message>
        <source>Review of game %1: %2. To play it again: peglore --game %1</source>
        <extracomment>The heading after a game: %1 is the game&apos;s number, %2 how it ended (&quot;won in 3 rows&quot;). Keep &quot;peglore --game %1&quot; as it is: the command that plays the game again.</extracomment>
        <translation>Bilan de la partie %1&#xa0;: %2. Pour la rejouer&#xa0;: peglore --game %1</translation>
    </message>
    <message>
        <source>Game %1, 1 row checked</source>
        <extracomment>The heading during a game: %1 is the game&apos;s number.</extracomment>
        <translation>Partie %1, 1 rangée vérifiée</translation>
    </message>
    <message numerus="yes">
        <source>Game %1, %n rows checked</source>
        <extracomment>The heading during a game: %1 is the game&apos;s number, %n the rows checked so far.</extracomment>
        <translation>
            <numerusform>Partie %1, %n rangée vérifiée</numerusform>
            <numerusform>Partie %1, %n rangées vérifiées</numerusform>
        </translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The column &quot;Could be the secret&quot;: the guess fitted every row before it.</extracomment>
        <translation>oui</translation>
    </message>
    <message>
        <source>no: row %1 ruled it out</source>
        <extracomment>The column &quot;Could be the secret&quot;: the answer of the row %1 ruled the guess out.</extracomment>
        <translation>non&#xa0;: la rangée %1 l’excluait</translation>
    </message>
    <message>
        <source>Secrets still possible at the end: %1</source>
        <extracomment>After a game: %1 is the count of secrets that fitted every answer.</extracomment>
        <translation>Combinaisons encore possibles à la fin&#xa0;: %1</translation>
    </message>
    <message>
        <source>Secrets possible now: %1</source>
        <extracomment>During a game: %1 is the count of secrets that fit every answer so far.</extracomment>
        <translation>Combinaisons possibles à présent&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hint for row %1: %2</source>
        <extracomment>%1 is the next row&apos;s number, %2 the hint&apos;s pegs as key digits (&quot;1234&quot;); the pegs&apos; picture follows.</extracomment>
        <translation>Indice pour la rangée %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>peglore::TBoardGridAccessible</name>
    <message>
        <source>Hole %1</source>
        <extracomment>Read by screen readers for a column of a board: %1 is the hole&apos;s number in the row.</extracomment>
        <translation>Trou %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>Read by screen readers for a row of a board: %1 is the row&apos;s number.</extracomment>
        <translation>Rangée %1</translation>
    </message>
</context>
<context>
    <name>peglore::TColorSwatchAccessible</name>
    <message>
        <source>%1, key %2</source>
        <extracomment>Read by screen readers for a colour of the colour bar: the colour, and the number key that places it.</extracomment>
        <translation>%1, touche %2</translation>
    </message>
</context>
<context>
    <name>peglore::TContextHelp</name>
    <message>
        <source>&amp;What&apos;s This?</source>
        <extracomment>The pop-up menu of a control (right click): shows the control&apos;s help.</extracomment>
        <translation>&amp;Qu’est-ce que c’est&#x202f;?</translation>
    </message>
</context>
<context>
    <name>peglore::TDailyGames</name>
    <message>
        <source>Today&apos;s daily game on this board is not finished yet. Daily Game in the Tools menu starts it.</source>
        <extracomment>An information box of Copy Daily Result; &quot;Daily Game&quot; and &quot;Tools&quot; name the menu item and the menu.</extracomment>
        <translation>La partie du jour sur ce plateau n’est pas encore terminée. Partie du jour, dans le menu Outils, la lance.</translation>
    </message>
</context>
<context>
    <name>peglore::TGameClockAccessible</name>
    <message>
        <source>Game clock: %1 seconds</source>
        <extracomment>Read by screen readers for the clock panel.</extracomment>
        <translation>Chronomètre&#xa0;: %1 secondes</translation>
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
        <translation>gagnée</translation>
    </message>
    <message>
        <source>lost</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: every row used.</extracomment>
        <translation>perdue</translation>
    </message>
    <message>
        <source>given up</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: the player gave up.</extracomment>
        <translation>abandonnée</translation>
    </message>
    <message>
        <source>abandoned</source>
        <extracomment>How a game ended, in the Records window&apos;s list of games: left unfinished for a new game or at the exit.</extracomment>
        <translation>quittée</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>The name of a level the game does not know, read from a records file written elsewhere; %1 is its number.</extracomment>
        <translation>Niveau %1</translation>
    </message>
</context>
<context>
    <name>peglore::TGuessBoardInput</name>
    <message>
        <source>&amp;Repeat</source>
        <extracomment>The guess board&apos;s right-click menu: copies the peg of the same hole in the row above.</extracomment>
        <translation>&amp;Répéter</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <extracomment>The guess board&apos;s right-click menu: empties the hole clicked.</extracomment>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Clear &amp;Row</source>
        <extracomment>The guess board&apos;s right-click menu: empties every hole of the current row.</extracomment>
        <translation>&amp;Vider la rangée</translation>
    </message>
    <message>
        <source>&amp;Give Up!</source>
        <extracomment>The guess board&apos;s right-click menu: ends the game as lost, after a question.</extracomment>
        <translation>&amp;Abandonner&#x202f;!</translation>
    </message>
</context>
<context>
    <name>peglore::TGuessBoardReading</name>
    <message>
        <source>empty</source>
        <extracomment>Read by screen readers for a hole of the guess board without a peg.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>Row %1, hole %2: %3</source>
        <extracomment>Read by screen readers for a hole of the guess board: row, hole, and the peg&apos;s colour or &quot;empty&quot;.</extracomment>
        <translation>Rangée %1, trou %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>peglore::THelpContentsWindow</name>
    <message>
        <source>Help Topics: %1</source>
        <extracomment>The title of the help&apos;s contents and index window; %1 is the help&apos;s title, such as &quot;Peglore Help&quot;.</extracomment>
        <translation>Rubriques d’aide&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An entry of the help&apos;s index for a keyword of several topics: %1 the keyword, %2 the topic&apos;s title.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <extracomment>The grey text in the empty field of the help&apos;s index, where the player types a keyword.</extracomment>
        <translation>Tapez un mot à rechercher</translation>
    </message>
    <message>
        <source>&amp;Type the word you are looking for:</source>
        <extracomment>The label above the field of the help&apos;s index.</extracomment>
        <translation>&amp;Tapez le mot que vous cherchez&#xa0;:</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>A tab of the help&apos;s window: the list of topics.</extracomment>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <extracomment>A tab of the help&apos;s window: the keywords of the topics.</extracomment>
        <translation>Index</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <extracomment>A button of the help&apos;s window: shows the topic chosen.</extracomment>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the help&apos;s window.</extracomment>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>peglore::THelpTopicWindow</name>
    <message>
        <source>&amp;Back</source>
        <extracomment>A button of the help&apos;s topic window: the topic read before.</extracomment>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>A button of the help&apos;s topic window: the topic read after, once gone back.</extracomment>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>A button of the help&apos;s topic window: opens the list of topics.</extracomment>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <extracomment>A button of the help&apos;s topic window: opens the keywords of the topics.</extracomment>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Topic not found</source>
        <extracomment>The heading of the help window&apos;s page for an item without help of its own.</extracomment>
        <translation>Rubrique introuvable</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <extracomment>The help window&apos;s page for an item without help of its own.</extracomment>
        <translation>Aucune rubrique d’aide n’est associée à cet élément.</translation>
    </message>
</context>
<context>
    <name>peglore::THelpViewer</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The title of the help&apos;s windows; %1 is the help file&apos;s name without its extension, &quot;Peglore&quot;.</extracomment>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>No help topic is associated with this item.</source>
        <extracomment>A help pop-up for an item without help of its own.</extracomment>
        <translation>Aucune rubrique d’aide n’est associée à cet élément.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: there is no such file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path.</extracomment>
        <translation>Impossible d’ouvrir le fichier d’aide «&#x202f;%1&#x202f;»&#xa0;: ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path, %2 the system&apos;s reason, in English.</extracomment>
        <translation>Impossible d’ouvrir le fichier d’aide «&#x202f;%1&#x202f;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it is larger than %2 KiB, too large for a help file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path, %2 the largest size of a help file.</extracomment>
        <translation>Impossible d’ouvrir le fichier d’aide «&#x202f;%1&#x202f;»&#xa0;: il dépasse %2 Kio, trop pour un fichier d’aide.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it is not a help file.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path. The file holds bytes that are no text.</extracomment>
        <translation>Impossible d’ouvrir le fichier d’aide «&#x202f;%1&#x202f;»&#xa0;: ce n’est pas un fichier d’aide.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: it holds no help topics.</source>
        <extracomment>The help viewer&apos;s message: %1 is the help file&apos;s path. The file is empty or has no topic.</extracomment>
        <translation>Impossible d’ouvrir le fichier d’aide «&#x202f;%1&#x202f;»&#xa0;: il ne contient aucune rubrique d’aide.</translation>
    </message>
</context>
<context>
    <name>peglore::TMainForm</name>
    <message>
        <source>Tool bar</source>
        <extracomment>Accessible name, read by screen readers: the three buttons at the top left.</extracomment>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>New Game|</source>
        <extracomment>Tooltip of the first tool button. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Nouvelle partie|</translation>
    </message>
    <message>
        <source>Game Properties|</source>
        <extracomment>Tooltip of the second tool button, which opens the Properties dialog. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Propriétés du jeu|</translation>
    </message>
    <message>
        <source>Check!|</source>
        <extracomment>Tooltip of the third tool button: a command, check the current row now. Keep the &quot;|&quot; at the end.</extracomment>
        <translation>Vérifier&#x202f;!|</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <extracomment>Accessible name, read by screen readers: the row of eight colours to drag pegs from.</extracomment>
        <translation>Barre des couleurs</translation>
    </message>
    <message>
        <source>Guess board</source>
        <extracomment>Accessible name, read by screen readers: the board where the player places guesses.</extracomment>
        <translation>Grille des essais</translation>
    </message>
    <message>
        <source>Score board</source>
        <extracomment>Accessible name, read by screen readers: the board of key pegs that answer each row.</extracomment>
        <translation>Grille des réponses</translation>
    </message>
    <message>
        <source>Status bar</source>
        <extracomment>Accessible name, read by screen readers.</extracomment>
        <translation>Barre d’état</translation>
    </message>
    <message>
        <source>Row:</source>
        <extracomment>The status bar&apos;s first panel before the first game: the number of the current row follows later. The panel is 50 pixels wide.</extracomment>
        <translation>R.&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>Menu of the menu bar.</extracomment>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Game menu: starts a new game (F2).</extracomment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Start a new game with current settings</source>
        <translation>Nouvelle partie avec les réglages actuels</translation>
    </message>
    <message>
        <source>&amp;Give Up!</source>
        <extracomment>Game menu: ends the game as lost and shows the secret.</extracomment>
        <translation>&amp;Abandonner&#x202f;!</translation>
    </message>
    <message>
        <source>Abort the game and show the correct solution</source>
        <translation>Arrêter et montrer la bonne combinaison</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <extracomment>Game menu: opens the Properties dialog of the options.</extracomment>
        <translation>&amp;Propriétés...</translation>
    </message>
    <message>
        <source>Change various game options</source>
        <translation>Modifier les options du jeu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit Peglore</source>
        <translation>Quitter Peglore</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>Menu of the menu bar: the board sizes.</extracomment>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <extracomment>Level name: 3 holes, 10 rows.</extracomment>
        <translation>&amp;Débutant</translation>
    </message>
    <message>
        <source>The easiest level</source>
        <translation>Le niveau le plus facile</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <extracomment>Level name: 5 holes, 9 rows.</extracomment>
        <translation>&amp;Intermédiaire</translation>
    </message>
    <message>
        <source>Medium difficulty level</source>
        <translation>Niveau de difficulté moyen</translation>
    </message>
    <message>
        <source>&amp;Expert!</source>
        <extracomment>Level name: 8 holes, 12 rows.</extracomment>
        <translation>&amp;Expert&#x202f;!</translation>
    </message>
    <message>
        <source>Hardest difficulty level</source>
        <translation>Niveau le plus difficile</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <extracomment>Level name: a board of the player&apos;s own size, chosen in a dialog.</extracomment>
        <translation>&amp;Personnalisé...</translation>
    </message>
    <message>
        <source>Chose any board size you want!</source>
        <translation>Toute taille de plateau au choix&#x202f;!</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <extracomment>Menu of the menu bar: hint, analysis, records and peg symbols.</extracomment>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu of the menu bar.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Rubriques d’aide</translation>
    </message>
    <message>
        <source>Show help contents</source>
        <translation>Afficher le sommaire de l’aide</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New?</source>
        <extracomment>Help menu: opens the help topic of what changed in this version.</extracomment>
        <translation>&amp;Nouveautés</translation>
    </message>
    <message>
        <source>Improvements and bug fixes since last version</source>
        <translation>Améliorations et corrections de cette version</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Help menu: opens the About dialog with the version and the statistics.</extracomment>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Show credits and statistics information</source>
        <translation>Afficher les crédits et les statistiques</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>The settings file could not be saved at the exit; %1 is its path. A full stop follows.</extracomment>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>Row: %1</source>
        <extracomment>The status bar&apos;s first panel, 43 pixels for the text: the number of the current row, counted from 1.</extracomment>
        <translation>R.&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours, repeats on this board</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, and although no repeats were chosen, a colour may repeat, as the board has more holes than colours in play.</extracomment>
        <translation>
            <numerusform>Variante&#xa0;: %n couleur, avec répétitions</numerusform>
            <numerusform>Variante&#xa0;: %n couleurs, avec répétitions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, a colour as often as it comes.</extracomment>
        <translation>
            <numerusform>Variante&#xa0;: %n couleur</numerusform>
            <numerusform>Variante&#xa0;: %n couleurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Variant: %n colours, no repeats</source>
        <extracomment>The status bar&apos;s second panel, at least 235 pixels wide: the game draws its secret from the first %n colours of the colour bar, no colour twice.</extracomment>
        <translation>
            <numerusform>Variante&#xa0;: %n couleur, sans répétition</numerusform>
            <numerusform>Variante&#xa0;: %n couleurs, sans répétition</numerusform>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Confirm</source>
        <extracomment>The title of a message box that asks a question (Yes, No): a noun or a request, as fits the language.</extracomment>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A button of a question box.</extracomment>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A button of a question box.</extracomment>
        <translation>&amp;Non</translation>
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
        <translation>Vous avez gagné&#x202f;!</translation>
    </message>
    <message>
        <source>You lost the game!</source>
        <extracomment>An information box at the end of a game: every row was used.</extracomment>
        <translation>Vous avez perdu&#x202f;!</translation>
    </message>
    <message>
        <source>You must completely fill the row before trying to check it!</source>
        <extracomment>An error box: a row was to be checked with a hole still empty.</extracomment>
        <translation>Vous devez remplir entièrement la rangée avant de la vérifier&#x202f;!</translation>
    </message>
    <message>
        <source>Sorry, Peglore requires at least 256 color display driver.</source>
        <extracomment>An error box at the start, when the display shows too few colours for the pegs.</extracomment>
        <translation>Désolé, Peglore demande un pilote d’affichage d’au moins 256 couleurs.</translation>
    </message>
    <message>
        <source>Do you really want to start a new game?</source>
        <extracomment>A question box (Yes, No) before a game in progress is left for a new one.</extracomment>
        <translation>Voulez-vous vraiment commencer une nouvelle partie&#x202f;?</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <extracomment>A question box (Yes, No) before the game in progress is given up.</extracomment>
        <translation>Voulez-vous vraiment abandonner&#x202f;?</translation>
    </message>
    <message>
        <source>Row %1 answered %2 black, %3 white: this row cannot be the secret.</source>
        <extracomment>An error box in hard mode: the row to check contradicts the answer of an earlier row. %1 is that row&apos;s number (from 1 at the top), %2 its black key pegs, %3 its white ones.</extracomment>
        <translation>Réponse de la rangée %1&#xa0;: noires %2, blanches %3&#x202f;; cette rangée ne peut pas être la combinaison.</translation>
    </message>
    <message>
        <source>A colour stands twice in this row, and in this game no colour may repeat. Change the row before checking it.</source>
        <extracomment>An error box: the row to check breaks the variant chosen, in which no colour may repeat.</extracomment>
        <translation>Une couleur figure deux fois dans cette rangée, et dans cette partie aucune couleur ne peut se répéter. Modifiez la rangée avant de la vérifier.</translation>
    </message>
    <message numerus="yes">
        <source>This row uses a colour that is not in play: this game plays with the first %n colours of the colour bar only. Change the row before checking it.</source>
        <extracomment>An error box: the row to check has a colour beyond the first %n colours of the colour bar, the colours in play in the variant chosen.</extracomment>
        <translation>
            <numerusform>Cette rangée utilise une couleur qui n’est pas en jeu&#xa0;: cette partie se joue seulement avec les %n premières couleurs de la barre des couleurs. Modifiez la rangée avant de la vérifier.</numerusform>
            <numerusform>Cette rangée utilise une couleur qui n’est pas en jeu&#xa0;: cette partie se joue seulement avec les %n premières couleurs de la barre des couleurs. Modifiez la rangée avant de la vérifier.</numerusform>
        </translation>
    </message>
    <message>
        <source>A colour stands twice in your code, and in this game no colour may repeat. Change your code before starting.</source>
        <extracomment>An error box of Break My Code: the code set for the computer breaks the variant chosen, in which no colour may repeat.</extracomment>
        <translation>Une couleur figure deux fois dans votre code, et dans cette partie aucune couleur ne peut se répéter. Modifiez votre code avant de lancer.</translation>
    </message>
    <message numerus="yes">
        <source>Your code uses a colour that is not in play: this game plays with the first %n colours of the colour bar only. Change your code before starting.</source>
        <extracomment>An error box of Break My Code: the code set for the computer has a colour beyond the first %n colours of the colour bar, the colours in play in the variant chosen.</extracomment>
        <translation>
            <numerusform>Votre code utilise une couleur qui n’est pas en jeu&#xa0;: cette partie se joue seulement avec les %n premières couleurs de la barre des couleurs. Modifiez votre code avant de lancer.</numerusform>
            <numerusform>Votre code utilise une couleur qui n’est pas en jeu&#xa0;: cette partie se joue seulement avec les %n premières couleurs de la barre des couleurs. Modifiez votre code avant de lancer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The hint covers boards up to %n holes, and this board has %1.</source>
        <extracomment>An information box: the Hint command works on boards up to %n holes wide; %1 is the current board&apos;s number of holes, always more.</extracomment>
        <translation>
            <numerusform>L’indice couvre les plateaux jusqu’à %n trou, et ce plateau en a %1.</numerusform>
            <numerusform>L’indice couvre les plateaux jusqu’à %n trous, et ce plateau en a %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer breaks codes of up to %n holes, and this board has %1.</source>
        <extracomment>An information box of Break My Code: the computer breaks codes up to %n holes wide; %1 is the current board&apos;s number of holes, always more.</extracomment>
        <translation>
            <numerusform>L’ordinateur casse les codes de %n trou au plus, et ce plateau en a %1.</numerusform>
            <numerusform>L’ordinateur casse les codes de %n trous au plus, et ce plateau en a %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TPegloreApplication</name>
    <message>
        <source>An unexpected error occurred</source>
        <extracomment>An error box&apos;s text; a full stop follows.</extracomment>
        <translation>Une erreur inattendue s’est produite</translation>
    </message>
</context>
<context>
    <name>peglore::TPendingFile</name>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>What is wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;. %1 is the system&apos;s reason, in English.</extracomment>
        <translation>ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>is not a file of games waiting for the records</source>
        <extracomment>What is wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;.</extracomment>
        <translation>n’est pas un fichier de parties en attente des records</translation>
    </message>
    <message>
        <source>held lines that are no game</source>
        <extracomment>What was wrong with the file of games waiting for the records: a predicate that follows &quot;The file PATH&quot;.</extracomment>
        <translation>contenait des lignes qui ne sont pas des parties</translation>
    </message>
    <message>
        <source>the file %1 cannot be written (%2)</source>
        <extracomment>Why finished games could not be kept for later: a clause that follows &quot;as&quot;. %2 is the system&apos;s reason.</extracomment>
        <translation>le fichier %1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>The file %1 %2; it was kept as %3.</source>
        <extracomment>%1 the file of games waiting for the records, %2 what was wrong with it (a predicate such as &quot;held lines that are no game&quot;), %3 the name it was kept under.</extracomment>
        <translation>Le fichier %1 %2&#x202f;; il a été gardé sous le nom %3.</translation>
    </message>
    <message>
        <source>The file %1 %2 and cannot be renamed aside.</source>
        <extracomment>%2 what is wrong with the file, a predicate such as &quot;held lines that are no game&quot;.</extracomment>
        <translation>Le fichier %1 %2 et ne peut pas être renommé pour être mis de côté.</translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsFile</name>
    <message>
        <source>The records file %1 is locked by another program, so %2. Peglore tries again after the next game.</source>
        <extracomment>The records file&apos;s problem, shown in the Records window and at the exit. %2 is what follows from it, a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Le fichier des records %1 est bloqué par un autre programme, si bien que %2. Peglore réessaiera après la prochaine partie.</translation>
    </message>
    <message>
        <source>The records file %1 may not be written, so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Le fichier des records %1 ne peut pas être écrit, si bien que %2.</translation>
    </message>
    <message>
        <source>The disk of the records file %1 is full, so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Le disque du fichier des records %1 est plein, si bien que %2.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be opened or created (is its folder missing or read-only?), so %2.</source>
        <extracomment>The records file&apos;s problem. %2 is a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Le fichier des records %1 ne peut être ni ouvert ni créé (son dossier manque-t-il ou est-il en lecture seule&#x202f;?), si bien que %2.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be used (%2), so %3.</source>
        <extracomment>The records file&apos;s problem: %2 is the database&apos;s own message (in English), %3 a clause that goes after &quot;so&quot;, such as &quot;no games are recorded&quot;.</extracomment>
        <translation>Le fichier des records %1 est inutilisable (%2), si bien que %3.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (Debian package libqt6sql6-sqlite) is not installed, so no games are recorded.</source>
        <translation>Le pilote SQLite de Qt (paquet Debian libqt6sql6-sqlite) n’est pas installé&#xa0;: aucune partie n’est donc enregistrée.</translation>
    </message>
    <message>
        <source>%1 is not a file, so no games are recorded.</source>
        <extracomment>%1 is the records file&apos;s path, which is a folder or another thing that is no file.</extracomment>
        <translation>%1 n’est pas un fichier&#xa0;: aucune partie n’est donc enregistrée.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be created, as its folder may not be written, so no games are recorded.</source>
        <translation>Le fichier des records %1 ne peut pas être créé, car son dossier ne peut pas être écrit&#xa0;: aucune partie n’est donc enregistrée.</translation>
    </message>
    <message>
        <source>no games are recorded</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>aucune partie n’est enregistrée</translation>
    </message>
    <message>
        <source>The records file %1 comes from a newer version of Peglore, so this one records no games in it.</source>
        <translation>Le fichier des records %1 vient d’une version plus récente de Peglore&#xa0;: celle-ci n’y enregistre donc aucune partie.</translation>
    </message>
    <message>
        <source>The records file %1 or its folder may not be written, so no games are recorded.</source>
        <translation>Le fichier des records %1 ou son dossier ne peut pas être écrit&#xa0;: aucune partie n’est donc enregistrée.</translation>
    </message>
    <message>
        <source>is damaged</source>
        <extracomment>What is wrong with the records file: a predicate that follows &quot;The records file PATH&quot;.</extracomment>
        <translation>est endommagé</translation>
    </message>
    <message>
        <source>is not a Peglore records file</source>
        <extracomment>What is wrong with the records file: a predicate that follows &quot;The records file PATH&quot;.</extracomment>
        <translation>n’est pas un fichier de records de Peglore</translation>
    </message>
    <message>
        <source>The records file %1 %2 and its folder may not be written, so no games are recorded.</source>
        <extracomment>%2 is what is wrong with the file, a predicate such as &quot;is damaged&quot;.</extracomment>
        <translation>Le fichier des records %1 %2 et son dossier ne peut pas être écrit&#xa0;: aucune partie n’est donc enregistrée.</translation>
    </message>
    <message>
        <source>The records file %1 %2 and cannot be renamed aside, so no games are recorded.</source>
        <extracomment>%2 is what is wrong with the file, a predicate such as &quot;is damaged&quot;.</extracomment>
        <translation>Le fichier des records %1 %2 et ne peut pas être renommé pour être mis de côté&#xa0;: aucune partie n’est donc enregistrée.</translation>
    </message>
    <message>
        <source>The records file %1 %2; it was kept as %3 and a new one started.</source>
        <extracomment>%2 is what was wrong with the file, a predicate such as &quot;is damaged&quot;; %3 the name it was kept under.</extracomment>
        <translation>Le fichier des records %1 %2&#x202f;; il a été gardé sous le nom %3 et un nouveau fichier a été commencé.</translation>
    </message>
    <message>
        <source>the last games are not recorded yet</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>les dernières parties ne sont pas encore enregistrées</translation>
    </message>
    <message>
        <source>the records cannot be read</source>
        <extracomment>What follows from a problem of the records file: a clause that goes after &quot;so&quot;.</extracomment>
        <translation>les records ne peuvent pas être lus</translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsKeeper</name>
    <message>
        <source>1 finished game could not be written to the records file %1, nor kept for later, as %2, so it is not recorded</source>
        <extracomment>Told at the exit, in an error box (a full stop follows): %1 the records file, %2 why not (a clause such as &quot;the disk of the file is full&quot;).</extracomment>
        <translation>1 partie terminée n’a pas pu être écrite dans le fichier des records %1 ni gardée pour plus tard, car %2&#xa0;: elle n’est donc pas enregistrée</translation>
    </message>
    <message numerus="yes">
        <source>%n finished games could not be written to the records file %1, nor kept for later, as %2, so they are not recorded</source>
        <translation>
            <numerusform>%n partie terminée n’a pas pu être écrite dans le fichier des records %1 ni gardée pour plus tard, car %2&#xa0;: elle n’est donc pas enregistrée</numerusform>
            <numerusform>%n parties terminées n’ont pas pu être écrites dans le fichier des records %1 ni gardées pour plus tard, car %2&#xa0;: elles ne sont donc pas enregistrées</numerusform>
        </translation>
    </message>
    <message>
        <source>1 finished game could not be written to the records file %1. It is kept in %2 and will be added to the records the next time Peglore starts.</source>
        <extracomment>Told at the exit, in an information box: %1 the records file, %2 the file that keeps the game.</extracomment>
        <translation>1 partie terminée n’a pas pu être écrite dans le fichier des records %1. Elle est gardée dans %2 et sera ajoutée aux records au prochain lancement de Peglore.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished games could not be written to the records file %1. They are kept in %2 and will be added to the records the next time Peglore starts.</source>
        <translation>
            <numerusform>%n partie terminée n’a pas pu être écrite dans le fichier des records %1. Elle est gardée dans %2 et sera ajoutée aux records au prochain lancement de Peglore.</numerusform>
            <numerusform>%n parties terminées n’ont pas pu être écrites dans le fichier des records %1. Elles sont gardées dans %2 et seront ajoutées aux records au prochain lancement de Peglore.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TRecordsService</name>
    <message numerus="yes">
        <source>%n finished game(s) of this session are not in the file yet.</source>
        <extracomment>Shown in the Records window after the records file&apos;s problem.</extracomment>
        <translation>
            <numerusform>%n partie terminée de cette session n’est pas encore dans le fichier.</numerusform>
            <numerusform>%n parties terminées de cette session ne sont pas encore dans le fichier.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TScoreBoardReading</name>
    <message>
        <source>Row %1: not checked</source>
        <extracomment>Read by screen readers for a row of the score board that has no answer yet.</extracomment>
        <translation>Rangée %1&#xa0;: non vérifiée</translation>
    </message>
    <message>
        <source>Row %1: %2 black, %3 white</source>
        <extracomment>Read by screen readers for a row of the score board: the numbers of black and white key pegs.</extracomment>
        <translation>Rangée %1&#xa0;: noires %2, blanches %3</translation>
    </message>
</context>
<context>
    <name>peglore::TToolActions</name>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Tools menu: a noun, the command that fills the current row with a suggested guess (H).</extracomment>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Fills the current row with a strong guess that fits every answer so far, in place of the pegs it held.</source>
        <translation>Remplit la rangée en cours avec un essai judicieux, compatible avec toutes les réponses obtenues, à la place des pions qu’elle contenait.</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <extracomment>Tools menu: a noun, shows and hides the Analysis window (F3).</extracomment>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>Show the secrets still possible after every row</source>
        <translation>Voir les combinaisons encore possibles</translation>
    </message>
    <message>
        <source>Shows and hides the Analysis window: the secrets still possible before and after every checked row, the hint and the review of the last game.</source>
        <translation>Affiche et masque la fenêtre Analyse&#xa0;: les combinaisons encore possibles avant et après chaque rangée vérifiée, l’indice et le bilan de la dernière partie.</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <extracomment>Tools menu: a noun, opens the Records window of the games played (F4).</extracomment>
        <translation>&amp;Records</translation>
    </message>
    <message>
        <source>Shows the Records window: for every board its games, wins, best time and fewest rows, and the last games, each of which can be played again.</source>
        <translation>Affiche la fenêtre Records&#xa0;: pour chaque plateau, ses parties, ses victoires, son meilleur temps et son moins de rangées, ainsi que les dernières parties, chacune pouvant être rejouée.</translation>
    </message>
    <message>
        <source>&amp;Daily Game</source>
        <extracomment>Tools menu: starts the game of the day, the same for every player (Ctrl+D).</extracomment>
        <translation>Partie du &amp;jour</translation>
    </message>
    <message>
        <source>Starts the daily game of today on the current board: every player gets the same secret on a board of this size today, and another one tomorrow. The first daily game you finish today counts for the day in the records; its result can then be copied.</source>
        <translation>Commence la partie du jour sur le plateau actuel&#xa0;: tous les joueurs reçoivent la même combinaison sur un plateau de cette taille aujourd’hui, et une autre demain. La première partie du jour que vous terminez aujourd’hui compte pour ce jour dans les records&#x202f;; son résultat peut ensuite être copié.</translation>
    </message>
    <message>
        <source>&amp;Copy Daily Result</source>
        <extracomment>Tools menu: copies the result of today&apos;s daily game to the clipboard.</extracomment>
        <translation>Co&amp;pier le résultat du jour</translation>
    </message>
    <message>
        <source>Puts the result of today&apos;s daily game on the current board on the clipboard and shows it: the date, the board and the rows it took, and for every checked row its key pegs only, so that it can be posted without giving the secret away.</source>
        <translation>Place dans le presse-papiers le résultat de la partie du jour sur le plateau actuel et l’affiche&#xa0;: la date, le plateau et les rangées qu’il a fallu, et pour chaque rangée vérifiée ses fiches seulement, pour qu’il puisse être publié sans trahir la combinaison.</translation>
    </message>
    <message>
        <source>&amp;Break My Code...</source>
        <extracomment>Tools menu: the player sets a secret code and the computer breaks it.</extracomment>
        <translation>&amp;Casser mon code...</translation>
    </message>
    <message>
        <source>Opens a window in which you set a secret code on a board of the current size and the computer breaks it, row by row; you may score its rows yourself.</source>
        <translation>Ouvre une fenêtre où vous composez un code secret sur un plateau de la taille actuelle et où l’ordinateur le casse, rangée après rangée&#x202f;; vous pouvez répondre vous-même à ses rangées.</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <extracomment>Tools menu: the name of an option with a check mark.</extracomment>
        <translation>&amp;Mode difficile</translation>
    </message>
    <message>
        <source>Check only rows that could be the secret</source>
        <translation>Vérifier seulement les rangées possibles</translation>
    </message>
    <message>
        <source>In hard mode a full row is checked only when it fits the answers of every row checked before, so that it could be the secret; the check mark shows whether it is on.</source>
        <translation>En mode difficile, une rangée pleine n’est vérifiée que si elle est compatible avec les réponses de chaque rangée vérifiée avant elle, de sorte qu’elle pourrait être la combinaison&#x202f;; la coche indique s’il est activé.</translation>
    </message>
    <message>
        <source>Peg &amp;Symbols</source>
        <extracomment>Tools menu: the name of an option with a check mark (Ctrl+Shift+S).</extracomment>
        <translation>&amp;Symboles des pions</translation>
    </message>
    <message>
        <source>Draw a symbol on every peg</source>
        <translation>Dessiner un symbole sur chaque pion</translation>
    </message>
    <message>
        <source>Draws a small symbol on every peg, so that the colours can be told apart without colour.</source>
        <translation>Dessine un petit symbole sur chaque pion, pour distinguer les couleurs sans se fier à la couleur.</translation>
    </message>
    <message>
        <source>&amp;Variant...</source>
        <extracomment>Tools menu: opens the Variant dialog, the colours in play and whether they may repeat.</extracomment>
        <translation>&amp;Variante...</translation>
    </message>
    <message>
        <source>Opens the Variant dialog: how many colours of the colour bar every level plays with, whether a colour may repeat, and the classic board of 4 holes and 6 colours.</source>
        <translation>Ouvre la boîte de dialogue Variante&#xa0;: avec combien de couleurs de la barre des couleurs se joue chaque niveau, si une couleur peut se répéter, et le plateau classique de 4 trous et 6 couleurs.</translation>
    </message>
    <message>
        <source>&amp;Keep Game at Exit</source>
        <extracomment>Tools menu: the name of an option with a check mark.</extracomment>
        <translation>&amp;Garder la partie en quittant</translation>
    </message>
    <message>
        <source>Keep the game in progress for the next start</source>
        <translation>Garder la partie pour le prochain lancement</translation>
    </message>
    <message>
        <source>Keeps the game in progress when Peglore closes, with its rows and its clock, and resumes it at the next start. The statistics and the records count it once it ends.</source>
        <translation>Garde la partie en cours quand Peglore se ferme, avec ses rangées et son chronomètre, et la reprend au lancement suivant. Les statistiques et les records la comptent une fois qu’elle est terminée.</translation>
    </message>
    <message>
        <source>Fill the row with a guess fitting every answer</source>
        <translation>Remplir la rangée d’un essai compatible</translation>
    </message>
    <message>
        <source>Show every board&apos;s records; play a game again</source>
        <translation>Voir les records et rejouer une partie</translation>
    </message>
    <message>
        <source>Play today&apos;s game: one secret for everyone</source>
        <translation>Partie du jour : un code pour tous</translation>
    </message>
    <message>
        <source>Copy today&apos;s daily result, secret left out</source>
        <translation>Copier le résultat du jour, sans le code</translation>
    </message>
    <message>
        <source>Let the computer break a code you set</source>
        <translation>Faire casser votre code par l’ordinateur</translation>
    </message>
    <message>
        <source>Choose the colours in play and repeats</source>
        <translation>Choisir les couleurs et les répétitions</translation>
    </message>
</context>
<context>
    <name>peglore::TWinsChart</name>
    <message>
        <source>No wins yet</source>
        <extracomment>Shown in the chart, and read by screen readers, while the board has no won game.</extracomment>
        <translation>Aucune victoire pour l’instant</translation>
    </message>
    <message>
        <source>Rows per win</source>
        <extracomment>Accessible name of the chart of how many wins took each number of rows, read by screen readers.</extracomment>
        <translation>Rangées par victoire</translation>
    </message>
    <message numerus="yes">
        <source>%n rows: %1</source>
        <extracomment>Read by screen readers for a column of the chart: %1 wins took %n rows each.</extracomment>
        <translation>
            <numerusform>%n rangée&#xa0;: %1</numerusform>
            <numerusform>%n rangées&#xa0;: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TfrmAbout</name>
    <message>
        <source>About...</source>
        <extracomment>Title of the About dialog (Help &gt; About...).</extracomment>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Total Games Played:</source>
        <extracomment>Caption before the number of games played; 119 pixels from its start to the number, bold.</extracomment>
        <translation>Parties jouées&#xa0;:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <extracomment>Caption before the number of games won; 73 pixels from its start to the number, bold.</extracomment>
        <translation>Gagnées&#xa0;:</translation>
    </message>
    <message>
        <source>Games Lost:</source>
        <extracomment>Caption before the number of games lost; 72 pixels from its start to the number, bold.</extracomment>
        <translation>Perdues&#xa0;:</translation>
    </message>
    <message>
        <source>Unfinished Games:</source>
        <extracomment>Caption before the number of games not finished; 108 pixels from its start to the number, bold.</extracomment>
        <translation>Inachevées&#xa0;:</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <extracomment>The About dialog&apos;s version line, centred in 65 pixels, bold.</extracomment>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peglore authors</source>
        <extracomment>The About dialog&apos;s copyright line, centred in 203 pixels, bold.</extracomment>
        <translation>© 2026 les auteurs de Peglore</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCodeBreaker</name>
    <message>
        <source>row %1</source>
        <extracomment>The rows whose answers disagree, when one row: %1 is its number. It fills &quot;The answers of %1&quot;.</extracomment>
        <translation>la rangée %1</translation>
    </message>
    <message>
        <source>rows %1 and %2</source>
        <extracomment>The rows whose answers disagree: %1 is a list of row numbers (&quot;1, 2&quot;), %2 the last one. It fills &quot;The answers of %1&quot;.</extracomment>
        <translation>les rangées %1 et %2</translation>
    </message>
    <message>
        <source>Break My Code</source>
        <extracomment>Title of the window where the computer breaks the player&apos;s secret code (Tools &gt; Break My Code...).</extracomment>
        <translation>Casser mon code</translation>
    </message>
    <message>
        <source>Your secret code (keys 1 to %1, Backspace clears):</source>
        <extracomment>Caption above the player&apos;s code, 300 pixels wide. %1 is the highest colour key (8).</extracomment>
        <translation>Votre code (touches 1 à %1, Retour arrière efface)&#xa0;:</translation>
    </message>
    <message>
        <source>Your secret code</source>
        <extracomment>Accessible name of the row of the player&apos;s code, read by screen readers.</extracomment>
        <translation>Votre code secret</translation>
    </message>
    <message>
        <source>Colour bar</source>
        <extracomment>Accessible name of the row of eight colours, read by screen readers.</extracomment>
        <translation>Barre des couleurs</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <extracomment>Accessible name of a colour button: %1 is its place in the bar, from 1 to 8.</extracomment>
        <translation>Couleur %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>Tooltip of a colour button: the key %1 (a digit) places the colour.</extracomment>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <extracomment>Button, 80 pixels wide: makes a random code for the player.</extracomment>
        <translation>Au &amp;hasard</translation>
    </message>
    <message>
        <source>I &amp;score the rows myself</source>
        <extracomment>Check box, 300 pixels wide: the player answers each of the computer&apos;s rows, with no code set here.</extracomment>
        <translation>Je &amp;réponds moi-même</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <extracomment>Button, 80 pixels wide.</extracomment>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Put a peg in every hole of your code first, or press Random.</source>
        <extracomment>&quot;Random&quot; is the button&apos;s name.</extracomment>
        <translation>Mettez d’abord un pion dans chaque trou de votre code, ou appuyez sur Au hasard.</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <extracomment>Button, 80 pixels wide: the computer plays its rows without waiting between them.</extracomment>
        <translation>Plus &amp;vite</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button, 80 pixels wide.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Blacks:</source>
        <extracomment>Caption, 46 pixels wide, before the number of black key pegs (right colour in the right hole).</extracomment>
        <translation>&amp;Noirs&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Whites:</source>
        <extracomment>Caption, 46 pixels wide, before the number of white key pegs (right colour in another hole).</extracomment>
        <translation>&amp;Blancs&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <extracomment>Button, 80 pixels wide: a command, gives the blacks and whites to the computer.</extracomment>
        <translation>Ré&amp;pondre</translation>
    </message>
    <message>
        <source>No code answers %1 black, %2 white on %3 holes.</source>
        <extracomment>%1 black and %2 white key pegs, %3 the holes of a row: more key pegs than a row can have.</extracomment>
        <translation>Aucun code ne donne noires %1, blanches %2 sur %3 trous.</translation>
    </message>
    <message>
        <source>The computer&apos;s rows</source>
        <extracomment>Accessible name of the board of the computer&apos;s guesses, read by screen readers.</extracomment>
        <translation>Les rangées de l’ordinateur</translation>
    </message>
    <message>
        <source>The answers</source>
        <extracomment>Accessible name of the board of key pegs that answer the computer&apos;s rows, read by screen readers.</extracomment>
        <translation>Les réponses</translation>
    </message>
    <message>
        <source>Set your secret code on the %1 holes and press Start.</source>
        <extracomment>%1 is the holes in a row; &quot;Start&quot; is the button&apos;s name.</extracomment>
        <translation>Composez votre code secret sur les %1 trous et appuyez sur Lancer.</translation>
    </message>
    <message>
        <source>Row %1: the computer is choosing its guess…</source>
        <extracomment>%1 is the row&apos;s number.</extracomment>
        <translation>Rangée %1&#xa0;: l’ordinateur choisit son essai…</translation>
    </message>
    <message>
        <source>Row %1: the computer plays %2.</source>
        <extracomment>%1 is the row&apos;s number, %2 the computer&apos;s guess as key digits (&quot;1234&quot;).</extracomment>
        <translation>Rangée %1&#xa0;: l’ordinateur joue %2.</translation>
    </message>
    <message>
        <source>Row %1: score the computer&apos;s guess against your code: blacks and whites, then Answer.</source>
        <extracomment>%1 is the row&apos;s number; &quot;Answer&quot; is the button&apos;s name.</extracomment>
        <translation>Rangée %1&#xa0;: répondez à l’essai de l’ordinateur d’après votre code&#xa0;: noires et blanches, puis Répondre.</translation>
    </message>
    <message>
        <source>The answers of %1 cannot all be true: no code gives every one of them. Score row %2 again, or start again if an earlier row was scored wrong.</source>
        <extracomment>%1 is &quot;row 3&quot; or &quot;rows 1, 2 and 4&quot;, %2 the number of the row whose answer is asked for again.</extracomment>
        <translation>Les réponses données pour %1 ne peuvent pas être toutes vraies&#xa0;: aucun code ne les donne toutes. Répondez de nouveau à la rangée %2, ou recommencez si une rangée précédente a reçu une réponse fausse.</translation>
    </message>
    <message>
        <source>The computer broke your code in 1 row. Your code: %1.</source>
        <extracomment>%1 is the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>L’ordinateur a cassé votre code en 1 rangée. Votre code&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The computer broke your code in %n rows. Your code: %1.</source>
        <extracomment>%n is the rows the computer took, %1 the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>
            <numerusform>L’ordinateur a cassé votre code en %n rangée. Votre code&#xa0;: %1.</numerusform>
            <numerusform>L’ordinateur a cassé votre code en %n rangées. Votre code&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer did not break your code in 1 row. Your code: %1.</source>
        <extracomment>%1 is the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>L’ordinateur n’a pas cassé votre code en 1 rangée. Votre code&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The computer did not break your code in %n rows. Your code: %1.</source>
        <extracomment>%n is the rows played, %1 the player&apos;s code as key digits (&quot;1234&quot;).</extracomment>
        <translation>
            <numerusform>L’ordinateur n’a pas cassé votre code en %n rangée. Votre code&#xa0;: %1.</numerusform>
            <numerusform>L’ordinateur n’a pas cassé votre code en %n rangées. Votre code&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer did not break your code in 1 row.</source>
        <extracomment>The player scored the rows and set no code here.</extracomment>
        <translation>L’ordinateur n’a pas cassé votre code en 1 rangée.</translation>
    </message>
    <message numerus="yes">
        <source>The computer did not break your code in %n rows.</source>
        <extracomment>The player scored the rows and set no code here; %n is the rows played.</extracomment>
        <translation>
            <numerusform>L’ordinateur n’a pas cassé votre code en %n rangée.</numerusform>
            <numerusform>L’ordinateur n’a pas cassé votre code en %n rangées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCorrectAnswer</name>
    <message>
        <source>Correct Combination</source>
        <extracomment>Title of the dialog that shows the secret after a lost or given-up game.</extracomment>
        <translation>Bonne combinaison</translation>
    </message>
    <message>
        <source>The correct combination was:</source>
        <extracomment>Heading above the pegs of the secret; the dialog is 323 pixels wide.</extracomment>
        <translation>La bonne combinaison était&#xa0;:</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmCustomBoard</name>
    <message>
        <source>Custom Board Size:</source>
        <extracomment>Title of the dialog of the Custom level&apos;s board size.</extracomment>
        <translation>Taille du plateau personnalisé&#xa0;:</translation>
    </message>
    <message>
        <source>Board preview</source>
        <extracomment>Accessible name, read by screen readers: the small picture of the chosen board.</extracomment>
        <translation>Aperçu du plateau</translation>
    </message>
    <message>
        <source>Holes</source>
        <extracomment>Accessible name of the slider of the number of holes in a row (the board&apos;s width).</extracomment>
        <translation>Trous</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Accessible name of the slider of the number of rows (the board&apos;s height).</extracomment>
        <translation>Rangées</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Board Dimensions:</source>
        <extracomment>Caption above the board size (&quot;5 x 10&quot;) in a panel 102 pixels wide.</extracomment>
        <translation>Dimensions&#xa0;:</translation>
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
        <translation>Résultat du jour</translation>
    </message>
    <message>
        <source>Your daily game to share:</source>
        <extracomment>Heading above the result, bold, in a window 340 pixels wide.</extracomment>
        <translation>Votre partie du jour à partager&#xa0;:</translation>
    </message>
    <message>
        <source>Result to share</source>
        <extracomment>Accessible name of the box with the result, read by screen readers.</extracomment>
        <translation>Résultat à partager</translation>
    </message>
    <message>
        <source>The result is on the clipboard.</source>
        <extracomment>One line, 316 pixels wide.</extracomment>
        <translation>Le résultat est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Button, 84 pixels wide: a command, copies the result to the clipboard.</extracomment>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>peglore::TfrmProperties</name>
    <message>
        <source>Properties</source>
        <extracomment>Title of the dialog of the game&apos;s options (Game &gt; Properties...).</extracomment>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button, 75 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 75 pixels wide.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The only tab of the Properties dialog: the general options.</extracomment>
        <translation>Général</translation>
    </message>
    <message>
        <source>Background music</source>
        <extracomment>Check box, 116 pixels wide: the music played during the game.</extracomment>
        <translation>Musique de fond</translation>
    </message>
    <message>
        <source>Smart Hints</source>
        <extracomment>Check box, 97 pixels wide. &quot;Smart Hints&quot; is the option&apos;s name: it shows or hides the tooltips of the tool bar&apos;s buttons.</extracomment>
        <translation>Bulles d’aide</translation>
    </message>
    <message>
        <source>Automatic Checking</source>
        <extracomment>Check box, 122 pixels wide. The option&apos;s name: a row is checked as soon as its last hole is filled.</extracomment>
        <translation>Vérification auto</translation>
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
        <translation>%1, %2 × %3, Casser mon code</translation>
    </message>
    <message>
        <source>%1, %2 × %3, %4, Break My Code</source>
        <extracomment>A board the computer played against the player&apos;s own secret (Tools &gt; Break My Code...): %1 is the level&apos;s name, %2 the holes in a row, %3 the rows, %4 the colours in play (&quot;6 colours, no repeats&quot;).</extracomment>
        <translation>%1, %2 × %3, %4, Casser mon code</translation>
    </message>
    <message>
        <source>daily %1, hard mode</source>
        <extracomment>The notes of a game in the list of last games: the daily game of the date %1, played in hard mode (every row had to fit the answers so far).</extracomment>
        <translation>partie du jour %1, mode difficile</translation>
    </message>
    <message>
        <source>daily %1</source>
        <extracomment>The notes of a game in the list of last games: the daily game of the date %1.</extracomment>
        <translation>partie du jour %1</translation>
    </message>
    <message>
        <source>hard mode</source>
        <extracomment>The notes of a game in the list of last games: played in hard mode (every row had to fit the answers so far).</extracomment>
        <translation>mode difficile</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the Records window (Tools &gt; Records..., F4).</extracomment>
        <translation>Records</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Column header: the board (level, size, colours).</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Games</source>
        <extracomment>Column header: the number of games played on the board.</extracomment>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>Column header: the number of games won.
----------
Column header: the number of daily games won.</extracomment>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <extracomment>Column header: the number of games lost.</extracomment>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Best time</source>
        <extracomment>Column header: the shortest time of a won game.</extracomment>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Fewest rows</source>
        <extracomment>Column header: the fewest rows a won game took.</extracomment>
        <translation>Moins de rangées</translation>
    </message>
    <message>
        <source>Average rows</source>
        <extracomment>Column header: the rows a won game took on average.</extracomment>
        <translation>Rangées en moyenne</translation>
    </message>
    <message>
        <source>Longest run of wins</source>
        <extracomment>Column header: the most games won one after the other.</extracomment>
        <translation>Plus longue série de victoires</translation>
    </message>
    <message>
        <source>Figures per board</source>
        <extracomment>Accessible name of the table of figures, read by screen readers.</extracomment>
        <translation>Chiffres par plateau</translation>
    </message>
    <message>
        <source>Daily games:</source>
        <extracomment>Caption above the table of the daily games (one game a day, the same for every player).</extracomment>
        <translation>Parties du jour&#xa0;:</translation>
    </message>
    <message>
        <source>Daily games</source>
        <extracomment>Column header: the number of daily games played on the board.</extracomment>
        <translation>Parties du jour</translation>
    </message>
    <message>
        <source>Current run of days won</source>
        <extracomment>Column header: the days one after the other up to today whose daily game was won.</extracomment>
        <translation>Série de jours gagnés en cours</translation>
    </message>
    <message>
        <source>Longest run of days won</source>
        <extracomment>Column header: the most days one after the other whose daily game was won.</extracomment>
        <translation>Plus longue série de jours gagnés</translation>
    </message>
    <message>
        <source>Daily games per board</source>
        <extracomment>Accessible name of the table of daily games, read by screen readers.</extracomment>
        <translation>Parties du jour par plateau</translation>
    </message>
    <message numerus="yes">
        <source>Last %n games:</source>
        <extracomment>Caption above the list of the games played last, newest first; %n is how many it shows.</extracomment>
        <translation>
            <numerusform>%n dernière partie&#xa0;:</numerusform>
            <numerusform>Les %n dernières parties&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Game number</source>
        <extracomment>Column header: the game&apos;s number, which plays the same secret again.</extracomment>
        <translation>Numéro de partie</translation>
    </message>
    <message>
        <source>Ended</source>
        <extracomment>Column header: the date and time the game ended.</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>Column header: how the game ended (won, lost, given up, abandoned).</extracomment>
        <translation>Issue</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Column header: the number of rows played.</extracomment>
        <translation>Rangées</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column header: the game&apos;s time on the clock.</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Column header: the number of hints taken.</extracomment>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column header: what sets the game apart (daily game, hard mode).</extracomment>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Last games</source>
        <extracomment>Accessible name of the list of last games, read by screen readers.</extracomment>
        <translation>Dernières parties</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <extracomment>Button: plays the game chosen in the list of last games again.</extracomment>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Play the chosen game again: the same board and the same secret</source>
        <translation>Rejouer la partie choisie&#xa0;: même plateau, même combinaison</translation>
    </message>
    <message>
        <source>Records file: %1</source>
        <extracomment>The line at the foot of the Records window; %1 is the records file&apos;s path.</extracomment>
        <translation>Fichier des records&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rows per win</source>
        <extracomment>The chart&apos;s title while no board is chosen: how many wins took each number of rows.</extracomment>
        <translation>Rangées par victoire</translation>
    </message>
    <message>
        <source>Rows per win: %1</source>
        <extracomment>The chart&apos;s title: how many wins took each number of rows; %1 is the board.</extracomment>
        <translation>Rangées par victoire&#xa0;: %1</translation>
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
        <translation>Couleurs en jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Colours in play</source>
        <extracomment>Accessible name of the slider of the number of colours, read by screen readers.</extracomment>
        <translation>Couleurs en jeu</translation>
    </message>
    <message>
        <source>Colours may repeat</source>
        <extracomment>Check box, 176 pixels wide: a colour may stand in more than one hole of the secret.</extracomment>
        <translation>Répétitions permises</translation>
    </message>
    <message>
        <source>Classic board:</source>
        <extracomment>Caption in a panel 102 pixels wide, above the classic board&apos;s size and colours.</extracomment>
        <translation>Classique&#xa0;:</translation>
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
            <numerusform>%n couleur</numerusform>
            <numerusform>%n couleurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>Button, 60 pixels wide: plays the classic board and colours at once.</extracomment>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button, 60 pixels wide.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Without repeats every hole needs a colour of its own: this board has %1 holes and %2 colours, so it plays with repeats.</source>
        <extracomment>A note in a box 176 x 66 pixels, four short lines. %1 is the number of holes of the level in play, %2 the number of colours chosen (fewer than the holes).</extracomment>
        <translation>Sans répétition, chaque trou veut sa couleur&#xa0;: ce plateau a %1 trous et %2 couleurs, il se joue donc avec répétitions.</translation>
    </message>
</context>
</TS>
