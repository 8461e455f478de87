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
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Viser %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Billedet er samlet igen.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Nyt spil. Hullet er i række %1, kolonne %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Brik %1 flyttet til række %2, kolonne %3. Træk: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Kan ikke flyttes!!!</translation>
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
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
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
        <source>Row %1, column %2</source>
        <translation>Række %1, kolonne %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Hul</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Brik %1</translation>
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
