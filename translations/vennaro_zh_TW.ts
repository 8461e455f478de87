<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>未知的錯誤</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>執行階段錯誤：

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>正在顯示%1。</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>圖片已復原。</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>新遊戲。空位在第%1列第%2欄。</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>拼塊%1已移至第%2列第%3欄。步數：%4。</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>無法移動！！！</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>確定要離開嗎？</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>離開？</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>溢位</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>索引超出範圍</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型別不符</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>無效的程序呼叫或引數</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>控制項陣列元素「%1」不存在</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>第%1列，第%2欄</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>空位</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>拼塊%1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>高山湖泊</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>彩繪玻璃</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>碎形珊瑚礁</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>解答(&amp;V)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>離開(&amp;X)</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>步數</translation>
    </message>
</context>
</TS>
