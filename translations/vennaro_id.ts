<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Kesalahan tidak dikenal</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Kesalahan saat berjalan:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Gambar</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Menampilkan %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Gambar kembali tersusun.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Permainan baru. Lubang ada di baris %1, kolom %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Keping %1 digeser ke baris %2, kolom %3. Langkah: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Tidak bisa digeser!!!</translation>
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
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Anda yakin ingin keluar?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Keluar?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Luapan</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subskrip di luar jangkauan</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipe tidak cocok</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Panggilan prosedur atau argumen tidak valid</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Elemen larik kontrol “%1” tidak ada</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Baris %1, kolom %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Kosong</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Lubang</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Keping %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Danau Gunung</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Kaca Patri</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Terumbu Fraktal</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Pilih gambar</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Mulai</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Selesaikan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Jumlah langkah</translation>
    </message>
</context>
</TS>
