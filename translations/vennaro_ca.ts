<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconegut</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Error en temps d’execució:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Imatge</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Es mostra %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>La imatge torna a estar en ordre.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Partida nova. El forat és a la fila %1, columna %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>La peça %1 s’ha mogut a la fila %2, columna %3. Moviments: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>No es pot moure!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>D'acord</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Segur que voleu sortir?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Voleu sortir?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordament</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Índex fora de l’interval</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Els tipus no coincideixen</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Crida a procediment o argument no vàlids</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L’element «%1» de la matriu de controls no existeix</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Buida</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Forat</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Peça %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Llac de muntanya</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitrall</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Escull fractal</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Trieu una imatge</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inicia</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Resol</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Moviments</translation>
    </message>
</context>
</TS>
