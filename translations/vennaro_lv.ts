<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Nezināma kļūda</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Izpildlaika kļūda:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Attēls</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Tiek rādīts: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Attēls atkal ir salikts pareizi.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Jauna spēle. Brīvā vieta ir rindā %1, kolonnā %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Gabaliņš %1 pārvietots uz rindu %2, kolonnu %3. Gājieni: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Nevar pārvietot!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jā</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nē</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Vai tiešām vēlaties iziet?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Iziet?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Pārpilde</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indekss ārpus diapazona</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipu neatbilstība</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nederīgs procedūras izsaukums vai arguments</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Vadīklu masīva elements „%1” neeksistē</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rinda %1, kolonna %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Tukšs</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Brīvā vieta</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Gabaliņš %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Kalnu ezers</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitrāža</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktāļu rifs</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Izvēlieties attēlu</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Sākt</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Atrisināt</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Gājienu skaits</translation>
    </message>
</context>
</TS>
