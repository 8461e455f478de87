<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznana napaka</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Napaka med izvajanjem:

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
        <translation>Slika je spet sestavljena.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Nova igra. Prazno polje je v vrstici %1, stolpcu %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Ploščica %1 premaknjena v vrstico %2, stolpec %3. Poteze: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Premik ni mogoč!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
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
        <translation>Ali res želite končati?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Končati?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Prekoračitev</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks zunaj obsega</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Neujemanje tipov</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neveljaven klic procedure ali argument</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element »%1« polja kontrolnikov ne obstaja</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Vrstica %1, stolpec %2</translation>
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
        <translation>Ploščica %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Gorsko jezero</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitraž</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktalni greben</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Izberite sliko</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Začni</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Reši</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Končaj</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Število potez</translation>
    </message>
</context>
</TS>
