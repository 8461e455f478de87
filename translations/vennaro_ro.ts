<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Eroare necunoscută</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Eroare la execuție:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Imagine</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Se afișează %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Imaginea este din nou în ordine.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Joc nou. Locul gol este pe rândul %1, coloana %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Piesa %1 a fost mutată pe rândul %2, coloana %3. Mutări: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Nu se poate muta!!!</translation>
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
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Sigur doriți să ieșiți?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Ieșire?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Depășire</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice în afara intervalului</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Nepotrivire de tip</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Apel de procedură sau argument nevalid</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Elementul „%1” al matricei de controale nu există</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rândul %1, coloana %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Gol</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Loc gol</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Piesa %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Lac de munte</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitraliu</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Recif fractal</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Alegeți o imagine</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Pornește</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Rezolvă</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Număr de mutări</translation>
    </message>
</context>
</TS>
