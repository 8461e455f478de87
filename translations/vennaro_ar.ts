<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>خطأ في وقت التشغيل:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>الصورة</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>المعروضة الآن: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>اكتملت الصورة من جديد.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>لعبة جديدة. الفجوة في الصف %1، العمود %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>نُقلت القطعة %1 إلى الصف %2، العمود %3. النقلات: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>لا يمكن النقل!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>هل تريد الخروج حقًا؟</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>الخروج؟</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>الفهرس خارج النطاق</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>عدم تطابق النوع</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>استدعاء إجراء أو وسيطة غير صالحة</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>عنصر مصفوفة عناصر التحكم «%1» غير موجود</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>الفجوة</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>القطعة %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>بحيرة جبلية</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>زجاج معشّق</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>شعاب كسيرية</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>اختر صورة</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>ا&amp;بدأ</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;حل</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>عدد النقلات</translation>
    </message>
</context>
</TS>
