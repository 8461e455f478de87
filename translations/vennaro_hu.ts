<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Ismeretlen hiba</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Futásidejű hiba:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Kép</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Megjelenítve: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>A kép ismét rendben van.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Új játék. Az üres hely: sor %1, oszlop %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Lapka %1 áthelyezve: sor %2, oszlop %3. Lépések: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Nem lehet mozgatni!!!</translation>
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
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Biztosan ki akar lépni?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Kilépés?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Túlcsordulás</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Az index a tartományon kívül esik</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Típuseltérés</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Érvénytelen eljáráshívás vagy argumentum</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>A vezérlőtömb „%1” eleme nem létezik</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Sor %1, oszlop %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Üres</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Üres hely</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Lapka %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Hegyi tó</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Ólomüveg</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktálzátony</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Válasszon képet</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Indítás</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Megoldás</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Lépések száma</translation>
    </message>
</context>
</TS>
