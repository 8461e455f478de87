<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Ukendt fejl</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Kørselsfejl:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Billede</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Kan ikke flyttes !!!</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Er du sikker på, at du vil afslutte?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Afslut?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overløb</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks uden for område</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typerne stemmer ikke overens</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ugyldigt procedurekald eller argument</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Kontrolmatrixelementet »%1« findes ikke</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>shows the hole piece</source>
        <translation>viser hullets brik</translation>
    </message>
    <message>
        <source>shows the piece from row %1, column %2 of %3</source>
        <translation>viser brikken fra række %1, kolonne %2 af %3</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Række %1, kolonne %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Bjergsø</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Glasmosaik</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktalrev</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Vælg et billede</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Løs</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Antal træk</translation>
    </message>
</context>
</TS>
