<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Ukjent feil</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Kjøretidsfeil:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Bilde</translation>
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
        <translation>Bildet er i orden igjen.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Nytt spill. Hullet er i rad %1, kolonne %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Brikke %1 flyttet til rad %2, kolonne %3. Trekk: %4.</translation>
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
        <translation>&amp;Nei</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Er du sikker på at du vil avslutte?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Avslutte?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overflyt</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks utenfor område</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typene samsvarer ikke</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ugyldig prosedyrekall eller argument</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Kontrollmatriseelementet «%1» finnes ikke</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rad %1, kolonne %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Hull</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Brikke %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Fjellvann</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Glassmaleri</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktalrev</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Velg et bilde</translation>
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
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Antall trekk</translation>
    </message>
</context>
</TS>
