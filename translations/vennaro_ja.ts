<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>実行時エラー：

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>%1を表示しています。</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>画像が元どおりになりました。</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>新しいゲーム。空きマスは%1行目、%2列目です。</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>ピース%1を%2行目、%3列目に動かしました。手数：%4。</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>動かせません！！！</translation>
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
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>ゲームを終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>終了しますか？</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>添字が範囲外です</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出しまたは引数が無効です</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>コントロール配列の要素「%1」は存在しません</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>%1行目、%2列目</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>空きマス</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>ピース%1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>山の湖</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>ステンドグラス</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>フラクタル珊瑚礁</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>画像を選択</translation>
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
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>手数</translation>
    </message>
</context>
</TS>
