<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Tuntematon virhe</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Suoritusaikainen virhe:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Kuva</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Kuva: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Kuva on taas järjestyksessä.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Uusi peli. Aukko on rivillä %1, sarakkeessa %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Pala %1 siirtyi riville %2, sarakkeeseen %3. Siirtoja: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Siirto ei onnistu!!!</translation>
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
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Haluatko varmasti lopettaa?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Lopetetaanko?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Ylivuoto</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeksi alueen ulkopuolella</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tyyppiristiriita</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Virheellinen proseduurin kutsu tai argumentti</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Ohjausobjektitaulukon elementtiä ”%1” ei ole</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rivi %1, sarake %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Tyhjä</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Aukko</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Pala %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Vuoristojärvi</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Lasimaalaus</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktaaliriutta</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Valitse kuva</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Aloita</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Ratkaise</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Siirtojen määrä</translation>
    </message>
</context>
</TS>
