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
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Impossibile spostare !!!</translation>
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
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>shows the hole piece</source>
        <translation>mostra il pezzo del buco</translation>
    </message>
    <message>
        <source>shows the piece from row %1, column %2 of %3</source>
        <translation>mostra il pezzo della riga %1, colonna %2 dell’immagine %3</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Riga %1, colonna %2</translation>
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
