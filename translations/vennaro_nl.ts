<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Fout tijdens uitvoering:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Kan niet verschuiven !!!</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Weet u zeker dat u wilt stoppen?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Stoppen?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index buiten bereik</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen komen niet overeen</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element ‘%1’ van de besturingselementmatrix bestaat niet</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>shows the hole piece</source>
        <translation>toont het stuk van het gat</translation>
    </message>
    <message>
        <source>shows the piece from row %1, column %2 of %3</source>
        <translation>toont het stuk uit rij %1, kolom %2 van %3</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rij %1, kolom %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Bergmeer</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Glas-in-lood</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fractaalrif</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Kies een afbeelding</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Begin</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Oplossen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Aantal zetten</translation>
    </message>
</context>
</TS>
