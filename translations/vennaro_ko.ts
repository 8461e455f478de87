<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>런타임 오류:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>그림</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>%1 표시 중입니다.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>그림이 다시 맞춰졌습니다.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>새 게임. 빈칸은 %1행 %2열에 있습니다.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>%1번 조각을 %2행 %3열로 옮겼습니다. 이동 횟수: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>움직일 수 없습니다!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>정말 끝내시겠습니까?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>끝낼까요?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>오버플로</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>첨자가 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>형식이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>프로시저 호출 또는 인수가 잘못되었습니다</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>컨트롤 배열 요소 &apos;%1&apos;이(가) 없습니다</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>%1행 %2열</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>비어 있음</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>빈칸</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>%1번 조각</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>산속 호수</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>스테인드글라스</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>프랙털 산호초</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>그림 선택</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>시작(&amp;S)</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>풀기(&amp;V)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>이동 횟수</translation>
    </message>
</context>
</TS>
