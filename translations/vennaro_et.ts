<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Tundmatu viga</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Käitusaegne viga:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Pilt</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Kuvatakse: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Pilt on jälle korras.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Uus mäng. Auk on reas %1, veerus %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Tükk %1 viidi ritta %2, veergu %3. Käike: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Ei saa liigutada!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Sobib</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jah</translation>
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
        <translation>Kas soovid kindlasti väljuda?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Väljuda?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Ületäitumine</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks on vahemikust väljas</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tüübid ei sobi</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Vigane protseduurikutse või argument</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Juhtelementide massiivi elementi „%1“ pole olemas</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rida %1, veerg %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Tühi</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Auk</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Tükk %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Mägijärv</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitraaž</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktaalriff</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Vali pilt</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Alusta</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Lahenda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Välju</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Käikude arv</translation>
    </message>
</context>
</TS>
