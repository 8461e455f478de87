<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Okänt fel</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Körningsfel:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Visar %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Bilden är i ordning igen.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Nytt spel. Hålet är på rad %1, kolumn %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Bit %1 flyttad till rad %2, kolumn %3. Drag: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Kan inte flyttas!!!</translation>
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
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Vill du verkligen avsluta?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Avsluta?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Spill</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index utanför intervallet</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typerna stämmer inte överens</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ogiltigt proceduranrop eller argument</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Kontrollmatriselementet ”%1” finns inte</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rad %1, kolumn %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Hål</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Bit %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Bergsjö</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Glasmålning</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktalrev</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Välj en bild</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starta</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Lös</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Antal drag</translation>
    </message>
</context>
</TS>
