<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Erro de execução:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>A mostrar %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>A imagem voltou a estar em ordem.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Novo jogo. O espaço vazio está na linha %1, coluna %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Peça %1 movida para a linha %2, coluna %3. Jogadas: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Não é possível mover!!!</translation>
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
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Tem a certeza de que pretende sair?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Sair?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Capacidade excedida</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Índice fora do intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>O elemento «%1» da matriz de controlos não existe</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Linha %1, coluna %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vazia</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Espaço vazio</translation>
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
        <translation>Lago de montanha</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitral</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Recife fractal</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Escolha uma imagem</translation>
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
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Jogadas</translation>
    </message>
</context>
</TS>
