<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Lỗi không xác định</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Lỗi khi chạy:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Hình ảnh</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Đang hiển thị %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Hình ảnh đã trở lại đúng thứ tự.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Ván mới. Ô trống ở hàng %1, cột %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Đã chuyển mảnh %1 đến hàng %2, cột %3. Số nước đi: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Không thể di chuyển!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Bạn có chắc muốn thoát không?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Thoát?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Tràn số</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Chỉ số nằm ngoài phạm vi</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Kiểu không khớp</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Lời gọi thủ tục hoặc đối số không hợp lệ</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Phần tử “%1” của mảng điều khiển không tồn tại</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Hàng %1, cột %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Trống</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Ô trống</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Mảnh %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Hồ trên núi</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Kính màu</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Rạn san hô fractal</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Chọn hình ảnh</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Bắt đầu</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Giải</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Thoát</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Số nước đi</translation>
    </message>
</context>
</TS>
