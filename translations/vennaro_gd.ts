<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Mearachd neo-aithnichte</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Mearachd rè ruith:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Dealbh</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>A’ sealltainn %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Tha an dealbh ann an òrdugh a-rithist.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Geama ùr. Tha an toll air sreath %1, colbh %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Chaidh pìos %1 a ghluasad gu sreath %2, colbh %3. Gluasadan: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Cha ghabh seo gluasad!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Ceart ma-thà</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tha</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Chan eil</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>A bheil thu cinnteach gu bheil thu airson fàgail?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Fàgail?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Thar-shruthadh</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Fo-sgrìobhadh taobh a-muigh na rainse</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Chan eil na seòrsaichean a’ freagairt</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Gairm modh-obrachaidh no argamaid mì-dhligheach</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Chan eil eileamaid “%1” san arraigh uidheaman-smachd ann</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Sreath %1, colbh %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Falamh</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Toll</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Pìos %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Loch beinne</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Glainne dhathte</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Sgeir fhractalach</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Tagh dealbh</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Tòisich</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>F&amp;uasgail</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fàg</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Gluasadan</translation>
    </message>
</context>
</TS>
