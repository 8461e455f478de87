<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестна грешка</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Грешка по време на изпълнение:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Картина</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Показва се %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Картината отново е подредена.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Нова игра. Празното място е на ред %1, колона %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Плочка %1 е преместена на ред %2, колона %3. Ходове: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Не може да се премести!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
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
        <translation>Наистина ли искате да излезете?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Изход?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Препълване</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индексът е извън обхвата</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несъответствие на типовете</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Невалидно извикване на процедура или аргумент</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Елементът „%1“ от масива от контроли не съществува</translation>
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
        <translation>Празно място</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Плочка %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Планинско езеро</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Витраж</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Фрактален риф</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Изберете картина</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Старт</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Реши</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Брой ходове</translation>
    </message>
</context>
</TS>
