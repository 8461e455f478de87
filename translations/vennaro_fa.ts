<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>خطای ناشناخته</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>خطای زمان اجرا:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>تصویر</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>در حال نمایش: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>تصویر دوباره درست چیده شد.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>بازی جدید. جای خالی در ردیف %1، ستون %2 است.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>قطعهٔ %1 به ردیف %2، ستون %3 جابه‌جا شد. حرکت‌ها: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>حرکت ممکن نیست!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;بله</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;نه</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>مطمئنید که می‌خواهید خارج شوید؟</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>خروج؟</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>سرریز</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>اندیس خارج از محدوده</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>ناسازگاری نوع</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>فراخوانی رویه یا آرگومان نامعتبر</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>عنصر «%1» در آرایهٔ کنترل‌ها وجود ندارد</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>ردیف %1، ستون %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>خالی</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>جای خالی</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>قطعهٔ %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>دریاچهٔ کوهستانی</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>شیشهٔ رنگی</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>آبسنگ فراکتالی</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>انتخاب تصویر</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;شروع</translation>
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
        <translation>تعداد حرکت‌ها</translation>
    </message>
</context>
</TS>
