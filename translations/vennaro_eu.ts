<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore ezezaguna</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Exekuzio-errorea:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Irudia</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>%1 erakusten.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Irudia berriro ordenatuta dago.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Partida berria. Zuloa: errenkada %1, zutabea %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Pieza %1 hona eraman da: errenkada %2, zutabea %3. Mugimenduak: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Ezin da mugitu!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ez</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Ziur irten nahi duzula?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Irten?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Gainezkatzea</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Azpi-indizea barrutitik kanpo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Motak ez datoz bat</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Prozedura-dei edo argumentu baliogabea</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Ez dago «%1» kontrol-matrizeko elementurik</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Errenkada %1, zutabea %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Hutsik</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Zuloa</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Pieza %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Mendiko lakua</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Beira margotua</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Arrezife fraktala</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Aukeratu irudi bat</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Hasi</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Ebatzi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Irten</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Mugimenduak</translation>
    </message>
</context>
</TS>
