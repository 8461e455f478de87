<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Fout tijdens uitvoering:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>%1 wordt getoond.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>De afbeelding is weer op orde.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Nieuw spel. Het gat zit in rij %1, kolom %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Stukje %1 verschoven naar rij %2, kolom %3. Zetten: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Kan niet verschuiven!!!</translation>
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
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Weet u zeker dat u wilt afsluiten?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Afsluiten?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index buiten bereik</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen komen niet overeen</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element ‘%1’ van de besturingselementmatrix bestaat niet</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rij %1, kolom %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leeg</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Gat</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Stukje %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Bergmeer</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Glas-in-lood</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fractaalrif</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Kies een afbeelding</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Oplossen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Aantal zetten</translation>
    </message>
</context>
</TS>
