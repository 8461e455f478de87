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
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Tímto nelze pohnout !!!</translation>
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
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>shows the hole piece</source>
        <translation>ukazuje dílek mezery</translation>
    </message>
    <message>
        <source>shows the piece from row %1, column %2 of %3</source>
        <translation>ukazuje dílek z řádku %1, sloupce %2 obrázku %3</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Řádek %1, sloupec %2</translation>
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
