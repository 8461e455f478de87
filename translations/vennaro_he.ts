<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>שגיאה לא ידועה</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>שגיאת זמן ריצה:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>תמונה</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>מוצג כעת: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>התמונה שוב בסדר הנכון.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>משחק חדש. החור נמצא בשורה %1, עמודה %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>חלק %1 הוזז לשורה %2, עמודה %3. מהלכים: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>אי אפשר להזיז!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;כן</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;לא</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>האם באמת ברצונך לצאת?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>לצאת?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>גלישה</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>אינדקס מחוץ לטווח</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>אי־התאמה בין סוגים</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>קריאה לא חוקית לפרוצדורה או ארגומנט לא חוקי</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>הרכיב &quot;%1&quot; לא קיים במערך הפקדים</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>שורה %1, עמודה %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>חור</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>חלק %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>אגם הררי</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>ויטראז&apos;</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>שונית פרקטלית</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>בחירת תמונה</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;התחלה</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;פתרון</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>מספר מהלכים</translation>
    </message>
</context>
</TS>
