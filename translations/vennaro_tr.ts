<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Çalışma zamanı hatası:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Resim: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Resim yeniden tamamlandı.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Yeni oyun. Boşluk: satır %1, sütun %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Parça %1 taşındı: satır %2, sütun %3. Hamle: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Hamle yapılamaz!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Çıkmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Çıkılsın mı?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Taşma</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Dizin aralık dışında</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tür uyuşmazlığı</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Geçersiz yordam çağrısı veya bağımsız değişken</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>“%1” denetim dizisi öğesi yok</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Satır %1, sütun %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Boş</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Boşluk</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Parça %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Dağ Gölü</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitray</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Fraktal Resif</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Bir resim seçin</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Başla</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Çöz</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Hamle sayısı</translation>
    </message>
</context>
</TS>
