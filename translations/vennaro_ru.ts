<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Ошибка выполнения:

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
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Ход невозможен !!!</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Вы действительно хотите выйти?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Выйти?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне диапазона</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типа</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Элемент «%1» массива элементов управления не существует</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>shows the hole piece</source>
        <translation>показывает фрагмент пустого места</translation>
    </message>
    <message>
        <source>shows the piece from row %1, column %2 of %3</source>
        <translation>показывает фрагмент из строки %1, столбца %2 картинки «%3»</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Строка %1, столбец %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Горное озеро</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Витраж</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Фрактальный риф</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Выберите картинку</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Решить</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Число ходов</translation>
    </message>
</context>
</TS>
