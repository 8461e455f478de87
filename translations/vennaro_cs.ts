<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznámá chyba</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Chyba za běhu:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Obrázek: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Obrázek je opět složený.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Nová hra. Mezera je v řádku %1, sloupci %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Dílek %1 přesunut do řádku %2, sloupce %3. Tahy: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Tímto nelze pohnout!!!</translation>
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
        <translation>&amp;Ano</translation>
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
        <translation>Opravdu chcete skončit?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Skončit?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Přetečení</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index mimo rozsah</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Neshoda typů</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neplatné volání procedury nebo argument</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Prvek „%1“ pole ovládacích prvků neexistuje</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Prázdné</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Mezera</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Dílek %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Horské jezero</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitráž</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktální útes</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Vyberte obrázek</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Začít</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Vyřešit</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Počet tahů</translation>
    </message>
</context>
</TS>
