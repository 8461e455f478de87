<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Errore di esecuzione:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Immagine: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>L’immagine è di nuovo in ordine.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Nuova partita. La casella vuota è alla riga %1, colonna %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Tessera %1 spostata alla riga %2, colonna %3. Mosse: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Impossibile spostare!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Uscire?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell’intervallo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L’elemento «%1» della matrice di controlli non esiste</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vuota</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Casella vuota</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Tessera %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Lago di montagna</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vetrata</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Scogliera frattale</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Scegli un’immagine</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Risolvi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Numero di mosse</translation>
    </message>
</context>
</TS>
