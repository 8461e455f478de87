<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Nežinoma klaida</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Vykdymo klaida:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Paveikslėlis</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Rodoma: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Paveikslėlis vėl sudėtas.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Naujas žaidimas. Skylė yra eilutėje %1, stulpelyje %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Gabalėlis %1 perkeltas į eilutę %2, stulpelį %3. Ėjimai: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Negalima perkelti!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Taip</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Ar tikrai norite baigti?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Baigti?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Perpildymas</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeksas už ribų</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipai nesutampa</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neteisingas procedūros kvietimas arba argumentas</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Valdiklių masyvo elemento „%1“ nėra</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Eilutė %1, stulpelis %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Tuščia</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Skylė</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Gabalėlis %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Kalnų ežeras</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitražas</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktalinis rifas</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Pasirinkite paveikslėlį</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Pradėti</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Išspręsti</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Baigti</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Ėjimų skaičius</translation>
    </message>
</context>
</TS>
