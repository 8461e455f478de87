<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Nepoznata pogreška</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Pogreška pri izvođenju:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Slika</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Prikazana slika: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Slika je ponovno složena.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Nova igra. Prazno polje je u retku %1, stupcu %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Pločica %1 pomaknuta u redak %2, stupac %3. Potezi: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Pomak nije moguć!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
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
        <translation>Želite li zaista izaći?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Izaći?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Preljev</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks izvan raspona</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Nepodudaranje tipova</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neispravan poziv procedure ili argument</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element „%1” polja kontrola ne postoji</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Redak %1, stupac %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Prazno</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Prazno polje</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Pločica %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Planinsko jezero</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitraj</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktalni greben</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Odaberite sliku</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Počni</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Riješi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Broj poteza</translation>
    </message>
</context>
</TS>
