<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Непозната грешка</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Грешка при извршавању:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Слика</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Приказана слика: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Слика је поново сложена.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Нова игра. Празно поље је у реду %1, колони %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Плочица %1 је премештена у ред %2, колону %3. Потези: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Померање није могуће!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Да ли заиста желите да изађете?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Изаћи?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Прекорачење</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс је изван опсега</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Неслагање типова</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Неисправан позив процедуре или аргумент</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Елемент „%1“ низа контрола не постоји</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ред %1, колона %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Празно</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Празно поље</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Плочица %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Планинско језеро</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Витраж</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Фрактални гребен</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Изаберите слику</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Почни</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Реши</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Излаз</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Број потеза</translation>
    </message>
</context>
</TS>
