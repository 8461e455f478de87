<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Помилка виконання:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Картинка: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Картинку знову складено.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Нова гра. Порожнє місце в рядку %1, стовпці %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Фрагмент %1 переміщено в рядок %2, стовпець %3. Ходів: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Хід неможливий!!!</translation>
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
        <translation>Т&amp;ак</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Ви справді хочете вийти?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Вийти?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Індекс поза межами діапазону</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Невідповідність типів</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Неприпустимий виклик процедури або аргумент</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Елемент «%1» масиву елементів керування не існує</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Рядок %1, стовпець %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Порожньо</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Порожнє місце</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Фрагмент %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Гірське озеро</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Вітраж</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Фрактальний риф</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Виберіть картинку</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Почати</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Зібрати</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Кількість ходів</translation>
    </message>
</context>
</TS>
