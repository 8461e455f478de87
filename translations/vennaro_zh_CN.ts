<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>运行时错误：

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>正在显示%1。</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>图片已复原。</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>新游戏。空位在第%1行第%2列。</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>拼块%1已移到第%2行第%3列。步数：%4。</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>无法移动！！！</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>退出？</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>控件数组元素“%1”不存在</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>第%1行，第%2列</translation>
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
        <translation>拼块%1</translation>
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
        <translation>彩绘玻璃</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>分形珊瑚礁</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>求解(&amp;V)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>步数</translation>
    </message>
</context>
</TS>
