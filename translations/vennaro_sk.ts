<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznáma chyba</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Chyba počas behu:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Obrázok</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Obrázok: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Obrázok je opäť poskladaný.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Nová hra. Prázdne pole je v riadku %1, stĺpci %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Dielik %1 presunutý do riadka %2, stĺpca %3. Ťahy: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Týmto sa nedá pohnúť!!!</translation>
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
        <translation>&amp;Áno</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Naozaj chcete skončiť?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Skončiť?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Pretečenie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index mimo rozsahu</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Nezhoda typov</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neplatné volanie procedúry alebo argument</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Prvok „%1“ poľa ovládacích prvkov neexistuje</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Riadok %1, stĺpec %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Prázdne</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Prázdne pole</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Dielik %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Horské jazero</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitráž</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktálny útes</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Vyberte obrázok</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Začať</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Vyriešiť</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Počet ťahov</translation>
    </message>
</context>
</TS>
