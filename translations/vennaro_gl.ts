<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro descoñecido</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Erro de execución:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Imaxe</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Móstrase %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>A imaxe volve estar en orde.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Partida nova. O oco está na fila %1, columna %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Peza %1 movida á fila %2, columna %3. Movementos: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Non se pode mover!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Si</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Seguro que quere saír?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Saír?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fóra do intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Os tipos non coinciden</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada a procedemento ou argumento non válidos</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Non existe o elemento «%1» da matriz de controis</translation>
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
        <translation>Baleira</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Oco</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Peza %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Lago de montaña</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vidreira</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Arrecife fractal</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Escolla unha imaxe</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Saír</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Movementos</translation>
    </message>
</context>
</TS>
