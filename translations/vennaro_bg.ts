<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <extracomment>A fault of the program that has no description of its own, shown as %1 below.</extracomment>
        <translation>Неизвестна грешка</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <extracomment>A message box&apos;s text before the game ends on a fault of its own; %1 describes the fault.</extracomment>
        <translation>Грешка по време на изпълнение:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <extracomment>The picture list&apos;s name, spoken by screen readers only, before the list&apos;s entry.</extracomment>
        <translation>Картина</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <extracomment>Screen readers only, spoken at once without moving the focus: a picture was chosen; %1 is its name.</extracomment>
        <translation>Показва се %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <extracomment>Screen readers only, spoken at once without moving the focus, after Solve.</extracomment>
        <translation>Картината отново е подредена.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <extracomment>Screen readers only, spoken at once without moving the focus, after Start: where the hole is; row 1 is the top, column 1 the leftmost.</extracomment>
        <translation>Нова игра. Празното място е на ред %1, колона %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <extracomment>Screen readers only, spoken at once without moving the focus, after a move: piece %1 went to the place %2, %3; %4 is the move count.</extracomment>
        <translation>Плочка %1 е преместена на ред %2, колона %3. Ходове: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <extracomment>Message box for a click on a box that is not beside the hole.</extracomment>
        <translation>Не може да се премести!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>The button of the other message boxes, as Qt&apos;s own translation words it where there is one.</extracomment>
        <translation>Добре</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The Quit? question&apos;s buttons; Qt&apos;s own translation of them comes first where there is one.</extracomment>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>As &quot;&amp;Yes&quot;; a different access key.</extracomment>
        <translation>&amp;Не</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <extracomment>The question of a message box with Yes and No, after Exit or closing the window.</extracomment>
        <translation>Наистина ли искате да излезете?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <extracomment>That message box&apos;s title.</extracomment>
        <translation>Изход?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <extracomment>A fault of the program itself, shown after &quot;Run-time error:&quot; in a message box, which then ends the game.</extracomment>
        <translation>Препълване</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <extracomment>A fault of the program itself, shown after &quot;Run-time error:&quot; in a message box, which then ends the game.</extracomment>
        <translation>Индексът е извън обхвата</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <extracomment>A fault of the program itself, shown after &quot;Run-time error:&quot; in a message box, which then ends the game.</extracomment>
        <translation>Несъответствие на типовете</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <extracomment>A fault of the program itself, shown after &quot;Run-time error:&quot; in a message box, which then ends the game.</extracomment>
        <translation>Невалидно извикване на процедура или аргумент</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <extracomment>As above; %1 is the number of a box or picture that does not exist.</extracomment>
        <translation>Елементът „%1“ от масива от контроли не съществува</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <extracomment>Screen readers only, after a box&apos;s name: where the box is; row 1 is the top, column 1 the leftmost.</extracomment>
        <translation>Ред %1, колона %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>Screen readers only: the name of a box that shows nothing yet, before the first picture; agrees with &quot;box&quot;.</extracomment>
        <translation>Празно</translation>
    </message>
    <message>
        <source>Hole</source>
        <extracomment>Screen readers only: the box showing the gap that pieces slide into.</extracomment>
        <translation>Празно място</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <extracomment>Screen readers only: the box showing piece %1 (1 to 16, its place in the finished picture).</extracomment>
        <translation>Плочка %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <extracomment>A picture&apos;s name: an entry of the picture list, 200 pixels wide, and in screen-reader announcements.</extracomment>
        <translation>Планинско езеро</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <extracomment>As &quot;Mountain Lake&quot;: a picture of coloured glass panes in lead lines.</extracomment>
        <translation>Витраж</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <extracomment>As &quot;Mountain Lake&quot;: a picture of a coral reef drawn as a fractal.</extracomment>
        <translation>Фрактален риф</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <extracomment>What the picture list shows until a picture is chosen, 200 pixels wide.</extracomment>
        <translation>Изберете картина</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>Button that deals the picture&apos;s pieces, 73 pixels wide (a longer word is drawn smaller). &amp; marks the access key (Alt+letter), unlike the other buttons&apos; keys; &quot;开始(&amp;S)&quot; style where the script has no such letters.</extracomment>
        <translation>&amp;Старт</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <extracomment>Button that puts the picture in order again; room and access key as for &quot;&amp;Start&quot;.</extracomment>
        <translation>&amp;Реши</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Button that asks whether to quit; room and access key as for &quot;&amp;Start&quot;.</extracomment>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <extracomment>Title above the move counter, one line of 185 pixels; screen readers speak it as the counter&apos;s name.</extracomment>
        <translation>Брой ходове</translation>
    </message>
</context>
</TS>
