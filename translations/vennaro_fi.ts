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
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Siirto ei onnistu !!!</translation>
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
        <source>empty</source>
        <translation>tyhjä</translation>
    </message>
    <message>
        <source>shows the hole piece</source>
        <translation>näyttää aukon palan</translation>
    </message>
    <message>
        <source>shows the piece from row %1, column %2 of %3</source>
        <translation>näyttää kuvan %3 palan riviltä %1, sarakkeesta %2</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rivi %1, sarake %2</translation>
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
